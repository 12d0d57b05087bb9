#include "ruler/loupe_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vardek {

namespace {

constexpr int kMargin = 4;
constexpr int kContentWidth = 176;  // the widest colour caption fits at 96 DPI
constexpr int kCaptionGap = 4;
constexpr int kCaptionHeight = 16;
constexpr double kCaptionPoints = 9;
constexpr int kPointerGap = 16;
constexpr int kCaptionLines = 3;

void Ring(std::vector<std::int32_t>& pixels, int side, const PixelRect& ring, std::int32_t colour)
{
    auto put = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < side && y < side) {
            pixels[static_cast<std::size_t>(y) * side + x] = colour;
        }
    };
    for (int x = ring.left; x < ring.right; ++x) {
        put(x, ring.top);
        put(x, ring.bottom - 1);
    }
    for (int y = ring.top; y < ring.bottom; ++y) {
        put(ring.left, y);
        put(ring.right - 1, y);
    }
}

}  // namespace

int LoupeZoom(int dpi)
{
    return std::max(1, kLoupeZoomAt96 * dpi / kBaseDpi);
}

PixelRect LoupeSourceSquare(PixelPoint pointer)
{
    const int half = kLoupeSpan / 2;
    return {pointer.x - half, pointer.y - half, pointer.x + half + 1, pointer.y + half + 1};
}

LoupeLayout LoupeLayoutFor(int dpi)
{
    LoupeLayout layout;
    layout.zoom = LoupeZoom(dpi);
    const int side = kLoupeSpan * layout.zoom;
    const int margin = ScaleForDpi(kMargin, dpi);
    const int content = std::max(side, ScaleForDpi(kContentWidth, dpi));
    layout.image = PixelRect::FromSize({margin + (content - side) / 2, margin}, {side, side});
    int top = layout.image.bottom + ScaleForDpi(kCaptionGap, dpi);
    const int lineHeight = ScaleForDpi(kCaptionHeight, dpi);
    for (int line = 0; line < kCaptionLines; ++line) {
        layout.captions.push_back(PixelRect::FromSize({margin, top}, {content, lineHeight}));
        top += lineHeight;
    }
    layout.window = {content + 2 * margin, top + margin};
    layout.fontPixels = FontPixelHeight(kCaptionPoints, dpi);
    layout.gap = ScaleForDpi(kPointerGap, dpi);
    return layout;
}

PixelRect LoupeCentreBlock(int zoom)
{
    const int at = (kLoupeSpan / 2) * zoom;
    return {at, at, at + zoom, at + zoom};
}

std::vector<std::int32_t> ComposeLoupe(const std::function<std::int32_t(int, int)>& sample, PixelPoint pointer,
                                       int zoom)
{
    const int side = kLoupeSpan * zoom;
    std::vector<std::int32_t> pixels(static_cast<std::size_t>(side) * side);
    const PixelRect source = LoupeSourceSquare(pointer);
    const int stripe = std::max(1, zoom / 4);
    for (int row = 0; row < kLoupeSpan; ++row) {
        for (int column = 0; column < kLoupeSpan; ++column) {
            const std::int32_t colour = sample(source.left + column, source.top + row);
            for (int y = row * zoom; y < (row + 1) * zoom; ++y) {
                std::int32_t* line = &pixels[static_cast<std::size_t>(y) * side];
                for (int x = column * zoom; x < (column + 1) * zoom; ++x) {
                    // Diagonal stripes over the whole image, so that the hatch reads as one area.
                    line[x] = colour >= 0 ? colour : ((x + y) / stripe) % 2 == 0 ? kHatchDark : kHatchLight;
                }
            }
        }
    }
    const PixelRect centre = LoupeCentreBlock(zoom);
    Ring(pixels, side, {centre.left - 1, centre.top - 1, centre.right + 1, centre.bottom + 1}, kOutlineInner);
    Ring(pixels, side, {centre.left - 2, centre.top - 2, centre.right + 2, centre.bottom + 2}, kOutlineOuter);
    return pixels;
}

PixelPoint PlaceLoupe(PixelPoint pointer, PixelSize window, const PixelRect& workArea, int gap)
{
    // Right of the pointer and above it, clear of the arrow, which points up and to the left.
    const int half = kLoupeSpan / 2;
    const int reach = half + gap;
    int x = pointer.x + reach + 1;
    if (x + window.width > workArea.right) {
        x = pointer.x - reach - window.width;
    }
    int y = pointer.y - reach - window.height;
    if (y < workArea.top) {
        y = pointer.y + reach + 1;
    }
    x = std::max(workArea.left, std::min(x, workArea.right - window.width));
    y = std::max(workArea.top, std::min(y, workArea.bottom - window.height));
    return {x, y};
}

std::string LoupePositionCaption(std::int32_t x, std::int32_t y)
{
    return "位置 (" + std::to_string(x) + "," + std::to_string(y) + ")";
}

std::string LoupeColourCaption(std::int32_t colour)
{
    if (colour < 0) {
        return "色 -";
    }
    const int red = colour & 0xFF;
    const int green = (colour >> 8) & 0xFF;
    const int blue = (colour >> 16) & 0xFF;
    char hex[8];
    std::snprintf(hex, sizeof(hex), "#%02X%02X%02X", red, green, blue);
    return "色 " + std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue) + " " + hex;
}

std::string LoupeDistanceCaption(bool bothFixed, std::int64_t width, std::int64_t height)
{
    if (!bothFixed) {
        return "距離 -";
    }
    // In double: the square of the widest 16-bit span overflows 32 bits.
    const double distance = std::hypot(static_cast<double>(width), static_cast<double>(height));
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f", distance);
    return std::string("距離 ") + text;
}

}  // namespace vardek
