// Datasets: cursor, orders, locate, bookmarks and marks, fixed filters, edits written through a
// backend, guards and notifications.

#include "catalogue/Table.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "Fixtures.h"
#include "common/Error.h"

using namespace ftf;
using namespace ftf::test;

namespace {

std::string Joined(const std::vector<std::string>& v) {
    std::string out;
    for (const auto& s : v) out += (out.empty() ? "" : " ") + s;
    return out;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const FtfError& e) {
        return e.what();
    }
    return "<no error>";
}

TableSchema SetSchema() {
    TableSchema s;
    s.name = "FrnSet.DB";
    s.fields = {FieldDef::Str("ID", 30), FieldDef::Str("Item", 30), FieldDef::Of("Key", FieldType::AutoInc),
                FieldDef::Of("Number", FieldType::SmallInt),
                FieldDef::Lookup("ItemLookup", 70, "Item", "FrnItem.DB", "ID", "Name"),
                FieldDef::Calc("Selected", FieldType::Logical)};
    s.primary = IndexDef{"", "ID;Item;Key", false, true};
    s.indexes = {IndexDef{"IDIndex", "ID", false, false}};
    return s;
}

TableSchema ItemSchema() {
    TableSchema s;
    s.name = "FrnItem.DB";
    s.fields = {FieldDef::Str("ID", 30), FieldDef::Str("Name", 70)};
    s.primary = IndexDef{"", "ID", false, true};
    return s;
}

TableSchema SideSchema() {
    TableSchema s;
    s.name = "FrnSide.DB";
    s.fields = {FieldDef::Str("ID", 30), FieldDef::Of("Side", FieldType::SmallInt),
                FieldDef::Of("HandleDirect", FieldType::SmallInt), FieldDef::Str("Note", 50)};
    s.primary = IndexDef{"", "ID;Side", false, true};
    s.indexes = {IndexDef{"IDIndex", "ID", false, false}};
    return s;
}

// Records every call in order; can be told to fail the next write.
class RecordingBackend final : public TableBackend {
public:
    std::vector<std::string> log;
    bool failNext = false;
    std::int64_t next = 100;

    void BeginTransaction() override { log.push_back("begin"); }
    void CommitTransaction() override { log.push_back("commit"); }
    void RollbackTransaction() override { log.push_back("rollback"); }
    std::int64_t InsertRow(const TableData&, const RowValues& row) override {
        log.push_back("insert " + row[0].AsText() + "/" + row[1].AsText() + "/" + row[2].AsText());
        Fail();
        return ++next;
    }
    void UpdateRow(const TableData&, std::int64_t key, const RowValues& before, const RowValues& after) override {
        log.push_back("update #" + std::to_string(key) + " " + before[3].AsText() + "->" + after[3].AsText());
        Fail();
    }
    void DeleteRow(const TableData&, std::int64_t key, const RowValues& before) override {
        log.push_back("delete #" + std::to_string(key) + " " + before[1].AsText());
        Fail();
    }

private:
    void Fail() {
        if (failNext) {
            failNext = false;
            throw FtfError("диск полон");
        }
    }
};

}  // namespace

TEST(Table, CursorMovesLikeTheOldDatasets) {
    auto data = MakeData(SideSchema(), {Row({"K", 1}), Row({"K", 2}), Row({"K", 3})});
    Table t(data, "T_FrnSide");
    EXPECT_NE(ErrorOf([&] { t.Get("ID"); }).find("закрыт"), std::string::npos);
    EXPECT_TRUE(t.Eof());
    t.Open();
    EXPECT_TRUE(t.Bof());
    EXPECT_FALSE(t.Eof());
    EXPECT_EQ(t.AsInt("Side"), 1);
    t.Prior();  // before the first: Bof, still on the first
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.AsInt("Side"), 1);
    t.Next();
    t.Next();
    EXPECT_EQ(t.AsInt("Side"), 3);
    EXPECT_FALSE(t.Eof());
    t.Next();  // past the last: Eof, still on the last
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.AsInt("Side"), 3);
    EXPECT_EQ(t.RecNo(), 3);
    t.Last();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.MoveBy(-5), -2);
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.MoveBy(1), 1);
    EXPECT_EQ(t.AsInt("Side"), 2);

    t.ApplyFilter("Side > 5");
    EXPECT_TRUE(t.Eof());
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_NE(ErrorOf([&] { t.Get("Side"); }).find("Нет текущей записи"), std::string::npos);
}

