#pragma once
// The rows of one table, shared by every dataset (Table) that shows it: the four parameter
// lists of the catalogue are four datasets over one TableData. Rows are kept column by column
// (one vector per field) so that a filter reads a field of a row with one index; a row is named
// by its RowId, which stays valid until the row is deleted (bookmarks rely on it).
//
// Indexes are orders of the live rows, built when first needed and kept up to date by edits.
// Text keys compare in the Windows-1251 order (case-sensitive or not, per index); a blank
// number orders and compares as 0 and a blank text as "", which is how the program reads them.

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "catalogue/FieldDef.h"
#include "catalogue/TableBackend.h"
#include "catalogue/Value.h"

namespace ftf {

using RowId = std::uint32_t;
inline constexpr RowId kNoRow = std::numeric_limits<RowId>::max();

class CompiledFilter;
struct FilterOptions;

/// What changed in a TableData, told to the datasets over it.
enum class DataEvent : std::uint8_t {
    RowInserted,
    RowUpdated,
    RowDeleted,
    Reloaded,  ///< all rows replaced (load, clear)
};

/// One field's values for every row slot. Only the vector that suits the type is used:
/// `ints` for the integer types, logicals, dates and money (ten-thousandths), `reals` for Number
/// and Bcd, `texts` for String, Memo and Blob. A blank cell holds 0 or "" and is flagged.
struct Column {
    FieldType type = FieldType::String;
    bool stored = true;  ///< false for lookup and calculated fields (no vectors)
    std::vector<std::int64_t> ints;
    std::vector<double> reals;
    std::vector<std::string> texts;
    std::vector<std::uint8_t> blank;
};

class TableData {
public:
    explicit TableData(TableSchema schema);
    ~TableData();
    TableData(const TableData&) = delete;
    TableData& operator=(const TableData&) = delete;

    const TableSchema& Schema() const { return schema_; }
    const std::string& Name() const { return schema_.name; }
    int FieldCount() const { return static_cast<int>(schema_.fields.size()); }
    const FieldDef& Field(int i) const { return schema_.fields[static_cast<std::size_t>(i)]; }
    /// Field index by name without regard to case; -1 when the table holds no such field.
    int FindField(std::string_view name) const;

    // --- rows -------------------------------------------------------------------------

    /// Number of live rows.
    std::size_t RowCount() const { return liveCount_; }
    /// Number of row slots ever used (live and deleted); RowIds are below it.
    std::size_t SlotCount() const { return alive_.size(); }
    bool IsAlive(RowId r) const { return r < alive_.size() && alive_[r] != 0; }
    /// The storage key the backend gave the row (or the loader set); 0 when none.
    std::int64_t StoreKey(RowId r) const { return storeKeys_[r]; }

    /// Adds a row read from storage: no write-through, no key check. `row` has one value per
    /// field (extra values are ignored, missing ones are blank); values are converted to the
    /// field types, and texts are kept whole even when longer than the field (the store is the
    /// truth; only edits are cut to the field's size). Throws FtfError when a value cannot be
    /// converted (a text that is no number for a number field).
    RowId LoadRow(const RowValues& row, std::int64_t storeKey = 0);
    void Reserve(std::size_t rows);
    /// Removes every row (no write-through); RowIds and bookmarks of the old rows become invalid
    /// and the datasets over the table come to rest on the first of the rows loaded next.
    void ClearRows();

    /// The value of a field of a row; lookup fields are looked up, calculated ones are blank.
    Value GetValue(RowId r, int field) const;
    /// Every field of a row (lookup and calculated fields blank), as the backend receives it.
    RowValues ReadRow(RowId r) const;

    // Fast typed readers of stored fields (no bounds or type checks: callers resolve the field
    // once). Blank cells read 0 / "".
    std::int64_t IntAt(RowId r, int field) const { return columns_[static_cast<std::size_t>(field)].ints[r]; }
    double RealAt(RowId r, int field) const { return columns_[static_cast<std::size_t>(field)].reals[r]; }
    const std::string& TextAt(RowId r, int field) const { return columns_[static_cast<std::size_t>(field)].texts[r]; }
    bool BlankAt(RowId r, int field) const { return columns_[static_cast<std::size_t>(field)].blank[r] != 0; }
    const Column& ColumnAt(int field) const { return columns_[static_cast<std::size_t>(field)]; }

