// The recovery file: what it holds and how it is read back, the question that offers it, and
// when it is written.
#include "tools/brelaedit/recovery.h"

#include <gtest/gtest.h>

namespace {

EditorDocument PictureQuizBeingEdited() {
  EditorDocument document;
  document.quiz.kind = KIND_PICTURE;
  document.quiz.title = "Capitales d'Europe";
  document.quiz.explanation = "Trouvez la capitale.\nÉcrivez-la sans article.";
  document.quiz.codes = {"A1", "B2"};
  QuestionFile question;
  question.picture = "images/italie.jpg";
  question.answer1 = "Rome";
  document.quiz.questions = {question, QuestionFile()};
  document.file = "/classe/capitales.json";
  document.mediaFolder = "/classe";
  document.dirty = true;
  return document;
}

TEST(RecoveryTest, TheTextNamesTheQuizFileAndMediaFolderBeforeTheQuiz) {
  const std::string text = RecoveryText(PictureQuizBeingEdited());
  const std::string head =
      "brelaedit récupération 1\nfichier=/classe/capitales.json\nmédias=/classe\n";
  ASSERT_EQ(text.compare(0, head.size(), head), 0) << text;
  EXPECT_EQ(text[head.size()], '{');
}

TEST(RecoveryTest, ATextReadBackIsTheDocumentAgainWithUnsavedChanges) {
  EditorDocument restored = NewDocument();
  ASSERT_TRUE(ReadRecoveryText(RecoveryText(PictureQuizBeingEdited()), restored));
  EXPECT_EQ(restored.quiz.kind, KIND_PICTURE);
  EXPECT_EQ(restored.quiz.title, "Capitales d'Europe");
  EXPECT_EQ(restored.quiz.explanation, "Trouvez la capitale.\nÉcrivez-la sans article.");
  EXPECT_EQ(restored.quiz.codes, (std::vector<std::string>{"A1", "B2"}));
  ASSERT_EQ(restored.quiz.questions.size(), 2u);
  EXPECT_EQ(restored.quiz.questions[0].picture, "images/italie.jpg");
  EXPECT_EQ(restored.quiz.questions[0].answer1, "Rome");
  EXPECT_EQ(restored.quiz.questions[1].answer1, "");
  EXPECT_EQ(restored.file, std::filesystem::path("/classe/capitales.json"));
  EXPECT_EQ(restored.mediaFolder, std::filesystem::path("/classe"));
  EXPECT_TRUE(restored.dirty);
  EXPECT_EQ(TitleBarText(restored), "capitales.json* - Éditeur de quiz brela");
}

TEST(RecoveryTest, AQuizNeverSavedComesBackWithoutAFileAndItsMediaFolder) {
  EditorDocument document = NewDocument();
  document.quiz.title = "Été";
  document.mediaFolder = "/tableurs été";
  EditorDocument restored;
  ASSERT_TRUE(ReadRecoveryText(RecoveryText(document), restored));
  EXPECT_TRUE(restored.file.empty());
  EXPECT_EQ(restored.mediaFolder.u8string(), "/tableurs été");
  EXPECT_EQ(restored.quiz.title, "Été");
  EXPECT_EQ(TitleBarText(restored), "Sans titre* - Éditeur de quiz brela");
}

TEST(RecoveryTest, AnythingElseIsNotReadAndLeavesTheDocumentAlone) {
  const std::string whole = RecoveryText(PictureQuizBeingEdited());
  const std::string texts[] = {
      "",
      "{\"title\": \"Capitales\"}",  // a quiz file is no recovery file
      "brelaedit récupération 1\n",
      "brelaedit récupération 2\nfichier=\nmédias=\n{}",
      "brelaedit récupération 1\nmédias=\nfichier=\n{}",
      "brelaedit récupération 1\nfichier=\nmédias=\n",
      "brelaedit récupération 1\nfichier=\nmédias=\n{\"titre\": \"Capitales\"}",
      whole.substr(0, whole.size() - 2),  // cut short
  };
  for (const std::string& text : texts) {
    EditorDocument document = NewDocument();
    EXPECT_FALSE(ReadRecoveryText(text, document)) << text;
    EXPECT_FALSE(document.dirty) << text;
    EXPECT_EQ(document.quiz.questions.size(), 1u) << text;
  }
}

TEST(RecoveryTest, TheQuestionNamesTheQuizFileAsTheTitleBarDoesAndItsTitle) {
  EXPECT_EQ(RecoveryQuestion(PictureQuizBeingEdited()),
            "Récupérer les modifications non enregistrées de « capitales.json » ?\n"
            "Titre du quiz : « Capitales d'Europe »\n\n"
            "Non : ces modifications sont effacées.");
  EXPECT_EQ(RecoveryQuestion(NewDocument()),
            "Récupérer les modifications non enregistrées de « Sans titre » ?\n\n"
            "Non : ces modifications sont effacées.");
}

TEST(RecoveryTest, TheFileIsDueOnceTypingPausesAndAtLeastEveryMinuteWhileItGoesOn) {
  RecoverySchedule schedule;
  NoteChange(schedule, 10000);
  EXPECT_EQ(RecoveryDelayMs(schedule, 10000), 2000u);
  NoteChange(schedule, 11500);  // typing goes on: the pause starts again
  EXPECT_EQ(RecoveryDelayMs(schedule, 11500), 2000u);
  EXPECT_EQ(RecoveryDelayMs(schedule, 13000), 500u);
  EXPECT_EQ(RecoveryDelayMs(schedule, 14000), 0u);

  // A key every second for more than a minute: due 60 s after the first change all the same.
  for (std::uint64_t now = 12000; now <= 69000; now += 1000) NoteChange(schedule, now);
  EXPECT_EQ(RecoveryDelayMs(schedule, 69000), 1000u);
  EXPECT_EQ(RecoveryDelayMs(schedule, 71000), 0u);

  // Written: the next change starts a new minute.
  NoteWritten(schedule);
  EXPECT_FALSE(schedule.pending);
  NoteChange(schedule, 71000);
  EXPECT_TRUE(schedule.pending);
  for (std::uint64_t now = 71000; now <= 129000; now += 1000) NoteChange(schedule, now);
  EXPECT_EQ(RecoveryDelayMs(schedule, 129000), 2000u);
  NoteChange(schedule, 130000);
  EXPECT_EQ(RecoveryDelayMs(schedule, 130000), 1000u);
}

}  // namespace
