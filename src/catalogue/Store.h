#pragma once
// The storage of one database folder (catalogue, register or report list) as the data module
// sees it: read a table into memory, empty it, write edits through. The embedded SQLite store
// implements it; a server store for a register shared by several workstations would be a
// second implementation behind the same calls.

#include <memory>
#include <string>
#include <vector>

#include "catalogue/StorageSchema.h"
#include "catalogue/TableBackend.h"

namespace ftf {

class TableData;

class Store {
public:
    virtual ~Store() = default;

    /// The folder the store serves, and where its data actually lives (for messages).
    virtual const std::string& Folder() const = 0;
    virtual const std::string& Location() const = 0;

    /// True when the store holds the table.
    virtual bool HasTable(const StoredTableDef& def) = 0;
    /// Replaces the rows of `data` (its schema is the table's view) with the stored rows, each
    /// with its storage key. Throws FtfError when the table is missing, when its last import
    /// failed (with that reason) or when it cannot be read.
    virtual void ReadTable(const StoredTableDef& def, TableData& data) = 0;
    /// Removes every stored row of the table. Throws FtfError.
    virtual void EmptyTable(const StoredTableDef& def) = 0;
    /// The write-through for the tables of this store (one per store, not owned by callers).
    virtual TableBackend& Backend() = 0;
    /// Remarks of the import that ran when the store was opened: tables imported, columns
    /// skipped, files that could not be read.
    virtual const std::vector<std::string>& Notes() const = 0;
};

}  // namespace ftf
