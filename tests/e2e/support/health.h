// Checks that the running program is healthy, at any display scaling: it answers, it shows no
// window but its own two, its live window-system objects can be counted; and the steps that bring
// it back to the bare frame from any state.
#pragma once

#include <windows.h>

#include <array>

#include "session.h"

namespace e2e {

// Live objects by kind, as the program counts them: windows, DCs, bitmaps, brushes, pens, fonts, regions.
using LiveCounts = std::array<long, 7>;
inline constexpr const char* kLiveCountNames[] = {"windows", "DCs", "bitmaps", "brushes", "pens", "fonts", "regions"};

// Starts the program and waits for its framed ruler; false if it never came up.
bool StartProgram(Session& s);
// The window's DPI as the driver sees it.
int DpiOf(HWND window);
// A length in pixels at 96 DPI at another DPI, halves to even.
int ScaledForDpi(int pixelsAt96, int dpi);

// The program runs, answers within two seconds and shows neither a dialog nor a stray window.
void CheckHealthy(Session& s, const char* when);
// Asks the program for its live object counts; -1 where it did not answer.
LiveCounts ReadLiveCounts(HWND ruler);
std::string DescribeCounts(const LiveCounts& counts);

// From any state (minimised, maximised, measuring, any size) back to the bare frame at a known
// place and client size; false if the frame did not come back.
bool BackToFrame(Session& s, RECT client);

}  // namespace e2e
