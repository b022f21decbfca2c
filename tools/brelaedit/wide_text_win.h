// The editor's texts: UTF-16 in its windows, UTF-8 in the quiz record; both hold every character.
#pragma once

#include <windows.h>

#include <string>

std::wstring WideText(const std::string& utf8);
std::string Utf8Text(const std::wstring& wide);

// A control's whole text.
std::wstring WindowTextOf(HWND window);
