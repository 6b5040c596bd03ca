#pragma once
// The embedded store: one SQLite database ("fentorn.sqlite") per folder, in WAL mode with a
// busy timeout, so a second process may read and write the register meanwhile. Each table of
// the schema is a SQLite table of the same name without extension ("FrnArt"), its columns the
// stored fields (the view's and those only other users read), its row id the storage key.
//
// Opening a catalogue folder imports the supplier's Paradox tables found there whenever a file
// differs (size or modification time) from the one last imported; a register or report folder
// imports its OrderLst.DB / Report.db once, when its store has no such table yet, and otherwise
// starts with an empty one. A catalogue folder that cannot be written keeps its database in
// $XDG_CACHE_HOME/fentorn/catalog/<hash of the folder's path>/.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/Store.h"

struct sqlite3;

namespace ftf {

class SqliteStore final : public Store {
public:
    /// Opens (creating when needed) the store of `folder` for the tables of `alias`, importing
    /// Paradox tables as described above. Throws FtfError when the folder does not exist or the
    /// database cannot be opened; a table that cannot be imported is only noted (and reported
    /// when it is read).
    SqliteStore(const std::string& folder, DbAlias alias);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    const std::string& Folder() const override { return folder_; }
    const std::string& Location() const override { return dbPath_; }
    bool HasTable(const StoredTableDef& def) override;
    void ReadTable(const StoredTableDef& def, TableData& data) override;
    void EmptyTable(const StoredTableDef& def) override;
    TableBackend& Backend() override;
    const std::vector<std::string>& Notes() const override { return notes_; }

    /// Imports the catalogue tables found as Paradox files in `paradoxDir` (names compared
    /// without case). With `onlyChanged`, files equal in size and time to the last import are
    /// left alone. Returns the number of tables imported; failures are noted and remembered per
    /// table (ImportError).
    int ImportParadoxDir(const std::string& paradoxDir, bool onlyChanged);
    /// Imports one Paradox file as table `def`, replacing its rows. Throws FtfError.
    void ImportParadoxFile(const StoredTableDef& def, const std::string& file);
    /// The reason the last import of a table failed ("" when it did not).
    std::string ImportError(const StoredTableDef& def) const;

    /// Runs a file of INSERT statements (UTF-8; `INSERT INTO "FrnArt" ("ID",...) VALUES (...);`)
    /// in one transaction: every catalogue table is created when missing, and each table the
    /// file inserts into is emptied before its first row. Any other kind of statement, an
    /// unknown table or a failing statement rolls everything back and throws FtfError naming
    /// the statement. Returns the number of rows inserted.
    long LoadSqlFile(const std::string& file);

    /// Creates the table (empty) when the store does not hold it yet.
    void CreateTable(const StoredTableDef& def);

    /// The raw connection (benchmarks and tests compare plain SQL with the table store).
    sqlite3* Handle() const { return db_; }

    /// Where the database of a catalogue folder lives when the folder cannot be written.
    static std::string CacheLocationFor(const std::string& folder);

private:
    class Backend_;
    void Exec(const std::string& sql);
    void EnsureColumns(const StoredTableDef& def);
    void CreateTableSql(const StoredTableDef& def);
    void CreateIndexes(const StoredTableDef& def);
    void RecordSource(const StoredTableDef& def, const std::string& file, long long size, long long mtime);
    void OpenImports();

    std::string folder_;
    DbAlias alias_;
    std::string dbPath_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<Backend_> backend_;
    std::vector<std::string> notes_;
    std::map<std::string, std::string> importErrors_;  // by table base name
};

/// The SQL name of a table ("FrnArt") and a quoted identifier ("\"FrnArt\"").
std::string SqlQuote(const std::string& identifier);

}  // namespace ftf
