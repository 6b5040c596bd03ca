#pragma once
// The storage under an in-memory table. Every edit posted on a table is written through its
// backend first, inside a transaction, and reaches the rows in memory only when the backend
// accepted it; a failing write leaves the memory as it was. The embedded store (SQLite) and a
// future server store implement this; tables nobody writes back (queries, tests) use none.

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "catalogue/Value.h"

namespace ftf {

class TableData;

/// A row as the backend sees it: one value per field of the table's schema, in schema order;
/// lookup and calculated fields are always blank.
using RowValues = std::vector<Value>;

class TableBackend {
public:
    virtual ~TableBackend() = default;

    /// Transactions nest: only the outermost Commit makes the writes durable, and a Rollback
    /// at any depth undoes the writes made since the matching Begin (savepoints).
    virtual void BeginTransaction() = 0;
    virtual void CommitTransaction() = 0;
    virtual void RollbackTransaction() = 0;

    /// Stores a new row and returns its storage key, by which later updates and deletes name
    /// it. Throws FtfError with a message for the user when the row cannot be stored.
    virtual std::int64_t InsertRow(const TableData& table, const RowValues& row) = 0;
    /// Replaces the stored row `key`; `before` is the row as it was read (for stores that
    /// address rows by their primary key).
    virtual void UpdateRow(const TableData& table, std::int64_t key, const RowValues& before,
                           const RowValues& after) = 0;
    virtual void DeleteRow(const TableData& table, std::int64_t key, const RowValues& before) = 0;
};

/// A backend that stores nothing: it accepts every write and hands out increasing keys. The
/// transaction depth is tracked so that unbalanced calls show up in tests.
class NullBackend final : public TableBackend {
public:
    void BeginTransaction() override { ++depth_; }
    void CommitTransaction() override { if (depth_ > 0) --depth_; }
    void RollbackTransaction() override { if (depth_ > 0) --depth_; }
    std::int64_t InsertRow(const TableData&, const RowValues&) override { return ++lastKey_; }
    void UpdateRow(const TableData&, std::int64_t, const RowValues&, const RowValues&) override {}
    void DeleteRow(const TableData&, std::int64_t, const RowValues&) override {}

    int Depth() const { return depth_; }

private:
    int depth_ = 0;
    std::int64_t lastKey_ = 0;
};

/// A write transaction over a backend that rolls back unless committed: the scoped form for
/// several edits that must land together. A null backend makes it do nothing.
class BackendTransaction {
public:
    explicit BackendTransaction(TableBackend* backend);
    ~BackendTransaction();
    BackendTransaction(const BackendTransaction&) = delete;
    BackendTransaction& operator=(const BackendTransaction&) = delete;

    void Commit();
    void Rollback();

private:
    TableBackend* backend_;
    bool open_ = false;
};

/// Edits on one or more tables that land together or not at all: one backend transaction
/// around them, and unless Commit is called the backend rolls back and the rows in memory are
/// put back as they were (the register's duplicate check and insert run in one of these).
class WriteTransaction {
public:
    WriteTransaction(TableBackend* backend, std::vector<TableData*> tables);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    /// Makes the edits durable. When the backend's commit fails it throws, and the destructor
    /// still takes the edits back.
    void Commit();
    void Rollback();

private:
    void Finish(bool undo);

    BackendTransaction tx_;
    std::vector<std::pair<TableData*, std::size_t>> tables_;  // with their journal marks
    bool open_ = true;
};

}  // namespace ftf
