#include "catalogue/Table.h"

#include <algorithm>

#include "catalogue/TextOrder.h"
#include "common/Error.h"

namespace ftf {

namespace {

std::string Br(std::string_view s) { return "[" + std::string(s) + "]"; }

bool IsSelectedMarker(const FieldDef& f) {
    return f.kind == FieldKind::Calculated && SameFieldName(f.name, "Selected");
}

}  // namespace

Table::Table(std::shared_ptr<TableData> data, std::string name) : data_(std::move(data)), name_(std::move(name)) {
    if (name_.empty()) name_ = data_->Name();
    Attach();
}

Table::~Table() { Detach(); }

void Table::Attach() {
    listenerId_ = data_->AddListener([this](DataEvent e, RowId r) { OnData(e, r); });
}

void Table::Detach() {
    if (listenerId_) data_->RemoveListener(listenerId_);
    listenerId_ = 0;
}

void Table::OnData(DataEvent e, RowId r) {
    viewValid_ = false;
    if (e == DataEvent::Reloaded) {
        markOrder_.clear();
        marked_.clear();
        current_ = kNoRow;
        pos_ = -1;
        Emit(TableEvent::Reset);
        return;
    }
    if (e == DataEvent::RowDeleted && r < marked_.size() && marked_[r]) {
        marked_[r] = 0;
        markOrder_.erase(std::remove(markOrder_.begin(), markOrder_.end(), r), markOrder_.end());
    }
    Emit(TableEvent::RecordChanged);
}

// --- open / close ------------------------------------------------------------------------------

void Table::Open() {
    if (IsOpen()) return;
    state_ = TableState::Browse;
    InvalidateView();
    First();
    Emit(TableEvent::StateChanged);
}

void Table::Close() {
    if (!IsOpen()) return;
    buffer_.clear();
    editing_ = kNoRow;
    state_ = TableState::Inactive;
    current_ = kNoRow;
    pos_ = -1;
    bof_ = eof_ = true;
    markOrder_.clear();
    marked_.clear();
    Emit(TableEvent::StateChanged);
}

void Table::RequireOpen() const {
    if (!IsOpen()) throw FtfError("Набор данных " + Br(name_) + " закрыт");
}

void Table::RequireCurrent() const {
    RequireOpen();
    EnsureView();
    if (current_ == kNoRow || !data_->IsAlive(current_))
        throw FtfError("Нет текущей записи в таблице " + Br(name_));
}

void Table::ResetData(std::shared_ptr<TableData> data) {
    Detach();
    data_ = std::move(data);
    Attach();
    index_ = 0;
    filterText_.clear();
    filter_.reset();
    filtered_ = false;
    fixedText_.clear();
    fixed_.reset();
    buffer_.clear();
    editing_ = kNoRow;
    markOrder_.clear();
    marked_.clear();
    current_ = kNoRow;
    state_ = TableState::Browse;
    InvalidateView();
    First();
    Emit(TableEvent::Reset);
}

// --- view --------------------------------------------------------------------------------------

void Table::InvalidateView() { viewValid_ = false; }

void Table::EnsureView() const {
    if (!viewValid_ || viewVersion_ != data_->Version()) RebuildView();
}

bool Table::PassesFilters(RowId r) const {
    if (fixed_ && !fixed_->Matches(*data_, r)) return false;
    if (filtered_ && filter_ && !filter_->Matches(*data_, r)) return false;
    return true;
}

void Table::RebuildView() const {
    const CompiledFilter* temp = filtered_ && filter_ && !filter_->AcceptsAll() ? filter_.get() : nullptr;
    const CompiledFilter* fixed = fixed_ && !fixed_->AcceptsAll() ? fixed_.get() : nullptr;
    view_.clear();
    if (!temp && !fixed) {
        viewIsIndex_ = true;
    } else {
        viewIsIndex_ = false;
        // Scan only the key range of a pinned field when either filter pins one.
        const CompiledFilter* narrowing = temp && !temp->Pins().empty() ? temp
                                        : fixed && !fixed->Pins().empty() ? fixed : nullptr;
        auto take = [&](RowId r) {
            if ((!fixed || fixed->Matches(*data_, r)) && (!temp || temp->Matches(*data_, r))) view_.push_back(r);
        };
        if (narrowing) {
            bool narrowed = false;
            for (RowId r : data_->CandidateRows(*narrowing, index_, narrowed, scratch_)) take(r);
        } else {
            for (RowId r : data_->IndexOrder(index_)) take(r);
        }
    }
    viewValid_ = true;
    viewVersion_ = data_->Version();

    // Keep the current record; when it left the view, the record now at its place follows, and
    // a dataset that had none (empty, or its rows reloaded) comes to rest on the first one.
    const std::size_t n = ViewSize();
    int p = current_ != kNoRow && data_->IsAlive(current_) ? PositionOf(current_) : -1;
    if (p < 0 && IsOpen() && n > 0) {
        const bool hadRow = current_ != kNoRow;
        p = hadRow ? std::clamp(pos_, 0, static_cast<int>(n) - 1) : 0;
        current_ = ViewAt(static_cast<std::size_t>(p));
        if (!hadRow) {
            bof_ = true;
            eof_ = false;
        }
    }
    if (p < 0) {
        current_ = kNoRow;
        pos_ = -1;
        bof_ = eof_ = true;
    } else {
        pos_ = p;
    }
}

std::size_t Table::ViewSize() const { return viewIsIndex_ ? data_->IndexOrder(index_).size() : view_.size(); }

RowId Table::ViewAt(std::size_t p) const { return viewIsIndex_ ? data_->IndexOrder(index_)[p] : view_[p]; }

int Table::PositionOf(RowId r) const {
    if (!data_->IsAlive(r)) return -1;
    if (viewIsIndex_) return static_cast<int>(data_->RankIn(index_, r));
    // The view is in the order of the active index: search by rank.
    const std::uint32_t rank = data_->RankIn(index_, r);
    auto it = std::lower_bound(view_.begin(), view_.end(), rank,
                               [&](RowId a, std::uint32_t k) { return data_->RankIn(index_, a) < k; });
    if (it == view_.end() || *it != r) return -1;
    return static_cast<int>(it - view_.begin());
}

// --- fields ------------------------------------------------------------------------------------

const FieldDef* Table::FindField(std::string_view name) const {
    const int f = data_->FindField(name);
    return f < 0 ? nullptr : &data_->Field(f);
}

Value Table::Get(int field) const {
    RequireOpen();
    if (field < 0 || field >= FieldCount()) throw FtfError("Нет поля с номером " + std::to_string(field) + " в таблице " + Br(name_));
    const FieldDef& f = Field(field);
    if (IsSelectedMarker(f)) return Value::FromBool(IsMarked());
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        if (f.kind == FieldKind::Data) return buffer_[static_cast<std::size_t>(field)];
        if (f.kind == FieldKind::Lookup) {
            const int key = data_->FindField(f.keyField);
            return data_->LookupFor(field, buffer_[static_cast<std::size_t>(key)]);
        }
        return Value();
    }
    RequireCurrent();
    return data_->GetValue(current_, field);
}

