// What the board decides from its answer fields' texts, free of the window system: each field's
// verdict, the solved questions, the score and the progress code it earns.
#pragma once

#include "quiz/quiz_definition.h"

// The expected answer j (1 or 2) of a question entry; empty when there is no entry.
const char* ExpectedAnswer(const QuestionEntry* entry, int j);

// The verdict on the text of answer field slot (from 1): one of the VERDICT_ texts.
const char* FieldVerdict(const QuizDefinition& quiz, int slot, const char* typed);

// The verdict text shown by each field: verdicts[slot - 1].
using SlotVerdicts = const char* const*;

// Whether every answer of question n has the verdict "BRAVO".
bool IsQuestionSolved(const QuizDefinition& quiz, SlotVerdicts verdicts, int n);

// The score: the number of solved questions.
int SolvedQuestionCount(const QuizDefinition& quiz, SlotVerdicts verdicts);

// The progress code shown for a score; null when the score earns none.
const char* ProgressCode(const QuizDefinition& quiz, int solved);
