// The board's decisions on answers and the score.
#include "board/score.h"

#include <cstring>

#include "board/grading.h"
#include "board/layout.h"
#include "board/verdict.h"

const char* ExpectedAnswer(const QuestionEntry* entry, int j) {
  if (!entry) return "";
  return j == 1 ? entry->answer1 : entry->answer2;
}

const char* FieldVerdict(const QuizDefinition& quiz, int slot, const char* typed) {
  const QuestionEntry* entry = QuestionAt(quiz, QuestionOfSlot(slot, quiz.answersPerQuestion));
  return GradeAnswer(ExpectedAnswer(entry, AnswerOfSlot(slot, quiz.answersPerQuestion)), typed);
}

bool IsQuestionSolved(const QuizDefinition& quiz, SlotVerdicts verdicts, int n) {
  for (int j = 1; j <= quiz.answersPerQuestion; ++j) {
    if (!IsBravo(verdicts[SlotOf(n, j, quiz.answersPerQuestion) - 1])) return false;
  }
  return true;
}

int SolvedQuestionCount(const QuizDefinition& quiz, SlotVerdicts verdicts) {
  int solved = 0;
  for (int n = 1; n <= quiz.questionCount; ++n) {
    if (IsQuestionSolved(quiz, verdicts, n)) ++solved;
  }
  return solved;
}

const char* ProgressCode(const QuizDefinition& quiz, int solved) {
  return solved > 0 ? quiz.codes[solved - 1] : nullptr;
}

bool RevealsTextOnSolving(int revealMode) {
  return revealMode == REVEAL_TEXT || revealMode == REVEAL_TEXT_AND_PICTURE;
}

bool RevealsAnswerPicture(int revealMode) {
  return revealMode == REVEAL_PICTURE || revealMode == REVEAL_TEXT_AND_PICTURE;
}

bool IsQuestionAnsweredExactly(const QuizDefinition& quiz, int n, AnswerTexts answerTexts) {
  const QuestionEntry* entry = QuestionAt(quiz, n);
  for (int j = 1; j <= quiz.answersPerQuestion; ++j) {
    char typed[TEXT_SIZE];
    char wanted[TEXT_SIZE];
    CopyText(typed, answerTexts[j - 1]);
    CopyText(wanted, ExpectedAnswer(entry, j));
    NormaliseAnswer(typed, false);
    NormaliseAnswer(wanted, false);
    if (std::strcmp(typed, wanted) != 0) return false;
  }
  return true;
}

RevealChange RevealOnJudging(const QuizDefinition& quiz, int n, const char* verdict,
                             AnswerTexts answerTexts) {
  if (!IsBravo(verdict)) return REVEAL_HIDE_TEXT;
  const bool revealsOnSolving =
      RevealsTextOnSolving(quiz.revealMode) || RevealsAnswerPicture(quiz.revealMode);
  if (revealsOnSolving && IsQuestionAnsweredExactly(quiz, n, answerTexts)) return REVEAL_SHOW;
  return REVEAL_KEEP;
}

bool RevealsAllTexts(const QuizDefinition& quiz, int solved) {
  return solved == quiz.questionCount && quiz.revealMode == REVEAL_TEXTS_AT_END;
}
