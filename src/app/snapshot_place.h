// Where the snapshot on show was taken: the ruler window's outer corner at that moment and the
// offset from it to the picture's drawing area. The one place that turns picture pixels into the
// snapshot's screen positions and back; where the window stands now is not its business.
#pragma once

#include <cstdint>

#include "platform/units.h"

namespace vardek {

struct SnapshotPlace {
    std::int32_t WinLeftPx = 0;  // the window's outer corner when the snapshot was taken
    std::int32_t WinTopPx = 0;
    PixelPoint offset;  // from that corner to the picture's drawing area

    // The picture pixel at a screen position of the snapshot, in 16 bits as the guides take it.
    PixelPoint ToPicture(std::int32_t x, std::int32_t y) const
    {
        return {Saturate16(std::int64_t{x} - WinLeftPx - offset.x), Saturate16(std::int64_t{y} - WinTopPx - offset.y)};
    }
    // The screen position of a picture point; a pointer event may give it in fractions.
    PixelPoint ToScreen(double x, double y) const
    {
        return {Saturate32(x + WinLeftPx + offset.x), Saturate32(y + WinTopPx + offset.y)};
    }
    auto operator<=>(const SnapshotPlace&) const = default;
};

}  // namespace vardek
