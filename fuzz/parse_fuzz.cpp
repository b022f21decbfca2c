// Fuzz target: ParseQuiz and ParseCodes on any unpacked bytes. Byte 0, which the quiz format
// does not read, doubles as the number of code lines asked of ParseCodes, and the bytes after it
// as those lines. A parse either fills a record that the writer gives back byte for byte, or is
// refused and leaves the record as constructed.
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "quiz/quiz_format.h"
#include "tools/pack/quiz_bytes.h"

namespace {

bool IsText(const char (&text)[TEXT_SIZE]) {
  return std::memchr(text, 0, TEXT_SIZE) != nullptr && std::strchr(text, FIELD_SEPARATOR) == nullptr;
}

bool SameTexts(const char (&a)[TEXT_SIZE], const char (&b)[TEXT_SIZE]) {
  return std::strcmp(a, b) == 0;
}

bool SameEntries(const QuestionEntry* a, const QuestionEntry* b) {
  for (; a && b; a = a->next, b = b->next) {
    if (!SameTexts(a->answer1, b->answer1) || !SameTexts(a->answer2, b->answer2) ||
        !SameTexts(a->questionText, b->questionText) || !SameTexts(a->revealText, b->revealText)) {
      return false;
    }
  }
  return a == nullptr && b == nullptr;
}

bool SameQuiz(const QuizDefinition& a, const QuizDefinition& b) {
  return a.kind == b.kind && SameTexts(a.title, b.title) && SameTexts(a.author, b.author) &&
         SameTexts(a.explanation, b.explanation) && SameTexts(a.answer1Caption, b.answer1Caption) &&
         SameTexts(a.answer2Caption, b.answer2Caption) && a.questionCount == b.questionCount &&
         a.answersPerQuestion == b.answersPerQuestion && a.revealMode == b.revealMode &&
         a.backgroundColour == b.backgroundColour && a.backgroundBrush == b.backgroundBrush &&
         SameEntries(a.firstQuestion, b.firstQuestion);
}

int EntryCount(const QuizDefinition& quiz) {
  int count = 0;
  for (const QuestionEntry* entry = quiz.firstQuestion; entry; entry = entry->next) {
    FUZZ_CHECK(IsText(entry->answer1) && IsText(entry->answer2) && IsText(entry->questionText) &&
               IsText(entry->revealText));
    ++count;
  }
  return count;
}

void CheckQuiz(const std::uint8_t* data, std::size_t size) {
  QuizDefinition quiz;
  if (!ParseQuiz(data, size, quiz)) {
    const QuizDefinition constructed;
    FUZZ_CHECK(SameQuiz(quiz, constructed));
    return;
  }
  FUZZ_CHECK(quiz.kind >= KIND_TEXT && quiz.kind <= KIND_VIDEO);
  FUZZ_CHECK(quiz.questionCount >= 0 && quiz.questionCount <= MAX_QUESTIONS);
  FUZZ_CHECK(quiz.answersPerQuestion == 1 || quiz.answersPerQuestion == 2);
  FUZZ_CHECK(IsText(quiz.title) && IsText(quiz.author) && IsText(quiz.explanation) &&
             IsText(quiz.answer1Caption) && IsText(quiz.answer2Caption));
  FUZZ_CHECK(EntryCount(quiz) == quiz.questionCount);

  const std::vector<unsigned char> written = QuizBytes(quiz);
  QuizDefinition again;
  FUZZ_CHECK(ParseQuiz(written.data(), written.size(), again));
  FUZZ_CHECK(SameQuiz(quiz, again));
}

void CheckCodes(int lineCount, const std::uint8_t* bytes, std::size_t length) {
  QuizDefinition quiz;
  quiz.questionCount = lineCount;
  const bool accepted = ParseCodes(bytes, length, quiz);
  for (int k = 0; k < MAX_QUESTIONS; ++k) {
    FUZZ_CHECK(std::memchr(quiz.codes[k], 0, TEXT_SIZE) != nullptr);
    FUZZ_CHECK(std::strchr(quiz.codes[k], '\r') == nullptr);
    if (!accepted || k >= lineCount) FUZZ_CHECK(quiz.codes[k][0] == 0);
  }
  if (!accepted) return;

  const std::vector<unsigned char> written = CodeBytes(quiz);
  QuizDefinition again;
  again.questionCount = lineCount;
  FUZZ_CHECK(ParseCodes(written.data(), written.size(), again));
  for (int k = 0; k < MAX_QUESTIONS; ++k) FUZZ_CHECK(SameTexts(quiz.codes[k], again.codes[k]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckQuiz(data, size);
  if (size > 0) CheckCodes(data[0], data + 1, size - 1);
  return 0;
}
