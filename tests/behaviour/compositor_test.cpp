// Screen copies under a compositor, whose screen lags behind the windows until it presents: the
// snapshot and the redraw wait for the window change they depend on before they copy.
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

WorldConfig CompositedDesktop()
{
    WorldConfig config = TestDesktopConfig();
    config.monitors = {{.rect = {0, 0, 800, 600}}};
    config.compositor = true;
    return config;
}

class CompositorTest : public ProgramTest {
protected:
    CompositorTest() : ProgramTest(CompositedDesktop()) {}

    std::int32_t ViewPixel(PixelPoint screen) const
    {
        return world->Window(FormId::Form1)
            .Picture("Picture1")
            .Point(screen.x - kPictureOnScreen.x, screen.y - kPictureOnScreen.y);
    }
};

TEST_F(CompositorTest, SnapshotWithTheViewOverThePicture_HoldsNoneOfTheView)
{
    world->PressKey(keys::kG);
    world->MoveWindow(FormId::Form2, {300, 250});
    const PixelPoint underView = {350, 300};
    ASSERT_NE(world->ScreenPixel(underView), TestDesktop(underView));

    world->PressKey(keys::kG);  // the view is hidden, then the screen copied

    EXPECT_EQ(ViewPixel(underView), TestDesktop(underView));
    EXPECT_EQ(ViewPixel({400, 300}), 0x000000);  // the square, as it lies on the desktop
}

TEST_F(CompositorTest, RedrawRightAfterCancel_CopiesTheDesktopNotTheOldSnapshot)
{
    world->PressKey(keys::kG);
    world->MoveWindow(FormId::Form2, kViewAside);
    world->MovePointer({300, 250});
    world->PressKey(kSpace);
    world->MovePointer({320, 260});
    world->PressKey(kB);
    ASSERT_EQ(ViewPixel({320, 230}), 0xFF0000);  // the first point's blue line

    // "取り消し" and "再描写" in one go: the redraw runs before the compositor has presented the cut.
    world->DuringNextYield([this] { world->PressKey(kC); });
    world->PressKey(kH);

    EXPECT_EQ(State().OriginX, 300);
    EXPECT_EQ(ViewPixel({320, 230}), TestDesktop({320, 230}));
    EXPECT_EQ(ViewPixel({300, 230}), 0x0000FF);  // the origin's red line, drawn on the fresh copy
}

}  // namespace
}  // namespace vardek::testing
