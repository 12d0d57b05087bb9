// Keyboard control over the snapshot.
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

using KeysTest = MeasureTest;

TEST_F(KeysTest, Space_SetsOriginThenClearsEverything)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "300,250");
    EXPECT_EQ(View("DispX"), "300");
    EXPECT_EQ(View("DispY"), "250");
    EXPECT_TRUE(Enabled("Command3"));
    EXPECT_EQ(ViewPixel(300 - 262, 0), 0x0000FF);
    EXPECT_EQ(ViewPixel(0, 250 - 220), 0x0000FF);

    PointAtScreen(310, 255);
    Key(kSpace);
    EXPECT_EQ(State().OriginMode, 0);
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "300,250");
    EXPECT_EQ(world->FocusName(), "Form1.Command1");
    EXPECT_TRUE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_FALSE(world->IsLoaded(FormId::Form2) && world->Window(FormId::Form2).Visible());
    world->Run([this] { (void)world->GetForm(FormId::Form2); });
    for (const char* name : {"GX", "DispX", "X1", "CR"}) {
        EXPECT_EQ(View(name), "0") << name;
    }
}

TEST_F(KeysTest, MeasuringKeys_OverBareFrame_DoNothing)
{
    PointAtScreen(300, 250);
    Key(kH);
    ASSERT_TRUE(world->Window(FormId::Form1).Shape()->hole.has_value());
    const PixelPoint cursor = world->CursorPos();
    for (int key : {kSpace, kB, kLeft, kRight, kUp, kDown}) {
        Key(key);
        Key(key, platform::kShiftMask);
    }
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "000,000");
    EXPECT_FALSE(Enabled("Command3"));
    EXPECT_EQ(State().OriginMode, 0);
    EXPECT_EQ(world->CursorPos(), cursor);
}

TEST_F(KeysTest, B_FixesFirstThenSecondThenNothing)
{
    PointAtScreen(300, 250);
    Key(kB);  // no origin yet
    EXPECT_FALSE(State().FirstFixed);
    EXPECT_EQ(ViewPixel(300 - 262, 5), 0x808080);

    Key(kSpace);
    PointAtScreen(320, 270);
    Key(kB);
    EXPECT_EQ(ViewPixel(320 - 262, 5), 0xFF0000);
    EXPECT_EQ(State().StartX, 20);
    EXPECT_EQ(State().StartY, 20);
    PointAtScreen(340, 290);
    Key(kB);
    EXPECT_EQ(ViewPixel(340 - 262, 5), 0x00C000);
    EXPECT_EQ(State().EndFixed, 40);
    PointAtScreen(350, 300);
    Key(kB);
    EXPECT_EQ(ViewPixel(350 - 262, 5), 0x808080);
    EXPECT_EQ(State().EndFixed, 40);
}

TEST_F(KeysTest, N_TogglesFollowingAndIndicator)
{
    Key(kN);
    EXPECT_EQ(State().ColorPick, -1);
    EXPECT_EQ(world->ControlOf(FormId::Form2, "Label10").BackColour(), kTooltipBack);
    Key(kN);
    EXPECT_EQ(State().ColorPick, 0);
    EXPECT_EQ(world->ControlOf(FormId::Form2, "Label10").BackColour(), kButtonFace);
}

TEST_F(KeysTest, VAndC_WhileDisabled_DoNothing)
{
    const int creations = world->Creations(FormId::Form2);
    Key(kV);
    Key(kC);
    EXPECT_EQ(world->Creations(FormId::Form2), creations);
    EXPECT_FALSE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_EQ(State().OriginMode, 0);
}

TEST_F(KeysTest, Arrows_StepRealPointerOnePixel)
{
    PointAt(10, 10);
    Key(kLeft);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{271, 230}));
    EXPECT_EQ(State().PointerX, 271);
    Key(kDown);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{271, 231}));
    Key(kRight, platform::kCtrlMask);
    Key(kUp, platform::kAltMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{272, 230}));
}

TEST_F(KeysTest, ArrowsAfterWindowMoved_StepFromLivePointerEveryTime)
{
    PointAt(10, 10);
    world->MoveWindow(FormId::Form1, {kWindowCorner.x + 20, kWindowCorner.y});
    // The pointer left the picture meanwhile; keys still start from the last pixel under it.
    world->SetCursorPos({5, 5});
    for (int i = 1; i <= 3; ++i) {
        Key(16, platform::kShiftMask);  // Shift's own key-down
        Key(kRight);
        EXPECT_EQ(world->CursorPos(), (PixelPoint{292 + i, 230})) << i;
        EXPECT_EQ(State().PointerX, 272 + i) << i;  // still the snapshot's frame
    }
    Key(kSpace);
    EXPECT_EQ(State().OriginX, 275);
    EXPECT_EQ(ViewPixel(13, 2), 0x0000FF);  // guides through the pixel under the pointer
}

TEST_F(KeysTest, ShiftArrow_JumpsToNextColourChange)
{
    PointAtScreen(393, 310);
    Key(kRight, platform::kShiftMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{400, 310}));
    EXPECT_EQ(State().PointerX, 400);
    Key(kLeft, platform::kShiftMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{399, 310}));

    PointAtScreen(330, 240);  // grey for more than 50 pixels every way
    Key(kDown, platform::kShiftMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{330, 241}));

    PointAt(3, 100);
    Key(kLeft, platform::kShiftMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{kPictureOnScreen.x - 1, 320}));

    PointAtScreen(393, 310);
    Key(kRight, platform::kShiftMask | platform::kCtrlMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{394, 310}));
}

TEST_F(KeysTest, ShiftArrow_StopsAtGuideLines)
{
    PointAtScreen(350, 240);
    Key(kSpace);
    PointAtScreen(340, 240);  // on the horizontal guide: scan along it, all red
    PointAtScreen(340, 235);
    Key(kRight, platform::kShiftMask);
    EXPECT_EQ(world->CursorPos(), (PixelPoint{350, 235}));
}

TEST_F(KeysTest, H_Cancels)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    Key(kH);
    EXPECT_EQ(State().OriginMode, 0);
    EXPECT_TRUE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
    EXPECT_TRUE(Enabled("Command4"));
}

}  // namespace
}  // namespace vardek::testing
