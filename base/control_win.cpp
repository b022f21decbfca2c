// Creating a child control with its font.
#include "base/control_win.h"

#include "base/process_state_win.h"

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style,
                   const ControlRect& rect, int id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, style, rect.x, rect.y, rect.width,
                                 rect.height, parent, reinterpret_cast<HMENU>(INT_PTR{id}),
                                 appInstance, nullptr);
  if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return control;
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
