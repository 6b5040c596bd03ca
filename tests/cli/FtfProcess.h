#pragma once
// Runs the built `ftf` program as a child process in a fresh temporary folder that serves as its
// working folder, home and XDG folders, and collects what it writes and its exit status.

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../common/TempDir.h"

namespace ftf::test {

struct RunResult {
    int status = -1;  // the exit status; -1 when the program did not end normally
    std::string out;
    std::string err;
};

class FtfProcess {
public:
    /// `s` as one word for /bin/sh, whatever characters it holds.
    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s) {
            if (c == '\'') q += "'\\''";
            else q += c;
        }
        return q + "'";
    }

    /// Runs `ftf args…` with `input` on its standard input (nothing at all when none is given).
    RunResult Run(const std::vector<std::string>& args, const std::optional<std::string>& input = std::nullopt) const {
        const std::string r = root_.Str();
        const std::string errFile = r + "/stderr.txt";
        std::string inFile = "/dev/null";
        if (input) {
            inFile = r + "/stdin.txt";
            std::ofstream(inFile, std::ios::binary) << *input;
        }
        std::string cmd = "cd " + Quote(r) + " && env HOME=" + Quote(r + "/home") +
                          " XDG_CONFIG_HOME=" + Quote(r + "/config") + " XDG_CACHE_HOME=" + Quote(r + "/cache") +
                          " XDG_DATA_HOME=" + Quote(r + "/data") + " " + Quote(FTF_BINARY_DIR "/ftf");
        for (const auto& a : args) cmd += " " + Quote(a);
        cmd += " <" + Quote(inFile) + " 2>" + Quote(errFile);
        RunResult result;
        FILE* pipe = popen(cmd.c_str(), "r");
        if (!pipe) {
            ADD_FAILURE() << "popen failed: " << cmd;
            return result;
        }
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) result.out.append(buf, n);
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(errFile, std::ios::binary);
        result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return result;
    }

    /// The temporary folder; removed with everything in it when the object goes.
    const std::filesystem::path& Root() const { return root_.Path(); }
    /// `name` below the temporary folder (not created).
    std::string Path(const std::string& name) const { return (root_.Path() / name).string(); }
    /// `name` below the temporary folder, created with its parents.
    std::string MakeDir(const std::string& name) const {
        std::filesystem::create_directories(root_.Path() / name);
        return Path(name);
    }

private:
    TempDir root_;
};

}  // namespace ftf::test
