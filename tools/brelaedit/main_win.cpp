// brelaedit's entry point: the editor, with the file named on the command line, quizzes made from
// the player beside it.
#include <ole2.h>
#include <windows.h>

#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/brelaedit/editor_files_win.h"
#include "tools/brelaedit/editor_window_win.h"

namespace {

std::filesystem::path PlayerBesideEditor() {
  wchar_t name[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
  return std::filesystem::path(std::wstring(name, length)).parent_path() / "brela.exe";
}

// The first argument, every character kept.
std::filesystem::path FileArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::filesystem::path file = arguments && count > 1 ? arguments[1] : L"";
  LocalFree(arguments);
  return file;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  OleInitialize(nullptr);  // the folder chooser and the pictures' decoder
  RemoveTrialFoldersLeftBehind();
  const EditorEnvironment environment{WindowsExecutableAccess(PlayerBesideEditor()),
                                      GdiTextMeasurer(), SystemDialogs()};
  const HWND editor = OpenEditorWindow(instance, environment, FileArgument(), true);
  if (!editor) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleEditorKeys(editor, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  OleUninitialize();
  return 0;
}
