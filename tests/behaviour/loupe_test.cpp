// The loupe in the program: Z in each state, what it shows of the picture, its captions, where it
// stands, and that no copy of the screen ever holds it.
#include <string>

#include "measure_fixture.h"
#include "ruler/loupe_model.h"

namespace vardek::testing {
namespace {

constexpr int kZ = keys::kZ;

class LoupeTest : public MeasureTest {
protected:
    const platform::headless::HeadlessLoupe& Loupe() const { return world->LoupeShown(); }
    bool Shown() const { return Loupe().Visible(); }
    std::string LoupeCaption(std::size_t line) const { return Loupe().Frame().captions.at(line); }

    // The loupe's block for a picture pixel, read from the screen at the block's middle.
    std::int32_t BlockOnScreen(PixelPoint pointer, int dx, int dy) const
    {
        const platform::LoupeFrame& frame = Loupe().Frame();
        const int zoom = frame.image.Width() / kLoupeSpan;
        const int x = frame.window.left + frame.image.left + (7 + dx) * zoom + zoom / 2;
        const int y = frame.window.top + frame.image.top + (7 + dy) * zoom + zoom / 2;
        (void)pointer;
        return world->ScreenPixel({x, y});
    }

    void ExpectBlocksMatchPicture(PixelPoint pointer) const
    {
        const PixelSize size = world->Window(FormId::Form1).Picture("Picture1").ImageSize();
        for (int dy = -7; dy <= 7; ++dy) {
            for (int dx = -7; dx <= 7; ++dx) {
                const int x = pointer.x + dx;
                const int y = pointer.y + dy;
                const std::int32_t block = BlockOnScreen(pointer, dx, dy);
                if (x < 0 || y < 0 || x >= size.width || y >= size.height) {
                    EXPECT_TRUE(block == kHatchDark || block == kHatchLight) << dx << "," << dy;
                } else {
                    ASSERT_EQ(block, ViewPixel(x, y)) << dx << "," << dy;
                }
            }
        }
    }
};

TEST_F(LoupeTest, Off_AtStartUp_NothingShows)
{
    PointAt(20, 20);
    Key(kSpace);
    PointAt(40, 30);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Loupe().Shows(), 0);
    EXPECT_FALSE(program->Ruler().LoupeOn());
}

TEST_F(LoupeTest, Z_TogglesInEveryMeasurementState_AndChangesNothingElse)
{
    PointAt(20, 20);
    auto toggleTwice = [&](const char* state) {
        const ViewState before = State();
        const std::string line = Caption(FormId::Form1, "Label1");
        Key(kZ);
        EXPECT_TRUE(Shown()) << state;
        EXPECT_EQ(world->FocusName(), "Form1.Picture1") << state;
        EXPECT_EQ(world->ActiveForm(), std::optional<FormId>(FormId::Form1)) << state;
        Key(kZ);
        EXPECT_FALSE(Shown()) << state;
        EXPECT_EQ(State().OriginMode, before.OriginMode) << state;
        EXPECT_EQ(State().FirstFixed, before.FirstFixed) << state;
        EXPECT_EQ(State().SecondFixed, before.SecondFixed) << state;
        EXPECT_EQ(Caption(FormId::Form1, "Label1"), line) << state;
    };
    toggleTwice("no origin");
    Key(kSpace);
    toggleTwice("origin set");
    PointAt(50, 40);
    Key(kB);
    toggleTwice("first point fixed");
    PointAt(80, 60);
    Key(kB);
    toggleTwice("second point fixed");
}

TEST_F(LoupeTest, Z_OverTheBareFrame_WaitsForTheNextSnapshot)
{
    Key(kH);
    PointAtScreen(300, 250);
    Key(kZ);
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(program->Ruler().LoupeOn());
    Key(keys::kG);
    EXPECT_TRUE(Shown());
    // Z with the focus on a button reaches the ruler too.
    world->ControlOf(FormId::Form1, "Command1").SetFocus();
    Key(kZ);
    EXPECT_FALSE(Shown());
}

TEST_F(LoupeTest, Blocks_AreThePicturesPixelsGuidesIncluded_HatchPastTheEdge)
{
    Key(kZ);
    PointAt(140, 85);  // over the black square's corner
    ExpectBlocksMatchPicture({140, 85});
    Key(kSpace);  // red guides through the pointer
    EXPECT_EQ(BlockOnScreen({140, 85}, 0, 0), 0x0000FF);
    ExpectBlocksMatchPicture({140, 85});
    PointAt(0, 0);
    ExpectBlocksMatchPicture({0, 0});
    const PixelSize size = world->Window(FormId::Form1).Picture("Picture1").ImageSize();
    PointAt(size.width - 1, size.height - 1);
    ExpectBlocksMatchPicture({size.width - 1, size.height - 1});
}

TEST_F(LoupeTest, Outline_IsAroundThePointersBlock)
{
    Key(kZ);
    PointAt(30, 30);
    const platform::LoupeFrame& frame = Loupe().Frame();
    const PixelRect centre = LoupeCentreBlock(frame.image.Width() / kLoupeSpan);
    const PixelPoint at = {frame.window.left + frame.image.left, frame.window.top + frame.image.top};
    EXPECT_EQ(world->ScreenPixel({at.x + centre.left - 1, at.y + centre.top + 3}), kOutlineInner);
    EXPECT_EQ(world->ScreenPixel({at.x + centre.left - 2, at.y + centre.top + 3}), kOutlineOuter);
    EXPECT_EQ(world->ScreenPixel({at.x + centre.right, at.y + centre.bottom}), kOutlineInner);
    EXPECT_EQ(world->ScreenPixel({at.x + centre.left + 3, at.y + centre.top + 3}), ViewPixel(30, 30));
}

TEST_F(LoupeTest, Follows_ThePointerArrowStepsAndEdgeJumps)
{
    Key(kZ);
    PointAt(120, 85);
    const PixelRect first = Loupe().WindowRect();
    EXPECT_EQ(LoupeCaption(0), "位置 (" + View("GX") + "," + View("GY") + ")");
    Key(kRight);
    EXPECT_EQ(Loupe().WindowRect().left, first.left + 1);
    EXPECT_EQ(LoupeCaption(0), "位置 (" + View("GX") + "," + View("GY") + ")");
    // The black square starts at picture x 138: the jump lands on it.
    Key(kRight, platform::kShiftMask);
    EXPECT_EQ(View("GX"), "400");
    EXPECT_EQ(LoupeCaption(0), "位置 (400," + View("GY") + ")");
    EXPECT_EQ(LoupeCaption(1), "色 0,0,0 #000000");
    EXPECT_EQ(BlockOnScreen({138, 85}, 0, 0), 0x000000);
    EXPECT_EQ(BlockOnScreen({138, 85}, -1, 0), 0x808080);
}

TEST_F(LoupeTest, Distance_AgreesWithTheWidthAndHeightShown)
{
    Key(kZ);
    PointAt(10, 10);
    Key(kSpace);
    EXPECT_EQ(LoupeCaption(2), "距離 -");
    PointAt(40, 30);
    Key(kB);
    PointAt(100, 90);
    EXPECT_EQ(LoupeCaption(2), "距離 -");  // one point: W and H still follow the pointer
    Key(kB);
    EXPECT_EQ(View("SW"), "60");
    EXPECT_EQ(View("SH"), "60");
    EXPECT_EQ(LoupeCaption(2), "距離 84.9");
    // Moving on after the second point changes neither W, H nor the distance.
    PointAt(5, 3);
    EXPECT_EQ(LoupeCaption(2), "距離 84.9");
    // Leftwards and upwards: negative W and H, the same length.
    Key(kSpace);
    Key(keys::kG);
    PointAt(100, 90);
    Key(kSpace);
    PointAt(70, 70);
    Key(kB);
    PointAt(10, 30);
    Key(kB);
    EXPECT_EQ(View("SW"), "-60");
    EXPECT_EQ(View("SH"), "-40");
    EXPECT_EQ(LoupeCaption(2), "距離 72.1");  // the root of 60² + 40² = 5200
}

TEST_F(LoupeTest, Capture_WithTheLoupeOn_CopiesNoneOfIt)
{
    Key(kZ);
    PointAt(60, 150);
    ASSERT_TRUE(Shown());
    ASSERT_TRUE(
        Loupe().WindowRect().Intersects(world->Window(FormId::Form1).Picture("Picture1").DrawingAreaOnScreen()));
    std::vector<std::int32_t> before;
    const PixelSize size = world->Window(FormId::Form1).Picture("Picture1").ImageSize();
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            before.push_back(ViewPixel(x, y));
        }
    }
    bool loupeOnScreenDuringCopy = false;
    world->DuringYield(0, [&] { loupeOnScreenDuringCopy = Shown(); });
    Key(keys::kG);  // over the snapshot: the ruler copies its own view from the screen
    EXPECT_FALSE(loupeOnScreenDuringCopy);
    std::size_t i = 0;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x, ++i) {
            ASSERT_EQ(ViewPixel(x, y), before[i]) << x << "," << y;
            ASSERT_EQ(StorePixel(x, y), before[i]) << x << "," << y;
        }
    }
    EXPECT_TRUE(Shown());  // back once the copy is done

    // The redraw takes a fresh copy too: the desktop, with the origin's guides only.
    Key(kSpace);
    Key(kSpace);
    world->Click(FormId::Form1, "Command4");
    EXPECT_TRUE(Shown());
    for (int y = 0; y < size.height; y += 7) {
        for (int x = 0; x < size.width; x += 7) {
            const std::int32_t pixel = StorePixel(x, y);
            ASSERT_EQ(pixel, TestDesktop({kPictureOnScreen.x + x, kPictureOnScreen.y + y})) << x << "," << y;
        }
    }
}

