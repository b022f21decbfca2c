// French places and lines of problems.
#include "tools/authoring/problem.h"

#include <algorithm>
#include <iterator>

namespace {

struct FieldNaming {
  const char* key;
  const char* name;
};

const FieldNaming FIELD_NAMES[] = {
    {"kind", "type de quiz"},
    {"title", "titre"},
    {"author", "auteur"},
    {"explanation", "explication"},
    {"answer1Caption", "légende de la réponse 1"},
    {"answer2Caption", "légende de la réponse 2"},
    {"answersPerQuestion", "réponses par question"},
    {"revealMode", "révélation"},
    {"backgroundColour", "couleur de fond"},
    {"codes", "codes"},
    {"questions", "questions"},
    {"answer1", "réponse 1"},
    {"answer2", "réponse 2"},
    {"questionText", "énoncé"},
    {"revealText", "texte révélé"},
    {"picture", "image"},
    {"sound", "son"},
    {"film", "film"},
    {"answerPicture", "image réponse"},
};

}  // namespace

Problem ErrorAt(const FieldRef& place, const std::string& message) {
  return {PROBLEM_ERROR, place.question, place.field, place.index, message};
}

Problem WarningAt(const FieldRef& place, const std::string& message) {
  return {PROBLEM_WARNING, place.question, place.field, place.index, message};
}

bool IsQuizField(const std::string& key) {
  return std::any_of(std::begin(FIELD_NAMES), std::end(FIELD_NAMES),
                     [&](const FieldNaming& naming) { return key == naming.key; });
}

std::string FieldName(const std::string& key) {
  for (const FieldNaming& naming : FIELD_NAMES) {
    if (key == naming.key) return naming.name;
  }
  return Quoted(key);
}

std::string ProblemPlace(const Problem& problem) {
  std::string field;
  if (problem.field == "codes" && problem.index > 0) {
    field = "code " + std::to_string(problem.index);
  } else if (!problem.field.empty()) {
    field = FieldName(problem.field);
  }
  if (problem.question <= 0) return field;
  const std::string question = "question " + std::to_string(problem.question);
  return field.empty() ? question : question + ", " + field;
}

std::string ProblemLine(const Problem& problem) {
  const std::string place = ProblemPlace(problem);
  return place.empty() ? problem.message : place + " : " + problem.message;
}

int CountProblems(const std::vector<Problem>& problems, ProblemSeverity severity) {
  return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                        [&](const Problem& p) { return p.severity == severity; }));
}

bool HasErrors(const std::vector<Problem>& problems) {
  return CountProblems(problems, PROBLEM_ERROR) > 0;
}

std::string CountText(long long count, const std::string& singular, const std::string& plural) {
  return std::to_string(count) + " " + (count <= 1 && count >= -1 ? singular : plural);
}
