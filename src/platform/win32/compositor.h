// The desktop compositor: waiting until window changes have reached the screen, and keeping the
// coordinate view's show and hide animations out of the way of screen copies.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

// No transitions when the window is shown or hidden: a hidden window is gone from the screen at
// the next present, not after an animation.
void DisableShowAnimations(HWND window);

}  // namespace vardek::platform::win32
