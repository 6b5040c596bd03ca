#pragma once
// Windows-1251 at the edges, UTF-8 in memory.
//
// Every file the old system shares with us (documents, Paradox tables, the INI file, text
// exports) holds Windows-1251 bytes; every string in memory is UTF-8. The conversions live here
// and nowhere else, and a character the code page cannot hold is refused, never replaced by '?'.

#include <string>
#include <string_view>

namespace ftf {

/// Bytes in the Windows-1251 code page. A distinct type so that code page bytes and UTF-8
/// text cannot be mixed by accident; `bytes` is the raw content.
struct Cp1251String {
    std::string bytes;
    bool operator==(const Cp1251String&) const = default;
};

/// UTF-8 text to Windows-1251. Throws FtfError naming the first character the code page
/// cannot hold (and on malformed UTF-8).
Cp1251String ToCp1251(std::string_view utf8);

/// Windows-1251 bytes to UTF-8. Every byte has a character (0x98 maps to U+0098), so this never
/// fails and ToCp1251(FromCp1251(b)) == b for any bytes b.
std::string FromCp1251(std::string_view bytes);

/// True when every character of the UTF-8 text has a Windows-1251 byte.
bool FitsCp1251(std::string_view utf8);

/// Upper-cases UTF-8 text the way the code page does (Latin and Cyrillic letters, Ё from ё);
/// characters outside the code page are left as they are.
std::string UpperCase(std::string_view utf8);
/// Lower-casing counterpart of UpperCase.
std::string LowerCase(std::string_view utf8);

/// Compares two UTF-8 texts in the order of their Windows-1251 bytes (<0, 0, >0). Characters
/// outside the code page sort after every code page character, by code point.
int CompareCp1251(std::string_view a, std::string_view b);
/// The same after upper-casing both: the case-insensitive order of the old system's indexes.
int CompareCp1251NoCase(std::string_view a, std::string_view b);
/// Case-insensitive equality in the code page's sense.
bool SameTextNoCase(std::string_view a, std::string_view b);

/// Number of characters (code points) of a UTF-8 text: widths and lengths the old system
/// counted in bytes of its one-byte code page.
std::size_t CharCount(std::string_view utf8);
/// The first `count` characters of a UTF-8 text (the whole text when it is shorter).
std::string CharLeft(std::string_view utf8, std::size_t count);
/// The last `count` characters of a UTF-8 text (the whole text when it is shorter).
std::string CharRight(std::string_view utf8, std::size_t count);

/// Decodes one UTF-8 character at `pos`, advancing `pos`; returns false on malformed input
/// (and then advances by one byte).
bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& cp);
/// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace ftf
