// Runs the built `ftf calc` on the demo catalogue: the JSON result of the worked example, the
// set dialog's checks, the catalogue's messages and malformed input.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "FtfProcess.h"

namespace {

using ftf::test::RunResult;

const char kWindow[] = R"({"order": {"InnerProfColor": "WHITE", "OuterProfColor": "WHITE", "CurrencyId": 1},
 "position": {"figure": {"B": 1000, "H": 1400}, "PosNo": "001", "Quantity": 1, "FurnSys": "1100",
   "ProfSys": "SP58", "Color": "SILVER", "FalzType": 101, "StulpType": 306, "OpenType": 401,
   "ProfileWidth": 100, "ProfileThickness": 70, "Dornmass": 201,
   "sash1": {"Complect": "PO-L", "Hinge": "HS-100", "HandleId": "RK-STD",
             "Properties": ["0=1010", "0=1020", "0=1030", "1=1040", "2=1050"]}},
 "debug": false})";

class CalcCli : public ::testing::Test {
protected:
    void SetUp() override {
        RunResult r = proc.Run({"catalog", "load-sql", FTF_SOURCE_DIR "/data/demo/catalogue.sql", "--into", catalog}, "");
        ASSERT_EQ(r.status, 0) << r.err;
    }

    RunResult Calc(const std::string& input, bool json = true) {
        std::vector<std::string> args = {"calc", "--catalog", catalog};
        if (json) args.push_back("--json");
        return proc.Run(args, input);
    }

    ftf::test::FtfProcess proc;
    std::string catalog = proc.MakeDir("Catalog");
};

}  // namespace

TEST_F(CalcCli, WorkedExampleAsJson) {
    RunResult r = Calc(kWindow);
    ASSERT_EQ(r.status, 0) << r.err << r.out;
    // Money keeps its four decimals in the text of the result.
    EXPECT_NE(r.out.find("\"MatPrice\": 1409.5800"), std::string::npos) << r.out;
    // Single-precision values in their shortest plain form.
    EXPECT_NE(r.out.find("\"Length\": 580, "), std::string::npos);
    EXPECT_NE(r.out.find("\"MatQuantity\": 0.58, "), std::string::npos);
    const nlohmann::json j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["sashes"].size(), 2u);
    // The second sash of a single-sash position has no contour: listed with empty lists.
    EXPECT_EQ(j["sashes"][1]["rebate"], nlohmann::json::parse("[0, 0]"));
    EXPECT_TRUE(j["sashes"][1]["sides"].empty());
    EXPECT_TRUE(j["sashes"][1]["items"].empty());
    EXPECT_TRUE(j["sashes"][1]["materials"].empty());
    const auto& s = j["sashes"][0];
    EXPECT_EQ(s["rebate"], nlohmann::json::parse("[1000, 1400]"));
    EXPECT_EQ(s["items"].size(), 29u);
    EXPECT_EQ(s["materials"].size(), 29u);
    EXPECT_EQ(s["sides"][2]["Handled"], true);
    EXPECT_EQ(s["sides"][2]["HandleHeight"], 700);
    bool rod = false;
    for (const auto& it : s["items"]) rod = rod || (it["ArticleId"] == "VF-ST-M" && it["Length"] == 580);
    EXPECT_TRUE(rod);
    // The position price is the sum of the material costs.
    double sum = 0;
    for (const auto& m : s["materials"]) sum += m["MatCost"].get<double>();
    EXPECT_NEAR(j["Price"].get<double>(), sum, 0.00005);
}

TEST_F(CalcCli, TextOutputAndDebugCaptions) {
    std::string debug = kWindow;
    debug.replace(debug.find("\"debug\": false"), 14, "\"debug\": true");
    RunResult r = Calc(debug, false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Створка 1: фальц 1000 x 1400"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Комплект:PO-L -> Элемент:E-PRIVOD -> Артикул:VF-PP-07-2"), std::string::npos);
    EXPECT_NE(r.out.find("Цена позиции: "), std::string::npos);
}

TEST_F(CalcCli, ErrorsAsJsonAndOnStandardError) {
    std::string noComplect = kWindow;
    noComplect.replace(noComplect.find("\"PO-L\""), 6, "\"\"");
    RunResult r = Calc(noComplect);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "{\"error\": \"Не указан комплект фурнитуры!\"}\n");

    std::string falz = kWindow;
    falz.replace(falz.find("101"), 3, "199");
    r = Calc(falz);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "{\"error\": \"В документации не установлены\\r\\nпараметры фальца 0/0-0!\"}\n");
    r = Calc(falz, false);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("параметры фальца 0/0-0!"), std::string::npos);

    std::string unknown = kWindow;
    unknown.replace(unknown.find("\"PO-L\""), 6, "\"NOPE\"");
    r = Calc(unknown);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "{\"error\": \"Комплект фурнитуры [NOPE] не найден в документации!\"}\n");

    r = Calc("{\"position\": ");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("\"error\""), std::string::npos);
}

TEST_F(CalcCli, StulpPairListsBothSashes) {
    const char pair[] = R"({"order": {"InnerProfColor": "WHITE", "OuterProfColor": "WHITE", "CurrencyId": 2},
 "position": {"figure": {"B": 1300, "H": 1400, "figure": 2, "X": 700, "Y": 600}, "FurnSys": "1100",
   "ProfSys": "SP58", "Color": "SILVER", "FalzType": 101, "StulpType": 301, "OpenType": 401,
   "ProfileThickness": 70, "Dornmass": 201,
   "sash1": {"Complect": "SH-GL-L", "Hinge": "HS-100", "HandleId": "RK-STD",
             "Properties": ["0=1010", "0=1020", "0=1030", "1=1040", "2=1050"]},
   "sash2": {"Complect": "SH-PS-R", "Hinge": "HS-100",
             "Properties": ["0=1010", "0=1020", "0=1030", "1=1040", "2=1050"]}}})";
    RunResult r = Calc(pair);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["sashes"].size(), 2u);
    EXPECT_EQ(j["sashes"][0]["items"].size(), 23u);
    EXPECT_EQ(j["sashes"][1]["items"].size(), 16u);

    std::string noRight = pair;
    noRight.replace(noRight.find("\"SH-PS-R\""), 9, "\"\"");
    r = Calc(noRight);
    EXPECT_EQ(r.out, "{\"error\": \"Не указан правый комплект фурнитуры!\"}\n");
}
