#include "model/Construction.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/Error.h"
#include "common/ScriptedPrompter.h"
#include "ConstructionFakes.h"
#include "SketchFixtures.h"

using namespace ftf;
using ftf::test::FakeCatalogue;
using ftf::test::FakeEngine;
using ftf::test::MakeFigure;

namespace {

std::vector<TPoint> PointsOf(const TftfFlugel& sash) {
    std::vector<TPoint> out;
    for (const auto& p : sash.Points) out.push_back(p->Pos());
    return out;
}

TSashBuffer Buffer(const std::string& complect) {
    TSashBuffer b;
    b.Complect = complect;
    return b;
}

// The catalogue and engine every set calculation here runs against. The engine puts two items
// into each set: a length article on side 2 and a piece article on side 1.
class ConstructionSets : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue.prices = {{"ART-1", 10.25L}, {"ART-2", 3.33333L}};
        catalogue.complectNames = {{"K1", "Основной"}, {"H1", "Ручка"}, {"B1", "Петли"}};
        engine.run = [](TftfFurnComp& set) {
            set.AddItem("ART-2", set.Complect, "", false, 0, "", 2, 1);
            set.AddItem("ART-1", set.Complect, "", false, 1250, "", 2, 2);
        };
    }

    FakeCatalogue catalogue;
    FakeEngine engine;
    ScopedModelCatalogue catalogueGuard{catalogue};
    ScopedFurnEngine engineGuard{engine};
    ScriptedPrompter prompter;
    ScopedPrompter prompterGuard{prompter};
};

}  // namespace

TEST(Construction, NewPositionHasOneSashAndIteratesOneSet) {
    TftfConstruction pos;
    EXPECT_TRUE(pos.Checked);
    EXPECT_EQ(pos.Arrangement, 2);
    EXPECT_EQ(pos.ObjectType, 0);
    ASSERT_TRUE(pos.Sash1 && pos.Sash2);
    EXPECT_EQ(pos.Sash1->Construction, &pos);
    EXPECT_EQ(pos.Sash1->OtherSash(), pos.Sash2.get());
    EXPECT_EQ(pos.Sash2->OtherSash(), pos.Sash1.get());
    EXPECT_EQ(pos.DependentSash(), nullptr);

    pos.Sash1->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash1.get());
    pos.Sash2->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash2.get());
    EXPECT_EQ(pos.FirstSet(), pos.Sash1->FurnComp.get());
    EXPECT_EQ(pos.NextSet(), nullptr);  // one-sash position: Sash2's set is not reported

    pos.Arrangement = 1;
    EXPECT_EQ(pos.FirstSet(), pos.Sash1->FurnComp.get());
    EXPECT_EQ(pos.NextSet(), pos.Sash2->FurnComp.get());
    EXPECT_EQ(pos.NextSet(), nullptr);
}

TEST(Construction, FiguresBuildTheirContours) {
    struct Case {
        TFigure figure;
        std::vector<TPoint> points;
    } cases[] = {
        {MakeFigure(0, 1000, 1400), {{0, 14000}, {0, 0}, {10000, 0}, {10000, 14000}}},
        {MakeFigure(3, 1000, 1400, 300), {{0, 14000}, {0, 11000}, {10000, 0}, {10000, 14000}}},
        {MakeFigure(4, 1000, 1400, 300), {{0, 14000}, {0, 0}, {10000, 11000}, {10000, 14000}}},
        {MakeFigure(5, 1000, 1400), {{0, 14000}, {10000, 0}, {10000, 14000}}},
        {MakeFigure(6, 1000, 1400), {{0, 14000}, {0, 0}, {10000, 14000}}},
        {MakeFigure(7, 1000, 1400, 500, 0, 500), {{0, 14000}, {0, 5000}, {10000, 5000}, {10000, 14000}}},
        // Sizes are rounded to tenths of mm half away from zero.
        {MakeFigure(0, 1000.04f, 1399.96f), {{0, 14000}, {0, 0}, {10000, 0}, {10000, 14000}}},
    };
    for (const Case& c : cases) {
        TftfConstruction pos;
        pos.BuildContours(c.figure, 7);
        SCOPED_TRACE("figure " + std::to_string(c.figure.Figure));
        EXPECT_EQ(pos.Arrangement, 2);
        EXPECT_EQ(PointsOf(*pos.Sash1), c.points);
        EXPECT_EQ(pos.Sash1->Dornmass, 7);
        EXPECT_TRUE(pos.Sash2->Points.empty());
        EXPECT_EQ(pos.Sash2->Dornmass, 0);
        const auto& sides = pos.Sash1->Sides;
        ASSERT_EQ(sides.size(), c.points.size());
        for (std::size_t i = 0; i < sides.size(); ++i) {
            EXPECT_EQ(sides[i]->StartPoint, pos.Sash1->Points[i].get());
            EXPECT_EQ(sides[i]->EndPoint, pos.Sash1->Points[(i + 1) % sides.size()].get());
            EXPECT_EQ(sides[i]->Sash, pos.Sash1.get());
            EXPECT_EQ(sides[i]->RotSide, -1);
            if (c.figure.Figure != 7) {
                EXPECT_EQ(sides[i]->Radius, 0) << i;
            }
        }
    }
}

