// Class results as the editor's table shows them: a column per question, a line per file left
// out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/authoring/class_results.h"

struct QuestionCell {
  std::string text;      // UTF-8: the question's verdicts, " / " between two
  std::uint32_t colour;  // the verdict fill of what keeps it unsolved, or BRAVO's
};

// The columns' headers: "Élève", "Score", "Code", then "1", "2"... one per question.
std::vector<std::string> ResultsHeaders(const ClassResults& results);

// A pupil's cell for question n (from 1). A question of two answers takes the fill of its first
// answer that is not "BRAVO": the colour tells what stops it.
QuestionCell QuestionCellOf(const ClassResults& results, const PupilResult& pupil, int n);

// One line a file left out, with its name and why; a line that says none when none is.
std::string LeftOutLines(const ClassResults& results);
