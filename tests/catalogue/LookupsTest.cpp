// Catalogue lookups over a data module whose tables are filled in memory: messages and silent
// defaults, the price conversion with its rounding points, currencies, systems, complects and
// the four ranged parameter lists.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "catalogue/Lookups.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "settings/Setup.h"

#include "../support/MemoryCatalogue.h"

using namespace ftf;

namespace {

using ftf::test::OpenEmpty;
using ftf::test::Put;

Value M(const char* units) {
    double d = 0;
    ParseDecimal(units, d);
    return Value(Money::FromReal(d));
}

// The text of the FtfError `fn` raises; "" when it raises none.
template <class Fn>
std::string ErrorOf(Fn fn) {
    try {
        fn();
    } catch (const FtfError& e) {
        return e.what();
    }
    return {};
}

TftfCurrencyList Rates(std::vector<std::pair<int, float>> items) {
    TftfCurrencyList list;
    for (auto [code, rate] : items) list.push_back({code, rate});
    return list;
}

class Lookups : public ::testing::Test {
protected:
    void SetUp() override {
        OpenEmpty(dm);
        Put(dm.T_Currency(), {
            {{"ID", 3}, {"Name", "EUR"}, {"Value", 4.0}, {"Dec", 2}},
            {{"ID", 1}, {"Name", "руб."}, {"Value", 1.0}, {"Dec", 2}, {"Nominative", "рубль"},
             {"Genitive", "рубля"}, {"GenitivePlural", "рублей"}, {"Gender", 0}, {"DecNominative", "копейка"}},
            {{"ID", 2}, {"Name", "USD"}, {"Value", 2.0}, {"Dec", 3}, {"Nominative", "гривна"},
             {"Genitive", "гривны"}, {"GenitivePlural", "гривен"}, {"Gender", 1}},
        });
        Put(dm.T_PriceGrp(), {
            {{"GroupID", 5}, {"Name", "Скидка"}, {"Reduce_1", -10.0}, {"Reduce_2", 7.5}, {"Reduce_10", 33.0}},
            {{"GroupID", 6}, {"Name", "Наценка"}, {"Reduce_1", 50.0}},
            {{"GroupID", 7}, {"Name", "Половина"}, {"Reduce_1", -50.0}},
        });
        Put(dm.T_Catalog(), {
            {{"ID", "A1"}, {"ProdArticle", "P1-A"}, {"ProdArticle2", "P2-A"}, {"UseArticle", 1},
             {"Name", "Петля"}, {"Unit", "шт"}, {"Price", M("100")}, {"Currency", 2}, {"PriceGrp", 5}},
            {{"ID", "A2"}, {"ProdArticle", "P1-B"}, {"ProdArticle2", "P2-B"}, {"UseArticle", 2},
             {"Name", "Ножницы"}, {"Unit", "м"}, {"Price", M("123.4567")}, {"Currency", 3}, {"Virtual", 1}},
            {{"ID", "A3"}, {"ProdArticle", "P1-C"}, {"UseArticle", 0}, {"Name", "Запор"}, {"Virtual", 2},
             {"Price", M("10")}, {"Currency", 1}, {"PriceGrp", 99}},
        });
    }

