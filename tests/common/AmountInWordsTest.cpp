#include "common/AmountInWords.h"

#include <gtest/gtest.h>

using namespace ftf;

namespace {

// The rouble as the currency lookup fills it: unit forms, masculine, two decimals, no kopeck forms.
CurrencyWords Rouble(int decimals = 2) {
    CurrencyWords c;
    c.UnitOne = "рубль";
    c.UnitFew = "рубля";
    c.UnitMany = "рублей";
    c.UnitGender = kGenderMasculine;
    c.Decimals = decimals;
    return c;
}

CurrencyWords RoubleWithKopecks() {
    CurrencyWords c = Rouble();
    c.FracOne = "копейка";
    c.FracFew = "копейки";
    c.FracMany = "копеек";
    c.FracGender = kGenderFeminine;
    return c;
}

Money M(std::int64_t raw) { return Money::FromRaw(raw); }

}  // namespace

TEST(AmountInWords, RoubleAmounts) {
    struct Case { std::int64_t raw; const char* words; } cases[] = {
        // The worked examples of the amount-in-words routine.
        {12345000, "Одна тысяча двести тридцать четыре рубля 50"},
        {210000, "Двадцать один рубль 00"},
        {0, "Ноль рублей 00"},
        {700, "Ноль рублей 07"},
        {10000000000, "Один миллион рублей 00"},
        {120000, "Двенадцать рублей 00"},
        // Thousands are counted in the feminine.
        {20000000, "Две тысячи рублей 00"},
        {10000000, "Одна тысяча рублей 00"},
        {210000000, "Двадцать одна тысяча рублей 00"},
        {110000000, "Одиннадцать тысяч рублей 00"},
        {50000000, "Пять тысяч рублей 00"},
        // Teens take the third form; 101 the first.
        {1110000, "Сто одиннадцать рублей 00"},
        {1010000, "Сто один рубль 00"},
        {1000000, "Сто рублей 00"},
        {9990000, "Девятьсот девяносто девять рублей 00"},
        {4440000, "Четыреста сорок четыре рубля 00"},
        // Exact scales write no group below them, and the unit takes the third form.
        {10010000000, "Один миллион одна тысяча рублей 00"},
        {20000010000, "Два миллиона один рубль 00"},
        {10000000000000, "Один миллиард рублей 00"},
        {30000000000000000, "Три триллиона рублей 00"},
        {1000000000000000, "Сто миллиардов рублей 00"},
        // The largest money value.
        {INT64_MAX, "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
                    "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AmountInWords(Rouble(), M(c.raw)), c.words) << c.raw;
        // A negative amount is written as its absolute value.
        EXPECT_EQ(AmountInWords(Rouble(), M(-c.raw)), c.words) << -c.raw;
    }
    // The most negative value has no positive twin but is still written by its magnitude.
    EXPECT_EQ(AmountInWords(Rouble(), M(INT64_MIN)),
              "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
              "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58");
}

TEST(AmountInWords, FractionRoundsHalfUpAndCarriesIntoTheWhole) {
    struct Case { std::int64_t raw; int decimals; const char* words; } cases[] = {
        {9940, 2, "Ноль рублей 99"},
        {9950, 2, "Один рубль 00"},          // 0.995 rounds to a whole rouble
        {19999, 2, "Два рубля 00"},
        {9999999999, 2, "Один миллион рублей 00"},  // 999 999.9999
        {50, 2, "Ноль рублей 01"},            // 0.005: half up
        {49, 2, "Ноль рублей 00"},
        {2500, 1, "Ноль рублей 3"},           // 0.25 with one decimal
        {2400, 1, "Ноль рублей 2"},
        {12345, 3, "Один рубль 235"},
        {10005, 3, "Один рубль 001"},
        {1, 4, "Ноль рублей 0001"},
        {12345, 4, "Один рубль 2345"},
        // Beyond four decimals the money value's digits are followed by zeros; at least two digits.
        {1, 5, "Ноль рублей 10"},
        {5000, 5, "Ноль рублей 50000"},
        {0, 5, "Ноль рублей 00"},
        {21, 6, "Ноль рублей 2100"},
        // No decimals: the fraction is dropped, not rounded.
        {59900, 0, "Пять рублей"},
        {59900, -1, "Пять рублей"},
        {9999, 0, "Ноль рублей"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountInWords(Rouble(c.decimals), M(c.raw)), c.words) << c.raw << " / " << c.decimals;
}

TEST(AmountInWords, FractionalUnitTakesTheFormOfItsCount) {
    struct Case { std::int64_t raw; const char* words; } cases[] = {
        {12100, "Один рубль 21 копейка"},
        {20200, "Два рубля 02 копейки"},
        {51100, "Пять рублей 11 копеек"},
        {50000, "Пять рублей 00 копеек"},
        {10100, "Один рубль 01 копейка"},
        {9950, "Один рубль 00 копеек"},
    };
    for (const auto& c : cases) EXPECT_EQ(AmountInWords(RoubleWithKopecks(), M(c.raw)), c.words) << c.raw;

    // Four decimals: the key comes from the last two digits of the count.
    CurrencyWords c = RoubleWithKopecks();
    c.Decimals = 4;
    EXPECT_EQ(AmountInWords(c, M(1234)), "Ноль рублей 1234 копейки");
    EXPECT_EQ(AmountInWords(c, M(1211)), "Ноль рублей 1211 копеек");
    // Six decimals: the count ends in 00.
    c.Decimals = 6;
    EXPECT_EQ(AmountInWords(c, M(1)), "Ноль рублей 100 копеек");
}

TEST(AmountInWords, UnitGenderDecidesOneAndTwo) {
    CurrencyWords hryvnia;
    hryvnia.UnitOne = "гривна";
    hryvnia.UnitFew = "гривны";
    hryvnia.UnitMany = "гривен";
    hryvnia.UnitGender = kGenderFeminine;
    hryvnia.Decimals = 2;
    EXPECT_EQ(AmountInWords(hryvnia, M(20000)), "Две гривны 00");
    EXPECT_EQ(AmountInWords(hryvnia, M(210000)), "Двадцать одна гривна 00");
    // The unit's gender does not reach the scale words: millions stay masculine.
    EXPECT_EQ(AmountInWords(hryvnia, M(20000020000)), "Два миллиона две гривны 00");

    CurrencyWords neuter = Rouble();
    neuter.UnitOne = "евро";
    neuter.UnitFew = "евро";
    neuter.UnitMany = "евро";
    for (std::uint8_t gender : {std::uint8_t{2}, std::uint8_t{7}, std::uint8_t{255}}) {
        neuter.UnitGender = gender;
        EXPECT_EQ(AmountInWords(neuter, M(10000)), "Одно евро 00") << int(gender);
        EXPECT_EQ(AmountInWords(neuter, M(20000)), "Два евро 00") << int(gender);
    }
}

TEST(AmountInWords, EmptyFormsLeaveNoBlanks) {
    // A new record: everything empty, no decimals.
    EXPECT_EQ(AmountInWords(CurrencyWords{}, M(210000)), "Двадцать один");
    EXPECT_EQ(AmountInWords(CurrencyWords{}, M(0)), "Ноль");
    CurrencyWords digitsOnly;
    digitsOnly.Decimals = 2;
    EXPECT_EQ(AmountInWords(digitsOnly, M(12345000)), "Одна тысяча двести тридцать четыре 50");
    // Empty fractional forms: the text ends with the digits.
    std::string text = AmountInWords(Rouble(), M(12345000));
    EXPECT_EQ(text.back(), '0');
}

TEST(AmountInWords, GroupInWordsGivesWordsAndFormKey) {
    struct Case { int gender; std::int64_t value; const char* text; int key; } cases[] = {
        {0, 0, "", 0},
        {0, 1, " один", 1},
        {1, 1, " одна", 1},
        {2, 1, " одно", 1},
        {1, 2, " две", 2},
        {2, 2, " два", 2},
        {0, 10, " десять", 10},
        {0, 12, " двенадцать", 12},
        {0, 20, " двадцать", 0},
        {0, 21, " двадцать один", 1},
        {0, 100, " сто", 0},
        {0, 111, " сто одиннадцать", 11},
        {1, 302, " триста две", 2},
        {0, 999, " девятьсот девяносто девять", 9},
        {0, 1000, "", 0},
        {0, -1, "", 0},
    };
    for (const auto& c : cases) {
        GroupWords g = GroupInWords(c.gender, c.value);
        EXPECT_EQ(g.text, c.text) << c.value;
        EXPECT_EQ(g.key, c.key) << c.value;
    }
}

TEST(AmountInWords, FormKeysAndForms) {
    struct Case { std::int64_t value; int key; int form; } cases[] = {
        {0, 0, 2},  {1, 1, 0},   {2, 2, 1},    {4, 4, 1},     {5, 5, 2},      {11, 11, 2},
        {14, 14, 2}, {19, 19, 2}, {21, 1, 0},  {111, 11, 2},  {1234, 4, 1},   {100, 0, 2},
        {-22, 2, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormKey(c.value), c.key) << c.value;
        EXPECT_EQ(FormIndex(c.key), c.form) << c.value;
    }
    EXPECT_EQ(ThousandWord(1), "тысяча");
    EXPECT_EQ(ThousandWord(3), "тысячи");
    EXPECT_EQ(ThousandWord(12), "тысяч");
    EXPECT_EQ(MillionWord(2), "миллиона");
    EXPECT_EQ(BillionWord(0), "миллиардов");
    EXPECT_EQ(TrillionWord(1), "триллион");
}

TEST(AmountInWords, WordFunctionsOutsideTheirRangeAreEmpty) {
    EXPECT_EQ(UnitWord(0, 0), "ноль");
    EXPECT_EQ(UnitWord(19, 1), "девятнадцать");
    EXPECT_EQ(TensWord(9), "девяносто");
    EXPECT_EQ(HundredsWord(2), "двести");
    for (int v : {-1, 20}) EXPECT_EQ(UnitWord(v, 0), "") << v;
    for (int v : {0, 1, 10}) EXPECT_EQ(TensWord(v), "") << v;
    for (int v : {0, 10}) EXPECT_EQ(HundredsWord(v), "") << v;
    for (int k : {-1, 20}) {
        EXPECT_EQ(ThousandWord(k), "") << k;
        EXPECT_EQ(MillionWord(k), "") << k;
        EXPECT_EQ(BillionWord(k), "") << k;
        EXPECT_EQ(TrillionWord(k), "") << k;
    }
}
