// A desk of several monitors: the ruler measuring on a secondary monitor at negative coordinates,
// across the seam between two, over a part of the virtual screen that no monitor shows (with a
// window drawn there, whose pixels no snapshot may take up), and a monitor unplugged and a mode
// changed while a snapshot is on show.
#include <algorithm>
#include <vector>

#include "check.h"
#include "desktop.h"
#include "function_pattern.h"
#include "health.h"
#include "modes.h"
#include "monitor_change.h"
#include "ruler.h"
#include "screenshot.h"
#include "scripted_measurement.h"

namespace e2e {
namespace {

constexpr SIZE kClient{300, 200};
// The origin's guide colour (the program's kOriginColour; its header cannot stand beside <windows.h>).
constexpr COLORREF kOriginGuide = RGB(0xFF, 0, 0);

RECT ClientAt(LONG left, LONG top)
{
    return {left, top, left + kClient.cx, top + kClient.cy};
}

// G over whatever the ruler stands on; recorded as `what`.
bool Snapshot(Session& s, const char* what)
{
    Activate(s.ruler);
    Key('G');
    const bool taken =
        CHECK(WaitUntil([&] { return CoordViewVisible(s.process.Id()) && RulerWhole(s.ruler); }, 5000), "%s", what);
    Settle(s.ruler);
    return taken;
}

RECT MonitorOf(POINT p)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcMonitor;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Each monitor's DPI as Windows would give it per monitor; Wine has one setting for all.
void LogMonitorDpis()
{
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    HMODULE shcore = LoadLibraryW(L"shcore.dll");
    const auto getDpi =
        shcore
            ? reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
            : nullptr;
    for (const RECT& r : Monitors()) {
        UINT x = 0;
        UINT y = 0;
        if (getDpi && SUCCEEDED(getDpi(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), 0, &x, &y))) {
            Log("monitor %s: %u DPI", DescribeRect(r).c_str(), x);
        }
    }
}

void CheckMonitors(const std::vector<RECT>& expected)
{
    LogMonitorDpis();
    const std::vector<RECT> now = Monitors();
    CheckEqual("Wine reports the desk's monitors", static_cast<int>(now.size()), static_cast<int>(expected.size()));
    for (const RECT& monitor : expected) {
        bool found = false;
        for (const RECT& r : now) {
            found = found || r == monitor;
        }
        CHECK(found, "a monitor at %s", DescribeRect(monitor).c_str());
    }
}

// Measures with the ruler's client at that place; the measurement's checks are the one-monitor ones.
void MeasureAt(Session& s, RECT client, const char* when)
{
    if (!CHECK(BackToFrame(s, client), "the ruler stands %s in the bare frame", when)) {
        return;
    }
    ScriptedMeasurement(s, when);
    CheckHealthy(s, when);
}

// A snapshot whose left part lies where no monitor shows anything: that part is black.
void OffMonitorSnapshot(Session& s, RECT client, POINT dark)
{
    BeginGroup("desk: over no monitor");
    if (!BackToFrame(s, client)) {
        return;
    }
    Snapshot(s, "G takes a snapshot partly over no monitor");
    Pause(300);
    // The X server keeps pixels where no monitor shows, so the screen read there is what was drawn.
    CheckEqual(Format("the snapshot is black at %s, where no monitor shows", DescribePoint(dark).c_str()),
               PixelAt(dark), RGB(0, 0, 0));
    // The pointer cannot go where no monitor shows: it is kept on the edge of the monitor it was on
    // (the wider one, just below), as Windows keeps it from leaving a monitor where none adjoins.
    const POINT below{dark.x, 5};
    PlacePointer(below);
    SetCursorPos(dark.x, dark.y);
    Pause(100);
    const POINT kept = CursorNow();
    CHECK(MonitorFromPoint(kept, MONITOR_DEFAULTTONULL) != nullptr,
          "the pointer sent to %s is kept on a monitor, at %s", DescribePoint(dark).c_str(),
          DescribePoint(kept).c_str());
    CheckEqual("on the edge of the monitor it came from", kept, POINT{dark.x, 0});
    // Just below the dark part, on the wider monitor, the readouts tell the picture as anywhere else.
    PlacePointerSeen(s, below);
    CheckReadoutsMatchPicture(s, below);
    CheckHealthy(s, "after a snapshot partly over no monitor");
}

// The snapshot on show against what it must hold, read from the screen where it is drawn, over
// `area`: black where no monitor shows, the pattern on a monitor, and the origin's guides through
// `origin`. Where no monitor shows the X server keeps what the ruler draws, so the screen read there
// is the ruler's own picture; the origin's guide drawn across that part is seen there too.
void CheckSnapshotOverNoMonitor(const RECT& area, const FunctionPattern& pattern, POINT origin, const char* when)
{
    const std::vector<RECT> monitors = Monitors();
    const ScreenGrab grab(area);
    int unseen = 0;
    int notBlack = 0;
    int seenWrong = 0;
    int guideWrong = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            const POINT p{x, y};
            const COLORREF shown = grab.At(p);
            if (x == origin.x || y == origin.y) {
                guideWrong += shown != kOriginGuide ? 1 : 0;
            } else if (std::ranges::none_of(monitors, [&](const RECT& m) { return PtInRect(&m, p) != FALSE; })) {
                ++unseen;
                notBlack += shown != RGB(0, 0, 0) ? 1 : 0;
            } else {
                seenWrong += shown != pattern.At(p) ? 1 : 0;
            }
        }
    }
    CheckEqual(Format("%s: of its %d pixels where no monitor shows, those not black", when, unseen), notBlack, 0);
    CheckEqual(Format("%s: its pixels on a monitor unlike the pattern", when), seenWrong, 0);
    CheckEqual(Format("%s: pixels of the origin's guides through %s, across both, not in their colour", when,
                      DescribePoint(origin).c_str()),
               guideWrong, 0);
}

