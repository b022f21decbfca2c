// A small French text quiz that the loader's tests expect to read back.
#pragma once

#include "quiz/quiz_definition.h"

inline void FillSampleQuiz(QuizDefinition& quiz) {
  quiz.kind = KIND_TEXT;
  CopyText(quiz.title, "Capitales d'Europe");
  CopyText(quiz.author, "Hélène");
  CopyText(quiz.explanation, "Trouvez la capitale de chaque pays.");
  CopyText(quiz.answer1Caption, "Ville");
  CopyText(quiz.answer2Caption, "Fleuve");
  quiz.questionCount = 3;
  quiz.answersPerQuestion = 2;
  quiz.revealMode = REVEAL_TEXT;
  quiz.backgroundColour = 0x00A0E0F0;
  const char* rows[][4] = {{"Paris", "Seine", "France", "Lutèce"},
                           {"Rome", "Tibre", "Italie", "La ville éternelle"},
                           {"Vienne", "Danube", "Autriche", "Mozart y vécut"}};
  for (const auto& row : rows) {
    AppendQuestion(quiz, row[0], row[1], row[2]);
    CopyText(quiz.lastQuestion->revealText, row[3]);
  }
  CopyText(quiz.codes[0], "ABC123");
  CopyText(quiz.codes[1], "DÉF456");
  CopyText(quiz.codes[2], "FINI");
}