    TDM dm;
};

// --- articles ---------------------------------------------------------------------------------------

TEST_F(Lookups, ProdArticleChoosesByWhichAndUseArticle) {
    struct Case { const char* id; int which; const char* expected; } cases[] = {
        {"A1", 0, "P1-A"},  // UseArticle 1: the first number is preferred
        {"A2", 0, "P2-B"},  // UseArticle 2: the second
        {"A3", 0, "P1-C"},  // anything else: the first
        {"A2", 1, "P1-B"}, {"A1", 2, "P2-A"}, {"A1", 3, ""}, {"A1", -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetProdArticle(dm, c.id, c.which, false), c.expected) << c.id << " " << c.which;
}

TEST_F(Lookups, ArticleMessagesAndSilentDefaults) {
    const std::string prod = "В каталоге отсутствуют данные для [X9]!\r\n(Поиск [Артикул производителя] через [Код])";
    const std::string name = "В каталоге отсутствуют данные для [X9]!\r\n(Поиск [Наименование] через [Код])";
    EXPECT_EQ(ErrorOf([&] { GetProdArticle(dm, "X9", 0, false); }), prod);
    EXPECT_EQ(GetProdArticle(dm, "X9", 0, true), "");
    ArticleInfo info;
    EXPECT_EQ(ErrorOf([&] { GetArticleInfo(dm, "X9", false, info); }), prod);
    EXPECT_EQ(ErrorOf([&] { GetArticleUnit(dm, "X9"); }),
              "В каталоге отсутствуют данные для [X9]!\r\n(Поиск [Ед.изм] через [Код])");
    EXPECT_EQ(ErrorOf([&] { GetArticleName(dm, "X9", false); }), name);
    EXPECT_EQ(GetArticleName(dm, "X9", true), "");
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "X9", false, {nullptr, 1}); }), name);
    EXPECT_EQ(ErrorOf([&] { GetCatalogFieldByID(dm, "X9", "Name", false); }),
              "В каталоге не найден материал с кодом [X9]!");
    // Codes are compared exactly: another letter case is another article.
    EXPECT_EQ(GetArticleName(dm, "a1", true), "");
}

TEST_F(Lookups, ArticleInfoIsEmptiedFirst) {
    ArticleInfo info{"old", "old", "old", "old"};
    ASSERT_TRUE(GetArticleInfo(dm, "A2", false, info));
    EXPECT_EQ(info.ProdArticle, "P1-B");
    EXPECT_EQ(info.ProdArticle2, "P2-B");
    EXPECT_EQ(info.Name, "Ножницы");
    EXPECT_EQ(info.Unit, "м");
    info = ArticleInfo{"old", "old", "old", "old"};
    EXPECT_FALSE(GetArticleInfo(dm, "nope", true, info));
    EXPECT_EQ(info.ProdArticle + info.ProdArticle2 + info.Name + info.Unit, "");
    ASSERT_TRUE(GetArticleInfo(dm, "A3", false, info));
    EXPECT_EQ(info.ProdArticle2, "");  // a blank field reads as empty text
}

TEST_F(Lookups, LookupsMoveTheCurrentRecordAndSetNoFilter) {
    EXPECT_TRUE(LocateArticle(dm, "A2"));
    EXPECT_EQ(dm.T_Catalog().AsText("ID"), "A2");
    EXPECT_EQ(GetArticleUnit(dm, "A1"), "шт");
    EXPECT_EQ(dm.T_Catalog().AsText("ID"), "A1");
    EXPECT_FALSE(LocateArticle(dm, ""));
    const TftfCurrencyList rates = Rates({{2, 2.0f}, {3, 4.0f}});
    EXPECT_EQ(GetArticlePrice(dm, "A1", false, {&rates, 3}).ToFixed4(), "45.0000");
    EXPECT_EQ(dm.T_PriceGrp().AsInt("GroupID"), 5);
    for (const auto& t : dm.DataSets()) {
        EXPECT_FALSE(t->Filtered()) << t->Name();
        EXPECT_EQ(t->Filter(), "") << t->Name();
    }
}

TEST_F(Lookups, VirtualArticleNeedsVirtualEqualToOne) {
    EXPECT_TRUE(IsVirtualArticle(dm, "A2"));
    EXPECT_FALSE(IsVirtualArticle(dm, "A3"));  // 2 is not a set flag
    EXPECT_FALSE(IsVirtualArticle(dm, "A1"));  // blank
    EXPECT_FALSE(IsVirtualArticle(dm, ""));
    EXPECT_FALSE(IsVirtualArticle(dm, "X9"));
}