// A snapshot and a redraw over a window of a colour per pixel that lies partly where no monitor shows:
// the X server keeps that window's pixels there though no monitor shows them, and the copy of the
// screen must not take them up. `origin` lies on a monitor under the part over no monitor, so that
// its vertical guide crosses that part.
void PatternOverNoMonitor(Session& s, RECT client, POINT origin)
{
    BeginGroup("desk: a pattern where no monitor shows");
    if (!BackToFrame(s, client)) {
        return;
    }
    FunctionPattern pattern(kUniquePerPixel);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    pattern.Cover(cover);
    Settle(s.ruler);
    RECT area{};
    GetClientRect(FindPicture(s.ruler), &area);
    MapWindowPoints(FindPicture(s.ruler), HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    // What the program's copy reads: the pattern everywhere under the hole, where no monitor shows too.
    const ScreenGrab through(area);
    int unlike = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            unlike += through.At({x, y}) != pattern.At({x, y}) ? 1 : 0;
        }
    }
    CheckEqual(
        Format("the hole %s shows the pattern in every pixel, where no monitor shows too", DescribeRect(area).c_str()),
        unlike, 0);
    if (!Snapshot(s, "G takes a snapshot over the pattern")) {
        return;
    }
    pattern.Hide();
    // The view stands where it was put when the snapshot is cancelled, and so after the redraw.
    SetWindowPos(CoordViewOf(s), nullptr, 100, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(s.ruler);
    PlacePointerSeen(s, origin);
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", std::to_wstring(origin.x));
    Settle(s.ruler);
    CheckSnapshotOverNoMonitor(area, pattern, origin, "the snapshot");

    // The redraw cuts the hole again, copies the screen through it and places the origin again.
    if (!BackToFrame(s, client)) {
        return;
    }
    pattern.Cover(cover);
    Settle(s.ruler);
    const RulerBar bar = FindBar(s.ruler);
    Click(CenterOnScreen(bar.redraw));
    CHECK(WaitUntil([&] { return !IsWindowEnabled(bar.redraw) && CoordViewVisible(s.process.Id()); }, 5000),
          "\"再描写\" takes the snapshot again");
    Settle(s.ruler);
    pattern.Hide();
    Settle(s.ruler);
    CheckSnapshotOverNoMonitor(area, pattern, origin, "the redraw");
    CheckHealthy(s, "after snapshots over a pattern where no monitor shows");
    BackToFrame(s, ClientAt(200, 200));
}

