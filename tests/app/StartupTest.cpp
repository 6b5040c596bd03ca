// The run's start and end without widgets: configurations in a memory registry, a scripted
// configuration dialog, a recording shell and settings session.

#include "app/Startup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/Prompter.h"
#include "common/HelpersInternal.h"
#include "common/ScriptedPrompter.h"
#include "settings/AppPaths.h"
#include "settings/Configuration.h"
#include "settings/RegistryStore.h"
#include "settings/Setup.h"

using namespace ftf;
namespace fs = std::filesystem;

namespace {

// The configuration dialog: records what it was shown and answers as scripted.
class ScriptedDialog final : public ConfigurationDialog {
public:
    enum class Answer { Preselected, Cancel, Name } answer = Answer::Preselected;
    std::string name;  // for Answer::Name
    int shown = 0;
    std::vector<std::string> names;
    int preselected = -2;
    std::optional<std::string> Choose(const std::vector<std::string>& n, int pre) override {
        ++shown;
        names = n;
        preselected = pre;
        if (answer == Answer::Cancel) return std::nullopt;
        if (answer == Answer::Name) return name;
        return n.at(pre);
    }
};

struct ShellLog {
    std::vector<std::string> events;
    std::vector<int> progress;
    std::string label, title;
    bool splashVisible = false, mainWindow = false;
    int windowState = -1;
};

class RecordingShell final : public StartupShell {
public:
    explicit RecordingShell(ShellLog& log) : log_(log) {}
    void ShowSplash() override { log_.splashVisible = true, log_.events.push_back("splash"); }
    void SetProgress(int p) override { log_.progress.push_back(p); }
    void SetLoadLabel(const std::string& t) override { log_.label = t; }
    void HideSplash() override { log_.splashVisible = false, log_.events.push_back("hide"); }
    void SetApplicationTitle(const std::string& t) override { log_.title = t; }
    void CreateMainWindow() override {
        log_.events.push_back("main:" + MainWindowCaption(AppPaths().ConfigName));
        log_.mainWindow = true;
    }
    void RestoreMainWindowState(int s) override { log_.windowState = s; }
    bool HasMainWindow() const override { return log_.mainWindow; }

private:
    ShellLog& log_;
};

struct SettingsLog {
    bool loaded = true, autoOpenReg = true, autoLoadCurrency = true;
    int created = 0, saved = 0;
};

class FakeSettings final : public SettingsSession {
public:
    explicit FakeSettings(SettingsLog& log) : log_(log) { ++log_.created; }
    bool Loaded() const override { return log_.loaded; }
    bool AutoOpenReg() const override { return log_.autoOpenReg; }
    bool AutoLoadCurrency() const override { return log_.autoLoadCurrency; }
    int MainWinState() const override { return 2; }
    void SetMainWinState(int) override {}
    void Save() override { ++log_.saved; }

private:
    SettingsLog& log_;
};

// A store whose every operation fails, as an unreadable registry does.
class BrokenRegistry final : public RegistryStore {
public:
    [[noreturn]] static void Fail() { throw FtfError("сбой реестра"); }
    bool KeyExists(const std::string&) const override { Fail(); }
    void CreateKey(const std::string&) override { Fail(); }
    std::vector<std::string> SubKeys(const std::string&) const override { Fail(); }
    bool ValueExists(const std::string&, const std::string&) const override { Fail(); }
    std::optional<std::string> ReadString(const std::string&, const std::string&) const override { Fail(); }
    std::optional<std::int32_t> ReadInteger(const std::string&, const std::string&) const override { Fail(); }
    std::optional<std::string> ReadBinary(const std::string&, const std::string&) const override { Fail(); }
    void WriteString(const std::string&, const std::string&, const std::string&) override { Fail(); }
    void WriteInteger(const std::string&, const std::string&, std::int32_t) override { Fail(); }
    void WriteBinary(const std::string&, const std::string&, const std::string&) override { Fail(); }
    void DeleteValue(const std::string&, const std::string&) override { Fail(); }
    void Flush() override { Fail(); }
};

const int kToday = 46000;  // an OLE day count

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = fs::temp_directory_path() /
                ("ftf-startup-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(root_);
        AppPaths() = AppPathsRecord{};
        registry_ = NewMemoryRegistry();
        previous_ = SetPrompter(&prompter_);
        const char* cache = std::getenv("XDG_CACHE_HOME");
        savedCache_ = cache ? std::optional<std::string>(cache) : std::nullopt;
    }
    void TearDown() override {
        SetPrompter(previous_);
        if (savedCache_) setenv("XDG_CACHE_HOME", savedCache_->c_str(), 1);
        else unsetenv("XDG_CACHE_HOME");
        AppPaths() = AppPathsRecord{};
        fs::remove_all(root_);
    }

