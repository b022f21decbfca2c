// The one quiz builder of the tests: a quiz of any shape, with numbered French texts.
#pragma once

#include <string>

#include "quiz/quiz_definition.h"

struct QuizShape {
  int kind;
  int questionCount;
  int answersPerQuestion;
  int revealMode;
};

// Title "Quiz d'essai", author "Émile", explanation "Une question, une réponse.", captions
// "Réponse 1" and "Réponse 2", a pale blue background. Question n expects "rep{n}a" (and "rep{n}b"
// with two answers), asks "Question {n} ?" and, where the mode keeps reveal texts, reveals
// "Révélation {n}"; the code of score s is "CODE{s}". The texts are code page 1252 whatever the
// compiler's character set, and the quiz holds nothing that the resource format would not keep.
inline void FillTestQuiz(QuizDefinition& quiz, const QuizShape& shape) {
  quiz.kind = shape.kind;
  quiz.questionCount = shape.questionCount;
  quiz.answersPerQuestion = shape.answersPerQuestion;
  quiz.revealMode = shape.revealMode;
  CopyText(quiz.title, "Quiz d'essai");
  CopyText(quiz.author, "\xC9mile");
  CopyText(quiz.explanation, "Une question, une r\xE9ponse.");
  CopyText(quiz.answer1Caption, "R\xE9ponse 1");
  CopyText(quiz.answer2Caption, "R\xE9ponse 2");
  quiz.backgroundColour = 0x00FFDCC8;  // red 200, green 220, blue 255
  for (int n = 1; n <= shape.questionCount; ++n) {
    const std::string number = std::to_string(n);
    const std::string second = shape.answersPerQuestion == 2 ? "rep" + number + "b" : "";
    AppendQuestion(quiz, ("rep" + number + "a").c_str(), second.c_str(),
                   ("Question " + number + " ?").c_str());
    if (HasRevealText(shape.revealMode)) {
      CopyText(quiz.lastQuestion->revealText, ("R\xE9v\xE9lation " + number).c_str());
    }
    CopyText(quiz.codes[n - 1], ("CODE" + number).c_str());
  }
}
