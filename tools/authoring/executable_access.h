// What the authoring core needs from the platform: the quiz resources of executables.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

#include "tools/authoring/quiz_resources.h"

// A file that cannot be read or written; its message names the file.
struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Executables' resources. Both throw IoError.
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
