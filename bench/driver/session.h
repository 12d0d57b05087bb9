// The long-lived programs that most stages measure: vardek (its ruler window), the baseline and, when
// it is given, the baseline with seven readouts, all started by the driver on the shared desktop, with a plain window
// of one colour laid under the ruler so that a snapshot holds a known, even field.
#pragma once

#include <windows.h>

#include <string>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/pattern_window.h"
#include "../../tests/e2e/support/ruler.h"
#include "bench.h"

namespace vardek::bench {

// What vardek holds in memory: its working set, and its own live heap (the bytes and blocks that
// operator new handed out and delete has not taken back), which only the bench build counts.
struct Memory {
    SIZE_T workingSet = 0;
    long long heapBytes = -1;  // -1: not counted
    long long heapBlocks = -1;
};

struct Session {
    e2e::Process vardek;
    e2e::Process baseline;
    HWND ruler = nullptr;
    HWND baselineWindow = nullptr;
    // The baseline with seven readouts: its window with the first, its second window with the rest.
    e2e::Process readoutsBaseline;
    HWND readoutsWindow = nullptr;
    HWND readoutsView = nullptr;
    e2e::PatternWindow field{RGB(0x50, 0x78, 0xA0)};
    // Live handle counts and memory right after start-up.
    int startCounts[7] = {};
    Memory startMemory;
};

bool StartSession(Session& s, const Programs& programs);
void EndSession(Session& s);
// The client size whose picture has the given opening: the picture spans the client's width less its
// border, and its height less the bar.
constexpr SIZE ClientForOpening(SIZE opening)
{
    return {opening.cx + (e2e::kPictureLeft - 2), opening.cy + e2e::kPictureTop + 12};
}
// Puts the ruler's outer corner at a place and gives it a client size, and lays the field under it.
void PlaceRuler(Session& s, POINT corner, SIZE client);
// The visible coordinate view, found without sending the program a message.
HWND CoordView(Session& s);
// Moves the visible view's outer corner to a place; where it stands then, which the program may
// have kept on the screen.
POINT PlaceView(Session& s, POINT corner);
// A place for the view beside the ruler, right of it or else below it, clear of its frame; false if
// neither fits on the screen.
bool PlaceBesideRuler(Session& s, POINT& place);
// "写す" clicked and let finish: the snapshot on show, the view shown.
bool TakeSnapshot(Session& s);
// One of the live handle counts that vardek keeps (kind 0 windows .. 6 regions); -1 if it did not answer.
int LiveCount(Session& s, int kind);
SIZE_T WorkingSet(const e2e::Process& process);
Memory ReadMemory(Session& s);
// The working set in MB and the heap in KB with its blocks, in fixed-width columns.
std::string DescribeMemory(const Memory& m);
// Back to the bare frame from whatever state a stage left.
bool CancelToFrame(Session& s);

}  // namespace vardek::bench
