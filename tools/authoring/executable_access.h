// What the authoring core needs from the platform: the quiz resources of executables.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "tools/authoring/io_error.h"
#include "tools/authoring/quiz_resources.h"

// Every function throws IoError when a file cannot be read or written.
struct ExecutableAccess {
  // Copies player to output, then replaces every "PATCH" and "IMG" resource of the copy with
  // resources (the copy is removed again when that fails).
  std::function<void(const std::filesystem::path& player, const std::filesystem::path& output,
                     const std::vector<Resource>& resources)>
      writeQuiz;
  // The "PATCH" and "IMG" resources of an executable.
  std::function<std::vector<Resource>(const std::filesystem::path& executable)> readQuiz;
  // Whether a file is a quiz executable: the player with a quiz in it. Never throws.
  std::function<bool(const std::filesystem::path& file)> isQuizExecutable;
  // The player that "make" copies when none is named.
  std::filesystem::path defaultPlayer;
};