// The answers are kept between calls: an edit, a reload, a filter and a second data module must
// each be seen, and the catalogue's current record stays where it was.
TEST_F(Lookups, VirtualArticleAnswersFollowTheCatalogue) {
    Table& t = dm.T_Catalog();
    ASSERT_TRUE(t.Locate("ID", Value("A3")));
    EXPECT_TRUE(IsVirtualArticle(dm, "A2"));
    EXPECT_FALSE(IsVirtualArticle(dm, "A1"));
    EXPECT_EQ(t.AsText("ID"), "A3");

    ASSERT_TRUE(t.Locate("ID", Value("A2")));
    t.Edit();
    t.Set("Virtual", 0);
    t.Post();
    ASSERT_TRUE(t.Locate("ID", Value("A1")));
    t.Edit();
    t.Set("Virtual", 1);
    t.Post();
    EXPECT_FALSE(IsVirtualArticle(dm, "A2"));
    EXPECT_TRUE(IsVirtualArticle(dm, "A1"));

    t.ApplyFilter("ID <> 'A1'");
    EXPECT_FALSE(IsVirtualArticle(dm, "A1"));  // outside the view, as a locate finds it
    t.ClearFilter();
    EXPECT_TRUE(IsVirtualArticle(dm, "A1"));

    ftf::test::Replace(t, {{{"ID", "A2"}, {"Virtual", 1}}, {{"ID", "A4"}, {"Virtual", 1}}});
    EXPECT_FALSE(IsVirtualArticle(dm, "A1"));
    EXPECT_TRUE(IsVirtualArticle(dm, "A2"));
    EXPECT_TRUE(IsVirtualArticle(dm, "A4"));

    TDM other;
    OpenEmpty(other);
    Put(other.T_Catalog(), {{{"ID", "A4"}, {"Virtual", 0}}});
    EXPECT_FALSE(IsVirtualArticle(other, "A4"));
    EXPECT_TRUE(IsVirtualArticle(dm, "A4"));
}

TEST_F(Lookups, CatalogFieldByName) {
    EXPECT_EQ(GetCatalogFieldByID(dm, "A1", "Name", false).AsText(), "Петля");
    const Value price = GetCatalogFieldByID(dm, "A2", "price", false);  // field names without case
    EXPECT_EQ(price.kind(), Value::Kind::Money);
    EXPECT_EQ(price.AsMoney(), Money::FromRaw(1234567));
    EXPECT_EQ(GetCatalogFieldByID(dm, "A1", "CurrencyLookup", false).AsText(), "USD");
    // Columns of the stored table outside the program's view read as null, as do unknown ones.
    EXPECT_TRUE(GetCatalogFieldByID(dm, "A1", "GOST", false).IsBlank());
    EXPECT_TRUE(GetCatalogFieldByID(dm, "A1", "NoSuchField", false).IsBlank());
    // Empty arguments give null before the article is looked for, silent or not.
    EXPECT_TRUE(GetCatalogFieldByID(dm, "", "Name", false).IsBlank());
    EXPECT_TRUE(GetCatalogFieldByID(dm, "X9", "", false).IsBlank());
    EXPECT_TRUE(GetCatalogFieldByID(dm, "X9", "Name", true).IsBlank());
}

// --- prices ------------------------------------------------------------------------------------------

TEST_F(Lookups, PriceConvertsAndAddsThePriceGroupAdjustment) {
    // 100.00 at rate 2 in a working currency of rate 4 is 50.00; Reduce_1 = -10 takes 10 % off.
    const TftfCurrencyList rates = Rates({{1, 1.0f}, {2, 2.0f}, {3, 4.0f}});
    EXPECT_EQ(GetArticlePrice(dm, "A1", false, {&rates, 3}).ToFixed4(), "45.0000");
    // Only Reduce_1 counts, whatever the other nine columns hold.
    EXPECT_EQ(GetArticlePrice(dm, "A1", false, {&rates, 2}).ToFixed4(), "90.0000");
}

TEST_F(Lookups, PriceWithoutPriceGroupInTheWorkingCurrencyIsTheListPrice) {
    // 27.35 is no single-precision number: the rate is 27.3500004 while the working value is
    // rounded to 27.3500, and the quotient still rounds back to the list price.
    const TftfCurrencyList rates = Rates({{3, 27.35f}});
    EXPECT_EQ(GetArticlePrice(dm, "A2", false, {&rates, 3}), Money::FromRaw(1234567));
}

