// Fuzz target: ImportSpreadsheet on a spreadsheet of any bytes. It reads as UTF-8 whatever the
// encoding; refused or not, every problem has a message, and a refusal is an error; an accepted
// spreadsheet
// gives one question per row it names, a record that the check takes, and a quiz file that
// reads back to the same record.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/csv_reader.h"
#include "tools/authoring/quiz_check.h"
#include "tools/authoring/spreadsheet_import.h"

namespace {

bool IsUtf8(const std::string& text) { return FirstInvalidUtf8(text) == std::string::npos; }

void CheckTable(const std::string& bytes) {
  CsvTable table;
  std::vector<Problem> problems;
  const bool read = ReadCsv(bytes, table, problems);
  FUZZ_CHECK(read == !HasErrors(problems));
  int number = 0;
  for (const CsvRow& row : table.rows) {
    FUZZ_CHECK(row.number == ++number);
    for (const std::string& cell : row.cells) FUZZ_CHECK(IsUtf8(cell));
  }
}

void CheckRecordTexts(const QuizFile& quiz) {
  for (const std::string* text : {&quiz.title, &quiz.author, &quiz.explanation}) {
    FUZZ_CHECK(IsUtf8(*text));
  }
  for (const std::string& code : quiz.codes) FUZZ_CHECK(IsUtf8(code));
  FUZZ_CHECK(quiz.codes.empty() || !quiz.codes.back().empty());  // empty codes at the end dropped
  for (const QuestionFile& question : quiz.questions) {
    for (const std::string* text :
         {&question.answer1, &question.answer2, &question.questionText, &question.revealText,
          &question.picture, &question.sound, &question.film, &question.answerPicture}) {
      FUZZ_CHECK(IsUtf8(*text));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckTable(bytes);
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = ImportSpreadsheet(bytes, "tableau.csv", problems, &layout);
  for (const Problem& problem : problems) {
    FUZZ_CHECK(!problem.message.empty());
    FUZZ_CHECK(IsUtf8(SpreadsheetPlace(problem, layout) + problem.message));
  }
  if (HasErrors(problems)) return 0;
  FUZZ_CHECK(quiz.title == "tableau");
  FUZZ_CHECK(layout.questionRows.size() == quiz.questions.size());
  for (std::size_t i = 1; i < layout.questionRows.size(); ++i) {
    FUZZ_CHECK(layout.questionRows[i - 1] < layout.questionRows[i]);
  }
  FUZZ_CHECK(quiz.codes.size() <= quiz.questions.size());
  CheckRecordTexts(quiz);
  for (const Problem& problem : CheckQuizTexts(quiz, nullptr)) {
    FUZZ_CHECK(!problem.message.empty());
    FUZZ_CHECK(IsUtf8(SpreadsheetPlace(problem, layout) + problem.message));
  }
  const std::string written = WriteQuizJson(quiz);
  std::vector<Problem> reading;
  FUZZ_CHECK(WriteQuizJson(ReadQuizJson(written, reading)) == written);
  FUZZ_CHECK(reading.empty());
  return 0;
}
