// The question list of the quiz record.
#include "quiz/quiz_definition.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(QuizDefinition, ConstructedStateIsAnEmptyQuizTheBoardCanShow) {
  QuizDefinition quiz;
  EXPECT_EQ(quiz.firstQuestion, nullptr);
  EXPECT_EQ(quiz.lastQuestion, nullptr);
  EXPECT_EQ(quiz.revealMode, REVEAL_TEXT);
  EXPECT_EQ(quiz.questionCount, 0);
  EXPECT_EQ(quiz.answersPerQuestion, 1);
  EXPECT_EQ(quiz.kind, KIND_TEXT);
  EXPECT_STREQ(quiz.title, "");
  for (const auto& code : quiz.codes) EXPECT_STREQ(code, "");
  EXPECT_EQ(quiz.backgroundColour, DEFAULT_BACKGROUND_COLOUR);
  EXPECT_EQ(QuestionAt(quiz, 1), nullptr);
}

TEST(QuizDefinition, AppendKeepsOrderAlongBothLinks) {
  QuizDefinition quiz;
  AppendQuestion(quiz, "a1", "b1", "q1");
  ASSERT_EQ(quiz.firstQuestion, quiz.lastQuestion);
  EXPECT_EQ(quiz.firstQuestion->previous, nullptr);
  EXPECT_EQ(quiz.firstQuestion->next, nullptr);
  EXPECT_STREQ(quiz.firstQuestion->revealText, "");

  AppendQuestion(quiz, "a2", "b2", "q2");
  AppendQuestion(quiz, "a3", "b3", "q3");
  std::string forward, backward;
  for (auto* e = quiz.firstQuestion; e; e = e->next) forward += e->questionText;
  for (auto* e = quiz.lastQuestion; e; e = e->previous) backward += e->answer1;
  EXPECT_EQ(forward, "q1q2q3");
  EXPECT_EQ(backward, "a3a2a1");
  EXPECT_STREQ(QuestionAt(quiz, 2)->answer2, "b2");
}

TEST(QuizDefinition, QuestionAtBeyondTheListGivesTheLastEntry) {
  QuizDefinition quiz;
  AppendQuestion(quiz, "ulvo", "titi", "titi");
  AppendQuestion(quiz, "trapol", "plouf", "titi");
  EXPECT_STREQ(QuestionAt(quiz, 1)->answer1, "ulvo");
  for (int n = 2; n <= 20; ++n) EXPECT_EQ(QuestionAt(quiz, n), quiz.lastQuestion) << n;
  EXPECT_EQ(QuestionAt(quiz, 0), quiz.firstQuestion);
}

TEST(QuizDefinition, AppendedTextsAreCutTo259Bytes) {
  QuizDefinition quiz;
  std::string longText(400, 'x');
  AppendQuestion(quiz, longText.c_str(), "", longText.c_str());
  EXPECT_EQ(std::strlen(quiz.firstQuestion->answer1), 259u);
  EXPECT_EQ(std::strlen(quiz.firstQuestion->questionText), 259u);
}