TEST_F(Lookups, WorkingValueIsRoundedToTheCurrencyStep) {
    // 1.03125 rounds (ties to even) to a working value of 1.0312, so an amount at rate 1.03125
    // comes out slightly above its list price: 123.4567 × 1.03125 / 1.0312.
    const TftfCurrencyList rates = Rates({{3, 1.03125f}, {9, 1.03125f}});
    EXPECT_EQ(GetArticlePrice(dm, "A2", false, {&rates, 9}).ToFixed4(), "123.4627");
}

TEST_F(Lookups, RatesAreSinglePrecision) {
    // Value 0.1 becomes the single 0.100000001490116; on a large amount that shows in the last
    // decimal, exactly as the old program priced it.
    Put(dm.T_Catalog(), {{{"ID", "BIG"}, {"Price", M("1000000")}, {"Currency", 4}}});
    Put(dm.T_Currency(), {{{"ID", 4}, {"Name", "X"}, {"Value", 0.1}}});
    TftfCurrencyList rates;
    LoadCurrencyRates(dm, &rates);
    ASSERT_EQ(FindCurrencyIndex(&rates, 4), 3);
    EXPECT_EQ(rates[3].Rate, 0.1f);
    EXPECT_EQ(GetArticlePrice(dm, "BIG", false, {&rates, 1}).ToFixed4(), "100000.0015");
}

TEST_F(Lookups, ConversionRoundsTiesToEvenAtTheLastDecimal) {
    const TftfCurrencyList rates = Rates({{1, 1.0f}, {2, 0.5f}});
    struct Case { std::int64_t amount; int currency; std::int64_t working; std::int64_t expected; } cases[] = {
        {1, 2, 10000, 0},   // 0.00005 -> 0.0000
        {3, 2, 10000, 2},   // 0.00015 -> 0.0002
        {5, 2, 10000, 2},   // 0.00025 -> 0.0002
        {7, 2, 10000, 4},   // 0.00035 -> 0.0004
        {1, 1, 20000, 0},   // 0.0001 / 2
        {3, 1, 20000, 2},
        {10, 1, 30000, 3},  // 0.000333.. -> 0.0003
        {20, 1, 30000, 7},  // 0.000666.. -> 0.0007
        {-5, 2, 10000, -2}, // negative amounts round the same way
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertPrice(&rates, c.currency, Money::FromRaw(c.amount), Money::FromRaw(c.working)).Raw(),
                  c.expected)
            << c.amount << " " << c.currency << " " << c.working;
}

TEST_F(Lookups, AdjustmentRoundsTiesToEven) {
    // Prices of 0.0005 and 0.0007 in the working currency: +50 % and -50 % land on halves.
    Put(dm.T_Catalog(), {
        {{"ID", "U5"}, {"Price", Value(Money::FromRaw(5))}, {"Currency", 1}, {"PriceGrp", 6}},
        {{"ID", "D5"}, {"Price", Value(Money::FromRaw(5))}, {"Currency", 1}, {"PriceGrp", 7}},
        {{"ID", "D7"}, {"Price", Value(Money::FromRaw(7))}, {"Currency", 1}, {"PriceGrp", 7}},
        {{"ID", "U3"}, {"Price", Value(Money::FromRaw(3))}, {"Currency", 1}, {"PriceGrp", 6}},
    });
    const TftfCurrencyList rates = Rates({{1, 1.0f}});
    EXPECT_EQ(GetArticlePrice(dm, "U5", false, {&rates, 1}).Raw(), 8);  // 7.5
    EXPECT_EQ(GetArticlePrice(dm, "D5", false, {&rates, 1}).Raw(), 2);  // 2.5
    EXPECT_EQ(GetArticlePrice(dm, "D7", false, {&rates, 1}).Raw(), 4);  // 3.5
    EXPECT_EQ(GetArticlePrice(dm, "U3", false, {&rates, 1}).Raw(), 4);  // 4.5
}

