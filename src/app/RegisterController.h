#pragma once
// The register window's controller: the window's state (page shown, sort ticked, the enabled
// commands) and its commands, over the order register of the run. The widget forwards menu
// items, tool buttons, keys and title clicks here and redraws from State() afterwards.

#include <optional>
#include <string>

#include "documents/Register.h"

namespace ftf {

class TDM;

/// The commands of the register window (menu "&Реестр заказов" and the register tool bar).
enum class RegisterCommand {
    RegisterFiles,  ///< "Зарегистрировать заказ" / "Регистрация"
    Open,           ///< "Открыть заказ", Enter, double click / "Открыть"
    Delete,         ///< "&Удалить заказ" / "Удалить": asks
    DeleteAtOnce,   ///< Ctrl+Del in the grid: does not ask
    Archive,        ///< tool button "В архив": asks
    Refresh,        ///< "Обновить данные"
    Clear,          ///< "Очистить реестр"
    Find,           ///< "Найти..." (Ctrl+F)
};

enum class RegisterPage { OrderList, Order };  ///< "Реестр заказов", "Реквизиты"

class RegisterController {
public:
    /// Shows the register page and opens the table.
    RegisterController(TDM& dm, RegisterFolders folders);
    /// Closes the table.
    ~RegisterController();
    RegisterController(const RegisterController&) = delete;
    RegisterController& operator=(const RegisterController&) = delete;

    OrderRegister& Register() { return register_; }

    /// Runs a command and updates the commands. `selectedColumn` is the grid's selected column
    /// (Find searches by it). The files are moved to the recycle folder on delete when the
    /// option "move to recycled" of the settings is on (on when no settings are loaded).
    void Execute(RegisterCommand command, const std::string& selectedColumn = {});
    void Sort(RegisterSort sort);
    void TitleClick(const std::string& column);

    /// The open request the Open command posted, handled after the command returned: the file
    /// for a new order window, nullopt when nothing is to be opened (reported already).
    std::optional<std::string> TakeOpenRequest();
    bool OpenRequested() const { return openRequested_; }

    /// On activation: the commands are updated.
    void Activate() { UpdateCommands(); }
    void ShowPage(RegisterPage page) { page_ = page; }
    RegisterPage Page() const { return page_; }

    /// UpdateRegisterCommands.
    void UpdateCommands() { state_ = register_.CommandState(); }
    const RegisterCommandState& State() const { return state_; }

private:
    OrderRegister register_;
    RegisterCommandState state_;
    RegisterPage page_ = RegisterPage::OrderList;
    bool openRequested_ = false;
};

}  // namespace ftf
