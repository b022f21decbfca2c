// A stand-in for the board in the tests: a child dialog with both scroll bars whose procedure
// hands sizing, scrolling and the wheel to the board's scroll handling, inside a host window;
// and what the scrolling and key tests read from the board.
#pragma once

#include <windows.h>

struct BoardLikeDialog {
  HWND host;
  HWND board;
};

// Creates the host and the board (both visible); ContentWidth and ContentHeight must be set.
BoardLikeDialog CreateBoardLikeDialog();
void DestroyBoardLikeDialog(BoardLikeDialog& dialog);

// Resizes the board (it receives WM_SIZE) so that its client area is width x height.
void SetBoardClientSize(HWND board, int width, int height);

// A child of the board at content position (x, y) while the board is scrolled to (0, 0).
HWND CreateBoardChild(HWND board, const char* className, int id, int x, int y, int width,
                      int height);

// The bar's range, page and position.
SCROLLINFO BarInfo(HWND board, int bar);
int ScrollPos(HWND board, int bar);

// Makes GetKeyState report the Shift key held down, or released.
void HoldShift(bool down);
