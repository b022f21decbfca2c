// The checks of a quiz: every refusal and every warning with its place and its words, all of
// them in one pass, the widths of texts in their controls, and the media files.
#include "tools/authoring/quiz_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/picture_import/sample_pictures.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Lines = std::vector<std::string>;

QuizFile Read(const Json& json) {
  std::vector<Problem> problems;
  const QuizFile quiz = ReadQuizJson(json.dump(), problems);
  EXPECT_TRUE(problems.empty()) << ProblemLine(problems.front());
  return quiz;
}

Lines LinesOf(const std::vector<Problem>& problems, ProblemSeverity severity) {
  Lines lines;
  for (const Problem& problem : problems) {
    if (problem.severity == severity) lines.push_back(ProblemLine(problem));
  }
  return lines;
}

struct Case {
  const char* name;
  std::function<void(Json&)> change;
  Lines expected;
};

Json BaseQuiz() { return SampleQuizJson("picture", "textAndPicture", 2, 3); }

Json Repeated(const std::string& text, int times) {
  std::string result;
  while (times-- > 0) result += text;
  return result;
}

const std::string TRIMMED =
    " : le joueur retire les espaces autour de ce que tape l'élève, jamais la réponse ne serait "
    "« BRAVO » ; supprimez cet espace";

// Each change to a valid two-answer picture quiz of three questions with reveal mode
// "textAndPicture", and the errors it must give, exactly.
TEST(QuizCheckTest, RefusesWhatThePlayerCannotTakeOrShow) {
  const Case cases[] = {
      {"91 questions",
       [](Json& q) { q = SampleQuizJson("text", "none", 1, 91); },
       {"questions : le quiz a 91 questions ; le joueur en montre 90 au plus : partagez-le en "
        "plusieurs quiz"}},
      {"no question",
       [](Json& q) {
         q["questions"] = Json::array();
         q["codes"] = Json::array();
       },
       {"questions : le quiz n'a aucune question : ajoutez-en"}},
      {"empty title",
       [](Json& q) { q["title"] = ""; },
       {"titre : le titre est vide : donnez un titre au quiz"}},
      {"title of 260 characters",
       [](Json& q) { q["title"] = std::string(260, 'x'); },
       {"titre : fait 260 caractères ; le joueur en garde 259 au plus : raccourcissez-le"}},
      {"answer of 260 accented letters",
       [](Json& q) { q["questions"][1]["answer2"] = Repeated("é", 260); },
       {"question 2, réponse 2 : fait 260 caractères ; le joueur en garde 259 au plus : "
        "raccourcissez-le"}},
      {"reveal text of 300",
       [](Json& q) { q["questions"][2]["revealText"] = std::string(300, 'r'); },
       {"question 3, texte révélé : fait 300 caractères ; le joueur en garde 259 au plus : "
        "raccourcissez-le"}},
      {"code of 260",
       [](Json& q) { q["codes"][0] = std::string(260, 'c'); },
       {"code 1 : fait 260 caractères ; le joueur en garde 259 au plus : raccourcissez-le"}},
      {"character without a form in the author",
       [](Json& q) { q["author"] = "Lǐ Bái"; },
       {"auteur : le caractère « ǐ » (U+01D0) n'existe pas dans le jeu de caractères du joueur "
        "(Windows-1252) : remplacez-le"}},
      {"character without a form in a code",
       [](Json& q) { q["codes"][2] = "α"; },
       {"code 3 : le caractère « α » (U+03B1) n'existe pas dans le jeu de caractères du joueur "
        "(Windows-1252) : remplacez-le"}},
      {"accent that composes with nothing",
       [](Json& q) { q["questions"][0]["answer1"] = "q\u0301"; },
       {"question 1, réponse 1 : le caractère « \u0301 » (U+0301) n'existe pas dans le jeu de "
        "caractères du joueur (Windows-1252) : remplacez-le"}},
      {"'|' in the explanation",
       [](Json& q) { q["explanation"] = "oui | non"; },
       {"explication : contient « | », qui sépare les champs du quiz enregistré : remplacez-le, "
        "par « / » par exemple"}},
      {"'|' in an answer",
       [](Json& q) { q["questions"][1]["answer1"] = "a|b"; },
       {"question 2, réponse 1 : contient « | », qui sépare les champs du quiz enregistré : "
        "remplacez-le, par « / » par exemple"}},
      {"'|' in a caption",
       [](Json& q) { q["answer2Caption"] = "|"; },
       {"légende de la réponse 2 : contient « | », qui sépare les champs du quiz enregistré : "
        "remplacez-le, par « / » par exemple"}},
      {"line feed in a code",
       [](Json& q) { q["codes"][1] = "un\ndeux"; },
       {"code 2 : contient un retour à la ligne, que les champs du joueur ne montrent ni ne "
        "reçoivent : écrivez ce texte sur une seule ligne"}},
      {"carriage return in the title",
       [](Json& q) { q["title"] = "Quiz\r"; },
       {"titre : contient un retour à la ligne, que les champs du joueur ne montrent ni ne "
        "reçoivent : écrivez ce texte sur une seule ligne"}},
      {"line break in a reveal text",
       [](Json& q) { q["questions"][0]["revealText"] = "a\nb"; },
       {"question 1, texte révélé : contient un retour à la ligne, que les champs du joueur ne "
        "montrent ni ne reçoivent : écrivez ce texte sur une seule ligne"}},
      {"tab in an answer",
       [](Json& q) { q["questions"][1]["answer1"] = "Saint\tMalo"; },
       {"question 2, réponse 1 : contient une tabulation, que les champs du joueur ne montrent "
        "ni ne reçoivent : remplacez-la par un espace"}},
      {"tab in the author",
       [](Json& q) { q["author"] = "\tZoé"; },
       {"auteur : contient une tabulation, que les champs du joueur ne montrent ni ne reçoivent "
        ": remplacez-la par un espace"}},
      {"zero character in the title",
       [](Json& q) { q["title"] = std::string("a\0b", 3); },
       {"titre : contient un caractère nul : supprimez-le"}},
      {"one code more than questions",
       [](Json& q) { q["codes"].push_back("en trop"); },
       {"codes : il y a 4 codes pour 3 questions : le code 4 ne s'afficherait jamais ; "
        "supprimez-le"}},
      {"two codes more than questions",
       [](Json& q) {
         q["codes"].push_back("a");
         q["codes"].push_back("b");
       },
       {"codes : il y a 5 codes pour 3 questions : les codes 4 à 5 ne s'afficheraient jamais ; "
        "supprimez-les"}},
      {"empty answer",
       [](Json& q) { q["questions"][0]["answer1"] = ""; },
       {"question 1, réponse 1 : la réponse attendue est vide : écrivez-la"}},
      {"no answer",
       [](Json& q) { q["questions"][2].erase("answer1"); },
       {"question 3, réponse 1 : la réponse attendue est vide : écrivez-la"}},
      {"answer of spaces",
       [](Json& q) { q["questions"][0]["answer2"] = "   "; },
       {"question 1, réponse 2 : la réponse attendue n'est faite que d'espaces, que le joueur "
        "retire de ce que tape l'élève : aucune réponse ne serait juste ; écrivez la réponse "
        "attendue"}},
      {"answer after a space",
       [](Json& q) { q["questions"][1]["answer1"] = " Paris"; },
       {"question 2, réponse 1 : la réponse commence par un espace" + TRIMMED}},
      {"answer before a space",
       [](Json& q) { q["questions"][1]["answer2"] = "Paris "; },
       {"question 2, réponse 2 : la réponse finit par un espace" + TRIMMED}},
      {"answer between spaces",
       [](Json& q) { q["questions"][2]["answer1"] = "  Paris "; },
       {"question 3, réponse 1 : la réponse commence par un espace" + TRIMMED,
        "question 3, réponse 1 : la réponse finit par un espace" + TRIMMED}},
      {"no second answer with two answers",
       [](Json& q) { q["questions"][1].erase("answer2"); },
       {"question 2, réponse 2 : la réponse attendue est vide : écrivez-la"}},
      {"second answer with one answer",
       [](Json& q) {
         q = SampleQuizJson("picture", "textAndPicture", 1, 3);
         q["questions"][1]["answer2"] = "Rome";
       },
       {"question 2, réponse 2 : le quiz n'a qu'une réponse par question : supprimez cette "
        "réponse, ou passez à deux réponses par question"}},
      {"wording in a picture quiz",
       [](Json& q) { q["questions"][0]["questionText"] = "Où ?"; },
       {"question 1, énoncé : un quiz d'images n'affiche pas d'énoncé : supprimez ce texte"}},
      {"text quiz without a wording",
       [](Json& q) {
         q = SampleQuizJson("text", "none", 1, 2);
         q["questions"][1].erase("questionText");
       },
       {"question 2, énoncé : l'énoncé est vide : écrivez la question"}},
      {"reveal text that the reveal mode does not show",
       [](Json& q) {
         q = SampleQuizJson("picture", "picture", 2, 3);
         q["questions"][1]["revealText"] = "Rome";
       },
       {"question 2, texte révélé : la révélation « picture » (l'image réponse) ne montre pas de "
        "texte : supprimez ce texte, ou choisissez la révélation « text » (le texte révélé), "
        "« textAndPicture » (le texte et l'image réponse) ou « textsAtEnd » (tous les textes à la "
        "fin)"}},
      {"reveal text in an audio quiz",
       [](Json& q) {
         q = SampleQuizJson("audio", "none", 1, 2);
         q["questions"][0]["revealText"] = "Miaou";
       },
       {"question 1, texte révélé : un quiz de sons ne révèle pas de texte : supprimez ce texte"}},
      {"reveal mode in an audio quiz",
       [](Json& q) {
         q = SampleQuizJson("audio", "none", 1, 2);
         q["revealMode"] = "text";
       },
       {"révélation : un quiz de sons ne révèle rien : seul un quiz d'images montre un texte ou "
        "une image une fois la question résolue ; choisissez « none » (rien)"}},
      {"answer picture that the reveal mode does not show",
       [](Json& q) {
         q = SampleQuizJson("picture", "text", 2, 3);
         q["questions"][0]["answerPicture"] = "r.jpg";
       },
       {"question 1, image réponse : la révélation « text » (le texte révélé) ne montre pas "
        "d'image réponse : supprimez ce champ, ou choisissez la révélation « picture » (l'image "
        "réponse) ou « textAndPicture » (le texte et l'image réponse)"}},
      {"answer picture in a video quiz",
       [](Json& q) {
         q = SampleQuizJson("video", "none", 1, 2);
         q["questions"][1]["answerPicture"] = "r.jpg";
       },
       {"question 2, image réponse : un quiz de films ne montre pas d'image réponse : supprimez "
        "ce champ"}},
      {"no answer picture",
       [](Json& q) { q["questions"][2].erase("answerPicture"); },
       {"question 3, image réponse : il manque l'image réponse, que la révélation "
        "« textAndPicture » (le texte et l'image réponse) montre une fois la question résolue : "
        "indiquez le chemin de son fichier"}},
      {"no picture",
       [](Json& q) { q["questions"][0].erase("picture"); },
       {"question 1, image : il manque l'image de la question : indiquez le chemin de son "
        "fichier"}},
      {"no sound",
       [](Json& q) {
         q = SampleQuizJson("audio", "none", 1, 2);
         q["questions"][1]["sound"] = "";
       },
       {"question 2, son : il manque le son de la question : indiquez le chemin de son fichier"}},
      {"sound in a picture quiz",
       [](Json& q) { q["questions"][1]["sound"] = "a.mp3"; },
       {"question 2, son : un quiz d'images n'a pas de son : supprimez ce champ"}},
      {"film in an audio quiz",
       [](Json& q) {
         q = SampleQuizJson("audio", "none", 1, 1);
         q["questions"][0]["film"] = "a.avi";
       },
       {"question 1, film : un quiz de sons n'a pas de film : supprimez ce champ"}},
      {"picture in a text quiz",
       [](Json& q) {
         q = SampleQuizJson("text", "none", 2, 1);
         q["questions"][0]["picture"] = "a.jpg";
       },
       {"question 1, image : un quiz de questions écrites n'a pas d'image : supprimez ce champ"}},
  };
  ASSERT_TRUE(CheckQuizTexts(Read(BaseQuiz()), nullptr).empty()) << "the base quiz is valid";
  for (const Case& c : cases) {
    Json json = BaseQuiz();
    c.change(json);
    const std::vector<Problem> problems = CheckQuizTexts(Read(json), nullptr);
    EXPECT_EQ(LinesOf(problems, PROBLEM_ERROR), c.expected) << c.name;
    EXPECT_EQ(LinesOf(problems, PROBLEM_WARNING), Lines()) << c.name;
  }
}

