// An icon as the system draws it, read back pixel by pixel.
#pragma once

#include <windows.h>

#include <vector>

// Shows through wherever the icon is transparent.
constexpr DWORD ICON_BACKGROUND = 0x555555;

// The icon drawn at 32 x 32 over ICON_BACKGROUND: 0x00RRGGBB, top row first.
std::vector<DWORD> DrawIcon32(HICON icon);
