#pragma once
// A demo catalogue loaded into a fresh folder for the document commands (order, selection), with
// a server folder beside it, and small helpers to read the files the commands write.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FtfProcess.h"

namespace ftf::test {

class DemoCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        RunResult r = proc.Run({"catalog", "load-sql", FTF_SOURCE_DIR "/data/demo/catalogue.sql", "--into", catalog}, "");
        ASSERT_EQ(r.status, 0) << r.err;
    }

    /// `ftf args… --catalog Catalog --server Server`.
    RunResult Ftf(std::vector<std::string> args, bool withServer = true) {
        args.insert(args.end(), {"--catalog", catalog});
        if (withServer) args.insert(args.end(), {"--server", server});
        return proc.Run(args);
    }

    /// Writes a text file below the test folder and returns its path.
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = proc.Path(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string DemoOrder(const std::string& no) {
        return std::string(FTF_SOURCE_DIR "/data/demo/orders/") + no + ".json";
    }

    FtfProcess proc;
    std::string catalog = proc.MakeDir("Catalog");
    std::string server = proc.MakeDir("Server");
    std::string orders = server + "/Orders";
};

}  // namespace ftf::test