std::string Untypable(const std::string& what, const std::string& typed,
                      const std::string& replacement) {
  return "contient " + what + ", qu'un élève ne tape pas au clavier : qui tape " + typed +
         " n'obtiendra pas « BRAVO » ; écrivez " + replacement + " à la place";
}

// typed is the small letter unless the keyboard has none: then the letter without its mark.
std::string Capital(const std::string& capital, const std::string& small,
                    const std::string& typed = "") {
  const std::string advice = typed.empty() ? small : typed;
  return "contient la majuscule accentuée « " + capital +
         " », difficile à taper sur un clavier français, et le joueur ne la confond ni avec « " +
         small + " » ni avec la lettre sans accent : un élève qui tape « " + advice +
         " » n'obtiendra pas « BRAVO » ; écrivez « " + advice + " » à la place";
}

TEST(QuizCheckTest, WarnsOfWhatAPupilCannotTypeOrTellApart) {
  const std::string answer = "question 2, réponse 1 : ";
  const std::string apostrophe = "l'apostrophe du clavier", quote = "le guillemet du clavier";
  const Case cases[] = {
      {"typographic apostrophe",
       [](Json& q) { q["questions"][1]["answer1"] = "l’école"; },
       {answer + Untypable("l'apostrophe typographique « ’ »", apostrophe, "« ' »")}},
      {"the same apostrophe twice",
       [](Json& q) { q["questions"][1]["answer1"] = "l’été d’or"; },
       {answer + Untypable("l'apostrophe typographique « ’ »", apostrophe, "« ' »")}},
      {"opening apostrophe",
       [](Json& q) { q["questions"][1]["answer1"] = "‘a"; },
       {answer + Untypable("l'apostrophe typographique « ‘ »", apostrophe, "« ' »")}},
      {"French quotes",
       [](Json& q) { q["questions"][1]["answer1"] = "« oui »"; },
       {answer + Untypable("le guillemet français « « »", quote, "« \" »"),
        answer + Untypable("le guillemet français « » »", quote, "« \" »")}},
      {"English quotes",
       [](Json& q) { q["questions"][1]["answer1"] = "“oui”"; },
       {answer + Untypable("le guillemet typographique « “ »", quote, "« \" »"),
        answer + Untypable("le guillemet typographique « ” »", quote, "« \" »")}},
      {"non-breaking space",
       [](Json& q) { q["questions"][1]["answer1"] = "100\u00A0km"; },
       {answer + Untypable("un espace insécable", "un espace ordinaire", "un espace ordinaire")}},
      {"ligature oe",
       [](Json& q) { q["questions"][1]["answer1"] = "cœur"; },
       {answer + Untypable("la ligature « œ »", "« oe »", "« oe »")}},
      {"capital ligature oe",
       [](Json& q) { q["questions"][1]["answer1"] = "Œuvre"; },
       {answer + Untypable("la ligature « Œ »", "« oe »", "« oe »")}},
      {"ligature ae",
       [](Json& q) { q["questions"][1]["answer1"] = "cæcum"; },
       {answer + Untypable("la ligature « æ »", "« ae »", "« ae »")}},
      {"dash",
       [](Json& q) { q["questions"][1]["answer1"] = "1914 – 1918"; },
       {answer + Untypable("le tiret « – »", "le tiret du clavier", "« - »")}},
      {"ellipsis",
       [](Json& q) { q["questions"][1]["answer1"] = "etc…"; },
       {answer + Untypable("les points de suspension « … » en un seul caractère", "trois points",
                           "« ... »")}},
      {"accented capital",
       [](Json& q) { q["questions"][1]["answer1"] = "École"; },
       {answer + Capital("É", "é")}},
      {"two accented capitals",
       [](Json& q) { q["questions"][1]["answer1"] = "ÉLÈVE"; },
       {answer + Capital("É", "é"), answer + Capital("È", "è")}},
      {"capitals of the typographic block",
       [](Json& q) { q["questions"][1]["answer1"] = "ŠŸ"; },
       {answer + Capital("Š", "š", "s"), answer + Capital("Ÿ", "ÿ")}},
      {"capital in the second answer",
       [](Json& q) { q["questions"][0]["answer2"] = "Île"; },
       {"question 1, réponse 2 : " + Capital("Î", "î")}},
      {"one code fewer than questions",
       [](Json& q) { q["codes"].erase(2); },
       {"codes : 2 codes de progression pour 3 questions : le code de la ligne n s'affiche "
        "quand n questions sont réussies, mais aucun une fois les 3 questions réussies ; "
        "ajoutez-en 1, un par ligne"}},
      {"two codes fewer than questions",
       [](Json& q) {
         q["codes"].erase(2);
         q["codes"].erase(1);
       },
       {"codes : 1 code de progression pour 3 questions : le code de la ligne n s'affiche "
        "quand n questions sont réussies, mais aucun à partir de 2 questions réussies ; "
        "ajoutez-en 2, un par ligne"}},
      {"no code",
       [](Json& q) { q.erase("codes"); },
       {"codes : aucun code de progression pour 3 questions : le joueur ne montrera aucun "
        "code ; écrivez-en un par ligne, celui de la ligne n s'affiche quand n questions sont "
        "réussies"}},
      {"no code for one question",
       [](Json& q) {
         q = SampleQuizJson("audio", "none", 1, 1);
         q.erase("codes");
       },
       {"codes : aucun code de progression pour 1 question : le joueur ne montrera aucun code "
        "; écrivez-en un par ligne, celui de la ligne n s'affiche quand n questions sont "
        "réussies"}},
      {"the same wording twice",
       [](Json& q) {
         q = SampleQuizJson("text", "none", 1, 4);
         q["questions"][2]["questionText"] = q["questions"][0]["questionText"];
         q["questions"][3]["questionText"] = q["questions"][0]["questionText"];
       },
       {"question 3, énoncé : même énoncé que la question 1 : un élève ne saura pas laquelle est "
        "laquelle ; précisez l'un des deux énoncés",
        "question 4, énoncé : même énoncé que la question 1 : un élève ne saura pas laquelle est "
        "laquelle ; précisez l'un des deux énoncés"}},
      {"caption with one answer",
       [](Json& q) {
         q = SampleQuizJson("text", "none", 1, 2);
         q["answer1Caption"] = "Ville";
       },
       {"légende de la réponse 1 : la légende ne s'affiche qu'avec deux réponses par question : "
        "le joueur ne la montrera pas ; supprimez-la, ou passez à deux réponses par question"}},
  };
  for (const Case& c : cases) {
    Json json = BaseQuiz();
    c.change(json);
    const std::vector<Problem> problems = CheckQuizTexts(Read(json), nullptr);
    EXPECT_EQ(LinesOf(problems, PROBLEM_WARNING), c.expected) << c.name;
    EXPECT_EQ(LinesOf(problems, PROBLEM_ERROR), Lines()) << c.name;
  }
}

