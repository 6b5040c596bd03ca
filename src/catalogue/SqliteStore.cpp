#include "catalogue/SqliteStore.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unordered_map>

#include "catalogue/ParadoxReader.h"
#include "catalogue/TableData.h"
#include "common/Cp1251.h"
#include "common/Error.h"

namespace fs = std::filesystem;

namespace ftf {

namespace {

constexpr const char* kDbName = "fentorn.sqlite";
constexpr int kBusyTimeoutMs = 10000;

const char* SqlType(FieldType t) {
    switch (t) {
        case FieldType::String:
        case FieldType::Memo: return "TEXT";
        case FieldType::Number:
        case FieldType::Bcd:
        case FieldType::Money: return "REAL";
        case FieldType::Blob: return "BLOB";
        default: return "INTEGER";
    }
}

// RAII for a prepared statement.
struct Stmt {
    sqlite3_stmt* s = nullptr;
    Stmt() = default;
    Stmt(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr) != SQLITE_OK)
            throw FtfError(std::string(sqlite3_errmsg(db)) + "\r\nSQL: " + sql);
    }
    ~Stmt() { sqlite3_finalize(s); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    Stmt(Stmt&& o) noexcept : s(o.s) { o.s = nullptr; }
    Stmt& operator=(Stmt&& o) noexcept {
        if (this != &o) { sqlite3_finalize(s); s = o.s; o.s = nullptr; }
        return *this;
    }
};

// Binds a value as the stored field type keeps it: money as units, dates as day counts.
void Bind(sqlite3_stmt* s, int at, const FieldDef& f, const Value& v) {
    if (v.IsBlank()) {
        sqlite3_bind_null(s, at);
        return;
    }
    switch (v.kind()) {
        case Value::Kind::Text:
            sqlite3_bind_text(s, at, v.RawText().data(), static_cast<int>(v.RawText().size()), SQLITE_TRANSIENT);
            return;
        case Value::Kind::Bytes:
            sqlite3_bind_blob(s, at, v.RawText().data(), static_cast<int>(v.RawText().size()), SQLITE_TRANSIENT);
            return;
        case Value::Kind::Real: sqlite3_bind_double(s, at, v.AsReal()); return;
        case Value::Kind::Money:
            if (f.type == FieldType::Money || IsRealType(f.type))
                sqlite3_bind_double(s, at, static_cast<double>(v.RawInt()) / 10000.0);
            else
                sqlite3_bind_int64(s, at, v.AsInt());
            return;
        default: sqlite3_bind_int64(s, at, v.RawInt()); return;
    }
}

Value ColumnValue(sqlite3_stmt* s, int at) {
    switch (sqlite3_column_type(s, at)) {
        case SQLITE_NULL: return Value();
        case SQLITE_INTEGER: return Value(static_cast<long long>(sqlite3_column_int64(s, at)));
        case SQLITE_FLOAT: return Value(sqlite3_column_double(s, at));
        case SQLITE_BLOB: {
            const void* p = sqlite3_column_blob(s, at);
            int n = sqlite3_column_bytes(s, at);
            return Value::FromBytes(std::string(static_cast<const char*>(p), static_cast<std::size_t>(n)));
        }
        default: {
            const unsigned char* p = sqlite3_column_text(s, at);
            int n = sqlite3_column_bytes(s, at);
            return Value(std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(n)));
        }
    }
}

// Whether the database may live in the folder itself. Asked without writing anything there:
// the supplier's folder may be shared by several users.
bool FolderWritable(const std::string& folder) {
    if (::access(folder.c_str(), W_OK) != 0) return false;
    const std::string db = folder + "/" + kDbName;
    return ::access(db.c_str(), F_OK) != 0 || ::access(db.c_str(), W_OK) == 0;
}

std::string CacheHome() {
    const char* x = std::getenv("XDG_CACHE_HOME");
    if (x && *x) return x;
    const char* h = std::getenv("HOME");
    return std::string(h && *h ? h : "/tmp") + "/.cache";
}

