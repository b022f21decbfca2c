// Quiz files for brelamake's tests: a valid quiz of any kind and reveal mode, with small media
// files of the right magic numbers written beside it, each file's bytes its own.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "tools/authoring/media_check.h"
#include "tools/authoring/quiz_file.h"

// A quiz of the kind ("text", "picture", "audio", "video") and reveal mode, with accented texts,
// `questions` questions and one or two answers each, with the fields that its kind and reveal
// mode show and the media files they name: valid but for a reveal mode other than "none" in a
// quiz that is not of pictures.
nlohmann::json SampleQuizJson(const std::string& kind, const std::string& revealMode,
                              int answersPerQuestion, int questions);

// Every kind with the reveal modes it can have, as SampleQuizJson takes them.
struct SampleKind {
  const char* kind;
  const char* revealMode;
};
inline constexpr SampleKind SAMPLE_KINDS[] = {
    {"text", "none"},    {"audio", "none"},          {"video", "none"},
    {"picture", "none"}, {"picture", "picture"},     {"picture", "text"},
    {"picture", "textAndPicture"}, {"picture", "textsAtEnd"}};

// The bytes of the sample media file named `name`, none like another: for a sound or a film, the
// magic number its kind needs, then bytes of every value (CR, LF, zero and 0x1A included) and the
// name; for a picture, a 16 x 12 JFIF JPEG coloured after the name, which make keeps as it is.
Bytes SampleMediaBytes(const std::string& name);

// Writes the quiz as quiz.json into directory, with every media file it names; returns its path.
std::filesystem::path WriteSampleQuiz(const nlohmann::json& quiz,
                                      const std::filesystem::path& directory);

// An empty directory of that name under the system's temporary directory.
std::filesystem::path FreshDirectory(const std::string& name);

// The bytes of a file, or none when it cannot be read.
Bytes ReadBytes(const std::filesystem::path& path);
