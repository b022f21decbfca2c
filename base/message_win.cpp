// The real message box of the player.
#include "base/message_win.h"

#include <windows.h>

void ShowMessageBox(const char* text, const char* title) {
  MessageBoxA(nullptr, text, title, MB_OK);
}