Value Table::Get(std::string_view name) const {
    const int f = data_->FindField(name);
    if (f < 0) throw FtfError("Поле " + Br(name) + " не найдено в таблице " + Br(name_));
    return Get(f);
}

std::optional<Value> Table::TryGet(std::string_view name) const {
    const int f = data_->FindField(name);
    if (f < 0) return std::nullopt;
    return Get(f);
}

std::int64_t Table::AsInt(std::string_view name) const { return Get(name).AsInt(); }
double Table::AsReal(std::string_view name) const { return Get(name).AsReal(); }

bool Table::FastReadable(int field) const {
    return state_ == TableState::Browse && field >= 0 && field < FieldCount() && current_ != kNoRow &&
           viewValid_ && viewVersion_ == data_->Version() && data_->ColumnAt(field).stored;
}

std::int64_t Table::IntAt(int field) const {
    if (FastReadable(field) && IsIntegerType(Field(field).type)) return data_->IntAt(current_, field);
    return Get(field).AsInt();
}

double Table::RealAt(int field) const {
    if (FastReadable(field) && IsRealType(Field(field).type)) return data_->RealAt(current_, field);
    return Get(field).AsReal();
}

std::string Table::TextAt(int field) const {
    if (FastReadable(field) && IsTextType(Field(field).type)) return data_->TextAt(current_, field);
    return Get(field).AsText();
}

