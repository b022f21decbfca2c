// The real message box of the player.
#include <windows.h>

void ShowPlatformMessage(const char* text, const char* title) {
  MessageBoxA(nullptr, text, title, MB_OK);
}
