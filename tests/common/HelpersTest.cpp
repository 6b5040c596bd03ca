#include "common/Helpers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "common/HelpersInternal.h"
#include "common/ScriptedPrompter.h"

using namespace ftf;
namespace fs = std::filesystem;

TEST(Helpers, SplitFileNameEveryCombination) {
    struct Case { bool dir, base, ext; const char* win; const char* lin; } cases[] = {
        {true, true, true, "C:\\Orders\\12.3.ffo370", "/srv/orders/12.3.ffo370"},
        {true, true, false, "C:\\Orders\\12.3", "/srv/orders/12.3"},
        {true, false, false, "C:\\Orders\\", "/srv/orders/"},
        {true, false, true, "", ""},
        {false, true, true, "12.3.ffo370", "12.3.ffo370"},
        {false, true, false, "12.3", "12.3"},
        {false, false, true, ".ffo370", ".ffo370"},
        {false, false, false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dir << c.base << c.ext);
        EXPECT_EQ(SplitFileName("C:\\Orders\\12.3.ffo370", c.dir, c.base, c.ext), c.win);
        EXPECT_EQ(SplitFileName("/srv/orders/12.3.ffo370", c.dir, c.base, c.ext), c.lin);
    }
    // No extension; a dot in a folder name is not an extension; a bare drive is a directory.
    EXPECT_EQ(SplitFileName("/srv/v1.2/readme", false, true, false), "readme");
    EXPECT_EQ(SplitFileName("/srv/v1.2/readme", false, false, true), "");
    EXPECT_EQ(SplitFileName("C:a.txt", true, false, false), "C:");
    EXPECT_EQ(SplitFileName("Заказ №5.ffo370", false, true, false), "Заказ №5");
}

TEST(Helpers, TrimPathRemovesBlanksAndOneSeparator) {
    EXPECT_EQ(TrimPath(" C:\\Orders\\\\ "), "C:\\Orders\\");
    EXPECT_EQ(TrimPath("C:\\Orders"), "C:\\Orders");
    EXPECT_EQ(TrimPath("  /srv/orders/ "), "/srv/orders");
    EXPECT_EQ(TrimPath("/"), "/");
    EXPECT_EQ(TrimPath("   "), "");
}

TEST(Helpers, RemoveBlanks) {
    EXPECT_EQ(RemoveBlanks("1 234 567,5"), "1234567,5");
    EXPECT_EQ(RemoveBlanks("1\xC2\xA0" "234"), "1234");
    EXPECT_EQ(RemoveBlanks("   "), "0");
    EXPECT_EQ(RemoveBlanks(""), "0");
    EXPECT_EQ(RemoveBlanks("Ц е н а"), "Цена");
}

TEST(Helpers, SanitizeFileName) {
    EXPECT_EQ(SanitizeFileName("12/3 (A)", '_'), "12_3 _A_");
    const std::string forbidden = "\\/:*?,;\"`!(){}[]<>|%'";
    ASSERT_EQ(forbidden.size(), 21u);
    EXPECT_EQ(SanitizeFileName(forbidden, '_'), std::string(21, '_'));
    EXPECT_EQ(SanitizeFileName("Заказ-12.3 от #5&", '_'), "Заказ-12.3 от #5&");
    EXPECT_EQ(SanitizeFileNameNoDots("Заказ 12.3/1", '_'), "Заказ 12_3_1");
}

