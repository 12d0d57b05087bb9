// A program with a snapshot on show over a known desktop, and helpers that speak in picture
// pixels. On the default frame the ruler's outer corner is at (256, 195) and its picture's
// drawing area starts 6, 25 further, at screen (262, 220).
#pragma once

#include <string>

#include "program_fixture.h"
#include "ruler/key_codes.h"

namespace vardek::testing {

inline constexpr PixelPoint kWindowCorner = {256, 195};
inline constexpr PixelPoint kPictureOnScreen = {262, 220};
inline constexpr PixelPoint kViewAside = {900, 0};

// The desktop beneath: a grey field with a black square from screen (400, 300) to (419, 319).
inline std::int32_t TestDesktop(PixelPoint p)
{
    const bool square = p.x >= 400 && p.x < 420 && p.y >= 300 && p.y < 320;
    return square ? 0x000000 : 0x808080;
}

inline WorldConfig TestDesktopConfig()
{
    WorldConfig config;
    config.desktop = TestDesktop;
    return config;
}

class MeasureTest : public ProgramTest {
protected:
    MeasureTest() : ProgramTest(TestDesktopConfig()) {}

    void SetUp() override
    {
        ProgramTest::SetUp();
        world->PressKey(keys::kG);
        // The view opens at the screen's corner, over the picture's left edge: the user moves it aside.
        world->MoveWindow(FormId::Form2, kViewAside);
    }

    void PointAt(int x, int y) { world->MovePointer({kPictureOnScreen.x + x, kPictureOnScreen.y + y}); }
    void PointAtScreen(int x, int y) { world->MovePointer({x, y}); }
    void Key(int code, int shift = 0) { world->PressKey(code, shift); }
    std::string View(const char* name) const { return Caption(FormId::Form2, name); }
    std::int32_t ViewPixel(int x, int y) const { return world->Window(FormId::Form1).Picture("Picture1").Point(x, y); }
    std::int32_t StorePixel(int x, int y) const { return world->Window(FormId::Form1).Picture("Picture2").Point(x, y); }
};

using keys::kB;
using keys::kC;
using keys::kDown;
using keys::kH;
using keys::kLeft;
using keys::kN;
using keys::kRight;
using keys::kSpace;
using keys::kUp;
using keys::kV;

}  // namespace vardek::testing
