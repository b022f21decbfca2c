// brelamake's commands: the command line read, the library's outcomes told in French.
#include "tools/brelamake/brelamake.h"

#include <algorithm>
#include <functional>
#include <map>

#include "tools/authoring/class_results.h"
#include "tools/authoring/make_quiz.h"
#include "tools/authoring/quiz_fields.h"
#include "tools/authoring/quiz_resources.h"
#include "tools/authoring/results_page.h"
#include "tools/authoring/results_spreadsheet.h"
#include "tools/authoring/safe_file.h"
#include "tools/authoring/spreadsheet_format.h"
#include "tools/authoring/spreadsheet_import.h"
#include "tools/authoring/web_page.h"
#include "tools/authoring/whole_file.h"

namespace {

namespace fs = std::filesystem;

// Every occurrence of what in text, replaced.
void Replace(std::string& text, const std::string& what, const std::string& by) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.replace(at, what.size(), by);
    at += by.size();
  }
}

constexpr const char* USAGE_COMMANDS = R"(brelamake : fabrique des quiz brela et les relit.

Utilisation :
  brelamake check QUIZ.json
      Vérifie le quiz et dit tous ses problèmes d'un coup, chacun avec sa question et son
      champ : les erreurs (le quiz ne peut pas être fabriqué) puis les avertissements (il peut
      l'être, mais un élève en souffrira). N'écrit rien.
  brelamake make QUIZ.json -o NOM.exe [--player JOUEUR.exe] [--force]
      Vérifie le quiz comme « check », puis l'écrit avec ses images, sons ou films dans NOM.exe,
      une copie du joueur (par défaut brela.exe, à côté de brelamake). Rien n'est écrit s'il
      reste une erreur ; les avertissements sont affichés. Un NOM.exe qui existe déjà n'est
      remplacé que s'il est lui-même un quiz, ou avec --force ; un fichier d'origine du quiz
      (le quiz, une image, le joueur) ne l'est jamais.
  brelamake import TABLEAU.csv -o QUIZ.json [--force]
      Fait un fichier de quiz d'un tableau enregistré en CSV par LibreOffice Calc ou Excel, puis
      le vérifie et dit chaque problème par sa ligne et sa colonne dans le tableau. Un QUIZ.json
      qui existe déjà n'est remplacé qu'avec --force.
  brelamake dump NOM.exe -o DOSSIER [--force]
      Écrit le quiz de NOM.exe dans DOSSIER/quiz.json, et ses images, sons ou films à côté
      (picture01.jpg, answer01.jpg, sound01.mp3, film01.avi...). « make » sur ce quiz.json
      redonne le même quiz. Un dossier qui contient déjà des fichiers n'est utilisé qu'avec
      --force.
  brelamake resultats QUIZ RÉPONSES... -o CLASSE.csv [--html CLASSE.html] [--force]
      Corrige les fichiers de réponses des élèves comme le joueur à son démarrage, pour le quiz
      QUIZ (l'exécutable ou son fichier de quiz). RÉPONSES : des fichiers de réponses, ou des
      dossiers ; chaque .txt d'un dossier est un élève, nommé d'après le fichier, et chaque
      sous-dossier qui contient un seul .txt est un élève, nommé d'après le sous-dossier.
      Écrit dans CLASSE.csv, pour un tableur, une ligne par élève : son score, son code et
      chaque réponse avec son verdict ; avec --html, une page imprimable du tableau, de la
      réussite de chaque question et de la répartition des scores. Un fichier qui n'est pas un
      fichier de réponses de ce quiz (plus de lignes que de réponses, des caractères de
      contrôle, vide, illisible) est laissé de côté avec la raison ; les autres sont comptés.
      Un CLASSE.csv ou CLASSE.html qui existe déjà n'est remplacé que s'il a été écrit par
      « resultats », ou avec --force ; les fichiers lus ne le sont jamais.
  brelamake web QUIZ -o PAGE.html [--force]
      Fait du quiz QUIZ (l'exécutable ou son fichier de quiz) une seule page web, qui contient
      ses textes, ses images, ses sons et la correction du joueur : elle s'ouvre sans réseau
      dans tout navigateur, sur un ordinateur, une tablette ou un téléphone. Un quiz de films
      n'a pas de page : les navigateurs ne lisent pas les films AVI. La page garde les
      réponses de l'élève et les télécharge en PAGE.txt, le fichier de réponses du joueur. La
      correction est le fichier brela-web.js, à côté du joueur. Un PAGE.html qui existe déjà
      n'est remplacé que s'il a été écrit par « web », ou avec --force ; les fichiers lus ne
      le sont jamais.
  brelamake --help
      Affiche ce texte.

Le tableau (CSV) : une première ligne nomme les colonnes, puis une ligne par question. Les
noms, en majuscules ou minuscules, avec ou sans accents :
)";

constexpr const char* USAGE_SPREADSHEET_END =
    "Séparateur point-virgule, virgule ou tabulation ; UTF-8 ou Windows-1252 (le « CSV » "
    R"(d'Excel).
Les chemins des images, sons et films partent du dossier du tableau ; ils sont réécrits pour
partir du dossier de QUIZ.json. Le titre du quiz est le nom du tableau. Les colonnes et les
lignes vides sont ignorées.

)";

// The fields come from their table; the limits (%Q, %T) from the player's.
constexpr const char* FIELDS_TITLE =
    "Le fichier de quiz (JSON, en UTF-8) ; les noms des champs restent en anglais :\n";
constexpr const char* FIELDS_END =
    "  Les chemins des images, sons et films partent du dossier du fichier de quiz.\n\n";

constexpr const char* REFUSALS =
    "Erreurs (le quiz n'est pas fabriqué) : aucune question ou plus de %Q ; un texte de plus de\n"
    R"(%T caractères, ou avec un caractère que le joueur ne connaît pas (il n'a que ceux de
Windows-1252), une tabulation, un retour à la ligne ou « | » ; une réponse attendue vide,
faite d'espaces ou entourée d'espaces ; plus de codes que de questions ; un champ que le type
de quiz ou sa révélation n'utilise pas, ou un champ inconnu ; une image, un son ou un film
introuvable ou d'un autre format (un son doit être un MP3, un film un AVI) ; un quiz trop
grand pour le joueur une fois compressé.
Avertissements : une réponse avec un caractère qu'un élève ne tape pas au clavier
(apostrophe ou guillemets typographiques, espace insécable, œ, æ, majuscule accentuée) ; deux
questions au même énoncé ; moins de codes que de questions ; un texte trop long pour sa place
dans la fenêtre du joueur.

