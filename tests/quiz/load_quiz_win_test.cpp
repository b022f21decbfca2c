// The loader on real "PATCH" resources linked into fixture modules: the quiz, each failure
// path's messages in order, and the record that each leaves.
#include "quiz/load_quiz_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quiz/quiz_format.h"
#include "tests/support/message_recorder.h"
#include "tests/support/test_quiz.h"

namespace {

using Texts = std::vector<std::string>;

struct Loaded {
  Texts messages;
  std::vector<std::string> titles;
};

// Loads the quiz of a fixture module into the record and says what was shown.
Loaded LoadFrom(const char* moduleName, QuizDefinition& quiz) {
  HMODULE module = LoadLibraryExA(moduleName, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(module, nullptr) << moduleName;
  MessageRecorder recorder;
  LoadQuiz(quiz, module);
  FreeLibrary(module);
  Loaded loaded{recorder.Texts(), {}};
  for (const auto& m : recorder.Messages()) loaded.titles.push_back(m.title);
  return loaded;
}

COLORREF BrushColour(BrushHandle brush) {
  LOGBRUSH description{};
  EXPECT_EQ(GetObjectA(static_cast<HBRUSH>(brush), sizeof description, &description),
            static_cast<int>(sizeof description));
  return description.lbColor;
}

void ExpectSampleQuestions(const QuizDefinition& quiz) {
  QuizDefinition expected;
  FillTestQuiz(expected, {KIND_TEXT, 3, 2, REVEAL_TEXT});
  EXPECT_EQ(quiz.kind, expected.kind);
  EXPECT_STREQ(quiz.title, expected.title);
  EXPECT_STREQ(quiz.author, expected.author);
  EXPECT_EQ(quiz.questionCount, expected.questionCount);
  EXPECT_EQ(quiz.answersPerQuestion, expected.answersPerQuestion);
  EXPECT_EQ(quiz.revealMode, expected.revealMode);
  EXPECT_EQ(quiz.backgroundColour, expected.backgroundColour);
  for (int n = 1; n <= expected.questionCount; ++n) {
    EXPECT_STREQ(QuestionAt(quiz, n)->answer1, QuestionAt(expected, n)->answer1);
    EXPECT_STREQ(QuestionAt(quiz, n)->answer2, QuestionAt(expected, n)->answer2);
    EXPECT_STREQ(QuestionAt(quiz, n)->revealText, QuestionAt(expected, n)->revealText);
  }
}

void ExpectNoCodes(const QuizDefinition& quiz) {
  for (const auto& code : quiz.codes) EXPECT_STREQ(code, "");
}

void ExpectBuiltInQuiz(const QuizDefinition& quiz) {
  EXPECT_STREQ(quiz.title, "Nom du brela");
  EXPECT_EQ(quiz.questionCount, 20);
  EXPECT_STREQ(QuestionAt(quiz, 20)->answer1, "trapol");
  ExpectNoCodes(quiz);
  EXPECT_EQ(BrushColour(quiz.backgroundBrush), DEFAULT_BACKGROUND_COLOUR);
}

}  // namespace

TEST(LoadQuiz, ReadsACompleteQuizSilently) {
  QuizDefinition quiz;
  Loaded loaded = LoadFrom("quiz_complete.dll", quiz);
  EXPECT_TRUE(loaded.messages.empty());
  ExpectSampleQuestions(quiz);
  EXPECT_STREQ(quiz.codes[0], "CODE1");
  EXPECT_STREQ(quiz.codes[1], "CODE2");
  EXPECT_STREQ(quiz.codes[2], "CODE3");
  EXPECT_STREQ(quiz.codes[3], "");
  EXPECT_EQ(BrushColour(quiz.backgroundBrush), quiz.backgroundColour);
}

TEST(LoadQuiz, MissingQuizGivesBothMessagesThenTheBuiltInQuiz) {
  QuizDefinition quiz;
  Loaded loaded = LoadFrom("quiz_no104.dll", quiz);
  EXPECT_EQ(loaded.messages, (Texts{"Erreur dans le fichier", "Reponses non trouvées"}));
  EXPECT_EQ(loaded.titles, (Texts{"Brela", "Brela"}));
  ExpectBuiltInQuiz(quiz);
}

TEST(LoadQuiz, EmptyQuizGivesTheBuiltInQuizWithoutReadingCodes) {
  QuizDefinition quiz;
  Loaded loaded = LoadFrom("quiz_empty104.dll", quiz);
  EXPECT_EQ(loaded.messages, Texts{"Reponses non trouvées"});
  ExpectBuiltInQuiz(quiz);
}

TEST(LoadQuiz, QuizThatCannotBeReadLeavesAnEmptyQuizWithABrush) {
  for (const char* module : {"quiz_cut104.dll", "quiz_broken104.dll"}) {
    QuizDefinition quiz;
    Loaded loaded = LoadFrom(module, quiz);
    EXPECT_EQ(loaded.messages, Texts{"Erreur dans le décryptage des reponses"}) << module;
    EXPECT_EQ(loaded.titles, Texts{"Brela"});
    EXPECT_EQ(quiz.questionCount, 0) << module;
    EXPECT_EQ(quiz.firstQuestion, nullptr) << module;
    EXPECT_STREQ(quiz.title, "") << module;
    ExpectNoCodes(quiz);
    EXPECT_EQ(BrushColour(quiz.backgroundBrush), DEFAULT_BACKGROUND_COLOUR) << module;
  }
}

TEST(LoadQuiz, CodeFailuresKeepTheQuizAndLeaveCodesEmpty) {
  struct Case {
    const char* module;
    const char* message;
  } cases[] = {
      {"quiz_no105.dll", "Codes non trouvés."},
      {"quiz_empty105.dll", "Codes non renseignés."},
      {"quiz_cut105.dll", "Erreur dans le décryptage des codes"},
      {"quiz_short105.dll", "Erreur dans le décryptage des codes"},
  };
  for (const Case& c : cases) {
    QuizDefinition quiz;
    Loaded loaded = LoadFrom(c.module, quiz);
    EXPECT_EQ(loaded.messages, Texts{c.message}) << c.module;
    EXPECT_EQ(loaded.titles, Texts{"Brela"});
    ExpectSampleQuestions(quiz);
    ExpectNoCodes(quiz);
    EXPECT_EQ(BrushColour(quiz.backgroundBrush), quiz.backgroundColour) << c.module;
  }
}
