// The real player on typed answers, for the web page's browser test: the texts put into a copy
// of the quiz's fields, saved with F2, and the copy started again on its answers file; prints
// what the player then shows (verdicts, score, code) as JSON in UTF-8 and leaves the answers file
// it wrote beside the copy.
//
// Usage: player_answers_win QUIZ.exe FOLDER TYPED.txt  (TYPED: one field's text a line, UTF-8)
#include <windows.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "board/board_ids.h"
#include "tests/support/player_process.h"
#include "tools/authoring/cp1252.h"

namespace {

std::string FullPath(const std::string& path) {
  char full[MAX_PATH] = "";
  GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return full;
}

std::string WindowText(HWND parent, int id) {
  char text[TEXT_SIZE] = "";
  SendDlgItemMessageA(parent, id, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The texts of TYPED, each in code page 1252 as the player's fields hold it.
std::vector<std::string> TypedTexts(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> texts;
  for (std::string line; std::getline(in, line);) {
    std::string cp1252, problem;
    if (!Utf8ToCp1252(line, cp1252, problem)) cp1252 = "?";
    texts.push_back(cp1252);
  }
  return texts;
}

HWND Start(const std::string& copy, const std::string& folder, RunningPlayer& running) {
  std::vector<ShownMessage> messages;
  if (!StartPlayer(copy, folder, running)) return nullptr;
  return WaitForMainWindow(running, messages);
}

bool Close(HWND mainWindow, RunningPlayer& running) {
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return WaitForExit(running) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 3;
  const std::string folder = FullPath(argv[2]);
  const std::string copy = folder + "\\quiz.exe";
  const std::string answers = folder + "\\quiz.txt";
  DeleteFileA(answers.c_str());
  if (!CopyFileA(FullPath(argv[1]).c_str(), copy.c_str(), FALSE)) return 2;
  const std::vector<std::string> typed = TypedTexts(argv[3]);

  RunningPlayer running{};
  HWND mainWindow = Start(copy, folder, running);
  if (!mainWindow) return 1;
  HWND board = FindBoard(mainWindow);
  for (std::size_t k = 0; k < typed.size(); ++k) {
    SendDlgItemMessageA(board, IDC_ANSWER_BASE + static_cast<int>(k) + 1, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(typed[k].c_str()));
  }
  PostMessageA(mainWindow, WM_KEYDOWN, VK_F2, 0);
  for (int tries = 0; tries < 500 && GetFileAttributesA(answers.c_str()) ==
                                         INVALID_FILE_ATTRIBUTES;
       ++tries) {
    Sleep(10);
  }
  if (!Close(mainWindow, running)) return 1;

  mainWindow = Start(copy, folder, running);
  if (!mainWindow) return 1;
  board = FindBoard(mainWindow);
  nlohmann::json shown = {{"verdicts", nlohmann::json::array()}};
  for (std::size_t k = 1; k <= typed.size(); ++k) {
    shown["verdicts"].push_back(
        Cp1252ToUtf8(WindowText(board, IDC_VERDICT_BASE + static_cast<int>(k))));
  }
  shown["score"] = WindowText(mainWindow, IDC_SCORE);
  shown["code"] = Cp1252ToUtf8(WindowText(mainWindow, IDC_CODE));
  if (!Close(mainWindow, running)) return 1;
  std::cout << shown.dump() << "\n";
  return 0;
}
