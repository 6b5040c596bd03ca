// `ftf order build|show|recalc` on the demo catalogue: the order made from a description and the
// settings, the byte-identical rebuild, registration and its refusal, the last order number file,
// recalculation with changed prices, and the errors that stop a command without touching files.

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliFixture.h"

namespace fs = std::filesystem;

namespace {

using ftf::test::ReadAll;
using ftf::test::RunResult;
using nlohmann::json;

const char kOrder[] = R"({"OrderNo": "Б-17", "Customer": "Тест", "RegDate": "02.03.2026",
 "TimeStamp1": "02.03.2026 10:11:12", "TimeStamp2": "02.03.2026 10:11:13",
 "FurnSys": "1100", "ProfSys": "SP58", "FurnColor": "SILVER", "Handle": "RK-STD",
 "InnerProfColor": "WHITE", "OuterProfColor": "WHITE", "FalzType": 101, "Dornmass": 201,
 "StulpType": 306, "OpenType": 401, "CurrencyId": 1, "Notes": ["первая", "вторая"],
 "positions": [
  {"PosName": "Окно", "Quantity": 2, "figure": {"B": 1000, "H": 1400}, "ProfileThickness": 70,
   "sash1": {"Complect": "PO-L", "Hinge": "HS-100",
             "Properties": ["0=1010", "0=1020", "0=1030", "1=1040", "2=1050"]}},
  {"PosNo": "007", "figure": {"B": 1300, "H": 1400, "figure": 2, "X": 700, "Y": 600}, "StulpType": 301,
   "ProfileThickness": 70,
   "sash1": {"Complect": "SH-GL-L", "Hinge": "HS-100", "Properties": ["0=1010", "0=1020", "0=1030", "1=1040", "2=1050"]},
   "sash2": {"Complect": "SH-PS-R", "Hinge": "HS-100", "HandleId": "", "Properties": ["0=1010", "0=1020", "0=1030", "2=1050"]}}
 ]})";

// The description with one piece of text replaced.
std::string With(const std::string& from, const std::string& to) {
    std::string s = kOrder;
    const auto at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) s.replace(at, from.size(), to);
    return s;
}

class OrderCli : public ftf::test::DemoCatalogueTest {
protected:
    json ShowJson(const std::string& file) {
        RunResult r = Ftf({"order", "show", file, "--json"});
        EXPECT_EQ(r.status, 0) << r.err;
        return json::parse(r.out);
    }
};

TEST_F(OrderCli, BuildsPricedOrderAndRebuildsItByteForByte) {
    const std::string desc = Write("order.json", kOrder);
    const std::string a = proc.Path("out/a.ffo370"), b = proc.Path("b.ffo370");
    RunResult r = Ftf({"order", "build", desc, "-o", a});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Ftf({"order", "build", desc, "-o", b});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadAll(a), ReadAll(b));
    EXPECT_FALSE(ReadAll(a).empty());
    // Without --register nothing is registered and no last number is written.
    EXPECT_FALSE(fs::exists(orders + "/Fentorn.lon"));
    r = Ftf({"register", "list"});
    EXPECT_EQ(r.out, "Номер заказа\tДата\tЗаказчик\tОбъект\tСтоимость\n");

    r = Ftf({"order", "show", a, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Money keeps four decimals, single-precision values their shortest form.
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\"GrandTotal\": [0-9]+\\.[0-9]{4}[,}]"))) << r.out;
    EXPECT_NE(r.out.find("\"NDSTax\": 18, "), std::string::npos);
    const json j = json::parse(r.out);
    EXPECT_EQ(j["OrderNo"], "Б-17");
    EXPECT_EQ(j["RegDate"], "02.03.2026");
    EXPECT_EQ(j["TimeStamp2"], "02.03.2026 10:11:13");
    EXPECT_EQ(j["Notes"], json::parse(R"(["первая", "вторая"])"));
    EXPECT_EQ(j["CurrencyRates"].size(), 3u);  // from the currency table
    ASSERT_EQ(j["positions"].size(), 2u);
    const json& p1 = j["positions"][0];
    const json& p2 = j["positions"][1];
    // Proposed number for the first, the given one for the second; the order's technical values.
    EXPECT_EQ(p1["PosNo"], "001");
    EXPECT_EQ(p2["PosNo"], "007");
    EXPECT_EQ(p2["PosName"], "Комплект стандартный");
    EXPECT_EQ(p1["FalzType"], 101);
    EXPECT_EQ(p2["StulpType"], 301);
    EXPECT_EQ(p1["sashes"][0]["items"].size(), 29u);
    EXPECT_EQ(p1["sashes"][0]["set"]["HandleId"], "RK-STD");  // the order's handle
    EXPECT_EQ(p2["sashes"][0]["items"].size(), 23u);
    EXPECT_EQ(p2["sashes"][1]["items"].size(), 16u);
    EXPECT_GT(p1["Price"].get<double>(), 0);
    const double total = 2 * p1["Price"].get<double>() + p2["Price"].get<double>();
    EXPECT_NEAR(j["TotalSum"].get<double>(), total, 0.00005);
    EXPECT_NEAR(j["NDSSum"].get<double>(), total * 0.18, 0.00006);
    EXPECT_NEAR(j["GrandTotal"].get<double>(), j["TotalSum"].get<double>() + j["NDSSum"].get<double>(), 0.00005);

    r = Ftf({"order", "show", a});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Заказ № Б-17 от 02.03.2026"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Позиция 007 «Комплект стандартный»"), std::string::npos);
    EXPECT_NE(r.out.find("комплект SH-PS-R; петли HS-100;"), std::string::npos);
    EXPECT_NE(r.out.find("Всего: "), std::string::npos);
}

