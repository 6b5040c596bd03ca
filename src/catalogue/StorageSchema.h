#pragma once
// What the storage keeps of each table: the program's view (CatalogSchema.h) plus the database
// the table lives in and the columns that only the catalogue's other users read. Catalog.DB and
// FrnComp.DB are stored wider than the program's view, so that an import loses nothing; the
// view leaves those columns out, so reading one of them by name gives no value.
//
// The register's view also gets its display orders ("Date", "CustName", "ObjName") here.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CatalogSchema.h"

namespace ftf {

/// Database aliases: the folder each table lives in.
enum class DbAlias { Catalog, Registry, Report };

/// "FMDB_Catalog", "FMDB_Registry", "FMDB_Report".
const char* AliasName(DbAlias alias);

struct StoredTableDef {
    DbAlias alias = DbAlias::Catalog;
    /// The program's view; its name is the table file name ("FrnSet.DB").
    TableSchema view;
    /// Further stored columns the program does not read (stored after the view's fields).
    std::vector<FieldDef> storedOnly;

    /// The table name without its extension ("FrnSet"): the name of its storage table and of
    /// the table in SQL files.
    std::string BaseName() const;
    /// Every stored field: the view's data fields, then `storedOnly`.
    std::vector<FieldDef> StoredFields() const;
};

/// Every table of the three databases: the catalogue tables in opening order (ParamList.DB
/// once), then OrderLst.DB and Report.db.
const std::vector<StoredTableDef>& AllTableDefs();

/// A table by name, with or without extension, without regard to case ("frnart",
/// "FrnArt.DB"); nullptr when there is none.
const StoredTableDef* FindTableDef(std::string_view name);

}  // namespace ftf
