// How wide the toolkit's fonts draw a caption, so that the tests can tell whether a caption shows
// whole in its label at a DPI. A model, not a renderer: per-glyph advance widths in ems, each
// rounded at the font's pixel size, for the glyphs that readouts and coordinate lines are made of.
#pragma once

#include <string_view>

#include "windows/definition.h"

namespace vardek::platform::headless {

// The caption's width in pixels. A glyph outside the model throws std::invalid_argument.
int TextWidth(std::string_view text, const FontDef& font, int dpi);

}  // namespace vardek::platform::headless
