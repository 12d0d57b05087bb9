// A soak of random real input: keys of the keyboard table with and without modifiers, other keys,
// pointer moves and clicks on and off the picture and on both windows' controls, resizes from
// nothing to larger than the screen, minimise and restore, the coordinate view closed, activation
// changes. Afterwards the program must run, hold exactly as many of its own objects as before in
// the same state, and measure exactly.
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "check.h"
#include "health.h"
#include "modes.h"
#include "monitor_change.h"
#include "ruler.h"
#include "scripted_measurement.h"

namespace e2e {
namespace {

constexpr RECT kHome{200, 160, 200 + 420, 160 + 320};
// The counts are the program's own: once the coordinate view is made it lives as long as the
// program, so in the frame after any inputs they are exactly what they were before.
constexpr long kCountSlack = 0;

struct KeyChoice {
    WORD vk;
    bool extended;
};
// The keyboard table's keys (F1 left out: it starts a browser), and some that it ignores.
constexpr KeyChoice kKeys[] = {
    {VK_SPACE, false}, {VK_LEFT, true}, {VK_RIGHT, true},   {VK_UP, true},   {VK_DOWN, true},   {'B', false},
    {'N', false},      {'V', false},    {'C', false},       {'H', false},    {'G', false},      {'A', false},
    {'X', false},      {'7', false},    {VK_RETURN, false}, {VK_TAB, false}, {VK_ESCAPE, false}};
constexpr WORD kModifiers[] = {0, 0, 0, VK_SHIFT, VK_CONTROL, VK_MENU};

class Soak {
public:
    Soak(Session& s, unsigned seed) : s_(s), random_(seed) {}

    // One random input; returns its description.
    std::string Step()
    {
        const int roll = Below(100);
        if (roll < 40) {
            return PressKey();
        }
        if (roll < 60) {
            return MovePointer();
        }
        if (roll < 78) {
            return ClickSomewhere();
        }
        if (roll < 86) {
            return Resize();
        }
        if (roll < 90) {
            return MinimiseOrRestore();
        }
        if (roll < 93) {
            return CloseView();
        }
        return ChangeActivation();
    }

