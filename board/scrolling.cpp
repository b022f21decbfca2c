// Scroll arithmetic of the board: content extent, bar settings, requests and keyboard following.
#include "board/scrolling.h"

#include <algorithm>

namespace {

constexpr unsigned WHEEL_NOTCH_UP = 120;
constexpr unsigned WHEEL_NOTCH_DOWN = 65416;  // -120 as an unsigned 16-bit value

int ContentWidthFor(const QuizDefinition& quiz) {
  if (quiz.kind == KIND_TEXT || quiz.questionCount <= 2) return 830;
  return quiz.answersPerQuestion == 2 ? 980 : 890;
}

int ContentHeightFor(const QuizDefinition& quiz) {
  int rows = (quiz.questionCount + 2) / 3;
  switch (quiz.kind) {
    case KIND_TEXT:
      return 25 * quiz.questionCount + 25;
    case KIND_AUDIO:
      return 80 * rows + 20;
    default:
      return rows * (HasRevealText(quiz.revealMode) ? 390 : 330) + 25;
  }
}

}  // namespace

ContentExtent BoardContentExtent(const QuizDefinition& quiz) {
  return {ContentWidthFor(quiz), ContentHeightFor(quiz)};
}

int WheelScrollRequest(unsigned wheelWord) {
  if (wheelWord == WHEEL_NOTCH_UP) return SCROLL_LINE_UP;
  if (wheelWord == WHEEL_NOTCH_DOWN) return SCROLL_LINE_DOWN;
  return NO_SCROLL_REQUEST;
}

ScrollBarSettings BoardScrollBarSettings(int clientSize, int contentSize) {
  bool fits = clientSize >= contentSize;
  int visible = fits ? contentSize : clientSize;
  return {visible, contentSize - 2, visible - 1, fits};
}

int RequestedScrollPosition(const ScrollBarState& bar, int code, ScrollAxis axis) {
  bool vertical = axis == AXIS_VERTICAL;
  int line = vertical ? VERTICAL_LINE_STEP : HORIZONTAL_LINE_STEP;
  int requested = bar.position;
  switch (code) {
    case SCROLL_LINE_UP: requested = bar.position - line; break;
    case SCROLL_LINE_DOWN: requested = bar.position + line; break;
    case SCROLL_PAGE_UP: requested = bar.position - bar.page; break;
    case SCROLL_PAGE_DOWN: requested = bar.position + bar.page; break;
    case SCROLL_THUMB_TRACK: requested = bar.trackPosition; break;
    case SCROLL_TOP: if (vertical) requested = 0; break;
    case SCROLL_BOTTOM: if (vertical) requested = bar.maximum; break;
    default: break;
  }
  return std::max(std::min(requested, bar.maximum), bar.minimum);
}

int FollowScrollPosition(int position, int visibleSize, int start, int end) {
  if (start < position) return start;
  if (end > position + visibleSize) return std::min(start, end - visibleSize);
  return position;
}
