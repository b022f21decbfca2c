// Scrolling of a real board window: bars, requests, resizing, the wheel and following a control.
#include "board/scrolling_win.h"

#include <gtest/gtest.h>

#include "board/scrolling.h"
#include "tests/board/board_like_dialog.h"
#include "tests/board/scroll_bar_model.h"
#include "tests/support/player_windows.h"

namespace {

// Moves the bar without moving the content, to start a request from a given position.
void SetBarPosition(HWND board, int bar, int position) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(board, bar, &info, FALSE);
}

// A picture quiz of 10 questions with one answer: 890 x 1345 of content on an 859 x 800 board.
class BoardScrolling : public ::testing::Test {
 protected:
  void SetUp() override {
    QuizDefinition quiz;
    quiz.kind = KIND_PICTURE;
    quiz.questionCount = 10;
    quiz.answersPerQuestion = 1;
    quiz.revealMode = REVEAL_NONE;
    ComputeBoardContentExtent(quiz);
    dialog = CreateBoardLikeDialog();
    board = dialog.board;
    CreateBoardChild(board, "Static", PROBE_ID, 300, 40, 20, 20);
    SetBoardClientSize(board, 859, 800);
  }
  void TearDown() override { DestroyBoardLikeDialog(dialog); }

  // A control at (300, 40) of the content: where it is shows where the content is.
  RECT Probe() { return ControlRectInParent(board, PROBE_ID); }

  static constexpr int PROBE_ID = 9001;
  BoardLikeDialog dialog{};
  HWND board = nullptr;
};

TEST_F(BoardScrolling, ContentExtentFromTheQuiz) {
  EXPECT_EQ(ContentWidth, 890);
  EXPECT_EQ(ContentHeight, 1345);
  EXPECT_EQ(VisibleWidth, 859);
  EXPECT_EQ(VisibleHeight, 800);
}

TEST_F(BoardScrolling, LineDownNearTheEndStopsAtTheLastPosition) {
  SetBarPosition(board, SB_VERT, 530);
  RECT before = Probe();
  SendMessageA(board, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 545);
  EXPECT_EQ(Probe().top, before.top - 15);
  EXPECT_EQ(Probe().left, before.left);
}

TEST_F(BoardScrolling, LineStepsAreThirtyDownAndOneAcross) {
  SendMessageA(board, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(board, WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 30);
  EXPECT_EQ(ScrollPos(board, SB_HORZ), 1);
  EXPECT_EQ(Probe().top, 40 - 30);
  EXPECT_EQ(Probe().left, 300 - 1);
  SendMessageA(board, WM_HSCROLL, SB_LINEUP, 0);
  SendMessageA(board, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(Probe().left, 300);
  EXPECT_EQ(Probe().top, 40);
}

// Every request code on both bars from several positions, against the arithmetic's own model;
// whatever the bar keeps, the content moves by exactly as much.
TEST_F(BoardScrolling, EveryRequestCodeMovesBarAndContentAlike) {
  const int codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0xFFFF};
  const int positions[] = {0, 17, 300, 545};
  for (int bar : {SB_HORZ, SB_VERT}) {
    ScrollAxis axis = bar == SB_HORZ ? AXIS_HORIZONTAL : AXIS_VERTICAL;
    UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    for (int code : codes) {
      for (int start : positions) {
        SetBarPosition(board, bar, start);
        SCROLLINFO info = BarInfo(board, bar);
        ScrollBarState state{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos,
                             info.nPos};
        int expected = KeptScrollPosition(state, RequestedScrollPosition(state, code, axis));
        RECT before = Probe();
        SendMessageA(board, message, code, 0);
        int actual = ScrollPos(board, bar);
        ASSERT_EQ(actual, expected) << "code " << code << " from " << start << " on bar " << bar;
        RECT after = Probe();
        int moved = bar == SB_HORZ ? after.left - before.left : after.top - before.top;
        int across = bar == SB_HORZ ? after.top - before.top : after.left - before.left;
        EXPECT_EQ(moved, info.nPos - actual) << "code " << code << " from " << start;
        EXPECT_EQ(across, 0);
      }
    }
  }
}

TEST_F(BoardScrolling, AnUnknownCodeAndTheOtherBarsEndsChangeNothing) {
  SendMessageA(board, WM_VSCROLL, SB_LINEDOWN, 0);
  RECT before = Probe();
  SendMessageA(board, WM_VSCROLL, 0xFFFF, 0);
  SendMessageA(board, WM_HSCROLL, SB_BOTTOM, 0);
  SendMessageA(board, WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 30);
  EXPECT_EQ(ScrollPos(board, SB_HORZ), 0);
  EXPECT_EQ(Probe().left, before.left);
  EXPECT_EQ(Probe().top, before.top);
}

TEST_F(BoardScrolling, EnlargingBeyondTheContentGoesBackToTheTop) {
  SetBarPosition(board, SB_VERT, 200);
  ScrollWindow(board, 0, -200, nullptr, nullptr);  // the content where position 200 puts it
  ASSERT_EQ(Probe().top, 40 - 200);
  SetBoardClientSize(board, 859, 1400);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 0);
  EXPECT_EQ(Probe().top, 40);
  EXPECT_EQ(VisibleHeight, 1345);
  SCROLLINFO vertical = BarInfo(board, SB_VERT);
  EXPECT_EQ(vertical.nMax, 1343);
  EXPECT_EQ(vertical.nPage, 1344u);
  SCROLLBARINFO shown = {};
  shown.cbSize = sizeof shown;
  ASSERT_TRUE(GetScrollBarInfo(board, OBJID_VSCROLL, &shown));
  EXPECT_FALSE(shown.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  EXPECT_TRUE(shown.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  SendMessageA(board, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 0);
}

TEST_F(BoardScrolling, AGrowingPagePullsThePositionBack) {
  SendMessageA(board, WM_VSCROLL, SB_BOTTOM, 0);
  ASSERT_EQ(ScrollPos(board, SB_VERT), 545);
  SetBoardClientSize(board, 859, 900);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 445);
  EXPECT_EQ(Probe().top, 40 - 445);
  SetBoardClientSize(board, 859, 700);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 445);
  SendMessageA(board, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 645);
  EXPECT_EQ(Probe().top, 40 - 645);
}

