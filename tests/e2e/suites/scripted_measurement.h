// The coordinate view's readouts at any display scaling, and one short measurement over a known
// pattern that proves the hole, the snapshot and the readouts line up pixel for pixel.
#pragma once

#include <windows.h>

#include <string>

#include "session.h"

namespace e2e {

HWND CoordViewOf(Session& s);
// A control of the coordinate view by its name in the definition; null if the view or control is missing.
HWND FindReadout(Session& s, const char* name);
std::wstring ReadReadout(Session& s, const char* name);
// Waits until the readout shows the text, then records the check.
bool ExpectReadout(Session& s, const char* name, const std::wstring& expected);

// Places the pointer and waits until GX and GY show it; false if they never do.
bool PlacePointerSeen(Session& s, POINT screen);

// The coordinate view may have been left anywhere: if it lies over the ruler, it goes to the screen's
// top right corner, where it does not hide the picture being measured.
void MoveViewOffRuler(Session& s);

// Records whether, where the coordinate view lies over the ruler, the screen shows the view: most
// points where nothing but the view's background lies must have its button-face colour. No overlap
// passes. Under Wine the two can disagree with the window order, which is why this is looked at.
bool CheckViewDrawnAbove(Session& s, const char* when);

// Where the ruler's picture starts on the screen.
POINT PictureOriginOnScreen(HWND ruler);
bool RulerWhole(HWND ruler);

// Readouts at a point of a snapshot must tell what the picture shows there: GX/GY the point, the
// colour readouts (after a click) the pixel on the screen.
void CheckReadoutsMatchPicture(Session& s, POINT screen);

// From the bare frame: a snapshot of a known pattern, compared pixel for pixel, then exact pointer
// readouts, an origin and a first point, a colour; ends back in the bare frame.
void ScriptedMeasurement(Session& s, const char* when);

}  // namespace e2e
