// The line breaking of a static control as DrawText does it: greedy, between words, the spaces
// after a word on its line.
#include "tools/authoring/text_fit.h"

#include <algorithm>

namespace {

// A word and the spaces after it: a static control keeps the spaces on the word's line and
// counts them in its width, so a word moves to the next line unless its spaces fit too.
struct Token {
  std::string text;
  int width;
};

std::vector<Token> TokensOf(const std::string& text, const TextBox& box,
                            const TextMeasurer& measure, std::string& wideWord) {
  const int spaceWidth = measure(box.font, " ").width;
  std::vector<Token> tokens;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t wordEnd = std::min(text.find(' ', start), text.size());
    const std::size_t end = std::min(text.find_first_not_of(' ', wordEnd), text.size());
    const std::string word = text.substr(start, wordEnd - start);
    const int wordWidth = measure(box.font, word).width;
    if (wordWidth > box.width && wideWord.empty()) wideWord = word;
    tokens.push_back({text.substr(start, end - start),
                      wordWidth + static_cast<int>(end - wordEnd) * spaceWidth});
    start = end;
  }
  return tokens;
}

struct Line {
  std::string text;
  int width;
};

std::vector<Line> WrapWords(const std::string& text, const TextBox& box,
                            const TextMeasurer& measure, std::string& wideWord) {
  std::vector<Line> lines;
  for (const Token& token : TokensOf(text, box, measure, wideWord)) {
    if (!lines.empty() && lines.back().width + token.width <= box.width) {
      lines.back().text += token.text;
      lines.back().width += token.width;
    } else {
      lines.push_back({token.text, token.width});
    }
  }
  return lines;
}

std::string WithoutTrailingSpaces(const std::string& text) {
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The first characters of a text that an edit field of that width shows whole.
std::string LongestPrefix(const std::string& text, const TextBox& box,
                          const TextMeasurer& measure) {
  std::size_t length = 0;
  while (length < text.size() && measure(box.font, text.substr(0, length + 1)).width <= box.width) {
    ++length;
  }
  return text.substr(0, length);
}

}  // namespace

TextFit FitText(const std::string& cp1252, const TextBox& box, const TextMeasurer& measure) {
  TextFit fit{true, 0, 1, 1, cp1252, {}};
  if (!box.wraps) {
    fit.width = measure(box.font, cp1252).width;
    if (fit.width > box.width) {
      fit.fits = false;
      fit.shown = LongestPrefix(cp1252, box, measure);
    }
    return fit;
  }
  fit.visibleLines = std::max(1, box.height / std::max(1, measure(box.font, " ").height));
  const std::vector<Line> lines = WrapWords(cp1252, box, measure, fit.wideWord);
  fit.lines = static_cast<int>(lines.size());
  fit.shown.clear();
  for (int i = 0; i < fit.lines; ++i) {
    fit.width = std::max(fit.width, lines[i].width);
    if (i < fit.visibleLines) fit.shown += lines[i].text;
  }
  fit.shown = WithoutTrailingSpaces(fit.shown);
  fit.fits = fit.wideWord.empty() && fit.lines <= fit.visibleLines;
  return fit;
}
