// A whole measurement through real input: the snapshot of a known pattern, pointer readouts, the
// origin and both points with their guide lines, colours, arrow steps and the edge jump; then
// restore, redraw, the collection of values and the clipboard.
#include <string>
#include <vector>

#include "check.h"
#include "function_pattern.h"
#include "ruler.h"
#include "scripted_measurement.h"
#include "session.h"

namespace e2e {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 0xC0, 0);

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring Number(long value)
{
    return std::to_wstring(value);
}

POINT PictureOrigin(Session& s)
{
    POINT origin{0, 0};
    ClientToScreen(FindPicture(s.ruler), &origin);
    return origin;
}

POINT At(POINT origin, int dx, int dy)
{
    return {origin.x + dx, origin.y + dy};
}

bool RegionWhole(HWND ruler)
{
    return ReadRegionRects(ruler).size() == 1;
}

HGLOBAL GlobalText(const std::wstring& text)
{
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    return memory;
}

// The state of one measurement, carried from group to group.
struct Measurement {
    POINT origin{};  // picture (0, 0) on the screen
    POINT originPoint{};
};

Measurement g_measure;
FunctionPattern* g_pattern = nullptr;

void CoverRuler(Session& s, FunctionPattern& pattern)
{
    RECT r = WindowRect(s.ruler);
    InflateRect(&r, 40, 40);
    pattern.Cover(r);
    Settle(s.ruler);
}

}  // namespace

void SnapshotTests(Session& s)
{
    BeginGroup("snapshot");
    static FunctionPattern pattern(0);
    g_pattern = &pattern;
    s.pattern.Cover({0, 0, 0, 0});
    CoverRuler(s, pattern);
    const RulerBar bar = FindBar(s.ruler);
    CHECK(Activate(s.ruler), "the ruler is the foreground window");
    Key('G');
    CHECK(WaitUntil([&] { return CoordViewVisible(s.process.Id()) && RegionWhole(s.ruler); }, 5000),
          "G shows the coordinate view and makes the ruler whole");
    Settle(s.ruler);
    CHECK(!IsTopMost(s.ruler), "the ruler has left the topmost band");
    CHECK(CoordViewOf(s) && IsTopMost(CoordViewOf(s)), "the coordinate view is topmost");
    CheckViewDrawnAbove(s, "after G");
    CHECK(!IsWindowEnabled(bar.redraw), "\"再描写\" is disabled by the snapshot");
    CheckEqual("the picture has the keyboard focus", FocusOf(s.ruler), FindPicture(s.ruler));

    pattern.Hide();
    Settle(s.ruler);
    Pause(300);
    const POINT origin = PictureOrigin(s);
    g_measure.origin = origin;
    RECT area;
    GetClientRect(FindPicture(s.ruler), &area);
    OffsetRect(&area, origin.x, origin.y);
    const ScreenGrab grab(area);
    // Where the view lies over the picture the screen shows the view: on a desk of real X windows
    // Wine draws them in their order, as Windows does.
    const RECT viewRect = WindowRect(CoordViewOf(s));
    int differing = 0;
    POINT firstDiffering{-1, -1};
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (!PtInRect(&viewRect, {x, y}) && grab.At({x, y}) != pattern.At({x, y})) {
                if (differing++ == 0) {
                    firstDiffering = {x, y};
                }
            }
        }
    }
    CheckEqual(Format("every pixel of the %ld x %ld picture shows what lay under the opening", area.right - area.left,
                      area.bottom - area.top),
               differing, 0);
    if (differing) {
        Log("  first differing pixel %s", DescribePoint(firstDiffering).c_str());
    }
}