TEST(Table, FieldsByNameAndTheFieldsAViewDoesNotHold) {
    auto data = MakeData(CatalogSchema(), {Row({"A", "Петля", Money::FromUnits(3)})});
    Table t(data, "T_Catalog");
    t.Open();
    EXPECT_NE(t.FindField("name"), nullptr);
    EXPECT_EQ(t.FindField("GOST"), nullptr);
    EXPECT_FALSE(t.TryGet("GOST").has_value());
    EXPECT_EQ(t.TryGet("NAME")->AsText(), "Петля");
    EXPECT_EQ(ErrorOf([&] { t.Get("GOST"); }), "Поле [GOST] не найдено в таблице [T_Catalog]");
    // Blank fields read "" and 0 but stay blank.
    EXPECT_EQ(t.AsText("MinTrade"), "");
    EXPECT_EQ(t.AsReal("MinTrade"), 0.0);
    EXPECT_TRUE(t.IsBlank("MinTrade"));
    EXPECT_EQ(t.AsMoney("Price"), Money::FromUnits(3));
    EXPECT_EQ(t.TextAt(t.FieldIndex("Name")), "Петля");
    EXPECT_EQ(t.IntAt(t.FieldIndex("Group")), 0);
}

TEST(Table, IndexesOrderTextInTheWindows1251Order) {
    auto data = MakeData(CatalogSchema(), {
                                              Row({"01", "яблоко"}), Row({"02", "Ёж"}), Row({"03", "ель"}),
                                              Row({"04", "Ель"}), Row({"05", "abc"}), Row({"06", "ABC"}),
                                              Row({"07", "Жук"}), Row({"08", "ёлка"}), Row({"09", "Zed"}),
                                          });
    Table t(data);
    t.Open();
    t.SortByField("Name", false);
    EXPECT_EQ(Joined(ColumnTexts(t, "Name")), "ABC Zed abc Ёж ёлка Ель Жук ель яблоко");
    // The declared case-insensitive index: equal names keep the primary key order.
    t.SetIndexName("NameIndex");
    EXPECT_EQ(Joined(ColumnTexts(t, "ID")), "05 06 09 02 08 03 04 07 01");
    EXPECT_EQ(t.IndexFieldNames(), "Name");
    t.SetIndexName("");
    EXPECT_EQ(Joined(ColumnTexts(t, "ID")), "01 02 03 04 05 06 07 08 09");
    EXPECT_NE(ErrorOf([&] { t.SetIndexName("NoSuchIndex"); }).find("NoSuchIndex"), std::string::npos);
}

TEST(Table, SecondaryIndexBreaksTiesByThePrimaryKey) {
    // Rows of one complect come by element, then by Key (the order they were entered in).
    auto data = std::make_shared<TableData>(SetSchema());
    Table t(data, "T_FrnSet");
    t.Open();
    for (auto [id, item] : {std::pair{"C1", "E2"}, {"C2", "E1"}, {"C1", "E1"}, {"C1", "E2"}, {"C0", "E9"}, {"C1", "E1"}}) {
        t.Append();
        t.Set("ID", id);
        t.Set("Item", item);
        t.Post();
    }
    t.SetIndexName("IDIndex");
    t.ApplyFilter("ID = 'C1'");
    std::vector<std::string> got;
    for (t.First(); !t.Eof(); t.Next()) got.push_back(t.AsText("Item") + ":" + t.AsText("Key"));
    EXPECT_EQ(Joined(got), "E1:3 E1:6 E2:1 E2:4");
}

TEST(Table, SortingByAFieldThatCannotBeIndexed) {
    auto art = std::make_shared<TableData>(CatalogSchema());
    Table t(art, "T_Catalog");
    t.Open();
    for (const char* field : {"Picture", "NoSuchField"}) {
        const std::string msg = ErrorOf([&] { t.SortByField(field); });
        EXPECT_EQ(msg.rfind("Не могу установить индекс по данному полю\r\n(", 0), 0u) << msg;
        EXPECT_NE(msg.find(field), std::string::npos) << msg;
    }
    auto set = std::make_shared<TableData>(SetSchema());
    Table s(set);
    s.Open();
    EXPECT_EQ(ErrorOf([&] { s.SortByField("ItemLookup"); }).rfind("Не могу установить индекс по данному полю", 0), 0u);
}

