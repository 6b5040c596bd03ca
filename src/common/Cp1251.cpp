#include "common/Cp1251.h"

#include <array>
#include <cstdio>

#include "common/Error.h"

namespace ftf {
namespace {

// Code points of the bytes 0x80..0xFF. 0x98 has no character in the code page; it maps to
// U+0098 so that any byte sequence survives a round trip.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,

};

// The code page's own upper-casing of every byte.
constexpr std::array<unsigned char, 256> kUpper = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F,
    0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,
    0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
    0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D, 0x5E, 0x5F,
    0x60, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
    0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F,
    0x80, 0x81, 0x82, 0x81, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F,
    0x80, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x8A, 0x9B, 0x8C, 0x8D, 0x8E, 0x8F,
    0xA0, 0xA1, 0xA1, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF,
    0xB0, 0xB1, 0xB2, 0xB2, 0xA5, 0xB5, 0xB6, 0xB7, 0xA8, 0xB9, 0xAA, 0xBB, 0xA3, 0xBD, 0xBD, 0xAF,
    0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF,
    0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF,
    0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF,
    0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF,
};

int ByteOf(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (int i = 0; i < 128; ++i)
        if (kHigh[static_cast<std::size_t>(i)] == cp) return 0x80 + i;
    return -1;
}

int FastByteOf(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x410 && cp <= 0x44F) return static_cast<int>(cp - 0x410 + 0xC0);
    return ByteOf(cp);
}

std::string CharName(char32_t cp) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    std::string s = "«";
    AppendUtf8(s, cp);
    return s + "» (" + buf + ")";
}

template <class ByteFn>
std::string MapBytes(std::string_view utf8, ByteFn fn) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        std::size_t start = pos;
        if (!DecodeUtf8(utf8, pos, cp)) {
            out.append(utf8.substr(start, pos - start));
            continue;
        }
        int b = FastByteOf(cp);
        if (b < 0) {
            out.append(utf8.substr(start, pos - start));
            continue;
        }
        unsigned char m = fn(static_cast<unsigned char>(b));
        if (m < 0x80)
            out.push_back(static_cast<char>(m));
        else
            AppendUtf8(out, kHigh[m - 0x80u]);
    }
    return out;
}

unsigned char LowerByte(unsigned char b) {
    static const std::array<unsigned char, 256> lower = [] {
        std::array<unsigned char, 256> l{};
        for (int i = 0; i < 256; ++i) l[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
        for (int i = 255; i >= 0; --i) {
            unsigned char u = kUpper[static_cast<std::size_t>(i)];
            if (u != i) l[u] = static_cast<unsigned char>(i);
        }
        return l;
    }();
    return lower[b];
}

// Sort key of one character: its code page byte, or above every byte for others.
std::uint32_t SortKey(char32_t cp, bool upper) {
    int b = FastByteOf(cp);
    if (b < 0) return 0x100u + cp;
    return upper ? kUpper[static_cast<std::size_t>(b)] : static_cast<std::uint32_t>(b);
}

int Compare(std::string_view a, std::string_view b, bool upper) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        // An ASCII character is its own code page byte: codes compare without decoding.
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[j]);
        if (x < 0x80 && y < 0x80) {
            const std::uint32_t kx = upper ? kUpper[x] : x, ky = upper ? kUpper[y] : y;
            if (kx != ky) return kx < ky ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        char32_t ca = 0, cb = 0;
        if (!DecodeUtf8(a, i, ca)) ca = 0xFFFD;
        if (!DecodeUtf8(b, j, cb)) cb = 0xFFFD;
        std::uint32_t ka = SortKey(ca, upper), kb = SortKey(cb, upper);
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& cp) {
    auto c = static_cast<unsigned char>(s[pos]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || pos + static_cast<std::size_t>(len) > s.size()) {
        ++pos;
        return false;
    }
    char32_t v = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < len; ++k) {
        auto cc = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(k)]);
        if ((cc & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        v = (v << 6) | (cc & 0x3F);
    }
    pos += static_cast<std::size_t>(len);
    cp = v;
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

Cp1251String ToCp1251(std::string_view utf8) {
    Cp1251String out;
    out.bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(utf8, pos, cp))
            throw FtfError("Текст не в кодировке UTF-8: его нельзя записать в кодировке Windows-1251");
        int b = FastByteOf(cp);
        if (b < 0)
            throw FtfError("Символ " + CharName(cp) + " нельзя записать в кодировке Windows-1251");
        out.bytes.push_back(static_cast<char>(b));
    }
    return out;
}

std::string FromCp1251(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else
            AppendUtf8(out, kHigh[b - 0x80u]);
    }
    return out;
}

bool FitsCp1251(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        if (!DecodeUtf8(utf8, pos, cp) || FastByteOf(cp) < 0) return false;
    }
    return true;
}

std::string UpperCase(std::string_view utf8) {
    return MapBytes(utf8, [](unsigned char b) { return kUpper[b]; });
}

std::string LowerCase(std::string_view utf8) {
    return MapBytes(utf8, LowerByte);
}

int CompareCp1251(std::string_view a, std::string_view b) { return Compare(a, b, false); }
int CompareCp1251NoCase(std::string_view a, std::string_view b) { return Compare(a, b, true); }
bool SameTextNoCase(std::string_view a, std::string_view b) { return Compare(a, b, true) == 0; }

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string CharLeft(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0, n = 0;
    while (pos < utf8.size() && n < count) {
        char32_t cp = 0;
        DecodeUtf8(utf8, pos, cp);
        ++n;
    }
    return std::string(utf8.substr(0, pos));
}

std::string CharRight(std::string_view utf8, std::size_t count) {
    std::size_t total = CharCount(utf8);
    if (count >= total) return std::string(utf8);
    std::size_t skip = total - count, pos = 0, n = 0;
    while (pos < utf8.size() && n < skip) {
        char32_t cp = 0;
        DecodeUtf8(utf8, pos, cp);
        ++n;
    }
    return std::string(utf8.substr(pos));
}

}  // namespace ftf
