#include "documents/Order.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "../common/TempDir.h"
#include "DocFixtures.h"
#include "common/Error.h"
#include "common/ScriptedPrompter.h"

using namespace ftf;
using namespace ftf::test;
using Kind = PromptCall::Kind;

namespace {

const char* kConvert =
    "Необходимо конвертировать файл заказа!\r\nЗагружаемая версия: %s\r\nТекущая версия: 26.12.2019";

std::string ConvertQuestion(const std::string& stamp) {
    std::string q = kConvert;
    return q.replace(q.find("%s"), 2, stamp);
}

class OrderFiles : public ::testing::Test {
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

}  // namespace

TEST(Order, NewOrderDefaults) {
    const OleDate before = Now();
    TftfOrder order;
    EXPECT_EQ(order.Signature, "Fentorn Furniture Order File");
    EXPECT_EQ(order.Version, "26.12.2019");
    EXPECT_TRUE(order.RegDateSet);
    EXPECT_EQ(order.RegDate, Today());
    EXPECT_GE(order.TimeStamp1, before);
    EXPECT_EQ(order.Count(), 0);
    EXPECT_EQ(order.FirstChecked(), nullptr);
}

TEST(Order, EmptyOrderImageEndsWithCountsIdAndNotes) {
    TftfOrder order;
    order.TimeStamp1 = 43825.5;
    order.TimeStamp2 = 43826.25;
    order.RegDate = 43825;
    order.CurrencyId = 4;
    order.Notes = {"x"};
    OrderData d;
    d.currencyId = 4;
    d.notes = "x\r\n";
    EXPECT_EQ(Written(order), OrderImage(d).bytes);
    // The tail: currency count 0, the currency id, the notes, position count 0.
    Img tail;
    tail.I(0).I(4).T("x\r\n").I(0);
    const auto bytes = Written(order);
    EXPECT_TRUE(std::equal(tail.bytes.rbegin(), tail.bytes.rend(), bytes.rbegin()));
}

TEST_F(OrderFiles, CurrentFileLoadsWithoutQuestionsAndResavesByteExact) {
    const OrderData d = RichOrder("26.12.2019");
    const std::string file = Put("a.ffo370", OrderImage(d));
    TftfOrder order;
    bool converted = true;
    ASSERT_TRUE(order.LoadFromFile(file, converted));
    EXPECT_FALSE(converted);
    EXPECT_TRUE(prompter.Calls().empty());

    EXPECT_EQ(order.Reserved1, 7);
    EXPECT_EQ(order.Reserved3, 123456);
    EXPECT_EQ(order.TimeStamp2, 43826.25);
    EXPECT_EQ(order.OrderNo, "З-17/2019");
    EXPECT_EQ(order.Remark, "срочно");
    EXPECT_EQ(order.Handle, "HANDLE-1");
    EXPECT_EQ(order.InnerProfColor, "WHITE");
    EXPECT_EQ(order.FalzType, 11);
    EXPECT_EQ(order.OpenType, 14);
    EXPECT_EQ(order.PriceGroupNo, 3);
    EXPECT_FLOAT_EQ(order.NDSTax, 20);
    EXPECT_TRUE(order.GetTotalNDS);
    ASSERT_EQ(order.CurrencyCount(), 2);
    EXPECT_EQ(order.CurrencyRate(1).Rate, 0.0125f);
    EXPECT_EQ(order.Notes, (std::vector<std::string>{"первая строка", "вторая"}));
    ASSERT_EQ(order.Count(), 2);
    const TftfConstruction& p = order.Positions(0);
    EXPECT_EQ(p.PosName, "Окно кухня");
    ASSERT_TRUE(p.Sash1->FurnComp);
    EXPECT_EQ(p.Sash1->FurnComp->Item(0).History, "история");
    EXPECT_EQ(p.Sash1->Dornmass, 15);
    EXPECT_EQ(p.Sash1->Materials.size(), 2u);
    EXPECT_EQ(TftfOrder::OfPosition(p), &order);

    ASSERT_TRUE(order.SaveToFile(file));
    const auto expected = OrderImage(d).bytes;
    const auto actual = ReadBytes(file);
    EXPECT_EQ(actual, expected) << FirstDifference(actual, expected);
}

TEST_F(OrderFiles, OddReservedRecordsAreCarriedThrough) {
    // A reserved integer stored as a byte record comes back as the same record.
    Img img;
    img.T("sig").T("26.12.2019").Y(9).I(0);
    Date(img, 1);
    Date(img, 2);
    img.Rec(3, 0xFFFFFFFF, 4);
    for (int i = 0; i < 7; ++i) img.T("");
    Date(img, 3);
    img.B(true);
    for (int i = 0; i < 6; ++i) img.T("");
    img.I(0).I(0).I(0).I(0).I(0).R(0).B(false).B(false).I(0).I(0).T("").I(0);
    TSpecStream s = img.Stream();
    TftfOrder order;
    bool converted = false;
    ASSERT_TRUE(order.LoadFromStream(s, converted));
    EXPECT_EQ(order.Reserved1, 9);
    EXPECT_EQ(order.Reserved3, -1);
    EXPECT_EQ(order.Signature, "sig");
    EXPECT_EQ(Written(order), img.bytes);
}

// Every older stamp asks the conversion question; on OK the whole order is read and saving writes
// the current layout; the stamps compare by the stamp formula, not the calendar.
TEST_F(OrderFiles, OlderStampsConvertAndResaveInTheCurrentLayout) {
    for (std::string stamp : {"23.07.2019", "03.03.2019", "06.10.2015", "10.12.2009", "05.05.2005",
                              "01.01.2020"}) {
        SCOPED_TRACE(stamp);
        prompter.ClearCalls();
        const OrderData d = RichOrder(stamp);
        const std::string file = Put("old.ffo370", OrderImage(d));
        TftfOrder order;
        order.FalzType = 77;  // a file before 10.12.2009 leaves the four codes as they were
        prompter.AnswerOk(true);
        bool converted = false;
        ASSERT_TRUE(order.LoadFromFile(file, converted));
        EXPECT_TRUE(converted);
        ASSERT_EQ(prompter.Calls().size(), 1u);
        EXPECT_EQ(prompter.Calls()[0].kind, Kind::OkCancel);
        EXPECT_EQ(prompter.Calls()[0].text, ConvertQuestion(stamp));
        EXPECT_EQ(prompter.Calls()[0].questionKind, QuestionKind::Reading);
        const bool legacy = VersionBefore(stamp, "10.12.2009");
        EXPECT_EQ(order.FalzType, legacy ? 77 : 11);
        EXPECT_EQ(order.LegacyText1, legacy ? "старый текст 1" : "");
        EXPECT_EQ(order.PriceGroupNo, 3);
        ASSERT_EQ(order.Count(), 2);
        EXPECT_EQ(order.Positions(1).Sash2->Dornmass, 15);

        order.FalzType = legacy ? 0 : order.FalzType;
        const auto expected = OrderImage(Converted(d)).bytes;
        EXPECT_EQ(Written(order), expected) << "the stream image carries the current stamp too";
        ASSERT_TRUE(order.SaveToFile(file));
        EXPECT_EQ(order.Version, "26.12.2019");
        const auto actual = ReadBytes(file);
        EXPECT_EQ(actual, expected) << FirstDifference(actual, expected);
    }
}

TEST_F(OrderFiles, DeclinedConversionAndNewerStampStopAfterTheHeader) {
    const std::string old = Put("old.ffo370", OrderImage(RichOrder("23.07.2019")));
    TftfOrder order;
    bool converted = true;
    prompter.AnswerOk(false);
    EXPECT_FALSE(order.LoadFromFile(old, converted));
    EXPECT_FALSE(converted);
    EXPECT_EQ(order.Version, "23.07.2019");
    EXPECT_EQ(order.Reserved3, 123456);
    EXPECT_EQ(order.OrderNo, "");
    EXPECT_EQ(order.Count(), 0);

    for (std::string stamp : {"27.12.2019", "31.12.2019", "01.01.2021"}) {
        prompter.ClearCalls();
        OrderData d = RichOrder("26.12.2019");
        d.stamp = stamp;
        const std::string newer = Put("new.ffo370", OrderImage(d));
        TftfOrder o;
        EXPECT_FALSE(o.LoadFromFile(newer, converted)) << stamp;
        EXPECT_FALSE(converted);
        EXPECT_EQ(o.OrderNo, "");
        EXPECT_EQ(prompter.Texts(Kind::Warning),
                  std::vector<std::string>{
                      "Вы пытаетесь открыть заказ, созданный более новой версией программы, чем "
                      "текущая.\r\nДанный модуль технолога поддерживает файлы заказа\r\nверсии не "
                      "старше: 26.12.2019!\r\nЗагружаемая версия: " + stamp});
    }
}

TEST_F(OrderFiles, AStampThatIsNotADateIsALoadError) {
    Img img = OrderImage(OrderData{});
    const std::string bad = "ab.cd.efgh";  // as long as a stamp, in place of the stamp's bytes
    std::copy(bad.begin(), bad.end(), img.bytes.begin() + 4 + 28 + 4);
    TftfOrder order;
    bool converted = false;
    EXPECT_FALSE(order.LoadFromFile(Put("x.ffo370", img), converted));
    EXPECT_EQ(order.Version, bad);
    const auto errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Ошибка загрузки заказа!\r\n(", 0), 0u) << errors[0];
}

// Every cut of a valid file fails with the load message; random data never crashes and never
// passes silently.
TEST_F(OrderFiles, TruncatedAndRandomFilesFailWithTheLoadMessage) {
    const auto full = OrderImage(RichOrder("26.12.2019")).bytes;
    for (std::size_t cut = 0; cut < full.size(); cut += (cut < 200 ? 1 : 7)) {
        prompter.ClearCalls();
        TSpecStream s(std::vector<std::uint8_t>(full.begin(), full.begin() + cut));
        WriteBytes(File("cut.ffo370"), s.Bytes());
        TftfOrder order;
        bool converted = false;
        ASSERT_FALSE(order.LoadFromFile(File("cut.ffo370"), converted)) << cut;
        const auto errors = prompter.Texts(Kind::Error);
        ASSERT_FALSE(errors.empty()) << cut;
        EXPECT_EQ(errors.back().rfind("Ошибка загрузки заказа!\r\n(", 0), 0u) << cut;
    }
    std::mt19937 rng(1234);
    for (int i = 0; i < 300; ++i) {
        prompter.ClearCalls();
        std::vector<std::uint8_t> junk(rng() % 600);
        for (auto& b : junk) b = static_cast<std::uint8_t>(rng());
        if (i % 3 == 0) {  // a plausible header in front makes the parser go deeper
            auto head = OrderImage(RichOrder("26.12.2019")).bytes;
            head.resize(head.size() / 2);
            junk.insert(junk.begin(), head.begin(), head.end());
        }
        TSpecStream s(junk);
        TftfOrder order;
        bool converted = false;
        bool ok = false;
        try {
            ok = order.LoadFromStream(s, converted);
        } catch (const SpecFormatError&) {
        } catch (const FtfError&) {
        }
        EXPECT_FALSE(ok) << i;  // junk breaks a record long before the end
    }
}

TEST_F(OrderFiles, MissingFileThrowsAndMaterialIsNotStored) {
    TftfOrder order;
    bool converted = false;
    EXPECT_THROW(order.LoadFromFile(File("none.ffo370"), converted), FtfError);

    order.Material = 5;
    ASSERT_TRUE(order.SaveToFile(File("m.ffo370")));
    TftfOrder again;
    ASSERT_TRUE(again.LoadFromFile(File("m.ffo370"), converted));
    EXPECT_EQ(again.Material, 0);
}

TEST_F(OrderFiles, FailedSavesLeaveTheOldFileIntact) {
    const std::string file = Put("keep.ffo370", OrderImage(RichOrder("26.12.2019")));
    const auto before = ReadBytes(file);
    TftfOrder order;
    bool converted = false;
    ASSERT_TRUE(order.LoadFromFile(file, converted));
    for (int i = 0; i < 200; ++i) order.AddPosition().PosNo = std::to_string(i);

    // The disk fills up while the new image is written: the file size limit stops the write.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = order.SaveToFile(file);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(file), before);

    // A text the code page cannot hold fails while the image is built.
    order.Customer = "Ω-клиент \xF0\x9F\x98\x80";
    EXPECT_FALSE(order.SaveToFile(file));
    EXPECT_EQ(ReadBytes(file), before);

    // A folder that cannot exist.
    EXPECT_FALSE(order.SaveToFile(file + "/below.ffo370"));

    const auto errors = prompter.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 3u);
    for (const auto& e : errors) EXPECT_EQ(e.rfind("Ошибка сохранения заказа!\r\n(", 0), 0u) << e;
    std::size_t files = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir.Path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << "no temporary file stays behind";
}

TEST(Order, TotalsCountTickedPositionsOnly) {
    struct Case {
        bool total;
        float rate;
        std::int64_t unitRaw;
        std::int32_t qty;
        std::int64_t sumRaw, ndsRaw;
    };
    const Case cases[] = {
        {false, 20, 1000000, 1, 1000000, 0},  // no VAT on top, whatever the rate
        {true, 20, 1000000, 1, 1000000, 200000},
        {true, 18, 5, 1, 5, 1},               // 0.00009 rounds to 0.0001 (ties even: 0.9 → 1)
        {true, 10, 25, 1, 25, 2},             // 2.5 ten-thousandths → 2 (ties to even)
        {true, 10, 35, 1, 35, 4},             // 3.5 → 4
    };
    for (const Case& c : cases) {
        TftfOrder order;
        order.GetTotalNDS = c.total;
        order.NDSTax = c.rate;
        auto& p = order.AddPosition();
        p.Quantity = c.qty;
        p.Price = Money::FromRaw(c.unitRaw);
        auto& off = order.AddPosition();
        off.Checked = false;
        off.Quantity = 10;
        off.Price = Money::FromUnits(1000);
        EXPECT_EQ(order.TotalSum().Raw(), c.sumRaw);
        EXPECT_EQ(order.NDSSum().Raw(), c.ndsRaw) << c.unitRaw;
        EXPECT_EQ(order.GrandTotal().Raw(), c.sumRaw + c.ndsRaw);
    }
}

TEST(Order, CheckedIterationFindSortAndDelete) {
    TftfOrder order;
    const char* numbers[] = {"б2", "Ё1", "а1", "я3"};
    const bool ticks[] = {false, true, false, true};
    for (int i = 0; i < 4; ++i) {
        auto& p = order.AddPosition();
        p.PosNo = numbers[i];
        p.PosName = std::string("N") + std::to_string(3 - i);
        p.Checked = ticks[i];
    }
    EXPECT_EQ(order.CheckedCount(), 2);
    EXPECT_EQ(order.FirstChecked()->PosNo, "Ё1");
    EXPECT_EQ(order.NextChecked()->PosNo, "я3");
    EXPECT_EQ(order.NextChecked(), nullptr);
    EXPECT_EQ(order.NextChecked(), nullptr);

    EXPECT_EQ(order.FindPosition("А1"), &order.Positions(2));  // letter case ignored, Cyrillic too
    EXPECT_EQ(order.FindPosition("ё1"), &order.Positions(1));
    EXPECT_EQ(order.FindPosition("9"), nullptr);

    order.SortByNumber();  // Windows-1251 bytes: Ё (A8) before а (E0) before б before я
    std::vector<std::string> sorted;
    for (int i = 0; i < order.Count(); ++i) sorted.push_back(order.Positions(i).PosNo);
    EXPECT_EQ(sorted, (std::vector<std::string>{"Ё1", "а1", "б2", "я3"}));
    order.SortByName();
    EXPECT_EQ(order.Positions(0).PosName, "N0");

    order.DeletePosition(0);
    order.DeletePosition(9);
    EXPECT_EQ(order.Count(), 3);
}

TEST(Order, PositionsSeeTheOrderColoursAndMaterialsMerge) {
    TftfOrder order;
    order.InnerProfColor = "IN";
    order.OuterProfColor = "OUT";
    auto& p = order.AddPosition();
    ASSERT_NE(p.Order, nullptr);
    EXPECT_EQ(p.Order->InnerProfColor(), "IN");
    EXPECT_EQ(p.Order->OuterProfColor(), "OUT");
    TftfConstruction loose;
    EXPECT_EQ(TftfOrder::OfPosition(loose), nullptr);

    auto line = [](const char* art, float q, std::int64_t price) {
        auto l = std::make_unique<TftfMatListItem>();
        l->ArticleId = art;
        l->MatQuantity = q;
        l->MatPrice = Money::FromRaw(price);
        return l;
    };
    p.Quantity = 1;
    p.Sash1->Materials.push_back(line("A", 2, 10000));
    auto& q = order.AddPosition();
    q.Quantity = 2;
    q.Sash2->Materials.push_back(line("A", 3, 10000));
    q.Sash2->Materials.push_back(line("a", 1, 10000));
    auto& off = order.AddPosition();
    off.Checked = false;
    off.Quantity = 5;
    off.Sash1->Materials.push_back(line("A", 100, 10000));

    TftfMatList list;
    order.CollectMaterials(&list);
    order.CollectMaterials(nullptr);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FLOAT_EQ(list[0]->MatQuantity, 8);
    EXPECT_EQ(list[0]->MatCost, Money::FromUnits(8));
    EXPECT_EQ(list[1]->ArticleId, "a");
    EXPECT_FLOAT_EQ(list[1]->MatQuantity, 2);
}
