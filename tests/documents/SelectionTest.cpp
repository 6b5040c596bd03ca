#include "documents/Selection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "../common/TempDir.h"
#include "DocFixtures.h"
#include "common/Error.h"
#include "common/ScriptedPrompter.h"
#include "common/StoredPath.h"

using namespace ftf;
using namespace ftf::test;
using Kind = PromptCall::Kind;

namespace {

class SelectionFiles : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return (dir.Path() / name).string(); }
    std::string Put(const std::string& name, const Img& img) const {
        WriteBytes(File(name), img.bytes);
        return File(name);
    }
    TempDir dir;
    ScriptedPrompter prompter;
    ScopedPrompter guard{prompter};
};

// Orders on disk with positions carrying material lines, and a selection over them.
class SelectionOrders : public SelectionFiles {
protected:
    void SetUp() override {
        ordersDir = dir.Path() / "Orders";
        std::filesystem::create_directories(ordersDir);
        selection.SetOrdersDir(ordersDir.string());
        catalogue.prices = {{"A", 1.5L}, {"B", 2.0L}, {"C", 10.0L}};
    }

    static std::unique_ptr<TftfMatListItem> Line(const char* art, float qty) {
        auto l = std::make_unique<TftfMatListItem>();
        l->ArticleId = art;
        l->MatQuantity = qty;
        l->MatPrice = Money::FromUnits(100);  // stale: the selection prices anew
        return l;
    }

    /// Saves an order with positions "1" (qty 2: A×1 on sash 1, B×2 on sash 2) and "2" (qty 3:
    /// C×1, unticked).
    std::string SaveOrder(const std::string& fileName, const std::string& number) {
        TftfOrder order;
        order.OrderNo = number;
        auto& p1 = order.AddPosition();
        p1.PosNo = "1";
        p1.PosName = "Окно " + number;
        p1.Quantity = 2;
        p1.Sash1->Materials.push_back(Line("A", 1));
        p1.Sash2->Materials.push_back(Line("B", 2));
        auto& p2 = order.AddPosition();
        p2.PosNo = "2";
        p2.PosName = "Дверь";
        p2.Quantity = 3;
        p2.Checked = false;
        p2.Sash1->Materials.push_back(Line("C", 1));
        const std::string path = (ordersDir / fileName).string();
        EXPECT_TRUE(order.SaveToFile(path));
        return path;
    }

    TftfOrderSelectionItem& Entry(const std::string& file, const std::string& posNo) {
        TftfOrder order;
        bool converted = false;
        EXPECT_TRUE(order.LoadFromFile(file, converted));
        const TftfConstruction* p = order.FindPosition(posNo);
        EXPECT_NE(p, nullptr);
        // Appended as it stands, even twice: the tests below need repeated entries.
        TftfOrderSelectionItem& item = selection.AddItem();
        item.Checked = p->Checked;
        item.OrderNo = order.OrderNo;
        item.PosNo = p->PosNo;
        item.Quantity = p->Quantity;
        item.PosName = p->PosName;
        item.FileRef = StoredPathFor(file, selection.OrdersDir());
        return item;
    }

    std::filesystem::path ordersDir;
    TftfOrderSelection selection;
    FakeCatalogue catalogue;
    ScopedModelCatalogue catalogueGuard{catalogue};
};

}  // namespace

TEST_F(SelectionFiles, CurrentFileLoadsAndResavesByteExact) {
    const SelectionData d = RichSelection("06.10.2015");
    const std::string file = Put("s.ffs370", SelectionImage(d));
    TftfOrderSelection sel;
    bool converted = true;
    ASSERT_TRUE(sel.LoadFromFile(file, converted));
    EXPECT_FALSE(converted);
    EXPECT_TRUE(prompter.Calls().empty());
    EXPECT_EQ(sel.SelectionNo, "В-12");
    EXPECT_EQ(sel.SelName, "Выборка для цеха");
    EXPECT_EQ(sel.SelDate, 42283);
    EXPECT_EQ(sel.Reserved3, -1);
    ASSERT_EQ(sel.CurrencyCount(), 2);
    EXPECT_EQ(sel.CurrencyRate(1).Rate, 91.25f);
    EXPECT_EQ(sel.CurrencyId, 3);
    EXPECT_EQ(sel.PriceGroupNo, 2);
    EXPECT_FLOAT_EQ(sel.NDSTax, 18);
    EXPECT_EQ(sel.RoundMode, 1);
    EXPECT_EQ(sel.Notes, std::vector<std::string>{"примечание"});
    ASSERT_EQ(sel.Count(), 2);
    EXPECT_TRUE(sel.Items(0).Checked);
    EXPECT_FALSE(sel.Items(1).Checked);
    EXPECT_EQ(sel.Items(0).RebateWidth, 1187.5f);
    EXPECT_EQ(sel.Items(0).FileRef, "%З-1.FFO370");
    EXPECT_EQ(sel.Items(1).Owner, &sel);
    EXPECT_EQ(sel.CheckedCount(), 1);

    ASSERT_TRUE(sel.SaveToFile(file));
    const auto expected = SelectionImage(d).bytes;
    const auto actual = ReadBytes(file);
    EXPECT_EQ(actual, expected) << FirstDifference(actual, expected);
}