// The files of a folder by upper-cased name, so that "FRNART.DB" finds "FrnArt.db".
std::unordered_map<std::string, std::string> FilesByUpperName(const std::string& folder) {
    std::unordered_map<std::string, std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e2;
        if (!it->is_regular_file(e2)) continue;
        out.emplace(UpperCase(it->path().filename().string()), it->path().string());
    }
    return out;
}

bool FileStamp(const std::string& file, long long& size, long long& mtime) {
    std::error_code ec;
    auto sz = fs::file_size(file, ec);
    if (ec) return false;
    auto t = fs::last_write_time(file, ec);
    if (ec) return false;
    size = static_cast<long long>(sz);
    mtime = static_cast<long long>(t.time_since_epoch().count());
    return true;
}

TableSchema StoredSchema(const StoredTableDef& def) {
    TableSchema s;
    s.name = def.view.name;
    s.fields = def.StoredFields();
    return s;
}

}  // namespace

std::string SqlQuote(const std::string& identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// --- write-through --------------------------------------------------------------------------

class SqliteStore::Backend_ final : public TableBackend {
public:
    explicit Backend_(sqlite3* db) : db_(db) {}

    void BeginTransaction() override {
        if (depth_ == 0) Run("BEGIN IMMEDIATE");
        else Run("SAVEPOINT ftf" + std::to_string(depth_));
        ++depth_;
    }
    void CommitTransaction() override {
        if (depth_ == 0) return;
        // The depth drops only once the commit succeeded: a failed one is rolled back.
        if (depth_ == 1) Run("COMMIT");
        else Run("RELEASE ftf" + std::to_string(depth_ - 1));
        --depth_;
    }
    void RollbackTransaction() override {
        if (depth_ == 0) return;
        --depth_;
        if (depth_ == 0) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        } else {
            std::string sp = "ftf" + std::to_string(depth_);
            sqlite3_exec(db_, ("ROLLBACK TO " + sp + "; RELEASE " + sp).c_str(), nullptr, nullptr, nullptr);
        }
    }

    std::int64_t InsertRow(const TableData& table, const RowValues& row) override {
        const Prepared& p = For(table);
        sqlite3_reset(p.insert.s);
        sqlite3_clear_bindings(p.insert.s);
        BindRow(p.insert.s, table, row, p);
        Step(p.insert.s, table);
        return sqlite3_last_insert_rowid(db_);
    }
    void UpdateRow(const TableData& table, std::int64_t key, const RowValues&, const RowValues& after) override {
        const Prepared& p = For(table);
        sqlite3_reset(p.update.s);
        sqlite3_clear_bindings(p.update.s);
        BindRow(p.update.s, table, after, p);
        sqlite3_bind_int64(p.update.s, static_cast<int>(p.fields.size()) + 1, key);
        Step(p.update.s, table);
        if (sqlite3_changes(db_) == 0)
            throw FtfError("Запись таблицы [" + table.Name() + "] удалена другим пользователем");
    }
    void DeleteRow(const TableData& table, std::int64_t key, const RowValues&) override {
        const Prepared& p = For(table);
        sqlite3_reset(p.remove.s);
        sqlite3_bind_int64(p.remove.s, 1, key);
        Step(p.remove.s, table);
    }

    void Forget() { prepared_.clear(); }

private:
    struct Prepared {
        std::vector<int> fields;  // view field indexes that are stored
        Stmt insert, update, remove;
    };

    const Prepared& For(const TableData& table) {
        auto it = prepared_.find(table.Name());
        if (it != prepared_.end()) return it->second;
        const StoredTableDef* def = FindTableDef(table.Name());
        if (!def) throw FtfError("Таблица [" + table.Name() + "] не хранится в базе данных");
        Prepared p;
        std::string cols, marks, sets;
        for (int i = 0; i < table.FieldCount(); ++i) {
            if (table.Field(i).kind != FieldKind::Data) continue;
            p.fields.push_back(i);
            if (!cols.empty()) { cols += ","; marks += ","; sets += ","; }
            cols += SqlQuote(table.Field(i).name);
            marks += "?";
            sets += SqlQuote(table.Field(i).name) + "=?";
        }
        const std::string t = SqlQuote(def->BaseName());
        p.insert = Stmt(db_, "INSERT INTO " + t + " (" + cols + ") VALUES (" + marks + ")");
        p.update = Stmt(db_, "UPDATE " + t + " SET " + sets + " WHERE rowid=?");
        p.remove = Stmt(db_, "DELETE FROM " + t + " WHERE rowid=?");
        return prepared_.emplace(table.Name(), std::move(p)).first->second;
    }
    void BindRow(sqlite3_stmt* s, const TableData& table, const RowValues& row, const Prepared& p) {
        int at = 1;
        for (int f : p.fields) {
            const Value& v = static_cast<std::size_t>(f) < row.size() ? row[static_cast<std::size_t>(f)] : Value();
            Bind(s, at++, table.Field(f), v);
        }
    }
    void Step(sqlite3_stmt* s, const TableData& table) {
        int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE)
            throw FtfError("Ошибка записи в таблицу [" + table.Name() + "]\r\n(" + sqlite3_errmsg(db_) + ")");
    }
    void Run(const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string msg = err ? err : "?";
            sqlite3_free(err);
            throw FtfError("Ошибка транзакции базы данных\r\n(" + msg + ")");
        }
    }

    sqlite3* db_;
    int depth_ = 0;
    std::unordered_map<std::string, Prepared> prepared_;
};

