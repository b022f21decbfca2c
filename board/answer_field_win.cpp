// The answer fields' own window procedure: judging, Tab order, F1, F2 and the keyboard's scrolling.
#include "board/answer_field_win.h"

#include <cstring>

#include "base/process_state_win.h"
#include "board/answers_file_win.h"
#include "board/board_ids.h"
#include "board/check_answer_win.h"
#include "board/grading.h"
#include "board/scrolling_win.h"

namespace {

// The edit control's own procedure; every answer field had the same one.
WNDPROC previousFieldProc = nullptr;

constexpr int SELECTED_ON_FOCUS = 25;

LRESULT PassOn(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(previousFieldProc, field, message, wParam, lParam);
}

int SlotCount() { return theQuiz->answersPerQuestion * theQuiz->questionCount; }

void Judge(HWND field) { CheckAnswer(*theQuiz, GetParent(field), GetDlgCtrlID(field)); }

// Gives the focus to a field and scrolls the board so that it can be seen.
void FocusField(HWND board, HWND field) {
  SetFocus(field);
  ScrollControlIntoView(board, field);
}

// Tab goes to the next slot and Shift+Tab to the previous one, both wrapping around.
void MoveToNeighbourField(HWND field) {
  int step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  Judge(field);
  int count = SlotCount();
  int target = GetDlgCtrlID(field) - IDC_ANSWER_BASE + step;
  if (target > count) target = 1;
  if (target < 1) target = count;
  HWND board = GetParent(field);
  HWND targetField = GetDlgItem(board, IDC_ANSWER_BASE + target);
  if (targetField) FocusField(board, targetField);
}

bool IsSolved(HWND board, int slot) {
  char verdict[16];
  GetDlgItemTextA(board, IDC_VERDICT_BASE + slot, verdict, sizeof verdict);
  return std::strcmp(verdict, VERDICT_BRAVO) == 0;
}

// Up and Page Up ask the board for a page up, Down and Page Down for a page down.
void ScrollBoardByPage(HWND field, int code) {
  SendMessageA(GetParent(field), WM_VSCROLL, code, 0);
}

LRESULT OnFieldKey(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (wParam) {
    case VK_RETURN:
      Judge(field);
      return 1;
    case VK_TAB:
      MoveToNeighbourField(field);
      break;
    case VK_F1:
      FillUnsolvedFields(field);
      break;
    case VK_F2:
      SaveAnswers(boardDialog);
      break;
    case VK_PRIOR:
    case VK_UP:
      ScrollBoardByPage(field, SB_PAGEUP);
      break;
    case VK_NEXT:
    case VK_DOWN:
      ScrollBoardByPage(field, SB_PAGEDOWN);
      break;
    default:
      break;
  }
  return PassOn(field, message, wParam, lParam);
}

LRESULT OnFieldChar(HWND field, WPARAM wParam, LPARAM lParam) {
  if (wParam == '\r' || wParam == '\t') return 0;  // neither inserted nor beeped at
  return PassOn(field, WM_CHAR, wParam, lParam);
}

LRESULT OnFieldSetFocus(HWND field, WPARAM wParam, LPARAM lParam) {
  PassOn(field, EM_SETSEL, 0, SELECTED_ON_FOCUS);
  return PassOn(field, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnFieldKillFocus(HWND field, WPARAM wParam, LPARAM lParam) {
  Judge(field);
  return PassOn(field, WM_KILLFOCUS, wParam, lParam);
}

}  // namespace

void SubclassAnswerField(HWND field) {
  previousFieldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswerFieldProc)));
}

LRESULT CALLBACK AnswerFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      return OnFieldSetFocus(field, wParam, lParam);
    case WM_KILLFOCUS:
      return OnFieldKillFocus(field, wParam, lParam);
    case WM_CHAR:
      return OnFieldChar(field, wParam, lParam);
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
      return OnFieldKey(field, message, wParam, lParam);
    case WM_MOUSEWHEEL:
      // The board scrolls, not the field: some edit controls keep the wheel to themselves
      // instead of handing it to their parent as a single-line edit usually does.
      return SendMessageA(GetParent(field), message, wParam, lParam);
    default:
      return PassOn(field, message, wParam, lParam);
  }
}

// Each focus move below makes the field that loses the focus judge itself.
void FillUnsolvedFields(HWND field) {
  char text[TEXT_SIZE];
  GetWindowTextA(field, text, TEXT_SIZE);
  HWND board = GetParent(field);
  int count = SlotCount();
  for (int slot = 1; slot <= count; ++slot) {
    if (IsSolved(board, slot)) continue;
    HWND target = GetDlgItem(board, IDC_ANSWER_BASE + slot);
    SetWindowTextA(target, text);
    SetFocus(target);
  }
  FocusField(board, field);
}
