// brelamake's command line: make, check, import, dump and --help, a thin layer over the
// authoring core that tells its problems in French.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/authoring/executable_access.h"
#include "tools/authoring/text_fit.h"

constexpr int EXIT_SUCCESS_CODE = 0;
constexpr int EXIT_BAD_QUIZ = 1;    // the quiz (or spreadsheet, or executable's quiz) has errors
constexpr int EXIT_SOME_LEFT_OUT = 1;  // resultats: files that are no answers files of the quiz
constexpr int EXIT_IO_FAILURE = 2;  // a file cannot be read or written, or is left alone
constexpr int EXIT_BAD_USAGE = 3;   // the command line is wrong

// The text of --help.
std::string UsageText();

// Runs one command line (the arguments after the program's name, in UTF-8) and returns the exit
// code. measure gives the player's text widths; without one, widths are not checked.
int RunBrelamake(const std::vector<std::string>& arguments, const ExecutableAccess& access,
                 const TextMeasurer& measure, std::ostream& out, std::ostream& err);
