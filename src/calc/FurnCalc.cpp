#include "calc/FurnCalc.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <cmath>
#include <charconv>
#include <cstdio>

#include "catalogue/Lookups.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "model/Construction.h"
#include "model/Geometry.h"
#include "model/Measures.h"
#include "settings/Setup.h"

namespace ftf {

namespace {

// --- texts -------------------------------------------------------------------------------------

std::string Num(long long v) { return std::to_string(v); }

// "%.Nf" with "." as filter expressions need, whatever the process formats are. The same few
// values (backset, thickness, profile width) are formatted for every element of a run, so the
// last texts are kept.
const std::string& Dot(long double v, int decimals) {
    struct Memo {
        long double value;
        int decimals;
        std::string text;
    };
    static Memo memo[8];
    static unsigned next = 0;
    for (const Memo& m : memo)
        if (!m.text.empty() && m.value == v && m.decimals == decimals) return m.text;
    Memo& m = memo[next++ % 8];
    m.value = v;
    m.decimals = decimals;
    m.text = FormatFixed(v, decimals, ".");
    return m.text;
}

// Filter texts are made for every element and item of a run: their parts are appended to one
// text rather than joined through temporaries.
struct Quoted {
    std::string_view code;  // a code inside a filter literal: a quote is doubled so that it stays one literal
};
struct Fixed {
    long double value;
    int decimals;  // formatted as Dot does
};

void Put(std::string& s, std::string_view text) { s.append(text); }
void Put(std::string& s, long long v) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    s.append(digits, end);
}
void Put(std::string& s, Quoted q) {
    for (char c : q.code) {
        s += c;
        if (c == '\'') s += '\'';
    }
}
void Put(std::string& s, Fixed f) { s.append(Dot(f.value, f.decimals)); }

template <class... Parts>
void Cat(std::string& s, const Parts&... parts) {
    (Put(s, parts), ...);
}

// Filters on codes compare them exactly: a trailing "*" in a code is no wildcard.
FilterOptions ExactCodes() {
    FilterOptions o;
    o.noPartialCompare = true;
    return o;
}


const char kSetPrefix[] = "В БД наборов фурнитуры в комплекте [";

std::string SideMessage(const std::string& complectName, const std::string& elementName,
                        const char* tail) {
    return std::string(kSetPrefix) + complectName + "]\r\nсодержится элемент фурнитуры [" +
           elementName + "],\r\n" + tail;
}

const char kFFL1[] =
    "для которого определены условия установки, зависящие от\r\nдлины стороны, на которую он "
    "устанавливается.\r\nНомер 1-ой расчетной стороны в условиях определен неверно!";
const char kFFL2[] =
    "для которого определены условия установки, зависящие от\r\nдлины стороны, на которую он "
    "устанавливается.\r\nНомер 2-ой расчетной стороны в условиях определен неверно!";
const char kFFR1[] =
    "для которого определены условия установки, зависящие от\r\nрадиуса стороны, на которую он "
    "устанавливается.\r\nНомер 1-ой расчетной стороны в условиях определен неверно!";
const char kFFR2[] =
    "для которого определены условия установки, зависящие от\r\nрадиуса стороны, на которую он "
    "устанавливается.\r\nНомер 2-ой расчетной стороны в условиях определен неверно!";
const char kFFA[] =
    "для которого определены условия установки, зависящие от\r\nпараметров угла, на который он "
    "устанавливается.\r\nНомер расчетного угла в условиях определен неверно!";
const char kFFL2x[] =
    "для которого определены условия установки, зависящие от\r\nдлины стороны смежной "
    "створки.\r\nНомер стороны смежной створки в условиях определен неверно!";
const char kNoAdjacent[] =
    "для которого определены условия установки, зависящие от\r\nдлины стороны смежной "
    "створки.\r\nСмежная створка не установлена. Установите сначала створку.";
const char kSide1[] =
    "который использует принцип расчета, зависящий от\r\nпараметров стороны, на которую он "
    "устанавливается.\r\nНомер 1-ой расчетной стороны определен неверно!";
const char kSide2[] =
    "который использует принцип расчета, зависящий от\r\nпараметров стороны, на которую он "
    "устанавливается.\r\nНомер 2-ой расчетной стороны определен неверно!";
const char kAngle[] =
    "который использует принцип расчета, зависящий от\r\nугла, на котором он "
    "устанавливается.\r\nНомер расчетного угла определен неверно!";

std::string NoComplectMessage(const std::string& id) {
    return "Комплект фурнитуры [" + id + "] не найден в документации!";
}
std::string NoElementMessage(const std::string& id) {
    return "Элемент фурнитуры [" + id + "] не найден в документации!";
}

// --- sash measures --------------------------------------------------------------------------------

int SideCount(const TftfFlugel& s) { return static_cast<int>(s.Sides.size()); }
int CornerCount(const TftfFlugel& s) { return static_cast<int>(s.Points.size()); }
bool ValidSide(const TftfFlugel& s, std::int64_t n) { return n >= 1 && n <= SideCount(s); }
bool ValidCorner(const TftfFlugel& s, std::int64_t n) { return n >= 1 && n <= CornerCount(s); }
const TftfLine& SideAt(const TftfFlugel& s, std::int64_t n) { return *s.Sides[static_cast<std::size_t>(n - 1)]; }
float LengthOf(const TftfFlugel& s, std::int64_t n) { return SideLength(SideAt(s, n)); }
std::int32_t RadiusOf(const TftfFlugel& s, std::int64_t n) { return UnitsToMm(SideAt(s, n).Radius); }
float AngleOf(const TftfFlugel& s, std::int64_t n) { return CornerAngleAt(s, static_cast<int>(n - 1)); }

// The arc-kind mask of a row (FFR1Type, FFR2Type): 0 or bit 0 any kind.
bool ArcKindAllowed(const TftfLine& side, std::int64_t mask) {
    if (mask == 0 || (mask & 1) != 0) return true;
    return (IsHalfCircleArc(side) && (mask & 2) != 0) || (IsSegmentArc(side) && (mask & 4) != 0) ||
           (IsEllipseArc(side) && (mask & 8) != 0);
}

// StulpType masks of FrnSet and FrnItoI: 0 every type, bit 0 every type, else bit s.
bool StulpAllowed(std::int64_t mask, std::int32_t stulpType) {
    if (mask == 0 || (mask & 1) != 0) return true;
    if (stulpType < 0 || stulpType > 62) return false;
    return (mask & (std::int64_t{1} << stulpType)) != 0;
}

std::string ColourOf(std::int64_t condition, const TExpandInputs& in) {
    switch (condition) {
        case 1: return in.OuterColor;
        case 2: return in.InnerColor;
        case 3: return in.Params.OpenType == 1 ? in.OuterColor : in.InnerColor;
        default: return in.SetColor;
    }
}

const std::vector<std::string>& ChosenValues(const TExpandInputs& in) {
    static const std::vector<std::string> none;
    return in.Sash && in.Sash->FurnComp ? in.Sash->FurnComp->Properties : none;
}

std::string StrikeSystemOf(const TExpandInputs& in) {
    return in.Sash && in.Sash->FurnComp ? in.Sash->FurnComp->ProfSys : std::string();
}

bool IsDebug() {
    const TftfSetup* setup = CurrentSetup();
    return setup && setup->DebugMode;
}

// Field positions of a catalogue dataset, resolved by name once per table: the calculation reads
// thousands of fields per run, and the catalogue's layouts do not change while it runs.
template <std::size_t N>
class FieldSet {
public:
    explicit FieldSet(const std::array<const char*, N>& names) : names_(names) {}
    const std::array<int, N>& Of(const Table& t) {
        if (data_ != &t.Data()) {
            for (std::size_t i = 0; i < N; ++i) {
                index_[i] = t.FieldIndex(names_[i]);
                if (index_[i] < 0)
                    throw FtfError(std::string("Поле [") + names_[i] + "] не найдено в таблице [" + t.Name() + "]");
            }
            data_ = &t.Data();
        }
        return index_;
    }

private:
    std::array<const char*, N> names_;
    std::array<int, N> index_{};
    const TableData* data_ = nullptr;
};

// Whether any row of the dataset has a text value in a field: the "has a row for ..." checks that
// precede each filter, asked for every element and every item of a run.
class KeyPresence {
public:
    explicit KeyPresence(const char* field) : field_({field}) {}
    bool Has(Table& t, std::string_view key) {
        if (stamp_.Renew(t)) Rebuild(t);
        // Open addressing over one flat array: a look-up touches a slot or two, not a chain of
        // nodes spread over the heap.
        const std::size_t h = std::hash<std::string_view>{}(key);
        for (std::size_t i = h & mask_;; i = (i + 1) & mask_) {
            const std::uint32_t k = slots_[i];
            if (k == 0) return false;
            if (hashes_[k - 1] == h && keys_[k - 1] == key) return true;
        }
    }

private:
    void Rebuild(Table& t) {
        keys_.clear();
        hashes_.clear();
        const int f = field_.Of(t)[0];
        std::size_t size = 16;
        while (size < 2 * static_cast<std::size_t>(t.RecordCount()) + 2) size *= 2;
        slots_.assign(size, 0);
        mask_ = size - 1;
        for (t.First(); !t.Eof(); t.Next()) {
            std::string key = t.TextAt(f);
            const std::size_t h = std::hash<std::string_view>{}(key);
            std::size_t i = h & mask_;
            bool seen = false;
            for (; slots_[i] != 0; i = (i + 1) & mask_)
                if (hashes_[slots_[i] - 1] == h && keys_[slots_[i] - 1] == key) {
                    seen = true;
                    break;
                }
            if (seen) continue;
            keys_.push_back(std::move(key));
            hashes_.push_back(h);
            slots_[i] = static_cast<std::uint32_t>(keys_.size());
        }
    }

