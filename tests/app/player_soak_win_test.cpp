// Soak test of the real player: started 200 times on the same packed quiz, each time with answers
// typed at random into its fields and a close. After every run the answers file holds exactly
// what the fields held, and the next start shows it again.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "board/board_ids.h"
#include "tests/support/player_process.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

const std::string PLAYER = BRELA_PLAYER_PATH;
constexpr int RUNS = 200;
constexpr int QUESTIONS = 8;
constexpr int FIELD_COUNT = QUESTIONS * 2;
constexpr std::uint32_t SEED = 20240607;

using Texts = std::vector<std::string>;

// What a user can type into a field: printable code page 1252, accents, '*' and '|' included.
std::string RandomAnswer(std::mt19937& random) {
  static const std::string alphabet =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789     *|'-.,!?"
      "\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xC9\xC8\x80\x9C\xAB\xBB";
  const int lengthKind = static_cast<int>(random() % 10);
  const std::size_t length = lengthKind == 0 ? 1 : lengthKind == 9 ? 200 + random() % 60
                                                                   : 1 + random() % 30;
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
  return text;
}

// Each field keeps its text, is emptied, or gets a new answer.
Texts TypeAtRandom(HWND board, const Texts& before, std::mt19937& random) {
  Texts after = before;
  for (int k = 1; k <= FIELD_COUNT; ++k) {
    const int choice = static_cast<int>(random() % 4);
    if (choice == 0) continue;
    after[k - 1] = choice == 1 ? "" : RandomAnswer(random);
    SendDlgItemMessageA(board, IDC_ANSWER_BASE + k, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(after[k - 1].c_str()));
  }
  return after;
}

Texts FieldTexts(HWND board) {
  Texts texts;
  for (int k = 1; k <= FIELD_COUNT; ++k) {
    char text[TEXT_SIZE] = "";
    SendDlgItemMessageA(board, IDC_ANSWER_BASE + k, WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  return texts;
}

std::string FileOf(const Texts& texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += (text.empty() ? "*" : text) + "\r\n";
  return bytes;
}

// A field saved as the single character "*" comes back empty.
Texts Restored(Texts texts) {
  for (std::string& text : texts) {
    if (text == "*") text.clear();
  }
  return texts;
}

TEST(PlayerSoak, TwoHundredRunsKeepExactlyWhatWasTyped) {
  ScopedWorkingDirectory directory;
  const std::string copy = directory.Path() + "\\endurance.exe";
  const std::string answers = directory.Path() + "\\endurance.txt";
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_TEXT, QUESTIONS, 2, REVEAL_NONE});
  ASSERT_TRUE(MakePlayerCopy(PLAYER, copy, &quiz));

  std::mt19937 random(SEED);
  Texts saved(FIELD_COUNT);
  const DWORD start = GetTickCount();
  for (int run = 1; run <= RUNS; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    RunningPlayer player{};
    ASSERT_TRUE(StartPlayer(copy, directory.Path(), player));
    std::vector<ShownMessage> messages;
    HWND mainWindow = WaitForMainWindow(player, messages);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(messages.empty());
    HWND board = FindBoard(mainWindow);
    ASSERT_EQ(FieldTexts(board), Restored(saved));

    saved = TypeAtRandom(board, FieldTexts(board), random);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForExit(player), 0u);
    ASSERT_EQ(ReadWholeFile(answers), FileOf(saved));
  }
  std::printf("%d runs in %.1f s\n", RUNS, (GetTickCount() - start) / 1000.0);
}

}  // namespace
