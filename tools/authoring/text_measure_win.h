// Text widths in the player's own fonts, measured with GDI on the screen.
#pragma once

#include "tools/authoring/text_fit.h"

// A measurer of code page 1252 texts in DEFAULT_GUI_FONT and the system font: the width of each
// character is measured once with GetTextExtentPoint32A on a screen device context, and a
// text's width is their sum (GDI's extents add up, without kerning).
TextMeasurer GdiTextMeasurer();