TEST(Construction, ArchedSidesGetRadiusAndCentre) {
    TftfConstruction arch;
    arch.BuildContours(MakeFigure(7, 1000, 1400, 500, 0, 500), 0);
    const TftfLine& top = *arch.Sash1->Sides[1];
    EXPECT_EQ(top.StartPoint->Pos(), (TPoint{0, 5000}));
    EXPECT_EQ(top.EndPoint->Pos(), (TPoint{10000, 5000}));
    EXPECT_EQ(top.Radius, 5000);
    EXPECT_EQ(top.Radius2, 5000);
    EXPECT_EQ(top.Centre, (TFloatPoint{5000, 5000}));
    for (int i : {0, 2, 3}) {
        EXPECT_EQ(arch.Sash1->Sides[i]->Radius, 0);
        EXPECT_EQ(arch.Sash1->Sides[i]->Centre, (TFloatPoint{0, 0}));
    }

    // The standard figure takes the radius on its top side too.
    TftfConstruction rounded;
    rounded.BuildContours(MakeFigure(0, 1000, 1400, 0, 0, 500), 0);
    EXPECT_EQ(rounded.Sash1->Sides[1]->Radius, 5000);
    EXPECT_EQ(rounded.Sash1->Sides[1]->Centre, (TFloatPoint{5000, 0}));
}

TEST(Construction, StulpFiguresBuildTwoSashesSideBySide) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(1, 9999, 1400, 600, 700), 3);  // B is not used
    EXPECT_EQ(pos.Arrangement, 1);
    EXPECT_EQ(pos.DependentSash(), pos.Sash1.get());
    EXPECT_EQ(PointsOf(*pos.Sash1),
              (std::vector<TPoint>{{0, 14000}, {0, 0}, {6000, 0}, {6000, 14000}}));
    EXPECT_EQ(PointsOf(*pos.Sash2),
              (std::vector<TPoint>{{6000, 14000}, {6000, 0}, {13000, 0}, {13000, 14000}}));
    EXPECT_EQ(pos.Sash1->Dornmass, 3);
    EXPECT_EQ(pos.Sash2->Dornmass, 3);

    TftfConstruction other;
    other.BuildContours(MakeFigure(2, 0, 1400, 600, 700), 0);
    EXPECT_EQ(other.Arrangement, 0);
    EXPECT_EQ(other.DependentSash(), other.Sash2.get());
    EXPECT_EQ(other.Sash2->Points.size(), 4u);
}

TEST(Construction, SideNavigationAndHandleQueries) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(0, 1000, 1400), 0);
    TftfFlugel& sash = *pos.Sash1;
    EXPECT_EQ(sash.PrevSide(*sash.Sides[0]), sash.Sides[3].get());
    EXPECT_EQ(sash.PrevSide(*sash.Sides[2]), sash.Sides[1].get());
    TftfLine stranger;
    EXPECT_EQ(sash.PrevSide(stranger), nullptr);

    EXPECT_EQ(sash.HandleSideIndex(), -1);
    EXPECT_EQ(sash.BandedSideIndex(), -1);
    EXPECT_EQ(sash.HandleHeight(), 0);
    sash.Sides[2]->Handled = true;
    sash.Sides[2]->HandleHeight = 650;
    sash.Sides[3]->Handled = true;
    sash.Sides[3]->HandleHeight = 999;
    sash.Sides[1]->Banded = true;
    EXPECT_EQ(sash.HandleSideIndex(), 2);
    EXPECT_EQ(sash.BandedSideIndex(), 1);
    EXPECT_EQ(sash.HandleHeight(), 650);
}

