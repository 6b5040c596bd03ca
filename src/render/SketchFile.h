#pragma once
// Sketch pictures written to files: SVG through Qt's SVG generator, PNG through a QImage.

#include <string>

#include "model/Construction.h"
#include "model/Sizing.h"

namespace ftf {

/// True for a file name WriteSketchFile can write: ".svg" or ".png" in any case.
bool IsSketchFileName(const std::string& path);

/// Draws the position over the whole picture on a white ground and writes it; the file name's
/// extension (".svg" or ".png", any case) picks the format. Raises FtfError when the format is
/// unknown, the size is not positive or the file cannot be written.
void WriteSketchFile(const TftfConstruction& position, const std::string& path, int width,
                     int height, const TSizeFlags& flags);

}  // namespace ftf
