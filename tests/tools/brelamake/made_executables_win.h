// For the tests of brelamake on real executables: the real tool run as a process, and what an
// executable it made holds, read back through the system's own resource functions.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "quiz/quiz_definition.h"

struct Outcome {
  int exitCode;
  std::string out, err;
};

// The program `tool` run in `folder` with `arguments` (a command line's text, in UTF-8: it
// reaches the program whole, in UTF-16), its output kept.
Outcome RunTool(const std::filesystem::path& tool, const std::string& arguments,
                const std::filesystem::path& folder);

std::string TextOf(const std::filesystem::path& path);
nlohmann::json ReadJson(const std::filesystem::path& path);

// The dumped quiz file equals the original once its media paths are taken back to the
// original's, and every dumped media file holds the original's bytes.
void ExpectDumpedAsMade(const std::filesystem::path& dumped, const nlohmann::json& original,
                        const std::filesystem::path& source);

// "TYPE NAME LANGUAGE" of every resource, numbers as "#n": the quiz's first, then the others.
std::pair<std::vector<std::string>, std::vector<std::string>> Entries(
    const std::filesystem::path& executable);

// The quiz of a made executable as the player's loader reads it, which must say nothing.
void LoadMadeQuiz(const std::filesystem::path& executable, QuizDefinition& quiz);
