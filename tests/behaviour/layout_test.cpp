// Layout on resize, the see-through frame, minimise and restore, and the cancel.
#include "program_fixture.h"
#include "ruler/frame_geometry.h"
#include "ruler/key_codes.h"

namespace vardek::testing {
namespace {

using LayoutTest = ProgramTest;

PixelRect BoundsOf(World& world, const char* name)
{
    return world.ControlOf(FormId::Form1, name).Bounds();
}

// Takes a snapshot and moves the pointer over it: a measurement is in progress.
void StartMeasurement(World& world)
{
    world.PressKey(keys::kG);
    world.MovePointer({300, 250});
}

TEST(FrameGeometry, HoleFor400By300Client_IsDrawingAreaInWindowPixels)
{
    const FrameOffsets classic{.picture = {6, 25}, .nonClient = {8, 27}};
    const platform::WindowShape shape = FrameWithHole(classic, {400, 300}, {0, 0}, {396, 263});
    EXPECT_EQ(shape.outer, (PixelRect{0, 0, 408, 327}));
    EXPECT_EQ(shape.hole, (PixelRect{6, 25, 402, 288}));
}

TEST_F(LayoutTest, Resize_LaysOutBarAndRecutsHole)
{
    world->ResizeClient(FormId::Form1, {400, 300});
    EXPECT_EQ(BoundsOf(*world, "Picture1"), (PixelRect{0, 0, 400, 267}));
    EXPECT_EQ(BoundsOf(*world, "Picture2"), (PixelRect{0, 0, 400, 267}));
    for (const char* name : {"Command1", "Command2", "Prev", "Command3", "Command4", "Label1"}) {
        EXPECT_EQ(BoundsOf(*world, name).top, 275) << name;
    }
    // Left and width stay as defined: 105 and 855 twips.
    EXPECT_EQ(BoundsOf(*world, "Command1").left, 7);
    EXPECT_EQ(BoundsOf(*world, "Command1").Width(), 57);
    EXPECT_EQ(BoundsOf(*world, "Combo1").top, 269);  // hidden, never moved

    const auto& shape = world->Window(FormId::Form1).Shape();
    EXPECT_EQ(shape->outer, (PixelRect{0, 0, 408, 327}));
    EXPECT_EQ(shape->hole, (PixelRect{6, 25, 402, 288}));
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::TopMost);
    EXPECT_FALSE(world->IsLoaded(FormId::Form2) && world->Window(FormId::Form2).Visible());
}

TEST_F(LayoutTest, Resize_ToExactlyReserveHeight_LeavesZeroHighPictures)
{
    world->ResizeClient(FormId::Form1, {300, 33});
    EXPECT_EQ(State().RestorePending, 0);
    EXPECT_EQ(BoundsOf(*world, "Picture1").Height(), 0);
    EXPECT_EQ(BoundsOf(*world, "Command1").top, 8);
}

TEST_F(LayoutTest, Resize_TooLow_ChangesNothingAndWaitsToRestore)
{
    world->ResizeClient(FormId::Form1, {400, 300});
    const auto shape = world->Window(FormId::Form1).Shape();
    const int repaints = world->Window(FormId::Form1).RepaintsOnShape();

    world->ResizeClient(FormId::Form1, {400, 32});
    EXPECT_EQ(State().RestorePending, -1);
    EXPECT_EQ(BoundsOf(*world, "Picture1"), (PixelRect{0, 0, 400, 267}));
    EXPECT_EQ(BoundsOf(*world, "Command1").top, 275);
    EXPECT_EQ(world->Window(FormId::Form1).Shape(), shape);
    EXPECT_EQ(world->Window(FormId::Form1).RepaintsOnShape(), repaints);
}

TEST_F(LayoutTest, FailedLayoutThenOneEnlargingStep_RestoresAndLaysOut)
{
    world->Run([this] { program->Shared().Form2Left = 40; });
    world->ResizeClient(FormId::Form1, {400, 20});
    world->ResizeClient(FormId::Form1, {500, 400});

    EXPECT_EQ(State().RestorePending, 0);
    EXPECT_EQ(BoundsOf(*world, "Picture1"), (PixelRect{0, 0, 500, 367}));
    EXPECT_EQ(BoundsOf(*world, "Label1").top, 375);
    EXPECT_EQ(world->Window(FormId::Form1).Shape()->hole, (PixelRect{6, 25, 502, 388}));
    // The restore opened the view at its remembered place and the cancel closed it again
    // (the layout's reset of the readouts may recreate it, hidden).
    EXPECT_FALSE(ViewVisible());
    EXPECT_EQ(program->Shared().Form2Left, 40);
}

TEST_F(LayoutTest, FailedLayoutThenStillTooLow_RunsRestoreOnlyThenFailsAgain)
{
    world->ResizeClient(FormId::Form1, {400, 20});
    world->ResizeClient(FormId::Form1, {400, 25});
    EXPECT_EQ(State().RestorePending, 0);
    EXPECT_EQ(BoundsOf(*world, "Picture1").Height(), 262);  // 295 - 33, from start-up
    world->ResizeClient(FormId::Form1, {400, 26});
    EXPECT_EQ(State().RestorePending, -1);
}

TEST_F(LayoutTest, MinimiseAndRestore_InFrameState_RecutsFrameAndClosesView)
{
    // A resize during a measurement leaves the frame cut with the view still open.
    StartMeasurement(*world);
    world->ResizeClient(FormId::Form1, {420, 310});
    ASSERT_TRUE(ViewVisible());
    world->MoveWindow(FormId::Form2, {500, 60});

    world->Minimize(FormId::Form1);
    EXPECT_EQ(State().RestorePending, -1);
    EXPECT_FALSE(ViewVisible());
    EXPECT_EQ(program->Shared().Form2Left, 500);
    EXPECT_EQ(program->Shared().Form2Top, 60);

    world->Restore(FormId::Form1);
    EXPECT_EQ(State().RestorePending, 0);
    EXPECT_FALSE(ViewVisible());                    // shown by the restore, hidden by its cancel
    EXPECT_EQ(world->Creations(FormId::Form2), 1);  // the same window throughout
    EXPECT_TRUE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::TopMost);
    EXPECT_TRUE(Enabled("Command4"));
}

