// brelamake on real executables under Wine: make then dump for every kind and reveal mode,
// resources replaced rather than added, the made quiz read by the player's loader and shown by
// the player; the real brelamake.exe run as a process on spreadsheets saved as French Excel and
// LibreOffice save them; outputs that are never destroyed; the samples checked with the player's
// own fonts.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/raii_win.h"
#include "quiz/load_quiz_win.h"
#include "tests/support/message_recorder.h"
#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/brelamake/made_executables_win.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/quiz_check.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/authoring/text_rules.h"
#include "tools/brelamake/brelamake.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path PLAYER = BRELA_PLAYER_PATH;
const fs::path TOOL = BRELAMAKE_PATH;

Outcome Brelamake(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int exitCode =
      RunBrelamake(arguments, WindowsExecutableAccess(PLAYER), GdiTextMeasurer(), out, err);
  return {exitCode, out.str(), err.str()};
}

Outcome Make(const fs::path& quiz, const fs::path& output, const fs::path& player = PLAYER) {
  return Brelamake(
      {"make", quiz.u8string(), "-o", output.u8string(), "--player", player.u8string()});
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string Cp1252(const Json& text) {
  std::string converted, problem;
  EXPECT_TRUE(Utf8ToCp1252(text.get<std::string>(), converted, problem)) << problem;
  return converted;
}

TEST(BrelamakeWinTest, MakeThenDumpGivesBackEveryKindAndRevealMode) {
  const fs::path directory = FreshDirectory("win-round-trip");
  int answers = 1;
  for (const SampleKind& kind : SAMPLE_KINDS) {
    SCOPED_TRACE(std::string(kind.kind) + " " + kind.revealMode);
    answers = 3 - answers;
    const Json original = SampleQuizJson(kind.kind, kind.revealMode, answers, 3);
    const fs::path quiz = WriteSampleQuiz(original, directory / "source");
    const fs::path made = directory / (std::string(kind.kind) + "-" + kind.revealMode + ".exe");
    const Outcome make = Make(quiz, made);
    ASSERT_EQ(make.exitCode, 0) << make.err;
    const Outcome dump =
        Brelamake({"dump", made.u8string(), "-o", (directory / "dump").u8string()});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.err, "");
    ExpectDumpedAsMade(directory / "dump", original, directory / "source");
    fs::remove_all(directory / "dump");
    fs::remove_all(directory / "source");
  }
}

TEST(BrelamakeWinTest, ReplacesTheQuizOfAMadeExecutableWithoutLeavingAnyOfIt) {
  const fs::path directory = FreshDirectory("win-replace");
  const fs::path first = directory / "first.exe", second = directory / "second.exe";
  ASSERT_EQ(
      Make(WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 3), directory / "a"), first)
          .exitCode,
      0);
  const Json audio = SampleQuizJson("audio", "none", 2, 2);
  const Outcome remake = Make(WriteSampleQuiz(audio, directory / "b"), second, first);
  ASSERT_EQ(remake.exitCode, 0) << remake.err;
  const auto entries = Entries(second);
  EXPECT_EQ(entries.first, (std::vector<std::string>{"IMG #401 0409", "IMG #402 0409",
                                                     "PATCH #104 0409", "PATCH #105 0409"}));
  EXPECT_EQ(entries.second, Entries(PLAYER).second) << "the player's own resources are kept";
  EXPECT_FALSE(entries.second.empty());
  ASSERT_EQ(Brelamake({"dump", second.u8string(), "-o", (directory / "dump").u8string()}).exitCode,
            0);
  ExpectDumpedAsMade(directory / "dump", audio, directory / "b");
}

TEST(BrelamakeWinTest, WritesNothingForARefusedQuizOrAForeignPlayer) {
  const fs::path directory = FreshDirectory("win-refused");
  Json bad = SampleQuizJson("text", "none", 1, 2);
  bad["questions"][0]["answer1"] = " Paris";
  const fs::path output = directory / "out.exe";
  EXPECT_EQ(Make(WriteSampleQuiz(bad, directory / "bad"), output).exitCode, 1);
  EXPECT_FALSE(fs::exists(output));
  const Outcome foreign =
      Make(WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), directory / "good"), output, TOOL);
  EXPECT_EQ(foreign.exitCode, 2);
  EXPECT_EQ(foreign.err, "brelamake : « " + TOOL.u8string() +
                             " » n'est pas le joueur brela : il n'a pas la grille des questions\n");
  EXPECT_FALSE(fs::exists(output));
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 2)
      << "no temporary file is left";
}

