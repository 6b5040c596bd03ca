// libFuzzer target: reading values from a damaged TSpecStream image.
//
// Input: byte 0 & 15 = n, the number of layout bytes that follow; each layout byte (mod 10) names the
// kind of value the reader expects next, cycled until the data ends or a format error stops the
// read, as a document loader would stop. The rest of the input is the stream image. With n = 0 the
// kinds run through 0..9 in turn.
//
// Besides the sanitizers, every read is checked against the encoding worked out independently here:
// the position moves forward and stays inside the data, a text is exactly the announced bytes up to
// the first zero (and the short-read message appears exactly when the data ends early), a record is
// the 16 bytes as stored and writes back unchanged, and reading throws nothing but SpecFormatError.
// Built and run by bench/fuzz-specstream.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/Prompter.h"
#include "common/TSpecStream.h"

using namespace ftf;

namespace {

class CountingPrompter final : public Prompter {
public:
    int errors = 0;
    std::string last;
    void ShowError(const std::string& t) override {
        ++errors;
        last = t;
    }
    void ShowWarning(const std::string&) override { std::abort(); }
    void ShowInfo(const std::string&) override { std::abort(); }
    void ShowPlain(const std::string&) override { std::abort(); }
    bool AskOkCancel(const std::string&, QuestionKind) override { std::abort(); }
    bool AskOkAbort(const std::string&, QuestionKind) override { std::abort(); }
    int AskTwoButtons(const std::string&, const std::string&, const std::string&, const std::string&,
                      QuestionKind) override { std::abort(); }
    YesNoCancel AskYesNoCancel(const std::string&, QuestionKind) override { std::abort(); }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override {
        std::abort();
    }
    std::vector<std::string> OpenFiles(const FileDialogRequest&) override { std::abort(); }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { std::abort(); }
    int Choose(const ChoiceRequest&) override { std::abort(); }
    void BeginBusy(bool) override {}
    void EndBusy() override {}
};

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

// The text read at `before` must be what the encoding says.
void CheckText(const std::vector<std::uint8_t>& image, std::size_t before, std::size_t after,
               const std::string& text, int newErrors) {
    Check(image.size() - before >= 4);
    std::int32_t length;
    std::uint32_t raw = image[before] | image[before + 1] << 8 | image[before + 2] << 16 |
                        static_cast<std::uint32_t>(image[before + 3]) << 24;
    std::memcpy(&length, &raw, 4);
    Check(length >= 0);
    const std::size_t available = image.size() - before - 4;
    const std::size_t got = std::min<std::size_t>(static_cast<std::size_t>(length), available);
    Check(after == before + 4 + got);
    Check(newErrors == (got < static_cast<std::size_t>(length) ? 1 : 0));
    std::string stored(image.begin() + static_cast<std::ptrdiff_t>(before + 4),
                       image.begin() + static_cast<std::ptrdiff_t>(before + 4 + got));
    stored.resize(std::min(stored.size(), stored.find('\0')));
    Check(ToCp1251(text).bytes == stored);
    // Written again it takes exactly its bytes and the prefix.
    TSpecStream again;
    WriteText(again, text);
    Check(again.Size() == 4 + stored.size());
}

void ExerciseConversions(const SpecVariant& v) {
    double real = 0;
    bool realOk = false;
    try {
        real = v.ToReal();
        realOk = true;
    } catch (const SpecFormatError&) {
    }
    try {
        const float f = v.ToSingle();
        Check(realOk && (std::isnan(f) ? std::isnan(real) : f == static_cast<float>(real)));
    } catch (const SpecFormatError&) {
    }
    try {
        const std::int32_t i = v.ToInteger();
        // A whole number read from a real is that real rounded to the nearest.
        Check(!realOk || std::fabs(static_cast<double>(i) - real) <= 0.5 + 1e-9 * std::fabs(real));
    } catch (const SpecFormatError&) {
    }
    try {
        (void)v.ToByte();
    } catch (const SpecFormatError&) {
    }
    try {
        (void)v.ToBoolean();
    } catch (const SpecFormatError&) {
    }
    try {
        (void)v.ToDate();
    } catch (const SpecFormatError&) {
    }
    try {
        (void)v.ToMoney();
    } catch (const SpecFormatError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CountingPrompter prompter;
    static const bool installed = (SetPrompter(&prompter), true);
    (void)installed;
    if (size == 0) return 0;

    std::size_t n = std::min<std::size_t>(data[0] & 15, size - 1);
    std::vector<std::uint8_t> layout(data + 1, data + 1 + n);
    if (layout.empty())
        for (std::uint8_t k = 0; k < 10; ++k) layout.push_back(k);
    const std::vector<std::uint8_t> image(data + 1 + n, data + size);
    TSpecStream s{image};

    for (std::size_t step = 0; s.Remaining() > 0; ++step) {
        const int kind = layout[step % layout.size()] % 10;
        const std::size_t before = s.Position();
        const int errorsBefore = prompter.errors;
        try {
            switch (kind) {
                case 0: {
                    const std::string t = ReadText(s);
                    CheckText(image, before, s.Position(), t, prompter.errors - errorsBefore);
                    break;
                }
                case 1: {
                    SpecVariant v;
                    ReadVariant(s, SpecVariant::FromInteger(0), v);
                    Check(s.Position() == before + 16);
                    Check(std::memcmp(v.RecordBytes().data(), image.data() + before, 16) == 0);
                    TSpecStream again;
                    WriteVariant(again, v);
                    Check(again.Bytes() == std::vector<std::uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(before),
                                                                     image.begin() + static_cast<std::ptrdiff_t>(before + 16)));
                    ExerciseConversions(v);
                    break;
                }
                case 2: (void)ReadInteger(s); break;
                case 3: (void)ReadByte(s); break;
                case 4: (void)ReadBoolean(s); break;
                case 5: (void)ReadReal(s); break;
                case 6: (void)ReadSingle(s); break;
                case 7: (void)ReadDate(s); break;
                case 8: (void)ReadMoney(s); break;
                case 9: {
                    // A version stamp: a text compared with the stamps the layouts use.
                    const std::string t = ReadText(s);
                    CheckText(image, before, s.Position(), t, prompter.errors - errorsBefore);
                    try {
                        Check(VersionAtLeast(t, kStamp26_12_2019) != VersionBefore(t, kStamp26_12_2019));
                    } catch (const SpecFormatError&) {
                    }
                    break;
                }
            }
        } catch (const SpecFormatError&) {
            Check(s.Position() <= s.Size());
            break;  // a loader stops here and reports the damage
        }
        Check(s.Position() > before && s.Position() <= s.Size());
        Check(kind == 0 || kind == 9 || prompter.errors == errorsBefore);
    }
    return 0;
}
