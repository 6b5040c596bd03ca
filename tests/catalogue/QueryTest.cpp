// Queries: one table or two joined, a filter over the result, and cached updates.

#include "catalogue/Query.h"

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "common/Error.h"

using namespace ftf;
using namespace ftf::test;

namespace {

TableSchema PropSchema() {
    TableSchema s;
    s.name = "FrnProp.db";
    s.fields = {FieldDef::Of("PropKey", FieldType::Integer), FieldDef::Of("ID", FieldType::Integer),
                FieldDef::Of("Default", FieldType::SmallInt)};
    s.primary = IndexDef{"", "PropKey;ID", false, true};
    return s;
}

TableSchema SysPropSchema() {
    TableSchema s;
    s.name = "SysProp.DB";
    s.fields = {FieldDef::Of("ID", FieldType::Integer), FieldDef::Str("GroupName", 30), FieldDef::Str("ValueName", 50)};
    s.primary = IndexDef{"", "ID", false, true};
    return s;
}

std::string Rows(Table& q) {
    std::string out;
    for (q.First(); !q.Eof(); q.Next()) {
        if (!out.empty()) out += " | ";
        for (int f = 0; f < q.FieldCount(); ++f) out += (f ? "," : "") + q.Get(f).AsText();
    }
    return out;
}

}  // namespace

TEST(Query, JoinsTwoTablesWithAFilter) {
    auto prop = MakeData(PropSchema(), {Row({7, 1012, 0}), Row({5, 1011, 1}), Row({7, 1011, 1}), Row({9, 1013, 0}),
                                        Row({5, 2020, 0}), Row({5, 1099, 0})});
    auto sys = MakeData(SysPropSchema(), {Row({1011, "Цвет", "Белый"}), Row({1012, "Цвет", "Коричневый"}),
                                          Row({1013, "Цвет", "Серый"}), Row({2020, "Сторона", "Левая"})});
    QuerySpec desc;
    desc.first = prop.get();
    desc.second = sys.get();
    desc.joinOn = {{"ID", "ID"}};
    desc.columns = {{1, "ID", ""}, {1, "GroupName", ""}, {1, "ValueName", ""}, {0, "Default", ""}, {0, "PropKey", ""}};
    desc.where = "T.\"PropKey\" IN (5, 7, 0, 0, 0, 0, 0)";
    Query q("Q_Props");
    q.Open(desc);
    // 1099 has no SysProp row, key 9 is not asked for.
    EXPECT_EQ(Rows(q), "1011,Цвет,Белый,1,5 | 2020,Сторона,Левая,0,5 | 1011,Цвет,Белый,1,7 | 1012,Цвет,Коричневый,0,7");
    EXPECT_EQ(q.RecordCount(), 4);

    desc.orderBy = "ID;PropKey";
    q.Open(desc);
    EXPECT_EQ(Rows(q), "1011,Цвет,Белый,1,5 | 1011,Цвет,Белый,1,7 | 1012,Цвет,Коричневый,0,7 | 2020,Сторона,Левая,0,5");
}

TEST(Query, EditsStayInTheQuery) {
    TableSchema s;
    s.name = "Report.db";
    s.fields = {FieldDef::Of("Group", FieldType::SmallInt), FieldDef::Of("USE", FieldType::SmallInt),
                FieldDef::Str("Name", 100), FieldDef::Of("Default", FieldType::SmallInt),
                FieldDef::Of("Copies", FieldType::SmallInt)};
    auto reports = MakeData(s, {Row({11, 1, "Заказ", 1, 1}), Row({12, 1, "Выборка", 1, 1}), Row({11, 0, "Старый", 0, 1}),
                                Row({11, 1, "Счёт", 0, 2})});
    NullBackend backend;
    reports->SetBackend(&backend);
    const auto version = reports->Version();

    QuerySpec desc;
    desc.first = reports.get();
    desc.where = "Group = 11 and USE = 1";
    Query q("Q_ReportList");
    q.Open(desc);
    EXPECT_EQ(Rows(q), "11,1,Заказ,1,1 | 11,1,Счёт,0,2");
    EXPECT_FALSE(q.UpdatesPending());
    ASSERT_TRUE(q.Locate("Name", Value("Счёт")));
    q.Edit();
    q.Set("Default", 1);
    q.Set("Copies", 3);
    q.Post();
    q.First();
    q.Delete();
    EXPECT_TRUE(q.UpdatesPending());
    EXPECT_EQ(Rows(q), "11,1,Счёт,1,3");
    EXPECT_EQ(reports->Version(), version);  // the table itself never changed

    q.CancelUpdates();
    EXPECT_FALSE(q.UpdatesPending());
    EXPECT_EQ(Rows(q), "11,1,Заказ,1,1 | 11,1,Счёт,0,2");

    // "Show all" reopens with another text.
    desc.where = "Group = 11";
    q.Open(desc);
    EXPECT_EQ(q.RecordCount(), 3);
}

TEST(Query, BadSpecLeavesTheQueryClosedAndEmpty) {
    auto prop = MakeData(PropSchema(), {Row({7, 1012, 0})});
    QuerySpec desc;
    desc.first = prop.get();
    Query q("Q");
    q.Open(desc);
    EXPECT_EQ(q.RecordCount(), 1);
    desc.columns = {{0, "Nope", ""}};
    EXPECT_THROW(q.Open(desc), FtfError);
    EXPECT_FALSE(q.IsOpen());
    desc.columns.clear();
    desc.where = "Nope = 1";
    EXPECT_THROW(q.Open(desc), FtfError);
    EXPECT_FALSE(q.IsOpen());
    EXPECT_EQ(q.FieldCount(), 0);
}