// --- cursor ------------------------------------------------------------------------------------

void Table::CheckBrowseMode() {
    if (state_ == TableState::Edit || state_ == TableState::Insert) Post();
}

void Table::First() {
    RequireOpen();
    CheckBrowseMode();
    EnsureView();
    if (ViewSize() == 0) {
        current_ = kNoRow;
        pos_ = -1;
        bof_ = eof_ = true;
    } else {
        pos_ = 0;
        current_ = ViewAt(0);
        bof_ = true;
        eof_ = false;
    }
    Emit(TableEvent::Scrolled);
}

void Table::Last() {
    RequireOpen();
    CheckBrowseMode();
    EnsureView();
    const std::size_t n = ViewSize();
    if (n == 0) {
        current_ = kNoRow;
        pos_ = -1;
        bof_ = eof_ = true;
    } else {
        pos_ = static_cast<int>(n) - 1;
        current_ = ViewAt(n - 1);
        bof_ = false;
        eof_ = true;
    }
    Emit(TableEvent::Scrolled);
}

void Table::Next() { MoveBy(1); }
void Table::Prior() { MoveBy(-1); }

int Table::MoveBy(int n) {
    RequireOpen();
    CheckBrowseMode();
    EnsureView();
    const int size = static_cast<int>(ViewSize());
    if (size == 0 || current_ == kNoRow) {
        bof_ = eof_ = true;
        return 0;
    }
    int moved = 0;
    if (n > 0) {
        const int target = std::min(pos_ + n, size - 1);
        moved = target - pos_;
        pos_ = target;
        bof_ = false;
        eof_ = moved < n;
    } else if (n < 0) {
        const int target = std::max(pos_ + n, 0);
        moved = target - pos_;
        pos_ = target;
        eof_ = false;
        bof_ = moved > n;
    }
    current_ = ViewAt(static_cast<std::size_t>(pos_));
    if (moved != 0) Emit(TableEvent::Scrolled);
    return moved;
}

bool Table::Eof() const {
    if (!IsOpen()) return true;
    EnsureView();
    return eof_ || current_ == kNoRow;
}

bool Table::Bof() const {
    if (!IsOpen()) return true;
    EnsureView();
    return bof_ || current_ == kNoRow;
}

int Table::RecordCount() const {
    RequireOpen();
    EnsureView();
    return static_cast<int>(ViewSize());
}

int Table::RecNo() const {
    if (!IsOpen()) return 0;
    EnsureView();
    return current_ == kNoRow ? 0 : pos_ + 1;
}

RowId Table::CurrentRow() const {
    if (!IsOpen() || state_ == TableState::Insert) return kNoRow;
    EnsureView();
    return current_;
}

void Table::SetCurrentRow(RowId r) {
    current_ = r;
    pos_ = PositionOf(r);
    bof_ = eof_ = false;
    Emit(TableEvent::Scrolled);
}

// --- bookmarks and marks -----------------------------------------------------------------------

bool Table::BookmarkVisible(const Bookmark& b) const {
    if (!IsOpen() || !b.Valid() || !data_->IsAlive(b.row)) return false;
    EnsureView();
    return PositionOf(b.row) >= 0;
}

