// The program's private window messages. A test driver may include this header to query the
// live handle counts (and, in the benchmarks' build, the live heap) of the running program.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

// Posted by a form to itself, so that onResize, onActivate and onDisplayChange run from the message
// pump instead of inside WM_SIZE, WM_ACTIVATE or WM_DISPLAYCHANGE.
inline constexpr UINT kMsgQueuedResize = WM_APP + 1;
inline constexpr UINT kMsgQueuedActivate = WM_APP + 2;
inline constexpr UINT kMsgQueuedDisplayChange = WM_APP + 3;

// Sent to either form window: wParam is a handle kind (0 windows, 1 device contexts, 2 bitmaps,
// 3 brushes, 4 pens, 5 fonts, 6 regions); the result is how many of that kind the program holds,
// or -1 for an unknown kind.
inline constexpr UINT kMsgLiveHandleCount = WM_APP + 100;

// Sent to either form window: wParam is a window of the program; the result is 1 when that window
// has an input-method context, 0 when keys reach it with no input method, -1 when it is not one of
// the program's windows. Another process cannot ask the input method this itself.
inline constexpr UINT kMsgHasInputContext = WM_APP + 101;

// Sent to either form window: wParam 0 asks for the bytes that the program's own operator new has
// handed out and not taken back, 1 for how many blocks. The result is -1 for another wParam and in
// every build but the benchmarks' (VARDEK_COUNT_HEAP), which alone counts them.
inline constexpr UINT kMsgLiveHeap = WM_APP + 102;

}  // namespace vardek::platform::win32
