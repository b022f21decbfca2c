// What a static control really paints, measured on a bitmap.
#include "tests/support/painted_text.h"

#include <gtest/gtest.h>

#include <string>

#include "base/raii_win.h"

namespace {

// A 32-bit top-down bitmap of the control's client size, selected into a memory context.
class Canvas {
 public:
  explicit Canvas(HWND control) : dc_(screen_.Get()) {
    RECT client;
    GetClientRect(control, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap_ = CreateDIBSection(screen_.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(dc_.Get(), bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_.Get(), previous_);
    DeleteObject(bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  int InkWidth() const {
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits_);
    if (!pixels || width_ <= 0 || height_ <= 0) return 0;
    const DWORD background = pixels[0];
    int first = -1;
    int last = -1;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (pixels[y * width_ + x] == background) continue;
        if (first < 0 || x < first) first = x;
        if (x > last) last = x;
      }
    }
    return first < 0 ? 0 : last - first + 1;
  }

 private:
  ScreenDc screen_;
  MemoryDc dc_;
  int width_ = 0;
  int height_ = 0;
  void* bits_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The control's client area painted into a bitmap: columns from the first to the last that hold
// a pixel unlike the top left one, its background. 0 when nothing is drawn.
int PaintedInkWidth(HWND control) {
  Canvas canvas(control);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()),
               PRF_CLIENT | PRF_ERASEBKGND);
  return canvas.InkWidth();
}

// The same measure of text drawn by DrawTextA on one line of a bitmap of the control's size, in
// the control's font (the system font when it has none).
int DrawnInkWidth(HWND control, const char* text, UINT format) {
  Canvas canvas(control);
  RECT area = {0, 0, canvas.Width(), canvas.Height()};
  FillRect(canvas.Dc(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  ScopedSelectObject selected(canvas.Dc(), font ? font : GetStockObject(SYSTEM_FONT));
  SetBkMode(canvas.Dc(), TRANSPARENT);
  SetTextColor(canvas.Dc(), RGB(0, 0, 0));
  DrawTextA(canvas.Dc(), text, -1, &area, format | DT_SINGLELINE | DT_LEFT);
  return canvas.InkWidth();
}

}  // namespace

void ExpectPaintedAsStored(HWND control, const char* text) {
  char shown[1024] = "";
  GetWindowTextA(control, shown, sizeof shown);
  EXPECT_EQ(std::string(shown), text);
  const int asStored = DrawnInkWidth(control, text, DT_NOPREFIX);
  const int asMnemonics = DrawnInkWidth(control, text, 0);
  ASSERT_GT(asStored, asMnemonics + 4) << "the two readings of " << text << " must differ";
  EXPECT_NEAR(PaintedInkWidth(control), asStored, 1) << text;
}
