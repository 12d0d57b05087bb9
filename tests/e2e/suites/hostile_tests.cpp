// The real program in hostile surroundings: its help page missing at F1, the window beneath it
// vanishing or changing while it takes a snapshot, its coordinate view closed by the user in the
// middle of a measurement, sizes from the smallest to larger than the screen, snapshots and cancels
// faster than it can finish them. Afterwards it must answer, show no window but its own two, and
// measure exactly.
#include <memory>

#include "check.h"
#include "function_pattern.h"
#include "health.h"
#include "help_probe.h"
#include "modes.h"
#include "ruler.h"
#include "scripted_measurement.h"

namespace e2e {
namespace {

constexpr RECT kHome{200, 160, 200 + 420, 160 + 320};

void MissingHelpTests(const std::wstring& exePath)
{
    BeginGroup("hostile: help page missing");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"vardek-no-help-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring copy = folder + L"\\vardek.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!CHECK(CopyFileW(exePath.c_str(), copy.c_str(), FALSE), "vardek.exe is copied alone into %s",
               Utf8(folder).c_str())) {
        return;
    }
    CHECK(GetFileAttributesW((folder + L"\\vardek-help.html").c_str()) == INVALID_FILE_ATTRIBUTES,
          "no help page lies beside the copy");
    {
        Session s;
        s.exePath = copy;
        if (StartProgram(s)) {
            const size_t windowsBefore = TopLevelWindows(s.process.Id()).size();
            const HelpProbe help;
            CHECK(Activate(s.ruler), "the ruler is the foreground window");
            Key(VK_F1);
            CHECK(help.OpenedPage(1500).empty(), "F1 opens no page");
            CheckHealthy(s, "after F1 without a help page");
            CheckEqual("F1 opens no window", TopLevelWindows(s.process.Id()).size(), windowsBefore);
            CheckEqual("the ruler keeps the activation", GetForegroundWindow(), s.ruler);
            ScriptedMeasurement(s, "after F1");
            PostMessageW(s.ruler, WM_SYSCOMMAND, SC_CLOSE, 0);
            CHECK(s.process.WaitForExit(5000), "closing the ruler ends the copy");
        }
        s.process.Kill();
    }
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
}

// G pressed, and at once the window beneath goes away or another takes its place: whatever the
// snapshot caught, the readouts must tell what the picture shows.
void SnapshotWhileBeneathChanges(Session& s, bool destroy)
{
    BeginGroup(destroy ? "hostile: window beneath destroyed at G" : "hostile: window beneath replaced at G");
    BackToFrame(s, kHome);
    auto beneath = std::make_unique<FunctionPattern>(0);
    FunctionPattern replacement(1);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    beneath->Cover(cover);
    Settle(s.ruler);
    CHECK(Activate(s.ruler), "the ruler is the foreground window");
    Key('G');
    if (destroy) {
        beneath.reset();
    } else {
        replacement.Cover(cover);
    }
    CHECK(WaitUntil([&] { return CoordViewOf(s) && RulerWhole(s.ruler); }, 5000), "the snapshot is taken");
    beneath.reset();
    replacement.Hide();
    Settle(s.ruler);
    Pause(300);
    CheckHealthy(s, "after the snapshot");
    const POINT o = PictureOriginOnScreen(s.ruler);
    for (POINT offset : {POINT{24, 24}, POINT{150, 90}, POINT{300, 200}}) {
        const POINT p{o.x + offset.x, o.y + offset.y};
        if (GetAncestor(WindowFromPoint(p), GA_ROOT) == s.ruler) {
            CheckReadoutsMatchPicture(s, p);
        }
    }
    Activate(s.ruler);
    Key('H');
    WaitUntil([&] { return !RulerWhole(s.ruler); }, 5000);
}

void ViewClosedMidMeasurement(Session& s)
{
    BeginGroup("hostile: coordinate view closed while measuring");
    BackToFrame(s, kHome);
    FunctionPattern beneath(0);
    RECT cover = WindowRect(s.ruler);
    InflateRect(&cover, 40, 40);
    beneath.Cover(cover);
    Settle(s.ruler);
    Activate(s.ruler);
    Key('G');
    WaitUntil([&] { return CoordViewOf(s) && RulerWhole(s.ruler); }, 5000);
    const POINT o = PictureOriginOnScreen(s.ruler);
    PlacePointer({o.x + 30, o.y + 30});
    // The origin is where the program last saw the pointer: the move must have reached it first.
    ExpectReadout(s, "GX", std::to_wstring(o.x + 30));
    Key(VK_SPACE);
    ExpectReadout(s, "DispX", std::to_wstring(o.x + 30));
    PlacePointer({o.x + 70, o.y + 50});
    HWND view = CoordViewOf(s);
    PostMessageW(view, WM_CLOSE, 0, 0);
    CHECK(WaitUntil([&] { return !IsWindow(view) || !IsWindowVisible(view); }, 5000),
          "WM_CLOSE closes the coordinate view");
    // Moves and keys with the view gone must not bring up anything of their own.
    PlacePointer({o.x + 90, o.y + 60});
    Key('B');
    Key(VK_RIGHT, true);
    Pause(300);
    CheckHealthy(s, "with the view closed mid-measurement");
    CHECK(!CoordViewOf(s), "the closed view stays closed until a capture");

    Activate(s.ruler);
    Key('G');
    CHECK(WaitUntil([&] { return CoordViewOf(s) != nullptr; }, 5000), "G brings the coordinate view back");
    Settle(s.ruler);
    beneath.Hide();
    Pause(300);
    const POINT again = PictureOriginOnScreen(s.ruler);
    CheckReadoutsMatchPicture(s, {again.x + 120, again.y + 80});
    CheckHealthy(s, "after the capture");
    Activate(s.ruler);
    Key('H');
    WaitUntil([&] { return !RulerWhole(s.ruler); }, 5000);
}

// "写す" and "取り消し" clicked as fast as messages can be posted, so that each cancel lands inside the
// snapshot's yields and handlers nest as deep as input can drive them. Afterwards the program holds
// exactly the objects it held after its first snapshot: one coordinate view, made once.
void FastSnapshotCancelCycles(Session& s, int cycles)
{
    BeginGroup("hostile: fast snapshot and cancel cycles");
    BackToFrame(s, kHome);
    const RulerBar bar = FindBar(s.ruler);
    const auto click = [&](HWND button) {
        PostMessageW(s.ruler, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    };
    click(bar.copy);
    WaitUntil([&] { return CoordViewOf(s) && RulerWhole(s.ruler); }, 5000);
    CHECK(BackToFrame(s, kHome), "the frame after the first snapshot");
    HWND view = FindTopLevel(s.process.Id(), kCoordViewTitle, false);
    const LiveCounts first = ReadLiveCounts(s.ruler);
    Log("hostile: live objects after the first snapshot: %s", DescribeCounts(first).c_str());

    // The program answers sent messages even deep in its yields, so an answer does not say that the
    // posted clicks are done. Posted messages keep their order: once a minimise posted after them
    // has happened, every click before it has been taken.
    const auto caughtUp = [&] {
        PostMessageW(s.ruler, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        const bool minimised = WaitUntil([&] { return IsIconic(s.ruler) != FALSE; }, 120000);
        PostMessageW(s.ruler, WM_SYSCOMMAND, SC_RESTORE, 0);
        return minimised && WaitUntil([&] { return !IsIconic(s.ruler); }, 10000) && Settle(s.ruler, 5000);
    };
    const DWORD start = GetTickCount();
    bool going = true;
    for (int i = 0; i < cycles && going; ++i) {
        click(bar.copy);
        click(bar.cancel);
        // The queue stays within what Windows lets one thread hold; up to then the cycles pile up.
        if (i % 500 == 499) {
            going = caughtUp();
        }
    }
    CHECK(going && caughtUp(), "the program works through %d fast cycles (%lu ms)", cycles, GetTickCount() - start);
    CheckHealthy(s, "after the fast cycles");
    CHECK(BackToFrame(s, kHome), "the bare frame after the fast cycles");
    CheckEqual("the same coordinate view as before the cycles", FindTopLevel(s.process.Id(), kCoordViewTitle, false),
               view);
    const LiveCounts after = ReadLiveCounts(s.ruler);
    Log("hostile: live objects after %d fast cycles: %s", cycles, DescribeCounts(after).c_str());
    for (size_t kind = 0; kind < after.size(); ++kind) {
        CheckEqual(Format("live %s after the fast cycles as after the first snapshot", kLiveCountNames[kind]),
                   after[kind], first[kind]);
    }
    ScriptedMeasurement(s, "after the fast cycles");
}

// The ruler dragged half off the screen's left edge: what lies on the screen is copied, what lies
// off it reads black, and the part on the screen is not lost with it.
void SnapshotPartlyOffScreen(Session& s)
{
    BeginGroup("hostile: snapshot partly off the screen");
    BackToFrame(s, kHome);
    const RECT home = WindowRect(s.ruler);
    SetWindowPos(s.ruler, nullptr, -200, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(s.ruler);
    FunctionPattern beneath(0);
    beneath.Cover({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    Settle(s.ruler);
    Activate(s.ruler);
    Key('G');
    CHECK(WaitUntil([&] { return CoordViewOf(s) && RulerWhole(s.ruler); }, 5000), "the snapshot is taken");
    MoveViewOffRuler(s);
    beneath.Hide();
    Settle(s.ruler);
    Pause(300);
    const POINT o = PictureOriginOnScreen(s.ruler);
    for (const LONG x : {LONG{10}, LONG{60}, LONG{150}}) {
        const POINT p{x, o.y + 40};
        CheckEqual(Format("the picture shows the desktop at %s, on the screen", DescribePoint(p).c_str()), PixelAt(p),
                   beneath.At(p));
    }
    CheckHealthy(s, "after a snapshot partly off the screen");
    Activate(s.ruler);
    Key('H');
    WaitUntil([&] { return !RulerWhole(s.ruler); }, 5000);
}

void ExtremeSizes(Session& s)
{
    BeginGroup("hostile: smallest and larger than the screen");
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const SIZE sizes[] = {{0, 0}, {1, 1}, {screenWidth + 400, screenHeight + 300}, {2, 40}};
    for (const SIZE size : sizes) {
        SetWindowPos(s.ruler, nullptr, -100, -50, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        Settle(s.ruler);
        const RECT r = WindowRect(s.ruler);
        Log("  asked for %ld x %ld, the window is %ld x %ld", size.cx, size.cy, r.right - r.left, r.bottom - r.top);
        CheckHealthy(s, Format("at %ld x %ld", size.cx, size.cy).c_str());
        // A snapshot and the return to the frame at this size must not break anything either.
        Activate(s.ruler);
        Key('G');
        Pause(300);
        Key('H');
        Settle(s.ruler);
        CheckHealthy(s, Format("after a snapshot at %ld x %ld", size.cx, size.cy).c_str());
    }
    CHECK(BackToFrame(s, kHome), "the frame comes back at an ordinary size");
    ScriptedMeasurement(s, "after the extreme sizes");
}

}  // namespace

void HostileTests(Session& s)
{
    MissingHelpTests(s.exePath);
    BeginGroup("hostile: start-up");
    if (!StartProgram(s)) {
        return;
    }
    CHECK(BackToFrame(s, kHome), "the frame is laid out at its home place");
    SnapshotWhileBeneathChanges(s, true);
    SnapshotWhileBeneathChanges(s, false);
    ViewClosedMidMeasurement(s);
    SnapshotPartlyOffScreen(s);
    ExtremeSizes(s);
    FastSnapshotCancelCycles(s, 2000);
    BeginGroup("hostile: end");
    CheckHealthy(s, "at the end");
    PostMessageW(s.ruler, WM_SYSCOMMAND, SC_CLOSE, 0);
    CHECK(s.process.WaitForExit(5000), "closing the ruler ends the program");
}

}  // namespace e2e
