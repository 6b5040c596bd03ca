#pragma once
// The sizing grid: the dimension chains under and beside a sketch, stacked in rows so that no
// two chains of a row overlap.
//
// Chain coordinates are whole millimetres of the rebate geometry; Draw turns them into canvas
// pixels with the drawing scale. Dimension selection flags: 0 overall width and height of the
// position, 1 or 2 the sides' dimensions (2 leaves out side ends on the rebate box).

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/Canvas.h"
#include "model/Construction.h"

namespace ftf {

using TSizeFlags = std::set<int>;

/// One coordinate of a chain: X of a horizontal chain (Y is 0) or Y of a vertical one (X is 0).
struct TftfSizePoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const TftfSizePoint&) const = default;
};

/// One dimension chain; consecutive points delimit its dimensions.
class TftfSizePointList {
public:
    std::vector<std::unique_ptr<TftfSizePoint>> Points;
    /// Replaces the measured numbers when not empty.
    std::string Label;

    /// Appends the point; false (nothing added) when an equal point is present.
    bool Add(std::int32_t x, std::int32_t y);
    int Count() const { return static_cast<int>(Points.size()); }
    const TftfSizePoint& Point(int i) const { return *Points.at(static_cast<std::size_t>(i)); }
    /// Ascending by X, then Y.
    void Sort();
    /// Same number of points, equal one by one.
    bool SameAs(const TftfSizePointList& other) const;
    void Clear() { Points.clear(); }
};

/// One row of chains in ascending order that touch but never overlap.
class TftfSizing {
public:
    explicit TftfSizing(int angle = 0) : Angle(angle) {}
    std::vector<std::unique_ptr<TftfSizePointList>> Chains;
    int Angle;  ///< text angle: 0 for horizontal rows, 90 for vertical rows
    int Count() const { return static_cast<int>(Chains.size()); }
    void Clear() { Chains.clear(); }
};

class TftfSizeGrid {
public:
    explicit TftfSizeGrid(TCanvas& canvas);

    /// Collects the chains of a position or of a single sash; nothing unless the flags hold 0,
    /// 1 or 2.
    void Build(const TftfConstruction& position, const TSizeFlags& flags);
    void Build(const TftfFlugel& sash, const TSizeFlags& flags);

    /// Places the chain in the first row that has room for it, or in a new row; a chain equal to
    /// one already placed (or without points) is dropped.
    void AddHorizontalChain(std::unique_ptr<TftfSizePointList> chain);
    void AddVerticalChain(std::unique_ptr<TftfSizePointList> chain);

    std::int32_t Pitch() const { return pitch_; }
    std::int32_t HorizontalRowsHeight() const;
    std::int32_t VerticalRowsWidth() const;
    /// Draws the rows under and to the right of the box; scale in mm per pixel.
    void Draw(long double scale);

    TRect Box;  ///< mm: (0, 0) to the rebate width and height
    std::vector<std::unique_ptr<TftfSizing>> HorizontalRows;
    std::vector<std::unique_ptr<TftfSizing>> VerticalRows;

private:
    void AddSash(const TftfFlugel& sash, const TSizeFlags& flags);
    void AddSide(const TftfLine& side, TPoint tl, TPoint br, const TSizeFlags& flags);
    void AddChain(std::vector<std::unique_ptr<TftfSizing>>& rows, int angle, bool vertical,
                  std::unique_ptr<TftfSizePointList> chain);
    void DrawDimension(TPoint p, TPoint q, const std::string& text, int angle);

    TCanvas& canvas_;
    std::int32_t pitch_;
};

}  // namespace ftf
