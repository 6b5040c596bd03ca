#include "model/Measures.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/Error.h"

namespace ftf {

namespace {

// Applies one candidate point to the running extremes: a point must beat an extreme by 0.01 to
// replace it, so among points that nearly tie the earlier one stays.
struct Extremes {
    TFloatPoint minX, minY, maxX, maxY;

    explicit Extremes(TFloatPoint first) : minX(first), minY(first), maxX(first), maxY(first) {}

    void Apply(TFloatPoint p) {
        if (IsGreaterTol(minX.x, p.x)) minX = p;
        if (IsGreaterTol(minY.y, p.y)) minY = p;
        if (IsLessTol(maxX.x, p.x)) maxX = p;
        if (IsLessTol(maxY.y, p.y)) maxY = p;
    }
};

bool HasEnds(const TftfLine& side) { return side.StartPoint && side.EndPoint; }

}  // namespace

TRebateExtremes RebateExtremes(const TftfFlugel& sash) {
    TRebateExtremes r;
    if (sash.Points.empty()) return r;

    Extremes ex(ToFloatPoint(sash.Points.front()->Pos()));
    for (std::size_t i = 1; i < sash.Points.size(); ++i) ex.Apply(ToFloatPoint(sash.Points[i]->Pos()));

    // An arched side may reach beyond its end points: the four axis points of its circle count
    // where they lie on the arc itself.
    for (const auto& side : sash.Sides) {
        const long double radius = side->Radius;
        if (radius == 0 || !HasEnds(*side)) continue;
        const TFloatPoint c = side->Centre;
        const TFloatPoint candidates[] = {
            {static_cast<float>(c.x - radius), c.y},
            {c.x, static_cast<float>(c.y - radius)},
            {static_cast<float>(c.x + radius), c.y},
            {c.x, static_cast<float>(c.y + radius)},
        };
        const TFloatPoint s = ToFloatPoint(side->StartPoint->Pos());
        const TFloatPoint e = ToFloatPoint(side->EndPoint->Pos());
        for (const TFloatPoint& q : candidates)
            if (IsOnArc(s, e, c, q, radius)) ex.Apply(q);
    }

    r.MinX = ToPointDown(ex.minX);
    r.MinY = ToPointDown(ex.minY);
    r.MaxX = ToPointUp(ex.maxX);
    r.MaxY = ToPointUp(ex.maxY);
    r.Width = static_cast<std::int32_t>(std::llabs(static_cast<long long>(r.MaxX.x) - r.MinX.x));
    r.Height = static_cast<std::int32_t>(std::llabs(static_cast<long long>(r.MaxY.y) - r.MinY.y));
    return r;
}

void RebateSize(const TftfFlugel& sash, std::int32_t& width, std::int32_t& height) {
    const TRebateExtremes r = RebateExtremes(sash);
    width = UnitsToMm(r.Width);
    height = UnitsToMm(r.Height);
}

void RebateBox(const TftfFlugel& sash, TPoint& topLeft, TPoint& bottomRight) {
    const TRebateExtremes r = RebateExtremes(sash);
    topLeft = {r.MinX.x / 10, r.MinY.y / 10};
    bottomRight = {r.MaxX.x / 10, r.MaxY.y / 10};
}

void PositionRebateSize(const TftfConstruction& position, std::int32_t& width, std::int32_t& height) {
    width = height = 0;
    if (!position.Sash1) return;
    RebateSize(*position.Sash1, width, height);
    if (position.Arrangement == 2 || !position.Sash2) return;
    std::int32_t width2 = 0, height2 = 0;
    RebateSize(*position.Sash2, width2, height2);
    width += width2;
}

float SideLength(const TftfLine& side) {
    const long double distance = HasEnds(side) ? PointDistance(side.StartPoint->Pos(), side.EndPoint->Pos()) : -1;
    return UnitsToMmF(distance);
}

bool IsArc(const TftfLine& side) { return side.Radius != 0 && side.Radius == side.Radius2; }

namespace {
long double HalfChord(const TftfLine& side) {
    return HasEnds(side) ? PointDistance(side.StartPoint->Pos(), side.EndPoint->Pos()) / 2 : -0.5L;
}
}  // namespace

bool IsHalfCircleArc(const TftfLine& side) { return IsArc(side) && HalfChord(side) == side.Radius; }

bool IsSegmentArc(const TftfLine& side) { return IsArc(side) && HalfChord(side) != side.Radius; }

bool IsEllipseArc(const TftfLine& side) {
    return side.Radius != 0 && side.Radius2 != 0 && side.Radius != side.Radius2;
}

int SideOrientation(const TftfLine& side) {
    if (!HasEnds(side)) return 3;
    const long double a = DirectionAngle(side.StartPoint->Pos(), side.EndPoint->Pos());
    if (a == 90 || a == 270) return 1;
    if (a == 0 || a == 180) return 0;
    return 3;
}

float CornerAngleAt(const TftfFlugel& sash, int i) {
    const int count = static_cast<int>(sash.Sides.size());
    if (i < 0 || i >= count) return 0;
    const TftfLine& side = *sash.Sides[static_cast<std::size_t>(i)];
    const TftfLine& prev = *sash.Sides[static_cast<std::size_t>(i == 0 ? count - 1 : i - 1)];
    if (!HasEnds(side) || !prev.StartPoint) return 0;
    return static_cast<float>(CornerAngle(prev.StartPoint->Pos(), side.StartPoint->Pos(), side.EndPoint->Pos(),
                                          prev.Radius, side.Radius, prev.Centre, side.Centre));
}

// ---- Formulas ----

namespace {

// A side number as a function receives it: a whole number (or a text holding one) that fits an
// int; anything else is no side number.
std::optional<int> WholeNumber(const ExprValue& v) {
    double d = 0;
    if (v.IsNumber()) d = v.AsNumber();
    else if (!v.IsText() || !ParseExprNumber(v.AsText(), d)) return std::nullopt;
    if (!std::isfinite(d) || d != std::trunc(d) || d < -2147483648.0 || d > 2147483647.0) return std::nullopt;
    return static_cast<int>(d);
}

const TftfLine* SideByNumber(const TftfFlugel* sash, std::optional<int> number) {
    if (!sash || !number || *number < 1 || static_cast<std::size_t>(*number) > sash->Sides.size()) return nullptr;
    return sash->Sides[static_cast<std::size_t>(*number - 1)].get();
}

}  // namespace

double Evaluate(const TftfFlugel& sash, std::string_view expression) {
    const std::shared_ptr<const Expression> formula = Expression::Compile(expression);

    // The rebate size is measured once per evaluation, when a formula first needs it.
    std::optional<std::pair<std::int32_t, std::int32_t>> size;
    auto rebate = [&]() -> const std::pair<std::int32_t, std::int32_t>& {
        if (!size) {
            std::int32_t w = 0, h = 0;
            RebateSize(sash, w, h);
            size.emplace(w, h);
        }
        return *size;
    };

    ExprScope scope;
    scope.variable = [&](std::string_view name) {
        // FН and FFН end in the Cyrillic EN; FRH in the Latin H, as the catalogues write them.
        if (name == "FB" || name == "FFB" || name == "FRB") return ExprValue::Number(rebate().first);
        if (name == "FН" || name == "FFН" || name == "FRH") return ExprValue::Number(rebate().second);
        return ExprValue::Number(0);
    };
    scope.function = [&](std::string_view name, const ExprArgs& args) {
        if (name == "FL" || name == "FFL") {
            // A side length the formula cannot name is 0, never an error.
            std::optional<int> number;
            try {
                if (args.Count() > 0) number = WholeNumber(args.Value(0));
            } catch (const FtfError&) {
            }
            const TftfLine* side = SideByNumber(&sash, number);
            return ExprValue::Number(side ? SideLength(*side) : 0);
        }
        const bool here = name == "FG" || name == "FFG";
        if (here || name == "FGA" || name == "FFGA") {
            std::optional<int> number;
            if (args.Count() > 0) number = WholeNumber(args.Value(0));
            if (!number)
                formula->Fail("аргумент функции " + std::string(name) + " [" +
                              std::string(args.Count() > 0 ? args.Text(0) : "") + "] не является номером стороны");
            const TftfLine* side = SideByNumber(here ? &sash : sash.OtherSash(), number);
            return ExprValue::Number(side ? side->HandleHeight : 0);
        }
        return ExprValue::Number(0);
    };
    return formula->EvaluateNumber(scope);
}

}  // namespace ftf
