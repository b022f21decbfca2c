// The make of a picture quiz under Wine, on 90 camera photos (4000 x 3000, Exif first, made by
// ImageMagick at build time): (a) the time that making the quiz executable takes with the
// authoring library, as brelamake and the editor make it (the pictures imported into the player's
// box); (b) the start of that quiz against the same quiz made from the photos as they are. Prints
// medians and their ratios; not a test:
//   cmake --build build/win --target picture_import_bench
//   scripts/wine-run build/win/bench/picture_import_bench.exe
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/startup_timing.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/make_quiz.h"

namespace {

constexpr int QUESTIONS = 90;
constexpr int MAKE_RUNS = 3;
constexpr int PRESCALED_RUNS = 7;
constexpr int CAMERA_SIZE_RUNS = 3;  // each start decodes 90 photos of 12 megapixels
constexpr DWORD CAMERA_SIZE_TIMEOUT = 30 * 60 * 1000;

std::string PhotoName(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "photo%02d.jpg", n);
  return name;
}

std::vector<std::string> ReadPhotos() {
  std::vector<std::string> photos;
  for (int n = 1; n <= QUESTIONS; ++n) {
    photos.push_back(ReadWholeFile(BRELA_CAMERA_PHOTOS + ("/" + PhotoName(n))));
    if (photos.back().empty()) return {};
  }
  return photos;
}

// The quiz file of the test quiz, each question showing its photo.
QuizFile PhotoQuiz(const QuizDefinition& quiz) {
  QuizFile file;
  file.kind = KIND_PICTURE;
  file.title = "Quiz d'essai";
  file.backgroundColour = quiz.backgroundColour;
  for (int n = 1; n <= QUESTIONS; ++n) {
    QuestionFile question;
    question.answer1 = QuestionAt(quiz, n)->answer1;
    question.picture = PhotoName(n);
    file.questions.push_back(question);
    file.codes.push_back(quiz.codes[n - 1]);
  }
  return file;
}

// The medians of MAKE_RUNS makes of the quiz into executable, each from nothing (no cache).
double TimeMakes(const QuizFile& quiz, const std::string& executable) {
  const ExecutableAccess access = WindowsExecutableAccess(BRELA_PLAYER_PATH);
  std::vector<double> times;
  for (int run = 0; run < MAKE_RUNS; ++run) {
    const double start = NowMilliseconds();
    const CheckContext context{std::filesystem::u8path(BRELA_CAMERA_PHOTOS), {}, nullptr};
    const MakeOutcome made = MakeQuizExecutable(quiz, context, BRELA_PLAYER_PATH, executable,
                                                MakeOptions{true, {}}, access);
    if (!made.written) {
      for (const Problem& problem : made.problems) std::printf("%s\n", ProblemLine(problem).c_str());
      return -1;
    }
    times.push_back(NowMilliseconds() - start);
  }
  return Median(times);
}

std::size_t TotalSize(const std::vector<std::string>& files) {
  std::size_t total = 0;
  for (const std::string& file : files) total += file.size();
  return total;
}

bool MakeQuizAsTheyAre(const QuizDefinition& quiz, const std::string& executable,
                       const std::vector<std::string>& photos) {
  std::vector<MediaResource> media;
  for (int n = 1; n <= QUESTIONS; ++n) media.push_back({IDR_MEDIA_BASE + n, photos[n - 1]});
  return MakePlayerCopy(BRELA_PLAYER_PATH, executable, &quiz, media);
}

// The starts of the executable, after one that warms the file cache and the window system;
// empty when one failed.
std::vector<StartTime> TimeStarts(const std::string& executable, const std::string& directory,
                                  int runs, DWORD timeout) {
  std::vector<StartTime> times;
  const std::string commandLine = "\"" + executable + "\"";
  for (int run = 0; run <= runs; ++run) {
    const StartTime time = TimeOneStart(commandLine, directory, timeout);
    if (time.idle < 0) return {};
    if (run > 0) times.push_back(time);
  }
  return times;
}

// The medians of one measure of both quizzes' starts, and their ratio.
void PrintMeasure(const char* measure, double StartTime::*field,
                  const std::vector<StartTime>& prescaled,
                  const std::vector<StartTime>& cameraSize) {
  std::vector<double> small, large;
  for (const StartTime& time : prescaled) small.push_back(time.*field);
  for (const StartTime& time : cameraSize) large.push_back(time.*field);
  std::printf("  %-26s imported %6.0f ms, as they are %6.0f ms, ratio %.3f\n", measure,
              Median(small), Median(large), Median(small) / Median(large));
}

}  // namespace

int main() {
  const std::vector<std::string> photos = ReadPhotos();
  if (photos.empty()) {
    std::printf("no camera photos in %s (build the target picture_import_bench)\n",
                BRELA_CAMERA_PHOTOS);
    return 1;
  }
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_PICTURE, QUESTIONS, 1, REVEAL_NONE});
  ScopedWorkingDirectory directory;
  const std::string prescaled = directory.Path() + "\\prescaled.exe";
  const std::string cameraSize = directory.Path() + "\\camera-size.exe";
  const double makes = TimeMakes(PhotoQuiz(quiz), prescaled);
  if (makes < 0 || !MakeQuizAsTheyAre(quiz, cameraSize, photos)) {
    std::printf("cannot make the quizzes in %s\n", directory.Path().c_str());
    return 1;
  }
  std::printf("%d camera photos, 4000 x 3000 with Exif: %zu bytes; quiz made: %ju bytes\n",
              QUESTIONS, TotalSize(photos),
              static_cast<std::uintmax_t>(std::filesystem::file_size(prescaled)));
  std::printf("(a) making the quiz: %.0f ms (median of %d), %.0f ms a photo\n", makes, MAKE_RUNS,
              makes / QUESTIONS);
  // A window of this process keeps the desktop open between starts, as on a user's machine.
  HWND keeper = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  const std::vector<StartTime> small =
      TimeStarts(prescaled, directory.Path(), PRESCALED_RUNS, 60000);
  const std::vector<StartTime> large =
      TimeStarts(cameraSize, directory.Path(), CAMERA_SIZE_RUNS, CAMERA_SIZE_TIMEOUT);
  DestroyWindow(keeper);
  if (small.empty() || large.empty()) {
    std::printf("a start failed\n");
    return 1;
  }
  std::printf("(b) start of the %d-question picture quiz, medians of %d and %d starts:\n",
              QUESTIONS, PRESCALED_RUNS, CAMERA_SIZE_RUNS);
  PrintMeasure("shown:", &StartTime::shown, small, large);
  PrintMeasure("whole start (first idle):", &StartTime::idle, small, large);
  std::printf("  goal: a ratio of 0.5 or less\n");
  return 0;
}