bool Table::GotoBookmark(const Bookmark& b) {
    RequireOpen();
    CheckBrowseMode();
    if (!BookmarkVisible(b)) return false;
    SetCurrentRow(b.row);
    return true;
}

void Table::SetMarked(const Bookmark& b, bool on) {
    if (!b.Valid() || !data_->IsAlive(b.row)) return;
    if (marked_.size() <= b.row) marked_.resize(data_->SlotCount(), 0);
    if (on == (marked_[b.row] != 0)) return;
    marked_[b.row] = on ? 1 : 0;
    if (on) markOrder_.push_back(b.row);
    else markOrder_.erase(std::remove(markOrder_.begin(), markOrder_.end(), b.row), markOrder_.end());
    Emit(TableEvent::RecordChanged);
}

bool Table::IsMarked(const Bookmark& b) const {
    return b.Valid() && b.row < marked_.size() && marked_[b.row] != 0 && data_->IsAlive(b.row);
}

void Table::SetMarked(bool on) {
    RequireCurrent();
    SetMarked(GetBookmark(), on);
}

bool Table::IsMarked() const {
    if (!IsOpen() || state_ == TableState::Insert) return false;
    return IsMarked(GetBookmark());
}

std::vector<Bookmark> Table::Marks() const {
    std::vector<Bookmark> out;
    for (RowId r : markOrder_)
        if (data_->IsAlive(r)) out.push_back(Bookmark{r});
    return out;
}

void Table::ClearMarks() {
    if (markOrder_.empty()) return;
    markOrder_.clear();
    marked_.clear();
    Emit(TableEvent::RecordChanged);
}

// --- indexes -----------------------------------------------------------------------------------

void Table::SetActiveIndex(int index) {
    if (index < 0 || index >= data_->IndexCount()) throw FtfError("Нет индекса с номером " + std::to_string(index) + " в таблице " + Br(name_));
    if (IsOpen()) CheckBrowseMode();
    if (index == index_) return;
    index_ = index;
    InvalidateView();
    Emit(TableEvent::Reset);
}

void Table::SetIndexName(std::string_view name) {
    const int ix = data_->FindIndexByName(name);
    if (ix < 0) throw FtfError("Индекс " + Br(name) + " не найден в таблице " + Br(name_));
    SetActiveIndex(ix);
}

const std::string& Table::IndexName() const { return data_->IndexDefAt(index_).name; }

std::vector<int> Table::ResolveFields(std::string_view fields) const {
    std::vector<int> out;
    for (const std::string& n : SplitFieldList(fields)) {
        const int f = data_->FindField(n);
        if (f < 0) throw FtfError("Поле " + Br(n) + " не найдено в таблице " + Br(name_));
        out.push_back(f);
    }
    if (out.empty()) throw FtfError("Не указаны поля для таблицы " + Br(name_));
    return out;
}

void Table::SetIndexFieldNames(std::string_view fields) {
    const std::vector<int> f = ResolveFields(fields);
    int ix = data_->FindIndexByFields(f);
    if (ix < 0) ix = data_->EnsureIndex(f, false);
    SetActiveIndex(ix);
}

void Table::SortByField(std::string_view name, bool caseInsensitive) {
    static const std::string kCannot = "Не могу установить индекс по данному полю";
    const int f = data_->FindField(name);
    if (f < 0) throw FtfError(kCannot + "\r\n(Поле " + Br(name) + " не найдено в таблице " + Br(name_) + ")");
    int ix = -1;
    try {
        // A declared index that starts with the field serves (the catalogue's name index).
        for (int i = 1; i < data_->IndexCount() && ix < 0; ++i)
            if (!data_->IndexFields(i).empty() && data_->IndexFields(i)[0] == f &&
                data_->IndexDefAt(i).caseInsensitive == caseInsensitive && !data_->IndexDefAt(i).name.empty())
                ix = i;
        if (ix < 0 && !data_->IndexFields(0).empty() && data_->IndexFields(0)[0] == f) ix = 0;
        if (ix < 0) ix = data_->EnsureIndex({f}, caseInsensitive);
    } catch (const FtfError& e) {
        throw FtfError(kCannot + "\r\n(" + e.what() + ")");
    }
    SetActiveIndex(ix);
}

