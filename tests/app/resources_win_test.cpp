// The player's own resources as the system loads them: the board template, the icons, the cursor.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "base/resource_ids.h"
#include "board/board_ids.h"
#include "tests/support/icon_pixels_win.h"

namespace {

const unsigned char* ResourceBytes(int id, LPCSTR type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (!found) return nullptr;
  return static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
}

TEST(Resources, TheBoardTemplateHasNoControlsAndTheBoardsStyle) {
  const unsigned char* bytes = ResourceBytes(IDD_BOARD, MAKEINTRESOURCEA(5));  // RT_DIALOG
  ASSERT_NE(bytes, nullptr);
  DLGTEMPLATE header;
  std::memcpy(&header, bytes, sizeof header);
  EXPECT_EQ(header.style,
            static_cast<DWORD>(WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | DS_SETFONT));
  EXPECT_EQ(header.dwExtendedStyle, 0u);
  EXPECT_EQ(header.cdit, 0);
  EXPECT_EQ(header.x, 0);
  EXPECT_EQ(header.y, 0);
  EXPECT_EQ(header.cx, 86);
  EXPECT_EQ(header.cy, 100);
  // Then menu, class and title, each empty, the point size and the face name.
  std::vector<WORD> rest(3 + 1 + 14);
  std::memcpy(rest.data(), bytes + 18, rest.size() * sizeof(WORD));
  EXPECT_EQ(rest[0], 0);
  EXPECT_EQ(rest[1], 0);
  EXPECT_EQ(rest[2], 0);
  EXPECT_EQ(rest[3], 8);
  EXPECT_EQ(std::wstring(rest.begin() + 4, rest.begin() + 17), L"MS Sans Serif");
  EXPECT_EQ(rest[17], 0);
}

struct Pixels {
  std::vector<DWORD> bgr;  // 32 x 32, top row first, 0x00RRGGBB
  DWORD At(int x, int y) const { return bgr[y * 32 + x]; }
};

constexpr DWORD BLACK = 0x000000;
constexpr DWORD LIGHT_GREY = 0xC0C0C0;

void ExpectTwoColourIcon(int id) {
  const unsigned char* group = ResourceBytes(id, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group[4], 1) << "one image";
  EXPECT_EQ(group[6], 32);  // width
  EXPECT_EQ(group[7], 32);  // height
  EXPECT_EQ(group[8], 2);   // colours
  EXPECT_EQ(group[12], 1);  // bits per pixel
}

TEST(Resources, PlayIconIsABlackTriangleOnLightGrey) {
  ExpectTwoColourIcon(IDI_PLAY);
  HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PLAY), IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr);
  Pixels pixels{DrawIcon32(icon)};
  for (DWORD p : pixels.bgr) EXPECT_TRUE(p == BLACK || p == LIGHT_GREY) << std::hex << p;
  EXPECT_EQ(pixels.At(0, 0), LIGHT_GREY);
  EXPECT_EQ(pixels.At(31, 31), LIGHT_GREY);
  EXPECT_EQ(pixels.At(10, 6), BLACK);    // the left edge, top
  EXPECT_EQ(pixels.At(10, 25), BLACK);   // the left edge, bottom
  EXPECT_EQ(pixels.At(23, 16), BLACK);   // near the tip
  EXPECT_EQ(pixels.At(23, 7), LIGHT_GREY);  // beside the sloping edge
  EXPECT_EQ(pixels.At(28, 16), LIGHT_GREY);  // beyond the tip
  // It points right: each row is black from its left edge, and the middle row is the longest.
  auto rowLength = [&](int y) {
    int length = 0;
    for (int x = 0; x < 32; ++x) length += pixels.At(x, y) == BLACK;
    return length;
  };
  EXPECT_GT(rowLength(16), rowLength(10));
  EXPECT_GT(rowLength(10), rowLength(6));
  for (int y = 0; y < 16; ++y) EXPECT_EQ(rowLength(y), rowLength(31 - y)) << "row " << y;
  DestroyIcon(icon);
}

TEST(Resources, StopIconIsABlackSquareOnLightGrey) {
  ExpectTwoColourIcon(IDI_STOP);
  HICON icon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_STOP), IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr);
  Pixels pixels{DrawIcon32(icon)};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      bool inside = x >= 8 && x < 24 && y >= 8 && y < 24;
      EXPECT_EQ(pixels.At(x, y), inside ? BLACK : LIGHT_GREY) << x << ", " << y;
    }
  }
  DestroyIcon(icon);
}

TEST(Resources, HandCursorIsMonochromeWithItsHotSpotOnTheFingerTip) {
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
  ASSERT_NE(hand, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 6u);
  EXPECT_EQ(info.yHotspot, 0u);
  EXPECT_EQ(info.hbmColor, nullptr) << "monochrome: one mask of AND and XOR halves";
  BITMAP mask = {};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, 32);
  EXPECT_EQ(mask.bmHeight, 64);
  // At the hot spot the AND half is 0 and the XOR half 0: a black pixel, not a transparent one.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } bitmapInfo = {};
  bitmapInfo.header.biSize = sizeof bitmapInfo.header;
  bitmapInfo.header.biWidth = 32;
  bitmapInfo.header.biHeight = -64;
  bitmapInfo.header.biPlanes = 1;
  bitmapInfo.header.biBitCount = 1;
  DWORD rows[64] = {};
  HDC dc = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(dc, info.hbmMask, 0, 64, rows, reinterpret_cast<BITMAPINFO*>(&bitmapInfo),
                      DIB_RGB_COLORS),
            64);
  ReleaseDC(nullptr, dc);
  auto bit = [&](int x, int y) {
    return (reinterpret_cast<unsigned char*>(&rows[y])[x / 8] >> (7 - x % 8)) & 1;
  };
  EXPECT_EQ(bit(6, 0), 0);       // AND
  EXPECT_EQ(bit(6, 32 + 0), 0);  // XOR
  EXPECT_EQ(bit(0, 0), 1);       // a corner is transparent
  EXPECT_EQ(bit(31, 31), 1);
  DeleteObject(info.hbmMask);
}

}  // namespace
