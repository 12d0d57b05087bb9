// Labels paint their own text. A caption write only stores the text and invalidates, so that the
// several readouts one pointer move changes reach the screen in one paint pass, after the handler.
// Framed labels keep kFramedTextInset of blank inside their frame: a STATIC draws left- and
// right-aligned text flush against its edge, where the first or last glyph touches the frame or is
// cut. The window stays a STATIC in every other way: its class, styles, WM_GETTEXT, click
// notifications and colours from WM_CTLCOLORSTATIC.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

void PaintLabelItself(HWND label);

}  // namespace vardek::platform::win32
