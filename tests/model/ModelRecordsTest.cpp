// Byte images of position records, spelled out value by value from the record layouts, for the
// current layout and for every older one a file may carry.

#include <gtest/gtest.h>

#include "ConstructionFakes.h"
#include "common/ScriptedPrompter.h"
#include "model/Construction.h"
#include "model/ModelRecords.h"

using namespace ftf;
using ftf::test::Img;

namespace {

// What differs between the layouts of the stamps.
struct Layout {
    const char* stamp;
    bool legacyTexts;      // before 10.12.2009: two texts after Color
    bool positionBackset;  // before 23.07.2019: the backset after FalzType, none in the sash
    bool history;          // from 06.10.2015
    bool comment;          // from 03.03.2019
    bool itemTail;         // from 26.12.2019: SideNo, Extra1..3, ParentComplect
};

constexpr Layout kCurrent{"26.12.2019", false, false, true, true, true};

constexpr Layout kLayouts[] = {
    kCurrent,
    {"05.05.2005", true, true, false, false, false},
    // Each stamp itself already has its layout.
    {"10.12.2009", false, true, false, false, false},
    {"06.10.2015", false, true, true, false, false},
    {"03.03.2019", false, true, true, true, false},
    {"23.07.2019", false, false, true, true, false},
    {"01.06.2015", false, true, false, false, false},
    {"01.01.2016", false, true, true, false, false},
    {"01.05.2019", false, true, true, true, false},
    {"01.09.2019", false, false, true, true, false},
    // By the stamp formula 01.01.2020 counts as older than 26.12.2019.
    {"01.01.2020", false, false, true, true, false},
};

// The sample position: one triangular sash with marks, a set with two items, two material lines.
// `backset` is what the reader gives both sashes (the sash's own value in newer layouts).
Img SashImage(const Layout& l, bool withContent, std::int32_t dornmass) {
    Img s;
    if (!withContent) {
        s.I(0).I(0);
        if (!l.positionBackset) s.I(dornmass);
        s.B(false).I(0);
        return s;
    }
    s.I(3).I(0).I(14000).I(0).I(0).I(10000).I(14000);
    s.I(3);
    // side 0: handle side with an opening mark towards side 2
    s.R(0).R(0).R(0).R(0).B(true).I(2).B(true).B(false).B(false).I(700).I(10).I(7000);
    // side 1: arched, driven
    s.R(5000).R(5000).R(2500.5).R(-12.25).B(false).I(-1).B(false).B(false).B(true).I(0).I(0).I(0);
    // side 2: hinges
    s.R(0).R(0).R(0).R(0).B(false).I(-1).B(false).B(true).B(false).I(0).I(0).I(0);
    if (!l.positionBackset) s.I(dornmass);
    s.B(true);
    // the set
    s.T("100").T("P7").T("W").T("K1").T("").T("H1").I(700).B(true);
    s.T("L").T("").T("").T("");
    s.I(1).I(2).I(20).I(0).I(-1).I(255).I(42).I(16777215).I(0);
    s.T("0=12\r\n3=7\r\n").T("X1\r\n");
    s.I(2);
    s.T("A-1").R(1250).I(2);
    if (l.history) s.T("история");
    if (l.comment) s.T("примечание");
    if (l.itemTail) s.I(2).I(0).I(0).I(0).T("K1");
    s.T("Б").R(0).I(3);
    if (l.history) s.T("");
    if (l.comment) s.T("");
    if (l.itemTail) s.I(0).I(0).I(0).I(0).T("K1");
    // material lines
    s.I(2);
    s.T("A-1").R(2.5).M(102500).R(0).M(0).M(102500).M(256250);
    s.T("Б").R(3).M(3333).R(0).M(0).M(3333).M(9999);
    return s;
}

Img PositionImage(const Layout& l, std::int32_t backset) {
    Img p;
    p.B(true).T("001").T("Окно").I(2).Y(1).T("100").T("P7").T("W");
    if (l.legacyTexts) p.T("старый 1").T("старый 2");
    p.I(4);
    if (l.positionBackset) p.I(backset);
    p.I(5).R(70.5).R(82).I(6).M(123456).T("н1\r\nн2\r\n").Y(2);
    p.Add(SashImage(l, true, backset));
    p.Add(SashImage(l, false, 0));
    return p;
}

// The sample position built through the model.
void FillSample(TftfConstruction& pos) {
    pos.PosNo = "001";
    pos.PosName = "Окно";
    pos.Quantity = 2;
    pos.ObjectType = 1;
    pos.FurnSys = "100";
    pos.ProfSys = "P7";
    pos.Color = "W";
    pos.FalzType = 4;
    pos.StulpType = 5;
    pos.ProfileWidth = 70.5f;
    pos.ProfileThickness = 82;
    pos.OpenType = 6;
    pos.Price = Money::FromRaw(123456);
    pos.Notes = {"н1", "н2"};
    TftfFlugel& sash = *pos.Sash1;
    sash.AddPoint(0, 14000);
    sash.AddPoint(0, 0);
    sash.AddPoint(10000, 14000);
    TftfLine& s0 = sash.AddSide();
    s0.OpenMode = true;
    s0.RotSide = 2;
    s0.Handled = true;
    s0.HandleHeight = 700;
    s0.HandlePoint = {10, 7000};
    TftfLine& s1 = sash.AddSide(5000, 5000);
    s1.Centre = {2500.5f, -12.25f};
    s1.Drived = true;
    sash.AddSide().Banded = true;
    sash.LinkSides();
    sash.Dornmass = 35;
    auto& set = *(sash.FurnComp = std::make_unique<TftfFurnComp>(&sash));
    set.FurnSys = "100";
    set.ProfSys = "P7";
    set.FurnColor = "W";
    set.Complect = "K1";
    set.HandleId = "H1";
    set.HandleHeightValue = 700;
    set.UserHandleHeight = true;
    set.Lock = "L";
    set.ComplectImage = 1;
    set.HandleImage = 2;
    set.HingeImage = 20;
    set.DriveImage = 0;
    set.HandleColor = 255;
    set.HingeColor = 42;
    set.DriveColor = 16777215;
    set.Properties = {"0=12", "3=7"};
    set.ExtraComplects = {"X1"};
    auto item = std::make_unique<TftfFurnItem>(&set);
    item->Set("A-1", "K1", "история", 1250, "примечание", 2, 2);
    set.Items.push_back(std::move(item));
    item = std::make_unique<TftfFurnItem>(&set);
    item->Set("Б", "K1", "", 0, "", 3, 0);
    set.Items.push_back(std::move(item));
    auto line = std::make_unique<TftfMatListItem>();
    line->ArticleId = "A-1";
    line->MatQuantity = 2.5f;
    line->BasePrice = line->MatPrice = Money::FromRaw(102500);
    line->MatCost = Money::FromRaw(256250);
    sash.Materials.push_back(std::move(line));
    line = std::make_unique<TftfMatListItem>();
    line->ArticleId = "Б";
    line->MatQuantity = 3;
    line->BasePrice = line->MatPrice = Money::FromRaw(3333);
    line->MatCost = Money::FromRaw(9999);
    sash.Materials.push_back(std::move(line));
}

}  // namespace

