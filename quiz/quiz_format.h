// Reading the unpacked quiz ("PATCH" 104) and progress codes ("PATCH" 105) into the quiz record.
#pragma once

#include <cstddef>

#include "quiz/quiz_definition.h"

constexpr unsigned char FIELD_SEPARATOR = 0x7C;  // '|'

// Fills the record from the unpacked quiz bytes. A resource that breaks the format (a kind byte
// other than 1 to 4, a field without its separator or over 259 bytes, more than 90 questions,
// answers per question other than 1 or 2, a missing reveal-mode byte or colour) gives false and
// leaves the record as it was constructed: a half-read quiz would put answers under the wrong
// questions, and a quiz of no known kind would be laid out as one kind and scrolled as another.
bool ParseQuiz(const unsigned char* bytes, std::size_t length, QuizDefinition& quiz);

// Fills codes 0 .. questionCount - 1 from the unpacked code lines. Too few lines, a line without
// its 0x0D or over 259 bytes give false and leave every code empty.
bool ParseCodes(const unsigned char* bytes, std::size_t length, QuizDefinition& quiz);

// A parser of unpacked resource bytes: ParseQuiz or ParseCodes.
using ResourceParser = bool (*)(const unsigned char* bytes, std::size_t length,
                                QuizDefinition& quiz);

// Unpacks a packed "PATCH" resource and parses it; false when either step fails.
bool UnpackAndParse(const unsigned char* packed, std::size_t length, QuizDefinition& quiz,
                    ResourceParser parse);

// The small quiz that stands in when the executable carries none.
void FillBuiltInQuiz(QuizDefinition& quiz);
