// Failures of files, told in French with the file's name.
//
// The authoring core's one convention for what goes wrong (tools/authoring/CMakeLists.txt says it
// too): a fault of the author's quiz, spreadsheet or media is a Problem, or a French message in an
// outcome, returned and never thrown; a file that cannot be read or written throws IoError, and
// the caller reports its message and stops; a question for the author (replace a file that
// exists?) is a field of the returned outcome, which the caller asks and then calls again.
#pragma once

#include <stdexcept>

// A file that cannot be read or written.
struct IoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
