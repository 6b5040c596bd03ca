#include "catalogue/Tdm.h"

#include <cstdio>
#include <set>

#include "catalogue/SqliteStore.h"
#include "catalogue/Store.h"
#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Prompter.h"
#include "settings/AppPaths.h"

namespace ftf {

namespace {

std::string Fill2(const char* fmt, const std::string& a, const std::string& b) {
    // The messages hold two "%s"; snprintf would cut long error texts, so fill by hand.
    std::string out;
    const std::string* args[2] = {&a, &b};
    int next = 0;
    for (const char* p = fmt; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && next < 2) {
            out += *args[next++];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

constexpr const char* kOpenFailed = "Ошибка открытия файла [%s]\r\n(%s)";
constexpr const char* kCloseFailed = "Ошибка закрытия файла [%s]\r\n(%s)";

// Datasets whose table is opened at start-up: all but the register.
constexpr int kCatalogDataSets = 23;

}  // namespace

const std::vector<DataSetInfo>& TdmDataSets() { return CatalogueDatasets(); }

// --- connections ------------------------------------------------------------------------------

DbConnection::DbConnection(std::string componentName, DbAlias alias)
    : name_(std::move(componentName)), alias_(alias) {}

DbConnection::~DbConnection() = default;

std::string DbConnection::Path() const {
    for (const auto& p : Params)
        if (p.size() >= 5 && SameTextNoCase(p.substr(0, 5), "PATH=")) return p.substr(5);
    return {};
}

void DbConnection::Open() {
    if (store_) return;
    const std::string path = Path();
    if (path.empty()) throw FtfError(std::string("Не задана папка базы данных ") + AliasName());
    store_ = std::make_unique<SqliteStore>(path, alias_);
}

void DbConnection::Close() { store_.reset(); }

// --- the module ---------------------------------------------------------------------------------

TDM::TDM() {
    const auto& infos = TdmDataSets();
    for (const auto& info : infos) {
        const StoredTableDef* def = FindTableDef(info.table);
        int d = -1;
        for (std::size_t k = 0; k < defOf_.size(); ++k)
            if (defOf_[k] == def) d = static_cast<int>(k);
        if (d < 0) {
            d = static_cast<int>(data_.size());
            data_.push_back(std::make_shared<TableData>(def->view));
            defOf_.push_back(def);
            loaded_.push_back(false);
        }
        dataOf_.push_back(d);
        auto t = std::make_unique<Table>(data_[static_cast<std::size_t>(d)], info.dataset);
        if (!info.indexFields.empty()) t->SetIndexFieldNames(info.indexFields);
        if (!info.fixedFilter.empty()) t->SetFixedFilter(info.fixedFilter);
        sets_.push_back(std::move(t));
    }
    // Lookup fields read the rows of the module's own tables.
    for (auto& d : data_)
        for (auto& source : data_) d->BindLookup(source->Name(), source.get());
}

TDM::~TDM() {
    for (auto& t : sets_) t->Close();
    for (auto& d : data_) d->SetBackend(nullptr);
}

int TDM::IndexOf(const Table& table) const {
    for (std::size_t i = 0; i < sets_.size(); ++i)
        if (sets_[i].get() == &table) return static_cast<int>(i);
    return -1;
}

const DataSetInfo& TDM::InfoOf(const Table& table) const {
    int i = IndexOf(table);
    if (i < 0) throw FtfError("Набор данных [" + table.Name() + "] не принадлежит модулю данных");
    return TdmDataSets()[static_cast<std::size_t>(i)];
}

DbConnection& TDM::ConnectionOf(const Table& table) {
    int i = IndexOf(table);
    if (i < 0) throw FtfError("Набор данных [" + table.Name() + "] не принадлежит модулю данных");
    switch (defOf_[static_cast<std::size_t>(dataOf_[static_cast<std::size_t>(i)])]->alias) {
        case DbAlias::Registry: return DB_Registry;
        case DbAlias::Report: return DB_Report;
        default: return DB_Catalog;
    }
}

Table* TDM::FindDataSet(std::string_view name) {
    const auto& infos = TdmDataSets();
    for (std::size_t i = 0; i < infos.size(); ++i)
        if (SameTextNoCase(infos[i].dataset, name) || (!infos[i].dataSource.empty() && SameTextNoCase(infos[i].dataSource, name)))
            return sets_[i].get();
    const StoredTableDef* def = FindTableDef(name);
    if (!def) return nullptr;
    for (std::size_t i = 0; i < infos.size(); ++i)
        if (defOf_[static_cast<std::size_t>(dataOf_[i])] == def) return sets_[i].get();
    return nullptr;
}

void TDM::LoadRows(Table& table) {
    const int d = dataOf_[static_cast<std::size_t>(IndexOf(table))];
    if (loaded_[static_cast<std::size_t>(d)]) return;
    DbConnection& conn = ConnectionOf(table);
    if (!conn.Connected()) throw FtfError(std::string("База данных ") + conn.AliasName() + " не подключена");
    TableData& data = *data_[static_cast<std::size_t>(d)];
    data.SetBackend(nullptr);
    conn.GetStore()->ReadTable(*defOf_[static_cast<std::size_t>(d)], data);
    data.BuildIndexes();
    data.SetBackend(&conn.GetStore()->Backend());
    loaded_[static_cast<std::size_t>(d)] = true;
}

bool TDM::OpenDataSet(Table& table) {
    if (IndexOf(table) < 0) return ftf::OpenDataSet(table);
    try {
        LoadRows(table);
        table.Open();
        return true;
    } catch (const std::exception& e) {
        ShowError(Fill2(kOpenFailed, table.Data().Name(), e.what()));
        return false;
    }
}

bool TDM::CloseDataSet(Table& table) { return ftf::CloseDataSet(table); }

void TDM::EmptyTable(Table& table) {
    const int i = IndexOf(table);
    if (i < 0) throw FtfError("Набор данных [" + table.Name() + "] не принадлежит модулю данных");
    const int d = dataOf_[static_cast<std::size_t>(i)];
    DbConnection& conn = ConnectionOf(table);
    const bool wasOpen = table.IsOpen();
    table.Close();
    try {
        if (!conn.Connected()) throw FtfError(std::string("База данных ") + conn.AliasName() + " не подключена");
        conn.GetStore()->EmptyTable(*defOf_[static_cast<std::size_t>(d)]);
        data_[static_cast<std::size_t>(d)]->ClearRows();
    } catch (...) {
        if (wasOpen) table.Open();
        throw;
    }
    if (wasOpen) table.Open();
}

void TDM::RefreshTable(Table& table) {
    const int i = IndexOf(table);
    if (i < 0) throw FtfError("Набор данных [" + table.Name() + "] не принадлежит модулю данных");
    const int d = dataOf_[static_cast<std::size_t>(i)];
    loaded_[static_cast<std::size_t>(d)] = false;
    LoadRows(table);
    for (std::size_t k = 0; k < sets_.size(); ++k)
        if (dataOf_[k] == d && sets_[k]->IsOpen()) sets_[k]->First();
}

void TDM::CloseConnectionSets(DbAlias alias) {
    for (std::size_t k = 0; k < sets_.size(); ++k) {
        const std::size_t d = static_cast<std::size_t>(dataOf_[k]);
        if (defOf_[d]->alias != alias) continue;
        sets_[k]->Close();
    }
    for (std::size_t d = 0; d < data_.size(); ++d) {
        if (defOf_[d]->alias != alias) continue;
        data_[d]->SetBackend(nullptr);
        data_[d]->ClearRows();
        loaded_[d] = false;
    }
}

void TDM::ConfigureDatabase(DbConnection& conn, const std::string& folder) {
    CloseConnectionSets(conn.Alias());
    conn.Close();
    conn.Params.clear();
    conn.Params.push_back("PATH=" + folder);
    conn.Params.push_back("DEFAULT DRIVER=PARADOX");
    conn.Params.push_back("ENABLE BCD=TRUE");
    conn.Open();
}

void TDM::ConfigureDatabases(const std::string& catalogDir, const std::string& registryDir,
                             const std::string& reportDir) {
    ConfigureDatabase(DB_Catalog, catalogDir);
    ConfigureDatabase(DB_Registry, registryDir);
    ConfigureDatabase(DB_Report, reportDir);
}

int TDM::OpenCatalog() {
    int failed = 0;
    std::set<int> failedData;  // a table shared by several datasets is reported once
    for (int i = 0; i < kCatalogDataSets; ++i) {
        const int d = dataOf_[static_cast<std::size_t>(i)];
        if (failedData.count(d)) {
            ++failed;
            continue;
        }
        if (!OpenDataSet(*sets_[static_cast<std::size_t>(i)])) {
            ++failed;
            failedData.insert(d);
        }
    }
    return failed;
}

void ConfigureDatabases(TDM& dm, const AppPathsRecord& paths) {
    dm.ConfigureDatabases(paths.CatalogDir, paths.RegistryDir, paths.ReportDir);
}

bool OpenDataSet(Table& table) {
    try {
        table.Open();
        return true;
    } catch (const std::exception& e) {
        ShowError(Fill2(kOpenFailed, table.Data().Name(), e.what()));
        return false;
    }
}

bool CloseDataSet(Table& table) {
    try {
        table.Close();
        return true;
    } catch (const std::exception& e) {
        ShowError(Fill2(kCloseFailed, table.Data().Name(), e.what()));
        return false;
    }
}

}  // namespace ftf
