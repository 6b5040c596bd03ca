#pragma once
// The sash sketch object of report templates: at print time it hands its rectangle to a drawing
// routine (the report data provider gives the position drawing and the position); without one it
// shows a placeholder text.

#include <cstdint>
#include <functional>
#include <string>

#include "model/Canvas.h"

namespace ftf {

/// How the report engine maps an object's page units to device pixels.
struct TFrDeviceTransform {
    double ScaleX = 1;
    double ScaleY = 1;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
};

class TftfFRDrawView {
public:
    using DrawRoutine = std::function<void(TCanvas& canvas, const TRect& rect, const void* data)>;

    static constexpr const char* kBaseName = "FTFImage";
    static constexpr const char* kPlaceholder = "ЭСКИЗ ИЗДЕЛИЯ";

    TftfFRDrawView() = default;

    std::string Name;  ///< "FTFImage" followed by a running number, given by the designer
    double X = 0;      ///< page units
    double Y = 0;
    double Dx = 0;
    double Dy = 0;

    DrawRoutine Routine;          ///< none at creation
    const void* Data = nullptr;   ///< passed to the routine unchanged
    bool HasDrawing = false;

    /// The object's rectangle in device pixels.
    TRect DeviceRect(const TFrDeviceTransform& t) const;
    /// Draws the content: the routine when HasDrawing (nothing when there is none), else the
    /// placeholder centred in red bold. The canvas state comes back afterwards.
    void Draw(TCanvas& canvas, const TFrDeviceTransform& t) const;
};

}  // namespace ftf
