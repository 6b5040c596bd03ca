#include "common/NonInteractivePrompter.h"

#include <iostream>

namespace ftf {
namespace {

// Message texts use CR LF between lines, as the old message boxes did; a terminal wants LF.
std::string ForTerminal(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

NonInteractivePrompter::NonInteractivePrompter(bool assumeYes)
    : NonInteractivePrompter(assumeYes, std::cerr) {}

NonInteractivePrompter::NonInteractivePrompter(bool assumeYes, std::ostream& out)
    : assumeYes_(assumeYes), out_(out) {}

void NonInteractivePrompter::Print(const char* label, const std::string& text) {
    if (label) out_ << label << ": ";
    out_ << ForTerminal(text) << '\n';
    out_.flush();
}

void NonInteractivePrompter::ShowError(const std::string& text) { Print("Ошибка", text); }
void NonInteractivePrompter::ShowWarning(const std::string& text) { Print("Предупреждение", text); }
void NonInteractivePrompter::ShowInfo(const std::string& text) { Print("Информация", text); }
void NonInteractivePrompter::ShowPlain(const std::string& text) { Print(nullptr, text); }

void NonInteractivePrompter::Affirm(const std::string& text, QuestionKind kind,
                                    const std::string& answer) {
    const bool allowed = kind == QuestionKind::Reading ||
                         (kind == QuestionKind::Destructive && assumeYes_);
    if (!allowed) throw PromptRefused(text, kind);
    Print("Вопрос", text + " — ответ: " + answer);
}

bool NonInteractivePrompter::AskOkCancel(const std::string& text, QuestionKind kind) {
    Affirm(text, kind, "OK");
    return true;
}

bool NonInteractivePrompter::AskOkAbort(const std::string& text, QuestionKind kind) {
    Affirm(text, kind, "OK");
    return true;
}

int NonInteractivePrompter::AskTwoButtons(const std::string& text, const std::string& caption1,
                                          const std::string&, const std::string&,
                                          QuestionKind kind) {
    Affirm(text, kind, caption1);
    return 1;
}

YesNoCancel NonInteractivePrompter::AskYesNoCancel(const std::string& text, QuestionKind kind) {
    Affirm(text, kind, "Да");
    return YesNoCancel::Yes;
}

std::optional<std::string> NonInteractivePrompter::InputLine(const std::string&,
                                                             const std::string& prompt,
                                                             const std::string&) {
    throw PromptRefused(prompt, QuestionKind::Ordinary);
}

std::vector<std::string> NonInteractivePrompter::OpenFiles(const FileDialogRequest&) { return {}; }

std::optional<std::string> NonInteractivePrompter::SaveFile(const FileDialogRequest&) {
    return std::nullopt;
}

int NonInteractivePrompter::Choose(const ChoiceRequest& request) {
    return request.rows.empty() ? -1 : 0;
}

void NonInteractivePrompter::BeginBusy(bool) { ++busyDepth_; }

void NonInteractivePrompter::EndBusy() {
    if (busyDepth_ > 0) --busyDepth_;
}

}  // namespace ftf
