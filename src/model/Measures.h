#pragma once
// The measures of a sash that the fittings engine and the reports use: rebate size, side lengths,
// arc kinds, side orientation, corner angles, and the evaluation of catalogue formulas in the
// context of one sash.
//
// Everything is computed from the current contour on every call; nothing is cached, so a measure
// is right straight after the contour changes. Inputs are tenths of a millimetre; results are
// millimetres unless said otherwise. No measure fails on an empty sash: sizes are 0, and the
// formula functions give 0 for every side number.

#include <cstdint>
#include <string_view>

#include "model/Construction.h"
#include "model/Expression.h"
#include "model/Geometry.h"

namespace ftf {

/// The extreme points of a sash contour (arcs included) and the size between them.
struct TRebateExtremes {
    TPoint MinX;            ///< the point of least x (rounded down)
    TPoint MinY;            ///< the point of least y (rounded down)
    TPoint MaxX;            ///< the point of greatest x (rounded up)
    TPoint MaxY;            ///< the point of greatest y (rounded up)
    std::int32_t Width = 0;   ///< |MaxX.x − MinX.x|, tenths of mm
    std::int32_t Height = 0;  ///< |MaxY.y − MinY.y|, tenths of mm
};

/// The extremes over the corner points and the axis points (left, top, right, bottom of the
/// circle) that lie on an arched side. A point within 0.01 of an extreme does not replace it, so
/// the earlier point wins a tie. Minima are rounded with ToPointDown, maxima with ToPointUp: a
/// fractional coordinate moves outwards from the figure to the next integer or beyond (a minimum
/// at 1234.5 counts as 1233). A sash without points gives four (0, 0) and 0 × 0.
TRebateExtremes RebateExtremes(const TftfFlugel& sash);

/// The rebate width and height in whole mm (UnitsToMm of the extremes' size): the catalogue's
/// FFB and FFH.
void RebateSize(const TftfFlugel& sash, std::int32_t& width, std::int32_t& height);

/// The corners of the rebate box in whole mm, each coordinate of the rounded extremes divided by
/// 10 with truncation towards zero.
void RebateBox(const TftfFlugel& sash, TPoint& topLeft, TPoint& bottomRight);

/// The rebate size of a position: that of Sash1 for one sash; for two sashes the sum of both
/// widths and the height of Sash1.
void PositionRebateSize(const TftfConstruction& position, std::int32_t& width, std::int32_t& height);

/// The length of a side in mm (single precision); the chord for an arched side. A side without
/// its end points counts the distance as −1 and so gives −0.1.
float SideLength(const TftfLine& side);

/// Arc kinds, as the catalogue's side limits distinguish them; exact comparisons.
/// A circular arc: Radius ≠ 0 and Radius = Radius2.
bool IsArc(const TftfLine& side);
/// A circular arc whose half chord equals its radius.
bool IsHalfCircleArc(const TftfLine& side);
/// A circular arc whose half chord differs from its radius.
bool IsSegmentArc(const TftfLine& side);
/// Two different radii, neither 0.
bool IsEllipseArc(const TftfLine& side);

/// 1 for a vertical side (direction exactly 90° or 270°), 0 for a horizontal one (0° or 180°),
/// 3 otherwise; also 3 for a side without its end points.
int SideOrientation(const TftfLine& side);

/// The angle in degrees at the start corner of side i, between the side before it (the last side
/// for side 0) and side i, arcs taken by their tangents (CornerAngle). 0 when i is not a side
/// number of the sash or a side lacks its points.
float CornerAngleAt(const TftfFlugel& sash, int i);

/// Evaluates a catalogue formula (Expression.h) in the context of the sash and returns a real.
///
/// Variables, by exact name (values are whole mm from RebateSize):
///   FB, FFB, FRB        rebate width
///   FН, FFН             rebate height; the last letter is the Cyrillic capital EN
///   FRH                 rebate height (Latin H)
///   any other name      0 (so FFH with a Latin H is 0)
/// Functions, by name in any case, argument the 1-based side number i:
///   FL, FFL             SideLength of side i; 0 when the argument is not a whole number or i is
///                       not a side of the sash (no error)
///   FG, FFG             HandleHeight of side i; 0 when i is not a side of the sash; an argument
///                       that is not a whole number is an error
///   FGA, FFGA           as FG on the other sash of the position; 0 when there is none or it has
///                       no side i
///   any other name      0, its arguments unread
/// Syntax errors, a result that is not a number, division by zero and the FG argument error
/// raise FtfError naming the formula.
double Evaluate(const TftfFlugel& sash, std::string_view expression);

}  // namespace ftf
