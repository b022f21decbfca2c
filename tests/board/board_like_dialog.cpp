// The tests' stand-in for the board: a dialog from an in-memory template, with the board's scroll
// handling, inside a plain host window.
#include "tests/board/board_like_dialog.h"

#include "board/scrolling_win.h"

namespace {

constexpr char HOST_CLASS[] = "BrelaTestHost";

INT_PTR CALLBACK BoardLikeProc(HWND board, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetUpBoardScrolling(board);
    return TRUE;
  }
  OnBoardScrollMessage(board, message, wParam);
  return 0;
}

void RegisterHostClass() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = HOST_CLASS;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&windowClass);  // fails harmlessly when already registered
}

// A template without controls, menu, class or title; the words after the header stay aligned.
struct BoardTemplate {
  DLGTEMPLATE header;
  WORD menu;
  WORD windowClass;
  WORD title;
};

}  // namespace

BoardLikeDialog CreateBoardLikeDialog() {
  RegisterHostClass();
  HWND host = CreateWindowExA(0, HOST_CLASS, "host", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 740,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  alignas(4) BoardTemplate dialogTemplate = {};
  dialogTemplate.header.style = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE;
  dialogTemplate.header.cx = 86;
  dialogTemplate.header.cy = 100;
  HWND board = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.header, host,
                                          BoardLikeProc, 0);
  SetForegroundWindow(host);
  return {host, board};
}

void DestroyBoardLikeDialog(BoardLikeDialog& dialog) {
  DestroyWindow(dialog.host);
  dialog = {};
}

void SetBoardClientSize(HWND board, int width, int height) {
  RECT window;
  RECT client;
  GetWindowRect(board, &window);
  GetClientRect(board, &client);
  int frameWidth = (window.right - window.left) - client.right;
  int frameHeight = (window.bottom - window.top) - client.bottom;
  SetWindowPos(board, nullptr, 0, 0, width + frameWidth, height + frameHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CreateBoardChild(HWND board, const char* className, int id, int x, int y, int width,
                      int height) {
  return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, width, height,
                         board, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

SCROLLINFO BarInfo(HWND board, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  GetScrollInfo(board, bar, &info);
  return info;
}

int ScrollPos(HWND board, int bar) { return BarInfo(board, bar).nPos; }

void HoldShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}
