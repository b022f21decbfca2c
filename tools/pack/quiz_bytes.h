// The unpacked resource bytes of a quiz record: what the loader's parser reads back.
#pragma once

#include <vector>

#include "quiz/quiz_definition.h"

// "PATCH" 104 before packing: header, texts, questions, reveal mode, reveal texts, colour.
std::vector<unsigned char> QuizBytes(const QuizDefinition& quiz);

// "PATCH" 105 before packing: one CR LF line per question, codes 0 .. questionCount - 1.
std::vector<unsigned char> CodeBytes(const QuizDefinition& quiz);
