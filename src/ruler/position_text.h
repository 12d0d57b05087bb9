// Screen points as text ("250,080"), the form in which the ruler remembers its origin.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/units.h"

namespace vardek {

struct PositionText {
    std::int16_t x = 0;
    std::int16_t y = 0;
    auto operator<=>(const PositionText&) const = default;
};

// Blanks skipped; an optional "-" and its digits give X; split at the first ","; the same gives
// Y. A piece without digits gives 0, no comma gives Y 0, anything after Y is ignored.
PositionText ParsePositionText(std::string_view text);

// Each number with at least three digits, zero-padded ("045,007", "-005,1024").
std::string FormatPositionText(std::int64_t x, std::int64_t y);

}  // namespace vardek
