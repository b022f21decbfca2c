// Executables for the native tests of making and dumping: real files that hold a list of
// resources in a simple format of the tests' own, so that the safe writing works on real files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/authoring/executable_access.h"

// Writes a player: an executable of the tests' format without a quiz.
void WriteTestPlayer(const std::filesystem::path& path);

// The resources of an executable of the tests' format; throws IoError for another file.
std::vector<Resource> ReadTestExecutable(const std::filesystem::path& path);

struct TestExecutables {
  std::vector<std::string> writes;  // "player -> output" of each write, file names only
  bool failWrites = false;          // a write leaves half a file and throws IoError

  ExecutableAccess Access(const std::filesystem::path& defaultPlayer = {});
};
