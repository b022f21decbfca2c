// brelamake's command line: "make" writes a quiz into a copy of the player, "dump" reads one back.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/brelamake/quiz_resources.h"

constexpr int EXIT_SUCCESS_CODE = 0;
constexpr int EXIT_BAD_QUIZ = 1;    // the quiz file (or the executable's quiz) cannot be used
constexpr int EXIT_IO_FAILURE = 2;  // a file could not be read or written
constexpr int EXIT_BAD_USAGE = 3;   // the command line is wrong

// A file that cannot be read or written; its message names the file.
struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What brelamake needs from the platform: executables' resources. Both throw IoError.
struct ExecutableAccess {
  // Copies player to output, then replaces every "PATCH" and "IMG" resource of the copy with
  // resources (the copy is removed again when that fails).
  std::function<void(const std::filesystem::path& player, const std::filesystem::path& output,
                     const std::vector<Resource>& resources)>
      writeQuiz;
  // The "PATCH" and "IMG" resources of an executable.
  std::function<std::vector<Resource>(const std::filesystem::path& executable)> readQuiz;
  // The player that "make" copies when no --player is given.
  std::filesystem::path defaultPlayer;
};

// The text of --help.
std::string UsageText();

// Runs one command line (arguments after the program name, in UTF-8); returns the exit code.
int RunBrelamake(const std::vector<std::string>& arguments, const ExecutableAccess& access,
                 std::ostream& out, std::ostream& err);
