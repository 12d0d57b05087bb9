// What a pointer move or a press over the snapshot shows, in every measurement state.
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

using PointerTest = MeasureTest;

TEST(PointerColour, PressSplitsTheSampledColourIntoItsBytes)
{
    WorldConfig config;
    config.desktop = [](PixelPoint) { return 18 * 65536 + 52 * 256 + 86; };
    World world(config);
    Program program(world);
    world.Run([&program] { program.Start(); });
    world.PressKey(keys::kG);
    world.PressButton({kPictureOnScreen.x + 10, kPictureOnScreen.y + 10});
    world.ReleaseButton();
    const auto shown = [&world](const char* name) { return world.ControlOf(FormId::Form2, name).Caption(); };
    EXPECT_EQ(shown("CR"), "86");
    EXPECT_EQ(shown("CG"), "52");
    EXPECT_EQ(shown("CB"), "18");
}

TEST_F(PointerTest, NoOrigin_ShowsScreenPositionOnly)
{
    PointAt(0, 0);
    EXPECT_EQ(State().PointerX, 262);
    EXPECT_EQ(State().PointerY, 220);
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "(262,220)");
    EXPECT_EQ(View("GX"), "262");
    EXPECT_EQ(View("GY"), "220");
    EXPECT_EQ(View("X1"), "0");
}

TEST_F(PointerTest, Origin_ShowsRelativePositionAndFirstPoint)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    PointAtScreen(290, 260);
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "(290,260) <-10,10>");
    EXPECT_EQ(View("X1"), "-10");
    EXPECT_EQ(View("Y1"), "10");
    EXPECT_EQ(View("GX"), "290");
    EXPECT_EQ(View("X2"), "0");
}

TEST_F(PointerTest, FirstPointFixed_ShowsSecondPointAndSizeThenFreezes)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    PointAtScreen(320, 255);
    Key(kB);  // first point at (20, 5) from the origin
    PointAtScreen(350, 243);
    EXPECT_EQ(View("X1"), "20");
    EXPECT_EQ(View("Y1"), "5");
    EXPECT_EQ(View("X2"), "50");
    EXPECT_EQ(View("Y2"), "-7");
    EXPECT_EQ(View("SW"), "30");
    EXPECT_EQ(View("SH"), "-12");

    Key(kB);
    PointAtScreen(360, 280);
    EXPECT_EQ(View("X2"), "50");
    EXPECT_EQ(View("SW"), "30");
    EXPECT_EQ(View("GX"), "360");
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "(360,280) <60,30>");
}

TEST_F(PointerTest, PointInOriginsColumn_IsFixedAllTheSame)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    PointAtScreen(300, 270);
    Key(kB);
    EXPECT_TRUE(State().FirstFixed);
    EXPECT_EQ(State().StartX, 0);
    PointAtScreen(310, 280);
    EXPECT_EQ(View("X1"), "0");
    EXPECT_EQ(View("Y1"), "20");
    EXPECT_EQ(View("X2"), "10");
    EXPECT_EQ(View("SW"), "10");
    EXPECT_EQ(View("SH"), "10");
}

TEST_F(PointerTest, OriginInScreenColumnZero_IsAnOrigin)
{
    world->Click(FormId::Form1, "Command2");
    world->MoveWindow(FormId::Form1, {-10, 400});  // below the coordinate view
    world->PressKey(keys::kG);
    PointAtScreen(0, 450);
    Key(kSpace);
    ASSERT_EQ(State().OriginX, 0);
    PointAtScreen(15, 440);
    EXPECT_EQ(View("X1"), "15");
    EXPECT_EQ(View("Y1"), "-10");
    Key(kB);
    EXPECT_TRUE(State().FirstFixed);
}

TEST_F(PointerTest, Colour_FollowsOnlyWhenOnButAClickAlwaysSamples)
{
    PointAtScreen(405, 305);  // inside the black square
    PointAtScreen(300, 250);
    EXPECT_EQ(View("CR"), "0");
    world->PressButton({300, 250});
    world->ReleaseButton();
    EXPECT_EQ(View("CR"), "128");
    EXPECT_EQ(View("CG"), "128");
    EXPECT_EQ(View("CB"), "128");
    Key(kSpace);  // red guides through (300, 250)
    world->PressButton({300, 240});
    world->ReleaseButton();
    EXPECT_EQ(View("CR"), "255");
    EXPECT_EQ(View("CG"), "0");
    EXPECT_EQ(View("CB"), "0");

    Key(kN);
    PointAtScreen(405, 305);
    EXPECT_EQ(View("CR"), "0");
    EXPECT_EQ(View("CG"), "0");
    Key(kN);
    PointAtScreen(350, 260);
    EXPECT_EQ(View("CR"), "0");  // following off again
}

TEST_F(PointerTest, DragOffPictureWithButtonHeld_SamplesOutsideAndCountsOn)
{
    Key(kN);
    world->PressButton({kPictureOnScreen.x, 250});
    PointAtScreen(kPictureOnScreen.x - 1, 250);
    EXPECT_EQ(State().PointerX, 261);
    EXPECT_EQ(View("GX"), "261");
    EXPECT_EQ(View("CR"), "-1");
    EXPECT_EQ(View("CG"), "0");
    EXPECT_EQ(View("CB"), "0");
    world->ReleaseButton();
}

TEST_F(PointerTest, DuringARecall_MovesAreIgnoredButPressesSample)
{
    PointAt(5, 5);
    Key(kSpace);
    // The restore's fourth yield comes with the stored picture whole on show again.
    world->DuringYield(3, [this] {
        PointAt(40, 40);
        world->PressButton({kPictureOnScreen.x + 60, kPictureOnScreen.y + 30});  // grey
        world->ReleaseButton();
    });
    Key(kV);
    EXPECT_EQ(State().PointerX, 267);
    EXPECT_EQ(View("DispX"), "267");
    EXPECT_EQ(View("CR"), "128");
}

}  // namespace
}  // namespace vardek::testing