    std::string Dir(const std::string& name) { return (root_ / name).string(); }

    // A configuration whose folders lie below the test folder.
    void AddConfig(const std::string& name, const std::string& tempBase = "temp") {
        std::string base = Dir(name);
        WriteConfiguration(*registry_, name, base + "/cat", base + "/srv", base + "/rep",
                           tempBase.empty() ? "" : Dir(tempBase), false);
    }

    StartupSequence MakeSequence(StartupHooks hooks = {}) {
        if (!hooks.today) hooks.today = [] { return kToday; };
        return StartupSequence(shell_, dialog_, *registry_,
                               [this] { return std::make_unique<FakeSettings>(settingsLog_); }, hooks);
    }

    std::vector<std::string> Errors() const { return prompter_.Texts(PromptCall::Kind::Error); }
    std::vector<std::string> Warnings() const { return prompter_.Texts(PromptCall::Kind::Warning); }

    std::string LastTempDirValue() {
        return registry_->ReadString(kConfigRootKey, kLastTempDirValue).value_or("<missing>");
    }

    fs::path root_;
    std::unique_ptr<RegistryStore> registry_;
    ScriptedPrompter prompter_;
    Prompter* previous_ = nullptr;
    ScriptedDialog dialog_;
    ShellLog shellLog_;
    RecordingShell shell_{shellLog_};
    SettingsLog settingsLog_;
    std::optional<std::string> savedCache_;
};

TEST(StartupSwitches, AnyCaseAndSurroundedCount) {
    struct Case { std::vector<std::string> args; bool developer, presentation; } cases[] = {
        {{"fentorn"}, false, true},
        {{"fentorn", "/DEVELOPER"}, true, true},
        {{"fentorn", "x/nopresentationx"}, false, false},
        {{"fentorn", "/NoPresentation", "/Developer"}, true, false},
        // The program name is not examined.
        {{"/developer/nopresentation"}, false, true},
        {{"fentorn", "developer", "-nopresentation"}, false, true},
    };
    for (const auto& c : cases) {
        AppPaths() = AppPathsRecord{};
        auto registry = NewMemoryRegistry();
        InitProcess(c.args, *registry);
        EXPECT_EQ(AppPaths().DeveloperMode, c.developer) << c.args.back();
        EXPECT_EQ(AppPaths().ShowPresentation, c.presentation) << c.args.back();
    }
    AppPaths() = AppPathsRecord{};
}

TEST(StartupPaths, ConfiguredFoldersLoseBlanksAndOneSeparator) {
    struct Case { const char* in; const char* out; } cases[] = {
        {"C:\\Data\\ ", "C:/Data"},           {" C:\\Data\\\\ ", "C:/Data/"}, {"/srv/fentorn/", "/srv/fentorn"},
        {"  /srv/fentorn//  ", "/srv/fentorn/"}, {"/srv/fentorn", "/srv/fentorn"}, {"", ""},
        {"   ", ""},                          {"/", "/"},
        // A Linux path keeps a backslash that is part of a name.
        {"/srv/a\\b/", "/srv/a\\b"},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanConfiguredPath(c.in), c.out) << "[" << c.in << "]";
}

