// The ruler as a see-through frame: start-up, the hole and what shows through it, layout on resize,
// minimise and restore, cancel, F1 and closing.
#include <string>
#include <utility>

#include "check.h"
#include "health.h"
#include "help_probe.h"
#include "platform/units.h"
#include "ruler.h"
#include "screenshot.h"
#include "session.h"
#include "windows/definition.h"

namespace e2e {
namespace {

POINT Size(SIZE s)
{
    return {s.cx, s.cy};
}

POINT Offset(POINT p, const RECT& origin)
{
    return {p.x + origin.left, p.y + origin.top};
}

bool CheckPixel(const std::string& what, POINT screen, COLORREF expected, bool same)
{
    const COLORREF actual = PixelAt(screen);
    const bool ok = (actual == expected) == same;
    return Record(ok, what,
                  Format("pixel %s is %s, %s %s", DescribePoint(screen).c_str(), DescribeColour(actual).c_str(),
                         same ? "expected" : "must differ from", DescribeColour(expected).c_str()));
}

// The bar's controls and the picture as the layout leaves them for the current client size.
bool LaidOut(HWND ruler)
{
    const SIZE client = ClientSize(ruler);
    const RulerBar bar = FindBar(ruler);
    if (!bar.Complete()) {
        return false;
    }
    for (HWND control : {bar.copy, bar.cancel, bar.prev, bar.redraw, bar.restore, bar.coordLine}) {
        if (RectInParentClient(control).top != client.cy - kBarOffset) {
            return false;
        }
    }
    HWND picture = FindPicture(ruler);
    return picture && RectInParentClient(picture) == RECT{0, 0, client.cx, client.cy - kBarHeight};
}

void CheckLayout(HWND ruler)
{
    const SIZE client = ClientSize(ruler);
    const RulerBar bar = FindBar(ruler);
    if (!CHECK(bar.Complete(), "the bar's six controls are found")) {
        DumpWindow(ruler);
        return;
    }
    const std::pair<const char*, HWND> controls[] = {{"写す", bar.copy},         {"取り消し", bar.cancel},
                                                     {"origin label", bar.prev}, {"再描写", bar.redraw},
                                                     {"復元", bar.restore},      {"coordinate line", bar.coordLine}};
    for (const auto& [name, control] : controls) {
        CheckEqual(Format("%s top = client height %ld - %d", name, client.cy, kBarOffset),
                   RectInParentClient(control).top, client.cy - kBarOffset);
    }
    HWND picture = FindPicture(ruler);
    if (!CHECK(picture != nullptr, "the picture is found")) {
        return;
    }
    CheckEqual("picture fills the client but the bar", RectInParentClient(picture),
               RECT{0, 0, client.cx, client.cy - kBarHeight});
}

void CheckRegion(HWND ruler)
{
    const SIZE client = ClientSize(ruler);
    const RECT outer = ExpectedOuter(client);
    const RECT hole = ExpectedHole(client);
    const bool ok =
        Record(RegionIsFrame(ruler, outer, hole),
               Format("region is %s with the hole %s", DescribeRect(outer).c_str(), DescribeRect(hole).c_str()), {});
    if (!ok) {
        for (const RECT& r : ReadRegionRects(ruler)) {
            Log("  region rect %s", DescribeRect(r).c_str());
        }
    }
    // The hole must frame exactly the picture's drawing area, or the snapshot and the readouts go out of line.
    if (HWND picture = FindPicture(ruler)) {
        CheckEqual("the hole is the picture's drawing area", ClientRectInWindow(picture, ruler), hole);
    }
}

// Waits until the program has answered, a transient coordinate view has gone, and the layout matches the size.
void WaitForFrame(Session& s)
{
    Settle(s.ruler);
    WaitUntil([&] { return !CoordViewVisible(s.process.Id()) && LaidOut(s.ruler); }, 5000);
    Settle(s.ruler);
}

}  // namespace

void CheckBareFrame(Session& s)
{
    CHECK(IsWindowVisible(s.ruler), "the ruler is visible");
    CHECK(IsTopMost(s.ruler), "the ruler is topmost (WS_EX_TOPMOST)");
    CHECK(!CoordViewVisible(s.process.Id()), "no coordinate view is visible");
    const SIZE client = ClientSize(s.ruler);
    const RECT outer = WindowRect(s.ruler);
    CheckEqual("outer size = client size + (8, 27)", POINT{outer.right - outer.left, outer.bottom - outer.top},
               POINT{client.cx + kExtraWidth, client.cy + kExtraHeight});
    CheckLayout(s.ruler);
    CheckRegion(s.ruler);
    const RulerBar bar = FindBar(s.ruler);
    if (bar.coordLine) {
        CheckEqual("the coordinate line is empty", TextOf(bar.coordLine), std::wstring());
    }
}

void CoverWithPattern(Session& s)
{
    RECT r = WindowRect(s.ruler);
    InflateRect(&r, 30, 30);
    s.pattern.Cover(r);
    Settle(s.ruler);
}

bool StartupTests(Session& s)
{
    BeginGroup("start-up");
    if (!StartProgram(s)) {
        return false;
    }
    WaitForFrame(s);

    // Wine's default theme: 4-pixel frame and 19-pixel caption; the literal offsets below rest on it.
    CheckEqual("client origin in the window", ClientOriginInWindow(s.ruler), POINT{4, 23});
    // The definition's client area at 15 twips per pixel.
    const vardek::TwipRect& defined = vardek::Form1Definition().client;
    POINT clientOrigin{0, 0};
    ClientToScreen(s.ruler, &clientOrigin);
    CheckEqual("client origin on the screen", clientOrigin,
               POINT{vardek::TwipsToPixels(defined.left, 96), vardek::TwipsToPixels(defined.top, 96)});
    CheckEqual("client size", Size(ClientSize(s.ruler)),
               POINT{vardek::TwipsToPixels(defined.width, 96), vardek::TwipsToPixels(defined.height, 96)});

    const LONG style = GetWindowLongW(s.ruler, GWL_STYLE);
    const LONG frameStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    CHECK((style & frameStyle) == frameStyle, "sizable frame with caption, minimise and maximise boxes");

    const RulerBar bar = FindBar(s.ruler);
    CHECK(bar.copy && IsWindowVisible(bar.copy) && IsWindowEnabled(bar.copy), "\"写す\" is shown and enabled");
    CHECK(bar.cancel && IsWindowVisible(bar.cancel) && IsWindowEnabled(bar.cancel),
          "\"取り消し\" is shown and enabled");
    CHECK(bar.redraw && IsWindowVisible(bar.redraw) && !IsWindowEnabled(bar.redraw),
          "\"再描写\" is shown and disabled");
    CHECK(bar.restore && IsWindowVisible(bar.restore) && !IsWindowEnabled(bar.restore),
          "\"復元\" is shown and disabled");
    if (bar.prev) {
        CheckEqual("the origin label", TextOf(bar.prev), kPrevInitial);
    }
    // The controls are found by id: their classes and captions tell that the ids are the right ones.
    const auto classIs = [](HWND window, const wchar_t* name) {
        return CompareStringOrdinal(ClassOf(window).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
    };
    const std::pair<HWND, const std::wstring*> buttons[] = {{bar.copy, &kCopyCaption},
                                                            {bar.cancel, &kCancelCaption},
                                                            {bar.redraw, &kRedrawCaption},
                                                            {bar.restore, &kRestoreCaption}};
    for (const auto& [button, caption] : buttons) {
        CHECK(classIs(button, L"Button") && TextOf(button) == *caption, "the button %s is found by its id: %s %s",
              DescribeText(*caption).c_str(), Utf8(ClassOf(button)).c_str(), DescribeText(TextOf(button)).c_str());
    }
    CHECK(classIs(bar.prev, L"Static") && classIs(bar.coordLine, L"Static"),
          "the origin label and the coordinate line are labels");
    CheckBareFrame(s);
    CheckEqual("the picture has the keyboard focus", FocusOf(s.ruler), FindPicture(s.ruler));
    RequestScreenshot(L"startup");
    return true;
}

void HoleTests(Session& s)
{
    BeginGroup("hole");
    CoverWithPattern(s);
    const RECT window = WindowRect(s.ruler);
    const SIZE client = ClientSize(s.ruler);
    const RECT hole = ExpectedHole(client);
    const COLORREF pattern = s.pattern.Colour();
    const POINT centre = Offset({(hole.left + hole.right) / 2, (hole.top + hole.bottom) / 2}, window);

    CheckPixel("the hole's centre shows the window beneath", centre, pattern, true);
    CheckPixel("the hole's top-left pixel shows the window beneath", Offset({hole.left, hole.top}, window), pattern,
               true);
    CheckPixel("the hole's bottom-right pixel shows the window beneath",
               Offset({hole.right - 1, hole.bottom - 1}, window), pattern, true);
    CheckPixel("the rim left above the hole is the ruler's", Offset({hole.left - 1, hole.top - 1}, window), pattern,
               false);
    CheckPixel("the rim right below the hole is the ruler's", Offset({hole.right, hole.bottom}, window), pattern,
               false);
    // Below the bar's controls only the window's own background shows.
    POINT clientOrigin{0, 0};
    ClientToScreen(s.ruler, &clientOrigin);
    const POINT onBar{clientOrigin.x + client.cx / 2, clientOrigin.y + client.cy - 3};
    CheckPixel("the bar has the button-face colour", onBar, GetSysColor(COLOR_BTNFACE), true);

    CheckEqual("the window under the hole's centre is the one beneath", WindowFromPoint(centre), s.pattern.Handle());
    CheckEqual("the window under the bar is the ruler", GetAncestor(WindowFromPoint(onBar), GA_ROOT), s.ruler);
    const int clicksBefore = s.pattern.Clicks();
    CHECK(Click(centre), "the pointer is placed at %s", DescribePoint(centre).c_str());
    CHECK(WaitUntil([&] { return s.pattern.Clicks() == clicksBefore + 1; }, 3000),
          "a click inside the hole reaches the window beneath");
    CheckEqual("where the window beneath was clicked", s.pattern.LastClick(), centre);
    Settle(s.ruler);
    CHECK(IsTopMost(s.ruler) && RegionIsFrame(s.ruler, ExpectedOuter(client), hole),
          "the click leaves the ruler topmost with its hole");
    RequestScreenshot(L"hole");
}

void CancelTests(Session& s)
{
    BeginGroup("cancel");
    const RulerBar bar = FindBar(s.ruler);
    if (!CHECK(bar.Complete(), "the bar's controls are found")) {
        return;
    }
    CHECK(Click(CenterOnScreen(bar.cancel)), "the pointer is placed on \"取り消し\"");
    CHECK(WaitUntil([&] { return IsWindowEnabled(bar.redraw) != FALSE; }, 5000),
          "\"再描写\" becomes enabled after \"取り消し\"");
    WaitForFrame(s);
    CHECK(!IsWindowEnabled(bar.restore), "\"復元\" stays disabled");
    CheckEqual("the origin label is untouched", TextOf(bar.prev), kPrevInitial);
    CheckEqual("the picture has the keyboard focus", FocusOf(s.ruler), FindPicture(s.ruler));
    CheckBareFrame(s);
}

void ResizeTests(Session& s)
{
    BeginGroup("resize");
    const POINT sizes[] = {{500, 360}, {300, 200}};
    for (const POINT size : sizes) {
        ResizeClient(s.ruler, size.x, size.y);
        WaitForFrame(s);
        CheckEqual("client size after SetWindowPos", Size(ClientSize(s.ruler)), size);
        CheckBareFrame(s);
        CoverWithPattern(s);
        const RECT hole = ExpectedHole(ClientSize(s.ruler));
        CheckPixel("the new hole's bottom-right pixel shows the window beneath",
                   Offset({hole.right - 1, hole.bottom - 1}, WindowRect(s.ruler)), s.pattern.Colour(), true);
    }
    RequestScreenshot(L"resized");

    // Maximising is one more resize: the bar and the hole follow the screen-sized client, and come back.
    const RECT normal = WindowRect(s.ruler);
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    CHECK(WaitUntil([&] { return IsZoomed(s.ruler) != FALSE; }, 5000), "the ruler is maximised");
    WaitForFrame(s);
    CHECK(ClientSize(s.ruler).cx > normal.right - normal.left, "the maximised client is wider (%ld)",
          ClientSize(s.ruler).cx);
    CheckBareFrame(s);
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_RESTORE, 0);
    CHECK(WaitUntil([&] { return !IsZoomed(s.ruler); }, 5000), "the ruler is back from maximised");
    WaitForFrame(s);
    CheckEqual("the window is back where it was", WindowRect(s.ruler), normal);
    CheckBareFrame(s);

    // A client lower than the bar: the layout gives up and leaves the bar and the hole alone.
    const SIZE before = ClientSize(s.ruler);
    ResizeClient(s.ruler, before.cx, 20);
    Settle(s.ruler);
    const SIZE tiny = ClientSize(s.ruler);
    if (CHECK(tiny.cy < kBarHeight, "the client can be made lower than the bar (height %ld)", tiny.cy)) {
        const RulerBar bar = FindBar(s.ruler);
        if (bar.copy) {
            CheckEqual("\"写す\" keeps its place", RectInParentClient(bar.copy).top, before.cy - kBarOffset);
        }
        CHECK(RegionIsFrame(s.ruler, ExpectedOuter(before), ExpectedHole(before)), "the region keeps its old hole");
        CHECK(IsWindowVisible(s.ruler) && !s.process.WaitForExit(0), "the ruler is still there");
    }
    // One enlarging step afterwards lays out again at once.
    ResizeClient(s.ruler, 420, 320);
    WaitForFrame(s);
    CheckEqual("client size after enlarging", Size(ClientSize(s.ruler)), POINT{420, 320});
    CheckBareFrame(s);
}

void MinimiseTests(Session& s)
{
    BeginGroup("minimise");
    const RECT before = WindowRect(s.ruler);
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(WaitUntil([&] { return IsIconic(s.ruler) != FALSE; }, 5000), "the ruler is minimised");
    Settle(s.ruler);
    CHECK(!CoordViewVisible(s.process.Id()), "no coordinate view while minimised");

    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_RESTORE, 0);
    CHECK(WaitUntil([&] { return !IsIconic(s.ruler); }, 5000), "the ruler is restored");
    WaitForFrame(s);
    CheckEqual("the restored window is where it was", WindowRect(s.ruler), before);
    CheckBareFrame(s);
}

void HelpKeyTests(Session& s)
{
    BeginGroup("F1");
    const HelpProbe help;
    CHECK(help.Ready(), "HTML pages open with the probe's command");
    CHECK(Activate(s.ruler), "the ruler is the foreground window");
    Key(VK_F1);
    const std::wstring page = help.OpenedPage(5000);
    const std::wstring name = L"\\vardek-help.html";
    CHECK(page.size() > name.size() && page.compare(page.size() - name.size(), name.size(), name) == 0,
          "F1 opens the help page beside the program: \"%s\"", Utf8(page).c_str());
    CHECK(GetFileAttributesW(page.c_str()) != INVALID_FILE_ATTRIBUTES, "the page it opens exists");
    CHECK(Settle(s.ruler), "the ruler still answers after F1");
    CHECK(!s.process.WaitForExit(0), "the program still runs after F1");
    CheckBareFrame(s);
}

void CloseTests(Session& s)
{
    BeginGroup("close");
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(s.process.WaitForExit(5000), "closing the ruler ends the program within 5 s");
}

}  // namespace e2e
