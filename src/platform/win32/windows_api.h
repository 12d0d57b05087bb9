// <windows.h> for the toolkit: include this instead. winbase.h still defines Yield() as an
// empty macro from 16-bit Windows, which would swallow Toolkit::Yield.
#pragma once

#include <windows.h>

#undef Yield
