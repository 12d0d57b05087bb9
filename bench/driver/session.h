// The long-lived programs that most stages measure: vardek (its ruler window) and the baseline, both
// started by the driver on the shared desktop, with a plain window of one colour laid under the ruler
// so that a snapshot holds a known, even field.
#pragma once

#include <windows.h>

#include <string>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/pattern_window.h"
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
    e2e::PatternWindow field{RGB(0x50, 0x78, 0xA0)};
    // Live handle counts and memory right after start-up.
    int startCounts[7] = {};
    Memory startMemory;
};

bool StartSession(Session& s, const Programs& programs);
// Puts the ruler's outer corner at a place and gives it a client size, and lays the field under it.
void PlaceRuler(Session& s, POINT corner, SIZE client);
HWND CoordView(Session& s);
// One of the live handle counts that vardek keeps (kind 0 windows .. 6 regions); -1 if it did not answer.
int LiveCount(Session& s, int kind);
SIZE_T WorkingSet(const e2e::Process& process);
Memory ReadMemory(Session& s);
// The working set in MB and the heap in KB with its blocks, in fixed-width columns.
std::string DescribeMemory(const Memory& m);
// Back to the bare frame from whatever state a stage left.
bool CancelToFrame(Session& s);

}  // namespace vardek::bench
