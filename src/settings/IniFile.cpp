#include "settings/IniFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Cp1251.h"
#include "common/Error.h"

namespace ftf {
namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string SystemMessage(int err) { return std::strerror(err); }

std::string Quote(std::string_view s) { return "«" + std::string(s) + "»"; }

// Classifies every line again and links key lines to their section; run after each change.
void Classify(std::vector<IniDocument::Line>& lines) {
    using Kind = IniDocument::LineKind;
    int current = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        IniDocument::Line& line = lines[i];
        std::string_view t = Trim(line.text);
        line.name.clear();
        line.value.clear();
        line.section = -1;
        if (t.empty()) {
            line.kind = Kind::Blank;
        } else if (t.front() == ';' || t.front() == '#') {
            line.kind = Kind::Comment;
        } else if (t.front() == '[') {
            std::size_t close = t.rfind(']');
            std::string_view name = close == std::string_view::npos ? std::string_view()
                                                                    : Trim(t.substr(1, close - 1));
            if (name.empty()) {
                line.kind = Kind::Malformed;
                current = -1;  // a broken header closes the section above it
            } else {
                line.kind = Kind::Section;
                line.name = std::string(name);
                current = static_cast<int>(i);
            }
        } else {
            std::size_t eq = t.find('=');
            std::string_view key = eq == std::string_view::npos ? std::string_view() : Trim(t.substr(0, eq));
            if (key.empty()) {
                line.kind = Kind::Malformed;
                line.section = current;
            } else {
                line.kind = Kind::Key;
                line.name = std::string(key);
                line.value = std::string(Trim(t.substr(eq + 1)));
                line.section = current;
            }
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// IniDocument

IniDocument IniDocument::Parse(std::string_view text, std::string_view newLine) {
    IniDocument doc;
    doc.newLine_ = std::string(newLine);
    bool breakSeen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        Line line;
        if (nl == std::string_view::npos) {
            line.text = std::string(text.substr(pos));
            pos = text.size();
        } else {
            std::size_t end = nl;
            if (end > pos && text[end - 1] == '\r') --end;
            line.text = std::string(text.substr(pos, end - pos));
            line.eol = std::string(text.substr(end, nl + 1 - end));
            pos = nl + 1;
            if (!breakSeen) {
                doc.newLine_ = line.eol;  // new lines copy the file's own break
                breakSeen = true;
            }
        }
        doc.lines_.push_back(std::move(line));
    }
    Classify(doc.lines_);
    return doc;
}

std::string IniDocument::Text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.eol;
    }
    return out;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == LineKind::Section && FindSection(lines_[i].name) == static_cast<int>(i))
            out.push_back(lines_[i].name);
    return out;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> out;
    int s = FindSection(section);
    if (s < 0) return out;
    for (std::size_t i = s + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section || (line.kind == LineKind::Malformed && line.section < 0)) break;
        if (line.kind == LineKind::Key && FindKey(s, line.name) == static_cast<int>(i))
            out.push_back(line.name);
    }
    return out;
}

bool IniDocument::SectionExists(std::string_view section) const { return FindSection(section) >= 0; }

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    int s = FindSection(section);
    if (s < 0) return std::nullopt;
    int k = FindKey(s, key);
    if (k < 0) return std::nullopt;
    return lines_[k].value;
}

