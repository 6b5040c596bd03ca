// Reading Paradox tables: every field type the catalogue uses, blanks, the header's code page
// ignored, BCD values with non-decimal digits, and damaged files refused without a crash.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "StorageFixture.h"
#include "catalogue/ParadoxReader.h"
#include "catalogue/Value.h"
#include "common/Error.h"

using namespace ftf;

namespace {

const std::string kData = FTF_TEST_DATA "/paradox/";

std::int32_t Ole(const char* text) {
    std::int32_t d = 0;
    EXPECT_TRUE(ParseOleDate(text, d));
    return d;
}

}  // namespace

TEST(ParadoxRead, ValuesOfEveryTypeReadExactly) {
    ParadoxTable t = ReadParadoxTable(kData + "Values.DB");
    ASSERT_EQ(t.fields.size(), 11u);
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.fields[0].name, "Name");
    EXPECT_EQ(t.fields[5].type, pxBcd);
    EXPECT_EQ(t.fields[5].decimals, 2);
    ASSERT_EQ(t.notes.size(), 1u);  // the memo column
    EXPECT_NE(t.notes[0].find("Memo"), std::string::npos);

    const RowValues& a = t.rows[0];
    EXPECT_EQ(a[0].AsText(), "Ёлка синяя");  // Windows-1251 although the header says 850
    EXPECT_EQ(a[1].AsInt(), -5);
    EXPECT_EQ(a[2].AsInt(), 70000);
    EXPECT_EQ(a[3].AsInt(), 1);
    EXPECT_EQ(a[4].kind(), Value::Kind::Money);
    EXPECT_EQ(a[4].RawInt(), 12345678);
    EXPECT_EQ(a[5].AsReal(), -12.34);
    EXPECT_EQ(a[6].AsReal(), 0.0001);
    EXPECT_EQ(a[7].AsReal(), 2.5);
    EXPECT_EQ(a[8].kind(), Value::Kind::Date);
    EXPECT_EQ(a[8].RawInt(), Ole("31.12.2024"));
    EXPECT_TRUE(a[9].AsBool());
    EXPECT_TRUE(a[10].IsBlank());

    // A blank row: every field blank, no INT_MIN for the long integer.
    for (const Value& v : t.rows[1]) EXPECT_TRUE(v.IsBlank()) << v.AsText();

    const RowValues& c = t.rows[2];
    EXPECT_EQ(c[1].AsInt(), 32767);
    EXPECT_EQ(c[2].AsInt(), -2147483647);
    EXPECT_EQ(c[4].RawInt(), -1);
    EXPECT_EQ(c[5].AsReal(), 99999999.99);
    EXPECT_EQ(c[6].AsReal(), -7.5);
    EXPECT_EQ(c[7].AsReal(), -0.001);
    EXPECT_EQ(c[8].RawInt(), Ole("01.01.1900"));
    EXPECT_FALSE(c[9].IsBlank());
    EXPECT_FALSE(c[9].AsBool());
}

TEST(ParadoxRead, BcdStopsAtFirstNonDecimalDigit) {
    // 32 digits, 20 of them decimals: 1.5 followed by the non-decimal nibbles an engine with
    // double precision leaves behind.
    ParadoxField f{"Value", pxBcd, 17, 20};
    unsigned char b[17] = {};
    b[0] = 0x80 | 20;
    auto put = [&](int nib, int v) {
        unsigned char& byte = b[1 + nib / 2];
        if (nib % 2 == 0) byte = static_cast<unsigned char>((byte & 0x0F) | (v << 4));
        else byte = static_cast<unsigned char>((byte & 0xF0) | v);
    };
    put(11, 1);  // the last integer digit
    put(12, 2);
    put(13, 5);
    put(14, 0xC);
    put(15, 7);  // after the stop: ignored
    EXPECT_EQ(DecodeParadoxField(f, b).AsReal(), 1.25);

    // The negative form stores the complement of every digit.
    unsigned char n[17];
    for (int i = 1; i < 17; ++i) n[i] = static_cast<unsigned char>(0xFF - b[i]);
    n[0] = 20;
    EXPECT_EQ(DecodeParadoxField(f, n).AsReal(), -1.25);

    unsigned char blank[17] = {};
    EXPECT_TRUE(DecodeParadoxField(f, blank).IsBlank());
}

TEST(ParadoxRead, BlankLongIsToldFromRawBytes) {
    ParadoxField f{"N", pxLong, 4, 0};
    const unsigned char blank[4] = {0, 0, 0, 0};
    const unsigned char minValue[4] = {0x00, 0x00, 0x00, 0x01};  // -2147483647
    EXPECT_TRUE(DecodeParadoxField(f, blank).IsBlank());
    EXPECT_EQ(DecodeParadoxField(f, minValue).AsInt(), -2147483647);
}

TEST(ParadoxRead, DamagedFilesAreRefusedWithAReason) {
    test::StorageDir dir;
    std::ifstream in(kData + "Values.DB", std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(good.size(), 2048u);

    struct Case {
        const char* name;
        std::string bytes;
    };
    auto patched = [&](std::size_t at, unsigned char v) {
        std::string s = good;
        s[at] = static_cast<char>(v);
        return s;
    };
    const std::vector<Case> cases = {
        {"empty file", ""},
        {"cut inside the header", good.substr(0, 100)},
        {"cut inside the data block", good.substr(0, good.size() - 1000)},
        {"field count", patched(0x21, 0x30)},
        {"unknown field type", patched(0x78, 0x42)},
        {"first block beyond the file", patched(0x0E, 9)},
        {"record size", patched(0x00, 0x05)},
        {"index file type", patched(0x04, 1)},
        {"record count beyond the blocks", patched(0x07, 0x10)},
        {"block size", patched(0x05, 0)},
        {"encrypted", patched(0x26, 0x12)},
        {"more records in the blocks than the header says", patched(0x06, 2)},
    };
    for (const auto& c : cases) {
        const std::string path = dir.Str() + "/x.db";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
        EXPECT_FALSE(CheckParadoxFile(path).empty()) << c.name;
        EXPECT_THROW(ReadParadoxTable(path), FtfError) << c.name;
    }
    EXPECT_FALSE(CheckParadoxFile(kData + "Damaged.DB").empty());
    EXPECT_TRUE(CheckParadoxFile(kData + "Values.DB").empty());
    EXPECT_THROW(ReadParadoxTable(dir.Str() + "/missing.db"), FtfError);
}

TEST(ParadoxRead, RandomlyDamagedFilesNeverTakeTheProgramDown) {
    // Bytes of the header, the field descriptions and the data block overwritten at random:
    // each file is either read or refused with an error.
    test::StorageDir dir;
    std::ifstream in(kData + "Values.DB", std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::mt19937 rng(2024);
    const std::string path = dir.Str() + "/fuzz.db";
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        std::string bytes = good;
        const int hits = 1 + static_cast<int>(rng() % 4);
        for (int h = 0; h < hits; ++h) {
            // Mostly the first 0x200 bytes (header, field list, names), sometimes the data block.
            const std::size_t at = rng() % 3 ? rng() % 0x200 : 2048 + rng() % 2048;
            bytes[at] = static_cast<char>(rng() & 0xFF);
        }
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        try {
            ParadoxTable t = ReadParadoxTable(path);
            for (const auto& row : t.rows) EXPECT_EQ(row.size(), t.fields.size());
        } catch (const FtfError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}
