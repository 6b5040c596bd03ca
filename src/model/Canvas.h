#pragma once
// The drawing surface of sketches and reports.
//
// A canvas keeps the drawing state (pen, brush, font, text alignment, origin) and hands each
// primitive with absolute coordinates to its implementation: QPainter for screen, printer and
// files, a recording canvas in tests. Coordinates are device pixels, y pointing down. Texts are
// UTF-8. Every canvas measures text through an ITextMetrics so that one layout serves all of them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Geometry.h"

namespace ftf {

/// A colour as red, green, blue.
struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool operator==(const TRgb&) const = default;
};

inline constexpr TRgb kBlack{0, 0, 0};
inline constexpr TRgb kWhite{255, 255, 255};
inline constexpr TRgb kRed{255, 0, 0};

struct TSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    bool operator==(const TSize&) const = default;
};

/// A rectangle from (Left, Top) up to, not including, (Right, Bottom).
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

/// The canvas font. The size is in points; the metrics turn it into pixels at their resolution.
struct TFontSpec {
    std::string Face = "DejaVu Sans";
    double PointSize = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const TFontSpec&) const = default;
};

/// Where the reference point of a text lies on its unturned box.
enum class TTextAlign {
    TopLeft,       ///< the box's top left corner (the canvas default)
    BottomCentre,  ///< the middle of the box's bottom edge
};

/// Size of texts in pixels: width of the advance, height of the line (ascent + descent).
class ITextMetrics {
public:
    virtual ~ITextMetrics() = default;
    virtual TSize TextExtent(const TFontSpec& font, std::string_view text) const = 0;
};

class TCanvas {
public:
    explicit TCanvas(const ITextMetrics& metrics) : metrics_(&metrics) {}
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // ---- State ----
    std::int32_t PenWidth() const { return penWidth_; }
    void SetPenWidth(std::int32_t width) { penWidth_ = width < 1 ? 1 : width; }
    TRgb PenColor() const { return penColor_; }
    void SetPenColor(TRgb color) { penColor_ = color; }
    /// The brush fills the background of texts; none leaves it transparent.
    std::optional<TRgb> Brush() const { return brush_; }
    void SetBrush(std::optional<TRgb> brush) { brush_ = brush; }
    const TFontSpec& Font() const { return font_; }
    TFontSpec& Font() { return font_; }
    TRgb FontColor() const { return fontColor_; }
    void SetFontColor(TRgb color) { fontColor_ = color; }
    TTextAlign TextAlign() const { return textAlign_; }
    void SetTextAlign(TTextAlign align) { textAlign_ = align; }
    /// The point of the device where the canvas's (0, 0) lies.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint origin) { origin_ = origin; }
    const ITextMetrics& Metrics() const { return *metrics_; }

    // ---- Drawing; coordinates relative to the origin ----
    void Line(TPoint a, TPoint b) { DoLine(Abs(a), Abs(b)); }
    /// The arc of the ellipse inscribed in the box, counter-clockwise on the screen from the ray
    /// through `start` to the ray through `end` (both rays from the box centre); the whole
    /// ellipse when the rays coincide.
    void Arc(TPoint boxTopLeft, TPoint boxBottomRight, TPoint start, TPoint end) {
        DoArc(Abs(boxTopLeft), Abs(boxBottomRight), Abs(start), Abs(end));
    }
    /// The text with the current font, its reference point (TextAlign) at p, turned by
    /// `angle` degrees counter-clockwise about p.
    void TextOut(TPoint p, std::string_view text, long double angle = 0) {
        DoText(Abs(p), text, angle);
    }
    TSize TextExtent(std::string_view text) const { return metrics_->TextExtent(font_, text); }
    std::int32_t TextWidth(std::string_view text) const { return TextExtent(text).cx; }
    std::int32_t TextHeight(std::string_view text) const { return TextExtent(text).cy; }

protected:
    virtual void DoLine(TPoint a, TPoint b) = 0;
    virtual void DoArc(TPoint boxTopLeft, TPoint boxBottomRight, TPoint start, TPoint end) = 0;
    virtual void DoText(TPoint p, std::string_view text, long double angle) = 0;

private:
    TPoint Abs(TPoint p) const { return {p.x + origin_.x, p.y + origin_.y}; }

    const ITextMetrics* metrics_;
    std::int32_t penWidth_ = 1;
    TRgb penColor_ = kBlack;
    std::optional<TRgb> brush_ = kWhite;
    TFontSpec font_;
    TRgb fontColor_ = kBlack;
    TTextAlign textAlign_ = TTextAlign::TopLeft;
    TPoint origin_;
};

/// Moves the canvas origin by an offset for its lifetime; the old origin comes back on every
/// way out, exceptions included.
class TCanvasOriginGuard {
public:
    TCanvasOriginGuard(TCanvas& canvas, TPoint offset) : canvas_(canvas), saved_(canvas.Origin()) {
        canvas.SetOrigin({saved_.x + offset.x, saved_.y + offset.y});
    }
    ~TCanvasOriginGuard() { canvas_.SetOrigin(saved_); }
    TCanvasOriginGuard(const TCanvasOriginGuard&) = delete;
    TCanvasOriginGuard& operator=(const TCanvasOriginGuard&) = delete;

private:
    TCanvas& canvas_;
    TPoint saved_;
};

/// Keeps pen, brush, font, font colour and text alignment and puts them back when it goes.
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TCanvas& canvas)
        : canvas_(canvas),
          penWidth_(canvas.PenWidth()),
          penColor_(canvas.PenColor()),
          brush_(canvas.Brush()),
          font_(canvas.Font()),
          fontColor_(canvas.FontColor()),
          align_(canvas.TextAlign()) {}
    ~TCanvasStateGuard() {
        canvas_.SetPenWidth(penWidth_);
        canvas_.SetPenColor(penColor_);
        canvas_.SetBrush(brush_);
        canvas_.Font() = font_;
        canvas_.SetFontColor(fontColor_);
        canvas_.SetTextAlign(align_);
    }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    TCanvas& canvas_;
    std::int32_t penWidth_;
    TRgb penColor_;
    std::optional<TRgb> brush_;
    TFontSpec font_;
    TRgb fontColor_;
    TTextAlign align_;
};

/// Draws a side: a straight line s→e for r = 0; otherwise the arc of the circle about c with
/// radius |r| from the ray through e counter-clockwise to the ray through s. The brush is set to
/// `brush` for the drawing; brush and pen come back afterwards.
void DrawSide(TCanvas& canvas, TPoint s, TPoint e, TRgb brush, long double r, TFloatPoint c);

/// Draws the text at p turned by `angle` degrees, with the canvas font at `height` points (the
/// font's own size for −1). A given alignment is set on the canvas and stays. Returns the size of
/// the turned text box.
TSize DrawRotatedText(TCanvas& canvas, TPoint p, std::string_view text, double height,
                      std::optional<TTextAlign> alignment, long double angle);

}  // namespace ftf
