#include "ruler/position_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vardek {

namespace {

// Reads one number from the front of text and returns where reading stopped.
std::size_t ReadNumber(std::string_view text, std::int16_t& out)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && text[at] == '-') {
        negative = true;
        ++at;
    }
    std::int64_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        // Past the 16-bit range the value only saturates, so stop growing it.
        value = std::min<std::int64_t>(value * 10 + (text[at] - '0'), 1'000'000);
        ++at;
    }
    out = Saturate16(negative ? -value : value);
    return at;
}

std::string ThreeDigits(std::int64_t value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}

}  // namespace

PositionText ParsePositionText(std::string_view text)
{
    PositionText point;
    ReadNumber(text, point.x);
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos) {
        ReadNumber(text.substr(comma + 1), point.y);
    }
    return point;
}

std::string FormatPositionText(std::int64_t x, std::int64_t y)
{
    return ThreeDigits(x) + "," + ThreeDigits(y);
}

}  // namespace vardek
