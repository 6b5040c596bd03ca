// The sizing grid and the sketch of a position, drawn on a recording canvas with fixed text
// metrics (every character 6 pixels wide, every line 12 high: a row pitch of 14).

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "model/Canvas.h"
#include "model/RecordingCanvas.h"
#include "model/Sizing.h"
#include "model/Sketch.h"
#include "SketchFixtures.h"

namespace ftf {
namespace {

using test::MakePosition;
using test::MarkOpening;

using Chain = std::vector<std::int32_t>;
using Row = std::vector<Chain>;

// The rows of a grid as coordinates along their direction.
std::vector<Row> Rows(const std::vector<std::unique_ptr<TftfSizing>>& rows, bool vertical) {
    std::vector<Row> out;
    for (const auto& row : rows) {
        Row r;
        for (const auto& chain : row->Chains) {
            Chain c;
            for (const auto& p : chain->Points) c.push_back(vertical ? p->Y : p->X);
            r.push_back(c);
        }
        out.push_back(r);
    }
    return out;
}

std::unique_ptr<TftfSizePointList> HChain(const Chain& xs) {
    auto c = std::make_unique<TftfSizePointList>();
    for (auto x : xs) c->Add(x, 0);
    return c;
}

std::vector<std::string> TextsOf(const TRecordingCanvas& canvas) {
    std::vector<std::string> out;
    for (const auto& t : canvas.Texts()) out.push_back(t.Text);
    return out;
}

bool HasLine(const std::vector<TDrawnPrimitive>& lines, TPoint a, TPoint b) {
    return std::any_of(lines.begin(), lines.end(), [&](const TDrawnPrimitive& d) {
        return (d.A == a && d.B == b) || (d.A == b && d.B == a);
    });
}

class SketchTest : public ::testing::Test {
protected:
    TFixedTextMetrics metrics{6, 12};
    TRecordingCanvas canvas{metrics};
};

TEST_F(SketchTest, SizePointListRefusesDuplicatesAndSorts) {
    TftfSizePointList list;
    EXPECT_TRUE(list.Add(30, 0));
    EXPECT_TRUE(list.Add(10, 0));
    EXPECT_FALSE(list.Add(30, 0));
    list.Sort();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Point(0).X, 10);
    EXPECT_EQ(list.Point(1).X, 30);
}

TEST_F(SketchTest, ChainsArePlacedInTheFirstRowWithRoom) {
    struct Case {
        const char* name;
        std::vector<Chain> added;
        std::vector<Row> rows;
    };
    const std::vector<Case> cases = {
        {"touching chains share a row", {{0, 600}, {600, 1300}}, {{{0, 600}, {600, 1300}}}},
        {"overlap opens a new row", {{0, 600}, {500, 1300}}, {{{0, 600}}, {{500, 1300}}}},
        {"before the first chain", {{600, 900}, {0, 600}}, {{{0, 600}, {600, 900}}}},
        {"between two chains", {{0, 100}, {500, 900}, {100, 500}},
         {{{0, 100}, {100, 500}, {500, 900}}}},
        {"a chain overlapping its neighbours goes to a later row",
         {{0, 100}, {500, 900}, {50, 500}, {0, 50}},
         {{{0, 100}, {500, 900}}, {{0, 50}, {50, 500}}}},
        {"first row without room, second row takes it",
         {{0, 1300}, {0, 600}, {600, 1300}}, {{{0, 1300}}, {{0, 600}, {600, 1300}}}},
        {"identical chain is drawn once", {{0, 1000}, {0, 1000}}, {{{0, 1000}}}},
        {"same ends, more points, is not a duplicate", {{0, 1000}, {0, 400, 1000}},
         {{{0, 1000}}, {{0, 400, 1000}}}},
        {"a one-point chain fits before a chain that starts on it", {{0, 1000}, {0}},
         {{{0}, {0, 1000}}}},
        {"an empty chain is dropped", {{}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TftfSizeGrid grid(canvas);
        for (const auto& chain : c.added) grid.AddHorizontalChain(HChain(chain));
        EXPECT_EQ(Rows(grid.HorizontalRows, false), c.rows);
        EXPECT_TRUE(grid.VerticalRows.empty());
    }
}

TEST_F(SketchTest, VerticalChainsUseYAndTheirOwnRows) {
    TftfSizeGrid grid(canvas);
    for (const Chain& ys : std::vector<Chain>{{0, 1400}, {0, 1000}, {1000, 1400}}) {
        auto c = std::make_unique<TftfSizePointList>();
        for (auto y : ys) c->Add(0, y);
        grid.AddVerticalChain(std::move(c));
    }
    EXPECT_EQ(Rows(grid.VerticalRows, true), (std::vector<Row>{{{0, 1400}}, {{0, 1000}, {1000, 1400}}}));
    EXPECT_EQ(grid.VerticalRows[0]->Angle, 90);
    EXPECT_EQ(grid.VerticalRowsWidth(), 2 * 14);
    EXPECT_EQ(grid.HorizontalRowsHeight(), 0);
}

TEST_F(SketchTest, RectangleGivesOneRowEachWay) {
    auto pos = MakePosition(0, 1000, 1400);
    TftfSizeGrid grid(canvas);
    grid.Build(*pos, {0, 1, 2});
    EXPECT_EQ(grid.Box, (TRect{0, 0, 1000, 1400}));
    ASSERT_EQ(grid.HorizontalRows.size(), 1u);
    ASSERT_EQ(grid.VerticalRows.size(), 1u);
    grid.Draw(2);
    // The empty second sash adds one-point chains, which draw nothing.
    EXPECT_EQ(TextsOf(canvas), (std::vector<std::string>{"1000", "1400"}));
}

TEST_F(SketchTest, SideChainsWithoutFlagTwoKeepTheBoxEnds) {
    // Flag 1 alone: every side chain of a rectangle is the sash chain again and is discarded.
    auto pos = MakePosition(0, 1000, 1400);
    TftfSizeGrid grid(canvas);
    grid.Build(*pos, {1});
    EXPECT_EQ(Rows(grid.HorizontalRows, false), (std::vector<Row>{{{0}, {0, 1000}}}));
    EXPECT_EQ(Rows(grid.VerticalRows, true), (std::vector<Row>{{{0}, {0, 1400}}}));
}

TEST_F(SketchTest, StulpPairSharesARowForTheSashWidths) {
    auto pos = MakePosition(1, 0, 1400, 600, 700);
    TftfSizeGrid grid(canvas);
    grid.Build(*pos, {0, 1, 2});
    EXPECT_EQ(Rows(grid.HorizontalRows, false),
              (std::vector<Row>{{{0, 600}, {600, 1300}}, {{0, 1300}}}));
    EXPECT_EQ(Rows(grid.VerticalRows, true), (std::vector<Row>{{{0, 1400}}}));
}

TEST_F(SketchTest, TrapezoidAddsTheInnerCornerHeight) {
    auto pos = MakePosition(3, 1000, 1400, 400);
    TftfSizeGrid grid(canvas);
    grid.Build(*pos, {0, 1, 2});
    // The side chain comes first, so the sash's overall chain needs a row of its own; the empty
    // second sash's one-point chain [0] slips in front.
    EXPECT_EQ(Rows(grid.VerticalRows, true),
              (std::vector<Row>{{{0}, {0, 1000, 1400}}, {{0, 1400}}}));
    EXPECT_EQ(Rows(grid.HorizontalRows, false), (std::vector<Row>{{{0}, {0, 1000}}}));
}

TEST_F(SketchTest, EmptyFlagsBuildNothing) {
    auto pos = MakePosition(3, 1000, 1400, 400);
    TftfSizeGrid grid(canvas);
    grid.Build(*pos, {});
    EXPECT_TRUE(grid.HorizontalRows.empty());
    EXPECT_TRUE(grid.VerticalRows.empty());
    grid.Build(*pos->Sash1, {});
    EXPECT_TRUE(grid.HorizontalRows.empty());
}

TEST_F(SketchTest, DimensionLinesExtensionsArrowsAndTexts) {
    TftfSizeGrid grid(canvas);
    ASSERT_EQ(grid.Pitch(), 14);
    grid.Box = {0, 0, 100, 200};
    grid.AddHorizontalChain(HChain({0, 100}));
    auto v = std::make_unique<TftfSizePointList>();
    v->Add(0, 0);
    v->Add(0, 200);
    grid.AddVerticalChain(std::move(v));
    canvas.SetPenWidth(3);
    grid.Draw(1);

    // l = RoundAway(14 / 1.8) = 8, w = 14 div 5 = 2. Horizontal row at y = 200 + 14.
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 14u);
    for (const auto& d : lines) EXPECT_EQ(d.PenWidth, 1);
    const std::vector<std::pair<TPoint, TPoint>> expected = {
        {{0, 214}, {100, 214}}, {{0, 200}, {0, 215}}, {{100, 200}, {100, 215}},
        {{0, 214}, {8, 212}},   {{0, 214}, {8, 216}}, {{100, 214}, {92, 212}},
        {{100, 214}, {92, 216}},
        // Vertical row at x = 100 + 14, drawn from the lower point up; everything turned by 90°.
        {{114, 200}, {114, 0}}, {{100, 200}, {115, 200}}, {{100, 0}, {115, 0}},
        {{114, 200}, {112, 192}}, {{114, 200}, {116, 192}}, {{114, 0}, {112, 8}},
        {{114, 0}, {116, 8}}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i].A, expected[i].first);
        EXPECT_EQ(lines[i].B, expected[i].second);
    }
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, "100");
    EXPECT_EQ(texts[0].A, (TPoint{50, 214}));
    EXPECT_EQ(texts[0].Angle, 0);
    EXPECT_EQ(texts[0].Align, TTextAlign::BottomCentre);
    EXPECT_FALSE(texts[0].Brush.has_value());
    EXPECT_EQ(texts[1].Text, "200");
    EXPECT_EQ(texts[1].A, (TPoint{114, 100}));
    EXPECT_EQ(texts[1].Angle, 90);
    // The canvas state comes back.
    EXPECT_EQ(canvas.PenWidth(), 3);
    EXPECT_EQ(canvas.TextAlign(), TTextAlign::TopLeft);
    EXPECT_TRUE(canvas.Brush().has_value());
}