TEST_F(StartupTest, DerivedFoldersFollowTheCleanedServerFolder) {
    WriteConfiguration(*registry_, "Цех", " C:\\Cat\\", "C:\\Data\\ ", "C:\\Rep", Dir("temp"), true);
    ASSERT_TRUE(SelectConfiguration(*registry_, dialog_));
    const AppPathsRecord& p = AppPaths();
    EXPECT_EQ(p.ConfigName, "Цех");
    EXPECT_EQ(p.CatalogDir, "C:/Cat");
    EXPECT_EQ(p.ServerDir, "C:/Data");
    EXPECT_EQ(p.ReportDir, "C:/Rep");
    EXPECT_EQ(p.IniFileName, "C:/Cat/FTFurniture.ini");
    EXPECT_EQ(p.OrdersDir, "C:/Data/Orders");
    EXPECT_EQ(p.SelectionDir, "C:/Data/Selection");
    EXPECT_EQ(p.RecycledDir, "C:/Data/Recycled");
    EXPECT_EQ(p.ArchiveDir, "C:/Data/Archive");
    EXPECT_EQ(p.RegistryDir, "C:/Data/Registry");
    EXPECT_EQ(p.ExportDir, "C:/Data/Export");
    EXPECT_EQ(prompter_.Calls().size(), 0u);
}

TEST_F(StartupTest, PrivateDirectoryIsANumberBelowItsBaseAndBecomesLastTempDir) {
    AddConfig("Демо", "deep/er/temp");
    ASSERT_TRUE(SelectConfiguration(*registry_, dialog_));
    fs::path temp = AppPaths().TempDir;
    EXPECT_EQ(temp.parent_path(), root_ / "deep/er/temp");
    EXPECT_TRUE(fs::is_directory(temp));
    std::string n = temp.filename().string();
    ASSERT_FALSE(n.empty());
    EXPECT_LE(n.size(), 6u);
    EXPECT_EQ(n.find_first_not_of("0123456789"), std::string::npos) << n;
    EXPECT_EQ(AppPaths().LastTempDir, AppPaths().TempDir);
}

TEST_F(StartupTest, EmptyTempBaseUsesTheUserCacheFolder) {
    setenv("XDG_CACHE_HOME", Dir("cache").c_str(), 1);
    AddConfig("Демо", "");
    ASSERT_TRUE(SelectConfiguration(*registry_, dialog_));
    EXPECT_EQ(fs::path(AppPaths().TempDir).parent_path(), root_ / "cache" / "fentorn");
    EXPECT_TRUE(fs::is_directory(AppPaths().TempDir));
}

TEST_F(StartupTest, NoConfigurationIsReportedWithoutTheDialog) {
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    EXPECT_FALSE(sequence.Start());
    EXPECT_EQ(dialog_.shown, 0);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0],
              "В системе не установлены пути доступа к базам данных!\r\nИнсталлируйте заново программу!");
    EXPECT_EQ(settingsLog_.created, 0);
    sequence.Shutdown();
    EXPECT_EQ(LastTempDirValue(), "");
}

TEST_F(StartupTest, OneConfigurationStillAsksAndCancelEndsQuietly) {
    AddConfig("Демо");
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    dialog_.answer = ScriptedDialog::Answer::Cancel;
    EXPECT_FALSE(sequence.Start());
    EXPECT_EQ(dialog_.shown, 1);
    EXPECT_EQ(dialog_.names, std::vector<std::string>{"Демо"});
    EXPECT_EQ(prompter_.Calls().size(), 0u);
    EXPECT_EQ(settingsLog_.created, 0);
    EXPECT_TRUE(shellLog_.events.empty());
    sequence.Shutdown();
    EXPECT_EQ(LastTempDirValue(), "");
}

TEST_F(StartupTest, DefaultConfigPreselectsItsEntryAndAMissingOneTheFirst) {
    AddConfig("Первая");
    AddConfig("Вторая");
    AddConfig("Третья");
    struct Case { const char* def; int preselected; } cases[] = {
        {"Третья", 2}, {"Вторая", 1}, {"Удалённая", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        if (c.def) registry_->WriteString(kConfigRootKey, kDefaultConfigValue, c.def);
        else registry_->DeleteValue(kConfigRootKey, kDefaultConfigValue);
        dialog_.answer = ScriptedDialog::Answer::Cancel;
        EXPECT_FALSE(SelectConfiguration(*registry_, dialog_));
        EXPECT_EQ(dialog_.preselected, c.preselected) << (c.def ? c.def : "none");
        EXPECT_EQ(dialog_.names, (std::vector<std::string>{"Первая", "Вторая", "Третья"}));
    }
    EXPECT_EQ(prompter_.Calls().size(), 0u);
}

TEST_F(StartupTest, ChosenConfigurationThatVanishedIsReported) {
    AddConfig("Демо");
    dialog_.answer = ScriptedDialog::Answer::Name;
    dialog_.name = "Пропавшая";
    EXPECT_FALSE(SelectConfiguration(*registry_, dialog_));
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0],
              "Ошибка открытия конфигурации Пропавшая!\r\nУказанная конфигурация не числиться в списке.");
    EXPECT_TRUE(AppPaths().TempDir.empty());
}