    // Menu mode (Alt alone, or a system menu) would swallow the keys that follow: leave it.
    void LeaveMenuMode()
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(s_.ruler, nullptr), &info) &&
            (info.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE | GUI_POPUPMENUMODE))) {
            Key(VK_ESCAPE);
        }
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    // One of the desk's monitors; with only one, no draw, so that a seed's run is as it was.
    RECT SomeMonitor()
    {
        const std::vector<RECT> monitors = Monitors();
        return monitors.size() == 1 ? monitors[0]
                                    : monitors[static_cast<std::size_t>(Below(static_cast<int>(monitors.size())))];
    }

    POINT Inside(const RECT& r) { return {Between(r.left, r.right - 1), Between(r.top, r.bottom - 1)}; }

    RECT PictureOnScreen()
    {
        HWND picture = FindPicture(s_.ruler);
        RECT r{};
        if (!picture) {
            return r;
        }
        GetClientRect(picture, &r);
        MapWindowPoints(picture, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // A point on the screen that is not on either window's frame or caption, whose buttons would
    // close or resize them; none when a window in change covers the screen with its frame.
    std::optional<POINT> Anywhere()
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            const POINT p = Inside(SomeMonitor());
            if (InClientOrElsewhere(p)) {
                return p;
            }
        }
        return std::nullopt;
    }

    bool InClientOrElsewhere(POINT p)
    {
        HWND root = GetAncestor(WindowFromPoint(p), GA_ROOT);
        if (root != s_.ruler && root != CoordViewOf(s_)) {
            return true;
        }
        POINT client = p;
        ScreenToClient(root, &client);
        RECT area;
        GetClientRect(root, &area);
        return PtInRect(&area, client) != FALSE;
    }

    std::string PressKey()
    {
        if (Below(2) == 0) {
            SetForegroundWindow(s_.ruler);
        }
        const KeyChoice key = kKeys[Below(std::size(kKeys))];
        WORD modifier = kModifiers[Below(std::size(kModifiers))];
        // Alt with space opens the system menu, whose letters would close the window.
        if (modifier == VK_MENU && key.vk == VK_SPACE) {
            modifier = 0;
        }
        std::vector<INPUT> inputs;
        auto add = [&](WORD vk, bool extended, bool up) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        };
        if (modifier) {
            add(modifier, false, false);
        }
        add(key.vk, key.extended, false);
        add(key.vk, key.extended, true);
        if (modifier) {
            add(modifier, false, true);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        return Format("key %02X with %02X", key.vk, modifier);
    }

    std::string MovePointer()
    {
        const RECT picture = PictureOnScreen();
        const std::optional<POINT> p = Below(3) > 0 && !IsRectEmpty(&picture) ? Inside(picture) : Anywhere();
        if (!p) {
            return "move skipped";
        }
        SetCursorPos(p->x, p->y);
        return "move to " + DescribePoint(*p);
    }

    std::string ClickSomewhere()
    {
        const int where = Below(4);
        std::vector<HWND> targets;
        if (where == 1) {
            const RulerBar bar = FindBar(s_.ruler);
            targets = {bar.copy, bar.cancel, bar.redraw, bar.restore, bar.prev};
        } else if (where == 2) {
            if (HWND view = CoordViewOf(s_)) {
                targets = Children(view);
            }
        }
        const RECT picture = PictureOnScreen();
        std::optional<POINT> p;
        if (HWND target = targets.empty() ? nullptr : targets[Below(static_cast<int>(targets.size()))]) {
            p = CenterOnScreen(target);
        } else if (where == 0 && !IsRectEmpty(&picture)) {
            p = Inside(picture);
        } else {
            p = Anywhere();
        }
        // A control can lie under the other window's frame: never click a caption or a frame.
        if (!p || !InClientOrElsewhere(*p)) {
            return "click skipped";
        }
        // Not Click(): it waits for the pointer to stay, and keys of the soak may be moving it.
        SetCursorPos(p->x, p->y);
        Pause(5);
        INPUT buttons[2]{};
        buttons[0].type = buttons[1].type = INPUT_MOUSE;
        buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, buttons, sizeof(INPUT));
        return "click at " + DescribePoint(*p);
    }

    std::string Resize()
    {
        const RECT monitor = SomeMonitor();
        const int screenWidth = monitor.right - monitor.left;
        const int screenHeight = monitor.bottom - monitor.top;
        RECT r{};
        const int kind = Below(5);
        switch (kind) {
            case 0:  // down to nothing, anywhere
                r.left = Between(-100, screenWidth - 50);
                r.top = Between(-50, screenHeight - 50);
                r.right = r.left + Between(0, 60);
                r.bottom = r.top + Between(0, 60);
                break;
            case 1:  // larger than the screen
                r.left = Between(-300, 100);
                r.top = Between(-200, 100);
                r.right = r.left + Between(screenWidth, screenWidth + 500);
                r.bottom = r.top + Between(screenHeight, screenHeight + 400);
                break;
            case 2:  // home again, where most of the rest can reach it
                r = {196, 137, 196 + 428, 137 + 347};
                break;
            default:  // an ordinary size on the screen
                r.left = Between(0, screenWidth - 300);
                r.top = Between(0, screenHeight - 300);
                r.right = r.left + Between(120, 700);
                r.bottom = r.top + Between(40, 600);
                break;
        }
        if (kind != 2) {
            OffsetRect(&r, monitor.left, monitor.top);
        }
        SetWindowPos(s_.ruler, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return "place at " + DescribeRect(r);
    }

    std::string MinimiseOrRestore()
    {
        const WPARAM command = IsIconic(s_.ruler) || IsZoomed(s_.ruler) ? SC_RESTORE
                               : Below(4) == 0                          ? SC_MAXIMIZE
                                                                        : SC_MINIMIZE;
        PostMessageW(s_.ruler, WM_SYSCOMMAND, command, 0);
        return command == SC_RESTORE ? "restore" : command == SC_MAXIMIZE ? "maximise" : "minimise";
    }

    std::string CloseView()
    {
        HWND view = CoordViewOf(s_);
        if (!view) {
            return "no view to close";
        }
        PostMessageW(view, WM_CLOSE, 0, 0);
        return "close the coordinate view";
    }

    std::string ChangeActivation()
    {
        HWND view = CoordViewOf(s_);
        if (view && Below(2) == 0) {
            SetForegroundWindow(view);
            return "activate the coordinate view";
        }
        if (Below(2) == 0) {
            SetForegroundWindow(GetDesktopWindow());
            return "activate the desktop";
        }
        SetForegroundWindow(s_.ruler);
        return "activate the ruler";
    }

    Session& s_;
    std::mt19937 random_;
};

}  // namespace

