// The loupe's place in the ruler: Z switches it, and each pointer move, step or snapshot updates or
// hides it.
#include "ruler/form1.h"
#include "ruler/loupe_model.h"

namespace vardek {

void Form1::ToggleLoupe()
{
    loupeOn_ = !loupeOn_;
    UpdateLoupe();
}

void Form1::HideLoupe()
{
    platform::LoupeWindow& loupe = toolkit_.Loupe();
    if (loupe.Visible()) {
        loupe.Hide();
    }
}

void Form1::UpdateLoupe()
{
    platform::Form& self = Self();
    // Only a snapshot on show has pixels to magnify; the bare frame and a minimised ruler have none.
    if (!loupeOn_ || frameCut_ || !self.Visible() || self.IsMinimized()) {
        HideLoupe();
        return;
    }
    platform::PictureBox& view = self.Picture("Picture1");
    const PixelPoint picture = state_.Place.ToPicture(state_.PointerX, state_.PointerY);
    // The pixel's place on the screen now: the window may have moved since the snapshot.
    const PixelPoint drawing = view.DrawingAreaOnScreen().TopLeft();
    const PixelPoint live = {drawing.x + picture.x, drawing.y + picture.y};
    const LoupeLayout layout = LoupeLayoutFor(self.Dpi());
    const PixelRect work = toolkit_.MonitorFor(PixelRect::FromSize(live, {1, 1})).workArea;

    platform::LoupeFrame frame;
    frame.window = PixelRect::FromSize(PlaceLoupe(live, layout.window, work, layout.gap), layout.window);
    frame.image = layout.image;
    frame.pixels = ComposeLoupe([&view](int x, int y) { return view.Point(x, y); }, picture, layout.zoom);
    frame.captionRects = layout.captions;
    frame.captions = {
        LoupePositionCaption(state_.PointerX, state_.PointerY),
        LoupeColourCaption(view.Point(picture.x, picture.y)),
        LoupeDistanceCaption(state_.SecondFixed, module1_.readouts["SW"], module1_.readouts["SH"]),
    };
    frame.fontPixels = layout.fontPixels;
    toolkit_.Loupe().Show(frame);
}

}  // namespace vardek
