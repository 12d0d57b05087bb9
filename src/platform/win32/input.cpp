#include "platform/win32/input.h"

#include "platform/toolkit.h"

namespace vardek::platform::win32 {

int ModifierState()
{
    int state = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        state |= kShiftMask;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        state |= kCtrlMask;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        state |= kAltMask;
    }
    return state;
}

int ButtonsHeld(WPARAM mouseKeys)
{
    int buttons = 0;
    if (mouseKeys & MK_LBUTTON) {
        buttons |= 1;
    }
    if (mouseKeys & MK_RBUTTON) {
        buttons |= 2;
    }
    if (mouseKeys & MK_MBUTTON) {
        buttons |= 4;
    }
    return buttons;
}

}  // namespace vardek::platform::win32
