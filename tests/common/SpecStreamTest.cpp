#include "common/TSpecStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "common/Prompter.h"
#include "common/ScriptedPrompter.h"
#include "TempDir.h"

using namespace ftf;

namespace {

std::vector<std::string> Errors(const ScriptedPrompter& p) { return p.Texts(PromptCall::Kind::Error); }

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::uint8_t b : bytes) {
        s.push_back(digits[b >> 4]);
        s.push_back(digits[b & 15]);
    }
    return s;
}

// "03 00 0A" -> bytes; blanks are for the reader's eye only.
TSpecStream FromHex(std::string_view hex) {
    std::vector<std::uint8_t> out;
    int hi = -1;
    for (char c : hex) {
        if (c == ' ') continue;
        int v = c <= '9' ? c - '0' : (c & ~0x20) - 'A' + 10;
        if (hi < 0) {
            hi = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(hi << 4 | v));
            hi = -1;
        }
    }
    return TSpecStream(std::move(out));
}

std::string Strip(std::string_view hex) {
    std::string s;
    for (char c : hex)
        if (c != ' ') s.push_back(c);
    return s;
}

const std::string kZero6 = "000000000000";

}  // namespace

// Every value kind against an image worked out by hand from the record layout.
TEST(SpecStream, ValueImagesAreByteExact) {
    struct Case {
        const char* what;
        SpecVariant value;
        std::string hex;
    } cases[] = {
        {"empty text", SpecVariant::FromText(""), "00000000"},
        {"Cyrillic text", SpecVariant::FromText("Окно"), "04000000 CEEAEDEE"},
        {"multi-line text", SpecVariant::FromText("a\r\nЁ\r\n"), "06000000 610D0A A80D0A"},
        {"integer 1", SpecVariant::FromInteger(1), "0300" + kZero6 + "01000000 00000000"},
        {"integer -2", SpecVariant::FromInteger(-2), "0300" + kZero6 + "FEFFFFFF 00000000"},
        {"integer max", SpecVariant::FromInteger(INT32_MAX), "0300" + kZero6 + "FFFFFF7F 00000000"},
        {"byte 5", SpecVariant::FromByte(5), "1100" + kZero6 + "05 00000000000000"},
        {"byte 255", SpecVariant::FromByte(255), "1100" + kZero6 + "FF 00000000000000"},
        {"true", SpecVariant::FromBoolean(true), "0B00" + kZero6 + "FFFF 000000000000"},
        {"false", SpecVariant::FromBoolean(false), "0B00" + kZero6 + "0000 000000000000"},
        {"real 1.5", SpecVariant::FromReal(1.5), "0500" + kZero6 + "000000000000F83F"},
        // 0.1f is 0x3DCCCCCD; widened its mantissa 0x4CCCCD moves up 29 bits: 0x3FB99999A0000000.
        {"single 0.1 widened", SpecVariant::FromReal(0.1f), "0500" + kZero6 + "000000A09999B93F"},
        {"real -0", SpecVariant::FromReal(-0.0), "0500" + kZero6 + "0000000000000080"},
        // 31.12.2019 noon: 43830.5 = 1.0101011001101101b × 2^15.
        {"date", SpecVariant::FromDate(43830.5), "0700" + kZero6 + "00000000D066E540"},
        {"money 12.3456", SpecVariant::FromMoney(Money::FromRaw(123456)), "0600" + kZero6 + "40E2010000000000"},
        {"money -1", SpecVariant::FromMoney(Money::FromUnits(-1)), "0600" + kZero6 + "F0D8FFFFFFFFFFFF"},
    };
    for (const auto& c : cases) {
        TSpecStream s;
        WriteVariant(s, c.value);
        EXPECT_EQ(Hex(s.Bytes()), Strip(c.hex)) << c.what;
        EXPECT_EQ(s.Position(), s.Size()) << c.what;

        // Read back with the matching template: the same value, and the same bytes when written again.
        s.Rewind();
        SpecVariant back;
        ReadVariant(s, c.value.IsText() ? SpecVariant::FromText("x") : SpecVariant::FromInteger(0), back);
        EXPECT_EQ(back, c.value) << c.what;
        EXPECT_EQ(s.Remaining(), 0u) << c.what;
        TSpecStream again;
        WriteVariant(again, back);
        EXPECT_EQ(again.Bytes(), s.Bytes()) << c.what;
    }
}

