#include "health.h"

#include <cmath>

#include "check.h"
#include "desktop.h"
#include "platform/win32/messages.h"
#include "ruler.h"

namespace e2e {
namespace {

constexpr DWORD kAnswerMs = 2000;

bool FrameLaidOut(HWND ruler)
{
    const SIZE client = ClientSize(ruler);
    const RulerBar bar = FindBar(ruler);
    HWND picture = FindPicture(ruler);
    if (!bar.Complete() || !picture) {
        return false;
    }
    const int dpi = DpiOf(ruler);
    return RectInParentClient(bar.copy).top == client.cy - ScaledForDpi(kBarOffset, dpi) &&
           RectInParentClient(picture).bottom == client.cy - ScaledForDpi(kBarHeight, dpi) &&
           ReadRegionRects(ruler).size() > 1;
}

}  // namespace

bool StartProgram(Session& s)
{
    if (!CHECK(s.process.Start(s.exePath), "vardek.exe starts: %s", Utf8(s.exePath).c_str())) {
        return false;
    }
    const bool up = WaitUntil(
        [&] {
            s.ruler = FindRuler(s.process.Id());
            return s.ruler && !ReadRegionRects(s.ruler).empty();
        },
        30000);
    if (!CHECK(up, "a visible window titled \"Vardek\" with a window region appears within 30 s")) {
        for (HWND window : TopLevelWindows(s.process.Id())) {
            DumpWindow(window);
        }
        return false;
    }
    Settle(s.ruler);
    return true;
}

int DpiOf(HWND window)
{
    return static_cast<int>(GetDpiForWindow(window));
}

int ScaledForDpi(int pixelsAt96, int dpi)
{
    // nearbyint rounds halves to even in the default rounding mode, as the program does.
    return static_cast<int>(std::nearbyint(static_cast<double>(pixelsAt96) * dpi / 96.0));
}

void CheckHealthy(Session& s, const char* when)
{
    CHECK(!s.process.WaitForExit(0), "the program still runs %s", when);
    DWORD_PTR result = 0;
    CHECK(SendMessageTimeoutW(s.ruler, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0,
          "the ruler answers within %lu ms %s", kAnswerMs, when);
    int strangers = 0;
    for (HWND window : TopLevelWindows(s.process.Id())) {
        const bool dialog = ClassOf(window) == L"#32770";
        const std::wstring title = TextOf(window);
        const bool known = title == kRulerTitle || title == kCoordViewTitle || title == kLoupeTitle;
        if (dialog || (IsWindowVisible(window) && !known)) {
            ++strangers;
            DumpWindow(window);
        }
    }
    CheckEqual(Format("no dialog and no window but the ruler and the coordinate view %s", when), strangers, 0);
}

LiveCounts ReadLiveCounts(HWND ruler)
{
    LiveCounts counts{};
    for (size_t kind = 0; kind < counts.size(); ++kind) {
        DWORD_PTR result = 0;
        counts[kind] = SendMessageTimeoutW(ruler, vardek::platform::win32::kMsgLiveHandleCount, kind, 0,
                                           SMTO_ABORTIFHUNG, kAnswerMs, &result)
                           ? static_cast<long>(static_cast<LRESULT>(result))
                           : -1;
    }
    return counts;
}

std::string DescribeCounts(const LiveCounts& counts)
{
    std::string text;
    for (size_t kind = 0; kind < counts.size(); ++kind) {
        text += Format("%s%s %ld", kind ? ", " : "", kLiveCountNames[kind], counts[kind]);
    }
    return text;
}

bool BackToFrame(Session& s, RECT client)
{
    if (IsIconic(s.ruler) || IsZoomed(s.ruler)) {
        PostMessageW(s.ruler, WM_SYSCOMMAND, SC_RESTORE, 0);
        WaitUntil([&] { return !IsIconic(s.ruler) && !IsZoomed(s.ruler); }, 5000);
    }
    Settle(s.ruler);
    const RECT outer = WindowRect(s.ruler);
    const SIZE now = ClientSize(s.ruler);
    const POINT origin = ClientOriginInWindow(s.ruler);
    const LONG extraWidth = outer.right - outer.left - now.cx;
    const LONG extraHeight = outer.bottom - outer.top - now.cy;
    SetWindowPos(s.ruler, nullptr, client.left - origin.x, client.top - origin.y,
                 client.right - client.left + extraWidth, client.bottom - client.top + extraHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(s.ruler);
    // "取り消し" returns to the frame from any state; a real click where it shows, else the button's own click.
    const RulerBar bar = FindBar(s.ruler);
    if (!bar.cancel) {
        return false;
    }
    const POINT centre = CenterOnScreen(bar.cancel);
    if (WindowFromPoint(centre) == bar.cancel) {
        Click(centre);
    } else {
        PostMessageW(bar.cancel, BM_CLICK, 0, 0);
    }
    const bool framed = WaitUntil([&] { return FrameLaidOut(s.ruler) && !CoordViewVisible(s.process.Id()); }, 5000);
    Settle(s.ruler);
    return framed;
}

}  // namespace e2e
