#pragma once
// The prompter of the command line: messages go to standard error, and questions are answered by
// what they put at stake, since nobody is there to ask.
//   Reading questions (convert an older file?)      OK / Yes / the first button.
//   Destructive questions (delete, archive, overwrite)  the same, but only with --yes (assumeYes);
//                                                    otherwise PromptRefused.
//   Ordinary questions and one-line inputs          PromptRefused.
// PromptRefused carries the question's text, so the command stops with it and a non-zero status.
// File dialogs return nothing; a chooser takes its first row.

#include <iosfwd>
#include <string>

#include "common/Error.h"
#include "common/Prompter.h"

namespace ftf {

/// A question the command line may not answer. what() is the question's text.
class PromptRefused : public FtfError {
public:
    PromptRefused(const std::string& question, QuestionKind kind)
        : FtfError(question), kind_(kind) {}
    QuestionKind Kind() const { return kind_; }

private:
    QuestionKind kind_;
};

class NonInteractivePrompter final : public Prompter {
public:
    /// `out` receives the messages and the questions answered (standard error by default).
    explicit NonInteractivePrompter(bool assumeYes = false);
    NonInteractivePrompter(bool assumeYes, std::ostream& out);

    bool AssumeYes() const { return assumeYes_; }
    int BusyDepth() const { return busyDepth_; }

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowInfo(const std::string& text) override;
    void ShowPlain(const std::string& text) override;
    bool AskOkCancel(const std::string& text, QuestionKind kind) override;
    bool AskOkAbort(const std::string& text, QuestionKind kind) override;
    int AskTwoButtons(const std::string& text, const std::string& caption1,
                      const std::string& caption2, const std::string& title,
                      QuestionKind kind) override;
    YesNoCancel AskYesNoCancel(const std::string& text, QuestionKind kind) override;
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override;
    std::vector<std::string> OpenFiles(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    int Choose(const ChoiceRequest& request) override;
    void BeginBusy(bool databaseWait) override;
    void EndBusy() override;

private:
    /// Returns when the question may be answered affirmatively (and says so); throws otherwise.
    void Affirm(const std::string& text, QuestionKind kind, const std::string& answer);
    void Print(const char* label, const std::string& text);

    bool assumeYes_;
    std::ostream& out_;
    int busyDepth_ = 0;
};

}  // namespace ftf
