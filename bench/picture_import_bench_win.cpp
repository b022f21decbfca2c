// The picture import's benchmark under Wine, on 90 camera photos (4000 x 3000, Exif first, made by
// ImageMagick at build time): (a) the time to import them all, which is what making a quiz will
// spend; (b) the start of a 90-question picture quiz made from the imported pictures against the
// same quiz made from the photos as they are. Prints medians and their ratios; not a test:
//   cmake --build build/win --target picture_import_bench
//   scripts/wine-run build/win/bench/picture_import_bench.exe
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/startup_timing.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"
#include "tools/picture_import/picture_import.h"

namespace {

constexpr int QUESTIONS = 90;
constexpr int IMPORT_RUNS = 3;
constexpr int PRESCALED_RUNS = 7;
constexpr int CAMERA_SIZE_RUNS = 3;  // each start decodes 90 photos of 12 megapixels
constexpr DWORD CAMERA_SIZE_TIMEOUT = 30 * 60 * 1000;

std::vector<std::string> ReadPhotos() {
  std::vector<std::string> photos;
  for (int n = 1; n <= QUESTIONS; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "/photo%02d.jpg", n);
    photos.push_back(ReadWholeFile(BRELA_CAMERA_PHOTOS + std::string(name)));
    if (photos.back().empty()) return {};
  }
  return photos;
}

// Every photo through the import, as the authoring tool will; empty when one is refused.
std::vector<std::string> ImportAll(const std::vector<std::string>& photos,
                                   std::uint32_t background) {
  std::vector<std::string> pictures;
  for (const std::string& photo : photos) {
    const ImportedPicture picture =
        ImportPicture(Bytes(photo.begin(), photo.end()), "photo.jpg", background);
    if (!picture.ok) {
      std::printf("refused: %s\n", picture.problem.c_str());
      return {};
    }
    pictures.emplace_back(picture.jpeg.begin(), picture.jpeg.end());
  }
  return pictures;
}

// The medians of IMPORT_RUNS imports of all the photos, and the pictures made.
double TimeImports(const std::vector<std::string>& photos, std::uint32_t background,
                   std::vector<std::string>& pictures) {
  std::vector<double> times;
  for (int run = 0; run < IMPORT_RUNS; ++run) {
    const double start = NowMilliseconds();
    pictures = ImportAll(photos, background);
    if (pictures.empty()) return -1;
    times.push_back(NowMilliseconds() - start);
  }
  return Median(times);
}

std::size_t TotalSize(const std::vector<std::string>& files) {
  std::size_t total = 0;
  for (const std::string& file : files) total += file.size();
  return total;
}

bool MakeQuiz(const QuizDefinition& quiz, const std::string& executable,
              const std::vector<std::string>& pictures) {
  std::vector<MediaResource> media;
  for (int n = 1; n <= QUESTIONS; ++n) media.push_back({IDR_MEDIA_BASE + n, pictures[n - 1]});
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
  std::vector<std::string> pictures;
  const double imports = TimeImports(photos, quiz.backgroundColour, pictures);
  if (imports < 0) return 1;
  std::printf("%d camera photos, 4000 x 3000 with Exif: %zu bytes; imported: %zu bytes\n",
              QUESTIONS, TotalSize(photos), TotalSize(pictures));
  std::printf("(a) importing all %d photos: %.0f ms (median of %d), %.0f ms a photo\n", QUESTIONS,
              imports, IMPORT_RUNS, imports / QUESTIONS);

  ScopedWorkingDirectory directory;
  const std::string prescaled = directory.Path() + "\\prescaled.exe";
  const std::string cameraSize = directory.Path() + "\\camera-size.exe";
  if (!MakeQuiz(quiz, prescaled, pictures) || !MakeQuiz(quiz, cameraSize, photos)) {
    std::printf("cannot make the quizzes in %s\n", directory.Path().c_str());
    return 1;
  }
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
