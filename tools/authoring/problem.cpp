// French places and lines of problems.
#include "tools/authoring/problem.h"

#include "tools/authoring/quiz_fields.h"

Problem ErrorAt(const FieldRef& place, const std::string& message) {
  return {PROBLEM_ERROR, place.question, place.field, place.index, message};
}

Problem WarningAt(const FieldRef& place, const std::string& message) {
  return {PROBLEM_WARNING, place.question, place.field, place.index, message};
}

std::string FieldName(const std::string& key) {
  const QuizField field = FieldOfKey(key);
  return field == FIELD_NONE ? Quoted(key) : FactsOf(field).name;
}

std::string ProblemPlace(const Problem& problem) {
  std::string field;
  if (FieldOfKey(problem.field) == FIELD_CODES && problem.index > 0) {
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