TEST_F(LayoutTest, MinimiseAndRestore_DuringMeasurement_KeepsSnapshotOnShow)
{
    StartMeasurement(*world);
    world->Minimize(FormId::Form1);
    EXPECT_FALSE(ViewVisible());
    world->Restore(FormId::Form1);

    EXPECT_TRUE(ViewVisible());
    EXPECT_EQ(world->Window(FormId::Form2).GetBand(), Band::TopMost);
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::Normal);
    EXPECT_EQ(world->ZOrder().front(), FormId::Form2);
    EXPECT_FALSE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "(300,250)");
}

TEST_F(LayoutTest, ResizeWhileMinimised_WithRestorePending_StaysMinimised)
{
    StartMeasurement(*world);
    world->Minimize(FormId::Form1);
    // A second notification while still minimised (the window system may send several).
    world->ResizeClient(FormId::Form1, world->Window(FormId::Form1).ClientSizeWhenRestored());
    EXPECT_EQ(State().RestorePending, -1);
    EXPECT_FALSE(ViewVisible());
}

TEST_F(LayoutTest, ResizeDuringMeasurement_ShowsViewAndClearsEverything)
{
    StartMeasurement(*world);
    world->PressKey(keys::kSpace);  // the origin at (300,250)
    world->MovePointer({303, 252});
    world->PressKey(keys::kB);  // the first point, 3 right of it
    ASSERT_EQ(Caption(FormId::Form2, "DispX"), "300");
    ASSERT_EQ(State().StartX, 3);
    ASSERT_TRUE(Enabled("Command3"));

    world->ResizeClient(FormId::Form1, {420, 310});
    EXPECT_TRUE(ViewVisible());
    EXPECT_EQ(world->Window(FormId::Form2).GetBand(), Band::TopMost);
    EXPECT_EQ(Caption(FormId::Form2, "DispX"), "0");
    EXPECT_EQ(State().OriginMode, 0);
    EXPECT_EQ(State().OriginX, 0);
    EXPECT_EQ(State().StartX, 0);
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "");
    EXPECT_FALSE(Enabled("Command3"));
    EXPECT_EQ(world->Window(FormId::Form1).Shape()->hole, (PixelRect{6, 25, 422, 298}));
}

