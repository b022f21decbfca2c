// The editor's table of class results, from results written by hand.
#include "tools/brelaedit/class_results_table.h"

#include <gtest/gtest.h>

#include "board/verdict.h"

namespace {

PupilResult Pupil(const std::string& name, const std::vector<FieldResult>& fields) {
  PupilResult pupil;
  pupil.name = name;
  pupil.fields = fields;
  return pupil;
}

const FieldResult BRAVO = {"Paris", "BRAVO", COLOUR_BRAVO};
const FieldResult CLOSE = {"itali", "Presque", COLOUR_NEAR_MISS};
const FieldResult WRONG = {"Lyon", "FAUX", COLOUR_FAUX};
const FieldResult EMPTY = {"", "?", 0x00C0C0C0};

TEST(ResultsHeaders, NameScoreCodeThenOneNumberAQuestion) {
  ClassResults results;
  results.questionCount = 3;
  results.answersPerQuestion = 2;
  EXPECT_EQ(ResultsHeaders(results),
            (std::vector<std::string>{"Élève", "Score", "Code", "1", "2", "3"}));
}

TEST(QuestionCellOf, OneAnswerShowsItsVerdictOnItsColour) {
  ClassResults results;
  results.questionCount = 3;
  const PupilResult pupil = Pupil("Zoé", {BRAVO, WRONG, EMPTY});
  const QuestionCell first = QuestionCellOf(results, pupil, 1);
  EXPECT_EQ(first.text, "BRAVO");
  EXPECT_EQ(first.colour, COLOUR_BRAVO);
  const QuestionCell second = QuestionCellOf(results, pupil, 2);
  EXPECT_EQ(second.text, "FAUX");
  EXPECT_EQ(second.colour, COLOUR_FAUX);
  const QuestionCell third = QuestionCellOf(results, pupil, 3);
  EXPECT_EQ(third.text, "?");
  EXPECT_EQ(third.colour, 0x00C0C0C0u);
}

TEST(QuestionCellOf, TwoAnswersShowBothVerdictsOnTheColourOfTheFirstNotBravo) {
  ClassResults results;
  results.questionCount = 3;
  results.answersPerQuestion = 2;
  const PupilResult pupil = Pupil("Léa", {BRAVO, CLOSE, WRONG, BRAVO, BRAVO, BRAVO});
  const QuestionCell first = QuestionCellOf(results, pupil, 1);
  EXPECT_EQ(first.text, "BRAVO / Presque");
  EXPECT_EQ(first.colour, COLOUR_NEAR_MISS);
  const QuestionCell second = QuestionCellOf(results, pupil, 2);
  EXPECT_EQ(second.text, "FAUX / BRAVO");
  EXPECT_EQ(second.colour, COLOUR_FAUX);
  const QuestionCell third = QuestionCellOf(results, pupil, 3);
  EXPECT_EQ(third.text, "BRAVO / BRAVO");
  EXPECT_EQ(third.colour, COLOUR_BRAVO);
}

TEST(LeftOutLines, OneLineAFileByItsNameWithItsReason) {
  ClassResults results;
  EXPECT_EQ(LeftOutLines(results), "Aucun fichier laissé de côté.");
  results.leftOut = {{std::filesystem::u8path("classe/Noé.txt"), "le fichier est vide"},
                     {std::filesystem::u8path("classe/Paul"),
                      "le dossier ne contient aucun fichier .txt"}};
  EXPECT_EQ(LeftOutLines(results),
            "« Noé.txt » laissé de côté : le fichier est vide\r\n"
            "« Paul » laissé de côté : le dossier ne contient aucun fichier .txt");
}

}  // namespace
