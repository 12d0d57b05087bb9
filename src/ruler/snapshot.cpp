#include "app/module1.h"
#include "ruler/form1.h"

namespace vardek {

using platform::FormId;

void Form1::Command1_Click()
{
    Self().Get("Command4").SetEnabled(false);
    toolkit_.GetForm(FormId::Form2).Hide();
    toolkit_.Yield();
    TakeSnapshot();
    toolkit_.GetForm(FormId::Form2).Show();
    SetTopMost(toolkit_, FormId::Form1, 0);
    toolkit_.Yield();
    SetTopMost(toolkit_, FormId::Form2, 1);
    toolkit_.GetForm(FormId::Form2).MoveTo({module1_.Form2Left, module1_.Form2Top});
    Picture1().SetFocus();
}

void Form1::TakeSnapshot()
{
    // Copy first, while the hole is still cut, then give the window its whole region: a
    // compositor may still show the window's stale surface where the hole was once the region
    // is back. Nothing may yield in between.
    platform::Form& self = Self();
    platform::PictureBox& view = self.Picture("Picture1");
    if (frameCut_) {
        // Over the bare frame the pixels come from the desktop beneath: record where they lie.
        // Over a snapshot the window copies its own view, whose pixels keep their old positions.
        const PixelRect outer = self.WindowRect();
        state_.WinLeftPx = outer.left;
        state_.WinTopPx = outer.top;
        snapshotOffsets_ = MeasureFrameOffsets(self, view);
    }
    const PixelPoint source = {view.DrawingAreaOnScreen().left, view.DrawingAreaOnScreen().top};
    const PixelSize size = view.ImageSize();
    view.CopyFromScreen(source, size);
    self.Picture("Picture2").CopyFromScreen(source, size);
    self.SetShape(WholeWindow(MeasureFrameOffsets(self, view), self.ClientSize()), false);
    frameCut_ = false;
}

}  // namespace vardek
