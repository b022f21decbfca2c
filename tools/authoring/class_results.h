// A class's answers files graded as the player grades them at start-up: every pupil's answers,
// verdicts, score and code, for a spreadsheet, a printable page or a window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
#include "tools/authoring/executable_access.h"
#include "tools/authoring/quiz_file.h"
#include "tools/authoring/whole_file.h"

// One pupil's answers file and the name the class knows the pupil by (UTF-8).
struct PupilFile {
  std::string name;
  std::filesystem::path file;
};

// A file or folder that gives no pupil, and why, in French.
struct LeftOutFile {
  std::filesystem::path file;
  std::string reason;
};

struct FieldResult {
  std::string answer;    // UTF-8, the text the player restores into the field
  std::string verdict;   // UTF-8, the text of the field's verdict
  std::uint32_t colour;  // the verdict field's fill (board/verdict.h), or NO_VERDICT_COLOUR
};

struct PupilResult {
  std::string name;
  std::vector<FieldResult> fields;  // in field order: question 1 answer 1, answer 2, question 2...
  std::vector<bool> solved;         // by question, from question 1
  int score = 0;                    // the number of solved questions
  std::string code;                 // UTF-8; empty when the score earns none
};

struct ClassResults {
  std::string quizTitle;  // UTF-8
  int questionCount = 0;
  int answersPerQuestion = 1;
  std::vector<PupilResult> pupils;  // in French alphabetical order
  std::vector<LeftOutFile> leftOut;
};

// A class's answers files, and the folders that gave none.
struct ClassFiles {
  std::vector<PupilFile> pupils;
  std::vector<LeftOutFile> leftOut;
};

// The pupils of answers files and folders. A folder is a class: each ".txt" directly in it is a
// pupil named after the file; each sub-folder holding exactly one ".txt" is a pupil named after
// the sub-folder, and one with none or several is left out. A folder that cannot be listed
// throws std::filesystem::filesystem_error.
ClassFiles ClassFilesOf(const std::vector<std::filesystem::path>& paths);

// The field texts (code page 1252) of an answers file's bytes for a quiz of fieldCount fields,
// read as the player reads them at start-up. False, with the reason in French, when the bytes
// are not an answers file of such a quiz: empty, with control bytes, or more lines than fields.
bool ReadAnswersFile(const Bytes& bytes, int fieldCount, std::vector<std::string>& texts,
                     std::string& reason);

// The quiz as the player holds it: from a quiz executable, or a quiz file made into the
// resources the player would read. False, with the reason in French, when there is none to grade.
bool PlayerQuizOfFile(const QuizFile& file, QuizDefinition& quiz, std::string& problem);
bool PlayerQuizAt(const std::filesystem::path& path, const ExecutableAccess& access,
                  QuizDefinition& quiz, std::string& problem);

// The results of the pupils on the quiz. Left out: the class's own, then every file that cannot
// be read or is not an answers file of the quiz; the others are graded.
ClassResults GradeClass(const QuizDefinition& quiz, const ClassFiles& files);

// Whether name a comes before b for a French reader: case and accents ignored first.
bool ComesBeforeInFrench(const std::string& a, const std::string& b);
