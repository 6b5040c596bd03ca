#pragma once
// Positions, sashes, sides and corner points.
//
// A position (TftfConstruction) is one window or door ordered in some quantity: one sash, or two
// sashes side by side meeting at a stulp. A sash (TftfFlugel) is a closed contour of corner points
// (TftfPoint) joined by straight or arched sides (TftfLine), and may carry one fittings set
// (TftfFurnComp) from which its material lines and the position's price come.
//
// Units: coordinates and radii are tenths of a millimetre, y grows downwards (y = 0 at the top of
// a figure); sizes entered by the user (TFigure, handle heights) are millimetres.
// Ownership: a position owns its two sashes; a sash owns its points, sides, set and material
// lines. Objects refer to their owners by plain pointers and are neither copied nor moved (use
// CopyFrom).
//
// Position record:
//
//   #   FIELD              ENCODING
//   1   Checked            boolean
//   2   PosNo              text
//   3   PosName            text
//   4   Quantity           integer
//   5   ObjectType         byte (type 17)
//   6   FurnSys            text
//   7   ProfSys            text
//   8   Color              text
//       -- before 10.12.2009: two texts, read and discarded
//   9   FalzType           integer
//       -- before 23.07.2019: the backset (integer), given to both sashes after they are read
//   10  StulpType          integer
//   11  ProfileWidth       real
//   12  ProfileThickness   real
//   13  OpenType           integer
//   14  Price              money
//   15  Notes              one text, every line followed by CR LF
//   16  Arrangement        byte (type 17)
//   17  Sash1              sash record
//   18  Sash2              sash record
//
// Sash record:
//
//   1  point count N, then N × (X integer, Y integer)
//   2  side count S, then S side records:
//        Radius Radius2 Centre.x Centre.y (4 reals), OpenMode (boolean), RotSide (integer),
//        Handled Banded Drived (3 booleans), HandleHeight (integer), HandlePoint.x .y (2 integers)
//   3  Dornmass (integer; absent before 23.07.2019)
//   4  set present (boolean), then the set record when true (FurnComp.h)
//   5  material line count M, then M material line records (MatList.h)

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Money.h"
#include "common/TSpecStream.h"
#include "model/FurnComp.h"
#include "model/Geometry.h"
#include "model/MatList.h"
#include "model/ModelServices.h"

namespace ftf {

class TftfConstruction;
class TftfFlugel;

/// The figure the position dialog passes: sizes in mm (or in tenths of mm once converted for
/// TftfFlugel::BuildContour). Figures: 0 standard, 1 and 2 stulp (two sashes), 3 and 4
/// trapezoid, 5 and 6 triangular, 7 arch.
struct TFigure {
    float B = 0;        ///< width
    float H = 0;        ///< height
    std::int32_t Figure = 0;
    float X = 0;        ///< figure size X (trapezoid cut, arch spring height, left stulp width)
    float Y = 0;        ///< figure size Y (right stulp width)
    float R = 0;        ///< radius of the arched side
    float R2 = 0;       ///< second radius; equal to R
};

/// A contour corner.
class TftfPoint {
public:
    explicit TftfPoint(TftfFlugel* sash = nullptr, std::int32_t x = 0, std::int32_t y = 0)
        : X(x), Y(y), Sash(sash) {}
    std::int32_t X;
    std::int32_t Y;
    TftfFlugel* Sash;  ///< the owning sash; not owned
    TPoint Pos() const { return {X, Y}; }
};

/// A side of a sash contour, from StartPoint to EndPoint.
class TftfLine {
public:
    explicit TftfLine(TftfFlugel* sash = nullptr) : Sash(sash) {}

    float Radius = 0;       ///< 0 straight; radius of an arched side, positive bulging outwards
    float Radius2 = 0;      ///< second radius; equal to Radius on every arc the system makes
    TFloatPoint Centre;     ///< arc centre, (0, 0) for a straight side
    TftfPoint* StartPoint = nullptr;  ///< a point of the same sash; not stored, not owned
    TftfPoint* EndPoint = nullptr;
    bool OpenMode = false;  ///< carries an opening mark
    std::int32_t RotSide = -1;  ///< index of the side the opening mark points to; −1 none
    bool Handled = false;   ///< the handle sits here
    bool Banded = false;    ///< the hinges sit here
    bool Drived = false;    ///< driven side of the fittings
    std::int32_t HandleHeight = 0;  ///< mm; 0 when not Handled
    TPoint HandlePoint;     ///< marker point of the handle, tenths of mm
    TftfFlugel* Sash;       ///< the owning sash; not owned

