// fentorn: the desktop program. Start-up, the event loop and the shutdown; the windows live in
// src/ui, the sequence itself in app/Startup.

#include <QApplication>
#include <QTimer>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "settings/RegistryStore.h"
#include "ui/MainForm.h"
#include "ui/QtPrompter.h"
#include "ui/StartupForms.h"

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
    sequence = std::make_unique<ftf::StartupSequence>(shell, dialog, *registry, &ftf::NewSetupSession);

    sequence->Initialise(args);
    int status = 0;
    if (sequence->Start() && shell.HasMainWindow()) {
        ftf::ui::TMainForm* mainForm = shell.MainForm();
        mainForm->show();
        // The first requests are handled once the event loop runs, in the order they were queued.
        QTimer::singleShot(0, mainForm, [mainForm, &sequence] { mainForm->DrainRequests(sequence->Requests()); });
        status = app.exec();
    }
    sequence->Shutdown();
    return status;
}
