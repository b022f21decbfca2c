// Creating a child control: one helper for the main window's header and the board alike.
#pragma once

#include <windows.h>

#include "base/control_rect.h"

// Creates the control (extended style 0, the program's module) and, when font is not null, gives
// it that font with a redraw request. Null when the control cannot be made.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style,
                   const ControlRect& rect, int id, HFONT font);

// The stock GUI font (DEFAULT_GUI_FONT).
HFONT GuiFont();