TEST_F(Lookups, PriceFailures) {
    const std::string zero = "Значение текущей валюты = 0!";
    const TftfCurrencyList zeroRate = Rates({{1, 0.0f}, {2, 2.0f}});
    const TftfCurrencyList tinyRate = Rates({{1, 0.00004f}, {2, 2.0f}});  // rounds to 0.0000
    const TftfCurrencyList noUsd = Rates({{1, 1.0f}, {3, 4.0f}});
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false, {&zeroRate, 1}); }), zero);
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false, {&tinyRate, 1}); }), zero);
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false, {nullptr, 1}); }), zero);
    // A missing article in silent mode is 0 before any rate matters.
    EXPECT_EQ(GetArticlePrice(dm, "X9", true, {nullptr, 1}), Money{});
    // A currency missing from the list would read -1 and turn the price negative.
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false, {&noUsd, 7}); }),
              "В списке курсов валют отсутствует валюта [7]!");
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false, {&noUsd, 3}); }),
              "В списке курсов валют отсутствует валюта [2]!");
    EXPECT_EQ(ErrorOf([&] { ConvertPrice(nullptr, 1, Money::FromUnits(1), Money::FromUnits(1)); }),
              "В списке курсов валют отсутствует валюта [1]!");
    EXPECT_EQ(ErrorOf([&] { ConvertPrice(&noUsd, 1, Money::FromUnits(1), Money{}); }), zero);
    // A price group the catalogue does not know.
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A3", false, {&noUsd, 1}); }),
              "В каталоге ценовых групп отсутствуют данные для группы [99]!");
}

TEST_F(Lookups, PriceUsesTheSettingsWorkingCurrency) {
    TftfSetup setup;
    SetCurrentSetup(&setup);
    const TftfCurrencyList rates = Rates({{2, 2.0f}, {3, 4.0f}});
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false); }), "Значение текущей валюты = 0!");
    setup.SetActiveCurrency(&rates, 3, 20.0f);
    EXPECT_EQ(GetArticlePrice(dm, "A1", false).ToFixed4(), "45.0000");
    EXPECT_EQ(ConvertPrice(2, Money::FromUnits(10), Money::FromUnits(4)).ToFixed4(), "5.0000");
    setup.SetActiveCurrency(nullptr, 0, 0);
    SetCurrentSetup(nullptr);
    EXPECT_EQ(ErrorOf([&] { GetArticlePrice(dm, "A1", false); }), "Значение текущей валюты = 0!");
}

// --- price groups and currencies ---------------------------------------------------------------------

TEST_F(Lookups, PriceGroupReduceByLevel) {
    EXPECT_EQ(GetPriceGroupReduce(dm, 5, 0), -10.0f);
    EXPECT_EQ(GetPriceGroupReduce(dm, 5, 1), 7.5f);
    EXPECT_EQ(GetPriceGroupReduce(dm, 5, 9), 33.0f);
    EXPECT_EQ(GetPriceGroupReduce(dm, 6, 4), 0.0f);  // blank
    EXPECT_EQ(ErrorOf([&] { GetPriceGroupReduce(dm, 1, 0); }),
              "В каталоге ценовых групп отсутствуют данные для группы [1]!");
}

TEST_F(Lookups, RateListLookups) {
    const TftfCurrencyList rates = Rates({{1, 1.5f}, {2, 2.0f}, {1, 9.0f}});
    EXPECT_EQ(GetCurrencyRate(nullptr, 1), 0.0f);
    EXPECT_EQ(GetCurrencyRate(&rates, 1), 1.5f);  // the first item of the number
    EXPECT_EQ(GetCurrencyRate(&rates, 5), -1.0f);
    EXPECT_EQ(FindCurrencyIndex(nullptr, 1), -1);
    EXPECT_EQ(FindCurrencyIndex(&rates, 1), 0);
    EXPECT_EQ(FindCurrencyIndex(&rates, 2), 1);
    EXPECT_EQ(FindCurrencyIndex(&rates, 5), -1);
}

