// The real program at a display scaling other than 100 %: Wine must report the DPI the prefix was
// given, and every expectation is computed from it: the bar's scaled offsets, the hole that is the
// picture's drawing area, a snapshot compared pixel for pixel and exact readouts.
#include <cmath>
#include <utility>

#include "check.h"
#include "health.h"
#include "modes.h"
#include "ruler.h"
#include "screenshot.h"
#include "scripted_measurement.h"

namespace e2e {
namespace {

// The ruler's client area in its definition, twips.
constexpr POINT kClientOriginTwips{3900, 3270};
constexpr SIZE kClientTwips{5865, 4425};

LONG TwipsAtDpi(LONG twips, int dpi)
{
    return std::lround(std::nearbyint(twips * dpi / 1440.0));
}

void CheckScaledLayout(Session& s, int dpi)
{
    const SIZE client = ClientSize(s.ruler);
    const RulerBar bar = FindBar(s.ruler);
    if (!CHECK(bar.Complete(), "the bar's six controls are found")) {
        DumpWindow(s.ruler);
        return;
    }
    const int barTop = client.cy - ScaledForDpi(kBarOffset, dpi);
    const std::pair<const char*, HWND> controls[] = {{"写す", bar.copy},         {"取り消し", bar.cancel},
                                                     {"origin label", bar.prev}, {"再描写", bar.redraw},
                                                     {"復元", bar.restore},      {"coordinate line", bar.coordLine}};
    for (const auto& [name, control] : controls)
        CheckEqual(
            Format("%s stands %d px above the client's bottom (%ld)", name, ScaledForDpi(kBarOffset, dpi), client.cy),
            RectInParentClient(control).top, barTop);
    HWND picture = FindPicture(s.ruler);
    if (!CHECK(picture != nullptr, "the picture is found"))
        return;
    CheckEqual(Format("the picture is the client less %d px", ScaledForDpi(kBarHeight, dpi)),
               RectInParentClient(picture), RECT{0, 0, client.cx, client.cy - ScaledForDpi(kBarHeight, dpi)});

    const RECT outer = WindowRect(s.ruler);
    const RECT hole = ClientRectInWindow(picture, s.ruler);
    const RECT whole{0, 0, outer.right - outer.left, outer.bottom - outer.top};
    CHECK(hole.left > 0 && hole.top > 0 && hole.right > hole.left, "the picture's drawing area %s lies inside",
          DescribeRect(hole).c_str());
    if (!CHECK(RegionIsFrame(s.ruler, whole, hole), "the region is the window %s less the picture's drawing area %s",
               DescribeRect(whole).c_str(), DescribeRect(hole).c_str()))
        for (const RECT& r : ReadRegionRects(s.ruler))
            Log("  region rect %s", DescribeRect(r).c_str());
}

void CheckHoleShowsBeneath(Session& s)
{
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 30, 30);
    s.pattern.Cover(cover);
    Settle(s.ruler);
    const RECT window = WindowRect(s.ruler);
    const RECT hole = ClientRectInWindow(FindPicture(s.ruler), s.ruler);
    const POINT inside[] = {{hole.left, hole.top}, {hole.right - 1, hole.bottom - 1}};
    for (POINT p : inside)
        CheckEqual(Format("the hole's pixel %s shows the window beneath", DescribePoint(p).c_str()),
                   PixelAt({window.left + p.x, window.top + p.y}), s.pattern.Colour());
    const POINT rim{window.left + hole.right, window.top + hole.bottom};
    CHECK(PixelAt(rim) != s.pattern.Colour(), "the rim below right of the hole is the ruler's");
    s.pattern.Cover({0, 0, 0, 0});
}

}  // namespace

void DpiSuite(Session& s, int dpi)
{
    BeginGroup("display scaling: start-up");
    HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    CheckEqual("the screen's LOGPIXELSX", screenDpi, dpi);
    CheckEqual("the system DPI", static_cast<int>(GetDpiForSystem()), dpi);
    if (!StartProgram(s))
        return;
    CheckEqual("the ruler's DPI", DpiOf(s.ruler), dpi);
    POINT clientOrigin{0, 0};
    ClientToScreen(s.ruler, &clientOrigin);
    CheckEqual("the client origin from the definition's twips", clientOrigin,
               POINT{TwipsAtDpi(kClientOriginTwips.x, dpi), TwipsAtDpi(kClientOriginTwips.y, dpi)});
    CheckEqual("the client width from the definition's twips", ClientSize(s.ruler).cx,
               TwipsAtDpi(kClientTwips.cx, dpi));
    CheckEqual("the client height from the definition's twips", ClientSize(s.ruler).cy,
               TwipsAtDpi(kClientTwips.cy, dpi));
    CheckScaledLayout(s, dpi);
    CheckHoleShowsBeneath(s);
    RequestScreenshot(L"dpi-startup");

    BeginGroup("display scaling: resize");
    BackToFrame(s, {120, 140, 120 + 501, 140 + 377});
    CheckEqual("the odd client size is taken", ClientSize(s.ruler).cx, 501L);
    CheckScaledLayout(s, dpi);
    CheckHoleShowsBeneath(s);

    BeginGroup("display scaling: measurement");
    ScriptedMeasurement(s, "at this DPI");
    HWND view = nullptr;
    Activate(s.ruler);
    Key('G');
    WaitUntil([&] { return (view = CoordViewOf(s)) != nullptr; }, 5000);
    if (CHECK(view != nullptr, "G shows the coordinate view again")) {
        CheckEqual("the coordinate view's DPI", DpiOf(view), dpi);
        // Every readout control sits where its twips put it at this DPI.
        for (const ViewSpot* spot : {&kSpotGX, &kSpotGY, &kSpotDispX, &kSpotX1, &kSpotCR, &kSpotCB})
            CHECK(FindSpot(s, *spot) != nullptr, "%s sits at (%ld, %ld) twips = (%ld, %ld) px", spot->name,
                  spot->twips.x, spot->twips.y, TwipsAtDpi(spot->twips.x, dpi), TwipsAtDpi(spot->twips.y, dpi));
        RequestScreenshot(L"dpi-measurement");
        Activate(s.ruler);
        Key('H');
        WaitUntil([&] { return !CoordViewOf(s); }, 5000);
    }
    CheckHealthy(s, "after the measurement");
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(s.process.WaitForExit(5000), "closing the ruler ends the program");
}

}  // namespace e2e
