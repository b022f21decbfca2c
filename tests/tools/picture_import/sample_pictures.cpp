// Test pictures: stb_image_write's formats, and GIF and Exif bytes of our own.
#include "tests/tools/picture_import/sample_pictures.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cstddef>

namespace {

constexpr unsigned char GIF_CLEAR = 4;  // with 2-bit pixels: clear code 4, end code 5
constexpr unsigned char GIF_END = 5;

void Append(void* context, void* data, int size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
}

const unsigned char* Channels(const std::vector<Rgba>& pixels) {
  static_assert(sizeof(Rgba) == 4, "pixels are passed to stb as RGBA bytes");
  return &pixels[0].r;
}

void Put16(Bytes& out, unsigned value, bool bigEndian) {
  const auto high = static_cast<unsigned char>(value >> 8);
  const auto low = static_cast<unsigned char>(value);
  out.insert(out.end(), {bigEndian ? high : low, bigEndian ? low : high});
}

void Put32(Bytes& out, unsigned value, bool bigEndian) {
  Put16(out, bigEndian ? value >> 16 : value & 0xFFFF, bigEndian);
  Put16(out, bigEndian ? value & 0xFFFF : value >> 16, bigEndian);
}

// 3-bit codes, least significant bit first, in sub-blocks of at most 255 bytes. A clear code
// before every pair of pixels keeps the decoder's table from growing past 3-bit codes: valid LZW
// without compression.
Bytes GifImageData(const Bytes& indices) {
  std::vector<unsigned char> codes{GIF_CLEAR};
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i > 0 && i % 2 == 0) codes.push_back(GIF_CLEAR);
    codes.push_back(indices[i]);
  }
  codes.push_back(GIF_END);
  Bytes packed((codes.size() * 3 + 7) / 8);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    for (int bit = 0; bit < 3; ++bit) {
      const std::size_t at = i * 3 + static_cast<std::size_t>(bit);
      if (codes[i] >> bit & 1) packed[at / 8] |= static_cast<unsigned char>(1 << at % 8);
    }
  }
  Bytes data{2};  // LZW minimum code size
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, packed.size() - at);
    data.push_back(static_cast<unsigned char>(length));
    data.insert(data.end(), packed.begin() + at, packed.begin() + at + length);
  }
  data.push_back(0);
  return data;
}

Bytes ExifSegment(int orientation, bool bigEndian) {
  constexpr unsigned IFD_OFFSET = 8, ENTRIES = 2;
  constexpr unsigned MAKE_OFFSET = IFD_OFFSET + 2 + ENTRIES * 12 + 4;
  const unsigned char order = bigEndian ? 'M' : 'I';
  Bytes tiff{order, order};
  Put16(tiff, 42, bigEndian);
  Put32(tiff, IFD_OFFSET, bigEndian);
  Put16(tiff, ENTRIES, bigEndian);
  Put16(tiff, 0x010F, bigEndian);  // make: ASCII, 6 bytes after the IFD
  Put16(tiff, 2, bigEndian);
  Put32(tiff, 6, bigEndian);
  Put32(tiff, MAKE_OFFSET, bigEndian);
  Put16(tiff, 0x0112, bigEndian);  // orientation: one SHORT, in the entry itself
  Put16(tiff, 3, bigEndian);
  Put32(tiff, 1, bigEndian);
  Put16(tiff, static_cast<unsigned>(orientation), bigEndian);
  Put16(tiff, 0, bigEndian);
  Put32(tiff, 0, bigEndian);  // no next IFD
  tiff.insert(tiff.end(), {'b', 'r', 'e', 'l', 'a', 0});
  const std::size_t length = 2 + 6 + tiff.size();
  Bytes segment{0xFF,
                0xE1,
                static_cast<unsigned char>(length >> 8),
                static_cast<unsigned char>(length),
                'E',
                'x',
                'i',
                'f',
                0,
                0};
  segment.insert(segment.end(), tiff.begin(), tiff.end());
  return segment;
}

}  // namespace

std::vector<Rgba> Quadrants(int width, int height, const Rgba (&colours)[4]) {
  std::vector<Rgba> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(colours[(y < (height + 1) / 2 ? 0 : 2) + (x < (width + 1) / 2 ? 0 : 1)]);
    }
  }
  return pixels;
}

Bytes JpegOf(const std::vector<Rgba>& pixels, int width, int height) {
  Bytes out;
  stbi_write_jpg_to_func(Append, &out, width, height, 4, Channels(pixels), 100);
  return out;
}

Bytes PngOf(const std::vector<Rgba>& pixels, int width, int height) {
  Bytes out;
  stbi_write_png_to_func(Append, &out, width, height, 4, Channels(pixels), width * 4);
  return out;
}

Bytes BmpOf(const std::vector<Rgba>& pixels, int width, int height) {
  Bytes out;
  stbi_write_bmp_to_func(Append, &out, width, height, 4, Channels(pixels));
  return out;
}

Bytes GifOf(int width, int height, const Rgba (&palette)[4], const std::vector<Bytes>& frames) {
  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, static_cast<unsigned>(width), false);
  Put16(out, static_cast<unsigned>(height), false);
  out.insert(out.end(), {0x81, 0, 0});  // a global palette of 2^(1 + 1) colours
  for (const Rgba& colour : palette) out.insert(out.end(), {colour.r, colour.g, colour.b});
  for (const Bytes& indices : frames) {
    out.insert(out.end(), {0x21, 0xF9, 4, 0x01, 10, 0, 0, 0});  // index 0 transparent, 1/10 s
    out.insert(out.end(), {0x2C, 0, 0, 0, 0});
    Put16(out, static_cast<unsigned>(width), false);
    Put16(out, static_cast<unsigned>(height), false);
    out.push_back(0);
    const Bytes data = GifImageData(indices);
    out.insert(out.end(), data.begin(), data.end());
  }
  out.push_back(0x3B);
  return out;
}

Bytes WithExif(const Bytes& jfif, int orientation, bool bigEndian, bool keepJfif) {
  const std::size_t app0End = 4 + (std::size_t{jfif[4]} << 8 | jfif[5]);  // FF D8, FF E0, length
  const Bytes exif = ExifSegment(orientation, bigEndian);
  Bytes out(jfif.begin(), jfif.begin() + (keepJfif ? app0End : 2));
  out.insert(out.end(), exif.begin(), exif.end());
  out.insert(out.end(), jfif.begin() + app0End, jfif.end());
  return out;
}
