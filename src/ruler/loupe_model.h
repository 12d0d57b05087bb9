// The loupe's model: which picture pixels it magnifies and by how much, how its image, captions
// and place on the screen come out. Pure arithmetic, shared by both toolkit twins' tests and the
// ruler; it neither reads the screen nor touches a window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/units.h"

namespace vardek {

// The loupe magnifies a square of this many picture pixels a side, the pointer's in the middle.
inline constexpr int kLoupeSpan = 15;
inline constexpr int kLoupeZoomAt96 = 8;

// The outline around the pointer's pixel, inner ring first: one of the two stands out on any colour.
inline constexpr std::int32_t kOutlineInner = 0x000000;
inline constexpr std::int32_t kOutlineOuter = 0xFFFFFF;
// The hatch where the square reaches past the picture's edge.
inline constexpr std::int32_t kHatchDark = 0x909090;
inline constexpr std::int32_t kHatchLight = 0xC8C8C8;

// Whole screen pixels per picture pixel at a DPI: 8 at 96, 12 at 144, 16 at 192; never below 1.
int LoupeZoom(int dpi);

// The picture pixels the loupe shows around the pixel under the pointer.
PixelRect LoupeSourceSquare(PixelPoint pointer);

// Where things lie inside the loupe window (relative to its outer corner) at a DPI.
struct LoupeLayout {
    int zoom = 0;
    PixelSize window;
    PixelRect image;
    std::vector<PixelRect> captions;  // position, colour, distance
    int fontPixels = 0;
    int gap = 0;  // from the pointer to the window, along both axes
};
LoupeLayout LoupeLayoutFor(int dpi);

// The block of the image that shows the pointer's own pixel.
PixelRect LoupeCentreBlock(int zoom);

// The magnified image: each source pixel an exact zoom x zoom block, a hatch where sample says -1
// (outside the picture), and the two-tone outline around the centre block.
std::vector<std::int32_t> ComposeLoupe(const std::function<std::int32_t(int, int)>& sample, PixelPoint pointer,
                                       int zoom);

// The window's outer top-left: beside the pointer, off the magnified square, flipped to the other
// side where the work area ends, and kept wholly on that work area.
PixelPoint PlaceLoupe(PixelPoint pointer, PixelSize window, const PixelRect& workArea, int gap);

std::string LoupePositionCaption(std::int32_t x, std::int32_t y);
// "色 R,G,B #RRGGBB"; a pixel off the picture (-1) has no colour.
std::string LoupeColourCaption(std::int32_t colour);
// The straight line of the width and height shown, one decimal: "距離 1745.3"; no distance until
// both points are fixed.
std::string LoupeDistanceCaption(bool bothFixed, std::int64_t width, std::int64_t height);

}  // namespace vardek
