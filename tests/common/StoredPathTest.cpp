#include "common/StoredPath.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"

using namespace ftf;
namespace fs = std::filesystem;

TEST(StoredPath, EncodeAndDecodeKeepTheOldForms) {
    struct Case { const char* base; const char* path; const char* encoded; } cases[] = {
        {"C:\\Srv\\Orders", "c:\\srv\\orders\\a.ffo370", "%A.FFO370"},
        {"C:\\Srv\\Orders\\", "c:\\srv\\orders\\Sub\\a.ffo370", "%SUB\\A.FFO370"},
        {"C:\\Srv\\Orders", "%a.ffo370", "%A.FFO370"},
        {"C:\\Srv\\Orders", "D:\\Other\\b.ffo370", "D:\\OTHER\\B.FFO370"},
        {"C:\\Srv\\Orders", "C:\\Srv\\Orders2\\b.ffo370", "C:\\SRV\\ORDERS2\\B.FFO370"},
        {"C:\\Srv\\Orders", "C:\\Srv\\Ordersb.ffo370", "C:\\SRV\\ORDERSB.FFO370"},
        {"C:\\Srv\\Заказы", "c:\\srv\\заказы\\ёлка.ffo370", "%ЁЛКА.FFO370"},
        {"/srv/orders", "/srv/orders/a.ffo370", "%A.FFO370"},
        {"/srv/orders", "/home/u/b.ffo370", "\\HOME\\U\\B.FFO370"},
        {"", "/srv/orders/a.ffo370", "\\SRV\\ORDERS\\A.FFO370"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeRelPath(c.base, c.path), c.encoded) << c.path;

    EXPECT_EQ(DecodeRelPath("C:\\Srv\\Orders", "%A.FFO370"), "C:\\SRV\\ORDERS\\A.FFO370");
    EXPECT_EQ(DecodeRelPath("C:\\Srv\\Orders", "d:\\other\\b.ffo370"), "D:\\OTHER\\B.FFO370");
    EXPECT_EQ(DecodeRelPath("/srv/orders", "%a.ffo370"), "\\SRV\\ORDERS\\A.FFO370");
    EXPECT_EQ(DecodeRelPath("", "%a.ffo370"), "%A.FFO370");
    for (const auto& c : cases) {
        if (c.base[0] == '\0') continue;
        EXPECT_EQ(EncodeRelPath(c.base, DecodeRelPath(c.base, c.encoded)), c.encoded) << c.encoded;
    }
}

TEST(StoredPath, StoredFormOfNativePaths) {
    EXPECT_EQ(StoredPathFor("/srv/orders/a.ffo370", "/srv/orders"), "%A.FFO370");
    EXPECT_EQ(StoredPathFor("/srv/orders/a.ffo370", "/srv/orders/"), "%A.FFO370");
    EXPECT_EQ(StoredPathFor("/srv/orders/./x/../Заказ 5.ffo370", "/srv//orders"), "%ЗАКАЗ 5.FFO370");
    EXPECT_EQ(StoredPathFor("/srv/orders2/a.ffo370", "/srv/orders"), "\\SRV\\ORDERS2\\A.FFO370");
    EXPECT_EQ(StoredPathFor("/srv/orders/a.ffo370", ""), "\\SRV\\ORDERS\\A.FFO370");
}

class ResolveStoredPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        orders = tmp.Path() / "Orders";
        a = tmp.Touch("Orders/a.Ffo370");
        nested = tmp.Touch("Orders/Sub Dir/Заказ 12.ffo370");
        tmp.Touch("Elsewhere/only-here.ffo370");
    }
    std::string Resolve(const std::string& stored) { return ResolveStoredPath(stored, orders.string()); }

    test::TempDir tmp;
    fs::path orders, a, nested;
};

TEST_F(ResolveStoredPathTest, MatchesEveryComponentWithoutRegardToCase) {
    EXPECT_EQ(Resolve("%A.FFO370"), a.string());
    EXPECT_EQ(Resolve("%SUB DIR\\ЗАКАЗ 12.FFO370"), nested.string());
    EXPECT_EQ(Resolve("SUB DIR\\ЗАКАЗ 12.FFO370"), nested.string());
    // A rooted stored form (a file outside the base) is found from the root.
    const std::string rooted = ToStoredForm((tmp.Path() / "Elsewhere/only-here.ffo370").string());
    EXPECT_EQ(Resolve(rooted), (tmp.Path() / "Elsewhere/only-here.ffo370").string());
}

TEST_F(ResolveStoredPathTest, WindowsPathsFallBackToTheExpectedFolder) {
    EXPECT_EQ(Resolve("C:\\FENTORN\\ORDERS\\A.FFO370"), a.string());
    EXPECT_EQ(Resolve("c:a.ffo370"), a.string());
    EXPECT_EQ(Resolve("\\\\SERVER\\SHARE\\A.FFO370"), a.string());
    // A rooted path that is gone falls back the same way when the file is in the folder.
    EXPECT_EQ(Resolve("\\NO\\SUCH\\FOLDER\\A.FFO370"), a.string());
}

TEST_F(ResolveStoredPathTest, MissingFilesKeepTheirStoredNames) {
    EXPECT_EQ(Resolve("%MISSING.FFO370"), (orders / "MISSING.FFO370").string());
    EXPECT_EQ(Resolve("%SUB DIR\\NONE\\X.FFO370"), (orders / "Sub Dir/NONE/X.FFO370").string());
    EXPECT_EQ(Resolve("C:\\OLD\\GONE.FFO370"), (orders / "GONE.FFO370").string());
    EXPECT_EQ(Resolve("\\NO\\SUCH\\GONE.FFO370"), "/NO/SUCH/GONE.FFO370");
    EXPECT_FALSE(fs::exists(Resolve("%MISSING.FFO370")));
}

TEST_F(ResolveStoredPathTest, ExactNameWinsThenTheFirstInOrder) {
    tmp.Touch("Orders/dup.txt");
    tmp.Touch("Orders/DUP.TXT");
    tmp.Touch("Orders/Dup.Txt");
    EXPECT_EQ(Resolve("%DUP.TXT"), (orders / "DUP.TXT").string());
    EXPECT_EQ(Resolve("%dup.txt"), (orders / "dup.txt").string());
    EXPECT_EQ(Resolve("%dUP.tXT"), (orders / "DUP.TXT").string());
}

TEST_F(ResolveStoredPathTest, StoringAndResolvingRoundTrips) {
    for (const fs::path& p : {a, nested}) {
        const std::string stored = StoredPathFor(p.string(), orders.string());
        EXPECT_EQ(stored[0], '%') << stored;
        EXPECT_EQ(Resolve(stored), p.string());
    }
    // The base decoded into a stored form (upper-cased) still resolves from the root.
    const std::string decoded = DecodeRelPath(orders.string(), StoredPathFor(nested.string(), orders.string()));
    EXPECT_EQ(ResolveStoredPath(decoded, ""), nested.string());
}