TEST(BrelamakeWinTest, ThePlayersLoaderReadsTheMadeQuizWithoutAMessage) {
  const fs::path directory = FreshDirectory("win-load");
  const Json original = SampleQuizJson("picture", "textAndPicture", 2, 4);
  const fs::path made = directory / "quiz.exe";
  ASSERT_EQ(Make(WriteSampleQuiz(original, directory), made).exitCode, 0);
  QuizDefinition quiz;
  ASSERT_NO_FATAL_FAILURE(LoadMadeQuiz(made, quiz));
  EXPECT_EQ(quiz.kind, KIND_PICTURE);
  EXPECT_EQ(quiz.title, Cp1252(original["title"]));
  EXPECT_EQ(quiz.author, Cp1252(original["author"]));
  EXPECT_EQ(quiz.explanation, Cp1252(original["explanation"]));
  EXPECT_EQ(quiz.answer2Caption, Cp1252(original["answer2Caption"]));
  EXPECT_EQ(quiz.questionCount, 4);
  EXPECT_EQ(quiz.answersPerQuestion, 2);
  EXPECT_EQ(quiz.revealMode, REVEAL_TEXT_AND_PICTURE);
  EXPECT_EQ(quiz.backgroundColour, 0x00F0A412u);
  for (int n = 1; n <= 4; ++n) {
    const Json& question = original["questions"][n - 1];
    EXPECT_EQ(QuestionAt(quiz, n)->answer1, Cp1252(question["answer1"]));
    EXPECT_EQ(QuestionAt(quiz, n)->answer2, Cp1252(question["answer2"]));
    EXPECT_EQ(QuestionAt(quiz, n)->revealText, Cp1252(question["revealText"]));
    EXPECT_EQ(quiz.codes[n - 1], Cp1252(original["codes"][n - 1]));
  }
}

TEST(BrelamakeWinTest, TellsAQuizExecutableFromAnyOtherFile) {
  const fs::path directory = FreshDirectory("win-is-quiz");
  const fs::path made = directory / "quiz.exe";
  ASSERT_EQ(Make(WriteSampleQuiz(SampleQuizJson("text", "none", 1, 1), directory), made).exitCode,
            0);
  WriteText(directory / "notes.exe", "MZ mais pas un programme");
  EXPECT_TRUE(IsQuizExecutable(made));
  EXPECT_FALSE(IsQuizExecutable(PLAYER)) << "the player without a quiz";
  EXPECT_FALSE(IsQuizExecutable(TOOL));
  EXPECT_FALSE(IsQuizExecutable(directory / "notes.exe"));
  EXPECT_FALSE(IsQuizExecutable(directory / "absent.exe"));
}

const std::string PLAYER_OPTION = " --player \"" + PLAYER.u8string() + "\"";

TEST(BrelamakeWinTest, TheToolTellsItsOutcomesInFrenchWithItsExitCodes) {
  const fs::path directory = FreshDirectory("win-process");
  Json json = SampleQuizJson("video", "none", 1, 2);
  json["codes"] = {"Un", "Deux"};  // codes that fit the code field
  WriteSampleQuiz(json, directory);
  Outcome run = RunTool(TOOL, "make quiz.json -o made.exe" + PLAYER_OPTION, directory);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "brelamake : « made.exe » écrit : 2 questions, 2 fichiers d'images, de sons "
            "ou de films\n");
  run = RunTool(TOOL, "check quiz.json", directory);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "quiz.json : le quiz peut être fabriqué (2 questions, 0 avertissement)\n");
  run = RunTool(TOOL, "dump made.exe -o relu", directory);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(fs::exists(directory / "relu/film01.avi"));
  EXPECT_EQ(RunTool(TOOL, "dump made.exe -o relu", directory).exitCode, 2);
  run = RunTool(TOOL, "make quiz.json -o nosuchdir\\q.exe" + PLAYER_OPTION, directory);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err,
            "brelamake : le dossier « nosuchdir » n'existe pas : créez-le, ou choisissez un "
            "autre dossier\n");
  fs::remove(directory / "media/film2.avi");
  run = RunTool(TOOL, "make quiz.json -o other.exe" + PLAYER_OPTION, directory);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("question 2, film : le fichier « media/film2.avi » est introuvable"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(RunTool(TOOL, "check quiz.json", directory).exitCode, 1);
  EXPECT_EQ(RunTool(TOOL, "make absent.json -o other.exe" + PLAYER_OPTION, directory).exitCode, 2);
  EXPECT_EQ(RunTool(TOOL, "make quiz.json", directory).exitCode, 3);
  run = RunTool(TOOL, "--help", directory);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("brelamake : fabrique des quiz brela et les relit.", 0), 0u);
  EXPECT_FALSE(fs::exists(directory / "other.exe"));
}