// Plain windows, one over each monitor in a colour of its own: the desk has no desktop drawn, and
// the screenshots should show where one monitor ends and the next begins. Shown before the program
// starts, since with no window manager Wine stacks a window newly shown above all others.
class Backdrop {
public:
    Backdrop()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = [](HWND w, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_ERASEBKGND) {
                RECT r{};
                GetClientRect(w, &r);
                FillRect(reinterpret_cast<HDC>(wParam), &r,
                         reinterpret_cast<HBRUSH>(GetWindowLongPtrW(w, GWLP_USERDATA)));
                return 1;
            }
            return DefWindowProcW(w, message, wParam, lParam);
        };
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VardekE2eBackdrop";
        RegisterClassW(&windowClass);
        const COLORREF colours[] = {RGB(0x2F, 0x6F, 0x9F), RGB(0x5A, 0x4E, 0x7A), RGB(0x3F, 0x7F, 0x5F)};
        std::size_t i = 0;
        for (const RECT& m : Monitors()) {
            HWND w = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName, L"", WS_POPUP,
                                     m.left, m.top, m.right - m.left, m.bottom - m.top, nullptr, nullptr,
                                     windowClass.hInstance, nullptr);
            brushes_.push_back(CreateSolidBrush(colours[i++ % 3]));
            SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brushes_.back()));
            ShowWindow(w, SW_SHOWNA);
            windows_.push_back(w);
        }
        Pause(300);
    }
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;
    ~Backdrop()
    {
        for (HWND w : windows_) {
            DestroyWindow(w);
        }
        for (HBRUSH b : brushes_) {
            DeleteObject(b);
        }
    }

private:
    std::vector<HWND> windows_;
    std::vector<HBRUSH> brushes_;
};

// Across the seam of the desk of two: arrow steps from the secondary's last column onto the
// primary's first and back, and a Shift edge jump from the secondary onto a colour edge on the primary.
void SeamStepTests(Session& s)
{
    BeginGroup("desk: steps across the seam");
    const RECT client = ClientAt(-150, 300);
    if (!BackToFrame(s, client)) {
        return;
    }
    FunctionPattern pattern(0);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    pattern.Cover(cover);
    Settle(s.ruler);
    if (!Snapshot(s, "G takes a snapshot across the seam")) {
        return;
    }
    pattern.Hide();
    const LONG y = PictureOriginOnScreen(s.ruler).y + 60;
    PlacePointerSeen(s, {-1, y});
    ExpectReadout(s, "GX", L"-1");
    Activate(s.ruler);
    Key(VK_RIGHT, true);
    PointerReaches({0, y});
    CheckEqual("the right arrow steps from the secondary onto the primary", CursorNow(), POINT{0, y});
    ExpectReadout(s, "GX", L"0");
    Key(VK_LEFT, true);
    PointerReaches({-1, y});
    CheckEqual("the left arrow steps back onto the secondary", CursorNow(), POINT{-1, y});
    ExpectReadout(s, "GX", L"-1");

    // A start on the secondary whose next colour edge lies on the primary.
    LONG start = -1;
    while (start > -16 && pattern.NextEdgeRight(start) <= 0) {
        --start;
    }
    const LONG edge = pattern.NextEdgeRight(start);
    PlacePointerSeen(s, {start, y});
    ExpectReadout(s, "GX", std::to_wstring(start));
    KeyChord(VK_SHIFT, VK_RIGHT, true);
    PointerReaches({edge, y});
    CheckEqual(
        Format("Shift with the right arrow jumps from x %ld across the seam onto the edge at x %ld", start, edge),
        CursorNow(), POINT{edge, y});
    ExpectReadout(s, "GX", std::to_wstring(edge));

    // A measurement across the seam, for the screenshot: the origin on the secondary, the first
    // point on the primary.
    const POINT origin{-110, y - 30};
    const POINT first{95, y + 40};
    PlacePointerSeen(s, origin);
    ExpectReadout(s, "GX", std::to_wstring(origin.x));
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", std::to_wstring(origin.x));
    PlacePointer(first);
    ExpectReadout(s, "X1", std::to_wstring(first.x - origin.x));
    Key('B');
    PlacePointer({first.x + 30, first.y + 20});
    ExpectReadout(s, "SW", L"30");
    ExpectReadout(s, "SH", L"20");
    Settle(s.ruler);
    RequestScreenshot(L"seam");
}