std::string Table::IndexFieldNames() const {
    std::string out;
    for (int f : data_->IndexFields(index_)) {
        if (!out.empty()) out += ";";
        out += Field(f).name;
    }
    return out;
}

// --- filters -----------------------------------------------------------------------------------

void Table::SetFilter(std::string_view text) {
    if (IsOpen()) CheckBrowseMode();
    auto compiled = text.empty() ? nullptr : data_->CompileFilter(text, filterOptions_);
    filterText_.assign(text);
    filter_ = std::move(compiled);
    if (filtered_) {
        InvalidateView();
        if (IsOpen()) First();
        Emit(TableEvent::Reset);
    }
}

void Table::SetFiltered(bool on) {
    if (on == filtered_) return;
    if (IsOpen()) CheckBrowseMode();
    filtered_ = on;
    InvalidateView();
    if (IsOpen()) First();
    Emit(TableEvent::Reset);
}

void Table::SetFilterOptions(const FilterOptions& o) {
    if (o == filterOptions_) return;
    if (IsOpen()) CheckBrowseMode();
    auto compiled = filterText_.empty() ? nullptr : data_->CompileFilter(filterText_, o);
    filterOptions_ = o;
    filter_ = std::move(compiled);
    if (filtered_) {
        InvalidateView();
        if (IsOpen()) First();
        Emit(TableEvent::Reset);
    }
}

void Table::ApplyFilter(std::string_view text) {
    if (IsOpen()) CheckBrowseMode();
    auto compiled = text.empty() ? nullptr : data_->CompileFilter(text, filterOptions_);
    filterText_.assign(text);
    filter_ = std::move(compiled);
    filtered_ = true;
    InvalidateView();
    if (IsOpen()) First();
    Emit(TableEvent::Reset);
}

void Table::ClearFilter() {
    if (IsOpen()) CheckBrowseMode();
    const bool changed = filtered_ && filter_;
    filterText_.clear();
    filter_.reset();
    filtered_ = false;
    if (changed) {
        InvalidateView();
        if (IsOpen()) First();
        Emit(TableEvent::Reset);
    }
}

void Table::SetFixedFilter(std::string_view text) {
    if (IsOpen()) CheckBrowseMode();
    auto compiled = text.empty() ? nullptr : data_->CompileFilter(text, FilterOptions{});
    fixedText_.assign(text);
    fixed_ = std::move(compiled);
    InvalidateView();
    if (IsOpen()) First();
    Emit(TableEvent::Reset);
}

// --- locate ------------------------------------------------------------------------------------

bool Table::RowMatches(RowId r, const std::vector<int>& fields, const std::vector<Value>& values, LocateOptions o) const {
    for (std::size_t j = 0; j < fields.size(); ++j) {
        const bool text = IsTextType(Field(fields[j]).type);
        if (data_->CompareValue(r, fields[j], values[j], o.caseInsensitive, o.partialKey && text) != 0) return false;
    }
    return true;
}

std::vector<Value> Table::KeyValues(const std::vector<int>& fields, const std::vector<Value>& values) const {
    // A value that the field could not hold finds nothing rather than a converted neighbour
    // ("abc" is no smallint 0): conversions are checked as for an edit. Texts stay as given.
    std::vector<Value> out;
    out.reserve(values.size());
    for (std::size_t j = 0; j < values.size() && j < fields.size(); ++j) {
        const FieldDef& d = Field(fields[j]);
        out.push_back(d.kind == FieldKind::Data && !IsTextType(d.type) ? data_->Coerce(fields[j], values[j]) : values[j]);
    }
    return out;
}

