// The real player executable, started as a user would start it and driven from this process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "board/board_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/resource_bytes.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

const std::string PLAYER = BRELA_PLAYER_PATH;

std::string Text(HWND parent, int id) {
  char text[TEXT_SIZE] = "";
  SendDlgItemMessageA(parent, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void SetText(HWND parent, int id, const char* text) {
  SendDlgItemMessageA(parent, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

class PlayerExeTest : public ::testing::Test {
 protected:
  std::string InDirectory(const std::string& name) const { return directory_.Path() + "\\" + name; }

  // Starts the copy and waits for its main window, noting the message boxes shown before it.
  HWND Start(const std::string& copy, std::vector<ShownMessage>& messages,
             const std::string& extraEnvironment = "") {
    if (!StartPlayer(InDirectory(copy), directory_.Path(), running_, extraEnvironment)) {
      ADD_FAILURE() << "cannot start " << copy;
      return nullptr;
    }
    return WaitForMainWindow(running_, messages);
  }

  DWORD Close(HWND mainWindow) {
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    return WaitForExit(running_);
  }

  void TearDown() override {
    if (running_.process) WaitForExit(running_, 0);
  }

  ScopedWorkingDirectory directory_;
  RunningPlayer running_{};
};

TEST_F(PlayerExeTest, WithoutAQuizItTellsWhyAndOpensTheBuiltInQuiz) {
  ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("brela.exe"), nullptr));
  std::vector<ShownMessage> messages;
  HWND mainWindow = Start("brela.exe", messages);
  ASSERT_NE(mainWindow, nullptr);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "Erreur dans le fichier");
  EXPECT_EQ(messages[1].text, "Reponses non trouv\xE9" "es");
  for (const ShownMessage& message : messages) EXPECT_EQ(message.title, "Brela");

  char title[TEXT_SIZE];
  GetWindowTextA(mainWindow, title, sizeof title);
  EXPECT_STREQ(title, "Nom du brela");
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  RECT rect;
  GetWindowRect(mainWindow, &rect);
  EXPECT_EQ(rect.left, desktop.left + (desktop.right - desktop.left - 870) / 2);
  EXPECT_EQ(rect.top, desktop.top + (desktop.bottom - desktop.top - 650) / 2);
  EXPECT_EQ(rect.right - rect.left, 870);
  EXPECT_EQ(rect.bottom - rect.top, 650);
  HWND board = FindBoard(mainWindow);
  ASSERT_NE(board, nullptr);
  EXPECT_TRUE(IsWindowVisible(board));
  EXPECT_EQ(Text(mainWindow, IDC_SCORE), " 0 / 20");

  SetText(board, IDC_ANSWER_BASE + 1, "ulvo");
  EXPECT_EQ(Close(mainWindow), 0u);
  std::vector<std::string> expected(20, "*");
  expected[0] = "ulvo";
  EXPECT_EQ(ReadWholeFile(InDirectory("brela.txt")), Lines(expected));

  // The next start restores the answer and grades it before the window shows.
  messages.clear();
  mainWindow = Start("brela.exe", messages);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_EQ(messages.size(), 2u);
  board = FindBoard(mainWindow);
  EXPECT_EQ(Text(board, IDC_ANSWER_BASE + 1), "ulvo");
  EXPECT_EQ(Text(board, IDC_VERDICT_BASE + 1), "BRAVO");
  EXPECT_EQ(Text(mainWindow, IDC_SCORE), " 1 / 20");
  EXPECT_EQ(Close(mainWindow), 0u);
}

TEST_F(PlayerExeTest, APackedQuizSavesOnF2AndOnCloseAndComesBack) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_TEXT, 3, 2, REVEAL_NONE});
  ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("monquiz.exe"), &quiz));
  std::vector<ShownMessage> messages;
  HWND mainWindow = Start("monquiz.exe", messages);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_TRUE(messages.empty()) << messages[0].text;
  char title[TEXT_SIZE];
  GetWindowTextA(mainWindow, title, sizeof title);
  EXPECT_STREQ(title, "Quiz d'essai");
  EXPECT_EQ(Text(mainWindow, IDC_SCORE), " 0 / 3");
  HWND board = FindBoard(mainWindow);

  SetText(board, IDC_ANSWER_BASE + 1, "Rep1a");
  SetText(board, IDC_ANSWER_BASE + 4, "rep2b");
  PostMessageA(mainWindow, WM_KEYDOWN, VK_F2, 0);
  const std::string firstSave = Lines({"Rep1a", "*", "*", "rep2b", "*", "*"});
  for (int tries = 0; tries < 200 && ReadWholeFile(InDirectory("monquiz.txt")) != firstSave;
       ++tries) {
    Sleep(10);
  }
  EXPECT_EQ(ReadWholeFile(InDirectory("monquiz.txt")), firstSave);

  SetText(board, IDC_ANSWER_BASE + 2, "REP1B");
  SetText(board, IDC_ANSWER_BASE + 4, "");
  EXPECT_EQ(Close(mainWindow), 0u);
  EXPECT_EQ(ReadWholeFile(InDirectory("monquiz.txt")),
            Lines({"Rep1a", "REP1B", "*", "*", "*", "*"}));
  EXPECT_FALSE(FileExists(InDirectory("monquiz.txt.tmp")));

  messages.clear();
  mainWindow = Start("monquiz.exe", messages);
  ASSERT_NE(mainWindow, nullptr);
  board = FindBoard(mainWindow);
  EXPECT_EQ(Text(board, IDC_ANSWER_BASE + 1), "Rep1a");
  EXPECT_EQ(Text(board, IDC_ANSWER_BASE + 2), "REP1B");
  EXPECT_EQ(Text(board, IDC_VERDICT_BASE + 1), "BRAVO");
  EXPECT_EQ(Text(board, IDC_VERDICT_BASE + 2), "BRAVO");
  EXPECT_EQ(Text(board, IDC_VERDICT_BASE + 3), "?");
  EXPECT_EQ(Text(mainWindow, IDC_SCORE), " 1 / 3");
  EXPECT_EQ(Text(mainWindow, IDC_CODE), "CODE1");
  EXPECT_EQ(Close(mainWindow), 0u);
}