TEST(Construction, SetHandlePlacesTheMarkerBesideTheSide) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(0, 1000, 1400), 0);
    TftfLine& left = *pos.Sash1->Sides[0];  // (0, 14000) up to (0, 0)
    left.Handled = true;
    left.SetHandle(1050, false);
    EXPECT_EQ(left.HandleHeight, 1050);
    EXPECT_EQ(left.HandlePoint, (TPoint{10, 3500}));
    left.SetHandle(1050, true);  // counted from the top end, still 1 mm into the sash
    EXPECT_EQ(left.HandlePoint, (TPoint{10, 10500}));

    TftfLine& right = *pos.Sash1->Sides[2];  // (10000, 0) down to (10000, 14000)
    right.Handled = true;
    right.SetHandle(700, false);
    EXPECT_EQ(right.HandlePoint, (TPoint{9990, 7000}));

    right.Handled = false;
    right.SetHandle(700, false);
    EXPECT_EQ(right.HandleHeight, 0);
    EXPECT_EQ(right.HandlePoint, (TPoint{0, 0}));
}

TEST(Construction, TotalIsQuantityTimesPrice) {
    TftfConstruction pos;
    pos.Quantity = 3;
    pos.Price = Money::FromReal(10.5L);
    EXPECT_EQ(pos.Total(), Money::FromReal(31.5L));
    pos.Quantity = 0;
    EXPECT_EQ(pos.Total(), Money());
}

TEST_F(ConstructionSets, ApplySetCalculatesSetsAndPrice) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(0, 1000, 1400), 0);
    pos.Sash2->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash2.get());
    TSashBuffer b1 = Buffer("K1");
    b1.Dornmass = 35;
    pos.ApplySet("100", "P1", "C1", 4, 5, 6, 70.5f, 82, b1, Buffer("K2"));

    EXPECT_EQ(pos.FurnSys, "100");
    EXPECT_EQ(pos.ProfSys, "P1");
    EXPECT_EQ(pos.Color, "C1");
    EXPECT_EQ(pos.FalzType, 4);
    EXPECT_EQ(pos.StulpType, 5);
    EXPECT_EQ(pos.OpenType, 6);
    EXPECT_EQ(pos.ProfileWidth, 70.5f);
    EXPECT_EQ(pos.ProfileThickness, 82);
    EXPECT_EQ(engine.calls, (std::vector<const TftfFlugel*>{pos.Sash1.get()}));
    EXPECT_EQ(pos.Sash2->FurnComp, nullptr);  // arrangement 2 drops Sash2's set
    EXPECT_EQ(pos.Sash1->Dornmass, 35);

    const TftfFurnComp& set = *pos.Sash1->FurnComp;
    EXPECT_EQ(set.FurnSys, "100");
    EXPECT_EQ(set.ProfSys, "P1");
    EXPECT_EQ(set.FurnColor, "C1");
    ASSERT_EQ(set.Count(), 2);
    EXPECT_EQ(set.Item(0).ArticleId, "ART-1");  // sorted by article

    ASSERT_EQ(pos.Sash1->Materials.size(), 2u);
    EXPECT_EQ(pos.Sash1->Materials[0]->MatQuantity, 2.5f);
    EXPECT_EQ(pos.Sash1->Materials[0]->MatCost, Money::FromReal(25.625L));
    EXPECT_EQ(pos.Sash1->Materials[1]->MatPrice, Money::FromReal(3.3333L));
    EXPECT_EQ(pos.Price, Money::FromReal(32.2916L));

    pos.Quantity = 2;
    TftfMatList list;
    pos.AddMaterialsTo(&list);
    pos.AddMaterialsTo(nullptr);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->MatQuantity, 5.0f);
    EXPECT_EQ(list[1]->MatQuantity, 4.0f);
}

