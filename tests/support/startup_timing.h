// Timings for the benchmarks under Wine: work in this process, and a program's start from a
// second process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Milliseconds from the performance counter, from an arbitrary origin.
double NowMilliseconds();

struct StartTime {
  double shown;  // main window and board visible
  double idle;   // and the first wait for input
};

// One start of the command line (the player or another program showing the same windows) in the
// directory, from the process's creation; negative times when it did not open, told something,
// took longer than the timeout or did not end well. The main window is closed afterwards.
StartTime TimeOneStart(const std::string& commandLine, const std::string& directory,
                       DWORD timeoutMilliseconds = 60000);

double Median(std::vector<double> values);

// The milliseconds that work takes, once; the median of runs of it.
double Milliseconds(const std::function<void()>& work);
double MedianMilliseconds(int runs, const std::function<void()>& work);