TEST(ModelRecords, PositionRecordIsByteExact) {
    TftfConstruction pos;
    FillSample(pos);
    const Img expected = PositionImage(kCurrent, 35);
    const auto written = test::Written(pos);
    EXPECT_EQ(written, expected.bytes) << test::FirstDifference(written, expected.bytes);

    TSpecStream in = expected.Stream();
    TftfConstruction read;
    read.LoadFromStream(in, "26.12.2019");
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(test::Written(read), expected.bytes);
    EXPECT_EQ(read.Notes, (std::vector<std::string>{"н1", "н2"}));
    EXPECT_EQ(read.Sash1->Dornmass, 35);
    EXPECT_EQ(read.Sash1->HandleHeight(), 700);
    EXPECT_EQ(read.Sash1->Sides[2]->EndPoint, read.Sash1->Points[0].get());
    ASSERT_NE(read.Sash1->FurnComp, nullptr);
    EXPECT_EQ(read.Sash1->FurnComp->Item(0).Comment, "примечание");
    EXPECT_EQ(read.Sash2->FurnComp, nullptr);
}

TEST(ModelRecords, OlderLayoutsReadAndWriteTheCurrentOne) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.stamp);
        // Older files carry the backset in the position; it becomes both sashes' backset.
        const std::int32_t backset = l.positionBackset ? 41 : 35;
        TSpecStream in = PositionImage(l, backset).Stream();
        TftfConstruction pos;
        pos.Notes = {"прежнее"};
        pos.LoadFromStream(in, l.stamp);
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(pos.Sash1->Dornmass, backset);
        EXPECT_EQ(pos.Sash2->Dornmass, l.positionBackset ? backset : 0);
        EXPECT_EQ(pos.StulpType, 5);  // the same place after the optional values
        EXPECT_EQ(pos.Notes, (std::vector<std::string>{"н1", "н2"}));

        const TftfFurnComp& set = *pos.Sash1->FurnComp;
        ASSERT_EQ(set.Count(), 2);
        const TftfFurnItem& item = set.Item(0);
        EXPECT_EQ(item.History, l.history ? "история" : "");
        EXPECT_EQ(item.Comment, l.comment ? "примечание" : "");
        EXPECT_EQ(item.SideNo, l.itemTail ? 2 : 0);
        EXPECT_EQ(item.ParentComplect, l.itemTail ? "K1" : "");

        // Written again, in the current layout, with what the old file held.
        TftfConstruction expected;
        FillSample(expected);
        expected.Sash1->Dornmass = backset;
        expected.Sash2->Dornmass = l.positionBackset ? backset : 0;
        for (auto& it : expected.Sash1->FurnComp->Items) {
            if (!l.history) it->History.clear();
            if (!l.comment) it->Comment.clear();
            if (!l.itemTail) {
                it->SideNo = 0;
                it->ParentComplect.clear();
            }
        }
        const auto rewritten = test::Written(pos);
        const auto wanted = test::Written(expected);
        EXPECT_EQ(rewritten, wanted) << test::FirstDifference(rewritten, wanted);
    }
}

