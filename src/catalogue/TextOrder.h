#pragma once
// Text comparison for keys, filters and locates: the Windows-1251 order of CompareCp1251 /
// CompareCp1251NoCase, with a fast path for the ASCII texts that make up most catalogue keys.

#include <string_view>

namespace ftf {

/// <0, 0, >0 in the Windows-1251 order; `nocase` compares after upper-casing.
int CompareText(std::string_view a, std::string_view b, bool nocase);
/// True when `text` begins with `prefix` (case-insensitively with `nocase`).
bool TextStartsWith(std::string_view text, std::string_view prefix, bool nocase);
/// Equality (case-insensitively with `nocase`).
inline bool TextEquals(std::string_view a, std::string_view b, bool nocase) {
    if (!nocase) return a == b;
    return CompareText(a, b, true) == 0;
}

}  // namespace ftf
