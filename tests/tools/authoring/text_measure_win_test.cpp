// The GDI measurer against the system's own measures: the extents of whole texts, the characters
// that a real edit field shows, and the lines into which DrawText, as static controls draw,
// breaks a text.
#include "tools/authoring/text_measure_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tools/authoring/quiz_fields.h"

namespace {

// Texts in code page 1252, as the player holds them.
const char* const TEXTS[] = {
    "Premier pas",
    "Quelle est la capitale de la France ?",
    "L'\xE9quipe brela",
    "Capitales d'Europe",
    "\xC9t\xE9 \xE0 l'\234il \x80 \xAB oui \xBB",
    "WWWWiiii MMMM llll",
    "Bleu, blanc, rouge : le drapeau tricolore date de 1794.",
};

int StockFont(PlayerFont font) { return font == FONT_GUI ? DEFAULT_GUI_FONT : SYSTEM_FONT; }

struct ScreenFont {
  HDC dc;
  HGDIOBJ previous;
  explicit ScreenFont(PlayerFont font)
      : dc(GetDC(nullptr)), previous(SelectObject(dc, GetStockObject(StockFont(font)))) {}
  ~ScreenFont() {
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
  }
};

TEST(TextMeasureWinTest, CharacterWidthsAddUpToTheExtentOfTheWholeText) {
  const TextMeasurer measure = GdiTextMeasurer();
  std::string everyCharacter;
  for (int byte = 32; byte < 256; ++byte) everyCharacter += static_cast<char>(byte);
  std::vector<std::string> texts(std::begin(TEXTS), std::end(TEXTS));
  texts.push_back(everyCharacter);
  for (PlayerFont font : {FONT_GUI, FONT_SYSTEM}) {
    ScreenFont screen(font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.dc, &metrics);
    for (const std::string& text : texts) {
      SIZE size{};
      GetTextExtentPoint32A(screen.dc, text.c_str(), static_cast<int>(text.size()), &size);
      const TextExtent extent = measure(font, text);
      EXPECT_EQ(extent.width, size.cx) << text;
      EXPECT_EQ(extent.height, metrics.tmHeight) << text;
    }
  }
}

struct TestWindow {
  HWND window;
  TestWindow()
      : window(CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~TestWindow() { DestroyWindow(window); }
};

// How many characters from the start of a text a real edit field shows whole: character k ends
// where character k + 1 begins, and a last character added to the field gives the text's own
// last one an end.
std::size_t WholeCharactersShown(HWND edit, const std::string& text) {
  SetWindowTextA(edit, (text + "x").c_str());
  RECT format{};
  SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  std::size_t shown = 0;
  while (shown < text.size() && static_cast<short>(LOWORD(SendMessageA(
                                    edit, EM_POSFROMCHAR, shown + 1, 0))) <= format.right) {
    ++shown;
  }
  return shown;
}

TEST(TextMeasureWinTest, TheCodeFieldShowsWhatTheCheckSays) {
  const TextMeasurer measure = GdiTextMeasurer();
  TextBox box{};
  ASSERT_TRUE(BoxOfField("codes", box));
  TestWindow parent;
  // The header's code field: a read-only edit of 55 x 16 in the GUI font.
  HWND edit = CreateWindowExA(0, "edit", "", WS_CHILD | WS_VISIBLE | ES_READONLY, 47, 29, 55, 16,
                              parent.window, reinterpret_cast<HMENU>(157), nullptr, nullptr);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  const char* const codes[] = {"Premier pas", "Bravo",       "Un",    "Dix sur dix !",
                               "Super !",     "Arc-en-ciel", "WWWWW", "iiiiiiiiiiiiiiiiiiii",
                               "Premier p"};
  for (const char* code : codes) {
    const std::string text = code;
    const TextFit fit = FitText(text, box, measure);
    EXPECT_EQ(WholeCharactersShown(edit, text), fit.fits ? text.size() : fit.shown.size()) << code;
  }
}

struct StaticBox {
  const char* field;
  UINT alignment;
};

// DrawText's own line count for a text in a box's width, as the static control draws it.
int DrawnLines(PlayerFont font, const std::string& text, const TextBox& box, UINT alignment) {
  ScreenFont screen(font);
  RECT rect{0, 0, box.width, 0};
  const int height = DrawTextA(screen.dc, text.c_str(), static_cast<int>(text.size()), &rect,
                               DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | alignment);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.dc, &metrics);
  return height / metrics.tmHeight;
}

TEST(TextMeasureWinTest, StaticControlsBreakLinesWhereTheCheckDoes) {
  const TextMeasurer measure = GdiTextMeasurer();
  const StaticBox boxes[] = {{"author", DT_LEFT},         {"title", DT_LEFT},
                             {"explanation", DT_LEFT},    {"answer1Caption", DT_LEFT},
                             {"questionText", DT_CENTER}, {"revealText", DT_CENTER}};
  const std::string words[] = {
      "Le", "vert,",  "le",   "blanc",   "de",        "la",   "paix",  "et",     "l'orange",
      "au", "milieu", "d'un", "drapeau", "irlandais", "\xE0", "trois", "bandes", "verticales."};
  int compared = 0;
  for (const StaticBox& control : boxes) {
    TextBox box{};
    ASSERT_TRUE(BoxOfField(control.field, box));
    std::string text;
    for (int count = 0; count < 60; ++count) {
      text += (count ? " " : "") + words[count % (sizeof words / sizeof words[0])];
      const TextFit fit = FitText(text, box, measure);
      if (!fit.wideWord.empty()) continue;  // DrawText cuts such a word its own way
      EXPECT_EQ(fit.lines, DrawnLines(box.font, text, box, control.alignment))
          << control.field << ": " << text;
      ++compared;
    }
  }
  EXPECT_GT(compared, 300);
}

}  // namespace
