// The system's dialogs behind the editor's seam.
#include "tools/brelaedit/editor_dialogs_win.h"

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr const wchar_t* EDITOR_TITLE = L"Éditeur de quiz brela";

struct FileFilter {
  const wchar_t* filter;  // pairs of zero-terminated texts, ended by one more zero
  const wchar_t* extension;
  bool save;
};

// Indexed by FileChoice.
const FileFilter FILE_FILTERS[] = {
    {L"Quiz, tableaux et quiz exécutables\0*.json;*.csv;*.exe\0Fichiers de quiz (*.json)\0*.json\0"
     L"Tableaux (*.csv)\0*.csv\0Quiz exécutables (*.exe)\0*.exe\0",
     L"json", false},
    {L"Fichiers de quiz (*.json)\0*.json\0", L"json", true},
    {L"Quiz exécutables (*.exe)\0*.exe\0", L"exe", true},
    {L"Images (JPEG, PNG, GIF, BMP)\0*.jpg;*.jpeg;*.png;*.gif;*.bmp\0", L"jpg", false},
    {L"Sons MP3 (*.mp3)\0*.mp3\0", L"mp3", false},
    {L"Films AVI (*.avi)\0*.avi\0", L"avi", false},
    {L"Tableur (*.csv)\0*.csv\0", L"csv", true},
    {L"Page imprimable (*.html)\0*.html\0", L"html", true},
    {L"Page web (*.html)\0*.html\0", L"html", true},
};

// The system's file dialog; empty when cancelled, and when it fails, set to why.
std::filesystem::path ShowFileDialog(HWND owner, const FileFilter& filter,
                                     const std::wstring& folder, const std::wstring& proposed,
                                     DWORD& failure) {
  wchar_t name[MAX_PATH * 4] = {};
  if (filter.save) proposed.copy(name, std::min<size_t>(proposed.size(), MAX_PATH * 4 - 1));
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.filter;
  dialog.lpstrFile = name;
  dialog.nMaxFile = MAX_PATH * 4;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = filter.extension;
  // The current folder stays where it was: relative paths keep their meaning. Saving over a file
  // that exists asks first.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                 (filter.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = filter.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  failure = chosen ? 0 : CommDlgExtendedError();
  return chosen ? std::filesystem::path(name) : std::filesystem::path();
}

std::filesystem::path ChooseFile(HWND owner, FileChoice choice,
                                 const std::filesystem::path& suggested) {
  const FileFilter& filter = FILE_FILTERS[choice];
  DWORD failure = 0;
  const std::wstring folder = suggested.parent_path().wstring();
  std::filesystem::path chosen =
      ShowFileDialog(owner, filter, folder, suggested.filename().wstring(), failure);
  // A proposed name the dialog refuses is dropped rather than the choice.
  if (failure == FNERR_INVALIDFILENAME) {
    chosen = ShowFileDialog(owner, filter, folder, L"", failure);
  }
  if (failure != 0) {
    const std::wstring text = L"La fenêtre de choix de fichier n'a pas pu s'ouvrir (erreur " +
                              std::to_wstring(failure) + L" de Windows) : rien n'est choisi.";
    MessageBoxW(owner, text.c_str(), EDITOR_TITLE, MB_OK | MB_ICONWARNING);
  }
  return chosen;
}

// Once the folder chooser is up: its selection on the starting folder.
int CALLBACK SelectStart(HWND chooser, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED) SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

std::filesystem::path ChooseFolder(HWND owner, const std::wstring& title,
                                   const std::filesystem::path& start) {
  BROWSEINFOW browse = {};
  browse.hwndOwner = owner;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  if (!start.empty()) {
    browse.lpfn = SelectStart;
    browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
  }
  LPITEMIDLIST item = SHBrowseForFolderW(&browse);
  if (!item) return {};
  wchar_t folder[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListW(item, folder);
  CoTaskMemFree(item);
  return found ? std::filesystem::path(folder) : std::filesystem::path();
}

bool ChooseColour(HWND owner, COLORREF& colour) {
  static COLORREF customColours[16] = {};
  CHOOSECOLORW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = colour;
  dialog.lpCustColors = customColours;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&dialog)) return false;
  colour = dialog.rgbResult;
  return true;
}

}  // namespace

EditorDialogs SystemDialogs() {
  EditorDialogs dialogs;
  dialogs.message = [](HWND owner, const std::wstring& text, UINT type) {
    return MessageBoxW(owner, text.c_str(), EDITOR_TITLE, type);
  };
  dialogs.chooseFile = ChooseFile;
  dialogs.chooseFolder = ChooseFolder;
  dialogs.chooseColour = ChooseColour;
  dialogs.openFolder = [](const std::filesystem::path& folder) {
    // Above 32: started; the smaller values are the failures.
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr,
                                                   nullptr, SW_SHOWNORMAL)) > 32;
  };
  return dialogs;
}
