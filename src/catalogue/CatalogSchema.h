#pragma once
// The layouts of the catalogue, register and report tables as the program sees them: every
// stored field with its type, the lookup and calculated fields, the primary key and the
// secondary indexes. The storage creates its tables from these, and the data module's datasets
// are built over them.
//
// Two tables are stored wider than the program's view: Catalog.DB and FrnComp.DB carry columns
// the catalogue's other users need. Their view (`view`) leaves those columns out, so reading
// one of them by name gives no value; the storage keeps them (`storedOnly`) so that an import
// and a later export lose nothing.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/FieldDef.h"

namespace ftf {

/// Database aliases: the folder each table lives in.
enum class DbAlias { Catalog, Registry, Report };

/// "FMDB_Catalog", "FMDB_Registry", "FMDB_Report".
const char* AliasName(DbAlias alias);

struct StoredTableDef {
    DbAlias alias = DbAlias::Catalog;
    /// The program's view: stored fields first (in stored order), then lookup and calculated
    /// fields. Its name is the table file name ("FrnSet.DB").
    TableSchema view;
    /// Further stored columns the program does not read (appended after the view's stored
    /// fields in the storage).
    std::vector<FieldDef> storedOnly;

    /// The table name without its ".DB"/".db" extension ("FrnSet"): the name of its storage
    /// table and of the table in SQL files.
    std::string BaseName() const;
    /// Every stored field: the view's data fields, then `storedOnly`.
    std::vector<FieldDef> StoredFields() const;
};

/// Every table of the three databases: the catalogue tables in the data module's opening order
/// (ParamList.DB once), then OrderLst.DB and Report.db.
const std::vector<StoredTableDef>& AllTableDefs();

/// The definition of a table by its name, with or without extension, compared without regard to
/// case ("frnart", "FrnArt.DB", "FRNART.db"); nullptr when there is none.
const StoredTableDef* FindTableDef(std::string_view name);

/// The view schema of a table (as FindTableDef(name)->view); throws FtfError when unknown.
const TableSchema& CatalogSchema(std::string_view name);

}  // namespace ftf
