#include "model/Measures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "common/Error.h"
#include "SketchFixtures.h"

using namespace ftf;
using ftf::test::MakePosition;

namespace {

// The Cyrillic capital EN (U+041D) that ends the catalogue's height variables.
const std::string kEn = "\xD0\x9D";

// A sash from points in tenths of mm with the given radius on one side.
void Contour(TftfFlugel& sash, std::initializer_list<TPoint> points, int arcSide = -1, float radius = 0) {
    for (TPoint p : points) sash.AddPoint(p.x, p.y);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const float r = static_cast<int>(i) == arcSide ? radius : 0;
        sash.AddSide(r, r);
    }
    sash.LinkSides();
    sash.UpdateCentres();
}

std::string Str(TPoint p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

}  // namespace

TEST(Measures, RebateSizeOfTheFigures) {
    struct { const char* name; int figure; float b, h, x, y, r; int width, height; TPoint minY; } cases[] = {
        {"rectangle", 0, 1000, 1400, 0, 0, 0, 1000, 1400, {0, 0}},
        // The apex of the half circle (5000, 0) lies on the arc and is the top.
        {"arch", 7, 1000, 1400, 500, 0, 500, 1000, 1400, {5000, 0}},
        // An arched top of radius 500 rises 500 mm above the corners.
        {"standard with half circle", 0, 1000, 1400, 0, 0, 500, 1000, 1900, {5000, -5000}},
        // A flatter arc: its apex at y = −1339.75 counts outwards, as −1340.
        {"standard with segment arch", 0, 1000, 1400, 0, 0, 1000, 1000, 1534, {5000, -1340}},
        {"trapezoid", 3, 1000, 1400, 600, 0, 0, 1000, 1400, {10000, 0}},
        {"triangle", 5, 1000, 1400, 0, 0, 0, 1000, 1400, {10000, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto pos = MakePosition(c.figure, c.b, c.h, c.x, c.y, c.r);
        std::int32_t w = -1, h = -1;
        RebateSize(*pos->Sash1, w, h);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
        EXPECT_EQ(RebateExtremes(*pos->Sash1).MinY, c.minY) << Str(RebateExtremes(*pos->Sash1).MinY);
    }
}

TEST(Measures, ExtremesKeepTheEarlierPointOnTies) {
    auto pos = MakePosition(0, 1000, 1400);  // (0,14000) (0,0) (10000,0) (10000,14000)
    const TRebateExtremes r = RebateExtremes(*pos->Sash1);
    EXPECT_EQ(r.MinX, (TPoint{0, 14000}));   // point 0; point 1 only ties
    EXPECT_EQ(r.MinY, (TPoint{0, 0}));       // point 1; point 2 only ties
    EXPECT_EQ(r.MaxX, (TPoint{10000, 0}));   // point 2
    EXPECT_EQ(r.MaxY, (TPoint{0, 14000}));   // point 0
    EXPECT_EQ(r.Width, 10000);
    EXPECT_EQ(r.Height, 14000);
}

TEST(Measures, FlatSegmentArchAddsOnlyItsEnds) {
    // A triangle whose long side is an oblique flat arch (radius 2000 mm over a chord of about
    // 1414 mm): the arc stays inside the corners' box, and none of the four axis points of its
    // circle lies on the arc, though the leftmost one lies far outside the figure.
    TftfFlugel sash;
    Contour(sash, {{0, 10000}, {10000, 0}, {10000, 10000}}, 0, 20000);
    const TftfLine& arc = *sash.Sides[0];
    ASSERT_LT(arc.Centre.x - arc.Radius, 0);  // the point a careless test would count
    const TRebateExtremes r = RebateExtremes(sash);
    EXPECT_EQ(r.MinX, (TPoint{0, 10000}));
    EXPECT_EQ(r.MinY, (TPoint{10000, 0}));
    EXPECT_EQ(r.Width, 10000);
    EXPECT_EQ(r.Height, 10000);
}

TEST(Measures, EmptySashMeasuresNothing) {
    TftfFlugel sash;
    const TRebateExtremes r = RebateExtremes(sash);
    EXPECT_EQ(r.MinX, TPoint{});
    EXPECT_EQ(r.MaxY, TPoint{});
    EXPECT_EQ(r.Width, 0);
    EXPECT_EQ(r.Height, 0);
    TPoint tl{1, 1}, br{1, 1};
    RebateBox(sash, tl, br);
    EXPECT_EQ(tl, TPoint{});
    EXPECT_EQ(br, TPoint{});
    EXPECT_EQ(CornerAngleAt(sash, 0), 0);
    EXPECT_EQ(Evaluate(sash, "FFB + FF" + kEn + " + FL(1) + FG(1) + FGA(1) + 1"), 1);
}

TEST(Measures, RebateBoxTruncatesTowardsZero) {
    auto arch = MakePosition(0, 1000, 1400, 0, 0, 500);
    TPoint tl, br;
    RebateBox(*arch->Sash1, tl, br);
    EXPECT_EQ(tl, (TPoint{0, -500}));
    EXPECT_EQ(br, (TPoint{1000, 1400}));

    TftfFlugel sash;
    Contour(sash, {{-1239, 1239}, {-1239, -1239}, {1239, -1239}, {1239, 1239}});
    RebateBox(sash, tl, br);
    EXPECT_EQ(tl, (TPoint{-123, -123}));  // not −124
    EXPECT_EQ(br, (TPoint{123, 123}));

    auto stulp = MakePosition(1, 0, 1400, 600, 700);
    RebateBox(*stulp->Sash2, tl, br);
    EXPECT_EQ(tl, (TPoint{600, 0}));
    EXPECT_EQ(br, (TPoint{1300, 1400}));
}

TEST(Measures, PositionRebateSize) {
    std::int32_t w = 0, h = 0;
    PositionRebateSize(*MakePosition(0, 1000, 1400), w, h);
    EXPECT_EQ(w, 1000);
    EXPECT_EQ(h, 1400);

    auto stulp = MakePosition(1, 0, 1400, 600, 700);
    PositionRebateSize(*stulp, w, h);
    EXPECT_EQ(w, 1300);
    EXPECT_EQ(h, 1400);
    // The height is Sash1's, whatever Sash2 measures.
    stulp->Sash2->Points[1]->Y = -2000;
    stulp->Sash2->Points[2]->Y = -2000;
    PositionRebateSize(*stulp, w, h);
    EXPECT_EQ(h, 1400);
    stulp->Sash1->Points[1]->Y = -1000;
    PositionRebateSize(*stulp, w, h);
    EXPECT_EQ(h, 1500);
}

TEST(Measures, SideLengthsArcKindsAndOrientation) {
    auto trapezoid = MakePosition(3, 1000, 1400, 600);  // (0,14000) (0,8000) (10000,0) (10000,14000)
    const auto& s = trapezoid->Sash1->Sides;
    EXPECT_FLOAT_EQ(SideLength(*s[0]), 600);
    EXPECT_FLOAT_EQ(SideLength(*s[1]), static_cast<float>(std::hypot(10000.0, 8000.0) / 10));
    EXPECT_FLOAT_EQ(SideLength(*s[3]), 1000);
    const int orientation[] = {1, 3, 1, 0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(SideOrientation(*s[static_cast<std::size_t>(i)]), orientation[i]) << i;

    TftfLine loose;
    EXPECT_FLOAT_EQ(SideLength(loose), -0.1f);
    EXPECT_EQ(SideOrientation(loose), 3);

    // The arc kinds over a chord of 10000.
    TftfFlugel sash;
    Contour(sash, {{0, 0}, {10000, 0}});
    TftfLine& side = *sash.Sides[0];
    EXPECT_FLOAT_EQ(SideLength(side), 1000);  // the chord
    struct { float r, r2; bool arc, half, segment, ellipse; } kinds[] = {
        {0, 0, false, false, false, false},
        {5000, 5000, true, true, false, false},
        {5000.5f, 5000.5f, true, false, true, false},
        {-5000, -5000, true, false, true, false},
        {5000, 6000, false, false, false, true},
        {5000, 0, false, false, false, false},
        {0, 5000, false, false, false, false},
    };
    for (const auto& k : kinds) {
        side.Radius = k.r;
        side.Radius2 = k.r2;
        SCOPED_TRACE(std::to_string(k.r) + " / " + std::to_string(k.r2));
        EXPECT_EQ(IsArc(side), k.arc);
        EXPECT_EQ(IsHalfCircleArc(side), k.half);
        EXPECT_EQ(IsSegmentArc(side), k.segment);
        EXPECT_EQ(IsEllipseArc(side), k.ellipse);
    }
}

TEST(Measures, CornerAngles) {
    auto rect = MakePosition(0, 1000, 1400);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(CornerAngleAt(*rect->Sash1, i), 90) << i;
    EXPECT_EQ(CornerAngleAt(*rect->Sash1, 4), 0);
    EXPECT_EQ(CornerAngleAt(*rect->Sash1, -1), 0);

    // Triangle (0,14000) (10000,0) (10000,14000): the corner at point 0 opens atan(1.4).
    auto triangle = MakePosition(5, 1000, 1400);
    const float a0 = CornerAngleAt(*triangle->Sash1, 0);
    EXPECT_NEAR(a0, std::atan(1.4) * 180 / std::numbers::pi, 1e-4);
    EXPECT_NEAR(CornerAngleAt(*triangle->Sash1, 1), 90 - a0, 1e-4);
    EXPECT_FLOAT_EQ(CornerAngleAt(*triangle->Sash1, 2), 90);

    // The arch: the half circle leaves the upright sides along their own line.
    auto arch = MakePosition(7, 1000, 1400, 500, 0, 500);
    EXPECT_FLOAT_EQ(CornerAngleAt(*arch->Sash1, 1), 180);
    EXPECT_FLOAT_EQ(CornerAngleAt(*arch->Sash1, 2), 180);
    EXPECT_FLOAT_EQ(CornerAngleAt(*arch->Sash1, 0), 90);
}

TEST(Measures, FormulaVariables) {
    auto pos = MakePosition(0, 1000, 1400);
    const TftfFlugel& sash = *pos->Sash1;
    struct { std::string formula; double value; } cases[] = {
        {"FB", 1000}, {"FFB", 1000}, {"FRB", 1000},
        {"F" + kEn, 1400}, {"FF" + kEn, 1400}, {"FRH", 1400},
        // Written with a Latin H, the height variables are unknown names, which count 0.
        {"FFH", 0}, {"FH", 0},
        // Variable names are case-sensitive.
        {"ffb", 0}, {"Ffb", 0},
        {"FFB-2*10", 980}, {"(FFB+FF" + kEn + ")*2", 4800}, {"FFB/2-FRH/4", 150}, {"-FB", -1000},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Evaluate(sash, c.formula), c.value) << c.formula;

    // Measured from the contour as it is now.
    pos->Sash1->Points[2]->X = 12000;
    pos->Sash1->Points[3]->X = 12000;
    EXPECT_DOUBLE_EQ(Evaluate(sash, "FFB"), 1200);
    auto arched = MakePosition(0, 1000, 1400, 0, 0, 500);
    EXPECT_DOUBLE_EQ(Evaluate(*arched->Sash1, "FF" + kEn), 1900);
}

TEST(Measures, FormulaFunctions) {
    auto pos = MakePosition(1, 0, 1400, 600, 700);
    TftfFlugel& sash = *pos->Sash1;
    sash.Sides[0]->Handled = true;
    sash.Sides[0]->HandleHeight = 1050;
    pos->Sash2->Sides[2]->HandleHeight = 700;
    struct { const char* formula; double value; } cases[] = {
        {"FL(1)", 1400}, {"FFL(2)", 600}, {"ffl(2)", 600}, {"Fl(4)", 600},
        // Side numbers the sash does not have, and arguments that are no side number, give 0.
        {"FL(0)", 0}, {"FL(9)", 0}, {"FL(5)", 0}, {"FL(-1)", 0}, {"FL(1.5)", 0}, {"FL('x')", 0},
        {"FL()", 0}, {"FL(1/0)", 0}, {"FL(99999999999)", 0},
        {"FL(2.0)", 600}, {"FL(1+1)", 600}, {"FL('3')", 1400},
        {"FG(1)", 1050}, {"ffg(1)", 1050}, {"FG(2)", 0}, {"FG(0)", 0}, {"FG(9)", 0},
        // The other sash of the position.
        {"FGA(3)", 700}, {"FFGA(3)", 700}, {"FGA(1)", 0}, {"FGA(5)", 0},
        {"UNKNOWN(1)", 0}, {"FFB2(1)", 0},
        {"FL(1)-FG(1)+FGA(3)/7", 450},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Evaluate(sash, c.formula), c.value) << c.formula;

    // FGA on a sash without a partner, or whose partner has no contour, is 0.
    TftfFlugel alone;
    Contour(alone, {{0, 0}, {100, 0}, {100, 100}});
    EXPECT_DOUBLE_EQ(Evaluate(alone, "FGA(1)"), 0);
    auto single = MakePosition(0, 1000, 1400);
    EXPECT_DOUBLE_EQ(Evaluate(*single->Sash1, "FGA(1)"), 0);
}

TEST(Measures, FormulaErrors) {
    auto pos = MakePosition(0, 1000, 1400);
    const TftfFlugel& sash = *pos->Sash1;
    struct { const char* formula; const char* what; } cases[] = {
        {"FG(1.5)", "аргумент функции FG [1.5] не является номером стороны"},
        {"FFG('a')", "аргумент функции FFG ['a'] не является номером стороны"},
        {"FG()", "аргумент функции FG [] не является номером стороны"},
        {"FGA(0.5)", "аргумент функции FGA [0.5] не является номером стороны"},
        {"FG(1/0)", "деление на ноль"},
        {"FFB*", "формула оборвана"},
        {"FFB/(FRH-1400)", "деление на ноль"},
        {"'abc'", "результат [abc] не является числом"},
    };
    for (const auto& c : cases) {
        try {
            Evaluate(sash, c.formula);
            ADD_FAILURE() << c.formula << " did not fail";
        } catch (const FtfError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(std::string("Ошибка в формуле [") + c.formula + "]"), std::string::npos) << message;
            EXPECT_NE(message.find(c.what), std::string::npos) << message;
        }
    }
}