TEST_F(ConstructionSets, TheDependentSashIsCalculatedLast) {
    for (std::uint8_t arrangement : {std::uint8_t{1}, std::uint8_t{0}}) {
        TftfConstruction pos;
        pos.BuildContours(MakeFigure(arrangement == 1 ? 1 : 2, 0, 1400, 600, 700), 0);
        engine.calls.clear();
        pos.ApplySet("100", "", "", 0, 0, 0, 0, 0, Buffer("K1"), Buffer("K2"));
        const TftfFlugel* dependent = pos.DependentSash();
        ASSERT_EQ(engine.calls.size(), 2u);
        EXPECT_EQ(engine.calls.back(), dependent);
        EXPECT_NE(pos.Sash1->FurnComp, nullptr);
        EXPECT_NE(pos.Sash2->FurnComp, nullptr);
        EXPECT_EQ(pos.Price, Money::FromReal(2 * 32.2916L));
    }
}

TEST_F(ConstructionSets, PairRuleClearsTheDependentSet) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(1, 0, 1400, 600, 700), 0);  // arrangement 1: Sash1 depends
    pos.Sash1->CalcSet("100", "", "", Buffer("K1"));
    pos.Sash2->CalcSet("100", "", "", Buffer("K2"));
    ASSERT_NE(pos.Sash1->FurnComp, nullptr);

    // Same system: kept. Another system on the other sash: the dependent set goes.
    pos.Sash2->CalcSet("200", "", "", Buffer("K2"));
    EXPECT_EQ(pos.Sash1->FurnComp, nullptr);
    ASSERT_NE(pos.Sash2->FurnComp, nullptr);

    pos.Sash1->CalcSet("200", "", "", Buffer("K1"));
    ASSERT_NE(pos.Sash1->FurnComp, nullptr);
    pos.Sash2->ClearSet();
    EXPECT_EQ(pos.Sash2->FurnComp, nullptr);
    EXPECT_EQ(pos.Sash1->FurnComp, nullptr);
}

TEST_F(ConstructionSets, EmptyChoicesRemoveTheSet) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(0, 1000, 1400), 0);
    TSashBuffer extraOnly;
    extraOnly.ExtraComplects = {"X1"};
    pos.Sash1->CalcSet("100", "", "", extraOnly);
    ASSERT_NE(pos.Sash1->FurnComp, nullptr);
    EXPECT_EQ(pos.Sash1->FurnComp->ExtraComplects, std::vector<std::string>{"X1"});

    pos.Sash1->RecalcSet(extraOnly);  // only the seven components count here
    EXPECT_EQ(pos.Sash1->FurnComp, nullptr);

    pos.Sash1->CalcSet("100", "", "", Buffer("K1"));
    pos.Sash1->CalcSet("100", "", "", TSashBuffer{});
    EXPECT_EQ(pos.Sash1->FurnComp, nullptr);
}

TEST_F(ConstructionSets, FailingCalculationRemovesOnlyANewSet) {
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(0, 1000, 1400), 0);
    engine.run = [](TftfFurnComp& set) {
        set.AddItem("ART-1", "", "", false, 0, "", 1, 0);
        throw FtfError("Не найден артикул");
    };
    EXPECT_THROW(pos.Sash1->CalcSet("100", "", "", Buffer("K1")), FtfError);
    EXPECT_EQ(pos.Sash1->FurnComp, nullptr);

    pos.Sash1->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash1.get());
    pos.Sash1->FurnComp->AddItem("ART-2", "", "", false, 0, "", 1, 0);
    try {
        pos.Sash1->CalcSet("100", "", "", Buffer("K1"));
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_STREQ(e.what(), "Не найден артикул");
    }
    ASSERT_NE(pos.Sash1->FurnComp, nullptr);
    EXPECT_EQ(pos.Sash1->FurnComp->Count(), 0);  // the failed calculation leaves no items
}