// Folders and files named with characters that no ANSI code page of a French Windows holds.
TEST(BrelamakeWinTest, MakesAndDumpsAQuizInAFolderNamedOutsideCodePage1252) {
  const fs::path directory = FreshDirectory("win-unicode") / fs::u8path("Élèves – 東京 Ω");
  const Json original = SampleQuizJson("picture", "picture", 1, 2);
  const fs::path quiz = WriteSampleQuiz(original, directory);
  const fs::path made = directory / fs::u8path("quiz Ω.exe");
  Outcome run = RunTool(TOOL,
                        "make \"" + quiz.u8string() + "\" -o \"" + made.u8string() + "\"" +
                            PLAYER_OPTION,
                        directory);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind("brelamake : « " + made.u8string() + " » écrit : 2 questions", 0), 0u)
      << run.out;
  QuizDefinition loaded;
  ASSERT_NO_FATAL_FAILURE(LoadMadeQuiz(made, loaded));
  EXPECT_EQ(loaded.questionCount, 2);
  EXPECT_EQ(loaded.title, Cp1252(original["title"]));

  const fs::path dumped = directory / fs::u8path("relu 東京");
  run = RunTool(TOOL, "dump \"" + made.u8string() + "\" -o \"" + dumped.u8string() + "\"",
                directory);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ExpectDumpedAsMade(dumped, original, directory);
}

TEST(BrelamakeWinTest, MakeLeavesTheOutputWholeWhenItCannotBeReplaced) {
  const fs::path directory = FreshDirectory("win-locked");
  WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), directory);
  ASSERT_EQ(RunTool(TOOL, "make quiz.json -o made.exe" + PLAYER_OPTION, directory).exitCode, 0);
  const std::string before = TextOf(directory / "made.exe");
  // Another program holds the executable open without sharing it, as a running quiz does.
  Outcome run{};
  {
    const ScopedHandle held(CreateFileW((directory / "made.exe").c_str(), GENERIC_READ,
                                        FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    run = RunTool(TOOL, "make quiz.json -o made.exe" + PLAYER_OPTION, directory);
  }
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("impossible de remplacer « made.exe »"), std::string::npos) << run.err;
  EXPECT_EQ(TextOf(directory / "made.exe"), before);
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(directory)) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"made.exe", "quiz.json"}))
      << "no temporary file is left";

  WriteText(directory / "devoir.exe", "le devoir de Zoé");
  EXPECT_EQ(RunTool(TOOL, "make quiz.json -o devoir.exe" + PLAYER_OPTION, directory).exitCode, 2);
  EXPECT_EQ(TextOf(directory / "devoir.exe"), "le devoir de Zoé");
  EXPECT_EQ(RunTool(TOOL, "make quiz.json -o made.exe" + PLAYER_OPTION, directory).exitCode, 0)
      << "a quiz executable is replaced";
}

struct ProcessWindows {
  DWORD processId;
  HWND main;        // visible top-level window of class "WindowsApp"
  bool messageBox;  // a top-level dialog (#32770): a message box
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM found) {
  auto* windows = reinterpret_cast<ProcessWindows*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != windows->processId) return TRUE;
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "WindowsApp" && IsWindowVisible(window)) windows->main = window;
  if (std::string(className) == "#32770") windows->messageBox = true;
  return TRUE;
}

