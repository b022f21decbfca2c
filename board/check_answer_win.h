// Judging one answer field into its verdict field, the reveals and the header's score.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

void CheckAnswer(const QuizDefinition& quiz, HWND board, int fieldId);
void UpdateScore(const QuizDefinition& quiz, HWND board);

// The board hands each verdict field to the checker as it makes it, so that recounting the score
// needs no search of the board per field. A board that does not is searched.
void NoteVerdictField(HWND board, int slot, HWND field);
