#include "model/FurnComp.h"

#include <gtest/gtest.h>

#include "common/Error.h"
#include "ConstructionFakes.h"
#include "model/Construction.h"

using namespace ftf;
using ftf::test::FakeCatalogue;
using ftf::test::FakeEngine;

namespace {

class FurnComp : public ::testing::Test {
protected:
    void SetUp() override {
        TFigure f;
        f.B = 1000;
        f.H = 1400;
        pos.BuildContours(f, 0);
        sash = pos.Sash1.get();
        sash->FurnComp = std::make_unique<TftfFurnComp>(sash);
        set = sash->FurnComp.get();
    }

    std::vector<std::string> Articles() const {
        std::vector<std::string> out;
        for (const auto& item : set->Items) out.push_back(item->ArticleId);
        return out;
    }

    FakeCatalogue catalogue;
    FakeEngine engine;
    ScopedModelCatalogue catalogueGuard{catalogue};
    ScopedFurnEngine engineGuard{engine};
    TftfConstruction pos;
    TftfFlugel* sash = nullptr;
    TftfFurnComp* set = nullptr;
};

}  // namespace

TEST_F(FurnComp, NewAndClearedSetsHoldTheirDefaults) {
    auto check = [](const TftfFurnComp& s) {
        EXPECT_TRUE(s.FurnSys.empty() && s.Complect.empty() && s.HandleId.empty() && s.Latch.empty());
        EXPECT_EQ(s.ComplectImage, -1);
        EXPECT_EQ(s.HandleImage, -1);
        EXPECT_EQ(s.HingeImage, -1);
        EXPECT_EQ(s.DriveImage, -1);
        EXPECT_EQ(s.Reserved4, -1);
        EXPECT_EQ(s.HandleColor, 0);
        EXPECT_EQ(s.Reserved5, 0);
        EXPECT_EQ(s.HandleHeightValue, 0);
        EXPECT_FALSE(s.UserHandleHeight);
        EXPECT_TRUE(s.Properties.empty() && s.ExtraComplects.empty() && s.Items.empty());
    };
    check(*set);
    set->FurnSys = "100";
    set->Complect = "K";
    set->ComplectImage = 3;
    set->Reserved4 = 9;
    set->Reserved5 = 9;
    set->HandleColor = 5;
    set->HandleHeightValue = 1000;
    set->UserHandleHeight = true;
    set->Properties = {"0=12"};
    set->ExtraComplects = {"X"};
    set->AddItem("A", "", "", false, 0, "", 1, 0);
    set->Clear();
    check(*set);
}

TEST_F(FurnComp, AddItemMergesByKeyUnlessSeparate) {
    set->AddItem("A", "K", "first", false, 0, "c", 2, 1);
    set->AddItem("A", "K", "second", false, 0, "c", 3, 1);
    ASSERT_EQ(set->Count(), 1);
    EXPECT_EQ(set->Item(0).ItemCount, 5);
    EXPECT_EQ(set->Item(0).History, "");  // merged items keep no history
    EXPECT_EQ(set->Item(0).Owner, set);

    // Every part of the key separates: parent, comment, length, side.
    set->AddItem("A", "K2", "", false, 0, "c", 1, 1);
    set->AddItem("A", "K", "", false, 0, "d", 1, 1);
    set->AddItem("A", "K", "", false, 10, "c", 1, 1);
    set->AddItem("A", "K", "", false, 0, "c", 1, 2);
    EXPECT_EQ(set->Count(), 5);
    EXPECT_EQ(set->FindItem("A", "K", "c", 10, 1), 3);
    EXPECT_EQ(set->FindItem("A", "K", "c", 11, 1), -1);
    EXPECT_EQ(set->FindItemById("A"), 0);
    EXPECT_EQ(set->FindItemById("a"), -1);

    set->ClearItems();
    set->AddItem("B", "K", "h1", true, 0, "", 2, 0);
    set->AddItem("B", "K", "h2", true, 0, "", 3, 0);
    ASSERT_EQ(set->Count(), 2);
    EXPECT_EQ(set->Item(0).History, "h1");
    EXPECT_EQ(set->Item(1).History, "h2");
    EXPECT_EQ(set->Item(1).ItemCount, 3);
}

