#include "render/QtCanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace ftf {

namespace {

QColor ToQColor(TRgb c) { return QColor(c.R, c.G, c.B); }

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The direction of the ray from (cx, cy) through p, degrees counter-clockwise on the screen.
double RayAngle(double cx, double cy, TPoint p) {
    if (p.x == cx && p.y == cy) return 0;
    double a = std::atan2(cy - p.y, p.x - cx) * 180 / std::numbers::pi;
    return a < 0 ? a + 360 : a;
}

}  // namespace

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    // Nothing is shown from here: no display is needed and none is asked for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ftf";
    static char* argv[] = {name, nullptr};
    // Start-up notes of the platform (a missing runtime folder and the like) mean nothing to a
    // picture written offscreen; they are kept off standard error.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        });
    // Deliberately never destroyed: fonts and images may be in use until the process ends.
    new QGuiApplication(argc, argv);
    qInstallMessageHandler(previous);
}

TQtTextMetrics::TQtTextMetrics(int dpi)
    : dpi_(dpi > 0 ? dpi : 96), device_((EnsureGuiApplication(), 1), 1, QImage::Format_RGB32) {
    const int dpm = static_cast<int>(std::lround(dpi_ / 0.0254));
    device_.setDotsPerMeterX(dpm);
    device_.setDotsPerMeterY(dpm);
}

QFont ToQFont(const TFontSpec& desc) {
    QFont font(QString::fromStdString(desc.Face));
    font.setPointSizeF(desc.PointSize > 0 ? desc.PointSize : 8);
    font.setBold(desc.Bold);
    font.setItalic(desc.Italic);
    font.setUnderline(desc.Underline);
    font.setStrikeOut(desc.StrikeOut);
    return font;
}

TSize TQtTextMetrics::TextExtent(const TFontSpec& font, std::string_view text) const {
    const QFontMetrics fm(ToQFont(font), &device_);
    return {fm.horizontalAdvance(ToQString(text)), fm.height()};
}

TQtCanvas::TQtCanvas(QPainter& painter, const ITextMetrics& metrics)
    : TCanvas(metrics), painter_(painter) {}

void TQtCanvas::ApplyPen() {
    QPen pen(ToQColor(PenColor()));
    pen.setWidth(PenWidth());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void TQtCanvas::DoLine(TPoint a, TPoint b) {
    ApplyPen();
    painter_.drawLine(QPoint(a.x, a.y), QPoint(b.x, b.y));
}

void TQtCanvas::DoArc(TPoint tl, TPoint br, TPoint start, TPoint end) {
    ApplyPen();
    const double cx = (tl.x + br.x) / 2.0;
    const double cy = (tl.y + br.y) / 2.0;
    const double from = RayAngle(cx, cy, start);
    double span = RayAngle(cx, cy, end) - from;
    while (span <= 0) span += 360;  // equal rays: the whole ellipse
    const QRectF rect(tl.x, tl.y, br.x - tl.x, br.y - tl.y);
    painter_.drawArc(rect, static_cast<int>(std::lround(from * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void TQtCanvas::DoText(TPoint p, std::string_view text, long double angle) {
    const QFont font = ToQFont(Font());
    const QString s = ToQString(text);
    // The painter's device decides the font's pixel size; the box comes from the same metrics
    // the layout used, so placement does not depend on the device.
    const TSize size = TextExtent(text);
    const QFontMetrics fm(font, painter_.device());
    painter_.save();
    painter_.translate(p.x, p.y);
    painter_.rotate(-static_cast<double>(angle));
    painter_.setFont(font);
    QRect box(0, 0, size.cx, size.cy);
    if (TextAlign() == TTextAlign::BottomCentre) box.moveTo(-size.cx / 2, -size.cy);
    if (Brush()) painter_.fillRect(box, ToQColor(*Brush()));
    painter_.setPen(ToQColor(FontColor()));
    painter_.drawText(QPointF(box.left(), box.top() + fm.ascent()), s);
    painter_.restore();
}

}  // namespace ftf
