// Start-up, stacking, the ruler's own keys and closing.
#include "program_fixture.h"
#include "ruler/key_codes.h"

namespace vardek::testing {
namespace {

using StartupTest = ProgramTest;

TEST_F(StartupTest, Start_EndsAsTopmostSeeThroughFrameWithViewClosed)
{
    const auto& ruler = world->Window(FormId::Form1);
    EXPECT_TRUE(ruler.Visible());
    EXPECT_EQ(ruler.GetBand(), Band::TopMost);
    EXPECT_FALSE(world->IsLoaded(FormId::Form2));
    EXPECT_EQ(world->Creations(FormId::Form2), 0);
    EXPECT_EQ(program->Shared().Form2Left, 0);
    EXPECT_EQ(program->Shared().Form2Top, 0);

    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "000,000");
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "");
    EXPECT_TRUE(Enabled("Command1"));
    EXPECT_TRUE(Enabled("Command2"));
    EXPECT_FALSE(Enabled("Command3"));
    EXPECT_FALSE(Enabled("Command4"));
    EXPECT_EQ(world->ActiveForm(), FormId::Form1);
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");

    // The hole is exactly the picture's drawing area: 4 + 2 across, 23 + 2 down on this frame.
    ASSERT_TRUE(ruler.Shape().has_value());
    const PixelSize client = ruler.ClientSize();
    EXPECT_EQ(ruler.Shape()->outer, (PixelRect{0, 0, client.width + 8, client.height + 27}));
    EXPECT_EQ(ruler.Shape()->hole, (PixelRect{6, 25, client.width + 2, client.height - 12}));

    const ViewState& state = State();
    EXPECT_EQ(state.OriginMode, 0);
    EXPECT_EQ(state.RestorePending, 0);
    EXPECT_EQ(state.TrackingOff, 0);
}

// Every state of the desktop during start-up: the ruler never shows before its frame is cut, and
// the coordinate view never shows at all, even with the pointer already over the ruler as it
// appears (on the picture's border, left of the hole), and the view is not even made.
TEST(StartupOrder, EveryChangeOnScreen_RulerAlreadyCutViewNeverShown)
{
    for (const bool pointerOverRuler : {false, true}) {
        SCOPED_TRACE(pointerOverRuler ? "pointer over the ruler" : "pointer elsewhere");
        WorldConfig config;
        int rulerShown = 0;
        int rulerShownUncut = 0;
        int viewShown = 0;
        config.onWindowChange = [&](const World& world) {
            const auto* ruler = world.Loaded(FormId::Form1);
            if (ruler != nullptr && ruler->Visible()) {
                ++rulerShown;
                rulerShownUncut += !(ruler->Shape() && ruler->Shape()->hole);
            }
            const auto* view = world.Loaded(FormId::Form2);
            viewShown += view != nullptr && view->Visible();
        };
        World world(config);
        Program program(world);
        if (pointerOverRuler) {
            // The window system tells the window that appears under a still pointer.
            world.DuringNextYield([&world] { world.SetCursorPos({261, 300}); });
        }
        world.Run([&] { program.Start(); });

        EXPECT_GT(rulerShown, 0);
        EXPECT_EQ(rulerShownUncut, 0);
        EXPECT_EQ(viewShown, 0);
        EXPECT_EQ(world.Creations(FormId::Form2), 0);
        EXPECT_EQ(world.Window(FormId::Form1).GetBand(), Band::TopMost);
        EXPECT_EQ(world.FocusName(), "Form1.Picture1");
        EXPECT_EQ(world.Window(FormId::Form1).Get("Label1").Caption(), "");
        EXPECT_EQ(program.Shared().Form2Left, 0);
        EXPECT_EQ(program.Shared().Form2Top, 0);
        EXPECT_EQ(program.Ruler().State().TrackingOff, 0);
    }
}

TEST_F(StartupTest, Start_PlacesRulerClientFromItsDefinition)
{
    // 3900, 3270 twips and 7065 by 4425 twips at 15 twips per pixel.
    const auto& ruler = world->Window(FormId::Form1);
    EXPECT_EQ(ruler.ClientOrigin(), (PixelPoint{260, 218}));
    EXPECT_EQ(ruler.ClientSize(), (PixelSize{471, 295}));
}

TEST_F(StartupTest, Start_ReadoutsOfARecreatedViewAreZero)
{
    world->Run([this] { (void)world->GetForm(FormId::Form2); });
    for (const char* name : {"GX", "GY", "DispX", "DispY", "X1", "Y1", "X2", "Y2", "SW", "SH", "CR", "CG", "CB"}) {
        EXPECT_EQ(Caption(FormId::Form2, name), "0") << name;
    }
    EXPECT_EQ(Caption(FormId::Form2, "Text1"), "");
    EXPECT_FALSE(world->Window(FormId::Form2).Visible());
}

