#pragma once
// Orders and positions on the command line: built from a JSON description (`ftf calc`, `ftf order
// build`) and written out as JSON or text (`ftf calc`, `ftf order show`).
//
// A position description has the position record's names (PosNo, PosName, Quantity, ObjectType,
// FurnSys, ProfSys, Color, FalzType, StulpType, OpenType, ProfileWidth, ProfileThickness,
// Dornmass, Checked, Notes) plus "figure" {B, H, figure, X, Y, R} and "sash1", "sash2" with the
// choices of the fittings set dialog {Complect, Hinge, HandleId, Lock, Cylinder, Drive, Latch,
// HandleHeight, UserHandleHeight, Dornmass, Properties, ExtraComplects}. What is not given is
// taken as the position dialog and the set dialog take it: from the order and the settings.

#include <iosfwd>
#include <string>

#include "cli/CliJson.h"

namespace ftf {
class TftfOrder;
class TftfConstruction;
class TftfFlugel;
class TftfSetup;
}  // namespace ftf

namespace ftf::cli {

/// Applies the order members of `in` (the order's field names, not "positions") to the order.
/// An unknown member throws FtfError naming it; so does a member of the wrong type.
void ApplyOrderMembers(TftfOrder& order, const json& in, bool allowPositions);

/// Fills a new position of `order` from its description: values, contours from the figure, the
/// checks of the set dialog's OK, then the sets are calculated and the position priced. `where`
/// names the position in messages ("позиции 2"). Errors throw (FtfError, engine errors).
void BuildPosition(TftfConstruction& position, const json& in, const TftfOrder& order,
                   const TftfSetup& setup, const std::string& where);

/// The two sashes of a position as a JSON array (a single sash position lists its second sash
/// with empty lists): rebate, sides, set, items, material lines.
std::string SashesJson(const TftfConstruction& position);
/// The position's fields, "Price" and "sashes".
std::string PositionJson(const TftfConstruction& position);
/// The order's fields, "positions", "TotalSum", "NDSSum" and "GrandTotal".
std::string OrderJson(const TftfOrder& order);

/// The sashes of a position as text (rebate, sides, set, items, material lines) and its price.
/// `debug` adds each item's derivation.
void WritePositionText(const TftfConstruction& position, bool debug, std::ostream& out);

}  // namespace ftf::cli
