// The board: the scrollable child dialog with one group of controls per question.
#pragma once

#include <windows.h>

INT_PTR CALLBACK BoardDialogProc(HWND board, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the keyboard focus to answer field 4001, where typing starts. Start-up calls it once the
// board exists and is shown: whatever WM_INITDIALOG did with the focus, its TRUE result lets the
// dialog manager move it afterwards to the first control with WS_TABSTOP, a reveal text (picture
// quizzes with reveal texts) or a play button (audio and video quizzes). Nothing moves it after a
// plain SetFocus on a shown window of the thread, on Windows and Wine alike.
void FocusFirstAnswerField(HWND board);