    /// Converts a value to what a field of this table stores; with `cut` a text longer than a
    /// String field is cut to its size, as the old string fields did on assignment. Throws
    /// FtfError naming the field when it cannot.
    Value Coerce(int field, const Value& v, bool cut = true) const;

    // --- edits with write-through -------------------------------------------------------

    /// Inserts a row: blank AutoInc fields are numbered, the primary key is checked, the
    /// backend stores it inside a transaction, then the row joins memory. Throws FtfError and
    /// changes nothing when the key exists or the backend fails.
    RowId InsertRow(const RowValues& row);
    /// Replaces a live row the same way.
    void UpdateRow(RowId r, const RowValues& row);
    /// Deletes a live row through the backend, then from memory.
    void DeleteRow(RowId r);

    /// The backend edits are written through (not owned); nullptr keeps edits in memory only.
    void SetBackend(TableBackend* backend) { backend_ = backend; }
    TableBackend* Backend() const { return backend_; }

    /// Binds the lookup fields whose `lookupTable` equals `tableName` (no case) to `source`
    /// (not owned; it must outlive this table or be unbound with nullptr).
    void BindLookup(std::string_view tableName, const TableData* source);

    /// Increases with every change of the rows; datasets compare it to refresh their views.
    std::uint64_t Version() const { return version_; }

    // --- undo journal (used by WriteTransaction) -------------------------------------------

    /// Starts recording posted edits so that they can be taken back; nests.
    void BeginJournal() { ++journalDepth_; }
    /// Position in the journal, to roll back to.
    std::size_t JournalMark() const { return journal_.size(); }
    /// Takes back, newest first, the edits recorded since `mark` (memory only: the backend has
    /// its own rollback). Deleted rows come back under their old RowId.
    void RollbackJournal(std::size_t mark);
    /// Ends one level of recording; the outermost drops the journal.
    void EndJournal();

    // --- indexes ------------------------------------------------------------------------

    /// Index 0 is the natural order: the primary key, or the order the rows were added in.
    /// The declared secondary indexes follow in schema order; sort and lookup indexes made on
    /// demand come after them.
    int IndexCount() const { return static_cast<int>(indexes_.size()); }
    const IndexDef& IndexDefAt(int i) const { return indexes_[static_cast<std::size_t>(i)].def; }
    const std::vector<int>& IndexFields(int i) const { return indexes_[static_cast<std::size_t>(i)].fields; }
    bool HasPrimaryKey() const { return !schema_.primary.fields.empty(); }
    /// Index by name (no case; "" is index 0); -1 when there is none.
    int FindIndexByName(std::string_view name) const;
    /// A declared index whose leading fields are exactly `fields` in that order (index 0 first);
    /// -1 when none.
    int FindIndexByFields(const std::vector<int>& fields) const;
    /// An index ordered by `fields` (declared or made now). Throws FtfError when a field cannot
    /// be indexed (memo, blob, lookup, calculated).
    /// An index made on demand does not change the rows, so this works on a const table too.
    int EnsureIndex(const std::vector<int>& fields, bool caseInsensitive) const;

