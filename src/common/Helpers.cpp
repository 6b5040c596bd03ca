#include "common/Helpers.h"

#include <charconv>
#include <climits>
#include <filesystem>
#include <system_error>

#include "common/Cp1251.h"
#include "common/HelpersInternal.h"
#include "common/Prompter.h"

namespace ftf {
namespace {

namespace fs = std::filesystem;

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The characters of a delimiter set, decoded once, so that a Cyrillic or other non-ASCII
// delimiter works like an ASCII one.
std::u32string DecodeAll(std::string_view s) {
    std::u32string out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(s, pos, cp)) cp = 0xFFFD;
        out.push_back(cp);
    }
    return out;
}

// Splits a field list into its fields, keeping empty ones. An empty text has no fields.
std::vector<std::string_view> SplitFields(std::string_view text, std::string_view delimiters) {
    std::vector<std::string_view> fields;
    if (text.empty()) return fields;
    const std::u32string delims = DecodeAll(delimiters);
    std::size_t start = 0, pos = 0;
    while (pos < text.size()) {
        std::size_t charStart = pos;
        char32_t cp = 0;
        if (!DecodeUtf8(text, pos, cp)) cp = 0xFFFD;
        if (delims.find(cp) != std::u32string::npos) {
            fields.push_back(text.substr(start, charStart - start));
            start = pos;
        }
    }
    fields.push_back(text.substr(start));
    return fields;
}

std::string Sanitize(std::string_view text, char replacement, bool fullStop) {
    static constexpr std::string_view kForbidden = "\\/:*?,;\"`!(){}[]<>|%'";
    std::string out(text);
    for (char& c : out)
        if (kForbidden.find(c) != std::string_view::npos || (fullStop && c == '.')) c = replacement;
    return out;
}

std::uintmax_t DefaultRemover(const fs::path& path, std::error_code& ec) {
    return fs::remove_all(path, ec);
}

detail::DirRemover g_remover = &DefaultRemover;

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

}  // namespace

namespace detail {
DirRemover SetDirRemover(DirRemover remover) {
    DirRemover previous = g_remover;
    g_remover = remover ? remover : &DefaultRemover;
    return previous;
}
}  // namespace detail

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsTrimmed(text[b])) ++b;
    while (e > b && IsTrimmed(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

std::string RemoveBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        // U+00A0, the no-break space that other programs put between digit groups.
        if (text[i] == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        out.push_back(text[i]);
    }
    return out.empty() ? std::string("0") : out;
}

int StrToIntOrZero(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    text.remove_prefix(i);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return 0;
    // Unsigned parsing takes no sign of its own, so "+-5" and "--5" stay invalid.
    unsigned long long magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (ec != std::errc() || end != text.data() + text.size()) return 0;
    const unsigned long long limit = negative ? 2147483648ULL : 2147483647ULL;
    if (magnitude > limit) return 0;
    long long value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return static_cast<int>(value);
}

std::string SplitFileName(std::string_view name, bool withDir, bool withBase, bool withExt) {
    std::size_t sep = name.find_last_of("\\/");
    std::size_t fileStart = sep == std::string_view::npos ? 0 : sep + 1;
    // A drive with no separator after it ("C:a.ffo370") belongs to the directory part.
    if (sep == std::string_view::npos && name.size() >= 2 && name[1] == ':') fileStart = 2;
    std::string_view dir = name.substr(0, fileStart);
    std::string_view file = name.substr(fileStart);
    std::size_t dot = file.rfind('.');
    std::string_view base = dot == std::string_view::npos ? file : file.substr(0, dot);
    std::string_view ext = dot == std::string_view::npos ? std::string_view() : file.substr(dot);

    if (withDir && !withBase && withExt) return {};
    std::string out;
    if (withDir) out += dir;
    if (withBase) out += base;
    if (withExt) out += ext;
    return out;
}

std::string TrimPath(std::string_view text) {
    std::string out = Trim(text);
    if (!out.empty() && out.back() == '\\')
        out.pop_back();
    else if (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out;
}

std::string SanitizeFileName(std::string_view text, char replacement) {
    return Sanitize(text, replacement, false);
}

std::string SanitizeFileNameNoDots(std::string_view text, char replacement) {
    return Sanitize(text, replacement, true);
}

bool DeleteDirTree(const std::string& path) {
    if (path.empty()) return true;
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(path, ec))) return true;
    g_remover(fs::path(path), ec);
    if (ec) {
        CurrentPrompter().ShowPlain(ec.message() + "\r\n" + path);
        return false;
    }
    return true;
}

