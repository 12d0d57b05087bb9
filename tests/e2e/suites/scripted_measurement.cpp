#include "scripted_measurement.h"

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

}  // namespace

void MoveViewOffRuler(Session& s)
{
    HWND view = CoordViewOf(s);
    RECT overlap;
    const RECT ruler = WindowRect(s.ruler);
    const RECT viewRect = WindowRect(view);
    if (!view || !IntersectRect(&overlap, &ruler, &viewRect)) {
        return;
    }
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(view, nullptr, screenWidth - (viewRect.right - viewRect.left) - 8, 8, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(view);
}

bool CheckViewDrawnAbove(Session& s, const char* when)
{
    HWND view = CoordViewOf(s);
    RECT client{};
    GetClientRect(view, &client);
    MapWindowPoints(view, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const RECT ruler = WindowRect(s.ruler);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT overlap{};
    if (!view || !IntersectRect(&overlap, &client, &ruler) || !IntersectRect(&overlap, &overlap, &screen)) {
        return true;
    }
    const ScreenGrab grab(overlap);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int sampled = 0;
    int rulerOnTop = 0;
    int background = 0;
    int shown = 0;
    for (LONG y = overlap.top; y < overlap.bottom; y += 5) {
        for (LONG x = overlap.left; x < overlap.right; x += 5) {
            ++sampled;
            HWND hit = WindowFromPoint({x, y});
            rulerOnTop += GetAncestor(hit, GA_ROOT) == s.ruler ? 1 : 0;
            if (hit == view) {
                ++background;
                shown += grab.At({x, y}) == face ? 1 : 0;
            }
        }
    }
    // The window order is the program's: the view above the ruler. What the screen shows there is
    // Wine's: after the ruler takes the keyboard back it may draw the ruler over the view though the
    // order says otherwise, which no Windows desktop does. It is reported, not failed.
    Record(rulerOnTop == 0, Format("the coordinate view stacks above the ruler where they overlap %s", when),
           Format("%d of %d points of the overlap %s belong to the ruler", rulerOnTop, sampled,
                  DescribeRect(overlap).c_str()));
    const bool drawn = shown * 2 > background;
    if (!drawn) {
        Log("  note: Wine draws the ruler over the view there: %d of %d points of its background show its colour",
            shown, background);
    }
    return drawn;
}

HWND CoordViewOf(Session& s)
{
    return FindTopLevel(s.process.Id(), kCoordViewTitle, true);
}

HWND FindReadout(Session& s, const char* name)
{
    return ViewControl(CoordViewOf(s), name);
}

std::wstring ReadReadout(Session& s, const char* name)
{
    HWND window = FindReadout(s, name);
    return window ? TextOf(window) : L"<missing>";
}

bool ExpectReadout(Session& s, const char* name, const std::wstring& expected)
{
    WaitUntil([&] { return ReadReadout(s, name) == expected; }, 3000);
    return CheckEqual(Format("%s reads %s", name, Utf8(expected).c_str()), ReadReadout(s, name), expected);
}

bool PlacePointerSeen(Session& s, POINT screen)
{
    PlacePointer(screen);
    const std::wstring x = std::to_wstring(screen.x);
    const std::wstring y = std::to_wstring(screen.y);
    const auto seen = [&] { return ReadReadout(s, "GX") == x && ReadReadout(s, "GY") == y; };
    if (WaitUntil(seen, 1000)) {
        return true;
    }
    // Wine took the pointer back to a place it had left, in its own record only: the X pointer stayed,
    // so placing it there again moves nothing. A step aside and back tells the program.
    Log("the program did not see the pointer placed at %s: placed again from beside it", DescribePoint(screen).c_str());
    PlacePointer({screen.x + 1, screen.y});
    PlacePointer(screen);
    return WaitUntil(seen, 3000);
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
    ExpectReadout(s, "GX", Number(screen.x));
    ExpectReadout(s, "GY", Number(screen.y));
    const COLORREF shown = PixelAt(screen);
    Click(screen);
    ExpectReadout(s, "CR", Number(GetRValue(shown)));
    ExpectReadout(s, "CG", Number(GetGValue(shown)));
    ExpectReadout(s, "CB", Number(GetBValue(shown)));
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
               "G takes a snapshot and shows the coordinate view %s", when)) {
        return;
    }
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
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (!Covers(view, {x, y}) && grab.At({x, y}) != pattern.At({x, y})) {
                ++differing;
            }
        }
    }
    CheckEqual(Format("the %ld x %ld snapshot shows what lay under the hole, pixel for pixel %s",
                      area.right - area.left, area.bottom - area.top, when),
               differing, 0);

    const POINT p0{o.x + 40, o.y + 30};
    PlacePointer(p0);
    ExpectReadout(s, "GX", Number(p0.x));
    ExpectReadout(s, "GY", Number(p0.y));
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", Number(p0.x));
    ExpectReadout(s, "DispY", Number(p0.y));
    PlacePointer({o.x + 90, o.y + 70});
    ExpectReadout(s, "X1", L"50");
    ExpectReadout(s, "Y1", L"40");
    // The program must have taken the placing move before the arrow steps from it.
    Settle(s.ruler);
    Key(VK_RIGHT, true);
    CHECK(PointerReaches({o.x + 91, o.y + 70}), "the right arrow moves the pointer one pixel %s", when);
    ExpectReadout(s, "X1", L"51");
    ExpectReadout(s, "GX", Number(o.x + 91));
    const POINT sample{o.x + 200, o.y + 20};
    Click(sample);
    const COLORREF colour = pattern.At(sample);
    ExpectReadout(s, "CR", Number(GetRValue(colour)));
    ExpectReadout(s, "CG", Number(GetGValue(colour)));
    ExpectReadout(s, "CB", Number(GetBValue(colour)));

    Activate(s.ruler);
    Key('H');
    CHECK(WaitUntil([&] { return !RulerWhole(s.ruler) && !CoordViewOf(s); }, 5000), "H returns to the bare frame %s",
          when);
    Settle(s.ruler);
}

}  // namespace e2e