TEST(ModelRecords, ValuesOfUnknownMeaningSurviveUnchanged) {
    // A set whose reserved integers and item extras were stored with other type codes.
    Img set;
    set.T("").T("").T("").T("K").T("").T("").I(0).B(false).T("").T("").T("").T("");
    set.I(-1).I(-1).I(-1).I(-1).Rec(2, 0xFFFF, 2).I(0).I(0).I(0).Rec(17, 200, 1);
    set.T("").T("").I(1);
    set.T("A").R(0).I(1).T("").T("").I(0).Rec(17, 7, 1).Rec(2, 0x8000, 2).Rec(0, 0, 8).T("");
    TSpecStream in = set.Stream();
    TftfFurnComp comp(nullptr);
    comp.LoadFromStream(in, "26.12.2019");
    EXPECT_EQ(comp.Reserved4, -1);
    EXPECT_EQ(comp.Reserved5, 200);
    EXPECT_EQ(comp.Item(0).Extra1, 7);
    EXPECT_EQ(comp.Item(0).Extra2, -32768);
    EXPECT_EQ(comp.Item(0).Extra3, 0);
    EXPECT_EQ(test::Written(comp), set.bytes);

    // Changed values are written as plain integers; a value set back is again the old record.
    comp.Reserved5 = 201;
    comp.Item(0).Extra3 = 1;
    Img changed;
    changed.T("").T("").T("").T("K").T("").T("").I(0).B(false).T("").T("").T("").T("");
    changed.I(-1).I(-1).I(-1).I(-1).Rec(2, 0xFFFF, 2).I(0).I(0).I(0).I(201);
    changed.T("").T("").I(1);
    changed.T("A").R(0).I(1).T("").T("").I(0).Rec(17, 7, 1).Rec(2, 0x8000, 2).I(1).T("");
    EXPECT_EQ(test::Written(comp), changed.bytes);
    comp.Reserved5 = 200;
    comp.Item(0).Extra3 = 0;
    EXPECT_EQ(test::Written(comp), set.bytes);

    // Item::Set makes a new line: its extras are 0 and written fresh.
    comp.Item(0).Set("A", "", "", 0, "", 1, 0);
    Img fresh;
    fresh.T("A").R(0).I(1).T("").T("").I(0).I(0).I(0).I(0).T("");
    EXPECT_EQ(test::Written(comp.Item(0)), fresh.bytes);
}

TEST(ModelRecords, DamagedRecordsFailWithoutLeaks) {
    TftfConstruction pos;
    FillSample(pos);
    const auto full = test::Written(pos);
    ScriptedPrompter prompter;  // a cut text shows its reading error and goes on
    ScopedPrompter guard(prompter);
    // Every cut of the image ends in a format error, never in a read outside the data.
    for (std::size_t cut = 0; cut < full.size(); cut += 7) {
        TSpecStream in(std::vector<std::uint8_t>(full.begin(), full.begin() + cut));
        TftfConstruction target;
        EXPECT_ANY_THROW(target.LoadFromStream(in, "26.12.2019")) << cut;
    }
}
