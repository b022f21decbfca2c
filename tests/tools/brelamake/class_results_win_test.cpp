// brelamake resultats on answers files that the real player wrote (each pupil types into a copy
// of the quiz, saves with F2 and starts it again) or that were written by hand with what its
// reader must cope with: what the player shows at start-up (field texts, verdicts, score, code)
// is what the class's CSV must say.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "board/board_ids.h"
#include "tests/support/player_process.h"
#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/brelamake/made_executables_win.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/csv_reader.h"

namespace {

namespace fs = std::filesystem;

const fs::path PLAYER = BRELA_PLAYER_PATH;
const fs::path TOOL = BRELAMAKE_PATH;

// Four questions of two answers; the texts in UTF-8, as a quiz file holds them.
constexpr const char* QUIZ = R"({"kind": "text", "title": "Classe", "answersPerQuestion": 2,
  "answer1Caption": "Ville", "answer2Caption": "Pays",
  "codes": ["premier", "deuxi\u00e8me", "troisi\u00e8me", "tout"],
  "questions": [{"answer1": "Paris", "answer2": "France", "questionText": "1"},
                {"answer1": "S\u00e9ville", "answer2": "Espagne", "questionText": "2"},
                {"answer1": "les grandes vacances", "answer2": "\u00e9t\u00e9",
                 "questionText": "3"},
                {"answer1": "chien", "answer2": "niche", "questionText": "4"}]})";

// A pupil's folder name (UTF-8) and what the pupil types in each field (code page 1252).
struct Pupil {
  const char* folder;
  std::vector<std::string> typed;
};

const Pupil PUPILS[] = {
    {"\xC3\x89mile",
     {"paris", "france", "S\xE9ville", "espagne", "le grande vacance", "\xE9t\xE9", "niche",
      "chien"}},
    {"Denis", {"  Paris ", "", "seville", "Espagne", "", "", "CHIEN", "niche"}},
    {"Yann", {"Paris; France", "\"France\"", "", "", "", "", "", ""}},
    {"zo\xC3\xA9", {"", "", "", "", "", "", "", ""}}};

// What the player showed once started again on its saved answers.
struct Shown {
  std::vector<std::string> answers, verdicts;  // UTF-8
  std::string score, code;
};

std::string WindowText(HWND parent, int id) {
  char text[TEXT_SIZE] = "";
  SendDlgItemMessageA(parent, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The path in the ANSI code page, as the player's own functions take it.
std::string AnsiPath(const fs::path& path) {
  const std::wstring wide = path.wstring();
  char ansi[MAX_PATH] = "";
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  return ansi;
}

HWND StartCopy(const fs::path& copy, RunningPlayer& running) {
  std::vector<ShownMessage> messages;
  if (!StartPlayer(AnsiPath(copy), AnsiPath(copy.parent_path()), running)) {
    ADD_FAILURE() << "cannot start " << copy.u8string() << ": " << GetLastError();
    return nullptr;
  }
  HWND mainWindow = WaitForMainWindow(running, messages);
  EXPECT_TRUE(messages.empty()) << messages[0].text;
  return mainWindow;
}

void Close(HWND mainWindow, RunningPlayer& running) {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(running), 0u);
}

// What the copy shows once started on the answers file beside it, then closed.
Shown ShownAtStart(const fs::path& copy, int fields) {
  Shown shown;
  RunningPlayer running{};
  HWND mainWindow = StartCopy(copy, running);
  if (!mainWindow) {
    ADD_FAILURE() << "the player did not start";
    return shown;
  }
  HWND board = FindBoard(mainWindow);
  for (int slot = 1; slot <= fields; ++slot) {
    shown.answers.push_back(Cp1252ToUtf8(WindowText(board, IDC_ANSWER_BASE + slot)));
    shown.verdicts.push_back(Cp1252ToUtf8(WindowText(board, IDC_VERDICT_BASE + slot)));
  }
  shown.score = WindowText(mainWindow, IDC_SCORE);
  shown.code = Cp1252ToUtf8(WindowText(mainWindow, IDC_CODE));
  Close(mainWindow, running);
  return shown;
}

// The pupil types, saves with F2 and closes; the player started again shows what it restored.
Shown PlayAs(const Pupil& pupil, const fs::path& copy) {
  RunningPlayer running{};
  HWND mainWindow = StartCopy(copy, running);
  if (!mainWindow) {
    ADD_FAILURE() << "the player did not start";
    return {};
  }
  HWND board = FindBoard(mainWindow);
  for (std::size_t k = 0; k < pupil.typed.size(); ++k) {
    SendDlgItemMessageA(board, IDC_ANSWER_BASE + static_cast<int>(k) + 1, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(pupil.typed[k].c_str()));
  }
  const fs::path answers = copy.parent_path() / "capitales.txt";
  PostMessageA(mainWindow, WM_KEYDOWN, VK_F2, 0);
  for (int tries = 0; tries < 500 && !fs::exists(answers); ++tries) Sleep(10);
  EXPECT_TRUE(fs::exists(answers));
  Close(mainWindow, running);
  return ShownAtStart(copy, static_cast<int>(pupil.typed.size()));
}

std::vector<CsvRow> CsvRows(const fs::path& csv) {
  CsvTable table;
  std::vector<Problem> problems;
  EXPECT_TRUE(ReadCsv(TextOf(csv), table, problems));
  EXPECT_EQ(table.encoding, ENCODING_UTF8);
  return table.rows;
}

// A pupil's row of the CSV against what the player showed: the score, the code (none when the
// player shows its blank code), each field's text and verdict.
void ExpectRowAsShown(const std::vector<std::string>& cells, const std::string& name,
                      const Shown& shown) {
  ASSERT_EQ(cells.size(), 3u + 2 * 8);
  EXPECT_EQ(cells[0], name);
  EXPECT_EQ(" " + cells[1] + " / 4", shown.score);
  EXPECT_EQ(cells[2], shown.code == "      " ? "" : shown.code);
  ASSERT_EQ(shown.answers.size(), 8u);
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(cells[3 + 2 * k], shown.answers[k]) << "field " << k + 1;
    EXPECT_EQ(cells[4 + 2 * k], shown.verdicts[k]) << "field " << k + 1;
  }
}