TEST_F(OrderCli, SettingsFromTheCatalogueFolderOrTheirDefaults) {
    // No member for VAT, price group or currency: the new order takes them from the settings.
    const std::string desc = Write("o.json", R"({"OrderNo": "1", "positions": []})");
    RunResult r = Ftf({"order", "build", desc, "-o", proc.Path("bare.ffo370")}, false);
    ASSERT_EQ(r.status, 0) << r.err;
    // A bare supplier folder: the defaults, and one line that says so.
    const std::string line = "Файл настроек " + catalog + "/FTFurniture.ini не найден: взяты настройки по умолчанию\n";
    EXPECT_EQ(r.err, line);
    json j = ShowJson(proc.Path("bare.ffo370"));
    EXPECT_EQ(j["NDSTax"], 18);
    EXPECT_EQ(j["GetTotalNDS"], true);
    EXPECT_EQ(j["ShowIncludeNDS"], true);
    EXPECT_EQ(j["PriceGroupNo"], 0);

    fs::copy_file(FTF_SOURCE_DIR "/data/demo/FTFurniture.ini", catalog + "/FTFurniture.ini");
    r = Ftf({"order", "build", desc, "-o", proc.Path("ini.ffo370")}, false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    j = ShowJson(proc.Path("ini.ffo370"));
    EXPECT_EQ(j["PriceGroupNo"], 1);  // the demo settings' PriceGrpNo
    EXPECT_EQ(j["CurrencyId"], 1);
}

TEST_F(OrderCli, RegistersOnceAndWritesTheLastNumber) {
    const std::string desc = Write("order.json", kOrder);
    RunResult r = Ftf({"order", "build", desc, "-o", orders + "/b17.ffo370", "--register"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Ftf({"register", "list"});
    EXPECT_NE(r.out.find("\nБ-17\t02.03.2026\tТест\t"), std::string::npos) << r.out;
    // A length byte and 30 bytes of Windows-1251 text, zero filled: "Б" is one byte there.
    EXPECT_EQ(ReadAll(orders + "/Fentorn.lon"), std::string("\x04\xc1-17", 5) + std::string(26, '\0'));

    // The same number again: the register's refusal, and neither file nor number is left behind.
    const std::string before = ReadAll(orders + "/b17.ffo370");
    r = Ftf({"order", "build", Write("o2.json", With("\"Тест\"", "\"Другой\"")), "-o", orders + "/b17.ffo370", "--register"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Загружаемый заказ № Б-17 уже существует"), std::string::npos) << r.err;
    EXPECT_EQ(ReadAll(orders + "/b17.ffo370"), before);
    r = Ftf({"order", "build", Write("o3.json", With("\"Б-17\"", "\"б-17\"")), "-o", orders + "/other.ffo370", "--register"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(orders + "/other.ffo370"));
    r = Ftf({"register", "list"});
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;

    // Registration needs the server folder of a configuration.
    r = Ftf({"order", "build", desc, "-o", proc.Path("x.ffo370"), "--register"}, false);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("папка сервера"), std::string::npos);
}

TEST_F(OrderCli, DescriptionErrorsStopBeforeAnyFileIsWritten) {
    struct Case {
        std::string description;
        std::string message;
    };
    const Case cases[] = {
        {With("\"Customer\"", "\"Costumer\""), "Неизвестное поле «Costumer» заказа"},
        {With("\"PosName\"", "\"Name\""), "Неизвестное поле «Name» позиции 1"},
        {With("\"B\": 1000", "\"W\": 1000"), "Неизвестное поле «W» фигуры позиции 1"},
        {With("\"Hinge\": \"HS-100\", \"HandleId\"", "\"Hinges\": \"HS-100\", \"HandleId\""),
         "Неизвестное поле «Hinges» створки 2 позиции 2"},
        {With("\"RegDate\": \"02.03.2026\"", "\"RegDate\": \"2026-03-02\""), "Неверная дата в поле «RegDate»"},
        {With("\"Quantity\": 2", "\"Quantity\": \"два\""), "Неверное значение поля «Quantity»"},
        {With("\"SH-PS-R\"", "\"\""), "Не указан правый комплект фурнитуры! [Позиция: 007]"},
        {With("\"PO-L\"", "\"NOPE\""), "Комплект фурнитуры [NOPE] не найден в документации! [Позиция: 001]"},
        {"{\"OrderNo\": ", "Неверный JSON"},
    };
    for (const Case& c : cases) {
        const std::string out = proc.Path("bad.ffo370");
        RunResult r = Ftf({"order", "build", Write("bad.json", c.description), "-o", out});
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(out)) << c.message;
    }
    RunResult r = Ftf({"order", "build", Write("o.json", kOrder)});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("-o ФАЙЛ"), std::string::npos);
    r = Ftf({"order", "show", proc.Path("missing.ffo370")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.ffo370"), std::string::npos);
}

TEST_F(OrderCli, RecalcTakesCurrentPricesAndKeepsTheFileOnFailure) {
    const std::string file = proc.Path("o.ffo370");
    ASSERT_EQ(Ftf({"order", "build", Write("o.json", kOrder), "-o", file}).status, 0);
    const std::string built = ReadAll(file);
    const double before = ShowJson(file)["TotalSum"].get<double>();

    // The same catalogue: the same prices, the order written again unchanged.
    RunResult r = Ftf({"order", "recalc", file});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadAll(file), built);

    // A catalogue where the blocker costs 1 EUR more (priced in roubles: 95.5 × 0.9 per piece
    // for price group 2, one blocker in each of the two single-sash windows).
    std::string sql = ReadAll(FTF_SOURCE_DIR "/data/demo/catalogue.sql");
    const std::string row = "'Блокиратор неправильного открывания','шт',2.90,";
    ASSERT_NE(sql.find(row), std::string::npos);
    std::string dearer = sql;
    dearer.replace(dearer.find(row), row.size(), "'Блокиратор неправильного открывания','шт',3.90,");
    const std::string other = proc.MakeDir("Dearer");
    ASSERT_EQ(proc.Run({"catalog", "load-sql", Write("dearer.sql", dearer), "--into", other}).status, 0);
    r = proc.Run({"order", "recalc", file, "--catalog", other});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = json::parse(proc.Run({"order", "show", file, "--json", "--catalog", other}).out);
    EXPECT_NEAR(j["TotalSum"].get<double>() - before, 2 * 85.95, 0.00005);

    // A catalogue without that article: the failing position is named, the file stays.
    const std::string recalculated = ReadAll(file);
    const std::string line = sql.substr(sql.rfind('\n', sql.find(row)) + 1);
    std::string without = sql;
    without.erase(without.find(line.substr(0, line.find('\n') + 1)), line.find('\n') + 1);
    const std::string poorer = proc.MakeDir("Poorer");
    ASSERT_EQ(proc.Run({"catalog", "load-sql", Write("poorer.sql", without), "--into", poorer}).status, 0);
    r = proc.Run({"order", "recalc", file, "--catalog", poorer});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("VF-BL-01"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("[Позиция: 001]"), std::string::npos) << r.err;
    EXPECT_EQ(ReadAll(file), recalculated);

    // A file that cannot be read completely is never written over.
    const std::string cut = recalculated.substr(0, recalculated.size() / 2);
    Write("o.ffo370", cut);
    r = Ftf({"order", "recalc", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Ошибка загрузки заказа!"), std::string::npos) << r.err;
    EXPECT_EQ(ReadAll(file), cut);
}

TEST_F(OrderCli, InstalledConfigurationIsTheDefault) {
    // A configuration of the registry store, made the default: the commands need no folders,
    // its settings file is read as start-up reads it, and its data folders are created.
    fs::copy_file(FTF_SOURCE_DIR "/data/demo/FTFurniture.ini", catalog + "/FTFurniture.ini");
    ASSERT_EQ(proc.Run({"config", "add", "Цех", "--catalog", catalog, "--server", server, "--report",
                        proc.MakeDir("Report"), "--default"})
                  .status,
              0);
    RunResult r = proc.Run({"order", "build", DemoOrder("1003"), "-o", orders + "/1003.ffo370", "--register"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(fs::is_directory(server + "/Selection"));
    r = proc.Run({"register", "list"});
    EXPECT_NE(r.out.find("\n1003\t05.12.2026\t"), std::string::npos) << r.out;
    r = proc.Run({"order", "show", orders + "/1003.ffo370", "--config", "Цех"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The order's currency (EUR) is the working one: its sign follows the amounts.
    EXPECT_NE(r.out.find(" EUR\n"), std::string::npos) << r.out;
    // The command line changes no setting and writes none back.
    EXPECT_EQ(ReadAll(catalog + "/FTFurniture.ini"), ReadAll(FTF_SOURCE_DIR "/data/demo/FTFurniture.ini"));
    r = proc.Run({"order", "show", orders + "/1003.ffo370", "--config", "Нет такой"});
    EXPECT_EQ(r.status, 1);
}

TEST_F(OrderCli, HelpInRussian) {
    RunResult r = proc.Run({"order", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("ftf order build ОПИСАНИЕ.json -o ФАЙЛ [--register]"), std::string::npos);
    EXPECT_NE(r.out.find("--config ИМЯ"), std::string::npos);
    r = proc.Run({"order", "frobnicate"});
    EXPECT_EQ(r.status, 1);
}

}  // namespace
