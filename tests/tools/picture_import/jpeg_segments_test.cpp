// The JPEG segment walk on files written byte by byte: the Exif orientation through every way a
// hostile or broken file can lead it astray, the frame header, what stb must not be given.
#include "tools/picture_import/jpeg_segments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/tools/picture_import/sample_pictures.h"

namespace {

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

void Le16(Bytes& out, unsigned value) {
  out.insert(out.end(),
             {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)});
}

void Le32(Bytes& out, unsigned value) {
  Le16(out, value & 0xFFFF);
  Le16(out, value >> 16);
}

struct Entry {
  unsigned tag, type, count, value;
};

// "Exif\0\0", then a little-endian TIFF: header, IFD0 at ifdOffset claiming entryCount entries,
// the entries given.
Bytes ExifPayload(unsigned ifdOffset, unsigned entryCount, const std::vector<Entry>& entries) {
  Bytes payload = Of(std::string("Exif\0\0II*\0", 10));
  Le32(payload, ifdOffset);
  Le16(payload, entryCount);
  for (const Entry& entry : entries) {
    Le16(payload, entry.tag);
    Le16(payload, entry.type);
    Le32(payload, entry.count);
    Le32(payload, entry.value);
  }
  Le32(payload, 0);
  return payload;
}

Bytes Segment(unsigned char marker, const Bytes& payload) {
  Bytes segment = payload;
  segment.insert(segment.begin(),
                 {0xFF, marker, static_cast<unsigned char>((payload.size() + 2) >> 8),
                  static_cast<unsigned char>(payload.size() + 2)});
  return segment;
}

Bytes Jpeg(const std::vector<Bytes>& parts) {
  Bytes jpeg{0xFF, 0xD8};
  for (const Bytes& part : parts) jpeg.insert(jpeg.end(), part.begin(), part.end());
  return jpeg;
}

const Entry MAKE{0x010F, 2, 6, 0};
const Entry UPRIGHT_6{0x0112, 3, 1, 6};
const Bytes SCAN = Segment(0xDA, {1, 1, 0, 0, 63, 0});

TEST(ReadExifOrientation, FindsItOrFallsBackToUpright) {
  const struct {
    const char* name;
    Bytes file;
    int orientation;
  } cases[] = {
      {"after the make", Jpeg({Segment(0xE1, ExifPayload(8, 2, {MAKE, UPRIGHT_6})), SCAN}), 6},
      {"value 0", Jpeg({Segment(0xE1, ExifPayload(8, 1, {{0x0112, 3, 1, 0}}))}), 1},
      {"value 9", Jpeg({Segment(0xE1, ExifPayload(8, 1, {{0x0112, 3, 1, 9}}))}), 1},
      {"type LONG", Jpeg({Segment(0xE1, ExifPayload(8, 1, {{0x0112, 4, 1, 6}}))}), 1},
      {"two values", Jpeg({Segment(0xE1, ExifPayload(8, 1, {{0x0112, 3, 2, 6}}))}), 1},
      {"IFD past the end", Jpeg({Segment(0xE1, ExifPayload(0xFFFFFFF0, 1, {UPRIGHT_6}))}), 1},
      {"IFD at 0xFFFFFFFF", Jpeg({Segment(0xE1, ExifPayload(0xFFFFFFFF, 1, {UPRIGHT_6}))}), 1},
      {"more entries claimed than held, found first",
       Jpeg({Segment(0xE1, ExifPayload(8, 0xFFFF, {UPRIGHT_6}))}), 6},
      {"more entries claimed than held, not found",
       Jpeg({Segment(0xE1, ExifPayload(8, 0xFFFF, {MAKE}))}), 1},
      {"no IFD entries", Jpeg({Segment(0xE1, ExifPayload(8, 0, {}))}), 1},
      {"TIFF magic 43", Jpeg({Segment(0xE1, Of(std::string("Exif\0\0II+\0\x08\0\0\0", 14)))}), 1},
      {"byte order XX", Jpeg({Segment(0xE1, Of(std::string("Exif\0\0XX*\0\x08\0\0\0", 14)))}), 1},
      {"TIFF of 7 bytes", Jpeg({Segment(0xE1, Of(std::string("Exif\0\0II*\0\x08\0\0", 13)))}), 1},
      {"Exif without its two zeros",
       Jpeg({Segment(0xE1, Of(std::string("ExifII*\0\x08\0\0\0", 12)))}), 1},
      {"not named Exif",
       Jpeg({Segment(0xE1, Of(std::string("http://ns.adobe.com/xap/1.0/\0", 29)))}), 1},
      {"APP1 longer than the file",
       Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0x40, 0x00, 'E', 'x', 'i', 'f', 0, 0}, 1},
      {"APP1 length 1", Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x01, 'E', 'x', 'i', 'f', 0, 0}, 1},
      {"after the first scan", Jpeg({SCAN, Segment(0xE1, ExifPayload(8, 1, {UPRIGHT_6}))}), 1},
      {"first of two",
       Jpeg({Segment(0xE1, ExifPayload(8, 1, {{0x0112, 3, 1, 3}})),
             Segment(0xE1, ExifPayload(8, 1, {UPRIGHT_6}))}),
       3},
      {"after fill bytes and a restart marker",
       Jpeg({Bytes{0xFF, 0xD0, 0xFF, 0xFF}, Segment(0xE1, ExifPayload(8, 1, {UPRIGHT_6}))}), 6},
      {"no SOI", Segment(0xE1, ExifPayload(8, 1, {UPRIGHT_6})), 1},
      {"empty", {}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadExifOrientation(c.file), c.orientation) << c.name;
}

