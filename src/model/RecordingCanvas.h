#pragma once
// A canvas that keeps what is drawn on it, for tests, and a fixed text metrics for layout tests.

#include <string>
#include <vector>

#include "model/Canvas.h"

namespace ftf {

/// One drawn primitive, coordinates absolute (the origin already added).
struct TDrawnPrimitive {
    enum class Kind { Line, Arc, Text };
    Kind What = Kind::Line;
    TPoint A;        ///< line start; arc box top left; text reference point
    TPoint B;        ///< line end; arc box bottom right
    TPoint Start;    ///< arc start ray point
    TPoint End;      ///< arc end ray point
    std::int32_t PenWidth = 1;
    TRgb PenColor;
    std::optional<TRgb> Brush;
    std::string Text;
    long double Angle = 0;
    TTextAlign Align = TTextAlign::TopLeft;
    TFontSpec Font;
    TRgb FontColor;
};

class TRecordingCanvas : public TCanvas {
public:
    explicit TRecordingCanvas(const ITextMetrics& metrics) : TCanvas(metrics) {}
    std::vector<TDrawnPrimitive> Drawn;

    std::vector<TDrawnPrimitive> Lines() const { return Only(TDrawnPrimitive::Kind::Line); }
    std::vector<TDrawnPrimitive> Arcs() const { return Only(TDrawnPrimitive::Kind::Arc); }
    std::vector<TDrawnPrimitive> Texts() const { return Only(TDrawnPrimitive::Kind::Text); }

protected:
    void DoLine(TPoint a, TPoint b) override;
    void DoArc(TPoint tl, TPoint br, TPoint start, TPoint end) override;
    void DoText(TPoint p, std::string_view text, long double angle) override;

private:
    TDrawnPrimitive Stamp(TDrawnPrimitive::Kind kind) const;
    std::vector<TDrawnPrimitive> Only(TDrawnPrimitive::Kind kind) const;
};

/// Every character (code point) is `charWidth` pixels wide and every line `height` pixels high,
/// whatever the font.
class TFixedTextMetrics : public ITextMetrics {
public:
    TFixedTextMetrics(std::int32_t charWidth, std::int32_t height)
        : charWidth_(charWidth), height_(height) {}
    TSize TextExtent(const TFontSpec& font, std::string_view text) const override;

private:
    std::int32_t charWidth_;
    std::int32_t height_;
};

}  // namespace ftf
