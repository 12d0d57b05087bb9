#include "platform/units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vardek {

int RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even unless changed.
    return static_cast<int>(std::nearbyint(value));
}

double TwipsPerPixel(int dpi)
{
    return static_cast<double>(kTwipsPerInch) / dpi;
}

int TwipsToPixels(int twips, int dpi)
{
    return RoundHalfEven(twips / TwipsPerPixel(dpi));
}

int ScaleForDpi(int pixelsAt96, int dpi)
{
    return RoundHalfEven(static_cast<double>(pixelsAt96) * dpi / kBaseDpi);
}

int FontPixelHeight(double points, int dpi)
{
    return RoundHalfEven(points * dpi / 72.0);
}

std::int16_t Saturate16(std::int64_t value)
{
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}

std::int32_t Saturate32(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    return static_cast<std::int32_t>(std::clamp(rounded, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                                                static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

}  // namespace vardek
