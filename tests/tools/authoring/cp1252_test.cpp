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

struct Refusal {
  const char* utf8;
  const char* character;
  const char* codePoint;
};

TEST(Cp1252Test, RefusesCharactersWithoutForm) {
  const Refusal cases[] = {
      {"Beijing 中国", "中", "U+4E2D"}, {"a → b", "→", "U+2192"}, {"Ł", "Ł", "U+0141"},
      {"\u0080", "\u0080", "U+0080"},   {"😀", "😀", "U+1F600"},
  };
  for (const Refusal& c : cases) {
    std::string converted = "kept", problem;
    EXPECT_FALSE(Utf8ToCp1252(c.utf8, converted, problem)) << c.utf8;
    EXPECT_EQ(problem, std::string("le caractère « ") + c.character + " » (" + c.codePoint +
                           ") n'existe pas dans le jeu de caractères du joueur (Windows-1252) : "
                           "remplacez-le");
    EXPECT_EQ(converted, "kept") << "the output is left alone on failure";
  }
}

struct Malformed {
  const char* text;
  std::size_t firstInvalid;
};

TEST(Cp1252Test, RefusesMalformedUtf8AndFindsItsFirstBadByte) {
  const Malformed cases[] = {
      {"\x80", 0},              // continuation byte alone
      {"caf\xC3", 3},           // cut sequence
      {"\xC3(", 0},             // lead byte without continuation
      {"ab\xC0\xAF", 2},        // overlong '/'
      {"\xE0\x80\xAF", 0},      // overlong, three bytes
      {"é\xED\xA0\x80", 2},     // surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"Ann\351e", 3},          // an é of code page 1252
      {"\xFF", 0},
  };
  for (const Malformed& c : cases) {
    std::string converted, problem;
    EXPECT_FALSE(Utf8ToCp1252(c.text, converted, problem)) << testing::PrintToString(c.text);
    EXPECT_EQ(problem, "le texte n'est pas en UTF-8 valide");
    EXPECT_EQ(FirstInvalidUtf8(c.text), c.firstInvalid) << testing::PrintToString(c.text);
  }
  for (const char* valid : {"", "Rome", "é à ç ÿ", "😀 €"}) {
    EXPECT_EQ(FirstInvalidUtf8(valid), std::string::npos) << valid;
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