TEST(Table, LocateVariants) {
    auto data = MakeData(CatalogSchema(), {
                                              Row({"K-10", "Петля верхняя", Value(), 1, 201}),
                                              Row({"k-11", "петля нижняя", Value(), 1, 201}),
                                              Row({"K-12", "Ручка", Value(), 2, 221}),
                                              Row({"K-13", "Ёлочка", Value(), 2, 201}),
                                          });
    Table t(data);
    t.Open();
    struct LocateCase {
        const char* fields;
        std::vector<Value> values;
        LocateOptions options;
        const char* id;  // nullptr: not found
    } cases[] = {
        {"ID", {"K-12"}, {}, "K-12"},
        {"ID", {"k-12"}, {}, nullptr},
        {"ID", {"k-12"}, {true, false}, "K-12"},
        {"Name", {"петля"}, {false, true}, "k-11"},
        {"Name", {"ПЕТЛЯ"}, {true, true}, "K-10"},
        {"Name", {"ПЕТЛЯ"}, {true, false}, nullptr},
        {"Name", {"ёлоч"}, {true, true}, "K-13"},
        {"Group;Currency", {201, 2}, {}, "K-13"},
        {"Currency;Group", {2, 201}, {}, "K-13"},
        {"Group;Currency", {221, 1}, {}, nullptr},
        {"group", {"221"}, {}, "K-12"},  // a text value for a number field
        {"Currency;Name", {1, "петля н"}, {false, true}, "k-11"},
    };
    for (const LocateCase& c : cases) {
        t.First();
        t.Next();  // start on K-12 (second in primary order: K-10 K-12 K-13 k-11)
        const std::string before = t.AsText("ID");
        const bool found = t.Locate(c.fields, c.values, c.options);
        EXPECT_EQ(found, c.id != nullptr) << c.fields << " " << c.values[0].AsText();
        EXPECT_EQ(t.AsText("ID"), c.id ? c.id : before) << c.fields << " " << c.values[0].AsText();
    }
    // The first match in the active order wins, and the filter is respected.
    t.SetIndexName("NameIndex");
    ASSERT_TRUE(t.Locate("Group", Value(201)));
    EXPECT_EQ(t.AsText("ID"), "K-13");  // Ёлочка sorts before Петля
    t.ApplyFilter("Currency = 1");
    ASSERT_TRUE(t.Locate("Group", Value(201)));
    EXPECT_EQ(t.AsText("ID"), "K-10");
    EXPECT_FALSE(t.Locate("ID", Value("K-12")));
    // Lookup reads without moving.
    t.ClearFilter();
    t.First();
    EXPECT_EQ(t.Lookup("ID", {"K-12"}, "Name")->AsText(), "Ручка");
    EXPECT_FALSE(t.Lookup("ID", {"nope"}, "Name").has_value());
    EXPECT_EQ(t.AsText("ID"), "K-13");
    EXPECT_NE(ErrorOf([&] { t.Locate("ID;Name", std::vector<Value>{"K-12"}); }).find("Число значений"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { t.Locate("Group", Value("abc")); }).find("не является числом"), std::string::npos);
}

TEST(Table, FindKeyUsesTheActiveIndex) {
    auto data = MakeData(SideSchema(), {Row({"A", 1, 0}), Row({"A", 2, 1}), Row({"B", 1, 2}), Row({"B", 3, 3})});
    Table t(data, "T_FrnSide");
    t.Open();
    ASSERT_TRUE(t.FindKey({"B", 3}));
    EXPECT_EQ(t.AsInt("HandleDirect"), 3);
    ASSERT_TRUE(t.FindKey({"B"}));  // a leading part of the key
    EXPECT_EQ(t.AsInt("Side"), 1);
    EXPECT_FALSE(t.FindKey({"B", 2}));
    EXPECT_EQ(t.AsInt("Side"), 1);
    t.ApplyFilter("Side <> 1");
    ASSERT_TRUE(t.FindKey({"B"}));
    EXPECT_EQ(t.AsInt("Side"), 3);
    EXPECT_THROW(t.FindKey({"A", 1, 2}), FtfError);
    // By the primary key whatever the active order.
    t.ClearFilter();
    t.SortByField("HandleDirect");
    ASSERT_TRUE(t.FindPrimaryKey({"A", 2}));
    EXPECT_EQ(t.AsInt("HandleDirect"), 1);
    EXPECT_FALSE(t.FindPrimaryKey({"C"}));
    EXPECT_FALSE(t.FindKey({Value(7)}));  // the active order is by HandleDirect now
    ASSERT_TRUE(t.FindKey({Value(3)}));
    EXPECT_EQ(t.AsText("ID"), "B");
}