    /// Places the handle on a Handled side: HandleHeight := height (mm) and HandlePoint := the
    /// point 1 mm off the side, `height` from the start (or from the end when fromEnd). A side
    /// that is not Handled gets 0 and (0, 0). A side without end points keeps its HandlePoint.
    void SetHandle(std::int32_t height, bool fromEnd);
    /// Resets the fittings marks: no opening mark, RotSide −1, HandleHeight 0, no handle,
    /// hinges or drive.
    void ResetMarks();
};

/// A sash: the contour and what derives from its fittings set.
class TftfFlugel {
public:
    explicit TftfFlugel(TftfConstruction* construction = nullptr);
    ~TftfFlugel();
    TftfFlugel(const TftfFlugel&) = delete;
    TftfFlugel& operator=(const TftfFlugel&) = delete;

    std::vector<std::unique_ptr<TftfPoint>> Points;  ///< contour corners in order
    std::vector<std::unique_ptr<TftfLine>> Sides;    ///< side i: point i → point i+1 (last → 0)
    TftfConstruction* Construction;                  ///< the owning position; not owned
    std::int32_t Dornmass = 0;                       ///< backset code
    std::unique_ptr<TftfFurnComp> FurnComp;          ///< the fittings set, or none
    TftfMatList Materials;                           ///< material lines of the set

    TftfPoint& AddPoint(std::int32_t x, std::int32_t y);
    TftfLine& AddSide(float radius = 0, float radius2 = 0);
    void ClearPoints() { Points.clear(); }
    void ClearSides() { Sides.clear(); }
    void ClearMaterials() { Materials.clear(); }

    /// Appends the points and sides of a figure with sizes in tenths of mm, shifted right by
    /// `offset`; then LinkSides and UpdateCentres.
    void BuildContour(const TFigure& figure, std::int32_t offset);
    /// Side i := point i → point i+1, the last side → point 0. Sides beyond the points get none.
    void LinkSides();
    /// Centre := ArcCentre(start, end, Radius) for an arched side, (0, 0) otherwise.
    void UpdateCentres();

    /// Creates (when absent) and calculates the set: Dornmass := buffer.Dornmass, Assign, then
    /// CheckPair. All seven components and the extra complects empty: ClearSet. A set created by
    /// a failing call is removed again; the error propagates.
    void CalcSet(const std::string& furnSys, const std::string& profSys, const std::string& color,
                 const TSashBuffer& buffer);
    /// Stores the components in the set and marks the sides anew (Change), creating the set when
    /// absent; no recalculation, no CheckPair. All seven components empty: ClearSet.
    void RecalcSet(const TSashBuffer& buffer);
    /// Frees the set, resets the marks of every side, then CheckPair.
    void ClearSet();
    /// In a two-sash position: the dependent sash loses its set when this sash has none or one
    /// of another fittings system.
    void CheckPair();

    /// One material line per item of the set (replacing the old lines); none without a set.
    void BuildMaterials();
    /// Sum of the material lines' costs.
    Money MaterialsCost() const;
    /// Merges the lines into the list, quantities × multiplier. Nothing for nullptr.
    void AddMaterials(TftfMatList* list, long double multiplier) const;

    /// The other sash of the owning position; nullptr without a position.
    TftfFlugel* OtherSash() const;
    /// The side before the given one in contour order (the last for side 0); nullptr when the
    /// side is not one of this sash's.
    TftfLine* PrevSide(const TftfLine& side) const;
    int SideIndex(const TftfLine& side) const;
    /// Index of the first Handled side; −1 when none.
    int HandleSideIndex() const;
    /// Index of the first Banded side; −1 when none.
    int BandedSideIndex() const;
    /// HandleHeight (mm) of the handle side; 0 when none.
    std::int32_t HandleHeight() const;

    void SaveToStream(TSpecStream& stream) const;
    /// Replaces the content with the record; the stamp picks the layout and goes down to the set.
    void LoadFromStream(TSpecStream& stream, std::string_view stamp);
};

/// A position of an order.
class TftfConstruction {
public:
    /// Two empty sashes, Arrangement 2, Checked. `order` is not owned; it may be nullptr.
    explicit TftfConstruction(IPositionOrder* order = nullptr);
    ~TftfConstruction();
    TftfConstruction(const TftfConstruction&) = delete;
    TftfConstruction& operator=(const TftfConstruction&) = delete;