TEST_F(StartupTest, PrivateDirectoryThatCannotBeCreatedIsAReadError) {
    std::ofstream(Dir("file")) << "x";
    AddConfig("Демо", "file/below");
    EXPECT_FALSE(SelectConfiguration(*registry_, dialog_));
    ASSERT_EQ(Errors().size(), 1u);
    const std::string prefix = "Ошибка чтения системного реестра!\r\n(";
    EXPECT_EQ(Errors()[0].rfind(prefix, 0), 0u) << Errors()[0];
    EXPECT_NE(Errors()[0].find(Dir("file/below")), std::string::npos) << Errors()[0];
    EXPECT_EQ(Errors()[0].back(), ')');
    EXPECT_TRUE(AppPaths().LastTempDir.empty());
}

TEST_F(StartupTest, UnreadableRegistryIsReportedAndTheRunEnds) {
    BrokenRegistry broken;
    AppPaths().LastTempDir = "stale";
    InitProcess({"fentorn"}, broken);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], "сбой реестра");
    EXPECT_EQ(AppPaths().LastTempDir, "");
    EXPECT_FALSE(SelectConfiguration(broken, dialog_));
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_EQ(Errors()[1], "Ошибка чтения системного реестра!\r\n(сбой реестра)");
    EXPECT_FALSE(RecordLastTempDir(broken));
    EXPECT_EQ(Errors().size(), 3u);
}

TEST_F(StartupTest, MissingSettingsFileWarnsAndEndsWithoutSaving) {
    AddConfig("Демо");
    settingsLog_.loaded = false;
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    EXPECT_FALSE(sequence.Start());
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_EQ(Warnings()[0],
              "Не найден файл конфигурации! Переустановите программу или произведите настройку вручную!");
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(settingsLog_.created, 1);
    EXPECT_TRUE(shellLog_.events.empty());
    EXPECT_EQ(sequence.Settings(), nullptr);
    sequence.Shutdown();
    EXPECT_EQ(settingsLog_.saved, 0);
    // This run's private directory is still recorded, so the next run removes it.
    EXPECT_EQ(LastTempDirValue(), AppPaths().TempDir);
    EXPECT_FALSE(AppPaths().TempDir.empty());
}

TEST_F(StartupTest, SettingsThatFailToLoadEndTheRunWithTheirText) {
    AddConfig("Демо");
    auto sequence = StartupSequence(shell_, dialog_, *registry_, []() -> std::unique_ptr<SettingsSession> {
        throw FtfError("Ставка НДС не число");
    });
    sequence.Initialise({"fentorn"});
    EXPECT_FALSE(sequence.Start());
    EXPECT_EQ(Errors(), std::vector<std::string>{"Ставка НДС не число"});
    EXPECT_TRUE(shellLog_.events.empty());
}