    FieldSet<1> field_;
    ViewStamp stamp_;
    std::vector<std::string> keys_;
    std::vector<std::size_t> hashes_;
    std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(1, 0);  // 0: empty; else key index + 1
    std::size_t mask_ = 0;
};

// What the calculation reads of an element (FrnItem), by its ID.
struct ElementInfo {
    std::string Name;
    TElementFlags Flags;
    bool Virtual = false;
    std::int64_t CommonGrp = 0;
};

const ElementInfo* FindElement(TDM& dm, const std::string& id) {
    static ViewStamp stamp;
    static std::unordered_map<std::string, ElementInfo> elements;
    Table& t = dm.T_FrnItem();
    if (stamp.Renew(t)) {
        static FieldSet<15> fields({"ID", "Name", "HasFalzLuft", "HasFalzSize", "HasFalzPos", "CheckWeight",
                                    "HasDornMass", "CheckThickness", "CheckProfWidth", "HasProfSys", "CheckStulpType",
                                    "CheckDirect", "HasColor", "Virtual", "CommonGrp"});
        const auto& f = fields.Of(t);
        elements.clear();
        for (t.First(); !t.Eof(); t.Next()) {
            ElementInfo e;
            e.Name = t.TextAt(f[1]);
            TElementFlags& g = e.Flags;
            g.HasFalzLuft = t.IntAt(f[2]) == 1;
            g.HasFalzSize = t.IntAt(f[3]) == 1;
            g.HasFalzPos = t.IntAt(f[4]) == 1;
            g.CheckWeight = t.IntAt(f[5]) == 1;
            g.HasDornMass = t.IntAt(f[6]) == 1;
            g.CheckThickness = t.IntAt(f[7]) == 1;
            g.CheckProfWidth = t.IntAt(f[8]) == 1;
            g.HasProfSys = t.IntAt(f[9]) == 1;
            g.CheckStulpType = t.IntAt(f[10]) == 1;
            g.CheckDirect = t.IntAt(f[11]) == 1;
            g.HasColor = t.IntAt(f[12]) == 1;
            e.Virtual = t.IntAt(f[13]) == 1;
            e.CommonGrp = t.IntAt(f[14]);
            elements.emplace(t.TextAt(f[0]), std::move(e));  // the first row of an ID wins, as a locate finds it
        }
    }
    auto it = elements.find(id);
    return it == elements.end() ? nullptr : &it->second;
}

}  // namespace

// --- property match ------------------------------------------------------------------------------

