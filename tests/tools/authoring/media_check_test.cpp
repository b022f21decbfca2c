// The magic numbers that make a file a JFIF JPEG, an MP3 or an AVI.
#include "tools/authoring/media_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Sample {
  const char* name;
  Bytes bytes;
  bool jpeg, mp3, avi;
};

TEST(MediaCheckTest, RecognisesEachKindByItsFirstBytes) {
  const Sample samples[] = {
      {"JFIF JPEG", Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12)), true, false,
       false},
      {"Exif JPEG",
       Of(std::string("\xFF\xD8\xFF\xE1\x00\x10"
                      "Exif\x00\x00",
                      12)),
       false, false, false},
      {"JPEG cut after APP0", Of("\xFF\xD8\xFF\xE0"), false, false, false},
      {"APP0 not named JFIF", Of(std::string("\xFF\xD8\xFF\xE0\x00\x10JFXX\x00", 11)), false, false,
       false},
      {"PNG", Of("\x89PNG\r\n\x1A\n"), false, false, false},
      {"MP3 with ID3v2 tag", Of(std::string("ID3\x04\x00\x00\x00\x00\x00\x21", 10)), false, true,
       false},
      {"ID3 cut short", Of("ID3\x04"), false, false, false},
      {"MPEG-1 layer III frame", Of("\xFF\xFB\x90\x64"), false, true, false},
      {"MPEG-2 layer III frame", Of("\xFF\xF3\x48\xC4"), false, true, false},
      {"MPEG-2.5 layer III frame", Of("\xFF\xE3\x18\xC4"), false, true, false},
      {"MPEG layer II frame", Of("\xFF\xFD\x90\x64"), false, false, false},
      {"reserved MPEG version", Of("\xFF\xEB\x90\x64"), false, false, false},
      {"AAC (ADTS) frame", Of("\xFF\xF1\x50\x80"), false, false, false},
      {"WAVE", Of(std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16)), false, false, false},
      {"AVI",
       Of(std::string("RIFF\x24\x00\x00\x00"
                      "AVI LIST",
                      16)),
       false, false, true},
      {"AVI cut short", Of("RIFF\x24\x00"), false, false, false},
      {"empty", Bytes(), false, false, false},
  };
  for (const Sample& s : samples) {
    EXPECT_EQ(IsJfifJpeg(s.bytes), s.jpeg) << s.name;
    EXPECT_EQ(IsMp3(s.bytes), s.mp3) << s.name;
    EXPECT_EQ(IsAvi(s.bytes), s.avi) << s.name;
  }
}

}  // namespace
