#include "platform/win32/dpi.h"

#include "platform/units.h"
#include "platform/win32/exports.h"

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
