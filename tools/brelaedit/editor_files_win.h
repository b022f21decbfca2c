// What the editor does with files: open a quiz file, a spreadsheet or a quiz executable, save the
// quiz file, make the executable, and make and start a trial copy. Every question to the author
// goes through the dialogs' seam.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/raii_win.h"
#include "tools/authoring/executable_access.h"
#include "tools/authoring/quiz_check.h"
#include "tools/brelaedit/editor_dialogs_win.h"
#include "tools/brelaedit/editor_model.h"

struct EditorEnvironment {
  ExecutableAccess access;  // its default player is the one the editor makes quizzes from
  TextMeasurer measure;     // the player's fonts
  EditorDialogs dialogs;
  // Where unsaved changes are kept against a crash; empty: nowhere (the window's tests).
  std::filesystem::path recoveryFolder = {};
};

// The check's view of the document: its media folder, the player's fonts, the editor's cache.
CheckContext CheckContextOf(const EditorEnvironment& environment, const EditorDocument& document,
                            MediaCache& cache);

// Reads a quiz file (.json), imports a spreadsheet (.csv) or reads a quiz executable back (.exe,
// into a new folder beside it or one the author chooses, the author told where). False, once the
// author has been told why, when nothing opens.
bool ReadDocumentFile(HWND owner, const EditorEnvironment& environment,
                      const std::filesystem::path& path, EditorDocument& document);

// Writes the quiz file, asking for its name when it has none or when askName; false when it is
// not saved (cancelled or failed, the author told why).
bool SaveDocument(HWND owner, const EditorEnvironment& environment, EditorDocument& document,
                  bool askName);

// "Créer le quiz…": refused at once while problems (the document's, checked) hold errors;
// otherwise asks where, makes the executable, offers to open its folder.
void MakeExecutable(HWND owner, const EditorEnvironment& environment,
                    const EditorDocument& document, const std::vector<Problem>& problems,
                    MediaCache& cache);

// "Créer la page web…": refused at once while problems hold errors, and for a quiz that has no
// page (the reason told); otherwise asks where, writes the page, offers to open its folder.
void MakeWebPage(HWND owner, const EditorEnvironment& environment, const EditorDocument& document,
                 const std::vector<Problem>& problems, MediaCache& cache);

// "Résultats de la classe…": the quiz as the player would hold it, refused at once when it has
// none to grade; then the class's folder asked for, graded, and shown in a window of its own.
void ShowClassResults(HWND owner, const EditorEnvironment& environment,
                      const EditorDocument& document);

// A trial: the quiz made into a temporary folder and started there.
struct TrialRun {
  ScopedHandle process;
  std::filesystem::path folder;
};

// "Essayer": false, once the author has been told why, when the quiz cannot be made or started.
bool StartTrial(HWND owner, const EditorEnvironment& environment, const EditorDocument& document,
                MediaCache& cache, TrialRun& trial);

// Whether the trial is over: its player has ended (then its folder is removed), or it can no
// longer be watched.
bool FinishTrialIfEnded(TrialRun& trial);

// What editors no longer running left in folder: its entries whose OwnedName, with extension,
// names a process that has ended; sorted.
std::vector<std::filesystem::path> LeftByEditorsGone(const std::filesystem::path& folder,
                                                     const std::string& extension);

// Removes the trial folders of editors no longer running: one closed while its trial still ran
// could not remove its folder.
void RemoveTrialFoldersLeftBehind();