    bool Checked = true;        ///< ticked: counts in totals, lists, reports and exports
    std::string PosNo;
    std::string PosName;
    std::int32_t Quantity = 0;
    std::uint8_t ObjectType = 0;  ///< 0 window, 1 door with threshold
    std::string FurnSys;
    std::string ProfSys;
    std::string Color;          ///< fittings colour code
    std::int32_t FalzType = 0;  ///< rebate parameters code
    std::int32_t StulpType = 0;
    std::int32_t OpenType = 0;
    float ProfileWidth = 0;     ///< mm
    float ProfileThickness = 0; ///< mm
    std::vector<std::string> Notes;
    Money Price;                ///< price of one piece
    std::uint8_t Arrangement = 2;  ///< 2 one sash; 1 or 0 two sashes (the dependent one is
                                   ///< Sash1 for 1, Sash2 for 0)
    std::unique_ptr<TftfFlugel> Sash1;  ///< always present
    std::unique_ptr<TftfFlugel> Sash2;  ///< always present; no contour for arrangement 2
    IPositionOrder* Order;      ///< the order holding the position; not owned, may be nullptr

    /// The arrangement a figure gives: 1 for figure 1, 0 for figure 2, else 2.
    static std::uint8_t ArrangementOfFigure(std::int32_t figure);
    /// The dependent sash of a two-sash position; nullptr for arrangement 2.
    TftfFlugel* DependentSash() const;

    /// Builds the contours of a new position from a figure in mm: Arrangement := the figure's,
    /// then one contour (arrangement 2) or two rectangles X and Y wide side by side (B unused),
    /// and the built sashes get the backset. Appends, so it is meant for empty sashes.
    void BuildContours(const TFigure& figure, std::int32_t dornmass);
    /// Stores the position's fittings fields, calculates the sets (the dependent sash last;
    /// arrangement 2 removes Sash2's set), then RecalcPrice. Engine and catalogue errors
    /// propagate.
    void ApplySet(const std::string& furnSys, const std::string& profSys, const std::string& color,
                  std::int32_t falzType, std::int32_t stulpType, std::int32_t openType,
                  float profileWidth, float profileThickness, const TSashBuffer& buffer1,
                  const TSashBuffer& buffer2);
    /// Preview: RecalcSet on Sash1 then Sash2 (arrangement 2: ClearSashSet(2)); no price.
    void ChangeSet(const TSashBuffer& buffer1, const TSashBuffer& buffer2);
    /// Frees the set of Sash1 (n = 1) or Sash2 (any other n); the sides' marks stay.
    void ClearSashSet(int n);
    /// Price := sum of both sashes' material costs after rebuilding their lines.
    void RecalcPrice();
    /// Quantity × Price.
    Money Total() const;
    /// Merges both sashes' lines into the list, multiplied by Quantity. Nothing for nullptr.
    void AddMaterialsTo(TftfMatList* list) const;
    /// The set of Sash1 (or nullptr); arms NextSet for a two-sash position.
    TftfFurnComp* FirstSet();
    /// The set of Sash2 once after FirstSet of a two-sash position; nullptr otherwise.
    TftfFurnComp* NextSet();
    /// Appends the catalogue names of each set's Complect, HandleId, Hinge, Cylinder and Drive
    /// that are not empty (Sash1 first; an unknown code gives an empty line). Nothing for nullptr.
    void SetNames(std::vector<std::string>* lines) const;

    void SaveToStream(TSpecStream& stream) const;
    /// Reads the record into this position (notes cleared, both sashes replaced).
    void LoadFromStream(TSpecStream& stream, std::string_view stamp);

    /// Copies another position through a stream. Throws FtfError
    /// "Ошибка копирования позиции!\r\n(%s)".
    void CopyFrom(const TftfConstruction& other);
    /// Appends the position to the stream. Throws FtfError
    /// "Ошибка создания резервной копии объекта!\r\n(%s)".
    void SaveBackup(TSpecStream& stream) const;
    /// Rewinds the stream and reads the position from it. Throws FtfError
    /// "Ошибка восстановления объекта из резервной копии!\r\n(%s)".
    void RestoreBackup(TSpecStream& stream);

private:
    bool iterating_ = false;  // armed by FirstSet, used by NextSet
};

}  // namespace ftf
