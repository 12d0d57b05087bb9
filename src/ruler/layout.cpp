// The ruler's layout and its see-through frame: the hole cut over Picture1, a minimise and the restore
// after it, and the cancel back to the frame (取り消し).
#include <stdexcept>

#include "coordview/lifetime.h"
#include "coordview/readouts.h"
#include "ruler/form1.h"

namespace vardek {

using platform::FormId;

namespace {
constexpr ControlName kBarControls[] = {"Command1", "Command2", "Prev", "Command3", "Command4", "Label1"};
}  // namespace

void Form1::CutFrame()
{
    HideLoupe();
    platform::Form& self = Self();
    platform::PictureBox& picture = self.Picture("Picture1");
    const FrameOffsets offsets = MeasureFrameOffsets(self, picture);
    self.SetShape(FrameWithHole(offsets, self.ClientSize(), picture.Bounds().TopLeft(), picture.ImageSize()), true);
    frameCut_ = true;
}

void Form1::ClearMeasurement()
{
    state_.OriginX = 0;
    state_.OriginY = 0;
    state_.StartX = 0;
    state_.EndFixed = 0;
    state_.StartY = 0;
    state_.FirstFixed = false;
    state_.SecondFixed = false;
    ResetReadouts(toolkit_, module1_);
    state_.OriginMode = 0;
}

void Form1::Form_Resize()
{
    try {
        // Minimised is the window system's own state; a notification while minimised always
        // closes the view, even when a restore is already pending.
        if (Self().IsMinimized()) {
            state_.RestorePending = kTrue;
            pendingAfterFailedLayout_ = false;
            CloseCoordView(toolkit_, module1_);
            HideLoupe();
            return;
        }
        if (state_.RestorePending == kTrue) {
            RestoreAfterPause();
            return;
        }
        LayOut();
    } catch (const std::exception&) {
        // A failed layout leaves what it did and waits for the next notification to restore.
        state_.RestorePending = kTrue;
        pendingAfterFailedLayout_ = true;
    }
}

void Form1::RestoreAfterPause()
{
    state_.RestorePending = 0;
    const bool afterFailedLayout = pendingAfterFailedLayout_;
    pendingAfterFailedLayout_ = false;
    // A monitor unplugged while minimised must not leave the ruler where nothing shows it.
    KeepFormOnScreen(toolkit_, FormId::Form1);
    toolkit_.GetForm(FormId::Form2).Show();
    PlaceCoordView(toolkit_, module1_);
    // A snapshot on show is a measurement in progress even before the pointer has written the
    // coordinate line: right after a snapshot, a restore or a redraw, Label1 is still empty.
    const bool measuring = !frameCut_ || state_.MeasurementInProgress;
    if (measuring) {
        SetTopMost(toolkit_, FormId::Form1, 0);
        toolkit_.Yield();
        SetTopMost(toolkit_, FormId::Form2, 1);
        UpdateLoupe();
    } else {
        Command2_Click();
    }
    if (afterFailedLayout && state_.RestorePending == 0 && !Self().IsMinimized() &&
        Self().ClientSize().height >= ScaleForDpi(kBarReserve, Self().Dpi())) {
        LayOut();
    }
}

void Form1::LayOut()
{
    platform::Form& self = Self();
    const PixelSize client = self.ClientSize();
    const int dpi = self.Dpi();
    const int pictureHeight = client.height - ScaleForDpi(kBarReserve, dpi);
    if (pictureHeight < 0) {
        throw std::invalid_argument("client area too low for the bar");
    }
    for (ControlName name : {ControlName("Picture1"), ControlName("Picture2")}) {
        self.Get(name).SetBounds({0, 0, client.width, pictureHeight});
    }
    const int barTop = client.height - ScaleForDpi(kBarTop, dpi);
    for (ControlName name : kBarControls) {
        platform::Control& control = self.Get(name);
        const PixelRect bounds = control.Bounds();
        control.SetBounds({bounds.left, barTop, bounds.right, barTop + bounds.Height()});
    }
    ClearMeasurement();
    // Cut before the ruler shows, so that it never appears uncut; the cut after the yield is for
    // whatever a nested event left.
    CutFrame();
    SetTopMost(toolkit_, FormId::Form1, 1);
    toolkit_.Yield();
    if (state_.MeasurementInProgress) {
        toolkit_.GetForm(FormId::Form2).Show();
        SetTopMost(toolkit_, FormId::Form2, 1);
    }
    CutFrame();
    ShowCoordinateLine("");
    Self().Get("Command3").SetEnabled(false);
}

void Form1::Command2_Click()
{
    CancelToFrame(ViewOnCancel::Close);
}

void Form1::CancelToFrame(ViewOnCancel view)
{
    Self().Get("Command4").SetEnabled(true);
    // Cut before the ruler shows, so that it never appears uncut.
    CutFrame();
    ShowCoordinateLine("");
    ClearMeasurement();
    SetTopMost(toolkit_, FormId::Form1, 1);
    if (view == ViewOnCancel::KeepShown && toolkit_.IsLoaded(FormId::Form2)) {
        // The view stays above the ruler, as it stood, rather than under the frame for a moment.
        toolkit_.GetForm(FormId::Form2).Raise();
    }
    toolkit_.Yield();
    if (view == ViewOnCancel::Close) {
        CloseCoordView(toolkit_, module1_);
    } else {
        ResetCoordView(toolkit_, module1_);
    }
    Picture1().SetFocus();
}

}  // namespace vardek
