#include "monitor_change.h"

#include <algorithm>

#include "check.h"
#include "desktop.h"
#include "screenshot.h"

namespace e2e {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM list)
{
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(*r);
    return TRUE;
}

// A hidden top-level window of the driver's own: the window system tells it of display changes as
// it tells every top-level window, so what it hears is what the program was sent.
int g_displayChanges = 0;

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DISPLAYCHANGE) {
        ++g_displayChanges;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void WatchDisplayChanges()
{
    static HWND watch = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = WatchProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VardekE2eDisplayWatch";
        RegisterClassW(&windowClass);
        return CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    }();
    (void)watch;
}

// Windows sends every top-level window WM_DISPLAYCHANGE when the monitors change. Wine 8 learns of
// an xrandr change but sends nothing, so where it stays silent the driver sends what Windows would.
void TellOfDisplayChange(int changesBefore)
{
    if (WaitUntil([&] { return g_displayChanges > changesBefore; }, 1500)) {
        Log("the window system sent WM_DISPLAYCHANGE itself");
        return;
    }
    Log("the window system sent no WM_DISPLAYCHANGE within 1.5 s: the driver broadcasts it as Windows does");
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_DISPLAYCHANGE, static_cast<WPARAM>(bits),
                        MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), SMTO_ABORTIFHUNG,
                        2000, &result);
}

}  // namespace

std::vector<RECT> Monitors()
{
    std::vector<RECT> list;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

bool OnSomeMonitor(const RECT& r)
{
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

bool ChangeMonitors(const std::string& name, const std::string& args, int monitorsAfter)
{
    WatchDisplayChanges();
    const int changesBefore = g_displayChanges;
    const std::vector<RECT> before = Monitors();
    const std::wstring request = ScreenshotFolder() + L"\\request-xrandr-" + std::wstring(name.begin(), name.end());
    HANDLE file =
        CreateFileW(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    WriteFile(file, args.data(), static_cast<DWORD>(args.size()), &written, nullptr);
    CloseHandle(file);
    const bool done = WaitUntil([&] { return GetFileAttributesW(request.c_str()) == INVALID_FILE_ATTRIBUTES; }, 20000);
    // Wine learns of the change from the X server's RandR event, a moment after xrandr returns.
    const auto changed = [&] {
        const std::vector<RECT> now = Monitors();
        return GetSystemMetrics(SM_CMONITORS) == monitorsAfter &&
               !std::equal(now.begin(), now.end(), before.begin(), before.end());
    };
    if (!done || !WaitUntil(changed, 10000)) {
        return false;
    }
    TellOfDisplayChange(changesBefore);
    return true;
}

}  // namespace e2e
