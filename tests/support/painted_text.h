// What a static control really paints, read back from a bitmap: whether it draws its text as
// stored or takes "&" for a mnemonic.
#pragma once

#include <windows.h>

// Expects the control to hold the text and to paint it as stored: the ink of its client area
// (WM_PRINTCLIENT) as wide as DrawTextA leaves for the text with DT_NOPREFIX in the control's
// font, and not as wide as the text read for mnemonics. The text must hold "&" so that the two
// readings differ.
void ExpectPaintedAsStored(HWND control, const char* text);
