#include "model/MatList.h"

#include <gtest/gtest.h>

#include "common/Error.h"
#include "common/ScriptedPrompter.h"
#include "ConstructionFakes.h"

using namespace ftf;
using ftf::test::FakeCatalogue;
using ftf::test::Img;

namespace {

class MatList : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue.prices = {{"A", 2.5L}, {"a", 1}, {"B", 0.33336L}, {"C", 7}};
        catalogue.articleNames = {{"A", "Петля"}, {"a", "Анкер"}, {"B", "Zamok"}};
    }

    static std::unique_ptr<TftfMatListItem> Line(const std::string& article, float qty,
                                                 long double price) {
        auto line = std::make_unique<TftfMatListItem>();
        line->ArticleId = article;
        line->MatQuantity = qty;
        line->MatPrice = line->BasePrice = Money::FromReal(price);
        line->MatCost = line->MatPrice.MulRound(qty);
        return line;
    }

    FakeCatalogue catalogue;
    ScopedModelCatalogue catalogueGuard{catalogue};
    ScriptedPrompter prompter;
    ScopedPrompter prompterGuard{prompter};
};

}  // namespace

TEST_F(MatList, LinesFromItems) {
    struct Case {
        const char* article;
        float length;
        std::int32_t count;
        float quantity;
        Money price;
        Money cost;
    } cases[] = {
        {"A", 1250, 2, 2.5f, Money::FromReal(2.5L), Money::FromReal(6.25L)},
        {"A", 0, 3, 3, Money::FromReal(2.5L), Money::FromReal(7.5L)},
        {"A", -5, 3, 3, Money::FromReal(2.5L), Money::FromReal(7.5L)},
        // The price is rounded to four decimals and the cost comes from the rounded price.
        {"B", 0, 3, 3, Money::FromRaw(3334), Money::FromRaw(10002)},
    };
    for (const Case& c : cases) {
        auto line = TftfMatListItem::MakeFromItem(c.article, c.length, c.count);
        SCOPED_TRACE(std::string(c.article) + " " + std::to_string(c.length));
        EXPECT_EQ(line->ArticleId, c.article);
        EXPECT_EQ(line->MatQuantity, c.quantity);
        EXPECT_EQ(line->BasePrice, c.price);
        EXPECT_EQ(line->MatPrice, c.price);
        EXPECT_EQ(line->MatCost, c.cost);
        EXPECT_EQ(line->ReservedReal, 0);
        EXPECT_EQ(line->ReservedMoney, Money());
    }
    try {
        TftfMatListItem::MakeFromItem("NONE", 0, 1);
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()), FakeCatalogue::Missing("NONE"));
    }
}

TEST_F(MatList, MergeAddsQuantitiesByExactArticle) {
    TftfMatList list;
    MergeLine(list, *Line("A", 2, 2.5L), 1);
    MergeLine(list, *Line("A", 3, 9.99L), 2);  // the list line keeps its own price
    MergeLine(list, *Line("a", 1, 1), 4);       // letter case makes another article
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->MatQuantity, 8);
    EXPECT_EQ(list[0]->MatPrice, Money::FromReal(2.5L));
    EXPECT_EQ(list[0]->MatCost, Money::FromReal(20));
    EXPECT_EQ(list[1]->ArticleId, "a");
    EXPECT_EQ(list[1]->MatQuantity, 4);
    EXPECT_EQ(list[1]->MatCost, Money::FromReal(4));
    EXPECT_EQ(FindLine(list, "a"), list[1].get());
    EXPECT_EQ(FindLine(list, "X"), nullptr);
}

TEST_F(MatList, RefreshPricesTakesTheCurrentCatalogue) {
    TftfMatList list;
    list.push_back(Line("A", 2, 1));
    list.push_back(Line("C", 0.5f, 1));
    list.push_back(Line("NONE", 1, 1));
    RefreshPrices(nullptr);
    EXPECT_THROW(RefreshPrices(&list), FtfError);  // ends at the missing article
    EXPECT_EQ(list[0]->BasePrice, Money::FromReal(2.5L));
    EXPECT_EQ(list[0]->MatCost, Money::FromReal(5));
    EXPECT_EQ(list[1]->MatCost, Money::FromReal(3.5L));
    EXPECT_EQ(list[2]->MatPrice, Money::FromReal(1));
}

TEST_F(MatList, ComparatorsAndSorting) {
    TftfMatList list;
    for (const char* a : {"B", "a", "A"}) list.push_back(Line(a, 1, 1));
    SortMatList(list, CompareById);
    EXPECT_EQ(list[0]->ArticleId + list[1]->ArticleId + list[2]->ArticleId, "ABa");
    EXPECT_EQ(CompareById(*list[0], *list[2]), -1);
    EXPECT_EQ(CompareById(*list[2], *list[0]), 1);
    EXPECT_EQ(CompareById(*list[0], *list[0]), 0);

    // By name: "Zamok" (Latin) before "Анкер" before "Петля" in Windows-1251 order.
    SortMatList(list, CompareByName);
    EXPECT_EQ(list[0]->ArticleId + list[1]->ArticleId + list[2]->ArticleId, "BaA");

    // A missing article fails the sort and leaves every line in the list.
    list.push_back(Line("NONE", 1, 1));
    EXPECT_THROW(SortMatList(list, CompareByName), FtfError);
    ASSERT_EQ(list.size(), 4u);
    for (const auto& line : list) EXPECT_NE(line, nullptr);
}

TEST_F(MatList, RecordImageAndCarriedReservedValues) {
    auto line = Line("Пет-1", 2.5f, 1.25L);
    line->MatCost = Money::FromReal(3.125L);
    Img expected;
    expected.T("Пет-1").R(2.5).M(12500).R(0).M(0).M(12500).M(31250);
    EXPECT_EQ(test::Written(*line), expected.bytes);

    // Reserved values of a file come back byte for byte: a real a single cannot hold and money
    // stored with another type code.
    Img stored;
    stored.T("X").R(1).M(10000).R(0.1).Rec(5, 0x4000000000000000ull, 8).M(10000).M(10000);
    TSpecStream in = stored.Stream();
    TftfMatListItem read;
    read.LoadFromStream(in, "26.12.2019");
    EXPECT_EQ(read.ReservedReal, 0.1f);
    EXPECT_EQ(read.ReservedMoney, Money::FromReal(2));
    EXPECT_EQ(test::Written(read), stored.bytes);

    // A changed value is written fresh.
    read.ReservedMoney = Money::FromReal(3);
    Img changed;
    changed.T("X").R(1).M(10000).R(0.1).M(30000).M(10000).M(10000);
    EXPECT_EQ(test::Written(read), changed.bytes);
}

TEST_F(MatList, CopyLineReportsItsOwnError) {
    auto source = Line("A", 2, 2.5L);
    TftfMatListItem target;
    CopyLine(target, *source);
    EXPECT_EQ(test::Written(target), test::Written(*source));
    EXPECT_TRUE(prompter.Calls().empty());

    source->ArticleId = "中";
    std::string inner;
    try {
        TSpecStream s;
        WriteText(s, source->ArticleId);
    } catch (const FtfError& e) {
        inner = e.what();
    }
    TftfMatListItem other;
    CopyLine(other, *source);
    EXPECT_EQ(prompter.Texts(PromptCall::Kind::Error),
              std::vector<std::string>{"Ошибка копирования материала!\r\n(" + inner + ")"});
    EXPECT_EQ(other.ArticleId, "");
}
