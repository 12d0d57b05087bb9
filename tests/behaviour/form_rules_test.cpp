// The rules both toolkit twins share: the tab order, and when an unloaded form is freed.
#include "platform/form_rules.h"
#include "program_fixture.h"
#include "ruler/key_codes.h"

namespace vardek::testing {
namespace {

using platform::NextTabStop;
using platform::TabCandidate;

TEST(TabOrder, LabelsNeverStopAndNothingFocusedStartsAtTheEnds)
{
    const ControlDef button{.kind = Kind::Button, .name = "b", .tabIndex = 2};
    const ControlDef label{.kind = Kind::Label, .name = "l", .tabIndex = 0};
    const ControlDef text{.kind = Kind::TextBox, .name = "t", .tabIndex = 5};
    const ControlDef hidden{.kind = Kind::Button, .name = "h", .tabIndex = 1};
    std::vector<TabCandidate> c = {
        {&text, true, false}, {&label, true, false}, {&button, true, false}, {&hidden, false, false}};
    EXPECT_EQ(NextTabStop(c, false), 2);  // the button, tab 2: the label's 0 and the hidden 1 do not count
    EXPECT_EQ(NextTabStop(c, true), 0);   // backwards from nothing: the last stop
    c[2].focused = true;
    EXPECT_EQ(NextTabStop(c, false), 0);
    EXPECT_EQ(NextTabStop(c, true), 0);  // round the two stops
    c[2].focused = false;
    c[1].focused = true;  // a focused label is no place in the order
    EXPECT_EQ(NextTabStop(c, false), 2);
    EXPECT_EQ(NextTabStop(std::vector<TabCandidate>{{&label, true, true}}, false), -1);
}

using FormRulesTest = ProgramTest;

TEST_F(FormRulesTest, TabOnTheRuler_FollowsTheTabIndexPastLabelsAndDisabledButtons)
{
    ASSERT_EQ(world->FocusName(), "Form1.Picture1");
    world->PressKey(9);
    EXPECT_EQ(world->FocusName(), "Form1.Command2");  // Label1 (3) and the hidden Combo1 (4) are skipped
    world->PressKey(9, platform::kShiftMask);
    EXPECT_EQ(world->FocusName(), "Form1.Picture1");
    world->PressKey(9, platform::kShiftMask);
    EXPECT_EQ(world->FocusName(), "Form1.Command1");
    world->PressKey(9, platform::kShiftMask);  // round past Prev (a label) and the disabled 7 and 8
    EXPECT_EQ(world->FocusName(), "Form1.Picture2");
}

TEST_F(FormRulesTest, UnloadInsideAHandler_KeepsTheFormAliveUntilThePumpReturnsAndRunsOnce)
{
    int unloads = 0;
    bool stillReadable = false;
    world->Run([&] {
        platform::Form& view = world->GetForm(FormId::Form2);
        view.onUnload = [&] {
            ++unloads;
            world->Unload(FormId::Form2);  // from inside its own unload: nothing more
        };
        world->Unload(FormId::Form2);
        // The handler's own form may still be used until the pump is back at its outermost level.
        stillReadable = !view.Visible() && view.Get("GX").Caption() == "0";
        EXPECT_FALSE(world->IsLoaded(FormId::Form2));
    });
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(stillReadable);
}

}  // namespace
}  // namespace vardek::testing