int IniDocument::FindSection(std::string_view section) const {
    std::string_view name = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == LineKind::Section && SameTextNoCase(lines_[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int IniDocument::FindKey(int sectionLine, std::string_view key) const {
    std::string_view name = Trim(key);
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.section != sectionLine && line.kind != LineKind::Blank && line.kind != LineKind::Comment)
            break;
        if (line.kind == LineKind::Key && SameTextNoCase(line.name, name)) return static_cast<int>(i);
    }
    return -1;
}

std::string IniDocument::NewLine() const { return newLine_; }

void IniDocument::Reindex() { Classify(lines_); }

bool IniDocument::AddSection(std::string_view section) {
    if (FindSection(section) >= 0) return false;
    if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = NewLine();
    Line header;
    header.text = "[" + std::string(Trim(section)) + "]";
    header.eol = NewLine();
    lines_.push_back(std::move(header));
    Reindex();
    return true;
}

bool IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    AddSection(section);
    int s = FindSection(section);
    int k = FindKey(s, key);
    if (k >= 0) {
        Line& line = lines_[k];
        if (line.value == value) return false;
        // Keep the key's own spelling and the blanks around "=": only the value changes.
        std::size_t eq = line.text.find('=');
        std::size_t start = eq + 1;
        while (start < line.text.size() && (line.text[start] == ' ' || line.text[start] == '\t')) ++start;
        line.text = line.text.substr(0, start) + std::string(value);
        Reindex();
        return true;
    }
    // After the section's last key line (comments that follow it introduce what comes next).
    std::size_t at = s;
    for (std::size_t i = s + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section || (line.kind == LineKind::Malformed && line.section < 0)) break;
        if (line.kind == LineKind::Key || line.kind == LineKind::Malformed) at = i;
    }
    if (lines_[at].eol.empty()) lines_[at].eol = NewLine();
    Line line;
    line.text = std::string(Trim(key)) + "=" + std::string(value);
    line.eol = NewLine();
    lines_.insert(lines_.begin() + at + 1, std::move(line));
    Reindex();
    return true;
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    int s = FindSection(section);
    if (s < 0) return false;
    int k = FindKey(s, key);
    if (k < 0) return false;
    lines_.erase(lines_.begin() + k);
    Reindex();
    return true;
}

bool IniDocument::EraseSection(std::string_view section) {
    int s = FindSection(section);
    if (s < 0) return false;
    std::size_t end = s + 1;
    while (end < lines_.size()) {
        const Line& line = lines_[end];
        if (line.kind == LineKind::Section || (line.kind == LineKind::Malformed && line.section < 0)) break;
        ++end;
    }
    lines_.erase(lines_.begin() + s, lines_.begin() + end);
    Reindex();
    return true;
}

// ---------------------------------------------------------------------------------------------
// IniFile

IniFile::IniFile(std::string path, IniEncoding encoding) : path_(std::move(path)), encoding_(encoding) {}

bool IniFile::ReadText(std::string& text, std::string& error) const {
    text.clear();
    std::error_code ec;
    fs::file_status st = fs::status(path_, ec);
    if (ec || !fs::exists(st)) {
        // A path below a regular file names no file either; writing it will say why.
        if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory) {
            error = "Ошибка чтения файла " + path_ + "\r\n(" + ec.message() + ")";
            return false;
        }
        return true;
    }
    if (fs::is_directory(st)) {
        error = "Ошибка чтения файла " + path_ + "\r\n(" + SystemMessage(EISDIR) + ")";
        return false;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        error = "Ошибка чтения файла " + path_ + "\r\n(" + SystemMessage(errno) + ")";
        return false;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) {
        error = "Ошибка чтения файла " + path_ + "\r\n(" + SystemMessage(errno) + ")";
        return false;
    }
    text = buf.str();
    return true;
}

namespace {
const char kBom[] = "\xEF\xBB\xBF";

IniDocument ParseBytes(const std::string& bytes, IniEncoding encoding, bool& bom) {
    if (encoding == IniEncoding::Cp1251) {
        bom = false;
        return IniDocument::Parse(FromCp1251(bytes), "\r\n");
    }
    std::string_view text = bytes;
    bom = text.substr(0, 3) == kBom;
    if (bom) text.remove_prefix(3);
    return IniDocument::Parse(text, "\n");
}
}  // namespace

