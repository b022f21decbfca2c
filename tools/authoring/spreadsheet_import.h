// A quiz from a spreadsheet saved as CSV: a header row names the columns in French, then one row
// per question. The kind follows the columns (image, son, film, else text), the answers per
// question the column réponse2, the reveal mode the columns révélation and image réponse; the
// title is the file's name. Media paths are relative to the spreadsheet.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/authoring/problem.h"
#include "tools/authoring/quiz_file.h"

// Where the quiz's fields came from: the row of each question, the column of each field.
struct SpreadsheetColumn {
  std::string field;   // the quiz field ("answer1", "codes"...)
  int column;          // from 0
  std::string header;  // as the header row spells it
};

struct SpreadsheetLayout {
  std::vector<int> questionRows;  // the row of question n at n - 1
  std::vector<SpreadsheetColumn> columns;
};

// The quiz of a CSV file's bytes. Problems that stop the import (an unknown or unnamed column,
// a column twice, no answer column, an unreadable file) name the row and the column as the
// spreadsheet shows them; what the values mean is CheckQuiz's. layout, when given, receives
// where each question and field came from.
QuizFile ImportSpreadsheet(const std::string& bytes, const std::filesystem::path& spreadsheet,
                           std::vector<Problem>& problems, SpreadsheetLayout* layout = nullptr);

// The cell of a problem that the check found in an imported quiz ("ligne 7, colonne C
// (réponse)"), or its usual place when no cell holds that field.
std::string SpreadsheetPlace(const Problem& problem, const SpreadsheetLayout& layout);

// Makes the quiz's relative media paths, relative to folder from, relative to folder to instead
// (absolute where no relative path leads); paths are written with '/'.
void RebaseMediaPaths(QuizFile& quiz, const std::filesystem::path& from,
                      const std::filesystem::path& to);
