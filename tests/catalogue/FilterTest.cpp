// Filter expressions: syntax, evaluation, errors, and the key-range narrowing.

#include "catalogue/Filter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "Fixtures.h"
#include "common/Error.h"

using namespace ftf;
using namespace ftf::test;

namespace {

// Rows in primary key order (case-sensitive Windows-1251): A1 AB1 AB2 ABC O'N a1.
std::shared_ptr<TableData> SampleCatalog() {
    const Value _;
    return MakeData(CatalogSchema(),
                    {
                        Row({"A1", "Петля верхняя", Money::FromRaw(1005000), 1, 201, 1.5, 0, "01.02.2020", Value::FromBool(true)}),
                        Row({"a1", "петля нижняя", _, 2, 201, _, 1, _, Value::FromBool(false)}),
                        Row({"AB1", "Ручка", Money::FromRaw(123456), 1, 221, 0.25, 0, "15.03.2021"}),
                        Row({"AB2", "ёлка", Money::FromUnits(7), 3, 1000, 2.0, 0}),
                        Row({"ABC", _, _, _, 1000}),
                        Row({"O'N", "Ёж", Money::FromUnits(-5), 1, 205, -1.5, 0}),
                    });
}

std::string Ids(Table& t) {
    std::string out;
    for (const std::string& id : ColumnTexts(t, "ID")) out += (out.empty() ? "" : " ") + id;
    return out;
}

std::string CompileError(const TableData& data, const std::string& text) {
    try {
        CompiledFilter::Compile(data, text, {});
    } catch (const FtfError& e) {
        return e.what();
    }
    return "<no error>";
}

struct FilterCase {
    const char* expr;
    const char* ids;
    FilterOptions options = {};
};

}  // namespace

