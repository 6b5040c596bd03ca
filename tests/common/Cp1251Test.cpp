#include "common/Cp1251.h"

#include <gtest/gtest.h>

#include "common/Error.h"

using namespace ftf;

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToCp1251(FromCp1251(all)).bytes, all);
}

TEST(Cp1251, CyrillicAndSpecialCharacters) {
    struct Case { const char* utf8; std::string bytes; } cases[] = {
        {"Ёё", "\xA8\xB8"},
        {"Аня", "\xC0\xED\xFF"},
        {"№ 5 «x»", "\xB9 5 \xABx\xBB"},
        {"€", "\x88"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCp1251(c.utf8).bytes, c.bytes) << c.utf8;
        EXPECT_EQ(FromCp1251(c.bytes), c.utf8);
    }
}

TEST(Cp1251, RefusesCharacterItCannotHoldAndNamesIt) {
    try {
        ToCp1251("ab漢c");
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_NE(std::string(e.what()).find("漢"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("U+6F22"), std::string::npos);
    }
    EXPECT_FALSE(FitsCp1251("漢"));
    EXPECT_TRUE(FitsCp1251("Привет, ёж!"));
}

TEST(Cp1251, UpperCaseFollowsTheCodePage) {
    EXPECT_EQ(UpperCase("ёлка abc яЯ"), "ЁЛКА ABC ЯЯ");
    EXPECT_EQ(UpperCase("ї і ў"), "Ї І Ў");
    EXPECT_EQ(UpperCase("漢x"), "漢X");
    EXPECT_EQ(LowerCase("ЁЛКА Z"), "ёлка z");
}

TEST(Cp1251, ComparisonOrderIsTheCodePageOrder) {
    // Ё (0xA8) sorts before А (0xC0) and ё (0xB8) before а (0xE0) in the byte order.
    EXPECT_LT(CompareCp1251("Ё", "А"), 0);
    EXPECT_LT(CompareCp1251("Z", "А"), 0);
    EXPECT_GT(CompareCp1251("а", "Я"), 0);
    EXPECT_EQ(CompareCp1251NoCase("ёлка", "ЁЛКА"), 0);
    EXPECT_LT(CompareCp1251("ab", "abc"), 0);
    EXPECT_TRUE(SameTextNoCase("Дверь", "ДВЕРЬ"));
}

TEST(Cp1251, CharacterCounts) {
    EXPECT_EQ(CharCount("Дом1"), 4u);
    EXPECT_EQ(CharLeft("Дом1", 2), "До");
    EXPECT_EQ(CharRight("Дом1", 2), "м1");
    EXPECT_EQ(CharRight("Дом", 7), "Дом");
}
