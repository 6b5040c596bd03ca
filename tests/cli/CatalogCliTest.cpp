// Runs the built `ftf catalog` on a small Paradox catalogue: import, the dataset list, queries
// with their value formats, loading SQL, and the errors.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/ParadoxReader.h"
#include "catalogue/ParadoxWriter.h"
#include "FtfProcess.h"

namespace fs = std::filesystem;

namespace {

using ftf::test::RunResult;

class CatalogCli : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path dir = proc.Root();
        fs::create_directories(dir / "px");
        // A few supplier tables; the others are missing, which the opening reports.
        ftf::WriteParadoxFromDescription((dir / "px/COLORSET.DB").string(), "Color:A10;Name:A30\n01|Белый\n02|Коричневый\n");
        ftf::WriteParadoxFromDescription((dir / "px/Currency.DB").string(),
                                         "ID:S;Name:A5;Value:#4;Dec:S\n1|RUB|1|2\n2|EUR|95.1234|2\n");
        ftf::WriteParadoxFromDescription((dir / "px/catalog.db").string(),
                                         "ID:A30;Name:A100;Price:$;Currency:S;MinTrade:#2;GOST:A40;Virtual:S\n"
                                         "A1|Петля|12.3456|2|2.5|ГОСТ 1|1\n"
                                         "A2|Ручка\tбелая||1|||\n"
                                         "B1|Замок|-0.5|9|-1.25||0\n");
        ftf::WriteParadoxFromDescription((dir / "px/ParamList.DB").string(),
                                         "ID:I;Name:A30;DornMass:#1\n50|вне|1\n100|Фальц|0\n250|Дорн|7.5\n600|вне|2\n");
        std::ofstream(dir / "px/ftfurniture.ini") << "[Firm]\n";
    }
    // Runs `ftf catalog args…`.
    RunResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), "catalog");
        return proc.Run(args);
    }
    std::string P(const char* sub) const { return proc.Path(sub); }

    ftf::test::FtfProcess proc;
};

}  // namespace

TEST_F(CatalogCli, ImportThenListAndQuery) {
    RunResult imp = Run({"import", P("px"), "--into", P("db")});
    EXPECT_EQ(imp.status, 0) << imp.err;
    EXPECT_TRUE(fs::exists(proc.Root() / "db/FTFurniture.ini"));

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