TEST(Table, BookmarksAndMarks) {
    auto data = MakeData(SideSchema(), {Row({"A", 1}), Row({"B", 1}), Row({"C", 1}), Row({"D", 1})});
    Table t(data);
    t.Open();
    ASSERT_TRUE(t.Locate("ID", Value("C")));
    const Bookmark c = t.GetBookmark();
    t.First();
    ASSERT_TRUE(t.GotoBookmark(c));
    EXPECT_EQ(t.AsText("ID"), "C");
    t.ApplyFilter("ID <> 'C'");
    EXPECT_FALSE(t.BookmarkVisible(c));
    EXPECT_FALSE(t.GotoBookmark(c));
    t.ClearFilter();

    // Marks keep the order of marking.
    for (const char* id : {"C", "A", "D"}) {
        ASSERT_TRUE(t.Locate("ID", Value(id)));
        t.SetMarked(true);
    }
    auto marks = [&] {
        std::string out;
        for (const Bookmark& b : t.Marks()) {
            EXPECT_TRUE(t.GotoBookmark(b));
            out += t.AsText("ID");
        }
        return out;
    };
    EXPECT_EQ(marks(), "CAD");
    ASSERT_TRUE(t.Locate("ID", Value("A")));
    t.SetMarked(false);
    EXPECT_EQ(marks(), "CD");
    ASSERT_TRUE(t.GotoBookmark(c));
    t.Delete();
    EXPECT_EQ(marks(), "D");
    EXPECT_FALSE(t.GotoBookmark(c));  // deleted
    EXPECT_EQ(t.AsText("ID"), "D");
    t.ClearMarks();
    EXPECT_TRUE(t.Marks().empty());
}

TEST(Table, SelectedShowsTheMark) {
    auto items = MakeData(ItemSchema(), {Row({"E1", "Петля"})});
    auto set = MakeData(SetSchema(), {Row({"C", "E1", 1}), Row({"C", "E2", 2})});
    set->BindLookup("frnitem.db", items.get());
    Table t(set, "T_FrnSet");
    t.Open();
    EXPECT_FALSE(t.AsBool("Selected"));
    t.Set("Selected", Value::FromBool(true));  // a marker needs no edit
    EXPECT_TRUE(t.AsBool("Selected"));
    EXPECT_EQ(t.Marks().size(), 1u);
    // The lookup field reads the element's name; a missing element reads blank.
    EXPECT_EQ(t.AsText("ItemLookup"), "Петля");
    t.Next();
    EXPECT_TRUE(t.IsBlank("ItemLookup"));
    EXPECT_FALSE(t.AsBool("Selected"));
    // While editing, the lookup follows the edit buffer.
    t.Edit();
    t.Set("Item", "E1");
    EXPECT_EQ(t.AsText("ItemLookup"), "Петля");
    t.Cancel();
    EXPECT_NE(ErrorOf([&] { t.Edit(); t.Set("ItemLookup", "x"); }).find("нельзя изменить"), std::string::npos);
    t.Cancel();
    set->BindLookup("FrnItem.DB", nullptr);
    t.First();
    EXPECT_TRUE(t.IsBlank("ItemLookup"));
}

