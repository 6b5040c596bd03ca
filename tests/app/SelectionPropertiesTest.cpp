// The selection's requisites dialog without widgets: filling from the selection, the typed
// number rules, the rate list and "Установить текущий курс", the check on OK and what OK writes.

#include "app/SelectionProperties.h"

#include <gtest/gtest.h>

#include "SelectionFixtures.h"
#include "documents/Selection.h"

using namespace ftf;
using namespace ftf::test;
using Kind = PromptCall::Kind;

namespace {

class SelectionPropertiesTest : public SelectionWindowTest {
protected:
    SelectionPropertiesTest() {
        sel.SelectionNo = "В-1";
        sel.SelDate = 45000;
        sel.SelName = "Неделя";
        sel.PriceGroupNo = 3;
        sel.NDSTax = 18;
        sel.RoundMode = 1;
        sel.Notes = {"первая", "вторая"};
        sel.CurrencyRates = {{1, 1.0f}, {3, 90.0f}, {2, 100.0f}};
        sel.CurrencyId = 2;
    }
    TftfOrderSelection sel;
};

TEST_F(SelectionPropertiesTest, TheFieldsComeFromTheSelection) {
    SelectionPropModel m(dm, sel, setup.get());
    EXPECT_EQ(m.SelectionNo, "В-1");
    EXPECT_EQ(m.SelDate, 45000);
    EXPECT_EQ(m.SelName, "Неделя");
    EXPECT_FLOAT_EQ(m.NDSTax, 18);
    EXPECT_EQ(m.PriceGroupNames().size(), 10u);
    EXPECT_EQ(m.PriceGroupIndex(), 3);
    EXPECT_EQ(m.RoundModeIndex(), 1);
    EXPECT_EQ(m.Notes, (std::vector<std::string>{"первая", "вторая"}));
    // The rows keep the selection's order; the combo selects the selection's currency.
    ASSERT_EQ(m.RateCount(), 3);
    EXPECT_EQ(m.RateName(0), "руб.");
    EXPECT_EQ(m.RateName(1), "USD");
    EXPECT_EQ(m.RateName(2), "EUR");
    EXPECT_EQ(m.RateText(1), "90,0000");
    EXPECT_EQ(m.CurrencyIndex(), 2);
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SelectionPropertiesTest, TypedNumbersFollowTheFieldsLimits) {
    struct Case {
        const char* text;
        int intDigits, decimals;
        std::optional<double> value;
    };
    const std::vector<Case> cases = {
        {"20", 5, 2, 20},          {" 18,5 ", 5, 2, 18.5},   {"12345.67", 5, 2, 12345.67},
        {"012345", 5, 2, 12345},   {"", 5, 2, 0},           {"123456", 5, 2, std::nullopt},
        {"1,234", 5, 2, std::nullopt}, {"-1", 5, 2, std::nullopt}, {"1e3", 5, 2, std::nullopt},
        {"1,2,3", 5, 2, std::nullopt}, {",", 5, 2, std::nullopt},  {"12345678,1234", 8, 4, 12345678.1234},
        {"123456789", 8, 4, std::nullopt}, {"0,12345", 8, 4, std::nullopt}, {"95.5", 8, 4, 95.5},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        const std::optional<double> v = ParseLimitedReal(k.text, k.intDigits, k.decimals);
        ASSERT_EQ(v.has_value(), k.value.has_value());
        if (v) {
            EXPECT_DOUBLE_EQ(*v, *k.value);
        }
    }

    SelectionPropModel m(dm, sel, setup.get());
    EXPECT_FALSE(m.SetNDSTaxText("100000"));
    EXPECT_FLOAT_EQ(m.NDSTax, 18);
    EXPECT_TRUE(m.SetNDSTaxText("10,5"));
    EXPECT_FLOAT_EQ(m.NDSTax, 10.5f);
    EXPECT_FALSE(m.SetRateText(1, "90,12345"));
    EXPECT_FALSE(m.SetRateText(3, "1"));
    EXPECT_TRUE(m.SetRateText(1, "91,25"));
    EXPECT_EQ(m.RateText(1), "91,2500");
}

TEST_F(SelectionPropertiesTest, OkIsRefusedWithoutNumberAndThenWritesEveryField) {
    int presses = 0;
    const bool ok = RunSelectionProperties(dm, sel, setup.get(), [&](SelectionPropModel& m) {
        m.SelectionNo = "   ";
        ++presses;
        if (m.CloseWithOk()) return true;
        EXPECT_FALSE(m.Accepted());
        m.SelectionNo = "  В-2 ";
        m.SelName = " Неделя 2  ";
        m.SelDate = 45001;
        m.ClearNotes();
        m.Notes.push_back("новая");
        m.SetPriceGroupIndex(5);
        m.SetPriceGroupIndex(10);  // no such entry: ignored
        m.SetRoundModeIndex(0);
        EXPECT_TRUE(m.SetNDSTaxText("20"));
        EXPECT_TRUE(m.SetRateText(1, "91"));
        m.SetCurrencyIndex(1);
        ++presses;
        return m.CloseWithOk();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(prompter.Texts(Kind::Warning), std::vector<std::string>{"Не указан номер выборки!"});
    EXPECT_EQ(sel.SelectionNo, "В-2");
    EXPECT_EQ(sel.SelName, "Неделя 2");
    EXPECT_EQ(sel.SelDate, 45001);
    EXPECT_EQ(sel.Notes, std::vector<std::string>{"новая"});
    EXPECT_EQ(sel.PriceGroupNo, 5);
    EXPECT_EQ(sel.RoundMode, 0);
    EXPECT_FLOAT_EQ(sel.NDSTax, 20);
    ASSERT_EQ(sel.CurrencyCount(), 3);
    EXPECT_EQ(sel.CurrencyRates[1].CurrencyCode, 3);
    EXPECT_FLOAT_EQ(sel.CurrencyRates[1].Rate, 91);
    EXPECT_EQ(sel.CurrencyId, 3);
    EXPECT_EQ(prompter.BusyDepth(), 0);
}

TEST_F(SelectionPropertiesTest, CancelLeavesTheSelectionAsItWas) {
    const bool ok = RunSelectionProperties(dm, sel, setup.get(), [](SelectionPropModel& m) {
        m.SelectionNo = "другой";
        m.SetRateText(0, "2");
        m.SetCurrencyIndex(0);
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(sel.SelectionNo, "В-1");
    EXPECT_FLOAT_EQ(sel.CurrencyRates[0].Rate, 1);
    EXPECT_EQ(sel.CurrencyId, 2);
    // A dialog that returns OK without the check passing changes nothing either.
    EXPECT_FALSE(RunSelectionProperties(dm, sel, setup.get(), [](SelectionPropModel& m) {
        m.SelectionNo = "";
        return true;
    }));
    EXPECT_EQ(sel.SelectionNo, "В-1");
    EXPECT_FALSE(RunSelectionProperties(dm, sel, setup.get(), SelectionPropDialog{}));
}

TEST_F(SelectionPropertiesTest, CurrentRatesReplaceTheRowsAndReselectTheOpeningCurrency) {
    sel.CurrencyRates = {{2, 100.0f}, {7, 1.5f}};  // currency 7 is no longer in the catalogue
    SelectionPropModel m(dm, sel, setup.get());
    EXPECT_EQ(m.RateName(1), "");
    m.SetRateText(0, "101");
    m.SetCurrencyIndex(1);
    m.SetCurrentRates();
    ASSERT_EQ(m.RateCount(), 3);
    EXPECT_EQ(m.RateName(0), "руб.");
    EXPECT_EQ(m.RateText(1), "95,5000");
    EXPECT_EQ(m.CurrencyIndex(), 1);  // EUR, the selection's currency when the dialog opened
    ASSERT_TRUE(m.CloseWithOk());
    m.ApplyTo(sel);
    ASSERT_EQ(sel.CurrencyCount(), 3);
    EXPECT_EQ(sel.CurrencyRates[2].CurrencyCode, 3);
    EXPECT_FLOAT_EQ(sel.CurrencyRates[2].Rate, 88.25f);
    EXPECT_EQ(sel.CurrencyId, 2);
}

TEST_F(SelectionPropertiesTest, ValuesWithoutAnEntryAreCarriedUnchanged) {
    sel.PriceGroupNo = 12;
    sel.RoundMode = 5;
    sel.CurrencyRates.clear();
    sel.CurrencyId = 9;
    SelectionPropModel m(dm, sel, nullptr);  // no settings: no price group names
    EXPECT_TRUE(m.PriceGroupNames().empty());
    EXPECT_EQ(m.PriceGroupIndex(), -1);
    EXPECT_EQ(m.RoundModeIndex(), -1);
    EXPECT_EQ(m.CurrencyIndex(), -1);
    m.SetCurrencyIndex(0);
    EXPECT_EQ(m.CurrencyIndex(), -1);
    ASSERT_TRUE(m.CloseWithOk());
    m.ApplyTo(sel);
    EXPECT_EQ(sel.PriceGroupNo, 12);
    EXPECT_EQ(sel.RoundMode, 5);
    EXPECT_EQ(sel.CurrencyId, 9);
}

}  // namespace
