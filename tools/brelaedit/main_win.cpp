// brelaedit's entry point: the editor, with the file named on the command line, quizzes made from
// the player beside it.
#include <windows.h>

#include "base/raii_win.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/authoring/wide_text_win.h"
#include "tools/brelaedit/editor_files_win.h"
#include "tools/brelaedit/editor_window_win.h"

namespace {

// The first argument, every character kept.
std::filesystem::path FileArgument() {
  const std::vector<std::string> arguments = Utf8Arguments();
  return arguments.empty() ? std::filesystem::path() : std::filesystem::u8path(arguments[0]);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const OleSession ole;  // the folder chooser and the pictures' decoder
  if (!ole.Ok()) {
    MessageBoxW(nullptr, L"Windows n'a pas pu préparer l'éditeur (OLE) : il ne peut pas s'ouvrir.",
                L"Éditeur de quiz brela", MB_OK | MB_ICONERROR);
    return 1;
  }
  RemoveTrialFoldersLeftBehind();
  const EditorEnvironment environment{WindowsExecutableAccess(PlayerBesideThisProgram()),
                                      GdiTextMeasurer(), SystemDialogs()};
  const HWND editor = OpenEditorWindow(instance, environment, FileArgument(), true);
  if (!editor) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleEditorKeys(editor, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
