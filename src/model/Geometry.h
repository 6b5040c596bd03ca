#pragma once
// Plane geometry and rounding of the construction model.
//
// Units: contour coordinates are integers in tenths of a millimetre; sizes shown to the user and
// compared with the catalogue are whole millimetres, rounded half away from zero.
// Orientation: x points right and y points down (y = 0 is the top of a figure). Angles are degrees,
// counter-clockwise as seen on the screen: 0° right, 90° up, 180° left, 270° down.
//
// Arithmetic runs in long double, the extended precision the old program computed in; points that
// carry fractions are single precision (TFloatPoint), as the old program held them, because the
// values stored in order files and compared with the catalogue must come out the same. All
// functions are pure.

#include <cstdint>

namespace ftf {

/// An integer point, tenths of a millimetre.
struct TPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const TPoint&) const = default;
};

/// A point of two single-precision reals: intermediate results, arc centres, scaled drawings.
struct TFloatPoint {
    float x = 0;
    float y = 0;
    bool operator==(const TFloatPoint&) const = default;
};

// ---- Rounding and comparison ----

/// The integer nearest to x, halves away from zero: sign(x) × trunc(|x| + 0.5). A result outside
/// 32 bits saturates at the nearest limit; NaN gives 0.
std::int32_t RoundAway(long double x);
/// sign(x) × trunc(|x| × 10^n + 0.5) / 10^n. `n` from −37 to 37, else std::out_of_range.
long double RoundToDecimals(long double x, int n);
/// x with its fraction rounded to one decimal, halves away from zero (0 stays 0).
long double Round1(long double x);
/// x with its fraction rounded to four decimals, halves away from zero (0 stays 0).
long double Round4(long double x);
/// For non-negative coordinates: a value within 0.0001 of an integer gives that integer, any other
/// value its integer part plus one (2.5 gives 3). Saturates like RoundAway.
std::int32_t RoundUpTol(long double x);
/// Counterpart of RoundUpTol: a value within 0.0001 of an integer gives that integer, any other
/// value its integer part minus one (2.5 gives 1, −12.3 gives −13).
std::int32_t RoundDownTol(long double x);
/// a ≤ b − 0.01.
bool IsLessTol(long double a, long double b);
/// a ≥ b + 0.01.
bool IsGreaterTol(long double a, long double b);
/// Millimetres to model units: RoundAway(x × 10).
std::int32_t MmToUnits(long double mm);
/// Model units to whole millimetres: RoundAway(x / 10).
std::int32_t UnitsToMm(long double units);
/// x × 10 in single precision.
float MmToUnitsF(long double mm);
/// x / 10 in single precision.
float UnitsToMmF(long double units);

// ---- Points ----

bool PointsEqual(TPoint p, TPoint q);
bool PointsEqual(TFloatPoint p, TFloatPoint q);
/// Coordinates added; integer overflow wraps.
TPoint AddPoints(TPoint p, TPoint q);
TFloatPoint AddPoints(TFloatPoint p, TFloatPoint q);
TFloatPoint ToFloatPoint(TPoint p);
/// Each coordinate through RoundAway.
TPoint ToPointRound(TFloatPoint f);
/// Each coordinate through RoundUpTol.
TPoint ToPointUp(TFloatPoint f);
/// Each coordinate through RoundDownTol.
TPoint ToPointDown(TFloatPoint f);
/// Each coordinate through Round4.
TFloatPoint RoundPoint4(TFloatPoint f);
/// (RoundAway(p.x / s), RoundAway(p.y / s)).
TPoint ScalePoint(TPoint p, long double s);
/// (Round1(f.x / s), Round1(f.y / s)).
TFloatPoint ScaleFloatPoint(TFloatPoint f, long double s);
TFloatPoint MidPoint(TFloatPoint p, TFloatPoint q);
/// The midpoint rounded by ToPointRound.
TPoint MidPoint(TPoint p, TPoint q);
long double PointDistance(TPoint p, TPoint q);
long double PointDistance(TFloatPoint p, TFloatPoint q);

// ---- Directions and angles ----

