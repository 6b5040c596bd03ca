#include "model/Sketch.h"

#include <algorithm>

#include "model/Measures.h"

namespace ftf {

TPoint OpeningMarkTarget(const TftfFlugel& sash, int rotSide) {
    const TftfLine& side = *sash.Sides.at(static_cast<std::size_t>(rotSide));
    const TPoint s = side.StartPoint->Pos();
    const TPoint e = side.EndPoint->Pos();
    if (side.Radius == 0) return MidPoint(s, e);
    // The middle of the arc: its start turned back by half the angle it subtends.
    const TFloatPoint c = side.Centre;
    const long double angle = VertexAngle(ToFloatPoint(e), c, ToFloatPoint(s));
    return ToPointRound(RotatePoint(ToFloatPoint(s), c, -angle / 2));
}

void DrawSash(const TftfFlugel& sash, TCanvas& canvas, long double scale) {
    for (const auto& side : sash.Sides) {
        if (!side->StartPoint || !side->EndPoint) continue;
        DrawSide(canvas, ScalePoint(side->StartPoint->Pos(), scale),
                 ScalePoint(side->EndPoint->Pos(), scale), kBlack, Round1(side->Radius / scale),
                 ScaleFloatPoint(side->Centre, scale));
    }
    if (!sash.FurnComp) return;

    const std::int32_t savedWidth = canvas.PenWidth();
    canvas.SetPenWidth(1);
    const auto scaled = [scale](TPoint p) { return ScalePoint(p, scale); };
    const std::size_t points = sash.Points.size();
    for (const auto& side : sash.Sides) {
        if (!side->OpenMode || !side->StartPoint || !side->EndPoint) continue;
        if (side->RotSide < 0 || static_cast<std::size_t>(side->RotSide) >= points) continue;
        // A mark pointing at a side the contour lacks, or at one without ends, has no target.
        if (static_cast<std::size_t>(side->RotSide) >= sash.Sides.size()) continue;
        const TftfLine& target = *sash.Sides[static_cast<std::size_t>(side->RotSide)];
        if (!target.StartPoint || !target.EndPoint) continue;
        const TPoint t = scaled(OpeningMarkTarget(sash, side->RotSide));
        canvas.Line(scaled(side->StartPoint->Pos()), t);
        canvas.Line(t, scaled(side->EndPoint->Pos()));
    }

    const std::int32_t image = sash.FurnComp->ComplectImage;
    if (image >= 1 && image <= 5) {
        TPoint tl, br;
        RebateBox(sash, tl, br);
        const TPoint low{MmToUnits(tl.x), MmToUnits(tl.y)};
        const TPoint high{MmToUnits(br.x), MmToUnits(br.y)};
        const TPoint c{low.x + (high.x - low.x) / 2, low.y + (high.y - low.y) / 2};
        const TPoint l{c.x - kSymbolHalfLength, c.y};
        const TPoint r{c.x + kSymbolHalfLength, c.y};
        const TPoint l1{l.x + kSymbolHeadLength, l.y - kSymbolHeadHalfWidth};
        const TPoint l2{l.x + kSymbolHeadLength, l.y + kSymbolHeadHalfWidth};
        const TPoint r1{r.x - kSymbolHeadLength, r.y - kSymbolHeadHalfWidth};
        const TPoint r2{r.x - kSymbolHeadLength, r.y + kSymbolHeadHalfWidth};
        const TPoint ld{l.x, l.y + kSymbolTickLength};
        const TPoint rd{r.x, r.y + kSymbolTickLength};
        const bool headL = image == 1 || image == 3 || image == 4;
        const bool headR = image == 2 || image == 3 || image == 5;
        canvas.Line(scaled(l), scaled(r));
        if (headL) {
            canvas.Line(scaled(l), scaled(l1));
            canvas.Line(scaled(l), scaled(l2));
        }
        if (headR) {
            canvas.Line(scaled(r), scaled(r1));
            canvas.Line(scaled(r), scaled(r2));
        }
        if (image == 4) canvas.Line(scaled(r), scaled(rd));
        if (image == 5) canvas.Line(scaled(l), scaled(ld));
    }
    canvas.SetPenWidth(savedWidth);
}

void DrawPosition(const TftfConstruction& position, TCanvas& canvas, const TRect& box,
                  const TSizeFlags& flags, long double zoom, std::int32_t& shiftX,
                  std::int32_t& shiftY, std::int32_t& left, std::int32_t& top) {
    std::int32_t W = 0, H = 0;
    PositionRebateSize(position, W, H);
    if (W <= 0 && H <= 0) {
        // No contour: no scale to fit, nothing to draw.
        shiftX = shiftY = left = top = 0;
        return;
    }
    TftfSizeGrid grid(canvas);
    grid.Build(position, flags);
    // A box smaller than the margins still gets a drawing one pixel across rather than a
    // negative or infinite scale.
    const std::int32_t w = std::max<std::int32_t>(1, box.Right - box.Left - grid.VerticalRowsWidth() - 20);
    const std::int32_t h = std::max<std::int32_t>(1, box.Bottom - box.Top - grid.HorizontalRowsHeight() - 20);
    // W / H ≥ w / h picks W / w; written as the larger ratio it also holds for a flat figure.
    long double scale = std::max(static_cast<long double>(W) / w, static_cast<long double>(H) / h);
    if (zoom != 0) scale *= zoom;
    const std::int32_t sw = RoundAway(W / scale);
    const std::int32_t sh = RoundAway(H / scale);
    left = (w - sw) / 2 + 10;
    top = (h - sh) / 2 + 10;
    shiftX = RoundAway(static_cast<long double>(shiftX) * sw / 100);
    shiftY = RoundAway(static_cast<long double>(shiftY) * sh / 100);

    TCanvasOriginGuard origin(canvas, {box.Left + left - shiftX, box.Top + top - shiftY});
    const std::int32_t savedWidth = canvas.PenWidth();
    canvas.SetPenWidth(3);
    try {
        DrawSash(*position.Sash1, canvas, scale * 10);
        if (position.Arrangement != 2 && position.Sash2) DrawSash(*position.Sash2, canvas, scale * 10);
    } catch (...) {
        canvas.SetPenWidth(savedWidth);
        throw;
    }
    canvas.SetPenWidth(savedWidth);
    grid.Draw(scale);
}

}  // namespace ftf
