// The names that screen readers give the editor's controls: the system takes a button's text
// ("Choisir…" four times) and, for some controls (lists, combo boxes), nothing or their value.
#pragma once

#include <windows.h>

#include <string>

// From now on, the control's accessible object is named name; the rest of it is the system's.
void SetAccessibleName(HWND control, const std::wstring& name);

// A label's text as a name: without its mnemonic's "&" and its closing " :".
std::wstring NameOfLabel(const std::wstring& label);
