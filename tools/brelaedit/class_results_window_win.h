// The class results window: every pupil's verdicts in a list, and the spreadsheet and printable
// page written from them.
#pragma once

#include <windows.h>

#include <filesystem>
#include <vector>

#include "tools/authoring/class_results.h"
#include "tools/brelaedit/editor_dialogs_win.h"

// Shows the results in a window of their own, owned by owner, which ends with it. The outputs are
// proposed beside suggested (with their own extensions) and never written over an input.
HWND OpenClassResultsWindow(HWND owner, const EditorDialogs& dialogs, const ClassResults& results,
                            const std::vector<std::filesystem::path>& inputs,
                            const std::filesystem::path& suggested);
