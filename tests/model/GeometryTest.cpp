#include "model/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

using namespace ftf;

namespace {

std::string Str(TFloatPoint p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }
std::string Str(TPoint p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

const long double kNaN = std::numeric_limits<long double>::quiet_NaN();

}  // namespace

TEST(Geometry, RoundAwayHalvesAwayFromZero) {
    struct { long double x; std::int32_t r; } cases[] = {
        {2.5L, 3}, {-2.5L, -3}, {2.4999L, 2}, {-2.4999L, -2}, {0, 0}, {0.5L, 1}, {-0.5L, -1},
        {7.0L, 7}, {-7.0L, -7},
        // The largest double below 0.5: in double arithmetic x + 0.5 would round up to 1.
        {0.49999999999999994L, 0},
        {2147483647.4L, INT32_MAX}, {-2147483648.4L, INT32_MIN},
        // Out of range saturates instead of wrapping; NaN gives 0.
        {1e12L, INT32_MAX}, {-1e12L, INT32_MIN}, {kNaN, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundAway(c.x), c.r) << static_cast<double>(c.x);
}

TEST(Geometry, DecimalRounding) {
    struct { long double x; int n; long double r; } decimals[] = {
        {2.5L, 0, 3},        {-2.5L, 0, -3},   {0.125L, 2, 0.13L}, {-0.125L, 2, -0.13L},
        {1250, -2, 1300},    {1249, -2, 1200}, {-1250, -2, -1300}, {1.23456L, 4, 1.2346L},
        {12.00004L, 4, 12},  {0, 8, 0},        {1e20L, -20, 1e20L},
    };
    for (const auto& c : decimals)
        EXPECT_EQ(RoundToDecimals(c.x, c.n), c.r) << static_cast<double>(c.x) << " to " << c.n;
    EXPECT_NO_THROW(RoundToDecimals(1, 37));
    EXPECT_NO_THROW(RoundToDecimals(1, -37));
    EXPECT_THROW(RoundToDecimals(1, 38), std::out_of_range);
    EXPECT_THROW(RoundToDecimals(1, -38), std::out_of_range);

    // Round1 and Round4 keep the integer part and round only the fraction, halves away from zero.
    struct { long double x; long double r1; long double r4; } fractions[] = {
        {0, 0, 0},
        {2.25L, 2.3L, 2.25L},
        {-2.25L, -2.3L, -2.25L},
        {86.60254037844386L, 86.6L, 86.6025L},
        {-86.60254037844386L, -86.6L, -86.6025L},
        {3.000030517578125L, 3.0L, 3.0L},  // 3 + 2^-15
        {0.99996L, 1.0L, 1.0L},
        {12345.67891L, 12345.7L, 12345.6789L},
    };
    for (const auto& c : fractions) {
        EXPECT_NEAR(static_cast<double>(Round1(c.x)), static_cast<double>(c.r1), 1e-12) << static_cast<double>(c.x);
        EXPECT_NEAR(static_cast<double>(Round4(c.x)), static_cast<double>(c.r4), 1e-12) << static_cast<double>(c.x);
    }
}

TEST(Geometry, ToleranceRounding) {
    // Within 0.0001 of an integer gives that integer; anything else moves one past the integer part.
    struct { long double x; std::int32_t up; std::int32_t down; } cases[] = {
        {12.00004L, 12, 12}, {11.99996L, 12, 12}, {12.3L, 13, 11}, {12, 12, 12},
        {0, 0, 0},           {2.5L, 3, 1},        {12.0002L, 13, 11}, {-12.3L, -11, -13},
        {-12, -12, -12},     {0.00004L, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundUpTol(c.x), c.up) << static_cast<double>(c.x);
        EXPECT_EQ(RoundDownTol(c.x), c.down) << static_cast<double>(c.x);
    }
}

TEST(Geometry, ToleranceComparisons) {
    struct { long double a, b; bool less, greater; } cases[] = {
        {9.995L, 10, false, false}, {9.98L, 10, true, false},  {10.005L, 10, false, false},
        {10.02L, 10, false, true},  {10, 10, false, false},    {-5, 5, true, false},
        {5, -5, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsLessTol(c.a, c.b), c.less) << static_cast<double>(c.a) << " " << static_cast<double>(c.b);
        EXPECT_EQ(IsGreaterTol(c.a, c.b), c.greater) << static_cast<double>(c.a) << " " << static_cast<double>(c.b);
    }
}

TEST(Geometry, UnitConversions) {
    struct { long double units; std::int32_t mm; } toMm[] = {
        {25, 3}, {-25, -3}, {24, 2}, {26, 3}, {15, 2}, {14, 1}, {0, 0}, {12345, 1235}, {-12344, -1234},
    };
    for (const auto& c : toMm) EXPECT_EQ(UnitsToMm(c.units), c.mm) << static_cast<double>(c.units);
    struct { long double mm; std::int32_t units; } toUnits[] = {
        {0.25L, 3}, {-0.25L, -3}, {1.5L, 15}, {123, 1230}, {0.04L, 0}, {0.06L, 1},
    };
    for (const auto& c : toUnits) EXPECT_EQ(MmToUnits(c.mm), c.units) << static_cast<double>(c.mm);
    EXPECT_EQ(MmToUnitsF(1.5L), 15.0f);
    EXPECT_EQ(UnitsToMmF(123), 12.3f);
    EXPECT_EQ(UnitsToMmF(-5), -0.5f);
}

TEST(Geometry, PointHelpers) {
    EXPECT_TRUE(PointsEqual(TPoint{3, -4}, TPoint{3, -4}));
    EXPECT_FALSE(PointsEqual(TPoint{3, -4}, TPoint{3, 4}));
    EXPECT_FALSE(PointsEqual(TFloatPoint{0.5f, 1}, TFloatPoint{0.5f, 1.0001f}));
    EXPECT_EQ(AddPoints(TPoint{1, -2}, TPoint{10, 20}), (TPoint{11, 18}));
    EXPECT_EQ(AddPoints(TFloatPoint{0.5f, -2}, TFloatPoint{0.25f, 3}), (TFloatPoint{0.75f, 1}));
    EXPECT_EQ(ToFloatPoint(TPoint{-7, 12}), (TFloatPoint{-7, 12}));

    struct { TFloatPoint f; TPoint round, up, down; } rounding[] = {
        {{2.5f, -2.5f}, {3, -3}, {3, -1}, {1, -3}},
        {{12.3f, 12.00004f}, {12, 12}, {13, 12}, {11, 12}},
        {{0, 99.99996f}, {0, 100}, {0, 100}, {0, 100}},
    };
    for (const auto& c : rounding) {
        EXPECT_EQ(ToPointRound(c.f), c.round) << Str(c.f);
        EXPECT_EQ(ToPointUp(c.f), c.up) << Str(c.f);
        EXPECT_EQ(ToPointDown(c.f), c.down) << Str(c.f);
    }
    EXPECT_EQ(RoundPoint4(TFloatPoint{1.23456f, -86.60254f}), (TFloatPoint{1.2346f, -86.6025f}));
    EXPECT_EQ(ScalePoint(TPoint{25, -25}, 10), (TPoint{3, -3}));
    EXPECT_EQ(ScalePoint(TPoint{1000, 333}, 0.5L), (TPoint{2000, 666}));
    EXPECT_EQ(ScaleFloatPoint(TFloatPoint{12.34f, -12.36f}, 2), (TFloatPoint{6.2f, -6.2f}));
    EXPECT_EQ(MidPoint(TFloatPoint{0, 0}, TFloatPoint{5, -5}), (TFloatPoint{2.5f, -2.5f}));
    EXPECT_EQ(MidPoint(TPoint{0, 0}, TPoint{5, -5}), (TPoint{3, -3}));
    EXPECT_EQ(MidPoint(TPoint{10, 20}, TPoint{30, 41}), (TPoint{20, 31}));
    EXPECT_EQ(PointDistance(TPoint{1, 1}, TPoint{4, -3}), 5);
    EXPECT_EQ(PointDistance(TFloatPoint{0.5f, 0}, TFloatPoint{0.5f, 2.5f}), 2.5L);
}

TEST(Geometry, DirectionsAndOctants) {
    // The screen's y axis points down: "above" is a smaller y.
    struct { TPoint q; long double angle; int octant; } cases[] = {
        {{10, 0}, 0, 2},     {{10, -10}, 45, 1},  {{0, -10}, 90, 8},  {{-10, -10}, 135, 7},
        {{-10, 0}, 180, 6},  {{-10, 10}, 225, 5}, {{0, 10}, 270, 4},  {{10, 10}, 315, 3},
        {{0, 0}, 0, 0},
    };
    const TPoint origin{0, 0};
    for (const auto& c : cases) {
        // Exact: the corner and diagonal directions decide octants and angle conditions downstream.
        EXPECT_EQ(DirectionAngle(origin, c.q), c.angle) << Str(c.q);
        EXPECT_EQ(PointOctant(origin, c.q), c.octant) << Str(c.q);
        EXPECT_EQ(AngleOctant(DirectionAngle(origin, c.q)), c.octant == 0 ? 2 : c.octant) << Str(c.q);
    }
    EXPECT_NEAR(static_cast<double>(DirectionAngle(TPoint{0, 0}, TPoint{100, -173})), 59.97, 0.01);
    EXPECT_NEAR(static_cast<double>(DirectionAngle(TPoint{0, 0}, TPoint{100, 1})), 359.427, 0.001);
    EXPECT_EQ(PointOctant(TFloatPoint{0, 0}, TFloatPoint{0.5f, -0.25f}), 1);
    EXPECT_EQ(PointOctant(TFloatPoint{1, 1}, TFloatPoint{1, 1.5f}), 4);

    struct { long double a; int octant; } angles[] = {
        {0, 2},   {360, 2}, {45, 1},   {89.999L, 1}, {90, 8},  {100, 7}, {180, 6},
        {200, 5}, {270, 4}, {300, 3},  {359.9L, 3},  {-10, 0}, {361, 0}, {kNaN, 0},
    };
    for (const auto& c : angles) EXPECT_EQ(AngleOctant(c.a), c.octant) << static_cast<double>(c.a);
}

TEST(Geometry, VertexAngles) {
    struct { TPoint a, b, c; long double angle; const char* what; } cases[] = {
        {{0, 100}, {0, 0}, {100, 0}, 90, "up, then right: a right turn"},
        {{0, 0}, {100, 0}, {100, -100}, 270, "right, then up: a left turn"},
        {{0, 0}, {100, 0}, {100, 100}, 90, "clockwise rectangle corner"},
        {{0, 0}, {100, 0}, {200, 0}, 180, "straight on"},
        {{0, 0}, {100, 0}, {0, 0}, 0, "straight back"},
        {{0, 0}, {100, 0}, {200, -100}, 225, "half left"},
        {{0, 0}, {100, 0}, {200, 100}, 135, "half right"},
        {{0, 100}, {0, 200}, {100, 200}, 270, "down, then right: left turn through the l > 180 branch"},
        {{0, 100}, {0, 200}, {-100, 200}, 90, "down, then left: right turn"},
        {{0, 0}, {0, 0}, {100, 0}, -1, "a = b"},
        {{0, 0}, {100, 0}, {100, 0}, -1, "b = c"},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(static_cast<double>(VertexAngle(c.a, c.b, c.c)), static_cast<double>(c.angle), 1e-12) << c.what;
        EXPECT_NEAR(static_cast<double>(VertexAngle(ToFloatPoint(c.a), ToFloatPoint(c.b), ToFloatPoint(c.c))),
                    static_cast<double>(c.angle), 1e-12)
            << c.what;
    }
    // The right angles come out exact, not 89.99999…: catalogue conditions compare them.
    EXPECT_EQ(VertexAngle(TPoint{0, 100}, TPoint{0, 0}, TPoint{100, 0}), 90);
    EXPECT_EQ(VertexAngle(TPoint{0, 0}, TPoint{100, 0}, TPoint{100, -100}), 270);

    // The four interior angles of a clockwise quadrilateral add up to 360.
    const TPoint quad[] = {{0, 0}, {1000, 100}, {900, 800}, {-50, 650}};
    long double sum = 0;
    for (int i = 0; i < 4; ++i) sum += VertexAngle(quad[(i + 3) % 4], quad[i], quad[(i + 1) % 4]);
    EXPECT_NEAR(static_cast<double>(sum), 360.0, 1e-9);
}

TEST(Geometry, CornerAnglesWithArchedSides) {
    const TFloatPoint none{0, 0};
    // A round-top window run clockwise: up the left side to (0,100), the arch centred at (100,100)
    // to (200,100), down the right side. The straight sides meet the arch along its tangent: 180.
    EXPECT_EQ(CornerAngle({0, 200}, {0, 100}, {200, 100}, 0, 100, none, {100, 100}), 180);
    EXPECT_EQ(CornerAngle({0, 100}, {200, 100}, {200, 200}, 100, 0, {100, 100}, none), 180);
    // Straight sides: the vertex angle.
    EXPECT_EQ(CornerAngle({0, 100}, {0, 0}, {100, 0}, 0, 0, none, none), 90);
    // Two arched sides: both parts add up; a vertex angle above 180 contributes v − 270.
    EXPECT_EQ(CornerAngle({0, 100}, {0, 0}, {100, 0}, 10, 10, {-100, 0}, {100, 0}), 180 + 270);
    EXPECT_EQ(CornerAngle({5, 5}, {100, 0}, {100, -100}, 50, 0, {0, 0}, none), 0);
    // A negative radius beside a straight side contributes nothing.
    EXPECT_EQ(CornerAngle({0, 100}, {0, 0}, {100, 0}, -50, 0, {0, 0}, none), 0);
}

TEST(Geometry, RotationAndOffsets) {
    struct { TFloatPoint p, pivot; long double a; TFloatPoint r; } rotations[] = {
        {{10, 0}, {0, 0}, 90, {0, -10}},      // counter-clockwise on the screen: right turns to up
        {{10, 0}, {0, 0}, 180, {-10, 0}},
        {{10, 0}, {0, 0}, -90, {0, 10}},
        {{10, 0}, {0, 0}, 360, {10, 0}},
        {{110, 50}, {100, 50}, 90, {100, 40}},
        {{10, 0}, {0, 0}, 45, {7.0711f, -7.0711f}},
        {{3, 4}, {3, 4}, 123, {3, 4}},
    };
    for (const auto& c : rotations) {
        EXPECT_EQ(RotatePoint(c.p, c.pivot, c.a), c.r) << Str(c.p) << " by " << static_cast<double>(c.a);
        EXPECT_EQ(RotatePoint(ToPointRound(c.p), ToPointRound(c.pivot), c.a), ToPointRound(c.r));
    }

    // The float variant is not rounded: cos 90° leaves a residue far below any unit.
    struct { TFloatPoint p, q; long double d; TFloatPoint r; } towards[] = {
        {{0, 0}, {10, 0}, 5, {5, 0}},
        {{0, 0}, {0, -10}, 5, {0, -5}},
        {{1, 1}, {1, 1}, 5, {6, 1}},
        {{0, 0}, {10, -10}, 10, {7.0710678f, -7.0710678f}},
        {{2, 3}, {-8, 3}, 2.5L, {-0.5f, 3}},
    };
    for (const auto& c : towards) {
        const TFloatPoint r = PointToward(c.p, c.q, c.d);
        EXPECT_NEAR(r.x, c.r.x, 1e-5) << Str(c.p) << Str(c.q);
        EXPECT_NEAR(r.y, c.r.y, 1e-5) << Str(c.p) << Str(c.q);
    }
    EXPECT_EQ(PointToward(TPoint{0, 0}, TPoint{10, -10}, 10), (TPoint{7, -7}));
    EXPECT_EQ(PointToward(TPoint{0, 0}, TPoint{0, 10}, 25.5L), (TPoint{0, 26}));

    const TPoint base{100, 100}, p{0, 0}, q{10, 0};
    struct { long double a, d; TPoint r; } offsets[] = {
        {90, 10, {100, 90}}, {-90, 10, {100, 110}}, {450, 10, {100, 90}}, {180, 10, {90, 100}},
        {0, 0, {100, 100}},  {45, 100, {171, 29}},
    };
    for (const auto& c : offsets)
        EXPECT_EQ(PolarOffset(base, p, q, c.a, c.d), c.r) << static_cast<double>(c.a);
    // The direction p→q adds to the angle: q straight above p turns 90 into 180.
    EXPECT_EQ(PolarOffset(base, TPoint{0, 0}, TPoint{0, -5}, 90, 10), (TPoint{90, 100}));
    const TFloatPoint down = PolarOffset(TFloatPoint{0, 0}, TFloatPoint{0, 0}, TFloatPoint{0, 5}, 0, 2.5L);
    EXPECT_NEAR(down.x, 0, 1e-12);
    EXPECT_EQ(down.y, 2.5f);
}

TEST(Geometry, ArcCentres) {
    struct { TPoint s, e; long double r; TFloatPoint c; const char* what; } cases[] = {
        {{0, 0}, {100, 0}, 50, {50, 0}, "semicircle"},
        {{0, 0}, {100, 0}, 100, {50, 86.6025f}, "flat arch over a horizontal chord"},
        {{0, 0}, {100, 0}, -100, {50, 86.6025f}, "horizontal chord ignores the sign"},
        {{100, 0}, {0, 0}, 100, {50, -86.6025f}, "reversed chord, other side"},
        {{0, 0}, {100, 0}, 40, {50, 0}, "radius too small: midpoint"},
        {{0, 0}, {0, 100}, 100, {-86.6025f, 50}, "vertical chord"},
        {{0, 100}, {0, 0}, 100, {86.6025f, 50}, "vertical chord upwards"},
        {{0, 0}, {100, -100}, 100, {100, 0}, "octant 1"},
        {{0, 0}, {100, 100}, 100, {0, 100}, "octant 3"},
        {{0, 0}, {-100, 100}, 100, {-100, 0}, "octant 5"},
        {{0, 0}, {-100, -100}, 100, {0, -100}, "octant 7"},
        {{0, 0}, {100, -100}, -100, {0, -100}, "negative radius on an oblique chord crosses over"},
        {{0, 0}, {100, -100}, 50, {50, -50}, "oblique chord longer than the diameter: midpoint"},
        {{5, 5}, {5, 5}, 20, {-15, 5}, "s = e"},
        {{5, 5}, {5, 5}, -20, {5, 5}, "s = e, negative radius"},
        {{30, 40}, {70, 90}, 0, {0, 0}, "straight side"},
    };
    for (const auto& c : cases) EXPECT_EQ(ArcCentre(c.s, c.e, c.r), c.c) << c.what << ": " << Str(ArcCentre(c.s, c.e, c.r));

    // For every direction of the chord: the centre lies at distance r from both ends, opposite the
    // bulge, the top of the bulge is on the arc and the point opposite it is not.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-3000, 3000);
    for (int i = 0; i < 2000; ++i) {
        const TPoint s{coord(rng), coord(rng)}, e{coord(rng), coord(rng)};
        if (s == e) continue;
        const long double half = PointDistance(s, e) / 2;
        const long double r = half + 1 + (rng() % 4000);
        const TFloatPoint c = ArcCentre(s, e, r);
        const std::string what = Str(s) + " " + Str(e) + " r=" + std::to_string(static_cast<double>(r));
        ASSERT_NEAR(static_cast<double>(PointDistance(c, ToFloatPoint(s))), static_cast<double>(r), 0.01) << what;
        ASSERT_NEAR(static_cast<double>(PointDistance(c, ToFloatPoint(e))), static_cast<double>(r), 0.01) << what;
        const long double crossC = (c.x - s.x) * static_cast<long double>(e.y - s.y) - (c.y - s.y) * static_cast<long double>(e.x - s.x);
        ASSERT_LT(crossC, 0) << what;
        const long double mx = (s.x + e.x) / 2.0L - c.x, my = (s.y + e.y) / 2.0L - c.y;
        const long double len = std::sqrt(mx * mx + my * my);
        const TFloatPoint top{static_cast<float>(c.x + r * mx / len), static_cast<float>(c.y + r * my / len)};
        const TFloatPoint bottom{static_cast<float>(c.x - r * mx / len), static_cast<float>(c.y - r * my / len)};
        ASSERT_TRUE(IsOnArc(ToFloatPoint(s), ToFloatPoint(e), c, top, r)) << what;
        ASSERT_FALSE(IsOnArc(ToFloatPoint(s), ToFloatPoint(e), c, bottom, r)) << what;
    }
}

TEST(Geometry, PointsOnArcs) {
    const TPoint s{0, 0}, e{100, 0};
    const TFloatPoint c{50, 0};
    struct { TPoint q; long double r; bool on; const char* what; } cases[] = {
        {{50, -50}, 50, true, "top of the semicircle"},
        {{50, 50}, 50, false, "the other half of the circle"},
        {{0, 0}, 50, true, "an end"},
        {{20, -40}, 50, true, "another point of the upper half"},
        {{15, -35}, 50, false, "half a unit and a little inside"},
        {{50, -49}, 50, false, "one unit inside"},
        {{50, -50}, -50, false, "negative radius"},
    };
    for (const auto& c0 : cases) EXPECT_EQ(IsOnArc(s, e, c, c0.q, c0.r), c0.on) << c0.what;
    EXPECT_TRUE(IsOnArc(TFloatPoint{0, 0}, TFloatPoint{100, 0}, c, TFloatPoint{50, -50.5f}, 50));
    EXPECT_FALSE(IsOnArc(TFloatPoint{0, 0}, TFloatPoint{100, 0}, c, TFloatPoint{50, -50.6f}, 50));
}

TEST(Geometry, RiseAndRadius) {
    struct { long double r, chord, rise; } rises[] = {
        {50, 100, 50}, {40, 100, 0}, {100, 0, 0}, {100, -10, 0}, {100, 100, 13.39745962L}, {0, 0, 0},
    };
    for (const auto& c : rises)
        EXPECT_NEAR(static_cast<double>(ArcRise(c.r, c.chord)), static_cast<double>(c.rise), 1e-12)
            << static_cast<double>(c.r) << " " << static_cast<double>(c.chord);
    struct { long double rise, chord, r; } radii[] = {
        {50, 100, 50}, {0, 100, 0}, {10, 0, 0}, {-5, 100, 0}, {25, 100, 62.5L}, {1, 1000, 125000.5L},
    };
    for (const auto& c : radii)
        EXPECT_NEAR(static_cast<double>(ArcRadius(c.rise, c.chord)), static_cast<double>(c.r), 1e-12)
            << static_cast<double>(c.rise) << " " << static_cast<double>(c.chord);
    // Both round to eight decimals.
    EXPECT_EQ(ArcRise(100, 100), RoundToDecimals(ArcRise(100, 100), 8));
    EXPECT_NEAR(static_cast<double>(ArcRadius(ArcRise(300, 400), 400)), 300.0, 1e-5);
}
