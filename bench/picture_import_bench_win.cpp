// The picture import's benchmark under Wine, on 90 camera photos (4000 x 3000, Exif first, made by
// ImageMagick at build time): (a) the time to import them all, which is what making a quiz will
// spend; (b) the start-up of a 90-question picture quiz made from the imported pictures against the
// same quiz made from the photos as they are. Prints medians and their ratio; not a test:
//   cmake --build build/win --target picture_import_bench
//   scripts/wine-run build/win/bench/picture_import_bench.exe
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
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

double TimeImports(const std::vector<std::string>& photos, std::uint32_t background,
                   std::vector<std::string>& pictures) {
  const double start = NowMilliseconds();
  pictures = ImportAll(photos, background);
  return pictures.empty() ? -1 : NowMilliseconds() - start;
}

std::size_t TotalSize(const std::vector<std::string>& files) {
  std::size_t total = 0;
  for (const std::string& file : files) total += file.size();
  return total;
}

bool MakeQuiz(const QuizDefinition& quiz, const std::string& executable,
              const std::vector<std::string>& pictures) {
  return MakePlayerCopy(BRELA_PLAYER_PATH, executable, &quiz) &&
         AddQuestionPictures(executable, pictures);
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
  const double imports = MedianMilliseconds(
      IMPORT_RUNS, [&] { return TimeImports(photos, quiz.backgroundColour, pictures); });
  if (imports < 0) return 1;

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
  TimePlayerStart(prescaled, directory.Path());  // warms the file cache and the window system
  const double prescaledStart = MedianMilliseconds(
      PRESCALED_RUNS, [&] { return TimePlayerStart(prescaled, directory.Path()); });
  const double cameraSizeStart = MedianMilliseconds(CAMERA_SIZE_RUNS, [&] {
    return TimePlayerStart(cameraSize, directory.Path(), "", CAMERA_SIZE_TIMEOUT);
  });
  DestroyWindow(keeper);

  std::printf("%d camera photos, 4000 x 3000 with Exif: %zu bytes; imported: %zu bytes\n",
              QUESTIONS, TotalSize(photos), TotalSize(pictures));
  std::printf("(a) importing all %d photos: %.0f ms (median of %d), %.0f ms a photo\n", QUESTIONS,
              imports, IMPORT_RUNS, imports / QUESTIONS);
  std::printf("(b) start of the %d-question picture quiz, to the board shown:\n", QUESTIONS);
  std::printf("    imported pictures:   %.0f ms (median of %d)\n", prescaledStart, PRESCALED_RUNS);
  std::printf("    photos as they are:  %.0f ms (median of %d)\n", cameraSizeStart,
              CAMERA_SIZE_RUNS);
  if (prescaledStart < 0 || cameraSizeStart < 0) return 1;
  std::printf("    ratio imported / as they are: %.3f (goal: 0.5 or less)\n",
              prescaledStart / cameraSizeStart);
  return 0;
}
