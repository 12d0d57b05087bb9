// The coordinate view's life: creation on reference, its remembered place, handing the
// keyboard back to the ruler, and the readouts reset.
#include "coordview/readouts.h"
#include "program_fixture.h"

namespace vardek::testing {
namespace {

using CoordViewTest = ProgramTest;

TEST_F(CoordViewTest, ReadoutWrite_WhileClosed_CreatesViewHidden)
{
    world->Run([this] { SetReadout(*world, program->Shared(), "GX", -12); });
    ASSERT_TRUE(world->IsLoaded(FormId::Form2));
    EXPECT_FALSE(world->Window(FormId::Form2).Visible());
    EXPECT_EQ(Caption(FormId::Form2, "GX"), "-12");
}

TEST_F(CoordViewTest, ClosedWithCloseBox_ReopensWhereItWasClosed)
{
    world->PressKey(71);
    ASSERT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{0, 0}));
    world->MoveWindow(FormId::Form2, {700, -5});
    world->CloseBox(FormId::Form2);
    EXPECT_FALSE(ViewVisible());
    EXPECT_EQ(program->Shared().Form2Left, 700);
    EXPECT_EQ(program->Shared().Form2Top, -5);

    world->PressKey(71);
    EXPECT_TRUE(ViewVisible());
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{700, -5}));
}

TEST_F(CoordViewTest, DraggedButNotClosed_SnapshotPutsItBackAtRememberedPlace)
{
    world->PressKey(71);
    world->MoveWindow(FormId::Form2, {640, 480});
    world->ControlOf(FormId::Form2, "Text1").SetCaption("12,-3");
    world->PressKey(71);
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{0, 0}));
    EXPECT_EQ(Caption(FormId::Form2, "Text1"), "12,-3");  // hidden and shown, not destroyed
}

TEST_F(CoordViewTest, DraggedThenCancel_RemembersDraggedPlaceAndKeepsCollection)
{
    world->PressKey(71);
    world->MoveWindow(FormId::Form2, {640, 480});
    world->ControlOf(FormId::Form2, "Text1").SetCaption("12,-3");
    world->Click(FormId::Form1, "Command2");
    world->PressKey(71);
    EXPECT_EQ(world->Window(FormId::Form2).WindowRect().TopLeft(), (PixelPoint{640, 480}));
    EXPECT_EQ(Caption(FormId::Form2, "Text1"), "12,-3");
}

TEST_F(CoordViewTest, ClickInView_HandsFocusBackToRulerPicture)
{
    world->PressKey(71);
    ASSERT_EQ(world->FocusName(), "Form1.Picture1");
    world->ActivateByUser(FormId::Form2);
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
    EXPECT_EQ(world->ActiveForm(), FormId::Form1);

    world->Click(FormId::Form2, "X1");
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
}

TEST_F(CoordViewTest, ActivationFromAnotherProgram_DoesNotMoveFocus)
{
    world->PressKey(71);
    world->ActivateOtherProgram();
    world->ActivateByUser(FormId::Form2);
    EXPECT_EQ(world->ActiveForm(), FormId::Form2);
    EXPECT_EQ(world->FocusName(), "");
}

TEST_F(CoordViewTest, ResetReadouts_ZeroesAllThirteenAndNothingElse)
{
    world->PressKey(71);
    int value = -6;
    for (std::string_view name : kReadoutNames) {
        world->ControlOf(FormId::Form2, name).SetCaption(std::to_string(value++));
    }
    world->ControlOf(FormId::Form2, "Text1").SetCaption("1,2");
    world->ControlOf(FormId::Form2, "Label10").SetBackColour(kTooltipBack);
    world->Run([this] { ResetReadouts(*world, program->Shared()); });
    for (std::string_view name : kReadoutNames) {
        EXPECT_EQ(world->ControlOf(FormId::Form2, name).Caption(), "0") << name;
    }
    EXPECT_EQ(Caption(FormId::Form2, "Text1"), "1,2");
    EXPECT_EQ(world->ControlOf(FormId::Form2, "Label10").BackColour(), kTooltipBack);
    EXPECT_TRUE(ViewVisible());
}

TEST_F(CoordViewTest, Definition_ViewSizeAndHandPointers)
{
    world->Run([this] { (void)world->GetForm(FormId::Form2); });
    const auto& view = world->Window(FormId::Form2);
    EXPECT_EQ(view.ClientSize(), (PixelSize{261, 267}));  // 3915 by 4005 twips
    int hands = 0;
    for (const auto& control : view.Controls()) {
        if (control->Definition().pointer == Pointer::Hand) {
            ++hands;
            EXPECT_NE(control->Name(), "GX");
            EXPECT_NE(control->Name(), "GY");
        }
    }
    EXPECT_EQ(hands, 13);
    EXPECT_EQ(view.Find("Label10")->BackColour(), kButtonFace);
}

}  // namespace
}  // namespace vardek::testing
