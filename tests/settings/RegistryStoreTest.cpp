#include "settings/RegistryStore.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "common/Error.h"
#include "TestSupport.h"

namespace ftf {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

const std::string kRoot = "\\SoftWare\\Gravik\\Fentorn\\Furniture380\\DBConfig\\Zove";

// The behaviour every store shares, run on the memory store and on a file store alike.
void ExerciseStore(RegistryStore& reg) {
    EXPECT_TRUE(reg.KeyExists(""));
    EXPECT_FALSE(reg.KeyExists(kRoot));
    reg.CreateKey(kRoot + "\\Main");
    reg.CreateKey(kRoot + "\\archive");
    reg.CreateKey(kRoot + "\\Бета");
    reg.CreateKey(kRoot + "\\MAIN");  // exists already, in another case
    EXPECT_TRUE(reg.KeyExists("SOFTWARE\\gravik\\FENTORN"));  // parents exist, leading "\" optional
    EXPECT_TRUE(reg.KeyExists(kRoot + "\\бета\\"));
    EXPECT_FALSE(reg.KeyExists(kRoot + "\\Main\\Deeper"));
    EXPECT_EQ(reg.SubKeys(kRoot), (std::vector<std::string>{"Main", "archive", "Бета"}));
    EXPECT_EQ(reg.SubKeys("\\"), (std::vector<std::string>{"SoftWare"}));
    EXPECT_TRUE(reg.SubKeys(kRoot + "\\Main").empty());

    reg.WriteString(kRoot, "DefaultConfig", "Main");
    reg.WriteString(kRoot + "\\Main", "FTFCatalogDir", "C:\\Fentorn\\Catalog\\");
    reg.WriteInteger(kRoot, "Count", -17);
    reg.WriteBinary(kRoot, "State", std::string("\x02\x00\xff", 3));
    reg.WriteBinary(kRoot, "Nothing", "");
    EXPECT_EQ(reg.ReadString(kRoot, "defaultconfig"), "Main");
    EXPECT_EQ(reg.ReadString(kRoot + "\\MAIN", "FTFCATALOGDIR"), "C:\\Fentorn\\Catalog\\");
    EXPECT_EQ(reg.ReadInteger(kRoot, "Count"), -17);
    EXPECT_EQ(reg.ReadBinary(kRoot, "State"), std::string("\x02\x00\xff", 3));
    EXPECT_EQ(reg.ReadBinary(kRoot, "Nothing"), "");
    EXPECT_FALSE(reg.ReadString(kRoot, "Missing"));
    EXPECT_FALSE(reg.ReadInteger(kRoot + "\\NoSuchKey", "Count"));
    EXPECT_TRUE(reg.ValueExists(kRoot, "COUNT"));

    // A typed read of a value of another type is an error, as in the registry.
    EXPECT_THROW(reg.ReadInteger(kRoot, "DefaultConfig"), FtfError);
    EXPECT_THROW(reg.ReadString(kRoot, "Count"), FtfError);
    EXPECT_THROW(reg.ReadString(kRoot, "State"), FtfError);

    // Writing creates the key; overwriting may change the type.
    reg.WriteInteger(kRoot + "\\New\\Leaf", "X", 1);
    EXPECT_TRUE(reg.KeyExists(kRoot + "\\New"));
    reg.WriteString(kRoot, "Count", "now text");
    EXPECT_EQ(reg.ReadString(kRoot, "Count"), "now text");
    reg.DeleteValue(kRoot, "count");
    EXPECT_FALSE(reg.ValueExists(kRoot, "Count"));
    reg.DeleteValue(kRoot, "Count");  // deleting what is gone is no error

    for (const char* bad : {"", "a=b", "[x", ";x", " lead", "trail ", "two\nlines"})
        EXPECT_THROW(reg.WriteInteger(kRoot, bad, 1), FtfError) << bad;
    for (const char* bad : {"\\A\\\\B", "\\A\\ B", "\\A\nB"})
        EXPECT_THROW(reg.CreateKey(bad), FtfError) << bad;
}

TEST(RegistryStore, MemoryStore) {
    auto reg = NewMemoryRegistry();
    ExerciseStore(*reg);
    reg->Flush();  // nothing to do, no error
    EXPECT_EQ(reg->ReadString(kRoot, "DefaultConfig"), "Main");
}

TEST(RegistryStore, FileStorePersistsEverythingAcrossOpens) {
    TempDir dir;
    std::string path = dir.File("sub/fentorn/registry.ini");
    {
        auto reg = OpenFileRegistry(path);
        ExerciseStore(*reg);
        EXPECT_FALSE(std::filesystem::exists(path));  // nothing on disk before Flush
        reg->Flush();
    }
    auto again = OpenFileRegistry(path);
    EXPECT_EQ(again->SubKeys(kRoot), (std::vector<std::string>{"Main", "archive", "Бета", "New"}));
    EXPECT_EQ(again->ReadString(kRoot + "\\Main", "FTFCatalogDir"), "C:\\Fentorn\\Catalog\\");
    EXPECT_EQ(again->ReadBinary(kRoot, "State"), std::string("\x02\x00\xff", 3));
    EXPECT_EQ(again->ReadInteger(kRoot + "\\New\\Leaf", "X"), 1);
    EXPECT_FALSE(again->ValueExists(kRoot, "Count"));
}

TEST(RegistryStore, FileFormatIsReadableText) {
    TempDir dir;
    std::string path = dir.File("registry.ini");
    auto reg = OpenFileRegistry(path);
    reg->WriteString("\\A", "Path", "C:\\Data");
    reg->WriteString("\\A", "Odd", " \"q\"\ttab\r\nline\x01 ");
    reg->WriteInteger("\\A\\B", "N", 2147483647);
    reg->WriteBinary("\\A\\B", "Bytes", "\x0a\xff");
    reg->Flush();
    EXPECT_EQ(ReadAll(path),
              "[\\A]\n"
              "Path=\"C:\\\\Data\"\n"
              "Odd=\" \\\"q\\\"\\ttab\\r\\nline\\x01 \"\n"
              "[\\A\\B]\n"
              "N=int:2147483647\n"
              "Bytes=hex:0aff\n");
    auto again = OpenFileRegistry(path);
    EXPECT_EQ(again->ReadString("A", "Odd"), " \"q\"\ttab\r\nline\x01 ");
}

TEST(RegistryStore, HandWrittenFileWithCommentsIsReadAndKept) {
    TempDir dir;
    std::string path = dir.File("registry.ini");
    const std::string text =
        "; written by hand\n"
        "\n"
        "[\\Soft]\n"
        "  Name = \"значение\"  \n"
        "# another comment\n"
        "Hex=hex:AbCd\n"
        "[\\Soft\\Sub]\n";
    WriteAll(path, text);
    auto reg = OpenFileRegistry(path);
    EXPECT_EQ(reg->ReadString("\\soft", "name"), "значение");
    EXPECT_EQ(reg->ReadBinary("\\Soft", "Hex"), "\xab\xcd");
    EXPECT_EQ(reg->SubKeys("\\Soft"), (std::vector<std::string>{"Sub"}));
    reg->WriteInteger("\\Soft", "Added", 5);
    reg->Flush();
    EXPECT_EQ(ReadAll(path),
              "; written by hand\n\n[\\Soft]\n  Name = \"значение\"  \n# another comment\nHex=hex:AbCd\n"
              "Added=int:5\n[\\Soft\\Sub]\n");
}

TEST(RegistryStore, UnreadableFileNamesTheFileAndLine) {
    struct Case {
        const char* text;
        int line;
    } cases[] = {
        {"[\\A]\nX=plain text\n", 2},       // no type
        {"[\\A]\nX=int:12x\n", 2},          // bad integer
        {"[\\A]\nX=int:99999999999\n", 2},  // out of range
        {"[\\A]\nX=hex:abc\n", 2},          // odd digits
        {"[\\A]\nX=hex:zz\n", 2},
        {"[\\A]\nX=\"open\n", 2},           // unterminated string
        {"[\\A]\nX=\"a\"b\"\n", 2},         // text after the closing quote
        {"[\\A]\nX=\"\\q\"\n", 2},          // unknown escape
        {"X=int:1\n[\\A]\n", 1},            // value outside any key
        {"[\\A]\njust words\n", 2},         // neither key nor value
        {"[\\A\n", 1},                      // broken header
        {"[A]\n", 1},                       // a key path starts with "\"
        {"[\\A\\\\B]\n", 1},                // empty component
        {"[\\A]\n[\\a]\n", 2},              // the same key twice
        {"[\\A]\nX=int:1\nx=int:2\n", 3},   // the same value twice
        {"[\\A]\nX=\"\xff\"\n", 2},         // not UTF-8
    };
    TempDir dir;
    std::string path = dir.File("registry.ini");
    for (const Case& c : cases) {
        WriteAll(path, c.text);
        try {
            OpenFileRegistry(path);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const FtfError& e) {
            std::string what = e.what();
            EXPECT_NE(what.find(path), std::string::npos) << what;
            EXPECT_NE(what.find("строка " + std::to_string(c.line)), std::string::npos) << c.text << what;
        }
        EXPECT_EQ(ReadAll(path), c.text);  // never overwritten
    }
}

TEST(RegistryStore, FlushKeepsWhatAnotherProcessWroteMeanwhile) {
    TempDir dir;
    std::string path = dir.File("registry.ini");
    auto first = OpenFileRegistry(path);
    auto second = OpenFileRegistry(path);
    first->WriteString("\\Cfg\\One", "V", "1");
    first->Flush();
    second->WriteString("\\Cfg\\Two", "V", "2");
    second->DeleteValue("\\Cfg\\One", "V");  // a change of its own to a key it never saw
    second->Flush();
    auto check = OpenFileRegistry(path);
    EXPECT_EQ(check->SubKeys("\\Cfg"), (std::vector<std::string>{"One", "Two"}));
    EXPECT_FALSE(check->ValueExists("\\Cfg\\One", "V"));
    EXPECT_EQ(check->ReadString("\\Cfg\\Two", "V"), "2");
}

TEST(RegistryStore, FlushFailureIsAnErrorAndDestructionFlushes) {
    TempDir dir;
    std::string blocker = dir.File("plain");
    WriteAll(blocker, "x");
    auto reg = OpenFileRegistry(blocker + "/fentorn/registry.ini");
    reg->WriteInteger("\\A", "N", 1);
    EXPECT_THROW(reg->Flush(), FtfError);

    std::string path = dir.File("registry.ini");
    {
        auto pending = OpenFileRegistry(path);
        pending->WriteInteger("\\A", "N", 7);
    }
    EXPECT_EQ(OpenFileRegistry(path)->ReadInteger("\\A", "N"), 7);
}

TEST(RegistryStore, UserStoreFollowsXdgConfigHomeAndCurrentCanBeReplaced) {
    TempDir dir;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    {
        auto reg = OpenUserRegistry();
        reg->WriteString("\\A", "V", "x");
        reg->Flush();
    }
    EXPECT_TRUE(std::filesystem::exists(dir.File("fentorn/registry.ini")));
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");

    auto memory = NewMemoryRegistry();
    SetCurrentRegistry(memory.get());
    CurrentRegistry().WriteInteger("\\A", "N", 3);
    EXPECT_EQ(memory->ReadInteger("\\A", "N"), 3);
    SetCurrentRegistry(nullptr);
    EXPECT_NE(&CurrentRegistry(), memory.get());
}

}  // namespace
}  // namespace ftf
