#pragma once
// A dataset over a TableData: a current record, an active index, a fixed and a temporary
// filter, marks, and the edit buffer — the operations the program performs on its catalogue,
// register and report tables. Several datasets may share one TableData; each has its own cursor
// and filter, and all see each other's posted edits.
//
// Cursor rules (as the old datasets behaved): First moves to the first record and sets Bof;
// Next past the last record sets Eof and stays on the last one; Prior before the first sets Bof;
// on an empty view both Bof and Eof are true and there is no current record. The usual scan is
//     for (t.First(); !t.Eof(); t.Next()) ...
//
// While a record is edited or inserted, field reads return the edit buffer; moving the cursor,
// locating or changing the filter or order posts the edit first, as the old datasets did.
//
// Shared tables: a routine that sets a filter clears it before it returns, also on error, and
// suspends display updates meanwhile; FilterScope does both.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Filter.h"
#include "catalogue/TableData.h"
#include "catalogue/Value.h"
#include "common/Money.h"

namespace ftf {

/// A remembered record: valid until that row is deleted.
struct Bookmark {
    RowId row = kNoRow;
    bool Valid() const { return row != kNoRow; }
    bool operator==(const Bookmark&) const = default;
};

enum class TableState : std::uint8_t { Inactive, Browse, Edit, Insert };

struct LocateOptions {
    bool caseInsensitive = false;  ///< texts compare without regard to case
    bool partialKey = false;       ///< a text value only has to begin the field's text
};

/// What a dataset tells its views (a grid, a controller).
enum class TableEvent : std::uint8_t {
    Scrolled,      ///< the current record moved
    RecordChanged, ///< a record's values changed, one was inserted or deleted
    StateChanged,  ///< browse / edit / insert / open / closed
    Reset,         ///< filter, index or the whole row set changed: show everything anew
};

class Table {
public:
    /// A dataset named `name` ("T_FrnSet") over `data`. It starts closed.
    Table(std::shared_ptr<TableData> data, std::string name = {});
    virtual ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& Name() const { return name_; }
    TableData& Data() { return *data_; }
    const TableData& Data() const { return *data_; }
    const std::shared_ptr<TableData>& DataPtr() const { return data_; }

    // --- open / close -------------------------------------------------------------------

    /// Opens the dataset on its first record. Reading or moving a closed dataset raises
    /// FtfError "Набор данных [name] закрыт".
    void Open();
    /// Drops a pending edit and the marks; filters and order stay as set for the next Open.
    void Close();
    bool IsOpen() const { return state_ != TableState::Inactive; }

    // --- fields -------------------------------------------------------------------------

    int FieldCount() const { return data_->FieldCount(); }
    const FieldDef& Field(int i) const { return data_->Field(i); }
    /// -1 / nullptr when the dataset holds no such field (name compared without case).
    int FieldIndex(std::string_view name) const { return data_->FindField(name); }
    const FieldDef* FindField(std::string_view name) const;

    /// The current record's value of a field. Throws FtfError "Поле [%s] не найдено в таблице
    /// [%s]" for an unknown name and "Нет текущей записи в таблице [%s]" on an empty view.
    Value Get(int field) const;
    Value Get(std::string_view name) const;
    /// As Get, but no value (not even blank) when the dataset holds no such field.
    std::optional<Value> TryGet(std::string_view name) const;
    std::string AsText(std::string_view name) const { return Get(name).AsText(); }
    std::int64_t AsInt(std::string_view name) const;
    double AsReal(std::string_view name) const;
    Money AsMoney(std::string_view name) const { return Get(name).AsMoney(); }
    bool AsBool(std::string_view name) const { return Get(name).AsBool(); }
    bool IsBlank(std::string_view name) const { return Get(name).IsBlank(); }
    /// Fast readers by field index for loops over many records (stored fields; in browse
    /// state they read the row without a copy).
    std::int64_t IntAt(int field) const;
    double RealAt(int field) const;
    std::string TextAt(int field) const;

    // --- cursor -------------------------------------------------------------------------

    void First();
    void Last();
    void Next();
    void Prior();
    /// Moves by `n` records (negative: back); returns the number actually moved.
    int MoveBy(int n);
    bool Eof() const;
    bool Bof() const;
    /// Records in the current view (fixed and temporary filter applied).
    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    /// 1-based position of the current record in the view; 0 when there is none.
    int RecNo() const;
    /// The current record's row, kNoRow when there is none (or while inserting).
    RowId CurrentRow() const;

    // --- bookmarks and marks ---------------------------------------------------------------