Codes de sortie :
  0  succès (pour « check » : aucune erreur, des avertissements peut-être ; pour
     « resultats » : tous les fichiers de réponses lus)
  1  le quiz, le tableau ou le quiz de l'exécutable a des erreurs ; pour « resultats » : des
     fichiers ont été laissés de côté
  2  un fichier ne peut être ni lu ni écrit, ou brelamake refuse de le remplacer
  3  ligne de commande incorrecte
)";

// A field's key in a column of 22, its help after it and its help's other lines under the first;
// a question's fields indented further.
std::string FieldHelp(const FieldFacts& facts) {
  constexpr std::size_t HELP_COLUMN = 24;
  std::string key = std::string(facts.ofQuestion ? 4 : 2, ' ') + "\"" + facts.key + "\"";
  key += key.size() + 2 <= HELP_COLUMN ? std::string(HELP_COLUMN - key.size(), ' ')
                                       : "\n" + std::string(HELP_COLUMN, ' ');
  std::string help = facts.help;
  Replace(help, "\n", "\n" + std::string(HELP_COLUMN, ' '));
  return key + help + "\n";
}

// A spreadsheet column's usual header in a column of 16, its help after it.
std::string ColumnHelp(QuizField column) {
  constexpr std::size_t HELP_COLUMN = 18;
  const std::string header = "  " + ColumnHeaders(column).front();
  const std::size_t characters = static_cast<std::size_t>(std::count_if(
      header.begin(), header.end(), [](char c) { return (c & 0xC0) != 0x80; }));  // UTF-8
  return header + std::string(HELP_COLUMN - characters, ' ') + FactsOf(column).columnHelp + "\n";
}

struct Command {
  const char* name;
  bool takesOutput;  // -o, required
  bool takesPlayer;  // --player
  bool takesClass;   // inputs after the first (answers files and folders), and --html
};

const Command COMMANDS[] = {{"make", true, true, false},
                            {"check", false, false, false},
                            {"import", true, false, false},
                            {"dump", true, false, false},
                            {"resultats", true, false, true},
                            {"web", true, false, false}};

