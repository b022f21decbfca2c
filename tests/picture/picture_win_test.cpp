// Loading picture resources into scaled bitmaps on the real GDI, with JPEGs drawn by ImageMagick:
// sizes, contents, failures, the source bitmap left alone, COM left as found, no GDI objects kept.
#include "picture/picture_win.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/board/gdi_objects.h"
#include "tests/support/resource_bytes.h"

namespace {

constexpr int BOX = 260;
constexpr int NOT_A_PICTURE = 405;
constexpr int MISSING = 406;

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// The colour at (x, y) of a bitmap.
COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, bitmap);
  COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, before);
  DeleteDC(dc);
  return colour;
}

// Near enough to a pure colour for a halftone-scaled JPEG.
bool Near(COLORREF actual, COLORREF expected) {
  auto close = [](int a, int b) { return a - b < 40 && b - a < 40; };
  return close(GetRValue(actual), GetRValue(expected)) &&
         close(GetGValue(actual), GetGValue(expected)) &&
         close(GetBValue(actual), GetBValue(expected));
}

const COLORREF RED = RGB(255, 0, 0);
const COLORREF BLUE = RGB(0, 0, 255);
const COLORREF GREEN = RGB(0, 255, 0);
const COLORREF YELLOW = RGB(255, 255, 0);

TEST(TestPictures, AreJfifJpegs) {
  for (int id : {401, 402, 403, 404, 407, 408, 409, 10401, 10402, 10404, 10405}) {
    std::string bytes = ResourceBytes(id);
    ASSERT_GE(bytes.size(), 4u) << id;
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xD8\xFF\xE0", 4)) << id;
  }
}

struct SizeCase {
  int id;
  int width, height;
};

TEST(LoadScaledPicture, FitsEachPictureIntoTheBoxWithItsProportions) {
  const SizeCase cases[] = {{401, 260, 195},   {402, 195, 260},   {403, 260, 195},
                            {404, 260, 234},   {407, 260, 260},   {408, 260, 130},
                            {409, 260, 130},   {10401, 195, 260}, {10402, 260, 195},
                            {10404, 260, 234}};
  HDC screen = GetDC(nullptr);
  int screenBits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  for (const SizeCase& c : cases) {
    HBITMAP bitmap = LoadScaledPicture(Module(), c.id, "IMG", BOX, BOX);
    ASSERT_NE(bitmap, nullptr) << c.id;
    SIZE size = BitmapSize(bitmap);
    EXPECT_EQ(size.cx, c.width) << c.id;
    EXPECT_EQ(size.cy, c.height) << c.id;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel * info.bmPlanes, screenBits) << c.id << ": made for the screen";
    DeleteObject(bitmap);
  }
}

// The picture is really drawn into the new bitmap, stretched (enlarged too), not just sized.
TEST(LoadScaledPicture, DrawsThePictureStretchedIntoTheNewBitmap) {
  struct Spot {
    int id;
    int x, y;
    COLORREF colour;
  };
  const Spot spots[] = {
      {401, 130, 30, RED},      {401, 130, 165, BLUE},   {401, 5, 5, RED},
      {401, 254, 189, BLUE},    {404, 130, 40, RED},     {404, 130, 200, BLUE},
      {402, 97, 40, RED},       {402, 97, 220, BLUE},    {10401, 30, 130, GREEN},
      {10401, 165, 130, YELLOW}, {403, 200, 20, RED},    {403, 20, 180, BLUE},
  };
  for (const Spot& spot : spots) {
    HBITMAP bitmap = LoadScaledPicture(Module(), spot.id, "IMG", BOX, BOX);
    ASSERT_NE(bitmap, nullptr) << spot.id;
    COLORREF pixel = PixelOf(bitmap, spot.x, spot.y);
    EXPECT_TRUE(Near(pixel, spot.colour))
        << spot.id << " at " << spot.x << "," << spot.y << ": " << std::hex << pixel;
    DeleteObject(bitmap);
  }
}

TEST(LoadScaledPicture, GivesNothingForAMissingOrUndecodableResource) {
  EXPECT_EQ(LoadScaledPicture(Module(), MISSING, "IMG", BOX, BOX), nullptr);
  EXPECT_EQ(LoadScaledPicture(Module(), 10403, "IMG", BOX, BOX), nullptr);
  EXPECT_EQ(LoadScaledPicture(Module(), 401, "PATCH", BOX, BOX), nullptr);
  EXPECT_EQ(LoadScaledPicture(Module(), NOT_A_PICTURE, "IMG", BOX, BOX), nullptr);
}

TEST(DecodePicture, GivesTheFullSizeBitmap) {
  std::string bytes = ResourceBytes(403);
  HBITMAP bitmap = DecodePicture(bytes.data(), static_cast<DWORD>(bytes.size()));
  ASSERT_NE(bitmap, nullptr);
  SIZE size = BitmapSize(bitmap);
  EXPECT_EQ(size.cx, 1024);
  EXPECT_EQ(size.cy, 768);
  EXPECT_TRUE(Near(PixelOf(bitmap, 512, 100), RED));
  EXPECT_TRUE(Near(PixelOf(bitmap, 512, 700), BLUE));
  DeleteObject(bitmap);
}

TEST(DecodePicture, GivesNothingForBytesThatAreNoPicture) {
  std::string text = ResourceBytes(NOT_A_PICTURE);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(DecodePicture(text.data(), static_cast<DWORD>(text.size())), nullptr);
  std::string cut = ResourceBytes(401).substr(0, 20);  // the headers only
  EXPECT_EQ(DecodePicture(cut.data(), static_cast<DWORD>(cut.size())), nullptr);
  EXPECT_EQ(DecodePicture(text.data(), 0), nullptr);
}

