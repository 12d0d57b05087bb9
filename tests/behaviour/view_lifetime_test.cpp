// The coordinate view is made once and kept: every path that takes it off the screen, or would have
// made it again, keeps the collected line, resets the readouts and remembers where the view stood.
#include <functional>
#include <string>

#include "coordview/readouts.h"
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

constexpr PixelPoint kDragged = {880, 40};
constexpr PixelPoint kOrigin = {300, 250};

struct ViewPath {
    const char* name;
    std::function<void(MeasureTest&, World&)> run;
    bool recallsOrigin = false;  // DispX, DispY show the recalled origin afterwards
};

class ViewLifetimeTest : public MeasureTest, public ::testing::WithParamInterface<ViewPath> {
protected:
    // A measurement in progress with every kind of readout written, colour following on, the view
    // dragged aside and three values collected.
    std::string Measure()
    {
        PointAtScreen(kOrigin.x, kOrigin.y);
        Key(kSpace);
        PointAtScreen(410, 310);  // inside the black square
        Key(kN);
        PointAtScreen(350, 280);
        world->MoveWindow(FormId::Form2, kDragged);
        for (const char* label : {"DispX", "X1", "Y1"}) {
            world->Click(FormId::Form2, label);
        }
        return View("Text1");
    }
};

TEST_P(ViewLifetimeTest, Path_KeepsLineAndWindow_ResetsReadouts_RemembersPlace)
{
    const std::string line = Measure();
    ASSERT_EQ(line, "300,50,30");
    ASSERT_EQ(Caption(FormId::Form2, "CR"), "128");
    ASSERT_NE(world->ControlOf(FormId::Form2, "Label10").BackColour(), kButtonFace);

    GetParam().run(*this, *world);
    EXPECT_EQ(program->Shared().Form2Left, kDragged.x);
    EXPECT_EQ(program->Shared().Form2Top, kDragged.y);
    if (!ViewVisible()) {
        Key(keys::kG);  // the next snapshot shows it
    }

    ASSERT_TRUE(ViewVisible());
    EXPECT_EQ(world->Creations(FormId::Form2), 1);
    EXPECT_EQ(View("Text1"), line);
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), kDragged);
    for (ControlName name : kReadoutNames) {
        const std::string_view label = name.View();
        const bool origin = GetParam().recallsOrigin && (label == "DispX" || label == "DispY");
        const std::string expected = !origin ? "0" : label == "DispX" ? "300" : "250";
        EXPECT_EQ(world->ControlOf(FormId::Form2, label).Caption(), expected) << label;
    }
    // As a new view has it, whatever colour following holds.
    EXPECT_EQ(world->ControlOf(FormId::Form2, "Label10").BackColour(), kButtonFace);

    world->Click(FormId::Form2, "Label18");
    EXPECT_EQ(world->Clipboard(), line);
    world->Click(FormId::Form2, "CB");
    EXPECT_EQ(View("Text1"), line + ",0");
}

INSTANTIATE_TEST_SUITE_P(
    EveryPathThatClosedTheView, ViewLifetimeTest,
    ::testing::Values(ViewPath{"Cancel", [](MeasureTest&, World& w) { w.Click(FormId::Form1, "Command2"); }},
                      ViewPath{"KeyH", [](MeasureTest&, World& w) { w.PressKey(keys::kH); }},
                      ViewPath{"SpaceWithOrigin", [](MeasureTest&, World& w) { w.PressKey(keys::kSpace); }},
                      ViewPath{"Restore", [](MeasureTest&, World& w) { w.Click(FormId::Form1, "Command3"); }, true},
                      ViewPath{"Redraw",
                               [](MeasureTest&, World& w) {
                                   w.PressKey(keys::kH);
                                   w.ControlOf(FormId::Form2, "CR").SetCaption("9");  // written while hidden
                                   w.Click(FormId::Form1, "Command4");
                               },
                               true},
                      ViewPath{"MinimiseAndRestore",
                               [](MeasureTest&, World& w) {
                                   w.Minimize(FormId::Form1);
                                   w.Restore(FormId::Form1);
                               }},
                      ViewPath{"CloseBox", [](MeasureTest&, World& w) { w.CloseBox(FormId::Form2); }}),
    [](const ::testing::TestParamInfo<ViewPath>& info) { return std::string(info.param.name); });

using ViewKeptTest = MeasureTest;

TEST_F(ViewKeptTest, OnlyClear_EmptiesTheLine)
{
    world->Click(FormId::Form2, "CR");
    world->Click(FormId::Form2, "CG");
    ASSERT_EQ(View("Text1"), "0,0");
    Key(kH);
    Key(keys::kG);
    Key(kV);  // disabled: nothing
    EXPECT_EQ(View("Text1"), "0,0");
    world->Click(FormId::Form2, "Label17");
    EXPECT_EQ(View("Text1"), "");
}

// How the view fared during one run of a recall: every change to how a window shows (what reaches
// the screen), and the stacking at every yield (where the windows are painted).
struct ViewWatch {
    bool watching = false;
    PixelPoint place;
    int changes = 0;
    int viewHidden = 0;  // changes that left the view off the screen
    int viewShown = 0;   // changes that brought it back on
    int viewMoved = 0;
    int yieldsWithViewUnder = 0;
    bool wasVisible = false;
};

class ViewOnScreenTest : public ::testing::Test {
protected:
    ViewOnScreenTest() : world(Watched()), program(world)
    {
        world.Run([this] { program.Start(); });
    }

