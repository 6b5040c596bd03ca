#include "reports/FrDrawView.h"

#include "model/Geometry.h"

namespace ftf {

TRect TftfFRDrawView::DeviceRect(const TFrDeviceTransform& t) const {
    const std::int32_t left = RoundAway(X * t.ScaleX + t.OffsetX);
    const std::int32_t top = RoundAway(Y * t.ScaleY + t.OffsetY);
    const std::int32_t width = RoundAway(Dx * t.ScaleX);
    const std::int32_t height = RoundAway(Dy * t.ScaleY);
    return {left, top, left + width, top + height};
}

void TftfFRDrawView::Draw(TCanvas& canvas, const TFrDeviceTransform& t) const {
    const TRect r = DeviceRect(t);
    TCanvasStateGuard state(canvas);
    canvas.SetBrush(std::nullopt);  // no background is painted
    if (HasDrawing) {
        if (Routine) Routine(canvas, r, Data);
        return;
    }
    canvas.SetFontColor(kRed);
    canvas.Font().Bold = true;
    canvas.SetTextAlign(TTextAlign::TopLeft);
    const TSize size = canvas.TextExtent(kPlaceholder);
    // Truncating division: a text wider than the object starts left of it, still centred.
    canvas.TextOut({r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2},
                   kPlaceholder);
}

}  // namespace ftf
