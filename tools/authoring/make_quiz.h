// Making a quiz executable from a quiz record, and a quiz file from an executable, without ever
// destroying an author's file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/authoring/executable_access.h"
#include "tools/authoring/quiz_check.h"

// The media resources: pictures as the import makes them (kept in the cache, so that an editor
// that makes its quiz again converts only what changed), sounds and films as they are. A file
// that only its decoding shows to be damaged, or that changed since the check, is a problem.
std::vector<Resource> MediaResources(const QuizFile& quiz, const CheckContext& context,
                                     std::vector<Problem>& problems);

struct MakeOptions {
  bool force = false;              // replace an output that is not a quiz executable
  std::filesystem::path quizFile;  // the file the quiz was read from, if any: never written over
};

struct MakeOutcome {
  bool written;
  std::vector<Problem> problems;  // the check's: its errors when nothing was written, else its
                                  // warnings
  int mediaCount;                 // media files written into the executable
  std::string refused;  // not empty: an existing output left alone, and why; ask, then force
};

// Checks the quiz first (on an error nothing is written), then writes it and its media into a
// copy of player at output: through a temporary file in output's folder moved into place, never
// over an input (the quiz file, a media file, the player), and over an existing output only
// when it is a quiz executable itself or with force (else nothing is written and refused says
// why). Throws IoError.
MakeOutcome MakeQuizExecutable(const QuizFile& quiz, const CheckContext& context,
                               const std::filesystem::path& player,
                               const std::filesystem::path& output, const MakeOptions& options,
                               const ExecutableAccess& access);

struct DumpOutcome {
  bool ok;                         // false when the executable holds no readable quiz
  std::string problem;             // why, when not ok
  std::vector<Problem> warnings;   // media missing from the executable
  std::filesystem::path quizFile;  // the quiz file written
  int mediaCount;                  // media files written beside it
  std::string refused;  // not empty: a folder that holds files left alone, and why; ask, then force
};

// Writes the quiz of an executable as quiz.json into folder, with its media files. A folder that
// already holds files is left alone unless force (refused says why), and the executable is never
// written over. Throws IoError.
DumpOutcome DumpQuizExecutable(const std::filesystem::path& executable,
                               const std::filesystem::path& folder, bool force,
                               const ExecutableAccess& access);
