// Display scaling: control rects from twips, the bar's numbers, and the hole, the snapshot and the
// readouts lining up at every DPI and across a move to a monitor of another scaling.
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

struct DpiCase {
    int dpi;
    PixelRect x1;    // 600, 2040, 675, 255 twips
    int barReserve;  // the picture is this much lower than the client
    int barTop;      // the bar stands this far above the client's bottom
};

// 15, 12, 10 and 7.5 twips per pixel; halves round to even.
const DpiCase kCases[] = {
    {96, {40, 136, 85, 153}, 33, 25},
    {120, {50, 170, 106, 191}, 41, 31},
    {144, {60, 204, 128, 230}, 50, 38},
    {192, {80, 272, 170, 306}, 66, 50},
};

// The hole is the picture's drawing area, and the snapshot pixel under the pointer is named by
// its true screen position.
void ExpectFrameAndReadoutsLineUp(World& world)
{
    auto& ruler = world.Window(FormId::Form1);
    const PixelRect drawing = ruler.Picture("Picture1").DrawingAreaOnScreen();
    const PixelRect outer = ruler.WindowRect();
    ASSERT_TRUE(ruler.Shape()->hole.has_value());
    EXPECT_EQ(*ruler.Shape()->hole, (PixelRect{drawing.left - outer.left, drawing.top - outer.top,
                                               drawing.right - outer.left, drawing.bottom - outer.top}));
    EXPECT_EQ(ruler.Shape()->outer, (PixelRect{0, 0, outer.Width(), outer.Height()}));

    world.PressKey(keys::kG);
    const PixelPoint pixel = {drawing.left + 30, drawing.top + 20};
    world.MoveWindow(FormId::Form2, {0, pixel.y + 10});  // out of the way
    world.MovePointer(pixel);
    EXPECT_EQ(world.ControlOf(FormId::Form2, "GX").Caption(), std::to_string(pixel.x));
    EXPECT_EQ(world.ControlOf(FormId::Form2, "GY").Caption(), std::to_string(pixel.y));
    EXPECT_EQ(ruler.Picture("Picture1").Point(30, 20), TestDesktop(pixel));
    world.Click(FormId::Form1, "Command2");
}

TEST(Dpi, EachScaling_ControlsFromTwipsBarScaledAndPixelsLineUp)
{
    for (const DpiCase& c : kCases) {
        SCOPED_TRACE(c.dpi);
        WorldConfig config = TestDesktopConfig();
        config.dpi = c.dpi;
        World world(config);
        Program program(world);
        world.Run([&] { program.Start(); });
        world.Run([&] { (void)world.GetForm(FormId::Form2); });
        EXPECT_EQ(world.ControlOf(FormId::Form2, "X1").Bounds(), c.x1);

        world.ResizeClient(FormId::Form1, {600, 400});
        EXPECT_EQ(world.ControlOf(FormId::Form1, "Picture1").Bounds().Height(), 400 - c.barReserve);
        EXPECT_EQ(world.ControlOf(FormId::Form1, "Label1").Bounds().top, 400 - c.barTop);
        ExpectFrameAndReadoutsLineUp(world);
    }
}

TEST(Dpi, MoveToMonitorOfOtherScaling_LaysOutAgainAndClearsMeasurement)
{
    WorldConfig config = TestDesktopConfig();
    config.monitors = {{.rect = {0, 0, 1920, 1080}, .dpi = 96}, {.rect = {1920, 0, 3840, 1080}, .dpi = 144}};
    World world(config);
    Program program(world);
    world.Run([&] { program.Start(); });
    world.PressKey(keys::kG);
    world.MovePointer({300, 250});
    world.PressKey(keys::kSpace);
    ASSERT_EQ(program.Ruler().State().OriginMode, 1);

    world.MoveWindow(FormId::Form1, {2100, 200});
    auto& ruler = world.Window(FormId::Form1);
    EXPECT_EQ(ruler.Dpi(), 144);
    EXPECT_EQ(program.Ruler().State().OriginMode, 0);
    EXPECT_TRUE(world.Window(FormId::Form2).Visible());  // a measurement was in progress
    const PixelSize client = ruler.ClientSize();
    EXPECT_EQ(world.ControlOf(FormId::Form1, "Picture1").Bounds().Height(), client.height - 50);
    EXPECT_EQ(world.ControlOf(FormId::Form1, "Command1").Bounds(),
              (PixelRect{10, client.height - 38, 10 + 86, client.height - 38 + 26}));  // 105, 855, 255 twips
    ExpectFrameAndReadoutsLineUp(world);
}

}  // namespace
}  // namespace vardek::testing
