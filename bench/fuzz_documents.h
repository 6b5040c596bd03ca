#pragma once
// What the two document fuzz targets share: a prompter that keeps quiet and answers every reading
// question with OK (so older layouts are explored too) and aborts on any other question, and the
// round-trip check. Built and run by bench/fuzz-documents.

#include <cstdlib>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/Prompter.h"
#include "common/TSpecStream.h"

namespace fuzzdoc {

class QuietPrompter final : public ftf::Prompter {
public:
    int errors = 0;
    void ShowError(const std::string&) override { ++errors; }
    void ShowWarning(const std::string&) override {}
    void ShowInfo(const std::string&) override { std::abort(); }
    void ShowPlain(const std::string&) override { std::abort(); }
    bool AskOkCancel(const std::string&, ftf::QuestionKind kind) override {
        if (kind != ftf::QuestionKind::Reading) std::abort();
        return answer;
    }
    bool AskOkAbort(const std::string&, ftf::QuestionKind) override { std::abort(); }
    int AskTwoButtons(const std::string&, const std::string&, const std::string&, const std::string&,
                      ftf::QuestionKind) override { std::abort(); }
    ftf::YesNoCancel AskYesNoCancel(const std::string&, ftf::QuestionKind) override { std::abort(); }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override {
        std::abort();
    }
    std::vector<std::string> OpenFiles(const ftf::FileDialogRequest&) override { std::abort(); }
    std::optional<std::string> SaveFile(const ftf::FileDialogRequest&) override { std::abort(); }
    int Choose(const ftf::ChoiceRequest&) override { std::abort(); }
    void BeginBusy(bool) override {}
    void EndBusy() override {}
    bool answer = true;
};

/// Loads the image into a fresh document the way LoadFromFile does (errors caught, a cut text
/// failing the load); true when the document was read completely. Any exception other than the
/// format and system errors escapes and ends the run.
template <class Doc>
bool Load(Doc& doc, const std::vector<std::uint8_t>& bytes) {
    ftf::TSpecStream stream(bytes);
    bool converted = false;
    try {
        const bool complete = doc.LoadFromStream(stream, converted);
        return complete && stream.ShortTexts() == 0;
    } catch (const ftf::SpecFormatError&) {
    } catch (const ftf::FtfError&) {
    }
    return false;
}

/// A document read completely writes an image that reads back completely and writes again the
/// same bytes.
template <class Doc>
void RoundTrip(const std::uint8_t* data, std::size_t size) {
    QuietPrompter prompter;
    prompter.answer = size > 0 && (data[size - 1] & 1);  // sometimes decline the conversion
    ftf::ScopedPrompter guard(prompter);
    Doc doc;
    if (!Load(doc, std::vector<std::uint8_t>(data, data + size))) return;
    ftf::TSpecStream first;
    try {
        doc.SaveToStream(first);
    } catch (const ftf::FtfError&) {
        return;  // a value that cannot be stored (money out of range): refused, not written
    }
    prompter.answer = true;
    Doc again;
    if (!Load(again, first.Bytes())) std::abort();
    ftf::TSpecStream second;
    again.SaveToStream(second);
    if (second.Bytes() != first.Bytes()) std::abort();
}

}  // namespace fuzzdoc