void ReadoutTests(Session& s)
{
    BeginGroup("pointer readouts and keys");
    const POINT o = g_measure.origin;
    const RulerBar bar = FindBar(s.ruler);
    FunctionPattern& pattern = *g_pattern;

    PlacePointer(At(o, 40, 30));
    const POINT p0 = At(o, 40, 30);
    ExpectReadout(s, "GX", Number(p0.x));
    ExpectReadout(s, "GY", Number(p0.y));
    CheckEqual("the coordinate line", TextOf(bar.coordLine), Wide(Format("(%ld,%ld)", p0.x, p0.y)));

    Key(VK_SPACE);
    ExpectReadout(s, "DispX", Number(p0.x));
    ExpectReadout(s, "DispY", Number(p0.y));
    g_measure.originPoint = p0;
    CheckEqual("the remembered origin", TextOf(bar.prev), Wide(Format("%03ld,%03ld", p0.x, p0.y)));
    CHECK(IsWindowEnabled(bar.restore), "\"復元\" is enabled by the origin");
    Settle(s.ruler);
    CheckEqual("a red vertical guide through the origin", PixelAt(At(o, 40, 120)), kRed);
    CheckEqual("a red horizontal guide through the origin", PixelAt(At(o, 130, 30)), kRed);

    PlacePointer(At(o, 90, 70));
    ExpectReadout(s, "X1", L"50");
    ExpectReadout(s, "Y1", L"40");
    WaitUntil([&] { return TextOf(bar.coordLine) == Wide(Format("(%ld,%ld) <50,40>", o.x + 90, o.y + 70)); }, 2000);
    CheckEqual("the long coordinate line", TextOf(bar.coordLine),
               Wide(Format("(%ld,%ld) <50,40>", o.x + 90, o.y + 70)));
    Key('B');
    Settle(s.ruler);
    CheckEqual("a blue guide through the first point", PixelAt(At(o, 90, 150)), kBlue);

    PlacePointer(At(o, 150, 110));
    ExpectReadout(s, "X2", L"110");
    ExpectReadout(s, "Y2", L"80");
    ExpectReadout(s, "SW", L"60");
    ExpectReadout(s, "SH", L"40");
    CheckEqual("X1 keeps the first point", ReadReadout(s, "X1"), std::wstring(L"50"));
    Key('B');
    Settle(s.ruler);
    CheckEqual("a green guide through the second point", PixelAt(At(o, 150, 200)), kGreen);
    PlacePointer(At(o, 170, 120));
    ExpectReadout(s, "GX", Number(o.x + 170));
    CheckEqual("the second point stays fixed", ReadReadout(s, "X2"), std::wstring(L"110"));

    const POINT sample = At(o, 200, 20);
    Click(sample);
    const COLORREF c = pattern.At(sample);
    ExpectReadout(s, "CR", Number(GetRValue(c)));
    ExpectReadout(s, "CG", Number(GetGValue(c)));
    ExpectReadout(s, "CB", Number(GetBValue(c)));

    Key('N');
    Settle(s.ruler);
    const POINT followed = At(o, 230, 50);
    PlacePointer(followed);
    const COLORREF f = pattern.At(followed);
    ExpectReadout(s, "CR", Number(GetRValue(f)));
    ExpectReadout(s, "CB", Number(GetBValue(f)));
    Key('N');

    const POINT before = CursorNow();
    Key(VK_RIGHT, true);
    PointerReaches({before.x + 1, before.y});
    CheckEqual("the right arrow moves the real pointer one pixel", CursorNow(), POINT{before.x + 1, before.y});
    ExpectReadout(s, "GX", Number(before.x + 1));
    Key(VK_UP, true);
    PointerReaches({before.x + 1, before.y - 1});
    CheckEqual("the up arrow moves it one pixel up", CursorNow(), POINT{before.x + 1, before.y - 1});

    const POINT start = At(o, 200, 50);
    PlacePointerSeen(s, start);
    ExpectReadout(s, "GX", Number(start.x));
    const LONG edge = pattern.NextEdgeRight(start.x);
    KeyChord(VK_SHIFT, VK_RIGHT, true);
    PointerReaches({edge, start.y});
    CheckEqual(Format("Shift with the right arrow lands on the colour edge %ld pixels on", edge - start.x), CursorNow(),
               POINT{edge, start.y});
    ExpectReadout(s, "GX", Number(edge));
}

