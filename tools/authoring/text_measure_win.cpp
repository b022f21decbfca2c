// Character widths of the player's fonts, measured once on the screen.
#include "tools/authoring/text_measure_win.h"

#include <windows.h>

#include <array>
#include <memory>

namespace {

struct FontWidths {
  std::array<int, 256> widths;
  int height;
};

FontWidths MeasureFont(HDC screen, int stockFont) {
  FontWidths font{};
  HGDIOBJ previous = SelectObject(screen, GetStockObject(stockFont));
  SIZE size{};
  for (int byte = 1; byte < 256; ++byte) {
    const char character = static_cast<char>(byte);
    GetTextExtentPoint32A(screen, &character, 1, &size);
    font.widths[byte] = size.cx;
  }
  GetTextExtentPoint32A(screen, " ", 1, &size);
  font.height = size.cy;
  SelectObject(screen, previous);
  return font;
}

}  // namespace

TextMeasurer GdiTextMeasurer() {
  HDC screen = GetDC(nullptr);
  const auto fonts = std::make_shared<std::array<FontWidths, 2>>(std::array<FontWidths, 2>{
      MeasureFont(screen, DEFAULT_GUI_FONT), MeasureFont(screen, SYSTEM_FONT)});
  ReleaseDC(nullptr, screen);
  return [fonts](PlayerFont which, const std::string& cp1252) {
    const FontWidths& font = (*fonts)[which == FONT_GUI ? 0 : 1];
    TextExtent extent{0, font.height};
    for (char c : cp1252) extent.width += font.widths[static_cast<unsigned char>(c)];
    return extent;
  };
}
