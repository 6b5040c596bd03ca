// `ftf config` run as a process, with its home and XDG folders in a fresh temporary folder.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class ConfigCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = fs::temp_directory_path() /
                ("ftf-config-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }

    Result Ftf(const std::vector<std::string>& args) {
        std::string r = root_.string();
        std::string cmd = "cd " + Quote(r) + " && env HOME=" + Quote(r + "/home") +
                          " XDG_CONFIG_HOME=" + Quote(r + "/config") + " XDG_CACHE_HOME=" + Quote(r + "/cache") +
                          " XDG_DATA_HOME=" + Quote(r + "/data") + " " + Quote(FTF_BINARY_DIR "/ftf");
        for (const auto& a : args) cmd += " " + Quote(a);
        cmd += " 2>" + Quote(r + "/stderr.txt");
        Result result;
        FILE* pipe = popen(cmd.c_str(), "r");
        if (!pipe) return result;
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) result.out.append(buf, n);
        int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(r + "/stderr.txt");
        result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return result;
    }

    std::string Dir(const std::string& name) { return (root_ / name).string(); }
    std::string RegistryFile() { return Dir("config/fentorn/registry.ini"); }

    fs::path root_;
};

TEST_F(ConfigCommandTest, ListShowsTheStoreOrderAndMarksTheDefault) {
    Result empty = Ftf({"config", "list"});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(empty.out, "");

    ASSERT_EQ(Ftf({"config", "add", "Цех", "--catalog", Dir("c1"), "--server", Dir("s1"), "--report", Dir("r1")}).status, 0);
    ASSERT_EQ(Ftf({"config", "add", "Демо", "--catalog", Dir("c2"), "--server", Dir("s2"), "--report", Dir("r2"),
                   "--default"}).status, 0);
    ASSERT_EQ(Ftf({"config", "add", "Архив", "--catalog", Dir("c3"), "--server", Dir("s3"), "--report", Dir("r3")}).status, 0);
    Result list = Ftf({"config", "list"});
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
    Result show = Ftf({"config", "show", "Демо"});
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
    Result show = Ftf({"config", "show", "Демо"});
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
        Result r = Ftf(c.args);
        EXPECT_EQ(r.status, 1) << c.args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(Ftf({"config", "list"}).out, "  Демо\n");
}

}  // namespace