TEST(Table, FixedFiltersOfDatasetsSharingOneTable) {
    TableSchema s;
    s.name = "ParamList.DB";
    s.fields = {FieldDef::Of("ID", FieldType::Integer), FieldDef::Str("Name", 30)};
    s.primary = IndexDef{"", "ID", false, true};
    auto data = MakeData(s, {Row({50}), Row({100}), Row({150}), Row({199}), Row({200}), Row({250}),
                             Row({399}), Row({400}), Row({499}), Row({500})});
    Table falz(data, "T_FalzList"), dorn(data, "T_DornList"), stulp(data, "T_StulpList"), open(data, "T_OpenList");
    falz.SetFixedFilter("ID >= 100 and ID <= 199");
    dorn.SetFixedFilter("ID >= 200 and ID <= 299");
    stulp.SetFixedFilter("ID >= 300 and ID <= 399");
    open.SetFixedFilter("ID >= 400 and ID <= 499");
    for (Table* t : {&falz, &dorn, &stulp, &open}) t->Open();
    EXPECT_EQ(Joined(ColumnTexts(falz, "ID")), "100 150 199");
    EXPECT_EQ(Joined(ColumnTexts(dorn, "ID")), "200 250");
    EXPECT_EQ(Joined(ColumnTexts(stulp, "ID")), "399");
    EXPECT_EQ(Joined(ColumnTexts(open, "ID")), "400 499");
    // A temporary filter narrows further; clearing it leaves the fixed one.
    falz.ApplyFilter("ID > 120");
    EXPECT_EQ(Joined(ColumnTexts(falz, "ID")), "150 199");
    falz.ClearFilter();
    EXPECT_EQ(falz.RecordCount(), 3);
    EXPECT_FALSE(falz.Locate("ID", Value(200)));
    // Each dataset has its own cursor; a posted edit shows in all of them.
    ASSERT_TRUE(dorn.Locate("ID", Value(250)));
    dorn.Edit();
    dorn.Set("ID", 160);
    dorn.Post();
    EXPECT_EQ(Joined(ColumnTexts(falz, "ID")), "100 150 160 199");
    EXPECT_EQ(Joined(ColumnTexts(dorn, "ID")), "200");

    TableSchema m;
    m.name = "Material.db";
    m.fields = {FieldDef::Of("ID", FieldType::Integer), FieldDef::Str("Name", 50)};
    m.primary = IndexDef{"", "ID", false, true};
    Table material(MakeData(m, {Row({0, "-"}), Row({1, "ПВХ"}), Row({2, "Дерево"})}), "T_Material");
    material.SetFixedFilter("ID <> 0");
    material.Open();
    EXPECT_EQ(Joined(ColumnTexts(material, "Name")), "ПВХ Дерево");
}

TEST(Table, EditsAreWrittenThroughTheBackendInOrder) {
    auto data = std::make_shared<TableData>(SetSchema());
    RecordingBackend backend;
    data->SetBackend(&backend);
    Table t(data, "T_FrnSet");
    t.Open();
    t.Insert();
    t.Set("ID", "C1");
    t.Set("Item", "E1");
    t.Set("Number", 2);
    EXPECT_EQ(t.AsInt("Number"), 2);  // reads come from the edit buffer
    t.Post();
    t.Append();
    t.Set("ID", "C1");
    t.Set("Item", "E2");
    t.Post();
    ASSERT_TRUE(t.Locate("Item", Value("E1")));
    t.Edit();
    t.Set("Number", 5);
    t.Post();
    ASSERT_TRUE(t.Locate("Item", Value("E2")));
    t.Delete();
    t.Insert();
    t.Set("ID", "X");
    t.Cancel();  // nothing reaches the store
    EXPECT_EQ(Joined(backend.log),
              "begin insert C1/E1/1 commit begin insert C1/E2/2 commit begin update #101 2->5 commit "
              "begin delete #102 E2 commit");
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(data->StoreKey(t.CurrentRow()), 101);
}

TEST(Table, AFailedWriteLeavesTheRowsAndTheEdit) {
    auto data = std::make_shared<TableData>(SetSchema());
    RecordingBackend backend;
    data->SetBackend(&backend);
    Table t(data);
    t.Open();
    t.Insert();
    t.Set("ID", "C1");
    t.Set("Item", "E1");
    t.Set("Number", 1);
    t.Post();
    backend.log.clear();

    // Update fails: memory unchanged, still editing, the transaction rolled back.
    t.Edit();
    t.Set("Number", 9);
    backend.failNext = true;
    EXPECT_EQ(ErrorOf([&] { t.Post(); }), "диск полон");
    EXPECT_EQ(t.State(), TableState::Edit);
    EXPECT_EQ(Joined(backend.log), "begin update #101 1->9 rollback");
    Table other(data);
    other.Open();
    EXPECT_EQ(other.AsInt("Number"), 1);
    t.Cancel();
    EXPECT_EQ(t.AsInt("Number"), 1);

    // Insert fails: no row, the autoinc number is not used up.
    backend.log.clear();
    t.Insert();
    t.Set("ID", "C2");
    backend.failNext = true;
    EXPECT_THROW(t.Post(), FtfError);
    EXPECT_EQ(t.State(), TableState::Insert);
    t.Cancel();
    EXPECT_EQ(data->RowCount(), 1u);
    // Delete fails: the row stays.
    backend.failNext = true;
    EXPECT_THROW(t.Delete(), FtfError);
    EXPECT_EQ(data->RowCount(), 1u);
    backend.log.clear();
    t.Insert();
    t.Set("ID", "C2");
    t.Post();
    EXPECT_EQ(Joined(backend.log), "begin insert C2//2 commit");
}