TEST_F(StartupTest, SetTopMost_FlagsMoveBetweenBandsAndShow)
{
    world->Run([this] {
        SetTopMost(*world, FormId::Form2, 2);  // creates the closed view, does not show it
    });
    ASSERT_TRUE(world->IsLoaded(FormId::Form2));
    EXPECT_FALSE(world->Window(FormId::Form2).Visible());

    world->Run([this] { SetTopMost(*world, FormId::Form2, 0); });  // a hidden window is shown, normal band
    EXPECT_TRUE(world->Window(FormId::Form2).Visible());
    EXPECT_EQ(world->Window(FormId::Form2).GetBand(), Band::Normal);

    world->Run([this] { SetTopMost(*world, FormId::Form1, 0); });
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal);
    world->Run([this] { SetTopMost(*world, FormId::Form2, 1); });
    EXPECT_EQ(world->ZOrder().front(), FormId::Form2);

    world->Run([this] { SetTopMost(*world, FormId::Form1, 2); });  // nothing at all
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal);
    EXPECT_EQ(world->ZOrder().front(), FormId::Form2);

    world->Run([this] { SetTopMost(*world, FormId::Form1, 1); });
    EXPECT_EQ(world->ZOrder().front(), FormId::Form1);
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::TopMost);
}

TEST_F(StartupTest, F1_OpensHelpWhateverHasFocusAndModifiers)
{
    world->PressKey(keys::kF1);
    EXPECT_EQ(world->HelpOpened(), 1);
    world->Window(FormId::Form1).Get("Command2").SetFocus();
    ASSERT_EQ(world->FocusName(), "Form1.Command2");
    world->PressKey(keys::kF1, platform::kShiftMask | platform::kCtrlMask);
    EXPECT_EQ(world->HelpOpened(), 2);
}

TEST_F(StartupTest, G_TakesSnapshotWithAnyModifierAndAnyFocus)
{
    const int modifiers[] = {0, platform::kShiftMask, platform::kCtrlMask, platform::kAltMask};
    for (int shift : modifiers) {
        world->Click(FormId::Form1, "Command2");  // back to the frame, focus on a button
        world->Window(FormId::Form1).Get("Command2").SetFocus();
        world->PressKey(keys::kG, shift);
        EXPECT_TRUE(ViewVisible()) << shift;
        EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal) << shift;
        EXPECT_EQ(world->Window(FormId::Form2).GetBand(), Band::TopMost) << shift;
        EXPECT_FALSE(world->Window(FormId::Form1).Shape()->hole.has_value()) << shift;
        EXPECT_EQ(world->FocusName(), "Form1.Picture1") << shift;
    }
}

TEST_F(StartupTest, OtherLetters_ChangeNothing)
{
    const auto before = world->Window(FormId::Form1).Shape();
    for (int key : {65, 68, 90, 27, 13}) {
        world->PressKey(key);
    }
    EXPECT_EQ(world->Window(FormId::Form1).Shape(), before);
    EXPECT_FALSE(world->IsLoaded(FormId::Form2));
    EXPECT_EQ(world->HelpOpened(), 0);
}

TEST_F(StartupTest, CloseRuler_EndsProgramWithoutStoringViewPlace)
{
    world->PressKey(keys::kG);
    ASSERT_TRUE(ViewVisible());
    world->MoveWindow(FormId::Form2, {300, 200});
    world->CloseBox(FormId::Form1);
    EXPECT_TRUE(world->Ended());
    EXPECT_FALSE(world->IsLoaded(FormId::Form1));
    EXPECT_FALSE(world->IsLoaded(FormId::Form2));
    EXPECT_EQ(program->Shared().Form2Left, 0);
    EXPECT_EQ(program->Shared().Form2Top, 0);
}

TEST_F(StartupTest, CloseRuler_DuringAYieldStopsEverySuspendedHandler)
{
    // The cancel yields after making the ruler topmost; closing there must not let it resume.
    world->PressKey(keys::kG);
    world->DuringNextYield([this] { world->Post([this] { world->Unload(FormId::Form1); }); });
    world->Click(FormId::Form1, "Command2");
    EXPECT_TRUE(world->Ended());
    EXPECT_FALSE(world->IsLoaded(FormId::Form2));
}

}  // namespace
}  // namespace vardek::testing
