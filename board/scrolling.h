// Scroll arithmetic of the board, free of the window system.
#pragma once

#include "quiz/quiz_definition.h"

struct ContentExtent {
  int width;
  int height;
};

// The size of the board's content for a quiz, fixed when the main window is created.
ContentExtent BoardContentExtent(const QuizDefinition& quiz);

// Scroll request codes, as the low word of a scroll message carries them.
constexpr int SCROLL_LINE_UP = 0;
constexpr int SCROLL_LINE_DOWN = 1;
constexpr int SCROLL_PAGE_UP = 2;
constexpr int SCROLL_PAGE_DOWN = 3;
constexpr int SCROLL_THUMB_POSITION = 4;
constexpr int SCROLL_THUMB_TRACK = 5;
constexpr int SCROLL_TOP = 6;
constexpr int SCROLL_BOTTOM = 7;

// The request of one wheel message, from the high word of its wParam as an unsigned 16-bit value:
// a line up for exactly one notch away from the user (120), a line down for exactly one notch
// toward them (-120, that is 65416); NO_SCROLL_REQUEST for any other delta, two notches included.
constexpr int NO_SCROLL_REQUEST = -1;
int WheelScrollRequest(unsigned wheelWord);

constexpr int VERTICAL_LINE_STEP = 30;
constexpr int HORIZONTAL_LINE_STEP = 1;

enum ScrollAxis { AXIS_HORIZONTAL, AXIS_VERTICAL };

// What a scroll bar holds, in scroll units.
struct ScrollBarState {
  int minimum;
  int maximum;
  int page;
  int position;
  int trackPosition;
};

// The range and page a bar gets for a client size and a content size.
struct ScrollBarSettings {
  int visible;         // the client size, capped at the content size
  int maximum;         // the minimum is always 0
  int page;
  bool resetPosition;  // the whole content fits: the position goes back to 0
};
ScrollBarSettings BoardScrollBarSettings(int clientSize, int contentSize);

// The position a request code asks for, clamped to the bar's range.
int RequestedScrollPosition(const ScrollBarState& bar, int code, ScrollAxis axis);

// The position that shows the span start .. end (content coordinates, end excluded) wholly,
// moving as little as possible from the current position; the start wins when the span is
// larger than the visible size.
int FollowScrollPosition(int position, int visibleSize, int start, int end);
