// Screen points as text ("250,080"), the form in which the ruler remembers its origin, and the
// 16-bit saturation that every small field of the ruler's state goes through.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vardek {

struct PositionText {
    std::int16_t x = 0;
    std::int16_t y = 0;
    auto operator<=>(const PositionText&) const = default;
};

// Clamps to -32768..32767 instead of wrapping.
std::int16_t Saturate16(std::int64_t value);
std::int32_t Saturate32(double value);

// Blanks skipped; an optional "-" and its digits give X; split at the first ","; the same gives
// Y. A piece without digits gives 0, no comma gives Y 0, anything after Y is ignored.
PositionText ParsePositionText(std::string_view text);

// Each number with at least three digits, zero-padded ("045,007", "-005,1024").
std::string FormatPositionText(std::int64_t x, std::int64_t y);

}  // namespace vardek
