// The desk's monitors as the driver sees them, and monitor changes asked of the script that runs the
// driver (it runs xrandr on the X server, as it takes screenshots), since no Win32 call unplugs one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::vector<RECT> Monitors();
// True if some part of the rectangle is on a monitor.
bool OnSomeMonitor(const RECT& r);
// Asks for `xrandr ARGS` and waits until Wine reports `monitorsAfter` monitors laid out anew, then
// until the window system tells the windows, or tells them itself; false if the change never came.
bool ChangeMonitors(const std::string& name, const std::string& args, int monitorsAfter);

}  // namespace e2e