ProcessWindows FindWindows(DWORD processId) {
  ProcessWindows windows{processId, nullptr, false};
  EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Starts a quiz executable in folder, waits for its main window, reads its title and whether a
// message box came up, then closes it; "" when no main window came.
std::string StartAndClose(const fs::path& executable, const fs::path& folder, bool& messageBox) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "\"" + executable.string() + "\"";
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.string().c_str(), &startup, &process)) {
    return "";
  }
  const ScopedHandle program(process.hProcess), thread(process.hThread);
  ProcessWindows windows{};
  for (int tries = 0; tries < 300 && !windows.main && !windows.messageBox; ++tries) {
    Sleep(50);
    windows = FindWindows(process.dwProcessId);
  }
  Sleep(500);  // a message box raised while the board is built comes after the main window
  windows = FindWindows(process.dwProcessId);
  messageBox = windows.messageBox;
  char title[300] = "";
  GetWindowTextA(windows.main, title, sizeof title);
  if (windows.main) PostMessageA(windows.main, WM_CLOSE, 0, 0);
  const bool closed = WaitForSingleObject(program.Get(), 20000) == WAIT_OBJECT_0;
  EXPECT_TRUE(closed) << executable;
  if (!closed) TerminateProcess(program.Get(), 1);  // held by a message box
  return title;
}

// A spreadsheet saved by French Excel as "CSV (séparateur : point-virgule)": Windows-1252, ';',
// CR LF, a cell quoted for its ';' and its doubled quotes, empty cells kept as separators.
const std::string FRENCH_EXCEL =
    "Question;R\xE9ponse;Code;;\r\n"
    "Quelle est la capitale de l'\xC9gypte ?;Le Caire;D\xE9part;;\r\n"
    "\"Capitale du Japon ; dite \"\"Edo\"\" jadis\";Tokyo;Bravo !;;\r\n"
    ";;;;\r\n";

TEST(BrelamakeWinTest, AFrenchExcelSpreadsheetBecomesAQuizInTwoCommands) {
  const fs::path directory = FreshDirectory("win-excel");
  WriteText(directory / "Capitales du monde.csv", FRENCH_EXCEL);
  Outcome run = RunTool(TOOL, "import \"Capitales du monde.csv\" -o quiz.json", directory);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "brelamake : « quiz.json » écrit : 2 questions\n");
  EXPECT_EQ(run.err, "");
  run = RunTool(TOOL, "make quiz.json -o capitales.exe" + PLAYER_OPTION, directory);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  HMODULE module = LoadLibraryExA((directory / "capitales.exe").string().c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  QuizDefinition quiz;
  LoadQuiz(quiz, module);
  FreeLibrary(module);
  EXPECT_STREQ(quiz.title, "Capitales du monde");
  EXPECT_STREQ(QuestionAt(quiz, 1)->questionText, "Quelle est la capitale de l'\xC9gypte ?");
  EXPECT_STREQ(QuestionAt(quiz, 2)->questionText, "Capitale du Japon ; dite \"Edo\" jadis");
  EXPECT_STREQ(QuestionAt(quiz, 2)->answer1, "Tokyo");
  EXPECT_STREQ(quiz.codes[0], "D\xE9part");
  bool messageBox = true;
  EXPECT_EQ(StartAndClose(directory / "capitales.exe", directory, messageBox),
            "Capitales du monde");
  EXPECT_FALSE(messageBox);
}

