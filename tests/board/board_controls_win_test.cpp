// The controls that the checks find without a search, on real windows: what the board noted, a
// search for anything else, a noted control that is gone, the header's displays, and texts set
// only when they change.
#include "board/board_controls_win.h"

#include <gtest/gtest.h>

#include <string>

#include "board/board_ids.h"

namespace {

HWND Child(HWND parent, int id) {
  return CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, parent,
                         reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
}

// A main window with a score and a code display, and a board inside it.
struct Windows {
  HWND main;
  HWND board;
};

Windows MakeWindows() {
  HWND main = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                              nullptr, nullptr, nullptr);
  return {main, Child(main, 1)};
}

TEST(BoardControl, GivesWhatTheBoardNotedAndSearchesForTheRest) {
  Windows windows = MakeWindows();
  HWND board = windows.board;
  HWND field = Child(board, IDC_ANSWER_BASE + 7);
  HWND verdict = Child(board, IDC_VERDICT_BASE + 180);
  HWND reveal = Child(board, IDC_REVEAL_TEXT_BASE + 90);
  HWND picture = Child(board, IDC_PICTURE_BASE + 3);
  // Not noted yet: another board, or none, is searched.
  EXPECT_EQ(BoardControl(board, IDC_ANSWER_BASE + 7), field);
  for (HWND control : {field, verdict, reveal}) {
    NoteBoardControl(board, GetDlgCtrlID(control), control);
  }
  EXPECT_EQ(BoardControl(board, IDC_ANSWER_BASE + 7), field);
  EXPECT_EQ(BoardControl(board, IDC_VERDICT_BASE + 180), verdict);
  EXPECT_EQ(BoardControl(board, IDC_REVEAL_TEXT_BASE + 90), reveal);
  EXPECT_EQ(BoardControl(board, IDC_PICTURE_BASE + 3), picture) << "an id of no noted kind";
  // A field of a noted kind that the board has not made (not yet, or not in its kind).
  HWND unnoted = Child(board, IDC_ANSWER_BASE + 8);
  EXPECT_EQ(BoardControl(board, IDC_ANSWER_BASE + 8), nullptr);
  EXPECT_EQ(BoardControl(board, IDC_REVEAL_TEXT_BASE + 1), nullptr);
  // Another board is searched.
  HWND other = Child(windows.main, 2);
  HWND otherField = Child(other, IDC_ANSWER_BASE + 7);
  EXPECT_EQ(BoardControl(other, IDC_ANSWER_BASE + 7), otherField);
  DestroyWindow(unnoted);
  DestroyWindow(windows.main);
}

TEST(BoardControl, ANotedControlThatIsGoneIsLookedForAgain) {
  Windows windows = MakeWindows();
  HWND board = windows.board;
  HWND first = Child(board, IDC_VERDICT_BASE + 1);
  NoteBoardControl(board, IDC_VERDICT_BASE + 1, first);
  DestroyWindow(first);
  EXPECT_EQ(BoardControl(board, IDC_VERDICT_BASE + 1), nullptr);
  HWND second = Child(board, IDC_VERDICT_BASE + 1);
  EXPECT_EQ(BoardControl(board, IDC_VERDICT_BASE + 1), second);
  // A control given another id is no longer the one of its former id.
  HWND field = Child(board, IDC_ANSWER_BASE + 1);
  NoteBoardControl(board, IDC_ANSWER_BASE + 1, field);
  SetWindowLongPtrA(field, GWLP_ID, IDC_ANSWER_BASE + 2);
  EXPECT_EQ(BoardControl(board, IDC_ANSWER_BASE + 1), nullptr);
  DestroyWindow(windows.main);
}

TEST(HeaderDisplay, FindsTheFirstScoreAndTheCodeOfTheBoardsMainWindow) {
  for (int round = 0; round < 2; ++round) {  // the second round: another main window
    Windows windows = MakeWindows();
    HWND score = Child(windows.main, IDC_SCORE);
    Child(windows.main, IDC_SCORE);  // a label that shares the id, made after the score
    HWND code = Child(windows.main, IDC_CODE);
    EXPECT_EQ(HeaderDisplay(windows.board, IDC_SCORE), score) << round;
    EXPECT_EQ(HeaderDisplay(windows.board, IDC_CODE), code) << round;
    EXPECT_EQ(HeaderDisplay(windows.board, IDC_SCORE), score) << round;
    DestroyWindow(windows.main);
  }
}

// Counts the WM_SETTEXT that reach a static control.
int setTexts = 0;
WNDPROC staticProc = nullptr;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) ++setTexts;
  return CallWindowProcA(staticProc, window, message, wParam, lParam);
}

TEST(SetControlText, WritesOnlyATextThatDiffers) {
  Windows windows = MakeWindows();
  HWND label = Child(windows.board, IDC_VERDICT_BASE + 1);
  staticProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
  struct Step {
    const char* text;
    int writes;  // counted so far
  };
  const std::string long259(259, 'x');
  const Step steps[] = {{"?", 1}, {"?", 1}, {"BRAVO", 2}, {"BRAVO", 2}, {"BRAV", 3},
                        {"", 4},  {"", 4},  {long259.c_str(), 5}, {long259.c_str(), 5}};
  for (const Step& step : steps) {
    SetControlText(label, step.text);
    char shown[300];
    GetWindowTextA(label, shown, sizeof shown);
    EXPECT_STREQ(shown, step.text);
    EXPECT_EQ(setTexts, step.writes) << step.text;
  }
  SetControlText(nullptr, "nothing to write into");
  DestroyWindow(windows.main);
}

}  // namespace
