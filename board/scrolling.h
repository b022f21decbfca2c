// Scroll arithmetic of the board, free of the window system.
#pragma once

#include "quiz/quiz_definition.h"

struct ContentExtent {
  int width;
  int height;
};

// The size of the board's content for a quiz, fixed when the main window is created.
ContentExtent BoardContentExtent(const QuizDefinition& quiz);
