// Start-up of the player, in steps that the tests also take to open real windows on their own quiz.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

constexpr const char* MAIN_WINDOW_CLASS = "WindowsApp";
constexpr int MAIN_WINDOW_WIDTH = 870;
constexpr int MAIN_WINDOW_HEIGHT = 650;

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance, const QuizDefinition& quiz);
void CentreOnDesktop(HWND window);
HWND CreateBoard(HINSTANCE instance, HWND mainWindow);  // also stores it in boardDialog
// Centres the main window, creates the board in it, shows both with the show command and puts
// the keyboard focus in the first answer field; returns the board.
HWND OpenWindows(HINSTANCE instance, HWND mainWindow, int showCommand);

// The whole program: returns the process's exit code.
int RunPlayer(HINSTANCE instance, int showCommand);
