// The operations that must keep the coordinate view on the screen, each clicked or keyed and timed
// until it has finished, optionally watched throughout: "復元" and "再描写" (see RecallProgress for
// when they have finished), and Space over a snapshot without an origin, until DispX and DispY show
// the pointer's position. The clock runs on looks that send the program no message; the readouts'
// texts are confirmed through WM_GETTEXT after it stops.
#pragma once

#include <windows.h>

#include <string>

#include "view_watch.h"

namespace vardek::bench {

struct Session;

// Milliseconds, or negative if it never finished (10 s). The view must stand at place at the end.
double TimeRecall(Session& s, HWND button, POINT place, ViewWatcher* watch);
double TimeNewOrigin(Session& s, POINT pointer, ViewWatcher* watch);
// What the view's readouts should show after a restore, a redraw or a new origin: the origin in DispX
// and DispY, X1 to SH reset to "0". Empty if they do, else the first that does not.
std::string ReadoutsAmiss(Session& s, POINT origin);
// The ruler in the foreground, the pointer over the picture at a point, the focus on the picture:
// where Space sets the origin.
bool ReadyForKeys(Session& s, POINT pointer);

}  // namespace vardek::bench
