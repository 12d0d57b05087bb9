// Pointer to readout, and the arrow keys. Over a snapshot with an origin and the first point fixed,
// every pointer move rewrites seven captions; the figure runs from SendInput to all seven showing
// the new position on the screen: the ruler's coordinate line, and GX, GY, X2, Y2, SW and SH of the
// coordinate view. The baselines' figures are timed the same way: the plain one's STATIC echoing the
// move, and the seven STATICs of vardek's sizes that the other baseline writes on each move. Arrow
// keys run from the key press to the pointer at its new place, a plain step and a Shift edge jump
// over a 50-pixel run of one colour. Then the same moves once more with the loupe on: until the
// seven readouts and the loupe, at its new place beside the pointer, show the move.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "../common/baseline_window.h"
#include "screen_patch.h"
#include "session.h"

namespace vardek::bench {
namespace {

using e2e::CursorNow;

constexpr SIZE kClient = {700, 500};
constexpr POINT kCorner = {40, 40};
// Where the coordinate view is put out of the way of the moves.
constexpr POINT kViewPlace = {1300, 700};

POINT ClientOrigin(HWND window)
{
    POINT p{0, 0};
    ClientToScreen(window, &p);
    return p;
}

// How a pixel becomes SendInput's normalised 0..65535 coordinate. The mapping back differs between
// systems (truncating or rounding, over the width or the width less one), so the driver tries each
// and keeps the first that lands exactly.
using Normalise = LONG (*)(LONG pixel, LONG extent);
constexpr Normalise kNormalisers[] = {
    [](LONG p, LONG e) { return static_cast<LONG>((static_cast<long long>(p) * 65536 + e - 1) / e); },
    [](LONG p, LONG e) { return static_cast<LONG>(MulDiv(p, 65535, e - 1)); },
    [](LONG p, LONG e) { return static_cast<LONG>(MulDiv(p, 65535, e)); },
    [](LONG p, LONG e) { return static_cast<LONG>((static_cast<long long>(p) * 65535 + e - 2) / (e - 1)); },
};
Normalise g_normalise = kNormalisers[0];

void MoveTo(POINT screen)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = g_normalise(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = g_normalise(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

// Under Wine a synthesised move reaches the program twice: at once, and again from the X server's
// events, which the program reads between its messages; behind a slow handler those can still hold
// the old place, so the readouts may show the move, fall back and show it again, tens of ms later.
// Moves are this far apart, so that each starts from readouts at rest. The clock stops at the first
// showing; the driver never reads the pointer meanwhile, since that too makes Wine take it back to
// where the X server still has it.
constexpr DWORD kEchoPauseMs = 100;

// Picks the normalisation under which moves to a few odd points land on them. The pointer is read
// once the move has come to rest: read while it travels, Wine may take it back.
void CalibrateMoves(POINT base)
{
    for (Normalise normalise : kNormalisers) {
        g_normalise = normalise;
        bool exact = true;
        for (int i = 0; i < 6 && exact; ++i) {
            const POINT target = {base.x + 1 + i * 37, base.y + 3 + i * 29};
            e2e::PlacePointer({target.x + 50, target.y + 50});
            MoveTo(target);
            e2e::Pause(kEchoPauseMs);
            exact = CursorNow().x == target.x && CursorNow().y == target.y;
        }
        if (exact) {
            return;
        }
    }
    g_normalise = kNormalisers[0];
    PrintNote("no normalisation of pointer moves lands exactly: moves may land a pixel off");
}

// The i-th point of a walk over a 100 x 80 area, each step changing both coordinates.
POINT Walk(POINT base, int i)
{
    return {base.x + (i * 7) % 100, base.y + (i * 11) % 80};
}

struct Readouts {
    std::vector<HWND> windows;
    // Where each one draws its text on the screen.
    std::vector<ScreenPatch> patches{};
    bool WatchScreen()
    {
        patches.clear();
        for (HWND w : windows) {
            // Inside a framed label's frame and the blank it keeps.
            patches.emplace_back(w, 2);
        }
        return std::all_of(patches.begin(), patches.end(), [](const ScreenPatch& p) { return p.Valid(); });
    }
    std::vector<std::wstring> Read() const
    {
        std::vector<std::wstring> texts;
        for (HWND w : windows) {
            texts.push_back(e2e::TextOf(w));
        }
        return texts;
    }
    // Every readout from the first to the given one differs from what it showed before; read from the
    // last to the first, the order in which they are written.
    bool Changed(const std::vector<std::wstring>& before, std::size_t upTo) const
    {
        for (std::size_t i = upTo + 1; i-- > 0;) {
            if (e2e::TextOf(windows[i]) == before[i]) {
                return false;
            }
        }
        return true;
    }
};

// The loupe follows the pointer: it shows a move once its window stands at the new place and its
// position caption there shows something else than it did before the move (the window moves with
// its old content, then repaints).
struct Loupe {
    HWND window = nullptr;
    HWND position = nullptr;  // the caption "位置 (x,y)"
    POINT offset{};           // of that caption's inside from the window's corner
    std::optional<ScreenPatch> patch;

    RECT Rect() const
    {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
    void Follow(const RECT& at) { patch->MoveTo({at.left + offset.x, at.top + offset.y}); }
};

// The loupe's window and position caption; its caption is read once here, through WM_GETTEXT.
std::optional<Loupe> FindLoupe(Session& s)
{
    Loupe loupe;
    loupe.window = e2e::FindTopLevel(s.vardek.Id(), e2e::kLoupeTitle, true);
    if (!loupe.window) {
        return std::nullopt;
    }
    for (HWND child : e2e::Children(loupe.window)) {
        const std::wstring head = L"位置";
        const std::wstring text = e2e::TextOf(child);
        if (text.compare(0, head.size(), head) == 0) {
            loupe.position = child;
        }
    }
    if (!loupe.position) {
        return std::nullopt;
    }
    loupe.patch.emplace(loupe.position, 1);
    const RECT window = loupe.Rect();
    const POINT inside = loupe.patch->TopLeft();
    loupe.offset = {inside.x - window.left, inside.y - window.top};
    if (!loupe.patch->Valid()) {
        return std::nullopt;
    }
    return loupe;
}

std::wstring PositionCaption(POINT p)
{
    return L"位置 (" + std::to_wstring(p.x) + L"," + std::to_wstring(p.y) + L")";
}

struct MoveTimes {
    std::vector<double> all;          // until every readout shows the move (odd moves)
    std::vector<double> first;        // until the first one written does (even moves)
    std::vector<double> lastWritten;  // until the last one written does (odd moves), whatever the others do
    std::vector<double> loupe;        // with the loupe on: until the loupe does (even moves)
    int offTarget = 0;                // moves that landed off their point
    int timeouts = 0;                 // moves whose readouts never changed
    int slow = 0;                     // moves whose captions changed, but not on the screen within 300 ms
    int takenBack = 0;                // moves shown, then undone: the pointer went back to the old place
    int outOfOrder = 0;               // moves whose last readout was drawn before the others
    void Add(const MoveTimes& more)
    {
        outOfOrder += more.outOfOrder;
        all.insert(all.end(), more.all.begin(), more.all.end());
        first.insert(first.end(), more.first.begin(), more.first.end());
        lastWritten.insert(lastWritten.end(), more.lastWritten.begin(), more.lastWritten.end());
        loupe.insert(loupe.end(), more.loupe.begin(), more.loupe.end());
        offTarget += more.offTarget;
        timeouts += more.timeouts;
        slow += more.slow;
        takenBack += more.takenBack;
    }
};

// The clock stops when the screen shows the change: the driver reads pixels, which costs the
// program nothing, where a WM_GETTEXT would be answered by the program's own thread, which Wine lets
// answer between the handler's caption writes, slowing what it measures. It waits on one readout
// only: on even moves the first one written (the coordinate line), on odd moves the last; the
// others' pixels are checked after the clock stops (and waited for, timed, only if one lags), and
// every caption's text once the move is done. With the loupe, odd moves stop the clock once the
// loupe shows the move too, and even moves on the loupe alone.
MoveTimes TimeMoves(const Readouts& readouts, POINT base, int first, int count, Loupe* loupe = nullptr)
{
    MoveTimes times;
    const std::size_t last = readouts.windows.size() - 1;
    for (int i = first; i < first + count; ++i) {
        e2e::Pause(kEchoPauseMs);
        const POINT target = Walk(base, i);
        const auto before = readouts.Read();
        std::vector<std::vector<std::uint32_t>> shown;
        for (const ScreenPatch& patch : readouts.patches) {
            shown.push_back(patch.Read());
        }
        const std::size_t timed = i % 2 == 0 ? 0 : last;
        auto drawn = [&](std::size_t k) { return readouts.patches[k].Differs(shown[k]); };
        RECT loupeWas{};
        std::vector<std::uint32_t> loupeShown;
        if (loupe) {
            loupeWas = loupe->Rect();
            loupe->Follow(loupeWas);
            loupeShown = loupe->patch->Read();
        }
        auto loupeDrawn = [&] {
            if (!loupe) {
                return true;
            }
            const RECT now = loupe->Rect();
            if (EqualRect(&now, &loupeWas)) {
                return false;
            }
            loupe->Follow(now);
            return loupe->patch->Differs(loupeShown);
        };
        auto allDrawn = [&] {
            for (std::size_t k = 0; k <= last; ++k) {
                if (!drawn(k)) {
                    return false;
                }
            }
            return loupeDrawn();
        };
        auto timedDrawn = [&] {
            if (loupe) {
                return timed == last ? drawn(last) && loupeDrawn() : loupeDrawn();
            }
            return drawn(timed);
        };
        const double start = NowMs();
        MoveTo(target);
        if (!SpinUntil(timedDrawn, 300)) {
            // Lost, or only slow: the captions tell which.
            ++(SpinUntil([&] { return readouts.Changed(before, last); }, 2000) ? times.slow : times.timeouts);
            continue;
        }
        double elapsed = NowMs() - start;
        const double timedElapsed = elapsed;
        if (!allDrawn()) {
            if (!SpinUntil(allDrawn, 2000)) {
                ++times.timeouts;
                continue;
            }
            if (timed == last) {
                elapsed = NowMs() - start;
                ++times.outOfOrder;
            }
        }
        const auto settled = [&] {
            return readouts.Changed(before, last) &&
                   (!loupe || e2e::TextOf(loupe->position) == PositionCaption(target));
        };
        if (!SpinUntil(settled, 2000)) {
            ++times.takenBack;
            continue;
        }
        (timed == last ? times.all : loupe ? times.loupe : times.first).push_back(elapsed);
        if (timed == last && last > 0) {
            times.lastWritten.push_back(timedElapsed);
        }
        POINT at{};
        GetCursorPos(&at);
        times.offTarget += at.x != target.x || at.y != target.y;
    }
    return times;
}

// The same walk with the loupe on, beside the figure without it; the loupe is put off again after.
void LoupeMoves(Session& s, const Readouts& readouts, POINT base, int moves, const Summary& without)
{
    e2e::Activate(s.ruler);
    e2e::Key('Z');
    if (!SpinUntil([&] { return e2e::FindTopLevel(s.vardek.Id(), e2e::kLoupeTitle, true) != nullptr; }, 3000)) {
        PrintNote("loupe: Z showed no loupe: not measured");
        return;
    }
    MoveTo({base.x - 20, base.y - 20});
    e2e::Pause(kEchoPauseMs);
    std::optional<Loupe> loupe = FindLoupe(s);
    if (!loupe) {
        PrintNote("loupe: its position caption was not found: not measured");
        return;
    }
    MoveTimes times;
    for (int first = 0; first < moves; first += 100) {
        MoveTo({base.x - 20, base.y - 20});
        times.Add(TimeMoves(readouts, base, first, 100, &*loupe));
    }
    e2e::Key('Z');
    Row row{"pointer to readouts and loupe (vs loupe off)", Summarize(times.all), without, "p95 < 8"};
    row.met = row.vardek.count > 0 && row.vardek.p95 < 8;
    PrintRow(row);
    PrintRow({"  of which to the loupe", Summarize(times.loupe), without, "", true});
    PrintNote("loupe on: moves off their point " + std::to_string(times.offTarget) + ", never shown " +
              std::to_string(times.timeouts) + ", not on the screen in 300 ms " + std::to_string(times.slow) +
              ", taken back " + std::to_string(times.takenBack));
}

bool Snapshot(Session& s)
{
    PostClick(e2e::FindBar(s.ruler).copy);
    return SpinUntil([&] { return !HoleCut(s.ruler) && CoordView(s); }, 10000) && e2e::Settle(s.ruler);
}

void ShiftKey(WORD vk)
{
    e2e::KeyChord(VK_SHIFT, vk, true);
}

}  // namespace

void PointerStage(Session& s, int moves)
{
    PlaceRuler(s, kCorner, kClient);
    if (!Snapshot(s)) {
        PrintNote("pointer: the snapshot did not come");
        return;
    }
    const POINT picture = ClientOrigin(e2e::FindPicture(s.ruler));
    // Origin at (20, 20) in the picture, first point at (40, 30): the busiest case.
    e2e::Activate(s.ruler);
    e2e::PlacePointer({picture.x + 20, picture.y + 20});
    e2e::Key(VK_SPACE);
    e2e::Settle(s.ruler);
    e2e::PlacePointer({picture.x + 40, picture.y + 30});
    e2e::Key('B');
    e2e::Settle(s.ruler);
    HWND view = CoordView(s);
    SetWindowPos(view, nullptr, kViewPlace.x, kViewPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::Settle(view);

    // In the order the handler writes them.
    Readouts vardekReadouts{{e2e::FindBar(s.ruler).coordLine, e2e::ViewControl(view, "GX"),
                             e2e::ViewControl(view, "GY"), e2e::ViewControl(view, "X2"), e2e::ViewControl(view, "Y2"),
                             e2e::ViewControl(view, "SW"), e2e::ViewControl(view, "SH")}};
    HWND echo = GetDlgItem(s.baselineWindow, kBaselineEchoId);
    Readouts baselineReadouts{{echo}};
    for (HWND w : vardekReadouts.windows) {
        if (!w || !echo) {
            PrintNote("pointer: a readout was not found");
            return;
        }
    }
    // The seven STATICs, first the one in the baseline's window, then the six in its second window.
    Readouts sevenReadouts;
    if (s.readoutsWindow && s.readoutsView) {
        sevenReadouts.windows.push_back(GetDlgItem(s.readoutsWindow, kBaselineEchoId));
        for (int id = kBaselineEchoId + 1; id <= kBaselineEchoId + 6; ++id) {
            sevenReadouts.windows.push_back(GetDlgItem(s.readoutsView, id));
        }
        if (std::find(sevenReadouts.windows.begin(), sevenReadouts.windows.end(), nullptr) !=
            sevenReadouts.windows.end()) {
            PrintNote("pointer: a readout of the baseline with seven was not found: that floor is not measured");
            sevenReadouts.windows.clear();
        }
    }
    if (!vardekReadouts.WatchScreen() || !baselineReadouts.WatchScreen() ||
        (!sevenReadouts.windows.empty() && !sevenReadouts.WatchScreen())) {
        PrintNote("pointer: a readout's place on the screen could not be read");
        return;
    }
    const POINT vardekBase = {picture.x + 150, picture.y + 120};
    const POINT baselineBase = [&] {
        const POINT p = ClientOrigin(s.baselineWindow);
        return POINT{p.x + 100, p.y + 100};
    }();
    const POINT sevenBase = [&] {
        const POINT p = s.readoutsWindow ? ClientOrigin(s.readoutsWindow) : POINT{0, 0};
        return POINT{p.x + 100, p.y + 100};
    }();

    CalibrateMoves(baselineBase);

    // Blocks of moves over each in turn. Each block starts with an untimed move that brings the pointer
    // over, to a point beside the walk, so that the block's first move changes both coordinates too.
    constexpr int kBlock = 100;
    MoveTimes vardekTimes, baselineTimes, sevenTimes;
    for (int first = 0; first < moves; first += kBlock) {
        MoveTo({vardekBase.x - 20, vardekBase.y - 20});
        vardekTimes.Add(TimeMoves(vardekReadouts, vardekBase, first, kBlock));
        MoveTo({baselineBase.x - 20, baselineBase.y - 20});
        baselineTimes.Add(TimeMoves(baselineReadouts, baselineBase, first, kBlock));
        if (!sevenReadouts.windows.empty()) {
            MoveTo({sevenBase.x - 20, sevenBase.y - 20});
            sevenTimes.Add(TimeMoves(sevenReadouts, sevenBase, first, kBlock));
        }
    }
    const Summary base = Summarize(baselineTimes.all);
    const Summary seven = Summarize(sevenTimes.all);
    PrintRow({"pointer to readout (vs 1 STATIC)", Summarize(vardekTimes.all), base, "", true});
    Row row{"pointer to readout (vs 7 STATICs)", Summarize(vardekTimes.all), seven, "median <= 1.3x base, p95 < 8"};
    // Lost moves are noted below; the target is on the moves that arrived.
    row.met = seven.count > 0 && Ratio(row.vardek.median, seven.median) <= 1.3 && row.vardek.p95 < 8;
    PrintRow(row);
    PrintRow({"  of which to the coordinate line", Summarize(vardekTimes.first), base, "", true});
    PrintRow({"  of which to the view's last (SH)", Summarize(vardekTimes.lastWritten), base, "", true});
    if (seven.count > 0) {
        PrintRow({"  7 STATICs: to the first", Summarize(sevenTimes.first), base, "", true});
        PrintRow({"  7 STATICs: to the last written", Summarize(sevenTimes.lastWritten), base, "", true});
    }
    PrintNote(
        "moves that landed a pixel off their point: " +
        std::to_string(vardekTimes.offTarget + baselineTimes.offTarget) + ", moves whose readouts never changed: " +
        std::to_string(vardekTimes.timeouts) + " and " + std::to_string(baselineTimes.timeouts) +
        " (baseline), whose captions changed but not the screen within 300 ms: " + std::to_string(vardekTimes.slow) +
        " and " + std::to_string(baselineTimes.slow) + " (baseline)" +
        ", moves shown and then taken back to the old place by Wine (left out): " +
        std::to_string(vardekTimes.takenBack) + " and " + std::to_string(baselineTimes.takenBack) + " (baseline)" +
        ", moves whose last readout was drawn before the others: " + std::to_string(vardekTimes.outOfOrder));
    if (seven.count > 0) {
        PrintNote("baseline with 7 STATICs: moves off their point " + std::to_string(sevenTimes.offTarget) +
                  ", readouts never changed " + std::to_string(sevenTimes.timeouts) + ", not on the screen in 300 ms " +
                  std::to_string(sevenTimes.slow) + ", taken back " + std::to_string(sevenTimes.takenBack) +
                  ", last drawn before the others " + std::to_string(sevenTimes.outOfOrder));
    }
    LoupeMoves(s, vardekReadouts, vardekBase, moves, Summarize(vardekTimes.all));
}

void KeyStage(Session& s, int repetitions)
{
    // Runs on the snapshot PointerStage left, away from the guide lines, over the even field.
    HWND view = CoordView(s);
    HWND gx = view ? e2e::ViewControl(view, "GX") : nullptr;
    if (!gx || !e2e::Activate(s.ruler)) {
        PrintNote("keys: no snapshot or no foreground");
        return;
    }
    const POINT picture = ClientOrigin(e2e::FindPicture(s.ruler));
    const POINT start = {picture.x + 400, picture.y + 300};
    e2e::PlacePointer(start);
    SpinUntil([&] { return e2e::TextOf(gx) == std::to_wstring(start.x); }, 2000);

    auto timeSteps = [&](bool shift) {
        std::vector<double> times;
        int misses = 0;
        for (int i = 0; i < repetitions; ++i) {
            const POINT from = CursorNow();
            const bool right = i % 2 == 0;
            const POINT to = {from.x + (right ? 1 : -1), from.y};
            const double t = NowMs();
            shift ? ShiftKey(right ? VK_RIGHT : VK_LEFT) : e2e::Key(right ? VK_RIGHT : VK_LEFT, true);
            if (!SpinUntil([&] { return CursorNow().x == to.x && CursorNow().y == to.y; }, 2000)) {
                ++misses;
                e2e::PlacePointer(start);
            } else {
                times.push_back(NowMs() - t);
            }
            // The next key steps from the last move the ruler has seen: wait until it has seen this one,
            // and until the window system's late echo of the move has come back too.
            const LONG x = CursorNow().x;
            SpinUntil([&] { return e2e::TextOf(gx) == std::to_wstring(x); }, 2000);
            e2e::Pause(30);
        }
        return std::make_pair(times, misses);
    };
    const auto [plain, plainMisses] = timeSteps(false);
    const auto [edge, edgeMisses] = timeSteps(true);
    Row step{"arrow step", Summarize(plain), {}, "median < 2"};
    step.met = step.vardek.median < 2;
    PrintRow(step);
    Row jump{"Shift edge jump (50-pixel run)", Summarize(edge), {}, "median < 5"};
    jump.met = jump.vardek.median < 5;
    PrintRow(jump);
    if (plainMisses + edgeMisses > 0) {
        PrintNote("key presses that did not move the pointer: " + std::to_string(plainMisses + edgeMisses));
    }
}

}  // namespace vardek::bench