TEST_F(Lookups, LoadCurrencyRatesReplacesTheListInTableOrder) {
    LoadCurrencyRates(dm, nullptr);  // nothing to do, nothing raised
    TftfCurrencyList rates = Rates({{8, 8.0f}});
    LoadCurrencyRates(dm, &rates);
    ASSERT_EQ(rates.size(), 3u);
    EXPECT_EQ(rates[0].CurrencyCode, 1);
    EXPECT_EQ(rates[1].CurrencyCode, 2);
    EXPECT_EQ(rates[2].CurrencyCode, 3);
    EXPECT_EQ(rates[1].Rate, 2.0f);
    EXPECT_EQ(rates[2].Rate, 4.0f);
}

TEST_F(Lookups, CurrencyAttributes) {
    EXPECT_EQ(GetCurrencyName(dm, 1), "руб.");
    EXPECT_EQ(GetCurrencyName(dm, 42), "");
    EXPECT_EQ(GetCurrencyDecimals(dm, 2), 3);
    EXPECT_EQ(GetCurrencyDecimals(dm, 42), 2);
    Put(dm.T_Currency(), {{{"ID", 5}, {"Name", "Z"}, {"Dec", 0}}});
    EXPECT_EQ(GetCurrencyDecimals(dm, 5), 0);  // a stored 0 is not the default
}

TEST_F(Lookups, CurrencyWordsFillTheMainUnitOnly) {
    CurrencyWords w;
    w.FracOne = "цент";
    w.FracGender = 1;
    ASSERT_TRUE(GetCurrencyWords(dm, 2, w));
    EXPECT_EQ(w.UnitOne, "гривна");
    EXPECT_EQ(w.UnitFew, "гривны");
    EXPECT_EQ(w.UnitMany, "гривен");
    EXPECT_EQ(w.UnitGender, 1);
    EXPECT_EQ(w.Decimals, 3);
    EXPECT_EQ(w.FracOne, "цент");  // the fractional forms stay as they were
    EXPECT_EQ(w.FracGender, 1);
    EXPECT_EQ(AmountInWords(w, Money::FromUnits(2)), "Две гривны 000");

    CurrencyWords untouched;
    untouched.UnitOne = "x";
    EXPECT_FALSE(GetCurrencyWords(dm, 42, untouched));
    EXPECT_EQ(untouched.UnitOne, "x");
    EXPECT_EQ(untouched.Decimals, 0);
}

// --- colours, systems, complects ------------------------------------------------------------------------

class CatalogueNames : public Lookups {
protected:
    void SetUp() override {
        Lookups::SetUp();
        Put(dm.T_Color(), {{{"Color", ""}, {"Name", "без цвета"}}, {{"Color", "01"}, {"Name", "Белый"}}});
        Put(dm.T_SysList(), {
            {{"ID", "1200"}, {"Group", 1}, {"Name", "Система 1200"}, {"CommonGrp", 1200}, {"BaseColor", "01"}},
            {{"ID", "PVC"}, {"Name", "Профиль"}},
        });
        Put(dm.T_SysProf(), {
            {{"SchlSysID", "S1"}, {"FurnSysID", "1300"}, {"Name", "Вторая"}},
            {{"SchlSysID", "S1"}, {"FurnSysID", "1200"}, {"Name", "Первая"}},
        });
        Put(dm.T_FrnComp(), {
            {{"ID", "K1"}, {"Name", "Основной"}, {"Group", 3}, {"ScrColor", 0x00FF00}, {"Image", 12},
             {"Printable", 1}, {"PrintName", "Основной комплект"}},
            {{"ID", "K2"}, {"Name", "Петли"}, {"Printable", 2}, {"PrintName", "Петли"}},
        });
        Put(dm.T_FrnSide(), {
            {{"ID", "K1"}, {"Side", 1}, {"HandleDirect", 0}},
            {{"ID", "K1"}, {"Side", 2}, {"HandleDirect", 1}},
            {{"ID", "K2"}, {"Side", 2}, {"HandleDirect", 2}},
        });
    }
};

