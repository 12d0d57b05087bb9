// Start-up: from process creation to the ruler window visible with its frame cut (its region set),
// beside the baseline's time to its window visible. The two programs take turns, so drift in the
// machine's load falls on both alike. Every start is watched throughout, not only timed: a ruler
// seen on the screen before its region was set (an uncut flash) and a coordinate view seen at any
// moment are counted, since a start-up that paints once shows neither.
#include <algorithm>
#include <cstdio>

#include "../../tests/e2e/desktop.h"
#include "../../tests/e2e/ruler.h"
#include "bench.h"

namespace vardek::bench {
namespace {

// After the ruler is ready the start is watched this much longer, for a view shown late.
constexpr double kWatchAfterReadyMs = 300;

// What one look at a process's top-level windows found.
struct Sight {
    HWND ruler = nullptr;  // visible
    bool view = false;     // the coordinate view, visible
    bool other = false;    // any other visible window (the baseline's)
};

// One pass over the top-level windows, read without sending the program a message.
Sight Look(DWORD pid)
{
    struct Search {
        DWORD pid;
        Sight sight;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->pid || !IsWindowVisible(window)) {
                return TRUE;
            }
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            if (e2e::kRulerTitle == text) {
                s->sight.ruler = window;
            } else if (e2e::kCoordViewTitle == text) {
                s->sight.view = true;
            } else if (lstrcmpW(text, L"Vardek Baseline") == 0) {
                s->sight.other = true;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.sight;
}

struct Start {
    double ready = -1;      // to the ruler visible with its region set (the baseline: its window visible)
    double visible = -1;    // to the ruler first seen visible
    bool uncut = false;     // the ruler was seen visible with no region
    bool view = false;      // the coordinate view was seen visible
    double longestGap = 0;  // between two looks until ready: how short a flash could slip through
};

Start WatchStart(const std::wstring& exe, bool isRuler)
{
    Start result;
    e2e::Process process;
    const double start = NowMs();
    if (!process.Start(exe)) {
        return result;
    }
    const DWORD pid = process.Id();
    double watchUntil = start + 15000;
    double lastLook = NowMs();
    SpinUntil(
        [&] {
            const double lookAt = NowMs();
            if (result.ready < 0) {
                result.longestGap = std::max(result.longestGap, lookAt - lastLook);
            }
            lastLook = lookAt;
            const Sight sight = Look(pid);
            const double now = NowMs() - start;
            result.view = result.view || sight.view;
            if (!isRuler) {
                if (sight.other && result.ready < 0) {
                    result.ready = result.visible = now;
                }
                return result.ready >= 0;
            }
            if (sight.ruler) {
                // Visible first, the region read after: a ruler seen here without one was on the screen uncut.
                const bool cut = HasRegion(sight.ruler);
                if (result.visible < 0) {
                    result.visible = now;
                }
                result.uncut = result.uncut || (!cut && result.ready < 0);
                if (cut && result.ready < 0) {
                    result.ready = now;
                    watchUntil = NowMs() + kWatchAfterReadyMs;
                }
            }
            return NowMs() >= watchUntil;
        },
        15000 + kWatchAfterReadyMs);
    process.Kill();
    // Let the system finish tearing the windows down before the next start.
    e2e::Pause(100);
    return result;
}

}  // namespace

void StartupStage(const Programs& programs, int repetitions)
{
    // The first starts load the programs' pages and Wine's DLLs into the cache: not counted.
    WatchStart(programs.vardek, true);
    WatchStart(programs.baseline, false);
    std::vector<double> vardek, shown, baseline, gaps;
    int failures = 0, uncut = 0, viewShown = 0;
    for (int i = 0; i < repetitions; ++i) {
        const Start v = WatchStart(programs.vardek, true);
        const Start b = WatchStart(programs.baseline, false);
        v.ready >= 0 ? vardek.push_back(v.ready) : void(++failures);
        if (v.visible >= 0) {
            shown.push_back(v.visible);
        }
        b.ready >= 0 ? baseline.push_back(b.ready) : void(++failures);
        gaps.push_back(v.longestGap);
        uncut += v.uncut;
        viewShown += v.view;
    }
    Row row{"start-up to the ruler cut", Summarize(vardek), Summarize(baseline), "median <= 1.3x base"};
    row.met = failures == 0 && Ratio(row.vardek.median, row.baseline.median) <= 1.3;
    PrintRow(row);
    PrintRow({"  of which to the ruler visible", Summarize(shown), row.baseline, "", true});
    std::printf("starts that showed the coordinate view: %d of %d (target 0): %s\n", viewShown, repetitions,
                viewShown == 0 ? "PASS" : "MISS");
    std::printf("starts with the ruler on the screen before its region was set: %d of %d\n", uncut, repetitions);
    // A window shown and taken away between two looks is not seen: the longest gap bounds what can be missed.
    PrintNote("the longest gap between two looks at a start's windows, median over the starts: " +
              std::to_string(Summarize(gaps).median) + " ms");
    if (failures > 0) {
        PrintNote("start-ups that never showed their window: " + std::to_string(failures));
    }
}

}  // namespace vardek::bench