TEST(ScaleBitmapToFit, MakesANewBitmapAndLeavesTheSourceAlone) {
  std::string bytes = ResourceBytes(401);
  HBITMAP source = DecodePicture(bytes.data(), static_cast<DWORD>(bytes.size()));
  ASSERT_NE(source, nullptr);
  HBITMAP small = ScaleBitmapToFit(source, 100, 100);
  HBITMAP wide = ScaleBitmapToFit(source, 800, 150);
  ASSERT_NE(small, nullptr);
  ASSERT_NE(wide, nullptr);
  EXPECT_NE(small, source);
  EXPECT_EQ(BitmapSize(small).cx, 100);
  EXPECT_EQ(BitmapSize(small).cy, 75);
  EXPECT_EQ(BitmapSize(wide).cx, 200);
  EXPECT_EQ(BitmapSize(wide).cy, 150);
  EXPECT_EQ(BitmapSize(source).cx, 400);
  EXPECT_EQ(BitmapSize(source).cy, 300);
  EXPECT_TRUE(Near(PixelOf(source, 200, 10), RED));
  EXPECT_TRUE(Near(PixelOf(small, 50, 70), BLUE));
  // The source is not left selected anywhere: it can still be drawn from.
  HBITMAP again = ScaleBitmapToFit(source, 40, 40);
  EXPECT_TRUE(Near(PixelOf(again, 20, 5), RED));
  for (HBITMAP bitmap : {small, wide, again, source}) EXPECT_TRUE(DeleteObject(bitmap));
}

// A red bitmap of the screen's kind whose last column is green and whose last row is blue: a
// one-pixel edge of its own colour on each of the two sides a stretch could cut off.
HBITMAP EdgedBitmap(int width, int height) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ before = SelectObject(dc, bitmap);
  auto fill = [dc](int left, int top, int right, int bottom, COLORREF colour) {
    RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
  };
  fill(0, 0, width, height, RED);
  fill(width - 1, 0, width, height - 1, GREEN);
  fill(0, height - 1, width - 1, height, BLUE);
  SelectObject(dc, before);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// Every source column and row reaches the scaled bitmap. Enlarged k times, the edge becomes k
// columns (rows) at the end of the result; a halftone stretch may blend the first half of them
// with the red before, but the last k / 2 keep the edge's colour, and red is back 2k from the end.
TEST(ScaleBitmapToFit, KeepsTheLastColumnAndRowOfTheSource) {
  struct Case {
    int width, height;                      // the source
    int scaledWidth, scaledHeight, factor;  // k = 260 / the source's longer side
  };
  const Case cases[] = {{20, 10, 260, 130, 13}, {10, 20, 130, 260, 13}, {26, 26, 260, 260, 10},
                        {52, 26, 260, 130, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    HBITMAP source = EdgedBitmap(c.width, c.height);
    HBITMAP scaled = ScaleBitmapToFit(source, BOX, BOX);
    ASSERT_NE(scaled, nullptr);
    ASSERT_EQ(BitmapSize(scaled).cx, c.scaledWidth);
    ASSERT_EQ(BitmapSize(scaled).cy, c.scaledHeight);
    const int middleX = c.scaledWidth / 2;
    const int middleY = c.scaledHeight / 2;
    EXPECT_TRUE(Near(PixelOf(scaled, middleX, middleY), RED));
    for (int fromEnd = 1; fromEnd <= c.factor / 2; ++fromEnd) {
      EXPECT_TRUE(Near(PixelOf(scaled, c.scaledWidth - fromEnd, middleY), GREEN)) << fromEnd;
      EXPECT_TRUE(Near(PixelOf(scaled, middleX, c.scaledHeight - fromEnd), BLUE)) << fromEnd;
    }
    EXPECT_TRUE(Near(PixelOf(scaled, c.scaledWidth - 2 * c.factor, middleY), RED));
    EXPECT_TRUE(Near(PixelOf(scaled, middleX, c.scaledHeight - 2 * c.factor), RED));
    DeleteObject(scaled);
    DeleteObject(source);
  }
}

// CoInitialize tells how the thread's COM was left: S_OK when it had none, S_FALSE when it had
// an apartment of this kind, RPC_E_CHANGED_MODE when it had one of the other kind.
TEST(DecodePicture, LeavesTheThreadsComAsItFoundIt) {
  auto load = [] {
    HBITMAP bitmap = LoadScaledPicture(Module(), 401, "IMG", BOX, BOX);
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
  };
  load();
  HRESULT fresh = CoInitialize(nullptr);
  EXPECT_EQ(fresh, S_OK) << "no apartment is left behind";
  load();
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE) << "the caller's apartment stays";
  CoUninitialize();
  CoUninitialize();

  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  load();
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the free-threaded one stays";
  CoUninitialize();
  CoUninitialize();
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  CoUninitialize();
}

TEST(LoadScaledPicture, KeepsNoGdiObjectOfItsOwn) {
  HBRUSH probes[10];
  int before = LiveGdiObjects();
  for (HBRUSH& probe : probes) probe = CreateSolidBrush(RGB(1, 2, 3));
  ASSERT_EQ(LiveGdiObjects(), before + 10) << "the count follows the objects";
  for (HBRUSH probe : probes) DeleteObject(probe);

  auto cycle = [] {
    for (int id : {401, 403, NOT_A_PICTURE, MISSING}) {
      if (HBITMAP bitmap = LoadScaledPicture(Module(), id, "IMG", BOX, BOX)) DeleteObject(bitmap);
    }
  };
  cycle();  // whatever the first call sets up once
  int settled = LiveGdiObjects();
  for (int i = 0; i < 50; ++i) cycle();
  EXPECT_EQ(LiveGdiObjects(), settled);
}

}  // namespace
