// Anchored forms: the controls' boxes recorded, then moved together.
#include "tools/brelaedit/form_layout_win.h"

#include "base/raii_win.h"

namespace {

unsigned EdgesOf(const std::vector<ControlAnchor>& anchors, int id) {
  for (const ControlAnchor& anchor : anchors) {
    if (anchor.id == id) return anchor.edges;
  }
  return ANCHOR_TOP_LEFT;
}

}  // namespace

Box BoxInForm(HWND form, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

FormLayout RecordLayout(HWND form, const std::vector<ControlAnchor>& anchors, SIZE client,
                        HWND skip) {
  FormLayout layout{{}, client};
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == skip) continue;
    layout.controls.push_back(
        {child, BoxInForm(form, child), EdgesOf(anchors, GetDlgCtrlID(child))});
  }
  return layout;
}

void ApplyLayout(const FormLayout& layout, int width, int height, POINT origin) {
  const int dx = width - layout.client.cx;
  const int dy = height - layout.client.cy;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(layout.controls.size()));
  for (const PlacedControl& placed : layout.controls) {
    const Box box = AnchoredBox(placed.box, placed.edges, dx, dy);
    moves = DeferWindowPos(moves, placed.control, nullptr, origin.x + box.left,
                           origin.y + box.top, box.right - box.left, box.bottom - box.top,
                           SWP_NOZORDER);
  }
  EndDeferWindowPos(moves);
}

void ScaleLayout(FormLayout& layout, int from, int to) {
  for (PlacedControl& placed : layout.controls) {
    Box& box = placed.box;
    box = {MulDiv(box.left, to, from), MulDiv(box.top, to, from), MulDiv(box.right, to, from),
           MulDiv(box.bottom, to, from)};
  }
  layout.client = {MulDiv(layout.client.cx, to, from), MulDiv(layout.client.cy, to, from)};
}

int WindowDpi(HWND window) {
  // Looked up, not linked: older Windows (and Wine) have no GetDpiForWindow.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow) {
    if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
  }
  const ScreenDc screen;
  return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

int ScaledPixels(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }
