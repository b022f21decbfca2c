// The scaled size of a picture in its box: worked sizes, and every source size up to 3000 pixels.
#include "picture/scaling.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int BOX = 260;

struct Case {
  int width, height, boxWidth, boxHeight;
  int scaledWidth, scaledHeight;
};

TEST(ScaledSize, WorkedSizes) {
  const Case cases[] = {
      {400, 300, BOX, BOX, 260, 195},   {300, 400, BOX, BOX, 195, 260},
      {1024, 768, BOX, BOX, 260, 195},  {260, 260, BOX, BOX, 260, 260},
      {520, 260, BOX, BOX, 260, 130},   {100, 50, BOX, BOX, 260, 130},
      {30, 27, BOX, BOX, 260, 234},     {27, 30, BOX, BOX, 234, 260},
      {1, 1, BOX, BOX, 260, 260},       {3000, 3000, BOX, BOX, 260, 260},
      {3000, 2999, BOX, BOX, 260, 259}, {640, 480, 200, 100, 133, 100},
      {640, 480, 100, 200, 100, 75},
  };
  for (const Case& c : cases) {
    PictureSize size = ScaledSize(c.width, c.height, c.boxWidth, c.boxHeight);
    EXPECT_EQ(size.width, c.scaledWidth) << c.width << "x" << c.height;
    EXPECT_EQ(size.height, c.scaledHeight) << c.width << "x" << c.height;
  }
}

// A side that a strict truncation would make 0 keeps one pixel, so a bitmap can still be made.
TEST(ScaledSize, AThinPictureKeepsOnePixel) {
  EXPECT_EQ(ScaledSize(3000, 1, BOX, BOX).height, 1);
  EXPECT_EQ(ScaledSize(3000, 1, BOX, BOX).width, 260);
  EXPECT_EQ(ScaledSize(1, 2999, BOX, BOX).width, 1);
}

TEST(ScaledSize, NoAreaGivesNoSize) {
  for (const Case& c : {Case{0, 100, BOX, BOX, 0, 0}, Case{100, 0, BOX, BOX, 0, 0},
                        Case{-5, 100, BOX, BOX, 0, 0}, Case{100, 100, 0, BOX, 0, 0}}) {
    PictureSize size = ScaledSize(c.width, c.height, c.boxWidth, c.boxHeight);
    EXPECT_EQ(size.width, 0);
    EXPECT_EQ(size.height, 0);
  }
}

// Every source from 1 x 1 to 3000 x 3000: the limiting side is exactly 260, and the other side is
// the exact product truncated (o <= side x 260 / limit < o + 1), never beyond the box.
TEST(ScaledSize, EverySourceUpTo3000FillsTheBoxOnItsLimitingSide) {
  int failures = 0;
  for (int w = 1; w <= 3000 && failures < 10; ++w) {
    for (int h = 1; h <= 3000 && failures < 10; ++h) {
      PictureSize size = ScaledSize(w, h, BOX, BOX);
      int limit = w >= h ? w : h;
      int other = w >= h ? h : w;
      int limiting = w >= h ? size.width : size.height;
      int scaled = w >= h ? size.height : size.width;
      std::int64_t exact = static_cast<std::int64_t>(other) * BOX;  // scaled x limit, exactly
      bool truncated = static_cast<std::int64_t>(scaled) * limit <= exact &&
                       exact < static_cast<std::int64_t>(scaled + 1) * limit;
      bool ok = limiting == BOX && scaled <= BOX && (truncated || (scaled == 1 && exact < limit));
      if (!ok) {
        ++failures;
        ADD_FAILURE() << w << "x" << h << " gave " << size.width << "x" << size.height;
      }
    }
  }
}

}  // namespace
