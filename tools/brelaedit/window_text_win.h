// The editor's texts: UTF-16 in its windows, UTF-8 in the quiz record; both hold every character.
#pragma once

#include <windows.h>

#include <string>

#include "tools/authoring/wide_text_win.h"

// A control's whole text.
std::wstring WindowTextOf(HWND window);
