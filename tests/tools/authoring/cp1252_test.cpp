// UTF-8 to code page 1252 and back: the typographic block 0x80..0x9F, refusals, every byte.
#include "tools/authoring/cp1252.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
  const char* utf8;
  const char* cp1252;
};

TEST(Cp1252Test, ConvertsLatinAndTypographicCharacters) {
  const Conversion cases[] = {
      {"", ""},
      {"Rome", "Rome"},
      {"é à ç ÿ", "\xE9 \xE0 \xE7 \xFF"},
      {"\u00A0«»°", "\xA0\xAB\xBB\xB0"},
      {"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž",
       "\x80 \x82 \x83 \x84 \x85 \x86 \x87 \x88 \x89 \x8A \x8B \x8C \x8E"},
      {"‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ",
       "\x91 \x92 \x93 \x94 \x95 \x96 \x97 \x98 \x99 \x9A \x9B \x9C \x9E \x9F"},
      {"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
  };
  for (const Conversion& c : cases) {
    std::string converted, problem;
    ASSERT_TRUE(Utf8ToCp1252(c.utf8, converted, problem)) << c.utf8 << ": " << problem;
    EXPECT_EQ(converted, c.cp1252) << c.utf8;
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
  }
}

TEST(Cp1252Test, RefusesCharactersWithoutForm) {
  const Conversion cases[] = {
      {"Beijing 中国", "the character '中' (U+4E2D) has no form in code page 1252"},
      {"a → b", "the character '→' (U+2192) has no form in code page 1252"},
      {"Ł", "the character 'Ł' (U+0141) has no form in code page 1252"},
      {"\u0080", "the character '\u0080' (U+0080) has no form in code page 1252"},
      {"😀", "the character '😀' (U+1F600) has no form in code page 1252"},
  };
  for (const Conversion& c : cases) {
    std::string converted = "kept", problem;
    EXPECT_FALSE(Utf8ToCp1252(c.utf8, converted, problem)) << c.utf8;
    EXPECT_EQ(problem, c.cp1252);
    EXPECT_EQ(converted, "kept") << "the output is left alone on failure";
  }
}

TEST(Cp1252Test, RefusesMalformedUtf8) {
  const char* cases[] = {
      "\x80",              // continuation byte alone
      "caf\xC3",           // cut sequence
      "\xC3(",             // lead byte without continuation
      "\xC0\xAF",          // overlong '/'
      "\xE0\x80\xAF",      // overlong, three bytes
      "\xED\xA0\x80",      // surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
      "\xFF",
  };
  for (const char* text : cases) {
    std::string converted, problem;
    EXPECT_FALSE(Utf8ToCp1252(text, converted, problem)) << testing::PrintToString(text);
    EXPECT_EQ(problem, "the text is not valid UTF-8");
  }
}

TEST(Cp1252Test, EveryByteGoesToUtf8AndBack) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  std::string back, problem;
  ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), back, problem)) << problem;
  EXPECT_EQ(back, all);
}

}  // namespace
