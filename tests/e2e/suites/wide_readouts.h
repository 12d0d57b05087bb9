// The widest values that one screen allows, read off the screen's pixels: the ruler as wide as the
// screen, the origin at its far corner and the points at the other end, so that the readouts hold
// four-digit and negative four-digit values, the colours 255 and the remembered origin a four-digit
// position; then the ruler at its default size again, where the coordinate line with that origin
// must still show whole.
#pragma once

#include "session.h"

namespace e2e {

// Starts and ends in the bare frame. `shotPrefix` goes before the names of the screenshots it asks for.
void WideReadoutTests(Session& s, const wchar_t* shotPrefix);

}  // namespace e2e
