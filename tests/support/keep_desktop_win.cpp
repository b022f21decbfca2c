// Holds Wine's desktop open for a whole test run: one hidden window and a message loop, for as
// long as the file named on its command line exists (a Unix kill would reach only Wine's loader).
#include <windows.h>

namespace {
const char* flagFile = "";
void CALLBACK CheckFlag(HWND, UINT, UINT_PTR, DWORD) {
  if (GetFileAttributesA(flagFile) == INVALID_FILE_ATTRIBUTES) PostQuitMessage(0);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  flagFile = commandLine;
  CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  SetTimer(nullptr, 0, 500, CheckFlag);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
