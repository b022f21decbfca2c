// The board: the scrollable child dialog with one group of controls per question.
#pragma once

#include <windows.h>

INT_PTR CALLBACK BoardDialogProc(HWND board, UINT message, WPARAM wParam, LPARAM lParam);