// A kind byte outside 1 to 4 breaks the format like any other fault of the quiz resource: the
// player says so and shows the empty text quiz it was constructed with, not 90 questions laid out
// as one kind and scrolled as another.
TEST_F(PlayerExeTest, AQuizOfNoKnownKindIsRefusedAsAFaultOfTheFormat) {
  for (int kind : {-1, 4, 254}) {
    SCOPED_TRACE(kind);
    QuizDefinition quiz;
    FillTestQuiz(quiz, {kind, MAX_QUESTIONS, 2, REVEAL_NONE});
    ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("sansgenre.exe"), &quiz));
    std::vector<ShownMessage> messages;
    HWND mainWindow = Start("sansgenre.exe", messages);
    ASSERT_NE(mainWindow, nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Erreur dans le d\xE9" "cryptage des reponses");
    EXPECT_EQ(messages[0].title, "Brela");
    char title[TEXT_SIZE];
    GetWindowTextA(mainWindow, title, sizeof title);
    EXPECT_STREQ(title, "");
    EXPECT_EQ(Text(mainWindow, IDC_SCORE), " 0 / 0");
    HWND board = FindBoard(mainWindow);
    EXPECT_EQ(GetWindow(board, GW_CHILD), nullptr);
    EXPECT_EQ(Close(mainWindow), 0u);
  }
}

// The window with the keyboard focus on the player's user-interface thread, read from outside.
HWND FocusOf(HWND mainWindow) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(mainWindow, nullptr);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// Keys typed as the keyboard would type them, into whatever window has the focus.
void TypeKeys(const char* letters) {
  for (const char* letter = letters; *letter; ++letter) {
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
      key.type = INPUT_KEYBOARD;
      key.ki.wVk = static_cast<WORD>(VkKeyScanA(*letter) & 0xFF);
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
  }
}

// Set-up gives the focus to each field in turn, and the dialog manager moves it to the first
// control with WS_TABSTOP (a reveal text, a play button): start-up puts it where typing starts.
TEST_F(PlayerExeTest, TypingStartsInTheFirstAnswerFieldInEveryKindAndMode) {
  for (int kind = KIND_TEXT; kind <= KIND_VIDEO; ++kind) {
    for (int answers = 1; answers <= 2; ++answers) {
      for (int mode = REVEAL_NONE; mode <= REVEAL_TEXTS_AT_END; ++mode) {
        SCOPED_TRACE("kind " + std::to_string(kind) + ", " + std::to_string(answers) +
                     " answer(s), mode " + std::to_string(mode));
        QuizDefinition quiz;
        FillTestQuiz(quiz, {kind, 4, answers, mode});
        ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("focus.exe"), &quiz));
        std::vector<ShownMessage> messages;  // a video quiz without films tells of each
        HWND mainWindow = Start("focus.exe", messages);
        ASSERT_NE(mainWindow, nullptr);
        HWND first = GetDlgItem(FindBoard(mainWindow), IDC_ANSWER_BASE + 1);
        ASSERT_NE(first, nullptr);
        for (int tries = 0; tries < 250 && FocusOf(mainWindow) != first; ++tries) Sleep(20);
        WaitForInputIdle(running_.process, 5000);
        HWND focus = FocusOf(mainWindow);
        EXPECT_EQ(focus, first) << "the focus is on control " << GetDlgCtrlID(focus);
        TypeKeys("abc");
        HWND board = FindBoard(mainWindow);
        for (int tries = 0; tries < 100 && Text(board, IDC_ANSWER_BASE + 1) != "abc"; ++tries) {
          Sleep(20);
        }
        EXPECT_EQ(Text(board, IDC_ANSWER_BASE + 1), "abc");
        EXPECT_EQ(Close(mainWindow), 0u);
        DeleteFileA(InDirectory("focus.txt").c_str());
      }
    }
  }
}

