// Timings for the benchmarks: of work in this process, and of the start of the player or of any
// program that shows its windows.
#include "tests/support/startup_timing.h"

#include <algorithm>

#include "tests/support/player_process.h"

double NowMilliseconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

StartTime TimeOneStart(const std::string& commandLine, const std::string& directory,
                       DWORD timeoutMilliseconds) {
  const StartTime failed{-1, -1};
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string line = commandLine;
  double start = NowMilliseconds();
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                      &startup, &process)) {
    return failed;
  }
  CloseHandle(process.hThread);
  RunningPlayer running{process.hProcess, process.dwProcessId};
  std::vector<ShownMessage> messages;
  HWND mainWindow = WaitForMainWindow(running, messages, timeoutMilliseconds);
  double shown = NowMilliseconds();
  WaitForInputIdle(process.hProcess, timeoutMilliseconds);
  double idle = NowMilliseconds();
  if (mainWindow) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  DWORD exitCode = WaitForExit(running);
  if (!mainWindow || !messages.empty() || exitCode != 0) return failed;
  return {shown - start, idle - start};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Milliseconds(const std::function<void()>& work) {
  const double start = NowMilliseconds();
  work();
  return NowMilliseconds() - start;
}

double MedianMilliseconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) times.push_back(Milliseconds(work));
  return Median(times);
}
