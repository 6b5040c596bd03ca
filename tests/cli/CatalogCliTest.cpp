// Runs the built `ftf catalog` on a small Paradox catalogue: import, the dataset list, queries
// with their value formats, loading SQL, and the errors.

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/ParadoxReader.h"
#include "catalogue/ParadoxWriter.h"

namespace fs = std::filesystem;

namespace {

struct RunResult {
    std::string out;
    std::string err;
    int status = -1;
};

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    return q + "'";
}

class CatalogCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() /
               ("ftf-catcli-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                std::to_string(rd()));
        fs::create_directories(dir_ / "px");
        // A few supplier tables; the others are missing, which the opening reports.
        ftf::WriteParadoxFromDescription((dir_ / "px/COLORSET.DB").string(), "Color:A10;Name:A30\n01|Белый\n02|Коричневый\n");
        ftf::WriteParadoxFromDescription((dir_ / "px/Currency.DB").string(),
                                         "ID:S;Name:A5;Value:#4;Dec:S\n1|RUB|1|2\n2|EUR|95.1234|2\n");
        ftf::WriteParadoxFromDescription((dir_ / "px/catalog.db").string(),
                                         "ID:A30;Name:A100;Price:$;Currency:S;MinTrade:#2;GOST:A40;Virtual:S\n"
                                         "A1|Петля|12.3456|2|2.5|ГОСТ 1|1\n"
                                         "A2|Ручка\tбелая||1|||\n"
                                         "B1|Замок|-0.5|9|-1.25||0\n");
        ftf::WriteParadoxFromDescription((dir_ / "px/ParamList.DB").string(),
                                         "ID:I;Name:A30;DornMass:#1\n50|вне|1\n100|Фальц|0\n250|Дорн|7.5\n600|вне|2\n");
        std::ofstream(dir_ / "px/ftfurniture.ini") << "[Firm]\n";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    RunResult Run(const std::vector<std::string>& args) {
        fs::path errFile = dir_ / "stderr.txt";
        std::string cmd = ShellQuote(FTF_BINARY_DIR "/ftf") + " catalog";
        for (const auto& a : args) cmd += " " + ShellQuote(a);
        cmd += " 2>" + ShellQuote(errFile.string());
        RunResult r;
        FILE* p = popen(cmd.c_str(), "r");
        if (!p) return r;
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
        int st = pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        std::ifstream e(errFile);
        std::stringstream ss;
        ss << e.rdbuf();
        r.err = ss.str();
        return r;
    }
    std::string P(const char* sub) const { return (dir_ / sub).string(); }

    fs::path dir_;
};

}  // namespace

TEST_F(CatalogCli, ImportThenListAndQuery) {
    RunResult imp = Run({"import", P("px"), "--into", P("db")});
    EXPECT_EQ(imp.status, 0) << imp.err;
    EXPECT_TRUE(fs::exists(dir_ / "db/FTFurniture.ini"));

    RunResult tables = Run({"tables", "--catalog", P("db")});
    EXPECT_EQ(tables.status, 2);  // most tables are missing, and are reported
    EXPECT_EQ(tables.out, "T_Color\t2\nT_Currency\t2\nT_Catalog\t3\nT_FalzList\t1\nT_DornList\t1\n"
                          "T_StulpList\t0\nT_OpenList\t0\n")
        << tables.err;
    EXPECT_NE(tables.err.find("Ошибка открытия файла [FrnSet.DB]"), std::string::npos);

    RunResult q = Run({"query", "T_Catalog", "--catalog", P("db"), "--fields", "ID,Name,Price,MinTrade,Virtual,CurrencyLookup"});
    EXPECT_EQ(q.status, 2);
    EXPECT_EQ(q.out,
              "ID\tName\tPrice\tMinTrade\tVirtual\tCurrencyLookup\n"
              "A1\tПетля\t12.3456\t2.50\t1\tEUR\n"
              "A2\tРучка\\tбелая\t0.0000\t0.00\t0\tRUB\n"
              "B1\tЗамок\t-0.5000\t-1.25\t0\t\n");

    RunResult f = Run({"query", "Catalog.DB", "--catalog", P("db"), "--filter", "Price > 0 or Currency = 9", "--fields", "ID"});
    EXPECT_EQ(f.out, "ID\nA1\nB1\n");

    RunResult all = Run({"query", "paramlist", "--catalog", P("db")});
    EXPECT_EQ(all.out.substr(0, all.out.find('\n')), "ID\tGroup\tName\tFalzLuft\tFalzSize\tFalzPos\tDornMass\tStulpType\tOpenType");
    EXPECT_NE(all.out.find("\n100\t0\tФальц\t0\t0\t0\t0.0\t0\t0\n"), std::string::npos) << all.out;

    RunResult gost = Run({"query", "T_Catalog", "--catalog", P("db"), "--fields", "ID,GOST"});
    EXPECT_EQ(gost.status, 1);
    EXPECT_NE(gost.err.find("Поле [GOST] не найдено"), std::string::npos);

    RunResult unknown = Run({"query", "T_Nothing", "--catalog", P("db")});
    EXPECT_EQ(unknown.status, 1);
}

TEST_F(CatalogCli, LoadSqlBuildsACatalogue) {
    std::ofstream(P("cat.sql")) << "INSERT INTO \"COLORSET\" (\"Color\",\"Name\") VALUES ('07','Серебро');\n";
    RunResult r = Run({"load-sql", P("cat.sql"), "--into", P("demo")});
    EXPECT_EQ(r.status, 0) << r.err;
    RunResult q = Run({"query", "T_Color", "--catalog", P("demo")});
    EXPECT_EQ(q.status, 0) << q.err;  // every catalogue table exists after a load
    EXPECT_EQ(q.out, "Color\tName\n07\tСеребро\n");

    std::ofstream(P("bad.sql")) << "DROP TABLE \"COLORSET\";\n";
    RunResult bad = Run({"load-sql", P("bad.sql"), "--into", P("demo")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(Run({"query", "T_Color", "--catalog", P("demo")}).out, "Color\tName\n07\tСеребро\n");
}