TEST_F(StartupTest, FullStartShowsSplashCreatesMainWindowAndQueuesRequests) {
    AddConfig("Демо");
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    ASSERT_TRUE(sequence.Start());
    EXPECT_EQ(prompter_.Calls().size(), 0u);
    EXPECT_EQ(shellLog_.events, (std::vector<std::string>{"splash", "main:Fentorn ФУРНИТУРА: [Демо]", "hide"}));
    EXPECT_EQ(shellLog_.progress, (std::vector<int>{0, 2, 20, 40, 100}));
    EXPECT_EQ(shellLog_.label, "Загрузка системы...");
    EXPECT_EQ(shellLog_.title, "Fentorn ФУРНИТУРА");
    EXPECT_EQ(shellLog_.windowState, 2);
    EXPECT_FALSE(shellLog_.splashVisible);
    EXPECT_EQ(sequence.Requests().Pending(),
              (std::vector<StartupRequest>{StartupRequest::OpenRegister, StartupRequest::ShowPresentation,
                                           StartupRequest::CurrencyRates, StartupRequest::RefreshNews}));
    // Drained first in, first out.
    EXPECT_EQ(sequence.Requests().Take(), StartupRequest::OpenRegister);
    EXPECT_EQ(sequence.Requests().Size(), 3u);
    sequence.Shutdown();
    EXPECT_EQ(settingsLog_.saved, 1);
    EXPECT_EQ(LastTempDirValue(), AppPaths().TempDir);
    sequence.Shutdown();
    EXPECT_EQ(settingsLog_.saved, 1);
}

