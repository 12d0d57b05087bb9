// The capture, the guides and the recall of an origin from a position text.
#include <algorithm>
#include <functional>

#include "measure_fixture.h"

namespace vardek::testing {
namespace {

using SnapshotTest = MeasureTest;

TEST_F(SnapshotTest, Capture_CopiesExactlyTheDesktopUnderThePicture)
{
    const PixelSize image = world->Window(FormId::Form1).Picture("Picture1").ImageSize();
    ASSERT_EQ(image, (PixelSize{467, 258}));
    int differing = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::int32_t beneath = TestDesktop({kPictureOnScreen.x + x, kPictureOnScreen.y + y});
            differing += ViewPixel(x, y) != beneath || StorePixel(x, y) != beneath;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(ViewPixel(400 - 262, 300 - 220), 0x000000);  // the square's corner
    EXPECT_EQ(State().Place.WinLeftPx, kWindowCorner.x);
    EXPECT_EQ(State().Place.WinTopPx, kWindowCorner.y);
    EXPECT_EQ(State().Place.offset, (PixelPoint{6, 25}));
    EXPECT_FALSE(world->Window(FormId::Form1).Shape()->hole.has_value());
}

TEST_F(SnapshotTest, Capture_LeavesMeasurementAloneAndDisablesRedraw)
{
    PointAt(10, 10);
    Key(kSpace);
    Key(kB);
    world->Click(FormId::Form1, "Command2");  // enables redraw; the origin is cleared by the cancel
    PointAt(0, 0);
    ASSERT_TRUE(Enabled("Command4"));
    world->PressKey(71);
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_TRUE(Enabled("Command3"));
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "272,230");
    EXPECT_EQ(State().OriginMode, 0);

    // With an origin and a point set, a capture keeps them and their readouts.
    PointAt(20, 30);
    Key(kSpace);
    PointAt(25, 31);
    Key(kB);
    world->PressKey(71);
    EXPECT_EQ(State().OriginMode, 1);
    EXPECT_EQ(State().OriginX, 282);
    EXPECT_EQ(State().StartX, 5);
    EXPECT_EQ(View("DispX"), "282");
    EXPECT_EQ(View("X1"), "5");
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "282,250");
}

TEST_F(SnapshotTest, CaptureWhileWhole_CopiesOwnViewAndKeepsItsPositions)
{
    PointAt(30, 40);
    Key(kSpace);  // red guides through picture (30, 40)
    ASSERT_EQ(ViewPixel(30, 5), 0x0000FF);
    ASSERT_NE(StorePixel(30, 5), 0x0000FF);

    world->MoveWindow(FormId::Form1, {kWindowCorner.x + 20, kWindowCorner.y + 10});
    world->PressKey(71);
    EXPECT_EQ(StorePixel(30, 5), 0x0000FF);  // the guides came along with the view
    EXPECT_EQ(StorePixel(5, 40), 0x0000FF);
    EXPECT_EQ(State().Place.WinLeftPx, kWindowCorner.x);
    EXPECT_EQ(State().Place.WinTopPx, kWindowCorner.y);
    PointAtScreen(kWindowCorner.x + 20 + 6 + 30, kWindowCorner.y + 10 + 25 + 40);
    EXPECT_EQ(View("GX"), "292");  // the pixel's true screen place when it was taken
    EXPECT_EQ(View("GY"), "260");
}

TEST_F(SnapshotTest, Guides_SpanWholePictureInViewOnly)
{
    PointAt(50, 60);
    Key(kSpace);
    const PixelSize image = world->Window(FormId::Form1).Picture("Picture1").ImageSize();
    for (int y = 0; y < image.height; ++y) {
        ASSERT_EQ(ViewPixel(50, y), 0x0000FF) << y;
    }
    for (int x = 0; x < image.width; ++x) {
        ASSERT_EQ(ViewPixel(x, 60), 0x0000FF) << x;
    }
    EXPECT_EQ(ViewPixel(51, 61), 0x808080);
    EXPECT_EQ(StorePixel(50, 60), 0x808080);
}

TEST_F(SnapshotTest, RecallFromStore_PointerMoveDuringYieldRewritesTheOrigin)
{
    // The recall through the combo box does not suspend pointer tracking.
    world->ControlOf(FormId::Form1, "Combo1").SetCaption("300,250");
    // Its fourth yield comes after the window is whole again, with the stored picture on show.
    world->DuringYield(3, [this] { world->SetCursorPos({kPictureOnScreen.x + 7, kPictureOnScreen.y + 9}); });
    world->Run([this] { program->Ruler().Combo1_Click(); });
    EXPECT_EQ(State().OriginX, 269);
    EXPECT_EQ(State().OriginY, 229);
    EXPECT_EQ(View("DispX"), "269");
    EXPECT_EQ(ViewPixel(7, 100), 0x0000FF);
    EXPECT_TRUE(ViewVisible());
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal);
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
    EXPECT_TRUE(Enabled("Command4"));  // by its cancel
}

TEST_F(SnapshotTest, RecallFromStore_WithoutInterference_PlacesTextsPoint)
{
    world->ControlOf(FormId::Form1, "Combo1").SetCaption("300,250");
    world->Run([this] { program->Ruler().Combo1_Click(); });
    EXPECT_EQ(State().OriginX, 300);
    EXPECT_EQ(State().OriginY, 250);
    EXPECT_EQ(ViewPixel(300 - 262, 3), 0x0000FF);
    EXPECT_EQ(View("GX"), "0");  // everything else reset until the pointer moves
}

TEST_F(SnapshotTest, PressesDuringEachOthersYields_NestNoDeeperThanThePumpAllowsAndAllRun)
{
    // Each G arrives while the one before it yields. Past eight nested yields the pump keeps input
    // queued until the handlers above return, as the real one does, so the nesting stops there.
    constexpr int kPresses = 20;
    int presses = 0;
    int depth = 0;
    int deepest = 0;
    std::function<void()> pressDuringYield = [&] {
        if (presses == kPresses) {
            return;
        }
        ++presses;
        deepest = std::max(deepest, ++depth);
        world->DuringNextYield(pressDuringYield);
        world->PressKey(keys::kG);
        --depth;
    };
    world->DuringNextYield(pressDuringYield);
    Key(keys::kG);
    world->ForgetDuringYield();
    EXPECT_EQ(presses, kPresses);
    // Nine nested presses, and one more where a toolkit event that the deep pump delivers yields.
    EXPECT_GE(deepest, 9);
    EXPECT_LE(deepest, 10);
    EXPECT_FALSE(program->Ruler().FrameCut());
    EXPECT_TRUE(ViewVisible());
}

}  // namespace
}  // namespace vardek::testing
