// Collecting readout values into one line and copying it.
#include "measure_fixture.h"

namespace vardek::testing {
namespace {

using CollectionTest = MeasureTest;

TEST_F(CollectionTest, Clicks_AppendValuesJoinedByCommas)
{
    world->ControlOf(FormId::Form2, "X1").SetCaption("12");
    world->ControlOf(FormId::Form2, "Y1").SetCaption("-3");
    world->ControlOf(FormId::Form2, "CR").SetCaption("157");
    world->Click(FormId::Form2, "X1");
    EXPECT_EQ(View("Text1"), "12");
    world->Click(FormId::Form2, "Y1");
    EXPECT_EQ(View("Text1"), "12,-3");
    world->Click(FormId::Form2, "CR");
    EXPECT_EQ(View("Text1"), "12,-3,157");
    world->Click(FormId::Form2, "CR");
    world->Click(FormId::Form2, "SH");  // still "0"
    EXPECT_EQ(View("Text1"), "12,-3,157,157,0");
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");

    world->Click(FormId::Form2, "Label17");
    EXPECT_EQ(View("Text1"), "");
    world->Click(FormId::Form2, "X1");
    EXPECT_EQ(View("Text1"), "12");
}

TEST_F(CollectionTest, ExistingTextStaysInFront)
{
    world->ControlOf(FormId::Form2, "Text1").SetCaption(" ");
    world->ControlOf(FormId::Form2, "DispX").SetCaption("300");
    world->Click(FormId::Form2, "DispX");
    EXPECT_EQ(View("Text1"), " ,300");
}

TEST_F(CollectionTest, NonValueLabels_CollectNothing)
{
    world->ControlOf(FormId::Form2, "GX").SetCaption("262");
    for (const char* name : {"GX", "GY", "Label1", "Label15", "Label10", "Picture1", "Label6"}) {
        world->Click(FormId::Form2, name);
    }
    EXPECT_EQ(View("Text1"), "");
}

TEST_F(CollectionTest, Copy_PutsTextOnClipboardAndKeepsIt)
{
    world->Click(FormId::Form2, "Label18");
    EXPECT_EQ(world->Clipboard(), "");
    world->ControlOf(FormId::Form2, "SW").SetCaption("30");
    world->Click(FormId::Form2, "SW");
    world->Click(FormId::Form2, "Label18");
    EXPECT_EQ(world->Clipboard(), "30");
    EXPECT_EQ(View("Text1"), "30");
    world->Click(FormId::Form2, "SW");
    EXPECT_EQ(View("Text1"), "30,30");
}

TEST_F(CollectionTest, Copy_WhileClipboardHeld_KeepsTextForLaterCopy)
{
    world->ControlOf(FormId::Form2, "CB").SetCaption("7");
    world->Click(FormId::Form2, "CB");
    world->HoldClipboard(true);
    world->Click(FormId::Form2, "Label18");
    EXPECT_EQ(world->Clipboard(), "");
    EXPECT_EQ(View("Text1"), "7");
    world->HoldClipboard(false);
    world->Click(FormId::Form2, "Label18");
    EXPECT_EQ(world->Clipboard(), "7");
}

TEST_F(CollectionTest, Collection_SurvivesCaptureAndCancel)
{
    world->Click(FormId::Form2, "CR");
    world->PressKey(keys::kG);
    EXPECT_EQ(View("Text1"), "0");
    world->Click(FormId::Form1, "Command2");
    world->PressKey(keys::kG);
    EXPECT_EQ(View("Text1"), "0");
}

}  // namespace
}  // namespace vardek::testing
