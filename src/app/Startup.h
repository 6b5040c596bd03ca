#pragma once
// The run from process start to a ready main window, and back to the end.
//
// Widget-free: the desktop supplies the splash and the main window through StartupShell, the
// configuration dialog through ConfigurationDialog, and the settings object through SettingsSession;
// the tests supply scripted ones. Messages go through the installed Prompter.
//
//   Initialise(args)   switches, LastTempDir
//   Start()            previous private directory removed, configuration chosen, settings loaded,
//                      splash, data modules, main window, databases, first requests queued
//   (event loop)       the main window drains Requests() once the loop runs
//   Shutdown()         settings saved, FTFLastTempDir recorded

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Dates.h"

namespace ftf {

class ConfigurationDialog;
class RegistryStore;

inline constexpr const char* kApplicationTitle = "Fentorn ФУРНИТУРА";
inline constexpr const char* kLoadingLabel = "Загрузка системы...";
inline constexpr const char* kMsgIniMissing =
    "Не найден файл конфигурации! Переустановите программу или произведите настройку вручную!";

/// The main window caption: "Fentorn ФУРНИТУРА: [name]".
std::string MainWindowCaption(const std::string& configName);

/// What the main window is asked to do once the event loop runs.
enum class StartupRequest {
    OpenRegister,      ///< the order register window
    ShowPresentation,  ///< the supplier presentation window
    CurrencyRates,     ///< the currency-rates dialog
    RefreshNews,       ///< the news panel
};

/// First in, first out: requests are handled in the order they were posted.
class StartupRequestQueue {
public:
    void Post(StartupRequest request) { queue_.push_back(request); }
    bool Empty() const { return queue_.empty(); }
    std::size_t Size() const { return queue_.size(); }
    /// Removes and returns the oldest request. The queue must not be empty.
    StartupRequest Take() {
        StartupRequest r = queue_.front();
        queue_.pop_front();
        return r;
    }
    std::vector<StartupRequest> Pending() const { return {queue_.begin(), queue_.end()}; }

private:
    std::deque<StartupRequest> queue_;
};

/// The settings object as the run's start and end see it. Created once the configuration is
/// chosen; its creation loads the INI file and the registry options.
class SettingsSession {
public:
    virtual ~SettingsSession() = default;
    /// True when the INI file existed and was loaded; only a loaded session is saved.
    virtual bool Loaded() const = 0;
    virtual bool AutoOpenReg() const = 0;
    virtual bool AutoLoadCurrency() const = 0;
    /// Saved window state of the main window (0 normal, 1 minimised, 2 maximised).
    virtual int MainWinState() const = 0;
    virtual void SetMainWinState(int state) = 0;
    /// Saves the registry options and then the INI file (only when loaded).
    virtual void Save() = 0;
};

/// Creates the settings session for the configuration in AppPaths(). May throw.
using SettingsFactory = std::function<std::unique_ptr<SettingsSession>()>;

/// The program's session: a TftfSetup, installed as CurrentSetup() while it lives. Like the settings
/// object it wraps, a loaded session saves itself also when destroyed without Save(). Throws what
/// the settings object throws while loading.
std::unique_ptr<SettingsSession> NewSetupSession();

/// The windows of the start: splash and main window.
class StartupShell {
public:
    virtual ~StartupShell() = default;
    /// The splash: "ФУРНИТУРА ", "ВЕРСИЯ 3.80", a label and a progress bar.
    virtual void ShowSplash() = 0;
    virtual void SetProgress(int percent) = 0;
    virtual void SetLoadLabel(const std::string& text) = 0;
    virtual void HideSplash() = 0;
    virtual void SetApplicationTitle(const std::string& title) = 0;
    /// Creates the main window (caption from MainWindowCaption(AppPaths().ConfigName)); it becomes
    /// the application's main window.
    virtual void CreateMainWindow() = 0;
    /// Gives the main window its saved state and repaints it.
    virtual void RestoreMainWindowState(int state) = 0;
    /// True once CreateMainWindow succeeded.
    virtual bool HasMainWindow() const = 0;
};

/// Steps whose objects live in other layers. The desktop fills the catalogue steps from
/// RunDataModules (app/DataModules.h); the report module and the report engine's export formats
/// arrive with the reports and stay empty steps until then. An empty function is a step that does
/// nothing; the tests put failures here.
struct StartupHooks {
    std::function<void()> createReportModule;     ///< TDM_Report
    std::function<void()> createCatalogueModule;  ///< TDM
    std::function<void()> createExportFilters;    ///< the report engine's export formats
    std::function<void()> configureDatabases;     ///< ConfigureDatabases: the three connections
    std::function<void()> openCatalogueTables;    ///< each failure reported, the start goes on
    /// Today as an OLE date at midnight; empty means the local date (Today()).
    std::function<OleDate()> today;
};

class StartupSequence {
public:
    StartupSequence(StartupShell& shell, ConfigurationDialog& dialog, RegistryStore& registry,
                    SettingsFactory settings, StartupHooks hooks = {});
    ~StartupSequence();

    /// Switches and LastTempDir (before anything is shown).
    void Initialise(const std::vector<std::string>& args);

    /// Start-up. False when the run ends before the event loop (no configuration, cancelled,
    /// settings file missing, a failure before the splash): the caller goes straight to Shutdown().
    /// True when the event loop should run; it ends at once if HasMainWindow() is false.
    bool Start();

    /// Saves the settings (when loaded) and records this run's private directory. Runs once; also
    /// after a Start() that returned false.
    void Shutdown();

    /// Requests queued by the start, to be drained by the main window.
    StartupRequestQueue& Requests() { return requests_; }
    /// The settings of the run; null before Start() created them and after Shutdown().
    SettingsSession* Settings() { return settings_.get(); }

private:
    void RemovePreviousPrivateDir();
    void RunMainWindowStartup();
    void QueueFirstRequests();

    StartupShell& shell_;
    ConfigurationDialog& dialog_;
    RegistryStore& registry_;
    SettingsFactory settingsFactory_;
    StartupHooks hooks_;
    std::unique_ptr<SettingsSession> settings_;
    StartupRequestQueue requests_;
    bool shutDown_ = false;
};

/// The currency-rates dialog was closed with OK: when `autoLoadCurrency` is on, today's date is
/// written to the currency date file of AppPaths().ServerDir (an error is ignored).
void ConfirmCurrencyRates(bool autoLoadCurrency, OleDate today);

}  // namespace ftf
