// Turning a raster upright: every Exif orientation on a small picture whose pixels all differ,
// each shown as the Exif standard describes where its stored rows and columns go.
#include "tools/picture_import/raster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stored 4 x 3, one letter a pixel, rows top to bottom:
//   a b c d
//   e f g h
//   i j k l
// Each pixel is (letter, letter + 100, letter + 200 wrapped), so a mixed-up channel shows too.
Bytes StoredPixels() {
  Bytes pixels;
  for (char letter = 'a'; letter <= 'l'; ++letter) {
    const auto value = static_cast<unsigned char>(letter);
    pixels.insert(pixels.end(), {value, static_cast<unsigned char>(value + 100),
                                 static_cast<unsigned char>(value + 200)});
  }
  return pixels;
}

// The letters of the rows as shown, separated by '/', or what is wrong with the channels.
std::string RowsOf(const Raster& raster) {
  std::string rows;
  for (int y = 0; y < raster.height; ++y) {
    if (y > 0) rows += '/';
    for (int x = 0; x < raster.width; ++x) {
      const unsigned char* pixel = raster.pixels.data() + (y * raster.width + x) * 3;
      if (pixel[1] != static_cast<unsigned char>(pixel[0] + 100) ||
          pixel[2] != static_cast<unsigned char>(pixel[0] + 200)) {
        return "channels mixed at " + std::to_string(x) + "," + std::to_string(y);
      }
      rows += static_cast<char>(pixel[0]);
    }
  }
  return rows;
}

TEST(Oriented, ShowsEveryExifOrientationUpright) {
  const Bytes stored = StoredPixels();
  const PixelView view{stored.data(), 4, 3, 3};
  struct Case {
    int orientation;
    int width, height;
    const char* rows;
  };
  const Case cases[] = {
      {1, 4, 3, "abcd/efgh/ijkl"},   // as stored
      {2, 4, 3, "dcba/hgfe/lkji"},   // stored mirrored left to right
      {3, 4, 3, "lkji/hgfe/dcba"},   // stored upside down
      {4, 4, 3, "ijkl/efgh/abcd"},   // stored mirrored top to bottom
      {5, 3, 4, "aei/bfj/cgk/dhl"},  // the first stored row is the left column, top down
      {6, 3, 4, "iea/jfb/kgc/lhd"},  // ... the right column, top down
      {7, 3, 4, "lhd/kgc/jfb/iea"},  // ... the right column, bottom up
      {8, 3, 4, "dhl/cgk/bfj/aei"},  // ... the left column, bottom up
      {0, 4, 3, "abcd/efgh/ijkl"},   // out of range: as stored
      {9, 4, 3, "abcd/efgh/ijkl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("orientation " + std::to_string(c.orientation));
    const Raster shown = Oriented(view, c.orientation);
    ASSERT_EQ(shown.width, c.width);
    ASSERT_EQ(shown.height, c.height);
    ASSERT_EQ(shown.channels, 3);
    ASSERT_EQ(shown.pixels.size(), 36u);
    EXPECT_EQ(RowsOf(shown), c.rows);
  }
}

}  // namespace
