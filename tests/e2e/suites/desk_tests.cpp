// A desk of several monitors: the ruler measuring on a secondary monitor at negative coordinates,
// across the seam between two, over a part of the virtual screen that no monitor shows, and a
// monitor unplugged and a mode changed while a snapshot is on show.
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

RECT ClientAt(LONG left, LONG top)
{
    return {left, top, left + kClient.cx, top + kClient.cy};
}

void CheckMonitors(const std::vector<RECT>& expected)
{
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
    Activate(s.ruler);
    Key('G');
    CHECK(WaitUntil([&] { return CoordViewVisible(s.process.Id()) && RulerWhole(s.ruler); }, 5000),
          "G takes a snapshot partly over no monitor");
    Settle(s.ruler);
    Pause(300);
    // The X server keeps pixels where no monitor shows, so the screen read there is what was drawn.
    CheckEqual(Format("the snapshot is black at %s, where no monitor shows", DescribePoint(dark).c_str()),
               PixelAt(dark), RGB(0, 0, 0));
    PlacePointer(dark);
    CheckReadoutsMatchPicture(s, dark);
    CheckHealthy(s, "after a snapshot partly over no monitor");
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
    Activate(s.ruler);
    Key('G');
    CHECK(WaitUntil([&] { return CoordViewVisible(s.process.Id()) && RulerWhole(s.ruler); }, 5000),
          "G takes a snapshot on the monitor to be unplugged");
    Settle(s.ruler);
    pattern.Hide();
    const POINT o = PictureOriginOnScreen(s.ruler);
    const POINT p0{o.x + 40, o.y + 30};
    PlacePointer(p0);
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
    Activate(s.ruler);
    Key('G');
    CHECK(WaitUntil([&] { return CoordViewVisible(s.process.Id()) && RulerWhole(s.ruler); }, 5000),
          "G takes a snapshot before the mode change");
    Settle(s.ruler);
    const POINT o = PictureOriginOnScreen(s.ruler);
    PlacePointer({o.x + 20, o.y + 20});
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
        RequestScreenshot(L"seam");
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
    }
}

}  // namespace e2e
