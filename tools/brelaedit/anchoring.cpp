// Anchored layout: the arithmetic of one axis, applied to both.
#include "tools/brelaedit/anchoring.h"

#include <algorithm>

namespace {

// One axis: the low and high edges of a control, the growth of the form along it.
void AnchorAxis(int& low, int& high, bool followsLow, bool followsHigh, int growth) {
  if (!followsHigh) return;
  if (followsLow) {
    high = std::max(low, high + growth);
  } else {
    low += growth;
    high += growth;
  }
}

}  // namespace

Box AnchoredBox(const Box& laidOut, unsigned edges, int dx, int dy) {
  Box box = laidOut;
  AnchorAxis(box.left, box.right, edges & ANCHOR_LEFT, edges & ANCHOR_RIGHT, dx);
  AnchorAxis(box.top, box.bottom, edges & ANCHOR_TOP, edges & ANCHOR_BOTTOM, dy);
  return box;
}
