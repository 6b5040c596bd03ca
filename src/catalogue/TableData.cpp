#include "catalogue/TableData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "catalogue/Filter.h"
#include "catalogue/TextOrder.h"
#include "common/Cp1251.h"
#include "common/Error.h"

namespace ftf {

struct TableData::FilterCache {
    // Filter texts are built afresh for every element and sash, but repeat across orders; a map
    // (one per combination of options) is dropped whole when it grows past its limit.
    static constexpr std::size_t kLimit = 2048;
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, std::shared_ptr<const CompiledFilter>, Hash, std::equal_to<>> maps[4];
};

namespace {

std::string Quote(std::string_view s) { return "[" + std::string(s) + "]"; }

template <class T>
int Cmp3(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

bool IsIntStorage(FieldType t) { return IsIntegerType(t) || t == FieldType::Money; }

}  // namespace

TableData::TableData(TableSchema schema) : schema_(std::move(schema)), filterCache_(std::make_unique<FilterCache>()) {
    const std::size_t n = schema_.fields.size();
    columns_.resize(n);
    lookupSources_.assign(n, nullptr);
    lookupKeyField_.assign(n, -1);
    lookupTargetKey_.assign(n, -1);
    lookupTargetResult_.assign(n, -1);
    nextAutoInc_.assign(n, 1);
    for (std::size_t i = 0; i < n; ++i) {
        const FieldDef& f = schema_.fields[i];
        columns_[i].type = f.type;
        columns_[i].stored = f.kind == FieldKind::Data;
        const std::string key = UpperCase(f.name);
        if (fieldByUpperName_.count(key))
            throw FtfError("Таблица " + Quote(schema_.name) + ": поле " + Quote(f.name) + " описано дважды");
        fieldByUpperName_.emplace(key, static_cast<int>(i));
    }
    for (std::size_t i = 0; i < n; ++i) {
        const FieldDef& f = schema_.fields[i];
        if (f.kind != FieldKind::Lookup) continue;
        lookupKeyField_[i] = FindField(f.keyField);
        if (lookupKeyField_[i] < 0 || schema_.fields[static_cast<std::size_t>(lookupKeyField_[i])].kind != FieldKind::Data)
            throw FtfError("Таблица " + Quote(schema_.name) + ": поле подстановки " + Quote(f.name) +
                           " ссылается на неизвестное поле " + Quote(f.keyField));
    }
    auto resolve = [&](const IndexDef& def, bool made) {
        IndexState ix;
        ix.def = def;
        ix.caseInsensitive = def.caseInsensitive;
        ix.made = made;
        for (const std::string& name : SplitFieldList(def.fields)) {
            int f = FindField(name);
            if (f < 0)
                throw FtfError("Таблица " + Quote(schema_.name) + ": индекс " + Quote(def.name) +
                               " ссылается на неизвестное поле " + Quote(name));
            if (!columns_[static_cast<std::size_t>(f)].stored || schema_.fields[static_cast<std::size_t>(f)].type == FieldType::Memo ||
                schema_.fields[static_cast<std::size_t>(f)].type == FieldType::Blob)
                throw FtfError("Таблица " + Quote(schema_.name) + ": поле " + Quote(name) + " нельзя индексировать");
            ix.fields.push_back(f);
        }
        return ix;
    };
    // Index 0: the primary key, or the order the rows were added in.
    IndexState primary = resolve(schema_.primary, false);
    primary.def.name.clear();
    primary.def.unique = !primary.fields.empty();
    primary.caseInsensitive = false;
    indexes_.push_back(std::move(primary));
    const std::vector<int> pk = indexes_[0].fields;
    for (const IndexDef& def : schema_.indexes) {
        IndexState ix = resolve(def, false);
        ix.tieFields = pk;
        indexes_.push_back(std::move(ix));
    }
}

TableData::~TableData() = default;

int TableData::FindField(std::string_view name) const {
    // Names are short ASCII in practice: upper-case them on the stack.
    char buf[64];
    if (name.size() <= sizeof buf) {
        bool ascii = true;
        for (std::size_t i = 0; i < name.size() && ascii; ++i) {
            const char c = name[i];
            if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
            buf[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        }
        if (ascii) {
            auto it = fieldByUpperName_.find(std::string_view(buf, name.size()));
            return it == fieldByUpperName_.end() ? -1 : it->second;
        }
    }
    auto it = fieldByUpperName_.find(UpperCase(name));
    return it == fieldByUpperName_.end() ? -1 : it->second;
}

// --- values ----------------------------------------------------------------------------------

Value TableData::Coerce(int field, const Value& v, bool cut) const {
    const FieldDef& f = Field(field);
    if (f.kind != FieldKind::Data) return Value();
    if (v.IsBlank()) return Value();
    auto fail = [&](const char* what) -> Value {
        throw FtfError("Значение «" + v.AsText() + "» " + what + " поля " + Quote(f.name) + " таблицы " +
                       Quote(schema_.name));
    };
    switch (f.type) {
    case FieldType::String:
    case FieldType::Memo: {
        std::string s = v.kind() == Value::Kind::Text || v.kind() == Value::Kind::Bytes ? v.RawText() : v.AsText();
        // A text longer than the field is cut, as the old string fields did.
        if (cut && f.type == FieldType::String && f.size > 0 && CharCount(s) > static_cast<std::size_t>(f.size))
            s = CharLeft(s, static_cast<std::size_t>(f.size));
        if (s.empty()) return Value();
        return Value(std::move(s));
    }
    case FieldType::Blob:
        return Value::FromBytes(v.kind() == Value::Kind::Text || v.kind() == Value::Kind::Bytes ? v.RawText() : v.AsText());
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc: {
        double d = 0;
        std::int64_t i = 0;
        switch (v.kind()) {
        case Value::Kind::Text:
            if (v.RawText().empty()) return Value();
            if (!ParseDecimal(v.RawText(), d)) return fail("не является числом для");
            i = Value(d).AsInt();
            break;
        case Value::Kind::Bytes: return fail("не подходит для");
        case Value::Kind::Real:
            if (!std::isfinite(v.AsReal())) return fail("не подходит для");
            i = v.AsInt();
            break;
        default: i = v.AsInt(); break;
        }
        const std::int64_t lo = f.type == FieldType::SmallInt ? -32768 : INT32_MIN;
        const std::int64_t hi = f.type == FieldType::SmallInt ? 32767 : INT32_MAX;
        if (i < lo || i > hi) return fail("вне диапазона");
        return Value(static_cast<long long>(i));
    }
    case FieldType::Logical:
        if (v.kind() == Value::Kind::Text) {
            const std::string& s = v.RawText();
            if (s.empty()) return Value();
            if (SameTextNoCase(s, "true") || s == "1") return Value::FromBool(true);
            if (SameTextNoCase(s, "false") || s == "0") return Value::FromBool(false);
            return fail("не является логическим значением для");
        }
        return Value::FromBool(v.AsBool());
    case FieldType::Date: {
        if (v.kind() == Value::Kind::Text) {
            std::int32_t days = 0;
            if (v.RawText().empty()) return Value();
            if (!ParseOleDate(v.RawText(), days)) return fail("не является датой для");
            return Value::FromDate(days);
        }
        if (v.kind() == Value::Kind::Bytes) return fail("не подходит для");
        return Value::FromDate(static_cast<std::int32_t>(v.AsInt()));
    }
    case FieldType::Number:
    case FieldType::Bcd: {
        double d = 0;
        if (v.kind() == Value::Kind::Text) {
            if (v.RawText().empty()) return Value();
            if (!ParseDecimal(v.RawText(), d)) return fail("не является числом для");
        } else if (v.kind() == Value::Kind::Bytes) {
            return fail("не подходит для");
        } else {
            d = v.AsReal();
        }
        if (!std::isfinite(d)) return fail("не подходит для");
        if (f.type == FieldType::Bcd && f.decimals > 0 && f.decimals <= 15) {
            // A BCD field holds its declared decimals and no more.
            const double scale = std::pow(10.0, f.decimals);
            const double scaled = d * scale;
            if (std::fabs(scaled) < 9e15) d = std::round(scaled) / scale;
        }
        return Value(d);
    }
    case FieldType::Money: {
        if (v.kind() == Value::Kind::Text) {
            double d = 0;
            if (v.RawText().empty()) return Value();
            if (!ParseDecimal(v.RawText(), d) || !Money::InRange(d)) return fail("не является суммой для");
            return Value(Money::FromReal(d));
        }
        if (v.kind() == Value::Kind::Money) return v;
        if (v.kind() == Value::Kind::Bytes) return fail("не подходит для");
        if (v.kind() == Value::Kind::Real && !Money::InRange(v.AsReal())) return fail("вне диапазона");
        return Value(v.AsMoney());
    }
    }
    return Value();
}

RowValues TableData::CoerceRow(const RowValues& row, bool cut) const {
    RowValues out(static_cast<std::size_t>(FieldCount()));
    const std::size_t n = std::min(row.size(), out.size());
    for (std::size_t i = 0; i < n; ++i) out[i] = Coerce(static_cast<int>(i), row[i], cut);
    return out;
}

RowId TableData::NewSlot() {
    const RowId r = static_cast<RowId>(alive_.size());
    if (r == kNoRow) throw FtfError("Таблица " + Quote(schema_.name) + " переполнена");
    alive_.push_back(0);
    storeKeys_.push_back(0);
    for (Column& c : columns_) {
        if (!c.stored) continue;
        c.blank.push_back(1);
        if (IsIntStorage(c.type)) c.ints.push_back(0);
        else if (IsRealType(c.type)) c.reals.push_back(0);
        else c.texts.emplace_back();
    }
    for (IndexState& ix : indexes_)
        if (ix.built) ix.rank.push_back(0);
    return r;
}

void TableData::StoreRow(RowId r, const RowValues& row) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        Column& c = columns_[i];
        if (!c.stored) continue;
        const Value& v = row[i];
        c.blank[r] = v.IsBlank() ? 1 : 0;
        if (IsIntStorage(c.type)) c.ints[r] = v.RawInt();
        else if (IsRealType(c.type)) c.reals[r] = v.AsReal();
        else c.texts[r] = v.RawText();
    }
}

Value TableData::GetValue(RowId r, int field) const {
    const FieldDef& f = Field(field);
    const Column& c = columns_[static_cast<std::size_t>(field)];
    if (f.kind == FieldKind::Lookup) return LookupFor(field, GetValue(r, lookupKeyField_[static_cast<std::size_t>(field)]));
    if (!c.stored) return Value();
    if (c.blank[r]) return Value();
    switch (f.type) {
    case FieldType::String:
    case FieldType::Memo: return Value(c.texts[r]);
    case FieldType::Blob: return Value::FromBytes(c.texts[r]);
    case FieldType::Logical: return Value::FromBool(c.ints[r] != 0);
    case FieldType::Date: return Value::FromDate(static_cast<std::int32_t>(c.ints[r]));
    case FieldType::Money: return Value(Money::FromRaw(c.ints[r]));
    case FieldType::Number:
    case FieldType::Bcd: return Value(c.reals[r]);
    default: return Value(static_cast<long long>(c.ints[r]));
    }
}

Value TableData::LookupFor(int field, const Value& key) const {
    const TableData* src = lookupSources_[static_cast<std::size_t>(field)];
    if (!src || key.IsBlank()) return Value();
    const int tk = lookupTargetKey_[static_cast<std::size_t>(field)];
    const int ix = src->EnsureIndex({tk}, false);
    auto [lo, hi] = src->EqualRange(ix, {key});
    if (lo == hi) return Value();
    return src->GetValue(src->IndexOrder(ix)[lo], lookupTargetResult_[static_cast<std::size_t>(field)]);
}

RowValues TableData::ReadRow(RowId r) const {
    RowValues out(static_cast<std::size_t>(FieldCount()));
    for (int i = 0; i < FieldCount(); ++i)
        if (columns_[static_cast<std::size_t>(i)].stored) out[static_cast<std::size_t>(i)] = GetValue(r, i);
    return out;
}

// --- loading ---------------------------------------------------------------------------------

void TableData::Reserve(std::size_t rows) {
    alive_.reserve(rows);
    storeKeys_.reserve(rows);
    for (Column& c : columns_) {
        if (!c.stored) continue;
        c.blank.reserve(rows);
        if (IsIntStorage(c.type)) c.ints.reserve(rows);
        else if (IsRealType(c.type)) c.reals.reserve(rows);
        else c.texts.reserve(rows);
    }
}

RowId TableData::LoadRow(const RowValues& row, std::int64_t storeKey) {
    RowValues v = CoerceRow(row, false);
    const RowId r = NewSlot();
    StoreRow(r, v);
    storeKeys_[r] = storeKey;
    alive_[r] = 1;
    ++liveCount_;
    for (int i = 0; i < FieldCount(); ++i)
        if (Field(i).type == FieldType::AutoInc && !v[static_cast<std::size_t>(i)].IsBlank())
            nextAutoInc_[static_cast<std::size_t>(i)] =
                std::max(nextAutoInc_[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(i)].RawInt() + 1);
    // Loads come in bulk: the indexes are rebuilt once when next needed.
    InvalidateIndexes();
    ++version_;
    Notify(DataEvent::RowInserted, r);
    return r;
}

void TableData::ClearRows() {
    alive_.clear();
    storeKeys_.clear();
    for (Column& c : columns_) {
        c.blank.clear();
        c.ints.clear();
        c.reals.clear();
        c.texts.clear();
    }
    liveCount_ = 0;
    journal_.clear();  // the rows it names are gone
    std::fill(nextAutoInc_.begin(), nextAutoInc_.end(), 1);
    InvalidateIndexes();
    ++version_;
    Notify(DataEvent::Reloaded, kNoRow);
}

// --- edits -----------------------------------------------------------------------------------

void TableData::CheckUnique(const RowValues& row, RowId self) const {
    for (int i = 0; i < IndexCount(); ++i) {
        const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
        if (!ix.def.unique || ix.fields.empty()) continue;
        std::vector<Value> key;
        std::string text;
        for (int f : ix.fields) {
            key.push_back(row[static_cast<std::size_t>(f)]);
            if (!text.empty()) text += ";";
            text += row[static_cast<std::size_t>(f)].AsText();
        }
        auto [lo, hi] = EqualRange(i, key);
        const auto& order = IndexOrder(i);
        for (std::size_t p = lo; p < hi; ++p)
            if (order[p] != self)
                throw FtfError("Нарушение уникальности ключа [" + text + "] в таблице " + Quote(schema_.name));
    }
}

RowId TableData::InsertRow(const RowValues& row) {
    RowValues v = CoerceRow(row, true);
    std::vector<std::int64_t> next = nextAutoInc_;
    for (int i = 0; i < FieldCount(); ++i) {
        if (Field(i).type != FieldType::AutoInc) continue;
        auto& slot = v[static_cast<std::size_t>(i)];
        if (slot.IsBlank()) slot = Value(static_cast<long long>(next[static_cast<std::size_t>(i)]));
        next[static_cast<std::size_t>(i)] = std::max(next[static_cast<std::size_t>(i)], slot.RawInt() + 1);
    }
    CheckUnique(v, kNoRow);
    std::int64_t key = 0;
    if (backend_) {
        BackendTransaction tx(backend_);
        key = backend_->InsertRow(*this, v);
        tx.Commit();
    }
    const RowId r = NewSlot();
    StoreRow(r, v);
    storeKeys_[r] = key;
    alive_[r] = 1;
    ++liveCount_;
    nextAutoInc_ = std::move(next);
    IndexRow(r);
    ++version_;
    if (journalDepth_ > 0) journal_.push_back({DataEvent::RowInserted, r, {}, key});
    Notify(DataEvent::RowInserted, r);
    return r;
}

void TableData::UpdateRow(RowId r, const RowValues& row) {
    if (!IsAlive(r)) throw FtfError("Запись таблицы " + Quote(schema_.name) + " удалена");
    RowValues v = CoerceRow(row, true);
    const RowValues before = ReadRow(r);
    for (int i = 0; i < FieldCount(); ++i)
        if (Field(i).type == FieldType::AutoInc && v[static_cast<std::size_t>(i)].IsBlank())
            v[static_cast<std::size_t>(i)] = before[static_cast<std::size_t>(i)];
    CheckUnique(v, r);
    if (backend_) {
        BackendTransaction tx(backend_);
        backend_->UpdateRow(*this, storeKeys_[r], before, v);
        tx.Commit();
    }
    UnindexRow(r);
    StoreRow(r, v);
    for (int i = 0; i < FieldCount(); ++i)
        if (Field(i).type == FieldType::AutoInc && !v[static_cast<std::size_t>(i)].IsBlank())
            nextAutoInc_[static_cast<std::size_t>(i)] =
                std::max(nextAutoInc_[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(i)].RawInt() + 1);
    IndexRow(r);
    ++version_;
    if (journalDepth_ > 0) journal_.push_back({DataEvent::RowUpdated, r, before, storeKeys_[r]});
    Notify(DataEvent::RowUpdated, r);
}

void TableData::DeleteRow(RowId r) {
    if (!IsAlive(r)) throw FtfError("Запись таблицы " + Quote(schema_.name) + " удалена");
    RowValues before;
    if (backend_ || journalDepth_ > 0) before = ReadRow(r);
    if (backend_) {
        BackendTransaction tx(backend_);
        backend_->DeleteRow(*this, storeKeys_[r], before);
        tx.Commit();
    }
    if (journalDepth_ > 0) journal_.push_back({DataEvent::RowDeleted, r, std::move(before), storeKeys_[r]});
    UnindexRow(r);
    alive_[r] = 0;
    --liveCount_;
    for (Column& c : columns_)
        if (c.stored && !c.texts.empty()) std::string().swap(c.texts[r]);
    ++version_;
    Notify(DataEvent::RowDeleted, r);
}

void TableData::RollbackJournal(std::size_t mark) {
    while (journal_.size() > mark) {
        UndoEntry e = std::move(journal_.back());
        journal_.pop_back();
        const RowId r = e.row;
        switch (e.kind) {
        case DataEvent::RowInserted:
            if (!IsAlive(r)) break;
            UnindexRow(r);
            alive_[r] = 0;
            --liveCount_;
            for (Column& c : columns_)
                if (c.stored && !c.texts.empty()) std::string().swap(c.texts[r]);
            ++version_;
            Notify(DataEvent::RowDeleted, r);
            break;
        case DataEvent::RowUpdated:
            if (!IsAlive(r)) break;
            UnindexRow(r);
            StoreRow(r, e.before);
            storeKeys_[r] = e.storeKey;
            IndexRow(r);
            ++version_;
            Notify(DataEvent::RowUpdated, r);
            break;
        case DataEvent::RowDeleted:
            if (IsAlive(r)) break;
            StoreRow(r, e.before);
            storeKeys_[r] = e.storeKey;
            alive_[r] = 1;
            ++liveCount_;
            IndexRow(r);
            ++version_;
            Notify(DataEvent::RowInserted, r);
            break;
        case DataEvent::Reloaded: break;
        }
    }
}

void TableData::EndJournal() {
    if (journalDepth_ > 0 && --journalDepth_ == 0) journal_.clear();
}

void TableData::BindLookup(std::string_view tableName, const TableData* source) {
    for (int i = 0; i < FieldCount(); ++i) {
        const FieldDef& f = Field(i);
        if (f.kind != FieldKind::Lookup || !SameFieldName(f.lookupTable, tableName)) continue;
        if (source) {
            const int k = source->FindField(f.lookupKey), res = source->FindField(f.lookupResult);
            if (k < 0 || res < 0)
                throw FtfError("Таблица " + Quote(schema_.name) + ": поле подстановки " + Quote(f.name) +
                               " ссылается на поле, которого нет в таблице " + Quote(source->Name()));
            lookupTargetKey_[static_cast<std::size_t>(i)] = k;
            lookupTargetResult_[static_cast<std::size_t>(i)] = res;
        }
        lookupSources_[static_cast<std::size_t>(i)] = source;
    }
}

// --- indexes ---------------------------------------------------------------------------------

int TableData::FindIndexByName(std::string_view name) const {
    if (name.empty()) return 0;
    for (int i = 1; i < IndexCount(); ++i) {
        const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
        if (!ix.made && SameFieldName(ix.def.name, name)) return i;
    }
    return -1;
}

int TableData::FindIndexByFields(const std::vector<int>& fields) const {
    for (int i = 0; i < IndexCount(); ++i) {
        const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
        if (ix.made || ix.fields.size() < fields.size() || fields.empty()) continue;
        if (std::equal(fields.begin(), fields.end(), ix.fields.begin())) return i;
    }
    return -1;
}

int TableData::EnsureIndex(const std::vector<int>& fields, bool caseInsensitive) const {
    if (fields.empty()) return 0;
    bool hasText = false;
    for (int f : fields) {
        if (f < 0 || f >= FieldCount()) throw FtfError("Таблица " + Quote(schema_.name) + ": нет такого поля");
        const FieldDef& d = Field(f);
        if (d.kind != FieldKind::Data)
            throw FtfError("Поле " + Quote(d.name) + " не хранится в таблице " + Quote(schema_.name) +
                           " (поле подстановки или вычисляемое)");
        if (d.type == FieldType::Memo || d.type == FieldType::Blob)
            throw FtfError("Поле " + Quote(d.name) + " типа " + FieldTypeName(d.type) + " не индексируется");
        hasText = hasText || d.type == FieldType::String;
    }
    // Case matters only for text keys.
    for (int i = 0; i < IndexCount(); ++i) {
        const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
        if (ix.fields.size() < fields.size() || !std::equal(fields.begin(), fields.end(), ix.fields.begin())) continue;
        if (!hasText || ix.caseInsensitive == caseInsensitive) return i;
    }
    IndexState ix;
    ix.made = true;
    ix.caseInsensitive = caseInsensitive && hasText;
    ix.fields = fields;
    for (int f : fields) {
        if (!ix.def.fields.empty()) ix.def.fields += ";";
        ix.def.fields += Field(f).name;
    }
    ix.tieFields = indexes_[0].fields;
    indexes_.push_back(std::move(ix));
    return IndexCount() - 1;
}

int TableData::CompareRowsIn(const IndexState& ix, RowId a, RowId b) const {
    auto cell = [&](int f, bool nocase) -> int {
        const Column& c = columns_[static_cast<std::size_t>(f)];
        if (IsIntStorage(c.type)) return Cmp3(c.ints[a], c.ints[b]);
        if (IsRealType(c.type)) return Cmp3(c.reals[a], c.reals[b]);
        return CompareText(c.texts[a], c.texts[b], nocase);
    };
    for (int f : ix.fields)
        if (int d = cell(f, ix.caseInsensitive)) return d;
    for (int f : ix.tieFields)
        if (int d = cell(f, false)) return d;
    return Cmp3(a, b);
}

int TableData::CompareKeys(int i, RowId a, RowId b) const {
    const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
    for (int f : ix.fields) {
        const Column& c = columns_[static_cast<std::size_t>(f)];
        int d = IsIntStorage(c.type) ? Cmp3(c.ints[a], c.ints[b])
              : IsRealType(c.type)   ? Cmp3(c.reals[a], c.reals[b])
                                     : CompareText(c.texts[a], c.texts[b], ix.caseInsensitive);
        if (d) return d;
    }
    return 0;
}

void TableData::BuildIndex(IndexState& ix) const {
    ix.order.clear();
    ix.order.reserve(liveCount_);
    for (RowId r = 0; r < alive_.size(); ++r)
        if (alive_[r]) ix.order.push_back(r);
    if (!ix.fields.empty()) {
        // The order of CompareRowsIn, with each field's storage decided once for the whole sort
        // rather than per comparison (a sort of the article rules makes millions of them).
        struct Part {
            const Column* c;
            std::uint8_t how;  // 0 ints, 1 reals, 2 texts
            bool nocase;
        };
        std::vector<Part> parts;
        auto add = [&](int f, bool nocase) {
            const Column& c = columns_[static_cast<std::size_t>(f)];
            parts.push_back({&c, static_cast<std::uint8_t>(IsIntStorage(c.type) ? 0 : IsRealType(c.type) ? 1 : 2), nocase});
        };
        for (int f : ix.fields) add(f, ix.caseInsensitive);
        for (int f : ix.tieFields) add(f, false);
        std::sort(ix.order.begin(), ix.order.end(), [&](RowId a, RowId b) {
            for (const Part& p : parts) {
                const int d = p.how == 0 ? Cmp3(p.c->ints[a], p.c->ints[b])
                            : p.how == 1 ? Cmp3(p.c->reals[a], p.c->reals[b])
                                         : CompareText(p.c->texts[a], p.c->texts[b], p.nocase);
                if (d) return d < 0;
            }
            return a < b;
        });
    }
    ix.rank.assign(alive_.size(), 0);
    for (std::size_t p = 0; p < ix.order.size(); ++p) ix.rank[ix.order[p]] = static_cast<std::uint32_t>(p);
    ix.built = true;
}

void TableData::InvalidateIndexes() {
    for (IndexState& ix : indexes_) {
        ix.built = false;
        ix.order.clear();
        ix.rank.clear();
    }
}

void TableData::UnindexRow(RowId r) {
    for (IndexState& ix : indexes_) {
        if (!ix.built) continue;
        const std::size_t p = ix.rank[r];
        ix.order.erase(ix.order.begin() + static_cast<std::ptrdiff_t>(p));
        for (std::size_t q = p; q < ix.order.size(); ++q) ix.rank[ix.order[q]] = static_cast<std::uint32_t>(q);
    }
}

void TableData::IndexRow(RowId r) {
    for (IndexState& ix : indexes_) {
        if (!ix.built) continue;
        auto it = std::lower_bound(ix.order.begin(), ix.order.end(), r,
                                   [&](RowId a, RowId b) { return CompareRowsIn(ix, a, b) < 0; });
        const std::size_t p = static_cast<std::size_t>(it - ix.order.begin());
        ix.order.insert(it, r);
        if (ix.rank.size() < alive_.size()) ix.rank.resize(alive_.size(), 0);
        for (std::size_t q = p; q < ix.order.size(); ++q) ix.rank[ix.order[q]] = static_cast<std::uint32_t>(q);
    }
}

const std::vector<RowId>& TableData::IndexOrder(int i) const {
    IndexState& ix = indexes_[static_cast<std::size_t>(i)];
    if (!ix.built) BuildIndex(ix);
    return ix.order;
}

std::uint32_t TableData::RankIn(int i, RowId r) const {
    IndexState& ix = indexes_[static_cast<std::size_t>(i)];
    if (!ix.built) BuildIndex(ix);
    return ix.rank[r];
}

int TableData::CompareValue(RowId r, int field, const Value& v, bool nocase, bool partial) const {
    const Column& c = columns_[static_cast<std::size_t>(field)];
    if (c.type == FieldType::Money) {
        if (v.kind() == Value::Kind::Real) return Cmp3(Money::FromRaw(c.ints[r]).ToDouble(), v.AsReal());
        return Cmp3(c.ints[r], v.AsMoney().Raw());
    }
    if (IsIntStorage(c.type)) {
        if (v.kind() == Value::Kind::Real || v.kind() == Value::Kind::Money)
            return Cmp3(static_cast<double>(c.ints[r]), v.AsReal());
        return Cmp3(c.ints[r], v.AsInt());
    }
    if (IsRealType(c.type)) return Cmp3(c.reals[r], v.AsReal());
    const std::string& cellText = c.texts[r];
    const std::string vt = v.kind() == Value::Kind::Text ? std::string() : v.AsText();
    const std::string& text = v.kind() == Value::Kind::Text ? v.RawText() : vt;
    if (partial && TextStartsWith(cellText, text, nocase)) return 0;
    return CompareText(cellText, text, nocase);
}

std::pair<std::size_t, std::size_t> TableData::EqualRange(int i, const std::vector<Value>& key, bool partialLast) const {
    return EqualRange(i, key.data(), key.size(), partialLast);
}

std::pair<std::size_t, std::size_t> TableData::EqualRange(int i, const Value* key, std::size_t count,
                                                          bool partialLast) const {
    const auto& order = IndexOrder(i);
    const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
    const std::size_t n = std::min(count, ix.fields.size());
    // Each key value is resolved once against its column (what CompareValue decides per call),
    // since a search compares it with many rows. Keys are short: the probes live on the stack.
    enum class How : std::uint8_t { Int, IntAsReal, Real, MoneyRaw, MoneyAsReal, Text };
    struct Probe {
        const Column* c = nullptr;
        How how = How::Text;
        std::int64_t i = 0;
        double d = 0;
        std::string_view text;
        std::string converted;  // the text of a key value that is no text
        bool partial = false;
    };
    constexpr std::size_t kInline = 6;
    Probe inlineProbes[kInline];
    std::vector<Probe> moreProbes;
    Probe* probes = inlineProbes;
    if (n > kInline) {
        moreProbes.resize(n);
        probes = moreProbes.data();
    }
    for (std::size_t j = 0; j < n; ++j) {
        const Column& c = columns_[static_cast<std::size_t>(ix.fields[j])];
        const Value& v = key[j];
        Probe& p = probes[j];
        p.c = &c;
        if (c.type == FieldType::Money) {
            if (v.kind() == Value::Kind::Real) {
                p.how = How::MoneyAsReal;
                p.d = v.AsReal();
            } else {
                p.how = How::MoneyRaw;
                p.i = v.AsMoney().Raw();
            }
        } else if (IsIntStorage(c.type)) {
            if (v.kind() == Value::Kind::Real || v.kind() == Value::Kind::Money) {
                p.how = How::IntAsReal;
                p.d = v.AsReal();
            } else {
                p.how = How::Int;
                p.i = v.AsInt();
            }
        } else if (IsRealType(c.type)) {
            p.how = How::Real;
            p.d = v.AsReal();
        } else {
            if (v.kind() == Value::Kind::Text) {
                p.text = v.RawText();
            } else {
                p.converted = v.AsText();
                p.text = p.converted;
            }
            p.partial = partialLast && j + 1 == n;
        }
    }
    const bool nocase = ix.caseInsensitive;
    auto cmp = [&](RowId r) {
        for (std::size_t j = 0; j < n; ++j) {
            const Probe& p = probes[j];
            int d = 0;
            switch (p.how) {
                case How::Int: d = Cmp3(p.c->ints[r], p.i); break;
                case How::IntAsReal: d = Cmp3(static_cast<double>(p.c->ints[r]), p.d); break;
                case How::Real: d = Cmp3(p.c->reals[r], p.d); break;
                case How::MoneyRaw: d = Cmp3(p.c->ints[r], p.i); break;
                case How::MoneyAsReal: d = Cmp3(Money::FromRaw(p.c->ints[r]).ToDouble(), p.d); break;
                case How::Text:
                    d = p.partial && TextStartsWith(p.c->texts[r], p.text, nocase) ? 0
                                                                                   : CompareText(p.c->texts[r], p.text, nocase);
                    break;
            }
            if (d) return d;
        }
        return 0;
    };
    auto lo = std::partition_point(order.begin(), order.end(), [&](RowId r) { return cmp(r) < 0; });
    // Key ranges are mostly short: gallop from lo to bracket their end before bisecting.
    auto first = lo, last = order.end();
    for (std::ptrdiff_t step = 1; first != last; step *= 2) {
        const auto probe = first + (std::min(step, last - first) - 1);
        if (cmp(*probe) > 0) {
            last = probe;
            break;
        }
        first = probe + 1;
    }
    const auto hi = std::partition_point(first, last, [&](RowId r) { return cmp(r) <= 0; });
    return {static_cast<std::size_t>(lo - order.begin()), static_cast<std::size_t>(hi - order.begin())};
}

// --- filters ---------------------------------------------------------------------------------

std::shared_ptr<const CompiledFilter> TableData::CompileFilter(std::string_view text, const FilterOptions& options) const {
    auto& map = filterCache_->maps[(options.caseInsensitive ? 2 : 0) + (options.noPartialCompare ? 1 : 0)];
    auto it = map.find(text);
    if (it != map.end()) return it->second;
    auto compiled = CompiledFilter::Compile(*this, text, options);
    if (map.size() >= FilterCache::kLimit) map.clear();
    map.emplace(std::string(text), compiled);
    return compiled;
}

std::vector<RowId> TableData::Candidates(const CompiledFilter& filter, int orderIndex, bool& narrowed) const {
    std::vector<RowId> scratch;
    const std::span<const RowId> rows = CandidateRows(filter, orderIndex, narrowed, scratch);
    return std::vector<RowId>(rows.begin(), rows.end());
}

std::span<const RowId> TableData::CandidateRows(const CompiledFilter& filter, int orderIndex, bool& narrowed,
                                                std::vector<RowId>& scratch) const {
    narrowed = false;
    using Pin = CompiledFilter::Pin;
    const auto& pins = filter.Pins();
    // A case-insensitive index gives a wider range than a case-sensitive test needs, which is
    // harmless (the filter is evaluated on every candidate); the other way round is not.
    auto nocaseFor = [&](const Pin& pin) { return IsTextType(Field(pin.field).type) && filter.Options().caseInsensitive; };
    auto serves = [&](int i, const Pin& pin) {
        const IndexState& ix = indexes_[static_cast<std::size_t>(i)];
        return !ix.fields.empty() && ix.fields[0] == pin.field && (!nocaseFor(pin) || ix.caseInsensitive);
    };
    int bestIndex = -1;
    std::pair<std::size_t, std::size_t> best{0, 0};
    auto consider = [&](int ix, const Pin& pin) {
        const auto range = EqualRange(ix, &pin.value, 1);
        if (bestIndex < 0 || range.second - range.first < best.second - best.first) {
            bestIndex = ix;
            best = range;
        }
    };
    // Every pin gives the same rows once the filter is evaluated, so the indexes that exist
    // serve first (the active one before the others); an index is made only when none serves.
    for (const Pin& pin : pins) {
        int ix = serves(orderIndex, pin) ? orderIndex : -1;
        for (int i = 0; ix < 0 && i < IndexCount(); ++i)
            if (serves(i, pin)) ix = i;
        if (ix >= 0) consider(ix, pin);
    }
    if (bestIndex < 0)
        for (const Pin& pin : pins) consider(EnsureIndex({pin.field}, nocaseFor(pin)), pin);
    const auto& active = IndexOrder(orderIndex);
    if (bestIndex < 0) return {active.data(), active.size()};
    narrowed = true;
    const auto& order = IndexOrder(bestIndex);
    if (bestIndex == orderIndex) return {order.data() + best.first, best.second - best.first};
    scratch.assign(order.begin() + static_cast<std::ptrdiff_t>(best.first),
                   order.begin() + static_cast<std::ptrdiff_t>(best.second));
    const IndexState& ox = indexes_[static_cast<std::size_t>(orderIndex)];
    std::sort(scratch.begin(), scratch.end(), [&](RowId a, RowId b) { return ox.rank[a] < ox.rank[b]; });
    return {scratch.data(), scratch.size()};
}

void TableData::BuildIndexes() const {
    for (IndexState& ix : indexes_)
        if (!ix.built) BuildIndex(ix);
}

// --- listeners -------------------------------------------------------------------------------

int TableData::AddListener(Listener l) {
    const int id = nextListener_++;
    listeners_.emplace_back(id, std::move(l));
    return id;
}

void TableData::RemoveListener(int id) {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(), [&](const auto& p) { return p.first == id; }),
                     listeners_.end());
}

void TableData::Notify(DataEvent e, RowId r) {
    if (listeners_.empty()) return;
    auto copy = listeners_;
    for (auto& [id, l] : copy) l(e, r);
}

}  // namespace ftf
