// The size at which a picture fits a box with its proportions kept: enlarged or reduced until
// one side meets the box.
#pragma once

struct PictureSize {
  int width;
  int height;
};

// Each side is W x s (or H x s), s = min(boxWidth / W, boxHeight / H), truncated toward zero as
// if computed with exact rational arithmetic, so the limiting side always equals its box side.
// A side that would truncate to 0 is kept 1 pixel wide; a source without area gives 0 x 0.
PictureSize ScaledSize(int width, int height, int boxWidth, int boxHeight);
