// Restore and redraw of the remembered origin, and the enabling of their buttons.
#include <stdexcept>

#include "measure_fixture.h"

namespace vardek::testing {
namespace {

using RestoreTest = MeasureTest;

TEST_F(RestoreTest, Restore_PutsStoredSnapshotBackWithOnlyTheOrigin)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    PointAtScreen(320, 260);
    Key(kB);
    world->ControlOf(FormId::Form2, "Text1").SetCaption("1,2");
    world->Click(FormId::Form1, "Command3");

    EXPECT_EQ(ViewPixel(320 - 262, 5), 0x808080);  // the blue line is gone
    EXPECT_EQ(ViewPixel(300 - 262, 5), 0x0000FF);
    EXPECT_EQ(ViewPixel(5, 250 - 220), 0x0000FF);
    EXPECT_EQ(StorePixel(300 - 262, 5), 0x808080);
    EXPECT_EQ(State().OriginMode, 1);
    EXPECT_FALSE(State().FirstFixed);
    EXPECT_EQ(View("DispX"), "300");
    EXPECT_EQ(View("DispY"), "250");
    EXPECT_EQ(View("X1"), "0");
    EXPECT_EQ(View("Text1"), "1,2");  // the collection outlives every recall
    EXPECT_TRUE(ViewVisible());
    EXPECT_EQ(world->Window(FormId::Form2).GetBand(), Band::TopMost);
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal);
    EXPECT_FALSE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_TRUE(Enabled("Command3"));
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_EQ(State().TrackingOff, 0);
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
}

TEST_F(RestoreTest, PointerMovesDuringRestoreOrRedraw_ChangeNothing)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    for (int key : {kV, kC}) {
        if (key == kC) {
            Key(kH);  // redraw is offered after a cancel
        }
        for (int skip = 0; skip < 7; ++skip) {
            world->DuringYield(skip, [this, skip] { world->SetCursorPos({330 + skip, 270}); });
        }
        Key(key);
        EXPECT_EQ(State().OriginX, 300) << key;
        EXPECT_EQ(State().PointerX, 300) << key;
        EXPECT_EQ(View("GX"), "0") << key;
        EXPECT_EQ(State().TrackingOff, 0) << key;
        PointAtScreen(333, 271);
        EXPECT_EQ(View("GX"), "333") << key;  // tracking is back
    }
}

TEST_F(RestoreTest, ButtonEnabling_AcrossCaptureCancelRestoreRedraw)
{
    auto states = [this] { return std::pair{Enabled("Command3"), Enabled("Command4")}; };
    EXPECT_EQ(states(), (std::pair{false, false}));  // after the capture
    Key(kH);
    EXPECT_EQ(states(), (std::pair{false, true}));
    world->PressKey(keys::kG);
    EXPECT_EQ(states(), (std::pair{false, false}));
    PointAtScreen(300, 250);
    Key(kSpace);
    EXPECT_EQ(states(), (std::pair{true, false}));
    Key(kV);
    EXPECT_EQ(states(), (std::pair{true, false}));
    Key(kH);
    Key(kC);
    EXPECT_EQ(states(), (std::pair{true, false}));
    world->ResizeClient(FormId::Form1, {450, 320});
    EXPECT_EQ(states(), (std::pair{false, false}));
}

TEST_F(RestoreTest, RestoreAfterWindowMoved_NamesThePixelsTruePositions)
{
    PointAtScreen(405, 305);  // inside the square, picture pixel (143, 85)
    Key(kSpace);
    world->MoveWindow(FormId::Form1, {kWindowCorner.x + 30, kWindowCorner.y + 12});
    Key(kV);
    EXPECT_EQ(ViewPixel(143, 2), 0x0000FF);  // guides through the remembered point on the picture
    EXPECT_EQ(ViewPixel(2, 85), 0x0000FF);
    PointAtScreen(kPictureOnScreen.x + 30 + 143, kPictureOnScreen.y + 12 + 85);
    EXPECT_EQ(View("GX"), "405");
    EXPECT_EQ(View("GY"), "305");
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "(405,305) <0,0>");
}

TEST_F(RestoreTest, RedrawBeforeAnyOrigin_UsesInitialText)
{
    Key(kH);
    world->Click(FormId::Form1, "Command4");
    EXPECT_EQ(State().OriginX, 0);
    EXPECT_EQ(State().OriginY, 0);
    EXPECT_EQ(View("DispX"), "0");
    EXPECT_EQ(State().OriginMode, 1);
    EXPECT_EQ(ViewPixel(0, 0), 0x808080);  // guides fall outside the picture
}

