// Test pictures of every accepted format, made in memory: JPEG (JFIF baseline), PNG and BMP by
// stb_image_write; GIF and the Exif segment of phone photos written byte by byte.
#pragma once

#include <vector>

using Bytes = std::vector<unsigned char>;

struct Rgba {
  unsigned char r, g, b, a;
};

// width x height pixels, rows top to bottom, one colour per quadrant: top left, top right, bottom
// left, bottom right (the left and top halves take the odd middle column and row).
std::vector<Rgba> Quadrants(int width, int height, const Rgba (&colours)[4]);

Bytes JpegOf(const std::vector<Rgba>& pixels, int width, int height);  // alpha dropped
Bytes PngOf(const std::vector<Rgba>& pixels, int width, int height);
Bytes BmpOf(const std::vector<Rgba>& pixels, int width, int height);  // 32 bits with alpha

// A GIF89a with a four-colour palette, index 0 transparent, and full-size frames of indices.
Bytes GifOf(int width, int height, const Rgba (&palette)[4], const std::vector<Bytes>& frames);

// The JPEG with an Exif segment carrying the orientation, in a big- or little-endian TIFF whose
// first IFD names the camera's make before the orientation. As phones write it, the Exif segment
// replaces the JFIF one; keepJfif puts it after it instead.
Bytes WithExif(const Bytes& jfif, int orientation, bool bigEndian, bool keepJfif = false);