struct CommandLine {
  const Command* command = nullptr;
  std::string input;
  std::vector<std::string> moreInputs;  // resultats' answers files and folders
  std::map<std::string, std::string> options;  // "-o", "--player", "--html"
  bool force = false;
};

const Command* FindCommand(const std::string& name) {
  for (const Command& command : COMMANDS) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

// "COMMAND INPUT" and the options the command takes; false on anything else.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line) {
  if (arguments.empty() || !(line.command = FindCommand(arguments[0]))) return false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool valued = (argument == "-o" && line.command->takesOutput) ||
                        (argument == "--player" && line.command->takesPlayer) ||
                        (argument == "--html" && line.command->takesClass);
    if (valued) {
      if (i + 1 == arguments.size() || line.options.count(argument)) return false;
      line.options[argument] = arguments[++i];
    } else if (argument == "--force" && line.command->takesOutput && !line.force) {
      line.force = true;
    } else if (line.input.empty() && !argument.empty() && argument[0] != '-') {
      line.input = argument;
    } else if (line.command->takesClass && !argument.empty() && argument[0] != '-') {
      line.moreInputs.push_back(argument);
    } else {
      return false;
    }
  }
  return !line.input.empty() && (!line.command->takesOutput || line.options.count("-o")) &&
         (!line.command->takesClass || !line.moreInputs.empty());
}

// An existing file or folder left alone: what to do about it.
int ReportRefusal(const std::string& refused, std::ostream& err) {
  err << "brelamake : " << refused
      << " ; choisissez un autre nom, ou ajoutez --force pour passer outre\n";
  return EXIT_IO_FAILURE;
}

fs::path FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

using PlaceOf = std::function<std::string(const Problem&)>;

// The advice that only the command line can give: the core's messages are read in the editor
// too, where no command is run.
std::string CommandLineAdvice(const Problem& problem) {
  const bool unknownField = !problem.field.empty() && FieldOfKey(problem.field) == FIELD_NONE;
  return unknownField ? " ; brelamake --help donne la liste des champs" : "";
}

void ReportSeverity(const std::string& file, const std::vector<Problem>& problems,
                    ProblemSeverity severity, const PlaceOf& placeOf, std::ostream& err) {
  const int count = CountProblems(problems, severity);
  if (count == 0) return;
  err << file << " : "
      << (severity == PROBLEM_ERROR ? CountText(count, "erreur", "erreurs")
                                    : CountText(count, "avertissement", "avertissements"))
      << " :\n";
  for (const Problem& problem : problems) {
    if (problem.severity != severity) continue;
    const std::string place = placeOf(problem);
    err << "  " << (place.empty() ? "" : place + " : ") << problem.message
        << CommandLineAdvice(problem) << "\n";
  }
}

// The errors, then the warnings, each under its count.
void ReportProblems(const std::string& file, const std::vector<Problem>& problems,
                    std::ostream& err, const PlaceOf& placeOf = ProblemPlace) {
  ReportSeverity(file, problems, PROBLEM_ERROR, placeOf, err);
  ReportSeverity(file, problems, PROBLEM_WARNING, placeOf, err);
}

std::string MediaCount(int count) {
  return CountText(count, "fichier d'image, de son ou de film",
                   "fichiers d'images, de sons ou de films");
}

// A CSV spreadsheet given where a quiz file is expected: the command that makes it one.
void SuggestImport(const std::string& input, const std::string& bytes, std::ostream& err) {
  if (SpreadsheetFormatOf(bytes) != SHEET_CSV) return;
  err << "brelamake : pour en faire un quiz : brelamake import " << input << " -o QUIZ.json\n";
}

int Check(const CommandLine& line, const TextMeasurer& measure, std::ostream& out,
          std::ostream& err) {
  const fs::path quizPath = fs::u8path(line.input);
  const std::string bytes = ReadWholeText(quizPath);
  QuizFile quiz;
  const std::vector<Problem> problems =
      ReadAndCheckQuiz(bytes, {FolderOf(quizPath), measure, nullptr}, quiz);
  ReportProblems(line.input, problems, err);
  SuggestImport(line.input, bytes, err);
  const int errors = CountProblems(problems, PROBLEM_ERROR);
  if (errors > 0) {
    err << line.input << " : " << CountText(errors, "erreur", "erreurs")
        << " à corriger avant de fabriquer le quiz\n";
    return EXIT_BAD_QUIZ;
  }
  out << line.input << " : le quiz peut être fabriqué ("
      << CountText(static_cast<long long>(quiz.questions.size()), "question", "questions") << ", "
      << CountText(CountProblems(problems, PROBLEM_WARNING), "avertissement", "avertissements")
      << ")\n";
  return EXIT_SUCCESS_CODE;
}

