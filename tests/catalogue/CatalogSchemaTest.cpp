// The program's view of its tables: every layout builds, lookups bind among the catalogue
// tables, and every dataset opens with its order and fixed filter.

#include "catalogue/CatalogSchema.h"

#include <gtest/gtest.h>

#include <map>

#include "Fixtures.h"
#include "catalogue/Table.h"
#include "common/Error.h"

using namespace ftf;
using namespace ftf::test;

namespace {

std::map<std::string, std::shared_ptr<TableData>> BuildAll() {
    std::map<std::string, std::shared_ptr<TableData>> out;
    for (const TableSchema& s : CatalogueSchemas()) out[s.name] = std::make_shared<TableData>(s);
    out[OrderListSchema().name] = std::make_shared<TableData>(OrderListSchema());
    out[ReportListSchema().name] = std::make_shared<TableData>(ReportListSchema());
    for (auto& [name, data] : out)
        for (int f = 0; f < data->FieldCount(); ++f)
            if (data->Field(f).kind == FieldKind::Lookup) {
                const TableSchema* src = FindSchema(data->Field(f).lookupTable);
                EXPECT_NE(src, nullptr) << name << "." << data->Field(f).name;
                if (src) data->BindLookup(src->name, out.at(src->name).get());
            }
    return out;
}

}  // namespace

TEST(CatalogSchema, EveryDatasetOpensWithItsOrderAndFilter) {
    auto all = BuildAll();
    for (const TableSchema& s : CatalogueSchemas()) {  // no table without a dataset
        bool used = false;
        for (const DatasetDef& d : CatalogueDatasets()) used = used || d.table == s.name;
        EXPECT_TRUE(used) << s.name;
    }
    for (const DatasetDef& d : CatalogueDatasets()) {
        ASSERT_TRUE(all.count(d.table)) << d.dataset;
        Table t(all.at(d.table), d.dataset);
        if (!d.indexFields.empty()) t.SetIndexFieldNames(d.indexFields);
        t.SetFixedFilter(d.fixedFilter);
        t.Open();
        EXPECT_EQ(t.RecordCount(), 0) << d.dataset;
    }
}

TEST(CatalogSchema, ParameterListsAndMaterialsSeeOnlyTheirRows) {
    auto all = BuildAll();
    auto& params = *all.at("ParamList.DB");
    for (int id : {0, 99, 100, 199, 200, 299, 300, 399, 400, 499, 500, 1000}) params.LoadRow(Row({id}));
    std::map<std::string, std::string> seen;
    for (const DatasetDef& d : CatalogueDatasets()) {
        if (d.table != "ParamList.DB") continue;
        Table t(all.at(d.table), d.dataset);
        t.SetFixedFilter(d.fixedFilter);
        t.Open();
        for (const std::string& id : ColumnTexts(t, "ID")) seen[d.dataset] += id + " ";
    }
    EXPECT_EQ(seen["T_FalzList"], "100 199 ");
    EXPECT_EQ(seen["T_DornList"], "200 299 ");
    EXPECT_EQ(seen["T_StulpList"], "300 399 ");
    EXPECT_EQ(seen["T_OpenList"], "400 499 ");
}

TEST(CatalogSchema, TheArticleViewHoldsOnlyTheFieldsTheProgramReads) {
    auto all = BuildAll();
    all.at("Currency.DB")->LoadRow(Row({1, "руб"}));
    all.at("PriceGrp.DB")->LoadRow(Row({3, "Опт"}));
    all.at("Catalog.DB")->LoadRow(Row({"A-1", "12", "", "", "", 0, "Петля", "шт", Money::FromUnits(10), 1, 3}));
    Table t(all.at("Catalog.DB"), "T_Catalog");
    t.Open();
    EXPECT_FALSE(t.TryGet("GOST").has_value());
    EXPECT_FALSE(t.TryGet("ShortName").has_value());
    EXPECT_EQ(t.AsText("CurrencyLookup"), "руб");
    EXPECT_EQ(t.AsText("PriceGroupLookup"), "Опт");
    // The name index ignores case, as the article picker's search does.
    t.SetIndexName("NameIndex");
    EXPECT_TRUE(t.Locate("Name", Value("ПЕТ"), LocateOptions{true, true}));
}

