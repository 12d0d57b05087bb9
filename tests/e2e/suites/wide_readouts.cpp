#include "wide_readouts.h"

#include <string>

#include "check.h"
#include "function_pattern.h"
#include "health.h"
#include "label_ink.h"
#include "platform/units.h"
#include "ruler.h"
#include "screenshot.h"
#include "scripted_measurement.h"
#include "windows/definition.h"

namespace e2e {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
// How far inside the visible picture the far points and the origin lie.
constexpr int kInset = 10;
// The tall placement starts this far down, so that its picture reaches the screen's last rows.
constexpr int kTallTop = 100;

std::wstring Number(long value)
{
    return std::to_wstring(value);
}

std::wstring Line(POINT p, POINT origin)
{
    return L"(" + Number(p.x) + L"," + Number(p.y) + L") <" + Number(p.x - origin.x) + L"," + Number(p.y - origin.y) +
           L">";
}

RECT ScreenRect()
{
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The picture's drawing area on the screen, and as far as it shows there.
RECT PictureOnScreen(HWND ruler)
{
    HWND picture = FindPicture(ruler);
    RECT area{};
    GetClientRect(picture, &area);
    MapWindowPoints(picture, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

RECT VisiblePicture(HWND ruler)
{
    RECT area = PictureOnScreen(ruler);
    const RECT screen = ScreenRect();
    IntersectRect(&area, &area, &screen);
    return area;
}

// Back to the bare frame with the ruler's outer corners at `outer`.
bool PlaceFrame(Session& s, const RECT& outer)
{
    const RECT window = WindowRect(s.ruler);
    const SIZE client = ClientSize(s.ruler);
    const POINT origin = ClientOriginInWindow(s.ruler);
    const LONG rightEdge = window.right - window.left - origin.x - client.cx;
    const LONG bottomEdge = window.bottom - window.top - origin.y - client.cy;
    return BackToFrame(
        s, {outer.left + origin.x, outer.top + origin.y, outer.right - rightEdge, outer.bottom - bottomEdge});
}

// Lays the pattern and a white square at `white` under the ruler, then takes a snapshot with `key`:
// G, or C to bring the remembered origin back on it. True once the view shows and the ruler is whole.
bool Snapshot(Session& s, WORD key, POINT white, POINT origin)
{
    FunctionPattern pattern(0);
    PatternWindow whiteSquare(kWhite);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    pattern.Cover(cover);
    whiteSquare.Cover({white.x - 16, white.y - 16, white.x + 16, white.y + 16});
    Settle(s.ruler);
    CHECK(Activate(s.ruler), "the ruler is the foreground window");
    Key(key);
    const bool taken = WaitUntil(
        [&] {
            return CoordViewOf(s) && RulerWhole(s.ruler) && (key != 'C' || ReadReadout(s, "DispX") == Number(origin.x));
        },
        5000);
    Settle(s.ruler);
    MoveViewOffRuler(s);
    // The picture must show what lay under it, near its corners and in its middle, away from the
    // white square, the view and the origin's guides.
    const RECT picture = VisiblePicture(s.ruler);
    const RECT viewRect = WindowRect(CoordViewOf(s));
    const RECT square{white.x - 20, white.y - 20, white.x + 20, white.y + 20};
    const POINT samples[] = {{picture.left + kInset, picture.top + kInset},
                             {(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2},
                             {picture.right - 1 - 2 * kInset, picture.bottom - 1 - 2 * kInset}};
    for (const POINT p : samples) {
        if (!PtInRect(&viewRect, p) && !PtInRect(&square, p) && (key != 'C' || (p.x != origin.x && p.y != origin.y))) {
            CheckEqual(Format("the snapshot shows the pattern at %s", DescribePoint(p).c_str()), PixelAt(p),
                       pattern.At(p));
        }
    }
    if (!CheckViewDrawnAbove(s, "after the snapshot")) {
        // One real change of the window order makes Wine draw the view where it stacks, so that the
        // text checks below read the view's own pixels.
        HWND view = CoordViewOf(s);
        SetWindowPos(view, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(view, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Settle(view);
        Log("  the driver raised the coordinate view");
    }
    return taken;
}

bool BackToBareFrame(Session& s)
{
    Activate(s.ruler);
    Key('H');
    const bool framed = WaitUntil([&] { return !RulerWhole(s.ruler) && !CoordViewOf(s); }, 5000);
    Settle(s.ruler);
    return framed;
}

class TextChecks {
public:
    explicit TextChecks(Session& s) : s_(s) {}

    void Readout(const char* name)
    {
        HWND view = CoordViewOf(s_);
        CheckTextWhole(Format("%s shows whole inside its frame", name), ViewControl(view, name),
                       LookOf(vardek::Form2Definition(), name, DpiOf(view)));
    }
    void Ruler(const char* name, const char* what)
    {
        CheckTextWhole(what, RulerControl(s_.ruler, name), LookOf(vardek::Form1Definition(), name, DpiOf(s_.ruler)));
    }

private:
    Session& s_;
};

// The pointer at a point of the picture, and the coordinate line it must bring.
bool PointAt(Session& s, POINT p, POINT origin)
{
    CHECK(PlacePointer(p), "the pointer is placed at %s", DescribePoint(p).c_str());
    HWND line = FindBar(s.ruler).coordLine;
    WaitUntil([&] { return TextOf(line) == Line(p, origin); }, 3000);
    return CheckEqual("the coordinate line", TextOf(line), Line(p, origin));
}

// The ruler taller than the screen: its bar lies below it, and the pointer reaches four-digit rows.
bool TallPhase(Session& s, POINT& origin)
{
    BeginGroup("widest values: origin in the far corner");
    const RECT screen = ScreenRect();
    PlaceFrame(s, {0, kTallTop, screen.right, kTallTop + screen.bottom});
    // The picture ends at the screen's bottom edge, not beyond: under Wine a copy of the screen that
    // reaches past the screen's edge comes out black.
    const LONG overshoot = PictureOnScreen(s.ruler).bottom - screen.bottom;
    PlaceFrame(s, {0, kTallTop - overshoot, screen.right, kTallTop - overshoot + screen.bottom});
    const RECT picture = VisiblePicture(s.ruler);
    origin = {picture.right - 1 - kInset, picture.bottom - 1 - kInset};
    if (!CHECK(origin.x >= 1000 && origin.y >= 1000, "the picture %s reaches four-digit places both ways",
               DescribeRect(picture).c_str())) {
        return false;
    }
    if (!CHECK(Snapshot(s, 'G', {(picture.left + picture.right) / 2 + 40, (picture.top + picture.bottom) / 2 + 40},
                        origin),
               "G takes a snapshot of the screen-wide picture")) {
        return false;
    }

    TextChecks text(s);
    CHECK(PlacePointer(origin), "the pointer is placed at %s", DescribePoint(origin).c_str());
    ExpectReadout(s, "GX", Number(origin.x));
    ExpectReadout(s, "GY", Number(origin.y));
    text.Readout("GX");
    text.Readout("GY");
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", Number(origin.x));
    ExpectReadout(s, "DispY", Number(origin.y));
    text.Readout("DispX");
    text.Readout("DispY");
    return CHECK(BackToBareFrame(s), "H returns to the bare frame");
}

// The ruler as large as the screen with its bar on it: "再描写" brings the far origin back, and the
// points at the other end give negative four-digit values.
void WidePhase(Session& s, POINT origin, const std::wstring& shotPrefix)
{
    BeginGroup("widest values: points at the other end");
    const RECT screen = ScreenRect();
    PlaceFrame(s, screen);
    const RulerBar bar = FindBar(s.ruler);
    CHECK(bar.Complete() && WindowRect(bar.coordLine).bottom <= screen.bottom, "the bar lies on the screen");
    const RECT picture = VisiblePicture(s.ruler);
    const POINT white{picture.left + (picture.right - picture.left) / 4,
                      picture.top + (picture.bottom - picture.top) * 3 / 4};
    if (!CHECK(Snapshot(s, 'C', white, origin), "C takes a fresh snapshot with the origin %s",
               DescribePoint(origin).c_str())) {
        return;
    }

    TextChecks text(s);
    const std::wstring prev = Number(origin.x) + L"," + Number(origin.y);
    CheckEqual("the remembered origin", TextOf(bar.prev), prev);
    text.Ruler("Prev", "the remembered origin shows whole inside its frame");

    const POINT farEnd{picture.left + kInset, picture.top + kInset};
    PointAt(s, farEnd, origin);
    ExpectReadout(s, "X1", Number(farEnd.x - origin.x));
    ExpectReadout(s, "Y1", Number(farEnd.y - origin.y));
    text.Readout("X1");
    text.Readout("Y1");
    text.Ruler("Label1", "the coordinate line shows whole before the window's right edge");

    Click(white);
    for (const char* colour : {"CR", "CG", "CB"}) {
        ExpectReadout(s, colour, L"255");
        text.Readout(colour);
    }

    // The first point next to the origin, the second at the far end: the size is negative four digits too.
    const POINT nearOrigin{origin.x - 3, picture.bottom - 1 - kInset};
    PointAt(s, nearOrigin, origin);
    ExpectReadout(s, "X1", Number(nearOrigin.x - origin.x));
    Settle(s.ruler);
    Key('B');
    Settle(s.ruler);
    PointAt(s, farEnd, origin);
    ExpectReadout(s, "X2", Number(farEnd.x - origin.x));
    ExpectReadout(s, "Y2", Number(farEnd.y - origin.y));
    ExpectReadout(s, "SW", Number(farEnd.x - nearOrigin.x));
    ExpectReadout(s, "SH", Number(farEnd.y - nearOrigin.y));
    for (const char* name : {"X2", "Y2", "SW", "SH"}) {
        text.Readout(name);
    }
    text.Ruler("Label1", "the coordinate line shows whole before the window's right edge");
    RequestScreenshot(shotPrefix + L"measurement");
    CHECK(BackToBareFrame(s), "H returns to the bare frame");
}

// The ruler at the size its definition gives, in the screen's top left corner: the line with the far
// origin must end inside the window.
void DefaultSizePhase(Session& s, POINT origin, const std::wstring& shotPrefix)
{
    BeginGroup("widest values: the coordinate line at the default size");
    const int dpi = DpiOf(s.ruler);
    const vardek::TwipRect& defined = vardek::Form1Definition().client;
    const SIZE size{vardek::TwipsToPixels(defined.width, dpi), vardek::TwipsToPixels(defined.height, dpi)};
    const POINT corner = ClientOriginInWindow(s.ruler);
    BackToFrame(s, {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy});
    CheckEqual("the client has the definition's size", POINT{ClientSize(s.ruler).cx, ClientSize(s.ruler).cy},
               POINT{size.cx, size.cy});
    // No white square here: it lies off the screen.
    if (!CHECK(Snapshot(s, 'C', {-100, -100}, origin), "C brings the far origin back at the default size")) {
        return;
    }

    TextChecks text(s);
    const RECT picture = VisiblePicture(s.ruler);
    const POINT point{picture.left + 34, picture.top + 5};
    PointAt(s, point, origin);
    ExpectReadout(s, "X1", Number(point.x - origin.x));
    ExpectReadout(s, "Y1", Number(point.y - origin.y));
    text.Ruler("Label1", "the coordinate line shows whole before the window's right edge");
    text.Ruler("Prev", "the remembered origin shows whole inside its frame");

    // The values collected from the view and copied, for the screenshot of a collection. The line
    // lives as long as the program, so it starts afresh here.
    Click(CenterOnScreen(FindReadout(s, "Label17")));
    WaitUntil([&] { return ReadReadout(s, "Text1").empty(); }, 3000);
    const char* collected[] = {"DispX", "DispY", "X1", "Y1"};
    std::wstring line;
    for (const char* name : collected) {
        line += (line.empty() ? L"" : L",") + ReadReadout(s, name);
        Click(CenterOnScreen(FindReadout(s, name)));
    }
    WaitUntil([&] { return ReadReadout(s, "Text1") == line; }, 3000);
    CheckEqual("the collected values", ReadReadout(s, "Text1"), line);
    Click(CenterOnScreen(FindReadout(s, "Label18")));
    WaitUntil([&] { return ClipboardText() == line; }, 3000);
    CheckEqual("\"コピー\" copies them", ClipboardText(), line);
    RequestScreenshot(shotPrefix + L"collection");
    CHECK(BackToBareFrame(s), "H returns to the bare frame");
}

}  // namespace

void WideReadoutTests(Session& s, const wchar_t* shotPrefix)
{
    POINT origin{};
    if (!TallPhase(s, origin)) {
        return;
    }
    WidePhase(s, origin, shotPrefix);
    DefaultSizePhase(s, origin, shotPrefix);
}

}  // namespace e2e
