// Answer grading: the verdict on a typed answer, by edit distance, anagram and inclusion tests.
#pragma once

#include "quiz/quiz_definition.h"

// The verdict texts. A verdict lives only as the text of its verdict field, so the board
// compares field texts against these (by content, not by address).
inline constexpr char VERDICT_EMPTY[] = "?";
inline constexpr char VERDICT_BRAVO[] = "BRAVO";
inline constexpr char VERDICT_ANAGRAMME[] = "Anagramme";
inline constexpr char VERDICT_QUASIMENT[] = "Quasiment";
inline constexpr char VERDICT_PRESQUE[] = "Presque";
inline constexpr char VERDICT_TROP_LONG[] = "Trop long";
inline constexpr char VERDICT_TROP_COURT[] = "Trop court";
inline constexpr char VERDICT_PAS_LOIN[] = "pas loin";
inline constexpr char VERDICT_YADE_LIDEE[] = "yade lidée";
inline constexpr char VERDICT_FAUX[] = "FAUX";

// The verdict on typed against expected: one of the VERDICT_ texts. The typed text is trimmed,
// both are upper-cased (a to z only) and cut to 259 bytes; neither argument is changed.
const char* GradeAnswer(const char* expected, const char* typed);

// Levenshtein distance of the first 259 bytes of a and b, bytes compared exactly.
int EditDistance(const char* a, const char* b);

// 2 when expected is found inside a typed text at least as long, -2 when a shorter typed text
// is found inside expected, 0 otherwise; 1 or -1 (the same sides) when the shorter text is empty.
int InclusionTest(const char* expected, const char* typed);

// In place: cuts the text to 259 bytes, upper-cases a to z and, with trim, removes the leading
// and trailing spaces (32 only). The board compares whole questions with trim false.
void NormaliseAnswer(char (&text)[TEXT_SIZE], bool trim);