TEST_F(PlayerExeTest, TheAnswersFileIsNamedAfterTheExecutable) {
  ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("quiz.abc"), nullptr));
  std::vector<ShownMessage> messages;
  HWND mainWindow = Start("quiz.abc", messages);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_EQ(Close(mainWindow), 0u);
  EXPECT_TRUE(FileExists(InDirectory("quiz.txt")));
  EXPECT_FALSE(FileExists(InDirectory("quiz.abc.txt")));
}

TEST_F(PlayerExeTest, OnlyAVideoQuizRemovesTheVideoFilesAtTheEnd) {
  for (int kind : {KIND_TEXT, KIND_VIDEO}) {
    SCOPED_TRACE(kind);
    for (const char* name : {"brela1.avi", "brela45.avi", "brela90.avi", "brela91.avi"}) {
      WriteWholeFile(InDirectory(name), "RIFF");
    }
    QuizDefinition quiz;
    FillTestQuiz(quiz, {kind, 3, 2, REVEAL_NONE});
    ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("film.exe"), &quiz));
    std::vector<ShownMessage> messages;
    HWND mainWindow = Start("film.exe", messages);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(Close(mainWindow), 0u);
    bool removed = kind == KIND_VIDEO;
    EXPECT_EQ(FileExists(InDirectory("brela1.avi")), !removed);
    EXPECT_EQ(FileExists(InDirectory("brela45.avi")), !removed);
    EXPECT_EQ(FileExists(InDirectory("brela90.avi")), !removed);
    EXPECT_TRUE(FileExists(InDirectory("brela91.avi")));
  }
}

// The media player control may hold brela1.avi open without write sharing while its film is
// loaded or playing; here this process holds it so. Play goes on without a word when the file
// already holds the question's film, and a file that cannot be made whole is told.
TEST_F(PlayerExeTest, PlayingAFilmWhoseFileIsHeldOpen) {
  const std::string film = ResourceBytes(401);
  if (film.empty()) GTEST_SKIP() << "no test film (ffmpeg or GStreamer's plugins are missing)";
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_VIDEO, 1, 1, REVEAL_NONE});
  ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("film.exe"), &quiz, {{401, film}}));
  std::vector<ShownMessage> messages;
  HWND mainWindow = Start("film.exe", messages);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_TRUE(messages.empty());
  HWND board = FindBoard(mainWindow);
  const std::string cannotWrite = "Impossible d'\xE9" "crire le fichier vid\xE9" "o brela1.avi.";
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> told;
  };
  // Once a film plays, the player holds its file itself as well.
  const Case cases[] = {
      {"the film cut short", film.substr(0, film.size() / 2), {cannotWrite}},
      {"another file", "RIFF", {cannotWrite}},
      {"the question's film", film, {}},
      {"the question's film again, while it plays", film, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = InDirectory("brela1.avi");
    WriteWholeFile(name, c.bytes);
    HANDLE held = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<ShownMessage> shown;
    EXPECT_TRUE(SendAnsweringMessages(running_, board, WM_COMMAND, MAKEWPARAM(6001, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(GetDlgItem(board, 6001)), shown));
    CloseHandle(held);
    std::vector<std::string> told;
    for (const ShownMessage& message : shown) {
      told.push_back(message.text);
      EXPECT_EQ(message.title, "Information");
    }
    EXPECT_EQ(told, c.told);
    EXPECT_TRUE(ReadWholeFile(name) == c.bytes) << "the held file was changed";
  }
  EXPECT_EQ(Close(mainWindow), 0u);
}

// A broken atl.dll beside the player is found before the system's; Wine is told to prefer it.
TEST_F(PlayerExeTest, AVideoQuizWithoutItsControlHostEndsWithCodeOne) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_VIDEO, 3, 2, REVEAL_NONE});
  ASSERT_TRUE(MakePlayerCopy(PLAYER, InDirectory("film.exe"), &quiz));
  WriteWholeFile(InDirectory("atl.dll"), "not a library");
  std::vector<ShownMessage> messages;
  HWND mainWindow = Start("film.exe", messages, "WINEDLLOVERRIDES=mscoree,mshtml=;atl=n");
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(WaitForExit(running_), 1u);
  EXPECT_FALSE(FileExists(InDirectory("film.txt")));

  // The same quiz without the broken library opens.
  DeleteFileA(InDirectory("atl.dll").c_str());
  mainWindow = Start("film.exe", messages);
  ASSERT_NE(mainWindow, nullptr);
  EXPECT_EQ(Close(mainWindow), 0u);
}

}  // namespace