RowId Table::FindFirst(const std::vector<int>& fields, const std::vector<Value>& given, LocateOptions o) const {
    if (given.size() != fields.size())
        throw FtfError("Число значений не совпадает с числом полей поиска в таблице " + Br(name_));
    const std::vector<Value> values = KeyValues(fields, given);
    EnsureView();
    bool indexable = true;
    bool hasText = false;
    int textFields = 0;
    for (int f : fields) {
        const FieldDef& d = Field(f);
        if (d.kind != FieldKind::Data || d.type == FieldType::Memo || d.type == FieldType::Blob) indexable = false;
        if (IsTextType(d.type)) { hasText = true; ++textFields; }
    }
    // With a partial key on several text fields no one key range holds the answer: scan.
    if (o.partialKey && textFields > 1) indexable = false;
    if (!indexable) {
        const std::size_t n = ViewSize();
        for (std::size_t p = 0; p < n; ++p)
            if (RowMatches(ViewAt(p), fields, values, o)) return ViewAt(p);
        return kNoRow;
    }
    // Order the fields so that a partially compared text field comes last in the key.
    std::vector<int> keyFields = fields;
    std::vector<Value> keyValues = values;
    if (o.partialKey && hasText) {
        for (std::size_t j = 0; j + 1 < keyFields.size(); ++j)
            if (IsTextType(Field(keyFields[j]).type)) {
                std::swap(keyFields[j], keyFields.back());
                std::swap(keyValues[j], keyValues.back());
                break;
            }
    }
    const int ix = data_->EnsureIndex(keyFields, o.caseInsensitive && hasText);
    const auto [lo, hi] = data_->EqualRange(ix, keyValues, o.partialKey && hasText);
    const auto& order = data_->IndexOrder(ix);
    RowId best = kNoRow;
    std::uint32_t bestRank = 0;
    for (std::size_t p = lo; p < hi; ++p) {
        const RowId r = order[p];
        if (!RowMatches(r, fields, values, o)) continue;
        if (!viewIsIndex_ && PositionOf(r) < 0) continue;
        if (ix == index_) return r;  // already in the active order: the first one wins
        const std::uint32_t rank = data_->RankIn(index_, r);
        if (best == kNoRow || rank < bestRank) {
            best = r;
            bestRank = rank;
        }
    }
    return best;
}

bool Table::Locate(std::string_view fields, const std::vector<Value>& values, LocateOptions o) {
    RequireOpen();
    CheckBrowseMode();
    const RowId r = FindFirst(ResolveFields(fields), values, o);
    if (r == kNoRow) return false;
    SetCurrentRow(r);
    return true;
}

bool Table::Locate(std::string_view field, const Value& value, LocateOptions o) {
    return Locate(field, std::vector<Value>{value}, o);
}

std::optional<Value> Table::Lookup(std::string_view fields, const std::vector<Value>& values,
                                   std::string_view resultField) const {
    RequireOpen();
    const int res = data_->FindField(resultField);
    if (res < 0) throw FtfError("Поле " + Br(resultField) + " не найдено в таблице " + Br(name_));
    const RowId r = FindFirst(ResolveFields(fields), values, {});
    if (r == kNoRow) return std::nullopt;
    if (IsSelectedMarker(Field(res))) return Value::FromBool(IsMarked(Bookmark{r}));
    return data_->GetValue(r, res);
}

bool Table::FindKey(const std::vector<Value>& values) {
    RequireOpen();
    CheckBrowseMode();
    const auto& keyFields = data_->IndexFields(index_);
    if (keyFields.empty()) throw FtfError("Таблица " + Br(name_) + " не упорядочена по ключу");
    if (values.empty() || values.size() > keyFields.size())
        throw FtfError("Число значений ключа не совпадает с ключом таблицы " + Br(name_));
    EnsureView();
    const auto [lo, hi] = data_->EqualRange(index_, KeyValues(keyFields, values));
    const auto& order = data_->IndexOrder(index_);
    for (std::size_t p = lo; p < hi; ++p) {
        const RowId r = order[p];
        if (viewIsIndex_ || PositionOf(r) >= 0) {
            SetCurrentRow(r);
            return true;
        }
    }
    return false;
}