int Make(const CommandLine& line, const ExecutableAccess& access, const TextMeasurer& measure,
         std::ostream& out, std::ostream& err) {
  const fs::path quizPath = fs::u8path(line.input);
  const fs::path output = fs::u8path(line.options.at("-o"));
  const fs::path player = line.options.count("--player") ? fs::u8path(line.options.at("--player"))
                                                         : access.defaultPlayer;
  MediaCache cache;
  const CheckContext context{FolderOf(quizPath), measure, &cache};
  const std::string bytes = ReadWholeText(quizPath);
  QuizFile quiz;
  std::vector<Problem> problems = ReadAndCheckQuiz(bytes, context, quiz);
  if (!HasErrors(problems)) {
    const MakeOutcome outcome =
        MakeQuizExecutable(quiz, context, player, output, {line.force, quizPath}, access);
    if (!outcome.refused.empty()) return ReportRefusal(outcome.refused, err);
    problems = outcome.problems;
  }
  ReportProblems(line.input, problems, err);
  SuggestImport(line.input, bytes, err);
  if (HasErrors(problems)) {
    err << "brelamake : rien n'a été écrit\n";
    return EXIT_BAD_QUIZ;
  }
  const int media = static_cast<int>(MediaSlots(quiz).size());
  out << "brelamake : " << QuotedPath(output) << " écrit : "
      << CountText(static_cast<long long>(quiz.questions.size()), "question", "questions")
      << (media ? ", " + MediaCount(media) : "") << "\n";
  return EXIT_SUCCESS_CODE;
}

int Import(const CommandLine& line, const TextMeasurer& measure, std::ostream& out,
           std::ostream& err) {
  const fs::path spreadsheet = fs::u8path(line.input);
  const fs::path output = fs::u8path(line.options.at("-o"));
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  QuizFile quiz = ImportSpreadsheet(ReadWholeText(spreadsheet), spreadsheet, problems, &layout);
  if (HasErrors(problems)) {
    ReportProblems(line.input, problems, err);
    err << "brelamake : rien n'a été écrit\n";
    return EXIT_BAD_QUIZ;
  }
  std::vector<Problem> checked = problems;  // the import's warnings, then the check's problems
  for (Problem& problem : CheckQuiz(quiz, {FolderOf(spreadsheet), measure, nullptr})) {
    checked.push_back(std::move(problem));
  }
  // Neither the spreadsheet nor a media file it names, even with --force.
  std::vector<fs::path> inputs = MediaPaths(quiz, FolderOf(spreadsheet));
  inputs.push_back(spreadsheet);
  RefuseWritingOverInputs(output, inputs);
  std::error_code error;
  if (fs::exists(output, error) && !line.force) {
    return ReportRefusal(QuotedPath(output) + " existe déjà : il n'est pas remplacé", err);
  }
  RebaseMediaPaths(quiz, FolderOf(spreadsheet), FolderOf(output));
  const std::string json = WriteQuizJson(quiz);
  WriteFileSafely(output, json.data(), json.size());
  out << "brelamake : " << QuotedPath(output) << " écrit : "
      << CountText(static_cast<long long>(quiz.questions.size()), "question", "questions") << "\n";
  ReportProblems(line.input, checked, err,
                 [&](const Problem& problem) { return SpreadsheetPlace(problem, layout); });
  if (HasErrors(checked)) {
    err << "brelamake : corrigez le tableau et importez-le de nouveau (avec --force), ou "
           "corrigez "
        << QuotedPath(output) << ", avant de fabriquer le quiz\n";
    return EXIT_BAD_QUIZ;
  }
  return EXIT_SUCCESS_CODE;
}

