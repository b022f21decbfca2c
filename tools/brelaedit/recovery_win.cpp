// Recovery files through the wide API: every character of a path is kept.
#include "tools/brelaedit/recovery_win.h"

#include <windows.h>

#include <shlobj.h>

#include "base/raii_win.h"
#include "tools/authoring/io_error.h"
#include "tools/authoring/safe_file.h"
#include "tools/authoring/whole_file.h"
#include "tools/brelaedit/editor_files_win.h"
#include "tools/brelaedit/recovery.h"

namespace fs = std::filesystem;

namespace {

fs::path LocalApplicationData() {
  wchar_t variable[MAX_PATH + 1] = {};
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", variable, MAX_PATH + 1);
  if (length > 0 && length <= MAX_PATH) return variable;
  PWSTR known = nullptr;
  fs::path folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known))) folder = known;
  CoTaskMemFree(known);
  return folder;
}

fs::path ThisProgram() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length < path.size() ? length : 0);
  return path;
}

}  // namespace

fs::path RecoveryFolder() {
  const fs::path local = LocalApplicationData();
  return local.empty() ? fs::path() : local / L"brela" / L"récupération";
}

fs::path NewRecoveryFile(const fs::path& folder) {
  static int files = 0;
  return folder / fs::u8path(OwnedName(GetCurrentProcessId(), ++files, RECOVERY_EXTENSION));
}

void WriteRecoveryFile(const fs::path& file, const EditorDocument& document) {
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  const std::string text = RecoveryText(document);
  WriteFileSafely(file, text.data(), text.size());
}

bool ReadRecoveryFile(const fs::path& file, EditorDocument& document) {
  try {
    return ReadRecoveryText(ReadWholeText(file), document);
  } catch (const IoError&) {
    return false;
  }
}

void RemoveRecoveryFile(const fs::path& file) {
  std::error_code ignored;  // a file that stays is offered at the next start: no harm
  fs::remove(file, ignored);
}

fs::path SetRecoveryFileAside(const fs::path& file) {
  fs::path aside = file;
  aside += L".illisible";
  std::error_code error;
  fs::rename(file, aside, error);
  if (!error) return aside;
  RemoveRecoveryFile(file);
  return {};
}

std::vector<fs::path> RecoveryFilesLeftBehind(const fs::path& folder) {
  return LeftByEditorsGone(folder, RECOVERY_EXTENSION);
}

bool StartEditorRestoring(const fs::path& file) {
  const fs::path ours = NewRecoveryFile(file.parent_path());
  std::error_code error;
  fs::rename(file, ours, error);
  if (error) return false;
  const fs::path program = ThisProgram();
  std::wstring commandLine = L"\"" + program.wstring() + L"\" " +
                             fs::u8path(RESTORE_SWITCH).wstring() + L" \"" + ours.wstring() +
                             L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;  // left under this editor's name: offered again once it has ended
  }
  const ScopedHandle started(process.hProcess), thread(process.hThread);
  return true;
}
