// The one quiz of the executable, as loaded: its texts, numbers, codes and question list.
#pragma once

#include <cstdint>

constexpr int TEXT_SIZE = 260;       // every text: at most 259 bytes of code page 1252 and a zero
constexpr int MAX_QUESTIONS = 90;

enum QuizKind : std::int32_t { KIND_TEXT = 0, KIND_PICTURE = 1, KIND_AUDIO = 2, KIND_VIDEO = 3 };

enum RevealMode : std::int32_t {
  REVEAL_NONE = 0,
  REVEAL_PICTURE = 1,
  REVEAL_TEXT = 2,
  REVEAL_TEXT_AND_PICTURE = 3,
  REVEAL_TEXTS_AT_END = 4,
};

// A solid brush handle (HBRUSH on Windows), kept opaque so that this header stays portable.
using BrushHandle = void*;

// Grey of a dialog's face: the board's background until a quiz names its own colour.
constexpr std::uint32_t DEFAULT_BACKGROUND_COLOUR = 0x00C8D0D4;

struct QuestionEntry {
  char answer1[TEXT_SIZE];
  char answer2[TEXT_SIZE];
  char questionText[TEXT_SIZE];
  char revealText[TEXT_SIZE];
  QuestionEntry* previous;
  QuestionEntry* next;
};

struct QuizDefinition {
  std::int32_t kind;
  char title[TEXT_SIZE];
  char author[TEXT_SIZE];
  char explanation[TEXT_SIZE];
  char answer1Caption[TEXT_SIZE];
  char answer2Caption[TEXT_SIZE];
  std::int32_t questionCount;
  std::int32_t answersPerQuestion;
  char codes[MAX_QUESTIONS][TEXT_SIZE];
  std::int32_t revealMode;
  std::uint32_t backgroundColour;  // 0x00BBGGRR
  BrushHandle backgroundBrush;
  QuestionEntry* firstQuestion;
  QuestionEntry* lastQuestion;

  // Until a quiz is loaded the record describes an empty text quiz that the board can show:
  // no questions, empty texts and codes, one answer per question, a grey background.
  QuizDefinition();
  ~QuizDefinition();
  QuizDefinition(const QuizDefinition&) = delete;
  QuizDefinition& operator=(const QuizDefinition&) = delete;
};

// The texts each question carries in the quiz resource for a reveal mode: one for modes 2 and 4,
// two for mode 3 (the second is read and skipped), none for any other value.
int RevealTextFields(int revealMode);

// Whether a reveal mode shows reveal texts: a picture quiz then has a reveal text under every
// picture, and taller rows to hold it.
inline bool HasRevealText(int revealMode) { return RevealTextFields(revealMode) > 0; }

// Appends a question at the tail; the texts are cut to 259 bytes. Without memory nothing changes.
void AppendQuestion(QuizDefinition& quiz, const char* answer1, const char* answer2,
                    const char* questionText);

// The entry of question n (from 1), or the last entry when the list is shorter; none when empty.
QuestionEntry* QuestionAt(const QuizDefinition& quiz, int n);

// Copies at most 259 bytes of source into a text and terminates it.
void CopyText(char (&target)[TEXT_SIZE], const char* source);
