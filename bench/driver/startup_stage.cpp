// Start-up: from process creation to the ruler window visible with its frame cut (its region set),
// beside the baselines' times to their window visible: the plain one, and the one with vardek.exe's
// manifest (version 6 of the common controls, per-monitor DPI awareness), which loads what those
// cost. The programs take turns, so drift in the machine's load falls on all alike. Every start is watched throughout,
// not only timed: a ruler seen on the screen before its region was set (an uncut flash) and a coordinate view seen at
// any moment are counted, since a start-up that paints once shows neither. The time to each program's first window,
// shown or not, splits the start-up into loading the process and making the windows.
#include <algorithm>
#include <cstdio>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "bench.h"

namespace vardek::bench {
namespace {

// After the ruler is ready the start is watched this much longer, for a view shown late.
constexpr double kWatchAfterReadyMs = 300;
constexpr double kStartTimeoutMs = 15000;

// What one look at a process's top-level windows found.
struct Sight {
    bool anyWindow = false;  // a top-level window of the process, shown or not
    HWND ruler = nullptr;    // the ruler, visible
    bool viewMade = false;   // the coordinate view exists, shown or not
    bool viewShown = false;  // the coordinate view, visible
    bool baseline = false;   // the baseline's window, visible
};

// One pass over the top-level windows, read without sending the program a message.
Sight Look(DWORD pid)
{
    Sight sight;
    for (HWND window : e2e::TopLevelWindows(pid)) {
        sight.anyWindow = true;
        const bool visible = IsWindowVisible(window);
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        if (e2e::kRulerTitle == text && visible) {
            sight.ruler = window;
        } else if (e2e::kCoordViewTitle == text) {
            sight.viewMade = true;
            sight.viewShown = sight.viewShown || visible;
        } else if (lstrcmpW(text, L"Vardek Baseline") == 0 && visible) {
            sight.baseline = true;
        }
    }
    return sight;
}

// Times in milliseconds from CreateProcess; negative: never seen.
struct Start {
    double firstWindow = -1;  // any top-level window of the process, shown or not
    double visible = -1;      // the ruler (or the baseline's window) first seen visible
    double ready = -1;        // the ruler visible with its region set; the baseline: visible
    bool uncut = false;       // the ruler was seen visible before its region was set
    bool viewMade = false;    // the coordinate view was created, shown or not
    double viewFrom = -1;     // when the coordinate view was first seen to exist, shown or not
    double viewUntil = -1;    // when it was first seen gone again
    bool viewShown = false;   // the coordinate view was seen visible
    double longestGap = 0;    // between two looks until ready: how short a flash could slip through
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
    double watchUntil = start + kStartTimeoutMs;
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
            if (sight.anyWindow && result.firstWindow < 0) {
                result.firstWindow = now;
            }
            result.viewMade = result.viewMade || sight.viewMade;
            if (sight.viewMade && result.viewFrom < 0) {
                result.viewFrom = now;
            }
            if (!sight.viewMade && result.viewFrom >= 0 && result.viewUntil < 0) {
                result.viewUntil = now;
            }
            result.viewShown = result.viewShown || sight.viewShown;
            if (!isRuler) {
                if (sight.baseline && result.ready < 0) {
                    result.ready = result.visible = now;
                }
                return result.ready >= 0;
            }
            if (sight.ruler) {
                // Seen visible first, its region read after: a ruler without one here was on the screen uncut.
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
        kStartTimeoutMs + kWatchAfterReadyMs);
    process.Kill();
    // Let the system finish tearing the windows down before the next start.
    e2e::Pause(100);
    return result;
}

// The samples of one time over the starts that reached it.
struct Times {
    std::vector<double> firstWindow, visible, ready;
    void Add(const Start& s)
    {
        for (auto [time, into] : {std::pair{s.firstWindow, &firstWindow}, {s.visible, &visible}, {s.ready, &ready}}) {
            if (time >= 0) {
                into->push_back(time);
            }
        }
    }
};

}  // namespace

void StartupStage(const Programs& programs, int repetitions)
{
    const bool withManifest = !programs.baselineManifest.empty();
    // The first starts load the programs' pages and Wine's DLLs into the cache: not counted.
    WatchStart(programs.vardek, true);
    WatchStart(programs.baseline, false);
    if (withManifest) {
        WatchStart(programs.baselineManifest, false);
    }
    Times vardek, baseline, manifest;
    std::vector<double> gaps, viewLife, viewToReady;
    int uncut = 0, viewShown = 0, viewMade = 0;
    for (int i = 0; i < repetitions; ++i) {
        const Start v = WatchStart(programs.vardek, true);
        const Start b = WatchStart(programs.baseline, false);
        vardek.Add(v);
        baseline.Add(b);
        if (withManifest) {
            manifest.Add(WatchStart(programs.baselineManifest, false));
        }
        gaps.push_back(v.longestGap);
        uncut += v.uncut;
        viewShown += v.viewShown;
        viewMade += v.viewMade;
        if (v.viewFrom >= 0 && v.viewUntil >= 0) {
            viewLife.push_back(v.viewUntil - v.viewFrom);
        }
        if (v.viewFrom >= 0 && v.ready >= 0) {
            viewToReady.push_back(v.ready - v.viewFrom);
        }
    }
    const int failures = (repetitions - static_cast<int>(vardek.ready.size())) +
                         (repetitions - static_cast<int>(baseline.ready.size())) +
                         (withManifest ? repetitions - static_cast<int>(manifest.ready.size()) : 0);
    const Summary base = Summarize(baseline.ready);
    PrintRow({"start-up to the cut (vs plain)", Summarize(vardek.ready), base, "", true});
    if (withManifest) {
        const Summary floor = Summarize(manifest.ready);
        Row row{"start-up to the cut (vs manifest)", Summarize(vardek.ready), floor, "median <= 1.15x base"};
        row.met = failures == 0 && Ratio(row.vardek.median, floor.median) <= 1.15;
        PrintRow(row);
    }
    PrintRow({"  of which to the ruler visible", Summarize(vardek.visible), base, "", true});
    PrintRow(
        {"  of which to its first window", Summarize(vardek.firstWindow), Summarize(baseline.firstWindow), "", true});
    if (withManifest) {
        PrintRow({"  ... beside the manifest's first", Summarize(vardek.firstWindow), Summarize(manifest.firstWindow),
                  "", true});
    }
    std::printf("starts that showed the coordinate view: %d of %d (target 0): %s\n", viewShown, repetitions,
                viewShown == 0 ? "PASS" : "MISS");
    std::printf("starts with the ruler on the screen before its region was set: %d of %d\n", uncut, repetitions);
    std::printf("starts that created the coordinate view, shown or not: %d of %d\n", viewMade, repetitions);
    if (!viewLife.empty()) {
        // What the view costs a start: from the moment it exists until it is gone, and until the ruler is ready.
        char life[140];
        std::snprintf(life, sizeof life,
                      "the coordinate view existed for %.1f ms (median); from its creation to the ruler cut: %.1f ms",
                      Summarize(viewLife).median, Summarize(viewToReady).median);
        PrintNote(life);
    }
    // A window shown and taken away between two looks is not seen: the longest gap bounds what can be missed.
    char gap[120];
    std::snprintf(gap, sizeof gap,
                  "the longest gap between two looks at a start's windows: median %.1f ms, worst %.1f ms",
                  Summarize(gaps).median, gaps.empty() ? 0.0 : *std::max_element(gaps.begin(), gaps.end()));
    PrintNote(gap);
    if (failures > 0) {
        PrintNote("start-ups that never showed their window: " + std::to_string(failures));
    }
    std::fflush(stdout);
}

}  // namespace vardek::bench
