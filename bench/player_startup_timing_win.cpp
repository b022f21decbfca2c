// Times the player's start-up under the real window system: from process creation until its main
// window and board are shown, for a packed text quiz of 20 and of 90 questions. Prints medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/player_process.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

constexpr int RUNS = 9;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// One start: the time to the shown windows, or a negative value when the player did not open.
double TimeOneStart(const std::string& executable, const std::string& directory) {
  RunningPlayer player{};
  std::vector<ShownMessage> messages;
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  if (!StartPlayer(executable, directory, player)) return -1;
  HWND mainWindow = WaitForMainWindow(player, messages);
  QueryPerformanceCounter(&shown);
  if (mainWindow) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  DWORD exitCode = WaitForExit(player);
  return mainWindow && messages.empty() && exitCode == 0 ? Milliseconds(start, shown) : -1;
}

void TimeQuiz(const std::string& player, int questionCount) {
  ScopedWorkingDirectory directory;
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_TEXT, questionCount, 2, REVEAL_NONE});
  std::string copy = directory.Path() + "\\timed.exe";
  if (!MakePlayerCopy(player, copy, &quiz)) {
    std::printf("cannot make %s\n", copy.c_str());
    return;
  }
  TimeOneStart(copy, directory.Path());  // warms the file cache and the window system
  std::vector<double> times;
  for (int run = 0; run < RUNS; ++run) {
    double time = TimeOneStart(copy, directory.Path());
    if (time < 0) {
      std::printf("run %d failed\n", run + 1);
      return;
    }
    times.push_back(time);
  }
  std::sort(times.begin(), times.end());
  std::printf("text quiz, %d questions x 2 answers: median %.0f ms (min %.0f, max %.0f) over %d "
              "starts\n",
              questionCount, times[RUNS / 2], times.front(), times.back(), RUNS);
}

}  // namespace

int main(int argc, char** argv) {
  std::string player = argc > 1 ? argv[1] : BRELA_PLAYER_PATH;
  // A window of this process keeps the desktop open between starts, as on a user's machine.
  HWND keeper = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  for (int count : {20, 90}) TimeQuiz(player, count);
  DestroyWindow(keeper);
  return 0;
}
