#include "tests/support/icon_pixels_win.h"

#include "base/raii_win.h"

std::vector<DWORD> DrawIcon32(HICON icon) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 32;
  info.bmiHeader.biHeight = -32;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  MemoryDc dc(nullptr);
  OwnedGdiObject<HBITMAP> bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  std::vector<DWORD> pixels(32 * 32, ICON_BACKGROUND);
  if (!bits) return pixels;
  ScopedSelectObject selected(dc.Get(), bitmap.Get());
  CopyMemory(bits, pixels.data(), pixels.size() * sizeof(DWORD));
  DrawIconEx(dc.Get(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
  GdiFlush();
  CopyMemory(pixels.data(), bits, pixels.size() * sizeof(DWORD));
  for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
  return pixels;
}
