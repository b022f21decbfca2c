// The player's real main window and board, opened in the test's own process on the test's quiz.
#pragma once

#include <windows.h>

#include <string>

#include "quiz/quiz_definition.h"

struct PlayerWindows {
  HWND main;
  HWND board;
};

// Sets theQuiz and appInstance, then opens, centres and shows the main window and the board as
// start-up does, and handles the messages that this caused.
PlayerWindows OpenPlayerWindows(QuizDefinition& quiz);
// Destroys both windows and clears boardDialog and theQuiz.
void ClosePlayerWindows(PlayerWindows& windows);

// Handles every message waiting in this thread's queue.
void PumpMessages();

std::string ControlText(HWND parent, int id);
// The control's rectangle in its parent's client coordinates.
RECT ControlRectInParent(HWND parent, int id);