void SoakTests(Session& s, int count, unsigned seed)
{
    BeginGroup("soak: start-up");
    Log("soak: seed %u, %d inputs", seed, count);
    if (!StartProgram(s)) {
        return;
    }
    // The first snapshot and view create what later ones reuse: count after one round trip.
    ScriptedMeasurement(s, "before the soak");
    CHECK(BackToFrame(s, kHome), "the bare frame before the soak");
    const LiveCounts before = ReadLiveCounts(s.ruler);
    Log("soak: live objects before: %s", DescribeCounts(before).c_str());

    BeginGroup("soak: random input");
    Soak soak(s, seed);
    std::deque<std::string> recent;
    int done = 0;
    bool alive = true;
    // How often the input left the program measuring or minimised: a soak that never got there proves little.
    int snapshots = 0;
    int minimised = 0;
    for (; done < count && alive; ++done) {
        const ULONGLONG started = GetTickCount64();
        recent.push_back(soak.Step());
        if (GetTickCount64() - started > 1000) {
            Log("soak: input %d took %llu ms: %s", done, GetTickCount64() - started, recent.back().c_str());
        }
        if (recent.size() > 12) {
            recent.pop_front();
        }
        Pause(done % 4 == 0 ? 40 : 5);
        soak.LeaveMenuMode();
        snapshots += RulerWhole(s.ruler) ? 1 : 0;
        minimised += IsIconic(s.ruler) ? 1 : 0;
        if (done % 50 == 49) {
            alive = !s.process.WaitForExit(0) && Settle(s.ruler, 5000);
            if (done % 500 == 499) {
                Log("soak: %d inputs", done + 1);
            }
        }
    }
    if (!CHECK(alive, "the program lives and answers through %d random inputs (seed %u)", done, seed)) {
        for (const std::string& step : recent) {
            Log("  recent input: %s", step.c_str());
        }
    }
    if (!alive) {
        return;
    }
    Log("soak: after %d of the inputs the ruler showed a snapshot, after %d it was minimised", snapshots, minimised);
    CHECK(snapshots > 0 && minimised > 0, "the inputs reached both the snapshot and the minimised state");

    BeginGroup("soak: afterwards");
    CheckHealthy(s, "after the soak");
    CHECK(BackToFrame(s, kHome), "the bare frame after the soak");
    const LiveCounts after = ReadLiveCounts(s.ruler);
    Log("soak: live objects after: %s", DescribeCounts(after).c_str());
    for (size_t kind = 0; kind < after.size(); ++kind) {
        CHECK(after[kind] >= 0 && std::labs(after[kind] - before[kind]) <= kCountSlack,
              "live %s after the soak %ld, before %ld (within %ld)", kLiveCountNames[kind], after[kind], before[kind],
              kCountSlack);
    }
    ScriptedMeasurement(s, "after the soak");
    CheckHealthy(s, "at the end");
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(s.process.WaitForExit(5000), "closing the ruler ends the program");
}

}  // namespace e2e
