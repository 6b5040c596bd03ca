// The catalogue data module over a folder of Paradox tables: opening with failures reported and
// skipped, fixed filters, the program's view of Catalog.DB, lookups, edits written through.

#include <gtest/gtest.h>

#include <filesystem>

#include "StorageFixture.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "common/ScriptedPrompter.h"

#include <sqlite3.h>

using namespace ftf;
using test::FieldValues;

namespace {

struct Folders {
    test::StorageDir root;
    std::string catalog = root.Sub("Catalog");
    std::string registry = root.Sub("Server/Registry");
    std::string report = root.Sub("Report");
};

int CountRows(Table& t) {
    int n = 0;
    for (t.First(); !t.Eof(); t.Next()) ++n;
    return n;
}

std::vector<std::string> Errors(const ScriptedPrompter& p) { return p.Texts(PromptCall::Kind::Error); }

}  // namespace

TEST(TdmOpen, MissingTableIsReportedOnceAndTheOthersOpen) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog, {"FrnSet.DB"});
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    TDM dm;
    dm.ConfigureDatabases(f.catalog, f.registry, f.report);
    EXPECT_EQ(dm.DB_Catalog.Params,
              (std::vector<std::string>{"PATH=" + f.catalog, "DEFAULT DRIVER=PARADOX", "ENABLE BCD=TRUE"}));
    EXPECT_EQ(dm.OpenCatalog(), 1);
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(Errors(p)[0].rfind("Ошибка открытия файла [FrnSet.DB]\r\n(", 0), 0u) << Errors(p)[0];
    for (int i = 0; i < 23; ++i) {
        const Table& t = *dm.DataSets()[static_cast<std::size_t>(i)];
        EXPECT_EQ(t.IsOpen(), t.Name() != "T_FrnSet") << t.Name();
    }
    EXPECT_FALSE(dm.T_OrderList().IsOpen());  // the register window opens it
}

TEST(TdmOpen, DamagedTableIsReportedAndSkipped) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog, {"COLORSET.DB"});
    std::filesystem::copy_file(FTF_TEST_DATA "/paradox/Damaged.DB", f.catalog + "/colorset.db");
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    TDM dm;
    dm.ConfigureDatabases(f.catalog, f.registry, f.report);
    EXPECT_EQ(dm.OpenCatalog(), 1);
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(Errors(p)[0].rfind("Ошибка открытия файла [COLORSET.DB]\r\n(Повреждён заголовок", 0), 0u) << Errors(p)[0];
    EXPECT_TRUE(dm.T_Currency().IsOpen());
}

TEST(TdmOpen, FixedFiltersHideParamRowsOutsideTheirRangesAndMaterialZero) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog, {"ParamList.DB", "Material.db"});
    std::vector<FieldValues> params;
    for (const char* id : {"0", "99", "100", "199", "200", "250", "300", "399", "400", "499", "500", "1000"})
        params.push_back({{"ID", id}, {"Name", std::string("P") + id}});
    test::WriteTable(f.catalog, "ParamList.DB", params);
    test::WriteTable(f.catalog, "Material.db", {{{"ID", "0"}, {"Name", "—"}}, {{"ID", "1"}, {"Name", "ПВХ"}}, {{"ID", "2"}, {"Name", "Дерево"}}});
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    TDM dm;
    dm.ConfigureDatabases(f.catalog, f.registry, f.report);
    ASSERT_EQ(dm.OpenCatalog(), 0) << (Errors(p).empty() ? "" : Errors(p)[0]);

    struct Case { Table& t; std::vector<int> ids; };
    const Case cases[] = {{dm.T_FalzList(), {100, 199}}, {dm.T_DornList(), {200, 250}},
                          {dm.T_StulpList(), {300, 399}}, {dm.T_OpenList(), {400, 499}},
                          {dm.T_Material(), {1, 2}}};
    for (const auto& c : cases) {
        std::vector<int> seen;
        for (c.t.First(); !c.t.Eof(); c.t.Next()) seen.push_back(static_cast<int>(c.t.AsInt("ID")));
        EXPECT_EQ(seen, c.ids) << c.t.Name();
        EXPECT_EQ(c.t.RecordCount(), static_cast<int>(c.ids.size()));
        // A temporary filter set and cleared leaves the fixed one in force.
        c.t.ApplyFilter("ID > 0");
        c.t.ClearFilter();
        EXPECT_EQ(c.t.RecordCount(), static_cast<int>(c.ids.size())) << c.t.Name();
    }
    EXPECT_FALSE(dm.T_Material().Locate("ID", Value(0)));
}

