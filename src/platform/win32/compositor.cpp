#include "platform/win32/compositor.h"

#include <dwmapi.h>

#include "platform/win32/toolkit.h"

namespace vardek::platform::win32 {

void Win32Toolkit::WaitForPresent()
{
    // Composition is always on from Windows 8; the check keeps Windows 7's basic theme from waiting.
    BOOL composed = FALSE;
    if (SUCCEEDED(::DwmIsCompositionEnabled(&composed)) && composed) {
        ::DwmFlush();
    }
}

void DisableShowAnimations(HWND window)
{
    const BOOL disabled = TRUE;
    ::DwmSetWindowAttribute(window, DWMWA_TRANSITIONS_FORCEDISABLED, &disabled, sizeof(disabled));
}

}  // namespace vardek::platform::win32
