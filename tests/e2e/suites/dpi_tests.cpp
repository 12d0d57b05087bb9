// The real program at a display scaling other than 100 %: Wine must report the DPI the prefix was
// given, and every expectation is computed from it: the bar's scaled offsets, the hole that is the
// picture's drawing area, a snapshot compared pixel for pixel and exact readouts.
#include <utility>

#include "check.h"
#include "health.h"
#include "modes.h"
#include "platform/units.h"
#include "ruler.h"
#include "screenshot.h"
#include "scripted_measurement.h"
#include "wide_readouts.h"
#include "windows/definition.h"

namespace e2e {
namespace {

LONG TwipsAtDpi(int twips, int dpi)
{
    return vardek::TwipsToPixels(twips, dpi);
}

// Where the definition puts a control, in its parent's client pixels at the DPI.
RECT DefinedRect(const vardek::ControlDef& control, int dpi)
{
    const LONG left = TwipsAtDpi(control.rect.left, dpi);
    const LONG top = TwipsAtDpi(control.rect.top, dpi);
    return {left, top, left + TwipsAtDpi(control.rect.width, dpi), top + TwipsAtDpi(control.rect.height, dpi)};
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
    for (const auto& [name, control] : controls) {
        CheckEqual(
            Format("%s stands %d px above the client's bottom (%ld)", name, ScaledForDpi(kBarOffset, dpi), client.cy),
            RectInParentClient(control).top, barTop);
    }
    HWND picture = FindPicture(s.ruler);
    if (!CHECK(picture != nullptr, "the picture is found")) {
        return;
    }
    CheckEqual(Format("the picture is the client less %d px", ScaledForDpi(kBarHeight, dpi)),
               RectInParentClient(picture), RECT{0, 0, client.cx, client.cy - ScaledForDpi(kBarHeight, dpi)});

    const RECT outer = WindowRect(s.ruler);
    const RECT hole = ClientRectInWindow(picture, s.ruler);
    const RECT whole{0, 0, outer.right - outer.left, outer.bottom - outer.top};
    CHECK(hole.left > 0 && hole.top > 0 && hole.right > hole.left, "the picture's drawing area %s lies inside",
          DescribeRect(hole).c_str());
    if (!CHECK(RegionIsFrame(s.ruler, whole, hole), "the region is the window %s less the picture's drawing area %s",
               DescribeRect(whole).c_str(), DescribeRect(hole).c_str())) {
        for (const RECT& r : ReadRegionRects(s.ruler)) {
            Log("  region rect %s", DescribeRect(r).c_str());
        }
    }
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
    for (POINT p : inside) {
        CheckEqual(Format("the hole's pixel %s shows the window beneath", DescribePoint(p).c_str()),
                   PixelAt({window.left + p.x, window.top + p.y}), s.pattern.Colour());
    }
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
    if (!StartProgram(s)) {
        return;
    }
    CheckEqual("the ruler's DPI", DpiOf(s.ruler), dpi);
    const vardek::TwipRect& client = vardek::Form1Definition().client;
    POINT clientOrigin{0, 0};
    ClientToScreen(s.ruler, &clientOrigin);
    CheckEqual("the client origin from the definition's twips", clientOrigin,
               POINT{TwipsAtDpi(client.left, dpi), TwipsAtDpi(client.top, dpi)});
    CheckEqual("the client width from the definition's twips", ClientSize(s.ruler).cx, TwipsAtDpi(client.width, dpi));
    CheckEqual("the client height from the definition's twips", ClientSize(s.ruler).cy, TwipsAtDpi(client.height, dpi));
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
        // Every control of the view that is a window sits where its twips put it at this DPI.
        for (const vardek::ControlDef& control : vardek::Form2Definition().controls) {
            if (control.kind == vardek::Kind::Line || control.kind == vardek::Kind::Shape || !control.parent.empty()) {
                continue;
            }
            HWND window = ViewControl(view, control.name);
            const std::string name(control.name);
            if (CHECK(window != nullptr, "%s is a window of the view", name.c_str())) {
                CheckEqual(Format("%s sits at its twips (%d, %d) %d x %d", name.c_str(), control.rect.left,
                                  control.rect.top, control.rect.width, control.rect.height),
                           RectInParentClient(window), DefinedRect(control, dpi));
            }
        }
        RequestScreenshot(L"dpi-measurement");
        Activate(s.ruler);
        Key('H');
        WaitUntil([&] { return !CoordViewOf(s); }, 5000);
    }
    CheckHealthy(s, "after the measurement");
    WideReadoutTests(s, L"dpi-wide-");
    CheckHealthy(s, "after the widest values");
    LoupeTests(s, L"dpi-");
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(s.process.WaitForExit(5000), "closing the ruler ends the program");
}

}  // namespace e2e
