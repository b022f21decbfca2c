// Scrolling of the board window: bars, requests, wheel, and following the keyboard.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

constexpr int ScrollUnit = 1;
extern int ContentWidth;
extern int ContentHeight;
extern int VisibleWidth;
extern int VisibleHeight;

// Sets ContentWidth and ContentHeight from the quiz; the main window calls it on creation.
void ComputeBoardContentExtent(const QuizDefinition& quiz);

void SetUpBoardScrolling(HWND board);

// Handles WM_SIZE, WM_HSCROLL, WM_VSCROLL and WM_MOUSEWHEEL of the board; false for any other
// message.
bool OnBoardScrollMessage(HWND board, UINT message, WPARAM wParam);

// Scrolls the board so that the control is wholly visible, if it is not.
void ScrollControlIntoView(HWND board, HWND control);