TEST_F(SelectionFiles, SignatureStampsAndConversion) {
    // An order file is not a selection: the signature message, nothing further read.
    TftfOrderSelection sel;
    sel.SelName = "before";
    bool converted = false;
    EXPECT_FALSE(sel.LoadFromFile(Put("o.ffo370", OrderImage(RichOrder("26.12.2019"))), converted));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{"Данный файл не является файлом Gravik Quadrino!"});
    EXPECT_EQ(sel.SelName, "before");
    EXPECT_EQ(sel.Signature, "Fentorn Furniture Selection File");

    // A newer stamp: the warning and no further reading.
    prompter.ClearCalls();
    EXPECT_FALSE(sel.LoadFromFile(Put("n.ffs370", SelectionImage(RichSelection("26.12.2019"))), converted));
    EXPECT_EQ(prompter.Texts(Kind::Warning),
              std::vector<std::string>{
                  "Вы пытаетесь открыть выборку, созданную более новой версией программы, чем "
                  "текущая.\r\nДанный модуль поддерживает файлы выборки\r\nверсии не старше: "
                  "06.10.2015!\r\nЗагружаемая версия: 26.12.2019"});
    EXPECT_EQ(sel.SelName, "before");

    // An older stamp: asked; Cancel stops, OK reads everything and saving writes the current stamp.
    const SelectionData old = RichSelection("10.12.2009");
    const std::string file = Put("old.ffs370", SelectionImage(old));
    const std::string question =
        "Необходимо конвертировать файл выборки!\r\nЗагружаемая версия: 10.12.2009\r\nТекущая версия: "
        "06.10.2015";
    prompter.ClearCalls();
    prompter.AnswerOk(false);
    EXPECT_FALSE(sel.LoadFromFile(file, converted));
    EXPECT_FALSE(converted);
    EXPECT_EQ(sel.SelName, "before");
    prompter.AnswerOk(true);
    ASSERT_TRUE(sel.LoadFromFile(file, converted));
    EXPECT_TRUE(converted);
    EXPECT_EQ(prompter.Texts(Kind::OkCancel), (std::vector<std::string>{question, question}));
    EXPECT_EQ(prompter.Calls().back().questionKind, QuestionKind::Reading);
    EXPECT_EQ(sel.Count(), 2);
    ASSERT_TRUE(sel.SaveToFile(file));
    SelectionData resaved = old;
    resaved.stamp = "06.10.2015";
    EXPECT_EQ(ReadBytes(file), SelectionImage(resaved).bytes);
}

