#pragma once
// Positions for the model and sketch tests, built from figures as the position dialog builds
// them, with side roles marked the way binding a complect's side rows marks them.

#include <cstdint>
#include <memory>

#include "model/Construction.h"
#include "model/FurnComp.h"

namespace ftf::test {

/// A figure as the position dialog fills it, sizes in mm; both radii are `r`.
inline TFigure MakeFigure(std::int32_t figure, float b, float h, float x = 0, float y = 0, float r = 0) {
    TFigure f;
    f.Figure = figure;
    f.B = b;
    f.H = h;
    f.X = x;
    f.Y = y;
    f.R = r;
    f.R2 = r;
    return f;
}

inline std::unique_ptr<TftfConstruction> MakePosition(int figure, float b, float h, float x = 0,
                                                      float y = 0, float r = 0) {
    auto pos = std::make_unique<TftfConstruction>();
    pos->BuildContours(MakeFigure(figure, b, h, x, y, r), 0);
    return pos;
}

/// Gives the sash a set with the complect picture and marks the opening: side `marked` (1-based,
/// as the catalogue numbers sides) points to side `rotSide` (1-based).
inline void MarkOpening(TftfFlugel& sash, int image, int marked, int rotSide) {
    if (!sash.FurnComp) sash.FurnComp = std::make_unique<TftfFurnComp>(&sash);
    sash.FurnComp->ComplectImage = image;
    TftfLine& side = *sash.Sides.at(static_cast<std::size_t>(marked - 1));
    side.OpenMode = true;
    side.RotSide = rotSide - 1;
}

}  // namespace ftf::test