namespace {

// The value IDs of every property key, read from FrnProp once per state of its rows: the rule
// rows of one run ask for the same few keys hundreds of times.
struct PropKeyIds {
    ViewStamp stamp;
    std::unordered_map<std::int64_t, std::vector<std::int64_t>> ids;
};

const std::vector<std::int64_t>* IdsOfKey(TDM& dm, std::int32_t propKey) {
    static PropKeyIds cache;
    Table& t = dm.T_FrnProp();
    if (cache.stamp.Renew(t)) {
        static FieldSet<2> fields({"PropKey", "ID"});
        const auto& f = fields.Of(t);
        cache.ids.clear();
        for (t.First(); !t.Eof(); t.Next()) cache.ids[t.IntAt(f[0])].push_back(t.IntAt(f[1]));
    }
    auto it = cache.ids.find(propKey);
    return it == cache.ids.end() ? nullptr : &it->second;
}

}  // namespace

bool CheckProps(TDM& dm, std::int32_t propKey, const std::vector<std::string>& chosen, int part) {
    const std::vector<std::int64_t>* ids = IdsOfKey(dm, propKey);
    if (!ids) return true;
    const char digit = static_cast<char>('0' + part);
    for (const std::string& entry : chosen) {
        if (part < 0 || part > 9 || entry.empty() || entry[0] != digit) continue;
        // The digit and the character after it; the rest is the value ID.
        const std::string_view rest = entry.size() > 2 ? std::string_view(entry).substr(2) : std::string_view();
        double parsed = 0;
        if (!ParseDecimal(rest, parsed) || parsed != std::floor(parsed)) continue;
        const auto v = static_cast<std::int64_t>(parsed);
        if (std::find(ids->begin(), ids->end(), v) != ids->end()) continue;
        // The key allows other values of this property (the same ten) but not the chosen one.
        const std::int64_t d = (v / 10) * 10;
        for (std::int64_t id : *ids)
            if (id >= d && id < d + 10) return false;
    }
    return true;
}

int CountByScheme(std::string_view scheme, double size) {
    int count = 0;
    std::size_t start = 0;
    while (start <= scheme.size()) {
        std::size_t end = scheme.find(';', start);
        if (end == std::string_view::npos) end = scheme.size();
        std::string_view field = scheme.substr(start, end - start);
        while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
        bool number = !field.empty();
        std::size_t i = 0;
        if (number && (field[0] == '-' || field[0] == '+')) i = 1;
        if (i >= field.size()) number = false;
        for (; number && i < field.size(); ++i)
            if (field[i] < '0' || field[i] > '9') number = false;
        if (number && field.size() < 12) {
            const long long v = std::stoll(std::string(field));
            if (v != -1 && static_cast<double>(v) <= size) ++count;
        }
        if (end == scheme.size()) break;
        start = end + 1;
    }
    return count;
}

// --- article selection ----------------------------------------------------------------------------

std::string BuildArticleFilter(const TElementFlags& f, const TArticleRequest& r, std::string* fallback) {
    std::string s;
    s.reserve(256);
    const long long ffb = r.FFB, ffh = r.FFH;
    switch (r.Condition) {
        case 1: Cat(s, "FFBMin <= ", ffb, " and FFBMax >= ", ffb, " "); break;
        case 2: Cat(s, "FFHMin <= ", ffh, " and FFHMax >= ", ffh, " "); break;
        case 3: Cat(s, "FFBMin <= ", ffb, " and FFBMax >= ", ffb, " and FFHMin <= ", ffh, " and FFHMax >= ", ffh, " "); break;
        case 4: Cat(s, "FFL1Min <= ", Fixed{r.L1, 0}, " and FFL1Max >= ", Fixed{r.L1, 0}, " "); break;
        case 5: Cat(s, "FFL2Min <= ", Fixed{r.L2, 0}, " and FFL2Max >= ", Fixed{r.L2, 0}, " "); break;
        case 6:
            Cat(s, "FFL1Min <= ", Fixed{r.L1, 0}, " and FFL1Max >= ", Fixed{r.L1, 0}, " and FFL2Min <= ", Fixed{r.L2, 0},
                " and FFL2Max >= ", Fixed{r.L2, 0}, " ");
            break;
        case 7: Cat(s, "FFAMin <= ", Fixed{r.A, 2}, " and FFAMax >= ", Fixed{r.A, 2}, " "); break;
        case 8: Cat(s, "FFR1Min <= ", Fixed{r.R1, 0}, " and FFR1Max >= ", Fixed{r.R1, 0}, " "); break;
        case 9: Cat(s, "FFR2Min <= ", Fixed{r.R2, 0}, " and FFR2Max >= ", Fixed{r.R2, 0}, " "); break;
        case 10:
            Cat(s, "FFR1Min <= ", Fixed{r.R1, 0}, " and FFR1Max >= ", Fixed{r.R1, 0}, " and FFR2Min <= ", Fixed{r.R2, 0},
                " and FFR2Max >= ", Fixed{r.R2, 0}, " ");
            break;
        default: break;
    }
    // Each criterion has a first form and an "and" form (its joiner, then the body); both are
    // used exactly as written. A body is only formatted for a criterion the element checks.
    auto add = [&s](bool on, const char* joiner, const auto&... body) {
        if (!on) return;
        if (!s.empty()) s += joiner;
        Cat(s, body...);
    };
    const TSashParams& p = r.Params;
    add(f.HasFalzLuft, "and ", "FalzLuft = ", static_cast<long long>(p.FalzLuft), " ");
    add(f.HasFalzSize, "and ", "FalzSize = ", static_cast<long long>(p.FalzSize), " ");
    add(f.HasFalzPos, "and ", "FalzPos = ", static_cast<long long>(p.FalzPos), " ");
    add(f.CheckWeight, "and ", "WeightMin <= ", Fixed{r.Weight, 2}, " and  WeightMax >= ", Fixed{r.Weight, 2}, " ");
    add(f.HasDornMass, "and ", "DornMassMin <= ", Fixed{p.Backset, 2}, " and DornMassMax >= ", Fixed{p.Backset, 2}, " ");
    add(f.CheckThickness, " and ", "ThicknessMin <= ", Fixed{p.ProfileThickness, 0}, " and ThicknessMax >= ",
        Fixed{p.ProfileThickness, 0}, " ");
    add(f.CheckProfWidth, " and ", "ProfWidthMin <= ", Fixed{r.ProfileWidth, 0}, " and ProfWidthMax >= ",
        Fixed{r.ProfileWidth, 0}, " ");
    add(f.HasProfSys, "and ", "ProfSys = '", Quoted{r.StrikeSystem}, "' ");
    add(f.CheckStulpType, "and ", "StulpType = ", static_cast<long long>(r.StulpType), " ");
    add(f.CheckDirect, "and ", "(Direct = 3 or Direct = ", static_cast<long long>(r.Direction), ") ");
    add(true, "and ", "ID='", Quoted{r.ElementId}, "' ");
    if (fallback) {
        fallback->assign(s);
        fallback->append(s.empty() ? "Color = '' " : "and Color = '' ");
    }
    add(f.HasColor, "and ", "Color = '", Quoted{r.Color}, "' ");
    return s;
}

