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

// Moves every control for a form of width x height whose top left corner is at origin in the
// client area (above or left of it when the form is scrolled).
void ApplyLayout(const FormLayout& layout, int width, int height, POINT origin = {0, 0});

// The layout of a form whose dialog units have grown from the DPI from to the DPI to.
void ScaleLayout(FormLayout& layout, int from, int to);

// The DPI of the monitor a window is on (the system's on Windows before 10 1607).
int WindowDpi(HWND window);

// Pixels at 96 DPI, at a DPI.
int ScaledPixels(int pixels, int dpi);