TEST_F(SketchTest, ChainLabelReplacesTheNumbers) {
    TftfSizeGrid grid(canvas);
    grid.Box = {0, 0, 100, 100};
    auto c = HChain({0, 40, 100});
    c->Label = "X";
    grid.AddHorizontalChain(std::move(c));
    grid.Draw(1);
    EXPECT_EQ(TextsOf(canvas), (std::vector<std::string>{"X", "X"}));
}

TEST_F(SketchTest, PositionIsScaledAndCentredInTheBox) {
    auto pos = MakePosition(0, 1000, 1400);
    struct Case {
        TSizeFlags flags;
        TRect box;
        std::int32_t left, top;
    };
    // No rows: the box less 20 pixels is available; 2 mm per pixel in every case, the spare
    // room split on both sides.
    const std::vector<Case> cases = {
        {{}, {0, 0, 520, 720}, 10, 10},
        {{}, {0, 0, 720, 720}, 110, 10},
        {{}, {0, 0, 520, 920}, 10, 110},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box.Right);
        TRecordingCanvas rc(metrics);
        std::int32_t sx = 0, sy = 0, left = -1, top = -1;
        DrawPosition(*pos, rc, c.box, c.flags, 1, sx, sy, left, top);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(top, c.top);
        const auto lines = rc.Lines();
        ASSERT_EQ(lines.size(), 4u);
        // Side 0 runs from the bottom left corner up; 2 mm per pixel.
        EXPECT_EQ(lines[0].A, (TPoint{c.left, c.top + 700}));
        EXPECT_EQ(lines[0].B, (TPoint{c.left, c.top}));
        EXPECT_EQ(lines[2].B, (TPoint{c.left + 500, c.top + 700}));
        EXPECT_EQ(lines[0].PenWidth, 3);
        EXPECT_EQ(rc.Origin(), (TPoint{0, 0}));
        EXPECT_EQ(rc.PenWidth(), 1);
    }
}

