// `ftf selection build|show` over demo orders: references relative to the orders folder, the
// number taken from the file name, the merged material list at current prices, and orders that
// cannot be read (reported, status 2) or a file that is no selection (status 1).

#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliFixture.h"

namespace fs = std::filesystem;

namespace {

using ftf::test::RunResult;
using nlohmann::json;

class SelectionCli : public ftf::test::DemoCatalogueTest {
protected:
    void SetUp() override {
        DemoCatalogueTest::SetUp();
        fs::copy_file(FTF_SOURCE_DIR "/data/demo/FTFurniture.ini", catalog + "/FTFurniture.ini");
        for (const char* no : {"1001", "1002"}) {
            RunResult r = Ftf({"order", "build", DemoOrder(no), "-o", orders + "/" + no + ".ffo370"});
            ASSERT_EQ(r.status, 0) << r.err;
        }
    }
};

TEST_F(SelectionCli, BuildsFromOrderFilesAndShowsMergedMaterials) {
    const std::string sel = server + "/Selection/W49.ffs370";
    RunResult r = Ftf({"selection", "build", "-o", sel, orders + "/1001.ffo370", orders + "/1002.ffo370"});
    ASSERT_EQ(r.status, 0) << r.err;

    r = Ftf({"selection", "show", sel, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["SelectionNo"], "W49");
    EXPECT_EQ(j["CurrencyId"], 1);  // from the settings
    EXPECT_EQ(j["NDSTax"], 18);
    ASSERT_EQ(j["entries"].size(), 3u);
    EXPECT_EQ(j["entries"][0]["FileRef"], "%1001.FFO370");
    EXPECT_EQ(j["entries"][2]["OrderNo"], "1002");
    EXPECT_EQ(j["entries"][2]["Quantity"], 3);
    EXPECT_EQ(j["entries"][2]["RebateWidth"], 1300);  // both sashes of the stulp pair
    EXPECT_EQ(j["entries"][2]["File"], orders + "/1002.ffo370");

    // One line per article, sorted, each multiplied by its position's quantity.
    std::map<std::string, double> quantity;
    std::string previous;
    double sum = 0;
    for (const json& m : j["materials"]) {
        const std::string id = m["ArticleId"];
        EXPECT_LT(previous, id);
        previous = id;
        quantity[id] = m["MatQuantity"].get<double>();
        sum += m["MatCost"].get<double>();
    }
    EXPECT_NEAR(j["MaterialsSum"].get<double>(), sum, 0.0001);
    // Blockers: two pieces of the first window, one of the second; none in the stulp pair.
    EXPECT_EQ(quantity["VF-BL-01"], 3);
    // Stulp mechanisms: one per pair, three pairs.
    EXPECT_EQ(quantity["VF-SHM-AL"], 3);

    r = Ftf({"selection", "show", sel});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Выборка № W49 от "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("[x]\t1002\t001\t1300,0\t1400,0\t3\tОкно: Комплект штульповый\t%1002.FFO370"),
              std::string::npos);
    EXPECT_NE(r.out.find("VF-BL-01\tБлокиратор неправильного открывания\t3,000\t"), std::string::npos);

    // Adding an order twice updates its entries; --no names the selection.
    r = Ftf({"selection", "build", "-o", proc.Path("s.ffs370"), "--no", "Неделя 49", orders + "/1001.ffo370",
             orders + "/1001.ffo370"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json k = json::parse(Ftf({"selection", "show", proc.Path("s.ffs370"), "--json"}).out);
    EXPECT_EQ(k["SelectionNo"], "Неделя 49");
    EXPECT_EQ(k["entries"].size(), 2u);
}

TEST_F(SelectionCli, UnreadableOrdersAreReportedAndTheRestGoesOn) {
    const std::string sel = proc.Path("s.ffs370");
    RunResult r = Ftf({"selection", "build", "-o", sel, orders + "/1001.ffo370", orders + "/nope.ffo370",
                       orders + "/1002.ffo370"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("nope.ffo370"), std::string::npos) << r.err;
    ASSERT_TRUE(fs::exists(sel));

    fs::remove(orders + "/1002.ffo370");
    r = Ftf({"selection", "show", sel, "--json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Невозможно найти файл заказа № 1002!"), std::string::npos) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["entries"].size(), 3u);
    bool stulp = false;
    for (const json& m : j["materials"]) stulp = stulp || m["ArticleId"] == "VF-SHM-AL";
    EXPECT_FALSE(stulp);
    EXPECT_FALSE(j["materials"].empty());

    // An order file is no selection.
    r = Ftf({"selection", "show", orders + "/1001.ffo370"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Данный файл не является файлом"), std::string::npos) << r.err;
    r = Ftf({"selection", "build", orders + "/1001.ffo370"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("-o ФАЙЛ"), std::string::npos);
}

}  // namespace
