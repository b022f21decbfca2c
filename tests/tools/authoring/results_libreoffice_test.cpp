// The class results' CSV opened by LibreOffice Calc as a French teacher opens it (";" between
// cells, the character set left to Calc), saved as a spreadsheet and back: every accent and cell
// must come through.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/authoring/class_results.h"
#include "tools/authoring/csv_reader.h"
#include "tools/authoring/results_spreadsheet.h"

namespace {

namespace fs = std::filesystem;

const std::string SOFFICE = BRELA_SOFFICE;

// Runs soffice on its own profile in the folder; true when it exits with 0.
bool Soffice(const fs::path& folder, const std::string& arguments) {
  const std::string command = "cd '" + folder.string() + "' && '" + SOFFICE +
                              "' --headless -env:UserInstallation=file://" +
                              (folder / "profile").string() + " " + arguments +
                              " >soffice.log 2>&1";
  return std::system(command.c_str()) == 0;
}

QuizFile AccentedQuiz() {
  QuizFile quiz;
  quiz.title = "Accents";
  quiz.answersPerQuestion = 2;
  quiz.questions = {{"Séville", "Espagne", "?", "", "", "", "", ""},
                    {"cœur", "Noël", "?", "", "", "", "", ""}};
  quiz.codes = {"été", "fenêtre"};
  return quiz;
}

TEST(ResultsLibreOfficeTest, CalcReadsEveryAccentAndCellOfTheCsv) {
  ASSERT_FALSE(SOFFICE.empty())
      << "LibreOffice's soffice was not found when the build was configured: "
         "scripts/install-deps.sh installs it (Debian: libreoffice-calc-nogui)";
  const fs::path folder = FreshDirectory("results-libreoffice");
  std::ofstream(folder / "emile.txt", std::ios::binary)
      << "S\xE9ville\r\nespagne\r\nc\x9Cur\r\n\xAB No\xEBl \xBB\r\n";
  std::ofstream(folder / "zoe.txt", std::ios::binary) << "Seville; ou pas\r\n\x80 \"1\"\r\n";
  QuizDefinition quiz;
  std::string problem;
  ASSERT_TRUE(PlayerQuizOfFile(AccentedQuiz(), quiz, problem)) << problem;
  const ClassResults results =
      GradeClass(quiz, {{{"Émile", folder / "emile.txt"}, {"zoé", folder / "zoe.txt"}}, {}});
  const std::string csv = ResultsCsv(results);
  std::ofstream(folder / "classe.csv", std::ios::binary) << csv;

  ASSERT_TRUE(Soffice(folder, "--infilter='Text - txt - csv (StarCalc):59,34' --convert-to ods "
                              "classe.csv"));
  ASSERT_TRUE(fs::exists(folder / "classe.ods"));
  ASSERT_TRUE(Soffice(folder, "--convert-to 'csv:Text - txt - csv (StarCalc):59,34,76,1' "
                              "--outdir back classe.ods"));
  CsvTable table;
  std::vector<Problem> problems;
  ASSERT_TRUE(ReadCsv(ReadWholeText(folder / "back" / "classe.csv"), table, problems));
  const std::vector<std::vector<std::string>> expected = {
      {"Élève", "Score", "Code", "1 réponse 1", "1 verdict 1", "1 réponse 2", "1 verdict 2",
       "2 réponse 1", "2 verdict 1", "2 réponse 2", "2 verdict 2"},
      {"Émile", "1", "été", "Séville", "BRAVO", "espagne", "BRAVO", "cœur", "BRAVO",
       "« Noël »", "Trop long"},
      {"zoé", "0", "", "Seville; ou pas", "FAUX", "€ \"1\"", "FAUX", "", "?", "", "?"}};
  ASSERT_EQ(table.rows.size(), expected.size());
  for (std::size_t row = 0; row < expected.size(); ++row) {
    EXPECT_EQ(table.rows[row].cells, expected[row]) << "row " << row + 1;
  }
}

}  // namespace