TEST(SpecStream, TypedValuesRoundTripInOrder) {
    TSpecStream s;
    WriteText(s, "26.12.2019");
    WriteInteger(s, -123456);
    WriteByte(s, 3);
    WriteBoolean(s, true);
    WriteBoolean(s, false);
    WriteReal(s, 1234.5678);
    WriteReal(s, 0.3f);
    WriteDate(s, 45000.25);
    WriteMoney(s, Money::FromRaw(-987654321));
    WriteText(s, "");
    WriteText(s, "№ 7 «Дверь»\r\n");
    EXPECT_EQ(s.Size(), 4u + 10 + 8 * 16 + 4 + 4 + 13);

    s.Rewind();
    EXPECT_EQ(ReadText(s), "26.12.2019");
    EXPECT_EQ(ReadInteger(s), -123456);
    EXPECT_EQ(ReadByte(s), 3);
    EXPECT_TRUE(ReadBoolean(s));
    EXPECT_FALSE(ReadBoolean(s));
    EXPECT_EQ(ReadReal(s), 1234.5678);
    EXPECT_EQ(ReadSingle(s), 0.3f);
    EXPECT_EQ(ReadDate(s), 45000.25);
    EXPECT_EQ(ReadMoney(s), Money::FromRaw(-987654321));
    EXPECT_EQ(ReadText(s), "");
    EXPECT_EQ(ReadText(s), "№ 7 «Дверь»\r\n");
    EXPECT_EQ(s.Remaining(), 0u);
}

// Every byte value survives a text round trip (the code page maps all 256 bytes), except that a
// zero byte ends the text as it did in the old reader.
TEST(SpecStream, TextBytesSurviveAndZeroCutsTheText) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    TSpecStream s;
    WriteText(s, FromCp1251(all));
    EXPECT_EQ(s.Size(), 4u + 255);
    s.Rewind();
    EXPECT_EQ(ToCp1251(ReadText(s)).bytes, all);

    ScriptedPrompter p;
    ScopedPrompter guard(p);
    TSpecStream cut = FromHex("03000000 410042 02000000 4344");
    EXPECT_EQ(ReadText(cut), "A");
    EXPECT_EQ(cut.Position(), 7u);  // the whole announced length is consumed
    EXPECT_EQ(ReadText(cut), "CD");
    EXPECT_TRUE(p.Calls().empty());
}

TEST(SpecStream, WritingRefusesTextTheCodePageCannotHold) {
    TSpecStream s;
    WriteInteger(s, 1);
    EXPECT_THROW(WriteText(s, "ab漢"), FtfError);
    EXPECT_EQ(s.Size(), 16u);  // nothing of the refused text was written
}

TEST(SpecStream, EmptyTextReadsFourBytesAndNothingMore) {
    TSpecStream s = FromHex("00000000 FFFFFFFF");
    EXPECT_EQ(ReadText(s), "");
    EXPECT_EQ(s.Position(), 4u);
}

