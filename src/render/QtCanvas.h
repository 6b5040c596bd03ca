#pragma once
// The QPainter canvas (screen, printer, PDF, PNG, SVG) and the text metrics of Qt's fonts.

#include <QFont>
#include <QImage>

#include "model/Canvas.h"

class QPainter;
class QPaintDevice;

namespace ftf {

/// Makes sure a Qt application object exists, which fonts need. The desktop program has its
/// own; the command line and the tests get one on Qt's offscreen platform, kept to the end of the
/// process.
void EnsureGuiApplication();

/// Qt's font metrics at a resolution. Every canvas of one output measures with the resolution of
/// its device, so a sketch lays out alike on screen, in PNG and in SVG at 96 dpi.
class TQtTextMetrics : public ITextMetrics {
public:
    explicit TQtTextMetrics(int dpi = 96);
    TSize TextExtent(const TFontSpec& font, std::string_view text) const override;
    int Dpi() const { return dpi_; }

private:
    int dpi_;
    QImage device_;  // carries the resolution for QFontMetrics
};

QFont ToQFont(const TFontSpec& desc);

/// Draws on a painter that is active on its device. The painter's state is the canvas's; it is
/// set for every primitive.
class TQtCanvas : public TCanvas {
public:
    TQtCanvas(QPainter& painter, const ITextMetrics& metrics);

protected:
    void DoLine(TPoint a, TPoint b) override;
    void DoArc(TPoint tl, TPoint br, TPoint start, TPoint end) override;
    void DoText(TPoint p, std::string_view text, long double angle) override;

private:
    void ApplyPen();
    QPainter& painter_;
};

}  // namespace ftf
