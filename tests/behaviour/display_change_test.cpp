// Monitors unplugged, plugged back in or given another mode while a measurement is on show.
#include <vector>

#include "measure_fixture.h"

namespace vardek::testing {
namespace {

using platform::headless::Monitor;

const Monitor kMain{.rect = {0, 0, 1280, 1024}};
const Monitor kLeft{.rect = {-1280, 0, 0, 1024}};

// Columns and rows differ everywhere, so that a picture copied from the wrong place shows.
std::int32_t PatternedDesktop(PixelPoint p)
{
    return 0x20 | ((p.x & 0xFF) << 16) | ((p.y & 0xFF) << 8);
}

WorldConfig TwoMonitors()
{
    WorldConfig config;
    config.monitors = {kMain, kLeft};
    config.desktop = PatternedDesktop;
    return config;
}

PixelSize SizeOf(const PixelRect& rect)
{
    return {rect.Width(), rect.Height()};
}

bool WhollyOn(const PixelRect& window, const Monitor& monitor)
{
    return window.left >= monitor.rect.left && window.top >= monitor.rect.top && window.right <= monitor.rect.right &&
           window.bottom <= monitor.rect.bottom;
}

class DisplayChangeTest : public ProgramTest {
protected:
    DisplayChangeTest() : ProgramTest(TwoMonitors()) {}

    // The ruler and the view on the left monitor, a snapshot with an origin and a first point.
    void MeasureOnLeftMonitor()
    {
        world->MoveWindow(FormId::Form1, {-1100, 200});
        world->PressKey(keys::kG);
        world->MoveWindow(FormId::Form2, {-1270, 650});
        world->MovePointer({-1000, 300});
        world->PressKey(keys::kSpace);
        world->MovePointer({-950, 340});
        world->PressKey(keys::kB);
    }
    PixelRect Place(FormId id) const { return world->Window(id).WindowRect(); }
    std::vector<std::string> ViewReadouts() const
    {
        std::vector<std::string> texts;
        for (const char* name : {"DispX", "DispY", "X1", "Y1", "GX", "GY"}) {
            texts.push_back(Caption(FormId::Form2, name));
        }
        return texts;
    }
    std::vector<std::int32_t> Picture() const
    {
        auto& picture = world->Window(FormId::Form1).Picture("Picture1");
        const PixelRect area = picture.DrawingAreaOnScreen();
        std::vector<std::int32_t> pixels;
        for (int y = 0; y < area.Height(); ++y) {
            for (int x = 0; x < area.Width(); ++x) {
                pixels.push_back(picture.Point(x, y));
            }
        }
        return pixels;
    }
};

TEST_F(DisplayChangeTest, MonitorUnplugged_BringsBothWindowsOntoTheMainOneWithTheMeasurementWhole)
{
    MeasureOnLeftMonitor();
    const PixelRect ruler = Place(FormId::Form1);
    const PixelRect view = Place(FormId::Form2);
    const ViewState before = State();
    const std::vector<std::string> readouts = ViewReadouts();
    const std::vector<std::int32_t> picture = Picture();
    const std::string line = Caption(FormId::Form1, "Label1");

    world->ReplaceMonitors({kMain});

    // At the main monitor's left edge, each at its own height, as the window system would put them.
    EXPECT_EQ(Place(FormId::Form1), PixelRect::FromSize({0, ruler.top}, SizeOf(ruler)));
    EXPECT_EQ(Place(FormId::Form2), PixelRect::FromSize({0, view.top}, SizeOf(view)));
    EXPECT_EQ(State().OriginX, before.OriginX);
    EXPECT_EQ(State().OriginY, before.OriginY);
    EXPECT_EQ(State().StartX, before.StartX);
    EXPECT_EQ(State().StartY, before.StartY);
    EXPECT_TRUE(State().FirstFixed);
    EXPECT_EQ(ViewReadouts(), readouts);
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), line);
    EXPECT_EQ(Picture(), picture);  // the snapshot still shows the left monitor's pixels
    EXPECT_TRUE(ViewVisible());

    // The second point is still set on the snapshot's own coordinates, wherever the ruler now is.
    const PixelPoint shift{Place(FormId::Form1).left - ruler.left, 0};
    world->MovePointer({-900 + shift.x, 380});
    world->PressKey(keys::kB);
    EXPECT_EQ(Caption(FormId::Form2, "X2"), "100");
    EXPECT_EQ(Caption(FormId::Form2, "SW"), "50");
}