TEST_F(SelectionFiles, TruncatedFilesAndFailedSaves) {
    const auto full = SelectionImage(RichSelection("06.10.2015")).bytes;
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        // A stamp cut to "06.10.2" reads as an older stamp and is offered for conversion.
        ScriptedPrompter cutPrompter;
        ScopedPrompter cutGuard(cutPrompter);
        cutPrompter.AnswerOk(true);
        WriteBytes(File("cut.ffs370"), std::vector<std::uint8_t>(full.begin(), full.begin() + cut));
        TftfOrderSelection sel;
        bool converted = false;
        ASSERT_FALSE(sel.LoadFromFile(File("cut.ffs370"), converted)) << cut;
        const auto errors = cutPrompter.Texts(Kind::Error);
        ASSERT_FALSE(errors.empty()) << cut;
        // Cut inside the signature text: the signature message; elsewhere: the load message.
        const bool inSignature = cut >= 4 && cut < 4 + 32;
        EXPECT_EQ(errors.back().rfind(inSignature ? "Данный файл" : "Ошибка загрузки выборки!\r\n(", 0), 0u)
            << cut << ": " << errors.back();
    }
    std::mt19937 rng(99);
    for (int i = 0; i < 200; ++i) {
        std::vector<std::uint8_t> junk(full.begin(), full.begin() + 4 + 32 + 4 + 10);  // valid head
        for (std::uint32_t n = rng() % 400; n > 0; --n) junk.push_back(static_cast<std::uint8_t>(rng()));
        TSpecStream s(junk);
        TftfOrderSelection sel;
        bool converted = false;
        EXPECT_THROW(sel.LoadFromStream(s, converted), SpecFormatError) << i;
    }

    const std::string file = Put("keep.ffs370", SelectionImage(RichSelection("06.10.2015")));
    const auto before = ReadBytes(file);
    TftfOrderSelection sel;
    bool converted = false;
    ASSERT_TRUE(sel.LoadFromFile(file, converted));
    sel.SelName = "\xE2\x82\xBF";  // not in the code page
    prompter.ClearCalls();
    EXPECT_FALSE(sel.SaveToFile(file));
    EXPECT_FALSE(sel.SaveToFile(file + "/x.ffs370"));
    EXPECT_EQ(ReadBytes(file), before);
    const auto errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 2u);
    for (const auto& e : errors) EXPECT_EQ(e.rfind("Ошибка сохранения выборки!\r\n(", 0), 0u) << e;
}

TEST_F(SelectionOrders, ReferencesAreRelativeToTheOrdersFolder) {
    const std::string a = SaveOrder("a1.ffo370", "A1");
    TftfOrderSelectionItem& inside = Entry(a, "1");
    EXPECT_EQ(inside.FileRef, "%A1.FFO370");
    EXPECT_EQ(inside.OrderNo, "A1");
    EXPECT_EQ(inside.Quantity, 2);

    std::filesystem::create_directories(dir.Path() / "elsewhere");
    TftfOrder order;
    const std::string outsideFile = (dir.Path() / "elsewhere" / "b.ffo370").string();
    auto& p = order.AddPosition();
    bool added = false;
    TftfOrderSelectionItem& outside = selection.Items(selection.PutOrderPosition(outsideFile, order, p, added));
    EXPECT_TRUE(added);
    EXPECT_EQ(outside.FileRef, ToStoredForm(outsideFile));
    EXPECT_EQ(selection.DecodedRef(outside), ToStoredForm(outsideFile));

    // The data folder moves: the relative reference follows it.
    const auto moved = dir.Path() / "Moved";
    std::filesystem::rename(ordersDir, moved);
    selection.SetOrdersDir(moved.string());
    EXPECT_EQ(selection.ResolvedFile(inside), (moved / "a1.ffo370").string());
    TLoadedPosition loaded = selection.LoadItemPosition(inside);
    ASSERT_TRUE(loaded.order);
    ASSERT_NE(loaded.position, nullptr);
    EXPECT_EQ(loaded.position->PosName, "Окно A1");
    EXPECT_EQ(TftfOrder::OfPosition(*loaded.position), loaded.order.get());

    // A missing file loads nothing and says nothing; a missing position gives the order alone.
    EXPECT_FALSE(selection.LoadItemPosition(outside).order);
    inside.PosNo = "9";
    loaded = selection.LoadItemPosition(inside);
    EXPECT_TRUE(loaded.order);
    EXPECT_EQ(loaded.position, nullptr);
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SelectionOrders, OrderNumbersListEachRunOfOneOrder) {
    const std::string a = SaveOrder("a.ffo370", "A");
    const std::string b = SaveOrder("b.ffo370", "B");
    Entry(a, "1");
    Entry(a, "2");
    Entry(b, "1");
    Entry(a, "1");
    EXPECT_EQ(selection.OrderNumbers(), "A,B,A");
    EXPECT_EQ(prompter.BusyDepth(), 0);
    EXPECT_GT(prompter.BusyBegins(), 0);
}

