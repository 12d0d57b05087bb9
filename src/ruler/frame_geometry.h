// Where the ruler window's picture lies within the window: the offsets that the see-through
// hole, the snapshot, the readouts and the key moves all share. Measured from the real window,
// never assumed, so that they agree on any frame style and at any DPI.
#pragma once

#include "platform/toolkit.h"
#include "platform/units.h"

namespace vardek {

struct FrameOffsets {
    // From the window's outer corner to the picture's drawing area, for a picture at client 0,0
    // (6, 25 on a classic frame).
    PixelPoint picture;
    // Outer size minus client size (8, 27 on a classic frame).
    PixelSize nonClient;
    auto operator<=>(const FrameOffsets&) const = default;
};

FrameOffsets MeasureFrameOffsets(platform::Form& ruler, platform::PictureBox& picture);

// The frame with the picture's drawing area cut out, in window coordinates.
platform::WindowShape FrameWithHole(const FrameOffsets& offsets, PixelSize client, PixelPoint pictureTopLeft,
                                    PixelSize drawingArea);

// The whole window, no hole.
platform::WindowShape WholeWindow(const FrameOffsets& offsets, PixelSize client);

// The bar's numbers are pixels at 96 DPI.
inline constexpr int kBarReserve = 33;  // client height the bar takes from the picture area
inline constexpr int kBarTop = 25;      // the bar's controls stand this far above the client's bottom

}  // namespace vardek
