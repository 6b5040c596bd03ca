#include "catalogue/Lookups.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "settings/Setup.h"

namespace ftf {

namespace {

// The messages carry "%s" with catalogue codes of any length, so they are filled by hand.
std::string FillText(std::string_view format, std::string_view arg) {
    std::string out;
    const std::size_t at = format.find("%s");
    if (at == std::string_view::npos) return std::string(format);
    out.append(format.substr(0, at));
    out.append(arg);
    out.append(format.substr(at + 2));
    return out;
}

std::string FillNumber(std::string_view format, long long number) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%lld", number);
    std::string out;
    const std::size_t at = format.find("%d");
    if (at == std::string_view::npos) return std::string(format);
    out.append(format.substr(0, at));
    out.append(digits);
    out.append(format.substr(at + 2));
    return out;
}

constexpr std::string_view kNoProdArticle =
    "В каталоге отсутствуют данные для [%s]!\r\n(Поиск [Артикул производителя] через [Код])";
constexpr std::string_view kNoUnit = "В каталоге отсутствуют данные для [%s]!\r\n(Поиск [Ед.изм] через [Код])";
constexpr std::string_view kNoName =
    "В каталоге отсутствуют данные для [%s]!\r\n(Поиск [Наименование] через [Код])";
constexpr std::string_view kNoMaterial = "В каталоге не найден материал с кодом [%s]!";
constexpr std::string_view kNoPriceGroup = "В каталоге ценовых групп отсутствуют данные для группы [%d]!";
constexpr std::string_view kZeroWorkingValue = "Значение текущей валюты = 0!";
constexpr std::string_view kNoRate = "В списке курсов валют отсутствует валюта [%d]!";
constexpr std::string_view kNoSystem = "В БД отсутствуют данные для системы [%s]!";
constexpr std::string_view kNoComplect = "В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [%s]";
constexpr std::string_view kNoFalz = "В БД параметров фальца отсутствуют данные для кода [%d]!";
constexpr std::string_view kNoDorn = "В БД параметров дорнмасса отсутствуют данные для кода [%d]!";
constexpr std::string_view kNoStulp = "В БД типов штульпа отсутствуют данные для кода [%d]!";
constexpr std::string_view kNoOpen = "В БД типов открываний створок отсутствуют данные для кода [%d]!";

// A raw count of ten-thousandths computed in long double, rounded ties-to-even.
Money RoundRaw(long double raw) {
    if (!std::isfinite(raw)) throw FtfError("Сумма вне допустимого диапазона денежных значений");
    const long double r = RoundTiesEven(raw);
    if (r < -9223372036854775808.0L || r >= 9223372036854775808.0L)
        throw FtfError("Сумма вне допустимого диапазона денежных значений");
    return Money::FromRaw(static_cast<std::int64_t>(r));
}

// A single-precision value rounded to the currency step (the working value, the adjustment).
Money RoundRate(float value) { return RoundRaw(static_cast<long double>(value) * Money::kScale); }

bool LocateCurrency(TDM& dm, std::int32_t currencyId) {
    return dm.T_Currency().Locate("ID", Value(currencyId));
}

bool LocateSystem(TDM& dm, std::string_view systemCode) {
    return dm.T_SysList().Locate("ID", Value(systemCode));
}

bool LocateParam(Table& list, std::int32_t code) { return list.Locate("ID", Value(code)); }

}  // namespace

WorkingCurrency WorkingCurrency::FromSetup(const TftfSetup* setup) {
    WorkingCurrency w;
    if (setup) {
        w.list = setup->ActiveCurrencyList;
        w.currencyId = setup->ActiveCurrencyID;
    }
    return w;
}

WorkingCurrency WorkingCurrency::Current() { return FromSetup(CurrentSetup()); }

// --- articles ---------------------------------------------------------------------------------------

bool LocateArticle(TDM& dm, std::string_view articleId) {
    return dm.T_Catalog().Locate("ID", Value(articleId));
}

std::string GetProdArticle(TDM& dm, std::string_view articleId, int which, bool silent) {
    if (!LocateArticle(dm, articleId)) {
        if (silent) return {};
        throw FtfError(FillText(kNoProdArticle, articleId));
    }
    Table& t = dm.T_Catalog();
    switch (which) {
        case 0: return t.AsText(t.AsInt("UseArticle") == 2 ? "ProdArticle2" : "ProdArticle");
        case 1: return t.AsText("ProdArticle");
        case 2: return t.AsText("ProdArticle2");
        default: return {};
    }
}

