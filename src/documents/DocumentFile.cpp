#include "documents/DocumentFile.h"

#include <new>

#include "common/Error.h"
#include "common/Prompter.h"
#include "settings/IniFile.h"

namespace ftf {

std::string FillMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 64);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' &&
            next != args.end()) {
            out.append(*next++);
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

void ReadDocumentFile(const std::string& file, TSpecStream& stream) {
    std::string error;
    if (!stream.LoadFromFile(file, error)) throw FtfError(error);
    stream.Rewind();
}

void WriteDocumentFile(const std::string& file, const TSpecStream& stream) {
    const auto& bytes = stream.Bytes();
    WriteFileSafely(file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void ThrowTruncated() { throw SpecFormatError("Файл обрывается посреди строки"); }

StampDecision CheckStamp(std::string_view stamp, std::string_view current,
                         std::string_view convertQuestion, std::string_view newerWarning) {
    if (stamp == current) return StampDecision::Current;
    if (VersionBefore(stamp, current)) {
        return AskOkCancel(FillMessage(convertQuestion, {stamp, current}), QuestionKind::Reading)
                   ? StampDecision::Converted
                   : StampDecision::Stop;
    }
    ShowWarning(FillMessage(newerWarning, {current, stamp}));
    return StampDecision::Stop;
}

bool LoadDocumentFile(const std::string& file, std::string_view loadError, std::size_t& sizeHint,
                      const std::function<bool(TSpecStream&)>& read) {
    TSpecStream stream;
    ReadDocumentFile(file, stream);
    sizeHint = stream.Size() + stream.Size() / 8;
    try {
        const bool complete = read(stream);
        // A text cut by the end of the file was shown and read as far as it went; the file is
        // still damaged and the document is not whole.
        if (complete && stream.ShortTexts() > 0) ThrowTruncated();
        return complete;
    } catch (const FtfError& e) {
        ShowError(FillMessage(loadError, {e.what()}));
    } catch (const SpecFormatError& e) {
        ShowError(FillMessage(loadError, {e.what()}));
    } catch (const std::bad_alloc&) {
        ShowError(FillMessage(loadError, {"Недостаточно памяти"}));
    }
    return false;
}

bool SaveDocumentFile(const std::string& file, std::string_view saveError, std::size_t& sizeHint,
                      const std::function<void(TSpecStream&)>& write) {
    try {
        TSpecStream stream;
        stream.Reserve(sizeHint);
        write(stream);
        WriteDocumentFile(file, stream);
        sizeHint = stream.Size() + stream.Size() / 8;
        return true;
    } catch (const FtfError& e) {
        ShowError(FillMessage(saveError, {e.what()}));
    } catch (const SpecFormatError& e) {
        ShowError(FillMessage(saveError, {e.what()}));
    } catch (const std::bad_alloc&) {
        ShowError(FillMessage(saveError, {"Недостаточно памяти"}));
    }
    return false;
}

}  // namespace ftf