TEST_F(ConstructionSets, ChangeSetMarksSidesWithoutCalculating) {
    catalogue.sides["K1"] = {{1, 1, 3, 1, 0, 0}, {4, 0, 0, 0, 1, 0}};
    catalogue.images["K1"] = 2;
    TftfConstruction pos;
    pos.BuildContours(MakeFigure(0, 1000, 1400), 0);
    pos.Sash2->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash2.get());
    pos.ChangeSet(Buffer("K1"), Buffer("K2"));
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(pos.Sash2->FurnComp, nullptr);
    ASSERT_NE(pos.Sash1->FurnComp, nullptr);
    EXPECT_EQ(pos.Sash1->FurnComp->Complect, "K1");
    EXPECT_EQ(pos.Sash1->HandleSideIndex(), 0);
    EXPECT_EQ(pos.Sash1->HandleHeight(), 700);
    EXPECT_EQ(pos.Sash1->BandedSideIndex(), 3);
    EXPECT_EQ(pos.Sash1->Sides[0]->RotSide, 2);
    EXPECT_EQ(pos.Price, Money());  // the preview does not price

    pos.Sash1->ClearSet();  // the marks go with the set
    EXPECT_EQ(pos.Sash1->HandleSideIndex(), -1);
    EXPECT_EQ(pos.Sash1->BandedSideIndex(), -1);
    EXPECT_EQ(pos.Sash1->Sides[0]->RotSide, -1);
    EXPECT_EQ(pos.Sash1->Sides[0]->HandleHeight, 0);
}

TEST_F(ConstructionSets, SetNamesListsTheNamedComplects) {
    TftfConstruction pos;
    pos.Arrangement = 1;
    pos.SetNames(nullptr);
    auto& s1 = *(pos.Sash1->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash1.get()));
    s1.Complect = "K1";
    s1.HandleId = "H1";
    s1.Lock = "L1";        // lock and latch are not listed
    s1.Latch = "T1";
    s1.Cylinder = "ZZ";    // unknown to the catalogue: an empty line
    auto& s2 = *(pos.Sash2->FurnComp = std::make_unique<TftfFurnComp>(pos.Sash2.get()));
    s2.Hinge = "B1";
    std::vector<std::string> lines{"before"};
    pos.SetNames(&lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"before", "Основной", "Ручка", "", "Петли"}));
}

TEST_F(ConstructionSets, BackupRestoreAndCopy) {
    TftfConstruction pos;
    pos.PosNo = "001";
    pos.PosName = "Окно";
    pos.Quantity = 2;
    pos.Notes = {"первая", "вторая"};
    pos.BuildContours(MakeFigure(0, 1000, 1400), 5);

    TSpecStream backup;
    pos.SaveBackup(backup);
    pos.ApplySet("100", "P", "C", 0, 0, 0, 0, 0, Buffer("K1"), TSashBuffer{});
    pos.PosName = "Дверь";
    ASSERT_NE(pos.Sash1->FurnComp, nullptr);

    pos.RestoreBackup(backup);
    EXPECT_EQ(pos.Sash1->FurnComp, nullptr);  // the backup was taken before the set existed
    EXPECT_TRUE(pos.Sash1->Materials.empty());
    EXPECT_EQ(pos.Price, Money());
    EXPECT_EQ(pos.PosName, "Окно");
    EXPECT_EQ(pos.Notes, (std::vector<std::string>{"первая", "вторая"}));
    EXPECT_EQ(pos.Sash1->Points.size(), 4u);
    EXPECT_EQ(pos.Sash1->Dornmass, 5);

    pos.ApplySet("100", "P", "C", 0, 0, 0, 0, 0, Buffer("K1"), TSashBuffer{});
    TftfConstruction copy;
    copy.Notes = {"старое"};
    copy.CopyFrom(pos);
    EXPECT_EQ(test::Written(copy), test::Written(pos));
    ASSERT_NE(copy.Sash1->FurnComp, nullptr);
    EXPECT_EQ(copy.Sash1->FurnComp->Sash, copy.Sash1.get());
    EXPECT_EQ(copy.Sash1->FurnComp->Item(0).Owner, copy.Sash1->FurnComp.get());
    EXPECT_EQ(copy.Sash1->Sides[0]->StartPoint, copy.Sash1->Points[0].get());
    EXPECT_EQ(copy.Sash1->Construction, &copy);
}

