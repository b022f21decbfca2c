// Times the player's whole start against the platform's floor (startup_floor) in one run, for a
// text quiz of 90 questions with two answers and for a picture quiz of 90 questions whose
// pictures are 1024 x 768 JPEGs. A start runs from the process's creation until its main window
// and board are shown and its thread first waits for input, the first paint done. Starts of the
// player and of the floor alternate; prints medians and ratios. A program to run, not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

constexpr int DEFAULT_RUNS = 15;
constexpr int QUESTIONS = 90;

int runs = DEFAULT_RUNS;
std::string playerPath = BRELA_PLAYER_PATH;

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

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

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

bool ComparePictures(const std::string& directory, const std::string& jpeg) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_PICTURE, QUESTIONS, 1, REVEAL_NONE});
  std::vector<MediaResource> pictures;
  for (int n = 1; n <= QUESTIONS; ++n) pictures.push_back({IDR_MEDIA_BASE + n, jpeg});
  std::string copy = directory + "\\images.exe";
  std::string photo = directory + "\\photo.jpg";
  WriteWholeFile(photo, jpeg);
  if (!MakePlayerCopy(playerPath, copy, &quiz, pictures)) return false;
  return Compare("picture quiz, 90 pictures of 1024 x 768 (360 board controls)", Quoted(copy),
                 Quoted(BRELA_FLOOR_PATH) + " pictures " + Quoted(photo), directory);
}

}  // namespace

// Optional arguments: the number of starts of each program (15 unless told), and another build
// of the player to time, an earlier one for instance.
int main(int argc, char** argv) {
  if (argc > 1) runs = std::max(1, std::atoi(argv[1]));
  if (argc > 2) playerPath = argv[2];
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
