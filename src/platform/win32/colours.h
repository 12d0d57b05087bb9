// Colours of the window definitions (0x00BBGGRR, or 0x800000nn for system colour nn) as GDI
// takes them, and a brush per control that follows its back colour.
#pragma once

#include "platform/win32/windows_api.h"

#include "platform/win32/handles.h"
#include "windows/definition.h"

namespace vardek::platform::win32 {

COLORREF ToColorRef(Colour colour);

// The brush for one colour at a time: the system's own brush for system colours, otherwise a
// solid brush owned here and made again only when the colour changes.
class ColourBrush {
public:
    HBRUSH Get(Colour colour);

private:
    Colour colour_ = 0;
    Brush owned_;
};

}  // namespace vardek::platform::win32
