// The main window: header, version label, board placement, keys, wheel, saving and closing.
#pragma once

#include <windows.h>

// The maker's web site: the link's text and the address that it opens.
constexpr const char* MAKER_SITE = "www.example.org";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
