// The encodings of authors' files told apart, and positions in them.
#include "tools/authoring/text_encoding.h"

#include <gtest/gtest.h>

namespace {

struct Decoding {
  const char* name;
  std::string bytes;
  TextEncoding encoding;
  std::string utf8;
  std::size_t firstNonUtf8;
};

const std::size_t NONE = std::string::npos;

TEST(TextEncodingTest, TellsTheEncodingsOfAuthorsFilesApart) {
  const Decoding cases[] = {
      {"empty", "", ENCODING_UTF8, "", NONE},
      {"ASCII", "a;b\r\n", ENCODING_UTF8, "a;b\r\n", NONE},
      {"UTF-8", "r\xC3\xA9ponse", ENCODING_UTF8, "r\xC3\xA9ponse", NONE},
      {"UTF-8 with its mark", "\xEF\xBB\xBFr\xC3\xA9ponse", ENCODING_UTF8, "r\xC3\xA9ponse", NONE},
      {"Windows-1252", "r\xE9ponse \x80", ENCODING_CP1252, "r\xC3\xA9ponse \xE2\x82\xAC", 1},
      {"Windows-1252 after UTF-8-like text", "ok\nl'\x92", ENCODING_CP1252, "ok\nl'\xE2\x80\x99",
       5},
      {"UTF-16 little-endian with its mark", std::string("\xFF\xFEq\0u\0", 6), ENCODING_UTF16, "",
       NONE},
      {"UTF-16 big-endian with its mark", std::string("\xFE\xFF\0q\0u", 6), ENCODING_UTF16, "",
       NONE},
      {"UTF-16 without a mark", std::string("{\0\"\0k\0\"\0", 8), ENCODING_UTF16, "", NONE},
  };
  for (const Decoding& c : cases) {
    const DecodedText decoded = DecodeText(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding) << c.name;
    EXPECT_EQ(decoded.utf8, c.utf8) << c.name;
    EXPECT_EQ(decoded.firstNonUtf8, c.firstNonUtf8) << c.name;
  }
}

struct Place {
  std::size_t offset;
  int line, column;
};

TEST(TextEncodingTest, PositionsCountLinesAndCharacters) {
  const std::string text = "{\n  \"title\": \"\xC3\xA9t\xC3\xA9\",\r\n  x\n";
  const Place places[] = {
      {0, 1, 1},   {1, 1, 2},  {2, 2, 1}, {4, 2, 3}, {14, 2, 13},  // the é after the opening quote
      {16, 2, 14},  // t: é took two bytes, one column
      {19, 2, 16},  // the closing quote
      {23, 3, 1},  {25, 3, 3},
  };
  for (const Place& place : places) {
    const TextPosition position = PositionOf(text, place.offset);
    EXPECT_EQ(position.line, place.line) << place.offset;
    EXPECT_EQ(position.column, place.column) << place.offset;
  }
  EXPECT_EQ(PositionText({4, 17}), "ligne 4, colonne 17");
}

}  // namespace