TEST(CatalogSchema, ComplectRowsComeByElementThenKey) {
    auto all = BuildAll();
    auto& set = *all.at("FrnSet.DB");
    const int key = set.FindField("Key");
    ASSERT_GE(key, 0);
    // Loaded out of order, as a store may hand them over.
    for (auto [id, item, k] : {std::tuple{"C1", "E2", 4}, {"C1", "E1", 9}, {"C2", "E1", 1}, {"C1", "E1", 2}, {"C1", "E2", 1}}) {
        RowValues r(static_cast<std::size_t>(set.FieldCount()));
        r[0] = id;
        r[1] = item;
        r[static_cast<std::size_t>(key)] = k;
        set.LoadRow(r);
    }
    const DatasetDef* def = nullptr;
    for (const DatasetDef& d : CatalogueDatasets())
        if (d.dataset == "T_FrnSet") def = &d;
    ASSERT_NE(def, nullptr);
    Table t(all.at("FrnSet.DB"), "T_FrnSet");
    t.SetIndexFieldNames(def->indexFields);
    t.Open();
    FilterScope scope(t, "ID = 'C1'");
    std::string got;
    for (t.First(); !t.Eof(); t.Next()) got += t.AsText("Item") + ":" + t.AsText("Key") + " ";
    EXPECT_EQ(got, "E1:2 E1:9 E2:1 E2:4 ");
}

// The filter texts the calculation and the dialogs build, with sample values: each must compile
// against the layout of the table it is set on (a misspelt or missing field would raise).
TEST(CatalogSchema, TheProgramsFilterTextsCompile) {
    struct Case {
        const char* table;
        const char* filter;
    } cases[] = {
        {"FrnProp.db", "PropKey = 12 and ID >= 1010 and ID < 1020"},
        {"FrnSet.DB", "ID = 'K-1'"},
        {"FrnItoI.DB", "ID = 'E-1'"},
        {"FrnSide.DB", "ID='K-1'"},
        {"FrnArt.DB", "FFBMin <= 612 and FFBMax >= 612 and FFHMin <= 900 and FFHMax >= 900 and ID='E-1' "},
        {"FrnArt.DB",
         "FFL1Min <= 700 and FFL1Max >= 700 and FFL2Min <= 500 and FFL2Max >= 500 and FalzLuft = 12 and FalzSize = 20 "
         "and FalzPos = 9 and WeightMin <= 0.00 and  WeightMax >= 0.00 and DornMassMin <= 7.50 and DornMassMax >= 7.50 "
         " and ThicknessMin <= 70 and ThicknessMax >= 70  and ProfWidthMin <= 100 and ProfWidthMax >= 100 and "
         "ProfSys = 'S1' and StulpType = 6 and (Direct = 3 or Direct = 1) and ID='E-1' and Color = 'white' "},
        {"FrnArt.DB", "FFAMin <= 90.00 and FFAMax >= 90.00 and ID='E-1' and Color = '' "},
        {"FrnArt.DB", "FFR1Min <= 450 and FFR1Max >= 450 and FFR2Min <= 0 and FFR2Max >= 0 and ID='E-1' and Color = '' "},
        {"FrnSchl.DB",
         "CatalogID = 'A-1' and (StulpType=6 or StulpType=0) and (ItemSideNo=2 or ItemSideNo=0) and "
         "(ItemComplectID='K-1' or ItemComplectID='')"},
        {"FrnAbd.DB", "CatalogID = 'A-1' and Color='white' and (ItemSideNo=2 or ItemSideNo=0)"},
        {"FrnDop.DB",
         "CatalogID = 'A-1' and (StulpType=6 or StulpType=0) and (ItemSideNo=2 or ItemSideNo=0) and "
         "(ItemComplectID='K-1' or ItemComplectID='')"},
        {"SysList.DB", "Group=1 and Use=1"},
        {"SysProf.DB", "FurnSysID='1100'"},
        {"SysColor.db", "SYSTEM='1105'"},
        {"SysProp.DB", "(ID >=1010 and ID < 2010 and ValueName='Белый')"},
        {"FrnComp.DB",
         "(CommonGrp=1105 or CommonGrp=1100 or CommonGrp=0) and (Group=10 or Group=12) and (SubGroup=0 or SubGroup=1 "
         "or SubGroup=2) and Use=1 and (Material=1 or Material=0)"},
        {"FrnComp.DB", "Group=43"},
        {"Catalog.DB", "Group >= 200 and Group < 300"},
        {"Report.db", "Group = 11 and USE = 1"},
    };
    for (const Case& c : cases) {
        const TableSchema* s = FindSchema(c.table);
        ASSERT_NE(s, nullptr) << c.table;
        TableData data(*s);
        EXPECT_NO_THROW(CompiledFilter::Compile(data, c.filter, {})) << c.filter;
    }
}