TEST(ReadJpegFrame, ReadsTheFirstFrameHeader) {
  const Bytes progressive{8, 0x01, 0xE0, 0x02, 0x80, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
  const struct {
    const char* name;
    Bytes file;
    bool found;
    unsigned char marker;
    int width, height, components;
  } cases[] = {
      {"stb's baseline", JpegOf(std::vector<Rgba>(12 * 7), 12, 7), true, 0xC0, 12, 7, 3},
      {"progressive after a table", Jpeg({Segment(0xC4, {0}), Segment(0xC2, progressive), SCAN}),
       true, 0xC2, 640, 480, 3},
      {"cut frame header", Jpeg({Segment(0xC0, {8, 0, 1, 0})}), false, 0, 0, 0, 0},
      {"no frame before the scan", Jpeg({SCAN, Segment(0xC0, progressive)}), false, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const JpegFrame frame = ReadJpegFrame(c.file);
    EXPECT_EQ(frame.found, c.found) << c.name;
    if (!c.found) continue;
    EXPECT_EQ(frame.marker, c.marker) << c.name;
    EXPECT_EQ(frame.precision, 8) << c.name;
    EXPECT_EQ(frame.width, c.width) << c.name;
    EXPECT_EQ(frame.height, c.height) << c.name;
    EXPECT_EQ(frame.components, c.components) << c.name;
  }
}

// A Huffman table: class and number, the number of codes of each length 1 to 16, the values.
Bytes HuffmanTable(unsigned char classAndNumber, const std::vector<unsigned char>& counts) {
  Bytes table(17, 0);
  table[0] = classAndNumber;
  std::copy(counts.begin(), counts.end(), table.begin() + 1);
  unsigned codes = 0;
  for (unsigned char count : counts) codes += count;
  table.resize(17 + codes, 0);
  return table;
}

Bytes Joined(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(IsSoundJpeg, WantsTablesBeforeTheFirstScanAndNoOversizedHuffmanTable) {
  const Bytes frame = Segment(0xC0, {8, 0, 8, 0, 8, 1, 1, 0x11, 0});
  const Bytes quantisation = Segment(0xDB, Bytes(65, 1));
  const Bytes table = Segment(0xC4, HuffmanTable(0x00, {1}));
  const Bytes data{0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56};  // a stuffed FF, a restart marker
  const Bytes oversized =
      Segment(0xC4, HuffmanTable(0x10, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 2}));
  Bytes cut = HuffmanTable(0x00, {4});
  cut.pop_back();
  Bytes cutByTheEnd = oversized;
  cutByTheEnd.resize(40);
  const struct {
    const char* name;
    Bytes file;
    bool sound;
  } cases[] = {
      {"complete", Jpeg({frame, quantisation, table, SCAN, data}), true},
      {"two tables in one segment",
       Jpeg({frame, quantisation,
             Segment(0xC4, Joined(HuffmanTable(0x00, {1}), HuffmanTable(0x10, {0, 2}))), SCAN}),
       true},
      {"a table between scans", Jpeg({frame, quantisation, table, SCAN, data, table, SCAN, data}),
       true},
      {"no frame", Jpeg({quantisation, table, SCAN}), false},
      {"no quantisation table", Jpeg({frame, table, SCAN}), false},
      {"no Huffman table", Jpeg({frame, quantisation, SCAN}), false},
      {"tables after the scan only", Jpeg({frame, SCAN, data, quantisation, table}), false},
      {"no scan", Jpeg({frame, quantisation, table}), false},
      {"257 codes", Jpeg({frame, quantisation, oversized, SCAN}), false},
      {"257 codes between scans", Jpeg({frame, quantisation, table, SCAN, data, oversized, SCAN}),
       false},
      {"values past the segment", Jpeg({frame, quantisation, Segment(0xC4, cut), SCAN}), false},
      {"counts past the segment",
       Jpeg({frame, quantisation, Segment(0xC4, Bytes{0x00, 1, 0}), SCAN}), false},
      {"257 codes cut by the end of the file",
       Jpeg({frame, quantisation, table, SCAN, data, cutByTheEnd}), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSoundJpeg(c.file), c.sound) << c.name;
}

}  // namespace
