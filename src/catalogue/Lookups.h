#pragma once
// Single values read from the catalogue: article names, units and manufacturer numbers, prices in
// the working currency with the price-group adjustment, currency names and word forms, parameter
// sets by number, system and complect attributes.
//
// Every lookup moves the current record of the dataset it reads (a caller must not rely on that
// dataset's current record across a call) and sets no filter: a lookup sees the rows of the
// dataset's current view. After a miss the current record of the searched dataset is undefined.
//
// Silent flag: a function taking `silent` raises FtfError with its message when the key is
// missing and `silent` is false, and returns the stated default when it is true.
//
// Money: amounts are ftf::Money (ten-thousandths). Currency rates are single precision, copied
// from the BCD Currency.Value. Prices convert as amount × rate(from) ÷ value(working), the
// working value being the working currency's rate rounded to the currency step; every "rounded"
// below is to the nearest ten-thousandth, ties to even, with the real arithmetic between rounding
// points in long double.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/Value.h"
#include "common/AmountInWords.h"
#include "common/Money.h"
#include "settings/CurrencyItem.h"

namespace ftf {

class TDM;
class TftfSetup;

/// Screen colour of a complect the catalogue does not know: white.
inline constexpr std::int32_t kDefaultComplectScreenColor = 0xFFFFFF;
/// Decimals of a currency the catalogue does not know.
inline constexpr int kDefaultCurrencyDecimals = 2;

/// The working currency context prices convert with: the rate list of the active document and
/// its currency. The list is not owned.
struct WorkingCurrency {
    const TftfCurrencyList* list = nullptr;
    std::int32_t currencyId = 0;

