// Pixel geometry value types and the one place where twips, DPI and rounding meet.
// Nothing here knows about windows; both toolkit twins and the behaviour code share it.
#pragma once

#include <compare>
#include <cstdint>

namespace vardek {

struct PixelPoint {
    int x = 0;
    int y = 0;
    auto operator<=>(const PixelPoint&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    auto operator<=>(const PixelSize&) const = default;
};

// Right and bottom are exclusive, as Win32 rectangles are.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    PixelPoint TopLeft() const { return {left, top}; }
    bool Contains(PixelPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Intersects(const PixelRect& other) const
    {
        return !Empty() && !other.Empty() && left < other.right && other.left < right && top < other.bottom &&
               other.top < bottom;
    }
    // The part that lies in both; empty (all zero) when they do not meet.
    PixelRect Intersection(const PixelRect& other) const
    {
        if (!Intersects(other)) {
            return {};
        }
        return {left > other.left ? left : other.left, top > other.top ? top : other.top,
                right < other.right ? right : other.right, bottom < other.bottom ? bottom : other.bottom};
    }
    PixelRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    static PixelRect FromSize(PixelPoint origin, PixelSize size)
    {
        return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    }
    auto operator<=>(const PixelRect&) const = default;
};

inline constexpr int kBaseDpi = 96;
inline constexpr int kTwipsPerInch = 1440;

// Rounds to the nearest integer, halves to the even neighbour, the way every
// floating value in this program becomes a whole number.
int RoundHalfEven(double value);

// Twips per pixel at a DPI: 15 at 96, 12 at 120, 10 at 144, 7.5 at 192.
double TwipsPerPixel(int dpi);
int TwipsToPixels(int twips, int dpi);

// A length given in pixels at 96 DPI, scaled to a window at another DPI.
int ScaleForDpi(int pixelsAt96, int dpi);

// The character height (em) in pixels of a font of this many points at a DPI.
int FontPixelHeight(double points, int dpi);

// Clamp to the type's range instead of wrapping: every small field of the ruler's state goes
// through these. Saturate32 rounds halves to even first; NaN gives 0.
std::int16_t Saturate16(std::int64_t value);
std::int32_t Saturate32(double value);

}  // namespace vardek
