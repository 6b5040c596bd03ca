// Field values as the command line writes them.

#include <gtest/gtest.h>

#include "catalogue/TableText.h"

using namespace ftf;

TEST(StorageText, ValuesAsTheCommandLineWritesThem) {
    std::int32_t day = 0;
    ASSERT_TRUE(ParseOleDate("05.03.2021", day));
    struct Case {
        FieldDef field;
        Value value;
        const char* text;
    };
    const Case cases[] = {
        {FieldDef::Str("Name", 10), Value("a\tb\\c\nd"), "a\\tb\\\\c\\nd"},
        {FieldDef::Str("Name", 10), Value(), ""},
        {FieldDef::Of("N", FieldType::SmallInt), Value(), "0"},
        {FieldDef::Of("N", FieldType::Integer), Value(-7), "-7"},
        {FieldDef::Of("B", FieldType::Bcd, 2), Value(2.5), "2.50"},
        {FieldDef::Of("B", FieldType::Bcd, 2), Value(-0.001), "0.00"},
        {FieldDef::Of("B", FieldType::Bcd, 1), Value(), "0.0"},
        {FieldDef::Of("B", FieldType::Bcd, 0), Value(95.1234), "95.1234"},
        {FieldDef::Of("M", FieldType::Money), Value(Money::FromRaw(-5000)), "-0.5000"},
        {FieldDef::Of("M", FieldType::Money), Value(), "0.0000"},
        {FieldDef::Of("R", FieldType::Number), Value(0.1), "0.1"},
        {FieldDef::Of("D", FieldType::Date), Value::FromDate(day), "05.03.2021"},
        {FieldDef::Of("D", FieldType::Date), Value(), ""},
        {FieldDef::Of("L", FieldType::Logical), Value::FromBool(true), "1"},
        {FieldDef::Of("L", FieldType::Logical), Value(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FieldText(c.field, c.value), c.text) << c.field.name << " " << c.text;
}