TEST_F(CatalogueNames, ColoursAndSystems) {
    EXPECT_EQ(GetColorName(dm, "01"), "Белый");
    EXPECT_EQ(GetColorName(dm, ""), "");  // an empty code is never looked up
    EXPECT_EQ(GetColorName(dm, "02"), "");
    EXPECT_EQ(GetSystemCommonGrp(dm, "1200", false), 1200);
    EXPECT_EQ(GetSystemCommonGrp(dm, "PVC", false), 0);
    EXPECT_EQ(ErrorOf([&] { GetSystemCommonGrp(dm, "9999", false); }), "В БД отсутствуют данные для системы [9999]!");
    EXPECT_EQ(GetSystemCommonGrp(dm, "9999", true), 0);
    EXPECT_EQ(GetSystemName(dm, "1200"), "Система 1200");
    EXPECT_EQ(GetSystemName(dm, "9999"), "");
    EXPECT_EQ(GetSystemBaseColor(dm, "1200"), "01");
    EXPECT_EQ(dm.T_SysList().AsText("ID"), "1200");
    EXPECT_EQ(GetSystemBaseColor(dm, "9999"), "");
    // The first row of the strike-plate system in key order (FurnSysID 1200 before 1300).
    EXPECT_EQ(GetStrikeSystemName(dm, "S1"), "Первая");
    EXPECT_EQ(GetStrikeSystemName(dm, "S2"), "");
}

TEST_F(CatalogueNames, Complects) {
    EXPECT_TRUE(LocateComplect(dm, "K2"));
    EXPECT_EQ(dm.T_FrnComp().AsText("ID"), "K2");
    EXPECT_FALSE(LocateComplect(dm, "K9"));
    EXPECT_EQ(GetComplectName(dm, "K1"), "Основной");
    EXPECT_EQ(ErrorOf([&] { GetComplectName(dm, "K9"); }),
              "В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [K9]");
    std::string name = "old";
    EXPECT_TRUE(TryGetComplectName(dm, "K2", name));
    EXPECT_EQ(name, "Петли");
    EXPECT_FALSE(TryGetComplectName(dm, "K9", name));
    EXPECT_EQ(name, "");

    EXPECT_EQ(GetComplectGroup(dm, "K1"), 3);
    EXPECT_EQ(GetComplectGroup(dm, "K9"), 0);
    EXPECT_EQ(GetComplectScreenColor(dm, "K1"), 0x00FF00);
    EXPECT_EQ(GetComplectScreenColor(dm, "K2"), 0);  // stored blank: black, not the default
    EXPECT_EQ(GetComplectScreenColor(dm, "K9"), 16777215);
    EXPECT_EQ(GetComplectImage(dm, "K1"), 12);
    EXPECT_EQ(GetComplectImage(dm, "K9"), 0);

    ComplectPrintInfo info = GetComplectPrintInfo(dm, "K1");
    EXPECT_EQ(info.PrintName, "Основной комплект");
    EXPECT_TRUE(info.Printable);
    info = GetComplectPrintInfo(dm, "K2");
    EXPECT_EQ(info.PrintName, "Петли");
    EXPECT_FALSE(info.Printable);  // 2 is not 1
    info = GetComplectPrintInfo(dm, "K9");
    EXPECT_EQ(info.PrintName, "");
    EXPECT_FALSE(info.Printable);

    EXPECT_EQ(GetSideHandleDirect(dm, "K1", 2), 1);
    EXPECT_EQ(GetSideHandleDirect(dm, "K1", 1), 0);
    EXPECT_EQ(GetSideHandleDirect(dm, "K2", 2), 2);
    EXPECT_EQ(GetSideHandleDirect(dm, "K2", 1), 0);
    EXPECT_EQ(GetSideHandleDirect(dm, "K9", 2), 0);
}

