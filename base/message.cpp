// Message boxes go through here so that tests can see them instead of waiting on them.
#include "base/message.h"

#include <cstdio>

namespace {
MessageSink currentSink = nullptr;
}

void SetMessageSink(MessageSink sink) { currentSink = sink; }

void ShowMessage(const char* text, const char* title) {
  if (currentSink) {
    currentSink(text, title);
    return;
  }
  std::fprintf(stderr, "%s: %s\n", title, text);
}