TEST_F(LoupeTest, FrameStateAndMinimise_HideIt_RestoreShowsItAgain)
{
    Key(kZ);
    PointAt(30, 30);
    ASSERT_TRUE(Shown());
    world->Minimize(FormId::Form1);
    EXPECT_FALSE(Shown());
    world->Restore(FormId::Form1);
    EXPECT_TRUE(Shown());
    Key(kH);
    EXPECT_FALSE(Shown());
    Key(keys::kG);
    EXPECT_TRUE(Shown());
    Key(kSpace);
    Key(kSpace);  // clears the measurement back to the frame
    EXPECT_FALSE(Shown());
}

TEST_F(LoupeTest, Place_StaysWholeOnTheMonitorAndOffTheSquareAnywhereOverThePicture)
{
    world->MoveWindow(FormId::Form1, {1280 - 300, 1024 - 260});
    Key(keys::kG);
    Key(kZ);
    const PixelRect area = world->Window(FormId::Form1).Picture("Picture1").DrawingAreaOnScreen();
    const PixelRect monitor = {0, 0, 1280, 1024};
    for (PixelPoint p : {area.TopLeft(), PixelPoint{area.right - 1, area.top}, PixelPoint{area.left, area.bottom - 1},
                         PixelPoint{area.right - 1, area.bottom - 1}}) {
        PointAtScreen(p.x, p.y);
        ASSERT_TRUE(Shown());
        const PixelRect placed = Loupe().WindowRect();
        EXPECT_GE(placed.left, monitor.left);
        EXPECT_GE(placed.top, monitor.top);
        EXPECT_LE(placed.right, monitor.right);
        EXPECT_LE(placed.bottom, monitor.bottom);
        EXPECT_FALSE(placed.Intersects(LoupeSourceSquare(world->CursorPos())));
    }
}

TEST_F(LoupeTest, SecondMonitor_TheLoupeStaysOnThePointersMonitor)
{
    world->ReplaceMonitors({{.rect = {0, 0, 1280, 1024}}, {.rect = {-1280, 0, 0, 1024}}});
    world->MoveWindow(FormId::Form1, {-200, 300});
    Key(keys::kG);
    Key(kZ);
    const PixelRect area = world->Window(FormId::Form1).Picture("Picture1").DrawingAreaOnScreen();
    PointAtScreen(-3, area.top + 50);  // left monitor, by its right edge
    ASSERT_TRUE(Shown());
    EXPECT_LE(Loupe().WindowRect().right, 0);
    EXPECT_GE(Loupe().WindowRect().left, -1280);
    PointAtScreen(2, area.top + 50);  // the main monitor, by its left edge
    EXPECT_GE(Loupe().WindowRect().left, 0);
}

}  // namespace
}  // namespace vardek::testing