TEST_F(SketchTest, RowsTakeTheirRoomAndShiftsMoveTheDrawing) {
    auto pos = MakePosition(0, 1000, 1400);
    std::int32_t sx = 10, sy = -20, left = 0, top = 0;
    // One row each way: 500 × 700 are left of 534 × 734.
    DrawPosition(*pos, canvas, {100, 50, 634, 784}, {0, 1, 2}, 1, sx, sy, left, top);
    EXPECT_EQ(sx, 50);    // 10 % of 500
    EXPECT_EQ(sy, -140);  // −20 % of 700
    EXPECT_EQ(left, 10);
    EXPECT_EQ(top, 10);
    const auto lines = canvas.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].A, (TPoint{100 + 10 - 50, 50 + 10 + 140 + 700}));
    // The grid is drawn in the same moved frame: the width row lies one pitch under the drawing.
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, "1000");
    EXPECT_EQ(texts[0].A, (TPoint{100 + 10 - 50 + 250, 50 + 10 + 140 + 700 + 14}));
}

TEST_F(SketchTest, ZoomMultipliesTheScale) {
    auto pos = MakePosition(0, 1000, 1400);
    std::int32_t sx = 0, sy = 0, left = 0, top = 0;
    DrawPosition(*pos, canvas, {0, 0, 520, 720}, {}, 2, sx, sy, left, top);
    // 4 mm per pixel: 250 × 350 centred in 500 × 700.
    EXPECT_EQ(left, 135);
    EXPECT_EQ(top, 185);
    EXPECT_EQ(canvas.Lines()[0].A, (TPoint{135, 185 + 350}));
}