TEST_F(FurnComp, AddItemIgnoresEmptyZeroAndVirtualArticles) {
    catalogue.virtualArticles = {"V"};
    set->AddItem("", "K", "", false, 0, "", 1, 0);
    set->AddItem("A", "K", "", false, 0, "", 0, 0);
    set->AddItem("V", "K", "", true, 0, "", 4, 0);
    EXPECT_EQ(set->Count(), 0);
}

TEST_F(FurnComp, ItemSetAndClear) {
    TftfFurnItem item;
    item.Set("A", "K", "h", 12.5f, "c", 3, 2);
    item.Extra1 = 7;
    item.Set("A", "K", "h", 12.5f, "c", 3, 2);
    EXPECT_EQ(item.Extra1, 0);
    EXPECT_EQ(item.Length, 12.5f);
    EXPECT_EQ(item.SideNo, 2);
    item.Set("A", "K", "h", 12.5f, "c", 0, 2);  // count 0 empties the item
    EXPECT_EQ(item.ArticleId, "");
    EXPECT_EQ(item.ParentComplect, "");
    EXPECT_EQ(item.Length, 0);
    EXPECT_EQ(item.SideNo, 0);
    item.AddCount(4);
    EXPECT_EQ(item.ItemCount, 4);
}

TEST_F(FurnComp, CalculateDropsEmptyItemsAndSortsByCodePage) {
    engine.run = [](TftfFurnComp& s) {
        for (const char* a : {"я", "b", "Z", "A", "Я", "a", "0"})
            s.AddItem(a, "", "", false, 0, "", 1, 0);
        s.AddItem("gone", "", "", false, 0, "", 2, 0);
        s.Item(s.FindItemById("gone")).AddCount(-2);
    };
    set->AddItem("old", "", "", false, 0, "", 1, 0);
    set->Calculate();
    // Windows-1251 order: digits, Latin capitals, Latin small letters, Cyrillic capitals, small.
    EXPECT_EQ(Articles(), (std::vector<std::string>{"0", "A", "Z", "a", "b", "Я", "я"}));

    engine.run = [](TftfFurnComp& s) {
        s.AddItem("A", "", "", false, 0, "", 1, 0);
        throw FtfError("Ошибка расчёта");
    };
    EXPECT_THROW(set->Calculate(), FtfError);
    EXPECT_EQ(set->Count(), 0);
}

TEST_F(FurnComp, CompareItemsById) {
    TftfFurnItem a, b;
    a.ArticleId = "A-1";
    b.ArticleId = "a-1";
    EXPECT_LT(CompareItemsById(a, b), 0);
    EXPECT_GT(CompareItemsById(b, a), 0);
    b.ArticleId = "A-1";
    EXPECT_EQ(CompareItemsById(a, b), 0);
}