bool GetArticleInfo(TDM& dm, std::string_view articleId, bool silent, ArticleInfo& info) {
    info = ArticleInfo{};
    if (!LocateArticle(dm, articleId)) {
        if (silent) return false;
        throw FtfError(FillText(kNoProdArticle, articleId));
    }
    Table& t = dm.T_Catalog();
    info.ProdArticle = t.AsText("ProdArticle");
    info.ProdArticle2 = t.AsText("ProdArticle2");
    info.Name = t.AsText("Name");
    info.Unit = t.AsText("Unit");
    return true;
}

std::string GetArticleUnit(TDM& dm, std::string_view articleId) {
    if (!LocateArticle(dm, articleId)) throw FtfError(FillText(kNoUnit, articleId));
    return dm.T_Catalog().AsText("Unit");
}

std::string GetArticleName(TDM& dm, std::string_view articleId, bool silent) {
    if (!LocateArticle(dm, articleId)) {
        if (silent) return {};
        throw FtfError(FillText(kNoName, articleId));
    }
    return dm.T_Catalog().AsText("Name");
}

Money GetArticlePrice(TDM& dm, std::string_view articleId, bool silent, const WorkingCurrency& working) {
    const Money workingValue = RoundRate(GetCurrencyRate(working.list, working.currencyId));
    if (!LocateArticle(dm, articleId)) {
        if (silent) return Money{};
        throw FtfError(FillText(kNoName, articleId));
    }
    Table& t = dm.T_Catalog();
    const std::int32_t currency = static_cast<std::int32_t>(t.AsInt("Currency"));
    const Money price = t.AsMoney("Price");
    const std::int32_t priceGroup = static_cast<std::int32_t>(t.AsInt("PriceGrp"));

    if (workingValue.Raw() == 0) throw FtfError(std::string(kZeroWorkingValue));
    // A working currency missing from the list reads -1 and would turn every price negative.
    if (FindCurrencyIndex(working.list, working.currencyId) < 0)
        throw FtfError(FillNumber(kNoRate, working.currencyId));
    const Money converted = ConvertPrice(working.list, currency, price, workingValue);

    Money adjustment;
    if (priceGroup != 0) adjustment = RoundRate(GetPriceGroupReduce(dm, priceGroup, 0));
    // converted × (1 + adjustment ÷ 100) as converted + converted × adjustment ÷ 100: both are
    // counts of ten-thousandths, so the product is exact and a tie stays a tie.
    const long double delta = static_cast<long double>(converted.Raw()) *
                              static_cast<long double>(adjustment.Raw()) /
                              (100.0L * static_cast<long double>(Money::kScale));
    return RoundRaw(static_cast<long double>(converted.Raw()) + delta);
}

Money GetArticlePrice(TDM& dm, std::string_view articleId, bool silent) {
    return GetArticlePrice(dm, articleId, silent, WorkingCurrency::Current());
}

namespace {

// Answers of IsVirtualArticle by article code, good while the catalogue's view stays as it is.
struct VirtualAnswers {
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    static constexpr std::size_t kLimit = 4096;
    ViewStamp stamp;
    std::unordered_map<std::string, bool, Hash, std::equal_to<>> known;
};

}  // namespace

bool IsVirtualArticle(TDM& dm, std::string_view articleId) {
    if (articleId.empty()) return false;
    // Asked for every item a calculation adds, mostly for the same few codes: the answers are
    // kept while the catalogue's rows, filters and order stay as they are, and the catalogue's
    // current record is left where it is.
    static VirtualAnswers answers;
    Table& t = dm.T_Catalog();
    if (!t.IsOpen()) return LocateArticle(dm, articleId) && t.AsInt("Virtual") == 1;  // raises "closed"
    if (answers.stamp.Renew(t) || answers.known.size() >= VirtualAnswers::kLimit) answers.known.clear();
    if (auto it = answers.known.find(articleId); it != answers.known.end()) return it->second;
    const std::optional<Value> flag = t.Lookup("ID", {Value(articleId)}, "Virtual");
    const bool isVirtual = flag && flag->AsInt() == 1;
    answers.known.emplace(std::string(articleId), isVirtual);
    return isVirtual;
}

Value GetCatalogFieldByID(TDM& dm, std::string_view articleId, std::string_view fieldName, bool silent) {
    if (articleId.empty() || fieldName.empty()) return Value::Blank();
    if (!LocateArticle(dm, articleId)) {
        if (silent) return Value::Blank();
        throw FtfError(FillText(kNoMaterial, articleId));
    }
    std::optional<Value> v = dm.T_Catalog().TryGet(fieldName);
    return v ? *v : Value::Blank();
}

