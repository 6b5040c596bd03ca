#include "model/Sizing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/Measures.h"

namespace ftf {

bool TftfSizePointList::Add(std::int32_t x, std::int32_t y) {
    const TftfSizePoint p{x, y};
    for (const auto& q : Points)
        if (*q == p) return false;
    Points.push_back(std::make_unique<TftfSizePoint>(p));
    return true;
}

void TftfSizePointList::Sort() {
    std::stable_sort(Points.begin(), Points.end(),
                     [](const std::unique_ptr<TftfSizePoint>& a,
                        const std::unique_ptr<TftfSizePoint>& b) {
                         return a->X != b->X ? a->X < b->X : a->Y < b->Y;
                     });
}

bool TftfSizePointList::SameAs(const TftfSizePointList& other) const {
    if (Points.size() != other.Points.size()) return false;
    for (std::size_t i = 0; i < Points.size(); ++i)
        if (!(*Points[i] == *other.Points[i])) return false;
    return true;
}

TftfSizeGrid::TftfSizeGrid(TCanvas& canvas)
    : canvas_(canvas), pitch_(canvas.TextHeight("0") + 2) {}

namespace {

bool WantsAny(const TSizeFlags& flags) {
    return flags.count(0) || flags.count(1) || flags.count(2);
}

std::unique_ptr<TftfSizePointList> MakeChain(std::initializer_list<TftfSizePoint> points) {
    auto chain = std::make_unique<TftfSizePointList>();
    for (const TftfSizePoint& p : points) chain->Add(p.X, p.Y);
    chain->Sort();
    return chain;
}

// The coordinate a chain of the given direction is laid out along.
std::int32_t Coord(const TftfSizePoint& p, bool vertical) { return vertical ? p.Y : p.X; }

}  // namespace

void TftfSizeGrid::Build(const TftfConstruction& position, const TSizeFlags& flags) {
    if (!WantsAny(flags)) return;
    std::int32_t w = 0, h = 0;
    PositionRebateSize(position, w, h);
    Box = {0, 0, w, h};
    if (position.Sash1) AddSash(*position.Sash1, flags);
    if (position.Sash2) AddSash(*position.Sash2, flags);
    if (flags.count(0)) {
        AddHorizontalChain(MakeChain({{0, 0}, {w, 0}}));
        AddVerticalChain(MakeChain({{0, 0}, {0, h}}));
    }
}

void TftfSizeGrid::Build(const TftfFlugel& sash, const TSizeFlags& flags) {
    if (!WantsAny(flags)) return;
    std::int32_t w = 0, h = 0;
    RebateSize(sash, w, h);
    Box = {0, 0, w, h};
    AddSash(sash, flags);
}

void TftfSizeGrid::AddSash(const TftfFlugel& sash, const TSizeFlags& flags) {
    TPoint tl, br;
    RebateBox(sash, tl, br);
    for (const auto& side : sash.Sides) AddSide(*side, tl, br, flags);
    AddHorizontalChain(MakeChain({{tl.x, 0}, {br.x, 0}}));
    AddVerticalChain(MakeChain({{0, tl.y}, {0, br.y}}));
}

void TftfSizeGrid::AddSide(const TftfLine& side, TPoint tl, TPoint br, const TSizeFlags& flags) {
    if (!flags.count(1) && !flags.count(2)) return;
    if (!side.StartPoint || !side.EndPoint) return;
    const bool inner = flags.count(2) != 0;
    const TPoint s{side.StartPoint->X / 10, side.StartPoint->Y / 10};
    const TPoint e{side.EndPoint->X / 10, side.EndPoint->Y / 10};
    const int orientation = SideOrientation(side);
    // One chain from the box's low edge over the side's ends to its high edge; with flag 2 an
    // end lying on the box edge adds nothing, and a side with both ends there adds no chain.
    auto chain = [&](std::int32_t low, std::int32_t a, std::int32_t b, std::int32_t high,
                     bool vertical) -> std::unique_ptr<TftfSizePointList> {
        const bool keepA = !inner || (a != low && a != high);
        const bool keepB = !inner || (b != low && b != high);
        if (!keepA && !keepB) return nullptr;
        auto list = std::make_unique<TftfSizePointList>();
        auto add = [&](std::int32_t v) { vertical ? list->Add(0, v) : list->Add(v, 0); };
        add(low);
        if (keepA) add(a);
        if (keepB) add(b);
        add(high);
        list->Sort();
        return list;
    };
    if (orientation != 1) {
        if (auto c = chain(tl.x, s.x, e.x, br.x, false)) AddHorizontalChain(std::move(c));
    }
    if (orientation != 0) {
        if (auto c = chain(tl.y, s.y, e.y, br.y, true)) AddVerticalChain(std::move(c));
    }
}

void TftfSizeGrid::AddHorizontalChain(std::unique_ptr<TftfSizePointList> chain) {
    AddChain(HorizontalRows, 0, false, std::move(chain));
}

void TftfSizeGrid::AddVerticalChain(std::unique_ptr<TftfSizePointList> chain) {
    AddChain(VerticalRows, 90, true, std::move(chain));
}

void TftfSizeGrid::AddChain(std::vector<std::unique_ptr<TftfSizing>>& rows, int angle,
                            bool vertical, std::unique_ptr<TftfSizePointList> chain) {
    if (!chain || chain->Count() == 0) return;
    for (const auto& row : rows)
        for (const auto& other : row->Chains)
            if (other->SameAs(*chain)) return;
    const std::int32_t first = Coord(chain->Point(0), vertical);
    const std::int32_t last = Coord(chain->Point(chain->Count() - 1), vertical);
    auto firstOf = [&](const TftfSizePointList& c) { return Coord(c.Point(0), vertical); };
    auto lastOf = [&](const TftfSizePointList& c) {
        return Coord(c.Point(c.Count() - 1), vertical);
    };
    for (auto& row : rows) {
        auto& chains = row->Chains;
        if (chains.empty()) continue;
        if (firstOf(*chains.front()) >= last) {
            chains.insert(chains.begin(), std::move(chain));
            return;
        }
        for (std::size_t i = 1; i < chains.size(); ++i) {
            if (first >= lastOf(*chains[i - 1]) && firstOf(*chains[i]) >= last) {
                chains.insert(chains.begin() + static_cast<std::ptrdiff_t>(i), std::move(chain));
                return;
            }
        }
        if (first >= lastOf(*chains.back())) {
            chains.push_back(std::move(chain));
            return;
        }
    }
    auto row = std::make_unique<TftfSizing>(angle);
    row->Chains.push_back(std::move(chain));
    rows.push_back(std::move(row));
}

std::int32_t TftfSizeGrid::HorizontalRowsHeight() const {
    return static_cast<std::int32_t>(HorizontalRows.size()) * pitch_;
}

std::int32_t TftfSizeGrid::VerticalRowsWidth() const {
    return static_cast<std::int32_t>(VerticalRows.size()) * pitch_;
}

namespace {

std::string DimensionText(const TftfSizePointList& chain, long double value) {
    if (!chain.Label.empty()) return chain.Label;
    char buf[64];
    const double v = static_cast<double>(value);
    std::snprintf(buf, sizeof buf, v != std::trunc(v) ? "%.1f" : "%.0f", v);
    return buf;
}

}  // namespace

void TftfSizeGrid::Draw(long double scale) {
    TCanvasStateGuard state(canvas_);
    canvas_.SetBrush(std::nullopt);
    canvas_.SetPenWidth(1);
    const std::int32_t boxH = RoundAway(Box.Height() / scale);
    const std::int32_t boxW = RoundAway(Box.Width() / scale);
    for (std::size_t i = 0; i < HorizontalRows.size(); ++i) {
        const TftfSizing& row = *HorizontalRows[i];
        const std::int32_t y = boxH + static_cast<std::int32_t>(i + 1) * pitch_;
        for (const auto& chain : row.Chains)
            for (int k = 0; k + 1 < chain->Count(); ++k) {
                const TftfSizePoint& a = chain->Point(k);
                const TftfSizePoint& b = chain->Point(k + 1);
                const long double value = std::abs(b.X - a.X);
                const TPoint p = ScalePoint({a.X, 0}, scale);
                const TPoint q = ScalePoint({b.X, 0}, scale);
                DrawDimension({p.x, p.y + y}, {q.x, q.y + y}, DimensionText(*chain, value),
                              row.Angle);
            }
    }
    for (std::size_t i = 0; i < VerticalRows.size(); ++i) {
        const TftfSizing& row = *VerticalRows[i];
        const std::int32_t x = boxW + static_cast<std::int32_t>(i + 1) * pitch_;
        for (const auto& chain : row.Chains)
            for (int k = 0; k + 1 < chain->Count(); ++k) {
                // Vertical dimensions run upwards, from the lower point to the upper one.
                const TftfSizePoint& a = chain->Point(k + 1);
                const TftfSizePoint& b = chain->Point(k);
                const long double value = std::abs(b.Y - a.Y);
                const TPoint p = ScalePoint({0, a.Y}, scale);
                const TPoint q = ScalePoint({0, b.Y}, scale);
                DrawDimension({p.x + x, p.y}, {q.x + x, q.y}, DimensionText(*chain, value),
                              row.Angle);
            }
    }
}

void TftfSizeGrid::DrawDimension(TPoint p, TPoint q, const std::string& text, int angle) {
    const TPoint m = MidPoint(p, q);
    const std::int32_t l = RoundAway(pitch_ / 1.8L);
    const std::int32_t w = pitch_ / 5;
    auto turn = [angle](TPoint pt, TPoint pivot) {
        return angle == 0 ? pt : RotatePoint(pt, pivot, angle);
    };
    canvas_.Line(p, q);
    canvas_.Line(turn({p.x, p.y - pitch_}, p), turn({p.x, p.y + 1}, p));
    canvas_.Line(turn({q.x, q.y - pitch_}, q), turn({q.x, q.y + 1}, q));
    canvas_.Line(p, turn({p.x + l, p.y - w}, p));
    canvas_.Line(p, turn({p.x + l, p.y + w}, p));
    canvas_.Line(q, turn({q.x - l, q.y - w}, q));
    canvas_.Line(q, turn({q.x - l, q.y + w}, q));
    DrawRotatedText(canvas_, m, text, -1, TTextAlign::BottomCentre, angle);
}

}  // namespace ftf
