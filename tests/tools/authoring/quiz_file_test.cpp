// Reading quiz files: the file's own problems with their places, values composed to NFC,
// defaults; and the written JSON, which reads back to the same record.
#include "tools/authoring/quiz_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/tools/authoring/sample_quizzes.h"

namespace {

using Json = nlohmann::json;
using Problems = std::vector<Problem>;

// "place : message" of each problem, errors and warnings alike, in order.
std::vector<std::string> Lines(const Problems& problems) {
  std::vector<std::string> lines;
  for (const Problem& problem : problems) lines.push_back(ProblemLine(problem));
  return lines;
}

std::vector<std::string> ReadingLines(const std::string& text, bool* readable = nullptr) {
  Problems problems;
  ReadQuizJson(text, problems, readable);
  return Lines(problems);
}

struct FileProblem {
  const char* name;
  std::string text;
  std::string problem;
  bool readable;
};

const char* const SAVE_AS_UTF8 =
    "enregistrez-le en UTF-8 : dans le Bloc-notes, menu Fichier > Enregistrer sous, "
    "Encodage : UTF-8";

TEST(QuizFileTest, TellsWhatIsWrongWithTheFileWhereItIs) {
  const FileProblem cases[] = {
      {"UTF-16 with its mark", std::string("\xFF\xFE{\0}\0", 6),
       std::string("le fichier est enregistré en UTF-16 (« Unicode »), que brela ne lit pas : ") +
           SAVE_AS_UTF8,
       false},
      {"saved as ANSI",
       "{\n  \"kind\": \"text\",\n  \"title\": \"Capitales d'Europe \xE9t\xE9\"\n}",
       std::string("le fichier n'est pas enregistré en UTF-8 mais sans doute en ANSI "
                   "(Windows-1252) : le caractère ligne 3, colonne 32 n'est pas de l'UTF-8 ; ") +
           SAVE_AS_UTF8,
       true},
      {"comma before a brace", "{\n  \"kind\": \"text\",\n}",
       "erreur de syntaxe JSON ligne 3, colonne 1 : une virgule en trop avant « } » : "
       "supprimez-la",
       false},
      {"comma before a bracket", "{\"codes\": [\"a\", ]}",
       "erreur de syntaxe JSON ligne 1, colonne 17 : une virgule en trop avant « ] » : "
       "supprimez-la",
       false},
      {"no comma between two fields", "{\n  \"kind\": \"text\"\n  \"title\": \"T\"\n}",
       "erreur de syntaxe JSON ligne 3, colonne 3 : il manque une virgule avant ce texte", false},
      {"apostrophes", "{'kind': 'text'}",
       "erreur de syntaxe JSON ligne 1, colonne 2 : les textes s'écrivent entre guillemets droits "
       "\", pas entre apostrophes",
       false},
      {"typographic quotes", "{\xE2\x80\x9Ckind\xE2\x80\x9D: 1}",
       "erreur de syntaxe JSON ligne 1, colonne 2 : les textes s'écrivent entre guillemets droits "
       "\", pas entre guillemets typographiques",
       false},
      {"line break in a text", "{\"title\": \"a\nb\"}",
       "erreur de syntaxe JSON ligne 1, colonne 13 : un texte entre guillemets ne peut pas "
       "contenir de retour à la ligne ni de tabulation",
       false},
      {"a number where a colon goes", "{\"kind\" 12}",
       "erreur de syntaxe JSON ligne 1, colonne 9 : vérifiez les guillemets, virgules, accolades "
       "et crochets à cet endroit",
       false},
      {"cut short", "{\n  \"kind\": \"text\"",
       "le fichier s'arrête avant la fin du quiz (ligne 2, colonne 17) : il manque sans doute un "
       "guillemet, une accolade } ou un crochet ] fermant",
       false},
      {"empty", " \r\n", "le fichier est vide : il doit contenir un quiz entre accolades { }",
       false},
      {"a list", "[1, 2]", "le fichier doit contenir un quiz entre accolades : { \"kind\": ... }",
       false},
      {"a number too large", "{\"kind\": \"text\", \"answersPerQuestion\": 1e999}",
       "un nombre du fichier est trop grand pour être lu : corrigez-le (les nombres d'un quiz "
       "sont petits : answersPerQuestion vaut 1 ou 2)",
       false},
      {"a spreadsheet saved as CSV", "question;r\xE9ponse\r\nq;r\r\n",
       "ce fichier est un tableau CSV, pas un fichier de quiz : importez-le pour en faire un quiz",
       false},
      {"a workbook", std::string("PK\x03\x04\x14\0\x06\0", 8),
       "ce fichier est un classeur Excel (.xlsx) ou LibreOffice (.ods), pas un tableau CSV : "
       "ouvrez-le et enregistrez la feuille en CSV UTF-8 (dans Excel : « Fichier > Enregistrer "
       "sous > CSV UTF-8 » ; dans LibreOffice : « Fichier > Enregistrer sous… > Texte CSV, jeu "
       "de caractères Unicode (UTF-8) »), puis importez le fichier .csv",
       false},
  };
  for (const FileProblem& c : cases) {
    bool readable = !c.readable;
    const std::vector<std::string> lines = ReadingLines(c.text, &readable);
    ASSERT_FALSE(lines.empty()) << c.name;
    EXPECT_EQ(lines.front(), c.problem) << c.name;
    EXPECT_EQ(readable, c.readable) << c.name;
  }
}

TEST(QuizFileTest, ReadsAFileSavedAsAnsiAsWindows1252) {
  Problems problems;
  const QuizFile quiz = ReadQuizJson(
      "{\"kind\": \"text\", \"title\": \"\xC9t\xE9 \x96 \x80\", \"questions\": []}", problems);
  EXPECT_EQ(problems.size(), 1u);
  EXPECT_EQ(quiz.title, "Été – €");
}

struct FieldProblem {
  const char* name;
  std::function<void(Json&)> change;
  std::string problem;
};

TEST(QuizFileTest, TellsFieldsItCannotReadWithTheirPlace) {
  const FieldProblem cases[] = {
      {"misspelt quiz field", [](Json& q) { q["autor"] = "x"; },
       "« autor » : champ inconnu ; vouliez-vous dire « author » ?"},
      {"quiz field in other case", [](Json& q) { q["Title"] = "x"; },
       "« Title » : champ inconnu ; vouliez-vous dire « title » ?"},
      {"unknown quiz field", [](Json& q) { q["notes"] = "x"; },
       "« notes » : champ inconnu : corrigez son nom ou supprimez-le"},
      {"misspelt question field", [](Json& q) { q["questions"][1]["answer_1"] = "x"; },
       "question 2, « answer_1 » : champ inconnu ; vouliez-vous dire « answer1 » ?"},
      {"unknown kind", [](Json& q) { q["kind"] = "photo"; },
       "type de quiz : « photo » n'est pas un type de quiz : choisissez « text », « picture », "
       "« audio » ou « video »"},
      {"no kind", [](Json& q) { q.erase("kind"); },
       "type de quiz : il manque le type de quiz : ajoutez « kind » avec la valeur « text », "
       "« picture », « audio » ou « video »"},
      {"reveal mode by number", [](Json& q) { q["revealMode"] = 3; },
       "révélation : « 3 » n'est pas une révélation : choisissez « none », « picture », « text », "
       "« textAndPicture » ou « textsAtEnd »"},
      {"three answers", [](Json& q) { q["answersPerQuestion"] = 3; },
       "réponses par question : doit valoir 1 ou 2, sans guillemets"},
      {"answers as a text", [](Json& q) { q["answersPerQuestion"] = "2"; },
       "réponses par question : doit valoir 1 ou 2, sans guillemets"},
      {"colour by name", [](Json& q) { q["backgroundColour"] = "red"; },
       "couleur de fond : doit être une couleur « #RRGGBB » en hexadécimal, par exemple "
       "« #FFFFFF » pour du blanc"},
      {"colour with a bad digit", [](Json& q) { q["backgroundColour"] = "#12345G"; },
       "couleur de fond : doit être une couleur « #RRGGBB » en hexadécimal, par exemple "
       "« #FFFFFF » pour du blanc"},
      {"title as a number", [](Json& q) { q["title"] = 12; },
       "titre : doit être un texte entre guillemets"},
      {"codes as a text", [](Json& q) { q["codes"] = "abc"; },
       "codes : doit être une liste de textes entre crochets : [\"...\", \"...\"]"},
      {"a code as a number", [](Json& q) { q["codes"][1] = 5; },
       "code 2 : doit être un texte entre guillemets"},
      {"no questions", [](Json& q) { q.erase("questions"); },
       "questions : il manque la liste des questions : ajoutez « questions »"},
      {"questions as an object", [](Json& q) { q["questions"] = Json::object(); },
       "questions : doit être une liste de questions entre crochets : [{...}, {...}]"},
      {"a question as a text", [](Json& q) { q["questions"][2] = "Rome"; },
       "question 3 : doit être un objet entre accolades { } qui donne les champs de la question"},
      {"an answer as a number", [](Json& q) { q["questions"][0]["answer2"] = 1789; },
       "question 1, réponse 2 : doit être un texte entre guillemets"},
      {"a picture as a list", [](Json& q) { q["questions"][0]["picture"] = Json::array(); },
       "question 1, image : doit être le chemin d'un fichier, entre guillemets"},
  };
  for (const FieldProblem& c : cases) {
    Json quiz = SampleQuizJson("picture", "textAndPicture", 2, 3);
    ASSERT_EQ(ReadingLines(quiz.dump()), std::vector<std::string>()) << "the base quiz reads";
    c.change(quiz);
    EXPECT_EQ(ReadingLines(quiz.dump()), std::vector<std::string>{c.problem}) << c.name;
  }
}

TEST(QuizFileTest, AnUnusableKindOrAnswerCountFollowsTheQuestions) {
  for (const char* kind : {"picture", "audio", "video"}) {
    Json quiz = SampleQuizJson(kind, "none", 2, 2);
    quiz["kind"] = "?";
    quiz["answersPerQuestion"] = 0;
    Problems problems;
    const QuizFile file = ReadQuizJson(quiz.dump(), problems);
    EXPECT_EQ(KINDS[file.kind].name, std::string(kind));
    EXPECT_EQ(file.answersPerQuestion, 2) << kind;
  }
}

TEST(QuizFileTest, ComposesTextsButNotPaths) {
  Problems problems;
  const QuizFile quiz = ReadQuizJson(
      R"({"kind": "picture", "title": "E\u0301te\u0301", "codes": ["Ca\u0300"],
          "questions": [{"answer1": "Noe\u0308l", "picture": "e\u0301te\u0301.jpg"}]})",
      problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.title, "\u00C9t\u00E9");
  EXPECT_EQ(quiz.codes[0], "C\u00E0");
  EXPECT_EQ(quiz.questions[0].answer1, "No\u00EBl");
  EXPECT_EQ(quiz.questions[0].picture, "e\u0301te\u0301.jpg");
}

