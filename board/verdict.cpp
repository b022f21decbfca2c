// The colours of the board's verdict fields.
#include "board/verdict.h"

#include <cstring>

#include "board/grading.h"

std::uint32_t VerdictColour(const char* text) {
  if (std::strcmp(text, VERDICT_ANAGRAMME) == 0) return COLOUR_ANAGRAMME;
  if (std::strcmp(text, VERDICT_BRAVO) == 0) return COLOUR_BRAVO;
  if (std::strcmp(text, VERDICT_FAUX) == 0) return COLOUR_FAUX;
  if (std::strcmp(text, VERDICT_EMPTY) == 0) return NO_VERDICT_COLOUR;
  return COLOUR_NEAR_MISS;
}

bool IsBravo(const char* text) { return std::strcmp(text, VERDICT_BRAVO) == 0; }