TEST(ClassResultsWinTest, TheCsvSaysWhatThePlayerShowedForEveryPupil) {
  const fs::path folder = FreshDirectory("class-results-win");
  std::ofstream(folder / "quiz.json", std::ios::binary) << QUIZ;
  const Outcome made = RunTool(TOOL, "make quiz.json -o capitales.exe --player \"" +
                                         PLAYER.u8string() + "\"",
                               folder);
  ASSERT_EQ(made.exitCode, 0) << made.err;

  std::vector<Shown> shown;
  for (const Pupil& pupil : PUPILS) {
    const fs::path own = folder / "classe" / fs::u8path(pupil.folder);
    fs::create_directories(own);
    fs::copy_file(folder / "capitales.exe", own / "capitales.exe");
    shown.push_back(PlayAs(pupil, own / "capitales.exe"));
    fs::remove(own / "capitales.exe");  // the class hands back only its answers files
  }
  // What the player showed, by the rules: spaces around an answer ignored, a near miss graded.
  EXPECT_EQ(shown[0].verdicts, (std::vector<std::string>{"BRAVO", "BRAVO", "BRAVO", "BRAVO",
                                                        "yade lidée", "BRAVO", "Anagramme",
                                                        "Anagramme"}));
  EXPECT_EQ(shown[0].score, " 2 / 4");
  EXPECT_EQ(shown[0].code, "deuxième");
  EXPECT_EQ(shown[1].verdicts[0], "BRAVO");
  EXPECT_EQ(shown[1].verdicts[1], "?");
  EXPECT_EQ(shown[1].verdicts[2], "Quasiment");
  EXPECT_EQ(shown[1].score, " 1 / 4");

  const Outcome run = RunTool(TOOL, "resultats capitales.exe classe -o classe.csv --html "
                                    "classe.html",
                              folder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<CsvRow> rows = CsvRows(folder / "classe.csv");
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].cells[0], "Élève");
  EXPECT_EQ(rows[0].cells[3], "1 réponse 1");
  // Denis, Émile, Yann, zoé: accents and case ignored.
  const std::size_t rowOf[] = {2, 1, 3, 4};
  for (std::size_t p = 0; p < std::size(PUPILS); ++p) {
    SCOPED_TRACE(PUPILS[p].folder);
    ExpectRowAsShown(rows[rowOf[p]].cells, PUPILS[p].folder, shown[p]);
  }
  EXPECT_EQ(TextOf(folder / "classe.html").rfind("<!DOCTYPE html>", 0), 0u);
}

// Answers files written by hand with what the player's reader must cope with: the player started
// on each shows what the CSV says.
TEST(ClassResultsWinTest, TheCsvSaysWhatThePlayerRestoredFromHandWrittenFiles) {
  const fs::path folder = FreshDirectory("class-results-win-by-hand");
  std::ofstream(folder / "quiz.json", std::ios::binary) << QUIZ;
  const Outcome made = RunTool(TOOL, "make quiz.json -o capitales.exe --player \"" +
                                         PLAYER.u8string() + "\"",
                               folder);
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const std::string longLine = "Paris" + std::string(300, 'x');
  const std::pair<const char*, std::string> files[] = {
      {"Ana", "paris\nfrance\n*\nEspagne"},                        // LF, no last line end
      {"Bob", "a\rb\r\nFrance\r\n\tS\xE9ville\r\n"},            // lone CR, tab, lines missing
      {"Cyr", longLine + "\r\nFRANCE\r\n**\r\n *\r\n\r\n\r\nchien\r\nniche\r\n"}};
  std::vector<Shown> shown;
  for (const auto& [name, bytes] : files) {
    const fs::path own = folder / "classe" / name;
    fs::create_directories(own);
    fs::copy_file(folder / "capitales.exe", own / "capitales.exe");
    std::ofstream(own / "capitales.txt", std::ios::binary) << bytes;
    shown.push_back(ShownAtStart(own / "capitales.exe", 8));
    fs::remove(own / "capitales.exe");
  }
  // The first 259 characters of a long line, as the player keeps them.
  EXPECT_EQ(shown[2].answers[0], longLine.substr(0, 259));
  EXPECT_EQ(shown[2].score, " 1 / 4");

  const Outcome run = RunTool(TOOL, "resultats capitales.exe classe -o classe.csv", folder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::vector<CsvRow> rows = CsvRows(folder / "classe.csv");
  ASSERT_EQ(rows.size(), 4u);
  for (std::size_t p = 0; p < std::size(files); ++p) {
    SCOPED_TRACE(files[p].first);
    ExpectRowAsShown(rows[p + 1].cells, files[p].first, shown[p]);
  }
}

}  // namespace
