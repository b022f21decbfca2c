// The real player executable run as a second process, driven and watched from the test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "quiz/quiz_definition.h"

// Copies the player; with a quiz, packs it into the copy's "PATCH" 104 and 105 as the authoring
// tool does.
bool MakePlayerCopy(const std::string& player, const std::string& copy,
                    const QuizDefinition* quiz);

struct RunningPlayer {
  HANDLE process;
  DWORD processId;
};

// Starts the executable in the directory; extraEnvironment ("NAME=value"), when given, is added
// to this process's environment or replaces that variable.
bool StartPlayer(const std::string& executable, const std::string& directory,
                 RunningPlayer& player, const std::string& extraEnvironment = "");

struct ShownMessage {
  std::string text;
  std::string title;
};

// Waits until the player shows its main window and board, and returns the main window; null when
// the process ended or the time ran out. Every message box that comes first is answered OK and noted.
HWND WaitForMainWindow(const RunningPlayer& player, std::vector<ShownMessage>& messages,
                       DWORD timeoutMilliseconds = 20000);

// The board: the main window's child dialog.
HWND FindBoard(HWND mainWindow);

// The exit code once the process has ended; a process still running after the time is ended
// and gives STILL_ACTIVE.
DWORD WaitForExit(RunningPlayer& player, DWORD timeoutMilliseconds = 20000);
