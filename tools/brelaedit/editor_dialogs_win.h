// Every modal dialog of the editor goes through here: the system's own in the program, answers
// given by the test in its tests.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

enum FileChoice {
  CHOOSE_QUIZ_TO_OPEN,  // a quiz file, a spreadsheet or a quiz executable
  CHOOSE_QUIZ_TO_SAVE,  // a quiz file
  CHOOSE_EXECUTABLE,    // the quiz executable to make
  CHOOSE_PICTURE,
  CHOOSE_SOUND,
  CHOOSE_FILM,
  CHOOSE_RESULTS_SPREADSHEET,  // the class results' CSV to write
  CHOOSE_RESULTS_PAGE,         // their printable page
  CHOOSE_WEB_PAGE,             // the quiz's web page to make
};

struct EditorDialogs {
  // A message box with the editor's title; returns the button chosen (IDYES, IDNO, IDCANCEL, IDOK).
  std::function<int(HWND owner, const std::wstring& text, UINT type)> message;
  // A file to open or save; suggested names the folder and the file proposed. Empty: cancelled.
  std::function<std::filesystem::path(HWND owner, FileChoice choice,
                                      const std::filesystem::path& suggested)>
      chooseFile;
  // A folder, the chooser starting at start (when it exists); empty: cancelled.
  std::function<std::filesystem::path(HWND owner, const std::wstring& title,
                                      const std::filesystem::path& start)>
      chooseFolder;
  // The system colour chooser, starting from colour; false: cancelled.
  std::function<bool(HWND owner, COLORREF& colour)> chooseColour;
  // Shows a folder in the file manager; false when it cannot.
  std::function<bool(const std::filesystem::path& folder)> openFolder;
};

EditorDialogs SystemDialogs();
