// The board's decisions without a window: field verdicts, solved questions, score and code.
#include "board/score.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Three questions of two answers, with a code per score.
void FillTwoAnswerQuiz(QuizDefinition& quiz) {
  quiz.questionCount = 3;
  quiz.answersPerQuestion = 2;
  AppendQuestion(quiz, "PARIS", "FRANCE", "");
  AppendQuestion(quiz, "ROME", "ITALIE", "");
  AppendQuestion(quiz, "BERNE", "SUISSE", "");
  CopyText(quiz.codes[0], "UN");
  CopyText(quiz.codes[1], "DEUX");
  CopyText(quiz.codes[2], "TROIS");
}

TEST(FieldVerdict, GradesTheFieldAgainstItsOwnQuestionAndAnswer) {
  QuizDefinition quiz;
  FillTwoAnswerQuiz(quiz);
  EXPECT_STREQ(FieldVerdict(quiz, 1, "paris"), "BRAVO");
  EXPECT_STREQ(FieldVerdict(quiz, 2, "paris"), "FAUX");
  EXPECT_STREQ(FieldVerdict(quiz, 4, "italie"), "BRAVO");
  EXPECT_STREQ(FieldVerdict(quiz, 5, "BERN"), "Quasiment");
  EXPECT_STREQ(FieldVerdict(quiz, 6, ""), "?");
}

TEST(FieldVerdict, AQuestionBeyondTheListTakesTheLastEntry) {
  QuizDefinition quiz;
  FillTwoAnswerQuiz(quiz);
  quiz.questionCount = 4;
  EXPECT_STREQ(FieldVerdict(quiz, 7, "BERNE"), "BRAVO");
}

TEST(SolvedQuestionCount, CountsQuestionsWhoseEveryAnswerIsBravo) {
  QuizDefinition quiz;
  FillTwoAnswerQuiz(quiz);
  const char* verdicts[] = {"BRAVO", "BRAVO", "BRAVO", "Presque", "FAUX", "BRAVO"};
  EXPECT_TRUE(IsQuestionSolved(quiz, verdicts, 1));
  EXPECT_FALSE(IsQuestionSolved(quiz, verdicts, 2));
  EXPECT_FALSE(IsQuestionSolved(quiz, verdicts, 3));
  EXPECT_EQ(SolvedQuestionCount(quiz, verdicts), 1);
  const char* allRight[] = {"BRAVO", "BRAVO", "BRAVO", "BRAVO", "BRAVO", "BRAVO"};
  EXPECT_EQ(SolvedQuestionCount(quiz, allRight), 3);
}

TEST(SolvedQuestionCount, OnlyTheExactTextBravoCounts) {
  QuizDefinition quiz;
  quiz.questionCount = 2;
  AppendQuestion(quiz, "A", "", "");
  AppendQuestion(quiz, "B", "", "");
  const char* verdicts[] = {"bravo", "BRAVO "};
  EXPECT_EQ(SolvedQuestionCount(quiz, verdicts), 0);
}

TEST(ProgressCode, TheCodeOfTheScoreAndNoneForZero) {
  QuizDefinition quiz;
  FillTwoAnswerQuiz(quiz);
  EXPECT_EQ(ProgressCode(quiz, 0), nullptr);
  EXPECT_STREQ(ProgressCode(quiz, 1), "UN");
  EXPECT_STREQ(ProgressCode(quiz, 3), "TROIS");
}

}  // namespace
