#pragma once
// Helpers shared by the settings tests: a fresh temporary folder per test, whole-file reads and
// writes (TempDir.h), and a prompter that records what it was asked to show.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "../common/TempDir.h"
#include "common/Prompter.h"

namespace ftf::test {

class RecordingPrompter final : public Prompter {
public:
    std::vector<std::string> errors, warnings, infos;
    int busyDepth = 0;
    int maxBusyDepth = 0;

    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }
    void ShowInfo(const std::string& text) override { infos.push_back(text); }
    void ShowPlain(const std::string& text) override { infos.push_back(text); }
    bool AskOkCancel(const std::string&, QuestionKind) override { return false; }
    bool AskOkAbort(const std::string&, QuestionKind) override { return false; }
    int AskTwoButtons(const std::string&, const std::string&, const std::string&, const std::string&,
                      QuestionKind) override {
        return 0;
    }
    YesNoCancel AskYesNoCancel(const std::string&, QuestionKind) override { return YesNoCancel::Cancel; }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> OpenFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    int Choose(const ChoiceRequest&) override { return -1; }
    void BeginBusy(bool) override {
        ++busyDepth;
        if (busyDepth > maxBusyDepth) maxBusyDepth = busyDepth;
    }
    void EndBusy() override { --busyDepth; }
};

}  // namespace ftf::test