TEST(QuizCheckTest, ComposesAccentsBeforeTheCodePageCheck) {
  QuizFile quiz = Read(SampleQuizJson("text", "none", 1, 1));
  quiz.questions[0].answer1 = "E\u0301cole";
  quiz.title = "Cafe\u0301";
  const std::vector<Problem> problems = CheckQuizTexts(quiz, nullptr);
  EXPECT_EQ(LinesOf(problems, PROBLEM_ERROR), Lines());
  EXPECT_EQ(LinesOf(problems, PROBLEM_WARNING),
            Lines{"question 1, réponse 1 : " + Capital("É", "é")});
}

// Every character 6 pixels wide, 13-pixel lines; the system font twice as wide, lines of 16.
TextExtent MeasureRound(PlayerFont font, const std::string& text) {
  const int width = 6 * static_cast<int>(text.size());
  return font == FONT_GUI ? TextExtent{width, 13} : TextExtent{2 * width, 16};
}

TEST(QuizCheckTest, WarnsOfTextsThatTheirControlsCut) {
  const std::string tooLong = "le texte est trop long pour sa place dans le joueur";
  std::string words;
  for (int i = 0; i < 21; ++i) words += (i ? " " : "") + std::string("abcdefghij");
  // Three words and their spaces (198 pixels) to a line of 260: seven lines, five shown.
  const std::string shown = words.substr(0, 15 * 11 - 1);
  const Case cases[] = {
      {"code of 11 characters",
       [](Json& q) { q["codes"][0] = "Premier pas"; },
       {"code 1 : le texte est trop large pour sa place dans le joueur (66 pixels pour 49) : "
        "seul « Premier  » s'affichera ; raccourcissez-le"}},
      {"author on two lines",
       [](Json& q) { q["author"] = "Zoé Müller-Dupont"; },
       {"auteur : " + tooLong +
        ", une ligne de 85 pixels : seul « Zoé » s'affichera ; "
        "raccourcissez-le"}},
      {"title in the system font",
       [](Json& q) { q["title"] = "Les capitales de l'Europe"; },
       {"titre : " + tooLong +
        ", une ligne de 220 pixels : seul « Les capitales de » "
        "s'affichera ; raccourcissez-le"}},
      {"a word wider than its caption",
       [](Json& q) { q["answer2Caption"] = "Anticonstitutionnel"; },
       {"légende de la réponse 2 : le mot « Anticonstitutionnel » est plus large que sa place "
        "dans le joueur (95 pixels) : il sera coupé ; raccourcissez-le"}},
      {"reveal text on seven lines",
       [&](Json& q) { q["questions"][1]["revealText"] = words; },
       {"question 2, texte révélé : " + tooLong +
        " (7 lignes de 260 pixels, la place en montre "
        "5) : seul « " +
        shown + " » s'affichera ; raccourcissez-le"}},
      {"a word of 1200 pixels in the explanation",
       [](Json& q) { q["explanation"] = std::string(200, 'e') + " fin"; },
       {"explication : le mot « " + std::string(200, 'e') +
        " » est plus large que sa place dans le joueur (550 pixels) : il sera coupé ; "
        "raccourcissez-le"}},
  };
  // A title of 48 pixels; every other text of the base quiz fits, its codes of 8 characters
  // exactly (48 pixels of 49), and its answers, which no control shows, are not measured.
  Json base = BaseQuiz();
  base["title"] = "Quiz";
  ASSERT_EQ(LinesOf(CheckQuizTexts(Read(base), MeasureRound), PROBLEM_WARNING), Lines());
  for (const Case& c : cases) {
    Json json = base;
    c.change(json);
    EXPECT_EQ(LinesOf(CheckQuizTexts(Read(json), MeasureRound), PROBLEM_WARNING), c.expected)
        << c.name;
  }
}

