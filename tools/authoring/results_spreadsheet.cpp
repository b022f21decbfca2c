// The class results' CSV.
#include "tools/authoring/results_spreadsheet.h"

namespace {

constexpr const char* ROW_END = "\r\n";

bool NeedsQuotes(const std::string& text) {
  return text.find_first_of(";\"\r\n") != std::string::npos ||
         (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

// A cell's text as the CSV holds it: in double quotes, doubled inside, when it has ";", a double
// quote, a line end, or spaces at an end that a spreadsheet would drop.
std::string CsvCell(const std::string& text) {
  if (!NeedsQuotes(text)) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// "3 réponse" for one answer per question, "3 réponse 2" for two.
std::string FieldHeader(const char* what, int n, int j, int answersPerQuestion) {
  std::string header = std::to_string(n) + " " + what;
  return answersPerQuestion == 1 ? header : header + " " + std::to_string(j);
}

std::string HeaderRow(const ClassResults& results) {
  std::string row = RESULTS_CSV_START;
  for (int n = 1; n <= results.questionCount; ++n) {
    for (int j = 1; j <= results.answersPerQuestion; ++j) {
      row += ";" + CsvCell(FieldHeader("réponse", n, j, results.answersPerQuestion));
      row += ";" + CsvCell(FieldHeader("verdict", n, j, results.answersPerQuestion));
    }
  }
  return row + ROW_END;
}

std::string PupilRow(const PupilResult& pupil) {
  std::string row = CsvCell(pupil.name) + ";" + std::to_string(pupil.score) + ";" +
                    CsvCell(pupil.code);
  for (const FieldResult& field : pupil.fields) {
    row += ";" + CsvCell(field.answer) + ";" + CsvCell(field.verdict);
  }
  return row + ROW_END;
}

}  // namespace

std::string ResultsCsv(const ClassResults& results) {
  std::string csv = HeaderRow(results);
  for (const PupilResult& pupil : results.pupils) csv += PupilRow(pupil);
  return csv;
}
