// Anchored forms: the controls' boxes recorded, then moved together.
#include "tools/brelaedit/form_layout_win.h"

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

void ApplyLayout(const FormLayout& layout, int width, int height) {
  const int dx = width - layout.client.cx;
  const int dy = height - layout.client.cy;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(layout.controls.size()));
  for (const PlacedControl& placed : layout.controls) {
    const Box box = AnchoredBox(placed.box, placed.edges, dx, dy);
    moves = DeferWindowPos(moves, placed.control, nullptr, box.left, box.top, box.right - box.left,
                           box.bottom - box.top, SWP_NOZORDER);
  }
  EndDeferWindowPos(moves);
}
