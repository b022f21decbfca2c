// brelamake's command line over executables of the tests' format: every command, its French
// messages and exit codes, nothing written on a refusal.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/authoring/test_executables.h"
#include "tests/tools/picture_import/sample_pictures.h"
#include "tools/brelamake/brelamake.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Arguments = std::vector<std::string>;

struct Outcome {
  int exitCode;
  std::string out, err;
};

struct Bench {
  fs::path folder;
  fs::path player;
  TestExecutables executables;

  explicit Bench(const std::string& name)
      : folder(FreshDirectory("command-" + name)), player(folder / "brela.exe") {
    WriteTestPlayer(player);
  }

  Outcome Run(const Arguments& arguments) {
    std::ostringstream out, err;
    const int exitCode = RunBrelamake(arguments, executables.Access(player), nullptr, out, err);
    return {exitCode, out.str(), err.str()};
  }

  std::string Path(const std::string& name) const { return (folder / fs::u8path(name)).u8string(); }
};

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string TextOf(const fs::path& path) {
  const Bytes bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(BrelamakeCommandTest, HelpTellsTheCommandsFieldsColumnsRefusalsAndExitCodes) {
  Bench bench("help");
  const Outcome shortFlag = bench.Run({"-h"});
  const Outcome run = bench.Run({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(shortFlag.exitCode, 0);
  EXPECT_EQ(shortFlag.out, run.out);
  const std::string& help = run.out;
  const char* const parts[] = {
      "brelamake check QUIZ.json",
      "brelamake make QUIZ.json -o NOM.exe [--player JOUEUR.exe] [--force]",
      "brelamake import TABLEAU.csv -o QUIZ.json [--force]",
      "brelamake dump NOM.exe -o DOSSIER [--force]",
      "brelamake resultats QUIZ RÉPONSES... -o CLASSE.csv [--html CLASSE.html] [--force]",
      "brelamake web QUIZ -o PAGE.html [--force]",
      "les navigateurs ne lisent pas les films AVI",
      "brela-web.js",
      "laissé de côté",
      "\"kind\"",
      "\"title\"",
      "\"author\"",
      "\"explanation\"",
      "\"answersPerQuestion\"",
      "\"answer1Caption\"",
      "\"answer2Caption\"",
      "\"revealMode\"",
      "\"backgroundColour\"",
      "\"codes\"",
      "\"questions\"",
      "\"answer1\"",
      "\"answer2\"",
      "\"questionText\"",
      "\"revealText\"",
      "\"picture\"",
      "\"sound\"",
      "\"film\"",
      "\"answerPicture\"",
      "\"textAndPicture\"",
      "\"textsAtEnd\"",
      "  question ",
      "  réponse ",
      "  réponse2 ",
      "  révélation ",
      "  image ",
      "  image réponse ",
      "  son ",
      "  film ",
      "  code ",
      "plus de 90",
      "259 caractères",
      "Windows-1252",
      "tabulation",
      "retour à la ligne",
      "entourée d'espaces",
      "plus de codes que de questions",
      "un son doit être un MP3",
      "un film un AVI",
      "apostrophe",
      "espace insécable",
      "majuscule accentuée",
      "même énoncé",
      "moins de codes que de questions",
      "trop long pour sa place",
      "0  succès",
      "1  le quiz",
      "2  un fichier",
      "3  ligne de commande incorrecte"};
  for (const char* part : parts) EXPECT_NE(help.find(part), std::string::npos) << part;
}

TEST(BrelamakeCommandTest, WrongCommandLinesExitWithThree) {
  const Arguments wrong[] = {
      {},
      {"make"},
      {"make", "quiz.json"},
      {"make", "quiz.json", "-o"},
      {"make", "-o", "out.exe"},
      {"make", "a.json", "b.json", "-o", "out.exe"},
      {"make", "a.json", "-o", "x.exe", "-o", "y.exe"},
      {"make", "a.json", "-o", "x.exe", "--force", "--force"},
      {"make", "a.json", "-o", "x.exe", "--verbose"},
      {"check", "a.json", "-o", "x.exe"},
      {"check", "a.json", "--force"},
      {"check"},
      {"import", "a.csv"},
      {"import", "a.csv", "-o", "q.json", "--player", "p.exe"},
      {"dump", "x.exe", "-o", "dir", "--player", "p.exe"},
      {"build", "a.json", "-o", "x.exe"},
      {"--help", "make"},
      {"resultats", "quiz.json", "-o", "classe.csv"},
      {"resultats", "quiz.json", "classe", "--html", "classe.html"},
      {"resultats", "quiz.json", "classe", "-o", "classe.csv", "--html"},
      {"resultats", "quiz.json", "classe", "-o", "classe.csv", "--player", "p.exe"},
      {"make", "a.json", "-o", "x.exe", "--html", "page.html"},
  };
  for (const Arguments& arguments : wrong) {
    Bench bench("wrong");
    const Outcome run = bench.Run(arguments);
    EXPECT_EQ(run.exitCode, 3) << testing::PrintToString(arguments);
    EXPECT_EQ(run.err,
              "brelamake : ligne de commande incorrecte ; « brelamake --help » explique "
              "comment l'utiliser\n");
    EXPECT_TRUE(bench.executables.writes.empty());
  }
}

TEST(BrelamakeCommandTest, CheckTellsErrorsThenWarningsAndExitsWithOneOnAnError) {
  Bench bench("check");
  Json json = SampleQuizJson("text", "none", 1, 3);
  const fs::path quiz = WriteSampleQuiz(json, bench.folder);
  Outcome run = bench.Run({"check", quiz.u8string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out,
            quiz.u8string() + " : le quiz peut être fabriqué (3 questions, 0 avertissement)\n");
  EXPECT_EQ(run.err, "");

  json["codes"].erase(2);
  json["questions"][0]["answer1"] = "l’été";
  json["questions"][2]["answer1"] = "Rome ";
  json["title"] = "";
  WriteSampleQuiz(json, bench.folder);
  run = bench.Run({"check", quiz.u8string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(
      run.err,
      quiz.u8string() +
          " : 2 erreurs :\n"
          "  titre : le titre est vide : donnez un titre au quiz\n"
          "  question 3, réponse 1 : la réponse finit par un espace : le joueur retire les "
          "espaces autour de ce que tape l'élève, jamais la réponse ne serait « BRAVO » ; "
          "supprimez cet espace\n" +
          quiz.u8string() +
          " : 2 avertissements :\n"
          "  codes : 2 codes de progression pour 3 questions : le code de la ligne n s'affiche "
          "quand n questions sont réussies, mais aucun une fois les 3 questions réussies ; "
          "ajoutez-en 1, un par ligne\n"
          "  question 1, réponse 1 : contient l'apostrophe typographique « ’ », qu'un élève ne "
          "tape pas au clavier : qui tape l'apostrophe du clavier n'obtiendra pas « BRAVO » ; "
          "écrivez « ' » à la place\n" +
          quiz.u8string() + " : 2 erreurs à corriger avant de fabriquer le quiz\n");
}

// The core's message fits the editor too; only the command line points to its own help.
TEST(BrelamakeCommandTest, CheckPointsAnUnknownFieldToTheHelp) {
  Bench bench("unknown-field");
  Json json = SampleQuizJson("text", "none", 1, 3);
  json["notes"] = "x";
  json["questions"][1]["remarque"] = "y";
  const fs::path quiz = WriteSampleQuiz(json, bench.folder);
  const Outcome run = bench.Run({"check", quiz.u8string()});
  EXPECT_EQ(run.exitCode, 1);
  const std::string fix =
      " : champ inconnu : corrigez son nom ou supprimez-le ; brelamake --help donne la liste des "
      "champs\n";
  EXPECT_NE(run.err.find("  « notes »" + fix), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("  question 2, « remarque »" + fix), std::string::npos) << run.err;
  json.erase("notes");
  json["questions"][1].erase("remarque");
  json["title"] = "";
  WriteSampleQuiz(json, bench.folder);
  const Outcome known = bench.Run({"check", quiz.u8string()});
  EXPECT_NE(known.err.find("titre : le titre est vide"), std::string::npos) << known.err;
  EXPECT_EQ(known.err.find("--help"), std::string::npos) << "a known field is not pointed there";
}

TEST(BrelamakeCommandTest, MakeWritesTheQuizOrTellsWhyNot) {
  Bench bench("make");
  Json json = SampleQuizJson("picture", "picture", 1, 3);
  const fs::path quiz = WriteSampleQuiz(json, bench.folder);
  const std::string made = bench.Path("made.exe");
  Outcome run = bench.Run({"make", quiz.u8string(), "-o", made});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "brelamake : « " + made +
                         " » écrit : 3 questions, 6 fichiers d'images, de "
                         "sons ou de films\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadTestExecutable(made).size(), 8u);

  json["questions"][1]["answer1"] = "a|b";
  WriteSampleQuiz(json, bench.folder);
  const std::string refused = bench.Path("refused.exe");
  run = bench.Run({"make", quiz.u8string(), "-o", refused});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, quiz.u8string() +
                         " : 1 erreur :\n"
                         "  question 2, réponse 1 : contient « | », qui sépare les "
                         "champs du quiz enregistré : remplacez-le, par « / » par "
                         "exemple\n"
                         "brelamake : rien n'a été écrit\n");
  EXPECT_FALSE(fs::exists(refused));
}

// What check lets through, make makes; what make refuses, check refuses first.
TEST(BrelamakeCommandTest, CheckAndMakeAgreeOnPictures) {
  Bench bench("check-make-pictures");
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("picture", "none", 1, 2), bench.folder);
  const Bytes png = PngOf(std::vector<Rgba>(64, Rgba{0, 0, 255, 255}), 8, 8);
  WriteText(bench.folder / "media/picture1.jpg", std::string(png.begin(), png.end()));
  const std::string warning =
      " : 1 avertissement :\n"
      "  question 1, image : « media/picture1.jpg » contient une image PNG alors que son nom "
      "finit par « .jpg » : elle est lue comme une image PNG ; pour que son nom dise ce qu'elle "
      "est, renommez le fichier « media/picture1.png » et donnez ce nom dans le quiz.\n";
  Outcome check = bench.Run({"check", quiz.u8string()});
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_EQ(check.err, quiz.u8string() + warning);
  Outcome make = bench.Run({"make", quiz.u8string(), "-o", bench.Path("png.exe")});
  EXPECT_EQ(make.exitCode, 0);
  EXPECT_EQ(make.err, quiz.u8string() + warning);
  EXPECT_EQ(ReadTestExecutable(bench.Path("png.exe")).size(), 4u);

  const Bytes jpeg = SampleMediaBytes("media/picture2.jpg");
  WriteText(bench.folder / "media/picture2.jpg", std::string(jpeg.begin(), jpeg.end() - 2));
  const std::string error =
      " : 1 erreur :\n"
      "  question 2, image : « media/picture2.jpg » est une image JPEG abîmée, ou d'une sorte "
      "que brela ne sait pas lire : ouvrez-la dans un logiciel d'images et enregistrez-la de "
      "nouveau, en JPEG ou en PNG.\n";
  check = bench.Run({"check", quiz.u8string()});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.err.rfind(quiz.u8string() + error, 0), 0u) << check.err;
  make = bench.Run({"make", quiz.u8string(), "-o", bench.Path("cut.exe")});
  EXPECT_EQ(make.exitCode, 1);
  EXPECT_EQ(make.err.rfind(quiz.u8string() + error, 0), 0u) << make.err;
  EXPECT_FALSE(fs::exists(bench.Path("cut.exe")));
}

TEST(BrelamakeCommandTest, MakeTellsItsWarningsAndUsesTheChosenPlayer) {
  Bench bench("make-warnings");
  Json json = SampleQuizJson("text", "none", 1, 2);
  json["questions"][1]["answer1"] = "École";
  const fs::path quiz = WriteSampleQuiz(json, bench.folder);
  const fs::path other = bench.folder / "autre joueur.exe";
  WriteTestPlayer(other);
  const Outcome run =
      bench.Run({"make", quiz.u8string(), "-o", bench.Path("q.exe"), "--player", other.u8string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "brelamake : « " + bench.Path("q.exe") + " » écrit : 2 questions\n");
  EXPECT_EQ(run.err.rfind(quiz.u8string() + " : 1 avertissement :\n  question 2, réponse 1 : "
                                            "contient la majuscule accentuée « É »",
                          0),
            0u)
      << run.err;
  ASSERT_EQ(bench.executables.writes.size(), 1u);
  EXPECT_EQ(bench.executables.writes[0].rfind("autre joueur.exe -> q.exe.", 0), 0u);
}

TEST(BrelamakeCommandTest, FilesThatCannotBeReadOrMustNotBeReplacedExitWithTwo) {
  Bench bench("io");
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), bench.folder);
  WriteText(bench.folder / "devoir.exe", "le devoir de Zoé");
  const std::string devoir = bench.Path("devoir.exe");
  struct Case {
    Arguments arguments;
    std::string err;
  };
  const Case cases[] = {
      {{"make", bench.Path("absent.json"), "-o", bench.Path("x.exe")},
       "brelamake : impossible de lire « " + bench.Path("absent.json") + " »\n"},
      {{"check", bench.Path("absent.json")},
       "brelamake : impossible de lire « " + bench.Path("absent.json") + " »\n"},
      {{"make", quiz.u8string(), "-o", bench.Path("x.exe"), "--player", bench.Path("nowhere.exe")},
       "brelamake : impossible d'ouvrir « " + bench.Path("nowhere.exe") +
           " » comme un programme\n"},
      {{"make", quiz.u8string(), "-o", devoir},
       "brelamake : « " + devoir +
           " » existe déjà et n'est pas un quiz : il n'est pas remplacé ; "
           "choisissez un autre nom, ou ajoutez --force pour passer outre\n"},
      {{"make", quiz.u8string(), "-o", quiz.u8string(), "--force"},
       "brelamake : « " + quiz.u8string() + " » est un fichier d'origine du quiz (« " +
           quiz.u8string() + " ») et ne sera jamais remplacé : choisissez un autre nom\n"},
      {{"make", quiz.u8string(), "-o", bench.player.u8string()},
       "brelamake : « " + bench.player.u8string() + " » est un fichier d'origine du quiz (« " +
           bench.player.u8string() + " ») et ne sera jamais remplacé : choisissez un autre nom\n"},
      {{"make", quiz.u8string(), "-o", bench.Path("nosuchdir/q.exe")},
       "brelamake : le dossier « " + bench.Path("nosuchdir") +
           " » n'existe pas : créez-le, ou choisissez un autre dossier\n"},
      {{"dump", bench.Path("absent.exe"), "-o", bench.Path("d")},
       "brelamake : impossible d'ouvrir « " + bench.Path("absent.exe") + " » comme un programme\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = bench.Run(c.arguments);
    EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(c.arguments);
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_EQ(TextOf(devoir), "le devoir de Zoé");
  EXPECT_EQ(bench.Run({"make", quiz.u8string(), "-o", devoir, "--force"}).exitCode, 0);
  EXPECT_EQ(ReadTestExecutable(devoir).size(), 2u);
}

// A spreadsheet as French Excel saves it: Windows-1252, ';', CR LF, cells quoted when they hold
// a ';' or a '"'.
const std::string FRENCH_EXCEL =
    "Image;R\xE9ponse;R\xE9v\xE9lation;Code\r\n"
    "photos\\chat.jpg;chat;\"Il dit \"\"miaou\"\" ; il ronronne\";Un\r\n"
    "photos\\vache.jpg; vache;Elle donne du lait.;Deux\r\n"
    ";;;\r\n";

TEST(BrelamakeCommandTest, ImportTurnsASpreadsheetIntoAQuizFileAndTellsTheCells) {
  Bench bench("import");
  fs::create_directories(bench.folder / "tableur/photos");
  for (const char* name : {"chat", "vache"}) {
    const Bytes picture = SampleMediaBytes(std::string(name) + ".jpg");
    WriteText(bench.folder / "tableur/photos" / (std::string(name) + ".jpg"),
              std::string(picture.begin(), picture.end()));
  }
  const fs::path spreadsheet = bench.folder / "tableur/Les animaux.csv";
  WriteText(spreadsheet, FRENCH_EXCEL);
  const std::string quiz = bench.Path("quiz/animaux.json");
  fs::create_directories(bench.folder / "quiz");
  const Outcome run = bench.Run({"import", spreadsheet.u8string(), "-o", quiz});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "brelamake : « " + quiz + " » écrit : 2 questions\n");
  EXPECT_EQ(run.err,
            spreadsheet.u8string() +
                " : 1 erreur :\n"
                "  ligne 3, colonne B (Réponse) : la réponse commence par un espace : le "
                "joueur retire les espaces autour de ce que tape l'élève, jamais la réponse "
                "ne serait « BRAVO » ; supprimez cet espace\n"
                "brelamake : corrigez le tableau et importez-le de nouveau (avec --force), "
                "ou corrigez « " +
                quiz + " », avant de fabriquer le quiz\n");
  const Bytes written = ReadBytes(quiz);
  const Json json = Json::parse(written.begin(), written.end());
  EXPECT_EQ(json["kind"], "picture");
  EXPECT_EQ(json["title"], "Les animaux");
  EXPECT_EQ(json["revealMode"], "text");
  EXPECT_EQ(json["questions"][0]["revealText"], "Il dit \"miaou\" ; il ronronne");
  EXPECT_EQ(json["questions"][0]["picture"], "../tableur/photos/chat.jpg");
  EXPECT_EQ(json["codes"], (Json{"Un", "Deux"}));

  // Fixed in the spreadsheet, imported again over the quiz file, then made.
  std::string fixed = FRENCH_EXCEL;
  fixed.replace(fixed.find("; vache"), 7, ";vache");
  WriteText(spreadsheet, fixed);
  EXPECT_EQ(bench.Run({"import", spreadsheet.u8string(), "-o", quiz}).exitCode, 2)
      << "the quiz file is not replaced without --force";
  const Outcome again = bench.Run({"import", spreadsheet.u8string(), "-o", quiz, "--force"});
  EXPECT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(again.err, "");
  const Outcome make = bench.Run({"make", quiz, "-o", bench.Path("animaux.exe")});
  EXPECT_EQ(make.exitCode, 0) << make.err;
  EXPECT_EQ(ReadTestExecutable(bench.Path("animaux.exe")).size(), 4u);
}

TEST(BrelamakeCommandTest, ImportRefusesASpreadsheetItCannotReadAndWritesNothing) {
  Bench bench("import-refused");
  const fs::path spreadsheet = bench.folder / "notes.csv";
  WriteText(spreadsheet, "question;r\xE9ponse;Remarque\r\nq;r;x\r\n");
  const Outcome run = bench.Run({"import", spreadsheet.u8string(), "-o", bench.Path("q.json")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, spreadsheet.u8string() +
                         " : 1 erreur :\n"
                         "  ligne 1, colonne C : « Remarque » n'est pas une colonne connue ; les "
                         "colonnes sont question, réponse, réponse2, révélation, image, image "
                         "réponse, son, film et code\n"
                         "brelamake : rien n'a été écrit\n");
  EXPECT_FALSE(fs::exists(bench.Path("q.json")));
  const Outcome overwrite =
      bench.Run({"import", spreadsheet.u8string(), "-o", spreadsheet.u8string(), "--force"});
  EXPECT_EQ(overwrite.exitCode, 1) << "the spreadsheet's own problem comes first";
}

TEST(BrelamakeCommandTest, CheckAndMakeOfASpreadsheetNameImport) {
  Bench bench("check-spreadsheet");
  const fs::path spreadsheet = bench.folder / "tableau.csv";
  WriteText(spreadsheet, "question;r\xE9ponse\r\nq;r\r\n");
  const std::string told =
      spreadsheet.u8string() +
      " : 1 erreur :\n"
      "  ce fichier est un tableau CSV, pas un fichier de quiz : importez-le pour en faire un "
      "quiz\n"
      "brelamake : pour en faire un quiz : brelamake import " +
      spreadsheet.u8string() + " -o QUIZ.json\n";
  const Outcome check = bench.Run({"check", spreadsheet.u8string()});
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.err, told + spreadsheet.u8string() +
                           " : 1 erreur à corriger avant de fabriquer le quiz\n");
  const Outcome make = bench.Run({"make", spreadsheet.u8string(), "-o", bench.Path("q.exe")});
  EXPECT_EQ(make.exitCode, 1);
  EXPECT_EQ(make.err, told + "brelamake : rien n'a été écrit\n");
}

TEST(BrelamakeCommandTest, ImportTellsTheSpreadsheetsWarnings) {
  Bench bench("import-warnings");
  const fs::path spreadsheet = bench.folder / "q.csv";
  WriteText(spreadsheet, "question;r\x82ponse;code\r\nM\x82tier ?;boulang\x8Are;Fin\r\n");
  const Outcome run = bench.Run({"import", spreadsheet.u8string(), "-o", bench.Path("q.json")});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err.rfind(spreadsheet.u8string() +
                              " : 1 avertissement :\n"
                              "  le tableau est enregistré en « CSV (MS-DOS) » (page de codes "
                              "850) et ses accents sont lus ainsi ;",
                          0),
            0u)
      << run.err;
  const Json json = Json::parse(TextOf(bench.Path("q.json")));
  EXPECT_EQ(json["questions"][0]["answer1"], "boulangère");
}

TEST(BrelamakeCommandTest, ImportNeverWritesOverTheSpreadsheet) {
  Bench bench("import-input");
  const fs::path spreadsheet = bench.folder / "q.csv";
  WriteText(spreadsheet, "question;réponse\r\nq;r\r\n");
  const Outcome run =
      bench.Run({"import", spreadsheet.u8string(), "-o", spreadsheet.u8string(), "--force"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(TextOf(spreadsheet), "question;réponse\r\nq;r\r\n");
}

TEST(BrelamakeCommandTest, ImportNeverWritesOverAPictureTheSpreadsheetNames) {
  Bench bench("import-picture");
  const Bytes picture = SampleMediaBytes("chat.jpg");
  const std::string pictureText(picture.begin(), picture.end());
  fs::create_directories(bench.folder / "photos");
  WriteText(bench.folder / "photos/chat.jpg", pictureText);
  WriteText(bench.folder / "réponse.jpg", pictureText);
  const fs::path spreadsheet = bench.folder / "t.csv";
  WriteText(spreadsheet, "image;réponse;image réponse\r\nphotos/chat.jpg;chat;réponse.jpg\r\n");
  for (const std::string& named : {std::string("photos/chat.jpg"), std::string("réponse.jpg")}) {
    const std::string output = bench.Path(named);
    const Outcome run = bench.Run({"import", spreadsheet.u8string(), "-o", output, "--force"});
    EXPECT_EQ(run.exitCode, 2) << named;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "brelamake : « " + output + " » est un fichier d'origine du quiz (« " +
                           (bench.folder / fs::u8path(named)).u8string() +
                           " ») et ne sera jamais remplacé : choisissez un autre nom\n");
    EXPECT_EQ(TextOf(output), pictureText) << named;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(bench.folder / "photos"), {}), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(bench.folder), {}), 4)
      << "brela.exe, t.csv, photos and réponse.jpg, nothing more";
}

TEST(BrelamakeCommandTest, DumpWritesTheQuizFileAndMedia) {
  Bench bench("dump");
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("audio", "none", 1, 2), bench.folder);
  ASSERT_EQ(bench.Run({"make", quiz.u8string(), "-o", bench.Path("made.exe")}).exitCode, 0);
  const std::string folder = bench.Path("relu");
  Outcome run = bench.Run({"dump", bench.Path("made.exe"), "-o", folder});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "brelamake : « " + (fs::u8path(folder) / "quiz.json").u8string() +
                         " » écrit, avec 2 fichiers d'images, de sons ou de films\n");
  EXPECT_EQ(ReadBytes(fs::u8path(folder) / "sound02.mp3"), SampleMediaBytes("media/sound2.mp3"));
  run = bench.Run({"dump", bench.Path("made.exe"), "-o", folder});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brelamake : le dossier « " + folder +
                         " » contient déjà des fichiers : rien "
                         "n'y est écrit ; choisissez un autre nom, ou ajoutez --force pour passer "
                         "outre\n");
  EXPECT_EQ(bench.Run({"dump", bench.Path("made.exe"), "-o", folder, "--force"}).exitCode, 0);
  const fs::path text = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), bench.folder / "t");
  ASSERT_EQ(bench.Run({"make", text.u8string(), "-o", bench.Path("texte.exe")}).exitCode, 0);
  run = bench.Run({"dump", bench.Path("texte.exe"), "-o", bench.Path("texte")});
  EXPECT_EQ(run.out, "brelamake : « " + (bench.folder / "texte" / "quiz.json").u8string() +
                         " » écrit\n");
  run = bench.Run({"dump", bench.player.u8string(), "-o", bench.Path("vide")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "brelamake : " + bench.player.u8string() +
                         " : l'exécutable ne contient pas de quiz : il lui manque la ressource "
                         "« PATCH » 104\n");
}