TEST_F(SketchTest, PositionWithoutContourDrawsNothing) {
    TftfConstruction pos;
    std::int32_t sx = 5, sy = 5, left = 1, top = 1;
    EXPECT_NO_THROW(DrawPosition(pos, canvas, {0, 0, 400, 300}, {0, 1, 2}, 1, sx, sy, left, top));
    EXPECT_TRUE(canvas.Drawn.empty());
    EXPECT_EQ(canvas.Origin(), (TPoint{0, 0}));
}

TEST_F(SketchTest, BoxSmallerThanTheMarginsStillGivesAFiniteDrawing) {
    auto pos = MakePosition(0, 1000, 1400);
    std::int32_t sx = 0, sy = 0, left = 0, top = 0;
    DrawPosition(*pos, canvas, {0, 0, 10, 10}, {0, 1, 2}, 1, sx, sy, left, top);
    for (const auto& d : canvas.Lines()) {
        EXPECT_LT(std::abs(d.A.x), 1000);
        EXPECT_LT(std::abs(d.A.y), 1000);
    }
}

// A canvas whose lines fail, to see the origin come back on an exception.
class FailingCanvas : public TRecordingCanvas {
public:
    using TRecordingCanvas::TRecordingCanvas;

protected:
    void DoLine(TPoint, TPoint) override { throw std::runtime_error("device lost"); }
};

TEST_F(SketchTest, OriginAndPenComeBackWhenDrawingFails) {
    auto pos = MakePosition(0, 1000, 1400);
    FailingCanvas failing(metrics);
    failing.SetOrigin({7, 9});
    std::int32_t sx = 0, sy = 0, left = 0, top = 0;
    EXPECT_THROW(DrawPosition(*pos, failing, {0, 0, 520, 720}, {}, 1, sx, sy, left, top),
                 std::runtime_error);
    EXPECT_EQ(failing.Origin(), (TPoint{7, 9}));
    EXPECT_EQ(failing.PenWidth(), 1);
}

