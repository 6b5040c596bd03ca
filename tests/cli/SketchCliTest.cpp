// ftf sketch on an order file: which position is drawn, the picture formats, and the refusals
// of malformed arguments (status 1, a message naming what is wrong, no picture written).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CliFixture.h"
#include "FtfProcess.h"
#include "documents/Order.h"
#include "model/Construction.h"

namespace fs = std::filesystem;
using ftf::test::FtfProcess;
using ftf::test::ReadAll;

namespace {

class SketchCli : public ::testing::Test {
protected:
    void SetUp() override {
        // Two positions: a narrow single sash "A1" and a two-sash stulp pair "B2", so the chosen
        // position shows in the picture's proportions.
        ftf::TftfOrder order;
        order.OrderNo = "77";
        ftf::TftfConstruction& a = order.AddPosition();
        a.PosNo = "A1";
        a.BuildContours(ftf::TFigure{400, 1300, 0, 0, 0, 0, 0}, 0);
        ftf::TftfConstruction& b = order.AddPosition();
        b.PosNo = "B2";
        b.BuildContours(ftf::TFigure{1400, 700, 1, 700, 700, 0, 0}, 0);
        orderFile = ftf_.Path("order.ffo370");
        ASSERT_TRUE(order.SaveToFile(orderFile));
    }