TEST(QuizFileTest, TakesDefaultsForWhatIsAbsent) {
  Problems problems;
  const QuizFile quiz = ReadQuizJson(R"({"kind": "text", "questions": [{}]})", problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.title, "");
  EXPECT_EQ(quiz.answersPerQuestion, 1);
  EXPECT_EQ(quiz.revealMode, REVEAL_NONE);
  EXPECT_EQ(quiz.backgroundColour, 0x00FFFFFFu);
  EXPECT_TRUE(quiz.codes.empty());
  ASSERT_EQ(quiz.questions.size(), 1u);
  EXPECT_EQ(quiz.questions[0].answer1, "");
}

TEST(QuizFileTest, ReadsEveryFieldIntoTheRecord) {
  Problems problems;
  const QuizFile file =
      ReadQuizJson(SampleQuizJson("picture", "textAndPicture", 2, 2).dump(), problems);
  ASSERT_TRUE(problems.empty());
  EXPECT_EQ(file.kind, KIND_PICTURE);
  EXPECT_EQ(file.title, "Quiz « picture » à l'œil");
  EXPECT_EQ(file.author, "Zoé Müller");
  EXPECT_EQ(file.explanation, "Trouvez les réponses — vite !");
  EXPECT_EQ(file.answer1Caption, "Prénom");
  EXPECT_EQ(file.answer2Caption, "Année");
  EXPECT_EQ(file.answersPerQuestion, 2);
  EXPECT_EQ(file.revealMode, REVEAL_TEXT_AND_PICTURE);
  EXPECT_EQ(file.backgroundColour, 0x00F0A412u);  // "#12A4F0": red 0x12, green 0xA4, blue 0xF0
  ASSERT_EQ(file.questions.size(), 2u);
  const QuestionFile& second = file.questions[1];
  EXPECT_EQ(second.answer1, "Réponse 2");
  EXPECT_EQ(second.answer2, "Deuxième 2");
  EXPECT_EQ(second.questionText, "");
  EXPECT_EQ(second.revealText, "C'était « 2 » €");
  EXPECT_EQ(second.picture, "media/picture2.jpg");
  EXPECT_EQ(second.answerPicture, "media/réponse2.jpg");
  EXPECT_EQ(file.codes, (std::vector<std::string>{"CODE|1 ½", "CODE|2 ½"}));
}

