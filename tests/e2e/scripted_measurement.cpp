#include "scripted_measurement.h"

#include <cmath>

#include "check.h"
#include "desktop.h"
#include "function_pattern.h"
#include "health.h"
#include "ruler.h"

namespace e2e {
namespace {

std::wstring Number(long value)
{
    return std::to_wstring(value);
}

bool Covers(HWND window, POINT screen)
{
    const RECT r = WindowRect(window);
    return window && IsWindowVisible(window) && PtInRect(&r, screen);
}

// The coordinate view may have been left anywhere; it must not hide the picture being measured.
void MoveViewOffRuler(Session& s)
{
    HWND view = CoordViewOf(s);
    RECT overlap;
    const RECT ruler = WindowRect(s.ruler);
    const RECT viewRect = WindowRect(view);
    if (!view || !IntersectRect(&overlap, &ruler, &viewRect))
        return;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(view, nullptr, screenWidth - (viewRect.right - viewRect.left) - 8, 8, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(view);
}

}  // namespace

HWND CoordViewOf(Session& s)
{
    return FindTopLevel(s.process.Id(), kCoordViewTitle, true);
}

HWND FindSpot(Session& s, const ViewSpot& spot)
{
    HWND view = CoordViewOf(s);
    if (!view)
        return nullptr;
    const double twipsPerPixel = 1440.0 / DpiOf(view);
    const LONG left = std::lround(std::nearbyint(spot.twips.x / twipsPerPixel));
    const LONG top = std::lround(std::nearbyint(spot.twips.y / twipsPerPixel));
    for (HWND child : Children(view)) {
        const RECT r = RectInParentClient(child);
        if (r.left == left && r.top == top)
            return child;
    }
    return nullptr;
}

std::wstring ReadSpot(Session& s, const ViewSpot& spot)
{
    HWND window = FindSpot(s, spot);
    return window ? TextOf(window) : L"<missing>";
}

bool ExpectSpot(Session& s, const ViewSpot& spot, const std::wstring& expected)
{
    WaitUntil([&] { return ReadSpot(s, spot) == expected; }, 3000);
    return CheckEqual(Format("%s reads %s", spot.name, Utf8(expected).c_str()), ReadSpot(s, spot), expected);
}

POINT PictureOriginOnScreen(HWND ruler)
{
    POINT origin{0, 0};
    ClientToScreen(FindPicture(ruler), &origin);
    return origin;
}

bool RulerWhole(HWND ruler)
{
    return ReadRegionRects(ruler).size() == 1;
}

void CheckReadoutsMatchPicture(Session& s, POINT screen)
{
    CHECK(PlacePointer(screen), "the pointer is placed at %s", DescribePoint(screen).c_str());
    ExpectSpot(s, kSpotGX, Number(screen.x));
    ExpectSpot(s, kSpotGY, Number(screen.y));
    const COLORREF shown = PixelAt(screen);
    Click(screen);
    ExpectSpot(s, kSpotCR, Number(GetRValue(shown)));
    ExpectSpot(s, kSpotCG, Number(GetGValue(shown)));
    ExpectSpot(s, kSpotCB, Number(GetBValue(shown)));
}

void ScriptedMeasurement(Session& s, const char* when)
{
    FunctionPattern pattern(0);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    pattern.Cover(cover);
    Settle(s.ruler);
    CHECK(Activate(s.ruler), "the ruler is the foreground window %s", when);
    Key('G');
    if (!CHECK(WaitUntil([&] { return CoordViewOf(s) && RulerWhole(s.ruler); }, 5000),
               "G takes a snapshot and shows the coordinate view %s", when))
        return;
    Settle(s.ruler);
    MoveViewOffRuler(s);
    pattern.Hide();
    Settle(s.ruler);
    Pause(300);

    HWND view = CoordViewOf(s);
    const POINT o = PictureOriginOnScreen(s.ruler);
    RECT area;
    GetClientRect(FindPicture(s.ruler), &area);
    OffsetRect(&area, o.x, o.y);
    const ScreenGrab grab(area);
    int differing = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (!Covers(view, {x, y}) && grab.At({x, y}) != pattern.At({x, y}))
                ++differing;
    CheckEqual(Format("the %ld x %ld snapshot shows what lay under the hole, pixel for pixel %s",
                      area.right - area.left, area.bottom - area.top, when),
               differing, 0);

    const POINT p0{o.x + 40, o.y + 30};
    PlacePointer(p0);
    ExpectSpot(s, kSpotGX, Number(p0.x));
    ExpectSpot(s, kSpotGY, Number(p0.y));
    Key(VK_SPACE);
    ExpectSpot(s, kSpotDispX, Number(p0.x));
    ExpectSpot(s, kSpotDispY, Number(p0.y));
    PlacePointer({o.x + 90, o.y + 70});
    ExpectSpot(s, kSpotX1, L"50");
    ExpectSpot(s, kSpotY1, L"40");
    // A late echo of the placing move from the X server would undo the arrow's step: let it come first.
    Settle(s.ruler);
    Key(VK_RIGHT, true);
    ExpectSpot(s, kSpotX1, L"51");
    ExpectSpot(s, kSpotGX, Number(o.x + 91));
    const POINT sample{o.x + 200, o.y + 20};
    Click(sample);
    const COLORREF colour = pattern.At(sample);
    ExpectSpot(s, kSpotCR, Number(GetRValue(colour)));
    ExpectSpot(s, kSpotCG, Number(GetGValue(colour)));
    ExpectSpot(s, kSpotCB, Number(GetBValue(colour)));

    Activate(s.ruler);
    Key('H');
    CHECK(WaitUntil([&] { return !RulerWhole(s.ruler) && !CoordViewOf(s); }, 5000), "H returns to the bare frame %s",
          when);
    Settle(s.ruler);
}

}  // namespace e2e
