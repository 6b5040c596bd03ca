#pragma once
// Message boxes, questions, file dialogs and cursors of the desktop: the Prompter the GUI installs.
// Boxes beep as the old ones did (errors, warnings, the OK/Abort question), show the normal cursor
// while open and give the busy cursor back afterwards.

#include "common/Prompter.h"

class QWidget;

namespace ftf::ui {

class QtPrompter final : public Prompter {
public:
    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowInfo(const std::string& text) override;
    void ShowPlain(const std::string& text) override;
    bool AskOkCancel(const std::string& text, QuestionKind kind) override;
    bool AskOkAbort(const std::string& text, QuestionKind kind) override;
    int AskTwoButtons(const std::string& text, const std::string& caption1, const std::string& caption2,
                      const std::string& title, QuestionKind kind) override;
    YesNoCancel AskYesNoCancel(const std::string& text, QuestionKind kind) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    std::vector<std::string> OpenFiles(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    int Choose(const ChoiceRequest& request) override;
    void BeginBusy(bool databaseWait) override;
    void EndBusy() override;

    /// "Заказ (*.ffo370)|*.ffo370|Все файлы (*.*)|*.*" to Qt's "Заказ (*.ffo370);;Все файлы (*.*)".
    static std::string QtFilter(const std::string& filter);
};

}  // namespace ftf::ui
