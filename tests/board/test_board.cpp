// A quiz made up for the board's tests and the real main window and board opened on it.
#include "tests/board/test_board.h"

#include <cstdio>
#include <fstream>

#include "base/process_state_win.h"
#include "board/answers_file.h"
#include "board/check_answer_win.h"

void PrepareVideoHost() {
  static const bool prepared = [] {
    if (HMODULE atl = LoadLibraryA("atl.dll")) {
      attachControl = reinterpret_cast<AttachControlFunction>(
          reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxAttachControl")));
    }
    return SUCCEEDED(CoInitialize(nullptr));
  }();
  (void)prepared;
}

TestBoard::TestBoard(const QuizShape& shape) {
  FillTestQuiz(quiz_, shape);
  std::remove(AnswersFilePath().c_str());
}

TestBoard::~TestBoard() {
  if (windows_.main) ClosePlayerWindows(windows_);
  if (quiz_.backgroundBrush) DeleteObject(static_cast<HBRUSH>(quiz_.backgroundBrush));
  std::remove(AnswersFilePath().c_str());
}

void TestBoard::Open() {
  if (quiz_.kind == KIND_VIDEO) PrepareVideoHost();
  quiz_.backgroundBrush = CreateSolidBrush(quiz_.backgroundColour);
  MessageRecorder building;
  windows_ = OpenPlayerWindows(quiz_);
  buildMessages_ = building.Messages();
}

std::string TestBoard::Text(int id) const { return ControlText(windows_.board, id); }

std::string TestBoard::HeaderText(int id) const { return ControlText(windows_.main, id); }

void TestBoard::Type(int answerFieldId, const char* text) {
  SetDlgItemTextA(windows_.board, answerFieldId, text);
}

void TestBoard::Check(int answerFieldId) { CheckAnswer(quiz_, windows_.board, answerFieldId); }

void TestBoard::TypeAndCheck(int answerFieldId, const char* text) {
  Type(answerFieldId, text);
  Check(answerFieldId);
}

std::string AnswersFilePath() {
  char modulePath[MAX_PATH];
  GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  char name[ANSWERS_NAME_SIZE];
  if (!AnswersFileName(modulePath, name)) return "";
  return name;
}

void WriteAnswersFile(const std::vector<std::string>& lines) {
  std::ofstream file(AnswersFilePath(), std::ios::binary);
  for (const std::string& line : lines) file << line << "\r\n";
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

RECT RectInParent(HWND child) {
  RECT rect = {};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
