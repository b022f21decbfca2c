// Start-up timings of the player and the pictures of a timed quiz.
#include "tests/support/startup_timing.h"

#include <algorithm>

#include "base/resource_ids.h"
#include "tests/support/player_process.h"

double NowMilliseconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double MedianMilliseconds(int runs, const std::function<double()>& timing) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double time = timing();
    if (time < 0) return -1;
    times.push_back(time);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double TimePlayerStart(const std::string& executable, const std::string& directory,
                       const std::string& environment, DWORD timeoutMilliseconds) {
  RunningPlayer player{};
  std::vector<ShownMessage> messages;
  const double start = NowMilliseconds();
  if (!StartPlayer(executable, directory, player, environment)) return -1;
  HWND mainWindow = WaitForMainWindow(player, messages, timeoutMilliseconds);
  const double shown = NowMilliseconds();
  if (mainWindow) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  const DWORD exitCode = WaitForExit(player);
  return mainWindow && messages.empty() && exitCode == 0 ? shown - start : -1;
}

bool AddQuestionPictures(const std::string& executable, const std::vector<std::string>& pictures) {
  HANDLE update = BeginUpdateResourceA(executable.c_str(), FALSE);
  if (!update) return false;
  bool added = true;
  for (std::size_t n = 1; n <= pictures.size() && added; ++n) {
    const std::string& picture = pictures[n - 1];
    added = UpdateResourceA(update, MEDIA_RESOURCE_TYPE,
                            MAKEINTRESOURCEA(IDR_MEDIA_BASE + static_cast<int>(n)),
                            MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                            const_cast<char*>(picture.data()), static_cast<DWORD>(picture.size()));
  }
  return EndUpdateResourceA(update, !added) && added;
}