TEST(Table, KeyViolationsAndValueChecksNeverReachTheStore) {
    auto data = std::make_shared<TableData>(SideSchema());
    RecordingBackend backend;
    data->SetBackend(&backend);
    Table t(data, "T_FrnSide");
    t.Open();
    t.Insert();
    t.Set("ID", "K");
    t.Set("Side", 1);
    t.Post();
    backend.log.clear();
    t.Insert();
    t.Set("ID", "K");
    t.Set("Side", 1);
    EXPECT_EQ(ErrorOf([&] { t.Post(); }), "Нарушение уникальности ключа [K;1] в таблице [FrnSide.DB]");
    EXPECT_TRUE(backend.log.empty());
    t.Set("ID", "k");  // keys are case-sensitive
    t.Post();
    // Values are converted to the field type or refused.
    t.Insert();
    EXPECT_NE(ErrorOf([&] { t.Set("Side", 40000); }).find("вне диапазона"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { t.Set("Side", "abc"); }).find("не является числом"), std::string::npos);
    t.Set("Side", "7");
    EXPECT_EQ(t.Get("Side").kind(), Value::Kind::Int);
    t.Set("Note", std::string(60, 'x'));  // cut to the field's 50 characters
    EXPECT_EQ(t.AsText("Note").size(), 50u);
    std::string yo;
    for (int i = 0; i < 40; ++i) yo += "ё";
    t.Set("Note", std::string(20, 'x') + yo);  // characters, not bytes
    EXPECT_EQ(t.AsText("Note"), std::string(20, 'x') + yo.substr(0, 60));
    t.Cancel();
    EXPECT_NE(ErrorOf([&] { t.Set("Side", 1); }).find("не в режиме редактирования"), std::string::npos);
}

TEST(Table, AutoIncNumbersAreNeverReused) {
    auto data = std::make_shared<TableData>(SetSchema());
    Table t(data);
    t.Open();
    for (int i = 0; i < 3; ++i) {
        t.Append();
        t.Set("ID", "C");
        t.Set("Item", "E" + std::to_string(i));
        t.Post();
    }
    t.Last();
    EXPECT_EQ(t.AsInt("Key"), 3);
    t.Delete();
    t.Append();
    t.Set("ID", "C");
    t.Set("Item", "E9");
    t.Post();
    EXPECT_EQ(t.AsInt("Key"), 4);
}

