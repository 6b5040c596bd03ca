#pragma once
// The prompter of the tests: records every message and question in order and answers questions
// from a queue the test fills beforehand. A question with no scripted answer (or with an answer
// of the wrong sort) throws UnexpectedPrompt, which is not an FtfError, so code under test that
// handles its own errors does not swallow it; it is also kept in Unexpected().
//
//   ScriptedPrompter p;
//   ScopedPrompter guard(p);
//   p.AnswerOk(false);                       // the next OK/Cancel question gets Cancel
//   ... run the code ...
//   EXPECT_EQ(p.Texts(PromptCall::Kind::OkCancel), std::vector<std::string>{"Удалить запись?"});

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "common/Prompter.h"

namespace ftf {

/// One recorded call.
struct PromptCall {
    enum class Kind {
        Error, Warning, Info, Plain,                        // messages
        OkCancel, OkAbort, TwoButtons, YesNoCancel,         // questions
        InputLine, OpenFiles, SaveFile, Choose,             // dialogs (also answered from the queue)
    };
    Kind kind = Kind::Info;
    /// The message or question; InputLine: the prompt; file dialogs: the title; Choose: the caption.
    std::string text;
    QuestionKind questionKind = QuestionKind::Ordinary;
    /// TwoButtons: caption 1, caption 2, title. InputLine: caption, initial text.
    std::vector<std::string> details;
    FileDialogRequest file;  ///< OpenFiles, SaveFile
    ChoiceRequest choice;    ///< Choose
    int busyDepth = 0;       ///< busy cursors in force when the call came
};

/// Thrown for a question the test did not script.
class UnexpectedPrompt : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedPrompter final : public Prompter {
public:
    // --- Scripting: each call queues one answer; questions take them in order. ---
    /// For AskOkCancel and AskOkAbort: true = OK.
    void AnswerOk(bool ok = true);
    /// For AskTwoButtons: 1, 2 or 0 (closed).
    void AnswerButton(int button);
    void AnswerYesNoCancel(YesNoCancel answer);
    /// For InputLine: nullopt = cancelled.
    void AnswerInput(std::optional<std::string> text);
    /// For OpenFiles: empty = cancelled.
    void AnswerOpenFiles(std::vector<std::string> files);
    /// For SaveFile: nullopt = cancelled.
    void AnswerSaveFile(std::optional<std::string> file);
    /// For Choose: the row the chooser closes on.
    void AnswerChoice(int row);

    // --- What happened ---
    const std::vector<PromptCall>& Calls() const { return calls_; }
    /// The texts of the calls of one kind, in order.
    std::vector<std::string> Texts(PromptCall::Kind kind) const;
    /// Descriptions of the questions that had no fitting answer.
    const std::vector<std::string>& Unexpected() const { return unexpected_; }
    std::size_t RemainingAnswers() const { return answers_.size(); }
    /// Forgets the recorded calls and unexpected questions (not the queued answers).
    void ClearCalls();

    int BusyDepth() const { return busyDepth_; }
    int BusyBegins() const { return busyBegins_; }
    int DatabaseWaitBegins() const { return databaseWaitBegins_; }
    int MaxBusyDepth() const { return maxBusyDepth_; }
    /// EndBusy calls that had no BeginBusy to close.
    int UnbalancedEnds() const { return unbalancedEnds_; }

    // --- Prompter ---
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
    enum class AnswerSort { Ok, Button, YesNoCancel, Input, OpenFiles, SaveFile, Choice };
    using Value = std::variant<bool, int, YesNoCancel, std::optional<std::string>,
                               std::vector<std::string>>;
    struct Answer {
        AnswerSort sort;
        Value value;
    };

    PromptCall& Record(PromptCall::Kind kind, const std::string& text,
                       QuestionKind questionKind = QuestionKind::Ordinary);
    Value Take(AnswerSort sort, const PromptCall& call);

    std::vector<PromptCall> calls_;
    std::deque<Answer> answers_;
    std::vector<std::string> unexpected_;
    int busyDepth_ = 0;
    int busyBegins_ = 0;
    int databaseWaitBegins_ = 0;
    int maxBusyDepth_ = 0;
    int unbalancedEnds_ = 0;
};

}  // namespace ftf
