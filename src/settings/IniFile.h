#pragma once
// INI files read and written the way the Windows profile functions did, by a reader and writer of
// our own. The shared settings file FTFurniture.ini holds Windows-1251 bytes; the per-user
// registry file uses the same code in UTF-8. In memory every text is UTF-8.
//
// What is kept: every line of the file, byte for byte, in its order (comments, blank lines,
// unknown sections and keys, each line's own line break, a missing final line break). A write
// changes the one line of its key, or appends one line (and a section header when the section is
// missing); nothing else in the file moves.
//
// How a file is read (the profile functions' rules that matter):
//   - "[name]" starts a section; the name is what lies between "[" and the last "]", trimmed.
//   - "key=value" inside a section: key and value are trimmed of blanks and tabs; the first "="
//     splits them, so a value may contain "=".
//   - Section and key names compare without regard to letter case (Cyrillic included).
//   - When a section or a key occurs twice, the first one counts (reads and writes use it).
//   - A line starting with ";" or "#" (after blanks) is a comment.
//   - IniFile::ReadString drops one pair of matching quotes ('…' or "…") around a value, as
//     GetPrivateProfileString did; a missing key gives the caller's default.
//
// Malformed lines never stop reading. They are kept in place, written back unchanged, and ignored
// when values are looked up:
//   - a line without "=" inside a section, or with an empty key ("=x");
//   - a key line before the first section header;
//   - a header without its closing "]" ("[Tax"): it also closes the section above it, so the keys
//     below it up to the next good header belong to no section (they are never taken for keys of
//     the section above, which would hand out values from the wrong place). A write to that
//     section appends a fresh, well-formed section at the end of the file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ftf {

enum class IniEncoding {
    Cp1251,  ///< the old system's files: Windows-1251 bytes, CR LF for new lines
    Utf8,    ///< our own files: UTF-8 bytes, LF for new lines
};

/// The lines of an INI text in memory (UTF-8), with lookups that follow the rules above.
class IniDocument {
public:
    enum class LineKind { Blank, Comment, Section, Key, Malformed };

    struct Line {
        LineKind kind = LineKind::Blank;
        std::string text;   ///< the line as read, without its line break
        std::string eol;    ///< "\r\n", "\n", "\r" or "" (last line without a break)
        std::string name;   ///< section name (Section) or key name (Key), trimmed
        std::string value;  ///< Key: the value, trimmed, quotes kept
        int section = -1;   ///< Key: index of the Section line it belongs to; -1 when none
    };

    IniDocument() = default;
    /// Splits UTF-8 text into lines and classifies them. Never fails. `newLine` is the break used
    /// for lines added later when the text has no break of its own to copy.
    static IniDocument Parse(std::string_view text, std::string_view newLine = "\r\n");
    /// The text again: equal to the parsed text when nothing was changed.
    std::string Text() const;

    const std::vector<Line>& Lines() const { return lines_; }
    /// Section names in file order (first occurrence of each name only).
    std::vector<std::string> Sections() const;
    /// Key names of a section in file order (first occurrence of each name only).
    std::vector<std::string> Keys(std::string_view section) const;
    bool SectionExists(std::string_view section) const;
    /// The value of a key (trimmed, quotes kept); nullopt when the section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    /// Sets a key, replacing the value of its line, or appending a line at the end of the section
    /// (after its last key line), or a new section at the end of the text. Returns false when the
    /// stored value was already `value` (nothing changed). The caller checks the names (see
    /// CheckIniName); a value must not contain a line break.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    /// Appends an empty section when it is missing; false when it was there.
    bool AddSection(std::string_view section);
    /// Removes the key's line; false when there was none.
    bool DeleteKey(std::string_view section, std::string_view key);
    /// Removes the section's header and its key, comment and malformed lines up to the next
    /// header; false when there was none.
    bool EraseSection(std::string_view section);

private:
    int FindSection(std::string_view section) const;  // index of the header line, -1
    int FindKey(int sectionLine, std::string_view key) const;
    void Reindex();
    std::string NewLine() const;

    std::vector<Line> lines_;
    std::string newLine_ = "\r\n";
};

/// An INI file on disk. Reads come from the text loaded last (Load, or the last write through this
/// object). Every write re-reads the file, changes one key and writes the whole file safely (a
/// temporary file beside it, then a rename over it), so keys changed meanwhile by another process
/// survive, as with the profile functions.
class IniFile {
public:
    explicit IniFile(std::string path, IniEncoding encoding = IniEncoding::Cp1251);

    const std::string& FileName() const { return path_; }
    IniEncoding Encoding() const { return encoding_; }

    /// Reads the file. A missing file reads as empty and is no error (Exists() tells). Returns
    /// false and sets ErrorString() when the file exists but cannot be read.
    bool Load();
    /// Whether the file existed at the last Load.
    bool Exists() const { return exists_; }
    const std::string& ErrorString() const { return error_; }

    const IniDocument& Document() const { return doc_; }
    std::vector<std::string> Sections() const { return doc_.Sections(); }
    std::vector<std::string> Keys(std::string_view section) const { return doc_.Keys(section); }
    bool SectionExists(std::string_view section) const { return doc_.SectionExists(section); }
    bool ValueExists(std::string_view section, std::string_view key) const;

    /// The value with one pair of surrounding quotes removed, or `def` when the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    /// Decimal with an optional sign, or hexadecimal written "0x…" or "$…"; `def` when the key is
    /// missing or the text is no 32-bit integer.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    /// An integer, non-zero meaning true; `def` when missing or unreadable.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    /// A real written with "," or "." (see ParseIniReal); `def` when missing, empty or unreadable.
    float ReadFloat(std::string_view section, std::string_view key, float def) const;

    /// One-key writes. Throw FtfError when the name is unusable, the value has a line break or a
    /// character Windows-1251 cannot hold (Cp1251 files), or the file cannot be read or written;
    /// the file is then unchanged. A write that changes nothing does not touch the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    /// "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
    /// FormatIniReal: decimal separator ",".
    void WriteFloat(std::string_view section, std::string_view key, float value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

private:
    template <class Change> void Modify(Change change);
    bool ReadText(std::string& text, std::string& error) const;

    std::string path_;
    IniEncoding encoding_;
    IniDocument doc_;
    bool exists_ = false;
    std::string error_;
};

/// Throws FtfError when `name` cannot be a section or key name: empty after trimming or holding a
/// line break (both); holding "=" or starting with "[", ";" or "#" (keys). A "]" inside a section
/// name is fine: a header is read up to its last "]".
void CheckIniName(std::string_view name, bool isSection);

/// A real as the INI files hold it: blanks around it are ignored, the decimal separator may be
/// "," or "." (a file edited by hand must not stop the program), an exponent is allowed. Nullopt
/// for anything else, for an empty text and for values a single cannot hold.
std::optional<float> ParseIniReal(std::string_view text);
/// The shortest text that reads back as the same single, with "," as decimal separator ("18",
/// "18,5", "0,1").
std::string FormatIniReal(float value);
/// The integer rule of IniFile::ReadInteger.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

/// Writes a whole file safely: a temporary file in the same folder is written, flushed to disk
/// and renamed over `path` (a symbolic link is followed; the old file's permissions are kept).
/// Throws FtfError with the system's message when anything fails; the old file is then intact.
void WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace ftf
