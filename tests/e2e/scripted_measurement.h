// The coordinate view's readouts at any display scaling, and one short measurement over a known
// pattern that proves the hole, the snapshot and the readouts line up pixel for pixel.
#pragma once

#include <windows.h>

#include <string>

#include "session.h"

namespace e2e {

// A control of the coordinate view, by where its definition puts its top-left corner (twips).
struct ViewSpot {
    const char* name;
    POINT twips;
};
inline constexpr ViewSpot kSpotGX{"GX", {720, 120}};
inline constexpr ViewSpot kSpotGY{"GY", {1800, 120}};
inline constexpr ViewSpot kSpotDispX{"DispX", {600, 1080}};
inline constexpr ViewSpot kSpotDispY{"DispY", {600, 1680}};
inline constexpr ViewSpot kSpotX1{"X1", {600, 2040}};
inline constexpr ViewSpot kSpotY1{"Y1", {600, 2400}};
inline constexpr ViewSpot kSpotCR{"CR", {960, 3000}};
inline constexpr ViewSpot kSpotCG{"CG", {1680, 3000}};
inline constexpr ViewSpot kSpotCB{"CB", {2400, 3000}};

HWND CoordViewOf(Session& s);
// The control at the spot, converted to pixels at the view's DPI; null if the view or control is missing.
HWND FindSpot(Session& s, const ViewSpot& spot);
std::wstring ReadSpot(Session& s, const ViewSpot& spot);
// Waits until the readout shows the text, then records the check.
bool ExpectSpot(Session& s, const ViewSpot& spot, const std::wstring& expected);

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
