#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ftf;

namespace {

// Every test starts from the program's formats and leaves the process's formats as it found them.
class NumberFormatTest : public ::testing::Test {
protected:
    NumberFormatTest() { SetProgramFormats(); }
    ScopedNumberFormat keep_;
};

Money Raw(std::int64_t raw) { return Money::FromRaw(raw); }

}  // namespace

TEST_F(NumberFormatTest, ProgramFormatsAreSetAndRestored) {
    {
        ScopedNumberFormat scope;
        CurrentFormats() = NumberFormat();
        EXPECT_EQ(FormatFixed(1.5L, 1), "1.5");
        SetProgramFormats();
        const NumberFormat& f = CurrentFormats();
        EXPECT_EQ(f.decimalSeparator, ",");
        EXPECT_EQ(f.thousandSeparator, " ");
        EXPECT_EQ(f.currencyString, " ");
        EXPECT_EQ(f.currencyFormat, 3);
        EXPECT_EQ(f.negCurrencyFormat, 8);
        EXPECT_EQ(f.shortDateFormat, "dd.mm.yyyy");
        CurrentFormats().decimalSeparator = ".";
    }
    EXPECT_EQ(CurrentFormats(), ProgramFormats());
    EXPECT_EQ(FormatFixed(1.5L, 1), "1,5");
}

TEST_F(NumberFormatTest, FixedRoundsTheLastDecimalLikeTheOldPlatform) {
    struct Case { long double value; int decimals; const char* text; } cases[] = {
        {0.125L, 2, "0,13"},   // an exact tie rounds away from zero
        {-0.125L, 2, "-0,13"},
        {1.005, 2, "1,00"},    // the double lies below 1.005
        {2.675, 2, "2,67"},
        {2.5L, 0, "3"},        {-2.5L, 0, "-3"},       {0.5L, 0, "1"},
        {0.05L, 0, "0"},       {0.0L, 2, "0,00"},      {0.0L, 0, "0"},
        {-0.004L, 2, "0,00"},  // no "-0,00"
        {-0.0L, 1, "0,0"},
        {9.9951L, 2, "10,00"}, {999.9996L, 3, "1000,000"},
        {1234567.891L, 2, "1234567,89"},
        {1e-20L, 4, "0,0000"}, {123.0L, 4, "123,0000"},
        {1.2345f, 4, "1,2345"},  // a single-precision rate
        {0.1f, 4, "0,1000"},
        {0.1f, 10, "0,1000000015"},
        {1e20L, 0, "100000000000000000000"},
        {2.0L / 3.0L, 25, "0,666666666666666667"},  // at most 18 decimals
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << static_cast<double>(c.value);
    EXPECT_EQ(FormatFixed(1.25L, 1, "."), "1.3");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), "INF");
    EXPECT_EQ(FormatFixed(std::nan(""), 2), "NAN");
}

TEST_F(NumberFormatTest, FixedOfMoneyUsesItsExactDecimals) {
    struct Case { std::int64_t raw; int decimals; const char* text; } cases[] = {
        {12345, 2, "1,23"},  {12350, 2, "1,24"},  {-12350, 2, "-1,24"},  {12250, 2, "1,23"},
        {-49, 2, "0,00"},    {-50, 2, "-0,01"},   {10000, 4, "1,0000"},  {12345, 6, "1,234500"},
        {0, 0, "0"},         {5000, 0, "1"},      {99995, 2, "10,00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed(Raw(c.raw), c.decimals), c.text) << c.raw;
}

TEST_F(NumberFormatTest, NumberGroupsThousands) {
    struct Case { long double value; int decimals; const char* text; } cases[] = {
        {1234567.891L, 2, "1 234 567,89"}, {-1234.5L, 1, "-1 234,5"}, {999.5L, 0, "1 000"},
        {100.0L, 0, "100"},                {0.0L, 2, "0,00"},         {123456.0L, 0, "123 456"},
        {-999999.999L, 2, "-1 000 000,00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.decimals), c.text);
    CurrentFormats().thousandSeparator.clear();
    EXPECT_EQ(FormatNumber(1234567.0L, 0), "1234567");
}

TEST_F(NumberFormatTest, MoneyWithTheProgramsCurrencyFormats) {
    // Formats 3 and 8 with a blank as the symbol: the amount, a blank and the blank symbol.
    struct Case { std::int64_t raw; const char* text; } cases[] = {
        {12345000, "1 234,50  "},     {-12345000, "-1 234,50  "}, {0, "0,00  "},
        {-40, "0,00  "},              {50, "0,01  "},             {-50, "-0,01  "},
        {9999999, "1 000,00  "},      {10000000000, "1 000 000,00  "},
        {INT64_MAX, "922 337 203 685 477,58  "}, {INT64_MIN, "-922 337 203 685 477,58  "},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatMoney(Raw(c.raw)), c.text) << c.raw;

    // An order window makes the currency its own, with four decimals.
    CurrentFormats().currencyString = "руб.";
    CurrentFormats().currencyDecimals = 4;
    EXPECT_EQ(FormatMoney(Raw(12345000)), "1 234,5000 руб.");
    EXPECT_EQ(FormatMoney(Raw(-12345678)), "-1 234,5678 руб.");
    EXPECT_EQ(FormatMoney(Raw(-12345678), 2), "-1 234,57 руб.");
    EXPECT_EQ(FormatMoney(Raw(12345678), 0), "1 235 руб.");
}

TEST_F(NumberFormatTest, EveryCurrencyPlacement) {
    NumberFormat f = ProgramFormats();
    f.currencyString = "$";
    const char* positive[] = {"$1,50", "1,50$", "$ 1,50", "1,50 $"};
    for (int i = 0; i < 4; ++i) {
        f.currencyFormat = i;
        EXPECT_EQ(FormatMoney(Raw(15000), 2, f), positive[i]) << i;
    }
    const char* negative[] = {"($1,50)", "-$1,50", "$-1,50", "$1,50-", "(1,50$)", "-1,50$",
                              "1,50-$",  "1,50$-", "-1,50 $", "-$ 1,50", "1,50 $-", "$ 1,50-",
                              "$ -1,50", "1,50- $", "($ 1,50)", "(1,50 $)"};
    for (int i = 0; i < 16; ++i) {
        f.negCurrencyFormat = i;
        EXPECT_EQ(FormatMoney(Raw(-15000), 2, f), negative[i]) << i;
    }
}

TEST(NumberFormat, ParseRealTakesBothSeparators) {
    struct Case { const char* text; double value; } good[] = {
        {"1,5", 1.5},  {"1.5", 1.5},   {" -2,25 ", -2.25}, {"+3", 3},   {"1e3", 1000},
        {"1,5E-2", 0.015}, {".5", 0.5}, {"5.", 5},         {"0", 0},    {"18,0000", 18},
    };
    for (const auto& c : good) {
        auto v = ParseReal(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
    for (const char* bad : {"", " ", "1,2,3", "1.2.3", "12a", "1 234,5", "e5", "-", ",", "1e",
                            "inf", "nan", "0x10", "--1", "1,5;"})
        EXPECT_FALSE(ParseReal(bad).has_value()) << '"' << bad << '"';
}
