// Spreadsheets into quizzes: columns by their French names whatever the case and accents, the
// kind, answers and reveal mode that the columns give, refusals that name the row and column,
// and the cells of the check's problems.
#include "tools/authoring/spreadsheet_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "tools/authoring/quiz_check.h"

namespace {

namespace fs = std::filesystem;

QuizFile Import(const std::string& bytes, std::vector<Problem>& problems,
                SpreadsheetLayout* layout = nullptr,
                const fs::path& path = "/classe/Capitales d'Europe.csv") {
  return ImportSpreadsheet(bytes, path, problems, layout);
}

std::vector<std::string> Lines(const std::vector<Problem>& problems) {
  std::vector<std::string> lines;
  for (const Problem& problem : problems) lines.push_back(ProblemLine(problem));
  return lines;
}

TEST(SpreadsheetImportTest, AFrenchExcelSpreadsheetBecomesATextQuiz) {
  const std::string bytes =
      "Question;R\xE9ponse;Code\r\n"
      "Quelle est la capitale de l'\xC9gypte ?;Le Caire;D\xE9part\r\n"
      "\"Capitale du Japon ; en un mot\";Tokyo;\"L'\"\"arriv\351e\"\"\"\r\n"
      ";;\r\n";
  std::vector<Problem> problems;
  const QuizFile quiz = Import(bytes, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.kind, KIND_TEXT);
  EXPECT_EQ(quiz.title, "Capitales d'Europe");
  EXPECT_EQ(quiz.answersPerQuestion, 1);
  EXPECT_EQ(quiz.revealMode, REVEAL_NONE);
  ASSERT_EQ(quiz.questions.size(), 2u);
  EXPECT_EQ(quiz.questions[0].questionText, "Quelle est la capitale de l'Égypte ?");
  EXPECT_EQ(quiz.questions[0].answer1, "Le Caire");
  EXPECT_EQ(quiz.questions[1].questionText, "Capitale du Japon ; en un mot");
  EXPECT_EQ(quiz.codes, (std::vector<std::string>{"Départ", "L'\"arrivée\""}));
  EXPECT_TRUE(CheckQuizTexts(quiz, nullptr).empty());
}

struct Header {
  std::string header;
  std::string value;
  std::function<std::string(const QuizFile&)> field;
};

TEST(SpreadsheetImportTest, KnowsTheColumnsWhateverTheirCaseAndAccents) {
  const auto answer1 = [](const QuizFile& q) { return q.questions[0].answer1; };
  const auto answer2 = [](const QuizFile& q) { return q.questions[0].answer2; };
  const auto reveal = [](const QuizFile& q) { return q.questions[0].revealText; };
  const auto answerPicture = [](const QuizFile& q) { return q.questions[0].answerPicture; };
  const Header headers[] = {
      {"réponse", "a", answer1},
      {"RÉPONSE", "a", answer1},
      {"Reponse", "a", answer1},
      {"Re\u0301ponse", "a", answer1},
      {"réponse1", "a", answer1},
      {"Réponse 1", "a", answer1},
      {" réponse_1 ", "a", answer1},
      {"RÉPONSE2", "b", answer2},
      {"Révélation", "c", reveal},
      {"REVELATION", "c", reveal},
      {"Image réponse", "r.jpg", answerPicture},
      {"image-reponse", "r.jpg", answerPicture},
      {"IMAGE\u00A0RÉPONSE", "r.jpg", answerPicture},
  };
  for (const Header& h : headers) {
    const bool answerColumn = h.value == "a";
    const std::string bytes = "image;" + (answerColumn ? "" : std::string("réponse;")) + h.header +
                              "\r\np.jpg;" + (answerColumn ? "" : "x;") + h.value + "\r\n";
    std::vector<Problem> problems;
    const QuizFile quiz = Import(bytes, problems);
    EXPECT_TRUE(problems.empty()) << h.header << ": " << ProblemLine(problems.front());
    ASSERT_EQ(quiz.questions.size(), 1u) << h.header;
    EXPECT_EQ(h.field(quiz), h.value) << h.header;
  }
}

struct KindOfColumns {
  std::string header;
  QuizKind kind;
  int answers;
  RevealMode revealMode;
};

TEST(SpreadsheetImportTest, TheColumnsGiveTheKindAnswersAndRevealMode) {
  const KindOfColumns cases[] = {
      {"question;réponse", KIND_TEXT, 1, REVEAL_NONE},
      {"question;réponse;réponse2", KIND_TEXT, 2, REVEAL_NONE},
      {"image;réponse", KIND_PICTURE, 1, REVEAL_NONE},
      {"image;réponse;révélation", KIND_PICTURE, 1, REVEAL_TEXT},
      {"image;réponse;image réponse", KIND_PICTURE, 1, REVEAL_PICTURE},
      {"image;réponse;réponse2;image réponse;révélation", KIND_PICTURE, 2, REVEAL_TEXT_AND_PICTURE},
      {"son;réponse", KIND_AUDIO, 1, REVEAL_NONE},
      {"film;réponse;code", KIND_VIDEO, 1, REVEAL_NONE},
      // Reveals belong to picture quizzes: the check tells the texts it finds elsewhere.
      {"son;réponse;révélation", KIND_AUDIO, 1, REVEAL_NONE},
  };
  for (const KindOfColumns& c : cases) {
    std::string values = "v";
    for (char ch : c.header) values += ch == ';' ? ";v" : "";
    std::vector<Problem> problems;
    const QuizFile quiz = Import(c.header + "\r\n" + values + "\r\n", problems);
    EXPECT_TRUE(problems.empty()) << c.header;
    EXPECT_EQ(quiz.kind, c.kind) << c.header;
    EXPECT_EQ(quiz.answersPerQuestion, c.answers) << c.header;
    EXPECT_EQ(quiz.revealMode, c.revealMode) << c.header;
  }
}

TEST(SpreadsheetImportTest, EmptyRowsAndColumnsAreLeftOut) {
  const std::string bytes =
      ";;;\r\n"
      "question;réponse;réponse2;image;code;\r\n"
      ";;;;;\r\n"
      "Un ?;un;;;;\r\n"
      "   ;  ;;;;\r\n"
      "Deux ?;deux;;;;\r\n"
      ";;;;;\r\n";
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = Import(bytes, problems, &layout);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.kind, KIND_TEXT) << "an image column without a value";
  EXPECT_EQ(quiz.answersPerQuestion, 1) << "a réponse2 column without a value";
  ASSERT_EQ(quiz.questions.size(), 2u);
  EXPECT_EQ(quiz.questions[1].answer1, "deux");
  EXPECT_TRUE(quiz.codes.empty());
  EXPECT_EQ(layout.questionRows, (std::vector<int>{4, 6}));
}

