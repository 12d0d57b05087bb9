// The coordinate view's lifetime: it is made once, at its first reference, and lives until the
// program ends, so that the line collected in Text1 is never lost. Where the view would be closed
// and made again, it is hidden and reset instead: every readout "0", the colour heading as a new
// view has it, and its place remembered as closing remembers it. Text1 alone keeps its text.
#pragma once

#include "app/module1.h"
#include "platform/toolkit.h"

namespace vardek {

// The view's place now becomes the place it reopens at.
void RememberViewPlace(platform::Toolkit& toolkit, Module1& module1);

// The view as a new one would be, but for Text1; shown or hidden as it was. Nothing when the view
// was never made: the first one is made that way.
void ResetCoordView(platform::Toolkit& toolkit, Module1& module1);

// Takes the view off the screen, reset, its place remembered.
void CloseCoordView(platform::Toolkit& toolkit, Module1& module1);

}  // namespace vardek
