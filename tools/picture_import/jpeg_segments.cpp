// JPEG marker segments: the frame header, the Exif orientation, what stb must not be given.
#include "tools/picture_import/jpeg_segments.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char MARKER_SOI = 0xD8;
constexpr unsigned char MARKER_EOI = 0xD9;
constexpr unsigned char MARKER_SOS = 0xDA;
constexpr unsigned char MARKER_DHT = 0xC4;
constexpr unsigned char MARKER_DQT = 0xDB;
constexpr unsigned char MARKER_APP0 = 0xE0;
constexpr unsigned char MARKER_APP1 = 0xE1;
constexpr std::uint16_t TAG_ORIENTATION = 0x0112;
constexpr std::uint16_t TYPE_SHORT = 3;
constexpr std::uint64_t IFD_ENTRY_SIZE = 12;

// TEM and RST0 to RST7 stand alone, without a length.
bool IsStandalone(unsigned char marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool IsFrameHeader(unsigned char marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != MARKER_DHT && marker != 0xC8 &&
         marker != 0xCC;
}

bool HasPrefix(const Bytes& file, const JpegSegment& segment, const char* prefix,
               std::size_t length) {
  return segment.length >= length && std::memcmp(file.data() + segment.offset, prefix, length) == 0;
}

// The TIFF structure inside an Exif segment, read in its own byte order.
struct TiffView {
  const unsigned char* data;
  std::size_t length;
  bool bigEndian;
};

// Offsets are 64-bit: a 32-bit offset plus an entry's position must not wrap on a 32-bit build.
bool Read16(const TiffView& tiff, std::uint64_t at, std::uint16_t& value) {
  if (at > tiff.length || tiff.length - at < 2) return false;
  const unsigned char* p = tiff.data + static_cast<std::size_t>(at);
  value = static_cast<std::uint16_t>(tiff.bigEndian ? p[0] << 8 | p[1] : p[1] << 8 | p[0]);
  return true;
}

bool Read32(const TiffView& tiff, std::uint64_t at, std::uint32_t& value) {
  std::uint16_t first = 0, second = 0;
  if (!Read16(tiff, at, first) || !Read16(tiff, at + 2, second)) return false;
  value =
      tiff.bigEndian ? std::uint32_t{first} << 16 | second : std::uint32_t{second} << 16 | first;
  return true;
}

int OrientationInTiff(const TiffView& tiff) {
  std::uint16_t magic = 0, count = 0;
  std::uint32_t ifd = 0;
  if (!Read16(tiff, 2, magic) || magic != 42 || !Read32(tiff, 4, ifd) ||
      !Read16(tiff, ifd, count)) {
    return 1;
  }
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t entry = std::uint64_t{ifd} + 2 + i * IFD_ENTRY_SIZE;
    std::uint16_t tag = 0, type = 0, value = 0;
    std::uint32_t valueCount = 0;
    if (!Read16(tiff, entry, tag) || !Read16(tiff, entry + 2, type) ||
        !Read32(tiff, entry + 4, valueCount) || !Read16(tiff, entry + 8, value)) {
      return 1;
    }
    if (tag != TAG_ORIENTATION) continue;
    return type == TYPE_SHORT && valueCount == 1 && value >= 1 && value <= 8 ? value : 1;
  }
  return 1;
}

// Each table: its class and number, 16 counts of codes by length, then as many values.
bool HuffmanTablesFit(const Bytes& file, const JpegSegment& segment) {
  std::size_t at = 0;
  while (at < segment.length) {
    if (segment.length - at < 17) return false;
    const unsigned char* counts = file.data() + segment.offset + at + 1;
    std::size_t codes = 0;
    for (int length = 0; length < 16; ++length) codes += counts[length];
    if (codes > 256 || codes > segment.length - at - 17) return false;
    at += 17 + codes;
  }
  return true;
}

}  // namespace

std::vector<JpegSegment> ReadJpegSegments(const Bytes& file, JpegExtent extent,
                                          bool* reachedEnd) {
  std::vector<JpegSegment> segments;
  if (reachedEnd) *reachedEnd = false;
  if (file.size() < 2 || file[0] != 0xFF || file[1] != MARKER_SOI) return segments;
  std::size_t at = 2;
  while (at < file.size()) {
    // Entropy-coded data and stray bytes up to a byte 0xFF, then the fill bytes of a marker.
    while (at < file.size() && file[at] != 0xFF) ++at;
    while (at < file.size() && file[at] == 0xFF) ++at;
    if (at >= file.size()) break;
    const unsigned char marker = file[at++];
    if (marker == 0 || IsStandalone(marker)) continue;  // FF 00 stands for a data byte FF
    if (marker == MARKER_EOI || marker == MARKER_SOI) {
      if (reachedEnd) *reachedEnd = marker == MARKER_EOI;
      break;
    }
    if (file.size() - at < 2) break;
    const std::size_t length = std::size_t{file[at]} << 8 | file[at + 1];
    if (length < 2) break;
    // A segment cut by the end of the file is kept with what there is of it: decoders read it.
    segments.push_back({marker, at + 2, std::min(length, file.size() - at) - 2});
    if (marker == MARKER_SOS && extent == JPEG_HEADER) break;
    at += length;
  }
  return segments;
}

JpegFrame ReadJpegFrame(const Bytes& file) {
  for (const JpegSegment& segment : ReadJpegSegments(file, JPEG_HEADER)) {
    if (!IsFrameHeader(segment.marker)) continue;
    if (segment.length < 6) break;
    const unsigned char* p = file.data() + segment.offset;
    return {true, segment.marker, p[0], p[3] << 8 | p[4], p[1] << 8 | p[2], p[5]};
  }
  return {false, 0, 0, 0, 0, 0};
}

bool IsSoundJpeg(const Bytes& file) {
  bool frame = false, quantisation = false, huffman = false, scan = false;
  for (const JpegSegment& segment : ReadJpegSegments(file, JPEG_WHOLE_FILE)) {
    if (segment.marker == MARKER_DHT && !HuffmanTablesFit(file, segment)) return false;
    if (scan) continue;
    frame = frame || IsFrameHeader(segment.marker);
    quantisation = quantisation || segment.marker == MARKER_DQT;
    huffman = huffman || segment.marker == MARKER_DHT;
    scan = segment.marker == MARKER_SOS;
  }
  return scan && frame && quantisation && huffman;
}

bool IsWholeJpeg(const Bytes& file) {
  bool reachedEnd = false;
  ReadJpegSegments(file, JPEG_WHOLE_FILE, &reachedEnd);
  return reachedEnd;
}

bool StartsWithJfif(const Bytes& file) {
  const std::vector<JpegSegment> segments = ReadJpegSegments(file, JPEG_HEADER);
  return !segments.empty() && segments[0].offset == 6 && segments[0].marker == MARKER_APP0 &&
         HasPrefix(file, segments[0], "JFIF", 5);
}

int ReadExifOrientation(const Bytes& file) {
  for (const JpegSegment& segment : ReadJpegSegments(file, JPEG_HEADER)) {
    if (segment.marker != MARKER_APP1 || !HasPrefix(file, segment, "Exif\0\0", 6)) continue;
    const unsigned char* tiff = file.data() + segment.offset + 6;
    const std::size_t length = segment.length - 6;
    if (length < 8) return 1;
    if (std::memcmp(tiff, "MM", 2) == 0) return OrientationInTiff({tiff, length, true});
    if (std::memcmp(tiff, "II", 2) == 0) return OrientationInTiff({tiff, length, false});
    return 1;
  }
  return 1;
}
