#include "common/Prompter.h"

#include <cstdio>

namespace ftf {
namespace {

// Until a front end installs its own, messages go to standard error and questions get the
// answer that changes nothing.
class StderrPrompter final : public Prompter {
public:
    void ShowError(const std::string& text) override { Print("Ошибка", text); }
    void ShowWarning(const std::string& text) override { Print("Предупреждение", text); }
    void ShowInfo(const std::string& text) override { Print("Информация", text); }
    void ShowPlain(const std::string& text) override { Print(nullptr, text); }
    bool AskOkCancel(const std::string& text, QuestionKind) override { return Refuse(text); }
    bool AskOkAbort(const std::string& text, QuestionKind) override { return Refuse(text); }
    int AskTwoButtons(const std::string& text, const std::string&, const std::string&,
                      const std::string&, QuestionKind) override {
        Refuse(text);
        return 0;
    }
    YesNoCancel AskYesNoCancel(const std::string& text, QuestionKind) override {
        Refuse(text);
        return YesNoCancel::Cancel;
    }
    std::optional<std::string> InputLine(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> OpenFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    int Choose(const ChoiceRequest& r) override { return r.rows.empty() ? -1 : r.initialRow; }
    void BeginBusy(bool) override {}
    void EndBusy() override {}

private:
    static void Print(const char* kind, const std::string& text) {
        if (kind)
            std::fprintf(stderr, "%s: %s\n", kind, text.c_str());
        else
            std::fprintf(stderr, "%s\n", text.c_str());
    }
    static bool Refuse(const std::string& text) {
        Print("Вопрос без ответа", text);
        return false;
    }
};

StderrPrompter g_default;
Prompter* g_current = &g_default;

}  // namespace

Prompter& CurrentPrompter() { return *g_current; }

Prompter* SetPrompter(Prompter* prompter) {
    Prompter* previous = g_current == &g_default ? nullptr : g_current;
    g_current = prompter ? prompter : &g_default;
    return previous;
}

void ShowError(const std::string& text) { CurrentPrompter().ShowError(text); }
void ShowWarning(const std::string& text) { CurrentPrompter().ShowWarning(text); }
void ShowInfo(const std::string& text) { CurrentPrompter().ShowInfo(text); }
void ShowErrorDetail(const std::string& text, const std::string& detail) {
    CurrentPrompter().ShowError(text + "\r\n[" + detail + "]");
}
bool AskOkCancel(const std::string& text, QuestionKind kind) {
    return CurrentPrompter().AskOkCancel(text, kind);
}
bool AskOkAbort(const std::string& text, QuestionKind kind) {
    return CurrentPrompter().AskOkAbort(text, kind);
}
int AskTwoButtons(const std::string& text, const std::string& caption1, const std::string& caption2,
                  const std::string& title, QuestionKind kind) {
    return CurrentPrompter().AskTwoButtons(text, caption1, caption2, title, kind);
}

}  // namespace ftf
