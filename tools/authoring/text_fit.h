// How much of an author's text the player's controls show, measured in the player's own fonts.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum PlayerFont {
  FONT_GUI,     // DEFAULT_GUI_FONT, set on most of the player's controls
  FONT_SYSTEM,  // the system font, on the controls that set none
};

struct TextExtent {
  int width;
  int height;  // of one line
};

// The size of a code page 1252 text on one line in one of the player's fonts.
using TextMeasurer = std::function<TextExtent(PlayerFont font, const std::string& cp1252)>;

// The room that a control gives its text, in pixels, inside its border and margins.
struct TextBox {
  PlayerFont font;
  int width;
  int height;
  bool wraps;  // a static control breaks lines between words; an edit field shows one line
};

struct TextFit {
  bool fits;
  int width;             // one line: the text's width; wrapped: its widest line
  int lines;             // lines that the text takes (1 in an edit field)
  int visibleLines;      // lines that the box shows
  std::string shown;     // the part of the text that shows (code page 1252)
  std::string wideWord;  // a word wider than the box, which the player cuts
};

// What a box shows of a text: word-wrapped as a static control does, on one line as an edit.
TextFit FitText(const std::string& cp1252, const TextBox& box, const TextMeasurer& measure);
