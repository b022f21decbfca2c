// Message boxes go through here so that tests can see them instead of waiting on them.
#include "app/message.h"

void ShowPlatformMessage(const char* text, const char* title);  // message_win.cpp or message_posix.cpp

namespace {
MessageSink currentSink = nullptr;
}

void SetMessageSink(MessageSink sink) { currentSink = sink; }

void ShowMessage(const char* text, const char* title) {
  if (currentSink) {
    currentSink(text, title);
    return;
  }
  ShowPlatformMessage(text, title);
}
