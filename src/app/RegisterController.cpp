#include "app/RegisterController.h"

#include "catalogue/Tdm.h"
#include "settings/Setup.h"

namespace ftf {

RegisterController::RegisterController(TDM& dm, RegisterFolders folders) : register_(dm, std::move(folders)) {
    page_ = RegisterPage::OrderList;
    register_.Open();
    UpdateCommands();
}

RegisterController::~RegisterController() { register_.Close(); }

void RegisterController::Execute(RegisterCommand command, const std::string& selectedColumn) {
    switch (command) {
    case RegisterCommand::RegisterFiles:
        page_ = RegisterPage::OrderList;
        register_.RegisterFiles();
        break;
    case RegisterCommand::Open:
        // Handled after this command has returned, as the window posts it.
        openRequested_ = true;
        break;
    case RegisterCommand::Delete:
    case RegisterCommand::DeleteAtOnce: {
        const TftfSetup* setup = CurrentSetup();
        const bool moveFiles = setup ? setup->MoveToRecycled : true;
        register_.DeleteFromRegister(command == RegisterCommand::Delete, moveFiles);
        break;
    }
    case RegisterCommand::Archive:
        register_.MoveToArchive();
        break;
    case RegisterCommand::Refresh:
        register_.RefreshRecord();
        break;
    case RegisterCommand::Clear:
        register_.ClearRegister();
        break;
    case RegisterCommand::Find:
        register_.FindInRegister(selectedColumn);
        break;
    }
    UpdateCommands();
}

void RegisterController::Sort(RegisterSort sort) {
    register_.SortRegister(sort);
    UpdateCommands();
}

void RegisterController::TitleClick(const std::string& column) {
    register_.TitleClick(column);
    UpdateCommands();
}

std::optional<std::string> RegisterController::TakeOpenRequest() {
    if (!openRequested_) return std::nullopt;
    openRequested_ = false;
    return register_.OpenRegisteredOrder();
}

}  // namespace ftf
