#include "render/SketchFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "common/Error.h"
#include "model/Sketch.h"
#include "render/QtCanvas.h"

namespace ftf {

namespace {

constexpr int kDpi = 96;
// A larger picture would only exhaust memory (4 bytes per pixel).
constexpr int kMaxSide = 20000;

void Paint(QPainter& painter, const TftfConstruction& position, int width, int height,
           const TSizeFlags& flags) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    TQtTextMetrics metrics(kDpi);
    TQtCanvas canvas(painter, metrics);
    std::int32_t shiftX = 0, shiftY = 0, left = 0, top = 0;
    DrawPosition(position, canvas, {0, 0, width, height}, flags, 1, shiftX, shiftY, left, top);
}

std::string LowerExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

[[noreturn]] void FailWrite(const std::string& path) {
    throw FtfError("Не удалось записать файл эскиза \"" + path + "\"");
}

}  // namespace

bool IsSketchFileName(const std::string& path) {
    const std::string ext = LowerExtension(path);
    return ext == ".svg" || ext == ".png";
}

void WriteSketchFile(const TftfConstruction& position, const std::string& path, int width,
                     int height, const TSizeFlags& flags) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        throw FtfError("Размер эскиза должен быть от 1 до " + std::to_string(kMaxSide) +
                       " точек по каждой стороне");
    EnsureGuiApplication();
    const std::string ext = LowerExtension(path);
    const QString file = QString::fromStdString(path);
    if (ext == ".png") {
        QImage image(width, height, QImage::Format_ARGB32);
        const int dpm = static_cast<int>(std::lround(kDpi / 0.0254));
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        {
            QPainter painter(&image);
            Paint(painter, position, width, height, flags);
        }
        if (!image.save(file, "PNG")) FailWrite(path);
        return;
    }
    if (ext == ".svg") {
        // Drawn into memory first so that a failed drawing leaves no half-written file.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setResolution(kDpi);
        svg.setTitle(QString::fromStdString(position.PosNo));
        {
            QPainter painter(&svg);
            Paint(painter, position, width, height, flags);
        }
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(buffer.data()) != buffer.data().size())
            FailWrite(path);
        return;
    }
    throw FtfError("Неизвестный формат файла эскиза \"" + path + "\": ожидается .svg или .png");
}

}  // namespace ftf
