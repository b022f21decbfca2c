// Every problem of a quiz in one pass: texts that the player cannot show or a pupil cannot type,
// fields that the quiz's kind does not use, media files, sizes that the resources cannot hold.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/authoring/media_check.h"
#include "tools/authoring/problem.h"
#include "tools/authoring/quiz_file.h"
#include "tools/authoring/text_fit.h"

struct CheckContext {
  std::filesystem::path mediaFolder;  // the folder that media paths are relative to
  TextMeasurer measure;               // the player's fonts; without one, widths are not checked
  MediaCache* mediaCache = nullptr;   // media verdicts kept between checks; null: none kept
};

// Every problem, the quiz's own first, then question by question.
std::vector<Problem> CheckQuiz(const QuizFile& quiz, const CheckContext& context);

// The parts of CheckQuiz, for an editor that runs them apart: texts and fields (no file is read;
// fast enough for every keystroke), media files, and the packed size of the texts.
std::vector<Problem> CheckQuizTexts(const QuizFile& quiz, const TextMeasurer& measure);
std::vector<Problem> CheckQuizMedia(const QuizFile& quiz, const std::filesystem::path& mediaFolder,
                                    MediaCache* cache);
std::vector<Problem> CheckQuizSize(const QuizFile& quiz);

// The quiz's own problems first, then question by question, each in the order found.
void SortProblems(std::vector<Problem>& problems);

// A quiz file read and checked: the file's own problems, then the record's at every place that
// the file's did not already name. The record is left in quiz.
std::vector<Problem> ReadAndCheckQuiz(const std::string& text, const CheckContext& context,
                                      QuizFile& quiz);
