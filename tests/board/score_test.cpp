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

// One question of two answers, revealed in the given mode.
void FillRevealedQuiz(QuizDefinition& quiz, int revealMode) {
  quiz.questionCount = 1;
  quiz.answersPerQuestion = 2;
  quiz.revealMode = revealMode;
  AppendQuestion(quiz, "Paris", "France", "");
}

TEST(RevealOnJudging, ShowsWhenTheWholeQuestionIsTypedExactlyWhateverTheCase) {
  QuizDefinition quiz;
  FillRevealedQuiz(quiz, REVEAL_TEXT);
  const char* fields[] = {"paris", "FRANCE"};
  EXPECT_EQ(RevealOnJudging(quiz, 1, "BRAVO", fields), REVEAL_SHOW);
}

TEST(RevealOnJudging, SpacesAroundAnAnswerAreBravoButRevealNothing) {
  QuizDefinition quiz;
  FillRevealedQuiz(quiz, REVEAL_TEXT_AND_PICTURE);
  const char* fields[] = {" Paris", "France"};
  EXPECT_EQ(RevealOnJudging(quiz, 1, "BRAVO", fields), REVEAL_KEEP);
  EXPECT_FALSE(IsQuestionAnsweredExactly(quiz, 1, fields));
}

TEST(RevealOnJudging, AnUnsolvedSecondFieldKeepsTheRevealBack) {
  QuizDefinition quiz;
  FillRevealedQuiz(quiz, REVEAL_PICTURE);
  const char* fields[] = {"Paris", ""};
  EXPECT_EQ(RevealOnJudging(quiz, 1, "BRAVO", fields), REVEAL_KEEP);
}

TEST(RevealOnJudging, AnyOtherVerdictTakesTheTextAway) {
  QuizDefinition quiz;
  FillRevealedQuiz(quiz, REVEAL_TEXT);
  const char* fields[] = {"Pari", "France"};
  EXPECT_EQ(RevealOnJudging(quiz, 1, "Quasiment", fields), REVEAL_HIDE_TEXT);
  EXPECT_EQ(RevealOnJudging(quiz, 1, "?", fields), REVEAL_HIDE_TEXT);
}

TEST(RevealOnJudging, ModesWithoutARevealOnSolvingKeep) {
  const char* fields[] = {"Paris", "France"};
  for (int mode : {REVEAL_NONE, REVEAL_TEXTS_AT_END}) {
    QuizDefinition quiz;
    FillRevealedQuiz(quiz, mode);
    EXPECT_EQ(RevealOnJudging(quiz, 1, "BRAVO", fields), REVEAL_KEEP) << mode;
  }
}

TEST(RevealModes, WhatEachModeShowsOnSolving) {
  EXPECT_FALSE(RevealsTextOnSolving(REVEAL_NONE));
  EXPECT_FALSE(RevealsTextOnSolving(REVEAL_PICTURE));
  EXPECT_TRUE(RevealsTextOnSolving(REVEAL_TEXT));
  EXPECT_TRUE(RevealsTextOnSolving(REVEAL_TEXT_AND_PICTURE));
  EXPECT_FALSE(RevealsTextOnSolving(REVEAL_TEXTS_AT_END));
  EXPECT_FALSE(RevealsAnswerPicture(REVEAL_NONE));
  EXPECT_TRUE(RevealsAnswerPicture(REVEAL_PICTURE));
  EXPECT_FALSE(RevealsAnswerPicture(REVEAL_TEXT));
  EXPECT_TRUE(RevealsAnswerPicture(REVEAL_TEXT_AND_PICTURE));
  EXPECT_FALSE(RevealsAnswerPicture(REVEAL_TEXTS_AT_END));
}

TEST(RevealsAllTexts, OnlyTheFullScoreInTheModeOfTextsAtTheEnd) {
  QuizDefinition quiz;
  FillTwoAnswerQuiz(quiz);
  quiz.revealMode = REVEAL_TEXTS_AT_END;
  EXPECT_FALSE(RevealsAllTexts(quiz, 2));
  EXPECT_TRUE(RevealsAllTexts(quiz, 3));
  quiz.revealMode = REVEAL_TEXT;
  EXPECT_FALSE(RevealsAllTexts(quiz, 3));
}

}  // namespace