TEST(QuizCheckTest, WithoutAMeasurerNoWidthIsChecked) {
  Json json = BaseQuiz();
  json["codes"][0] = std::string(200, 'W');
  EXPECT_TRUE(CheckQuizTexts(Read(json), nullptr).empty());
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(QuizCheckTest, ChecksTheMediaFilesThatTheQuizShows) {
  const fs::path folder = FreshDirectory("check-media");
  const Json json = BaseQuiz();
  WriteSampleQuiz(json, folder);
  QuizFile quiz = Read(json);
  EXPECT_TRUE(CheckQuizMedia(quiz, folder, nullptr).empty());
  fs::remove(folder / "media/picture2.jpg");
  const Bytes png = PngOf(std::vector<Rgba>(64, Rgba{0, 0, 255, 255}), 8, 8);
  WriteText(folder / "media/réponse3.jpg", std::string(png.begin(), png.end()));
  // A JPEG cut before its end, as an interrupted copy leaves it.
  const Bytes jpeg = SampleMediaBytes("media/picture3.jpg");
  WriteText(folder / "media/picture3.jpg", std::string(jpeg.begin(), jpeg.end() - 2));
  quiz.questions[0].sound = "nowhere.mp3";  // not a field of a picture quiz: not read
  const std::vector<Problem> problems = CheckQuizMedia(quiz, folder, nullptr);
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_EQ(ProblemPlace(problems[0]), "question 2, image");
  EXPECT_EQ(problems[0].message.rfind("le fichier « media/picture2.jpg » est introuvable", 0), 0u);
  EXPECT_EQ(problems[1].severity, PROBLEM_ERROR);
  EXPECT_EQ(ProblemLine(problems[1]),
            "question 3, image : « media/picture3.jpg » est une image JPEG abîmée, ou d'une sorte "
            "que brela ne sait pas lire : ouvrez-la dans un logiciel d'images et "
            "enregistrez-la de nouveau, en JPEG ou en PNG.");
  EXPECT_EQ(problems[2].severity, PROBLEM_WARNING);
  EXPECT_EQ(ProblemLine(problems[2]),
            "question 3, image réponse : « media/réponse3.jpg » contient une image PNG alors que "
            "son nom finit par « .jpg » : elle est lue comme une image PNG ; pour que son nom dise "
            "ce qu'elle est, renommez le fichier « media/réponse3.png » et donnez ce nom dans le "
            "quiz.");
}

TEST(QuizCheckTest, ReportsEveryProblemOfAFileAtOnceAndABadKindHidesNothing) {
  const fs::path folder = FreshDirectory("check-at-once");
  Json json = SampleQuizJson("audio", "none", 1, 4);
  WriteSampleQuiz(json, folder);
  fs::remove(folder / "media/sound3.mp3");
  json["kind"] = "sons";
  json["title"] = "a|b";
  json["questions"][3]["answer1"] = "€uro ✓";
  json["questions"][1]["answer1"] = " chat";
  json["questions"][0]["answer1"] = 12;
  json["codes"].erase(0);
  QuizFile quiz;
  const std::vector<Problem> problems =
      ReadAndCheckQuiz(json.dump(), {folder, nullptr, nullptr}, quiz);
  EXPECT_EQ(
      LinesOf(problems, PROBLEM_ERROR),
      (Lines{"type de quiz : « sons » n'est pas un type de quiz : choisissez « text », "
             "« picture », « audio » ou « video »",
             "titre : contient « | », qui sépare les champs du quiz enregistré : "
             "remplacez-le, par « / » par exemple",
             "question 1, réponse 1 : doit être un texte entre guillemets",
             "question 2, réponse 1 : la réponse commence par un espace" + TRIMMED,
             "question 3, son : le fichier « media/sound3.mp3 » est introuvable (cherché en « " +
                 fs::absolute(folder / "media/sound3.mp3").u8string() + " »)",
             "question 4, réponse 1 : le caractère « ✓ » (U+2713) n'existe pas dans le jeu "
             "de caractères du joueur (Windows-1252) : remplacez-le"}));
  EXPECT_EQ(LinesOf(problems, PROBLEM_WARNING),
            Lines{"codes : 3 codes de progression pour 4 questions : le code de la ligne n "
                  "s'affiche quand n questions sont réussies, mais aucun une fois les 4 questions "
                  "réussies ; ajoutez-en 1, un par ligne"});
}

TEST(QuizCheckTest, AFileThatIsNotAQuizIsNotCheckedFurther) {
  QuizFile quiz;
  const std::vector<Problem> problems =
      ReadAndCheckQuiz("{\"kind\": ", {".", nullptr, nullptr}, quiz);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].field, "");
  EXPECT_EQ(problems[0].question, 0);
}

TEST(QuizCheckTest, SortsTheQuizsOwnProblemsFirstThenByQuestion) {
  std::vector<Problem> problems = {ErrorAt({2, "answer1", 0}, "a"), WarningAt({0, "codes", 0}, "b"),
                                   ErrorAt({1, "picture", 0}, "c"), ErrorAt({2, "answer2", 0}, "d"),
                                   ErrorAt({0, "title", 0}, "e")};
  SortProblems(problems);
  std::string order;
  for (const Problem& problem : problems) order += problem.message;
  EXPECT_EQ(order, "becad");
}

}  // namespace
