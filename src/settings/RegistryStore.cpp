#include "settings/RegistryStore.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <unistd.h>

#include "common/Cp1251.h"
#include "common/Error.h"
#include "settings/IniFile.h"

namespace ftf {
namespace {

namespace fs = std::filesystem;

std::string Quote(std::string_view s) { return "«" + std::string(s) + "»"; }

// ---- key paths ------------------------------------------------------------------------------

std::vector<std::string> SplitKey(std::string_view key) {
    std::vector<std::string> parts;
    std::string_view rest = key;
    if (!rest.empty() && rest.front() == '\\') rest.remove_prefix(1);
    if (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
    if (rest.empty()) return parts;
    std::size_t pos = 0;
    while (true) {
        std::size_t sep = rest.find('\\', pos);
        std::string_view part = rest.substr(pos, sep == std::string_view::npos ? std::string_view::npos : sep - pos);
        if (part.empty() || part.front() == ' ' || part.back() == ' ' ||
            part.find_first_of("\r\n\t") != std::string_view::npos)
            throw FtfError("Недопустимое имя ключа реестра " + Quote(key));
        parts.emplace_back(part);
        if (sep == std::string_view::npos) break;
        pos = sep + 1;
    }
    return parts;
}

std::string JoinKey(const std::vector<std::string>& parts, std::size_t count) {
    if (count == 0) return "\\";
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += "\\" + parts[i];
    return out;
}

std::string SectionOf(std::string_view key) {
    std::vector<std::string> parts = SplitKey(key);
    return JoinKey(parts, parts.size());
}

bool StartsWith(const std::vector<std::string>& whole, const std::vector<std::string>& prefix) {
    if (whole.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (!SameTextNoCase(whole[i], prefix[i])) return false;
    return true;
}

void CheckValueName(std::string_view name) {
    bool bad = name.empty() || name.find_first_of("=\r\n") != std::string_view::npos ||
               name.front() == '[' || name.front() == ';' || name.front() == '#' ||
               name.front() == ' ' || name.front() == '\t' || name.back() == ' ' || name.back() == '\t';
    if (bad) throw FtfError("Недопустимое имя значения реестра " + Quote(name));
}

// ---- typed values ---------------------------------------------------------------------------

enum class ValueType { String, Integer, Binary };

struct Decoded {
    ValueType type;
    std::string text;  // String: the text; Binary: the bytes
    std::int32_t number = 0;
};

const char kHex[] = "0123456789abcdef";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string EncodeString(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

std::string EncodeInteger(std::int32_t v) { return "int:" + std::to_string(v); }

std::string EncodeBinary(std::string_view bytes) {
    std::string out = "hex:";
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

// The reason in `why` when the text is no value of ours.
std::optional<Decoded> DecodeValue(std::string_view v, std::string& why) {
    Decoded d{};
    if (!v.empty() && v.front() == '"') {
        d.type = ValueType::String;
        std::size_t i = 1;
        for (; i < v.size(); ++i) {
            char c = v[i];
            if (c == '"') break;
            if (c != '\\') {
                d.text += c;
                continue;
            }
            if (++i >= v.size()) break;
            switch (v[i]) {
            case '\\': d.text += '\\'; break;
            case '"': d.text += '"'; break;
            case 'n': d.text += '\n'; break;
            case 'r': d.text += '\r'; break;
            case 't': d.text += '\t'; break;
            case 'x': {
                int hi = i + 1 < v.size() ? HexDigit(v[i + 1]) : -1;
                int lo = i + 2 < v.size() ? HexDigit(v[i + 2]) : -1;
                if (hi < 0 || lo < 0) {
                    why = "неверная последовательность \\x";
                    return std::nullopt;
                }
                d.text += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default:
                why = std::string("неизвестная последовательность \\") + v[i];
                return std::nullopt;
            }
        }
        if (i != v.size() - 1 || v.size() < 2) {
            why = "строка не закрыта кавычкой или после неё есть текст";
            return std::nullopt;
        }
        return d;
    }
    if (v.substr(0, 4) == "int:") {
        d.type = ValueType::Integer;
        std::string_view n = v.substr(4);
        auto [ptr, ec] = std::from_chars(n.data(), n.data() + n.size(), d.number);
        if (n.empty() || ec != std::errc() || ptr != n.data() + n.size()) {
            why = "неверное целое число";
            return std::nullopt;
        }
        return d;
    }
    if (v.substr(0, 4) == "hex:") {
        d.type = ValueType::Binary;
        std::string_view h = v.substr(4);
        if (h.size() % 2 != 0) {
            why = "нечётное число шестнадцатеричных цифр";
            return std::nullopt;
        }
        for (std::size_t i = 0; i < h.size(); i += 2) {
            int hi = HexDigit(h[i]), lo = HexDigit(h[i + 1]);
            if (hi < 0 || lo < 0) {
                why = "неверная шестнадцатеричная цифра";
                return std::nullopt;
            }
            d.text += static_cast<char>(hi * 16 + lo);
        }
        return d;
    }
    why = "неизвестный тип значения";
    return std::nullopt;
}

bool ValidUtf8(std::string_view s, std::size_t& badLine) {
    std::size_t pos = 0, line = 1;
    while (pos < s.size()) {
        if (s[pos] == '\n') ++line;
        char32_t cp;
        if (!DecodeUtf8(s, pos, cp)) {
            badLine = line;
            return false;
        }
    }
    return true;
}

// ---- the store ------------------------------------------------------------------------------

// One change made through the store, replayed on the file as it is on disk when flushing.
struct Change {
    enum Kind { Create, Write, Delete } kind;
    std::string section;  // normalised key path
    std::string name;
    std::string encoded;
};

class IniRegistry final : public RegistryStore {
public:
    explicit IniRegistry(std::string path) : path_(std::move(path)) {
        if (!path_.empty()) doc_ = ReadFile();
    }
    ~IniRegistry() override {
        if (!pending_.empty()) {
            try {
                Flush();
            } catch (...) {
                // Nothing can be reported this late; Flush is the place to see errors.
            }
        }
    }

    bool KeyExists(const std::string& key) const override {
        std::vector<std::string> parts = SplitKey(key);
        if (parts.empty()) return true;
        for (const std::string& section : doc_.Sections())
            if (StartsWith(SplitKey(section), parts)) return true;
        return false;
    }

    void CreateKey(const std::string& key) override {
        Record({Change::Create, SectionOf(key), {}, {}});
    }

    std::vector<std::string> SubKeys(const std::string& key) const override {
        std::vector<std::string> parts = SplitKey(key);
        std::vector<std::string> out;
        for (const std::string& section : doc_.Sections()) {
            std::vector<std::string> sp = SplitKey(section);
            if (sp.size() <= parts.size() || !StartsWith(sp, parts)) continue;
            const std::string& child = sp[parts.size()];
            bool seen = false;
            for (const std::string& o : out) seen = seen || SameTextNoCase(o, child);
            if (!seen) out.push_back(child);
        }
        return out;
    }

    bool ValueExists(const std::string& key, const std::string& name) const override {
        return doc_.Value(SectionOf(key), name).has_value();
    }

    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const override {
        std::optional<Decoded> d = Read(key, name, ValueType::String);
        if (!d) return std::nullopt;
        return d->text;
    }
    std::optional<std::int32_t> ReadInteger(const std::string& key, const std::string& name) const override {
        std::optional<Decoded> d = Read(key, name, ValueType::Integer);
        if (!d) return std::nullopt;
        return d->number;
    }
    std::optional<std::string> ReadBinary(const std::string& key, const std::string& name) const override {
        std::optional<Decoded> d = Read(key, name, ValueType::Binary);
        if (!d) return std::nullopt;
        return d->text;
    }

    void WriteString(const std::string& key, const std::string& name, const std::string& value) override {
        std::size_t bad = 0;
        if (!ValidUtf8(value, bad))
            throw FtfError("Значение реестра " + Quote(name) + " не является текстом UTF-8");
        WriteEncoded(key, name, EncodeString(value));
    }
    void WriteInteger(const std::string& key, const std::string& name, std::int32_t value) override {
        WriteEncoded(key, name, EncodeInteger(value));
    }
    void WriteBinary(const std::string& key, const std::string& name, const std::string& bytes) override {
        WriteEncoded(key, name, EncodeBinary(bytes));
    }
    void DeleteValue(const std::string& key, const std::string& name) override {
        Record({Change::Delete, SectionOf(key), name, {}});
    }

    void Flush() override {
        if (path_.empty()) {
            pending_.clear();
            return;
        }
        if (pending_.empty()) return;
        IniDocument merged = ReadFile();
        for (const Change& c : pending_) Apply(merged, c);
        std::error_code ec;
        fs::path dir = fs::path(path_).parent_path();
        if (!dir.empty()) fs::create_directories(dir, ec);
        if (ec) throw FtfError("Ошибка записи файла " + path_ + "\r\n(" + ec.message() + ")");
        WriteFileSafely(path_, merged.Text());
        doc_ = std::move(merged);
        pending_.clear();
    }

private:
    IniDocument ReadFile() const {
        IniFile file(path_, IniEncoding::Utf8);
        if (!file.Load()) throw FtfError(file.ErrorString());
        IniDocument doc = file.Document();
        Validate(doc);
        return doc;
    }

    [[noreturn]] void Fail(std::size_t line, const std::string& why) const {
        throw FtfError("Файл реестра " + path_ + " повреждён: строка " + std::to_string(line) + " (" + why +
                       ")");
    }

    void Validate(const IniDocument& doc) const {
        std::size_t badLine = 0;
        if (!ValidUtf8(doc.Text(), badLine)) Fail(badLine, "текст не в кодировке UTF-8");
        using Kind = IniDocument::LineKind;
        const auto& lines = doc.Lines();
        std::vector<std::string> sections;
        std::vector<std::string> names;  // value names of the current section
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const IniDocument::Line& line = lines[i];
            std::size_t no = i + 1;
            switch (line.kind) {
            case Kind::Blank:
            case Kind::Comment:
                break;
            case Kind::Malformed:
                Fail(no, "строка не является ни ключом, ни значением");
            case Kind::Section: {
                if (line.name.front() != '\\') Fail(no, "путь ключа должен начинаться с \\");
                std::string normal;
                try {
                    normal = SectionOf(line.name);
                } catch (const FtfError&) {
                    Fail(no, "недопустимый путь ключа");
                }
                if (normal != line.name) Fail(no, "недопустимый путь ключа");
                for (const std::string& s : sections)
                    if (SameTextNoCase(s, normal)) Fail(no, "ключ повторяется");
                sections.push_back(normal);
                names.clear();
                break;
            }
            case Kind::Key: {
                if (line.section < 0) Fail(no, "значение вне ключа");
                try {
                    CheckValueName(line.name);
                } catch (const FtfError&) {
                    Fail(no, "недопустимое имя значения");
                }
                for (const std::string& n : names)
                    if (SameTextNoCase(n, line.name)) Fail(no, "значение повторяется");
                names.push_back(line.name);
                std::string why;
                if (!DecodeValue(line.value, why)) Fail(no, why);
                break;
            }
            }
        }
    }

    std::optional<Decoded> Read(const std::string& key, const std::string& name, ValueType want) const {
        std::optional<std::string> raw = doc_.Value(SectionOf(key), name);
        if (!raw) return std::nullopt;
        std::string why;
        std::optional<Decoded> d = DecodeValue(*raw, why);
        if (!d || d->type != want)
            throw FtfError("Неверный тип данных значения " + Quote(name) + " в ключе " + Quote(key));
        return d;
    }

    void WriteEncoded(const std::string& key, const std::string& name, std::string encoded) {
        CheckValueName(name);
        Record({Change::Write, SectionOf(key), name, std::move(encoded)});
    }

    void Record(Change change) {
        Apply(doc_, change);
        pending_.push_back(std::move(change));
    }

    static void Apply(IniDocument& doc, const Change& c) {
        switch (c.kind) {
        case Change::Create:
        case Change::Write: {
            std::vector<std::string> parts = SplitKey(c.section);
            // Parents first, so that the order of the sections is the order of creation.
            for (std::size_t n = 1; n <= parts.size(); ++n) doc.AddSection(JoinKey(parts, n));
            if (parts.empty()) doc.AddSection("\\");
            if (c.kind == Change::Write) doc.SetValue(c.section, c.name, c.encoded);
            break;
        }
        case Change::Delete:
            doc.DeleteKey(c.section, c.name);
            break;
        }
    }

    std::string path_;  // empty: a store in memory
    IniDocument doc_ = IniDocument::Parse("", "\n");
    std::vector<Change> pending_;
};

std::string UserConfigDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;  // the XDG rules ignore a relative value
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.config";
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return std::string(pw->pw_dir) + "/.config";
    return "/tmp";
}

RegistryStore* g_installed = nullptr;
std::unique_ptr<RegistryStore> g_user;

}  // namespace

std::unique_ptr<RegistryStore> OpenUserRegistry() {
    return OpenFileRegistry(UserConfigDir() + "/fentorn/registry.ini");
}

std::unique_ptr<RegistryStore> OpenFileRegistry(const std::string& path) {
    return std::make_unique<IniRegistry>(path);
}

std::unique_ptr<RegistryStore> NewMemoryRegistry() { return std::make_unique<IniRegistry>(std::string()); }

RegistryStore& CurrentRegistry() {
    if (g_installed) return *g_installed;
    if (!g_user) g_user = OpenUserRegistry();
    return *g_user;
}

void SetCurrentRegistry(RegistryStore* store) { g_installed = store; }

}  // namespace ftf
