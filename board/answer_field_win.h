// The keys of the answer fields: judging, Tab order, F1, F2 and scrolling with the keyboard.
#pragma once

#include <windows.h>

// Replaces the field's window procedure with AnswerFieldProc, keeping the previous one.
void SubclassAnswerField(HWND field);

LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);
void FillUnsolvedFields(HWND field);
