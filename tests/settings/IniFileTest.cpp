#include "settings/IniFile.h"

#include <cstring>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "TestSupport.h"

namespace ftf {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

std::string Cp(const std::string& utf8) { return ToCp1251(utf8).bytes; }

ino_t Inode(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

// A file as people leave it: comments, blank lines, unknown sections, blanks around "=", mixed
// case, and no line break after the last line.
const char kMessy[] =
    "; общие настройки\r\n"
    "\r\n"
    "[Firm]\r\n"
    "Name = Окна\r\n"
    "  ZIPCODE=8172  \r\n"
    "; телефон ниже\r\n"
    "Phone1=72-10-10\r\n"
    "\r\n"
    "[Other]\r\n"
    "Mine=x=y\r\n"
    "[Tax]\r\n"
    "NDSTax=18";

TEST(IniDocument, TextIsKeptByteForByte) {
    for (const char* text : {kMessy, "", "\n", "a\r\n\r\n", "[A]\nk=v\n", "[A]\r\nk=v\n\r\n; x"}) {
        EXPECT_EQ(IniDocument::Parse(text).Text(), text) << text;
    }
}

TEST(IniDocument, LookupsFollowTheProfileRules) {
    IniDocument doc = IniDocument::Parse(
        "[Firm]\n"
        "Name = Окна  \n"
        "name=second\n"             // a repeated key: the first counts
        "Quoted=\"в кавычках\"\n"
        "Eq=a=b\n"
        "Empty=\n"
        "[ФИРМА]\n"
        "Ключ=кириллица\n"
        "[firm]\n"                   // a repeated section: the first counts
        "Phone1=never\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"Firm", "Name", "Окна"},
        {"FIRM", "nAmE", "Окна"},
        {" Firm ", " Name ", "Окна"},
        {"Firm", "Quoted", "\"в кавычках\""},  // the document keeps quotes; IniFile drops them
        {"Firm", "Eq", "a=b"},
        {"Firm", "Empty", ""},
        {"фирма", "КЛЮЧ", "кириллица"},
        {"Firm", "Phone1", std::nullopt},
        {"Missing", "Name", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(doc.Value(c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(doc.Sections(), (std::vector<std::string>{"Firm", "ФИРМА"}));
    EXPECT_EQ(doc.Keys("firm"), (std::vector<std::string>{"Name", "Quoted", "Eq", "Empty"}));
}

TEST(IniDocument, MalformedLinesAreKeptAndIgnored) {
    const std::string text =
        "orphan=before any section\n"
        "[Money]\n"
        "CurCurrency=2\n"
        "no equals sign here\n"
        "=no key\n"
        "[Tax\n"              // broken header: what follows belongs to no section
        "NDSTax=20\n"
        "[Defaults]\n"
        "DefMaterial=3\n";
    IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Text(), text);
    EXPECT_EQ(doc.Value("Money", "CurCurrency"), "2");
    EXPECT_FALSE(doc.Value("Money", "NDSTax"));  // not taken for a key of the section above
    EXPECT_FALSE(doc.SectionExists("Tax"));
    EXPECT_FALSE(doc.Value("Money", "no equals sign here"));
    EXPECT_EQ(doc.Value("Defaults", "DefMaterial"), "3");
    EXPECT_EQ(doc.Keys("Money"), (std::vector<std::string>{"CurCurrency"}));

    // A write to the broken section makes a proper one at the end and leaves the rest alone.
    EXPECT_TRUE(doc.SetValue("Tax", "NDSTax", "18"));
    EXPECT_EQ(doc.Text(), text + "[Tax]\nNDSTax=18\n");
    EXPECT_EQ(doc.Value("Tax", "NDSTax"), "18");
}

TEST(IniDocument, EditsTouchOneLine) {
    IniDocument doc = IniDocument::Parse(kMessy);
    // Replacing keeps the key's spelling and the blanks around "=".
    EXPECT_TRUE(doc.SetValue("firm", "name", "Двери"));
    EXPECT_FALSE(doc.SetValue("Firm", "Name", "Двери"));  // nothing to change
    // A new key goes after the section's last key, before the blank line that ends it.
    EXPECT_TRUE(doc.SetValue("Firm", "Fax", "72-10-12"));
    // The last line had no break: it gets the file's own before a line is added after it.
    EXPECT_TRUE(doc.SetValue("Tax", "TotalNDS", "1"));
    EXPECT_TRUE(doc.SetValue("FTP", "ftpPort", "21"));
    EXPECT_TRUE(doc.DeleteKey("Other", "Mine"));
    EXPECT_FALSE(doc.DeleteKey("Other", "Mine"));
    EXPECT_EQ(doc.Text(),
              "; общие настройки\r\n"
              "\r\n"
              "[Firm]\r\n"
              "Name = Двери\r\n"
              "  ZIPCODE=8172  \r\n"
              "; телефон ниже\r\n"
              "Phone1=72-10-10\r\n"
              "Fax=72-10-12\r\n"
              "\r\n"
              "[Other]\r\n"
              "[Tax]\r\n"
              "NDSTax=18\r\n"
              "TotalNDS=1\r\n"
              "[FTP]\r\n"
              "ftpPort=21\r\n");
    EXPECT_TRUE(doc.EraseSection("other"));
    EXPECT_FALSE(doc.SectionExists("Other"));
    EXPECT_EQ(doc.Value("Tax", "NDSTax"), "18");
}

TEST(IniFile, ReadsTypedValuesWithDefaults) {
    TempDir dir;
    std::string path = dir.File("a.ini");
    WriteAll(path, Cp("[S]\r\n"
                      "Text=\"  в кавычках  \"\r\n"
                      "Single='x'\r\n"
                      "Half=\"x\r\n"
                      "Int=-42\r\nHex=0x1F\r\nDollar=$FFFFFFFF\r\nBadInt=12a\r\nBig=2147483648\r\n"
                      "Yes=5\r\nNo=0\r\nBadBool=да\r\n"
                      "Comma=18,5\r\nDot=18.5\r\nExp=1e2\r\nBadReal=1,2.3\r\nEmptyReal=\r\n"));
    IniFile ini(path);
    ASSERT_TRUE(ini.Load()) << ini.ErrorString();
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadString("S", "Text", "d"), "  в кавычках  ");
    EXPECT_EQ(ini.ReadString("S", "Single", "d"), "x");
    EXPECT_EQ(ini.ReadString("S", "Half", "d"), "\"x");
    EXPECT_EQ(ini.ReadString("S", "Missing", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("S", "Int", 7), -42);
    EXPECT_EQ(ini.ReadInteger("S", "Hex", 7), 31);
    EXPECT_EQ(ini.ReadInteger("S", "Dollar", 7), -1);
    EXPECT_EQ(ini.ReadInteger("S", "BadInt", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "Big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 7), 7);
    EXPECT_TRUE(ini.ReadBool("S", "Yes", false));
    EXPECT_FALSE(ini.ReadBool("S", "No", true));
    EXPECT_TRUE(ini.ReadBool("S", "BadBool", true));
    EXPECT_FALSE(ini.ReadBool("S", "BadBool", false));
    EXPECT_FLOAT_EQ(ini.ReadFloat("S", "Comma", 0), 18.5f);
    EXPECT_FLOAT_EQ(ini.ReadFloat("S", "Dot", 0), 18.5f);
    EXPECT_FLOAT_EQ(ini.ReadFloat("S", "Exp", 0), 100.f);
    EXPECT_FLOAT_EQ(ini.ReadFloat("S", "BadReal", 3), 3.f);
    EXPECT_FLOAT_EQ(ini.ReadFloat("S", "EmptyReal", 3), 3.f);
}

TEST(IniFile, MissingFileReadsEmptyAndUnreadableFileIsAnError) {
    TempDir dir;
    IniFile missing(dir.File("none.ini"));
    ASSERT_TRUE(missing.Load());
    EXPECT_FALSE(missing.Exists());
    EXPECT_EQ(missing.ReadInteger("A", "B", 5), 5);

    IniFile folder(dir.Path().string());
    EXPECT_FALSE(folder.Load());
    EXPECT_NE(folder.ErrorString().find(dir.Path().string()), std::string::npos);
}

TEST(IniFile, CyrillicIsCp1251OnDiskAndUtf8InMemory) {
    TempDir dir;
    std::string path = dir.File("FTFurniture.ini");
    WriteAll(path, "[Firm]\r\nName=\xCE\xEA\xED\xE0\r\n");  // "Окна" in Windows-1251
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Firm", "Name", ""), "Окна");
    ini.WriteString("Фирма", "Директор", "Ёлкин");
    EXPECT_EQ(ReadAll(path), Cp("[Firm]\r\nName=Окна\r\n[Фирма]\r\nДиректор=Ёлкин\r\n"));
    EXPECT_EQ(ini.ReadString("фирма", "директор", ""), "Ёлкин");

    // A character the code page cannot hold is refused and the file stays as it was.
    std::string before = ReadAll(path);
    EXPECT_THROW(ini.WriteString("Firm", "Name", "Окна 中"), FtfError);
    EXPECT_EQ(ReadAll(path), before);
}

TEST(IniFile, OneKeyWritesKeepTheRestOfTheFile) {
    TempDir dir;
    std::string path = dir.File("FTFurniture.ini");
    WriteAll(path, Cp(kMessy));
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    ini.WriteInteger("Tax", "NDSTax", 20);
    EXPECT_EQ(ReadAll(path), Cp(std::string(kMessy, sizeof kMessy - 3) + "20"));
    ini.WriteFloat("Defaults", "DefProfWidth", 58.5f);
    ini.WriteBool("FTP", "ftpUpload", true);
    EXPECT_EQ(ReadAll(path), Cp(std::string(kMessy, sizeof kMessy - 3) +
                                "20\r\n[Defaults]\r\nDefProfWidth=58,5\r\n[FTP]\r\nftpUpload=1\r\n"));

    // A write that changes nothing leaves the file alone (same inode: no rename happened).
    ino_t before = Inode(path);
    ini.WriteString("firm", "NAME", "Окна");
    EXPECT_EQ(Inode(path), before);

    ini.DeleteKey("Other", "Mine");
    ini.EraseSection("FTP");
    IniFile again(path);
    ASSERT_TRUE(again.Load());
    EXPECT_FALSE(again.ValueExists("Other", "Mine"));
    EXPECT_FALSE(again.SectionExists("FTP"));
    EXPECT_EQ(again.ReadString("Firm", "Phone1", ""), "72-10-10");
}

TEST(IniFile, WritesKeepKeysAnotherProcessChangedMeanwhile) {
    TempDir dir;
    std::string path = dir.File("shared.ini");
    WriteAll(path, "[A]\r\nk1=0\r\nk2=0\r\n");
    IniFile first(path), second(path);
    ASSERT_TRUE(first.Load());
    ASSERT_TRUE(second.Load());
    first.WriteString("A", "k1", "first");
    second.WriteString("A", "k2", "second");  // second never saw first's change
    IniFile check(path);
    ASSERT_TRUE(check.Load());
    EXPECT_EQ(check.ReadString("A", "k1", ""), "first");
    EXPECT_EQ(check.ReadString("A", "k2", ""), "second");
}

TEST(IniFile, RefusesWritesThatWouldBreakTheFile) {
    TempDir dir;
    std::string path = dir.File("a.ini");
    WriteAll(path, "[A]\r\nk=v\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"A", "k", "two\r\nlines"}, {"A", "k", "lf\nonly"}, {"A", "a=b", "v"}, {"A", "", "v"},
        {"A", "  ", "v"},           {"A", "[k", "v"},       {"A", ";k", "v"},  {"", "k", "v"},
        {"A\nB", "k", "v"},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), FtfError) << c.key << "=" << c.value;
    }
    EXPECT_EQ(ReadAll(path), "[A]\r\nk=v\r\n");
}

TEST(IniFile, NewFileAndUtf8ModeWithBom) {
    TempDir dir;
    std::string fresh = dir.File("new.ini");
    IniFile cp(fresh);
    ASSERT_TRUE(cp.Load());
    cp.WriteString("A", "k", "v");
    EXPECT_EQ(ReadAll(fresh), "[A]\r\nk=v\r\n");  // the old system's files use CR LF

    std::string utf = dir.File("u.ini");
    WriteAll(utf, "\xEF\xBB\xBF[A]\nk=中\n");
    IniFile u(utf, IniEncoding::Utf8);
    ASSERT_TRUE(u.Load());
    EXPECT_EQ(u.ReadString("a", "K", ""), "中");
    u.WriteString("A", "n", "ü");
    EXPECT_EQ(ReadAll(utf), "\xEF\xBB\xBF[A]\nk=中\nn=ü\n");
}

TEST(IniNumbers, RealsAcceptBothSeparatorsAndAreWrittenWithComma) {
    struct Case {
        const char* text;
        std::optional<float> value;
    } cases[] = {
        {"18", 18.f},      {"18,5", 18.5f},  {"18.5", 18.5f},     {" 0,1 ", 0.1f},  {"-2,25", -2.25f},
        {"+3", 3.f},       {"1e2", 100.f},   {",5", 0.5f},        {"", std::nullopt}, {"abc", std::nullopt},
        {"1,2.3", std::nullopt}, {"1 8", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
        {"1e50", std::nullopt},  {"0x10", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIniReal(c.text), c.value) << c.text;

    struct Out {
        float value;
        const char* text;
    } outs[] = {{18.f, "18"}, {18.5f, "18,5"}, {0.1f, "0,1"}, {-2.25f, "-2,25"}, {0.f, "0"}};
    for (const Out& o : outs) {
        EXPECT_EQ(FormatIniReal(o.value), o.text);
        EXPECT_EQ(ParseIniReal(FormatIniReal(o.value)), o.value);
    }
}

TEST(IniNumbers, Integers) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"12", 12},       {" -5 ", -5},           {"+7", 7},         {"0x1f", 31},
        {"$FF", 255},     {"$FFFFFFFF", -1},      {"-2147483648", INT32_MIN},
        {"2147483647", INT32_MAX},                {"2147483648", std::nullopt},
        {"12a", std::nullopt}, {"", std::nullopt}, {"$", std::nullopt}, {"1.5", std::nullopt},
        {"$100000000", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;
}

TEST(WriteFileSafely, ReplacesKeepsModeFollowsLinksAndFailsCleanly) {
    TempDir dir;
    std::string path = dir.File("f.ini");
    WriteAll(path, "old");
    ::chmod(path.c_str(), 0640);
    WriteFileSafely(path, "new");
    EXPECT_EQ(ReadAll(path), "new");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    std::string link = dir.File("link.ini");
    std::filesystem::create_symlink("f.ini", link);
    WriteFileSafely(link, "through link");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadAll(path), "through link");

    // Below a regular file nothing can be created: the system's message, no stray files.
    std::string below = path + "/x.ini";
    try {
        WriteFileSafely(below, "x");
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_NE(std::string(e.what()).find(std::strerror(ENOTDIR)), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(below), std::string::npos) << e.what();
    }
    std::size_t files = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2u);  // f.ini and link.ini, no temporary left behind
}

}  // namespace
}  // namespace ftf