    /// Builds every index not built yet: the table's loader calls it once the rows are read, so
    /// that no search pays for a sort of the whole table.
    void BuildIndexes() const;
    /// Live rows in the order of index `i` (built when needed).
    const std::vector<RowId>& IndexOrder(int i) const;
    /// Position of a live row in the order of index `i`.
    std::uint32_t RankIn(int i, RowId r) const;
    /// The positions [first, last) in index `i` whose leading key fields equal `key` (fewer
    /// values than key fields compare a prefix of the key). Texts compare as the index does;
    /// with `partialLast` the last value only has to begin the field's text.
    std::pair<std::size_t, std::size_t> EqualRange(int i, const std::vector<Value>& key,
                                                   bool partialLast = false) const;
    /// The same for the `count` values at `key` (no vector needed for a one-value key).
    std::pair<std::size_t, std::size_t> EqualRange(int i, const Value* key, std::size_t count,
                                                   bool partialLast = false) const;
    /// Compares two live rows by the key of index `i` alone (no tie-breaking).
    int CompareKeys(int i, RowId a, RowId b) const;
    /// Compares a stored field of a row with a value the way keys compare (numbers as numbers,
    /// texts in the Windows-1251 order; `partial`: a text equal so far compares 0 when the value
    /// begins it).
    int CompareValue(RowId r, int field, const Value& v, bool nocase, bool partial) const;
    /// The value lookup field `field` shows for key value `key` (blank when unbound or missing).
    Value LookupFor(int field, const Value& key) const;

    // --- filters ------------------------------------------------------------------------

    /// The compiled form of a filter text, from a cache keyed by text and options (texts repeat
    /// across calls, so each is parsed once). Throws FtfError on a syntax error or unknown field.
    std::shared_ptr<const CompiledFilter> CompileFilter(std::string_view text, const FilterOptions& options) const;
    /// Candidate rows for `filter`, in the order of index `orderIndex`: when the filter pins a
    /// field to a value through "and", only that value's rows of a suitable index; otherwise
    /// every live row. The filter is not evaluated here. `narrowed` tells which case it was.
    std::vector<RowId> Candidates(const CompiledFilter& filter, int orderIndex, bool& narrowed) const;
    /// The same rows without a copy when they are a stretch of index `orderIndex` itself;
    /// otherwise they are put in `scratch`. Valid until the rows or the indexes change.
    std::span<const RowId> CandidateRows(const CompiledFilter& filter, int orderIndex, bool& narrowed,
                                         std::vector<RowId>& scratch) const;

    // --- listeners ----------------------------------------------------------------------

    using Listener = std::function<void(DataEvent, RowId)>;
    int AddListener(Listener l);
    void RemoveListener(int id);

private:
    struct IndexState {
        IndexDef def;
        std::vector<int> fields;
        std::vector<int> tieFields;  // primary key fields that break ties (secondary indexes)
        bool caseInsensitive = false;
        bool made = false;  // made on demand, not declared
        mutable bool built = false;
        mutable std::vector<RowId> order;
        mutable std::vector<std::uint32_t> rank;  // by RowId; valid when built
    };

    void BuildIndex(IndexState& ix) const;
    void InvalidateIndexes();
    void UnindexRow(RowId r);
    void IndexRow(RowId r);
    int CompareRowsIn(const IndexState& ix, RowId a, RowId b) const;
    void CheckUnique(const RowValues& row, RowId self) const;
    void StoreRow(RowId r, const RowValues& row);
    RowId NewSlot();
    void Notify(DataEvent e, RowId r);
    RowValues CoerceRow(const RowValues& row, bool cut) const;
    const TableData* LookupSource(int field) const;

    TableSchema schema_;
    std::vector<Column> columns_;
    std::vector<std::uint8_t> alive_;
    std::vector<std::int64_t> storeKeys_;
    std::size_t liveCount_ = 0;
    std::uint64_t version_ = 0;
    mutable std::deque<IndexState> indexes_;  // deque: made indexes never move the others
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> fieldByUpperName_;
    std::vector<const TableData*> lookupSources_;  // by field
    std::vector<int> lookupKeyField_;              // by field: the key field of this table
    std::vector<int> lookupTargetKey_;             // by field: key field of the source
    std::vector<int> lookupTargetResult_;          // by field: result field of the source
    std::vector<std::int64_t> nextAutoInc_;        // by field
    TableBackend* backend_ = nullptr;
    struct UndoEntry {
        DataEvent kind;  // what was done: RowInserted, RowUpdated or RowDeleted
        RowId row;
        RowValues before;  // the row before an update or delete
        std::int64_t storeKey;
    };
    std::vector<UndoEntry> journal_;
    int journalDepth_ = 0;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
    struct FilterCache;
    std::unique_ptr<FilterCache> filterCache_;
};

}  // namespace ftf
