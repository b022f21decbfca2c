// The colours of the board's verdict fields, chosen by the verdict text they show.
#pragma once

#include <cstdint>

// Colours as 0x00BBGGRR, the layout of a Win32 COLORREF.
constexpr std::uint32_t BoardColour(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
         static_cast<std::uint32_t>(blue) << 16;
}

constexpr std::uint32_t COLOUR_BRAVO = BoardColour(0, 255, 0);
constexpr std::uint32_t COLOUR_ANAGRAMME = BoardColour(255, 100, 0);
constexpr std::uint32_t COLOUR_NEAR_MISS = BoardColour(255, 203, 38);
constexpr std::uint32_t COLOUR_FAUX = BoardColour(255, 0, 0);
constexpr std::uint32_t COLOUR_QUESTION_TEXT = BoardColour(255, 255, 192);

// Not a colour: the field keeps the default colours of a static control.
constexpr std::uint32_t NO_VERDICT_COLOUR = 0xFFFFFFFF;

// The fill of a verdict field showing text: "Anagramme", "BRAVO", "FAUX" and "?" by exact text,
// every other text in the near-miss colour.
std::uint32_t VerdictColour(const char* text);

// Whether a verdict field's text means its answer is right.
bool IsBravo(const char* text);