TEST(Helpers, StrToIntOrZero) {
    struct Case { const char* text; int value; } cases[] = {
        {"12", 12},     {"-7", -7},          {"  +5", 5},         {"12a", 0},
        {"", 0},        {"-", 0},            {"12 ", 0},          {"--5", 0},
        {"+-5", 0},     {"1.5", 0},          {"2147483647", 2147483647},
        {"2147483648", 0}, {"-2147483648", -2147483647 - 1}, {"99999999999999999999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StrToIntOrZero(c.text), c.value) << '"' << c.text << '"';
}

TEST(Helpers, FindSwitchIgnoresCaseAndProgramName) {
    const std::vector<std::string> args = {"/opt/fentorn/developer/fentorn", "x/NoPresentationX",
                                           "/DEVELOPER", "/developer"};
    EXPECT_EQ(FindSwitch(args, "/developer"), 2);
    EXPECT_EQ(FindSwitch(args, "/nopresentation"), 1);
    EXPECT_EQ(FindSwitch(args, "/yes"), -1);
    EXPECT_EQ(FindSwitch({"/developer"}, "/developer"), -1);
    EXPECT_EQ(FindSwitch({}, "/developer"), -1);
    EXPECT_EQ(FindSwitch(args, ""), -1);
    EXPECT_EQ(FindSwitch({"prog", "/ОТЛАДКА"}, "/отладка"), 1);
}

TEST(Helpers, FieldCountAndExtract) {
    EXPECT_EQ(FieldCount("", ","), 0);
    EXPECT_EQ(FieldCount("a", ","), 1);
    EXPECT_EQ(FieldCount("a,,b", ","), 3);
    EXPECT_EQ(FieldCount(",", ","), 2);
    EXPECT_EQ(FieldCount("a,b;c", ",;"), 3);
    EXPECT_EQ(FieldCount("один№два№три", "№"), 3);

    struct Case { int n; bool trim; const char* field; } cases[] = {
        {1, false, " a "}, {1, true, "a"}, {2, true, ""}, {3, false, "b "},
        {3, true, "b"},    {4, true, ""},  {0, true, ""}, {-1, true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractField(" a ,,b ", c.n, ",", c.trim), c.field) << c.n << c.trim;
    EXPECT_EQ(ExtractField("один№два", 2, "№", false), "два");
    EXPECT_EQ(ExtractField("", 1, ",", true), "");
}

TEST(Helpers, ContainsAndAppendField) {
    EXPECT_TRUE(ContainsField("x; y ;z", "y", ";"));
    EXPECT_FALSE(ContainsField("x; y ;z", "Y", ";"));
    EXPECT_FALSE(ContainsField("x;y", "", ";"));
    EXPECT_TRUE(ContainsField("x;;y", "", ";"));
    EXPECT_FALSE(ContainsField("", "", ";"));

    EXPECT_EQ(AppendField("x;y", "y", ";", true), "x;y");
    EXPECT_EQ(AppendField("x;y", "y", ";", false), "x;y;y");
    EXPECT_EQ(AppendField("", "y", ";", true), "y");
    EXPECT_EQ(AppendField("x;y", "z", ";", true), "x;y;z");
    // A separator of several characters is appended whole but splits at each of its characters.
    EXPECT_EQ(AppendField("ab, cd", "cd", ", ", true), "ab, cd");
    EXPECT_EQ(AppendField("ab, cd", "ef", ", ", true), "ab, cd, ef");
}

TEST(Helpers, ReplaceText) {
    struct Case {
        const char* text; const char* search; const char* repl; bool ignoreCase, first; const char* out;
    } cases[] = {
        {"a\r\nb\r\n", "\r\n", ";", false, false, "a;b;"},
        {"abcabc", "b", "XY", false, true, "aXYcabc"},
        {"abcABC", "b", "_", false, false, "a_cABC"},
        {"abcABC", "b", "_", true, false, "a_cA_C"},
        {"Привет, ПРИВЕТ, привет", "привет", "мир", true, false, "мир, мир, мир"},
        {"Ёлка и ёлка", "ЁЛКА", "ель", true, true, "ель и ёлка"},
        {"aaa", "a", "aa", false, false, "aaaaaa"},   // an inserted replacement is not searched
        {"aaaa", "aa", "b", false, false, "bb"},
        {"same", "am", "am", false, false, "same"},
        {"abc", "abc", "", false, false, ""},
        {"abc", "", "x", false, false, "abc"},
        {"", "a", "x", false, false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceText(c.text, c.search, c.repl, c.ignoreCase, c.first), c.out)
            << c.text << " / " << c.search;
}

TEST(Helpers, PadCountsCharacters) {
    EXPECT_EQ(PadLeft("12345", 3, false), "345");
    EXPECT_EQ(PadRight("ab", 4, false, '.'), "ab..");
    EXPECT_EQ(PadLeft("7", 3, false, '0'), "007");
    EXPECT_EQ(PadRight("12345", 3, false), "123");
    EXPECT_EQ(PadLeft("  ab ", 4, true), "  ab");
    EXPECT_EQ(PadLeft("  ab ", 4, false), " ab ");
    EXPECT_EQ(PadRight("Дверь", 3, false), "Две");
    EXPECT_EQ(PadLeft("Дверь", 7, false), "  Дверь");
    EXPECT_EQ(PadLeft("Дверь", 2, false), "рь");
    EXPECT_EQ(PadRight("Окно", 6, false, '.'), "Окно..");
    EXPECT_EQ(PadRight("abc", 0, false), "");
    EXPECT_EQ(PadLeft("abc", -1, false), "");
}

TEST(Helpers, DeleteDirTree) {
    ScriptedPrompter prompter;
    ScopedPrompter guard(prompter);
    test::TempDir tmp;

    tmp.Touch("tree/a.txt");
    tmp.Touch("tree/Sub Dir/Вложенный/b.txt");
    EXPECT_TRUE(DeleteDirTree((tmp.Path() / "tree").string()));
    EXPECT_FALSE(fs::exists(tmp.Path() / "tree"));

    EXPECT_TRUE(DeleteDirTree((tmp.Path() / "missing").string()));
    EXPECT_TRUE(DeleteDirTree(""));

    // Not a directory: nothing is touched.
    auto file = tmp.Touch("plain.txt");
    EXPECT_TRUE(DeleteDirTree(file.string()));
    EXPECT_TRUE(fs::exists(file));

    // A link to a folder is not followed into the folder.
    tmp.Touch("target/keep.txt");
    fs::create_directory_symlink(tmp.Path() / "target", tmp.Path() / "link");
    EXPECT_TRUE(DeleteDirTree((tmp.Path() / "link").string()));
    EXPECT_TRUE(fs::exists(tmp.Path() / "target/keep.txt"));

    EXPECT_TRUE(prompter.Calls().empty());
}

TEST(Helpers, DeleteDirTreeReportsFailure) {
    ScriptedPrompter prompter;
    ScopedPrompter guard(prompter);
    test::TempDir tmp;
    tmp.Touch("busy/a.txt");
    const std::string dir = (tmp.Path() / "busy").string();

    auto failing = [](const fs::path&, std::error_code& ec) -> std::uintmax_t {
        ec = std::make_error_code(std::errc::device_or_resource_busy);
        return 0;
    };
    auto previous = detail::SetDirRemover(failing);
    const bool ok = DeleteDirTree(dir);
    detail::SetDirRemover(previous);

    EXPECT_FALSE(ok);
    const std::string expected = std::make_error_code(std::errc::device_or_resource_busy).message() +
                                 "\r\n" + dir;
    EXPECT_EQ(prompter.Texts(PromptCall::Kind::Plain), std::vector<std::string>{expected});
    EXPECT_EQ(prompter.Calls().size(), 1u);
}
