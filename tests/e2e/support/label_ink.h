// What a label shows on the screen, as opposed to what WM_GETTEXT answers: the ink of its caption
// (every pixel unlike the label's background) must keep clear of the frame and of every edge the
// label is cut by, and be as wide and as tall as the same caption drawn alone with the label's font.
// A caption cut at an edge can still leave a blank beside it, so the margins alone do not tell.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "windows/definition.h"

namespace e2e {

// How the program draws a label's caption: the font that the definition (or its form) gives at a
// DPI, and the label's colours.
struct LabelLook {
    LOGFONTW font{};
    COLORREF text = 0;
    COLORREF back = 0;
};
LabelLook LookOf(const vardek::FormDef& form, std::string_view name, int dpi);

// The bounding box (right and bottom exclusive) of the pixels unlike `back`, leaving out those that
// windows stacked above the label cover; empty when there are none.
struct Ink {
    RECT box{};
    int pixels = 0;
    LONG Width() const { return box.right - box.left; }
    LONG Height() const { return box.bottom - box.top; }
};
Ink InkOnScreen(const RECT& area, COLORREF back, HWND label);
// The ink of the text drawn alone into memory with the look's font and colours, at its own origin.
Ink InkAlone(const std::wstring& text, const LabelLook& look);

// The part of the label's client area that can show on the screen: cut by its parent's client area,
// by the screen and by neighbours stacked above it that cover one of its sides.
RECT VisibleClientArea(HWND label);

// Records one check that the label shows its caption whole (as wide and as tall as drawn alone), with
// at least 1 px of blank between the ink and the left and right sides of the visible client area (for
// a framed label, the inner edge of its frame), and that a frame, where no neighbour covers it, is
// unbroken. The message gives the ink's extent, the width and height drawn alone and the margins.
bool CheckTextWhole(const std::string& what, HWND label, const LabelLook& look);

}  // namespace e2e
