// The real message box, the sink that the player gives the message seam.
#pragma once

// A box with no owner window, the title and an OK button only.
void ShowMessageBox(const char* text, const char* title);
