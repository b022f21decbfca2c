// Loading the quiz from the "PATCH" resources of a module.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

// Fills the freshly constructed record from resources 104 and 105 of the module, or with the
// built-in quiz when 104 is missing or empty. Every failure is told in a "Brela" message box.
void LoadQuiz(QuizDefinition& quiz, HMODULE module);
