#include "catalogue/TextOrder.h"

#include "common/Cp1251.h"

namespace ftf {
namespace {

inline unsigned char AsciiUpper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

int CompareText(std::string_view a, std::string_view b, bool nocase) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    std::size_t i = 0;
    if (!nocase) {
        while (i < n && a[i] == b[i]) ++i;
        if (i == n) return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x < 0x80 && y < 0x80) return x < y ? -1 : 1;
        // Back to the start of the character that differs; the texts agree before it.
        while (i > 0 && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80) --i;
        return CompareCp1251(a.substr(i), b.substr(i));
    }
    while (i < n) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80) return CompareCp1251NoCase(a.substr(i), b.substr(i));
        const unsigned char ux = AsciiUpper(x), uy = AsciiUpper(y);
        if (ux != uy) return ux < uy ? -1 : 1;
        ++i;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool TextStartsWith(std::string_view text, std::string_view prefix, bool nocase) {
    if (!nocase) return text.substr(0, prefix.size()) == prefix;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (i >= text.size()) return false;
        const auto x = static_cast<unsigned char>(text[i]), y = static_cast<unsigned char>(prefix[i]);
        if (x >= 0x80 || y >= 0x80) {
            const std::string_view rest = prefix.substr(i);
            return CompareCp1251NoCase(CharLeft(text.substr(i), CharCount(rest)), rest) == 0;
        }
        if (AsciiUpper(x) != AsciiUpper(y)) return false;
    }
    return true;
}

}  // namespace ftf