TArticleResult SelectArticle(TDM& dm, const TArticleRequest& r) {
    TArticleResult result;
    Table& art = dm.T_FrnArt();
    static KeyPresence hasRules("ID");
    if (!hasRules.Has(art, r.ElementId)) return result;

    const ElementInfo* element = FindElement(dm, r.ElementId);
    if (!element) throw FtfError(NoElementMessage(r.ElementId));
    const std::string& elementName = element->Name;
    const TElementFlags& f = element->Flags;

    if (f.HasProfSys && r.StrikeSystem.empty())
        throw FtfError("Для комплекта фурнитуры [" + r.CallerName + "]\r\nне указана система ответных планок!");
    std::string fallback;
    const std::string filter = BuildArticleFilter(f, r, &fallback);

    int matched = 0;
    std::int64_t rowHandle = 0;
    {
        FilterScope scope(art, filter, ExactCodes());
        matched = art.RecordCount();
        if (matched == 0 && f.HasColor) {
            scope.Reset(fallback);
            matched = art.RecordCount();
        }
        if (matched > 1) {
            ChoiceRequest choice;
            choice.caption = "Список артикулов";
            choice.text = "В документации присутствует несколько альтернативных вариантов. Выберите нужный элемент.";
            choice.columns = {"CatalogID", "CatalogNameLookup"};
            for (art.First(); !art.Eof(); art.Next())
                choice.rows.push_back({art.AsText("CatalogID"), art.AsText("CatalogNameLookup")});
            choice.initialRow = 0;
            art.First();
            int row = CurrentPrompter().Choose(choice);
            row = std::clamp(row, 0, matched - 1);
            art.MoveBy(row);
        }
        if (matched > 0) {
            static FieldSet<2> fields({"CatalogID", "HandleHeight"});
            const auto& f = fields.Of(art);
            result.Article = art.TextAt(f[0]);
            rowHandle = art.IntAt(f[1]);
        }
    }
    if (matched == 0) {
        if (!r.Required) return result;
        if (!r.AlertText.empty()) throw FtfError(r.AlertText);
        throw FtfError("В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры [" +
                       elementName + "]!\r\n\r\nИскомый запрос:\r\n" + filter);
    }
    if (result.Article.empty())
        throw FtfError("В БД артикулов фурнитуры найден пустой\r\nартикул для элемента фурнитуры [" + elementName +
                       "]!");
    result.Found = true;
    if (r.DefineHandleHeight) {
        if (rowHandle != 0) {
            result.HandleHeight = static_cast<std::int32_t>(rowHandle);
        } else {
            long double reference = 0;
            bool has = true;
            switch (r.Condition) {
                case 1: reference = r.FFB; break;
                case 2: reference = r.FFH; break;
                case 4: reference = r.L1; break;
                case 5: reference = r.L2; break;
                case 6: reference = r.L1; break;
                default: has = false; break;
            }
            result.HandleHeight = has ? RoundAway(reference / 2) : 0;
        }
    }
    return result;
}

// --- complect expansion ---------------------------------------------------------------------------

namespace {

// One FrnSet row, read before anything else moves the datasets.
struct SetRow {
    std::string Item, UseIfArt, ScaleScheme, LenFormula, Note, Alert;
    std::int64_t PropKey, ItemSideNo, FFBMin, FFBMax, FFHMin, FFHMax, FFL1No, FFL1Min, FFL1Max, FFL2No, FFL2Min,
        FFL2Max, FFR1No, FFR1Min, FFR1Max, FFR1Type, FFR2No, FFR2Min, FFR2Max, FFR2Type, FFANo, FFL21No, FFL21Min,
        FFL21Max, FFL22No, FFL22Min, FFL22Max, StulpType, Condition, Side1No, Side2No, AngleNo, ColorCondition,
        Number, ScaleCondition, ScaleStart, ScaleStep, ScaleNum, Required, DefineHandleHeight, HandleSideNo, UseLen,
        MinLen;
    double FFAMin, FFAMax;
};

#define FTF_SET_TEXTS(X) X(Item) X(UseIfArt) X(ScaleScheme) X(LenFormula) X(Note) X(AlertIfNoArt)
#define FTF_SET_INTS(X)                                                                                   \
    X(PropKey) X(ItemSideNo) X(FFBMin) X(FFBMax) X(FFHMin) X(FFHMax) X(FFL1No) X(FFL1Min) X(FFL1Max)      \
    X(FFL2No) X(FFL2Min) X(FFL2Max) X(FFR1No) X(FFR1Min) X(FFR1Max) X(FFR1Type) X(FFR2No) X(FFR2Min)      \
    X(FFR2Max) X(FFR2Type) X(FFANo) X(FFL21No) X(FFL21Min) X(FFL21Max) X(FFL22No) X(FFL22Min) X(FFL22Max) \
    X(StulpType) X(Condition) X(Side1No) X(Side2No) X(AngleNo) X(ColorCondition) X(Number)              \
    X(ScaleCondition) X(ScaleStart) X(ScaleStep) X(ScaleNum) X(Required) X(DefineHandleHeight)          \
    X(HandleSideNo) X(UseLen) X(MinLen)
#define FTF_SET_REALS(X) X(FFAMin) X(FFAMax)
#define FTF_NAME(n) #n,
#define FTF_ENUM(n) k##n,

enum SetField { FTF_SET_TEXTS(FTF_ENUM) FTF_SET_INTS(FTF_ENUM) FTF_SET_REALS(FTF_ENUM) kSetFieldCount };

SetRow ReadSetRow(Table& t) {
    static FieldSet<kSetFieldCount> fields(
        std::array<const char*, kSetFieldCount>{FTF_SET_TEXTS(FTF_NAME) FTF_SET_INTS(FTF_NAME) FTF_SET_REALS(FTF_NAME)});
    const auto& f = fields.Of(t);
    SetRow r;
    r.Item = t.TextAt(f[kItem]);
    r.UseIfArt = t.TextAt(f[kUseIfArt]);
    r.ScaleScheme = t.TextAt(f[kScaleScheme]);
    r.LenFormula = t.TextAt(f[kLenFormula]);
    r.Note = t.TextAt(f[kNote]);
    r.Alert = t.TextAt(f[kAlertIfNoArt]);
#define FTF_READ_INT(n) r.n = t.IntAt(f[k##n]);
    FTF_SET_INTS(FTF_READ_INT)
#undef FTF_READ_INT
    r.FFAMin = t.RealAt(f[kFFAMin]);
    r.FFAMax = t.RealAt(f[kFFAMax]);
    return r;
}

#undef FTF_SET_TEXTS
#undef FTF_SET_INTS
#undef FTF_SET_REALS
#undef FTF_NAME
#undef FTF_ENUM

bool AdjacentHolds(const TftfFlugel& adjacent, const std::string& article) {
    return adjacent.FurnComp && adjacent.FurnComp->FindItemById(article) >= 0;
}

// Whole-number steps of a scaling dimension above its start.
std::int64_t StepsOver(long double above, std::int64_t step) {
    return static_cast<std::int64_t>(above) / step;
}

}  // namespace

