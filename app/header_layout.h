// Where the main window's header shows the quiz's own texts: shared with the tools, which measure
// an author's text against the room that the player gives it.
#pragma once

#include "base/control_rect.h"

constexpr ControlRect CODE_RECT = {47, 29, 55, 16};  // a read-only edit, in the GUI font
constexpr ControlRect AUTHOR_RECT = {763, 25, 85, 18};
constexpr ControlRect TITLE_RECT = {110, 3, 220, 18};  // the system font
constexpr ControlRect EXPLANATION_RECT = {110, 19, 550, 27};