TEST(TdmOpen, CatalogViewLeavesOutTheUnreadColumnsButTheStoreKeepsThem) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog, {"Catalog.DB", "Currency.DB", "PriceGrp.DB"});
    test::WriteTable(f.catalog, "Catalog.DB",
                     {{{"ID", "A1"}, {"Name", "Петля"}, {"Price", "12.3456"}, {"Currency", "2"}, {"PriceGrp", "3"},
                       {"MinTrade", "2.5"}, {"GOST", "ГОСТ 5088-2005"}, {"ShortName", "Петля"}}});
    test::WriteTable(f.catalog, "Currency.DB", {{{"ID", "2"}, {"Name", "EUR"}, {"Value", "95.1234"}}});
    test::WriteTable(f.catalog, "PriceGrp.DB", {{{"GroupID", "3"}, {"Name", "Опт"}, {"Reduce_1", "-7.5"}}});
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    TDM dm;
    dm.ConfigureDatabases(f.catalog, f.registry, f.report);
    ASSERT_EQ(dm.OpenCatalog(), 0);
    Table& c = dm.T_Catalog();
    ASSERT_TRUE(c.Locate("ID", Value("A1")));
    EXPECT_FALSE(c.TryGet("GOST").has_value());
    EXPECT_FALSE(c.TryGet("ShortName").has_value());
    EXPECT_EQ(c.AsMoney("Price").Raw(), 123456);
    EXPECT_EQ(c.AsReal("MinTrade"), 2.5);
    EXPECT_EQ(c.AsText("CurrencyLookup"), "EUR");
    EXPECT_EQ(c.AsText("PriceGroupLookup"), "Опт");
    EXPECT_EQ(dm.T_Currency().AsReal("Value"), 95.1234);
    EXPECT_EQ(dm.T_PriceGrp().AsReal("Reduce_1"), -7.5);

    // An edit of the view keeps the columns it does not hold.
    c.Edit();
    c.Set("Name", Value("Петля дверная"));
    c.Post();
    sqlite3_stmt* s = nullptr;
    auto* store = static_cast<SqliteStore*>(dm.DB_Catalog.GetStore());
    ASSERT_EQ(sqlite3_prepare_v2(store->Handle(), "SELECT \"GOST\", \"Name\" FROM \"Catalog\"", -1, &s, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), "ГОСТ 5088-2005");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), "Петля дверная");
    sqlite3_finalize(s);
}

TEST(TdmOpen, DataSetsAreFoundByNameDataSourceAndTable) {
    TDM dm;
    EXPECT_EQ(dm.FindDataSet("T_FrnArt"), &dm.T_FrnArt());
    EXPECT_EQ(dm.FindDataSet("DS_FrnArt"), &dm.T_FrnArt());
    EXPECT_EQ(dm.FindDataSet("FrnArt.DB"), &dm.T_FrnArt());
    EXPECT_EQ(dm.FindDataSet("frnart"), &dm.T_FrnArt());
    EXPECT_EQ(dm.FindDataSet("DM_SysColor"), &dm.T_SysColor());
    EXPECT_EQ(dm.FindDataSet("ParamList.DB"), &dm.T_FalzList());
    EXPECT_EQ(dm.FindDataSet("T_Nothing"), nullptr);
    EXPECT_EQ(dm.DataSourceOf(dm.T_SysProf()), "");
    EXPECT_EQ(dm.T_FrnSet().IndexFieldNames().rfind("ID", 0), 0u);
    EXPECT_EQ(&dm.T_FalzList().Data(), &dm.T_OpenList().Data());
}

