// The SQLite store on its own: two connections writing the register at once, transactions that
// roll back, loading a catalogue from SQL, the cache folder of a catalogue.

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "StorageFixture.h"
#include "catalogue/SqliteStore.h"
#include "catalogue/TableData.h"
#include "common/Error.h"

using namespace ftf;

namespace {

const StoredTableDef& Register() { return *FindTableDef("OrderLst.DB"); }

RowValues OrderRow(const TableData& t, const std::string& no) {
    RowValues r(static_cast<std::size_t>(t.FieldCount()));
    r[static_cast<std::size_t>(t.FindField("No"))] = Value(no);
    r[static_cast<std::size_t>(t.FindField("Customer"))] = Value("Заказчик " + no);
    return r;
}

std::size_t StoredRows(const std::string& folder, const StoredTableDef& def) {
    SqliteStore s(folder, def.alias);
    TableData t(def.view);
    s.ReadTable(def, t);
    return t.RowCount();
}

}  // namespace

TEST(StorageRegister, TwoConnectionsWritingAtOnceLoseNoRow) {
    test::StorageDir dir;
    const std::string reg = dir.Sub("Registry");
    SqliteStore a(reg, DbAlias::Registry);
    SqliteStore b(reg, DbAlias::Registry);
    TableData ta(Register().view), tb(Register().view);
    a.ReadTable(Register(), ta);
    b.ReadTable(Register(), tb);
    ta.SetBackend(&a.Backend());
    tb.SetBackend(&b.Backend());

    constexpr int kEach = 60;
    auto writer = [](TableData* t, const char* prefix) {
        for (int i = 0; i < kEach; ++i) t->InsertRow(OrderRow(*t, prefix + std::to_string(i)));
    };
    std::thread ja(writer, &ta, "A-");
    std::thread jb(writer, &tb, "B-");
    ja.join();
    jb.join();
    EXPECT_EQ(StoredRows(reg, Register()), 2u * kEach);

    // A number the other connection registered meanwhile is refused by the store itself,
    // although this connection's rows in memory do not hold it.
    EXPECT_THROW(tb.InsertRow(OrderRow(tb, "A-0")), FtfError);
    EXPECT_EQ(tb.RowCount(), static_cast<std::size_t>(kEach));
    EXPECT_EQ(StoredRows(reg, Register()), 2u * kEach);

    // An edit of a row the other connection deleted meanwhile is reported, not lost silently.
    const RowId victim = ta.IndexOrder(0).front();
    const RowValues before = ta.ReadRow(victim);
    b.ReadTable(Register(), tb);
    tb.DeleteRow(tb.IndexOrder(0).front());
    RowValues after = before;
    after[static_cast<std::size_t>(ta.FindField("Note"))] = Value("правка");
    EXPECT_THROW(ta.UpdateRow(victim, after), FtfError);
    EXPECT_EQ(StoredRows(reg, Register()), 2u * kEach - 1);
}

TEST(StorageRegister, TransactionRollsBackEveryWriteSinceItsBegin) {
    test::StorageDir dir;
    const std::string reg = dir.Sub("Registry");
    {
        SqliteStore s(reg, DbAlias::Registry);
        TableData t(Register().view);
        s.ReadTable(Register(), t);
        t.SetBackend(&s.Backend());
        t.InsertRow(OrderRow(t, "1"));
        {
            BackendTransaction tx(&s.Backend());
            t.InsertRow(OrderRow(t, "2"));
            t.InsertRow(OrderRow(t, "3"));
        }  // not committed
        BackendTransaction tx(&s.Backend());
        t.InsertRow(OrderRow(t, "4"));
        tx.Commit();
    }
    SqliteStore s(reg, DbAlias::Registry);
    TableData t(Register().view);
    s.ReadTable(Register(), t);
    std::vector<std::string> nos;
    for (RowId r : t.IndexOrder(0)) nos.push_back(t.GetValue(r, t.FindField("No")).AsText());
    EXPECT_EQ(nos, (std::vector<std::string>{"1", "4"}));
}

TEST(StorageSql, LoadsInsertStatementsAndRefusesAnythingElse) {
    test::StorageDir dir;
    const std::string cat = dir.Sub("Catalog");
    const std::string sql = dir.Str() + "/catalogue.sql";
    std::ofstream(sql) << "-- demo\n"
                          "INSERT INTO \"COLORSET\" (\"Color\",\"Name\") VALUES ('01','Белый');\n"
                          "INSERT INTO \"COLORSET\" (\"Color\",\"Name\") VALUES ('02','It''s brown');\n"
                          "INSERT INTO \"Catalog\" (\"ID\",\"Name\",\"Price\",\"GOST\") VALUES ('A1','Петля',12.3456,'ГОСТ');\n";
    {
        SqliteStore s(cat, DbAlias::Catalog);
        EXPECT_EQ(s.LoadSqlFile(sql), 3);
        EXPECT_EQ(s.LoadSqlFile(sql), 3);  // loading again replaces, it does not add
    }
    SqliteStore s(cat, DbAlias::Catalog);
    const StoredTableDef& colors = *FindTableDef("COLORSET");
    TableData t(colors.view);
    s.ReadTable(colors, t);
    ASSERT_EQ(t.RowCount(), 2u);
    EXPECT_EQ(t.GetValue(t.IndexOrder(0)[1], 1).AsText(), "It's brown");
    const StoredTableDef& catalog = *FindTableDef("Catalog.DB");
    TableData c(catalog.view);
    s.ReadTable(catalog, c);
    EXPECT_EQ(c.GetValue(0, c.FindField("Price")).AsMoney().Raw(), 123456);
    EXPECT_TRUE(s.HasTable(*FindTableDef("FrnSet.DB")));  // every catalogue table exists after a load

    struct Case { const char* name; const char* text; };
    const Case bad[] = {
        {"not an insert", "DELETE FROM \"COLORSET\";\n"},
        {"unknown table", "INSERT INTO \"Nothing\" (\"A\") VALUES (1);\n"},
        {"register table", "INSERT INTO \"OrderLst\" (\"No\") VALUES ('1');\n"},
        {"unknown column", "INSERT INTO \"COLORSET\" (\"Colour\") VALUES ('1');\n"},
        {"broken text", "INSERT INTO \"COLORSET\" (\"Color\") VALUES ('1);\n"},
    };
    for (const auto& b : bad) {
        std::ofstream(sql, std::ios::trunc) << "INSERT INTO \"COLORSET\" (\"Color\",\"Name\") VALUES ('09','x');\n" << b.text;
        EXPECT_THROW(s.LoadSqlFile(sql), FtfError) << b.name;
        s.ReadTable(colors, t);
        EXPECT_EQ(t.RowCount(), 2u) << b.name;  // rolled back: the table as before
    }
}

TEST(StorageCatalog, CacheLocationDependsOnTheFolderOnly) {
    const std::string a = SqliteStore::CacheLocationFor("/srv/catalog");
    EXPECT_EQ(a, SqliteStore::CacheLocationFor("/srv/catalog"));
    EXPECT_NE(a, SqliteStore::CacheLocationFor("/srv/catalog2"));
    EXPECT_NE(a.find("/fentorn/catalog/"), std::string::npos);
}

TEST(StorageCatalog, MissingFolderIsAnError) {
    test::StorageDir dir;
    EXPECT_THROW(SqliteStore(dir.Str() + "/none", DbAlias::Catalog), FtfError);
    test::StorageDir other;
    const std::string file = other.Str() + "/plain";
    std::ofstream(file) << "x";
    EXPECT_THROW(SqliteStore(file + "/sub", DbAlias::Registry), FtfError);
}