TEST_F(LayoutTest, SecondResizeDuringYield_OuterRunCutsFrameForFinalSize)
{
    world->DuringNextYield([this] {
        world->Window(FormId::Form1).ResizeClient({350, 250});
        world->Post([this] { world->Window(FormId::Form1).onResize(); });
    });
    world->ResizeClient(FormId::Form1, {500, 400});
    EXPECT_EQ(BoundsOf(*world, "Picture1"), (PixelRect{0, 0, 350, 217}));
    EXPECT_EQ(BoundsOf(*world, "Command2").top, 225);
    EXPECT_EQ(world->Window(FormId::Form1).Shape()->hole, (PixelRect{6, 25, 352, 238}));
}

TEST_F(LayoutTest, Cancel_ReturnsToFrameAndLeavesOthersAlone)
{
    StartMeasurement(*world);
    world->PressKey(keys::kN);  // colour following on
    world->MovePointer({321, 227});
    world->PressKey(keys::kSpace);  // the origin, remembered in Prev
    ASSERT_EQ(Caption(FormId::Form1, "Prev"), "321,227");
    ASSERT_FALSE(Enabled("Command4"));

    world->Click(FormId::Form1, "Command2");
    EXPECT_TRUE(world->Window(FormId::Form1).Shape()->hole.has_value());
    EXPECT_EQ(Caption(FormId::Form1, "Label1"), "");
    EXPECT_EQ(State().OriginMode, 0);
    EXPECT_EQ(world->Window(FormId::Form1).GetBand(), Band::TopMost);
    EXPECT_FALSE(ViewVisible());
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
    EXPECT_TRUE(Enabled("Command4"));
    EXPECT_TRUE(Enabled("Command3"));
    EXPECT_EQ(Caption(FormId::Form1, "Prev"), "321,227");
    EXPECT_EQ(State().PointerX, 321);
    EXPECT_EQ(State().ColorPick, -1);
}

TEST_F(LayoutTest, Bar_WidePrevKeepsOrderAndSpacing)
{
    const char* order[] = {"Command1", "Command2", "Prev", "Command4", "Command3", "Label1"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        // Neighbours touch or overlap by at most the one pixel the bar was drawn with.
        EXPECT_LE(BoundsOf(*world, order[i - 1]).right, BoundsOf(*world, order[i]).left + 1) << order[i];
        EXPECT_LT(BoundsOf(*world, order[i - 1]).left, BoundsOf(*world, order[i]).left) << order[i];
    }
    EXPECT_GE(BoundsOf(*world, "Prev").Width(), 78);  // "-32768,-32768" in the bar's font
}

TEST(LayoutDpi, Resize_At144Dpi_ScalesBarNumbers)
{
    World world(WorldConfig{.dpi = 144});
    Program program(world);
    world.Run([&] { program.Start(); });
    world.ResizeClient(FormId::Form1, {600, 450});
    EXPECT_EQ(world.ControlOf(FormId::Form1, "Picture1").Bounds().Height(), 400);  // 450 - 50
    EXPECT_EQ(world.ControlOf(FormId::Form1, "Command1").Bounds().top, 412);       // 450 - 38
    EXPECT_EQ(world.ControlOf(FormId::Form1, "Command1").Bounds().Height(), 26);   // 255 twips
}

}  // namespace
}  // namespace vardek::testing
