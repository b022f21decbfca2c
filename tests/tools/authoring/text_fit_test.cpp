// What the player's controls show of a text, with a measurer of round numbers: every character
// 6 pixels wide and lines 13 high, except 'W' (11) and 'i' (2).
#include "tools/authoring/text_fit.h"

#include <gtest/gtest.h>

#include "tools/authoring/quiz_fields.h"

namespace {

TextExtent MeasureRound(PlayerFont font, const std::string& text) {
  int width = 0;
  for (char c : text) width += c == 'W' ? 11 : c == 'i' ? 2 : 6;
  return {font == FONT_GUI ? width : 2 * width, font == FONT_GUI ? 13 : 16};
}

struct Fitting {
  const char* name;
  std::string text;
  TextBox box;
  bool fits;
  int lines;
  int visibleLines;
  std::string shown;
  std::string wideWord;
};

TEST(TextFitTest, ShowsWhatAnEditOrAStaticControlShows) {
  const TextBox edit{FONT_GUI, 49, 16, false};
  const TextBox oneLine{FONT_GUI, 85, 18, true};
  const TextBox reveal{FONT_GUI, 62, 40, true};  // 40 / 13: three lines
  const Fitting fittings[] = {
      // 8 characters of 6 are 48 pixels: the edit holds them, not a ninth.
      {"edit, 48 pixels", "Bravo !!", edit, true, 1, 1, "Bravo !!", ""},
      {"edit, 54 pixels", "Premier p", edit, false, 1, 1, "Premier ", ""},
      {"edit, narrow letters", "iiiiiiiiiiiiiiiiiiiiiiii", edit, true, 1, 1,
       "iiiiiiiiiiiiiiiiiiiiiiii", ""},
      {"edit, wide letters", "WWWWW", edit, false, 1, 1, "WWWW", ""},
      // 14 characters (84 pixels) on one line of 85.
      {"one line, 84 pixels", "Zoe et Mathieu", oneLine, true, 1, 1, "Zoe et Mathieu", ""},
      // "Mathieu" and its space (48 pixels) do not fit after "Zoe et " (42).
      {"one line, a word more", "Zoe et Mathieu R", oneLine, false, 2, 1, "Zoe et", ""},
      {"one line and a space", "Zoe et Mathieu ", oneLine, false, 2, 1, "Zoe et", ""},
      {"a word wider than the line", "Anticonstitutionnel", oneLine, false, 1, 1,
       "Anticonstitutionnel", "Anticonstitutionnel"},
      {"empty", "", oneLine, true, 0, 1, "", ""},
      // Lines of 62 pixels: "un deux " (48), "trois " (32, with "quatre " 74), "quatre cinq"
      // (62); with more words, "quatre " and "cinq " are 68.
      {"three lines of three", "un deux trois quatre cinq", reveal, true, 3, 3,
       "un deux trois quatre cinq", ""},
      {"five lines of three", "un deux trois quatre cinq six sept", reveal, false, 5, 3,
       "un deux trois quatre", ""},
      // Spaces count as wide as they are, doubled ones too: "abcd  " is 36 pixels.
      {"two spaces", "abcd  efgh", TextBox{FONT_GUI, 59, 13, true}, false, 2, 1, "abcd", ""},
      {"two spaces that fit", "abcd  efgh", TextBox{FONT_GUI, 60, 13, true}, true, 1, 1,
       "abcd  efgh", ""},
      // The system font of the measurer is twice as wide: 100 pixels.
      {"system font", "Capitales", TextBox{FONT_SYSTEM, 99, 18, true}, false, 1, 1, "Capitales",
       "Capitales"},
  };
  for (const Fitting& f : fittings) {
    const TextFit fit = FitText(f.text, f.box, MeasureRound);
    EXPECT_EQ(fit.fits, f.fits) << f.name;
    EXPECT_EQ(fit.lines, f.lines) << f.name;
    EXPECT_EQ(fit.visibleLines, f.visibleLines) << f.name;
    EXPECT_EQ(fit.shown, f.shown) << f.name;
    EXPECT_EQ(fit.wideWord, f.wideWord) << f.name;
  }
}

// The player's controls as its window and board are drawn up: the header (score, code, title,
// explanation, author) and the board's captions, question texts and reveal texts.
TEST(TextFitTest, TheControlsOfThePlayer) {
  struct Control {
    const char* field;
    TextBox box;
  };
  constexpr int EDIT_MARGIN = 3;  // each side of an edit's text, in the GUI font under Wine
  const Control controls[] = {
      // Header: the read-only code edit, 55 x 16 at (47, 29).
      {"codes", {FONT_GUI, 55 - 2 * EDIT_MARGIN, 16, false}},
      // Header: the author after "Par :", 85 x 18 at (763, 25).
      {"author", {FONT_GUI, 85, 18, true}},
      // Header: the title, 220 x 18 at (110, 3), in the system font.
      {"title", {FONT_SYSTEM, 220, 18, true}},
      // Header: the explanation under the title, 550 x 27 at (110, 19).
      {"explanation", {FONT_GUI, 550, 27, true}},
      // Board: the captions, 95 x 20 at (3, y) and (3, y + 20).
      {"answer1Caption", {FONT_GUI, 95, 20, true}},
      {"answer2Caption", {FONT_GUI, 95, 20, true}},
      // Board: a text quiz's question, 550 x 20 at (50, m), inside its one-pixel border.
      {"questionText", {FONT_GUI, 550 - 2, 20 - 2, true}},
      // Board: a reveal text under its picture, 260 x 65 at (x0 + 30, y0 + 56).
      {"revealText", {FONT_GUI, 260, 65, true}},
  };
  for (const Control& control : controls) {
    TextBox box{};
    ASSERT_TRUE(BoxOfField(control.field, box)) << control.field;
    EXPECT_EQ(box.font, control.box.font) << control.field;
    EXPECT_EQ(box.width, control.box.width) << control.field;
    EXPECT_EQ(box.height, control.box.height) << control.field;
    EXPECT_EQ(box.wraps, control.box.wraps) << control.field;
  }
  TextBox box{};
  for (const char* unseen : {"answer1", "answer2", "picture", "kind", "answerPicture", "nothing"}) {
    EXPECT_FALSE(BoxOfField(unseen, box)) << unseen;
  }
}

}  // namespace
