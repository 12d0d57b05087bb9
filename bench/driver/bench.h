// The benchmark driver's stages and what they share: the programs under measurement, a clock, waits
// that spin instead of sleeping (a 20 ms sleep would swamp the figures), and the report's rows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "../common/stats.h"

namespace vardek::bench {

struct Programs {
    std::wstring vardek;
    std::wstring baseline;
    // The baseline built with vardek.exe's manifest, and the one with seven readouts; empty: not run.
    std::wstring baselineManifest;
    std::wstring baselineReadouts;
};

// Milliseconds on the performance counter.
double NowMs();
// Spins (keeping the driver's own windows serviced) until cond() holds; false after timeoutMs.
bool SpinUntil(const std::function<bool()>& cond, double timeoutMs);

// A visible top-level window of the process with this exact title, read without sending it a message.
HWND VisibleWindowTitled(DWORD pid, const wchar_t* title);
// A window's text as the window system stores it, read without a message to another process's window.
std::wstring StoredText(HWND window);
bool HasRegion(HWND window);
// The ruler's region has more than one rectangle: the see-through hole is cut.
bool HoleCut(HWND ruler);
// Sends a button's click to its parent, as the button itself would, without moving the focus.
void PostClick(HWND button);

// One row of the figures table: vardek's summary, the baseline's beside it (count 0: none), their
// ratio, the target and whether it was met.
struct Row {
    std::string name;
    Summary vardek;
    Summary baseline;
    std::string target;
    bool met = true;
};
void PrintRowsHeader();
void PrintRow(const Row& row);
void PrintNote(const std::string& text);

// The stages, in the order the driver runs them. Each prints its rows.
void StartupStage(const Programs& programs, int repetitions);
// The rest run on one vardek and one baseline that stay up for all of them.
struct Session;
void PointerStage(Session& s, int moves);
void KeyStage(Session& s, int repetitions);
// Snapshot, restore and redraw at one opening (the picture's size), with the memory held there.
void SnapshotStage(Session& s, SIZE opening, int repetitions);
// Whether the coordinate view stays on the screen as a new origin is set, and where it may go away.
void ViewStage(Session& s, int repetitions);
void LeakStage(Session& s, int cycles);
void SizeStage(const Programs& programs);

}  // namespace vardek::bench
