// The code pages of Excel's other CSV formats: their letters as the code page charts give them,
// and the code page that a French text is guessed to be in, written byte for byte.
#include "tools/authoring/code_pages.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Letter {
  unsigned char byte;
  std::uint32_t cp850, macRoman;
};

TEST(CodePagesTest, ReadTheLettersOfTheirCharts) {
  const Letter letters[] = {
      {0x80, 0x00C7, 0x00C4},  // Ç, Ä
      {0x82, 0x00E9, 0x00C7},  // é, Ç
      {0x85, 0x00E0, 0x00D6},  // à, Ö
      {0x87, 0x00E7, 0x00E1},  // ç, á
      {0x88, 0x00EA, 0x00E0},  // ê, à
      {0x8A, 0x00E8, 0x00E4},  // è, ä
      {0x8D, 0x00EC, 0x00E7},  // ì, ç
      {0x8E, 0x00C4, 0x00E9},  // Ä, é
      {0x8F, 0x00C5, 0x00E8},  // Å, è
      {0x90, 0x00C9, 0x00EA},  // É, ê
      {0x93, 0x00F4, 0x00EC},  // ô, ì
      {0x9D, 0x00D8, 0x00F9},  // Ø, ù
      {0xAE, 0x00AB, 0x00C6},  // «, Æ
      {0xB7, 0x00C0, 0x2211},  // À, ∑
      {0xC7, 0x00C3, 0x00AB},  // Ã, «
      {0xCA, 0x2569, 0x00A0},  // ╩, no-break space
      {0xCF, 0x00A4, 0x0153},  // ¤, œ
      {0xD2, 0x00CA, 0x201C},  // Ê, “
      {0xD5, 0x0131, 0x2019},  // ı, ’
      {0xDB, 0x2588, 0x20AC},  // █, €
      {0xF0, 0x00AD, 0xF8FF},  // soft hyphen, Apple's logo
      {0xFF, 0x00A0, 0x02C7},  // no-break space, ˇ
  };
  for (const Letter& letter : letters) {
    EXPECT_EQ(CodePointIn(CODE_PAGE_850, letter.byte), letter.cp850) << int{letter.byte};
    EXPECT_EQ(CodePointIn(CODE_PAGE_MAC_ROMAN, letter.byte), letter.macRoman) << int{letter.byte};
  }
  EXPECT_EQ(CodePointIn(CODE_PAGE_1252, 0x8A), 0x0160u);  // Š
  EXPECT_EQ(CodePointIn(CODE_PAGE_850, 'a'), static_cast<std::uint32_t>('a'));
  EXPECT_EQ(CodePageToUtf8("boulang\x8Are", CODE_PAGE_850), "boulangère");
  EXPECT_EQ(CodePageToUtf8("c\xCFur \xDB", CODE_PAGE_MAC_ROMAN), "cœur €");
}

TEST(CodePagesTest, EveryByteOfTheUpperHalfIsItsOwnCharacter) {
  for (CodePage page : {CODE_PAGE_850, CODE_PAGE_MAC_ROMAN}) {
    std::set<std::uint32_t> characters;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      const std::uint32_t c = CodePointIn(page, static_cast<unsigned char>(byte));
      EXPECT_GE(c, 0xA0u) << byte;
      characters.insert(c);
    }
    EXPECT_EQ(characters.size(), 128u) << page;
  }
}

struct Guess {
  const char* name;
  std::string bytes;
  CodePage page;
};

TEST(CodePagesTest, GuessesTheCodePageThatReadsAsFrench) {
  const Guess guesses[] = {
      {"ASCII", "question;reponse\r\nq;r\r\n", CODE_PAGE_1252},
      {"French Excel", "boulang\xE8re;\xE9t\xE9;gar\xE7on;c\x9Cur;l\x92\xE9t\xE9 \x80",
       CODE_PAGE_1252},
      {"capitals in Windows-1252", "R\xC9PONSE;\xC9T\xC9;\xC0 VOUS", CODE_PAGE_1252},
      {"only é and è", "\xE9t\xE9;p\xE8re", CODE_PAGE_1252},
      {"CSV (MS-DOS)", "boulang\x8Are;\x82t\x82;gar\x87on;\x85 demain", CODE_PAGE_850},
      {"CSV (MS-DOS), one letter", "boulang\x8Are", CODE_PAGE_850},
      {"CSV (Macintosh)", "boulang\x8Fre;\x8Et\x8E;gar\x8Don;c\xCFur", CODE_PAGE_MAC_ROMAN},
      {"CSV (Macintosh), one letter", "boulang\x8Fre", CODE_PAGE_MAC_ROMAN},
      {"Noël in Windows-1252", "No\xEBl \xE0 No\xEBl", CODE_PAGE_1252},
      {"Noël in 850", "No\x89l \x85 No\x89l", CODE_PAGE_850},
      {"Noël in Mac OS Roman", "No\x91l \x88 No\x91l", CODE_PAGE_MAC_ROMAN},
  };
  for (const Guess& guess : guesses) {
    EXPECT_EQ(LikeliestCodePage(guess.bytes), guess.page) << guess.name;
  }
}

}  // namespace
