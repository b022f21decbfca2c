// Writes a quiz record in the resource format, the inverse of the loader's parser.
#include "tools/pack/quiz_bytes.h"

#include <cstring>

#include "quiz/quiz_format.h"

namespace {

void AppendField(std::vector<unsigned char>& bytes, const char* text) {
  bytes.insert(bytes.end(), text, text + std::strlen(text));
  bytes.push_back(FIELD_SEPARATOR);
}

}  // namespace

std::vector<unsigned char> QuizBytes(const QuizDefinition& quiz) {
  std::vector<unsigned char> bytes = {0, static_cast<unsigned char>(quiz.kind + 1),
                                      static_cast<unsigned char>(quiz.questionCount),
                                      static_cast<unsigned char>(quiz.answersPerQuestion)};
  for (const char* text : {quiz.title, quiz.author, quiz.explanation, quiz.answer1Caption,
                           quiz.answer2Caption}) {
    AppendField(bytes, text);
  }
  for (int n = 1; n <= quiz.questionCount; ++n) {
    const QuestionEntry* entry = QuestionAt(quiz, n);
    AppendField(bytes, entry ? entry->answer1 : "");
    if (quiz.answersPerQuestion == 2) AppendField(bytes, entry ? entry->answer2 : "");
    AppendField(bytes, entry ? entry->questionText : "");
  }
  bytes.push_back(static_cast<unsigned char>(quiz.revealMode));
  const int revealFields = RevealTextFields(quiz.revealMode);
  for (int n = 1; revealFields && n <= quiz.questionCount; ++n) {
    const QuestionEntry* entry = QuestionAt(quiz, n);
    AppendField(bytes, entry ? entry->revealText : "");
    if (revealFields == 2) AppendField(bytes, "");
  }
  bytes.push_back(quiz.backgroundColour & 0xFF);
  bytes.push_back((quiz.backgroundColour >> 8) & 0xFF);
  bytes.push_back((quiz.backgroundColour >> 16) & 0xFF);
  return bytes;
}

std::vector<unsigned char> CodeBytes(const QuizDefinition& quiz) {
  std::vector<unsigned char> bytes;
  for (int k = 0; k < quiz.questionCount && k < MAX_QUESTIONS; ++k) {
    bytes.insert(bytes.end(), quiz.codes[k], quiz.codes[k] + std::strlen(quiz.codes[k]));
    bytes.push_back('\r');
    bytes.push_back('\n');
  }
  return bytes;
}
