// Quizzes made up for the tests: a small French text quiz that the loader's tests expect to read
// back, and numbered quizzes of any shape.
#pragma once

#include <string>

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

// A quiz of `count` questions with French texts, of the given kind, answer count and mode; reveal
// texts only where the mode stores them, so that it survives a trip through the resource format.
inline void FillNumberedQuiz(QuizDefinition& quiz, int kind, int answers, int mode, int count) {
  quiz.kind = kind;
  CopyText(quiz.title, "Géographie");
  CopyText(quiz.author, "Hélène");
  CopyText(quiz.explanation, "Une question, une réponse.");
  CopyText(quiz.answer1Caption, "Ville");
  CopyText(quiz.answer2Caption, "Pays");
  quiz.questionCount = count;
  quiz.answersPerQuestion = answers;
  quiz.revealMode = mode;
  quiz.backgroundColour = 0x00336699;
  const bool storesRevealTexts =
      mode == REVEAL_TEXT || mode == REVEAL_TEXT_AND_PICTURE || mode == REVEAL_TEXTS_AT_END;
  for (int n = 1; n <= count; ++n) {
    const std::string suffix = std::to_string(n);
    AppendQuestion(quiz, ("réponse " + suffix).c_str(), answers == 2 ? ("pays " + suffix).c_str() : "",
                   ("Quelle ville ? " + suffix).c_str());
    if (storesRevealTexts) CopyText(quiz.lastQuestion->revealText, ("révélé " + suffix).c_str());
    CopyText(quiz.codes[n - 1], ("CODE-" + suffix).c_str());
  }
}
