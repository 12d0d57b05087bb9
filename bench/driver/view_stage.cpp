// Whether the coordinate view stays on the screen where it should, watched as a user sees it (see
// ViewWatcher): a new origin set with Space over a snapshot without one, with the view beside the
// ruler (a target); then, reported, the cycle Space to clear, G, Space, in which the view goes away
// with reason while the ruler is the bare frame; and restore, redraw and a new origin with the view
// over the ruler's frame below the opening, which it overlaps without covering the opening.
#include <cstdio>
#include <string>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "recall.h"
#include "session.h"
#include "view_watch.h"

namespace vardek::bench {
namespace {

constexpr POINT kCorner = {20, 20};
// Room on the first desktop both beside the ruler and below it.
constexpr SIZE kOpening = {800, 600};
constexpr double kTimeoutMs = 10000;
// How far the view reaches up over the ruler's bar when it overlaps the frame: less than the bar
// and the frame below the opening.
constexpr int kOverlap = 30;

void Keep(std::vector<double>& times, double t, int& failures)
{
    t >= 0 ? times.push_back(t) : void(++failures);
}

// Back in the frame after Space cleared the origin, the handler finished: it gives "写す" the focus
// last, after a yield in which the picture has it and a key would already be handled.
bool ClearedToFrame(Session& s)
{
    static HWND copy = nullptr;
    if (!copy || GetParent(copy) != s.ruler) {
        copy = e2e::FindBar(s.ruler).copy;
    }
    return HoleCut(s.ruler) && !CoordView(s) && e2e::FocusOf(s.ruler) == copy;
}

// A snapshot without an origin, the keys ready: from an origin set, Space clears it and G snaps.
// Empty when it got there, else the step that did not come.
std::string FreshSnapshot(Session& s, POINT pointer)
{
    if (!ReadyForKeys(s, pointer)) {
        return "the ruler did not take the keys";
    }
    e2e::Key(VK_SPACE);
    if (!SpinUntil([&] { return ClearedToFrame(s); }, kTimeoutMs)) {
        return "Space did not clear to the frame";
    }
    e2e::Settle(s.ruler);
    e2e::Key('G');
    if (!SpinUntil([&] { return !HoleCut(s.ruler) && CoordView(s); }, kTimeoutMs)) {
        return "G took no snapshot";
    }
    e2e::Settle(s.ruler);
    return ReadyForKeys(s, pointer) ? "" : "the ruler did not take the keys after G";
}

// Space clears the origin, G takes a snapshot, Space sets the origin again: timed to DispX and DispY
// showing it, each key sent once the one before has been handled.
double TimeCycle(Session& s, POINT pointer, ViewWatcher& watch)
{
    const HWND picture = e2e::FindPicture(s.ruler);
    const std::wstring x = std::to_wstring(pointer.x), y = std::to_wstring(pointer.y);
    auto watching = [&](const std::function<bool()>& cond) {
        return SpinUntil(
            [&] {
                watch.Look();
                return cond();
            },
            kTimeoutMs);
    };
    watch.Begin(MustShow::FromStart);
    const double start = NowMs();
    e2e::Key(VK_SPACE);
    bool done = watching([&] { return ClearedToFrame(s); });
    if (done) {
        e2e::Key('G');
        // Space on the focused "写す" would click it: the focus must be back on the picture.
        done = watching([&] { return !HoleCut(s.ruler) && CoordView(s) && e2e::FocusOf(s.ruler) == picture; });
    }
    HWND view = CoordView(s);
    const HWND dispX = view ? e2e::ViewControl(view, "DispX") : nullptr;
    const HWND dispY = view ? e2e::ViewControl(view, "DispY") : nullptr;
    if (done && dispX && dispY) {
        e2e::Key(VK_SPACE);
        done = watching([&] { return StoredText(dispX) == x && StoredText(dispY) == y; });
    }
    const double elapsed = NowMs() - start;
    watch.Finish();
    return done && dispX && dispY ? elapsed : -1;
}

void PrintView(const std::string& what, const ViewWatcher& watch, bool target)
{
    std::printf("%s: %s%s\n", what.c_str(), watch.Describe().c_str(),
                target ? (watch.NeverAway() ? " (target 0): PASS" : " (target 0): MISS") : "");
    std::fflush(stdout);
}

}  // namespace

void ViewStage(Session& s, int repetitions)
{
    CancelToFrame(s);
    PlaceRuler(s, kCorner, ClientForOpening(kOpening));
    const e2e::RulerBar bar = e2e::FindBar(s.ruler);
    POINT picture{0, 0};
    ClientToScreen(e2e::FindPicture(s.ruler), &picture);
    const POINT pointer = {picture.x + 100, picture.y + 100};
    const std::string name = std::to_string(kOpening.cx) + "x" + std::to_string(kOpening.cy);

    // The view beside the ruler.
    POINT place{};
    if (!TakeSnapshot(s) || !PlaceBesideRuler(s, place) || !ReadyForKeys(s, pointer)) {
        PrintNote("view: no snapshot, or no room for the view beside the ruler: not measured");
        CancelToFrame(s);
        return;
    }
    ViewWatcher originWatch(s, place), cycleWatch(s, place);
    originWatch.TakeReference();
    cycleWatch.TakeReference();
    std::vector<double> origins, cycles;
    int failures = 0;
    for (int i = 0; i < repetitions; ++i) {
        Keep(origins, TimeNewOrigin(s, pointer, &originWatch), failures);
        e2e::Settle(s.ruler);
        ReadyForKeys(s, pointer);
        Keep(cycles, TimeCycle(s, pointer, cycleWatch), failures);
        e2e::Settle(s.ruler);
        if (const std::string step = FreshSnapshot(s, pointer); !step.empty()) {
            PrintNote("view: " + step);
            ++failures;
            break;
        }
    }
    PrintRow({"new origin (Space) " + name, Summarize(origins), {}, "", true});
    PrintView("new origins " + name + ", the view beside the ruler", originWatch, true);
    PrintRow({"Space to clear, G, Space " + name, Summarize(cycles), {}, "", true});
    PrintView("Space to clear, G, Space " + name + " (the view goes with the frame)", cycleWatch, false);

    // The view over the ruler's bar, below the opening: on a snapshot without an origin, as the
    // loop above left it.
    const RECT ruler = e2e::WindowRect(s.ruler);
    const POINT over = PlaceView(s, {ruler.left + 200, ruler.bottom - kOverlap});
    ViewWatcher overOrigin(s, over), overRestore(s, over), overRedraw(s, over);
    overOrigin.TakeReference();
    overRestore.TakeReference();
    overRedraw.TakeReference();
    std::vector<double> overOrigins, restores, redraws;
    ReadyForKeys(s, pointer);
    for (int i = 0; i < repetitions; ++i) {
        Keep(overOrigins, TimeNewOrigin(s, pointer, &overOrigin), failures);
        e2e::Settle(s.ruler);
        if (i + 1 == repetitions) {
            break;
        }
        if (const std::string step = FreshSnapshot(s, pointer); !step.empty()) {
            PrintNote("view: " + step);
            ++failures;
            break;
        }
    }
    for (int i = 0; i < repetitions && IsWindowEnabled(bar.restore); ++i) {
        Keep(restores, TimeRecall(s, bar.restore, over, &overRestore), failures);
        e2e::Settle(s.ruler);
    }
    for (int i = 0; i < repetitions; ++i) {
        CancelToFrame(s);
        Keep(redraws, TimeRecall(s, bar.redraw, over, &overRedraw), failures);
        e2e::Settle(s.ruler);
    }
    CancelToFrame(s);
    const std::string overName = name + ", view over the frame";
    PrintRow({"new origin, view over the frame", Summarize(overOrigins), {}, "", true});
    PrintRow({"restore, view over the frame", Summarize(restores), {}, "", true});
    PrintRow({"redraw, view over the frame", Summarize(redraws), {}, "", true});
    PrintView("new origins " + overName, overOrigin, false);
    PrintView("restores " + overName, overRestore, false);
    PrintView("redraws " + overName + ", once shown", overRedraw, false);
    if (failures > 0) {
        PrintNote("view: operations that never completed: " + std::to_string(failures));
    }
}

}  // namespace vardek::bench
