// `ftf config` run as a process, with its home and XDG folders in a fresh temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FtfProcess.h"

namespace fs = std::filesystem;

namespace {

using ftf::test::RunResult;

class ConfigCommandTest : public ::testing::Test {
protected:
    RunResult Ftf(const std::vector<std::string>& args) { return proc.Run(args); }

    std::string Dir(const std::string& name) { return proc.Path(name); }
    std::string RegistryFile() { return Dir("config/fentorn/registry.ini"); }

    ftf::test::FtfProcess proc;
};

TEST_F(ConfigCommandTest, ListShowsTheStoreOrderAndMarksTheDefault) {
    RunResult empty = Ftf({"config", "list"});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(empty.out, "");

    ASSERT_EQ(Ftf({"config", "add", "Цех", "--catalog", Dir("c1"), "--server", Dir("s1"), "--report", Dir("r1")}).status, 0);
    ASSERT_EQ(Ftf({"config", "add", "Демо", "--catalog", Dir("c2"), "--server", Dir("s2"), "--report", Dir("r2"),
                   "--default"}).status, 0);
    ASSERT_EQ(Ftf({"config", "add", "Архив", "--catalog", Dir("c3"), "--server", Dir("s3"), "--report", Dir("r3")}).status, 0);
    RunResult list = Ftf({"config", "list"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "  Цех\n* Демо\n  Архив\n");
    EXPECT_TRUE(fs::exists(RegistryFile()));
}

TEST_F(ConfigCommandTest, ShowPrintsTheDerivedFoldersAndCreatesNothing) {
    ASSERT_EQ(Ftf({"config", "add", "Демо", "--catalog", Dir("cat") + "/", "--server", Dir("srv") + "/", "--report",
                   Dir("rep"), "--default"}).status, 0);
    std::string registryBefore;
    {
        std::ifstream in(RegistryFile());
        registryBefore.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    RunResult show = Ftf({"config", "show", "Демо"});
    ASSERT_EQ(show.status, 0) << show.err;
    std::string srv = Dir("srv");
    EXPECT_EQ(show.out, "ConfigName=Демо\n"
                        "CatalogDir=" + Dir("cat") + "\n"
                        "ServerDir=" + srv + "\n"
                        "ReportDir=" + Dir("rep") + "\n"
                        "IniFileName=" + Dir("cat") + "/FTFurniture.ini\n"
                        "OrdersDir=" + srv + "/Orders\n"
                        "SelectionDir=" + srv + "/Selection\n"
                        "RecycledDir=" + srv + "/Recycled\n"
                        "ArchiveDir=" + srv + "/Archive\n"
                        "RegistryDir=" + srv + "/Registry\n"
                        "ExportDir=" + srv + "/Export\n"
                        "TempDirBase=" + Dir("cache") + "/fentorn\n");
    // No private directory, no folders of the configuration, FTFLastTempDir untouched.
    EXPECT_FALSE(fs::exists(Dir("cache")));
    EXPECT_FALSE(fs::exists(srv));
    std::ifstream in(RegistryFile());
    std::string registryAfter((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(registryAfter, registryBefore);
    EXPECT_EQ(registryAfter.find("FTFLastTempDir"), std::string::npos);
}

TEST_F(ConfigCommandTest, RelativeFoldersAreStoredAbsoluteAndAGivenTempBaseIsShown) {
    ASSERT_EQ(Ftf({"config", "add", "Демо", "--catalog", "cat", "--server", "srv", "--report", "rep", "--temp",
                   "tmp"}).status, 0);
    RunResult show = Ftf({"config", "show", "Демо"});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find("\nCatalogDir=" + Dir("cat") + "\n"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\nTempDirBase=" + Dir("tmp") + "\n"), std::string::npos) << show.out;
    // Without --default no configuration is marked.
    EXPECT_EQ(Ftf({"config", "list"}).out, "  Демо\n");
}

TEST_F(ConfigCommandTest, ErrorsEndWithStatusOneAndAMessage) {
    ASSERT_EQ(Ftf({"config", "add", "Демо", "--catalog", "c", "--server", "s", "--report", "r"}).status, 0);
    struct Case { std::vector<std::string> args; const char* message; } cases[] = {
        {{"config", "show", "Нет"}, "Ошибка открытия конфигурации Нет! Указанная конфигурация не числиться в списке."},
        {{"config", "add", "Б", "--catalog", "c", "--server", "s"}, "--report"},
        {{"config", "add", "А\\Б", "--catalog", "c", "--server", "s", "--report", "r"}, "Недопустимое имя конфигурации"},
        {{"config", "add", "В", "--catalog"}, "неверный параметр «--catalog»"},
        {{"config", "remove", "Демо"}, "Использование"},
        {{"config"}, "Использование"},
    };
    for (const auto& c : cases) {
        RunResult r = Ftf(c.args);
        EXPECT_EQ(r.status, 1) << c.args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(Ftf({"config", "list"}).out, "  Демо\n");
}

}  // namespace