TEST_F(RestoreTest, OriginBeyond999_ComesBackIntact)
{
    Key(kH);
    world->MoveWindow(FormId::Form1, {900, 500});
    world->PressKey(keys::kG);
    PointAtScreen(1024, 700);
    Key(kSpace);
    ASSERT_EQ(Caption(FormId::Form1, "Prev"), "1024,700");
    Key(kV);
    EXPECT_EQ(State().OriginX, 1024);
    EXPECT_EQ(State().OriginY, 700);
    EXPECT_EQ(View("DispX"), "1024");
}

TEST_F(RestoreTest, CaptureAfterOrigin_ReplacesTheStore)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    Key(kH);
    world->MoveWindow(FormId::Form1, {kWindowCorner.x - 100, kWindowCorner.y});
    world->PressKey(keys::kG);
    Key(kV);
    // The square now lies 100 pixels further right in the picture.
    EXPECT_EQ(ViewPixel(400 - 162, 300 - 220), 0x000000);
    EXPECT_EQ(ViewPixel(300 - 162, 3), 0x0000FF);
    EXPECT_EQ(View("DispX"), "300");
}

// A desktop of one colour that the test can change; built before the program that reads it.
struct ChangingDesktop {
    std::shared_ptr<std::int32_t> fill_ = std::make_shared<std::int32_t>(0x102030);
};

class RedrawTest : public ChangingDesktop, public ProgramTest {
protected:
    RedrawTest() : ProgramTest(Config(fill_)) {}
    static WorldConfig Config(const std::shared_ptr<std::int32_t>& fill)
    {
        WorldConfig config;
        config.desktop = [fill](PixelPoint) { return *fill; };
        return config;
    }
};

TEST_F(RedrawTest, Redraw_TakesFreshSnapshotOfChangedDesktop)
{
    world->PressKey(keys::kG);
    world->MovePointer({300, 250});
    world->PressKey(kSpace);
    world->PressKey(kH);
    *fill_ = 0x405060;
    world->PressKey(kC);
    const auto& view = world->Window(FormId::Form1).Picture("Picture1");
    const auto& store = world->Window(FormId::Form1).Picture("Picture2");
    EXPECT_EQ(view.Point(100, 100), 0x405060);
    EXPECT_EQ(store.Point(100, 100), 0x405060);
    EXPECT_EQ(store.Point(300 - 262, 5), 0x405060);  // the store holds no guides
    EXPECT_EQ(view.Point(300 - 262, 5), 0x0000FF);

    world->PressKey(kV);  // a later restore shows the new snapshot
    EXPECT_EQ(view.Point(100, 100), 0x405060);
}

TEST_F(RestoreTest, FailureInTheMiddleOfRestoreOrRedraw_PointerTrackingComesBack)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    for (int key : {kV, kC}) {
        if (key == kC) {
            Key(kH);
        }
        // A window-system call fails at the recall's first yield; the exception ends the handler.
        world->DuringNextYield([] { throw std::runtime_error("the window system failed"); });
        Key(key);
        world->ForgetDuringYield();
        EXPECT_EQ(world->TakeSlotFailures(), std::vector<std::string>{"the window system failed"}) << key;
        EXPECT_EQ(State().TrackingOff, 0) << key;

        Key(keys::kG);  // a fresh snapshot, and the pointer over it is read again
        PointAtScreen(333 + key, 271);
        EXPECT_EQ(View("GX"), std::to_string(333 + key)) << key;
    }
}

// Right after a snapshot, a restore or a redraw the pointer has not moved yet, so the coordinate
// line is still empty; minimising and restoring then must not throw the snapshot away.
TEST_F(RestoreTest, MinimiseBeforeThePointerMoves_KeepsSnapshotOriginAndArrangement)
{
    PointAtScreen(300, 250);
    Key(kSpace);
    Key(kH);
    for (int key : {keys::kG, kV, kC}) {
        SCOPED_TRACE(key);
        if (key == kC) {
            Key(kH);
        }
        Key(key);
        ASSERT_EQ(Caption(FormId::Form1, "Label1"), "");
        const std::int32_t guide = ViewPixel(300 - 262, 5);

        world->Minimize(FormId::Form1);
        world->Restore(FormId::Form1);

        EXPECT_FALSE(world->Window(FormId::Form1).Shape()->hole.has_value());
        EXPECT_EQ(ViewPixel(300 - 262, 5), guide);
        EXPECT_EQ(ViewPixel(400 - 262, 300 - 220), 0x000000);  // the square, as snapped
        EXPECT_EQ(State().OriginMode, key == keys::kG ? 0 : 1);
        EXPECT_TRUE(ViewVisible());
        EXPECT_EQ(world->Window(FormId::Form2).GetBand(), Band::TopMost);
        EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal);
        PointAtScreen(310, 260);
        EXPECT_EQ(Caption(FormId::Form1, "Label1"), key == keys::kG ? "(310,260)" : "(310,260) <10,10>");
    }
}

}  // namespace
}  // namespace vardek::testing
