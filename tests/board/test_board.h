// A quiz made up for the board's tests and the real main window and board opened on it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
#include "tests/support/message_recorder.h"
#include "tests/support/player_windows.h"
#include "tests/support/test_quiz.h"

// What start-up gives a video quiz before its board is built, once per process: COM on the
// thread and attachControl from atl.dll.
void PrepareVideoHost();

// The main window and the board of a quiz, closed again at the end of the scope. The answers
// file of the test executable is removed before and after.
class TestBoard {
 public:
  explicit TestBoard(const QuizShape& shape);
  ~TestBoard();
  TestBoard(const TestBoard&) = delete;
  TestBoard& operator=(const TestBoard&) = delete;

  // Changes to the quiz must be made before Open. A video quiz is first given what start-up
  // gives it: the control host and COM on the thread.
  QuizDefinition& Quiz() { return quiz_; }
  void Open();
  // What the board showed while it was built (a video quiz tells of every missing film). Open
  // records them with a MessageRecorder of its own: a test's recorder must be made after Open.
  const std::vector<RecordedMessage>& BuildMessages() const { return buildMessages_; }
  HWND Board() const { return windows_.board; }
  HWND Main() const { return windows_.main; }

  std::string Text(int id) const;                   // of a board control
  std::string HeaderText(int id) const;             // of a main-window control
  void Type(int answerFieldId, const char* text);   // sets the field's text, no check
  void Check(int answerFieldId);                    // CheckAnswer on the field
  void TypeAndCheck(int answerFieldId, const char* text);

 private:
  QuizDefinition quiz_;
  PlayerWindows windows_{nullptr, nullptr};
  std::vector<RecordedMessage> buildMessages_;
};

// The answers file that the board of this test executable reads.
std::string AnswersFilePath();
void WriteAnswersFile(const std::vector<std::string>& lines);

// The children of a window in z-order (creation order on a board nothing has reordered).
std::vector<HWND> ChildWindows(HWND parent);
// A child's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
