// Reducing, compositing and turning decoded pixels.
#include "tools/picture_import/raster.h"

#include <stb_image_resize.h>

#include <cstddef>

namespace {

// Where a shown pixel (x, y) comes from: the shown coordinates are mirrored first (flipX: x from
// the right, flipY: y from the bottom), then read with the axes swapped or not.
struct OrientationMap {
  bool swapAxes, flipX, flipY;
};

// Indexed by the Exif orientation; 0 is unused.
constexpr OrientationMap ORIENTATIONS[9] = {
    {false, false, false},  // -
    {false, false, false},  // 1 as stored
    {false, true, false},   // 2 mirrored left to right
    {false, true, true},    // 3 turned half a turn
    {false, false, true},   // 4 mirrored top to bottom
    {true, false, false},   // 5 mirrored along the main diagonal
    {true, true, false},    // 6 turned a quarter clockwise
    {true, true, true},     // 7 mirrored along the other diagonal
    {true, false, true},    // 8 turned a quarter counter-clockwise
};

std::size_t PixelOffset(int x, int y, int width, int channels) {
  return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
          static_cast<std::size_t>(x)) *
         static_cast<std::size_t>(channels);
}

Raster Blank(int width, int height, int channels) {
  return {width, height, channels,
          Bytes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                static_cast<std::size_t>(channels))};
}

unsigned char Over(unsigned char value, unsigned char alpha, unsigned char background) {
  return static_cast<unsigned char>((value * alpha + background * (255 - alpha) + 127) / 255);
}

}  // namespace

PixelView ViewOf(const Raster& raster) {
  return {raster.pixels.data(), raster.width, raster.height, raster.channels};
}

Raster Resized(const PixelView& source, int width, int height) {
  Raster result = Blank(width, height, source.channels);
  const int alphaChannel = source.channels == 4 ? 3 : STBIR_ALPHA_CHANNEL_NONE;
  if (!stbir_resize_uint8_srgb(source.pixels, source.width, source.height, 0, result.pixels.data(),
                               width, height, 0, source.channels, alphaChannel, 0)) {
    return {0, 0, source.channels, {}};
  }
  return result;
}

Raster LaidOnBackground(const PixelView& source, std::uint32_t colour) {
  const unsigned char background[3] = {static_cast<unsigned char>(colour & 0xFF),
                                       static_cast<unsigned char>(colour >> 8 & 0xFF),
                                       static_cast<unsigned char>(colour >> 16 & 0xFF)};
  Raster result = Blank(source.width, source.height, 3);
  const std::size_t count =
      static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* from = source.pixels + i * 4;
    for (int c = 0; c < 3; ++c) result.pixels[i * 3 + c] = Over(from[c], from[3], background[c]);
  }
  return result;
}

Raster Oriented(const PixelView& source, int orientation) {
  const OrientationMap map = ORIENTATIONS[orientation >= 1 && orientation <= 8 ? orientation : 1];
  const int width = map.swapAxes ? source.height : source.width;
  const int height = map.swapAxes ? source.width : source.height;
  Raster result = Blank(width, height, source.channels);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int mirroredX = map.flipX ? width - 1 - x : x;
      const int mirroredY = map.flipY ? height - 1 - y : y;
      const int fromX = map.swapAxes ? mirroredY : mirroredX;
      const int fromY = map.swapAxes ? mirroredX : mirroredY;
      const unsigned char* from =
          source.pixels + PixelOffset(fromX, fromY, source.width, source.channels);
      unsigned char* to = result.pixels.data() + PixelOffset(x, y, width, source.channels);
      for (int c = 0; c < source.channels; ++c) to[c] = from[c];
    }
  }
  return result;
}