int Dump(const CommandLine& line, const ExecutableAccess& access, std::ostream& out,
         std::ostream& err) {
  const DumpOutcome outcome = DumpQuizExecutable(
      fs::u8path(line.input), fs::u8path(line.options.at("-o")), line.force, access);
  if (!outcome.refused.empty()) return ReportRefusal(outcome.refused, err);
  if (!outcome.ok) {
    err << "brelamake : " << line.input << " : " << outcome.problem << "\n";
    return EXIT_BAD_QUIZ;
  }
  ReportProblems(line.input, outcome.warnings, err);
  out << "brelamake : " << QuotedPath(outcome.quizFile) << " écrit"
      << (outcome.mediaCount ? ", avec " + MediaCount(outcome.mediaCount) : "") << "\n";
  return EXIT_SUCCESS_CODE;
}

bool StartsWith(const fs::path& file, const std::string& start) {
  return ReadWholeText(file).compare(0, start.size(), start) == 0;
}

// An existing output is replaced only when it starts as the command's outputs do (written by an
// earlier run), or with --force; an input never.
std::string OutputRefusal(const fs::path& output, const std::string& start, const char* command,
                          const std::vector<fs::path>& inputs, bool force) {
  RefuseWritingOverInputs(output, inputs);
  std::error_code error;
  if (force || !fs::exists(output, error) || StartsWith(output, start)) return "";
  return QuotedPath(output) + " existe déjà et n'a pas été écrit par « " + command +
         " » : il n'est pas remplacé";
}

std::vector<fs::path> PathsOf(const std::vector<std::string>& arguments) {
  std::vector<fs::path> paths;
  for (const std::string& argument : arguments) paths.push_back(fs::u8path(argument));
  return paths;
}

void ReportLeftOut(const std::vector<LeftOutFile>& leftOut, std::ostream& err) {
  for (const LeftOutFile& file : leftOut) {
    err << "brelamake : " << QuotedPath(file.file) << " laissé de côté : " << file.reason << "\n";
  }
  if (leftOut.empty()) return;
  err << "brelamake : "
      << CountText(static_cast<long long>(leftOut.size()), "fichier laissé de côté",
                   "fichiers laissés de côté")
      << "\n";
}

// An output of resultats: its path, how class results already there begin, and its writer.
struct ResultsOutput {
  fs::path path;
  const char* start;
  std::string (*write)(const ClassResults& results);
};

// The CSV, then the page when --html asks for it.
std::vector<ResultsOutput> ResultsOutputs(const CommandLine& line) {
  std::vector<ResultsOutput> outputs = {
      {fs::u8path(line.options.at("-o")), RESULTS_CSV_START, ResultsCsv}};
  if (line.options.count("--html")) {
    outputs.push_back({fs::u8path(line.options.at("--html")), RESULTS_PAGE_START, ResultsPage});
  }
  return outputs;
}

int Results(const CommandLine& line, const ExecutableAccess& access, std::ostream& out,
            std::ostream& err) {
  const fs::path quizPath = fs::u8path(line.input);
  QuizDefinition quiz;
  std::string problem;
  if (!PlayerQuizAt(quizPath, access, quiz, problem)) {
    err << "brelamake : " << line.input << " : " << problem << "\n";
    return EXIT_BAD_QUIZ;
  }
  const ClassFiles files = ClassFilesOf(PathsOf(line.moreInputs));
  std::vector<fs::path> inputs{quizPath};
  for (const PupilFile& pupil : files.pupils) inputs.push_back(pupil.file);
  const std::vector<ResultsOutput> outputs = ResultsOutputs(line);
  for (const ResultsOutput& output : outputs) {
    const std::string refused =
        OutputRefusal(output.path, output.start, "resultats", inputs, line.force);
    if (!refused.empty()) return ReportRefusal(refused, err);
  }
  const ClassResults results = GradeClass(quiz, files);
  for (const ResultsOutput& output : outputs) {
    const std::string text = output.write(results);
    WriteFileSafely(output.path, text.data(), text.size());
    out << "brelamake : " << QuotedPath(output.path) << " écrit : "
        << CountText(static_cast<long long>(results.pupils.size()), "élève", "élèves") << "\n";
  }
  ReportLeftOut(results.leftOut, err);
  return results.leftOut.empty() ? EXIT_SUCCESS_CODE : EXIT_SOME_LEFT_OUT;
}