// Values stored with another numeric type than the field expects are converted.
TEST(SpecStream, ReadersConvertByStoredType) {
    auto rec = [](std::string hex) {
        TSpecStream s = FromHex(hex);
        SpecVariant v;
        ReadVariant(s, SpecVariant::FromInteger(0), v);
        return v;
    };
    const SpecVariant byte7 = rec("1100" + kZero6 + "07 00000000000000");
    EXPECT_EQ(byte7.ToInteger(), 7);
    EXPECT_EQ(byte7.ToReal(), 7.0);
    EXPECT_EQ(byte7.ToMoney(), Money::FromUnits(7));

    // Any non-zero boolean data is true; stray bytes beyond the type's width are ignored.
    EXPECT_TRUE(rec("0B00" + kZero6 + "0100 000000000000").ToBoolean());
    EXPECT_TRUE(rec("0B00" + kZero6 + "0080 000000000000").ToBoolean());
    EXPECT_FALSE(rec("0B00" + kZero6 + "0000 FFFFFFFFFFFF").ToBoolean());
    EXPECT_EQ(rec("0B00" + kZero6 + "FFFF 000000000000").ToInteger(), -1);
    EXPECT_EQ(rec("0300" + kZero6 + "05000000 FFFFFFFF").ToInteger(), 5);

    // Reals and money become whole numbers ties-to-even, as the platform's variants did.
    struct { double real; std::int32_t whole; } rounding[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {-7.6, -8}, {2147483647.0, INT32_MAX}};
    for (const auto& c : rounding) EXPECT_EQ(SpecVariant::FromReal(c.real).ToInteger(), c.whole) << c.real;
    EXPECT_EQ(SpecVariant::FromMoney(Money::FromRaw(25000)).ToInteger(), 2);
    EXPECT_EQ(SpecVariant::FromMoney(Money::FromRaw(35000)).ToInteger(), 4);
    EXPECT_EQ(SpecVariant::FromMoney(Money::FromRaw(-15001)).ToInteger(), -2);
    EXPECT_EQ(SpecVariant::FromMoney(Money::FromRaw(12345)).ToReal(), 1.2345);
    EXPECT_EQ(SpecVariant::FromInteger(3).ToSingle(), 3.0f);
    EXPECT_EQ(SpecVariant::FromReal(0.1).ToSingle(), 0.1f);
    EXPECT_EQ(SpecVariant::FromReal(12.34567).ToMoney(), Money::FromRaw(123457));
    EXPECT_EQ(SpecVariant::FromDate(43830.5).ToReal(), 43830.5);
    EXPECT_EQ(SpecVariant::FromInteger(255).ToByte(), 255);

    // The other numeric codes of the platform: int16, single, int8, uint16, uint32, int64, empty.
    EXPECT_EQ(rec("0200" + kZero6 + "FEFF 000000000000").ToInteger(), -2);
    EXPECT_EQ(rec("0400" + kZero6 + "0000C03F 00000000").ToReal(), 1.5);
    EXPECT_EQ(rec("1000" + kZero6 + "FF 00000000000000").ToInteger(), -1);
    EXPECT_EQ(rec("1200" + kZero6 + "FFFF 000000000000").ToInteger(), 65535);
    EXPECT_EQ(rec("1300" + kZero6 + "0A000000 00000000").ToInteger(), 10);
    EXPECT_EQ(rec("1400" + kZero6 + "0B00000000000000").ToInteger(), 11);
    const SpecVariant empty = rec("0000" + kZero6 + "0000000000000000");
    EXPECT_EQ(empty.ToInteger(), 0);
    EXPECT_FALSE(empty.ToBoolean());
    EXPECT_EQ(empty.ToMoney(), Money());
}

TEST(SpecStream, ConversionsThatCannotHoldTheValueAreFormatErrors) {
    struct Case { const char* what; SpecVariant v; int target; } cases[] = {
        {"real too big for integer", SpecVariant::FromReal(1e20), 0},
        {"real just past integer", SpecVariant::FromReal(2147483647.5), 0},
        {"NaN as integer", SpecVariant::FromReal(std::nan("")), 0},
        {"integer 256 as byte", SpecVariant::FromInteger(256), 1},
        {"negative as byte", SpecVariant::FromInteger(-1), 1},
        {"real too big for single", SpecVariant::FromReal(1e300), 2},
        {"real too big for money", SpecVariant::FromReal(1e300), 3},
        {"money too big for integer", SpecVariant::FromMoney(Money::FromRaw(INT64_MAX)), 0},
        {"text as integer", SpecVariant::FromText("12"), 0},
        {"integer as text", SpecVariant::FromInteger(12), 4},
        {"OLE string record", SpecVariant::FromRecord({8, 0}), 0},
        {"null record", SpecVariant::FromRecord({1, 0}), 2},
        {"unknown record as boolean", SpecVariant::FromRecord({0x0C, 0x20}), 5},
    };
    for (const auto& c : cases) {
        auto convert = [&] {
            switch (c.target) {
                case 0: (void)c.v.ToInteger(); break;
                case 1: (void)c.v.ToByte(); break;
                case 2: (void)c.v.ToSingle(); break;
                case 3: (void)c.v.ToMoney(); break;
                case 4: (void)c.v.ToText(); break;
                case 5: (void)c.v.ToBoolean(); break;
            }
        };
        EXPECT_THROW(convert(), SpecFormatError) << c.what;
    }
    // Infinity and NaN are values a single can hold.
    EXPECT_TRUE(std::isinf(SpecVariant::FromReal(INFINITY).ToSingle()));
}