// Tabs are blanks as spaces are: a cell of tabs is empty, in a file separated by ';'.
TEST(SpreadsheetImportTest, CellsOfTabsAreEmpty) {
  const std::string bytes =
      "question;réponse;image\r\n"
      "\t;\t ;\t\r\n"
      "Un ?;un;\t\t\r\n";
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = Import(bytes, problems, &layout);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.kind, KIND_TEXT) << "an image column of tabs";
  ASSERT_EQ(quiz.questions.size(), 1u);
  EXPECT_EQ(quiz.questions[0].picture, "");
  EXPECT_EQ(layout.questionRows, (std::vector<int>{3}));
}

// The answer column is the one that every quiz needs: kept when all its cells are empty, for the
// check to name each empty answer.
TEST(SpreadsheetImportTest, KeepsAnEmptyAnswerColumn) {
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = Import("question;réponse\r\nUn ?;\r\nDeux ?;\r\n", problems, &layout);
  EXPECT_TRUE(problems.empty());
  ASSERT_EQ(quiz.questions.size(), 2u);
  EXPECT_EQ(quiz.questions[1].answer1, "");
  EXPECT_EQ(SpreadsheetPlace(ErrorAt({2, "answer1", 0}, "m"), layout),
            "ligne 3, colonne B (réponse)");
}

