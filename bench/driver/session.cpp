#include "session.h"

#include <psapi.h>

#include <cstdio>

#include "../../src/platform/win32/messages.h"
#include "../../tests/e2e/support/ruler.h"
#include "../common/baseline_window.h"

namespace vardek::bench {

bool StartSession(Session& s, const Programs& programs)
{
    if (!s.vardek.Start(programs.vardek) || !s.baseline.Start(programs.baseline)) {
        return false;
    }
    SpinUntil(
        [&] {
            s.ruler = VisibleWindowTitled(s.vardek.Id(), e2e::kRulerTitle.c_str());
            return s.ruler && HoleCut(s.ruler);
        },
        15000);
    SpinUntil([&] { return (s.baselineWindow = VisibleWindowTitled(s.baseline.Id(), kBaselineTitle)) != nullptr; },
              15000);
    if (!s.ruler || !s.baselineWindow) {
        return false;
    }
    if (!programs.baselineReadouts.empty() && s.readoutsBaseline.Start(programs.baselineReadouts)) {
        SpinUntil(
            [&] {
                s.readoutsWindow = VisibleWindowTitled(s.readoutsBaseline.Id(), kBaselineTitle);
                s.readoutsView = VisibleWindowTitled(s.readoutsBaseline.Id(), kBaselineReadoutsTitle);
                return s.readoutsWindow && s.readoutsView;
            },
            15000);
    }
    // Cost at rest: once the start-up's own messages have run.
    e2e::Settle(s.ruler);
    e2e::Pause(500);
    for (int kind = 0; kind < 7; ++kind) {
        s.startCounts[kind] = LiveCount(s, kind);
    }
    s.startMemory = ReadMemory(s);
    return true;
}

void EndSession(Session& s)
{
    s.vardek.Kill();
    s.baseline.Kill();
    s.readoutsBaseline.Kill();
}

void PlaceRuler(Session& s, POINT corner, SIZE client)
{
    SetWindowPos(s.ruler, nullptr, corner.x, corner.y, client.cx + e2e::kExtraWidth, client.cy + e2e::kExtraHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::Settle(s.ruler);
    RECT r = e2e::WindowRect(s.ruler);
    InflateRect(&r, 20, 20);
    s.field.Cover(r);
    e2e::Settle(s.ruler);
}

HWND CoordView(Session& s)
{
    return VisibleWindowTitled(s.vardek.Id(), e2e::kCoordViewTitle.c_str());
}

POINT PlaceView(Session& s, POINT corner)
{
    HWND view = CoordView(s);
    if (!view) {
        return corner;
    }
    SetWindowPos(view, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::Settle(view);
    const RECT r = e2e::WindowRect(view);
    return {r.left, r.top};
}

bool PlaceBesideRuler(Session& s, POINT& place)
{
    constexpr int kGap = 8;
    HWND view = CoordView(s);
    if (!view) {
        return false;
    }
    const RECT ruler = e2e::WindowRect(s.ruler);
    const RECT r = e2e::WindowRect(view);
    const SIZE size = {r.right - r.left, r.bottom - r.top};
    const SIZE screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (ruler.right + kGap + size.cx <= screen.cx && ruler.top + size.cy <= screen.cy) {
        place = {ruler.right + kGap, ruler.top};
    } else if (ruler.bottom + kGap + size.cy <= screen.cy && ruler.left + size.cx <= screen.cx) {
        place = {ruler.left, ruler.bottom + kGap};
    } else {
        return false;
    }
    place = PlaceView(s, place);
    return true;
}

bool TakeSnapshot(Session& s)
{
    PostClick(e2e::FindBar(s.ruler).copy);
    const bool shown = SpinUntil([&] { return !HoleCut(s.ruler) && CoordView(s); }, 10000);
    return e2e::Settle(s.ruler) && shown;
}

int LiveCount(Session& s, int kind)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(s.ruler, platform::win32::kMsgLiveHandleCount, static_cast<WPARAM>(kind), 0,
                             SMTO_ABORTIFHUNG, 5000, &result)) {
        return -1;
    }
    return static_cast<int>(static_cast<LRESULT>(result));
}

SIZE_T WorkingSet(const e2e::Process& process)
{
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, process.Id());
    if (!handle) {
        return 0;
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const SIZE_T size = GetProcessMemoryInfo(handle, &counters, sizeof counters) ? counters.WorkingSetSize : 0;
    CloseHandle(handle);
    return size;
}

Memory ReadMemory(Session& s)
{
    Memory m;
    m.workingSet = WorkingSet(s.vardek);
    auto heap = [&](WPARAM kind) -> long long {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(s.ruler, platform::win32::kMsgLiveHeap, kind, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
            return -1;
        }
        return static_cast<long long>(static_cast<LRESULT>(result));
    };
    m.heapBytes = heap(0);
    m.heapBlocks = heap(1);
    return m;
}

std::string DescribeMemory(const Memory& m)
{
    char text[96];
    if (m.heapBytes < 0 || m.heapBlocks < 0) {
        std::snprintf(text, sizeof text, "%8.1f MB %24s", static_cast<double>(m.workingSet) / (1024.0 * 1024.0),
                      "heap not counted");
    } else {
        std::snprintf(text, sizeof text, "%8.1f MB %10.1f KB %7lld blocks",
                      static_cast<double>(m.workingSet) / (1024.0 * 1024.0), static_cast<double>(m.heapBytes) / 1024.0,
                      m.heapBlocks);
    }
    return text;
}

bool CancelToFrame(Session& s)
{
    const e2e::RulerBar bar = e2e::FindBar(s.ruler);
    if (!HoleCut(s.ruler) && bar.cancel) {
        PostClick(bar.cancel);
    }
    const bool ok = SpinUntil([&] { return HoleCut(s.ruler) && !CoordView(s); }, 10000);
    e2e::Settle(s.ruler);
    return ok;
}

}  // namespace vardek::bench