TEST(QuizFileTest, WrittenJsonReadsBackToTheSameQuiz) {
  for (const SampleKind& kind : SAMPLE_KINDS) {
    for (int answers : {1, 2}) {
      const Json original = SampleQuizJson(kind.kind, kind.revealMode, answers, 3);
      Problems problems;
      const QuizFile file = ReadQuizJson(original.dump(), problems);
      ASSERT_TRUE(problems.empty()) << kind.kind << " " << kind.revealMode;
      const std::string written = WriteQuizJson(file);
      EXPECT_EQ(Json::parse(written), original) << kind.kind << " " << kind.revealMode << answers;
      EXPECT_EQ(WriteQuizJson(ReadQuizJson(written, problems)), written);
      EXPECT_TRUE(problems.empty());
    }
  }
}

TEST(QuizFileTest, WritesFieldsThatTheKindDoesNotUseWhenTheyHoldSomething) {
  QuizFile quiz;
  quiz.kind = KIND_AUDIO;
  quiz.questions.push_back({"chat", "", "Qui miaule ?", "", "chat.jpg", "chat.mp3", "", ""});
  const Json json = Json::parse(WriteQuizJson(quiz));
  EXPECT_EQ(json["questions"][0], (Json{{"answer1", "chat"},
                                        {"questionText", "Qui miaule ?"},
                                        {"picture", "chat.jpg"},
                                        {"sound", "chat.mp3"}}));
  EXPECT_FALSE(json.contains("answer1Caption"));
  quiz.title = "caf\xC3";  // not UTF-8: written with a replacement character, not refused
  EXPECT_EQ(Json::parse(WriteQuizJson(quiz))["title"], "caf\uFFFD");
}

}  // namespace
