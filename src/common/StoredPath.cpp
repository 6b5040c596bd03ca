#include "common/StoredPath.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "common/Cp1251.h"

namespace ftf {
namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

std::vector<std::string> Components(std::string_view slashPath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= slashPath.size()) {
        std::size_t end = slashPath.find('/', start);
        if (end == std::string_view::npos) end = slashPath.size();
        if (end > start) parts.emplace_back(slashPath.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The entry of `dir` whose name equals `name` without regard to case; empty when none.
std::string MatchEntry(const fs::path& dir, const std::string& name) {
    if (Exists(dir / name)) return name;
    const std::string wanted = UpperCase(name);
    std::string best;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (UpperCase(candidate) == wanted && (best.empty() || candidate < best)) best = candidate;
    }
    return best;
}

// Follows the components below `start`, case-insensitively, as far as they exist; the rest is
// appended as given.
fs::path ResolveBelow(fs::path start, const std::vector<std::string>& parts) {
    fs::path cur = std::move(start);
    bool matching = true;
    for (const std::string& part : parts) {
        if (matching && part != "." && part != "..") {
            std::string found = MatchEntry(cur.empty() ? fs::path(".") : cur, part);
            if (found.empty()) {
                matching = false;
                cur /= part;
            } else {
                cur /= found;
            }
        } else {
            cur /= part;
        }
    }
    return cur;
}

std::string StripTrailingSeparator(std::string s) {
    while (s.size() > 1 && s.back() == '\\') s.pop_back();
    return s;
}

bool IsDrivePath(std::string_view s) {
    return s.size() >= 2 && s[1] == ':' &&
           ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

std::string LastComponent(std::string_view slashPath) {
    auto parts = Components(slashPath);
    return parts.empty() ? std::string() : parts.back();
}

}  // namespace

std::string ToStoredForm(std::string_view path) {
    std::string s = UpperCase(path);
    for (char& c : s)
        if (c == '/') c = '\\';
    return s;
}

std::string EncodeRelPath(std::string_view base, std::string_view path) {
    std::string p = ToStoredForm(path);
    if (!p.empty() && p[0] == '%') return p;
    std::string b = StripTrailingSeparator(ToStoredForm(base));
    if (b.empty()) return p;
    std::string prefix = b == "\\" ? b : b + "\\";
    if (p.size() >= prefix.size() && p.compare(0, prefix.size(), prefix) == 0)
        return "%" + p.substr(prefix.size());
    return p;
}

std::string DecodeRelPath(std::string_view base, std::string_view path) {
    std::string p = ToStoredForm(path);
    if (p.empty() || p[0] != '%') return p;
    std::string b = StripTrailingSeparator(ToStoredForm(base));
    if (b.empty()) return p;
    return (b == "\\" ? b : b + "\\") + p.substr(1);
}

std::string StoredPathFor(const std::string& nativePath, const std::string& nativeBase) {
    std::string path = fs::path(nativePath).lexically_normal().string();
    std::string base = nativeBase.empty() ? std::string() : fs::path(nativeBase).lexically_normal().string();
    return EncodeRelPath(base, path);
}

std::string ResolveStoredPath(std::string_view stored, const std::string& expectedDir) {
    std::string s(stored);
    for (char& c : s)
        if (c == '\\') c = '/';
    const fs::path dir = expectedDir.empty() ? fs::path() : fs::path(expectedDir);

    if (!s.empty() && s[0] == '%')
        return ResolveBelow(dir, Components(std::string_view(s).substr(1))).string();

    // A Windows drive or network path cannot exist here: the file is looked for where such
    // files belong.
    if (IsDrivePath(s) || s.starts_with("//")) {
        std::string name = LastComponent(IsDrivePath(s) ? std::string_view(s).substr(2) : std::string_view(s));
        return name.empty() ? dir.string() : ResolveBelow(dir, {name}).string();
    }

    if (!s.empty() && s[0] == '/') {
        fs::path rooted = ResolveBelow(fs::path("/"), Components(s));
        if (Exists(rooted) || expectedDir.empty()) return rooted.string();
        std::string name = LastComponent(s);
        if (name.empty()) return rooted.string();
        fs::path moved = ResolveBelow(dir, {name});
        return (Exists(moved) ? moved : rooted).string();
    }

    return ResolveBelow(dir, Components(s)).string();
}

}  // namespace ftf
