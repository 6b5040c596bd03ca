#pragma once
// The sketch of a position: sash contours with their arches, the opening marks and complect
// symbol of each fittings set, and the sizing grid.

#include <cstdint>

#include "model/Canvas.h"
#include "model/Construction.h"
#include "model/Sizing.h"

namespace ftf {

/// The constants of the complect symbol, tenths of mm.
inline constexpr std::int32_t kSymbolHalfLength = 650;
inline constexpr std::int32_t kSymbolHeadLength = 433;     // RoundAway(650 / 1.5)
inline constexpr std::int32_t kSymbolHeadHalfWidth = 162;  // 650 div 4
inline constexpr std::int32_t kSymbolTickLength = 650;

/// Draws the position into the box of the canvas. zoom multiplies the fitted scale when not 0;
/// shiftX and shiftY are percentages of the drawn width and height and come back in pixels. A
/// position without contour draws nothing. The canvas origin is restored on every way out.
void DrawPosition(const TftfConstruction& position, TCanvas& canvas, const TRect& box,
                  const TSizeFlags& flags, long double zoom, std::int32_t& shiftX,
                  std::int32_t& shiftY, std::int32_t& left, std::int32_t& top);

/// Draws one sash's sides, opening marks and complect symbol; scale in tenths of mm per pixel.
void DrawSash(const TftfFlugel& sash, TCanvas& canvas, long double scale);

/// The point an opening mark of the sash points to: the middle of side `rotSide`, tenths of mm.
TPoint OpeningMarkTarget(const TftfFlugel& sash, int rotSide);

}  // namespace ftf
