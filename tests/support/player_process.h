// The real player executable run as a second process, driven and watched from the test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "quiz/quiz_definition.h"

// An "IMG" resource of a player copy: the picture, sound or film of a question.
struct MediaResource {
  int id;
  std::string bytes;
};

// Copies the player; with a quiz, packs it into the copy's "PATCH" 104 and 105 and adds its media
// as the authoring tool does.
bool MakePlayerCopy(const std::string& player, const std::string& copy,
                    const QuizDefinition* quiz, const std::vector<MediaResource>& media = {});

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

// Sends the message to a window of the player, answering OK to every message box that the player
// shows while it handles it, and noting them; false when it was not handled within the time.
bool SendAnsweringMessages(const RunningPlayer& player, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, std::vector<ShownMessage>& messages,
                           DWORD timeoutMilliseconds = 20000);

// The board: the main window's child dialog.
HWND FindBoard(HWND mainWindow);

// The exit code once the process has ended; a process still running after the time is ended
// and gives STILL_ACTIVE.
DWORD WaitForExit(RunningPlayer& player, DWORD timeoutMilliseconds = 20000);
