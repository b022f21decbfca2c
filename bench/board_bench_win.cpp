// Timings of the board under Wine: building the largest boards, one check on them, and F1 over
// all their fields. Prints the median of several runs of each; not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/startup_win.h"
#include "base/process_state_win.h"
#include "board/answer_field_win.h"
#include "board/board_ids.h"
#include "board/check_answer_win.h"
#include "tests/board/test_board.h"
#include "tests/support/startup_timing.h"

namespace {

// Builds the board again and again beside the open one; the last one built is then timed.
void TimeBoard(const char* name, const QuizShape& shape, bool restoredAnswers) {
  TestBoard test(shape);
  int fields = shape.questionCount * shape.answersPerQuestion;
  if (restoredAnswers) {
    // Every field restored with a wrong answer of everyday length, so every check grades.
    WriteAnswersFile(std::vector<std::string>(fields, "une reponse fausse"));
  }
  test.Open();
  ShowWindow(test.Board(), SW_HIDE);
  double build =
      MedianMilliseconds(15, [&] { DestroyWindow(CreateBoard(appInstance, test.Main())); });
  HWND board = CreateBoard(appInstance, test.Main());
  ShowWindow(board, SW_SHOW);
  int last = IDC_ANSWER_BASE + fields;
  SetDlgItemTextA(board, last, "une reponse presque juste");
  double check = MedianMilliseconds(201, [&] { CheckAnswer(test.Quiz(), board, last); });
  HWND first = GetDlgItem(board, IDC_ANSWER_BASE + 1);
  SetFocus(first);
  SetWindowTextA(first, "une reponse fausse");
  double fill = MedianMilliseconds(9, [&] { FillUnsolvedFields(first); });
  std::printf("%-42s build %7.1f ms   CheckAnswer %6.3f ms   F1 over %d fields %7.1f ms\n", name,
              build, check, fields, fill);
}

}  // namespace

int main() {
  TimeBoard("text, 90 questions, 2 answers", {KIND_TEXT, 90, 2, REVEAL_NONE}, false);
  TimeBoard("text, 90 x 2, restored answers", {KIND_TEXT, 90, 2, REVEAL_NONE}, true);
  TimeBoard("picture (no pictures), 90 x 2, mode 3", {KIND_PICTURE, 90, 2, REVEAL_TEXT_AND_PICTURE},
            false);
  TimeBoard("picture (no pictures), 90 x 2, restored", {KIND_PICTURE, 90, 2, REVEAL_TEXT_AND_PICTURE},
            true);
  return 0;
}
