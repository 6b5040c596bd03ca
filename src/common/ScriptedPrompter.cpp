#include "common/ScriptedPrompter.h"

#include <utility>

namespace ftf {
namespace {

const char* KindName(PromptCall::Kind kind) {
    switch (kind) {
        case PromptCall::Kind::Error: return "ShowError";
        case PromptCall::Kind::Warning: return "ShowWarning";
        case PromptCall::Kind::Info: return "ShowInfo";
        case PromptCall::Kind::Plain: return "ShowPlain";
        case PromptCall::Kind::OkCancel: return "AskOkCancel";
        case PromptCall::Kind::OkAbort: return "AskOkAbort";
        case PromptCall::Kind::TwoButtons: return "AskTwoButtons";
        case PromptCall::Kind::YesNoCancel: return "AskYesNoCancel";
        case PromptCall::Kind::InputLine: return "InputLine";
        case PromptCall::Kind::OpenFiles: return "OpenFiles";
        case PromptCall::Kind::SaveFile: return "SaveFile";
        case PromptCall::Kind::Choose: return "Choose";
    }
    return "?";
}

}  // namespace

void ScriptedPrompter::AnswerOk(bool ok) { answers_.push_back({AnswerSort::Ok, ok}); }
void ScriptedPrompter::AnswerButton(int button) { answers_.push_back({AnswerSort::Button, button}); }
void ScriptedPrompter::AnswerYesNoCancel(YesNoCancel answer) {
    answers_.push_back({AnswerSort::YesNoCancel, answer});
}
void ScriptedPrompter::AnswerInput(std::optional<std::string> text) {
    answers_.push_back({AnswerSort::Input, std::move(text)});
}
void ScriptedPrompter::AnswerOpenFiles(std::vector<std::string> files) {
    answers_.push_back({AnswerSort::OpenFiles, std::move(files)});
}
void ScriptedPrompter::AnswerSaveFile(std::optional<std::string> file) {
    answers_.push_back({AnswerSort::SaveFile, std::move(file)});
}
void ScriptedPrompter::AnswerChoice(int row) { answers_.push_back({AnswerSort::Choice, row}); }

std::vector<std::string> ScriptedPrompter::Texts(PromptCall::Kind kind) const {
    std::vector<std::string> out;
    for (const auto& c : calls_)
        if (c.kind == kind) out.push_back(c.text);
    return out;
}

void ScriptedPrompter::ClearCalls() {
    calls_.clear();
    unexpected_.clear();
}

PromptCall& ScriptedPrompter::Record(PromptCall::Kind kind, const std::string& text,
                                     QuestionKind questionKind) {
    PromptCall call;
    call.kind = kind;
    call.text = text;
    call.questionKind = questionKind;
    call.busyDepth = busyDepth_;
    calls_.push_back(std::move(call));
    return calls_.back();
}

ScriptedPrompter::Value ScriptedPrompter::Take(AnswerSort sort, const PromptCall& call) {
    std::string problem;
    if (answers_.empty())
        problem = "no scripted answer";
    else if (answers_.front().sort != sort)
        problem = "the next scripted answer is for another kind of question";
    if (!problem.empty()) {
        std::string what = std::string(KindName(call.kind)) + " \"" + call.text + "\": " + problem;
        unexpected_.push_back(what);
        throw UnexpectedPrompt("Unexpected question " + what);
    }
    Value v = std::move(answers_.front().value);
    answers_.pop_front();
    return v;
}

void ScriptedPrompter::ShowError(const std::string& text) { Record(PromptCall::Kind::Error, text); }
void ScriptedPrompter::ShowWarning(const std::string& text) { Record(PromptCall::Kind::Warning, text); }
void ScriptedPrompter::ShowInfo(const std::string& text) { Record(PromptCall::Kind::Info, text); }
void ScriptedPrompter::ShowPlain(const std::string& text) { Record(PromptCall::Kind::Plain, text); }

bool ScriptedPrompter::AskOkCancel(const std::string& text, QuestionKind kind) {
    const auto& call = Record(PromptCall::Kind::OkCancel, text, kind);
    return std::get<bool>(Take(AnswerSort::Ok, call));
}

bool ScriptedPrompter::AskOkAbort(const std::string& text, QuestionKind kind) {
    const auto& call = Record(PromptCall::Kind::OkAbort, text, kind);
    return std::get<bool>(Take(AnswerSort::Ok, call));
}

int ScriptedPrompter::AskTwoButtons(const std::string& text, const std::string& caption1,
                                    const std::string& caption2, const std::string& title,
                                    QuestionKind kind) {
    auto& call = Record(PromptCall::Kind::TwoButtons, text, kind);
    call.details = {caption1, caption2, title};
    return std::get<int>(Take(AnswerSort::Button, call));
}

YesNoCancel ScriptedPrompter::AskYesNoCancel(const std::string& text, QuestionKind kind) {
    const auto& call = Record(PromptCall::Kind::YesNoCancel, text, kind);
    return std::get<YesNoCancel>(Take(AnswerSort::YesNoCancel, call));
}

std::optional<std::string> ScriptedPrompter::InputLine(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string& initial) {
    auto& call = Record(PromptCall::Kind::InputLine, prompt);
    call.details = {caption, initial};
    return std::get<std::optional<std::string>>(Take(AnswerSort::Input, call));
}

std::vector<std::string> ScriptedPrompter::OpenFiles(const FileDialogRequest& request) {
    auto& call = Record(PromptCall::Kind::OpenFiles, request.title);
    call.file = request;
    return std::get<std::vector<std::string>>(Take(AnswerSort::OpenFiles, call));
}

std::optional<std::string> ScriptedPrompter::SaveFile(const FileDialogRequest& request) {
    auto& call = Record(PromptCall::Kind::SaveFile, request.title);
    call.file = request;
    return std::get<std::optional<std::string>>(Take(AnswerSort::SaveFile, call));
}

int ScriptedPrompter::Choose(const ChoiceRequest& request) {
    auto& call = Record(PromptCall::Kind::Choose, request.caption);
    call.choice = request;
    return std::get<int>(Take(AnswerSort::Choice, call));
}

void ScriptedPrompter::BeginBusy(bool databaseWait) {
    ++busyDepth_;
    ++busyBegins_;
    if (databaseWait) ++databaseWaitBegins_;
    if (busyDepth_ > maxBusyDepth_) maxBusyDepth_ = busyDepth_;
}

void ScriptedPrompter::EndBusy() {
    // Called from destructors: never throws, counts the fault instead.
    if (busyDepth_ == 0)
        ++unbalancedEnds_;
    else
        --busyDepth_;
}

}  // namespace ftf
