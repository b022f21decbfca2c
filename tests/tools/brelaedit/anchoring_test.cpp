// Anchored boxes after the form grows or shrinks, worked out by hand.
#include "tools/brelaedit/anchoring.h"

#include <gtest/gtest.h>

namespace {

TEST(AnchoringTest, EachControlFollowsTheEdgesItIsAnchoredTo) {
  const Box laidOut{10, 20, 110, 60};  // 100 wide, 40 high
  struct Case {
    unsigned edges;
    int dx, dy;
    Box expected;
  };
  const Case cases[] = {
      {ANCHOR_TOP_LEFT, 50, 30, {10, 20, 110, 60}},
      {ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT, 50, 30, {10, 20, 160, 60}},
      {ANCHOR_TOP | ANCHOR_RIGHT, 50, 30, {60, 20, 160, 60}},
      {ANCHOR_LEFT | ANCHOR_BOTTOM, 50, 30, {10, 50, 110, 90}},
      {ANCHOR_ALL, 50, 30, {10, 20, 160, 90}},
      {ANCHOR_RIGHT | ANCHOR_BOTTOM, -5, -8, {5, 12, 105, 52}},
      {ANCHOR_ALL, -30, -15, {10, 20, 80, 45}},
      // Shrunk past nothing, a stretching control keeps no size rather than a negative one.
      {ANCHOR_ALL, -150, -70, {10, 20, 10, 20}},
      {0, 50, 30, {10, 20, 110, 60}},
  };
  for (const Case& c : cases) {
    const Box box = AnchoredBox(laidOut, c.edges, c.dx, c.dy);
    EXPECT_EQ(box.left, c.expected.left) << c.edges << " " << c.dx;
    EXPECT_EQ(box.top, c.expected.top) << c.edges << " " << c.dy;
    EXPECT_EQ(box.right, c.expected.right) << c.edges << " " << c.dx;
    EXPECT_EQ(box.bottom, c.expected.bottom) << c.edges << " " << c.dy;
  }
}

}  // namespace
