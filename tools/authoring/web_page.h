// The quiz as one web page: its texts, media, styles, script and the player's grading compiled to
// WebAssembly, all in one HTML file that loads nothing from elsewhere.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/authoring/quiz_check.h"
#include "tools/authoring/quiz_resources.h"

// How every page begins: an existing file that begins so is a page that may be replaced.
constexpr const char* WEB_PAGE_START = "<!DOCTYPE html>\n<html lang=\"fr\" data-identite=\"";

struct WebPageOutcome {
  bool ok;
  std::string problem;  // French, when not ok: why no page is made
  std::string html;     // UTF-8
  int questionCount;
  int mediaCount;  // pictures and sounds in the page
};

// Where the grading module that every page holds is installed: beside the player.
std::filesystem::path WebModuleBeside(const std::filesystem::path& player);

// The resources of a quiz file's page: those make would put into its executable, but a film quiz's
// films are not read for nothing (it has no page). Media problems are added to problems.
std::vector<Resource> WebResourcesOf(const QuizFile& quiz, const CheckContext& context,
                                     std::vector<Problem>& problems);

// The page of a quiz executable's resources (the packed quiz and codes, the "IMG" media) with the
// grading module's script text. A film quiz has no page: browsers do not play AVI films.
WebPageOutcome QuizWebPage(const std::vector<Resource>& resources, const std::string& module);

// The "data:" URI of a medium: its type from its first bytes (JPEG, PNG, GIF, BMP, MP3, WAV).
std::string DataUri(const Bytes& bytes);

// The text of the 64-bit FNV-1a hash of the bytes, in 16 hexadecimal digits: the quiz's identity
// under which the page keeps the pupil's answers.
std::string IdentityOf(const Bytes& bytes);
