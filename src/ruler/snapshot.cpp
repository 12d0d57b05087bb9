// The snapshot (写す): the copy of the screen under the opening, the store's copy of it, and the origin
// and guide lines drawn over it.
#include "coordview/readouts.h"
#include "ruler/form1.h"

namespace vardek {

using platform::FormId;

void Form1::Command1_Click()
{
    Self().Get("Command4").SetEnabled(false);
    // Over a snapshot on show, the view's own pixels are what the screen shows where the program's
    // other windows stood; the screen may still show those windows there for a while after they
    // hide (an X server without a compositor does), so the copy keeps the view's pixels there.
    const std::vector<PixelRect> keep = frameCut_ ? std::vector<PixelRect>{} : OwnWindowsOverView();
    HideIfLoaded(toolkit_, FormId::Form2);
    // The loupe stands over the picture it magnifies: it would be copied with the screen.
    HideLoupe();
    toolkit_.Yield();
    // The view must be off the screen, not only hidden, before the screen is copied.
    toolkit_.WaitForPresent();
    // Copy first, while the hole is still cut, then give the window its whole region: once the
    // region is back a compositor may show the window's stale surface where the hole was.
    // Nothing yields from here to the second copy.
    RecordSnapshotPlace();
    CaptureScreen(Picture1(), keep);
    StoreView();
    ResetWindowRegion();
    storePlace_ = state_.Place;
    toolkit_.GetForm(FormId::Form2).Show();
    SetTopMost(toolkit_, FormId::Form1, 0);
    toolkit_.Yield();
    SetTopMost(toolkit_, FormId::Form2, 1);
    PlaceCoordView(toolkit_, module1_);
    Picture1().SetFocus();
    UpdateLoupe();
}

void Form1::RecordSnapshotPlace()
{
    // Over the bare frame the pixels come from the desktop beneath: record where they lie.
    // Over a snapshot the window copies its own view, whose pixels keep the place they had.
    if (!frameCut_) {
        return;
    }
    platform::Form& self = Self();
    const PixelRect outer = self.WindowRect();
    state_.Place = {.WinLeftPx = outer.left,
                    .WinTopPx = outer.top,
                    .offset = MeasureFrameOffsets(self, self.Picture("Picture1")).picture};
}

std::vector<PixelRect> Form1::OwnWindowsOverView()
{
    const PixelRect area = Picture1().DrawingAreaOnScreen();
    std::vector<PixelRect> over;
    const auto add = [&](const PixelRect& window) {
        const PixelRect part = window.Intersection(area);
        if (!part.Empty()) {
            over.push_back(part.Offset(-area.left, -area.top));
        }
    };
    if (toolkit_.Loupe().Visible()) {
        add(toolkit_.Loupe().WindowRect());
    }
    if (toolkit_.IsLoaded(FormId::Form2)) {
        const platform::Form& view = toolkit_.GetForm(FormId::Form2);
        if (view.Visible() && !view.IsMinimized()) {
            add(view.WindowRect());
        }
    }
    return over;
}

void Form1::CaptureScreen(platform::PictureBox& target, std::span<const PixelRect> keep)
{
    // The view's drawing area on the screen now: the desktop under the hole, or the view itself.
    const PixelRect source = Picture1().DrawingAreaOnScreen();
    target.CopyFromScreen(source.TopLeft(), {source.Width(), source.Height()}, keep);
}

void Form1::StoreView()
{
    // The view's own pixels, not a second read of the screen: the same picture at half the cost,
    // and no window that moved over the ruler meanwhile can slip into the store.
    platform::PictureBox& view = Picture1();
    Self().Picture("Picture2").CopyFrom(view, view.ImageSize());
}

void Form1::ResetWindowRegion()
{
    platform::Form& self = Self();
    self.SetShape(WholeWindow(MeasureFrameOffsets(self, self.Picture("Picture1")), self.ClientSize()), false);
    frameCut_ = false;
}

void Form1::RestoreSnapshot()
{
    platform::PictureBox& view = Picture1();
    view.CopyFrom(Self().Picture("Picture2"), view.ImageSize());
    state_.Place = storePlace_;
}

void Form1::DrawGuides(Colour colour)
{
    platform::PictureBox& view = Picture1();
    const PixelRect bounds = view.Bounds();
    const PixelPoint at = state_.Place.ToPicture(state_.PointerX, state_.PointerY);
    view.DrawLine({at.x, 0}, {at.x, bounds.Height()}, colour);
    view.DrawLine({0, at.y}, {bounds.Width(), at.y}, colour);
}

void Form1::PlaceOrigin()
{
    state_.StartX = 0;
    state_.EndFixed = 0;
    state_.StartY = 0;
    state_.FirstFixed = false;
    state_.SecondFixed = false;
    state_.OriginMode = 1;
    state_.OriginX = Saturate16(state_.PointerX);
    state_.OriginY = Saturate16(state_.PointerY);
    DrawGuides(kOriginColour);
    SetReadout(toolkit_, module1_, "DispX", state_.OriginX);
    SetReadout(toolkit_, module1_, "DispY", state_.OriginY);
}

void Form1::HideViewOverOpening()
{
    // Over the opening the view would be in the copy of the screen; beside it, it stays.
    if (!toolkit_.IsLoaded(FormId::Form2)) {
        return;
    }
    platform::Form& view = toolkit_.GetForm(FormId::Form2);
    if (view.Visible() && view.WindowRect().Intersects(Picture1().DrawingAreaOnScreen())) {
        view.Hide();
    }
}

}  // namespace vardek