TEST(Filter, EvaluatesTheOldEngineSyntax) {
    const FilterOptions nocase{true, false};
    const FilterOptions noPartial{false, true};
    const FilterCase cases[] = {
        {"", "A1 AB1 AB2 ABC O'N a1"},
        {"Group = 201", "A1 a1"},
        {"group=201 and CURRENCY=1", "A1"},  // field names without regard to case
        // "and" binds tighter than "or"
        {"Group = 201 or Group = 221 and Currency = 2", "A1 a1"},
        {"(Group = 201 or Group = 221) and Currency = 1", "A1 AB1"},
        {"not (Group = 1000)", "A1 AB1 O'N a1"},
        {"not Group = 1000 and Currency = 1", "A1 AB1 O'N"},
        {"Group >= 200 and Group < 300", "A1 AB1 O'N a1"},
        {"Group <> 201", "AB1 AB2 ABC O'N"},
        {"Group != 201", "AB1 AB2 ABC O'N"},
        // texts: case-sensitive by default, Windows-1251 order (Ё and ё sort before А)
        {"ID = 'A1'", "A1"},
        {"ID = 'A1'", "A1 a1", nocase},
        {"ID <> 'A1'", "AB1 AB2 ABC O'N a1"},
        {"Name = 'Петля верхняя'", "A1"},
        {"Name = 'ПЕТЛЯ ВЕРХНЯЯ'", "A1", nocase},
        {"Name > 'Петля'", "A1 AB1 a1"},
        {"Name < 'А'", "AB2 ABC O'N"},
        {"ID = 'O''N'", "O'N"},  // a doubled quote inside a literal
        // a trailing "*" is the old engine's partial compare
        {"ID = 'AB*'", "AB1 AB2 ABC"},
        {"ID <> 'AB*'", "A1 O'N a1"},
        {"ID = 'AB*'", "", noPartial},
        {"Name = 'пЕТЛЯ*'", "A1 a1", nocase},
        // blanks read as "" and 0; "null" asks for the blank itself
        {"Name = ''", "ABC"},
        {"Name is null", "ABC"},
        {"Name = NULL", "ABC"},
        {"Price is not null", "A1 AB1 AB2 O'N"},
        {"Price <> null", "A1 AB1 AB2 O'N"},
        {"Price = 0", "ABC a1"},
        {"Virtual = 0", "A1 AB1 AB2 ABC O'N"},
        // numbers with "." and a sign; money and BCD compare as decimals
        {"Price = 100.5", "A1"},
        {"Price = 12.3456", "AB1"},
        {"Price > 10", "A1 AB1"},
        {"Price < 0", "O'N"},
        {"Price >= 100.50005", ""},
        {"Price > 100.49995", "A1"},
        {"MinTrade >= 1.5", "A1 AB2"},
        {"MinTrade = 0.25", "AB1"},
        {"MinTrade = -1.5", "O'N"},
        {"MinTrade > -2.0 and MinTrade < .5", "AB1 ABC O'N a1"},
        {"10 < Price", "A1 AB1"},  // literal first
        {"-5 = Price", "O'N"},
        {"Currency = '2'", "a1"},  // a number field with a text that reads as a number
        {"Changed = '01.02.2020'", "A1"},
        {"Changed > '01.01.2021'", "AB1"},
        {"Integer = true", "A1"},
        {"Integer = FALSE", "AB1 AB2 ABC O'N a1"},
        {"Group in (201, 205)", "A1 O'N a1"},
        {"ID in ('AB1', 'ABC')", "AB1 ABC"},
        {"ID not in ('AB1','ABC')", "A1 AB2 O'N a1"},
        {"ID in ('ab1')", "AB1", nocase},
        {"MinTrade in (0.25, 2)", "AB1 AB2"},
        {"Currency = Virtual", "ABC"},  // two fields
        {"T.ID = 'A1'", "A1"},          // qualified names use their last part
        {"[Group] = 1000", "AB2 ABC"},
        {"T.\"Group\" = 1000 and \"ID\" = 'ABC'", "ABC"},
        {"  Group=201\r\n and\tCurrency=2 ", "a1"},
    };
    auto data = SampleCatalog();
    Table t(data, "T_Catalog");
    t.Open();
    for (const FilterCase& c : cases) {
        t.SetFilterOptions(c.options);
        t.ApplyFilter(c.expr);
        EXPECT_EQ(Ids(t), c.ids) << c.expr;
        EXPECT_EQ(t.RecordCount(), static_cast<int>(ColumnTexts(t, "ID").size())) << c.expr;
    }
}

TEST(Filter, ErrorsNameTheExpressionAndThePosition) {
    struct ErrorCase {
        const char* expr;
        int pos;
        const char* what;
    } cases[] = {
        {"Group = ", 9, "ожидается имя поля или значение"},
        {"Grp = 1", 1, "неизвестное поле [Grp]"},
        {"(Group = 1", 1, "ожидается )"},
        {"Group = 1)", 10, "лишний текст"},
        {"ID = 'abc", 6, "не закрыт"},
        {"Group = 'x'", 9, "не подходит для поля [Group]"},
        {"Group 1", 7, "ожидается оператор сравнения"},
        {"Group = 1 and", 14, "ожидается имя поля или значение"},
        {"Name = 'Ёж' and Grp = 1", 17, "неизвестное поле [Grp]"},  // counted in characters
        {"Picture = 'x'", 1, "нельзя использовать в фильтре"},
        {"Group = 1 # 2", 11, "недопустимый символ"},
        {"Changed = '31.02.2020'", 11, "не является датой"},
        {"Group = 1..2", 9, "неверное число"},
        {"Name is 5", 9, "ожидается NULL"},
        {"'a' = 'b'", 1, "ожидается имя поля"},
        {"Name > null", 8, "только = и <>"},
        {"Group in (1, Currency)", 14, "только значения"},
    };
    auto data = SampleCatalog();
    for (const ErrorCase& c : cases) {
        try {
            CompiledFilter::Compile(*data, c.expr, {});
            ADD_FAILURE() << "no error for " << c.expr;
        } catch (const FtfError& e) {
            const std::string msg = e.what();
            EXPECT_NE(msg.find("[" + std::string(c.expr) + "]"), std::string::npos) << msg;
            EXPECT_NE(msg.find("в позиции " + std::to_string(c.pos) + ":"), std::string::npos) << msg;
            EXPECT_NE(msg.find(c.what), std::string::npos) << msg;
        }
    }
}