int FindSwitch(const std::vector<std::string>& args, std::string_view switchText) {
    if (switchText.empty()) return -1;
    const std::string wanted = UpperCase(switchText);
    for (std::size_t i = 1; i < args.size(); ++i)
        if (UpperCase(args[i]).find(wanted) != std::string::npos) return static_cast<int>(i);
    return -1;
}

std::string ProgramVersion() {
    // The one place the version lives in code; keep it equal to the project version in
    // CMakeLists.txt.
    return "3.80";
}

int FieldCount(std::string_view text, std::string_view delimiters) {
    return static_cast<int>(SplitFields(text, delimiters).size());
}

std::string ExtractField(std::string_view text, int n, std::string_view delimiters, bool trim) {
    if (n <= 0) return {};
    auto fields = SplitFields(text, delimiters);
    if (static_cast<std::size_t>(n) > fields.size()) return {};
    std::string_view f = fields[static_cast<std::size_t>(n) - 1];
    return trim ? Trim(f) : std::string(f);
}

bool ContainsField(std::string_view text, std::string_view value, std::string_view delimiters) {
    for (std::string_view f : SplitFields(text, delimiters))
        if (Trim(f) == value) return true;
    return false;
}

std::string AppendField(std::string_view list, std::string_view value, std::string_view separator,
                        bool unique) {
    if (list.empty()) return std::string(value);
    if (unique && ContainsField(list, value, separator)) return std::string(list);
    std::string out(list);
    out += separator;
    out += value;
    return out;
}

std::string ReplaceText(std::string_view text, std::string_view search, std::string_view replacement,
                        bool ignoreCase, bool firstOnly) {
    if (search.empty() || search == replacement) return std::string(text);
    if (text == search) return std::string(replacement);

    // Upper-cased copy of the text with, for each of its character starts, the byte offset of
    // the same character in the original, so that a match found in the copy maps back even if
    // upper-casing changed a character's byte length.
    std::string hay;
    std::vector<std::size_t> origAt;  // indexed by byte offset in hay; valid at character starts
    std::string needle;
    if (ignoreCase) {
        needle = UpperCase(search);
        hay.reserve(text.size());
        origAt.reserve(text.size() + 1);
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t start = pos;
            char32_t cp = 0;
            DecodeUtf8(text, pos, cp);
            std::string up = UpperCase(text.substr(start, pos - start));
            for (std::size_t k = 0; k < up.size(); ++k) origAt.push_back(k == 0 ? start : std::string::npos);
            hay += up;
        }
        origAt.push_back(text.size());
    } else {
        hay = std::string(text);
        needle = std::string(search);
    }

    std::string out;
    std::size_t from = 0;  // in hay
    std::size_t copied = 0;  // in text
    while (true) {
        std::size_t hit = hay.find(needle, from);
        if (hit == std::string::npos) break;
        std::size_t hitEnd = hit + needle.size();
        std::size_t origHit = ignoreCase ? origAt[hit] : hit;
        std::size_t origEnd = ignoreCase ? origAt[hitEnd] : hitEnd;
        if (origHit == std::string::npos || origEnd == std::string::npos) {
            // The match starts or ends inside a character: not a real occurrence.
            from = hit + 1;
            continue;
        }
        out += text.substr(copied, origHit - copied);
        out += replacement;
        copied = origEnd;
        from = hitEnd;
        if (firstOnly) break;
    }
    out += text.substr(copied);
    return out;
}

std::string PadLeft(std::string_view text, int width, bool trim, char fill) {
    if (width <= 0) return {};
    std::string s = trim ? Trim(text) : std::string(text);
    std::size_t n = CharCount(s);
    const auto w = static_cast<std::size_t>(width);
    if (n < w) return Repeat(fill, w - n) + s;
    return CharRight(s, w);
}

std::string PadRight(std::string_view text, int width, bool trim, char fill) {
    if (width <= 0) return {};
    std::string s = trim ? Trim(text) : std::string(text);
    std::size_t n = CharCount(s);
    const auto w = static_cast<std::size_t>(width);
    if (n < w) return s + Repeat(fill, w - n);
    return CharLeft(s, w);
}

}  // namespace ftf
