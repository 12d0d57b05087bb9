// Framed labels draw their own text. A STATIC draws left- and right-aligned text flush against its
// frame, where the first or last glyph touches it or is cut; these keep kFramedTextInset of blank
// inside the frame. The window stays a STATIC in every other way: its class, styles, WM_GETTEXT,
// click notifications and colours from WM_CTLCOLORSTATIC.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

void DrawTextInsideFrame(HWND label);

}  // namespace vardek::platform::win32
