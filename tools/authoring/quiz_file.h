// The quiz as its author writes it: the record that the command line and the editor work on,
// and its file, JSON in UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
#include "tools/authoring/problem.h"
#include "tools/authoring/quiz_fields.h"

// Texts are UTF-8 composed to NFC; a character that code page 1252 cannot hold is kept, for the
// check to report. An empty text stands for an absent field.
struct QuestionFile {
  std::string answer1;
  std::string answer2;
  std::string questionText;
  std::string revealText;
  // Media paths, UTF-8, relative to the quiz file's folder (or absolute).
  std::string picture;
  std::string sound;
  std::string film;
  std::string answerPicture;
};

struct QuizFile {
  QuizKind kind = KIND_TEXT;
  std::string title;
  std::string author;
  std::string explanation;
  std::string answer1Caption;
  std::string answer2Caption;
  int answersPerQuestion = 1;
  RevealMode revealMode = REVEAL_NONE;
  std::uint32_t backgroundColour = 0x00FFFFFF;  // 0x00BBGGRR
  std::vector<std::string> codes;
  std::vector<QuestionFile> questions;
};

// The JSON key of a kind's media ("picture", "sound", "film"); null for the text kind.
const char* MediaKey(QuizKind kind);

// The field of a question that holds the media of a kind: its picture, sound or film (the
// picture for the text kind, which shows none).
std::string& MediaPath(QuestionFile& question, QuizKind kind);
const std::string& MediaPath(const QuestionFile& question, QuizKind kind);

// Whether the player shows answer pictures, and reveal texts.
bool ShowsAnswerPictures(const QuizFile& quiz);
bool ShowsRevealTexts(const QuizFile& quiz);

// Reads a quiz file: its own problems (encoding, JSON syntax with line and column, unknown keys,
// wrong types, unknown kinds and modes) go to problems; what the values mean is CheckQuiz's.
// readable, when given, tells whether the file held a JSON object at all: when not, the record
// is empty and checking it would tell nothing more.
QuizFile ReadQuizJson(const std::string& text, std::vector<Problem>& problems,
                      bool* readable = nullptr);

// The quiz file of a record, in UTF-8, keys in a fixed order: the fields the quiz uses, and any
// other field that holds something. ReadQuizJson reads it back to the same record.
std::string WriteQuizJson(const QuizFile& quiz);
