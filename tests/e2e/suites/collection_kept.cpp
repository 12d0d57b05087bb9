// The collected line outlives every path that takes the coordinate view away or resets it: a new
// origin, restore, redraw, minimise and the close box. And a restore never takes the view off the
// screen: sampled throughout, the screen keeps showing it where it stood.
#include <algorithm>
#include <string>
#include <vector>

#include "check.h"
#include "function_pattern.h"
#include "ruler.h"
#include "scripted_measurement.h"
#include "session.h"

namespace e2e {
namespace {

std::wstring Number(long value)
{
    return std::to_wstring(value);
}

// The view whether shown or not: the collection can be read from a hidden window too.
HWND AnyCoordView(Session& s)
{
    return FindTopLevel(s.process.Id(), kCoordViewTitle, false);
}

std::wstring CollectedLine(Session& s)
{
    HWND text = ViewControl(AnyCoordView(s), "Text1");
    return text ? TextOf(text) : L"<missing>";
}

void ExpectLineKept(Session& s, const std::wstring& line, const char* after)
{
    WaitUntil([&] { return CollectedLine(s) == line; }, 1000);
    CheckEqual(Format("after %s, Text1 still holds the collected line", after), CollectedLine(s), line);
}

void ExpectCopied(Session& s, const std::wstring& line, const char* after)
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    Click(CenterOnScreen(FindReadout(s, "Label18")));
    WaitUntil([&] { return ClipboardText() == line; }, 3000);
    CheckEqual(Format("after %s, \"コピー\" puts the line on the clipboard", after), ClipboardText(), line);
}

bool TakeSnapshot(Session& s)
{
    Activate(s.ruler);
    Key('G');
    const bool taken = WaitUntil([&] { return CoordViewOf(s) && RulerWhole(s.ruler); }, 5000);
    Settle(s.ruler);
    return taken;
}

// The view's client area on the screen, and the points of it that no control covers: what the screen
// shows there is the view itself, whatever its readouts say.
struct ViewBackground {
    RECT client{};
    std::vector<POINT> points;
    std::vector<COLORREF> colours;

    explicit ViewBackground(HWND view)
    {
        GetClientRect(view, &client);
        MapWindowPoints(view, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        std::vector<RECT> controls;
        for (HWND child : Children(view)) {
            RECT r = WindowRect(child);
            InflateRect(&r, 2, 2);
            controls.push_back(r);
        }
        const ScreenGrab grab(client);
        for (LONG y = client.top + 3; y < client.bottom - 3; y += 9) {
            for (LONG x = client.left + 3; x < client.right - 3; x += 9) {
                const POINT p{x, y};
                bool covered = false;
                for (const RECT& r : controls) {
                    covered = covered || PtInRect(&r, p);
                }
                if (!covered) {
                    points.push_back(p);
                    colours.push_back(grab.At(p));
                }
            }
        }
    }

    // How many of the points show something else now.
    int Changed() const
    {
        const ScreenGrab grab(client);
        int changed = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            changed += grab.At(points[i]) != colours[i];
        }
        return changed;
    }
};

// Clicks the button and samples the screen where the view stands until the click's run has ended.
void RestoreWatched(Session& s, HWND view, const std::wstring& originX)
{
    const RECT place = WindowRect(view);
    const ViewBackground background(view);
    CHECK(background.points.size() > 20, "the view has %d background points to watch",
          static_cast<int>(background.points.size()));
    const RulerBar bar = FindBar(s.ruler);
    int samples = 0;
    int hidden = 0;
    int changedSamples = 0;
    int worst = 0;
    Click(CenterOnScreen(bar.restore));
    const bool done = WaitUntil(
        [&] {
            ++samples;
            hidden += !IsWindowVisible(view);
            const int changed = background.Changed();
            changedSamples += changed > 0;
            worst = std::max(worst, changed);
            // The origin comes back last, after the readouts went to "0".
            return !IsWindowEnabled(bar.redraw) && RulerWhole(s.ruler) && ReadReadout(s, "X1") == L"0" &&
                   ReadReadout(s, "DispX") == originX;
        },
        5000);
    // A little longer: what the restore's last paints put on the screen.
    for (int i = 0; i < 50; ++i) {
        ++samples;
        hidden += !IsWindowVisible(view);
        const int changed = background.Changed();
        changedSamples += changed > 0;
        worst = std::max(worst, changed);
        Pause(2);
    }
    CHECK(done, "\"復元\" brings the origin back");
    CHECK(samples >= 20, "the screen was sampled %d times during the restore", samples);
    CheckEqual("the view stays shown through the restore", hidden, 0);
    Record(changedSamples == 0, "the screen shows the view throughout the restore",
           Format("%d of %d samples differed, at most %d of %d points", changedSamples, samples, worst,
                  static_cast<int>(background.points.size())));
    CheckEqual("the view stays where it stood", WindowRect(view), place);
    CheckEqual("the same view, not a new one", AnyCoordView(s), view);
}

}  // namespace

