// The loupe's arithmetic: zoom per DPI, the square it magnifies, the blocks, hatch and outline of its
// image, its captions and where it stands beside the pointer.
#include <gtest/gtest.h>

#include <cstdint>

#include "ruler/loupe_model.h"

namespace vardek {
namespace {

TEST(LoupeModel, Zoom_ScalesWithDpiInWholeSteps)
{
    const struct {
        int dpi;
        int zoom;
    } cases[] = {{96, 8}, {120, 10}, {144, 12}, {168, 14}, {192, 16}, {288, 24}, {100, 8}, {48, 4}, {5, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(LoupeZoom(c.dpi), c.zoom) << c.dpi;
    }
}

TEST(LoupeModel, SourceSquare_FifteenPixelsCentredOnThePointer)
{
    EXPECT_EQ(LoupeSourceSquare({0, 0}), (PixelRect{-7, -7, 8, 8}));
    const PixelRect square = LoupeSourceSquare({100, -20});
    EXPECT_EQ(square.Width(), 15);
    EXPECT_EQ(square.Height(), 15);
    EXPECT_TRUE(square.Contains({100, -20}));
    EXPECT_EQ(square.left + 7, 100);
    EXPECT_EQ(square.top + 7, -20);
}

// A picture of 30 x 20 pixels, each its own colour; -1 outside.
std::int32_t TestPicture(int x, int y)
{
    if (x < 0 || y < 0 || x >= 30 || y >= 20) {
        return -1;
    }
    return (x * 8) | ((y * 12) << 8) | (((x + y) * 3) << 16);
}

bool IsHatch(std::int32_t colour)
{
    return colour == kHatchDark || colour == kHatchLight;
}

TEST(LoupeModel, Image_ExactBlocksHatchPastTheEdgeAndOutlinedCentre)
{
    for (int zoom : {8, 12, 3}) {
        for (PixelPoint pointer : {PixelPoint{10, 10}, PixelPoint{0, 0}, PixelPoint{29, 19}, PixelPoint{3, 15}}) {
            const std::vector<std::int32_t> image = ComposeLoupe(TestPicture, pointer, zoom);
            const int side = 15 * zoom;
            ASSERT_EQ(image.size(), static_cast<std::size_t>(side * side));
            const PixelRect centre = LoupeCentreBlock(zoom);
            const PixelRect outlined = {centre.left - 2, centre.top - 2, centre.right + 2, centre.bottom + 2};
            const PixelRect source = LoupeSourceSquare(pointer);
            bool hatchSeen = false;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    const std::int32_t pixel = image[static_cast<std::size_t>(y) * side + x];
                    const bool inOutline = outlined.Contains({x, y}) && !centre.Contains({x, y});
                    if (inOutline) {
                        const int ring = std::max(
                            {centre.left - x, x - (centre.right - 1), centre.top - y, y - (centre.bottom - 1)});
                        EXPECT_EQ(pixel, ring == 1 ? kOutlineInner : kOutlineOuter) << x << "," << y;
                        continue;
                    }
                    const std::int32_t expected = TestPicture(source.left + x / zoom, source.top + y / zoom);
                    if (expected < 0) {
                        hatchSeen = true;
                        EXPECT_TRUE(IsHatch(pixel)) << x << "," << y;
                    } else {
                        ASSERT_EQ(pixel, expected) << "zoom " << zoom << " at " << x << "," << y;
                    }
                }
            }
            const bool reachesPast = source.left < 0 || source.top < 0 || source.right > 30 || source.bottom > 20;
            EXPECT_EQ(hatchSeen, reachesPast);
        }
    }
}

TEST(LoupeModel, Image_HatchHasBothTonesAndTheCentreKeepsItsColourInside)
{
    const std::vector<std::int32_t> image = ComposeLoupe([](int, int) { return -1; }, {0, 0}, 8);
    int dark = 0;
    int light = 0;
    for (std::int32_t pixel : image) {
        dark += pixel == kHatchDark;
        light += pixel == kHatchLight;
    }
    EXPECT_GT(dark, 1000);
    EXPECT_GT(light, 1000);
    // A white picture: the centre block stays white inside its black ring.
    const std::vector<std::int32_t> white = ComposeLoupe([](int, int) { return 0xFFFFFF; }, {5, 5}, 8);
    const PixelRect centre = LoupeCentreBlock(8);
    EXPECT_EQ(centre, (PixelRect{56, 56, 64, 64}));
    EXPECT_EQ(white[static_cast<std::size_t>(centre.top) * 120 + centre.left], 0xFFFFFF);
    EXPECT_EQ(white[static_cast<std::size_t>(centre.top) * 120 + centre.left - 1], kOutlineInner);
}

TEST(LoupeModel, Layout_ImageIsFifteenBlocksCaptionsBelowWithinTheWindow)
{
    for (int dpi : {96, 120, 144, 192}) {
        const LoupeLayout layout = LoupeLayoutFor(dpi);
        EXPECT_EQ(layout.image.Width(), 15 * LoupeZoom(dpi));
        EXPECT_EQ(layout.image.Height(), 15 * LoupeZoom(dpi));
        ASSERT_EQ(layout.captions.size(), 3U);
        int top = layout.image.bottom;
        for (const PixelRect& caption : layout.captions) {
            EXPECT_GE(caption.top, top);
            EXPECT_GE(caption.Height(), layout.fontPixels);
            EXPECT_LE(caption.right, layout.window.width);
            top = caption.bottom;
        }
        EXPECT_LE(top, layout.window.height);
        EXPECT_LE(layout.image.right, layout.window.width);
        EXPECT_GT(layout.gap, 0);
    }
}

TEST(LoupeModel, Place_BesideThePointerOffTheSquareFlippedAtEdgesAndOnTheWorkArea)
{
    const PixelSize window = LoupeLayoutFor(96).window;
    const int gap = LoupeLayoutFor(96).gap;
    const PixelRect main = {0, 0, 1280, 1024};
    const PixelRect left = {-1280, 0, 0, 1024};
    const PixelRect above = {0, -768, 1024, 0};
    struct Case {
        PixelPoint pointer;
        PixelRect work;
        bool right;  // the loupe stands right of the pointer
        bool below;
    };
    const Case cases[] = {
        {{640, 512}, main, true, false},    {{1279, 512}, main, false, false}, {{640, 0}, main, true, true},
        {{1279, 0}, main, false, true},     {{0, 1023}, main, true, false},    {{-1, 500}, left, false, false},
        {{-1280, 0}, left, true, true},     {{1000, -1}, above, false, false}, {{10, -768}, above, true, true},
        {{1279, 1023}, main, false, false},
    };
    for (const Case& c : cases) {
        const PixelRect placed = PixelRect::FromSize(PlaceLoupe(c.pointer, window, c.work, gap), window);
        EXPECT_GE(placed.left, c.work.left);
        EXPECT_GE(placed.top, c.work.top);
        EXPECT_LE(placed.right, c.work.right);
        EXPECT_LE(placed.bottom, c.work.bottom);
        EXPECT_FALSE(placed.Intersects(LoupeSourceSquare(c.pointer))) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(placed.left > c.pointer.x, c.right) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(placed.top > c.pointer.y, c.below) << c.pointer.x << "," << c.pointer.y;
    }
}

TEST(LoupeModel, Captions_PositionColourAndDistance)
{
    EXPECT_EQ(LoupePositionCaption(512, -3), "位置 (512,-3)");
    EXPECT_EQ(LoupeColourCaption(0x563412), "色 18,52,86 #123456");
    EXPECT_EQ(LoupeColourCaption(0xFFFFFF), "色 255,255,255 #FFFFFF");
    EXPECT_EQ(LoupeColourCaption(0), "色 0,0,0 #000000");
    EXPECT_EQ(LoupeColourCaption(-1), "色 -");

    const struct {
        bool fixed;
        std::int64_t width;
        std::int64_t height;
        const char* text;
    } distances[] = {
        {false, 0, 0, "距離 -"},
        {false, 30, 40, "距離 -"},
        {true, 0, 0, "距離 0.0"},
        {true, 30, 40, "距離 50.0"},
        {true, -30, 40, "距離 50.0"},
        {true, 1217, 1251, "距離 1745.3"},
        {true, -1217, -1251, "距離 1745.3"},
        {true, 1, 0, "距離 1.0"},
        {true, 0, -7, "距離 7.0"},
        {true, 60, 60, "距離 84.9"},
        {true, -32768, -32768, "距離 46341.0"},
        {true, 32767, -32768, "距離 46340.2"},
    };
    for (const auto& d : distances) {
        EXPECT_EQ(LoupeDistanceCaption(d.fixed, d.width, d.height), d.text) << d.width << "," << d.height;
    }
}

}  // namespace
}  // namespace vardek