void ExpandComplect(TDM& dm, const TExpandInputs& in) {
    TftfFlugel& sash = *in.Sash;
    TftfFurnComp& set = *sash.FurnComp;
    if (!LocateComplect(dm, in.ComplectId)) throw FtfError(NoComplectMessage(in.ComplectId));
    const std::string complectName = dm.T_FrnComp().AsText("Name");
    if (in.Params.OpenType == 2 && dm.T_FrnComp().AsInt("TFlugelAvailable") == 0)
        throw FtfError("Не допускается установка комплекта [" + in.ComplectId + "] на T-образную створку!");

    Table& rows = dm.T_FrnSet();
    std::string filter;
    Cat(filter, "ID = '", Quoted{in.ComplectId}, "'");
    FilterScope scope(rows, filter, ExactCodes());
    for (; !rows.Eof(); rows.Next()) {
        const SetRow r = ReadSetRow(rows);
        std::string elementName;
        bool isVirtual = false;
        if (const ElementInfo* e = r.Item.empty() ? nullptr : FindElement(dm, r.Item)) {
            elementName = e->Name;
            isVirtual = e->Virtual;
        }
        if (r.Item.empty())
            throw FtfError("В БД наборов фурнитуры в комплекте\r\n[" + complectName +
                           "] содержится пустой элемент!");
        auto fail = [&](const char* tail) { throw FtfError(SideMessage(complectName, elementName, tail)); };

        if (!CheckProps(dm, static_cast<std::int32_t>(r.PropKey), ChosenValues(in), in.Part)) continue;

        if (!r.UseIfArt.empty()) {
            if (!in.Adjacent || !in.Adjacent->FurnComp)
                throw FtfError(std::string(kSetPrefix) + complectName + "]\r\nсодержится элемент фурнитуры [" +
                               elementName +
                               "],\r\nдля которого определена ссылка на артикул смежной штульповой створки.\r\n"
                               "Комплект для смежной створки еще не определен. Установите сначала комплект на "
                               "соседнюю створку!");
            if (!AdjacentHolds(*in.Adjacent, r.UseIfArt)) continue;
        }

        if ((r.FFBMax > 0 && r.FFBMax < in.FFB) || in.FFB < r.FFBMin) continue;
        if ((r.FFHMax > 0 && r.FFHMax < in.FFH) || in.FFH < r.FFHMin) continue;

        if (r.FFL1Min != 0 || r.FFL1Max != 0) {
            if (!ValidSide(sash, r.FFL1No)) fail(kFFL1);
            const float l = LengthOf(sash, r.FFL1No);
            if ((r.FFL1Max > 0 && r.FFL1Max < l) || r.FFL1Min > l) continue;
        }
        if (r.FFL2Min != 0 || r.FFL2Max != 0) {
            if (!ValidSide(sash, r.FFL2No)) fail(kFFL2);
            const float l = LengthOf(sash, r.FFL2No);
            if ((r.FFL2Max > 0 && r.FFL2Max < l) || r.FFL2Min > l) continue;
        }
        auto radiusFits = [&](std::int64_t no, std::int64_t mn, std::int64_t mx, std::int64_t type,
                              const char* message) {
            if (mn == 0 && mx == 0 && type < 2) return true;
            if (!ValidSide(sash, no)) fail(message);
            const std::int32_t radius = RadiusOf(sash, no);
            if ((mx > 0 && mx < radius) || mn > radius) return false;
            return ArcKindAllowed(SideAt(sash, no), type);
        };
        if (!radiusFits(r.FFR1No, r.FFR1Min, r.FFR1Max, r.FFR1Type, kFFR1)) continue;
        if (!radiusFits(r.FFR2No, r.FFR2Min, r.FFR2Max, r.FFR2Type, kFFR2)) continue;
        if (r.FFAMin != 0 || r.FFAMax != 0) {
            if (!ValidCorner(sash, r.FFANo)) fail(kFFA);
            const float a = AngleOf(sash, r.FFANo);
            if ((r.FFAMax > 0 && r.FFAMax < a) || r.FFAMin > a) continue;
        }
        if (!StulpAllowed(r.StulpType, in.StulpType)) continue;
        auto adjacentFits = [&](std::int64_t no, std::int64_t mn, std::int64_t mx) {
            if (mn == 0 && mx == 0) return true;
            if (!in.Adjacent) fail(kNoAdjacent);
            if (!ValidSide(*in.Adjacent, no)) fail(kFFL2x);
            const float l = LengthOf(*in.Adjacent, no);
            return !((mx > 0 && mx < l) || mn > l);
        };
        if (!adjacentFits(r.FFL21No, r.FFL21Min, r.FFL21Max)) continue;
        if (!adjacentFits(r.FFL22No, r.FFL22Min, r.FFL22Max)) continue;

        // Measures for the article rule (and for scaling by a side).
        float l1 = 0, l2 = 0, r1 = 0, r2 = 0, angle = 0;
        const std::int64_t c = r.Condition;
        if (c == 4 || c == 6 || c == 8 || c == 10) {
            if (!ValidSide(sash, r.Side1No)) fail(kSide1);
            l1 = LengthOf(sash, r.Side1No);
            r1 = static_cast<float>(RadiusOf(sash, r.Side1No));
        }
        if (c == 5 || c == 6 || c == 9 || c == 10) {
            if (!ValidSide(sash, r.Side2No)) fail(kSide2);
            l2 = LengthOf(sash, r.Side2No);
            r2 = static_cast<float>(RadiusOf(sash, r.Side2No));
        }
        if (c == 7) {
            if (!ValidCorner(sash, r.AngleNo)) fail(kAngle);
            angle = AngleOf(sash, r.AngleNo);
        }

        const std::string colour = ColourOf(r.ColorCondition, in);

        // Quantity.
        std::int64_t quantity = r.Number;
        if (r.ScaleCondition >= 1 && r.ScaleCondition <= 4) {
            long double size = 0;
            bool bySide = false;
            if (r.ScaleCondition == 1) size = in.FFB;
            else if (r.ScaleCondition == 2) size = in.FFH;
            else if (r.ScaleCondition == 3) {
                if (!ValidSide(sash, r.Side1No)) fail(kSide1);
                size = LengthOf(sash, r.Side1No);
                bySide = true;
            } else {
                if (!ValidSide(sash, r.Side2No)) fail(kSide2);
                size = LengthOf(sash, r.Side2No);
                bySide = true;
            }
            if (!r.ScaleScheme.empty()) {
                quantity = CountByScheme(r.ScaleScheme, static_cast<double>(size)) * r.ScaleNum + r.Number;
            } else {
                if (r.ScaleStep < 1)
                    throw FtfError(std::string(kSetPrefix) + complectName + "]\r\nсодержится элемент фурнитуры [" +
                                   elementName + "],\r\nимеющий масштабирование и шаг равный нулю!");
                if (size < r.ScaleStart) {
                    quantity = r.Number;
                } else {
                    long double above = size - r.ScaleStart;
                    if (bySide) above = RoundAway(above);
                    quantity = (StepsOver(above, r.ScaleStep) + r.Number + 1) * r.ScaleNum;
                }
            }
        }

        // Length.
        float length = 0;
        if (r.UseLen == 1 && !r.LenFormula.empty()) {
            const double value = Evaluate(sash, r.LenFormula);
            if (static_cast<double>(r.MinLen) > value)
                throw FtfError(std::string(kSetPrefix) + complectName + "]\r\nсодержится элемент фурнитуры [" +
                               elementName + "],\r\nимеющий недопустимое расчетное значение длины " +
                               FormatFixed(static_cast<long double>(value), 1) +
                               " (Мин. допустимая длина = " + Num(r.MinLen) +
                               ")!\r\n(Одна из возможных причин - установлена недопустимая высота ручки при "
                               "расчете тяги)");
            length = static_cast<float>(value);
        }

        if (!isVirtual) {
            TArticleRequest q;
            q.ElementId = r.Item;
            q.CallerName = complectName;
            q.StrikeSystem = StrikeSystemOf(in);
            q.AlertText = r.Alert;
            q.Required = r.Required == 1;
            q.Direction = in.Direction;
            q.StulpType = in.StulpType;
            q.DefineHandleHeight = r.DefineHandleHeight == 1;
            q.ProfileWidth = in.ProfileWidth;
            q.Color = colour;
            q.Weight = 0;
            q.Params = in.Params;
            q.A = angle;
            q.R2 = r2;
            q.R1 = r1;
            q.L2 = l2;
            q.L1 = l1;
            q.FFH = in.FFH;
            q.FFB = in.FFB;
            q.Condition = static_cast<std::int32_t>(r.Condition);
            const TArticleResult found = SelectArticle(dm, q);
            if (found.Found) {
                if (!in.HandleFixedByUser && found.HandleHeight != 0) {
                    std::int64_t n = r.HandleSideNo;
                    if (!ValidSide(sash, n)) n = sash.HandleSideIndex() + 1;
                    if (ValidSide(sash, n)) {
                        const int direct = GetSideHandleDirect(dm, in.ComplectId, static_cast<int>(n));
                        sash.Sides[static_cast<std::size_t>(n - 1)]->SetHandle(found.HandleHeight, direct != 0);
                    }
                }
                set.AddItem(found.Article, in.ComplectId,
                            "Комплект:" + in.ComplectId + " -> Элемент:" + r.Item + " -> Артикул:" + found.Article,
                            in.Debug, length, r.Note, static_cast<std::int32_t>(quantity),
                            static_cast<std::int32_t>(r.ItemSideNo));
            }
        }
        ExpandCompositeElement(dm, in, r.Item, static_cast<std::int32_t>(quantity),
                               static_cast<std::int32_t>(r.ItemSideNo));
    }
}