/// Direction of the vector p→q in [0, 360) in the screen orientation; exactly 0, 90, 180, 270 on
/// the axes, and 0 when p = q.
long double DirectionAngle(TFloatPoint p, TFloatPoint q);
long double DirectionAngle(TPoint p, TPoint q);
/// Where q lies relative to p ("above" is smaller y): 1 right-above, 2 right, 3 right-below,
/// 4 below, 5 left-below, 6 left, 7 left-above, 8 above, 0 when p = q.
int PointOctant(TFloatPoint p, TFloatPoint q);
int PointOctant(TPoint p, TPoint q);
/// The octant of a direction, numbered as PointOctant: 1 for 0 < a < 90, 2 for 0 or 360,
/// 3 for 270 < a < 360, 4 for 270, 5 for 180 < a < 270, 6 for 180, 7 for 90 < a < 180, 8 for 90;
/// 0 for anything else (negative, above 360, NaN).
int AngleOctant(long double a);
/// The angle at b between b→a and b→c on the right-hand side of the path a → b → c, in [0, 360]:
/// the interior angle of a contour that runs clockwise on the screen. −1 when a = b or b = c.
long double VertexAngle(TFloatPoint a, TFloatPoint b, TFloatPoint c);
long double VertexAngle(TPoint a, TPoint b, TPoint c);
/// The angle at corner b where side a→b (radius rPrev, centre cPrev) meets side b→c (radius rThis,
/// centre cThis). Straight sides give VertexAngle; an arched side (positive radius) contributes the
/// angle to its tangent at b. A non-positive radius beside an arched side contributes 0.
long double CornerAngle(TPoint a, TPoint b, TPoint c, long double rPrev, long double rThis,
                        TFloatPoint cPrev, TFloatPoint cThis);
/// p turned about pivot by a degrees counter-clockwise on the screen, each coordinate through
/// Round4. The integer variant rounds that result by ToPointRound.
TFloatPoint RotatePoint(TFloatPoint p, TFloatPoint pivot, long double a);
TPoint RotatePoint(TPoint p, TPoint pivot, long double a);
/// The point at distance d from p towards q (to the right of p when p = q). The integer variant
/// rounds by ToPointRound.
TFloatPoint PointToward(TFloatPoint p, TFloatPoint q, long double d);
TPoint PointToward(TPoint p, TPoint q, long double d);
/// base moved by d in the direction a + DirectionAngle(p, q). The integer variant rounds by
/// ToPointRound.
TFloatPoint PolarOffset(TFloatPoint base, TFloatPoint p, TFloatPoint q, long double a, long double d);
TPoint PolarOffset(TPoint base, TPoint p, TPoint q, long double a, long double d);

// ---- Arcs ----
//
// An arched side runs from s to e on a circle of radius r. r > 0 puts the bulge where
// cross(q − s, e − s) ≥ 0 (cross(u, v) = u.x·v.y − u.y·v.x) and the centre on the other side.

/// The centre of the arc's circle through RoundPoint4; (0, 0) when r = 0; e − (r, 0) when s = e
/// and r > 0, e when s = e otherwise. On an axis-parallel chord the side does not depend on the
/// sign of r; on an oblique chord a negative r moves the centre across. A radius too small for the
/// chord gives the chord's midpoint.
TFloatPoint ArcCentre(TFloatPoint s, TFloatPoint e, long double r);
TFloatPoint ArcCentre(TPoint s, TPoint e, long double r);
/// True when q lies within 0.5 of the circle (centre c, radius r) on the bulge side of the chord
/// s→e. The radius enters with its sign, so with a negative radius (beyond −0.5) no point is on it.
bool IsOnArc(TFloatPoint s, TFloatPoint e, TFloatPoint c, TFloatPoint q, long double r);
bool IsOnArc(TPoint s, TPoint e, TFloatPoint c, TPoint q, long double r);
/// The rise (sagitta) of an arc of radius r over a chord, to 8 decimals; 0 when the chord is not
/// positive or longer than the diameter.
long double ArcRise(long double r, long double chord);
/// The radius of an arc with the given rise over a chord, to 8 decimals; 0 unless both are positive.
long double ArcRadius(long double rise, long double chord);

}  // namespace ftf
