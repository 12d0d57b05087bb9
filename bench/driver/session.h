// The long-lived programs that most stages measure: vardek (its ruler window) and the baseline, both
// started by the driver on the shared desktop, with a plain window of one colour laid under the ruler
// so that a snapshot holds a known, even field.
#pragma once

#include <windows.h>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/pattern_window.h"
#include "bench.h"

namespace vardek::bench {

struct Session {
    e2e::Process vardek;
    e2e::Process baseline;
    HWND ruler = nullptr;
    HWND baselineWindow = nullptr;
    e2e::PatternWindow field{RGB(0x50, 0x78, 0xA0)};
    // Live handle counts and working set right after start-up.
    int startCounts[7] = {};
    SIZE_T startWorkingSet = 0;
};

bool StartSession(Session& s, const Programs& programs);
// Puts the ruler's outer corner at a place and gives it a client size, and lays the field under it.
void PlaceRuler(Session& s, POINT corner, SIZE client);
HWND CoordView(Session& s);
// One of the live handle counts that vardek keeps (kind 0 windows .. 6 regions); -1 if it did not answer.
int LiveCount(Session& s, int kind);
SIZE_T WorkingSet(const e2e::Process& process);
// Back to the bare frame from whatever state a stage left.
bool CancelToFrame(Session& s);

}  // namespace vardek::bench