bool IniFile::Load() {
    std::string bytes;
    error_.clear();
    if (!ReadText(bytes, error_)) return false;
    std::error_code ec;
    exists_ = fs::exists(path_, ec);
    bool bom = false;
    doc_ = ParseBytes(bytes, encoding_, bom);
    return true;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return doc_.Value(section, key).has_value();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    std::optional<std::string> v = doc_.Value(section, key);
    if (!v) return std::string(def);
    const std::string& s = *v;
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    std::optional<std::string> v = doc_.Value(section, key);
    if (!v) return def;
    return ParseIniInteger(ReadString(section, key, "")).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

float IniFile::ReadFloat(std::string_view section, std::string_view key, float def) const {
    if (!doc_.Value(section, key)) return def;
    return ParseIniReal(ReadString(section, key, "")).value_or(def);
}

template <class Change>
void IniFile::Modify(Change change) {
    std::string bytes, error;
    if (!ReadText(bytes, error)) throw FtfError(error);
    bool bom = false;
    IniDocument doc = ParseBytes(bytes, encoding_, bom);
    if (change(doc)) {
        std::string text = doc.Text();
        std::string out = encoding_ == IniEncoding::Cp1251 ? ToCp1251(text).bytes
                                                           : (bom ? std::string(kBom) : std::string()) + text;
        WriteFileSafely(path_, out);
        exists_ = true;
    }
    doc_ = std::move(doc);
}

namespace {
void CheckValue(const IniFile& file, std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos)
        throw FtfError("Значение ключа " + Quote(key) + " для файла " + file.FileName() +
                       " содержит перевод строки");
    if (file.Encoding() == IniEncoding::Cp1251) ToCp1251(value);  // refuses what cp1251 cannot hold
}
}  // namespace

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    CheckIniName(section, true);
    CheckIniName(key, false);
    CheckValue(*this, key, value);
    if (encoding_ == IniEncoding::Cp1251) {
        ToCp1251(section);
        ToCp1251(key);
    }
    Modify([&](IniDocument& doc) { return doc.SetValue(section, key, value); });
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, float value) {
    WriteString(section, key, FormatIniReal(value));
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    Modify([&](IniDocument& doc) { return doc.DeleteKey(section, key); });
}

void IniFile::EraseSection(std::string_view section) {
    Modify([&](IniDocument& doc) { return doc.EraseSection(section); });
}

// ---------------------------------------------------------------------------------------------
// Helpers

void CheckIniName(std::string_view name, bool isSection) {
    std::string_view t = Trim(name);
    const char* what = isSection ? "Недопустимое имя раздела " : "Недопустимое имя ключа ";
    bool bad = t.empty() || name.find_first_of("\r\n") != std::string_view::npos;
    if (!isSection && !bad)
        bad = t.find('=') != std::string_view::npos || t.front() == '[' || t.front() == ';' || t.front() == '#';
    if (bad) throw FtfError(what + Quote(name));
}

std::optional<float> ParseIniReal(std::string_view text) {
    std::string s(Trim(text));
    if (!s.empty() && s.front() == '+') s.erase(0, 1);
    if (s.empty()) return std::nullopt;
    std::size_t separators = 0;
    for (char& c : s) {
        if (c == ',' || c == '.') {
            c = '.';
            ++separators;
        } else if (!(c >= '0' && c <= '9') && c != '-' && c != '+' && c != 'e' && c != 'E') {
            return std::nullopt;  // also keeps "inf", "nan" and hex forms out
        }
    }
    if (separators > 1) return std::nullopt;
    float value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatIniReal(float value) {
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, ec == std::errc() ? ptr : buf);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    } else if (s.size() > 1 && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    std::uint64_t v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    std::int64_t r;
    if (base == 16) {
        // Hexadecimal spells the 32 bits: $FFFFFFFF is -1, as the old reader took it.
        if (v > 0xFFFFFFFFull) return std::nullopt;
        r = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    } else {
        if (v > 2147483648ull) return std::nullopt;
        r = static_cast<std::int64_t>(v);
    }
    if (negative) r = -r;
    if (r < INT32_MIN || r > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

void WriteFileSafely(const std::string& path, std::string_view bytes) {
    auto fail = [&](int err) {
        throw FtfError("Ошибка записи файла " + path + "\r\n(" + SystemMessage(err) + ")");
    };
    // Write beside the file a link points at, so that the link stays a link.
    fs::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) break;
        fs::path next = fs::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    struct stat old {};
    bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) fail(EISDIR);

    std::string tmp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".tmp%ld.%d", static_cast<long>(::getpid()), attempt);
        tmp = (dir / ("." + target.filename().string() + suffix)).string();
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) fail(errno);
    }
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        fail(err);
    };
    if (hadOld && ::fchmod(fd, old.st_mode & 07777) != 0) abandon(errno);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail(err);
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        fail(err);
    }
}

}  // namespace ftf