// The coordinate view dragged onto the secondary stays there through a cancel, a restore and a redraw.
void ViewOnSecondaryTests(Session& s)
{
    BeginGroup("desk: the view on the secondary");
    if (!BackToFrame(s, ClientAt(200, 300)) || !Snapshot(s, "G takes a snapshot on the primary")) {
        return;
    }
    HWND view = CoordViewOf(s);
    if (!CHECK(view != nullptr, "the coordinate view is shown")) {
        return;
    }
    const RECT before = WindowRect(view);
    const POINT place{-1000, 500};
    // Where a user's drag would leave it.
    SetWindowPos(view, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(view);
    const RECT there = WindowRect(view);
    CheckEqual("the view stands on the secondary", there,
               RECT{place.x, place.y, place.x + before.right - before.left, place.y + before.bottom - before.top});
    const POINT o = PictureOriginOnScreen(s.ruler);
    PlacePointerSeen(s, {o.x + 30, o.y + 20});
    ExpectReadout(s, "GX", std::to_wstring(o.x + 30));
    Activate(s.ruler);
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", std::to_wstring(o.x + 30));

    const RulerBar bar = FindBar(s.ruler);
    Click(CenterOnScreen(bar.restore));
    CHECK(WaitUntil([&] { return RulerWhole(s.ruler) && ReadReadout(s, "DispX") == std::to_wstring(o.x + 30); }, 5000),
          "\"復元\" brings the origin back");
    Settle(s.ruler);
    CheckEqual("after a restore the view is where it was put on the secondary", WindowRect(view), there);

    Activate(s.ruler);
    Key('H');
    CHECK(WaitUntil([&] { return IsWindowEnabled(bar.redraw) && !CoordViewVisible(s.process.Id()); }, 5000),
          "H takes the view away and offers a redraw");
    Click(CenterOnScreen(bar.redraw));
    CHECK(WaitUntil([&] { return !IsWindowEnabled(bar.redraw) && CoordViewVisible(s.process.Id()); }, 5000),
          "\"再描写\" brings the view back");
    Settle(s.ruler);
    CheckEqual("after a redraw the view is back on the secondary", WindowRect(view), there);

    Activate(s.ruler);
    Key('H');
    WaitUntil([&] { return !CoordViewVisible(s.process.Id()); }, 5000);
    Snapshot(s, "a new snapshot after H");
    CheckEqual("a new snapshot shows the view on the secondary again", WindowRect(view), there);
}

// The loupe on the secondary and beside the seam stays whole on the monitor the pointer is on.
void LoupeOnSecondaryTests(Session& s)
{
    BeginGroup("desk: the loupe on the secondary");
    if (!BackToFrame(s, ClientAt(-1270, 200))) {
        return;
    }
    // The ruler straddles the seam, so that the pointer can stand on either side of it.
    ResizeClient(s.ruler, 1400, 300);
    if (!Snapshot(s, "G takes a snapshot from the secondary's left edge across the seam")) {
        return;
    }
    Activate(s.ruler);
    Key('Z');
    const POINT o = PictureOriginOnScreen(s.ruler);
    const LONG y = o.y + 150;
    // Beside the secondary's left edge, then either side of the seam.
    const POINT points[] = {{o.x + 2, y}, {-4, y}, {3, y}};
    for (const POINT p : points) {
        PlacePointer(p);
        const std::wstring caption = L"位置 (" + std::to_wstring(p.x) + L"," + std::to_wstring(p.y) + L")";
        HWND loupe = nullptr;
        const bool shown = WaitUntil(
            [&] {
                loupe = FindTopLevel(s.process.Id(), kLoupeTitle, true);
                return loupe &&
                       std::ranges::any_of(Children(loupe), [&](HWND child) { return TextOf(child) == caption; });
            },
            3000);
        if (!CHECK(shown, "the loupe shows the pointer at %s", DescribePoint(p).c_str())) {
            continue;
        }
        const RECT monitor = MonitorOf(p);
        const RECT at = WindowRect(loupe);
        CHECK(Inside(at, monitor), "with the pointer at %s the loupe %s stays whole on its monitor %s",
              DescribePoint(p).c_str(), DescribeRect(at).c_str(), DescribeRect(monitor).c_str());
        RECT square{p.x - 7, p.y - 7, p.x + 8, p.y + 8};
        RECT overlap{};
        CHECK(!IntersectRect(&overlap, &at, &square), "and it leaves the pixels around the pointer free");
    }
    Key('Z');
    CHECK(WaitUntil([&] { return FindTopLevel(s.process.Id(), kLoupeTitle, true) == nullptr; }, 3000),
          "Z puts the loupe away");
}

// Unplugs DUMMY1 with the ruler (or the view) on it and a snapshot on show, then plugs it back in.
void UnplugTests(Session& s, RECT client, const char* plugBack, int monitors)
{
    BeginGroup("desk: monitor unplugged");
    if (!BackToFrame(s, client)) {
        return;
    }
    FunctionPattern pattern(1);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    pattern.Cover(cover);
    Settle(s.ruler);
    Snapshot(s, "G takes a snapshot on the monitor to be unplugged");
    pattern.Hide();
    const POINT o = PictureOriginOnScreen(s.ruler);
    const POINT p0{o.x + 40, o.y + 30};
    PlacePointerSeen(s, p0);
    ExpectReadout(s, "GX", std::to_wstring(p0.x));
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", std::to_wstring(p0.x));
    ExpectReadout(s, "DispY", std::to_wstring(p0.y));
    const COLORREF at = pattern.At({o.x + 100, o.y + 50});

    const bool off = ChangeMonitors("unplug", "--output DUMMY1 --off", monitors - 1);
    CHECK(off, "Wine reports one monitor less after DUMMY1 is switched off");
    Settle(s.ruler);
    Pause(500);
    CheckHealthy(s, "after the monitor is unplugged");
    CHECK(WaitUntil([&] { return OnSomeMonitor(WindowRect(s.ruler)); }, 5000),
          "the ruler comes back onto a visible monitor: %s", DescribeRect(WindowRect(s.ruler)).c_str());
    HWND view = CoordViewOf(s);
    CHECK(view && WaitUntil([&] { return OnSomeMonitor(WindowRect(view)); }, 5000),
          "the coordinate view comes back onto a visible monitor: %s", DescribeRect(WindowRect(view)).c_str());
    CHECK(RulerWhole(s.ruler), "the snapshot is still on show");
    ExpectReadout(s, "DispX", std::to_wstring(p0.x));
    ExpectReadout(s, "DispY", std::to_wstring(p0.y));
    // The snapshot moved with the ruler: its pixel at an offset is the one taken there.
    const POINT moved = PictureOriginOnScreen(s.ruler);
    Settle(s.ruler);
    Pause(300);
    CheckEqual("the snapshot's pixels came along with the ruler", PixelAt({moved.x + 100, moved.y + 50}), at);
    RequestScreenshot(L"unplugged");

    CHECK(ChangeMonitors("plug", plugBack, monitors), "the monitor is plugged back in");
    Settle(s.ruler);
    CheckHealthy(s, "after the monitor is plugged back in");
    CHECK(OnSomeMonitor(WindowRect(s.ruler)), "the ruler is still on a visible monitor");
}

// The primary's mode changes under a snapshot: the program keeps going and tells the same numbers.
void ModeChangeTests(Session& s, RECT client, const char* restore, int monitors)
{
    BeginGroup("desk: mode change");
    if (!BackToFrame(s, client)) {
        return;
    }
    Snapshot(s, "G takes a snapshot before the mode change");
    const POINT o = PictureOriginOnScreen(s.ruler);
    PlacePointerSeen(s, {o.x + 20, o.y + 20});
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", std::to_wstring(o.x + 20));
    CHECK(ChangeMonitors("mode", "--output DUMMY0 --mode 1024x768", monitors), "the primary goes to 1024x768");
    Settle(s.ruler);
    Pause(500);
    CheckHealthy(s, "after the mode change");
    CHECK(OnSomeMonitor(WindowRect(s.ruler)), "the ruler is on a visible monitor: %s",
          DescribeRect(WindowRect(s.ruler)).c_str());
    CHECK(RulerWhole(s.ruler), "the snapshot is still on show");
    ExpectReadout(s, "DispX", std::to_wstring(o.x + 20));
    const POINT now = PictureOriginOnScreen(s.ruler);
    PlacePointer({now.x + 30, now.y + 25});
    ExpectReadout(s, "GX", std::to_wstring(now.x + 30));
    ExpectReadout(s, "X1", std::to_wstring(now.x + 30 - (o.x + 20)));
    CHECK(ChangeMonitors("mode-back", restore, monitors), "the primary's mode is set back");
    Settle(s.ruler);
    CHECK(BackToFrame(s, ClientAt(200, 200)), "the ruler comes back to the bare frame");
}

}  // namespace

