// Reading and writing the remembered origin, and the saturation of the 16-bit fields.
#include <gtest/gtest.h>

#include "ruler/position_text.h"

namespace vardek {
namespace {

TEST(PositionText, Parse_ReadsSignedNumbersSplitAtFirstComma)
{
    const struct {
        const char* text;
        PositionText expected;
    } cases[] = {
        {"1024,768", {1024, 768}},
        {"-045,007", {-45, 7}},
        {"123,045", {123, 45}},
        {"", {0, 0}},
        {",", {0, 0}},
        {"-", {0, 0}},
        {"abc,12", {0, 12}},
        {"99999,-99999", {32767, -32768}},
        {"1,2,3", {1, 2}},
        {"  12, 34", {12, 34}},
        {"000,000", {0, 0}},
        {"250", {250, 0}},
        {"-32768,-32768", {-32768, -32768}},
        {"99999999999999999999,5", {32767, 5}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParsePositionText(c.text), c.expected) << c.text;
    }
}

TEST(PositionText, Format_PadsToThreeDigitsAndReadsBack)
{
    EXPECT_EQ(FormatPositionText(45, 7), "045,007");
    EXPECT_EQ(FormatPositionText(250, 80), "250,080");
    EXPECT_EQ(FormatPositionText(1024, 768), "1024,768");
    EXPECT_EQ(FormatPositionText(-5, -1500), "-005,-1500");
    for (const auto& [x, y] : {std::pair{1024, 768}, {-1500, -300}, {0, 0}, {-32768, 32767}, {7, -9}}) {
        EXPECT_EQ(ParsePositionText(FormatPositionText(x, y)),
                  (PositionText{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)}));
    }
}

TEST(PositionText, Saturation_ClampsInsteadOfWrapping)
{
    EXPECT_EQ(Saturate16(40000), 32767);
    EXPECT_EQ(Saturate16(-40000), -32768);
    EXPECT_EQ(Saturate16(-12), -12);
    EXPECT_EQ(Saturate32(2.5), 2);  // halves to even
    EXPECT_EQ(Saturate32(3.5), 4);
    EXPECT_EQ(Saturate32(1e12), 2147483647);
}

}  // namespace
}  // namespace vardek
