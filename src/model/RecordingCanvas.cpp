#include "model/RecordingCanvas.h"

namespace ftf {

TDrawnPrimitive TRecordingCanvas::Stamp(TDrawnPrimitive::Kind kind) const {
    TDrawnPrimitive d;
    d.What = kind;
    d.PenWidth = PenWidth();
    d.PenColor = PenColor();
    d.Brush = Brush();
    d.Align = TextAlign();
    d.Font = Font();
    d.FontColor = FontColor();
    return d;
}

std::vector<TDrawnPrimitive> TRecordingCanvas::Only(TDrawnPrimitive::Kind kind) const {
    std::vector<TDrawnPrimitive> out;
    for (const auto& d : Drawn)
        if (d.What == kind) out.push_back(d);
    return out;
}

void TRecordingCanvas::DoLine(TPoint a, TPoint b) {
    TDrawnPrimitive d = Stamp(TDrawnPrimitive::Kind::Line);
    d.A = a;
    d.B = b;
    Drawn.push_back(d);
}

void TRecordingCanvas::DoArc(TPoint tl, TPoint br, TPoint start, TPoint end) {
    TDrawnPrimitive d = Stamp(TDrawnPrimitive::Kind::Arc);
    d.A = tl;
    d.B = br;
    d.Start = start;
    d.End = end;
    Drawn.push_back(d);
}

void TRecordingCanvas::DoText(TPoint p, std::string_view text, long double angle) {
    TDrawnPrimitive d = Stamp(TDrawnPrimitive::Kind::Text);
    d.A = p;
    d.Text = std::string(text);
    d.Angle = angle;
    Drawn.push_back(d);
}

TSize TFixedTextMetrics::TextExtent(const TFontSpec&, std::string_view text) const {
    std::int32_t chars = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++chars;  // continuation bytes belong to the previous character
    return {chars * charWidth_, height_};
}

}  // namespace ftf
