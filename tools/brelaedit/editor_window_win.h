// The editor's main window: a dialog over the document model, one short handler per message.
#pragma once

#include <windows.h>

#include <filesystem>

#include "tools/brelaedit/editor_files_win.h"

// Creates and shows the editor, with file open in it when one is named. The environment is kept
// by the window. quitOnClose: the window's end ends the message loop (the program; not a test).
HWND OpenEditorWindow(HINSTANCE instance, const EditorEnvironment& environment,
                      const std::filesystem::path& file, bool quitOnClose);

// The editor's keyboard: its shortcuts, then the dialog's Tab, mnemonics and Enter. True when the
// message was handled and must not be dispatched.
bool HandleEditorKeys(HWND editor, MSG& message);

// Offers back, one by one, the recovery files that editors no longer running left; one refused is
// removed. The first taken comes into this window while it holds no quiz yet, each other into an
// editor of its own.
void OfferRecoveries(HWND editor);

// Restores a recovery file that another editor handed over (RESTORE_SWITCH).
void RestoreRecovery(HWND editor, const std::filesystem::path& file);

// The quiz being edited and its problems as the list shows them, for the tests and the benchmark.
const EditorDocument& EditedDocument(HWND editor);
const std::vector<Problem>& ShownProblems(HWND editor);

// Timer of the live check: armed by every edit, it fires once typing has paused.
constexpr UINT_PTR CHECK_TIMER = 1;
constexpr UINT CHECK_DELAY_MS = 150;
