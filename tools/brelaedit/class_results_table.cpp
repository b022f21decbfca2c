// The editor's table of class results.
#include "tools/brelaedit/class_results_table.h"

#include "board/verdict.h"
#include "tools/authoring/problem.h"

std::vector<std::string> ResultsHeaders(const ClassResults& results) {
  std::vector<std::string> headers = {"Élève", "Score", "Code"};
  for (int n = 1; n <= results.questionCount; ++n) headers.push_back(std::to_string(n));
  return headers;
}

QuestionCell QuestionCellOf(const ClassResults& results, const PupilResult& pupil, int n) {
  const int first = (n - 1) * results.answersPerQuestion;
  QuestionCell cell = {"", COLOUR_BRAVO};
  bool coloured = false;
  for (int k = first; k < first + results.answersPerQuestion; ++k) {
    const FieldResult& field = pupil.fields[k];
    cell.text += (k == first ? "" : " / ") + field.verdict;
    if (!coloured && !IsBravo(field.verdict.c_str())) {
      cell.colour = field.colour;
      coloured = true;
    }
  }
  return cell;
}

std::string LeftOutLines(const ClassResults& results) {
  if (results.leftOut.empty()) return "Aucun fichier laissé de côté.";
  std::string lines;
  for (const LeftOutFile& file : results.leftOut) {
    if (!lines.empty()) lines += "\r\n";
    lines += Quoted(file.file.filename().u8string()) + " laissé de côté : " + file.reason;
  }
  return lines;
}
