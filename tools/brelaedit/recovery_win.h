// The recovery files on disk: where they live, written safely, read back, handed to another
// editor.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/brelaedit/editor_model.h"

// %LOCALAPPDATA%\brela\récupération (the variable first, so that a test can point it elsewhere);
// empty when the system names no local application data.
std::filesystem::path RecoveryFolder();

// A recovery file of this editor in folder that none of its windows uses yet.
std::filesystem::path NewRecoveryFile(const std::filesystem::path& folder);

// The document into file, its folder made first, never half written. Throws IoError.
void WriteRecoveryFile(const std::filesystem::path& file, const EditorDocument& document);

// The document that file holds; false when it cannot be read or holds none.
bool ReadRecoveryFile(const std::filesystem::path& file, EditorDocument& document);

// Gone, or already gone.
void RemoveRecoveryFile(const std::filesystem::path& file);

// An unreadable recovery file renamed so that it is offered no more, kept for whoever can make
// sense of it; removed when it cannot be renamed. Returns its new path (empty: removed).
std::filesystem::path SetRecoveryFileAside(const std::filesystem::path& file);

// The recovery files in folder of editors no longer running, oldest process first.
std::vector<std::filesystem::path> RecoveryFilesLeftBehind(const std::filesystem::path& folder);

// The command-line switch that hands a recovery file to a new editor: brelaedit /récupérer FILE.
constexpr char RESTORE_SWITCH[] = "/récupérer";

// Starts another editor that restores file, after taking file over under a name of this editor:
// no editor starting meanwhile offers it again. False when no editor could be started.
bool StartEditorRestoring(const std::filesystem::path& file);
