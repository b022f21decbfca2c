// The player's windows inside a test process.
#include "tests/support/player_windows.h"

#include "app/startup_win.h"
#include "base/process_state_win.h"

PlayerWindows OpenPlayerWindows(QuizDefinition& quiz) {
  theQuiz = &quiz;
  appInstance = GetModuleHandleA(nullptr);
  static bool registered = RegisterMainWindowClass(appInstance);
  (void)registered;
  PlayerWindows windows{CreateMainWindow(appInstance, quiz), nullptr};
  windows.board = OpenWindows(appInstance, windows.main, SW_SHOWNORMAL);
  PumpMessages();
  return windows;
}

void ClosePlayerWindows(PlayerWindows& windows) {
  DestroyWindow(windows.main);  // and the board with it, its child
  PumpMessages();
  windows = PlayerWindows{nullptr, nullptr};
  boardDialog = nullptr;
  theQuiz = nullptr;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string ControlText(HWND parent, int id) {
  char text[1024];
  if (!GetDlgItemTextA(parent, id, text, sizeof text)) return "";
  return text;
}

RECT ControlRectInParent(HWND parent, int id) {
  RECT rect = {};
  GetWindowRect(GetDlgItem(parent, id), &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
