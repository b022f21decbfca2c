// What a window scroll bar does with a position it is asked to take, as the tests expect it.
#pragma once

#include <algorithm>

#include "board/scrolling.h"

// The position a bar keeps: within minimum .. maximum - (page - 1).
inline int KeptScrollPosition(const ScrollBarState& bar, int requested) {
  int largest = bar.maximum - std::max(bar.page - 1, 0);
  return std::max(std::min(requested, largest), bar.minimum);
}
