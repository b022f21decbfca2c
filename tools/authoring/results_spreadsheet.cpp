// The class results' CSV.
#include "tools/authoring/results_spreadsheet.h"

namespace {

constexpr const char* ROW_END = "\r\n";

bool NeedsQuotes(const std::string& text) {
  return text.find_first_of(";\"\r\n") != std::string::npos ||
         (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

bool IsPlainNumber(const std::string& text) {
  std::size_t digits = 0, separators = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if ((c == ',' || c == '.') && i > 0) {
      ++separators;
    } else if (!(i == 0 && (c == '-' || c == '+'))) {
      return false;
    }
  }
  return digits > 0 && separators <= 1;
}

// A spreadsheet takes a cell that starts with "=", "+", "-" or "@" for a formula, which a pupil's
// answer must never become on the teacher's machine: such a text, unless it is a plain number,
// starts with an apostrophe, the mark of a text that looks like a formula.
std::string NeverAFormula(const std::string& text) {
  if (text.empty() || std::string("=+-@").find(text.front()) == std::string::npos ||
      IsPlainNumber(text)) {
    return text;
  }
  return "'" + text;
}

// A cell's text as the CSV holds it: in double quotes, doubled inside, when it has ";", a double
// quote, a line end, or spaces at an end that a spreadsheet would drop.
std::string CsvCell(const std::string& text) {
  const std::string cell = NeverAFormula(text);
  if (!NeedsQuotes(cell)) return cell;
  std::string quoted = "\"";
  for (char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
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
