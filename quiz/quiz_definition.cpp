// The quiz record and its question list.
#include "quiz/quiz_definition.h"

#include <cstdlib>
#include <cstring>

QuizDefinition::QuizDefinition()
    : kind(KIND_TEXT),
      title(),
      author(),
      explanation(),
      answer1Caption(),
      answer2Caption(),
      questionCount(0),
      answersPerQuestion(1),
      codes(),
      revealMode(REVEAL_TEXT),
      backgroundColour(DEFAULT_BACKGROUND_COLOUR),
      backgroundBrush(nullptr),
      firstQuestion(nullptr),
      lastQuestion(nullptr) {}

QuizDefinition::~QuizDefinition() {
  QuestionEntry* entry = firstQuestion;
  while (entry) {
    QuestionEntry* next = entry->next;
    std::free(entry);
    entry = next;
  }
  firstQuestion = nullptr;
  lastQuestion = nullptr;
}

int RevealTextFields(int revealMode) {
  switch (revealMode) {
    case REVEAL_TEXT:
    case REVEAL_TEXTS_AT_END:
      return 1;
    case REVEAL_TEXT_AND_PICTURE:
      return 2;
    default:
      return 0;
  }
}

void CopyText(char (&target)[TEXT_SIZE], const char* source) {
  std::size_t length = source ? std::strlen(source) : 0;
  if (length > TEXT_SIZE - 1) length = TEXT_SIZE - 1;
  if (length) std::memcpy(target, source, length);
  target[length] = 0;
}

void AppendQuestion(QuizDefinition& quiz, const char* answer1, const char* answer2,
                    const char* questionText) {
  auto* entry = static_cast<QuestionEntry*>(std::calloc(1, sizeof(QuestionEntry)));
  if (!entry) return;
  CopyText(entry->answer1, answer1);
  CopyText(entry->answer2, answer2);
  CopyText(entry->questionText, questionText);
  entry->previous = quiz.lastQuestion;
  if (quiz.lastQuestion) quiz.lastQuestion->next = entry;
  if (!quiz.firstQuestion) quiz.firstQuestion = entry;
  quiz.lastQuestion = entry;
}

QuestionEntry* QuestionAt(const QuizDefinition& quiz, int n) {
  QuestionEntry* entry = quiz.firstQuestion;
  for (int i = 1; entry && i < n && entry->next; ++i) entry = entry->next;
  return entry;
}