// --- parameter sets ---------------------------------------------------------------------------------------

class ParamSets : public Lookups {
protected:
    void SetUp() override {
        Lookups::SetUp();
        Put(dm.T_FalzList(), {
            {{"ID", 50}, {"Name", "вне списков"}, {"FalzLuft", 9}},
            {{"ID", 101}, {"Name", "12/20-9"}, {"FalzLuft", 12}, {"FalzSize", 20}, {"FalzPos", 9}},
            {{"ID", 201}, {"Name", "Дорнмасс 15"}, {"DornMass", 15.5}},
            {{"ID", 301}, {"Name", "Штульп 2"}, {"StulpType", 2}},
            {{"ID", 401}, {"Name", "Поворотно-откидная"}, {"OpenType", 1}},
            {{"ID", 402}, {"Name", "Т-образная"}, {"OpenType", 258}},
            {{"ID", 500}, {"Name", "за пределами"}, {"OpenType", 3}},
        });
        for (Table* t : {&dm.T_DornList(), &dm.T_StulpList(), &dm.T_OpenList()}) {
            t->Close();
            t->Open();
        }
    }
};

TEST_F(ParamSets, ValuesOfEachRange) {
    const FalzParams falz = GetFalzParams(dm, 101, false);
    EXPECT_EQ(falz.FalzLuft, 12);
    EXPECT_EQ(falz.FalzSize, 20);
    EXPECT_EQ(falz.FalzPos, 9);
    EXPECT_EQ(GetDornMass(dm, 201, false), 15.5f);
    EXPECT_EQ(GetStulpType(dm, 301, false), 2);
    EXPECT_EQ(GetOpenType(dm, 401, false), 1);
    EXPECT_EQ(GetOpenType(dm, 402, false), 2);  // one byte of the stored value
    EXPECT_EQ(GetFalzName(dm, 101), "12/20-9");
    EXPECT_EQ(GetDornName(dm, 201), "Дорнмасс 15");
    EXPECT_EQ(GetStulpName(dm, 301), "Штульп 2");
    EXPECT_EQ(GetOpenName(dm, 402), "Т-образная");
}

TEST_F(ParamSets, EachListSeesOnlyItsRange) {
    struct Case {
        std::int32_t code;
        std::string (*name)(TDM&, std::int32_t);
        std::function<void(bool)> value;
        const char* message;
    } cases[] = {
        {201, GetFalzName, [&](bool s) { GetFalzParams(dm, 201, s); },
         "В БД параметров фальца отсутствуют данные для кода [201]!"},
        {50, GetFalzName, [&](bool s) { GetFalzParams(dm, 50, s); },
         "В БД параметров фальца отсутствуют данные для кода [50]!"},
        {101, GetDornName, [&](bool s) { GetDornMass(dm, 101, s); },
         "В БД параметров дорнмасса отсутствуют данные для кода [101]!"},
        {401, GetStulpName, [&](bool s) { GetStulpType(dm, 401, s); },
         "В БД типов штульпа отсутствуют данные для кода [401]!"},
        {500, GetOpenName, [&](bool s) { GetOpenType(dm, 500, s); },
         "В БД типов открываний створок отсутствуют данные для кода [500]!"},
        {-1, GetOpenName, [&](bool s) { GetOpenType(dm, -1, s); },
         "В БД типов открываний створок отсутствуют данные для кода [-1]!"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name(dm, c.code), "") << c.code;
        EXPECT_EQ(ErrorOf([&] { c.value(false); }), c.message);
        EXPECT_EQ(ErrorOf([&] { c.value(true); }), "") << c.code;
    }
    const FalzParams none = GetFalzParams(dm, 50, true);
    EXPECT_EQ(none.FalzLuft + none.FalzSize + none.FalzPos, 0);
    EXPECT_EQ(GetDornMass(dm, 101, true), 0.0f);
    EXPECT_EQ(GetStulpType(dm, 401, true), 0);
    EXPECT_EQ(GetOpenType(dm, 500, true), 0);
}

}  // namespace
