// Judging one answer field into its verdict field, the reveals and the header's score.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

void CheckAnswer(const QuizDefinition& quiz, HWND board, int fieldId);
void UpdateScore(const QuizDefinition& quiz, HWND board);

// Whether the picture frame of question n shows its answer picture.
bool ShowsAnswerPicture(HWND frame, int n);