void ExpandCompositeElement(TDM& dm, const TExpandInputs& in, const std::string& elementId,
                            std::int32_t quantity, std::int32_t sideNo) {
    Table& subs = dm.T_FrnItoI();
    static KeyPresence composite("ID");
    if (!composite.Has(subs, elementId)) return;
    const ElementInfo* element = FindElement(dm, elementId);
    if (!element) throw FtfError(NoElementMessage(elementId));
    const std::string compositeName = element->Name;
    TftfFurnComp& set = *in.Sash->FurnComp;

    std::string filter;
    Cat(filter, "ID = '", Quoted{elementId}, "'");
    FilterScope scope(subs, filter, ExactCodes());
    for (; !subs.Eof(); subs.Next()) {
        const std::string item = subs.AsText("Item");
        if (item.empty())
            throw FtfError("В составе составного элемента [" + compositeName + "] содержится пустой элемент!");
        const std::int64_t ownSide = subs.AsInt("ItemSideNo");
        const std::int32_t side = ownSide != 0 ? static_cast<std::int32_t>(ownSide) : sideNo;
        if (!CheckProps(dm, static_cast<std::int32_t>(subs.AsInt("PropKey")), ChosenValues(in), in.Part)) continue;
        if (!StulpAllowed(subs.AsInt("StulpType"), in.StulpType)) continue;
        const std::int64_t number = subs.AsInt("Number");
        const std::string note = subs.AsText("Note");

        TArticleRequest q;
        q.ElementId = item;
        q.CallerName = compositeName;
        q.StrikeSystem = StrikeSystemOf(in);
        q.AlertText = subs.AsText("AlertIfNoArt");
        q.Required = subs.AsInt("Required") == 1;
        q.Direction = in.Direction;
        q.StulpType = in.StulpType;
        q.DefineHandleHeight = false;
        q.ProfileWidth = in.ProfileWidth;
        q.Color = ColourOf(subs.AsInt("ColorCondition"), in);
        q.Params = in.Params;
        q.Condition = 0;
        const TArticleResult found = SelectArticle(dm, q);
        if (!found.Found) continue;
        set.AddItem(found.Article, in.ComplectId,
                    "Комплект:" + in.ComplectId + " -> Элемент:" + elementId + " -> Элемент:" + item +
                        " -> Артикул:" + found.Article,
                    in.Debug, 0, note, static_cast<std::int32_t>(number * quantity), side);
    }
}