TEST(Filter, HostileTextsAreRefusedNotCrashed) {
    auto data = SampleCatalog();
    const std::string deep = std::string(100000, '(') + "Group = 1" + std::string(100000, ')');
    EXPECT_NE(CompileError(*data, deep).find("слишком глубокая вложенность"), std::string::npos);
    std::string nots;
    for (int i = 0; i < 50000; ++i) nots += "not ";
    EXPECT_THROW(CompiledFilter::Compile(*data, nots + "Group = 1", {}), FtfError);
    std::string longOr = "Group = 0";
    for (int i = 1; i < 20000; ++i) longOr += " or Group = " + std::to_string(i);
    EXPECT_THROW(CompiledFilter::Compile(*data, longOr, {}), FtfError);
    // A long but ordinary chain still works.
    std::string chain = "Group = 0";
    for (int i = 1; i < 1000; ++i) chain += " or Group = " + std::to_string(i);
    auto f = CompiledFilter::Compile(*data, chain, {});
    Table t(data);
    t.Open();
    t.ApplyFilter(chain);
    EXPECT_EQ(Ids(t), "A1 AB1 O'N a1");
}

TEST(Filter, LookupFieldsCannotBeFiltered) {
    auto art = std::make_shared<TableData>(ArtSchema());
    EXPECT_THROW(CompiledFilter::Compile(*art, "CatalogNameLookup = 'x'", {}), FtfError);
    EXPECT_THROW(CompiledFilter::Compile(*art, "Selected = true", {}), FtfError);
}

TEST(Filter, BadTextLeavesTheTableAsItWas) {
    auto data = SampleCatalog();
    Table t(data);
    t.Open();
    t.ApplyFilter("Group = 201");
    EXPECT_THROW(t.SetFilter("Group = "), FtfError);
    EXPECT_EQ(t.Filter(), "Group = 201");
    EXPECT_EQ(Ids(t), "A1 a1");
}

TEST(Filter, CompiledOncePerText) {
    auto data = SampleCatalog();
    auto a = data->CompileFilter("Group = 201", {});
    auto b = data->CompileFilter("Group = 201", {});
    auto c = data->CompileFilter("Group = 201", FilterOptions{true, false});
    EXPECT_EQ(a.get(), b.get());
    EXPECT_NE(a.get(), c.get());  // other options, other program
}

TEST(Filter, PinsOnlyFromTheTopLevelAndChain) {
    auto data = std::make_shared<TableData>(ArtSchema());
    struct PinCase {
        const char* expr;
        std::vector<std::string> pinned;
    } cases[] = {
        {"ID='X' ", {"ID"}},
        {"FFBMin <= 5 and ID='X' and Color = ''", {"ID", "Color"}},
        {"(Direct = 3 or Direct = 1) and ID='X'", {"ID"}},
        {"ID='X' or ID='Y'", {}},
        {"not ID='X'", {}},
        {"ID='X*'", {}},  // partial compare pins no single value
        {"ID<>'X'", {}},
        {"FalzLuft = 12 and (ID = 'A')", {"FalzLuft", "ID"}},
    };
    for (const PinCase& c : cases) {
        auto f = CompiledFilter::Compile(*data, c.expr, {});
        std::vector<std::string> got;
        for (const auto& p : f->Pins()) got.push_back(data->Field(p.field).name);
        EXPECT_EQ(got, c.pinned) << c.expr;
    }
}