TEST(BrelamakeWinTest, SpreadsheetsOfLibreOfficeAndExcelsUtf8WithTheirMedia) {
  const fs::path directory = FreshDirectory("win-libreoffice");
  fs::create_directories(directory / "tableur/sons");
  for (const char* name : {"chat", "vache"}) {
    WriteText(directory / "tableur/sons" / (std::string(name) + ".mp3"),
              std::string("ID3\x04\x00\x00\x00\x00\x00\x21", 10) + name);
  }
  // LibreOffice: UTF-8 without a mark, ',' chosen as separator, LF, a quoted cell with a comma.
  WriteText(directory / "tableur/Animaux.csv",
            "son,réponse,code\n"
            "sons/chat.mp3,chat,\"Miaou, miaou\"\n"
            "sons/vache.mp3,vache,Meuh\n");
  // Excel's "CSV UTF-8": a byte-order mark, ';', CR LF, Windows' '\' in the paths.
  WriteText(directory / "tableur/Animaux UTF-8.csv",
            "\xEF\xBB\xBF"
            "Son;R\xC3\xA9ponse;Code\r\n"
            "sons\\chat.mp3;chat;Miaou\r\n"
            "sons\\vache.mp3;vache;Meuh !\r\n");
  for (const char* name : {"Animaux", "Animaux UTF-8"}) {
    SCOPED_TRACE(name);
    const std::string quiz = std::string("quiz-") + name + ".json";
    Outcome run =
        RunTool(TOOL, "import \"tableur/" + std::string(name) + ".csv\" -o \"" + quiz + "\"", directory);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = ReadJson(directory / quiz);
    EXPECT_EQ(json["kind"], "audio");
    EXPECT_EQ(json["questions"][1]["sound"], "tableur/sons/vache.mp3");
    run = RunTool(TOOL, "make \"" + quiz + "\" -o animaux.exe --force" + PLAYER_OPTION, directory);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunTool(TOOL, "dump animaux.exe -o relu --force", directory);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(directory / "relu/sound02.mp3"),
              ReadBytes(directory / "tableur/sons/vache.mp3"));
  }
  EXPECT_EQ(ReadJson(directory / "relu/quiz.json")["codes"], (Json{"Miaou", "Meuh !"}));
}

TEST(BrelamakeWinTest, ImportTellsTheCellOfEveryProblem) {
  const fs::path directory = FreshDirectory("win-import-cells");
  WriteText(directory / "erreurs.csv",
            "Question;R\xE9ponse;Code\r\n"
            "Premi\xE8re ?;\xC9t\xE9;Premier pas\r\n"
            "Deuxi\xE8me ?;hiver ;Un\r\n");
  const Outcome run = RunTool(TOOL, "import erreurs.csv -o quiz.json", directory);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("  ligne 3, colonne B (Réponse) : la réponse finit par un espace"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("  ligne 2, colonne B (Réponse) : contient la majuscule accentuée « É »"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("  ligne 2, colonne C (Code) : le texte est trop large pour sa place "
                         "dans le joueur (61 pixels pour 49) : seul « Premier p » s'affichera"),
            std::string::npos)
      << run.err;
}

TEST(BrelamakeWinTest, TheMadeExecutableOpensItsQuizWithoutAMessage) {
  const fs::path directory = FreshDirectory("win-start");
  const Json original = SampleQuizJson("text", "none", 2, 5);
  const fs::path made = directory / "started.exe";
  ASSERT_EQ(Make(WriteSampleQuiz(original, directory), made).exitCode, 0);
  bool messageBox = true;
  EXPECT_EQ(StartAndClose(made, directory, messageBox), Cp1252(original["title"]));
  EXPECT_FALSE(messageBox);
}

// The sample quizzes of the build, when BRELA_SAMPLES names their folder: each opens on its
// title with its real media, without a message, and every text fits its place in the player's
// own fonts.
TEST(SampleQuizzesTest, EachSampleFitsAndOpensWithoutAMessage) {
  const char* samples = std::getenv("BRELA_SAMPLES");
  if (!samples) GTEST_SKIP() << "BRELA_SAMPLES names no folder of sample quizzes";
  const fs::path folder = samples;
  for (const char* name : {"capitales", "drapeaux", "animaux", "couleurs", "feminin"}) {
    SCOPED_TRACE(name);
    const fs::path quizFile = folder / name / "quiz.json";
    QuizFile quiz;
    const std::vector<Problem> problems = ReadAndCheckQuiz(
        TextOf(quizFile), {quizFile.parent_path(), GdiTextMeasurer(), nullptr}, quiz);
    for (const Problem& problem : problems) ADD_FAILURE() << ProblemLine(problem);
    const fs::path runFolder = FreshDirectory(std::string("sample-") + name);
    bool messageBox = true;
    const std::string title =
        StartAndClose(folder / (std::string(name) + ".exe"), runFolder, messageBox);
    EXPECT_EQ(title, PlayerText(quiz.title));
    EXPECT_FALSE(messageBox);
  }
}

}  // namespace
