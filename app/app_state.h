// The process-wide values that start-up sets and every part of the shell and the board reads.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

using AttachControlFunction = HRESULT(WINAPI*)(IUnknown* control, HWND host, IUnknown** container);

extern HINSTANCE appInstance;           // the executable's own module
extern QuizDefinition* theQuiz;         // the one quiz record
extern HWND boardDialog;                // the board, a child dialog of the main window
extern AttachControlFunction attachControl;  // from atl.dll, video quizzes only; may be null
