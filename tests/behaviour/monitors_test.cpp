// Several monitors: the main one at the origin, one to its left (lower in y), one above it.
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

// Every row differs from the next, columns change every 64 pixels (so that a row has runs for the
// edge jump), and a black square lies on the left monitor.
std::int32_t WideDesktop(PixelPoint p)
{
    if (p.x >= -1510 && p.x < -1490 && p.y >= -310 && p.y < -290) {
        return 0x000000;
    }
    return 0x40 | (((p.x >> 6) & 0x3F) << 16) | ((p.y & 0xFF) << 8);
}

WorldConfig ThreeMonitors()
{
    WorldConfig config;
    config.monitors = {{.rect = {0, 0, 1920, 1080}}, {.rect = {-1920, -540, 0, 540}}, {.rect = {0, -1080, 1920, 0}}};
    config.desktop = WideDesktop;
    return config;
}

class MonitorsTest : public ProgramTest {
protected:
    MonitorsTest() : ProgramTest(ThreeMonitors()) {}
    std::string View(const char* name) const { return Caption(FormId::Form2, name); }
    // Puts the ruler with its outer corner at a place and takes a snapshot there.
    void SnapshotAt(PixelPoint corner)
    {
        world->MoveWindow(FormId::Form1, corner);
        world->PressKey(keys::kG);
    }
};

TEST_F(MonitorsTest, SnapshotAcrossTwoMonitors_CopiesEveryPixelAndNamesNegativePositions)
{
    SnapshotAt({-200, 100});
    auto& view = world->Window(FormId::Form1).Picture("Picture1");
    const PixelRect area = view.DrawingAreaOnScreen();
    ASSERT_LT(area.left, 0);
    ASSERT_GT(area.right, 0);
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            differing += view.Point(x - area.left, y - area.top) != WideDesktop({x, y});
        }
    }
    EXPECT_EQ(differing, 0);

    world->MovePointer({-150, 200});
    EXPECT_EQ(View("GX"), "-150");
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "(-150,200)");
    world->PressKey(keys::kSpace);
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "-150,200");
    EXPECT_EQ(View("DispX"), "-150");
    world->MovePointer({-1, 150});
    world->PressKey(keys::kB);
    world->MovePointer({120, 330});  // below the coordinate view
    EXPECT_EQ(View("X1"), "149");
    EXPECT_EQ(View("Y1"), "-50");
    EXPECT_EQ(View("X2"), "270");
    EXPECT_EQ(View("SW"), "121");
    EXPECT_EQ(View("SH"), "180");
}

TEST_F(MonitorsTest, LeftOfMainMonitor_EdgeJumpAndRestoreOfNegativeOrigin)
{
    SnapshotAt({-1600, -400});
    world->MovePointer({-1480, -300});
    world->PressKey(keys::kLeft, platform::kShiftMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{-1491, -300}));  // the square's right column

    world->MovePointer({-1500, -300});
    world->PressKey(keys::kSpace);
    ASSERT_EQ(Caption(FormId::Form1, "Prev"), "-1500,-300");
    world->MoveWindow(FormId::Form1, {-1650, -420});
    world->PressKey(keys::kV);
    EXPECT_EQ(State().OriginX, -1500);
    EXPECT_EQ(State().OriginY, -300);
    EXPECT_EQ(View("DispY"), "-300");
    EXPECT_EQ(world->Window(FormId::Form1).Picture("Picture1").Point(1600 - 1500 - 6, 5), 0x0000FF);
}

TEST_F(MonitorsTest, CoordinateView_ReopensWhereClosedOrOnNearestMonitorWhenGone)
{
    SnapshotAt({300, 300});
    world->MoveWindow(FormId::Form2, {-1800, -500});
    world->CloseBox(FormId::Form2);
    world->PressKey(keys::kG);
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{-1800, -500}));

    world->CloseBox(FormId::Form2);
    world->ReplaceMonitors({{.rect = {0, 0, 1920, 1080}}});  // the left monitor unplugged
    world->PressKey(keys::kG);
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{0, 0}));

    world->MoveWindow(FormId::Form2, {1900, 1000});  // partly on the monitor: left where it is
    world->CloseBox(FormId::Form2);
    world->PressKey(keys::kG);
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{1900, 1000}));
}

TEST(KeepOnScreen, ClampsIntoWorkAreaOnlyWhenOffEveryMonitor)
{
    const PixelRect work{0, 0, 1920, 1040};
    const PixelRect window = PixelRect::FromSize({-1800, 2000}, {207, 290});
    EXPECT_EQ(KeepOnScreen(window, {.workArea = work, .onMonitor = false}), (PixelPoint{0, 750}));
    EXPECT_EQ(KeepOnScreen(window, {.workArea = work, .onMonitor = true}), (PixelPoint{-1800, 2000}));
    const PixelRect huge = PixelRect::FromSize({5000, 5000}, {3000, 2000});
    EXPECT_EQ(KeepOnScreen(huge, {.workArea = work, .onMonitor = false}), (PixelPoint{0, 0}));
}

}  // namespace
}  // namespace vardek::testing
