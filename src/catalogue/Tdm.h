#pragma once
// The catalogue data module: one dataset per catalogue table (named "T_" plus the table), the
// order register and the three database connections. There is one module for the run; every
// other part reaches the catalogue only through it.
//
// Start-up: ConfigureDatabases points the connections at their folders and opens them (the
// storage imports changed Paradox tables then), OpenCatalog opens the catalogue datasets in
// their fixed order. A dataset that fails to open is reported through OpenDataSet's message
// and stays closed; the others open.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/StorageSchema.h"
#include "catalogue/Table.h"

namespace ftf {

class Store;
struct AppPathsRecord;

/// One dataset of the module: its name, its table, its record order as a field list ("" =
/// primary key), its fixed filter and the data source views bind to ("" for T_SysProf).
using DataSetInfo = DatasetDef;

/// Every dataset of the module: the catalogue datasets in their opening order, then T_OrderList.
const std::vector<DataSetInfo>& TdmDataSets();

/// A database connection of the module: an alias (FMDB_Catalog ...) whose parameters name its
/// folder. Opening it opens (or creates) the folder's store.
class DbConnection {
public:
    DbConnection(std::string componentName, DbAlias alias);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    const std::string& Name() const { return name_; }  ///< "DB_Catalog"
    DbAlias Alias() const { return alias_; }
    const char* AliasName() const { return ftf::AliasName(alias_); }

    /// The connection's parameters, as the old engine took them: "PATH=...",
    /// "DEFAULT DRIVER=PARADOX", "ENABLE BCD=TRUE".
    std::vector<std::string> Params;
    /// The folder named by the PATH parameter ("" when none).
    std::string Path() const;

    /// Opens the store of Path() (importing the Paradox tables found there). Throws FtfError
    /// when the folder or its database cannot be used.
    void Open();
    void Close();
    bool Connected() const { return store_ != nullptr; }
    /// The open store; nullptr when closed.
    Store* GetStore() const { return store_.get(); }

private:
    std::string name_;
    DbAlias alias_;
    std::unique_ptr<Store> store_;
};

class TDM {
public:
    TDM();
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    DbConnection DB_Catalog{"DB_Catalog", DbAlias::Catalog};
    DbConnection DB_Registry{"DB_Registry", DbAlias::Registry};
    DbConnection DB_Report{"DB_Report", DbAlias::Report};

    /// Points the three connections at their folders: each is closed (its datasets too), its
    /// parameters are set to exactly "PATH=<folder>", "DEFAULT DRIVER=PARADOX",
    /// "ENABLE BCD=TRUE", and it is opened. A connection that cannot open raises FtfError.
    void ConfigureDatabases(const std::string& catalogDir, const std::string& registryDir,
                            const std::string& reportDir);
    /// The same for one connection (the command line opens the catalogue alone).
    void ConfigureDatabase(DbConnection& conn, const std::string& folder);

    /// Opens the catalogue datasets in their order (T_Color ... T_FrnItoI); each failure is
    /// reported by OpenDataSet and the next one is opened. Returns the number that failed.
    int OpenCatalog();

    /// Opens a dataset of the module: its rows are read from its connection's store when the
    /// table is not read yet. On failure shows "Ошибка открытия файла [%s]\r\n(%s)" with the
    /// table name and the error text through ShowError and returns false.
    bool OpenDataSet(Table& table);
    /// Closes a dataset; on failure shows "Ошибка закрытия файла [%s]\r\n(%s)" and returns false.
    bool CloseDataSet(Table& table);
    /// Removes every record of the dataset's table, in the store too; an open dataset is closed,
    /// emptied and opened again (also when emptying fails, then the error is raised).
    void EmptyTable(Table& table);
    /// Reads the dataset's table anew from its store (rows another process wrote); the datasets
    /// over it keep their filters. Throws FtfError.
    void RefreshTable(Table& table);

    Table& T_Color() { return *sets_[0]; }
    Table& T_Currency() { return *sets_[1]; }
    Table& T_PriceGrp() { return *sets_[2]; }
    Table& T_SysList() { return *sets_[3]; }
    Table& T_SysColor() { return *sets_[4]; }
    Table& T_SysProp() { return *sets_[5]; }
    Table& T_SysProf() { return *sets_[6]; }
    Table& T_Catalog() { return *sets_[7]; }
    Table& T_Material() { return *sets_[8]; }
    Table& T_FalzList() { return *sets_[9]; }
    Table& T_DornList() { return *sets_[10]; }
    Table& T_StulpList() { return *sets_[11]; }
    Table& T_OpenList() { return *sets_[12]; }
    Table& T_FrnComp() { return *sets_[13]; }
    Table& T_FrnSide() { return *sets_[14]; }
    Table& T_FrnItem() { return *sets_[15]; }
    Table& T_FrnSet() { return *sets_[16]; }
    Table& T_FrnArt() { return *sets_[17]; }
    Table& T_FrnSchl() { return *sets_[18]; }
    Table& T_FrnDop() { return *sets_[19]; }
    Table& T_FrnAbd() { return *sets_[20]; }
    Table& T_FrnProp() { return *sets_[21]; }
    Table& T_FrnItoI() { return *sets_[22]; }
    Table& T_OrderList() { return *sets_[23]; }

    /// A dataset by its name ("T_FrnArt"), its data source ("DS_FrnArt") or its table's name
    /// with or without extension ("FrnArt.DB", "frnart": the first dataset of that table);
    /// nullptr when none.
    Table* FindDataSet(std::string_view name);
    /// The description of a dataset of this module.
    const DataSetInfo& InfoOf(const Table& table) const;
    /// The data source name of a dataset ("DS_FrnArt"; "" for T_SysProf).
    const std::string& DataSourceOf(const Table& table) const { return InfoOf(table).dataSource; }
    /// All datasets in TdmDataSets() order.
    const std::vector<std::unique_ptr<Table>>& DataSets() const { return sets_; }

    /// The connection a dataset's table lives in.
    DbConnection& ConnectionOf(const Table& table);

private:
    int IndexOf(const Table& table) const;
    void LoadRows(Table& table);
    void CloseConnectionSets(DbAlias alias);

    std::vector<std::shared_ptr<TableData>> data_;  // one per table (ParamList shared)
    std::vector<std::unique_ptr<Table>> sets_;
    std::vector<int> dataOf_;                        // dataset -> data_ index
    std::vector<const StoredTableDef*> defOf_;       // data_ index -> definition
    std::vector<bool> loaded_;                       // data_ index -> rows read from the store
};

/// ConfigureDatabases with the catalogue, register and report folders of the run.
void ConfigureDatabases(TDM& dm, const AppPathsRecord& paths);

/// Opens a table or query that belongs to no connection (queries, tables built in memory),
/// reporting a failure with "Ошибка открытия файла [%s]\r\n(%s)"; false on failure.
bool OpenDataSet(Table& table);
/// The closing counterpart, "Ошибка закрытия файла [%s]\r\n(%s)".
bool CloseDataSet(Table& table);

}  // namespace ftf
