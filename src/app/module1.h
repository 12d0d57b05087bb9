// The module shared by both windows: the one stacking operation, the coordinate view's remembered
// place and the values its readouts show.
#pragma once

#include "app/readout_values.h"
#include "platform/toolkit.h"

namespace vardek {

struct Module1 {
    // Outer top-left of the coordinate view when it was last destroyed. Kept in physical
    // pixels, so that it reopens exactly where it was closed at any display scaling.
    int Form2Left = 0;
    int Form2Top = 0;
    // What the coordinate view's readouts show.
    ReadoutValues readouts;
};

// flag 1: topmost band, 0: normal band, both showing the window; any other flag: nothing.
// Referring to the window creates it when it is not loaded, whatever the flag.
void SetTopMost(platform::Toolkit& toolkit, platform::FormId window, int flag);

// Hides the window if it is loaded; a closed window is not created only to be hidden.
void HideIfLoaded(platform::Toolkit& toolkit, platform::FormId window);

// Where a window remembered at a place goes: that very place while any part of it is on a monitor,
// otherwise the nearest point inside the nearest monitor's work area (a monitor unplugged).
PixelPoint KeepOnScreen(const PixelRect& window, const platform::MonitorFit& fit);

// After the monitors changed: a shown window that no monitor shows any more comes back onto the
// nearest one, as Windows brings windows back when a monitor is unplugged. Minimised ones stay.
void KeepFormOnScreen(platform::Toolkit& toolkit, platform::FormId window);

// Moves the coordinate view to its remembered place, kept on screen.
void PlaceCoordView(platform::Toolkit& toolkit, const Module1& module1);

}  // namespace vardek
