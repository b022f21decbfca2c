// brelaedit's entry point: the editor, with the file named on the command line, quizzes made from
// the player beside it; unsaved changes of editors that ended without closing offered back.
#include <windows.h>

#include "base/raii_win.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/authoring/wide_text_win.h"
#include "tools/brelaedit/editor_files_win.h"
#include "tools/brelaedit/editor_window_win.h"
#include "tools/brelaedit/recovery_win.h"

namespace {

// The quiz to open, every character kept; or the recovery file that another editor handed over.
struct StartArguments {
  std::filesystem::path file;
  std::filesystem::path recovery;
};

StartArguments ReadArguments() {
  const std::vector<std::string> arguments = Utf8Arguments();
  if (arguments.size() == 2 && arguments[0] == RESTORE_SWITCH) {
    return {{}, std::filesystem::u8path(arguments[1])};
  }
  return {arguments.empty() ? std::filesystem::path() : std::filesystem::u8path(arguments[0]), {}};
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
                                      GdiTextMeasurer(), SystemDialogs(), RecoveryFolder()};
  const StartArguments start = ReadArguments();
  const HWND editor = OpenEditorWindow(instance, environment, start.file, true);
  if (!editor) return 1;
  if (start.recovery.empty()) {
    OfferRecoveries(editor);
  } else {
    RestoreRecovery(editor, start.recovery);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (HandleEditorKeys(editor, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
