// Character widths of the player's fonts, measured once on the screen.
#include "tools/authoring/text_measure_win.h"

#include <windows.h>

#include <array>
#include <memory>

#include "base/raii_win.h"

namespace {

struct FontWidths {
  std::array<int, 256> widths;
  int height;
};

FontWidths MeasureFont(HDC screen, int stockFont) {
  FontWidths font{};
  const ScopedSelectObject selected(screen, GetStockObject(stockFont));
  SIZE size{};
  for (int byte = 1; byte < 256; ++byte) {
    const char character = static_cast<char>(byte);
    GetTextExtentPoint32A(screen, &character, 1, &size);
    font.widths[byte] = size.cx;
  }
  GetTextExtentPoint32A(screen, " ", 1, &size);
  font.height = size.cy;
  return font;
}

}  // namespace

TextMeasurer GdiTextMeasurer() {
  const ScreenDc screen;
  const auto fonts = std::make_shared<std::array<FontWidths, 2>>(std::array<FontWidths, 2>{
      MeasureFont(screen.Get(), DEFAULT_GUI_FONT), MeasureFont(screen.Get(), SYSTEM_FONT)});
  return [fonts](PlayerFont which, const std::string& cp1252) {
    const FontWidths& font = (*fonts)[which == FONT_GUI ? 0 : 1];
    TextExtent extent{0, font.height};
    for (char c : cp1252) extent.width += font.widths[static_cast<unsigned char>(c)];
    return extent;
  };
}
