// Keys over the picture: Space for the origin, B for the points, the arrows and Shift edge jumps, and
// the keys that stand for the bar's buttons.
#include "coordview/readouts.h"
#include "ruler/form1.h"
#include "ruler/key_codes.h"
#include "ruler/position_text.h"

namespace vardek {

using platform::FormId;
using platform::KeyEvent;

namespace {

// The edge jump looks this many pixels along the pointer's row or column.
constexpr int kEdgeReach = 50;

}  // namespace

void Form1::Picture1_KeyDown(const KeyEvent& key)
{
    // The pointer's picture position as the last pointer move left it, and where that pixel
    // lies on the screen now that the window may have moved since the snapshot. PointerX and
    // PointerY stay in the snapshot's frame, where the pointer moves write them.
    const PixelPoint picture = state_.Place.ToPicture(state_.PointerX, state_.PointerY);
    const PixelPoint drawing = Picture1().DrawingAreaOnScreen().TopLeft();
    const PixelPoint live = {drawing.x + picture.x, drawing.y + picture.y};
    // Over the bare frame there is no snapshot to measure: keys that would measure do nothing.
    const bool measuring = !frameCut_;

    switch (key.keyCode) {
        case keys::kSpace:
            if (measuring) {
                SpaceKey();
            }
            break;
        case keys::kLeft:
        case keys::kRight:
        case keys::kUp:
        case keys::kDown:
            if (measuring) {
                const int dx = key.keyCode == keys::kLeft ? -1 : key.keyCode == keys::kRight ? 1 : 0;
                const int dy = key.keyCode == keys::kUp ? -1 : key.keyCode == keys::kDown ? 1 : 0;
                StepPointer({dx, dy}, picture, live, key.shift == platform::kShiftMask);
            }
            break;
        case keys::kB:
            if (measuring) {
                FixNextPoint();
                UpdateLoupe();
            }
            break;
        case keys::kN:
            ToggleColorPick();
            break;
        case keys::kV:
            if (Self().Get("Command3").Enabled()) {
                Command3_Click();
            }
            break;
        case keys::kC:
            if (Self().Get("Command4").Enabled()) {
                Command4_Click();
            }
            break;
        case keys::kH:
            Command2_Click();
            break;
        default:
            break;
    }
}

void Form1::StepPointer(PixelPoint step, PixelPoint picture, PixelPoint live, bool edgeJump)
{
    toolkit_.SetCursorPos({live.x + step.x, live.y + step.y});
    if (!edgeJump) {
        return;
    }
    platform::PictureBox& view = Picture1();
    const std::int32_t start = view.Point(picture.x, picture.y);
    for (int i = 1; i <= kEdgeReach; ++i) {
        // Guide lines count as colour; outside the picture (-1) differs from every colour.
        if (view.Point(picture.x + i * step.x, picture.y + i * step.y) != start) {
            state_.PointerX = Saturate32(static_cast<double>(state_.PointerX) + i * step.x);
            state_.PointerY = Saturate32(static_cast<double>(state_.PointerY) + i * step.y);
            toolkit_.SetCursorPos({live.x + i * step.x, live.y + i * step.y});
            return;
        }
    }
}

void Form1::SpaceKey()
{
    if (state_.OriginMode == 0) {
        state_.PrevX = state_.PointerX;
        state_.PrevY = state_.PointerY;
        Self().Get("Prev").SetCaption(FormatPositionText(state_.PrevX, state_.PrevY));
        Self().Get("Command3").SetEnabled(true);
        PlaceOrigin();
        UpdateLoupe();
        return;
    }
    ClearMeasurement();
    Command2_Click();
    toolkit_.Yield();
    Self().Get("Command1").SetFocus();
}

void Form1::FixNextPoint()
{
    if (state_.OriginMode == 1 && !state_.FirstFixed) {
        DrawGuides(kFirstPointColour);
        state_.StartX = Saturate16(std::int64_t{state_.PointerX} - state_.OriginX);
        state_.StartY = Saturate16(std::int64_t{state_.PointerY} - state_.OriginY);
        state_.FirstFixed = true;
    } else if (state_.FirstFixed && !state_.SecondFixed) {
        DrawGuides(kSecondPointColour);
        state_.EndFixed = Saturate16(std::int64_t{state_.PointerX} - state_.OriginX);
        state_.SecondFixed = true;
    }
}

void Form1::ToggleColorPick()
{
    const bool on = state_.ColorPick == kTrue;
    state_.ColorPick = on ? kFalse : kTrue;
    toolkit_.GetForm(FormId::Form2).Get("Label10").SetBackColour(on ? kButtonFace : kTooltipBack);
}

}  // namespace vardek
