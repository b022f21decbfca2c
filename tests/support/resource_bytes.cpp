// Reads resources linked into the running test executable.
#include "tests/support/resource_bytes.h"

#include <windows.h>

std::string ResourceBytes(int id, const char* type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (!found) return "";
  auto bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return std::string(bytes, SizeofResource(module, found));
}
