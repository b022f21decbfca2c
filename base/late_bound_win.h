// Functions of system libraries that the player needs only now and then, bound at their first use.
#pragma once

#include <windows.h>

// The function of the system library, the library loaded at the first call and kept for the rest
// of the run; null when either cannot be had. Every library that the executable imports is loaded
// and initialised at every start, used or not: under Wine, shell32 (for the link) and msvfw32 (for
// sounds) made a start about 20 ms slower.
FARPROC LateBoundFunction(const char* library, const char* name);