TEST(SpreadsheetImportTest, TakesBlanksOffMediaPathsWithAWarning) {
  const std::string bytes =
      "image;réponse;image réponse\r\n"
      "images/lion.jpg ;lion;r.jpg\r\n"
      "images/chat.jpg;chat;\t r2.jpg\r\n";
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = Import(bytes, problems, &layout);
  ASSERT_EQ(quiz.questions.size(), 2u);
  EXPECT_EQ(quiz.questions[0].picture, "images/lion.jpg");
  EXPECT_EQ(quiz.questions[1].answerPicture, "r2.jpg");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].severity, PROBLEM_WARNING);
  EXPECT_EQ(SpreadsheetPlace(problems[0], layout) + " : " + problems[0].message,
            "ligne 2, colonne A (image) : « images/lion.jpg  » : les espaces autour du nom du "
            "fichier sont enlevés, car avec eux le fichier ne serait pas trouvé ; supprimez-les "
            "aussi dans le tableau");
  EXPECT_EQ(SpreadsheetPlace(problems[1], layout) + " : " + problems[1].message,
            "ligne 3, colonne C (image réponse) : « \t r2.jpg » : les espaces autour du nom du "
            "fichier sont enlevés, car avec eux le fichier ne serait pas trouvé ; supprimez-les "
            "aussi dans le tableau");
}

TEST(SpreadsheetImportTest, ReadsAnMsDosExportWithAWarning) {
  std::vector<Problem> problems;
  const QuizFile quiz = Import("Question;R\x82ponse\r\nM\x82tier ?;boulang\x8Are\r\n", problems);
  EXPECT_FALSE(HasErrors(problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].message.rfind("le tableau est enregistré en « CSV (MS-DOS) »", 0), 0u);
  ASSERT_EQ(quiz.questions.size(), 1u);
  EXPECT_EQ(quiz.questions[0].questionText, "Métier ?");
  EXPECT_EQ(quiz.questions[0].answer1, "boulangère");
}

TEST(SpreadsheetImportTest, RefusesColumnsItDoesNotKnowNamingRowAndColumn) {
  const std::string known =
      "question, réponse, réponse2, révélation, image, image réponse, son, film et code";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"question;réponse;code;Remarques\r\nq;r;c;à revoir\r\n",
       {"ligne 1, colonne D : « Remarques » n'est pas une colonne connue ; les colonnes sont " +
        known}},
      {"\r\n;;\r\nRéponse;question;reponse\r\nr;q;s\r\n",
       {"ligne 3, colonne C : « reponse » répète la colonne A (« Réponse ») ; gardez-en une "
        "seule"}},
      {"question;réponse\r\nq;r;oubli\r\n",
       {"ligne 1, colonne C : cette colonne a des valeurs mais pas de nom ; nommez-la (" + known +
        ") ou videz-la"}},
      {"question;code\r\nq;c\r\n",
       {"ligne 1 : il manque la colonne « réponse », qui donne la réponse attendue de chaque "
        "question"}},
      {"image;réponse;son\r\na.jpg;r;a.mp3\r\n",
       {"colonnes A et C : « image » et « son » ne vont pas ensemble ; un quiz montre des "
        "images, des sons ou des films"}},
      {";;\r\n\r\n",
       {"le tableau est vide : sa première ligne doit nommer les colonnes (" + known +
        "), puis une ligne par question"}},
  };
  for (const auto& c : cases) {
    std::vector<Problem> problems;
    Import(c.first, problems);
    EXPECT_EQ(Lines(problems), c.second) << c.first;
  }
}