// The old reader's one recoverable damage: a text cut off by the end of the data.
TEST(SpecStream, ShortTextShowsTheErrorAndGoesOn) {
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    TSpecStream s = FromHex("03000000 4142");
    EXPECT_EQ(ReadText(s), "AB");
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(Errors(p)[0],
              "Ошибка чтения строки из потока!\r\nЗаказано: [3 символов], Считано: [2 символов]!");
    EXPECT_EQ(s.Remaining(), 0u);

    // A length prefix of two gigabytes over three bytes neither allocates nor reads past the end.
    p.ClearCalls();
    TSpecStream huge = FromHex("FFFFFF7F C0C1C2");
    EXPECT_EQ(ReadText(huge), "АБВ");
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_NE(Errors(p)[0].find("[2147483647 символов], Считано: [3 символов]"), std::string::npos);

    // Nothing left after the prefix: an empty text and the error naming 0 as read.
    p.ClearCalls();
    TSpecStream bare = FromHex("05000000");
    EXPECT_EQ(ReadText(bare), "");
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_NE(Errors(p)[0].find("[5 символов], Считано: [0 символов]"), std::string::npos);
}

TEST(SpecStream, CutPrefixesRecordsAndNegativeLengthsAreFormatErrors) {
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    struct Case { const char* what; std::string hex; bool text; } cases[] = {
        {"empty data, text", "", true},
        {"three-byte prefix", "030000", true},
        {"negative length", "FFFFFFFF 41424344", true},
        {"most negative length", "00000080 41", true},
        {"empty data, record", "", false},
        {"fifteen-byte record", "0300" + kZero6 + "01000000 000000", false},
    };
    for (const auto& c : cases) {
        TSpecStream s = FromHex(c.hex);
        SpecVariant v;
        const SpecVariant expected = c.text ? SpecVariant::FromText("") : SpecVariant::FromInteger(0);
        EXPECT_THROW(ReadVariant(s, expected, v), SpecFormatError) << c.what;
        EXPECT_LE(s.Position(), s.Size()) << c.what;
    }
    EXPECT_TRUE(p.Calls().empty());
}

// Random damage never reads outside the data: every read either yields a value or throws.
TEST(SpecStream, RandomBytesNeverReadOutsideTheData) {
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    std::mt19937 rng(12345);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> bytes(rng() % 64);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng() % 4 == 0 ? 0xFF : rng() % 8);
        TSpecStream s{bytes};
        try {
            for (int i = 0; i < 20; ++i) {
                SpecVariant v;
                const std::size_t before = s.Position();
                ReadVariant(s, rng() % 2 ? SpecVariant::FromText("") : SpecVariant(), v);
                ASSERT_LE(s.Position(), s.Size());
                ASSERT_GT(s.Position(), before);
            }
        } catch (const SpecFormatError&) {
        }
    }
}

TEST(SpecStream, StreamBasics) {
    TSpecStream s;
    const char abc[] = "abc";
    s.Write(abc, 3);
    s.Seek(1);
    s.Write("XYZ", 3);  // overwrites one byte and grows by two
    EXPECT_EQ(Hex(s.Bytes()), "6158595A");
    s.Seek(2);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, sizeof buf), 2u);
    EXPECT_EQ(std::string(buf), "YZ");
    EXPECT_EQ(s.Read(buf, 1), 0u);
    EXPECT_THROW(s.Seek(5), std::out_of_range);
    TSpecStream copy = s;
    copy.Clear();
    EXPECT_EQ(copy.Size(), 0u);
    EXPECT_EQ(s.Size(), 4u);
}

