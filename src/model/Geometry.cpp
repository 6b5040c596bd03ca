#include "model/Geometry.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace ftf {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
// Constants folded in extended precision, as the old program's degree conversions were; with
// them the axis and diagonal directions come out exactly (90, not 89.999…).
constexpr long double kRadToDeg = 180.0L / kPi;
constexpr long double kDegToRad = kPi / 180.0L;

// An extended-precision point for intermediate results.
struct XPoint {
    long double x = 0;
    long double y = 0;
};

XPoint X(TFloatPoint p) { return {p.x, p.y}; }
XPoint X(TPoint p) { return {static_cast<long double>(p.x), static_cast<long double>(p.y)}; }
TFloatPoint ToSingle(XPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

std::int32_t Saturate(long double v) {
    if (std::isnan(v)) return 0;
    if (v <= static_cast<long double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (v >= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

long double Cross(XPoint u, XPoint v) { return u.x * v.y - u.y * v.x; }

long double Distance(XPoint p, XPoint q) {
    const long double dx = q.x - p.x;
    const long double dy = q.y - p.y;
    return std::sqrt(dx * dx + dy * dy);
}

long double Direction(XPoint p, XPoint q) {
    const long double dx = q.x - p.x;
    const long double dy = p.y - q.y;  // y grows downwards on the screen
    if (dx == 0 && dy == 0) return 0;
    long double a = std::atan2(dy, dx) * kRadToDeg;
    if (a < 0) a += 360;
    if (a >= 360) a -= 360;
    return a + 0.0L;  // never −0
}

int Octant(XPoint p, XPoint q) {
    const long double dx = q.x - p.x;
    const long double dy = q.y - p.y;
    if (dx > 0) return dy < 0 ? 1 : dy == 0 ? 2 : 3;
    if (dx < 0) return dy > 0 ? 5 : dy == 0 ? 6 : 7;
    return dy > 0 ? 4 : dy < 0 ? 8 : 0;
}

long double Vertex(XPoint a, XPoint b, XPoint c) {
    const long double lenIn = Distance(a, b);
    const long double lenOut = Distance(b, c);
    if (lenIn * lenOut == 0) return -1;
    const long double dot = (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y);
    // Rounding may push the cosine a hair past ±1, where arccos has no value.
    long double cosT = dot / (lenIn * lenOut);
    if (cosT > 1) cosT = 1;
    if (cosT < -1) cosT = -1;
    const long double t = std::acos(cosT) * kRadToDeg;
    const long double l = Direction(a, b);
    long double m;
    if (l > 180) {
        m = 360 - l + Direction(b, c);
        if (m > 360) m -= 360;
    } else {
        m = Direction(b, c) - l;
    }
    return m > 0 && m < 180 ? 180 + t : 180 - t;
}

XPoint Rotate(XPoint p, XPoint pivot, long double a) {
    const long double dx = p.x - pivot.x;
    const long double dy = p.y - pivot.y;
    const long double c = std::cos(a * kDegToRad);
    const long double s = std::sin(a * kDegToRad);
    return {Round4(pivot.x + dx * c + dy * s), Round4(pivot.y - dx * s + dy * c)};
}

XPoint Polar(XPoint base, long double angle, long double d) {
    const long double rad = angle * kDegToRad;
    return {base.x + d * std::cos(rad), base.y - d * std::sin(rad)};
}

long double Sign(long double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

XPoint Centre(XPoint s, XPoint e, long double r) {
    if (r == 0) return {0, 0};
    const long double dx = e.x - s.x;
    const long double dy = e.y - s.y;
    XPoint o;
    if (dx != 0 && dy != 0) {
        const long double half = std::sqrt(dx * dx + dy * dy) / 2;
        const long double ratio = half / r;
        // No circle of this radius reaches both ends; the smallest one through them, centred on
        // the chord's midpoint, is what the axis-parallel cases give as well.
        if (!(std::fabs(ratio) <= 1)) return {(s.x + e.x) / 2, (s.y + e.y) / 2};
        const long double beta = std::asin(ratio) * kRadToDeg;
        const long double adx = std::fabs(dx);
        const long double ady = std::fabs(dy);
        switch (Octant(s, e)) {
            case 1: {
                const long double g = (std::atan(ady / adx) * kRadToDeg - beta) * kDegToRad;
                o = {r * std::sin(g), r * std::cos(g)};
                break;
            }
            case 3: {
                const long double g = (std::atan(adx / ady) * kRadToDeg - beta) * kDegToRad;
                o = {-r * std::cos(g), r * std::sin(g)};
                break;
            }
            case 5: {
                const long double g = (std::atan(ady / adx) * kRadToDeg - beta) * kDegToRad;
                o = {-r * std::sin(g), -r * std::cos(g)};
                break;
            }
            default: {  // 7: the only octant left for an oblique chord
                const long double g = (std::atan(adx / ady) * kRadToDeg - beta) * kDegToRad;
                o = {r * std::cos(g), -r * std::sin(g)};
                break;
            }
        }
    } else if (dx != 0) {
        const long double h = r * r - (dx / 2) * (dx / 2);
        o = {-dx / 2, h < 0 ? 0 : Sign(dx) * std::sqrt(h)};
    } else if (dy != 0) {
        const long double h = r * r - (dy / 2) * (dy / 2);
        o = {h < 0 ? 0 : -Sign(dy) * std::sqrt(h), -dy / 2};
    } else {
        return r > 0 ? XPoint{e.x - r, e.y} : e;
    }
    return {e.x + o.x, e.y + o.y};
}

bool OnArc(XPoint s, XPoint e, XPoint c, XPoint q, long double r) {
    const XPoint qs{q.x - s.x, q.y - s.y};
    const XPoint es{e.x - s.x, e.y - s.y};
    return std::fabs(Distance(q, c) - r) <= 0.5L && Cross(qs, es) * r >= 0;
}

}  // namespace

// ---- Rounding and comparison ----

std::int32_t RoundAway(long double x) {
    const long double r = std::trunc(std::fabs(x) + 0.5L);
    return Saturate(x < 0 ? -r : r);
}

long double RoundToDecimals(long double x, int n) {
    if (n < -37 || n > 37) throw std::out_of_range("RoundToDecimals: decimals outside -37..37");
    // 10^|n| is exact up to 10^27; dividing by it is closer than multiplying by an inexact 10^-n.
    long double factor = 1;
    for (int i = 0; i < (n < 0 ? -n : n); ++i) factor *= 10;
    const long double mag = std::fabs(x);
    const long double r = n >= 0 ? std::trunc(mag * factor + 0.5L) / factor : std::trunc(mag / factor + 0.5L) * factor;
    return x < 0 ? -r : r;
}

long double Round1(long double x) {
    if (x == 0) return 0;
    const long double whole = std::trunc(x);
    return whole + RoundAway((x - whole) * 10) / 10.0L;
}

long double Round4(long double x) {
    if (x == 0) return 0;
    const long double whole = std::trunc(x);
    return whole + RoundAway((x - whole) * 10000) / 10000.0L;
}

std::int32_t RoundUpTol(long double x) {
    if (x != 0) {
        x = RoundToDecimals(x, 4);
        if (std::fabs(x - std::trunc(x)) >= 0.0001L) x = std::trunc(x + 1);
    }
    return Saturate(std::trunc(x));
}

std::int32_t RoundDownTol(long double x) {
    if (x != 0) {
        x = RoundToDecimals(x, 4);
        if (std::fabs(x - std::trunc(x)) >= 0.0001L) x = std::trunc(x - 1);
    }
    return Saturate(std::trunc(x));
}

bool IsLessTol(long double a, long double b) { return a <= b - 0.01L; }
bool IsGreaterTol(long double a, long double b) { return a >= b + 0.01L; }

std::int32_t MmToUnits(long double mm) { return RoundAway(mm * 10); }
std::int32_t UnitsToMm(long double units) { return RoundAway(units / 10); }
float MmToUnitsF(long double mm) { return static_cast<float>(mm * 10); }
float UnitsToMmF(long double units) { return static_cast<float>(units / 10); }

// ---- Points ----

bool PointsEqual(TPoint p, TPoint q) { return p.x == q.x && p.y == q.y; }
bool PointsEqual(TFloatPoint p, TFloatPoint q) { return p.x == q.x && p.y == q.y; }

TPoint AddPoints(TPoint p, TPoint q) {
    return {static_cast<std::int32_t>(static_cast<std::int64_t>(p.x) + q.x),
            static_cast<std::int32_t>(static_cast<std::int64_t>(p.y) + q.y)};
}
TFloatPoint AddPoints(TFloatPoint p, TFloatPoint q) { return {p.x + q.x, p.y + q.y}; }

TFloatPoint ToFloatPoint(TPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }
TPoint ToPointRound(TFloatPoint f) { return {RoundAway(f.x), RoundAway(f.y)}; }
TPoint ToPointUp(TFloatPoint f) { return {RoundUpTol(f.x), RoundUpTol(f.y)}; }
TPoint ToPointDown(TFloatPoint f) { return {RoundDownTol(f.x), RoundDownTol(f.y)}; }
TFloatPoint RoundPoint4(TFloatPoint f) { return ToSingle({Round4(f.x), Round4(f.y)}); }

TPoint ScalePoint(TPoint p, long double s) { return {RoundAway(p.x / s), RoundAway(p.y / s)}; }
TFloatPoint ScaleFloatPoint(TFloatPoint f, long double s) { return ToSingle({Round1(f.x / s), Round1(f.y / s)}); }

TFloatPoint MidPoint(TFloatPoint p, TFloatPoint q) {
    return ToSingle({(static_cast<long double>(p.x) + q.x) / 2, (static_cast<long double>(p.y) + q.y) / 2});
}
TPoint MidPoint(TPoint p, TPoint q) { return ToPointRound(MidPoint(ToFloatPoint(p), ToFloatPoint(q))); }

long double PointDistance(TPoint p, TPoint q) { return Distance(X(p), X(q)); }
long double PointDistance(TFloatPoint p, TFloatPoint q) { return Distance(X(p), X(q)); }

// ---- Directions and angles ----

long double DirectionAngle(TFloatPoint p, TFloatPoint q) { return Direction(X(p), X(q)); }
long double DirectionAngle(TPoint p, TPoint q) { return Direction(X(p), X(q)); }
int PointOctant(TFloatPoint p, TFloatPoint q) { return Octant(X(p), X(q)); }
int PointOctant(TPoint p, TPoint q) { return Octant(X(p), X(q)); }

int AngleOctant(long double a) {
    if (a == 0 || a == 360) return 2;
    if (a == 90) return 8;
    if (a == 180) return 6;
    if (a == 270) return 4;
    if (a > 0 && a < 90) return 1;
    if (a > 90 && a < 180) return 7;
    if (a > 180 && a < 270) return 5;
    if (a > 270 && a < 360) return 3;
    return 0;
}

long double VertexAngle(TFloatPoint a, TFloatPoint b, TFloatPoint c) { return Vertex(X(a), X(b), X(c)); }
long double VertexAngle(TPoint a, TPoint b, TPoint c) { return Vertex(X(a), X(b), X(c)); }

long double CornerAngle(TPoint a, TPoint b, TPoint c, long double rPrev, long double rThis,
                        TFloatPoint cPrev, TFloatPoint cThis) {
    if (rPrev == 0 && rThis == 0) return Vertex(X(a), X(b), X(c));
    // An arched side meets the corner along its tangent, a right angle off the radius at b.
    auto part = [](long double v) { return v <= 180 ? v + 90 : v - 270; };
    long double sum = 0;
    if (rThis > 0) sum += part(Vertex(X(a), X(b), X(cThis)));
    if (rPrev > 0) sum += part(Vertex(X(cPrev), X(b), X(c)));
    return sum;
}

TFloatPoint RotatePoint(TFloatPoint p, TFloatPoint pivot, long double a) { return ToSingle(Rotate(X(p), X(pivot), a)); }
TPoint RotatePoint(TPoint p, TPoint pivot, long double a) {
    return ToPointRound(RotatePoint(ToFloatPoint(p), ToFloatPoint(pivot), a));
}

TFloatPoint PointToward(TFloatPoint p, TFloatPoint q, long double d) {
    return ToSingle(Polar(X(p), Direction(X(p), X(q)), d));
}
TPoint PointToward(TPoint p, TPoint q, long double d) {
    return ToPointRound(PointToward(ToFloatPoint(p), ToFloatPoint(q), d));
}

TFloatPoint PolarOffset(TFloatPoint base, TFloatPoint p, TFloatPoint q, long double a, long double d) {
    long double theta = std::fmod(a + Direction(X(p), X(q)), 360.0L);
    if (theta < 0) theta += 360;
    return ToSingle(Polar(X(base), theta, d));
}
TPoint PolarOffset(TPoint base, TPoint p, TPoint q, long double a, long double d) {
    return ToPointRound(PolarOffset(ToFloatPoint(base), ToFloatPoint(p), ToFloatPoint(q), a, d));
}

// ---- Arcs ----

TFloatPoint ArcCentre(TFloatPoint s, TFloatPoint e, long double r) {
    const XPoint c = Centre(X(s), X(e), r);
    return ToSingle({Round4(c.x), Round4(c.y)});
}
TFloatPoint ArcCentre(TPoint s, TPoint e, long double r) {
    const XPoint c = Centre(X(s), X(e), r);
    return ToSingle({Round4(c.x), Round4(c.y)});
}

bool IsOnArc(TFloatPoint s, TFloatPoint e, TFloatPoint c, TFloatPoint q, long double r) {
    return OnArc(X(s), X(e), X(c), X(q), r);
}
bool IsOnArc(TPoint s, TPoint e, TFloatPoint c, TPoint q, long double r) {
    return OnArc(X(s), X(e), X(c), X(q), r);
}

long double ArcRise(long double r, long double chord) {
    const long double h = r * r - (chord / 2) * (chord / 2);
    const long double rise = chord > 0 && h >= 0 ? r - std::sqrt(h) : 0;
    return RoundToDecimals(rise, 8);
}

long double ArcRadius(long double rise, long double chord) {
    const long double radius = chord > 0 && rise > 0 ? ((chord / 2) * (chord / 2) + rise * rise) / (2 * rise) : 0;
    return RoundToDecimals(radius, 8);
}

}  // namespace ftf
