// Finding the controls that the checks read and write, without a search of the board each time.
#pragma once

#include <windows.h>

// The board notes every answer field, verdict field and reveal text as it makes it. Finding a
// control by its id lists every child of its parent (a server request under Wine, about 40 us on
// a full board), which the 180 checks of a full board's set-up would pay several times each.
void NoteBoardControl(HWND board, int id, HWND control);

// The board's control of that id: for answer fields, verdict fields and reveal texts of the board
// that noted them, the noted one (null when none was made, or not yet); for any other id or
// board, the first child with the id, as GetDlgItem finds it.
HWND BoardControl(HWND board, int id);

// The main window's display (IDC_SCORE, IDC_CODE) above the board, found once per main window.
HWND HeaderDisplay(HWND board, int id);

// Sets a control's text unless it already reads so: an unchanged text would only cost a
// server request and a repaint.
void SetControlText(HWND control, const char* text);
