// Class results: answers files read as the player reads them, graded as it grades them, and the
// pupils found in a class's folders.
#include "tools/authoring/class_results.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/tools/authoring/sample_quizzes.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Texts = std::vector<std::string>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The texts read, or the reason given when the bytes are refused.
struct Reading {
  bool read;
  Texts texts;
  std::string reason;
};

Reading Read(const std::string& bytes, int fieldCount) {
  Reading reading{false, {}, ""};
  reading.read = ReadAnswersFile(BytesOf(bytes), fieldCount, reading.texts, reading.reason);
  return reading;
}

TEST(ReadAnswersFile, OneLineAFieldEndedByCrLfOrLf) {
  EXPECT_EQ(Read("Paris\r\nRome\r\nBerne\r\n", 3).texts, (Texts{"Paris", "Rome", "Berne"}));
  EXPECT_EQ(Read("Paris\nRome\nBerne", 3).texts, (Texts{"Paris", "Rome", "Berne"}));
  EXPECT_EQ(Read("Paris\r\nRome\nBerne\r\n", 3).texts, (Texts{"Paris", "Rome", "Berne"}));
}

TEST(ReadAnswersFile, AStarIsAnEmptyFieldAndAMissingLineToo) {
  EXPECT_EQ(Read("*\r\nRome\r\n", 4).texts, (Texts{"", "Rome", "", ""}));
  EXPECT_EQ(Read("**\r\n *\r\n", 2).texts, (Texts{"**", " *"}));
  EXPECT_TRUE(Read("Paris\r\n", 90).read);
}

TEST(ReadAnswersFile, ALongLineIsCutAt259CharactersAndKeepsItsPlace) {
  const std::string longLine = std::string(259, 'a') + std::string(41, 'b');
  EXPECT_EQ(Read(longLine + "\r\nRome\r\n", 2).texts, (Texts{std::string(259, 'a'), "Rome"}));
}

TEST(ReadAnswersFile, CodePage1252BytesAreKept) {
  EXPECT_EQ(Read("\xE9l\xE8ve\r\n\x9C uf\r\n", 2).texts, (Texts{"\xE9l\xE8ve", "\x9C uf"}));
}

TEST(ReadAnswersFile, RefusesMoreLinesThanFields) {
  const Reading reading = Read("a\r\nb\r\nc\r\n", 2);
  EXPECT_FALSE(reading.read);
  EXPECT_EQ(reading.reason, "3 lignes pour 2 champs de réponse : ce n'est pas un fichier de "
                            "réponses de ce quiz");
  // An empty last line is a line.
  EXPECT_FALSE(Read("a\r\nb\r\n\r\n", 2).read);
}

TEST(ReadAnswersFile, RefusesAnEmptyFileAndControlBytes) {
  EXPECT_FALSE(Read("", 3).read);
  EXPECT_EQ(Read("", 3).reason, "le fichier est vide");
  const std::string binaries[] = {"MZ\x90\x00\x03"s, "a\x01\r\n", "\x7F", "a\x1A"};
  for (const std::string& binary : binaries) {
    const Reading reading = Read(binary, 3);
    EXPECT_FALSE(reading.read) << binary;
    EXPECT_EQ(reading.reason,
              "le fichier contient des caractères de contrôle : ce n'est pas un fichier de "
              "réponses");
  }
  // UTF-16, as Notepad saves "Unicode".
  EXPECT_FALSE(Read("\xFF\xFEP\0a\0"s, 3).read);
  EXPECT_TRUE(Read("a\tb\r\n", 3).read);
}

// The guide's grading table, one question a row, with its own code after each score.
QuizFile GuideQuiz() {
  const char* expected[] = {"Paris",       "chien",       "bateau",      "crocodile",
                            "élève",       "Émile",       "chocolat",    "chien",
                            "hippopotame", "hippopotame", "hippopotame", "les grandes vacances",
                            "chat",        "Paris"};
  QuizFile quiz;
  quiz.title = "Le guide";
  for (const char* answer : expected) {
    QuestionFile question;
    question.answer1 = answer;
    question.questionText = "?";
    quiz.questions.push_back(question);
    quiz.codes.push_back("code " + std::to_string(quiz.codes.size() + 1));
  }
  return quiz;
}

// What the guide's pupil types, in code page 1252, and the verdict the guide gives it.
struct GuideRow {
  const char* typed;
  const char* verdict;
};
const GuideRow GUIDE_ROWS[] = {
    {"  paris ", "BRAVO"},        {"niche", "Anagramme"},
    {"bateaux", "Quasiment"},     {"crocodi", "Presque"},
    {"eleve", "Presque"},         {"\xE9mile", "Quasiment"},
    {"chocolatine", "Trop long"}, {"le chien de garde", "Trop long"},
    {"hippopot", "Trop court"},   {"hippopo", "pas loin"},
    {"hippo", "FAUX"},            {"le grande vacance", "yade lidée"},
    {"chien", "FAUX"},            {"   ", "?"}};