    Bookmark GetBookmark() const { return Bookmark{CurrentRow()}; }
    /// Makes the bookmarked record current; false (cursor unchanged) when it was deleted or
    /// is not in the current view.
    bool GotoBookmark(const Bookmark& b);
    /// True when the bookmarked row still exists and passes the current filters.
    bool BookmarkVisible(const Bookmark& b) const;

    /// Marks or unmarks the current record (the `Selected` check box of the grids).
    void SetMarked(bool on);
    bool IsMarked() const;
    void SetMarked(const Bookmark& b, bool on);
    bool IsMarked(const Bookmark& b) const;
    /// Marked records in the order they were marked (deleted rows drop out).
    std::vector<Bookmark> Marks() const;
    void ClearMarks();

    // --- indexes and order ----------------------------------------------------------------

    /// Switches to a declared index ("" = primary key / natural order); the current record
    /// stays current. Throws FtfError for an unknown name.
    void SetIndexName(std::string_view name);
    const std::string& IndexName() const;
    /// Orders by a field list ("ID;Side"), using a declared index with those leading fields
    /// or making one.
    void SetIndexFieldNames(std::string_view fields);
    /// Orders by one field (a grid's column title). Raises FtfError whose text begins with
    /// "Не могу установить индекс по данному полю" and carries the reason when the field cannot
    /// be ordered by (unknown, memo, blob, lookup, calculated).
    void SortByField(std::string_view name, bool caseInsensitive = true);
    /// The field list of the active order ("ID;CatalogID;Key").
    std::string IndexFieldNames() const;
    /// The active index as a number of the TableData (to put an order back).
    int ActiveIndex() const { return index_; }
    void SetActiveIndex(int index);

    // --- filters --------------------------------------------------------------------------

    /// Sets the filter text; it takes effect while Filtered is on. Compiles at once, so a bad
    /// expression raises FtfError here. Moves to the first record when the view changes.
    void SetFilter(std::string_view text);
    const std::string& Filter() const { return filterText_; }
    void SetFiltered(bool on);
    bool Filtered() const { return filtered_; }
    void SetFilterOptions(const FilterOptions& o);
    const FilterOptions& GetFilterOptions() const { return filterOptions_; }
    /// SetFilter(text) + SetFiltered(true).
    void ApplyFilter(std::string_view text);
    /// Filter off, expression empty.
    void ClearFilter();
    /// The dataset's permanent filter, combined with "and" with the temporary one and never
    /// cleared by ClearFilter ("ID >= 100 and ID <= 199" of the rebate parameter list).
    void SetFixedFilter(std::string_view text);
    const std::string& FixedFilter() const { return fixedText_; }

    // --- locate and find --------------------------------------------------------------------

    /// Makes current the first record of the view (in the active order) whose fields
    /// ("ID" or "ID;Side") equal `values`; false when none (the cursor stays). Throws FtfError
    /// for an unknown field or a value its number, date or logical field cannot hold.
    bool Locate(std::string_view fields, const std::vector<Value>& values, LocateOptions o = {});
    bool Locate(std::string_view field, const Value& value, LocateOptions o = {});
    /// The value of `resultField` of the first record that Locate would find, without moving
    /// the cursor; nullopt when there is none.
    std::optional<Value> Lookup(std::string_view fields, const std::vector<Value>& values,
                                std::string_view resultField) const;
    /// Finds the record whose active index key (its leading fields, as many as values are
    /// given) equals `values`, within the view; false when none (the cursor stays).
    bool FindKey(const std::vector<Value>& values);
    /// Finds the record whose primary key (or a leading part of it) equals `values`, whatever
    /// index is active, within the view; false when none. Throws FtfError when the table has
    /// no primary key.
    bool FindPrimaryKey(const std::vector<Value>& values);

    // --- edits ----------------------------------------------------------------------------

    TableState State() const { return state_; }
    /// Starts editing the current record. Throws FtfError on an empty view.
    void Edit();
    /// Starts a new record (blank fields). Insert and Append differ only in name: the record
    /// takes its place by the index order once posted.
    void Insert();
    void Append();
    /// Sets a field of the edit buffer (converted to the field's type). Setting `Selected`
    /// marks or unmarks the record in any state. Throws FtfError outside Edit/Insert, for an
    /// unknown field or a lookup field, or when the value cannot be converted.
    void Set(std::string_view name, const Value& v);
    void Set(int field, const Value& v);
    /// Writes the edit through the backend and into the rows; the posted record becomes
    /// current (when it passes the filter). On failure throws FtfError and stays in Edit/Insert.
    void Post();
    /// Drops the edit buffer.
    void Cancel();
    /// Deletes the current record through the backend; the next record becomes current.
    void Delete();

