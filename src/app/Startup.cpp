#include "app/Startup.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "common/Dates.h"
#include "common/Helpers.h"
#include "common/Prompter.h"
#include "settings/AppPaths.h"
#include "settings/Configuration.h"
#include "settings/Setup.h"

namespace ftf {

namespace fs = std::filesystem;

namespace {

void RunHook(const std::function<void()>& hook) {
    if (hook) hook();
}

// The previous run's private directory is removed from whatever the registry says. Only a folder
// named as this program names its private directories (a decimal number) is removed, so that a
// damaged or edited value can never take a user's folder with it.
bool LooksLikePrivateDir(const std::string& path) {
    std::string name = fs::path(path).filename().string();
    if (name.empty() || name.size() > 6) return false;
    for (char c : name)
        if (c < '0' || c > '9') return false;
    return true;
}

class SetupSession final : public SettingsSession {
public:
    SetupSession() : setup_(std::make_unique<TftfSetup>()) { SetCurrentSetup(setup_.get()); }
    bool Loaded() const override { return setup_ && setup_->Loaded; }
    bool AutoOpenReg() const override { return setup_ && setup_->AutoOpenReg; }
    bool AutoLoadCurrency() const override { return setup_ && setup_->AutoLoadCurrency; }
    int MainWinState() const override { return setup_ ? setup_->DovuruzadMainWinState : 0; }
    void SetMainWinState(int state) override {
        if (setup_) setup_->DovuruzadMainWinState = static_cast<std::uint8_t>(state);
    }
    // The settings object saves itself (when loaded) as it is destroyed.
    void Save() override { setup_.reset(); }

private:
    std::unique_ptr<TftfSetup> setup_;
};

}  // namespace

std::unique_ptr<SettingsSession> NewSetupSession() { return std::make_unique<SetupSession>(); }

std::string MainWindowCaption(const std::string& configName) {
    return std::string(kApplicationTitle) + ": [" + configName + "]";
}

StartupSequence::StartupSequence(StartupShell& shell, ConfigurationDialog& dialog, RegistryStore& registry,
                                 SettingsFactory settings, StartupHooks hooks)
    : shell_(shell), dialog_(dialog), registry_(registry), settingsFactory_(std::move(settings)),
      hooks_(std::move(hooks)) {}

StartupSequence::~StartupSequence() = default;

void StartupSequence::Initialise(const std::vector<std::string>& args) { InitProcess(args, registry_); }

void StartupSequence::RemovePreviousPrivateDir() {
    const std::string& last = AppPaths().LastTempDir;
    std::error_code ec;
    if (last.empty() || !fs::is_directory(last, ec) || !LooksLikePrivateDir(last)) return;
    DeleteDirTree(last);
}

bool StartupSequence::Start() {
    try {
        RemovePreviousPrivateDir();
        if (!SelectConfiguration(registry_, dialog_)) return false;
        settings_ = settingsFactory_();
        if (!settings_ || !settings_->Loaded()) {
            ShowWarning(kMsgIniMissing);
            settings_.reset();  // freed without saving
            return false;
        }
    } catch (const std::exception& e) {
        ShowError(e.what());
        settings_.reset();
        return false;
    }

    bool splashShown = false;
    try {
        shell_.ShowSplash();
        splashShown = true;
        shell_.SetProgress(0);
        shell_.SetLoadLabel(kLoadingLabel);
        shell_.SetProgress(2);
        shell_.SetApplicationTitle(kApplicationTitle);
        RunHook(hooks_.createReportModule);
        RunHook(hooks_.createCatalogueModule);
        shell_.SetProgress(20);
        shell_.CreateMainWindow();
        shell_.SetProgress(40);
        RunHook(hooks_.createExportFilters);
        RunMainWindowStartup();
        shell_.SetProgress(100);
    } catch (const std::exception& e) {
        // The splash must not stay over the message and the main window.
        if (splashShown) shell_.HideSplash();
        splashShown = false;
        ShowError(e.what());
    }
    if (splashShown) shell_.HideSplash();
    return true;
}

void StartupSequence::RunMainWindowStartup() {
    RunHook(hooks_.configureDatabases);
    RunHook(hooks_.openCatalogueTables);
    shell_.RestoreMainWindowState(settings_->MainWinState());
    QueueFirstRequests();
}

void StartupSequence::QueueFirstRequests() {
    if (settings_->AutoOpenReg()) requests_.Post(StartupRequest::OpenRegister);
    if (AppPaths().ShowPresentation) requests_.Post(StartupRequest::ShowPresentation);
    if (settings_->AutoLoadCurrency()) {
        OleDate today = hooks_.today ? hooks_.today() : Today();
        // A missing or unreadable file counts as yesterday, so it always leads to the dialog.
        double confirmed = ReadCurrencyDate(CurrencyDateFile(AppPaths().ServerDir)).value_or(today - 1.0);
        if (today > confirmed) requests_.Post(StartupRequest::CurrencyRates);
    }
    requests_.Post(StartupRequest::RefreshNews);
}

void StartupSequence::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (settings_) {
        try {
            settings_->Save();
        } catch (const std::exception& e) {
            ShowError(e.what());
        }
        settings_.reset();
    }
    RecordLastTempDir(registry_);
}

void ConfirmCurrencyRates(bool autoLoadCurrency, OleDate today) {
    if (!autoLoadCurrency) return;
    WriteCurrencyDate(CurrencyDateFile(AppPaths().ServerDir), today);
}

}  // namespace ftf