// Three questions, a code for each score.
constexpr const char* CAPITALS_QUIZ = R"({"kind": "text", "title": "Capitales",
  "codes": ["un", "deux", "trois"],
  "questions": [{"answer1": "Paris", "questionText": "France ?"},
                {"answer1": "Rome", "questionText": "Italie ?"},
                {"answer1": "Séville", "questionText": "Andalousie ?"}]})";

constexpr const char* RESULTS_HEADER =
    "\xEF\xBB\xBFÉlève;Score;Code;1 réponse;1 verdict;2 réponse;2 verdict;"
    "3 réponse;3 verdict\r\n";

TEST(BrelamakeCommandTest, ResultatsGradesAClassFolderIntoACsvSortedTheFrenchWay) {
  Bench bench("resultats");
  WriteText(bench.folder / "quiz.json", CAPITALS_QUIZ);
  const fs::path classe = bench.folder / "classe";
  fs::create_directories(classe / "Émile");
  WriteText(classe / "Émile" / "capitales.txt", "paris\r\nrome\r\nS\xE9ville\r\n");
  WriteText(classe / "Fanny.txt", "Paris\r\n*\r\nseville\r\n");
  WriteText(classe / "Denis.txt", "Pari\nRome\n");
  WriteText(classe / "zoé.txt", "*\r\n");
  WriteText(classe / "Yann.txt", "paris\r\nrome\r\nS\xE9ville\r\nen trop\r\n");
  const Outcome run =
      bench.Run({"resultats", bench.Path("quiz.json"), classe.u8string(), "-o",
                 bench.Path("classe.csv"), "--html", bench.Path("classe.html")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "brelamake : « " + bench.Path("classe.csv") + " » écrit : 4 élèves\n" +
                         "brelamake : « " + bench.Path("classe.html") + " » écrit : 4 élèves\n");
  EXPECT_EQ(run.err, "brelamake : « " + (classe / "Yann.txt").u8string() +
                         " » laissé de côté : 4 lignes pour 3 champs de réponse : ce n'est pas "
                         "un fichier de réponses de ce quiz\n"
                         "brelamake : 1 fichier laissé de côté\n");
  EXPECT_EQ(TextOf(bench.folder / "classe.csv"),
            std::string(RESULTS_HEADER) +
                "Denis;1;un;Pari;Quasiment;Rome;BRAVO;;?\r\n"
                "Émile;3;trois;paris;BRAVO;rome;BRAVO;Séville;BRAVO\r\n"
                "Fanny;1;un;Paris;BRAVO;;?;seville;Quasiment\r\n"
                "zoé;0;;;?;;?;;?\r\n");
  EXPECT_EQ(TextOf(bench.folder / "classe.html").rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_EQ(TextOf(classe / "Fanny.txt"), "Paris\r\n*\r\nseville\r\n");
}

TEST(BrelamakeCommandTest, ResultatsExitsWithZeroWhenEveryFileIsRead) {
  Bench bench("resultats-all");
  WriteText(bench.folder / "quiz.json", CAPITALS_QUIZ);
  WriteText(bench.folder / "Ana.txt", "rome\r\n");
  WriteText(bench.folder / "Bob.txt", "paris\r\n");
  const Outcome run = bench.Run({"resultats", bench.Path("quiz.json"), bench.Path("Bob.txt"),
                                 bench.Path("Ana.txt"), "-o", bench.Path("classe.csv")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(TextOf(bench.folder / "classe.csv"),
            std::string(RESULTS_HEADER) +
                "Ana;0;;rome;FAUX;;?;;?\r\nBob;1;un;paris;BRAVO;;?;;?\r\n");
}

TEST(BrelamakeCommandTest, ResultatsReadsTheQuizOfAnExecutable) {
  Bench bench("resultats-exe");
  WriteText(bench.folder / "quiz.json", CAPITALS_QUIZ);
  const Outcome made =
      bench.Run({"make", bench.Path("quiz.json"), "-o", bench.Path("capitales.exe")});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  fs::remove(bench.folder / "quiz.json");
  WriteText(bench.folder / "Ana.txt", "paris\r\nrome\r\n");
  const Outcome run = bench.Run({"resultats", bench.Path("capitales.exe"), bench.Path("Ana.txt"),
                                 "-o", bench.Path("classe.csv")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(TextOf(bench.folder / "classe.csv"),
            std::string(RESULTS_HEADER) + "Ana;2;deux;paris;BRAVO;rome;BRAVO;;?\r\n");
}

TEST(BrelamakeCommandTest, ResultatsReplacesOnlyItsOwnOutputsAndNeverAnInput) {
  Bench bench("resultats-refusals");
  WriteText(bench.folder / "quiz.json", CAPITALS_QUIZ);
  WriteText(bench.folder / "Ana.txt", "paris\r\n");
  WriteText(bench.folder / "notes.csv", "mes notes");
  const Arguments toNotes = {"resultats", bench.Path("quiz.json"), bench.Path("Ana.txt"), "-o",
                             bench.Path("notes.csv")};
  Outcome run = bench.Run(toNotes);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brelamake : « " + bench.Path("notes.csv") +
                         " » existe déjà et n'a pas été écrit par « resultats » : il n'est pas "
                         "remplacé ; choisissez un autre nom, ou ajoutez --force pour passer "
                         "outre\n");
  EXPECT_EQ(TextOf(bench.folder / "notes.csv"), "mes notes");
  Arguments forced = toNotes;
  forced.push_back("--force");
  EXPECT_EQ(bench.Run(forced).exitCode, 0);
  run = bench.Run(toNotes);
  EXPECT_EQ(run.exitCode, 0) << run.err;  // now written by resultats

  run = bench.Run({"resultats", bench.Path("quiz.json"), bench.Path("Ana.txt"), "-o",
                   bench.Path("Ana.txt"), "--force"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(TextOf(bench.folder / "Ana.txt"), "paris\r\n");
  run = bench.Run({"resultats", bench.Path("quiz.json"), bench.Path("Ana.txt"), "-o",
                   bench.Path("classe.csv"), "--html", bench.Path("quiz.json"), "--force"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(TextOf(bench.folder / "quiz.json"), CAPITALS_QUIZ);
  EXPECT_FALSE(fs::exists(bench.folder / "classe.csv"));
}

TEST(BrelamakeCommandTest, ResultatsOfAQuizThatCannotBeGradedWritesNothing) {
  Bench bench("resultats-bad-quiz");
  WriteText(bench.folder / "quiz.json", "{\"kind\": ");
  WriteText(bench.folder / "Ana.txt", "paris\r\n");
  const Outcome run = bench.Run({"resultats", bench.Path("quiz.json"), bench.Path("Ana.txt"), "-o",
                                 bench.Path("classe.csv")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "brelamake : " + bench.Path("quiz.json") +
                         " : ce n'est ni un quiz brela ni un fichier de quiz lisible ; "
                         "« brelamake check » dit pourquoi\n");
  EXPECT_FALSE(fs::exists(bench.folder / "classe.csv"));
}

// The web page's command, with a module beside the player that only names itself: what the
// command does with it, not grading, is under test here.
constexpr const char* WEB_MODULE = "var BrelaGrading = 'module of the test';";

void WriteWebModule(const Bench& bench) { WriteText(bench.folder / "brela-web.js", WEB_MODULE); }

TEST(BrelamakeCommandTest, WebWritesOnePageWithTheMediaAndTheModule) {
  Bench bench("web");
  WriteWebModule(bench);
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 3), bench.folder);
  const std::string page = bench.Path("quiz.html");
  const Outcome run = bench.Run({"web", quiz.u8string(), "-o", page});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "brelamake : « " + page + " » écrit : 3 questions, 6 images ou sons\n");
  EXPECT_EQ(run.err, "");
  const std::string html = TextOf(page);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"fr\"", 0), 0u);
  EXPECT_NE(html.find(WEB_MODULE), std::string::npos);
  EXPECT_NE(html.find("id=\"reponse-3-1\""), std::string::npos);
  EXPECT_EQ(html.find("id=\"reponse-4-1\""), std::string::npos);

  // The same quiz through its executable: the same page.
  ASSERT_EQ(bench.Run({"make", quiz.u8string(), "-o", bench.Path("quiz.exe")}).exitCode, 0);
  const std::string fromExecutable = bench.Path("de l'exécutable.html");
  EXPECT_EQ(bench.Run({"web", bench.Path("quiz.exe"), "-o", fromExecutable}).exitCode, 0);
  EXPECT_EQ(TextOf(fs::u8path(fromExecutable)), html);
}

TEST(BrelamakeCommandTest, WebRefusesAFilmQuizAndWritesNothing) {
  Bench bench("web-film");
  WriteWebModule(bench);
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("video", "none", 1, 2), bench.folder);
  const Outcome run = bench.Run({"web", quiz.u8string(), "-o", bench.Path("film.html")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "brelamake : " + quiz.u8string() +
                         " : un quiz de films n'a pas de page web : les navigateurs ne lisent pas "
                         "les films AVI ; rien n'a été écrit\n");
  EXPECT_FALSE(fs::exists(bench.folder / "film.html"));
}

TEST(BrelamakeCommandTest, WebOfAQuizWithErrorsTellsThemAndWritesNothing) {
  Bench bench("web-errors");
  WriteWebModule(bench);
  Json json = SampleQuizJson("text", "none", 1, 2);
  json["questions"][1]["answer1"] = "a|b";
  const fs::path quiz = WriteSampleQuiz(json, bench.folder);
  const Outcome run = bench.Run({"web", quiz.u8string(), "-o", bench.Path("q.html")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, quiz.u8string() +
                         " : 1 erreur :\n"
                         "  question 2, réponse 1 : contient « | », qui sépare les "
                         "champs du quiz enregistré : remplacez-le, par « / » par "
                         "exemple\n"
                         "brelamake : rien n'a été écrit\n");
  EXPECT_FALSE(fs::exists(bench.folder / "q.html"));
}

TEST(BrelamakeCommandTest, WebWithoutItsModuleExitsWithTwo) {
  Bench bench("web-no-module");
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), bench.folder);
  const Outcome run = bench.Run({"web", quiz.u8string(), "-o", bench.Path("q.html")});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brelamake : la correction des pages web, « " + bench.Path("brela-web.js") +
                         " », est introuvable : elle s'installe à côté du joueur ; rien n'a été "
                         "écrit\n");
  EXPECT_FALSE(fs::exists(bench.folder / "q.html"));
}

TEST(BrelamakeCommandTest, WebReplacesOnlyItsOwnPagesAndNeverAnInput) {
  Bench bench("web-replace");
  WriteWebModule(bench);
  const Json json = SampleQuizJson("audio", "none", 1, 2);
  const fs::path quiz = WriteSampleQuiz(json, bench.folder);
  const std::string page = bench.Path("page.html");
  WriteText(fs::u8path(page), "<p>la page du professeur</p>");
  Outcome run = bench.Run({"web", quiz.u8string(), "-o", page});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "brelamake : « " + page +
                         " » existe déjà et n'a pas été écrit par « web » : il n'est pas "
                         "remplacé ; choisissez un autre nom, ou ajoutez --force pour passer "
                         "outre\n");
  EXPECT_EQ(TextOf(page), "<p>la page du professeur</p>");
  EXPECT_EQ(bench.Run({"web", quiz.u8string(), "-o", page, "--force"}).exitCode, 0);
  run = bench.Run({"web", quiz.u8string(), "-o", page});
  EXPECT_EQ(run.exitCode, 0) << run.err;  // now written by web

  const fs::path inputs[] = {quiz, bench.folder / "media/sound1.mp3",
                             bench.folder / "brela-web.js"};
  for (const fs::path& input : inputs) {
    const std::string before = TextOf(input);
    run = bench.Run({"web", quiz.u8string(), "-o", input.u8string(), "--force"});
    EXPECT_EQ(run.exitCode, 2) << input;
    EXPECT_EQ(TextOf(input), before) << input;
  }
}

}  // namespace