    // --- display updates and notifications ----------------------------------------------------

    /// Suspends notifications (nestable); the last EnableControls sends one Reset when anything
    /// happened meanwhile.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disabled_ > 0; }

    using Observer = std::function<void(TableEvent)>;
    int Subscribe(Observer o);
    void Unsubscribe(int id);

protected:
    /// Replaces the rows the dataset shows (queries); the dataset stays open on its first record.
    void ResetData(std::shared_ptr<TableData> data);

private:
    void RequireOpen() const;
    void RequireCurrent() const;
    void EnsureView() const;
    void InvalidateView();
    void RebuildView() const;
    std::size_t ViewSize() const;
    RowId ViewAt(std::size_t p) const;
    void CheckBrowseMode();
    bool FastReadable(int field) const;
    bool RowMatches(RowId r, const std::vector<int>& fields, const std::vector<Value>& values, LocateOptions o) const;
    bool PassesFilters(RowId r) const;
    void SetCurrentRow(RowId r);
    void Emit(TableEvent e);
    void OnData(DataEvent e, RowId r);
    std::vector<int> ResolveFields(std::string_view fields) const;
    RowId FindFirst(const std::vector<int>& fields, const std::vector<Value>& values, LocateOptions o) const;
    std::vector<Value> KeyValues(const std::vector<int>& fields, const std::vector<Value>& values) const;
    int PositionOf(RowId r) const;
    void Attach();
    void Detach();

    std::shared_ptr<TableData> data_;
    std::string name_;
    TableState state_ = TableState::Inactive;
    int index_ = 0;

    std::string filterText_;
    std::string fixedText_;
    bool filtered_ = false;
    FilterOptions filterOptions_;
    std::shared_ptr<const CompiledFilter> filter_;
    std::shared_ptr<const CompiledFilter> fixed_;

    // The view: the rows that pass the filters, in the active order. Without filters it is the
    // index order itself (no copy).
    mutable bool viewValid_ = false;
    mutable std::uint64_t viewVersion_ = 0;
    mutable bool viewIsIndex_ = true;
    mutable std::vector<RowId> view_;
    mutable std::vector<RowId> scratch_;  // candidate rows re-ordered for the view

    // The cursor follows the view when other datasets change the rows, hence mutable.
    mutable RowId current_ = kNoRow;
    mutable int pos_ = -1;  // position of current_ in the view
    mutable bool bof_ = true;
    mutable bool eof_ = true;

    RowValues buffer_;
    RowId editing_ = kNoRow;

    std::vector<RowId> markOrder_;
    std::vector<std::uint8_t> marked_;

    int disabled_ = 0;
    bool pendingReset_ = false;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
    int listenerId_ = 0;
};

/// What a dataset's view is made of: its rows (the table and its version), its fixed and
/// temporary filters with their options, and its order. A cache built from a view stays good
/// while Renew returns false; the check makes no copies, so it can precede every look-up.
class ViewStamp {
public:
    /// True (and the stamp taken anew) when the dataset no longer matches the stamp.
    bool Renew(const Table& t);

private:
    std::weak_ptr<TableData> data_;
    std::uint64_t version_ = 0;
    std::string fixed_;
    bool filtered_ = false;
    std::string filter_;
    FilterOptions options_;
    int index_ = 0;
};

/// Sets a temporary filter on a shared table for one routine and clears it (filter off,
/// expression empty) on every way out; display updates stay suspended meanwhile. The view is on
/// its first record after construction.
class FilterScope {
public:
    FilterScope(Table& table, std::string_view text, const FilterOptions& options = {});
    ~FilterScope();
    FilterScope(const FilterScope&) = delete;
    FilterScope& operator=(const FilterScope&) = delete;

    /// Replaces the filter text (the fallback filter of the article selection).
    void Reset(std::string_view text);

private:
    Table& table_;
    FilterOptions oldOptions_;
};

/// Remembers a dataset's filter, filter state, filter options, order and current record, and
/// puts them back on every way out (the pickers and the register's number check).
class TableStateGuard {
public:
    explicit TableStateGuard(Table& table);
    ~TableStateGuard();
    TableStateGuard(const TableStateGuard&) = delete;
    TableStateGuard& operator=(const TableStateGuard&) = delete;

private:
    Table& table_;
    std::string filter_;
    bool filtered_;
    FilterOptions options_;
    int index_;
    Bookmark current_;
};

}  // namespace ftf
