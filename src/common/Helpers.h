#pragma once
// Small stateless helpers shared by every layer: file names, field lists, fixed-width filling,
// number parsing and the command-line switch search. Texts are UTF-8; "upper case" is the
// Windows-1251 code page's upper-casing (UpperCase), and widths count characters, not bytes.

#include <string>
#include <string_view>
#include <vector>

namespace ftf {

// --- Plain text ----------------------------------------------------------------------------

/// Removes leading and trailing blanks and control characters (every byte up to 0x20).
std::string Trim(std::string_view text);

/// Removes every blank (and no-break space); an empty result becomes "0". Used before
/// converting numbers typed with blanks between digit groups.
std::string RemoveBlanks(std::string_view text);

/// Integer value of the text (leading blanks and a sign allowed); 0 when the text is not a
/// decimal integer or lies outside the 32-bit range.
int StrToIntOrZero(std::string_view text);

// --- File names ------------------------------------------------------------------------------

/// Builds a text from parts of a file name: directory (with its trailing separator), base name,
/// extension (with its dot). Both "\" and "/" separate directories.
///   directory + base + extension   the whole name
///   directory + base               the whole name without its extension
///   directory                      the directory with its trailing separator
///   directory + extension          empty
///   base + extension               the file name
///   base                           the file name without its extension
///   extension                      the extension with its dot
///   nothing                        empty
/// The extension starts at the last "." of the file name (".ffo370" alone is all extension).
std::string SplitFileName(std::string_view name, bool withDir, bool withBase, bool withExt);

/// Removes surrounding blanks, then one trailing "\" (a configured directory "C:\Orders\ "
/// becomes "C:\Orders"). A trailing "/" goes too, except for the root "/" itself.
std::string TrimPath(std::string_view text);

/// Replaces every character not allowed in a file name proposed from an order number:
/// \ / : * ? , ; " ` ! ( ) { } [ ] < > | % '   (the blank stays).
std::string SanitizeFileName(std::string_view text, char replacement);
/// The register's variant for moved files: the same set plus the full stop.
std::string SanitizeFileNameNoDots(std::string_view text, char replacement);

/// Deletes a directory with everything in it, silently. An empty path or a path that is not an
/// existing directory gives true and touches nothing (a symbolic link is never followed). On
/// failure the plain message "<system error text>\r\n<path>" is shown and the result is false.
bool DeleteDirTree(const std::string& path);

/// Index (1-based, args[0] is the program name and is not examined) of the first argument that
/// contains the switch as a substring in any letter case; -1 when none does or the switch is empty.
int FindSwitch(const std::vector<std::string>& args, std::string_view switchText);

/// The program's version text.
std::string ProgramVersion();

// --- Field lists ------------------------------------------------------------------------------
// A field list is a text whose fields are separated by single delimiter characters; `delimiters`
// is a set of characters, any of which separates. Empty fields count.

/// 0 for an empty text, else 1 + the number of delimiter characters in it.
int FieldCount(std::string_view text, std::string_view delimiters);
/// The n-th field (from 1); empty for n <= 0 or beyond the last field; with `trim` it is trimmed.
std::string ExtractField(std::string_view text, int n, std::string_view delimiters, bool trim);
/// True when one of the trimmed fields equals the value exactly.
bool ContainsField(std::string_view text, std::string_view value, std::string_view delimiters);
/// An empty list becomes the value; otherwise list + separator + value, unless `unique` is set and
/// the list already holds the value (ContainsField, splitting at any character of the separator).
std::string AppendField(std::string_view list, std::string_view value, std::string_view separator,
                        bool unique);

/// Replaces every occurrence of `search` (or the first only), left to right, never searching an
/// inserted replacement again. With `ignoreCase` the search compares upper-cased texts and inserts
/// the replacement as given. An empty search changes nothing.
std::string ReplaceText(std::string_view text, std::string_view search, std::string_view replacement,
                        bool ignoreCase, bool firstOnly);

// --- Fixed width (text exports) ------------------------------------------------------------------

/// Optionally trimmed; fill characters go in front up to `width` characters; then the last
/// `width` characters (a longer text loses its beginning). Width <= 0 gives an empty text.
std::string PadLeft(std::string_view text, int width, bool trim, char fill = ' ');
/// Optionally trimmed; fill characters are appended; then the first `width` characters.
std::string PadRight(std::string_view text, int width, bool trim, char fill = ' ');

}  // namespace ftf