bool ComplectFitsSash(TDM& dm, const TftfFlugel& sash, const std::string& complectId) {
    Table& t = dm.T_FrnSide();
    std::string filter;
    Cat(filter, "ID='", Quoted{complectId}, "'");
    FilterScope scope(t, filter, ExactCodes());
    if (t.RecordCount() != SideCount(sash)) return false;
    if (t.RecordCount() == 0) return false;
    // The dataset is ordered by ID;Side, so the filtered rows come in Side order.
    for (t.First(); !t.Eof(); t.Next()) {
        const std::int64_t n = t.AsInt("Side");
        if (!ValidSide(sash, n)) return false;
        const TftfLine& side = SideAt(sash, n);
        const std::int32_t length = RoundAway(SideLength(side));
        const std::int32_t radius = UnitsToMm(side.Radius);
        const float angle = AngleOf(sash, n);
        if (length < t.AsInt("MinSize") || length > t.AsInt("MaxSize")) return false;
        if (angle < t.AsReal("MinAngle") || angle > t.AsReal("MaxAngle")) return false;
        if (radius < t.AsInt("MinRadius") || radius > t.AsInt("MaxRadius")) return false;
        if (IsHalfCircleArc(side) && t.AsInt("FullRadius") == 0) return false;
        if (IsSegmentArc(side) && t.AsInt("HalfRadius") == 0) return false;
        if (IsEllipseArc(side) && t.AsInt("EllipseRadius") == 0) return false;
    }
    return true;
}

// --- the run --------------------------------------------------------------------------------------

