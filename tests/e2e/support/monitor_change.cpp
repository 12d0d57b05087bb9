#include "monitor_change.h"

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
    return done && WaitUntil([&] { return GetSystemMetrics(SM_CMONITORS) == monitorsAfter; }, 10000);
}

}  // namespace e2e