// --- price groups and currencies ----------------------------------------------------------------------

float GetPriceGroupReduce(TDM& dm, std::int32_t priceGroup, int level) {
    Table& t = dm.T_PriceGrp();
    if (!t.Locate("GroupID", Value(priceGroup))) throw FtfError(FillNumber(kNoPriceGroup, priceGroup));
    return static_cast<float>(t.AsReal("Reduce_" + std::to_string(level + 1)));
}

float GetCurrencyRate(const TftfCurrencyList* list, std::int32_t currencyId) {
    if (!list) return 0;
    const TftfCurrencyItem* item = FindCurrencyItem(*list, currencyId);
    return item ? item->Rate : -1.0f;
}

int FindCurrencyIndex(const TftfCurrencyList* list, std::int32_t currencyId) {
    if (!list) return -1;
    for (std::size_t i = 0; i < list->size(); ++i)
        if ((*list)[i].CurrencyCode == currencyId) return static_cast<int>(i);
    return -1;
}

Money ConvertPrice(const TftfCurrencyList* list, std::int32_t currencyId, Money amount, Money workingValue) {
    if (workingValue.Raw() == 0) throw FtfError(std::string(kZeroWorkingValue));
    // Without a rate the amount would silently become 0 (no list) or change its sign (-1).
    if (FindCurrencyIndex(list, currencyId) < 0) throw FtfError(FillNumber(kNoRate, currencyId));
    const float rate = GetCurrencyRate(list, currencyId);
    // amount × rate ÷ working value on the counts of ten-thousandths, the division last: for
    // ordinary prices the numerator is exact, so an exact half stays a half and rounds to even.
    const long double raw = static_cast<long double>(amount.Raw()) * static_cast<long double>(rate) *
                            static_cast<long double>(Money::kScale) /
                            static_cast<long double>(workingValue.Raw());
    return RoundRaw(raw);
}

Money ConvertPrice(std::int32_t currencyId, Money amount, Money workingValue) {
    return ConvertPrice(WorkingCurrency::Current().list, currencyId, amount, workingValue);
}

void LoadCurrencyRates(TDM& dm, TftfCurrencyList* list) {
    if (!list) return;
    list->clear();
    Table& t = dm.T_Currency();
    for (t.First(); !t.Eof(); t.Next()) {
        TftfCurrencyItem item;
        item.CurrencyCode = static_cast<std::int32_t>(t.AsInt("ID"));
        item.Rate = static_cast<float>(t.AsReal("Value"));
        list->push_back(item);
    }
}

std::string GetCurrencyName(TDM& dm, std::int32_t currencyId) {
    if (!LocateCurrency(dm, currencyId)) return {};
    return dm.T_Currency().AsText("Name");
}

int GetCurrencyDecimals(TDM& dm, std::int32_t currencyId) {
    if (!LocateCurrency(dm, currencyId)) return kDefaultCurrencyDecimals;
    return static_cast<int>(dm.T_Currency().AsInt("Dec"));
}

bool GetCurrencyWords(TDM& dm, std::int32_t currencyId, CurrencyWords& words) {
    if (!LocateCurrency(dm, currencyId)) return false;
    Table& t = dm.T_Currency();
    words.UnitOne = t.AsText("Nominative");
    words.UnitFew = t.AsText("Genitive");
    words.UnitMany = t.AsText("GenitivePlural");
    words.UnitGender = static_cast<std::uint8_t>(t.AsInt("Gender"));
    words.Decimals = static_cast<int>(t.AsInt("Dec"));
    return true;
}

// --- colours, systems and complects -------------------------------------------------------------------

std::string GetColorName(TDM& dm, std::string_view colorCode) {
    if (colorCode.empty() || !dm.T_Color().Locate("Color", Value(colorCode))) return {};
    return dm.T_Color().AsText("Name");
}

std::int32_t GetSystemCommonGrp(TDM& dm, std::string_view systemCode, bool silent) {
    if (!LocateSystem(dm, systemCode)) {
        if (silent) return 0;
        throw FtfError(FillText(kNoSystem, systemCode));
    }
    return static_cast<std::int32_t>(dm.T_SysList().AsInt("CommonGrp"));
}

std::string GetSystemName(TDM& dm, std::string_view systemCode) {
    if (!LocateSystem(dm, systemCode)) return {};
    return dm.T_SysList().AsText("Name");
}

std::string GetSystemBaseColor(TDM& dm, std::string_view systemCode) {
    Table& t = dm.T_SysList();
    if (!t.FindKey({Value(systemCode)})) return {};
    return t.AsText("BaseColor");
}

