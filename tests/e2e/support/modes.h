// The driver's runs besides the main suite, each with a program of its own: the program at another
// display scaling, hostile surroundings, and a soak of random real input.
#pragma once

#include <string>

#include "session.h"

namespace e2e {

// Expects Wine to report `dpi` (the prefix's LogPixels) and checks the program against it.
void DpiSuite(Session& s, int dpi);
void HostileTests(Session& s);
// `count` random inputs from a generator seeded with `seed`.
void SoakTests(Session& s, int count, unsigned seed);
// The desk of several monitors that scripts/desk-env.sh lays out: "two" or "three".
void DeskTests(Session& s, const std::wstring& desk);

}  // namespace e2e