TEST(Construction, CopyErrorsCarryTheirMessages) {
    TftfConstruction bad;
    bad.PosName = "Окно 中";  // not a Windows-1251 character: the stream refuses it
    std::string inner;
    try {
        TSpecStream s;
        WriteText(s, bad.PosName);
    } catch (const FtfError& e) {
        inner = e.what();
    }
    ASSERT_FALSE(inner.empty());

    TftfConstruction target;
    try {
        target.CopyFrom(bad);
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()), "Ошибка копирования позиции!\r\n(" + inner + ")");
    }
    try {
        TSpecStream s;
        bad.SaveBackup(s);
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Ошибка создания резервной копии объекта!\r\n(" + inner + ")");
    }

    TSpecStream cut;
    TftfConstruction good;
    good.SaveBackup(cut);
    TSpecStream shortened(std::vector<std::uint8_t>(cut.Bytes().begin(), cut.Bytes().end() - 5));
    try {
        target.RestoreBackup(shortened);
        FAIL() << "no error";
    } catch (const FtfError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка восстановления объекта из резервной копии!\r\n(", 0),
                  0u)
            << e.what();
    }
}

// Within an adding run the line to grow is found through the run's index: the same calls must
// leave the same lines as without one, lines present before the run included.
TEST_F(ConstructionSets, AddingRunGrowsTheSameLines) {
    catalogue.virtualArticles = {"V"};
    struct Add {
        const char* article;
        const char* parent;
        bool separate;
        float length;
        const char* comment;
        std::int32_t count, side;
    };
    const Add before[] = {{"A", "K1", false, 0, "", 1, 1}, {"A", "K1", true, 0, "", 5, 1}};
    const Add calls[] = {
        {"A", "K1", false, 0, "", 2, 1},    // grows the first line, not the separate one
        {"A", "K1", false, 0, "", 1, 2},    // another side
        {"A", "K1", false, 0.5f, "", 1, 1}, // another length
        {"A", "K2", false, 0, "", 1, 1},    // another complect
        {"A", "K1", false, 0, "н", 1, 1},   // another note
        {"B", "K1", false, 0, "", 3, 1},
        {"B", "K1", false, 0, "", 4, 1},
        {"B", "K1", true, 0, "", 4, 1},
        {"V", "K1", false, 0, "", 1, 1},    // virtual: no line
        {"A", "K1", false, 0, "", -3, 2},
        {"C", "K1", false, 0, "", 0, 1},    // count 0: no line
        {"A", "K1", false, 0.5f, "", 2, 1},
    };
    auto fill = [&](TftfFurnComp& set, bool run) {
        for (const Add& a : before) set.AddItem(a.article, a.parent, "h", a.separate, a.length, a.comment, a.count, a.side);
        std::optional<TftfFurnComp::AddingRun> adding;
        if (run) adding.emplace(set);
        for (const Add& a : calls) set.AddItem(a.article, a.parent, "h", a.separate, a.length, a.comment, a.count, a.side);
    };
    TftfFurnComp plain(nullptr), indexed(nullptr);
    fill(plain, false);
    fill(indexed, true);
    ASSERT_EQ(indexed.Count(), plain.Count());
    ASSERT_EQ(plain.Count(), 8);
    for (int i = 0; i < plain.Count(); ++i) {
        const TftfFurnItem& p = plain.Item(i);
        const TftfFurnItem& x = indexed.Item(i);
        EXPECT_EQ(x.ArticleId, p.ArticleId) << i;
        EXPECT_EQ(x.ParentComplect, p.ParentComplect) << i;
        EXPECT_EQ(x.History, p.History) << i;
        EXPECT_EQ(x.Comment, p.Comment) << i;
        EXPECT_EQ(x.Length, p.Length) << i;
        EXPECT_EQ(x.ItemCount, p.ItemCount) << i;
        EXPECT_EQ(x.SideNo, p.SideNo) << i;
    }
    EXPECT_EQ(plain.Item(0).ItemCount, 3);
    EXPECT_EQ(plain.Item(2).ItemCount, -2);
}