// --- the store ------------------------------------------------------------------------------

std::string SqliteStore::CacheLocationFor(const std::string& folder) {
    std::error_code ec;
    std::string key = fs::weakly_canonical(folder, ec).string();
    if (ec || key.empty()) key = folder;
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : key) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return CacheHome() + "/fentorn/catalog/" + hex;
}

SqliteStore::SqliteStore(const std::string& folder, DbAlias alias) : folder_(folder), alias_(alias) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec))
        throw FtfError("Папка базы данных " + std::string(AliasName(alias)) + " не найдена: " + folder);
    std::string dir = folder;
    if (alias == DbAlias::Catalog && !FolderWritable(folder)) {
        dir = CacheLocationFor(folder);
        fs::create_directories(dir, ec);
        if (ec) throw FtfError("Не удалось создать папку " + dir + "\r\n(" + ec.message() + ")");
    }
    dbPath_ = dir + "/" + kDbName;
    if (sqlite3_open_v2(dbPath_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : "нет памяти";
        sqlite3_close(db_);
        db_ = nullptr;
        throw FtfError("Не удалось открыть базу данных " + dbPath_ + "\r\n(" + msg + ")");
    }
    try {
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        Exec("PRAGMA journal_mode=WAL");
        Exec("PRAGMA synchronous=NORMAL");
        Exec("CREATE TABLE IF NOT EXISTS ftf_source (tbl TEXT PRIMARY KEY, file TEXT, size INTEGER, mtime INTEGER)");
        for (const auto& def : AllTableDefs())
            if (def.alias == alias_ && HasTable(def)) EnsureColumns(def);
        backend_ = std::make_unique<Backend_>(db_);
        OpenImports();
    } catch (...) {
        backend_.reset();
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

SqliteStore::~SqliteStore() {
    backend_.reset();
    if (db_) sqlite3_close_v2(db_);
}

void SqliteStore::Exec(const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : sqlite3_errmsg(db_);
        sqlite3_free(err);
        throw FtfError("Ошибка базы данных " + dbPath_ + "\r\n(" + msg + ")");
    }
}

bool SqliteStore::HasTable(const StoredTableDef& def) {
    Stmt s(db_, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
    const std::string n = def.BaseName();
    sqlite3_bind_text(s.s, 1, n.c_str(), -1, SQLITE_TRANSIENT);
    return sqlite3_step(s.s) == SQLITE_ROW;
}

void SqliteStore::CreateTableSql(const StoredTableDef& def) {
    std::string sql = "CREATE TABLE " + SqlQuote(def.BaseName()) + " (";
    bool first = true;
    for (const auto& f : def.StoredFields()) {
        if (!first) sql += ", ";
        first = false;
        sql += SqlQuote(f.name) + " " + SqlType(f.type);
    }
    Exec(sql + ")");
}

void SqliteStore::CreateIndexes(const StoredTableDef& def) {
    const std::string base = def.BaseName();
    auto make = [&](const std::string& name, const IndexDef& ix, bool unique) {
        std::string cols;
        for (const auto& f : SplitFieldList(ix.fields)) {
            if (!cols.empty()) cols += ",";
            cols += SqlQuote(f);
            const FieldDef* fd = nullptr;
            int k = def.view.FindField(f);
            if (k >= 0) fd = &def.view.fields[static_cast<std::size_t>(k)];
            if (ix.caseInsensitive && fd && IsTextType(fd->type)) cols += " COLLATE NOCASE";
        }
        Exec(std::string("CREATE ") + (unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
             SqlQuote(base + "_" + name) + " ON " + SqlQuote(base) + " (" + cols + ")");
    };
    // The register's number is unique across processes; the supplier's keys are kept as
    // shipped, so the catalogue's primary keys are plain indexes here.
    if (!def.view.primary.fields.empty()) make("pk", def.view.primary, def.alias == DbAlias::Registry);
    for (const auto& ix : def.view.indexes) make(ix.name, ix, false);
}

void SqliteStore::CreateTable(const StoredTableDef& def) {
    if (HasTable(def)) return;
    CreateTableSql(def);
    CreateIndexes(def);
}

void SqliteStore::EnsureColumns(const StoredTableDef& def) {
    std::set<std::string> have;
    {
        Stmt s(db_, "PRAGMA table_info(" + SqlQuote(def.BaseName()) + ")");
        while (sqlite3_step(s.s) == SQLITE_ROW)
            have.insert(UpperCase(reinterpret_cast<const char*>(sqlite3_column_text(s.s, 1))));
    }
    for (const auto& f : def.StoredFields())
        if (!have.count(UpperCase(f.name)))
            Exec("ALTER TABLE " + SqlQuote(def.BaseName()) + " ADD COLUMN " + SqlQuote(f.name) + " " + SqlType(f.type));
}

void SqliteStore::RecordSource(const StoredTableDef& def, const std::string& file, long long size, long long mtime) {
    Stmt s(db_, "INSERT OR REPLACE INTO ftf_source (tbl, file, size, mtime) VALUES (?,?,?,?)");
    const std::string n = def.BaseName();
    sqlite3_bind_text(s.s, 1, n.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(s.s, 2, file.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(s.s, 3, size);
    sqlite3_bind_int64(s.s, 4, mtime);
    if (sqlite3_step(s.s) != SQLITE_DONE) throw FtfError(sqlite3_errmsg(db_));
}

void SqliteStore::ImportParadoxFile(const StoredTableDef& def, const std::string& file) {
    ParadoxTable px = ReadParadoxTable(file);
    long long size = 0, mtime = 0;
    FileStamp(file, size, mtime);

    // Where each stored column comes from in the file (-1: not there, stays blank).
    const std::vector<FieldDef> stored = def.StoredFields();
    std::vector<int> from(stored.size(), -1);
    for (std::size_t c = 0; c < stored.size(); ++c)
        for (std::size_t k = 0; k < px.fields.size(); ++k)
            if (SameFieldName(px.fields[k].name, stored[c].name)) { from[c] = static_cast<int>(k); break; }
    const std::string tname = def.view.name;
    for (const auto& n : px.notes) notes_.push_back(tname + ": " + n);

    TableData converter(StoredSchema(def));  // converts the file's values to the field types
    Backend_& tx = *backend_;
    BackendTransaction guard(&tx);
    Exec("DROP TABLE IF EXISTS " + SqlQuote(def.BaseName()));
    CreateTableSql(def);
    std::string cols, marks;
    for (const auto& f : stored) {
        if (!cols.empty()) { cols += ","; marks += ","; }
        cols += SqlQuote(f.name);
        marks += "?";
    }
    Stmt ins(db_, "INSERT INTO " + SqlQuote(def.BaseName()) + " (" + cols + ") VALUES (" + marks + ")");
    std::size_t rowNo = 0;
    for (const auto& row : px.rows) {
        ++rowNo;
        sqlite3_reset(ins.s);
        for (std::size_t c = 0; c < stored.size(); ++c) {
            Value v;
            if (from[c] >= 0) {
                try {
                    v = converter.Coerce(static_cast<int>(c), row[static_cast<std::size_t>(from[c])], false);
                } catch (const FtfError& e) {
                    throw FtfError(std::string(e.what()) + " (запись " + std::to_string(rowNo) + ")");
                }
            }
            Bind(ins.s, static_cast<int>(c) + 1, stored[c], v);
        }
        if (sqlite3_step(ins.s) != SQLITE_DONE) throw FtfError(sqlite3_errmsg(db_));
    }
    CreateIndexes(def);
    RecordSource(def, file, size, mtime);
    guard.Commit();
    importErrors_.erase(def.BaseName());
    backend_->Forget();
    notes_.push_back(tname + ": импортировано записей " + std::to_string(px.rows.size()) + " из " + file);
}

int SqliteStore::ImportParadoxDir(const std::string& paradoxDir, bool onlyChanged) {
    const auto files = FilesByUpperName(paradoxDir);
    int imported = 0;
    for (const auto& def : AllTableDefs()) {
        if (def.alias != alias_) continue;
        auto it = files.find(UpperCase(def.view.name));
        if (it == files.end()) continue;
        const std::string& file = it->second;
        if (onlyChanged) {
            long long size = -1, mtime = -1;
            FileStamp(file, size, mtime);
            Stmt s(db_, "SELECT file, size, mtime FROM ftf_source WHERE tbl=?");
            const std::string n = def.BaseName();
            sqlite3_bind_text(s.s, 1, n.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(s.s) == SQLITE_ROW && HasTable(def) &&
                reinterpret_cast<const char*>(sqlite3_column_text(s.s, 0)) == file &&
                sqlite3_column_int64(s.s, 1) == size && sqlite3_column_int64(s.s, 2) == mtime)
                continue;
        }
        try {
            ImportParadoxFile(def, file);
            ++imported;
        } catch (const std::exception& e) {
            importErrors_[def.BaseName()] = e.what();
            notes_.push_back(def.view.name + ": " + e.what());
        }
    }
    return imported;
}

void SqliteStore::OpenImports() {
    if (alias_ == DbAlias::Catalog) {
        ImportParadoxDir(folder_, true);
        return;
    }
    // The register and the report list: the Paradox table is taken over once, when the
    // store does not hold the table yet; without one the table starts empty.
    const auto files = FilesByUpperName(folder_);
    for (const auto& def : AllTableDefs()) {
        if (def.alias != alias_ || HasTable(def)) continue;
        auto it = files.find(UpperCase(def.view.name));
        if (it != files.end()) {
            try {
                ImportParadoxFile(def, it->second);
                continue;
            } catch (const std::exception& e) {
                importErrors_[def.BaseName()] = e.what();
                notes_.push_back(def.view.name + ": " + e.what());
                continue;  // tried again at the next opening; the table stays missing
            }
        }
        CreateTable(def);
    }
}

std::string SqliteStore::ImportError(const StoredTableDef& def) const {
    auto it = importErrors_.find(def.BaseName());
    return it == importErrors_.end() ? std::string() : it->second;
}

void SqliteStore::ReadTable(const StoredTableDef& def, TableData& data) {
    std::string err = ImportError(def);
    if (!err.empty()) throw FtfError(err);
    if (!HasTable(def))
        throw FtfError("Таблица " + def.view.name + " не найдена в папке " + folder_);
    // The view's stored fields, in view order.
    std::vector<int> viewField;
    std::string cols = "rowid";
    for (int i = 0; i < data.FieldCount(); ++i) {
        if (data.Field(i).kind != FieldKind::Data) continue;
        viewField.push_back(i);
        cols += "," + SqlQuote(data.Field(i).name);
    }
    Stmt s(db_, "SELECT " + cols + " FROM " + SqlQuote(def.BaseName()) + " ORDER BY rowid");
    data.ClearRows();
    RowValues row(static_cast<std::size_t>(data.FieldCount()));
    int rc;
    while ((rc = sqlite3_step(s.s)) == SQLITE_ROW) {
        for (std::size_t k = 0; k < viewField.size(); ++k)
            row[static_cast<std::size_t>(viewField[k])] = ColumnValue(s.s, static_cast<int>(k) + 1);
        data.LoadRow(row, sqlite3_column_int64(s.s, 0));
    }
    if (rc != SQLITE_DONE) {
        std::string msg = sqlite3_errmsg(db_);
        data.ClearRows();
        throw FtfError("Ошибка чтения таблицы " + def.view.name + "\r\n(" + msg + ")");
    }
}

void SqliteStore::EmptyTable(const StoredTableDef& def) {
    if (!HasTable(def)) throw FtfError("Таблица " + def.view.name + " не найдена в папке " + folder_);
    BackendTransaction tx(backend_.get());
    Exec("DELETE FROM " + SqlQuote(def.BaseName()));
    tx.Commit();
}

TableBackend& SqliteStore::Backend() { return *backend_; }

long SqliteStore::LoadSqlFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FtfError("Файл не найден: " + file);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string text = ss.str();

    BackendTransaction tx(backend_.get());
    for (const auto& def : AllTableDefs())
        if (def.alias == DbAlias::Catalog) CreateTable(def);
    backend_->Forget();
    std::set<std::string> emptied;
    long rows = 0;
    int number = 0;
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end) {
        sqlite3_stmt* raw = nullptr;
        const char* tail = nullptr;
        const char* start = p;
        // The table name is read before preparing, so that the table can be emptied first.
        std::string head;
        {
            const char* q = p;
            while (q < end && (std::isspace(static_cast<unsigned char>(*q)) || *q == ';')) ++q;
            if (q >= end) break;
            if (q + 1 < end && q[0] == '-' && q[1] == '-') {  // a comment line
                while (q < end && *q != '\n') ++q;
                p = q;
                continue;
            }
            std::string up;
            for (const char* r = q; r < end && up.size() < 12; ++r) up += static_cast<char>(std::toupper(static_cast<unsigned char>(*r)));
            ++number;
            if (up.rfind("INSERT INTO", 0) != 0)
                throw FtfError("Оператор " + std::to_string(number) + " файла " + file + " не является INSERT INTO");
            const char* r = q + 11;
            while (r < end && std::isspace(static_cast<unsigned char>(*r))) ++r;
            std::string name;
            if (r < end && (*r == '"' || *r == '[' || *r == '`')) {
                char close = *r == '[' ? ']' : *r;
                ++r;
                while (r < end && *r != close) name += *r++;
            } else {
                while (r < end && (std::isalnum(static_cast<unsigned char>(*r)) || *r == '_' || *r == '.')) name += *r++;
            }
            const StoredTableDef* def = FindTableDef(name);
            if (!def || def->alias != DbAlias::Catalog)
                throw FtfError("Оператор " + std::to_string(number) + " файла " + file + ": неизвестная таблица каталога «" + name + "»");
            if (emptied.insert(def->BaseName()).second) Exec("DELETE FROM " + SqlQuote(def->BaseName()));
            head = def->BaseName();
            start = q;
        }
        if (sqlite3_prepare_v2(db_, start, static_cast<int>(end - start), &raw, &tail) != SQLITE_OK)
            throw FtfError("Оператор " + std::to_string(number) + " файла " + file + ": " + sqlite3_errmsg(db_));
        Stmt s;
        s.s = raw;
        p = tail ? tail : end;
        if (!raw) break;
        int rc = sqlite3_step(raw);
        if (rc != SQLITE_DONE)
            throw FtfError("Оператор " + std::to_string(number) + " файла " + file + " (" + head + "): " + sqlite3_errmsg(db_));
        rows += sqlite3_changes(db_);
    }
    for (const auto& t : emptied) RecordSource(*FindTableDef(t), "sql:" + file, -1, -1);
    tx.Commit();
    return rows;
}

}  // namespace ftf