fs::path WriteAnswers(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(GradeClass, GivesEachFieldTheGuidesVerdictAndTheScoreAndCodeOfTheSolvedQuestions) {
  const fs::path folder = FreshDirectory("class-results-guide");
  std::string typedByGuide;
  for (const GuideRow& row : GUIDE_ROWS) typedByGuide += std::string(row.typed) + "\r\n";
  const std::string allRight =
      "Paris\r\nchien\r\nbateau\r\ncrocodile\r\n\xE9l\xE8ve\r\n\xC9mile\r\nchocolat\r\nCHIEN\r\n"
      "hippopotame\r\nhippopotame\r\nhippopotame\r\nles grandes vacances\r\nchat\r\nparis\r\n";
  const std::vector<PupilFile> pupils = {
      {"Zoé", WriteAnswers(folder / "z.txt", typedByGuide)},
      {"Adam", WriteAnswers(folder / "a.txt", allRight)},
      {"Basile", WriteAnswers(folder / "b.txt", "*\r\nniche\n")},
      {"Vide", WriteAnswers(folder / "v.txt", "")}};
  QuizDefinition quiz;
  std::string problem;
  ASSERT_TRUE(PlayerQuizOfFile(GuideQuiz(), quiz, problem)) << problem;
  const ClassResults results = GradeClass(quiz, {pupils, {}});

  EXPECT_EQ(results.quizTitle, "Le guide");
  EXPECT_EQ(results.questionCount, 14);
  EXPECT_EQ(results.answersPerQuestion, 1);
  ASSERT_EQ(results.pupils.size(), 3u);
  EXPECT_EQ(results.pupils[0].name, "Adam");
  EXPECT_EQ(results.pupils[1].name, "Basile");
  EXPECT_EQ(results.pupils[2].name, "Zoé");
  ASSERT_EQ(results.leftOut.size(), 1u);
  EXPECT_EQ(results.leftOut[0].file, folder / "v.txt");
  EXPECT_EQ(results.leftOut[0].reason, "le fichier est vide");

  const PupilResult& adam = results.pupils[0];
  EXPECT_EQ(adam.score, 14);
  EXPECT_EQ(adam.code, "code 14");
  EXPECT_EQ(adam.fields[4].answer, "élève");
  EXPECT_EQ(adam.fields[5].answer, "Émile");
  for (const FieldResult& field : adam.fields) EXPECT_EQ(field.verdict, "BRAVO");
  for (bool solved : adam.solved) EXPECT_TRUE(solved);

  const PupilResult& zoe = results.pupils[2];
  ASSERT_EQ(zoe.fields.size(), 14u);
  for (std::size_t k = 0; k < zoe.fields.size(); ++k) {
    EXPECT_EQ(zoe.fields[k].verdict, GUIDE_ROWS[k].verdict) << "question " << k + 1;
  }
  EXPECT_EQ(zoe.fields[0].answer, "  paris ");  // restored as typed, graded trimmed
  EXPECT_EQ(zoe.fields[5].answer, "émile");
  EXPECT_EQ(zoe.score, 1);
  EXPECT_EQ(zoe.code, "code 1");
  EXPECT_TRUE(zoe.solved[0]);
  EXPECT_FALSE(zoe.solved[1]);

  const PupilResult& basile = results.pupils[1];
  EXPECT_EQ(basile.score, 0);
  EXPECT_EQ(basile.code, "");
  EXPECT_EQ(basile.fields[0].verdict, "?");
  EXPECT_EQ(basile.fields[1].verdict, "Anagramme");
  EXPECT_EQ(basile.fields[13].answer, "");
  EXPECT_EQ(basile.fields[13].verdict, "?");
}

TEST(GradeClass, AQuestionOfTwoAnswersIsSolvedOnlyWhenBothAreBravo) {
  QuizFile file;
  file.answersPerQuestion = 2;
  file.questions = {{"Paris", "France", "?", "", "", "", "", ""},
                    {"Rome", "Italie", "?", "", "", "", "", ""}};
  file.codes = {"UN", "DEUX"};
  const fs::path folder = FreshDirectory("class-results-two");
  const std::vector<PupilFile> pupils = {
      {"Léa", WriteAnswers(folder / "l.txt", "paris\r\nfrance\r\nrome\r\nitalia\r\n")}};
  QuizDefinition quiz;
  std::string problem;
  ASSERT_TRUE(PlayerQuizOfFile(file, quiz, problem)) << problem;
  const ClassResults results = GradeClass(quiz, {pupils, {}});
  ASSERT_EQ(results.pupils.size(), 1u);
  const PupilResult& lea = results.pupils[0];
  EXPECT_EQ(lea.score, 1);
  EXPECT_EQ(lea.code, "UN");
  EXPECT_EQ(lea.solved, (std::vector<bool>{true, false}));
  EXPECT_EQ(lea.fields[2].verdict, "BRAVO");
  EXPECT_EQ(lea.fields[3].verdict, "Quasiment");
}

TEST(GradeClass, AFileThatCannotBeReadIsLeftOutAfterTheClasssOwnAndTheOthersCount) {
  QuizDefinition quiz;
  std::string problem;
  ASSERT_TRUE(PlayerQuizOfFile(GuideQuiz(), quiz, problem));
  const fs::path folder = FreshDirectory("class-results-unreadable");
  fs::create_directory(folder / "dossier.txt");
  const ClassFiles files = {{{"Absent", folder / "absent.txt"},
                             {"Dossier", folder / "dossier.txt"},
                             {"Eve", WriteAnswers(folder / "eve.txt", "paris\r\n")}},
                            {{folder / "Paul", "le dossier ne contient aucun fichier .txt"}}};
  const ClassResults results = GradeClass(quiz, files);
  ASSERT_EQ(results.pupils.size(), 1u);
  EXPECT_EQ(results.pupils[0].score, 1);
  ASSERT_EQ(results.leftOut.size(), 3u);
  EXPECT_EQ(results.leftOut[0].file, folder / "Paul");
  EXPECT_EQ(results.leftOut[1].file, folder / "absent.txt");
  EXPECT_EQ(results.leftOut[1].reason, "le fichier ne peut pas être lu");
  EXPECT_EQ(results.leftOut[2].file, folder / "dossier.txt");
  EXPECT_EQ(results.leftOut[2].reason, "le fichier ne peut pas être lu");
}

TEST(PlayerQuizOfFile, AQuizWithoutQuestionsHasNothingToGrade) {
  QuizDefinition quiz;
  std::string problem;
  EXPECT_FALSE(PlayerQuizOfFile(QuizFile{}, quiz, problem));
  EXPECT_EQ(problem, "le quiz n'a aucune question");
}

TEST(ClassFilesOf, AFolderIsAClassOfTxtFilesAndOfSubFoldersWithOneTxt) {
  const fs::path folder = FreshDirectory("class-results-folders");
  WriteAnswers(folder / "Emma.txt", "a");
  WriteAnswers(folder / "Hugo.TXT", "a");
  WriteAnswers(folder / "notes.odt", "a");
  fs::create_directories(folder / "Noé Martin");
  WriteAnswers(folder / "Noé Martin" / "capitales.txt", "a");
  WriteAnswers(folder / "Noé Martin" / "capitales.exe", "MZ");
  fs::create_directories(folder / "Inès");
  WriteAnswers(folder / "Inès" / "capitales.txt", "a");
  WriteAnswers(folder / "Inès" / "ancien.txt", "a");
  fs::create_directories(folder / "Paul");
  WriteAnswers(folder / "Paul" / "capitales.exe", "MZ");
  const fs::path single = WriteAnswers(FreshDirectory("class-results-single") / "Luc.txt", "a");

  ClassFiles files = ClassFilesOf({folder, single});
  std::vector<PupilFile>& pupils = files.pupils;
  std::vector<LeftOutFile>& leftOut = files.leftOut;
  std::sort(pupils.begin(), pupils.end(),
            [](const PupilFile& a, const PupilFile& b) { return a.name < b.name; });
  ASSERT_EQ(pupils.size(), 4u);
  EXPECT_EQ(pupils[0].name, "Emma");
  EXPECT_EQ(pupils[0].file, folder / "Emma.txt");
  EXPECT_EQ(pupils[1].name, "Hugo");
  EXPECT_EQ(pupils[2].name, "Luc");
  EXPECT_EQ(pupils[2].file, single);
  EXPECT_EQ(pupils[3].name, "Noé Martin");
  EXPECT_EQ(pupils[3].file, folder / "Noé Martin" / "capitales.txt");

  std::sort(leftOut.begin(), leftOut.end(),
            [](const LeftOutFile& a, const LeftOutFile& b) { return a.file < b.file; });
  ASSERT_EQ(leftOut.size(), 2u);
  EXPECT_EQ(leftOut[0].file, folder / "Inès");
  EXPECT_EQ(leftOut[0].reason,
            "le dossier contient plusieurs fichiers .txt : laissez-y seulement celui de l'élève");
  EXPECT_EQ(leftOut[1].file, folder / "Paul");
  EXPECT_EQ(leftOut[1].reason, "le dossier ne contient aucun fichier .txt");
}

TEST(ComesBeforeInFrench, IgnoresCaseAndAccentsFirst) {
  const char* inOrder[] = {"Denis", "Émile", "emilie", "Fanny", "Œdipe", "Olivier",
                           "oscar", "Yann",  "zoé",    "Zoéline"};
  for (std::size_t i = 0; i + 1 < std::size(inOrder); ++i) {
    EXPECT_TRUE(ComesBeforeInFrench(inOrder[i], inOrder[i + 1])) << inOrder[i];
    EXPECT_FALSE(ComesBeforeInFrench(inOrder[i + 1], inOrder[i])) << inOrder[i];
  }
  // Alike but for accents or case: one order all the same, never both.
  EXPECT_NE(ComesBeforeInFrench("Eve", "Ève"), ComesBeforeInFrench("Ève", "Eve"));
  EXPECT_FALSE(ComesBeforeInFrench("Léa", "Léa"));
}

}  // namespace
