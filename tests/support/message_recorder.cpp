// The test side of the message seam.
#include "tests/support/message_recorder.h"

#include "base/message.h"

namespace {
std::vector<RecordedMessage> recorded;
void Record(const char* text, const char* title) { recorded.push_back({text, title}); }
}  // namespace

MessageRecorder::MessageRecorder() {
  recorded.clear();
  SetMessageSink(Record);
}

MessageRecorder::~MessageRecorder() { SetMessageSink(nullptr); }

const std::vector<RecordedMessage>& MessageRecorder::Messages() const { return recorded; }

std::vector<std::string> MessageRecorder::Texts() const {
  std::vector<std::string> texts;
  for (const auto& m : recorded) texts.push_back(m.text);
  return texts;
}
