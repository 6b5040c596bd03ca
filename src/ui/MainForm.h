#pragma once
// The main window: a multiple-document frame. Its children (order, selection and register windows)
// join it as they are built; for now it holds the document area, the status bar and the start-up
// requests it drains once the event loop runs.

#include <QMainWindow>
#include <memory>

#include "app/Startup.h"

class QMdiArea;
class QStatusBar;

namespace ftf::ui {

class TSplashForm;

class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    /// `settings` receives the window state when the window closes; not owned, may be null.
    explicit TMainForm(SettingsSession* settings);

    QMdiArea* MdiArea() const { return mdiArea_; }
    /// Window state as the settings keep it (0 normal, 1 minimised, 2 maximised).
    void ApplyWindowState(int state);
    int StoredWindowState() const;

    /// Handles the queued requests one after another, in order.
    void DrainRequests(StartupRequestQueue& queue);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void HandleRequest(StartupRequest request);

    QMdiArea* mdiArea_;
    SettingsSession* settings_;
};

/// The desktop's windows of the start, as StartupSequence drives them.
class DesktopShell final : public StartupShell {
public:
    explicit DesktopShell(std::function<SettingsSession*()> settings) : settings_(std::move(settings)) {}
    ~DesktopShell() override;

    void ShowSplash() override;
    void SetProgress(int percent) override;
    void SetLoadLabel(const std::string& text) override;
    void HideSplash() override;
    void SetApplicationTitle(const std::string& title) override;
    void CreateMainWindow() override;
    void RestoreMainWindowState(int state) override;
    bool HasMainWindow() const override { return mainForm_ != nullptr; }

    TMainForm* MainForm() const { return mainForm_.get(); }

private:
    std::function<SettingsSession*()> settings_;
    std::unique_ptr<TSplashForm> splash_;
    std::unique_ptr<TMainForm> mainForm_;
};

}  // namespace ftf::ui
