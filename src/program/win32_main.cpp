// The program's entry point: the Win32 toolkit, the program wired to it, the message loop.
#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include "platform/win32/toolkit.h"
#include "program/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    // Before anything loads a library: only from the system folder, never from the current one.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Loads the version 6 common controls that the manifest asks for, so buttons get the visual style.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    int exitCode = 0;
    {
        vardek::platform::win32::Win32Toolkit toolkit(instance);
        vardek::Program program(toolkit);
        program.Start();
        exitCode = toolkit.Run();
    }
    return exitCode;
}
