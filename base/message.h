// The one seam through which the program tells the user something in a message box.
#pragma once

// Shows text in a box with no owner window, the given title and an OK button only: through the
// sink set last, or on the standard error stream while none is set.
void ShowMessage(const char* text, const char* title);

// The player sets the real box (ShowMessageBox) at start; tests set an observer. Null restores
// the standard error stream.
using MessageSink = void (*)(const char* text, const char* title);
void SetMessageSink(MessageSink sink);
