// A control's text, however long.
#include "tools/brelaedit/window_text_win.h"

std::wstring WindowTextOf(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}
