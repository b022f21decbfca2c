// Places and lines of problems in French, and French counts.
#include "tools/authoring/problem.h"

#include <gtest/gtest.h>

namespace {

struct Placing {
  FieldRef place;
  const char* text;
};

TEST(ProblemTest, NamesEveryPlaceInFrench) {
  const Placing placings[] = {
      {{3, "answer1", 0}, "question 3, réponse 1"},
      {{12, "answer2", 0}, "question 12, réponse 2"},
      {{7, "picture", 0}, "question 7, image"},
      {{7, "answerPicture", 0}, "question 7, image réponse"},
      {{2, "sound", 0}, "question 2, son"},
      {{2, "film", 0}, "question 2, film"},
      {{5, "questionText", 0}, "question 5, énoncé"},
      {{5, "revealText", 0}, "question 5, texte révélé"},
      {{0, "title", 0}, "titre"},
      {{0, "author", 0}, "auteur"},
      {{0, "explanation", 0}, "explication"},
      {{0, "answer1Caption", 0}, "légende de la réponse 1"},
      {{0, "kind", 0}, "type de quiz"},
      {{0, "revealMode", 0}, "révélation"},
      {{0, "backgroundColour", 0}, "couleur de fond"},
      {{0, "codes", 4}, "code 4"},
      {{0, "codes", 0}, "codes"},
      {{4, "reveal", 0}, "question 4, « reveal »"},
      {{0, "autor", 0}, "« autor »"},
      {{6, "", 0}, "question 6"},
      {{0, "", 0}, ""},
  };
  for (const Placing& placing : placings) {
    const Problem problem = ErrorAt(placing.place, "m");
    EXPECT_EQ(ProblemPlace(problem), placing.text);
    EXPECT_EQ(ProblemLine(problem), *placing.text ? std::string(placing.text) + " : m" : "m");
  }
}

TEST(ProblemTest, CountsErrorsAndWarningsApart) {
  const std::vector<Problem> problems = {ErrorAt({1, "answer1", 0}, "a"),
                                         WarningAt({0, "codes", 0}, "b"),
                                         ErrorAt({0, "title", 0}, "c")};
  EXPECT_EQ(CountProblems(problems, PROBLEM_ERROR), 2);
  EXPECT_EQ(CountProblems(problems, PROBLEM_WARNING), 1);
  EXPECT_TRUE(HasErrors(problems));
  EXPECT_FALSE(HasErrors({problems[1]}));
  EXPECT_EQ(problems[1].severity, PROBLEM_WARNING);
}

TEST(ProblemTest, CountsTakeTheFrenchPlural) {
  struct Count {
    long long count;
    const char* text;
  };
  const Count counts[] = {{0, "0 question"},
                          {1, "1 question"},
                          {2, "2 questions"},
                          {12, "12 questions"},
                          {90, "90 questions"}};
  for (const Count& c : counts) EXPECT_EQ(CountText(c.count, "question", "questions"), c.text);
  EXPECT_EQ(Quoted("Paris"), "« Paris »");
}

}  // namespace
