// The guide shows teachers examples of what the player and the check do; each is tried here.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board/answers_file.h"
#include "board/grading.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/quiz_check.h"
#include "tools/authoring/spreadsheet_format.h"
#include "tools/brelamake/brelamake.h"

namespace {

using Row = std::vector<std::string>;

std::string GuideText() {
  std::ifstream file(BRELA_GUIDE_PATH, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The test's literals of the guide's words are u8: the build writes plain literals in code page
// 1252, the guide is UTF-8.

// A cell as the guide means it: without the code marks, with ␣ standing for a space.
std::string CellText(const std::string& cell) {
  std::string text = Trimmed(cell);
  if (text.size() >= 2 && text.front() == '`' && text.back() == '`') {
    text = text.substr(1, text.size() - 2);
  }
  const std::string visibleSpace = "\xE2\x90\xA3";
  for (auto at = text.find(visibleSpace); at != std::string::npos; at = text.find(visibleSpace)) {
    text.replace(at, visibleSpace.size(), " ");
  }
  return text;
}

// The body rows of the first table after the heading line, each cut at its "|".
std::vector<Row> TableAfter(const std::string& guide, const std::string& heading) {
  std::vector<Row> rows;
  const auto at = guide.find("\n" + heading + "\n");
  if (at == std::string::npos) return rows;
  std::istringstream lines(guide.substr(at + 1));
  std::string line;
  bool inTable = false;
  int headerLines = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] != '|') {
      if (inTable) break;
      continue;
    }
    inTable = true;
    if (++headerLines <= 2) continue;  // the column names and the alignment row
    Row row;
    std::istringstream cells(line.substr(1));
    std::string cell;
    while (std::getline(cells, cell, '|')) row.push_back(CellText(cell));
    rows.push_back(row);
  }
  return rows;
}

std::string Cp1252(const std::string& utf8) {
  std::string cp1252, problem;
  EXPECT_TRUE(Utf8ToCp1252(utf8, cp1252, problem)) << utf8 << ": " << problem;
  return cp1252;
}

std::string Verdict(const std::string& expectedUtf8, const std::string& typedUtf8) {
  return Cp1252ToUtf8(GradeAnswer(Cp1252(expectedUtf8).c_str(), Cp1252(typedUtf8).c_str()));
}

// The warnings that the check gives on a text quiz's only expected answer.
int AnswerWarnings(const std::string& answer) {
  QuizFile quiz;
  quiz.kind = KIND_TEXT;
  quiz.title = "Quiz";
  quiz.codes = {"Bravo"};
  QuestionFile question;
  question.questionText = "Question ?";
  question.answer1 = answer;
  quiz.questions = {question};
  int warnings = 0;
  for (const Problem& problem : CheckQuizTexts(quiz, TextMeasurer())) {
    EXPECT_EQ(problem.severity, PROBLEM_WARNING) << answer << ": " << problem.message;
    if (problem.question == 1 && problem.field == "answer1") ++warnings;
  }
  return warnings;
}

TEST(GuideTest, EveryGradingExampleIsTheGradersVerdict) {
  const std::vector<Row> rows = TableAfter(GuideText(), u8"## Comment les réponses sont jugées");
  std::set<std::string> verdictsShown;
  for (const Row& row : rows) {
    ASSERT_GE(row.size(), 3u);
    EXPECT_EQ(Verdict(row[0], row[1]), row[2]) << "typed [" << row[1] << "] for [" << row[0] << "]";
    verdictsShown.insert(row[2]);
  }
  // The guide shows every verdict a pupil can see.
  const std::set<std::string> allVerdicts = {"?",         "BRAVO",    "Anagramme",  "Quasiment",
                                             "Presque",   "Trop long", "Trop court", "pas loin",
                                             u8"yade lidée", "FAUX"};
  EXPECT_EQ(verdictsShown, allVerdicts);
}

// Each answer the guide warns of draws a warning, is not what a pupil typing the guide's
// replacement gets "BRAVO" for, and the replacement draws none.
TEST(GuideTest, EveryUntypableAnswerIsWarnedOfAndItsReplacementIsNot) {
  const std::vector<Row> rows =
      TableAfter(GuideText(), u8"### Des réponses que l'élève peut taper");
  ASSERT_GE(rows.size(), 5u);
  for (const Row& row : rows) {
    ASSERT_GE(row.size(), 2u);
    const std::string& untypable = row[0];
    const std::string& replacement = row[1];
    EXPECT_GE(AnswerWarnings(untypable), 1) << untypable;
    EXPECT_EQ(AnswerWarnings(replacement), 0) << replacement;
    EXPECT_NE(Verdict(untypable, replacement), "BRAVO") << untypable;
    EXPECT_EQ(Verdict(replacement, replacement), "BRAVO") << replacement;
  }
}

TEST(GuideTest, TheAnswersFileIsNamedAsTheGuideSays) {
  const std::string guide = GuideText();
  std::smatch example;
  const std::regex exampleShape(u8"`([^`]+\\.exe)`\\s+écrit\\s+`([^`]+)`");
  ASSERT_TRUE(std::regex_search(guide, example, exampleShape));
  char name[ANSWERS_NAME_SIZE];
  ASSERT_TRUE(AnswersFileName(example[1].str().c_str(), name));
  EXPECT_EQ(std::string(name), example[2].str());
}

// The guide tells the way to save as CSV UTF-8 that the import's refusals tell, menu for menu.
TEST(GuideTest, SavingAsCsvUtf8IsTheImportsWay) {
  std::string guide = GuideText();
  std::replace(guide.begin(), guide.end(), '\n', ' ');
  EXPECT_NE(guide.find(u8"Enregistrez-le au format " + std::string(CSV_UTF8_SAVING)),
            std::string::npos);
}

// The arguments of every "brelamake" command line the guide shows as code.
std::vector<std::vector<std::string>> GuideCommandLines() {
  std::vector<std::vector<std::string>> commandLines;
  std::istringstream lines(GuideText());
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("    brelamake ", 0) != 0) continue;
    std::istringstream words(line);
    std::vector<std::string> arguments;
    std::string word;
    words >> word;  // brelamake
    while (words >> word) arguments.push_back(word);
    commandLines.push_back(arguments);
  }
  return commandLines;
}

// Run where none of their files exists, the guide's command lines all stop on a missing file (2),
// never on a command line that brelamake does not take (3).
TEST(GuideTest, EveryCommandLineOfTheGuideIsOneBrelamakeTakes) {
  namespace fs = std::filesystem;
  const fs::path empty = fs::temp_directory_path() / "brela-guide-commands";
  fs::remove_all(empty);
  fs::create_directories(empty);
  const fs::path previous = fs::current_path();
  fs::current_path(empty);
  ExecutableAccess access;
  access.readQuiz = [](const fs::path& executable) -> std::vector<Resource> {
    throw IoError("impossible de lire " + executable.u8string());
  };
  access.isQuizExecutable = [](const fs::path&) { return false; };
  const std::vector<std::vector<std::string>> commandLines = GuideCommandLines();
  for (const std::vector<std::string>& arguments : commandLines) {
    std::ostringstream out, err;
    EXPECT_EQ(RunBrelamake(arguments, access, nullptr, out, err), EXIT_IO_FAILURE)
        << testing::PrintToString(arguments) << ": " << err.str();
  }
  fs::current_path(previous);
  EXPECT_GE(commandLines.size(), 6u);
}

}  // namespace
