#include "platform/win32/dpi.h"

#include "platform/units.h"
#include "platform/win32/exports.h"
#include "platform/win32/handles.h"

namespace vardek::platform::win32 {
namespace {

template <typename Function>
Function User32Function(const char* name)
{
    return ExportOf<Function>(::GetModuleHandleW(L"user32.dll"), name);
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

}  // namespace

int WindowDpi(HWND window)
{
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return kBaseDpi;
}

int MonitorDpi(HMONITOR monitor)
{
    // shcore.dll is not loaded by anything else this program uses; Windows 8.1 and later have it.
    static const auto getDpiForMonitor = ExportOf<GetDpiForMonitorFn>(
        ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor");
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiX > 0) {
        return static_cast<int>(dpiX);
    }
    const WindowDc screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

RECT OuterRectForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi)
{
    static const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT outer = client;
    if (!(adjustForDpi && adjustForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi)))) {
        outer = client;
        ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    }
    return outer;
}

int FontHeightForPoints(double points, int dpi)
{
    return -FontPixelHeight(points, dpi);
}

int SystemMetricForDpi(int index, int dpi)
{
    static const auto metricForDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (metricForDpi) {
        return metricForDpi(index, static_cast<UINT>(dpi));
    }
    return ::GetSystemMetrics(index);
}

}  // namespace vardek::platform::win32
