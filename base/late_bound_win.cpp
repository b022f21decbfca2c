// Functions of system libraries bound at their first use.
#include "base/late_bound_win.h"

FARPROC LateBoundFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? GetProcAddress(module, name) : nullptr;
}
