// Timing the player's start-up from a second process, for the benchmarks under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Milliseconds from the performance counter, from an arbitrary origin.
double NowMilliseconds();

// The median of several timings in milliseconds; negative when one of them failed.
double MedianMilliseconds(int runs, const std::function<double()>& timing);

// From starting the executable in the directory until its main window shows with no message box
// before it; the window is then closed. Negative when the start fails or takes longer than the
// timeout. environment ("NAME=value"), when given, is added to this process's.
double TimePlayerStart(const std::string& executable, const std::string& directory,
                       const std::string& environment = "", DWORD timeoutMilliseconds = 60000);

// Adds the n-th picture file as the media of question n ("IMG" 400 + n) to the executable.
bool AddQuestionPictures(const std::string& executable, const std::vector<std::string>& pictures);
