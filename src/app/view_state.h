// The ruler window's state record, kept between events. Every field is 0 at creation.
// Flags hold -1 for true and 0 for false; OriginMode alone holds 1 or 0.
#pragma once

#include <cstdint>

#include "app/snapshot_place.h"

namespace vardek {

struct ViewState {
    std::int32_t PointerX = 0;  // screen point under the pointer, in the snapshot's frame
    std::int32_t PointerY = 0;
    std::int16_t OriginX = 0;
    std::int16_t OriginY = 0;
    std::int16_t StartX = 0;  // first point, relative to the origin
    std::int16_t StartY = 0;
    std::int16_t EndFixed = 0;  // second point's X, relative to the origin
    // Whether the points are fixed. A stored 0 cannot say it: a point in the origin's own
    // column has a relative X of 0.
    bool FirstFixed = false;
    bool SecondFixed = false;
    std::int16_t ColorPick = 0;
    std::int16_t TrackingOff = 0;
    std::int16_t OriginMode = 0;
    std::int16_t RestorePending = 0;
    std::int16_t RelX = 0;
    std::int16_t RelY = 0;
    SnapshotPlace Place;  // where the snapshot on show was taken: WinLeftPx, WinTopPx and the picture's offset
    // The remembered origin that Prev shows and that restore and redraw recall.
    std::int32_t PrevX = 0;
    std::int32_t PrevY = 0;
    // The pointer has written the coordinate line since the last cancel or layout.
    bool MeasurementInProgress = false;
    std::int32_t Red = 0;
    std::int32_t Green = 0;
    std::int32_t Blue = 0;
};

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

}  // namespace vardek