void CollectionKeptTests(Session& s)
{
    BeginGroup("collection kept");
    CoverWithPattern(s);
    if (!CHECK(TakeSnapshot(s), "a snapshot shows the view")) {
        return;
    }
    MoveViewOffRuler(s);
    HWND view = CoordViewOf(s);
    Click(CenterOnScreen(FindReadout(s, "Label17")));
    CHECK(WaitUntil([&] { return CollectedLine(s).empty(); }, 3000), "\"クリア\" empties Text1");

    const POINT picture = PictureOriginOnScreen(s.ruler);
    const POINT origin{picture.x + 30, picture.y + 40};
    PlacePointer(origin);
    // The origin is where the program last saw the pointer: the move must have reached it first.
    ExpectReadout(s, "GX", Number(origin.x));
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", Number(origin.x));
    PlacePointer({origin.x + 25, origin.y + 12});
    ExpectReadout(s, "X1", L"25");
    for (const char* label : {"DispX", "X1", "Y1"}) {
        Click(CenterOnScreen(FindReadout(s, label)));
    }
    const std::wstring line = Number(origin.x) + L",25,12";
    WaitUntil([&] { return CollectedLine(s) == line; }, 3000);
    CheckEqual("three values collected", CollectedLine(s), line);

    // A new origin: Space clears the measurement back to the frame, the next snapshot and Space set it.
    Activate(s.ruler);
    Key(VK_SPACE);
    CHECK(WaitUntil([&] { return !RulerWhole(s.ruler) && !CoordViewOf(s); }, 5000), "Space clears to the frame");
    ExpectLineKept(s, line, "Space cleared the origin");
    CHECK(TakeSnapshot(s), "a new snapshot");
    CheckEqual("the snapshot shows the same view", CoordViewOf(s), view);
    const POINT second{picture.x + 50, picture.y + 60};
    PlacePointer(second);
    ExpectReadout(s, "GX", Number(second.x));
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", Number(second.x));
    PlacePointer({second.x + 7, second.y + 5});
    ExpectReadout(s, "X1", L"7");
    ExpectLineKept(s, line, "a new origin");
    ExpectCopied(s, line, "a new origin");

    RestoreWatched(s, view, Number(second.x));
    ExpectLineKept(s, line, "a restore");
    CheckEqual("the restore resets X1", ReadReadout(s, "X1"), std::wstring(L"0"));
    ExpectCopied(s, line, "a restore");

    const RulerBar bar = FindBar(s.ruler);
    Activate(s.ruler);
    Key('H');
    CHECK(WaitUntil([&] { return IsWindowEnabled(bar.redraw) && !CoordViewOf(s); }, 5000), "H offers a redraw");
    Click(CenterOnScreen(bar.redraw));
    CHECK(WaitUntil([&] { return !IsWindowEnabled(bar.redraw) && ReadReadout(s, "DispX") == Number(second.x); }, 5000),
          "\"再描写\" brings the origin back");
    CheckEqual("the redraw shows the same view", CoordViewOf(s), view);
    ExpectLineKept(s, line, "a redraw");
    ExpectCopied(s, line, "a redraw");

    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    CHECK(WaitUntil([&] { return IsIconic(s.ruler) && !CoordViewOf(s); }, 5000), "minimised, the view goes");
    ExpectLineKept(s, line, "minimising");
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_RESTORE, 0);
    CHECK(WaitUntil([&] { return !IsIconic(s.ruler) && CoordViewOf(s) == view; }, 5000),
          "restored, the same view comes back");
    Settle(s.ruler);
    ExpectLineKept(s, line, "minimising and restoring");
    ExpectCopied(s, line, "minimising and restoring");

    const RECT place = WindowRect(view);
    PostMessageW(view, WM_CLOSE, 0, 0);
    CHECK(WaitUntil([&] { return !CoordViewOf(s); }, 5000), "the close box takes the view off the screen");
    ExpectLineKept(s, line, "the close box");
    Activate(s.ruler);
    Key('H');
    CHECK(WaitUntil([&] { return IsWindowEnabled(bar.redraw) && !RulerWhole(s.ruler); }, 5000), "H cancels");
    Settle(s.ruler);
    CHECK(TakeSnapshot(s), "a snapshot after the close box");
    CheckEqual("the same view comes back", CoordViewOf(s), view);
    CheckEqual("where it was closed", WindowRect(view), place);
    CheckEqual("with its readouts reset", ReadReadout(s, "DispX"), std::wstring(L"0"));
    ExpectLineKept(s, line, "the close box and a snapshot");

    Activate(s.ruler);
    Key('H');
    CHECK(WaitUntil([&] { return !RulerWhole(s.ruler) && !CoordViewOf(s); }, 5000), "H returns to the frame");
    Settle(s.ruler);
}

}  // namespace e2e