bool Table::FindPrimaryKey(const std::vector<Value>& values) {
    RequireOpen();
    CheckBrowseMode();
    const auto& keyFields = data_->IndexFields(0);
    if (keyFields.empty()) throw FtfError("У таблицы " + Br(name_) + " нет первичного ключа");
    if (values.empty() || values.size() > keyFields.size())
        throw FtfError("Число значений ключа не совпадает с ключом таблицы " + Br(name_));
    const std::vector<int> fields(keyFields.begin(), keyFields.begin() + static_cast<std::ptrdiff_t>(values.size()));
    const RowId r = FindFirst(fields, values, {});
    if (r == kNoRow) return false;
    SetCurrentRow(r);
    return true;
}

// --- edits -------------------------------------------------------------------------------------

void Table::Edit() {
    RequireOpen();
    if (state_ == TableState::Edit || state_ == TableState::Insert) return;
    RequireCurrent();
    buffer_ = data_->ReadRow(current_);
    editing_ = current_;
    state_ = TableState::Edit;
    Emit(TableEvent::StateChanged);
}

void Table::Insert() {
    RequireOpen();
    CheckBrowseMode();
    buffer_.assign(static_cast<std::size_t>(FieldCount()), Value());
    editing_ = kNoRow;
    state_ = TableState::Insert;
    Emit(TableEvent::StateChanged);
}

void Table::Append() { Insert(); }

void Table::Set(std::string_view name, const Value& v) {
    const int f = data_->FindField(name);
    if (f < 0) throw FtfError("Поле " + Br(name) + " не найдено в таблице " + Br(name_));
    Set(f, v);
}

void Table::Set(int field, const Value& v) {
    RequireOpen();
    if (field < 0 || field >= FieldCount()) throw FtfError("Нет поля с номером " + std::to_string(field) + " в таблице " + Br(name_));
    const FieldDef& f = Field(field);
    if (IsSelectedMarker(f)) {
        if (state_ != TableState::Insert) SetMarked(v.AsBool());
        return;
    }
    if (f.kind != FieldKind::Data) throw FtfError("Поле " + Br(f.name) + " таблицы " + Br(name_) + " нельзя изменить");
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        throw FtfError("Таблица " + Br(name_) + " не в режиме редактирования");
    buffer_[static_cast<std::size_t>(field)] = data_->Coerce(field, v);
}

void Table::Post() {
    RequireOpen();
    if (state_ != TableState::Edit && state_ != TableState::Insert) return;
    RowId r = editing_;
    if (state_ == TableState::Insert) r = data_->InsertRow(buffer_);
    else data_->UpdateRow(editing_, buffer_);
    // Only now, with the row stored, does the dataset leave the edit.
    state_ = TableState::Browse;
    buffer_.clear();
    editing_ = kNoRow;
    EnsureView();
    if (PositionOf(r) >= 0) {
        current_ = r;
        pos_ = PositionOf(r);
        bof_ = eof_ = false;
    }
    Emit(TableEvent::StateChanged);
}

void Table::Cancel() {
    if (state_ != TableState::Edit && state_ != TableState::Insert) return;
    state_ = TableState::Browse;
    buffer_.clear();
    editing_ = kNoRow;
    Emit(TableEvent::StateChanged);
}

