// The controls that the checks read and write, noted as the board makes them.
#include "board/board_controls_win.h"

#include <cstring>

#include "board/board_ids.h"
#include "quiz/quiz_definition.h"

namespace {

constexpr int MAX_SLOTS = 2 * MAX_QUESTIONS;

struct KnownControls {
  HWND board;
  HWND answerFields[MAX_SLOTS + 1];
  HWND verdictFields[MAX_SLOTS + 1];
  HWND revealTexts[MAX_QUESTIONS + 1];
};
KnownControls known{};

struct KnownDisplays {
  HWND mainWindow;
  HWND score;
  HWND code;
};
KnownDisplays displays{};

// The entry of a noted kind of control for an id, or null for any other id.
HWND* EntryFor(int id) {
  if (id > IDC_ANSWER_BASE && id <= IDC_ANSWER_BASE + MAX_SLOTS) {
    return &known.answerFields[id - IDC_ANSWER_BASE];
  }
  if (id > IDC_VERDICT_BASE && id <= IDC_VERDICT_BASE + MAX_SLOTS) {
    return &known.verdictFields[id - IDC_VERDICT_BASE];
  }
  if (id > IDC_REVEAL_TEXT_BASE && id <= IDC_REVEAL_TEXT_BASE + MAX_QUESTIONS) {
    return &known.revealTexts[id - IDC_REVEAL_TEXT_BASE];
  }
  return nullptr;
}

// A noted handle still names that control: its window was not destroyed and reused.
bool StillIs(HWND control, HWND parent, int id) {
  return GetDlgCtrlID(control) == id && GetParent(control) == parent;
}

HWND Found(HWND& noted, HWND parent, int id) {
  if (!noted || !StillIs(noted, parent, id)) noted = GetDlgItem(parent, id);
  return noted;
}

}  // namespace

void NoteBoardControl(HWND board, int id, HWND control) {
  if (board != known.board) known = KnownControls{board, {}, {}, {}};
  if (HWND* entry = EntryFor(id)) *entry = control;
}

HWND BoardControl(HWND board, int id) {
  HWND* entry = board == known.board ? EntryFor(id) : nullptr;
  if (!entry) return GetDlgItem(board, id);
  if (*entry && !StillIs(*entry, board, id)) return GetDlgItem(board, id);
  return *entry;
}

HWND HeaderDisplay(HWND board, int id) {
  HWND mainWindow = GetParent(board);
  if (mainWindow != displays.mainWindow) displays = KnownDisplays{mainWindow, nullptr, nullptr};
  if (id == IDC_SCORE) return Found(displays.score, mainWindow, id);
  if (id == IDC_CODE) return Found(displays.code, mainWindow, id);
  return GetDlgItem(mainWindow, id);
}

void SetControlText(HWND control, const char* text) {
  if (!control) return;
  char shown[TEXT_SIZE + 1];
  GetWindowTextA(control, shown, sizeof shown);
  if (std::strcmp(shown, text) != 0) SetWindowTextA(control, text);
}