std::string GetStrikeSystemName(TDM& dm, std::string_view strikeSystemCode) {
    Table& t = dm.T_SysProf();
    if (!t.Locate("SchlSysID", Value(strikeSystemCode))) return {};
    return t.AsText("Name");
}

bool LocateComplect(TDM& dm, std::string_view complectId) {
    return dm.T_FrnComp().FindKey({Value(complectId)});
}

std::string GetComplectName(TDM& dm, std::string_view complectId) {
    if (!LocateComplect(dm, complectId)) throw FtfError(FillText(kNoComplect, complectId));
    return dm.T_FrnComp().AsText("Name");
}

bool TryGetComplectName(TDM& dm, std::string_view complectId, std::string& name) {
    name.clear();
    if (!LocateComplect(dm, complectId)) return false;
    name = dm.T_FrnComp().AsText("Name");
    return true;
}

int GetComplectGroup(TDM& dm, std::string_view complectId) {
    if (!LocateComplect(dm, complectId)) return 0;
    return static_cast<int>(dm.T_FrnComp().AsInt("Group"));
}

std::int32_t GetComplectScreenColor(TDM& dm, std::string_view complectId) {
    if (!LocateComplect(dm, complectId)) return kDefaultComplectScreenColor;
    return static_cast<std::int32_t>(dm.T_FrnComp().AsInt("ScrColor"));
}

int GetComplectImage(TDM& dm, std::string_view complectId) {
    if (!LocateComplect(dm, complectId)) return 0;
    return static_cast<int>(dm.T_FrnComp().AsInt("Image"));
}

ComplectPrintInfo GetComplectPrintInfo(TDM& dm, std::string_view complectId) {
    ComplectPrintInfo info;
    if (!LocateComplect(dm, complectId)) return info;
    info.PrintName = dm.T_FrnComp().AsText("PrintName");
    info.Printable = dm.T_FrnComp().AsInt("Printable") == 1;
    return info;
}

int GetSideHandleDirect(TDM& dm, std::string_view complectId, int sideNo) {
    Table& t = dm.T_FrnSide();
    if (!t.Locate("ID;Side", {Value(complectId), Value(sideNo)})) return 0;
    return static_cast<int>(t.AsInt("HandleDirect"));
}

// --- parameter sets -------------------------------------------------------------------------------------

FalzParams GetFalzParams(TDM& dm, std::int32_t code, bool silent) {
    FalzParams p;
    Table& t = dm.T_FalzList();
    if (!LocateParam(t, code)) {
        if (silent) return p;
        throw FtfError(FillNumber(kNoFalz, code));
    }
    p.FalzLuft = static_cast<int>(t.AsInt("FalzLuft"));
    p.FalzSize = static_cast<int>(t.AsInt("FalzSize"));
    p.FalzPos = static_cast<int>(t.AsInt("FalzPos"));
    return p;
}

float GetDornMass(TDM& dm, std::int32_t code, bool silent) {
    Table& t = dm.T_DornList();
    if (!LocateParam(t, code)) {
        if (silent) return 0;
        throw FtfError(FillNumber(kNoDorn, code));
    }
    return static_cast<float>(t.AsReal("DornMass"));
}

int GetStulpType(TDM& dm, std::int32_t code, bool silent) {
    Table& t = dm.T_StulpList();
    if (!LocateParam(t, code)) {
        if (silent) return 0;
        throw FtfError(FillNumber(kNoStulp, code));
    }
    return static_cast<int>(t.AsInt("StulpType"));
}

std::uint8_t GetOpenType(TDM& dm, std::int32_t code, bool silent) {
    Table& t = dm.T_OpenList();
    if (!LocateParam(t, code)) {
        if (silent) return 0;
        throw FtfError(FillNumber(kNoOpen, code));
    }
    return static_cast<std::uint8_t>(t.AsInt("OpenType"));
}

namespace {
std::string ParamName(Table& t, std::int32_t code) {
    if (!LocateParam(t, code)) return {};
    return t.AsText("Name");
}
}  // namespace

std::string GetFalzName(TDM& dm, std::int32_t code) { return ParamName(dm.T_FalzList(), code); }
std::string GetDornName(TDM& dm, std::int32_t code) { return ParamName(dm.T_DornList(), code); }
std::string GetStulpName(TDM& dm, std::int32_t code) { return ParamName(dm.T_StulpList(), code); }
std::string GetOpenName(TDM& dm, std::int32_t code) { return ParamName(dm.T_OpenList(), code); }

}  // namespace ftf