    FtfProcess ftf_;
    std::string orderFile;
};

TEST_F(SketchCli, DrawsThePositionChosenByOrdinalOrNumber) {
    const std::string first = ftf_.Path("first.svg"), byNo = ftf_.Path("b2.svg"), second = ftf_.Path("second.svg");
    ASSERT_EQ(ftf_.Run({"sketch", orderFile, "-o", first}).status, 0);
    auto r = ftf_.Run({"sketch", orderFile, "--posno", "b2", "-o", byNo});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(ftf_.Run({"sketch", orderFile, "--pos=2", "-o", second}).status, 0);

    const std::string svgFirst = ReadAll(first), svgByNo = ReadAll(byNo);
    EXPECT_NE(svgFirst.find("<svg"), std::string::npos);
    // The pair is 1400 wide and 700 high, the single sash 400 by 1300: each shows only its own sizes.
    EXPECT_NE(svgByNo.find(">1400<"), std::string::npos);
    EXPECT_EQ(svgFirst.find(">1400<"), std::string::npos);
    EXPECT_NE(svgFirst.find(">1300<"), std::string::npos);
    EXPECT_EQ(svgByNo.find(">1300<"), std::string::npos);
    EXPECT_EQ(ReadAll(second), svgByNo);
}

TEST_F(SketchCli, PngTakesTheGivenSizeAndFlagsNoneDrawsNoDimensions) {
    const std::string png = ftf_.Path("pic.PNG");
    auto r = ftf_.Run({"sketch", orderFile, "-o", png, "--size", "320x200", "--flags", "none"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = ReadAll(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto be32 = [&](std::size_t at) {
        return (unsigned char)bytes[at] << 24 | (unsigned char)bytes[at + 1] << 16 |
               (unsigned char)bytes[at + 2] << 8 | (unsigned char)bytes[at + 3];
    };
    EXPECT_EQ(be32(16), 320u);
    EXPECT_EQ(be32(20), 200u);

    const std::string bare = ftf_.Path("bare.svg"), dimensioned = ftf_.Path("dims.svg");
    ASSERT_EQ(ftf_.Run({"sketch", orderFile, "--pos", "2", "-o", bare, "--flags", ""}).status, 0);
    ASSERT_EQ(ftf_.Run({"sketch", orderFile, "--pos", "2", "-o", dimensioned, "--flags", "0"}).status, 0);
    EXPECT_EQ(ReadAll(bare).find(">1400<"), std::string::npos);
    EXPECT_NE(ReadAll(dimensioned).find(">1400<"), std::string::npos);
}

TEST_F(SketchCli, FindsTheOrderInTheConfigurationsOrdersFolder) {
    const std::string server = ftf_.MakeDir("Server");
    fs::create_directories(server + "/Orders");
    fs::copy_file(orderFile, server + "/Orders/77.ffo370");
    const std::string picture = ftf_.Path("found.svg");
    auto r = ftf_.Run({"sketch", "77.ffo370", "--server", server, "-o", picture});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(picture));
    // Without a configuration the name means the current folder only.
    r = ftf_.Run({"sketch", "77.ffo370", "-o", picture + ".svg"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(picture + ".svg"));
}

TEST_F(SketchCli, RefusesMalformedArguments) {
    struct Case {
        std::vector<std::string> args;  // after "sketch"; "@" stands for the order file
        std::string message;            // a part of the message on standard error
    };
    const std::vector<Case> cases = {
        {{"-o", "x.svg"}, "не указан файл заказа"},
        {{"@"}, "не указан файл рисунка"},
        {{"@", "-o", "x.bmp"}, "формат файла рисунка"},
        {{"@", "--pos", "1", "--posno", "A1", "-o", "x.svg"}, "нельзя указывать вместе"},
        {{"@", "--pos", "0", "-o", "x.svg"}, "не является целым положительным числом"},
        {{"@", "--pos", "3", "-o", "x.svg"}, "нет позиции 3 (позиций: 2)"},
        {{"@", "--posno", "Z9", "-o", "x.svg"}, "нет позиции с номером «Z9»"},
        {{"@", "--size", "800", "-o", "x.svg"}, "не в виде ШxВ"},
        {{"@", "--size", "0x600", "-o", "x.svg"}, "ширина «0»"},
        {{"@", "--flags", "0,3", "-o", "x.svg"}, "флаг размеров «3»"},
        {{"@", "--colour", "red", "-o", "x.svg"}, "неизвестный параметр «--colour»"},
        {{"@", "-o"}, "нет значения"},
        {{"missing.ffo370", "-o", "x.svg"}, "missing.ffo370"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"sketch"};
        for (const std::string& a : c.args) args.push_back(a == "@" ? orderFile : a);
        const auto r = ftf_.Run(args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << "expected «" << c.message << "», got: " << r.err;
        EXPECT_FALSE(fs::exists(ftf_.Path("x.svg"))) << c.message;
    }
}

}  // namespace

namespace {

// Every demo order builds on the demo catalogue and every one of its positions draws, in both
// formats: the demo configuration's orders are what a new user looks at first.
class DemoSketches : public ftf::test::DemoCatalogueTest {};

TEST_F(DemoSketches, EveryDemoPositionDrawsAsSvgAndPng) {
    int drawn = 0;
    for (const auto& entry : fs::directory_iterator(FTF_SOURCE_DIR "/data/demo/orders")) {
        if (entry.path().extension() != ".json") continue;
        const std::string file = proc.Path(entry.path().stem().string() + ".ffo370");
        auto built = Ftf({"order", "build", entry.path().string(), "-o", file});
        ASSERT_EQ(built.status, 0) << entry.path() << ": " << built.err;
        ftf::TftfOrder order;
        bool converted = false;
        ASSERT_TRUE(order.LoadFromFile(file, converted));
        ASSERT_GT(order.Count(), 0) << entry.path();
        for (int n = 1; n <= order.Count(); ++n) {
            for (const char* ext : {".svg", ".png"}) {
                const std::string picture = proc.Path("pos" + std::to_string(drawn) + ext);
                auto r = proc.Run({"sketch", file, "--pos", std::to_string(n), "-o", picture});
                ASSERT_EQ(r.status, 0) << file << " " << n << ": " << r.err;
                EXPECT_GT(fs::file_size(picture), 1000u) << picture;
            }
            ++drawn;
        }
    }
    EXPECT_GE(drawn, 5);
}

}  // namespace
