// Decoded pixels and what the import does to them: reduce, lay on a background, turn upright.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Rows top to bottom, 8-bit channels interleaved: 3 (RGB) or 4 (RGBA).
struct PixelView {
  const unsigned char* pixels;
  int width, height, channels;
};

struct Raster {
  int width, height, channels;
  Bytes pixels;
};

PixelView ViewOf(const Raster& raster);

// Resampled to width x height with stb_image_resize's default filters (Mitchell when reducing),
// in linear light, alpha-weighted; an empty raster when stb cannot allocate its work memory.
Raster Resized(const PixelView& source, int width, int height);

// RGB: each RGBA pixel over the colour 0x00BBGGRR.
Raster LaidOnBackground(const PixelView& source, std::uint32_t colour);

// Turned as the Exif orientation (1 to 8) asks for the picture to be shown; 5 to 8 swap the sides.
Raster Oriented(const PixelView& source, int orientation);
