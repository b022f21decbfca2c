// The board's scroll arithmetic: content extent, bar settings, requests, kept positions, following.
#include "board/scrolling.h"

#include <gtest/gtest.h>

#include "tests/board/scroll_bar_model.h"

namespace {

struct ExtentCase {
  int kind;
  int count;
  int answers;
  int mode;
  int width;
  int height;
};

TEST(BoardContentExtent, FollowsKindCountAnswersAndRevealMode) {
  const ExtentCase cases[] = {
      {KIND_PICTURE, 10, 1, REVEAL_NONE, 890, 1345},
      {KIND_PICTURE, 10, 1, REVEAL_TEXTS_AT_END, 890, 1585},
      {KIND_PICTURE, 10, 1, REVEAL_TEXT, 890, 1585},
      {KIND_PICTURE, 10, 1, REVEAL_TEXT_AND_PICTURE, 890, 1585},
      {KIND_PICTURE, 10, 1, REVEAL_PICTURE, 890, 1345},
      {KIND_PICTURE, 10, 2, REVEAL_NONE, 980, 1345},
      {KIND_PICTURE, 2, 2, REVEAL_NONE, 830, 355},
      {KIND_PICTURE, 3, 1, REVEAL_NONE, 890, 355},
      {KIND_PICTURE, 4, 1, REVEAL_NONE, 890, 685},
      {KIND_VIDEO, 90, 2, REVEAL_TEXT, 980, 30 * 390 + 25},
      {KIND_VIDEO, 1, 1, REVEAL_NONE, 830, 355},
      {KIND_TEXT, 20, 1, REVEAL_NONE, 830, 525},
      {KIND_TEXT, 20, 2, REVEAL_NONE, 830, 525},
      {KIND_TEXT, 90, 2, REVEAL_TEXT, 830, 2275},
      {KIND_AUDIO, 2, 1, REVEAL_NONE, 830, 100},
      {KIND_AUDIO, 3, 2, REVEAL_NONE, 980, 100},
      {KIND_AUDIO, 4, 1, REVEAL_NONE, 890, 180},
      {KIND_AUDIO, 90, 1, REVEAL_NONE, 890, 2420},
  };
  for (const ExtentCase& c : cases) {
    QuizDefinition quiz;
    quiz.kind = c.kind;
    quiz.questionCount = c.count;
    quiz.answersPerQuestion = c.answers;
    quiz.revealMode = c.mode;
    ContentExtent extent = BoardContentExtent(quiz);
    EXPECT_EQ(extent.width, c.width) << "kind " << c.kind << ", " << c.count << " questions";
    EXPECT_EQ(extent.height, c.height) << "kind " << c.kind << ", " << c.count << " questions";
  }
}

TEST(BoardScrollBarSettings, PictureQuizOnAnOrdinaryBoard) {
  ScrollBarSettings vertical = BoardScrollBarSettings(800, 1345);
  EXPECT_EQ(vertical.visible, 800);
  EXPECT_EQ(vertical.maximum, 1343);
  EXPECT_EQ(vertical.page, 799);
  EXPECT_FALSE(vertical.resetPosition);
  EXPECT_EQ(KeptScrollPosition({0, vertical.maximum, vertical.page, 0, 0}, 100000), 545);

  ScrollBarSettings horizontal = BoardScrollBarSettings(859, 890);
  EXPECT_EQ(horizontal.maximum, 888);
  EXPECT_EQ(horizontal.page, 858);
  EXPECT_EQ(KeptScrollPosition({0, horizontal.maximum, horizontal.page, 0, 0}, 100000), 31);
}

TEST(BoardScrollBarSettings, ABoardAsLargeAsTheContentKeepsOnlyPositionZero) {
  for (int client : {525, 526, 2000}) {
    ScrollBarSettings settings = BoardScrollBarSettings(client, 525);
    EXPECT_EQ(settings.visible, 525);
    EXPECT_EQ(settings.maximum, 523);
    EXPECT_EQ(settings.page, 524);
    EXPECT_TRUE(settings.resetPosition);
    EXPECT_EQ(KeptScrollPosition({0, settings.maximum, settings.page, 0, 0}, 200), 0);
  }
  ScrollBarSettings oneShort = BoardScrollBarSettings(524, 525);
  EXPECT_FALSE(oneShort.resetPosition);
  EXPECT_EQ(KeptScrollPosition({0, oneShort.maximum, oneShort.page, 0, 0}, 200), 1);
}

TEST(BoardScrollBarSettings, EndOfTheContentMeetsTheEndOfTheBoard) {
  for (int content = 100; content <= 2500; content += 7) {
    for (int client = 50; client < content; client += 13) {
      ScrollBarSettings s = BoardScrollBarSettings(client, content);
      ASSERT_EQ(KeptScrollPosition({0, s.maximum, s.page, 0, 0}, s.maximum), content - client)
          << client << " of " << content;
    }
  }
}

struct RequestCase {
  int code;
  ScrollAxis axis;
  int position;
  int requested;
};

TEST(RequestedScrollPosition, EveryCodeOnBothAxes) {
  // Vertical bar 0..1343, page 799; horizontal bar 0..888, page 858; track position 300.
  const RequestCase cases[] = {
      {SCROLL_LINE_UP, AXIS_VERTICAL, 530, 500},
      {SCROLL_LINE_DOWN, AXIS_VERTICAL, 530, 560},
      {SCROLL_PAGE_UP, AXIS_VERTICAL, 530, 0},
      {SCROLL_PAGE_DOWN, AXIS_VERTICAL, 100, 899},
      {SCROLL_PAGE_DOWN, AXIS_VERTICAL, 545, 1343},
      {SCROLL_THUMB_POSITION, AXIS_VERTICAL, 530, 530},
      {SCROLL_THUMB_TRACK, AXIS_VERTICAL, 530, 300},
      {SCROLL_TOP, AXIS_VERTICAL, 530, 0},
      {SCROLL_BOTTOM, AXIS_VERTICAL, 10, 1343},
      {8, AXIS_VERTICAL, 530, 530},
      {0xFFFF, AXIS_VERTICAL, 530, 530},
      {SCROLL_LINE_UP, AXIS_VERTICAL, 10, 0},
      {SCROLL_LINE_UP, AXIS_HORIZONTAL, 20, 19},
      {SCROLL_LINE_DOWN, AXIS_HORIZONTAL, 20, 21},
      {SCROLL_LINE_UP, AXIS_HORIZONTAL, 0, 0},
      {SCROLL_PAGE_UP, AXIS_HORIZONTAL, 20, 0},
      {SCROLL_PAGE_DOWN, AXIS_HORIZONTAL, 20, 878},
      {SCROLL_PAGE_DOWN, AXIS_HORIZONTAL, 31, 888},
      {SCROLL_THUMB_POSITION, AXIS_HORIZONTAL, 20, 20},
      {SCROLL_THUMB_TRACK, AXIS_HORIZONTAL, 20, 300},
      {SCROLL_TOP, AXIS_HORIZONTAL, 20, 20},
      {SCROLL_BOTTOM, AXIS_HORIZONTAL, 20, 20},
      {0xFFFF, AXIS_HORIZONTAL, 20, 20},
  };
  for (const RequestCase& c : cases) {
    ScrollBarState bar = c.axis == AXIS_VERTICAL ? ScrollBarState{0, 1343, 799, c.position, 300}
                                                 : ScrollBarState{0, 888, 858, c.position, 300};
    EXPECT_EQ(RequestedScrollPosition(bar, c.code, c.axis), c.requested)
        << "code " << c.code << (c.axis == AXIS_VERTICAL ? " vertical" : " horizontal") << " at "
        << c.position;
  }
}

TEST(RequestedScrollPosition, LineDownNearTheEndAsksBeyondWhatTheBarKeeps) {
  ScrollBarState bar{0, 1343, 799, 530, 530};
  int requested = RequestedScrollPosition(bar, SCROLL_LINE_DOWN, AXIS_VERTICAL);
  EXPECT_EQ(requested, 560);
  EXPECT_EQ(KeptScrollPosition(bar, requested), 545);
  requested = RequestedScrollPosition(bar, SCROLL_BOTTOM, AXIS_VERTICAL);
  EXPECT_EQ(requested, 1343);
  EXPECT_EQ(KeptScrollPosition(bar, requested), 545);
}

TEST(KeptScrollPosition, ClampsToTheRangeLessThePage) {
  ScrollBarState bar{0, 1343, 799, 0, 0};
  EXPECT_EQ(KeptScrollPosition(bar, -5), 0);
  EXPECT_EQ(KeptScrollPosition(bar, 0), 0);
  EXPECT_EQ(KeptScrollPosition(bar, 300), 300);
  EXPECT_EQ(KeptScrollPosition(bar, 545), 545);
  EXPECT_EQ(KeptScrollPosition(bar, 546), 545);
  ScrollBarState noPage{0, 100, 0, 0, 0};
  EXPECT_EQ(KeptScrollPosition(noPage, 100), 100);
  EXPECT_EQ(KeptScrollPosition(noPage, 101), 100);
}

struct FollowCase {
  int position;
  int start;
  int end;
  int expected;
};

TEST(FollowScrollPosition, MovesAsLittleAsNeededToShowTheSpan) {
  // A visible size of 800.
  const FollowCase cases[] = {
      {0, 290, 310, 0},          // already visible
      {100, 100, 120, 100},      // on the top edge
      {100, 880, 900, 100},      // on the bottom edge
      {0, 950, 970, 170},        // below: its end comes to the bottom edge
      {500, 290, 310, 290},      // above: its start comes to the top edge
      {500, 480, 520, 480},      // cut by the top edge
      {0, 790, 810, 10},         // cut by the bottom edge
      {0, 1000, 2000, 1000},     // larger than the board: its start comes to the top
      {1200, 1000, 2000, 1000},  // larger and cut at the top
  };
  for (const FollowCase& c : cases) {
    EXPECT_EQ(FollowScrollPosition(c.position, 800, c.start, c.end), c.expected)
        << "span " << c.start << ".." << c.end << " at " << c.position;
  }
}

// One notch is 120 units of wheel delta; the high word of the message's wParam carries the delta as
// a 16-bit value, so a notch toward the user reads 65536 - 120.
TEST(WheelScrollRequest, OneNotchEitherWayScrollsALineAndNothingElseDoes) {
  struct WheelCase {
    unsigned word;
    int expected;
  };
  const WheelCase cases[] = {
      {120, 0},                   // a notch away: line up
      {65536 - 120, 1},           // a notch toward: line down
      {240, -1},                  // two notches in one message
      {65536 - 240, -1},
      {0, -1},
      {119, -1},
      {121, -1},
      {65535, -1},                // -1: a fine-grained wheel's step
      {1, -1},
  };
  for (const WheelCase& c : cases) EXPECT_EQ(WheelScrollRequest(c.word), c.expected) << c.word;
}

}  // namespace
