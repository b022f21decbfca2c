// The size at which a picture fits a box with its proportions kept.
#include "picture/scaling.h"

#include <algorithm>
#include <cstdint>

namespace {

// side x box / limit, truncated; exact in 64 bits for any int sizes.
int ScaledSide(int side, int box, int limit) {
  auto scaled = static_cast<std::int64_t>(side) * box / limit;
  return static_cast<int>(std::max<std::int64_t>(scaled, 1));
}

}  // namespace

PictureSize ScaledSize(int width, int height, int boxWidth, int boxHeight) {
  if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {0, 0};
  // boxWidth / width <= boxHeight / height, without division: the width is the limiting side.
  bool widthLimits = static_cast<std::int64_t>(boxWidth) * height <=
                     static_cast<std::int64_t>(boxHeight) * width;
  if (widthLimits) return {boxWidth, ScaledSide(height, boxWidth, width)};
  return {ScaledSide(width, boxHeight, height), boxHeight};
}
