#include "platform/headless/text_metrics.h"

#include <stdexcept>

#include "platform/units.h"

namespace vardek::platform::headless {
namespace {

// Advance widths in ems of the font that Wine draws the UI fonts with (Noto Sans CJK JP). The
// Windows fonts' own figures were not at hand; where they are known to be wider, take theirs.
double Advance(char glyph)
{
    if (glyph >= '0' && glyph <= '9') {
        return 0.555;
    }
    switch (glyph) {
        case '<':
        case '>':
            return 0.555;
        case '-':
            return 0.347;
        case ',':
            return 0.278;
        case '(':
        case ')':
            return 0.338;
        case ' ':
            return 0.224;
        default:
            throw std::invalid_argument("a glyph the text model does not know");
    }
}

}  // namespace

int TextWidth(std::string_view text, const FontDef& font, int dpi)
{
    const int em = FontPixelHeight(font.points, dpi);
    int width = 0;
    for (char glyph : text) {
        width += RoundHalfEven(Advance(glyph) * em);
    }
    return width;
}

}  // namespace vardek::platform::headless