TEST(SpreadsheetImportTest, TakesMediaPathsAsWindowsWritesThem) {
  std::vector<Problem> problems;
  const QuizFile quiz = Import(
      "image;réponse;image réponse\r\nphotos\\chat.jpg;chat;C:\\photos\\r.jpg\r\n", problems);
  EXPECT_EQ(quiz.questions[0].picture, "photos/chat.jpg");
  EXPECT_EQ(quiz.questions[0].answerPicture, "C:/photos/r.jpg");
}

TEST(SpreadsheetImportTest, TellsTheCellOfEachProblemThatTheCheckFinds) {
  const std::string bytes =
      "image;Réponse;code\r\n"
      "\r\n"
      "a.jpg;chat;un\r\n"
      "b.jpg; chien;deux\r\n";
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = Import(bytes, problems, &layout);
  ASSERT_TRUE(problems.empty());
  const std::pair<Problem, std::string> places[] = {
      {ErrorAt({2, "answer1", 0}, "m"), "ligne 4, colonne B (Réponse)"},
      {ErrorAt({1, "picture", 0}, "m"), "ligne 3, colonne A (image)"},
      {WarningAt({0, "codes", 2}, "m"), "ligne 4, colonne C (code)"},
      {WarningAt({0, "codes", 0}, "m"), "codes"},
      {ErrorAt({0, "title", 0}, "m"), "titre"},
      {ErrorAt({1, "revealText", 0}, "m"), "question 1, texte révélé"},
      {ErrorAt({3, "answer1", 0}, "m"), "question 3, réponse 1"},
  };
  for (const auto& place : places) {
    EXPECT_EQ(SpreadsheetPlace(place.first, layout), place.second) << place.second;
  }
  const std::vector<Problem> checked = CheckQuizTexts(quiz, nullptr);
  ASSERT_EQ(checked.size(), 1u);
  EXPECT_EQ(SpreadsheetPlace(checked[0], layout), "ligne 4, colonne B (Réponse)");
}

// The template that teachers start from: every column named, two example rows that make a valid
// quiz of written questions.
TEST(SpreadsheetImportTest, TheTemplateImportsIntoAValidQuiz) {
  std::ifstream in(BRELA_TEMPLATE_PATH, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_EQ(bytes.rfind("\xEF\xBB\xBFquestion;réponse;réponse2;révélation;image;image réponse;son;"
                        "film;code\r\n",
                        0),
            0u);
  std::vector<Problem> problems;
  const QuizFile quiz = ImportSpreadsheet(bytes, BRELA_TEMPLATE_PATH, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.title, "modele");
  EXPECT_EQ(quiz.kind, KIND_TEXT);
  EXPECT_EQ(quiz.questions.size(), 2u);
  EXPECT_TRUE(CheckQuizTexts(quiz, nullptr).empty());
}

TEST(SpreadsheetImportTest, MediaPathsFollowTheQuizFileToItsFolder) {
  QuizFile quiz;
  quiz.questions.push_back({});
  quiz.questions.push_back({});
  quiz.questions[0].picture = "images/chat.jpg";
  quiz.questions[0].answerPicture = "/photos/r.jpg";
  quiz.questions[1].sound = "../sons/miaou.mp3";
  RebaseMediaPaths(quiz, "/classe/tableaux", "/classe/quiz");
  EXPECT_EQ(quiz.questions[0].picture, "../tableaux/images/chat.jpg");
  EXPECT_EQ(quiz.questions[0].answerPicture, "/photos/r.jpg");
  EXPECT_EQ(quiz.questions[1].sound, "../sons/miaou.mp3");
  RebaseMediaPaths(quiz, "/classe/quiz", "/classe/quiz/sous-dossier");
  EXPECT_EQ(quiz.questions[0].picture, "../../tableaux/images/chat.jpg");
}

}  // namespace
