#include "model/Canvas.h"

#include <cmath>
#include <numbers>

namespace ftf {

void DrawSide(TCanvas& canvas, TPoint s, TPoint e, TRgb brush, long double r, TFloatPoint c) {
    const auto savedBrush = canvas.Brush();
    const TRgb savedPen = canvas.PenColor();
    canvas.SetBrush(brush);
    if (r == 0) {
        canvas.Line(s, e);
    } else {
        const float a = static_cast<float>(std::fabs(r));
        const TPoint tl = ToPointRound({c.x - a, c.y - a});
        const TPoint br = ToPointRound({c.x + a, c.y + a});
        canvas.Arc(tl, br, e, s);
    }
    canvas.SetBrush(savedBrush);
    canvas.SetPenColor(savedPen);
}

TSize DrawRotatedText(TCanvas& canvas, TPoint p, std::string_view text, double height,
                      std::optional<TTextAlign> alignment, long double angle) {
    const TFontSpec saved = canvas.Font();
    if (height != -1) canvas.Font().PointSize = height;
    if (alignment) canvas.SetTextAlign(*alignment);
    const TSize size = canvas.TextExtent(text);
    canvas.TextOut(p, text, angle);
    canvas.Font() = saved;
    const long double rad = angle * std::numbers::pi_v<long double> / 180;
    const long double c = std::cos(rad), s = std::sin(rad);
    return {RoundAway(std::fabs(size.cx * c) + std::fabs(size.cy * s)),
            RoundAway(std::fabs(size.cx * s) + std::fabs(size.cy * c))};
}

}  // namespace ftf
