// Records the messages the program would show, in order, instead of opening message boxes.
#pragma once

#include <string>
#include <vector>

struct RecordedMessage {
  std::string text;
  std::string title;
};

// Starts recording (clearing what was recorded before) for as long as the recorder lives.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  const std::vector<RecordedMessage>& Messages() const;
  std::vector<std::string> Texts() const;
};
