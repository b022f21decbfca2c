// The process-wide values that start-up sets and every layer above may read.
#pragma once

#include <windows.h>

struct QuizDefinition;

using AttachControlFunction = HRESULT(WINAPI*)(IUnknown* control, HWND host, IUnknown** container);

extern HINSTANCE appInstance;                // the executable's own module
extern QuizDefinition* theQuiz;              // the one quiz record
extern HWND boardDialog;                     // the board, a child dialog of the main window
extern AttachControlFunction attachControl;  // from atl.dll, video quizzes only; may be null
