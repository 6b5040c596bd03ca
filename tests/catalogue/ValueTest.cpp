// Field values: blanks, conversions between kinds, and what a field accepts.

#include "catalogue/Value.h"

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "common/Error.h"

using namespace ftf;
using namespace ftf::test;

TEST(Value, BlankReadsAsEmptyTextAndZero) {
    const Value b;
    EXPECT_TRUE(b.IsBlank());
    EXPECT_EQ(b.AsText(), "");
    EXPECT_EQ(b.AsInt(), 0);
    EXPECT_EQ(b.AsReal(), 0.0);
    EXPECT_EQ(b.AsMoney(), Money());
    EXPECT_FALSE(b.AsBool());
    EXPECT_FALSE(b == Value(0));
    EXPECT_FALSE(Value("") == b);
}

TEST(Value, ConversionsBetweenKinds) {
    struct Case {
        Value v;
        const char* text;
        std::int64_t i;
        double d;
    } cases[] = {
        {Value(42), "42", 42, 42.0},
        {Value(2.5), "2.5", 3, 2.5},
        {Value(-2.5), "-2.5", -3, -2.5},  // half away from zero
        {Value(0.1), "0.1", 0, 0.1},
        {Value(1234567.125), "1234567.125", 1234567, 1234567.125},
        {Value(Money::FromRaw(-12345)), "-1.2345", -1, -1.2345},
        {Value(Money::FromRaw(15000)), "1.5000", 2, 1.5},
        {Value("12.75"), "12.75", 13, 12.75},
        {Value("abc"), "abc", 0, 0.0},
        {Value::FromBool(true), "True", 1, 1.0},
        {Value::FromDate(43862), "01.02.2020", 43862, 43862.0},
        {Value::FromDate(0), "30.12.1899", 0, 0.0},
        {Value::FromDate(-1), "29.12.1899", -1, -1.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.v.AsText(), c.text);
        EXPECT_EQ(c.v.AsInt(), c.i) << c.text;
        EXPECT_DOUBLE_EQ(c.v.AsReal(), c.d) << c.text;
    }
}

TEST(Value, DatesAndDecimalsParse) {
    std::int32_t days = 0;
    ASSERT_TRUE(ParseOleDate("29.02.2024", days));
    EXPECT_EQ(FormatOleDate(days), "29.02.2024");
    ASSERT_TRUE(ParseOleDate("1.2.2020", days));
    EXPECT_EQ(days, 43862);
    for (const char* bad : {"29.02.2023", "32.01.2020", "01.13.2020", "01.01", "1.1.2020x", "", "..2020"})
        EXPECT_FALSE(ParseOleDate(bad, days)) << bad;
    double d = 0;
    EXPECT_TRUE(ParseDecimal(" -12.5 ", d));
    EXPECT_EQ(d, -12.5);
    for (const char* bad : {"", "1,5", "0x10", "inf", "nan", "1.5.", "-"}) EXPECT_FALSE(ParseDecimal(bad, d)) << bad;
}

TEST(Value, FieldsConvertWhatTheyAreGiven) {
    TableSchema s;
    s.name = "T";
    s.fields = {FieldDef::Str("S", 5),  FieldDef::Of("I", FieldType::Integer), FieldDef::Of("B", FieldType::Bcd, 2),
                FieldDef::Of("M", FieldType::Money), FieldDef::Of("D", FieldType::Date), FieldDef::Of("L", FieldType::Logical)};
    TableData t(s);
    struct Case {
        int field;
        Value in;
        const char* out;  // nullptr: refused
    } cases[] = {
        {0, Value(12), "12"},
        {0, Value("абвгдеж"), "абвгд"},
        {0, Value(""), ""},
        {1, Value("17"), "17"},
        {1, Value(2.5), "3"},
        {1, Value("2147483648"), nullptr},
        {1, Value("x"), nullptr},
        {2, Value(1.23456), "1.23"},
        {2, Value("7.5"), "7.5"},
        {3, Value("0.03125"), "0.0312"},  // ties to even at the fourth decimal
        {3, Value(0.09375), "0.0938"},
        {3, Value(1e20), nullptr},
        {4, Value("01.02.2020"), "01.02.2020"},
        {4, Value("31.02.2020"), nullptr},
        {5, Value("true"), "True"},
        {5, Value(0), "False"},
        {5, Value("maybe"), nullptr},
    };
    for (const Case& c : cases) {
        if (!c.out) {
            EXPECT_THROW(t.Coerce(c.field, c.in), FtfError) << c.in.AsText();
            continue;
        }
        EXPECT_EQ(t.Coerce(c.field, c.in).AsText(), c.out) << c.in.AsText();
    }
    EXPECT_TRUE(t.Coerce(0, Value("")).IsBlank());  // an empty text is a blank field
    // Rows from the store keep their whole text; only edits are cut to the field.
    const RowId r = t.LoadRow({"абвгдеж"});
    EXPECT_EQ(t.TextAt(r, 0), "абвгдеж");
}