TEST_F(DisplayChangeTest, WindowsStillShown_StayWhereTheUserPutThem)
{
    world->MoveWindow(FormId::Form1, {-150, 100});  // across the seam: partly on the main monitor
    world->PressKey(keys::kG);
    world->MoveWindow(FormId::Form2, {900, 40});
    const PixelRect ruler = Place(FormId::Form1);
    const PixelRect view = Place(FormId::Form2);

    world->ReplaceMonitors({kMain});
    EXPECT_EQ(Place(FormId::Form1), ruler);
    EXPECT_EQ(Place(FormId::Form2), view);

    world->ReplaceMonitors({kMain, kLeft});  // plugged back in: nothing moves
    EXPECT_EQ(Place(FormId::Form1), ruler);
    EXPECT_EQ(Place(FormId::Form2), view);
}

TEST_F(DisplayChangeTest, SmallerMode_PutsWindowsBeyondItBackWhole)
{
    world->MoveWindow(FormId::Form1, {1100, 850});
    world->PressKey(keys::kG);
    world->MoveWindow(FormId::Form2, {1200, 100});
    const Monitor smaller{.rect = {0, 0, 1024, 768}};

    world->ReplaceMonitors({smaller, kLeft});
    EXPECT_TRUE(WhollyOn(Place(FormId::Form1), smaller));
    EXPECT_TRUE(WhollyOn(Place(FormId::Form2), smaller));
    EXPECT_EQ(Place(FormId::Form1).right, smaller.rect.right);  // moved no further than needed
    EXPECT_EQ(Place(FormId::Form1).bottom, smaller.rect.bottom);
    EXPECT_EQ(Place(FormId::Form2).top, 100);
}

TEST_F(DisplayChangeTest, ViewBroughtBack_IsRememberedThereWhenReopened)
{
    MeasureOnLeftMonitor();
    world->ReplaceMonitors({kMain});
    const PixelRect view = Place(FormId::Form2);
    world->CloseBox(FormId::Form2);
    world->ReplaceMonitors({kMain, kLeft});  // its old place shows again, but the user last saw it here
    world->PressKey(keys::kG);
    ASSERT_TRUE(ViewVisible());
    EXPECT_EQ(Place(FormId::Form2).TopLeft(), view.TopLeft());
}

TEST_F(DisplayChangeTest, MinimisedWhileUnplugged_RestoresOntoAMonitor)
{
    MeasureOnLeftMonitor();
    world->Minimize(FormId::Form1);
    world->ReplaceMonitors({kMain});
    world->Restore(FormId::Form1);

    EXPECT_TRUE(WhollyOn(Place(FormId::Form1), kMain));
    ASSERT_TRUE(ViewVisible());
    EXPECT_TRUE(WhollyOn(Place(FormId::Form2), kMain));
    EXPECT_EQ(State().OriginX, -1000);
    EXPECT_EQ(State().OriginY, 300);
}

// The desk of three as the real one measured: a monitor above the main one and a wider one right of
// it, so that the virtual screen's top right corner is on no monitor.
WorldConfig ThreeMonitors()
{
    WorldConfig config;
    config.monitors = {kMain, {.rect = {0, -1024, 1280, 0}}, {.rect = {1280, 0, 3200, 1080}}};
    config.desktop = PatternedDesktop;
    return config;
}

class DeskOfThreeTest : public ProgramTest {
protected:
    DeskOfThreeTest() : ProgramTest(ThreeMonitors()) {}
};

TEST_F(DeskOfThreeTest, OverNoMonitor_PointerKeptOnOneAndThatPartOfTheSnapshotBlack)
{
    // The ruler's picture reaches from the wider monitor up into the corner that no monitor shows.
    world->MoveWindow(FormId::Form1, {1200, -150});
    world->PressKey(keys::kG);
    auto& picture = world->Window(FormId::Form1).Picture("Picture1");
    const PixelRect area = picture.DrawingAreaOnScreen();
    ASSERT_LT(area.top, -100);
    ASSERT_GT(area.bottom, 5);
    EXPECT_EQ(picture.Point(1300 - area.left, -100 - area.top), 0);
    EXPECT_EQ(picture.Point(1300 - area.left, 5 - area.top), PatternedDesktop({1300, 5}));

    // Sent where no monitor shows, the pointer stays on the monitor it was on, at its edge, where the
    // real desk kept it; not on the monitor above, nearer as that is.
    world->MovePointer({1300, 5});
    world->MovePointer({1300, -100});
    EXPECT_EQ(world->CursorPos(), (PixelPoint{1300, 0}));
    EXPECT_EQ(Caption(FormId::Form2, "GX"), "1300");
    EXPECT_EQ(Caption(FormId::Form2, "GY"), "0");
    // A press there too: the pointer goes where the window system lets it, and the press with it.
    world->MovePointer({1300, 5});
    world->PressButton({1300, -100});
    world->ReleaseButton();
    EXPECT_EQ(world->CursorPos(), (PixelPoint{1300, 0}));
    EXPECT_EQ(Caption(FormId::Form2, "CB"), std::to_string(PatternedDesktop({1300, 0}) / 65536));
}

}  // namespace
}  // namespace vardek::testing