namespace {

struct ItemView {
    std::string Article, History, Note, Complect;
    std::int32_t Count = 0;
    std::int32_t Side = 0;
};

ItemView ViewOf(const TftfFurnItem& it) {
    return ItemView{it.ArticleId, it.History, it.Comment, it.ParentComplect, it.ItemCount, it.SideNo};
}

std::string PassFilter(const ItemView& v, std::int32_t stulpType) {
    std::string s;
    s.reserve(160);
    Cat(s, "CatalogID = '", Quoted{v.Article}, "' and (StulpType=", static_cast<long long>(stulpType),
        " or StulpType=0) and (ItemSideNo=", static_cast<long long>(v.Side), " or ItemSideNo=0) and (ItemComplectID='",
        Quoted{v.Complect}, "' or ItemComplectID='')");
    return s;
}

struct RunContext {
    TDM& dm;
    TftfFurnComp& set;
    TSashParams params;
    std::int32_t stulpType = 6;
    std::int32_t direction = 0;
    bool debug = false;
};

void StrikePlatePass(RunContext& c) {
    Table& t = c.dm.T_FrnSchl();
    const std::size_t n = c.set.Items.size();
    bool systemIsNumber = false;
    long long system = 0;
    {
        double v = 0;
        if (ParseDecimal(c.set.FurnSys, v) && v == std::floor(v) && std::fabs(v) < 1e15) {
            systemIsNumber = true;
            system = static_cast<long long>(v);
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        static KeyPresence hasPlates("CatalogID");
        if (!hasPlates.Has(t, c.set.Items[i]->ArticleId)) continue;
        // A copy: the additions below may change the item itself (its count).
        const ItemView v = ViewOf(*c.set.Items[i]);
        FilterScope scope(t, PassFilter(v, c.stulpType), ExactCodes());
        static FieldSet<3> fields({"Item", "Number", "PropKey"});
        const auto& f = fields.Of(t);
        for (; !t.Eof(); t.Next()) {
            const std::string element = t.TextAt(f[0]);
            const std::int64_t number = t.IntAt(f[1]);
            if (!CheckProps(c.dm, static_cast<std::int32_t>(t.IntAt(f[2])), c.set.Properties, 0)) continue;
            if (const ElementInfo* e = FindElement(c.dm, element)) {
                const std::int64_t g = e->CommonGrp;
                if (g != 0 && systemIsNumber) {
                    if (g % 100 != 0) {
                        if (g != system) continue;
                    } else if (system / 100 != g / 100) {
                        continue;
                    }
                }
            }
            TArticleRequest q;
            q.ElementId = element;
            q.CallerName = "Подбор ответных планок";
            q.StrikeSystem = c.set.ProfSys;
            q.Required = true;
            q.Direction = c.direction;
            q.StulpType = c.stulpType;
            q.Params = c.params;
            const TArticleResult found = SelectArticle(c.dm, q);
            if (!found.Found) continue;
            c.set.AddItem(found.Article, v.Complect, v.History + " -> Элемент:" + element + " -> Артикул:" + found.Article,
                          c.debug, 0, v.Note, static_cast<std::int32_t>(number * v.Count), v.Side);
        }
    }
}

void CoverPass(RunContext& c) {
    Table& t = c.dm.T_FrnAbd();
    const std::size_t n = c.set.Items.size();
    for (std::size_t i = 0; i < n; ++i) {
        static KeyPresence hasCovers("CatalogID");
        if (!hasCovers.Has(t, c.set.Items[i]->ArticleId)) continue;
        // A copy: the additions below may change the item itself (its count).
        const ItemView v = ViewOf(*c.set.Items[i]);
        std::string filter;
        filter.reserve(128);
        Cat(filter, "CatalogID = '", Quoted{v.Article}, "' and Color='", Quoted{c.set.FurnColor}, "'",
            " and (ItemSideNo=", static_cast<long long>(v.Side), " or ItemSideNo=0)");
        FilterScope scope(t, filter, ExactCodes());
        if (t.RecordCount() == 0) {
            filter.clear();
            Cat(filter, "CatalogID = '", Quoted{v.Article}, "' and Color=''", " and (ItemSideNo=",
                static_cast<long long>(v.Side), " or ItemSideNo=0)");
            scope.Reset(filter);
        }
        for (t.First(); !t.Eof(); t.Next()) {
            static FieldSet<2> fields({"AccessoryID", "Number"});
            const auto& f = fields.Of(t);
            const std::string accessory = t.TextAt(f[0]);
            c.set.AddItem(accessory, v.Complect, v.History + " -> Артикул:" + accessory, c.debug, 0, v.Note,
                          static_cast<std::int32_t>(t.IntAt(f[1]) * v.Count), v.Side);
        }
    }
}

void AdditionalPass(RunContext& c) {
    Table& t = c.dm.T_FrnDop();
    const std::size_t n = c.set.Items.size();
    for (std::size_t i = 0; i < n; ++i) {
        static KeyPresence hasAdditions("CatalogID");
        if (!hasAdditions.Has(t, c.set.Items[i]->ArticleId)) continue;
        // A copy: the additions below may change the item itself (its count).
        const ItemView v = ViewOf(*c.set.Items[i]);
        FilterScope scope(t, PassFilter(v, c.stulpType), ExactCodes());
        static FieldSet<3> fields({"AccessoryID", "Number", "PropKey"});
        const auto& f = fields.Of(t);
        for (; !t.Eof(); t.Next()) {
            if (!CheckProps(c.dm, static_cast<std::int32_t>(t.IntAt(f[2])), c.set.Properties, 0)) continue;
            const std::string accessory = t.TextAt(f[0]);
            c.set.AddItem(accessory, v.Complect, v.History + " -> Артикул:" + accessory, c.debug, 0, v.Note,
                          static_cast<std::int32_t>(t.IntAt(f[1]) * v.Count), v.Side);
        }
    }
}

}  // namespace

bool CalcFurnComp(TDM& dm, TftfFurnComp& set, bool debug) {
    TftfFlugel* sash = set.Sash;
    if (!sash || !sash->Construction) return false;
    TftfConstruction& pos = *sash->Construction;

    const TftfFlugel* adjacent = nullptr;
    if (pos.Arrangement == 0 || pos.Arrangement == 1)
        adjacent = pos.Sash1.get() == sash ? pos.Sash2.get() : pos.Sash1.get();

    TSashParams params;
    params.ProfileWidth = pos.ProfileWidth;
    params.ProfileThickness = pos.ProfileThickness;
    const FalzParams falz = GetFalzParams(dm, pos.FalzType, false);
    params.FalzLuft = falz.FalzLuft;
    params.FalzSize = falz.FalzSize;
    params.FalzPos = falz.FalzPos;
    params.Backset = GetDornMass(dm, sash->Dornmass, false);
    params.OpenType = GetOpenType(dm, pos.OpenType, false);
    if (!(params.Backset > 0)) throw FtfError("Не определена величина 'Дормасс'!");
    if (params.FalzLuft < 1 || params.FalzSize < 1 || params.FalzPos < 1)
        throw FtfError("В документации не установлены\r\nпараметры фальца " + Num(params.FalzLuft) + "/" +
                       Num(params.FalzSize) + "-" + Num(params.FalzPos) + "!");
    if (!LocateComplect(dm, set.Complect)) throw FtfError(NoComplectMessage(set.Complect));
    const auto direction = static_cast<std::int32_t>(dm.T_FrnComp().AsInt("Direct"));
    const std::int32_t stulpType =
        (pos.Arrangement == 0 || pos.Arrangement == 1) ? GetStulpType(dm, pos.StulpType, false) : 6;
    std::int32_t ffb = 0, ffh = 0;
    RebateSize(*sash, ffb, ffh);

    TExpandInputs in;
    in.FFB = ffb;
    in.FFH = ffh;
    in.Sash = sash;
    in.Adjacent = adjacent;
    in.Params = params;
    in.SetColor = set.FurnColor;
    if (pos.Order) {
        in.InnerColor = pos.Order->InnerProfColor();
        in.OuterColor = pos.Order->OuterProfColor();
    }
    in.ProfileWidth = 100;
    in.StulpType = stulpType;
    in.Direction = direction;
    in.Debug = debug;

    std::optional<TftfFurnComp::AddingRun> adding(std::in_place, set);
    const std::pair<const std::string*, int> slots[] = {
        {&set.Complect, 0}, {&set.HandleId, 1}, {&set.Hinge, 2}, {&set.Lock, 3},
        {&set.Cylinder, 4}, {&set.Drive, 5},    {&set.Latch, 6},
    };
    for (const auto& [code, part] : slots) {
        if (code->empty()) continue;
        in.ComplectId = *code;
        in.Part = part;
        in.HandleFixedByUser = part == 0 && set.UserHandleHeight;
        ExpandComplect(dm, in);
    }
    // A copy: an expansion cannot change the list, but the loop must not depend on that.
    const std::vector<std::string> extras = set.ExtraComplects;
    for (const std::string& code : extras) {
        if (code.empty()) continue;
        in.ComplectId = code;
        in.Part = 0;
        in.HandleFixedByUser = false;
        ExpandComplect(dm, in);
    }

    RunContext run{dm, set, params, stulpType, direction, debug};
    StrikePlatePass(run);
    CoverPass(run);
    AdditionalPass(run);
    adding.reset();

    std::erase_if(set.Items, [](const std::unique_ptr<TftfFurnItem>& item) { return item->ItemCount == 0; });
    std::stable_sort(set.Items.begin(), set.Items.end(),
                     [](const std::unique_ptr<TftfFurnItem>& a, const std::unique_ptr<TftfFurnItem>& b) {
                         return CompareItemsById(*a, *b) < 0;
                     });
    return true;
}

void TFurnEngine::CalcFurnComp(TftfFurnComp& set) { ftf::CalcFurnComp(dm_, set, IsDebug()); }

}  // namespace ftf
