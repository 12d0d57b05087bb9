// One run of vardek.exe under the driver, shared by the test groups, and the groups themselves.
// Each group leaves the program in the frame state for the next one, except CloseTests, which ends it.
#pragma once

#include <windows.h>

#include <string>

#include "desktop.h"
#include "pattern_window.h"

namespace e2e {

struct Session {
    std::wstring exePath;
    Process process;
    HWND ruler = nullptr;
    // Lies under the ruler so that the hole has something known to show; its colour is unlike any system colour.
    PatternWindow pattern{RGB(0xC8, 0x28, 0xA0)};
};

// Checks that hold whenever the ruler is the bare see-through frame: stacking, layout and region.
void CheckBareFrame(Session& s);
// Lays the pattern window under the ruler's current place.
void CoverWithPattern(Session& s);

// Starts the program; false if the ruler never came up, and then no other group can run.
bool StartupTests(Session& s);
void HoleTests(Session& s);
void CancelTests(Session& s);
void ResizeTests(Session& s);
void MinimiseTests(Session& s);
void HelpKeyTests(Session& s);
// A whole measurement on a snapshot, then restore, collection and the clipboard, then redraw; they run
// in this order, each building on the state the one before leaves.
void SnapshotTests(Session& s);
// Needs the coordinate view open, as SnapshotTests leaves it.
void InputContextTests(Session& s);
void ReadoutTests(Session& s);
void RestoreAndCollectTests(Session& s);
void RedrawTests(Session& s);
// The collected line through a new origin, restore, redraw, minimise and the close box.
void CollectionKeptTests(Session& s);
// The loupe over a measurement, over a snapshot taken with it on, and near the screen's edges; starts
// and ends in the bare frame at the defined size. `shotPrefix` goes before its screenshot's name.
void LoupeTests(Session& s, const wchar_t* shotPrefix);
void CloseTests(Session& s);

}  // namespace e2e
