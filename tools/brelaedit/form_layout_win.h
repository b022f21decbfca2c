// A form's controls anchored to the edges of its window: recorded once where the template puts
// them, moved on every resize by the anchoring arithmetic.
#pragma once

#include <windows.h>

#include <vector>

#include "tools/brelaedit/anchoring.h"

// The window edges that the control of an id follows.
struct ControlAnchor {
  int id;
  unsigned edges;
};

struct PlacedControl {
  HWND control;
  Box box;
  unsigned edges;
};

struct FormLayout {
  std::vector<PlacedControl> controls;
  SIZE client;  // the client area they were placed for
};

// A control's box in its form's client coordinates.
Box BoxInForm(HWND form, HWND control);

// Where each child of form is now, for a client area of that size; a child without an anchor
// follows the top and left edges, and skip (a status bar, which places itself) is left out.
FormLayout RecordLayout(HWND form, const std::vector<ControlAnchor>& anchors, SIZE client,
                        HWND skip);

// Moves every control for a client area of width x height.
void ApplyLayout(const FormLayout& layout, int width, int height);
