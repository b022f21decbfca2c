// Fuzz target: ReadQuizJson on a quiz file of any bytes. Every problem has a place and a message
// in UTF-8; a file that holds no quiz gives an empty record; a file read without an error gives a
// record that the check takes and that writes to a quiz file read back to the same record.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/quiz_check.h"
#include "tools/authoring/quiz_file.h"

namespace {

bool IsUtf8(const std::string& text) { return FirstInvalidUtf8(text) == std::string::npos; }

void CheckProblems(const std::vector<Problem>& problems) {
  for (const Problem& problem : problems) {
    FUZZ_CHECK(!problem.message.empty());
    FUZZ_CHECK(IsUtf8(ProblemLine(problem)));
    FUZZ_CHECK(problem.question >= 0 && problem.index >= 0);
  }
}

bool IsEmptyRecord(const QuizFile& quiz) {
  return quiz.title.empty() && quiz.questions.empty() && quiz.codes.empty() &&
         quiz.answersPerQuestion == 1 && quiz.revealMode == REVEAL_NONE;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<Problem> problems;
  bool readable = false;
  const QuizFile quiz = ReadQuizJson(bytes, problems, &readable);
  CheckProblems(problems);
  if (!readable) {
    FUZZ_CHECK(HasErrors(problems));
    FUZZ_CHECK(IsEmptyRecord(quiz));
    return 0;
  }
  FUZZ_CHECK(quiz.answersPerQuestion == 1 || quiz.answersPerQuestion == 2);
  CheckProblems(CheckQuizTexts(quiz, nullptr));
  if (HasErrors(problems)) return 0;
  const std::string written = WriteQuizJson(quiz);
  std::vector<Problem> reading;
  FUZZ_CHECK(WriteQuizJson(ReadQuizJson(written, reading)) == written);
  FUZZ_CHECK(reading.empty());
  return 0;
}