TEST(TdmEdit, EditsSurviveReopenUntilTheSupplierFileChanges) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog, {"COLORSET.DB"});
    const std::string file = test::WriteTable(f.catalog, "COLORSET.DB", {{{"Color", "01"}, {"Name", "Белый"}}});
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    {
        TDM dm;
        dm.ConfigureDatabases(f.catalog, f.registry, f.report);
        ASSERT_EQ(dm.OpenCatalog(), 0);
        Table& c = dm.T_Color();
        c.Edit();
        c.Set("Name", Value("Белый RAL 9016"));
        c.Post();
        c.Insert();
        c.Set("Color", Value("02"));
        c.Set("Name", Value("Коричневый"));
        c.Post();
    }
    {
        TDM dm;
        dm.ConfigureDatabases(f.catalog, f.registry, f.report);
        ASSERT_EQ(dm.OpenCatalog(), 0);
        Table& c = dm.T_Color();
        EXPECT_EQ(CountRows(c), 2);
        ASSERT_TRUE(c.Locate("Color", Value("01")));
        EXPECT_EQ(c.AsText("Name"), "Белый RAL 9016");
        c.Delete();
    }
    {
        TDM dm;
        dm.ConfigureDatabases(f.catalog, f.registry, f.report);
        ASSERT_EQ(dm.OpenCatalog(), 0);
        EXPECT_EQ(CountRows(dm.T_Color()), 1);
    }
    // The supplier ships a new table: it replaces the stored one with the program's edits.
    test::WriteTable(f.catalog, "COLORSET.DB", {{{"Color", "01"}, {"Name", "Белый"}}, {{"Color", "05"}, {"Name", "Золото"}}});
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + std::chrono::seconds(5));
    {
        TDM dm;
        dm.ConfigureDatabases(f.catalog, f.registry, f.report);
        ASSERT_EQ(dm.OpenCatalog(), 0);
        Table& c = dm.T_Color();
        EXPECT_EQ(CountRows(c), 2);
        ASSERT_TRUE(c.Locate("Color", Value("01")));
        EXPECT_EQ(c.AsText("Name"), "Белый");
        EXPECT_FALSE(c.Locate("Color", Value("02")));
    }
    EXPECT_TRUE(Errors(p).empty());
}

TEST(TdmEdit, EmptyTableEmptiesTheStoreAndReopens) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog, {"COLORSET.DB"});
    test::WriteTable(f.catalog, "COLORSET.DB", {{{"Color", "01"}, {"Name", "Белый"}}});
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    {
        TDM dm;
        dm.ConfigureDatabases(f.catalog, f.registry, f.report);
        ASSERT_EQ(dm.OpenCatalog(), 0);
        dm.EmptyTable(dm.T_Color());
        EXPECT_TRUE(dm.T_Color().IsOpen());
        EXPECT_EQ(dm.T_Color().RecordCount(), 0);
    }
    TDM dm;
    dm.ConfigureDatabases(f.catalog, f.registry, f.report);
    ASSERT_EQ(dm.OpenCatalog(), 0);
    EXPECT_EQ(dm.T_Color().RecordCount(), 0);
}

TEST(TdmRegister, FolderWithoutRegisterGetsAnEmptyOneAndAnOldOneIsTakenOverOnce) {
    Folders f;
    test::WriteEmptyCatalogue(f.catalog);
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    {
        TDM dm;
        dm.ConfigureDatabases(f.catalog, f.registry, f.report);
        ASSERT_TRUE(dm.OpenDataSet(dm.T_OrderList()));
        EXPECT_EQ(dm.T_OrderList().RecordCount(), 0);
    }
    Folders g;
    test::WriteEmptyCatalogue(g.catalog);
    const std::string old = test::WriteTable(g.registry, "OrderLst.DB",
                                             {{{"No", "12/3"}, {"RegDate", "05.03.2021"}, {"Customer", "Иванов"}, {"Cost", "1500.5"}}});
    {
        TDM dm;
        dm.ConfigureDatabases(g.catalog, g.registry, g.report);
        Table& r = dm.T_OrderList();
        ASSERT_TRUE(dm.OpenDataSet(r));
        ASSERT_EQ(r.RecordCount(), 1);
        EXPECT_EQ(r.AsText("RegDate"), "05.03.2021");
        EXPECT_EQ(r.AsMoney("Cost").Raw(), 15005000);
        r.Append();
        r.Set("No", Value("13"));
        r.Post();
    }
    // The old file changes later: the register stays what the program wrote.
    test::WriteTable(g.registry, "OrderLst.DB", {});
    std::filesystem::last_write_time(old, std::filesystem::last_write_time(old) + std::chrono::seconds(5));
    TDM dm;
    dm.ConfigureDatabases(g.catalog, g.registry, g.report);
    ASSERT_TRUE(dm.OpenDataSet(dm.T_OrderList()));
    EXPECT_EQ(dm.T_OrderList().RecordCount(), 2);
    EXPECT_TRUE(Errors(p).empty());
}

TEST(TdmOpen, ConnectionToAMissingFolderRaises) {
    Folders f;
    TDM dm;
    EXPECT_THROW(dm.ConfigureDatabases(f.root.Str() + "/nothing", f.registry, f.report), FtfError);
    ScriptedPrompter p;
    ScopedPrompter guard(p);
    EXPECT_FALSE(dm.OpenDataSet(dm.T_Color()));
    ASSERT_EQ(Errors(p).size(), 1u);
    EXPECT_EQ(Errors(p)[0].rfind("Ошибка открытия файла [COLORSET.DB]\r\n(", 0), 0u);
}
