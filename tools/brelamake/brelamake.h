// brelamake's command line: "make" writes a quiz into a copy of the player, "dump" reads one back.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/authoring/executable_access.h"

constexpr int EXIT_SUCCESS_CODE = 0;
constexpr int EXIT_BAD_QUIZ = 1;    // the quiz file (or the executable's quiz) cannot be used
constexpr int EXIT_IO_FAILURE = 2;  // a file could not be read or written
constexpr int EXIT_BAD_USAGE = 3;   // the command line is wrong

// The text of --help.
std::string UsageText();

// Runs one command line (arguments after the program name, in UTF-8); returns the exit code.
int RunBrelamake(const std::vector<std::string>& arguments, const ExecutableAccess& access,
                 std::ostream& out, std::ostream& err);
