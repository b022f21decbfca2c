// Problems of a quiz as the command line and the editor show them: where, what, and how bad.
#pragma once

#include <string>
#include <vector>

#include "tools/picture_import/quoted.h"  // Quoted, for every message of the core

enum ProblemSeverity { PROBLEM_ERROR, PROBLEM_WARNING };

struct Problem {
  ProblemSeverity severity;
  int question;         // 1..N for a question's field; 0 for the quiz's own fields or the file
  std::string field;    // the JSON key it concerns ("title", "answer1", "codes"...); empty for
                        // the file as a whole (syntax, encoding)
  int index;            // for "codes": the code's number from 1; otherwise 0
  std::string message;  // French, without the place: what is wrong and how to fix it
};

// A field of the quiz, the place that a problem names.
struct FieldRef {
  int question;
  std::string field;
  int index;
};

Problem ErrorAt(const FieldRef& place, const std::string& message);
Problem WarningAt(const FieldRef& place, const std::string& message);

// The French name of a JSON key ("réponse 1" for "answer1"); a key it does not know, in « ».
std::string FieldName(const std::string& key);

// Where a problem lies, in French: "question 3, réponse 1", "titre", "code 4"; empty for the file.
std::string ProblemPlace(const Problem& problem);

// The place and the message: "question 3, réponse 1 : ..."; the message alone for the file.
std::string ProblemLine(const Problem& problem);

int CountProblems(const std::vector<Problem>& problems, ProblemSeverity severity);
bool HasErrors(const std::vector<Problem>& problems);

// A count with its noun, singular for 0 and 1 as French has it: "1 question", "12 questions".
std::string CountText(long long count, const std::string& singular, const std::string& plural);
