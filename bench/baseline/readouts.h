// The seven readouts of the pointer floor: STATIC controls of the sizes, alignments, frames and
// fonts of vardek's seven that a pointer move rewrites, the ruler's coordinate line in the
// baseline's window and the coordinate view's GX, GY, X2, Y2, SW and SH in a second window, as
// vardek has them. Their sizes come from the windows' definitions, at 96 DPI.
#pragma once

#include <windows.h>

namespace vardek::bench {

// Creates the coordinate line in the main window at a place beside its other children, and the
// second window with the other six, owned by the main one.
void CreateReadouts(HWND mainWindow, HINSTANCE instance);
// Writes all seven for a pointer at this screen position, in the order vardek's handler does.
void WriteReadouts(POINT screen);

}  // namespace vardek::bench
