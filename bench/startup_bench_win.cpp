// Times the player's whole start against the platform's floor (startup_floor) in one run, for a
// text quiz of 90 questions with two answers and for a picture quiz of 90 questions whose
// pictures are 1024 x 768 JPEGs. A start runs from the process's creation until its main window
// and board are shown and its thread first waits for input, the first paint done. Starts of the
// player and of the floor alternate; prints medians and the ratios. A program to run, not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

constexpr int RUNS = 9;
constexpr int QUESTIONS = 90;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct StartTime {
  double shown;  // main window and board visible
  double idle;   // and the first wait for input
};

// One start of the command line (the player or the floor) in the directory; negative times when
// it did not open, told something or did not end well.
StartTime TimeOneStart(const std::string& commandLine, const std::string& directory) {
  const StartTime failed{-1, -1};
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string line = commandLine;
  double start = Now();
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                      &startup, &process)) {
    return failed;
  }
  CloseHandle(process.hThread);
  RunningPlayer running{process.hProcess, process.dwProcessId};
  std::vector<ShownMessage> messages;
  HWND mainWindow = WaitForMainWindow(running, messages, 60000);
  double shown = Now();
  WaitForInputIdle(process.hProcess, 60000);
  double idle = Now();
  if (mainWindow) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  DWORD exitCode = WaitForExit(running);
  if (!mainWindow || !messages.empty() || exitCode != 0) return failed;
  return {shown - start, idle - start};
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Alternate starts of the player and the floor; prints both medians and their ratio.
bool Compare(const char* name, const std::string& player, const std::string& floor,
             const std::string& directory) {
  TimeOneStart(player, directory);  // warms the file cache and the window system
  TimeOneStart(floor, directory);
  std::vector<double> playerShown, playerIdle, floorShown, floorIdle;
  for (int run = 0; run < RUNS; ++run) {
    StartTime p = TimeOneStart(player, directory);
    StartTime f = TimeOneStart(floor, directory);
    if (p.idle < 0 || f.idle < 0) {
      std::printf("%s: a start failed\n", name);
      return false;
    }
    playerShown.push_back(p.shown);
    playerIdle.push_back(p.idle);
    floorShown.push_back(f.shown);
    floorIdle.push_back(f.idle);
  }
  std::printf("%s, medians of %d starts:\n", name, RUNS);
  std::printf("  shown: player %6.0f ms, floor %6.0f ms, ratio %.2f\n", Median(playerShown),
              Median(floorShown), Median(playerShown) / Median(floorShown));
  std::printf("  whole start (first idle): player %6.0f ms, floor %6.0f ms, ratio %.2f\n",
              Median(playerIdle), Median(floorIdle), Median(playerIdle) / Median(floorIdle));
  return true;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool CompareText(const std::string& directory) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_TEXT, QUESTIONS, 2, REVEAL_NONE});
  std::string copy = directory + "\\texte.exe";
  if (!MakePlayerCopy(BRELA_PLAYER_PATH, copy, &quiz)) return false;
  return Compare("text quiz, 90 questions x 2 answers (600 board controls)", Quoted(copy),
                 Quoted(BRELA_FLOOR_PATH) + " text", directory);
}

bool ComparePictures(const std::string& directory, const std::string& jpeg) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_PICTURE, QUESTIONS, 1, REVEAL_NONE});
  std::vector<MediaResource> pictures;
  for (int n = 1; n <= QUESTIONS; ++n) pictures.push_back({IDR_MEDIA_BASE + n, jpeg});
  std::string copy = directory + "\\images.exe";
  std::string photo = directory + "\\photo.jpg";
  WriteWholeFile(photo, jpeg);
  if (!MakePlayerCopy(BRELA_PLAYER_PATH, copy, &quiz, pictures)) return false;
  return Compare("picture quiz, 90 pictures of 1024 x 768 (360 board controls)", Quoted(copy),
                 Quoted(BRELA_FLOOR_PATH) + " pictures " + Quoted(photo), directory);
}

}  // namespace

int main() {
  std::string jpeg = ReadWholeFile(BRELA_PHOTO_PATH);
  if (jpeg.size() < 4 || jpeg.compare(0, 4, "\xFF\xD8\xFF\xE0") != 0) {
    std::printf("no JFIF JPEG at %s\n", BRELA_PHOTO_PATH);
    return 1;
  }
  ScopedWorkingDirectory directory;
  // A window of this process keeps the desktop open between starts, as on a user's machine.
  HWND keeper = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  bool timed = CompareText(directory.Path()) && ComparePictures(directory.Path(), jpeg);
  DestroyWindow(keeper);
  return timed ? 0 : 1;
}