    /// The context the settings publish (ActiveCurrencyList, ActiveCurrencyID); no list when
    /// `setup` is nullptr.
    static WorkingCurrency FromSetup(const TftfSetup* setup);
    /// FromSetup(CurrentSetup()).
    static WorkingCurrency Current();
};

// --- articles (Catalog.DB) -------------------------------------------------------------------

/// Positions T_Catalog on the article with that ID; false when there is none.
bool LocateArticle(TDM& dm, std::string_view articleId);

/// A manufacturer number of the article: `which` 0 the preferred one (ProdArticle2 when
/// UseArticle = 2, else ProdArticle), 1 ProdArticle, 2 ProdArticle2, any other value "".
/// Missing article: raises "В каталоге отсутствуют данные для [%s]!\r\n(Поиск [Артикул
/// производителя] через [Код])"; silent default "".
std::string GetProdArticle(TDM& dm, std::string_view articleId, int which, bool silent);

struct ArticleInfo {
    std::string ProdArticle;
    std::string ProdArticle2;
    std::string Name;
    std::string Unit;
};

/// Fills `info` (emptied first) from the article; true when found. Missing article: the
/// message of GetProdArticle; silent: false with `info` empty.
bool GetArticleInfo(TDM& dm, std::string_view articleId, bool silent, ArticleInfo& info);

/// The article's Unit. A missing article always raises "В каталоге отсутствуют данные для
/// [%s]!\r\n(Поиск [Ед.изм] через [Код])".
std::string GetArticleUnit(TDM& dm, std::string_view articleId);

/// The article's Name. Missing: "В каталоге отсутствуют данные для [%s]!\r\n(Поиск
/// [Наименование] через [Код])"; silent default "".
std::string GetArticleName(TDM& dm, std::string_view articleId, bool silent);

/// The article's price in the working currency with the adjustment of its price group
/// (Reduce_1, added as a percentage; none when PriceGrp is 0):
///   working value := rate of the working currency, rounded;
///   converted := ConvertPrice(article's Currency, its Price, working value);
///   result := converted × (1 + adjustment rounded ÷ 100), rounded.
/// Missing article: the message of GetArticleName; silent default 0 (the rates are not checked
/// then). Raises "Значение текущей валюты = 0!" when the working value is 0 (also when there is
/// no rate list), and "В списке курсов валют отсутствует валюта [%d]!" when the working currency
/// or the article's currency has no rate in the list. Reads T_Catalog, and T_PriceGrp for an
/// article with a price group.
Money GetArticlePrice(TDM& dm, std::string_view articleId, bool silent, const WorkingCurrency& working);
/// As above with the settings' working currency context (WorkingCurrency::Current()).
Money GetArticlePrice(TDM& dm, std::string_view articleId, bool silent);

/// True when the article exists and its Virtual = 1; false for an empty ID or a missing article.
bool IsVirtualArticle(TDM& dm, std::string_view articleId);

/// The value of a field of the article by field name, blank (null) when either argument is
/// empty or the program's view of Catalog.DB has no such field. Missing article: raises
/// "В каталоге не найден материал с кодом [%s]!" unless silent (then blank).
Value GetCatalogFieldByID(TDM& dm, std::string_view articleId, std::string_view fieldName, bool silent);

// --- price groups and currencies -----------------------------------------------------------------

/// Reduce_<level + 1> of the price group (level 0 reads Reduce_1), as single precision. A
/// missing group raises "В каталоге ценовых групп отсутствуют данные для группы [%d]!".
float GetPriceGroupReduce(TDM& dm, std::int32_t priceGroup, int level);

/// The rate of the first item of the list with that currency; 0 when there is no list, -1 when
/// no item matches.
float GetCurrencyRate(const TftfCurrencyList* list, std::int32_t currencyId);
/// Position of the first item with that currency; -1 when none or when there is no list.
int FindCurrencyIndex(const TftfCurrencyList* list, std::int32_t currencyId);

/// amount × rate of `currencyId` in `list` ÷ `workingValue`, rounded. Raises "Значение текущей
/// валюты = 0!" when the working value is 0, and "В списке курсов валют отсутствует валюта
/// [%d]!" when the list is missing or has no rate for the currency.
Money ConvertPrice(const TftfCurrencyList* list, std::int32_t currencyId, Money amount, Money workingValue);
/// As above with the settings' working rate list.
Money ConvertPrice(std::int32_t currencyId, Money amount, Money workingValue);

/// Replaces the items of the list by one per Currency.DB record in table order (ID, and Value as
/// single precision). Nothing for a null list.
void LoadCurrencyRates(TDM& dm, TftfCurrencyList* list);

/// Currency.Name; "" when the currency is missing.
std::string GetCurrencyName(TDM& dm, std::int32_t currencyId);
/// Currency.Dec; 2 when the currency is missing.
int GetCurrencyDecimals(TDM& dm, std::int32_t currencyId);
/// Fills the main-unit forms (Nominative, Genitive, GenitivePlural), UnitGender (one byte of
/// Gender) and Decimals (Dec) of `words`; the fractional forms are not touched. Nothing happens
/// for a missing currency. True when the currency was found.
bool GetCurrencyWords(TDM& dm, std::int32_t currencyId, CurrencyWords& words);

// --- colours, systems and complects ---------------------------------------------------------------

/// COLORSET.Name; "" for an empty code or a missing colour.
std::string GetColorName(TDM& dm, std::string_view colorCode);

/// SysList.CommonGrp. Missing: raises "В БД отсутствуют данные для системы [%s]!"; silent
/// default 0.
std::int32_t GetSystemCommonGrp(TDM& dm, std::string_view systemCode, bool silent);
/// SysList.Name; "" when missing.
std::string GetSystemName(TDM& dm, std::string_view systemCode);
/// SysList.BaseColor, found by primary key; "" when missing.
std::string GetSystemBaseColor(TDM& dm, std::string_view systemCode);
/// SysProf.Name of the first row with that SchlSysID; "" when missing.
std::string GetStrikeSystemName(TDM& dm, std::string_view strikeSystemCode);

/// Finds the complect by primary key and makes it current in T_FrnComp; false when missing.
bool LocateComplect(TDM& dm, std::string_view complectId);
/// FrnComp.Name; a missing complect raises "В БД комплектов фурнитур отсутствуют\r\nданные для
/// комплекта [%s]".
std::string GetComplectName(TDM& dm, std::string_view complectId);
/// `name` is emptied first; true and the Name when the complect is found.
bool TryGetComplectName(TDM& dm, std::string_view complectId, std::string& name);
/// FrnComp.Group; 0 when missing.
int GetComplectGroup(TDM& dm, std::string_view complectId);
/// FrnComp.ScrColor (an RGB value); white (FFFFFF) when missing.
std::int32_t GetComplectScreenColor(TDM& dm, std::string_view complectId);
/// FrnComp.Image; 0 when missing.
int GetComplectImage(TDM& dm, std::string_view complectId);

struct ComplectPrintInfo {
    std::string PrintName;
    bool Printable = false;  ///< Printable = 1
};
/// PrintName and (Printable = 1) of the complect; empty and false when missing.
ComplectPrintInfo GetComplectPrintInfo(TDM& dm, std::string_view complectId);
/// FrnSide.HandleDirect of the row with that complect and side number; 0 when missing.
int GetSideHandleDirect(TDM& dm, std::string_view complectId, int sideNo);

// --- parameter sets (ParamList.DB, through the four ranged datasets) ------------------------------

/// Rebate gap, size and position of a rebate parameter set, mm.
struct FalzParams {
    int FalzLuft = 0;
    int FalzSize = 0;
    int FalzPos = 0;
};

/// The set of that number among rows 100-199. Missing: raises "В БД параметров фальца
/// отсутствуют данные для кода [%d]!"; silent: all 0.
FalzParams GetFalzParams(TDM& dm, std::int32_t code, bool silent);
/// DornMass of a row 200-299, mm. Missing: "В БД параметров дорнмасса отсутствуют данные для
/// кода [%d]!"; silent 0.
float GetDornMass(TDM& dm, std::int32_t code, bool silent);
/// StulpType of a row 300-399. Missing: "В БД типов штульпа отсутствуют данные для кода [%d]!";
/// silent 0.
int GetStulpType(TDM& dm, std::int32_t code, bool silent);
/// OpenType of a row 400-499 (one byte). Missing: "В БД типов открываний створок отсутствуют
/// данные для кода [%d]!"; silent 0.
std::uint8_t GetOpenType(TDM& dm, std::int32_t code, bool silent);

/// Name of a set in the four ranges; "" when the number is missing there. Never raise.
std::string GetFalzName(TDM& dm, std::int32_t code);
std::string GetDornName(TDM& dm, std::int32_t code);
std::string GetStulpName(TDM& dm, std::int32_t code);
std::string GetOpenName(TDM& dm, std::int32_t code);

}  // namespace ftf