TEST(Table, FilterScopeClearsTheFilterOnEveryWayOut) {
    auto data = MakeData(SideSchema(), {Row({"A", 1}), Row({"B", 1}), Row({"B", 2})});
    Table t(data, "T_FrnSide");
    t.Open();
    int resets = 0, events = 0;
    t.Subscribe([&](TableEvent e) {
        ++events;
        if (e == TableEvent::Reset) ++resets;
    });
    try {
        FilterScope scope(t, "ID='B'");
        EXPECT_TRUE(t.ControlsDisabled());
        EXPECT_EQ(t.RecordCount(), 2);
        EXPECT_EQ(t.AsText("ID"), "B");
        t.Next();
        throw std::runtime_error("calculation failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(t.Filtered());
    EXPECT_EQ(t.Filter(), "");
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_FALSE(t.ControlsDisabled());
    EXPECT_EQ(events, 1);  // suspended meanwhile, then one reset
    EXPECT_EQ(resets, 1);

    // A filter that does not compile leaves nothing behind either.
    EXPECT_THROW(FilterScope(t, "ID = "), FtfError);
    EXPECT_FALSE(t.Filtered());
    EXPECT_FALSE(t.ControlsDisabled());

    // The fallback filter of one routine replaces the first inside the same scope.
    {
        FilterScope scope(t, "ID='C'", FilterOptions{true, false});
        EXPECT_EQ(t.RecordCount(), 0);
        scope.Reset("ID='a'");
        EXPECT_EQ(t.RecordCount(), 1);
    }
    EXPECT_FALSE(t.GetFilterOptions().caseInsensitive);
    EXPECT_EQ(t.RecordCount(), 3);
}

TEST(Table, StateGuardPutsFilterOrderAndRecordBack) {
    auto data = MakeData(CatalogSchema(), {Row({"A", "в"}), Row({"B", "б"}), Row({"C", "а"}), Row({"D", "г"})});
    Table t(data);
    t.Open();
    t.ApplyFilter("ID <> 'D'");
    t.SetIndexName("NameIndex");
    ASSERT_TRUE(t.Locate("ID", Value("B")));
    try {
        TableStateGuard guard(t);
        t.ClearFilter();
        t.SetIndexName("");
        t.Last();
        EXPECT_EQ(t.AsText("ID"), "D");
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(t.Filter(), "ID <> 'D'");
    EXPECT_TRUE(t.Filtered());
    EXPECT_EQ(t.IndexName(), "NameIndex");
    EXPECT_EQ(t.AsText("ID"), "B");
    EXPECT_EQ(Joined(ColumnTexts(t, "ID")), "C B A");
}

TEST(Table, DatasetsSeeEachOthersEdits) {
    auto data = MakeData(SideSchema(), {Row({"A", 1}), Row({"B", 1}), Row({"C", 1})});
    Table a(data), b(data);
    a.Open();
    b.Open();
    ASSERT_TRUE(b.Locate("ID", Value("B")));
    ASSERT_TRUE(a.Locate("ID", Value("B")));
    a.Delete();
    // b's current record is gone: the record now at its place becomes current.
    EXPECT_EQ(b.AsText("ID"), "C");
    EXPECT_EQ(b.RecordCount(), 2);
    a.Insert();
    a.Set("ID", "AA");
    a.Set("Side", 1);
    a.Post();
    EXPECT_EQ(Joined(ColumnTexts(b, "ID")), "A AA C");
    data->ClearRows();
    EXPECT_EQ(b.RecordCount(), 0);
    EXPECT_TRUE(b.Eof());
    // Rows loaded anew (a store reloading the table): the dataset rests on the first.
    data->LoadRow(Row({"Z", 1}));
    data->LoadRow(Row({"Y", 1}));
    EXPECT_FALSE(b.Eof());
    EXPECT_EQ(b.AsText("ID"), "Y");
}

TEST(Table, WriteTransactionTakesEditsBackUnlessCommitted) {
    auto data = MakeData(SideSchema(), {Row({"A", 1, 0}), Row({"B", 1, 0}), Row({"C", 1, 0})});
    RecordingBackend backend;
    data->SetBackend(&backend);
    Table t(data, "T_FrnSide");
    t.Open();
    ASSERT_TRUE(t.Locate("ID", Value("B")));
    const Bookmark b = t.GetBookmark();
    {
        WriteTransaction tx(&backend, {data.get()});
        t.Insert();
        t.Set("ID", "D");
        t.Set("Side", 1);
        t.Post();
        ASSERT_TRUE(t.Locate("ID", Value("A")));
        t.Edit();
        t.Set("HandleDirect", 5);
        t.Post();
        ASSERT_TRUE(t.GotoBookmark(b));
        t.Delete();
        EXPECT_EQ(Joined(ColumnTexts(t, "ID")), "A C D");
        // no Commit: leaving the scope rolls back
    }
    EXPECT_EQ(backend.log.front(), "begin");
    EXPECT_EQ(backend.log.back(), "rollback");
    EXPECT_EQ(Joined(ColumnTexts(t, "ID")), "A B C");
    ASSERT_TRUE(t.GotoBookmark(b));  // the deleted row is back under its old bookmark
    EXPECT_EQ(t.AsText("ID"), "B");
    ASSERT_TRUE(t.Locate("ID", Value("A")));
    EXPECT_EQ(t.AsInt("HandleDirect"), 0);

    {
        WriteTransaction tx(&backend, {data.get()});
        t.Insert();
        t.Set("ID", "E");
        t.Set("Side", 1);
        t.Post();
        tx.Commit();
    }
    EXPECT_EQ(backend.log.back(), "commit");
    EXPECT_EQ(Joined(ColumnTexts(t, "ID")), "A B C E");
}
