// fentorn: the desktop program. Start-up, the event loop and the shutdown; the windows live in
// src/ui, the sequence itself in app/Startup.

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/DataModules.h"
#include "app/Startup.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "settings/RegistryStore.h"
#include "ui/MainForm.h"
#include "ui/QtPrompter.h"
#include "ui/StartupForms.h"

namespace {

// A session that ends (SIGTERM) or Ctrl+C in a terminal closes the main window as the user would,
// so that the settings are saved and the private directory is recorded. The handler only writes
// a byte; the event loop does the rest.
int g_signalPipe[2] = {-1, -1};

void OnTerminate(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

void CloseOnTerminate(QApplication& app, QWidget* mainWindow) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, mainWindow] {
        char byte;
        [[maybe_unused]] ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        // A child window that refuses to close does not keep a terminating session alive.
        if (!mainWindow->close()) app.quit();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Before the settings load: the settings file is written with these formats.
    ftf::SetProgramFormats();

    ftf::ui::QtPrompter prompter;
    ftf::ScopedPrompter installed(prompter);

    ftf::RegistryStore* registry = nullptr;
    try {
        registry = &ftf::CurrentRegistry();
    } catch (const std::exception& e) {
        // A per-user store that cannot be read is left alone (never overwritten); nothing can be
        // chosen without it.
        ftf::ShowError(e.what());
        return 1;
    }

    std::vector<std::string> args(argv, argv + argc);
    ftf::ui::ConfigDialogRunner dialog;
    std::unique_ptr<ftf::StartupSequence> sequence;
    ftf::ui::DesktopShell shell([&sequence] { return sequence ? sequence->Settings() : nullptr; });
    ftf::RunDataModules modules;
    ftf::StartupHooks hooks;
    modules.FillHooks(hooks);
    sequence = std::make_unique<ftf::StartupSequence>(shell, dialog, *registry, &ftf::NewSetupSession,
                                                      std::move(hooks));

    sequence->Initialise(args);
    int status = 0;
    if (sequence->Start() && shell.HasMainWindow()) {
        ftf::ui::TMainForm* mainForm = shell.MainForm();
        mainForm->show();
        CloseOnTerminate(app, mainForm);
        // The first requests are handled once the event loop runs, in the order they were queued.
        QTimer::singleShot(0, mainForm, [mainForm, &sequence] { mainForm->DrainRequests(sequence->Requests()); });
        status = app.exec();
    }
    sequence->Shutdown();
    return status;
}
