#include <cstdio>

#include "../../tests/e2e/support/desktop.h"
#include "bench.h"

namespace vardek::bench {
namespace {

void PumpOwnMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

double NowMs()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

bool SpinUntil(const std::function<bool()>& cond, double timeoutMs)
{
    const double end = NowMs() + timeoutMs;
    for (;;) {
        PumpOwnMessages();
        if (cond()) {
            return true;
        }
        if (NowMs() >= end) {
            return false;
        }
        // The programs measured need the CPU more than this loop does.
        SwitchToThread();
    }
}

HWND VisibleWindowTitled(DWORD pid, const wchar_t* title)
{
    struct Search {
        DWORD pid;
        const wchar_t* title;
        HWND found;
    } search{pid, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t text[64] = {};
            if (owner == s->pid && IsWindowVisible(window) && GetWindowTextW(window, text, 64) > 0 &&
                lstrcmpW(text, s->title) == 0) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring StoredText(HWND window)
{
    wchar_t text[256] = {};
    const int n = GetWindowTextW(window, text, 256);
    return std::wstring(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}

bool HasRegion(HWND window)
{
    return !e2e::ReadRegionRects(window).empty();
}

bool HoleCut(HWND ruler)
{
    return e2e::ReadRegionRects(ruler).size() > 1;
}

void PostClick(HWND button)
{
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void PrintRowsHeader()
{
    std::printf("%-34s %10s %10s | %10s %10s | %7s | %-24s %s\n", "figure (ms)", "median", "p95", "base med",
                "base p95", "ratio", "target", "result");
}

void PrintRow(const Row& row)
{
    std::printf("%-34s %10.3f %10.3f | ", row.name.c_str(), row.vardek.median, row.vardek.p95);
    if (row.baseline.count > 0) {
        std::printf("%10.3f %10.3f | %7.2f | ", row.baseline.median, row.baseline.p95,
                    Ratio(row.vardek.median, row.baseline.median));
    } else {
        std::printf("%10s %10s | %7s | ", "-", "-", "-");
    }
    std::printf("%-24s %s   (n=%zu)\n", row.target.c_str(),
                row.target.empty() ? ""
                : row.met          ? "PASS"
                                   : "MISS",
                row.vardek.count);
    std::fflush(stdout);
}

void PrintNote(const std::string& text)
{
    std::printf("  %s\n", text.c_str());
    std::fflush(stdout);
}

}  // namespace vardek::bench
