#include "coordview/lifetime.h"

#include "coordview/readouts.h"

namespace vardek {

using platform::FormId;

void RememberViewPlace(platform::Toolkit& toolkit, Module1& module1)
{
    const PixelRect place = toolkit.GetForm(FormId::Form2).WindowRect();
    module1.Form2Left = place.left;
    module1.Form2Top = place.top;
}

void ResetCoordView(platform::Toolkit& toolkit, Module1& module1)
{
    if (!toolkit.IsLoaded(FormId::Form2)) {
        return;
    }
    RememberViewPlace(toolkit, module1);
    ResetReadouts(toolkit, module1);
    // A new view shows the heading uncoloured whatever colour following holds, until N is pressed.
    toolkit.GetForm(FormId::Form2).Get("Label10").SetBackColour(FindControl(Form2Definition(), "Label10")->backColour);
}

void CloseCoordView(platform::Toolkit& toolkit, Module1& module1)
{
    if (!toolkit.IsLoaded(FormId::Form2)) {
        return;
    }
    // Off the screen first, so that the reset readouts are never drawn on it; hiding keeps its place.
    toolkit.GetForm(FormId::Form2).Hide();
    ResetCoordView(toolkit, module1);
}

}  // namespace vardek