TEST_F(BoardScrolling, OneWheelNotchPostsOneLineRequest) {
  struct WheelCase {
    int delta;
    int position;
  };
  const WheelCase cases[] = {{-120, 60}, {120, 30}, {240, 30}, {-240, 30}, {1, 30}, {-1, 30}};
  SendMessageA(board, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(board, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(board, WM_VSCROLL, SB_LINEUP, 0);
  for (const WheelCase& c : cases) {
    int before = ScrollPos(board, SB_VERT);
    SendMessageA(board, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0);
    EXPECT_EQ(ScrollPos(board, SB_VERT), before) << "the request is posted, not sent";
    PumpMessages();
    EXPECT_EQ(ScrollPos(board, SB_VERT), c.position) << "delta " << c.delta;
  }
  EXPECT_EQ(ScrollPos(board, SB_HORZ), 0);
}

TEST_F(BoardScrolling, AControlOutOfViewIsScrolledIntoView) {
  constexpr int BELOW_ID = 4010;
  constexpr int TOP_ID = 4001;
  HWND below = CreateBoardChild(board, "Edit", BELOW_ID, 870, 1000, 20, 20);  // 870..890, 1000..1020
  HWND top = CreateBoardChild(board, "Edit", TOP_ID, 30, 10, 260, 20);
  ScrollControlIntoView(board, below);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 1020 - 800);
  EXPECT_EQ(ScrollPos(board, SB_HORZ), 890 - 859);
  RECT shown = ControlRectInParent(board, BELOW_ID);
  EXPECT_EQ(shown.top + 20, 800);
  EXPECT_EQ(shown.left + 20, 859);
  EXPECT_EQ(Probe().top, 40 - 220);

  ScrollControlIntoView(board, below);  // already in view: nothing moves
  EXPECT_EQ(ScrollPos(board, SB_VERT), 220);

  ScrollControlIntoView(board, top);
  EXPECT_EQ(ScrollPos(board, SB_VERT), 10);
  EXPECT_EQ(ScrollPos(board, SB_HORZ), 30);
  EXPECT_EQ(ControlRectInParent(board, TOP_ID).top, 0);
  EXPECT_EQ(ControlRectInParent(board, TOP_ID).left, 0);
}

}  // namespace