TEST_F(StartupTest, FirstRequestsFollowSettingsSwitchesAndTheCurrencyDate) {
    enum DateFile { Missing, Today, Yesterday, TodayNoon, Short };
    struct Case {
        const char* what;
        bool autoOpenReg, autoLoadCurrency;
        const char* arg;
        DateFile file;
        std::vector<StartupRequest> expected;
    };
    using R = StartupRequest;
    const Case cases[] = {
        {"all on, no date file", true, true, "", Missing, {R::OpenRegister, R::ShowPresentation, R::CurrencyRates, R::RefreshNews}},
        {"confirmed today", true, true, "", Today, {R::OpenRegister, R::ShowPresentation, R::RefreshNews}},
        {"confirmed today at noon", true, true, "", TodayNoon, {R::OpenRegister, R::ShowPresentation, R::RefreshNews}},
        {"confirmed yesterday", true, true, "", Yesterday, {R::OpenRegister, R::ShowPresentation, R::CurrencyRates, R::RefreshNews}},
        {"damaged date file", true, true, "", Short, {R::OpenRegister, R::ShowPresentation, R::CurrencyRates, R::RefreshNews}},
        {"register off", false, true, "", Today, {R::ShowPresentation, R::RefreshNews}},
        {"currency off", true, false, "", Missing, {R::OpenRegister, R::ShowPresentation, R::RefreshNews}},
        {"no presentation", false, false, "/NOPRESENTATION", Missing, {R::RefreshNews}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        registry_ = NewMemoryRegistry();
        AppPaths() = AppPathsRecord{};
        AddConfig("Демо");
        std::string server = Dir("Демо") + "/srv";
        fs::create_directories(server);
        std::string file = server + "/Fentorn.lcu";
        fs::remove(file);
        double stored = c.file == Today ? kToday : c.file == TodayNoon ? kToday + 0.5 : kToday - 1 + 0.99;
        if (c.file == Today || c.file == TodayNoon || c.file == Yesterday) {
            ASSERT_TRUE(WriteCurrencyDate(file, stored));
        }
        if (c.file == Short) std::ofstream(file, std::ios::binary) << "1234";
        settingsLog_.autoOpenReg = c.autoOpenReg;
        settingsLog_.autoLoadCurrency = c.autoLoadCurrency;
        auto sequence = MakeSequence();
        std::vector<std::string> args{"fentorn"};
        if (*c.arg) args.push_back(c.arg);
        sequence.Initialise(args);
        ASSERT_TRUE(sequence.Start());
        EXPECT_EQ(sequence.Requests().Pending(), c.expected);
        sequence.Shutdown();
    }
}

TEST_F(StartupTest, ASecondRunRemovesThePreviousPrivateDirectory) {
    AddConfig("Демо");
    std::string first;
    {
        auto sequence = MakeSequence();
        sequence.Initialise({"fentorn"});
        SeedPrivateDirNumbers(1);
        ASSERT_TRUE(sequence.Start());
        first = AppPaths().TempDir;
        std::ofstream(first + "/table.tmp") << "scratch";
        sequence.Shutdown();
    }
    EXPECT_TRUE(fs::exists(first + "/table.tmp"));
    EXPECT_EQ(LastTempDirValue(), first);

    AppPaths() = AppPathsRecord{};
    // Fixed seeds keep the two runs' numbers apart; a clock seed could draw the same one.
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    EXPECT_EQ(AppPaths().LastTempDir, first);
    SeedPrivateDirNumbers(2);
    ASSERT_TRUE(sequence.Start());
    std::string second = AppPaths().TempDir;
    ASSERT_NE(second, first);
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(fs::is_directory(second));
    sequence.Shutdown();
    EXPECT_EQ(LastTempDirValue(), second);
}

TEST_F(StartupTest, APreviousPrivateDirectoryThatWillNotGoIsReportedAndTheRunGoesOn) {
    AddConfig("Демо");
    std::string previous = Dir("temp/4711");
    fs::create_directories(previous);
    registry_->WriteString(kConfigRootKey, kLastTempDirValue, previous);
    // Root may delete anything, so the failure is injected.
    auto failing = [](const fs::path&, std::error_code& ec) -> std::uintmax_t {
        ec = std::make_error_code(std::errc::device_or_resource_busy);
        return 0;
    };
    detail::DirRemover saved = detail::SetDirRemover(failing);
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    bool started = sequence.Start();
    detail::SetDirRemover(saved);
    EXPECT_TRUE(started);
    EXPECT_EQ(prompter_.Texts(PromptCall::Kind::Plain),
              std::vector<std::string>{std::make_error_code(std::errc::device_or_resource_busy).message() +
                                       "\r\n" + previous});
    EXPECT_TRUE(shell_.HasMainWindow());
}

TEST_F(StartupTest, ARecordedFolderThatIsNoPrivateDirectoryIsLeftAlone) {
    AddConfig("Демо");
    fs::create_directories(Dir("documents"));
    std::ofstream(Dir("documents") + "/letter.txt") << "keep";
    registry_->WriteString(kConfigRootKey, kLastTempDirValue, Dir("documents"));
    auto sequence = MakeSequence();
    sequence.Initialise({"fentorn"});
    ASSERT_TRUE(sequence.Start());
    EXPECT_TRUE(fs::exists(Dir("documents") + "/letter.txt"));
    EXPECT_EQ(prompter_.Calls().size(), 0u);
}

TEST_F(StartupTest, AFailureWhileWindowsAreCreatedIsShownAndTheLoopStillRuns) {
    AddConfig("Демо");
    StartupHooks hooks;
    hooks.createCatalogueModule = [] { throw FtfError("Каталог недоступен"); };
    auto sequence = MakeSequence(hooks);
    sequence.Initialise({"fentorn"});
    EXPECT_TRUE(sequence.Start());
    EXPECT_EQ(Errors(), std::vector<std::string>{"Каталог недоступен"});
    EXPECT_EQ(shellLog_.events, (std::vector<std::string>{"splash", "hide"}));
    EXPECT_FALSE(shell_.HasMainWindow());
    EXPECT_TRUE(sequence.Requests().Empty());
    sequence.Shutdown();
    EXPECT_EQ(settingsLog_.saved, 1);
}

TEST_F(StartupTest, ADatabaseFailureLeavesTheMainWindowUp) {
    AddConfig("Демо");
    StartupHooks hooks;
    hooks.configureDatabases = [] { throw FtfError("Не удалось открыть FMDB_Catalog"); };
    auto sequence = MakeSequence(hooks);
    sequence.Initialise({"fentorn"});
    EXPECT_TRUE(sequence.Start());
    EXPECT_EQ(Errors(), std::vector<std::string>{"Не удалось открыть FMDB_Catalog"});
    EXPECT_TRUE(shell_.HasMainWindow());
    EXPECT_FALSE(shellLog_.splashVisible);
}

TEST_F(StartupTest, CurrencyDateFileHoldsEightLittleEndianBytes) {
    std::string file = Dir("Fentorn.lcu");
    ASSERT_TRUE(WriteCurrencyDate(file, 45000.5));
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // 45000.5 = 0x40E5F91000000000
    EXPECT_EQ(bytes, std::string("\x00\x00\x00\x00\x10\xF9\xE5\x40", 8));
    EXPECT_EQ(ReadCurrencyDate(file), 45000.5);
    EXPECT_EQ(ReadCurrencyDate(Dir("missing.lcu")), std::nullopt);
    EXPECT_FALSE(WriteCurrencyDate(Dir("missing/dir/Fentorn.lcu"), 1.0));
    EXPECT_EQ(CurrencyDateFile("/srv/fentorn"), "/srv/fentorn/Fentorn.lcu");
    setenv("XDG_CACHE_HOME", Dir("cache").c_str(), 1);
    EXPECT_EQ(CurrencyDateFile(""), Dir("cache") + "/fentorn/Fentorn.lcu");
}

TEST_F(StartupTest, ConfirmedRatesRecordTodayOnlyWithAutoLoadCurrency) {
    AppPaths().ServerDir = Dir("srv");
    fs::create_directories(AppPaths().ServerDir);
    std::string file = AppPaths().ServerDir + "/Fentorn.lcu";
    ConfirmCurrencyRates(false, kToday);
    EXPECT_FALSE(fs::exists(file));
    ConfirmCurrencyRates(true, kToday);
    EXPECT_EQ(ReadCurrencyDate(file), static_cast<double>(kToday));
    AppPaths().ServerDir = Dir("file-not-dir");
    std::ofstream(AppPaths().ServerDir) << "x";
    ConfirmCurrencyRates(true, kToday);  // an error here is ignored
    EXPECT_EQ(prompter_.Calls().size(), 0u);
}

}  // namespace