TEST(SpecStream, FilesLoadAndSaveWholeImages) {
    namespace fs = std::filesystem;
    test::TempDir temp;
    const fs::path dir = temp.Path();

    TSpecStream s;
    WriteText(s, "Заказ");
    WriteMoney(s, Money::FromUnits(5));
    s.Seek(3);  // the position does not matter for saving
    std::string error;
    ASSERT_TRUE(s.SaveToFile(dir / "a.ffo370", error)) << error;
    EXPECT_EQ(fs::file_size(dir / "a.ffo370"), s.Size());

    TSpecStream loaded;
    WriteInteger(loaded, 99);
    ASSERT_TRUE(loaded.LoadFromFile(dir / "a.ffo370", error)) << error;
    EXPECT_EQ(loaded.Bytes(), s.Bytes());
    EXPECT_EQ(loaded.Position(), 0u);
    EXPECT_EQ(ReadText(loaded), "Заказ");

    TSpecStream empty;
    ASSERT_TRUE(empty.SaveToFile(dir / "empty", error));
    ASSERT_TRUE(loaded.LoadFromFile(dir / "empty", error));
    EXPECT_EQ(loaded.Size(), 0u);

    // Failures leave the stream as it was and name the file.
    TSpecStream kept;
    WriteInteger(kept, 1);
    error.clear();
    EXPECT_FALSE(kept.LoadFromFile(dir / "missing.ffo370", error));
    EXPECT_NE(error.find("missing.ffo370"), std::string::npos);
    EXPECT_EQ(kept.Size(), 16u);
    EXPECT_FALSE(kept.LoadFromFile(dir, error));  // a folder is not a file
    EXPECT_EQ(kept.Size(), 16u);
    error.clear();
    EXPECT_FALSE(kept.SaveToFile(dir / "a.ffo370" / "below", error));
    EXPECT_NE(error.find("below"), std::string::npos);
}

// Stamps compare by year × 365 + month × 31 + day, which is not the calendar.
TEST(SpecStream, VersionStamps) {
    struct { const char* stamp; std::int64_t value; } values[] = {
        {"26.12.2019", 737333}, {"31.12.2019", 737338}, {"01.01.2020", 737332},
        {"1.1.2020", 737332},   {" 01 . 01 . 2020 ", 737332}, {"10.12.2009", 733667},
        {"0.0.0", 0},           {"26.12.2019.7", 737333},     {"-1.+2.3", 1156},
    };
    for (const auto& v : values) EXPECT_EQ(VersionValue(v.stamp), v.value) << v.stamp;

    struct { const char* a; const char* b; bool atLeast; } pairs[] = {
        {"1.1.2020", "01.01.2020", true},    // equal
        {"31.12.2019", "01.01.2020", true},  // not older, against the calendar
        {"01.01.2020", "26.12.2019", false},
        {"26.12.2019", "26.12.2019", true},
        {"25.12.2019", "26.12.2019", false},
        {"23.07.2019", "03.03.2019", true},
        {"03.03.2019", "06.10.2015", true},
        {"06.10.2015", "10.12.2009", true},
        {"10.12.2009", "06.10.2015", false},
        {"01.02.2019", "31.01.2019", true},  // 62 + 1 > 31 + 31
        {"31.01.2019", "01.02.2019", false},
    };
    for (const auto& c : pairs) {
        EXPECT_EQ(VersionAtLeast(c.a, c.b), c.atLeast) << c.a << " vs " << c.b;
        EXPECT_EQ(VersionBefore(c.a, c.b), !c.atLeast) << c.a << " vs " << c.b;
    }
    EXPECT_TRUE(VersionBefore(kStamp23_07_2019, kStamp26_12_2019));

    for (const char* bad : {"", "26.12", "26.12.", "aa.12.2019", "26..2019", "26.12.2019x", "2 6.12.2019",
                            "26.12.99999999999", "+.1.1"}) {
        EXPECT_THROW(VersionValue(bad), SpecFormatError) << bad;
        EXPECT_THROW(VersionAtLeast("26.12.2019", bad), SpecFormatError) << bad;
    }
}

// Notes and property lists travel as one text value of CR LF terminated lines.
TEST(SpecStream, MultiLineTexts) {
    EXPECT_EQ(JoinTextLines({"1=5", "2=17"}), "1=5\r\n2=17\r\n");
    EXPECT_EQ(JoinTextLines({}), "");
    EXPECT_EQ(JoinTextLines({""}), "\r\n");
    using Lines = std::vector<std::string>;
    struct { const char* text; Lines lines; } cases[] = {
        {"", {}},
        {"a\r\n", {"a"}},
        {"a", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two breaks
        {"Петля\r\nРучка\r\n", {"Петля", "Ручка"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
    const Lines lines{"first", "", "третья"};
    EXPECT_EQ(SplitTextLines(JoinTextLines(lines)), lines);
}