// The resources of a quiz executable, or of a quiz file as make would put them into one; false
// when the quiz file has errors, which are told.
bool WebResources(const CommandLine& line, const ExecutableAccess& access,
                  const TextMeasurer& measure, std::vector<Resource>& resources,
                  std::vector<fs::path>& inputs, std::ostream& err) {
  const fs::path quizPath = fs::u8path(line.input);
  inputs.push_back(quizPath);
  if (access.isQuizExecutable && access.isQuizExecutable(quizPath)) {
    resources = access.readQuiz(quizPath);
    return true;
  }
  const std::string bytes = ReadWholeText(quizPath);
  const CheckContext context{FolderOf(quizPath), measure, nullptr};
  QuizFile quiz;
  std::vector<Problem> problems = ReadAndCheckQuiz(bytes, context, quiz);
  if (!HasErrors(problems)) {
    resources = WebResourcesOf(quiz, context, problems);
    for (const fs::path& path : MediaPaths(quiz, context.mediaFolder)) inputs.push_back(path);
  }
  ReportProblems(line.input, problems, err);
  SuggestImport(line.input, bytes, err);
  return !HasErrors(problems);
}

int Web(const CommandLine& line, const ExecutableAccess& access, const TextMeasurer& measure,
        std::ostream& out, std::ostream& err) {
  const fs::path output = fs::u8path(line.options.at("-o"));
  const fs::path module = WebModuleBeside(access.defaultPlayer);
  std::error_code error;
  if (!fs::is_regular_file(module, error)) {
    err << "brelamake : la correction des pages web, " << QuotedPath(module)
        << ", est introuvable : elle s'installe à côté du joueur ; rien n'a été écrit\n";
    return EXIT_IO_FAILURE;
  }
  std::vector<Resource> resources;
  std::vector<fs::path> inputs{module};
  if (!WebResources(line, access, measure, resources, inputs, err)) {
    err << "brelamake : rien n'a été écrit\n";
    return EXIT_BAD_QUIZ;
  }
  const WebPageOutcome page = QuizWebPage(resources, ReadWholeText(module));
  if (!page.ok) {
    err << "brelamake : " << line.input << " : " << page.problem << " ; rien n'a été écrit\n";
    return EXIT_BAD_QUIZ;
  }
  const std::string refused = OutputRefusal(output, WEB_PAGE_START, "web", inputs, line.force);
  if (!refused.empty()) return ReportRefusal(refused, err);
  WriteFileSafely(output, page.html.data(), page.html.size());
  out << "brelamake : " << QuotedPath(output) << " écrit : "
      << CountText(page.questionCount, "question", "questions")
      << (page.mediaCount ? ", " + CountText(page.mediaCount, "image ou son", "images ou sons")
                          : "")
      << "\n";
  return EXIT_SUCCESS_CODE;
}

int Run(const CommandLine& line, const ExecutableAccess& access, const TextMeasurer& measure,
        std::ostream& out, std::ostream& err) {
  const std::string name = line.command->name;
  if (name == "make") return Make(line, access, measure, out, err);
  if (name == "check") return Check(line, measure, out, err);
  if (name == "import") return Import(line, measure, out, err);
  if (name == "resultats") return Results(line, access, out, err);
  if (name == "web") return Web(line, access, measure, out, err);
  return Dump(line, access, out, err);
}

}  // namespace

std::string UsageText() {
  std::string text = USAGE_COMMANDS;
  for (QuizField column : SPREADSHEET_COLUMNS) text += ColumnHelp(column);
  text += std::string(USAGE_SPREADSHEET_END) + FIELDS_TITLE;
  for (int field = 0; field < FIELD_COUNT; ++field) {
    text += FieldHelp(FactsOf(static_cast<QuizField>(field)));
  }
  text += std::string(FIELDS_END) + REFUSALS;
  Replace(text, "%Q", std::to_string(MAX_QUESTIONS));
  Replace(text, "%T", std::to_string(TEXT_SIZE - 1));
  return text;
}

int RunBrelamake(const std::vector<std::string>& arguments, const ExecutableAccess& access,
                 const TextMeasurer& measure, std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << UsageText();
    return EXIT_SUCCESS_CODE;
  }
  CommandLine line;
  if (!ParseCommandLine(arguments, line)) {
    err << "brelamake : ligne de commande incorrecte ; « brelamake --help » explique comment "
           "l'utiliser\n";
    return EXIT_BAD_USAGE;
  }
  try {
    return Run(line, access, measure, out, err);
  } catch (const IoError& error) {
    err << "brelamake : " << error.what() << "\n";
  } catch (const fs::filesystem_error& error) {
    err << "brelamake : impossible d'accéder à " << QuotedPath(error.path1()) << "\n";
  }
  return EXIT_IO_FAILURE;
}
