#pragma once
// The prompter of the sub-commands: the command line's answers (NonInteractivePrompter), each
// message on one line, and a count of the errors and warnings shown on the way, which turn a
// finished command's status into 2.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliText.h"
#include "common/NonInteractivePrompter.h"

namespace ftf::cli {

class ReportingPrompter final : public Prompter {
public:
    /// `assumeYes`: destructive questions are confirmed (--yes). `saveAnswer`: the answer to the
    /// question whether to save a changed document (Yes for a command that changes documents, No
    /// for the others); without it that question stops the command as any other.
    explicit ReportingPrompter(bool assumeYes, std::optional<bool> saveAnswer = std::nullopt)
        : inner_(assumeYes), saveAnswer_(saveAnswer) {}
    int Reported() const { return reported_; }

    void ShowError(const std::string& text) override { ++reported_, inner_.ShowError(OneLine(text)); }
    void ShowWarning(const std::string& text) override { ++reported_, inner_.ShowWarning(OneLine(text)); }
    void ShowInfo(const std::string& text) override { inner_.ShowInfo(OneLine(text)); }
    void ShowPlain(const std::string& text) override { inner_.ShowPlain(OneLine(text)); }
    bool AskOkCancel(const std::string& text, QuestionKind kind) override { return inner_.AskOkCancel(text, kind); }
    bool AskOkAbort(const std::string& text, QuestionKind kind) override { return inner_.AskOkAbort(text, kind); }
    int AskTwoButtons(const std::string& text, const std::string& c1, const std::string& c2,
                      const std::string& title, QuestionKind kind) override {
        return inner_.AskTwoButtons(text, c1, c2, title, kind);
    }
    YesNoCancel AskYesNoCancel(const std::string& text, QuestionKind kind) override {
        if (saveAnswer_ && kind != QuestionKind::Destructive) {
            inner_.ShowPlain("Вопрос: " + OneLine(text) + " — ответ: " + (*saveAnswer_ ? "Да" : "Нет"));
            return *saveAnswer_ ? YesNoCancel::Yes : YesNoCancel::No;
        }
        return inner_.AskYesNoCancel(text, kind);
    }
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override {
        return inner_.InputLine(caption, prompt, initial);
    }
    std::vector<std::string> OpenFiles(const FileDialogRequest& r) override { return inner_.OpenFiles(r); }
    std::optional<std::string> SaveFile(const FileDialogRequest& r) override { return inner_.SaveFile(r); }
    int Choose(const ChoiceRequest& r) override { return inner_.Choose(r); }
    void BeginBusy(bool databaseWait) override { inner_.BeginBusy(databaseWait); }
    void EndBusy() override { inner_.EndBusy(); }

private:
    NonInteractivePrompter inner_;
    std::optional<bool> saveAnswer_;
    int reported_ = 0;
};

}  // namespace ftf::cli
