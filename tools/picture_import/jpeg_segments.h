// The marker segments at the head of a JPEG file, before its image data: where every JPEG keeps
// its frame header and phones their Exif orientation. A walk over segment lengths, not a decoder;
// every read is bounded, as the file may be hostile.
#pragma once

#include <cstddef>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct JpegSegment {
  unsigned char marker;  // the byte after 0xFF: 0xE0 APP0, 0xE1 APP1, 0xC0 baseline frame...
  std::size_t offset;    // of the payload, after the two length bytes
  std::size_t length;    // of the payload, within the file
};

enum JpegExtent {
  JPEG_HEADER,      // up to the first scan
  JPEG_WHOLE_FILE,  // up to EOI, with the tables that progressive files put between their scans
};

// The marker segments from SOI on, the scan headers (SOS) among them; the entropy-coded data after
// a scan header is skipped as decoders skip it, up to the next marker. Ends at EOI, at the end of
// the file (the last segment may be cut short by it) or at a length below 2; empty when the file
// does not start with SOI. reachedEnd, when given, tells whether the walk stopped at EOI.
std::vector<JpegSegment> ReadJpegSegments(const Bytes& file, JpegExtent extent,
                                          bool* reachedEnd = nullptr);

struct JpegFrame {
  bool found;
  unsigned char marker;  // 0xC0 baseline, 0xC1 extended, 0xC2 progressive...
  int precision;         // bits per sample
  int width, height;
  int components;
};

// The first frame header (SOF0 to SOF15, not DHT, JPG or DAC).
JpegFrame ReadJpegFrame(const Bytes& file);

// What stb's decoder needs checked before it is given a file: a frame header, quantisation and
// Huffman tables, then a scan (without them it decodes tables that were never defined), and every
// Huffman table within its segment and of at most 256 codes (it writes more past its arrays).
bool IsSoundJpeg(const Bytes& file);

// The file goes on to its end of image (EOI): stb's decoder refuses a file cut short before it.
bool IsWholeJpeg(const Bytes& file);

// The first segment is APP0 named "JFIF", as the player's decoder and the authoring tool expect.
bool StartsWithJfif(const Bytes& file);

// The orientation tag (0x0112) of IFD0 in the first APP1 "Exif" segment: 1 to 8, or 1 when there
// is none or it cannot be read.
int ReadExifOrientation(const Bytes& file);
