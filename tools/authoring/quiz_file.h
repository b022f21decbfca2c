// The quiz as its author writes it: a JSON file in UTF-8, read into a record of CP1252 texts
// that the resources can hold, and written back from one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quiz/quiz_definition.h"

struct QuestionFile {
  std::string answer1;  // texts in code page 1252
  std::string answer2;
  std::string questionText;
  std::string revealText;
  std::string media;  // path of the picture, sound or film (UTF-8, relative to the quiz file)
  std::string answerPicture;  // path of the answer picture, or empty
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

// The JSON name of a question's media for a kind ("picture", "sound", "film"); null for text.
const char* MediaKey(QuizKind kind);

// Whether the player shows answer pictures for this quiz: picture kind, reveal mode 1 or 3.
bool ShowsAnswerPictures(const QuizFile& quiz);

// Reads a quiz file and checks everything its texts and numbers must obey to fit the resources.
// Each problem found is added to problems as "where: what" ("question 3, answer2: ...").
QuizFile ReadQuizJson(const std::string& json, std::vector<std::string>& problems);

// The quiz file of a record, in UTF-8, keys in a fixed order; ReadQuizJson reads it back.
std::string WriteQuizJson(const QuizFile& quiz);