TEST_F(SelectionOrders, RefreshTakesTheOrdersValues) {
    const std::string a = SaveOrder("a.ffo370", "A");
    auto& e1 = Entry(a, "1");
    auto& e2 = Entry(a, "2");
    auto& gone = Entry(a, "1");
    e1.RebateWidth = 500;
    e1.RebateHeight = 600;
    e1.Quantity = 99;
    e1.PosNo = "1";
    e1.OrderNo = "old";
    e2.Checked = true;  // unticked in the order
    gone.PosNo = "7";   // no such position: left alone
    gone.RebateWidth = 5;

    selection.RefreshFromOrders(false);
    EXPECT_EQ(e1.OrderNo, "A");
    EXPECT_EQ(e1.Quantity, 2);
    EXPECT_EQ(e1.RebateWidth, 0);
    EXPECT_EQ(e1.RebateHeight, 0);
    EXPECT_TRUE(e2.Checked);
    EXPECT_EQ(gone.RebateWidth, 5);
    selection.RefreshFromOrders(true);
    EXPECT_FALSE(e2.Checked);
}

TEST_F(SelectionOrders, MaterialsMergeTickedEntriesByTheOrdersQuantityAndPriceAnew) {
    const std::string a = SaveOrder("a.ffo370", "A");
    const std::string b = SaveOrder("b.ffo370", "B");
    auto& ea = Entry(a, "1");
    ea.Quantity = 50;  // the stored quantity does not count
    auto& eb = Entry(b, "1");
    (void)eb;
    auto& ec = Entry(a, "2");
    ec.Checked = false;
    selection.AddItem().FileRef = "%MISSING.FFO370";

    TftfMatList list;
    list.push_back(Line("C", 1));
    selection.CollectMaterials(&list);
    selection.CollectMaterials(nullptr);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->ArticleId, "A");
    EXPECT_FLOAT_EQ(list[0]->MatQuantity, 4);   // 1 × 2 from each order
    EXPECT_EQ(list[0]->MatPrice, Money::FromReal(1.5L));
    EXPECT_EQ(list[0]->MatCost, Money::FromUnits(6));
    EXPECT_EQ(list[1]->ArticleId, "B");
    EXPECT_FLOAT_EQ(list[1]->MatQuantity, 8);
    EXPECT_EQ(list[1]->MatCost, Money::FromUnits(16));
    EXPECT_EQ(list[2]->ArticleId, "C");         // only the line that was there
    EXPECT_FLOAT_EQ(list[2]->MatQuantity, 1);
    EXPECT_EQ(list[2]->BasePrice, Money::FromUnits(10));

    // A damaged order: its own load message, its entries skipped.
    WriteBytes(b, {1, 2, 3});
    TftfMatList again;
    selection.CollectMaterials(&again);
    ASSERT_EQ(again.size(), 2u);  // order A's lines alone
    EXPECT_FLOAT_EQ(again[0]->MatQuantity, 2);
    EXPECT_FLOAT_EQ(again[1]->MatQuantity, 4);
    const auto errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Ошибка загрузки заказа!\r\n(", 0), 0u);
}

TEST(Selection, FindItemAndSorts) {
    TftfOrderSelection sel;
    struct Row {
        const char* order;
        const char* pos;
        const char* name;
        const char* ref;
    };
    const Row rows[] = {{"Б", "2", "x", "%B"}, {"а", "1", "y", "%A"}, {"А", "0", "x", "%C"}, {"Б", "1", "x", "%A"}};
    for (const Row& r : rows) {
        auto& e = sel.AddItem();
        e.OrderNo = r.order;
        e.PosNo = r.pos;
        e.PosName = r.name;
        e.FileRef = r.ref;
    }
    EXPECT_EQ(sel.FindItem("б", "1"), 3);
    EXPECT_EQ(sel.FindItem("А", "1"), 1);
    EXPECT_EQ(sel.FindItem("В", "1"), -1);

    auto keys = [&] {
        std::string s;
        for (int i = 0; i < sel.Count(); ++i) s += sel.Items(i).OrderNo + sel.Items(i).PosNo + " ";
        return s;
    };
    sel.SortByOrder();  // byte-wise: upper case before lower
    EXPECT_EQ(keys(), "А0 Б1 Б2 а1 ");
    sel.SortByPos();
    EXPECT_EQ(keys(), "А0 Б1 а1 Б2 ");
    sel.SortByName();
    EXPECT_EQ(keys(), "А0 Б1 Б2 а1 ");
    sel.SortByFile();
    EXPECT_EQ(keys(), "Б1 а1 Б2 А0 ");
    sel.DeleteItem(0);
    EXPECT_EQ(sel.Count(), 3);
}
