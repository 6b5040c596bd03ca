// The model's catalogue over a data module whose tables are filled in memory.

#include <gtest/gtest.h>

#include "catalogue/Tdm.h"
#include "common/Error.h"
#include "model/CatalogueServices.h"
#include "model/Construction.h"

#include "../support/MemoryCatalogue.h"

using namespace ftf;

namespace {

using ftf::test::OpenEmpty;
using ftf::test::Put;

class ConstructionCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        OpenEmpty(dm);
        Put(dm.T_FrnComp(), {
            {{"ID", "K'1"}, {"Name", "Поворотно-откидной"}, {"ScrColor", 255}, {"Image", 3}},
            {{"ID", "H1"}, {"Name", "Ручка"}, {"ScrColor", 42}, {"Image", 0}},
        });
        Put(dm.T_FrnSide(), {
            {{"ID", "K'1"}, {"Side", 1}, {"OpenMode", 1}, {"RotSide", 3}, {"Handled", 1},
             {"HandleDirect", 1}},
            {{"ID", "K'1"}, {"Side", 4}, {"Banded", 1}, {"Drived", 1}},
            {{"ID", "K"}, {"Side", 2}, {"Handled", 1}},
        });
        Put(dm.T_Catalog(), {
            {{"ID", "V"}, {"Name", "Виртуальный"}, {"Virtual", 1}},
            {{"ID", "A"}, {"Name", "Петля"}},
        });
    }

    TDM dm;
    TCatalogueModelServices services{dm};
    ScopedModelCatalogue guard{services};
};

}  // namespace

TEST_F(ConstructionCatalogue, SideRowsOfOneComplectThroughATemporaryFilter) {
    const auto rows = services.GetComplectSides("K'1");  // a quote in the code stays a code
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Side, 1);
    EXPECT_EQ(rows[0].RotSide, 3);
    EXPECT_EQ(rows[0].Handled, 1);
    EXPECT_EQ(rows[1].Side, 4);
    EXPECT_EQ(rows[1].Banded, 1);
    EXPECT_EQ(rows[1].Drived, 1);
    EXPECT_FALSE(dm.T_FrnSide().Filtered());
    EXPECT_EQ(dm.T_FrnSide().Filter(), "");
    EXPECT_TRUE(services.GetComplectSides("NONE").empty());
    EXPECT_EQ(services.GetSideHandleDirect("K'1", 1), 1);
    EXPECT_EQ(services.GetSideHandleDirect("K'1", 4), 0);
}

TEST_F(ConstructionCatalogue, SetMarksItsSashFromTheCatalogue) {
    TftfConstruction pos;
    TFigure f;
    f.B = 1000;
    f.H = 1400;
    pos.BuildContours(f, 0);
    TSashBuffer b;
    b.Complect = "K'1";
    pos.Sash1->RecalcSet(b);
    const TftfFurnComp& set = *pos.Sash1->FurnComp;
    EXPECT_EQ(set.ComplectImage, 3);
    EXPECT_EQ(set.HingeColor, 255);
    EXPECT_EQ(set.HandleColor, 16777215);  // no handle chosen: white
    // Picture 3 shows a handle; the catalogue counts it from the side's end.
    EXPECT_EQ(pos.Sash1->HandleSideIndex(), 0);
    EXPECT_EQ(pos.Sash1->HandleHeight(), 700);
    EXPECT_EQ(pos.Sash1->Sides[0]->HandlePoint, (TPoint{10, 7000}));
    EXPECT_EQ(pos.Sash1->Sides[0]->RotSide, 2);
    EXPECT_EQ(pos.Sash1->BandedSideIndex(), 3);

    pos.Sash1->FurnComp->HandleId = "H1";
    std::vector<std::string> names;
    pos.SetNames(&names);
    EXPECT_EQ(names, (std::vector<std::string>{"Поворотно-откидной", "Ручка"}));
}

TEST_F(ConstructionCatalogue, ArticleLookups) {
    EXPECT_TRUE(services.IsVirtualArticle("V"));
    EXPECT_FALSE(services.IsVirtualArticle("A"));
    EXPECT_FALSE(services.IsVirtualArticle(""));
    EXPECT_EQ(services.GetArticleName("A", false), "Петля");
    EXPECT_EQ(services.GetArticlePrice("NONE", true), 0);
    EXPECT_THROW(services.GetArticlePrice("NONE", false), FtfError);

    TftfFurnComp set(nullptr);
    set.AddItem("V", "", "", false, 0, "", 1, 0);
    set.AddItem("A", "", "", false, 0, "", 1, 0);
    ASSERT_EQ(set.Count(), 1);
    EXPECT_EQ(set.Item(0).ArticleId, "A");
}