TEST_F(SketchTest, ArchedSideIsACounterClockwiseArcFromEndToStart) {
    // Semicircular arch: corners at y = 500 mm, radius 500 mm, centre (500, 500) mm.
    auto pos = MakePosition(7, 1000, 1400, 500, 0, 500);
    canvas.SetBrush(TRgb{1, 2, 3});
    canvas.SetPenColor(TRgb{9, 9, 9});
    DrawSash(*pos->Sash1, canvas, 10);
    const auto arcs = canvas.Arcs();
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].A, (TPoint{0, 0}));
    EXPECT_EQ(arcs[0].B, (TPoint{1000, 1000}));
    EXPECT_EQ(arcs[0].Start, (TPoint{1000, 500}));  // through the side's end
    EXPECT_EQ(arcs[0].End, (TPoint{0, 500}));       // to the side's start
    EXPECT_EQ(arcs[0].Brush, (std::optional<TRgb>{kBlack}));
    EXPECT_EQ(canvas.Lines().size(), 3u);
    EXPECT_EQ(canvas.Brush(), (std::optional<TRgb>{TRgb{1, 2, 3}}));
    EXPECT_EQ(canvas.PenColor(), (TRgb{9, 9, 9}));
}

TEST_F(SketchTest, OpeningMarkTargetsTheMiddleOfTheSide) {
    auto rect = MakePosition(0, 1000, 1400);
    EXPECT_EQ(OpeningMarkTarget(*rect->Sash1, 0), (TPoint{0, 7000}));
    EXPECT_EQ(OpeningMarkTarget(*rect->Sash1, 3), (TPoint{5000, 14000}));
    auto semi = MakePosition(7, 1000, 1400, 500, 0, 500);
    EXPECT_EQ(OpeningMarkTarget(*semi->Sash1, 1), (TPoint{5000, 0}));
    // A segment arch 300 mm high: its middle is its top.
    auto segment = MakePosition(7, 1000, 1400, 300, 0, static_cast<float>(ArcRadius(300, 1000)));
    const TPoint top = OpeningMarkTarget(*segment->Sash1, 1);
    EXPECT_EQ(top.x, 5000);
    EXPECT_NEAR(top.y, 0, 1);
}

TEST_F(SketchTest, OpeningMarksJoinTheMarkedSideToTheTarget) {
    auto pos = MakePosition(7, 1000, 1400, 500, 0, 500);
    TftfFlugel& sash = *pos->Sash1;
    MarkOpening(sash, 0, 3, 1);  // turn: right side points at the hinge side
    MarkOpening(sash, 0, 4, 2);  // tilt: bottom side points at the arch
    canvas.SetPenWidth(3);
    DrawSash(sash, canvas, 10);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 3u + 4u);
    EXPECT_TRUE(HasLine(lines, {1000, 500}, {0, 950}));
    EXPECT_TRUE(HasLine(lines, {0, 950}, {1000, 1400}));
    EXPECT_TRUE(HasLine(lines, {1000, 1400}, {500, 0}));
    EXPECT_TRUE(HasLine(lines, {500, 0}, {0, 1400}));
    EXPECT_EQ(lines.back().PenWidth, 1);
    EXPECT_EQ(lines.front().PenWidth, 3);
    EXPECT_EQ(canvas.PenWidth(), 3);
}

TEST_F(SketchTest, OpeningMarksNeedASetAndAValidTarget) {
    auto pos = MakePosition(0, 1000, 1400);
    TftfFlugel& sash = *pos->Sash1;
    sash.Sides[2]->OpenMode = true;
    sash.Sides[2]->RotSide = 0;
    DrawSash(sash, canvas, 10);
    EXPECT_EQ(canvas.Lines().size(), 4u);  // no set: sides only

    for (int bad : {-1, 4, 100}) {
        TRecordingCanvas rc(metrics);
        MarkOpening(sash, 0, 3, 1);
        sash.Sides[2]->RotSide = bad;
        DrawSash(sash, rc, 10);
        EXPECT_EQ(rc.Lines().size(), 4u) << bad;
    }
}

