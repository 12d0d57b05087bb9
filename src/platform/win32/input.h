// Key and pointer state as the toolkit's events carry it.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

// Shift, Ctrl and Alt as they stand for the message being handled: kShiftMask | kCtrlMask | kAltMask.
int ModifierState();
// The buttons held, from the MK_ bits of a mouse message: 1 left, 2 right, 4 middle.
int ButtonsHeld(WPARAM mouseKeys);

}  // namespace vardek::platform::win32