    WorldConfig Watched()
    {
        WorldConfig config = TestDesktopConfig();
        config.onWindowChange = [this](const World& w) {
            if (!watch.watching) {
                return;
            }
            // A view closed and made again counts as hidden and shown.
            const auto* view = w.Loaded(FormId::Form2);
            const bool visible = view != nullptr && view->Visible();
            ++watch.changes;
            watch.viewHidden += watch.wasVisible && !visible;
            watch.viewShown += !watch.wasVisible && visible;
            watch.wasVisible = visible;
            watch.viewMoved += visible && view->WindowRect().TopLeft() != watch.place;
        };
        return config;
    }

    // Runs a key with the watch on; the view stands at its remembered place.
    void Watch(int key)
    {
        watch = {.watching = true, .place = world.Window(FormId::Form2).WindowRect().TopLeft()};
        watch.wasVisible = world.Window(FormId::Form2).Visible();
        for (int skip = 0; skip < 12; ++skip) {
            world.DuringYield(skip, [this] {
                const auto* view = world.Loaded(FormId::Form2);
                watch.yieldsWithViewUnder += view && view->Visible() && world.ZOrder().front() != FormId::Form2;
            });
        }
        world.PressKey(key);
        world.ForgetDuringYield();
        watch.watching = false;
    }

    std::string Caption(FormId form, const char* name) const { return world.ControlOf(form, name).Caption(); }
    bool ViewVisible() const { return world.Window(FormId::Form2).Visible(); }
    bool Enabled(const char* name) const { return world.ControlOf(FormId::Form1, name).Enabled(); }

    void SetOrigin()
    {
        world.MovePointer(kOrigin);
        world.PressKey(keys::kSpace);
    }

    // A redraw is offered only after a cancel, which hides the view; a resize while the pointer on
    // the picture's border has written the coordinate line shows it again.
    void RedrawWithViewShownAt(PixelPoint place)
    {
        world.PressKey(keys::kG);
        world.MoveWindow(FormId::Form2, place);
        SetOrigin();
        world.PressKey(keys::kH);
        world.MovePointer({kPictureOnScreen.x - 1, 400});
        const PixelSize client = world.Window(FormId::Form1).ClientSize();
        world.ResizeClient(FormId::Form1, {client.width + 10, client.height});
        ASSERT_TRUE(ViewVisible());
        ASSERT_TRUE(Enabled("Command4"));
        Watch(keys::kC);
    }

    ViewWatch watch;
    World world;
    Program program;
};

TEST_F(ViewOnScreenTest, Restore_ViewStaysOnTopInPlace_WhereverItStands)
{
    world.PressKey(keys::kG);
    const PixelRect ruler = world.Window(FormId::Form1).WindowRect();
    // Over the ruler's bar and frame at its bottom right, then over the opening itself.
    for (PixelPoint place : {PixelPoint{ruler.right - 20, ruler.bottom - 20}, PixelPoint{300, 260}}) {
        world.MoveWindow(FormId::Form2, place);
        SetOrigin();
        world.ControlOf(FormId::Form2, "X1").SetCaption("17");
        Watch(keys::kV);

        EXPECT_GT(watch.changes, 0);
        EXPECT_EQ(watch.viewHidden, 0);
        EXPECT_EQ(watch.viewMoved, 0);
        EXPECT_EQ(watch.yieldsWithViewUnder, 0);
        EXPECT_EQ(Caption(FormId::Form2, "X1"), "0");
        EXPECT_EQ(Caption(FormId::Form2, "DispX"), "300");
        EXPECT_EQ(world.ZOrder().front(), FormId::Form2);
        EXPECT_EQ(world.Window(FormId::Form1).GetBand(), Band::Normal);
        EXPECT_EQ(world.FocusName(), "Form1.Picture1");
        world.PressKey(keys::kSpace);  // clear: the next round sets the origin again
        world.PressKey(keys::kG);
    }
}

TEST_F(ViewOnScreenTest, Redraw_FromTheFrame_ShowsTheViewOnceAfterTheCopy)
{
    world.PressKey(keys::kG);
    world.MoveWindow(FormId::Form2, {300, 260});  // over the opening
    SetOrigin();
    world.PressKey(keys::kH);
    Watch(keys::kC);

    EXPECT_EQ(watch.viewShown, 1);
    EXPECT_EQ(watch.viewHidden, 0);
    EXPECT_EQ(watch.viewMoved, 0);
    EXPECT_EQ(world.Window(FormId::Form1).Picture("Picture1").Point(100, 100), TestDesktop({362, 320}));
}

TEST_F(ViewOnScreenTest, Redraw_WithTheViewShownOverTheOpening_TakesItOffOnlyForTheCopy)
{
    RedrawWithViewShownAt({300, 260});

    EXPECT_EQ(watch.viewHidden, 1);
    EXPECT_EQ(watch.viewShown, 1);
    EXPECT_EQ(watch.viewMoved, 0);
    // The fresh snapshot and its store hold the desktop where the view stood, not the view.
    for (ControlName picture : {ControlName("Picture1"), ControlName("Picture2")}) {
        EXPECT_EQ(world.Window(FormId::Form1).Picture(picture).Point(45, 45), TestDesktop({307, 265}));
    }
}

TEST_F(ViewOnScreenTest, Redraw_WithTheViewShownBesideTheOpening_LeavesItOnTheScreen)
{
    RedrawWithViewShownAt(kViewAside);

    EXPECT_EQ(watch.viewHidden, 0);
    EXPECT_EQ(watch.viewMoved, 0);
    EXPECT_EQ(watch.yieldsWithViewUnder, 0);
    EXPECT_EQ(Caption(FormId::Form2, "DispX"), "300");
}

}  // namespace
}  // namespace vardek::testing