namespace {

// The program's own settings session over the real settings object and a memory registry.
TEST_F(StartupTest, RealSettingsLoadFromTheCatalogueAndSaveAtTheEnd) {
    AddConfig("Демо");
    std::string catalog = Dir("Демо") + "/cat";
    fs::create_directories(catalog);
    // "[Firm]\r\nName=Окна\r\n" in Windows-1251.
    std::ofstream(catalog + "/FTFurniture.ini", std::ios::binary)
        << "[Firm]\r\nName=\xCE\xEA\xED\xE0\r\n";
    registry_->WriteInteger(kSetupRegistryKey, "AutoOpenReg", 0);
    SetCurrentRegistry(registry_.get());
    StartupHooks hooks;
    hooks.today = [] { return kToday; };
    auto sequence = StartupSequence(shell_, dialog_, *registry_, &NewSetupSession, hooks);
    sequence.Initialise({"fentorn", "/nopresentation"});
    ASSERT_TRUE(sequence.Start());
    EXPECT_EQ(prompter_.Calls().size(), 0u);
    ASSERT_NE(CurrentSetup(), nullptr);
    EXPECT_EQ(CurrentSetup()->FirmName, "Окна");
    EXPECT_EQ(sequence.Requests().Pending(),
              (std::vector<StartupRequest>{StartupRequest::CurrencyRates, StartupRequest::RefreshNews}));
    // Loading created the data folders below the server folder.
    EXPECT_TRUE(fs::is_directory(AppPaths().OrdersDir));
    sequence.Settings()->SetMainWinState(2);
    sequence.Shutdown();
    EXPECT_EQ(CurrentSetup(), nullptr);
    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "DovuruzadMainWinState"), 2);
    EXPECT_EQ(registry_->ReadInteger(kSetupRegistryKey, "AutoOpenReg"), 0);
    EXPECT_EQ(LastTempDirValue(), AppPaths().TempDir);
    SetCurrentRegistry(nullptr);
}

TEST_F(StartupTest, RealSettingsWithoutTheirFileEndTheRunWithTheWarning) {
    AddConfig("Демо");
    SetCurrentRegistry(registry_.get());
    auto sequence = StartupSequence(shell_, dialog_, *registry_, &NewSetupSession);
    sequence.Initialise({"fentorn"});
    EXPECT_FALSE(sequence.Start());
    EXPECT_EQ(Warnings(), std::vector<std::string>{kMsgIniMissing});
    sequence.Shutdown();
    // Nothing of the settings was saved.
    EXPECT_FALSE(registry_->ValueExists(kSetupRegistryKey, "AutoReg"));
    EXPECT_EQ(CurrentSetup(), nullptr);
    SetCurrentRegistry(nullptr);
}

}  // namespace
