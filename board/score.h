// What the board decides from its answer fields' texts, free of the window system: each field's
// verdict, the solved questions, the score and the progress code it earns, and when a question's
// reveal shows.
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

// What judging one answer field does to its question's reveal text and answer picture.
enum RevealChange { REVEAL_KEEP, REVEAL_SHOW, REVEAL_HIDE_TEXT };

// Whether a reveal mode shows a solved question's reveal text as soon as it is solved.
bool RevealsTextOnSolving(int revealMode);

// Whether a reveal mode shows a solved question's answer picture.
bool RevealsAnswerPicture(int revealMode);

// The texts of a question's answer fields: answerTexts[j - 1] for answer j.
using AnswerTexts = const char* const*;

// Whether every field of question n holds its expected answer exactly: upper-cased but untrimmed,
// so that surrounding spaces make a field differ.
bool IsQuestionAnsweredExactly(const QuizDefinition& quiz, int n, AnswerTexts answerTexts);

// The change to question n's reveal once one of its fields has the verdict: shown when the
// verdict is "BRAVO" and the whole question is answered exactly in a mode that reveals on solving;
// the text (never the picture) taken away by any other verdict.
RevealChange RevealOnJudging(const QuizDefinition& quiz, int n, const char* verdict,
                             AnswerTexts answerTexts);

// Whether a score makes every question's reveal text show: the full score in the mode that keeps
// the texts for the end.
bool RevealsAllTexts(const QuizDefinition& quiz, int solved);
