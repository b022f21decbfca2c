// A control's place in its parent's client area, in pixels.
#pragma once

struct ControlRect {
  int x;
  int y;
  int width;
  int height;
};
