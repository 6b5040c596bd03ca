#include "ui/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "settings/AppPaths.h"
#include "ui/StartupForms.h"

namespace ftf::ui {

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

TMainForm::TMainForm(SettingsSession* settings) : settings_(settings) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Q(MainWindowCaption(AppPaths().ConfigName)));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    move(0, 0);
    resize(640, 480);
    setMinimumSize(640, 480);
}

void TMainForm::ApplyWindowState(int state) {
    switch (state) {
        case 1: setWindowState(Qt::WindowMinimized); break;
        case 2: setWindowState(Qt::WindowMaximized); break;
        default: setWindowState(Qt::WindowNoState); break;
    }
}

int TMainForm::StoredWindowState() const {
    if (windowState() & Qt::WindowMinimized) return 1;
    if (windowState() & Qt::WindowMaximized) return 2;
    return 0;
}

void TMainForm::DrainRequests(StartupRequestQueue& queue) {
    while (!queue.Empty()) HandleRequest(queue.Take());
}

void TMainForm::HandleRequest(StartupRequest request) {
    // The register window, the currency-rates dialog, the presentation and the news panel are not
    // part of the program yet; each request gets its window when that window is built.
    switch (request) {
        case StartupRequest::OpenRegister:
        case StartupRequest::ShowPresentation:
        case StartupRequest::CurrencyRates:
        case StartupRequest::RefreshNews:
            break;
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Every child is asked to close, the last first; one that stays open keeps the program running.
    const auto children = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it) (*it)->close();
    if (!mdiArea_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    if (settings_) settings_->SetMainWinState(StoredWindowState());
    event->accept();
}

DesktopShell::~DesktopShell() = default;

void DesktopShell::ShowSplash() {
    splash_ = std::make_unique<TSplashForm>();
    splash_->show();
    QApplication::processEvents();
}

void DesktopShell::SetProgress(int percent) {
    if (splash_) splash_->SetProgress(percent);
}

void DesktopShell::SetLoadLabel(const std::string& text) {
    if (splash_) splash_->SetLoadLabel(Q(text));
}

void DesktopShell::HideSplash() {
    if (splash_) splash_->hide();
    splash_.reset();
}

// The application name, not its display name: Qt would append a display name to every window title.
void DesktopShell::SetApplicationTitle(const std::string& title) { QApplication::setApplicationName(Q(title)); }

void DesktopShell::CreateMainWindow() { mainForm_ = std::make_unique<TMainForm>(settings_ ? settings_() : nullptr); }

void DesktopShell::RestoreMainWindowState(int state) {
    if (mainForm_) {
        mainForm_->ApplyWindowState(state);
        mainForm_->update();
    }
}

}  // namespace ftf::ui
