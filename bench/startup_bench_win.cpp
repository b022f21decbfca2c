// Times the player's whole start against the platform's floor (startup_floor) in one run, for a
// text quiz of 90 questions with two answers and for picture quizzes of 90 questions: photographs
// of 260 x 195 (what the editor's import makes of a photo) and of 1024 x 768, and 1024 x 768
// pictures of one colour, also reopened with every question solved. A start runs from the
// process's creation until its main window and board are shown and its thread first waits for
// input, the first paint done. Starts of the player and of the floor alternate; prints medians
// and ratios. A program to run, not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/startup_timing.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

constexpr int DEFAULT_RUNS = 15;
constexpr int QUESTIONS = 90;

int runs = DEFAULT_RUNS;
std::string playerPath = BRELA_PLAYER_PATH;

// Medians of one measure over the runs, and the median of the ratios of the starts taken side by
// side: on a shared machine the load changes from minute to minute, and a pair shares it.
void PrintMeasure(const char* measure, const std::vector<double>& player,
                  const std::vector<double>& floor) {
  std::vector<double> ratios;
  for (std::size_t run = 0; run < player.size(); ++run) ratios.push_back(player[run] / floor[run]);
  std::printf("  %-26s player %6.0f ms, floor %6.0f ms, ratio of medians %.2f, median ratio %.2f\n",
              measure, Median(player), Median(floor), Median(player) / Median(floor),
              Median(ratios));
}

// Alternates starts of the player and of the floor, and prints the measures of both.
bool Compare(const char* name, const std::string& player, const std::string& floor,
             const std::string& directory) {
  TimeOneStart(player, directory);  // warms the file cache and the window system
  TimeOneStart(floor, directory);
  std::vector<double> times[2][2];
  for (int run = 0; run < runs; ++run) {
    for (int program = 0; program < 2; ++program) {
      StartTime time = TimeOneStart(program == 0 ? player : floor, directory);
      if (time.idle < 0) {
        std::printf("%s: a start failed\n", name);
        return false;
      }
      times[program][0].push_back(time.shown);
      times[program][1].push_back(time.idle);
    }
  }
  std::printf("%s, %d starts each:\n", name, runs);
  PrintMeasure("shown:", times[0][0], times[1][0]);
  PrintMeasure("whole start (first idle):", times[0][1], times[1][1]);
  return true;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool CompareText(const std::string& directory) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_TEXT, QUESTIONS, 2, REVEAL_NONE});
  std::string copy = directory + "\\texte.exe";
  if (!MakePlayerCopy(playerPath, copy, &quiz)) return false;
  return Compare("text quiz, 90 questions x 2 answers (600 board controls)", Quoted(copy),
                 Quoted(BRELA_FLOOR_PATH) + " text", directory);
}

struct PictureCase {
  const char* name;
  const char* file;  // in BRELA_PICTURES_PATH
  bool solved;       // answer pictures, and an answers file that solves every question
};

const PictureCase PICTURE_CASES[] = {
    {"picture quiz, 90 photos of 260 x 195 (360 board controls)", "photo260x195.jpg", false},
    {"picture quiz, 90 photos of 1024 x 768 (360 board controls)", "photo1024x768.jpg", false},
    {"picture quiz, 90 pictures of one colour, 1024 x 768 (360 board controls)",
     "blue1024x768.jpg", false},
    // The floor shows one picture a question, as the player must at the least: the answer picture.
    {"the same reopened with every question solved, answer pictures shown", "blue1024x768.jpg",
     true},
};

// The answers file of a pupil who solved every question of a quiz of one answer per question.
void WriteSolvingAnswers(const std::string& path) {
  std::string lines;
  for (int n = 1; n <= QUESTIONS; ++n) lines += "rep" + std::to_string(n) + "a\r\n";
  WriteWholeFile(path, lines);
}

bool ComparePictures(const std::string& directory, const PictureCase& test) {
  std::string path = std::string(BRELA_PICTURES_PATH) + "/" + test.file;
  std::string jpeg = ReadWholeFile(path);
  if (jpeg.size() < 4 || jpeg.compare(0, 4, "\xFF\xD8\xFF\xE0") != 0) {
    std::printf("no JFIF JPEG at %s\n", path.c_str());
    return false;
  }
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_PICTURE, QUESTIONS, 1, test.solved ? REVEAL_PICTURE : REVEAL_NONE});
  std::vector<MediaResource> pictures;
  for (int n = 1; n <= QUESTIONS; ++n) {
    pictures.push_back({IDR_MEDIA_BASE + n, jpeg});
    if (test.solved) pictures.push_back({IDR_ANSWER_PICTURE_BASE + n, jpeg});
  }
  std::string copy = directory + "\\images.exe";
  const std::string answers = directory + "\\images.txt";
  if (test.solved) {
    WriteSolvingAnswers(answers);
  } else {
    DeleteFileA(answers.c_str());
  }
  std::string picture = directory + "\\" + test.file;
  WriteWholeFile(picture, jpeg);
  if (!MakePlayerCopy(playerPath, copy, &quiz, pictures)) return false;
  return Compare(test.name, Quoted(copy), Quoted(BRELA_FLOOR_PATH) + " pictures " + Quoted(picture),
                 directory);
}

}  // namespace

// Optional arguments: the number of starts of each program (15 unless told), and another build
// of the player to time, an earlier one for instance.
int main(int argc, char** argv) {
  if (argc > 1) runs = std::max(1, std::atoi(argv[1]));
  if (argc > 2) playerPath = argv[2];
  ScopedWorkingDirectory directory;
  // A window of this process keeps the desktop open between starts, as on a user's machine.
  HWND keeper = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  bool timed = CompareText(directory.Path());
  for (const PictureCase& test : PICTURE_CASES) {
    timed = timed && ComparePictures(directory.Path(), test);
  }
  DestroyWindow(keeper);
  return timed ? 0 : 1;
}
