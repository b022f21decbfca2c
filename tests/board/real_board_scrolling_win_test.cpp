// Scrolling on the player's real board inside its real main window: the worked numbers, the wheel
// and the board following the keyboard.
#include <gtest/gtest.h>

#include <memory>

#include "board/board_ids.h"
#include "board/scrolling_win.h"
#include "tests/board/board_like_dialog.h"
#include "tests/board/test_board.h"

namespace {

// A picture quiz of 10 questions with one answer each (its pictures missing: empty cells);
// question n expects "rep{n}a".
class RealBoard : public ::testing::Test {
 protected:
  void TearDown() override { HoldShift(false); }

  void Open(int revealMode) {
    test = std::make_unique<TestBoard>(QuizShape{KIND_PICTURE, 10, 1, revealMode});
    test->Open();
    board = test->Board();
  }

  // Resizes the board itself (a main window that large would not fit on the test's screen).
  void SizeBoardClient(int width, int height) {
    RECT window;
    RECT client;
    GetWindowRect(board, &window);
    GetClientRect(board, &client);
    SetWindowPos(board, nullptr, 0, 0, width + (window.right - window.left - client.right),
                 height + (window.bottom - window.top - client.bottom), SWP_NOZORDER | SWP_NOMOVE);
  }

  HWND Field(int slot) { return GetDlgItem(board, IDC_ANSWER_BASE + slot); }
  RECT FieldRect(int slot) { return ControlRectInParent(board, IDC_ANSWER_BASE + slot); }
  bool InView(int slot) {
    RECT client;
    GetClientRect(board, &client);
    RECT field = FieldRect(slot);
    return field.left >= 0 && field.top >= 0 && field.right <= client.right &&
           field.bottom <= client.bottom;
  }
  int FocusedSlot() {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == board ? GetDlgCtrlID(focus) - IDC_ANSWER_BASE : 0;
  }
  void Release(int slot, WPARAM key) { SendMessageA(Field(slot), WM_KEYUP, key, 0xC0000001); }

  std::unique_ptr<TestBoard> test;
  HWND board = nullptr;
};

TEST_F(RealBoard, WorkedNumbersOfAPictureQuiz) {
  Open(REVEAL_NONE);
  SizeBoardClient(859, 800);
  EXPECT_EQ(ContentWidth, 890);
  EXPECT_EQ(ContentHeight, 1345);
  SCROLLINFO vertical = BarInfo(board, SB_VERT);
  EXPECT_EQ(vertical.nMax, 1343);
  EXPECT_EQ(vertical.nPage, 799u);
  SCROLLINFO horizontal = BarInfo(board, SB_HORZ);
  EXPECT_EQ(horizontal.nMax, 888);
  EXPECT_EQ(horizontal.nPage, 858u);

  RECT top = FieldRect(10);  // question 10: row 3, column 0
  EXPECT_EQ(top.top, 3 * 330 + 290);
  SendMessageA(board, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 545);
  EXPECT_EQ(FieldRect(10).top, top.top - 545);
  SendMessageA(board, WM_VSCROLL, SB_LINEUP, 0);
  SendMessageA(board, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 545);
  EXPECT_EQ(FieldRect(10).top, top.top - 545);
  SendMessageA(board, WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(ScrollPos(board, SB_HORZ), 31);
  EXPECT_EQ(FieldRect(10).left, top.left - 31);
}

TEST_F(RealBoard, RevealTextsOfTheLastRowCanBeScrolledIntoView) {
  Open(REVEAL_TEXTS_AT_END);
  SizeBoardClient(859, 800);
  EXPECT_EQ(ContentHeight, 1585);
  SendMessageA(board, WM_VSCROLL, SB_BOTTOM, 0);
  RECT reveal = ControlRectInParent(board, IDC_REVEAL_TEXT_BASE + 10);
  EXPECT_GE(reveal.top, 0);
  EXPECT_LE(reveal.bottom, 800);
}

// A notch that reaches the board scrolls twice (the board posts a request and passes the wheel on
// to the main window, which posts another); one that reaches the main window, once.
TEST_F(RealBoard, AWheelNotchScrollsOnceOrTwice) {
  Open(REVEAL_NONE);
  SendMessageA(board, WM_MOUSEWHEEL, MAKEWPARAM(0, 65416), 0);
  PumpMessages();
  EXPECT_EQ(ScrollPos(board, SB_VERT), 60);
  SendMessageA(test->Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  PumpMessages();
  EXPECT_EQ(ScrollPos(board, SB_VERT), 30);
  SendMessageA(board, WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
  PumpMessages();
  EXPECT_EQ(ScrollPos(board, SB_VERT), 30);
}

// The wheel goes to the window with the focus, usually an answer field: the board scrolls as if
// the notch had reached it.
TEST_F(RealBoard, AWheelNotchOnAnAnswerFieldScrollsTheBoard) {
  Open(REVEAL_NONE);
  SendMessageA(Field(1), WM_MOUSEWHEEL, MAKEWPARAM(0, 65416), 0);
  PumpMessages();
  EXPECT_EQ(ScrollPos(board, SB_VERT), 60);
}

TEST_F(RealBoard, TabAndShiftTabBringTheirFieldIntoView) {
  Open(REVEAL_NONE);
  SetFocus(Field(3));
  ASSERT_FALSE(InView(4));
  Release(3, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 4);
  EXPECT_TRUE(InView(4));
  Release(4, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 5);
  EXPECT_TRUE(InView(5));
  HoldShift(true);
  Release(5, VK_TAB);
  Release(4, VK_TAB);
  Release(3, VK_TAB);
  Release(2, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 1);
  EXPECT_TRUE(InView(1));
  Release(1, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 10);
  EXPECT_TRUE(InView(10));
  HoldShift(false);
  Release(10, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 1);
  EXPECT_TRUE(InView(1));
}

TEST_F(RealBoard, F1ShowsItsFieldAgain) {
  Open(REVEAL_NONE);
  SetFocus(Field(10));
  SetWindowTextA(Field(10), "rep4a");
  SendMessageA(board, WM_VSCROLL, SB_TOP, 0);
  ASSERT_FALSE(InView(10));
  Release(10, VK_F1);
  EXPECT_EQ(FocusedSlot(), 10);
  EXPECT_TRUE(InView(10));
  EXPECT_EQ(test->Text(IDC_VERDICT_BASE + 4), "BRAVO");
  EXPECT_EQ(test->HeaderText(IDC_SCORE), " 1 / 10");
}

}  // namespace
