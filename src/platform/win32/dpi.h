// Display scaling for a per-monitor aware program: the DPI of a window, the outer rectangle for
// a client rectangle at a DPI, and font heights. The newer user32 functions are looked up at run
// time so that the program still starts where they are missing.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

int WindowDpi(HWND window);
// The effective DPI of a monitor (its display scaling).
int MonitorDpi(HMONITOR monitor);
// The outer rectangle of a window whose client area is `client` (screen pixels).
RECT OuterRectForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi);
// LOGFONT height for a size in points: negative, so that it names the character height.
int FontHeightForPoints(double points, int dpi);
// A system metric at a DPI.
int SystemMetricForDpi(int index, int dpi);

}  // namespace vardek::platform::win32
