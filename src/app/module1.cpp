#include "app/module1.h"

#include <algorithm>

namespace vardek {

void SetTopMost(platform::Toolkit& toolkit, platform::FormId window, int flag)
{
    platform::Form& form = toolkit.GetForm(window);
    if (flag == 0) {
        form.SetBand(platform::Band::Normal);
    } else if (flag == 1) {
        form.SetBand(platform::Band::TopMost);
    }
}

void HideIfLoaded(platform::Toolkit& toolkit, platform::FormId window)
{
    if (toolkit.IsLoaded(window)) {
        toolkit.GetForm(window).Hide();
    }
}

PixelPoint KeepOnScreen(const PixelRect& window, const platform::MonitorFit& fit)
{
    if (fit.onMonitor) {
        return window.TopLeft();
    }
    const PixelRect& work = fit.workArea;
    // A window larger than the work area keeps its top-left corner (and so its title bar) inside.
    const int x = std::max(work.left, std::min(window.left, work.right - window.Width()));
    const int y = std::max(work.top, std::min(window.top, work.bottom - window.Height()));
    return {x, y};
}

void KeepFormOnScreen(platform::Toolkit& toolkit, platform::FormId window)
{
    if (!toolkit.IsLoaded(window)) {
        return;
    }
    platform::Form& form = toolkit.GetForm(window);
    if (!form.Visible() || form.IsMinimized()) {
        return;
    }
    const PixelRect now = form.WindowRect();
    const platform::MonitorFit fit = toolkit.MonitorFor(now);
    if (!fit.onMonitor) {
        form.MoveTo(KeepOnScreen(now, fit));
    }
}

void PlaceCoordView(platform::Toolkit& toolkit, const Module1& module1)
{
    platform::Form& view = toolkit.GetForm(platform::FormId::Form2);
    const PixelRect current = view.WindowRect();
    const PixelRect remembered =
        PixelRect::FromSize({module1.Form2Left, module1.Form2Top}, {current.Width(), current.Height()});
    view.MoveTo(KeepOnScreen(remembered, toolkit.MonitorFor(remembered)));
}

}  // namespace vardek
