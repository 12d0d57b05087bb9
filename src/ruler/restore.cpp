// Restore, redraw and Combo1's recall: the remembered origin placed again on the stored snapshot or
// on a fresh one, each told as the user's steps and built from the steps below.
#include "ruler/form1.h"
#include "ruler/position_text.h"
#include "ruler/tracking_off.h"

namespace vardek {

using platform::FormId;

void Form1::Command3_Click()
{
    {
        // Pointer tracking stays off throughout, so that PointerX and PointerY keep the recalled
        // point across every yield until the origin is placed.
        const TrackingOffScope scope(state_);
        BeginRecall(RememberedOrigin());
        PictureFromStore();
        ShowViewAndPlaceOrigin();
        toolkit_.Yield();
    }
    Self().Get("Command4").SetEnabled(false);
    Picture1().SetFocus();
}

void Form1::Command4_Click()
{
    {
        const TrackingOffScope scope(state_);
        BeginRecall(RememberedOrigin());
        PictureFromScreen();
        ShowViewAndPlaceOrigin();
        toolkit_.Yield();
    }
    Self().Get("Command4").SetEnabled(false);
    Picture1().SetFocus();
}

void Form1::Combo1_Click()
{
    // An entry of the list is a position text: that is its input.
    const PositionText entry = ParsePositionText(Self().Get("Combo1").Caption());
    BeginRecall({entry.x, entry.y});
    PictureFromStore();
    ShowViewAndPlaceOrigin();
    Picture1().SetFocus();
}

PixelPoint Form1::RememberedOrigin() const
{
    // Held in 16 bits, as the origin itself is.
    return {Saturate16(state_.PrevX), Saturate16(state_.PrevY)};
}

void Form1::BeginRecall(PixelPoint origin)
{
    state_.PointerX = origin.x;
    state_.PointerY = origin.y;
    ClearMeasurement();
    // The view is shown again at the end at the place it stands, so it never leaves the screen.
    CancelToFrame(ViewOnCancel::KeepShown);
    toolkit_.Yield();
}

void Form1::PictureFromStore()
{
    toolkit_.Yield();
    ResetWindowRegion();
    RestoreSnapshot();
}

void Form1::PictureFromScreen()
{
    HideViewOverOpening();
    toolkit_.Yield();
    // The hole cut again must be on the screen, not the old snapshot that filled it.
    toolkit_.WaitForPresent();
    RecordSnapshotPlace();
    CaptureScreen(Picture1(), {});
    ResetWindowRegion();
    storePlace_ = state_.Place;
    toolkit_.Yield();
    StoreView();
}

void Form1::ShowViewAndPlaceOrigin()
{
    toolkit_.GetForm(FormId::Form2).Show();
    PlaceCoordView(toolkit_, module1_);
    SetTopMost(toolkit_, FormId::Form1, 0);
    toolkit_.Yield();
    SetTopMost(toolkit_, FormId::Form2, 1);
    Picture1().SetFocus();
    toolkit_.Yield();
    PlaceOrigin();
    UpdateLoupe();
}

}  // namespace vardek