TEST_F(SketchTest, ComplectSymbolLines) {
    auto pos = MakePosition(0, 1000, 1400);
    TftfFlugel& sash = *pos->Sash1;
    sash.FurnComp = std::make_unique<TftfFurnComp>(&sash);
    // One pixel per mm: centre (500, 700), half length 65, head 43.3 × 16.2, tick 65.
    const TPoint L{435, 700}, R{565, 700};
    const TPoint L1{478, 684}, L2{478, 716}, R1{522, 684}, R2{522, 716};
    const TPoint LD{435, 765}, RD{565, 765};
    using Seg = std::pair<TPoint, TPoint>;
    const std::vector<std::vector<Seg>> expected = {
        {},
        {{L, R}, {L, L1}, {L, L2}},
        {{L, R}, {R, R1}, {R, R2}},
        {{L, R}, {L, L1}, {L, L2}, {R, R1}, {R, R2}},
        {{L, R}, {L, L1}, {L, L2}, {R, RD}},
        {{L, R}, {R, R1}, {R, R2}, {L, LD}},
        {},
    };
    for (int image = 0; image <= 6; ++image) {
        SCOPED_TRACE(image);
        sash.FurnComp->ComplectImage = image;
        TRecordingCanvas rc(metrics);
        DrawSash(sash, rc, 10);
        auto lines = rc.Lines();
        lines.erase(lines.begin(), lines.begin() + 4);  // the sides
        std::vector<Seg> got;
        for (const auto& d : lines) {
            got.push_back({d.A, d.B});
            EXPECT_EQ(d.PenWidth, 1);
        }
        EXPECT_EQ(got, expected[static_cast<std::size_t>(image)]);
    }
    EXPECT_EQ(kSymbolHeadLength, RoundAway(650 / 1.5L));
    EXPECT_EQ(kSymbolHeadHalfWidth, 650 / 4);
}

TEST_F(SketchTest, StulpPairDrawsBothSashes) {
    auto pos = MakePosition(1, 0, 1400, 600, 700);
    std::int32_t sx = 0, sy = 0, left = 0, top = 0;
    DrawPosition(*pos, canvas, {0, 0, 1320, 1420}, {}, 1, sx, sy, left, top);
    const auto lines = canvas.Lines();
    ASSERT_EQ(lines.size(), 8u);
    // The second sash's left side stands on the first one's right side, 600 mm in.
    EXPECT_TRUE(HasLine(lines, {10 + 600, 10}, {10 + 600, 10 + 1400}));
    EXPECT_TRUE(HasLine(lines, {10 + 1300, 10}, {10 + 1300, 10 + 1400}));
}

TEST_F(SketchTest, RotatedTextExtentAndAlignment) {
    struct Case {
        long double angle;
        TSize extent;
    };
    for (const Case& c : {Case{0, {30, 12}}, Case{90, {12, 30}}, Case{180, {30, 12}},
                          Case{45, {30, 30}}}) {  // 42 × cos 45° = 29.7
        TRecordingCanvas rc(metrics);
        EXPECT_EQ(DrawRotatedText(rc, {5, 6}, "12345", -1, TTextAlign::BottomCentre, c.angle),
                  c.extent);
        ASSERT_EQ(rc.Texts().size(), 1u);
        EXPECT_EQ(rc.Texts()[0].Angle, c.angle);
        EXPECT_EQ(rc.TextAlign(), TTextAlign::BottomCentre);
    }
    // No alignment given: the canvas keeps its own; a height other than −1 sizes this text only.
    TRecordingCanvas rc(metrics);
    DrawRotatedText(rc, {0, 0}, "ab", 20, std::nullopt, 0);
    EXPECT_EQ(rc.Texts()[0].Align, TTextAlign::TopLeft);
    EXPECT_EQ(rc.Texts()[0].Font.PointSize, 20);
    EXPECT_EQ(rc.Font().PointSize, 8);
}

TEST_F(SketchTest, OriginGuardRestoresOnEveryWayOut) {
    canvas.SetOrigin({3, 4});
    try {
        TCanvasOriginGuard guard(canvas, {10, 20});
        canvas.Line({1, 1}, {2, 2});
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(canvas.Origin(), (TPoint{3, 4}));
    EXPECT_EQ(canvas.Lines()[0].A, (TPoint{14, 25}));
}

TEST_F(SketchTest, FixedMetricsCountCharactersNotBytes) {
    EXPECT_EQ(metrics.TextExtent({}, "ЭСКИЗ"), (TSize{30, 12}));
}

}  // namespace
}  // namespace ftf