void RestoreAndCollectTests(Session& s)
{
    BeginGroup("restore and collection");
    const POINT o = g_measure.origin;
    const POINT origin = g_measure.originPoint;
    const RulerBar bar = FindBar(s.ruler);
    FunctionPattern& pattern = *g_pattern;

    Click(CenterOnScreen(bar.restore));
    CHECK(WaitUntil(
              [&] {
                  return !IsWindowEnabled(bar.redraw) && CoordViewVisible(s.process.Id()) &&
                         ReadReadout(s, "DispX") == Number(origin.x);
              },
              5000),
          "\"復元\" brings the origin back");
    Settle(s.ruler);
    Pause(300);
    CheckEqual("the blue guide is gone", PixelAt(At(o, 90, 150)), pattern.At(At(o, 90, 150)));
    CheckEqual("the green guide is gone", PixelAt(At(o, 150, 200)), pattern.At(At(o, 150, 200)));
    CheckEqual("the red guide is back", PixelAt(At(o, 40, 120)), kRed);
    CheckEqual("elsewhere the stored snapshot shows", PixelAt(At(o, 300, 200)), pattern.At(At(o, 300, 200)));
    CHECK(IsWindowEnabled(bar.restore), "\"復元\" stays enabled");
    CheckEqual("X1 is reset", ReadReadout(s, "X1"), std::wstring(L"0"));

    PlacePointer(At(o, 60, 45));
    ExpectReadout(s, "X1", L"20");
    ExpectReadout(s, "Y1", L"15");
    for (const char* label : {"DispX", "X1", "Y1"}) {
        Click(CenterOnScreen(FindReadout(s, label)));
    }
    const std::wstring line = Number(origin.x) + L",20,15";
    WaitUntil([&] { return ReadReadout(s, "Text1") == line; }, 3000);
    CheckEqual("clicks on value labels collect their values", ReadReadout(s, "Text1"), line);
    Settle(s.ruler);
    CheckEqual("the keyboard goes back to the ruler's picture", FocusOf(s.ruler), FindPicture(s.ruler));

    // Another program's copy left text and a richer format; ours must replace both.
    const UINT rich = RegisterClipboardFormatW(L"VardekE2E.Rich");
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, GlobalText(L"earlier"));
        SetClipboardData(rich, GlobalText(L"rich"));
        CloseClipboard();
    }
    Click(CenterOnScreen(FindReadout(s, "Label18")));
    WaitUntil([&] { return ClipboardText() == line; }, 3000);
    CheckEqual("\"コピー\" puts the line on the clipboard", ClipboardText(), line);
    CHECK(!IsClipboardFormatAvailable(rich), "no format of the earlier copy is left");

    // A clipboard held open by another program: the copy gives up quietly, the program stays responsive.
    Click(CenterOnScreen(FindReadout(s, "CR")));
    const std::wstring longer = line + L"," + ReadReadout(s, "CR");
    WaitUntil([&] { return ReadReadout(s, "Text1") == longer; }, 3000);
    if (CHECK(OpenClipboard(nullptr), "the driver holds the clipboard")) {
        Click(CenterOnScreen(FindReadout(s, "Label18")));
        Pause(1200);
        CHECK(Settle(s.ruler, 2000), "the program answers while the clipboard is held");
        CheckEqual("the collected text is kept", ReadReadout(s, "Text1"), longer);
        CloseClipboard();
    }
    CheckEqual("the clipboard still holds the earlier copy", ClipboardText(), line);
    Click(CenterOnScreen(FindReadout(s, "Label18")));
    WaitUntil([&] { return ClipboardText() == longer; }, 3000);
    CheckEqual("a later \"コピー\" succeeds", ClipboardText(), longer);
}

void RedrawTests(Session& s)
{
    BeginGroup("redraw");
    const POINT o = g_measure.origin;
    const POINT origin = g_measure.originPoint;
    const RulerBar bar = FindBar(s.ruler);
    static FunctionPattern changed(1);

    CHECK(Activate(s.ruler), "the ruler is the foreground window");
    Key('H');
    CHECK(WaitUntil([&] { return IsWindowEnabled(bar.redraw) && !RegionWhole(s.ruler); }, 5000),
          "H returns to the frame and offers \"再描写\"");
    Settle(s.ruler);
    CoverRuler(s, changed);
    Click(CenterOnScreen(bar.redraw));
    CHECK(WaitUntil(
              [&] {
                  return !IsWindowEnabled(bar.redraw) && RegionWhole(s.ruler) &&
                         ReadReadout(s, "DispX") == Number(origin.x);
              },
              5000),
          "\"再描写\" brings the origin back on a fresh snapshot");
    changed.Hide();
    Settle(s.ruler);
    Pause(300);
    CheckEqual("the picture shows the desktop as it is now", PixelAt(At(o, 300, 200)), changed.At(At(o, 300, 200)));
    CheckEqual("the red guide is drawn over it", PixelAt(At(o, 40, 120)), kRed);

    // Space clears the measurement and returns to the frame with the focus on "写す".
    PlacePointer(At(o, 80, 80));
    ExpectReadout(s, "GX", Number(o.x + 80));
    CHECK(Activate(s.ruler), "the ruler is the foreground window");
    Key(VK_SPACE);
    CHECK(WaitUntil([&] { return !RegionWhole(s.ruler) && !CoordViewVisible(s.process.Id()); }, 5000),
          "space returns to the see-through frame and closes the view");
    Settle(s.ruler);
    CheckEqual("the focus rests on \"写す\"", FocusOf(s.ruler), bar.copy);
    CheckEqual("the remembered origin is kept", TextOf(bar.prev), Wide(Format("%03ld,%03ld", origin.x, origin.y)));
    CHECK(IsTopMost(s.ruler), "the ruler is topmost again");
}

}  // namespace e2e