void Table::Delete() {
    RequireOpen();
    if (state_ == TableState::Insert) {
        Cancel();
        return;
    }
    if (state_ == TableState::Edit) Cancel();
    RequireCurrent();
    const int oldPos = pos_;
    data_->DeleteRow(current_);
    // The record after the deleted one takes its place (the one before, at the end).
    EnsureView();
    const std::size_t n = ViewSize();
    if (n == 0) {
        current_ = kNoRow;
        pos_ = -1;
        bof_ = eof_ = true;
    } else {
        pos_ = std::clamp(oldPos, 0, static_cast<int>(n) - 1);
        current_ = ViewAt(static_cast<std::size_t>(pos_));
        bof_ = eof_ = false;
    }
    Emit(TableEvent::Scrolled);
}

// --- notifications -----------------------------------------------------------------------------

void Table::DisableControls() { ++disabled_; }

void Table::EnableControls() {
    if (disabled_ == 0) return;
    if (--disabled_ == 0 && pendingReset_) {
        pendingReset_ = false;
        Emit(TableEvent::Reset);
    }
}

int Table::Subscribe(Observer o) {
    const int id = nextObserver_++;
    observers_.emplace_back(id, std::move(o));
    return id;
}

void Table::Unsubscribe(int id) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(), [&](const auto& p) { return p.first == id; }),
                     observers_.end());
}

void Table::Emit(TableEvent e) {
    if (observers_.empty()) return;
    if (disabled_ > 0) {
        pendingReset_ = true;
        return;
    }
    auto copy = observers_;
    for (auto& [id, o] : copy) o(e);
}

// --- guards ------------------------------------------------------------------------------------

bool ViewStamp::Renew(const Table& t) {
    const bool filtered = t.Filtered();
    const std::string_view filter = filtered ? std::string_view(t.Filter()) : std::string_view();
    if (!data_.owner_before(t.DataPtr()) && !t.DataPtr().owner_before(data_) &&
        version_ == t.Data().Version() && index_ == t.ActiveIndex() && filtered_ == filtered &&
        options_ == t.GetFilterOptions() && fixed_ == t.FixedFilter() && filter_ == filter)
        return false;
    data_ = t.DataPtr();
    version_ = t.Data().Version();
    index_ = t.ActiveIndex();
    filtered_ = filtered;
    options_ = t.GetFilterOptions();
    fixed_ = t.FixedFilter();
    filter_ = filter;
    return true;
}

FilterScope::FilterScope(Table& table, std::string_view text, const FilterOptions& options)
    : table_(table), oldOptions_(table.GetFilterOptions()) {
    table_.DisableControls();
    try {
        table_.SetFilterOptions(options);
        table_.ApplyFilter(text);
    } catch (...) {
        try {
            table_.ClearFilter();
            table_.SetFilterOptions(oldOptions_);
        } catch (...) {
        }
        table_.EnableControls();
        throw;
    }
}

void FilterScope::Reset(std::string_view text) { table_.ApplyFilter(text); }

FilterScope::~FilterScope() {
    try {
        table_.ClearFilter();
    } catch (...) {
        // A pending edit that cannot be posted is dropped so that the filter still goes.
        table_.Cancel();
        try {
            table_.ClearFilter();
        } catch (...) {
        }
    }
    try {
        table_.SetFilterOptions(oldOptions_);
    } catch (...) {
    }
    table_.EnableControls();
}

TableStateGuard::TableStateGuard(Table& table)
    : table_(table),
      filter_(table.Filter()),
      filtered_(table.Filtered()),
      options_(table.GetFilterOptions()),
      index_(table.ActiveIndex()),
      current_(table.GetBookmark()) {}

TableStateGuard::~TableStateGuard() {
    try {
        if (table_.State() == TableState::Edit || table_.State() == TableState::Insert) table_.Cancel();
        table_.SetFiltered(false);
        table_.SetFilterOptions(options_);
        table_.SetFilter(filter_);
        table_.SetActiveIndex(index_);
        table_.SetFiltered(filtered_);
        if (table_.IsOpen() && !table_.GotoBookmark(current_)) table_.First();
    } catch (...) {
        // Putting back what was there before cannot fail for texts that compiled before.
    }
}

}  // namespace ftf
