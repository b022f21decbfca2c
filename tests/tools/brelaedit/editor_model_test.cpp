// The editor's document: edits, question list changes and their undo, dirty state, what the
// window shows, and where each problem of the check leads.
#include "tools/brelaedit/editor_model.h"

#include <gtest/gtest.h>

#include <set>

#include "tools/authoring/quiz_check.h"

namespace {

QuestionFile Question(const std::string& wording, const std::string& answer) {
  QuestionFile question;
  question.questionText = wording;
  question.answer1 = answer;
  return question;
}

// Three questions, saved: nothing to save yet.
EditorDocument ThreeQuestions() {
  QuizFile quiz;
  quiz.title = "Capitales";
  quiz.questions = {Question("France", "Paris"), Question("Italie", "Rome"),
                    Question("Espagne", "Madrid")};
  return DocumentOf(quiz, "/quiz/capitales.json");
}

std::vector<std::string> Answers(const EditorDocument& document) {
  std::vector<std::string> answers;
  for (const QuestionFile& question : document.quiz.questions) answers.push_back(question.answer1);
  return answers;
}

using Strings = std::vector<std::string>;

TEST(EditorModelTest, ANewQuizHasOneEmptyTextQuestionAndNothingToSave) {
  const EditorDocument document = NewDocument();
  EXPECT_EQ(document.quiz.kind, KIND_TEXT);
  ASSERT_EQ(document.quiz.questions.size(), 1u);
  EXPECT_EQ(document.quiz.questions[0].answer1, "");
  EXPECT_FALSE(document.dirty);
  EXPECT_TRUE(document.file.empty());
  EXPECT_EQ(TitleBarText(document), "Sans titre - Éditeur de quiz brela");
}

TEST(EditorModelTest, EditsReachTheirFieldAndOnlyAChangeMakesTheQuizDirty) {
  struct Edit {
    int question;
    EditorField field;
    const char* text;
    std::string QuizFile::*quizField;
    std::string QuestionFile::*questionField;
    const char* shown;  // media paths as Windows writes them
  };
  const Edit edits[] = {
      {-1, FIELD_TITLE, "Villes", &QuizFile::title, nullptr, "Villes"},
      {-1, FIELD_AUTHOR, "Mme Roux", &QuizFile::author, nullptr, "Mme Roux"},
      {-1, FIELD_EXPLANATION, "Tapez la capitale", &QuizFile::explanation, nullptr,
        "Tapez la capitale"},
      {-1, FIELD_ANSWER1_CAPTION, "Ville", &QuizFile::answer1Caption, nullptr, "Ville"},
      {-1, FIELD_ANSWER2_CAPTION, "Pays", &QuizFile::answer2Caption, nullptr, "Pays"},
      {1, FIELD_QUESTION_TEXT, "Portugal", nullptr, &QuestionFile::questionText, "Portugal"},
      {1, FIELD_ANSWER1, "Lisbonne", nullptr, &QuestionFile::answer1, "Lisbonne"},
      {2, FIELD_ANSWER2, "Séville", nullptr, &QuestionFile::answer2, "Séville"},
      {0, FIELD_REVEAL_TEXT, "Sur la Seine", nullptr, &QuestionFile::revealText, "Sur la Seine"},
      {0, FIELD_PICTURE, "images/paris.jpg", nullptr, &QuestionFile::picture, "images\\paris.jpg"},
      {0, FIELD_SOUND, "sons/paris.mp3", nullptr, &QuestionFile::sound, "sons\\paris.mp3"},
      {0, FIELD_FILM, "films/paris.avi", nullptr, &QuestionFile::film, "films\\paris.avi"},
      {0, FIELD_ANSWER_PICTURE, "images/tour.png", nullptr, &QuestionFile::answerPicture,
        "images\\tour.png"},
  };
  for (const Edit& edit : edits) {
    EditorDocument document = ThreeQuestions();
    if (edit.question < 0) {
      SetQuizText(document, edit.field, edit.text);
      EXPECT_EQ(document.quiz.*edit.quizField, edit.text);
    } else {
      SetQuestionText(document, edit.question, edit.field, edit.text);
      EXPECT_EQ(document.quiz.questions[edit.question].*edit.questionField, edit.text);
    }
    EXPECT_EQ(FieldText(document, edit.question, edit.field), edit.shown);
    EXPECT_TRUE(document.dirty) << edit.text;
    // The same text again is no change.
    MarkSaved(document, document.file);
    if (edit.question < 0) {
      SetQuizText(document, edit.field, edit.text);
    } else {
      SetQuestionText(document, edit.question, edit.field, edit.text);
    }
    EXPECT_FALSE(document.dirty) << edit.text;
  }
}

// A film in a picture quiz stays in its own field, shown beside the picture's, until emptied.
TEST(EditorModelTest, EachMediaHasItsOwnFieldShownWhileItHoldsAPath) {
  EditorDocument document = ThreeQuestions();
  SetKind(document, KIND_PICTURE);
  SetQuestionText(document, 2, FIELD_PICTURE, "media/q3.jpg");
  SetQuestionText(document, 2, FIELD_FILM, "media/q3.avi");
  EXPECT_EQ(document.quiz.questions[2].picture, "media/q3.jpg");
  EXPECT_EQ(document.quiz.questions[2].film, "media/q3.avi");
  EXPECT_EQ(document.quiz.questions[2].sound, "");
  EXPECT_TRUE(FieldShown(document.quiz, 2, FIELD_PICTURE));
  EXPECT_TRUE(FieldShown(document.quiz, 2, FIELD_FILM));
  EXPECT_FALSE(FieldShown(document.quiz, 2, FIELD_SOUND));
  EXPECT_FALSE(FieldShown(document.quiz, 1, FIELD_FILM));
  SetQuestionText(document, 2, FIELD_FILM, "");
  EXPECT_FALSE(FieldShown(document.quiz, 2, FIELD_FILM));
  EXPECT_EQ(FieldText(document, 2, FIELD_PICTURE), "media\\q3.jpg");
}

TEST(EditorModelTest, CodesAreOneALineWithoutTheEmptyLinesAfterTheLast) {
  struct Case {
    const char* text;
    Strings codes;
    const char* shown;
  };
  const Case cases[] = {
      {"", {}, ""},
      {"A1", {"A1"}, "A1"},
      {"A1\r\nB2\r\nC3", {"A1", "B2", "C3"}, "A1\r\nB2\r\nC3"},
      {"A1\nB2\n", {"A1", "B2"}, "A1\r\nB2"},
      {"A1\r\n\r\nC3\r\n\r\n", {"A1", "", "C3"}, "A1\r\n\r\nC3"},
  };
  for (const Case& c : cases) {
    EditorDocument document = ThreeQuestions();
    SetQuizText(document, FIELD_CODES, c.text);
    EXPECT_EQ(document.quiz.codes, c.codes) << c.text;
    EXPECT_EQ(FieldText(document, -1, FIELD_CODES), c.shown) << c.text;
  }
}

TEST(EditorModelTest, EditsOutsideTheListChangeNothing) {
  EditorDocument document = ThreeQuestions();
  SetQuestionText(document, 3, FIELD_ANSWER1, "Berlin");
  SetQuestionText(document, -1, FIELD_ANSWER1, "Berlin");
  EXPECT_EQ(Answers(document), (Strings{"Paris", "Rome", "Madrid"}));
  EXPECT_FALSE(document.dirty);
  EXPECT_EQ(FieldText(document, 5, FIELD_ANSWER1), "");
}

TEST(EditorModelTest, SettingsMarkTheQuizDirtyOnlyWhenTheyChange) {
  EditorDocument document = ThreeQuestions();
  SetKind(document, KIND_TEXT);
  SetAnswersPerQuestion(document, 1);
  SetRevealMode(document, REVEAL_NONE);
  SetBackgroundColour(document, 0x00FFFFFF);
  EXPECT_FALSE(document.dirty);
  SetBackgroundColour(document, 0x00336699);
  EXPECT_TRUE(document.dirty);
  EXPECT_EQ(document.quiz.backgroundColour, 0x00336699u);
}

TEST(EditorModelTest, InsertsAddsDeletesAndMovesQuestions) {
  struct Step {
    const char* what;
    int index;
    int expectedSelection;
    Strings expected;
  };
  // Each step starts from Paris, Rome, Madrid.
  const Step steps[] = {
      {"insert", 0, 0, {"", "Paris", "Rome", "Madrid"}},
      {"insert", 2, 2, {"Paris", "Rome", "", "Madrid"}},
      {"insert", 3, 3, {"Paris", "Rome", "Madrid", ""}},
      {"insert", 9, 3, {"Paris", "Rome", "Madrid", ""}},
      {"delete", 0, 0, {"Rome", "Madrid"}},
      {"delete", 1, 1, {"Paris", "Madrid"}},
      {"delete", 2, 1, {"Paris", "Rome"}},
      {"up", 1, 0, {"Rome", "Paris", "Madrid"}},
      {"up", 0, 0, {"Paris", "Rome", "Madrid"}},
      {"down", 1, 2, {"Paris", "Madrid", "Rome"}},
      {"down", 2, 2, {"Paris", "Rome", "Madrid"}},
  };
  for (const Step& step : steps) {
    EditorDocument document = ThreeQuestions();
    const std::string what = step.what;
    int selection = -1;
    if (what == "insert") selection = InsertQuestion(document, step.index);
    if (what == "delete") selection = DeleteQuestion(document, step.index);
    if (what == "up") selection = MoveQuestion(document, step.index, -1);
    if (what == "down") selection = MoveQuestion(document, step.index, +1);
    EXPECT_EQ(Answers(document), step.expected) << what << " " << step.index;
    EXPECT_EQ(selection, step.expectedSelection) << what << " " << step.index;
    const bool changed = step.expected != Strings{"Paris", "Rome", "Madrid"};
    EXPECT_EQ(document.dirty, changed) << what << " " << step.index;
  }
}

TEST(EditorModelTest, DeletingTheLastQuestionLeavesNoSelection) {
  EditorDocument document = ThreeQuestions();
  document.quiz.questions.resize(1);
  EXPECT_EQ(DeleteQuestion(document, 0), -1);
  EXPECT_TRUE(document.quiz.questions.empty());
  EXPECT_EQ(DeleteQuestion(document, 0), -1);
  EXPECT_EQ(UndoDeletion(document), 0);
  EXPECT_EQ(Answers(document), Strings{"Paris"});
}

TEST(EditorModelTest, UndoPutsDeletedQuestionsBackWhereTheyWereLastFirst) {
  EditorDocument document = ThreeQuestions();
  document.quiz.questions[1].answer2 = "Milan";
  EXPECT_FALSE(CanUndoDeletion(document));
  EXPECT_EQ(UndoDeletion(document), -1);
  DeleteQuestion(document, 1);
  DeleteQuestion(document, 0);
  EXPECT_EQ(Answers(document), Strings{"Madrid"});
  EXPECT_TRUE(CanUndoDeletion(document));
  EXPECT_EQ(UndoDeletion(document), 0);
  EXPECT_EQ(Answers(document), (Strings{"Paris", "Madrid"}));
  EXPECT_EQ(UndoDeletion(document), 1);
  EXPECT_EQ(Answers(document), (Strings{"Paris", "Rome", "Madrid"}));
  EXPECT_EQ(document.quiz.questions[1].answer2, "Milan");
  EXPECT_FALSE(CanUndoDeletion(document));
}

TEST(EditorModelTest, UndoAfterTheListShrankPutsTheQuestionAtTheEnd) {
  EditorDocument document = ThreeQuestions();
  DeleteQuestion(document, 2);
  document.quiz.questions.pop_back();
  EXPECT_EQ(UndoDeletion(document), 1);
  EXPECT_EQ(Answers(document), (Strings{"Paris", "Madrid"}));
}

TEST(EditorModelTest, TheTitleBarNamesTheFileAndMarksUnsavedChanges) {
  EditorDocument document = ThreeQuestions();
  EXPECT_EQ(TitleBarText(document), "capitales.json - Éditeur de quiz brela");
  SetQuizText(document, FIELD_TITLE, "Capitales d'Europe");
  EXPECT_EQ(TitleBarText(document), "capitales.json* - Éditeur de quiz brela");
  MarkSaved(document, "/ailleurs/été.json");
  EXPECT_EQ(TitleBarText(document), "été.json - Éditeur de quiz brela");
  EXPECT_EQ(document.file, std::filesystem::path("/ailleurs/été.json"));
  const EditorDocument imported = DocumentOf(document.quiz, "");
  EXPECT_EQ(TitleBarText(imported), "Sans titre - Éditeur de quiz brela");
}

TEST(EditorModelTest, QuestionRowsShowTheWordingOrTheMediaNameAndTheAnswers) {
  struct Case {
    QuizKind kind;
    int answers;
    const char* wording;
    const char* answersText;
  };
  const Case cases[] = {
      {KIND_TEXT, 1, "France ?", "Paris"},     {KIND_TEXT, 2, "France ?", "Paris / Seine"},
      {KIND_PICTURE, 1, "paris.jpg", "Paris"}, {KIND_AUDIO, 2, "cloche.mp3", "Paris / Seine"},
      {KIND_VIDEO, 1, "vue.avi", "Paris"},
  };
  for (const Case& c : cases) {
    QuizFile quiz;
    quiz.kind = c.kind;
    quiz.answersPerQuestion = c.answers;
    QuestionFile question = Question("France ?", "Paris");
    question.answer2 = "Seine";
    question.picture = "images/paris.jpg";
    question.sound = "sons\\cloche.mp3";
    question.film = "vue.avi";
    quiz.questions = {QuestionFile{}, question};
    const QuestionRow row = QuestionRowOf(quiz, 1);
    EXPECT_EQ(row.number, "2");
    EXPECT_EQ(row.wording, c.wording);
    EXPECT_EQ(row.answers, c.answersText);
  }
}

// Which fields each kind, answer count and reveal mode shows, written out by hand: q text,
// answer 2, reveal text, the kind's own media, answer picture, captions, reveal mode.
TEST(EditorModelTest, TheKindAnswersAndRevealModeShowOnlyTheFieldsTheyUse) {
  struct Case {
    QuizKind kind;
    int answers;
    RevealMode mode;
    bool questionText, answer2, revealText, media, answerPicture, captions, revealMode;
  };
  const Case cases[] = {
      {KIND_TEXT, 1, REVEAL_NONE, true, false, false, false, false, false, false},
      {KIND_TEXT, 2, REVEAL_NONE, true, true, false, false, false, true, false},
      {KIND_PICTURE, 1, REVEAL_NONE, false, false, false, true, false, false, true},
      {KIND_PICTURE, 1, REVEAL_PICTURE, false, false, false, true, true, false, true},
      {KIND_PICTURE, 1, REVEAL_TEXT, false, false, true, true, false, false, true},
      {KIND_PICTURE, 2, REVEAL_TEXT_AND_PICTURE, false, true, true, true, true, true, true},
      {KIND_PICTURE, 1, REVEAL_TEXTS_AT_END, false, false, true, true, false, false, true},
      {KIND_AUDIO, 1, REVEAL_NONE, false, false, false, true, false, false, false},
      {KIND_VIDEO, 2, REVEAL_NONE, false, true, false, true, false, true, false},
      // A mode that only a picture quiz uses stays visible, to be set back.
      {KIND_AUDIO, 1, REVEAL_TEXT, false, false, false, true, false, false, true},
  };
  for (const Case& c : cases) {
    QuizFile quiz;
    quiz.kind = c.kind;
    quiz.answersPerQuestion = c.answers;
    quiz.revealMode = c.mode;
    quiz.questions = {QuestionFile{}};
    const std::string label =
        std::to_string(c.kind) + "/" + std::to_string(c.answers) + "/" + std::to_string(c.mode);
    EXPECT_EQ(FieldShown(quiz, 0, FIELD_QUESTION_TEXT), c.questionText) << label;
    EXPECT_TRUE(FieldShown(quiz, 0, FIELD_ANSWER1)) << label;
    EXPECT_EQ(FieldShown(quiz, 0, FIELD_ANSWER2), c.answer2) << label;
    EXPECT_EQ(FieldShown(quiz, 0, FIELD_REVEAL_TEXT), c.revealText) << label;
    const EditorField ownMedia = c.kind == KIND_PICTURE ? FIELD_PICTURE
                                 : c.kind == KIND_AUDIO ? FIELD_SOUND
                                                        : FIELD_FILM;
    for (EditorField media : {FIELD_PICTURE, FIELD_SOUND, FIELD_FILM}) {
      EXPECT_EQ(FieldShown(quiz, 0, media), c.media && media == ownMedia) << label << " " << media;
    }
    EXPECT_EQ(FieldShown(quiz, 0, FIELD_ANSWER_PICTURE), c.answerPicture) << label;
    EXPECT_EQ(FieldShown(quiz, -1, FIELD_ANSWER1_CAPTION), c.captions) << label;
    EXPECT_EQ(FieldShown(quiz, -1, FIELD_ANSWER2_CAPTION), c.captions) << label;
    EXPECT_EQ(FieldShown(quiz, -1, FIELD_REVEAL_MODE), c.revealMode) << label;
    EXPECT_TRUE(FieldShown(quiz, -1, FIELD_TITLE)) << label;
    EXPECT_FALSE(FieldShown(quiz, 1, FIELD_ANSWER1)) << label;
  }
}

TEST(EditorModelTest, AKindChangeKeepsWhatTheNewKindDoesNotUseAndShowsItUntilEmptied) {
  EditorDocument document = ThreeQuestions();
  SetAnswersPerQuestion(document, 2);
  SetQuestionText(document, 0, FIELD_ANSWER2, "Seine");
  SetKind(document, KIND_PICTURE);
  SetAnswersPerQuestion(document, 1);
  // The wording and the second answer stay in the record, and their fields stay shown.
  EXPECT_EQ(document.quiz.questions[0].questionText, "France");
  EXPECT_EQ(document.quiz.questions[0].answer2, "Seine");
  EXPECT_TRUE(FieldShown(document.quiz, 0, FIELD_QUESTION_TEXT));
  EXPECT_TRUE(FieldShown(document.quiz, 0, FIELD_ANSWER2));
  EXPECT_FALSE(FieldShown(document.quiz, 0 + 1, FIELD_ANSWER2));
  SetQuestionText(document, 0, FIELD_QUESTION_TEXT, "");
  EXPECT_FALSE(FieldShown(document.quiz, 0, FIELD_QUESTION_TEXT));
}

TEST(EditorModelTest, MediaThatTheKindCannotShowAreEmptiedOnlyWhenAsked) {
  EditorDocument document = ThreeQuestions();
  SetKind(document, KIND_AUDIO);
  SetQuestionText(document, 0, FIELD_SOUND, "sons/a.mp3");
  SetQuestionText(document, 1, FIELD_SOUND, "sons/b.mp3");
  SetKind(document, KIND_PICTURE);
  SetQuestionText(document, 1, FIELD_PICTURE, "images/b.jpg");
  SetQuestionText(document, 1, FIELD_ANSWER_PICTURE, "images/b2.jpg");
  EXPECT_EQ(document.quiz.questions[0].sound, "sons/a.mp3");
  MarkSaved(document, document.file);
  EXPECT_EQ(ClearUnusedMedia(document), 2);
  EXPECT_TRUE(document.dirty);
  EXPECT_EQ(document.quiz.questions[0].sound, "");
  EXPECT_EQ(document.quiz.questions[1].sound, "");
  EXPECT_EQ(document.quiz.questions[1].picture, "images/b.jpg");
  EXPECT_EQ(document.quiz.questions[1].answerPicture, "images/b2.jpg");
  MarkSaved(document, document.file);
  EXPECT_EQ(ClearUnusedMedia(document), 0);
  EXPECT_FALSE(document.dirty);
}

TEST(EditorModelTest, EveryProblemLeadsToItsQuestionAndField) {
  struct Case {
    int question;
    const char* key;
    int expectedQuestion;
    EditorField expectedField;
  };
  const Case cases[] = {
      {0, "title", -1, FIELD_TITLE},
      {0, "author", -1, FIELD_AUTHOR},
      {0, "explanation", -1, FIELD_EXPLANATION},
      {0, "kind", -1, FIELD_KIND},
      {0, "answersPerQuestion", -1, FIELD_ANSWERS_PER_QUESTION},
      {0, "answer1Caption", -1, FIELD_ANSWER1_CAPTION},
      {0, "answer2Caption", -1, FIELD_ANSWER2_CAPTION},
      {0, "revealMode", -1, FIELD_REVEAL_MODE},
      {0, "backgroundColour", -1, FIELD_BACKGROUND_COLOUR},
      {0, "codes", -1, FIELD_CODES},
      {0, "questions", -1, FIELD_QUESTIONS},
      {0, "", -1, FIELD_NONE},
      {0, "colour", -1, FIELD_NONE},
      {3, "questionText", 2, FIELD_QUESTION_TEXT},
      {1, "answer1", 0, FIELD_ANSWER1},
      {90, "answer2", 89, FIELD_ANSWER2},
      {4, "revealText", 3, FIELD_REVEAL_TEXT},
      {5, "picture", 4, FIELD_PICTURE},
      {5, "sound", 4, FIELD_SOUND},
      {5, "film", 4, FIELD_FILM},
      {6, "answerPicture", 5, FIELD_ANSWER_PICTURE},
      {7, "", 6, FIELD_QUESTIONS},
      {7, "hint", 6, FIELD_QUESTIONS},
  };
  for (const Case& c : cases) {
    const ProblemTarget target = TargetOfProblem(ErrorAt({c.question, c.key, 0}, "m"));
    EXPECT_EQ(target.question, c.expectedQuestion) << c.key;
    EXPECT_EQ(target.field, c.expectedField) << c.key;
  }
  const ProblemTarget code = TargetOfProblem(WarningAt({0, "codes", 4}, "m"));
  EXPECT_EQ(code.field, FIELD_CODES);
}

TEST(EditorModelTest, TheDefaultExecutableNameIsTheTitleThatWindowsAccepts) {
  struct Case {
    const char* title;
    const char* name;
  };
  const Case cases[] = {
      {"Capitales d'Europe", "Capitales d'Europe.exe"},
      {"Été : les fleurs", "Été _ les fleurs.exe"},
      {"A/B\\C*D?E\"F<G>H|I", "A_B_C_D_E_F_G_H_I.exe"},
      {"Tab\there", "Tab_here.exe"},
      {"  Quiz.  ", "Quiz.exe"},
      {"...", "quiz.exe"},
      {"", "quiz.exe"},
      {"CON", "CON_.exe"},
      {"lpt1", "lpt1_.exe"},
      {"COM10", "COM10.exe"},
      {"Console", "Console.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(DefaultExecutableName(c.title), c.name) << c.title;
}

TEST(EditorModelTest, AnOwnedNameNamesTheEditorThatMadeItAndNoOtherNameDoes) {
  EXPECT_EQ(OwnedName(4321, 7), "brelaedit-4321-7");
  EXPECT_EQ(OwnedName(4321, 7, ".recup"), "brelaedit-4321-7.recup");
  struct Case {
    const char* name;
    unsigned long owner;
  };
  const Case cases[] = {
      {"brelaedit-4321-7", 4321},
      {"brelaedit-8-123", 8},
      {"brelaedit-4321-", 0},
      {"brelaedit--7", 0},
      {"brelaedit-43a1-7", 0},
      {"brelaedit-4321-7x", 0},
      {"brelaedit-4321", 0},
      {"brelaedit-process", 0},
      {"brelaedit-1234567890-1", 0},  // more digits than a process id has
      {"Brelaedit-4321-7", 0},
      {"quiz-4321-7", 0},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(NameOwner(c.name), c.owner) << c.name;
  // With an extension: the name must end with it, and what stands before is read alike.
  const Case withExtension[] = {
      {"brelaedit-4321-7.recup", 4321},
      {"brelaedit-4321-7", 0},
      {"brelaedit-4321-7.recup.illisible", 0},
      {"brelaedit-4321-.recup", 0},
      {"brelaedit.recup", 0},
      {".recup", 0},
  };
  for (const Case& c : withExtension) EXPECT_EQ(NameOwner(c.name, ".recup"), c.owner) << c.name;
}

}  // namespace

namespace {

TEST(EditorModelTest, SavingElsewhereKeepsMediaPathsLeadingToTheSameFiles) {
  QuizFile quiz;
  quiz.kind = KIND_PICTURE;
  quiz.questions.resize(2);
  quiz.questions[0].picture = "images/a.jpg";
  quiz.questions[1].picture = "/photos/b.jpg";
  quiz.questions[1].answerPicture = "../commun/c.png";
  // Imported from /classe/tableaux/villes.csv: no quiz file yet.
  EditorDocument document = DocumentOf(quiz, "", "/classe/tableaux");
  EXPECT_EQ(document.mediaFolder, std::filesystem::path("/classe/tableaux"));
  MoveQuizFile(document, "/classe/villes.json");
  EXPECT_EQ(document.file, std::filesystem::path("/classe/villes.json"));
  EXPECT_EQ(document.mediaFolder, std::filesystem::path("/classe"));
  EXPECT_EQ(document.quiz.questions[0].picture, "tableaux/images/a.jpg");
  // Named in full on the same drive: named from the quiz's folder from now on.
  EXPECT_EQ(document.quiz.questions[1].picture, "../photos/b.jpg");
  EXPECT_EQ(document.quiz.questions[1].answerPicture, "commun/c.png");
  // Saved again in the same folder: nothing moves.
  MoveQuizFile(document, "/classe/villes2.json");
  EXPECT_EQ(document.quiz.questions[0].picture, "tableaux/images/a.jpg");
}

TEST(EditorModelTest, ANewQuizNamesItsMediaFromItsFolderOnceSaved) {
  EditorDocument document = NewDocument();
  SetKind(document, KIND_PICTURE);
  SetQuestionText(document, 0, FIELD_PICTURE,
                  MediaPathFor(document, std::filesystem::u8path("/maison/classe/italie.jpg")));
  EXPECT_EQ(document.quiz.questions[0].picture, "/maison/classe/italie.jpg");
  MoveQuizFile(document, "/maison/classe/q.json");
  EXPECT_EQ(document.quiz.questions[0].picture, "italie.jpg");
  MoveQuizFile(document, "/maison/autre/q.json");
  EXPECT_EQ(document.quiz.questions[0].picture, "../classe/italie.jpg");
}

TEST(EditorModelTest, MediaPathsShowWindowsSeparatorsAndAreStoredWithSlashes) {
  EditorDocument document = ThreeQuestions();
  SetQuestionText(document, 1, FIELD_SOUND, "sons\\été\\a.mp3");
  EXPECT_EQ(document.quiz.questions[1].sound, "sons/été/a.mp3");
  EXPECT_EQ(FieldText(document, 1, FIELD_SOUND), "sons\\été\\a.mp3");
  // Texts that are not paths keep their backslashes.
  SetQuestionText(document, 1, FIELD_ANSWER1, "a\\b");
  EXPECT_EQ(FieldText(document, 1, FIELD_ANSWER1), "a\\b");
  EXPECT_EQ(ShownPath("../images/a.jpg"), "..\\images\\a.jpg");
}

TEST(EditorModelTest, ChosenMediaAreNamedFromTheQuizFolder) {
  struct Case {
    const char* folder;
    const char* chosen;
    const char* path;
  };
  const Case cases[] = {
      {"/classe", "/classe/images/a.jpg", "images/a.jpg"},
      {"/classe", "/classe/a.jpg", "a.jpg"},
      {"/classe/quiz", "/classe/images/été.jpg", "../images/été.jpg"},
      {"", "/photos/a.jpg", "/photos/a.jpg"},
  };
  for (const Case& c : cases) {
    EditorDocument document = NewDocument();
    document.mediaFolder = c.folder;
    EXPECT_EQ(MediaPathFor(document, std::filesystem::u8path(c.chosen)), c.path) << c.chosen;
  }
}

TEST(EditorModelTest, AProblemNamesItsMediaPathWithWindowsSeparators) {
  EditorDocument document = ThreeQuestions();
  SetQuestionText(document, 1, FIELD_PICTURE, "images/été/a.jpg");
  SetQuestionText(document, 1, FIELD_ANSWER1, "Paris / Lyon");
  const Problem missing = ErrorAt(
      {2, "picture", 0},
      "le fichier « images/été/a.jpg » est introuvable (cherché en « "
      "C:\\x\\images\\été\\a.jpg »)");
  EXPECT_EQ(ShownProblemMessage(document.quiz, missing),
            "le fichier « images\\été\\a.jpg » est introuvable (cherché en « "
            "C:\\x\\images\\été\\a.jpg »)");
  const Problem answer = ErrorAt({2, "answer1", 0}, "« Paris / Lyon » est trop long");
  EXPECT_EQ(ShownProblemMessage(document.quiz, answer), "« Paris / Lyon » est trop long");
}

TEST(EditorModelTest, AProblemInFullWritesItsSeverityPlaceAndShownMessage) {
  EditorDocument document = ThreeQuestions();
  SetQuestionText(document, 1, FIELD_PICTURE, "images/a.jpg");
  const Problem missing = ErrorAt({2, "picture", 0}, "le fichier « images/a.jpg » est introuvable");
  EXPECT_EQ(ProblemDetailText(document.quiz, missing),
            "Erreur — question 2, image : le fichier « images\\a.jpg » est introuvable");
  const Problem code = WarningAt({0, "codes", 3}, "trop large");
  EXPECT_EQ(ProblemDetailText(document.quiz, code), "Avertissement — code 3 : trop large");
  const Problem file = ErrorAt({0, "", 0}, "illisible");
  EXPECT_EQ(ProblemDetailText(document.quiz, file), "Erreur — fichier : illisible");
}

TEST(EditorModelTest, TheErrorsLeftAgreeWithTheirCount) {
  EXPECT_EQ(ErrorsLeftText(1),
            "Le quiz a encore 1 erreur : corrigez-la d'après la liste des problèmes (un "
            "double-clic y mène).");
  EXPECT_EQ(ErrorsLeftText(4),
            "Le quiz a encore 4 erreurs : corrigez-les d'après la liste des problèmes (un "
            "double-clic mène à chacune).");
}

TEST(EditorModelTest, TheStatusBarCountsErrorsAndWarningsInFrench) {
  const Problem error = ErrorAt({1, "answer1", 0}, "m");
  const Problem warning = WarningAt({0, "codes", 0}, "m");
  struct Case {
    std::vector<Problem> problems;
    const char* text;
  };
  const Case cases[] = {
      {{}, "Aucun problème : le quiz est prêt"},
      {{error}, "1 erreur, 0 avertissement"},
      {{warning}, "0 erreur, 1 avertissement"},
      {{error, error, warning}, "2 erreurs, 1 avertissement"},
      {{error, warning, warning, warning}, "1 erreur, 3 avertissements"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProblemCountText(c.problems), c.text);
}

TEST(EditorModelTest, AQuizExecutableIsReadIntoTheFirstFreeFolderNamedAfterIt) {
  std::set<std::string> taken;
  const auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
  EXPECT_EQ(FreeFolderName("drapeaux.exe", isTaken), "drapeaux");
  taken = {"drapeaux"};
  EXPECT_EQ(FreeFolderName("drapeaux.exe", isTaken), "drapeaux (2)");
  taken = {"drapeaux", "drapeaux (2)", "drapeaux (3)"};
  EXPECT_EQ(FreeFolderName("drapeaux.exe", isTaken), "drapeaux (4)");
  taken = {"drapeaux (2)"};
  EXPECT_EQ(FreeFolderName("drapeaux.exe", isTaken), "drapeaux") << "a gap is not filled first";
  taken = {};
  EXPECT_EQ(FreeFolderName("g\xC3\xA9o.ce2.exe", isTaken), "g\xC3\xA9o.ce2");
}

// Where each problem of a check lies, as the list names it.
std::vector<std::string> Places(const std::vector<Problem>& problems) {
  std::vector<std::string> places;
  for (const Problem& problem : problems) places.push_back(ProblemPlace(problem));
  return places;
}

TEST(EditorModelTest, ABlankQuizHoldsBackItsEmptyFieldsUntilTheyAreLeft) {
  EditorDocument document = NewDocument();
  InsertQuestion(document, 1);
  const std::vector<Problem> problems = CheckQuizTexts(document.quiz, {});
  ASSERT_EQ(Places(problems),
            (Strings{"titre", "codes", "question 1, réponse 1", "question 1, énoncé",
                     "question 2, réponse 1", "question 2, énoncé"}));
  EmptyFieldReporting reporting;
  EXPECT_TRUE(ReportedProblems(document, reporting, problems).empty());
  NoteFieldLeft(reporting, -1, FIELD_TITLE);
  NoteFieldLeft(reporting, 1, FIELD_ANSWER1);
  NoteFieldLeft(reporting, 1, FIELD_ANSWER1);
  EXPECT_EQ(Places(ReportedProblems(document, reporting, problems)),
            (Strings{"titre", "question 2, réponse 1"}));
  NoteFieldLeft(reporting, -1, FIELD_CODES);
  EXPECT_EQ(Places(ReportedProblems(document, reporting, problems)),
            (Strings{"titre", "codes", "question 2, réponse 1"}));
  reporting.everyField = true;
  EXPECT_EQ(ReportedProblems(document, reporting, problems).size(), problems.size());
}

TEST(EditorModelTest, OnlyTheProblemsOfEmptyFieldsAreHeldBack) {
  EditorDocument document = NewDocument();
  SetQuizText(document, FIELD_TITLE, "G\xC3\xA9o|graphie");
  SetQuizText(document, FIELD_CODES, "A1");
  SetQuestionText(document, 0, FIELD_ANSWER1, "   ");
  const std::vector<Problem> problems = CheckQuizTexts(document.quiz, {});
  ASSERT_EQ(Places(problems),
            (Strings{"titre", "question 1, réponse 1", "question 1, énoncé"}));
  // The bar in the title, and an answer of spaces (not empty), show at once.
  EXPECT_EQ(Places(ReportedProblems(document, EmptyFieldReporting(), problems)),
            (Strings{"titre", "question 1, réponse 1"}));
  EXPECT_FALSE(IsEmptyFieldProblem(document, ErrorAt({0, "kind", 0}, "type de quiz inconnu")));
  EXPECT_FALSE(IsEmptyFieldProblem(document, ErrorAt({0, "codes", 1}, "contient un tab")));
  EXPECT_TRUE(IsEmptyFieldProblem(document, ErrorAt({1, "questionText", 0}, "vide")));
  EXPECT_FALSE(IsEmptyFieldProblem(document, ErrorAt({1, "answer1", 0}, "que des espaces")));
  EXPECT_FALSE(IsEmptyFieldProblem(document, ErrorAt({3, "answer1", 0}, "no such question")));
}

TEST(EditorModelTest, AnEmptyMediaPathIsAnEmptyField) {
  EditorDocument document = NewDocument();
  SetKind(document, KIND_PICTURE);
  SetQuizText(document, FIELD_TITLE, "Drapeaux");
  SetQuestionText(document, 0, FIELD_ANSWER1, "France");
  const std::vector<Problem> problems = CheckQuizTexts(document.quiz, {});
  ASSERT_EQ(Places(problems), (Strings{"codes", "question 1, image"}));
  EXPECT_TRUE(ReportedProblems(document, EmptyFieldReporting(), problems).empty());
  EmptyFieldReporting reporting;
  NoteFieldLeft(reporting, 0, FIELD_PICTURE);
  EXPECT_EQ(Places(ReportedProblems(document, reporting, problems)),
            Strings{"question 1, image"});
}

TEST(EditorModelTest, WhileEmptyFieldsAreHeldBackTheQuizIsNotCalledReady) {
  const Problem error = ErrorAt({1, "answer1", 0}, "m");
  EXPECT_EQ(ReportedCountText({}, true), "Des champs obligatoires restent à remplir");
  EXPECT_EQ(ReportedCountText({}, false), "Aucun problème : le quiz est prêt");
  EXPECT_EQ(ReportedCountText({error}, true), "1 erreur, 0 avertissement");
}

TEST(EditorModelTest, TheFieldsLeftFollowTheirQuestionThroughTheList) {
  EmptyFieldReporting reporting;
  NoteFieldLeft(reporting, -1, FIELD_TITLE);
  NoteFieldLeft(reporting, 0, FIELD_ANSWER1);
  NoteFieldLeft(reporting, 2, FIELD_QUESTION_TEXT);
  const auto questions = [&] {
    std::vector<int> indexes;
    for (const ProblemTarget& left : reporting.left) indexes.push_back(left.question);
    return indexes;
  };
  FollowQuestionList(reporting, QUESTION_INSERTED, 1);
  EXPECT_EQ(questions(), (std::vector<int>{-1, 0, 3}));
  FollowQuestionList(reporting, QUESTION_SWAPPED_WITH_NEXT, 0);
  EXPECT_EQ(questions(), (std::vector<int>{-1, 1, 3}));
  FollowQuestionList(reporting, QUESTION_REMOVED, 1);
  EXPECT_EQ(questions(), (std::vector<int>{-1, 2})) << "the title stays, the answer goes";
  EXPECT_EQ(reporting.left[1].field, FIELD_QUESTION_TEXT);
  EXPECT_EQ(QuestionAfter(6, QUESTION_SWAPPED_WITH_NEXT, 4), 6);
}

}  // namespace