void DeskTests(Session& s, const std::wstring& desk)
{
    const Backdrop backdrop;
    BeginGroup("desk: start-up");
    if (!StartProgram(s)) {
        return;
    }
    if (desk == L"two") {
        CheckMonitors({{0, 0, 1280, 1024}, {-1280, 0, 0, 1024}});
        BeginGroup("desk: wholly on the secondary");
        MeasureAt(s, ClientAt(-1263, 300), "wholly on the secondary monitor");
        BeginGroup("desk: across the seam");
        MeasureAt(s, ClientAt(-150, 300), "across the seam");
        SeamStepTests(s);
        ViewOnSecondaryTests(s);
        LoupeOnSecondaryTests(s);
        UnplugTests(s, ClientAt(-900, 200),
                    "--output DUMMY1 --mode 1280x1024 --pos 0x0 --output DUMMY0 --mode 1280x1024 --pos 1280x0", 2);
        ModeChangeTests(s, ClientAt(-600, 200), "--output DUMMY0 --mode 1280x1024 --pos 1280x0", 2);
    } else {
        CheckMonitors({{0, 0, 1280, 1024}, {0, -1024, 1280, 0}, {1280, 0, 3200, 1080}});
        BeginGroup("desk: wholly above the primary");
        MeasureAt(s, ClientAt(200, -900), "wholly on the monitor above");
        BeginGroup("desk: across the seam");
        MeasureAt(s, ClientAt(1100, 400), "across the seam to the wider monitor");
        OffMonitorSnapshot(s, ClientAt(1200, -150), {1300, -100});
        UnplugTests(s, ClientAt(300, -700),
                    "--output DUMMY1 --mode 1280x1024 --pos 0x0 --output DUMMY0 --mode 1280x1024 --pos 0x1024"
                    " --output DUMMY2 --mode 1920x1080 --pos 1280x1024",
                    3);
        PatternOverNoMonitor(s, {1150, -120, 1550, 130}, {1400, 5});
    }
}

}  // namespace e2e
