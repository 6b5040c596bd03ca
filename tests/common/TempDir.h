#pragma once
// A fresh, uniquely named folder under the system's temporary folder, removed with everything
// in it when the test ends.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace ftf::test {

class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("ftf-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return path_.string(); }
    /// `name` below the folder (not created).
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    /// The folder `name` below the folder, created with its parents.
    std::string Sub(const std::string& name) const {
        std::filesystem::create_directories(path_ / name);
        return File(name);
    }

    /// Creates a file (and its folders) below the temporary folder; returns its full path.
    std::filesystem::path Touch(const std::string& relative, const std::string& content = "x") const {
        auto p = path_ / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }

private:
    std::filesystem::path path_;
};

/// A whole file's bytes (empty when it cannot be read).
inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace ftf::test
