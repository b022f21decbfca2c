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

// The player declares no DPI awareness: on a screen above 96 DPI, Windows lays it out as at 96 DPI
// and enlarges the result. Its texts are measured likewise, even by a program that declares
// itself DPI aware (the editor): the thread is made DPI unaware for the measure, where Windows
// knows of it.
class DpiUnawareThread {
 public:
  DpiUnawareThread() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    set_ = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    if (set_) before_ = set_(DPI_AWARENESS_CONTEXT_UNAWARE);
  }
  ~DpiUnawareThread() {
    if (set_ && before_) set_(before_);
  }
  DpiUnawareThread(const DpiUnawareThread&) = delete;
  DpiUnawareThread& operator=(const DpiUnawareThread&) = delete;

 private:
  DPI_AWARENESS_CONTEXT(WINAPI* set_)(DPI_AWARENESS_CONTEXT) = nullptr;
  DPI_AWARENESS_CONTEXT before_ = nullptr;
};

// The stock font as the player gets it at 96 DPI, for a screen that still reports more (older
// Windows, Wine).
HFONT FontAt96Dpi(HDC screen, int stockFont) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(stockFont), sizeof font, &font);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  font.lfHeight = MulDiv(font.lfHeight, 96, dpi);
  font.lfWidth = MulDiv(font.lfWidth, 96, dpi);
  return CreateFontIndirectW(&font);
}

FontWidths MeasureFont(HDC screen, int stockFont) {
  FontWidths font{};
  OwnedGdiObject<HFONT> scaled;
  if (GetDeviceCaps(screen, LOGPIXELSY) != 96) scaled.Reset(FontAt96Dpi(screen, stockFont));
  const ScopedSelectObject selected(
      screen, scaled.Get() ? static_cast<HGDIOBJ>(scaled.Get()) : GetStockObject(stockFont));
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
  const DpiUnawareThread unaware;
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
