// The executables that ship, as the system shows them: the version resource of the file's
// properties and the project's icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/icon_pixels_win.h"

namespace {

struct Shipped {
  const char* path;
  const char* description;
  const char* internalName;
  std::vector<std::string> iconGroups;
};

// The project's icon is group 1, before any icon of the program's own. The descriptions as the A
// functions give them under code page 1252 (é is E9, octal 351; É is C9, octal 311).
const Shipped SHIPPED[] = {
    {BRELA_PLAYER_PATH, "Lecteur de quiz brela", "brela", {"#1", "#1004", "#1005"}},
#ifdef BRELAMAKE_PATH
    {BRELAMAKE_PATH, "Outil de cr\351ation de quiz brela", "brelamake", {"#1"}},
#endif
#ifdef BRELAEDIT_PATH
    {BRELAEDIT_PATH, "\311diteur de quiz brela", "brelaedit", {"#1"}},
#endif
};

std::vector<char> VersionInfo(const char* path) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  std::vector<char> info(size);
  if (size == 0 || !GetFileVersionInfoA(path, 0, size, info.data())) info.clear();
  return info;
}

const void* Query(std::vector<char>& info, const std::string& path, UINT& length) {
  void* value = nullptr;
  length = 0;
  if (info.empty() || !VerQueryValueA(info.data(), path.c_str(), &value, &length)) return nullptr;
  return value;
}

std::string Text(std::vector<char>& info, const char* name) {
  UINT length = 0;
  auto value = static_cast<const char*>(
      Query(info, std::string("\\StringFileInfo\\040C04E4\\") + name, length));
  return value ? std::string(value) : "(none)";
}

struct Version {
  unsigned major, minor, patch;
};

Version ProjectVersion() {
  Version version{};
  EXPECT_EQ(std::sscanf(BRELA_VERSION, "%u.%u.%u", &version.major, &version.minor, &version.patch),
            3);
  return version;
}

TEST(ShippedExecutables, CarryTheProductItsVersionAndAFrenchDescription) {
  const Version version = ProjectVersion();
  for (const Shipped& shipped : SHIPPED) {
    SCOPED_TRACE(shipped.path);
    std::vector<char> info = VersionInfo(shipped.path);
    ASSERT_FALSE(info.empty());
    UINT length = 0;
    auto fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(info, "\\", length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, version.major << 16 | version.minor);
    EXPECT_EQ(fixed->dwFileVersionLS, version.patch << 16);
    EXPECT_EQ(fixed->dwProductVersionMS, version.major << 16 | version.minor);
    EXPECT_EQ(fixed->dwProductVersionLS, version.patch << 16);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "no debug or pre-release flag";

    auto translation = static_cast<const WORD*>(Query(info, "\\VarFileInfo\\Translation", length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x040C) << "French";
    EXPECT_EQ(translation[1], 1252) << "code page 1252";

    EXPECT_EQ(Text(info, "ProductName"), "brela");
    EXPECT_EQ(Text(info, "ProductVersion"), BRELA_VERSION);
    EXPECT_EQ(Text(info, "FileVersion"), BRELA_VERSION);
    EXPECT_EQ(Text(info, "FileDescription"), shipped.description);
    EXPECT_EQ(Text(info, "InternalName"), shipped.internalName);
    EXPECT_EQ(Text(info, "OriginalFilename"), std::string(shipped.internalName) + ".exe");
  }
}

BOOL CALLBACK AddIconGroup(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
  reinterpret_cast<std::vector<std::string>*>(list)->push_back(
      IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name);
  return TRUE;
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ShippedExecutables, ShowTheProjectsIconInEverySizeBeforeTheirOwnIcons) {
  for (const Shipped& shipped : SHIPPED) {
    SCOPED_TRACE(shipped.path);
    HMODULE module = LoadLibraryExA(shipped.path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    std::vector<std::string> groups;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(14), AddIconGroup,
                       reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, shipped.iconGroups);
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(found, nullptr);
    auto group = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    WORD count = 0;
    std::memcpy(&count, group + 4, sizeof count);
    ASSERT_EQ(count, 4);
    for (int i = 0; i < count; ++i) {
      IconGroupEntry entry;
      std::memcpy(&entry, group + 6 + i * sizeof entry, sizeof entry);
      const int sizes[] = {16, 24, 32, 48};
      EXPECT_EQ(entry.width, sizes[i]);
      EXPECT_EQ(entry.height, sizes[i]);
      EXPECT_EQ(entry.bitCount, 32) << "colour with alpha";
    }
    FreeLibrary(module);
  }
}

bool IsWhite(DWORD p) { return p == 0xFFFFFF; }
bool IsBlue(DWORD p) {
  int red = p >> 16 & 0xFF, green = p >> 8 & 0xFF, blue = p & 0xFF;
  return blue > 150 && blue > green + 60 && green > red;
}

// The icon that the system shows for the file: a white question mark on a blue tile whose
// rounded corners let the background through.
TEST(ShippedExecutables, TheSystemShowsAQuestionMarkOnABlueTile) {
  struct Point {
    int x, y;
    bool (*is)(DWORD);
    const char* what;
  };
  const Point points[] = {
      {0, 0, [](DWORD p) { return p == ICON_BACKGROUND; }, "top left corner, transparent"},
      {31, 31, [](DWORD p) { return p == ICON_BACKGROUND; }, "bottom right corner, transparent"},
      {16, 6, IsWhite, "top of the hook"},
      {16, 25, IsWhite, "the dot"},
      {16, 11, IsBlue, "inside the hook"},
      {5, 12, IsBlue, "left of the hook"},
      {6, 25, IsBlue, "left of the dot"},
      {26, 16, IsBlue, "right of the stem"},
  };
  for (const Shipped& shipped : SHIPPED) {
    SCOPED_TRACE(shipped.path);
    HICON large = nullptr;
    ASSERT_EQ(ExtractIconExA(shipped.path, 0, &large, nullptr, 1), 1u);
    const std::vector<DWORD> pixels = DrawIcon32(large);
    DestroyIcon(large);
    for (const Point& point : points) {
      EXPECT_TRUE(point.is(pixels[point.y * 32 + point.x]))
          << point.what << ": " << std::hex << pixels[point.y * 32 + point.x];
    }
  }
}

}  // namespace
