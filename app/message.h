// The one seam through which the program tells the user something in a message box.
#pragma once

// Shows text in a box with no owner window, the given title and an OK button only.
void ShowMessage(const char* text, const char* title);

// Tests replace the box with an observer; null restores the real box.
using MessageSink = void (*)(const char* text, const char* title);
void SetMessageSink(MessageSink sink);
