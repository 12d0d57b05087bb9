#include "platform/units.h"

#include <cmath>

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

int PixelsToTwips(int pixels, int dpi)
{
    return RoundHalfEven(pixels * TwipsPerPixel(dpi));
}

int ScaleForDpi(int pixelsAt96, int dpi)
{
    return RoundHalfEven(static_cast<double>(pixelsAt96) * dpi / kBaseDpi);
}

int FontPixelHeight(double points, int dpi)
{
    return RoundHalfEven(points * dpi / 72.0);
}

}  // namespace vardek
