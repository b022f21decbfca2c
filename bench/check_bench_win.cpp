// Timings under Wine of the checks that an editor reruns as its author types: the texts of a
// 90-question quiz measured in the player's fonts, and its 180 pictures from a warm cache.
// Prints the median of many runs of each; not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/startup_timing.h"
#include "tools/authoring/quiz_check.h"
#include "tools/authoring/text_measure_win.h"

namespace {

namespace fs = std::filesystem;

// The largest quiz an author can make: 90 pictures with two answers, a reveal text and an
// answer picture each, texts with accents and typographic characters as teachers type them.
QuizFile LargestQuiz(const fs::path& folder) {
  QuizFile quiz;
  quiz.kind = KIND_PICTURE;
  quiz.title = "Les châteaux de la Loire";
  quiz.author = "Mme Lefèvre";
  quiz.explanation =
      "Reconnaissez chaque château, puis donnez le siècle où l'on a commencé à le bâtir.";
  quiz.answer1Caption = "Château";
  quiz.answer2Caption = "Siècle";
  quiz.answersPerQuestion = 2;
  quiz.revealMode = REVEAL_TEXT_AND_PICTURE;
  const std::string jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 une photo", 21);
  for (int n = 1; n <= 90; ++n) {
    const std::string number = std::to_string(n);
    QuestionFile question;
    question.answer1 = "Château numéro " + number;
    question.answer2 = "XVIe siècle";
    question.revealText = "Commencé sous François Ier, le château n° " + number +
                          " mêle l’art gothique et la Renaissance italienne : « un joyau ».";
    question.picture = "photos/chateau" + number + ".jpg";
    question.answerPicture = "photos/plan" + number + ".jpg";
    for (const std::string* path : {&question.picture, &question.answerPicture}) {
      std::ofstream(folder / *path, std::ios::binary) << jpeg << number;
    }
    quiz.questions.push_back(question);
    quiz.codes.push_back("Tour " + number);
  }
  return quiz;
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / "brela-check-bench";
  fs::remove_all(folder);
  fs::create_directories(folder / "photos");
  const QuizFile quiz = LargestQuiz(folder);

  TextMeasurer measure;
  const double measurer = MedianMilliseconds(21, [&] { measure = GdiTextMeasurer(); });
  std::size_t problems = 0;
  const double texts = MedianMilliseconds(101, [&] { problems = CheckQuizTexts(quiz, measure).size(); });
  const double textsUnmeasured = MedianMilliseconds(101, [&] { CheckQuizTexts(quiz, nullptr); });
  MediaCache cache;
  const double coldMedia = Milliseconds([&] { CheckQuizMedia(quiz, folder, &cache); });
  const double warmMedia = MedianMilliseconds(51, [&] { CheckQuizMedia(quiz, folder, &cache); });
  const double size = MedianMilliseconds(21, [&] { CheckQuizSize(quiz); });

  std::printf("90 questions, 2 answers, reveal texts and answer pictures (%zu problems found)\n",
              problems);
  std::printf("  measurer made (both fonts)         %7.2f ms\n", measurer);
  std::printf("  texts and fields, measured         %7.2f ms\n", texts);
  std::printf("  texts and fields, no measurer      %7.2f ms\n", textsUnmeasured);
  std::printf("  180 pictures, first check          %7.2f ms\n", coldMedia);
  std::printf("  180 pictures, from the cache       %7.2f ms\n", warmMedia);
  std::printf("  packed size                        %7.2f ms\n", size);
  fs::remove_all(folder);
  return 0;
}