// The narrowed scan must give exactly the rows a full scan gives, in the same order, whatever
// index is active, also after edits moved rows between key ranges.
TEST(Filter, KeyRangeNarrowingMatchesAFullScan) {
    auto data = std::make_shared<TableData>(ArtSchema());
    std::mt19937 rng(1234);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const char* colors[] = {"", "white", "brown", "WHITE", "ЁЛКА"};
    for (int i = 0; i < 3000; ++i) {
        char id[16];
        std::snprintf(id, sizeof id, pick(4) == 0 ? "e%02d" : "E%02d", pick(40));
        char cat[16];
        std::snprintf(cat, sizeof cat, "K%03d", pick(300));
        data->LoadRow(Row({id, cat, i + 1, pick(800), pick(4) == 0 ? 0 : 400 + pick(2000), pick(3) * 4 + 8,
                           pick(20) * 0.5, 20 + pick(20) * 0.5, pick(4), colors[pick(5)], pick(3) * 100}));
    }
    const std::vector<std::string> filters = {
        "FFBMin <= 612 and FFBMax >= 612 and FalzLuft = 12 and DornMassMin <= 7.50 and DornMassMax >= 7.50 and "
        "(Direct = 3 or Direct = 1) and ID='E07' and Color = 'white' ",
        "FFBMin <= 300 and FFBMax >= 300 and ID='E07' and Color = '' ",
        "ID='E13'",
        "ID='e13'",
        "ID='E99'",
        "ID='E13' or ID='E14'",
        "Color = 'WHITE' and FalzLuft = 8",
        "HandleHeight = 100 and ID = 'E01'",
        "DornMassMin = 2.5 and Direct = 2",
    };
    Table t(data, "T_FrnArt");
    t.Open();
    auto check = [&](const std::string& where) {
        for (const std::string& f : filters) {
            for (bool nocase : {false, true}) {
                const FilterOptions o{nocase, false};
                auto compiled = data->CompileFilter(f, o);
                std::vector<RowId> expected;
                for (RowId r : data->IndexOrder(t.ActiveIndex()))
                    if (compiled->Matches(*data, r)) expected.push_back(r);
                t.SetFilterOptions(o);
                t.ApplyFilter(f);
                std::vector<RowId> got;
                for (t.First(); !t.Eof(); t.Next()) got.push_back(t.CurrentRow());
                EXPECT_EQ(got, expected) << where << ": " << f << (nocase ? " (no case)" : "");
                bool narrowed = false;
                data->Candidates(*compiled, t.ActiveIndex(), narrowed);
                EXPECT_EQ(narrowed, !compiled->Pins().empty()) << f;
            }
        }
        t.ClearFilter();
    };
    check("primary key");
    t.SetIndexName("IDIndex");
    check("index on ID");
    t.SortByField("FFBMin");
    check("order by FFBMin");
    t.SetIndexName("");
    // Edits move rows into and out of key ranges; the indexes follow.
    ASSERT_TRUE(t.Locate("ID", Value("E13")));
    t.Edit();
    t.Set("ID", "E07");
    t.Post();
    t.Insert();
    t.Set("ID", "E07");
    t.Set("CatalogID", "NEW");
    t.Set("FFBMax", 5000);
    t.Set("Color", "white");
    t.Set("FalzLuft", 12);
    t.Set("DornMassMax", 30.0);
    t.Post();
    ASSERT_TRUE(t.Locate("ID", Value("E07")));
    t.Delete();
    check("after edits");
    t.SetIndexName("IDIndex");
    check("index on ID after edits");
}

TEST(Filter, NarrowedScanOfOneKeySkipsTheOtherRows) {
    auto data = std::make_shared<TableData>(ArtSchema());
    for (int i = 0; i < 200; ++i) data->LoadRow(Row({i < 3 ? "ONE" : "OTHER", "K", Value(), i}));
    auto f = data->CompileFilter("ID = 'ONE' and FFBMin >= 0", {});
    bool narrowed = false;
    const auto rows = data->Candidates(*f, 0, narrowed);
    EXPECT_TRUE(narrowed);
    EXPECT_EQ(rows.size(), 3u);
}
