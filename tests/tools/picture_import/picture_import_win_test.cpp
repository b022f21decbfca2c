// The player's own decoder (OleLoadPicture, through DecodePicture) on what the picture import
// makes: pictures made in the test and pictures as other programs save them (ImageMagick, at build
// time). Each output must decode, at the size the import gives, upright and laid on its background.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "picture/picture_win.h"
#include "tests/tools/picture_import/sample_pictures.h"
#include "tests/support/working_directory.h"
#include "tools/picture_import/picture_import.h"

namespace {

const Rgba RED{255, 0, 0, 255}, GREEN{0, 255, 0, 255}, BLUE{0, 0, 255, 255};
const Rgba WHITE{255, 255, 255, 255}, BLACK{0, 0, 0, 255}, CLEAR{0, 0, 0, 0};
const Rgba GREY{128, 128, 128, 255};
constexpr std::uint32_t GREY_BACKGROUND = 0x00808080;

struct Case {
  const char* name;
  Bytes file;
  std::string fileName;
  int width, height;
  Rgba topLeft, bottomRight;  // at the centres of those quadrants
  bool kept;                  // as it was, byte for byte
};

Bytes FileBytes(const std::string& name) {
  const std::string bytes = ReadWholeFile(std::string(BRELA_IMPORT_PICTURES) + "/" + name);
  return Bytes(bytes.begin(), bytes.end());
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, bitmap);
  const COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, before);
  DeleteDC(dc);
  return colour;
}

::testing::AssertionResult Near(COLORREF actual, Rgba expected) {
  auto close = [](int a, int b) { return a - b <= 24 && b - a <= 24; };
  if (close(GetRValue(actual), expected.r) && close(GetGValue(actual), expected.g) &&
      close(GetBValue(actual), expected.b)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "colour " << std::hex << actual;
}

std::vector<Case> Cases() {
  const Rgba palette[4] = {CLEAR, RED, BLUE, GREEN};
  Bytes twoFrames(40 * 30, 1);
  for (std::size_t i = 0; i < twoFrames.size(); ++i) {
    if (i % 40 >= 20 && i / 40 >= 15) twoFrames[i] = 0;
  }
  const std::vector<Rgba> quadrants = Quadrants(400, 300, {RED, BLUE, GREEN, CLEAR});
  return {
      {"stb JPEG", JpegOf(quadrants, 400, 300), "a.jpg", 260, 195, RED, BLACK, false},
      {"phone JPEG, orientation 6", WithExif(JpegOf(quadrants, 400, 300), 6, false), "b.jpg", 195,
       260, GREEN, BLUE, false},
      {"stb PNG with alpha", PngOf(quadrants, 400, 300), "c.png", 260, 195, RED, GREY, false},
      {"stb BMP with alpha", BmpOf(quadrants, 400, 300), "d.bmp", 260, 195, RED, GREY, false},
      {"GIF, first frame", GifOf(40, 30, palette, {twoFrames, Bytes(40 * 30, 2)}), "e.gif", 40, 30,
       RED, GREY, false},
      {"progressive JPEG, orientation 8", FileBytes("progressive-exif8.jpg"), "f.jpg", 195, 260,
       BLUE, GREEN, false},
      {"CMYK JPEG", FileBytes("cmyk.jpg"), "g.jpg", 260, 195, RED, WHITE, false},
      {"palette PNG, white transparent", FileBytes("palette-transparent.png"), "h.png", 260, 195,
       RED, GREY, false},
      {"interlaced 16-bit PNG", FileBytes("interlaced-16-bit.png"), "i.png", 260, 195, RED, WHITE,
       false},
      {"palette BMP", FileBytes("palette.bmp"), "j.bmp", 260, 195, RED, WHITE, false},
      {"interlaced GIF", FileBytes("interlaced.gif"), "k.gif", 260, 195, RED, WHITE, false},
      {"grey JPEG within the box", FileBytes("grey-200x150.jpg"), "l.jpg", 200, 150, BLACK, WHITE,
       true},
  };
}

TEST(PictureImportOnThePlayersDecoder, ReadsEveryOutputAtItsSize) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.file.empty());
    const ImportedPicture picture = ImportPicture(c.file, c.fileName, GREY_BACKGROUND);
    ASSERT_TRUE(picture.ok) << picture.problem;
    EXPECT_EQ(picture.width, c.width);
    EXPECT_EQ(picture.height, c.height);
    EXPECT_EQ(picture.jpeg == c.file, c.kept);
    HBITMAP bitmap = DecodePicture(picture.jpeg.data(), static_cast<DWORD>(picture.jpeg.size()));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, c.width);
    EXPECT_EQ(info.bmHeight, c.height);
    EXPECT_TRUE(Near(PixelOf(bitmap, c.width / 4, c.height / 4), c.topLeft)) << "top left";
    EXPECT_TRUE(Near(PixelOf(bitmap, c.width * 3 / 4, c.height * 3 / 4), c.bottomRight))
        << "bottom right";
    DeleteObject(bitmap);
  }
}

}  // namespace