TEST_F(FurnComp, BindSidesMarksSidesFromTheSideTable) {
    catalogue.images = {{"K", 0}, {"HND", 7}, {"DRV", 9}, {"HNG", 11}};
    catalogue.screenColors = {{"HND", 255}, {"DRV", 65280}, {"HNG", 123}, {"K", 42}};
    // Side 1 (left, 1400 mm): handle, mark pointing at side 3; side 4: hinges, driven;
    // side 9 does not exist and is skipped.
    catalogue.sides["K"] = {{1, 1, 3, 1, 0, 0}, {4, 0, 2, 0, 1, 1}, {9, 1, 1, 1, 1, 1}};
    catalogue.handleDirect[{"K", 1}] = 1;

    TSashBuffer b;
    b.Complect = "K";
    b.Handle = "HND";
    b.Drive = "DRV";
    set->Change(b);
    EXPECT_EQ(set->HandleColor, 255);
    EXPECT_EQ(set->DriveColor, 65280);
    EXPECT_EQ(set->HingeColor, 42);  // no hinge set: the complect's colour and picture 20
    EXPECT_EQ(set->HingeImage, 20);
    EXPECT_EQ(set->ComplectImage, 0);
    EXPECT_EQ(set->HandleImage, 7);
    EXPECT_EQ(set->DriveImage, 9);

    const auto& sides = sash->Sides;
    EXPECT_TRUE(sides[0]->OpenMode);
    EXPECT_EQ(sides[0]->RotSide, 2);
    EXPECT_TRUE(sides[0]->Handled);
    EXPECT_EQ(sides[0]->HandleHeight, 700);  // half the side without a user height
    EXPECT_EQ(sides[0]->HandlePoint, (TPoint{10, 7000}));
    EXPECT_FALSE(sides[3]->OpenMode);
    EXPECT_EQ(sides[3]->RotSide, -1);  // no mark: RotSide keeps its value
    EXPECT_TRUE(sides[3]->Banded);
    EXPECT_TRUE(sides[3]->Drived);
    EXPECT_FALSE(sides[1]->Handled || sides[1]->Banded || sides[1]->OpenMode);

    // The user's height is taken as it is, counted from the end the catalogue names.
    b.UserHandleHeight = true;
    b.HandleHeight = 1050;
    b.Hinge = "HNG";
    set->Change(b);
    EXPECT_EQ(sides[0]->HandleHeight, 1050);
    EXPECT_EQ(sides[0]->HandlePoint, (TPoint{10, 10500}));
    EXPECT_EQ(set->HingeColor, 123);
    EXPECT_EQ(set->HingeImage, 11);

    // Without a handle and with a complect picture outside 1..5 the side is no handle side.
    b.Handle.clear();
    set->Change(b);
    EXPECT_FALSE(sides[0]->Handled);
    EXPECT_EQ(sides[0]->HandleHeight, 0);
    catalogue.images["K"] = 5;
    set->Change(b);
    EXPECT_TRUE(sides[0]->Handled);

    // No main complect: every side loses its marks.
    b.Complect.clear();
    set->Change(b);
    EXPECT_EQ(sash->HandleSideIndex(), -1);
    EXPECT_EQ(sash->BandedSideIndex(), -1);
    EXPECT_EQ(sides[0]->RotSide, -1);
    EXPECT_EQ(set->Hinge, "HNG");

    // Nothing chosen at all: the set is cleared.
    set->AddItem("A", "", "", false, 0, "", 1, 0);
    set->Change(TSashBuffer{});
    EXPECT_EQ(set->Count(), 0);
    EXPECT_EQ(set->ComplectImage, -1);
}

TEST_F(FurnComp, UnknownCodesGiveWhiteAndPictureZero) {
    TSashBuffer b;
    b.Complect = "NOPE";
    set->Change(b);
    EXPECT_EQ(set->HandleColor, 16777215);
    EXPECT_EQ(set->DriveColor, 16777215);
    EXPECT_EQ(set->HingeColor, 16777215);
    EXPECT_EQ(set->ComplectImage, 0);
    EXPECT_EQ(set->HandleImage, 0);
}

TEST_F(FurnComp, AssignStoresEverythingAndCalculates) {
    engine.run = [](TftfFurnComp& s) { s.AddItem("A", s.Complect, "", false, 0, "", 1, 0); };
    TSashBuffer b;
    b.Complect = "K";
    b.Hinge = "H";
    b.Handle = "G";
    b.Lock = "L";
    b.Cylinder = "C";
    b.Drive = "D";
    b.Latch = "T";
    b.HandleHeight = 900;
    b.UserHandleHeight = true;
    b.Properties = {"0=1", "2=5"};
    b.ExtraComplects = {"X"};
    set->Assign("100", "P", "W", b);
    EXPECT_EQ(set->FurnSys, "100");
    EXPECT_EQ(set->ProfSys, "P");
    EXPECT_EQ(set->FurnColor, "W");
    EXPECT_EQ(set->Complect + set->Hinge + set->HandleId + set->Lock + set->Cylinder + set->Drive +
                  set->Latch,
              "KHGLCDT");
    EXPECT_EQ(set->HandleHeightValue, 900);
    EXPECT_TRUE(set->UserHandleHeight);
    EXPECT_EQ(set->Properties, (std::vector<std::string>{"0=1", "2=5"}));
    EXPECT_EQ(set->ExtraComplects, std::vector<std::string>{"X"});
    ASSERT_EQ(set->Count(), 1);
    EXPECT_EQ(set->Item(0).ParentComplect, "K");
}
