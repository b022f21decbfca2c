// The main window: header, version label, board placement, keys, wheel, saving and closing.
#include "app/main_window_win.h"

#include <shellapi.h>

#include "app/header_layout.h"
#include "app/main_window_ids.h"
#include "base/control_win.h"
#include "base/late_bound_win.h"
#include "base/process_state_win.h"
#include "base/resource_ids.h"
#include "board/answers_file_win.h"
#include "board/media_win.h"
#include "board/scrolling.h"
#include "board/scrolling_win.h"
#include "quiz/quiz_definition.h"

namespace {

constexpr const char* VERSION_TEXT = "Réalisé avec la version 2.1";
constexpr COLORREF HEADER_COLOUR = RGB(128, 128, 255);
constexpr COLORREF LINK_TEXT_COLOUR = RGB(50, 50, 255);
constexpr COLORREF VERSION_COLOUR = RGB(212, 208, 200);
constexpr WPARAM NO_SCROLL = 65535;       // matches no scroll request of the board

struct HeaderControl {
  int id;
  const char* className;
  const char* text;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE
  ControlRect rect;
  bool guiFont;
};

HWND CreateChild(HWND parent, const HeaderControl& control) {
  return CreateControl(parent, control.className, control.text,
                       WS_CHILD | WS_VISIBLE | control.style, control.rect, control.id,
                       control.guiFont ? GuiFont() : nullptr);
}

HBRUSH HeaderBrush() {
  static HBRUSH brush = CreateSolidBrush(HEADER_COLOUR);
  return brush;
}

HBRUSH VersionBrush() {
  static HBRUSH brush = CreateSolidBrush(VERSION_COLOUR);
  return brush;
}

// Underlined, three quarters of the label's height; the hand cursor goes to the whole static
// class, but only the link answers to the mouse.
void SetUpLink(HWND link) {
  static HFONT font = nullptr;
  if (!font) {
    RECT client;
    GetClientRect(link, &client);
    LOGFONTA description = {};
    description.lfHeight = -((client.bottom - client.top) * 3 / 4);
    description.lfWeight = FW_NORMAL;
    description.lfUnderline = TRUE;
    font = CreateFontIndirectA(&description);
  }
  SendMessageA(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  HCURSOR hand = LoadCursorA(appInstance, MAKEINTRESOURCEA(IDC_HAND_CURSOR));
  SetClassLongPtrA(link, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(hand));
}

void CreateVersionLabel(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  CreateChild(window, {IDC_VERSION, "Static", VERSION_TEXT, 0, {725, client.bottom - 16, 130, 15},
                       true});
}

// The quiz's texts keep every "&" (SS_NOPREFIX): a static would otherwise take it for a mnemonic.
void CreateHeader(HWND window) {
  char score[32];
  wsprintfA(score, " 0 / %d", theQuiz->questionCount);
  const HeaderControl header[] = {
      {IDC_FRAME_SCORE, "Static", "", WS_BORDER, {5, 2, 100, 24}, false},
      {IDC_FRAME_CODE, "Static", "", WS_BORDER, {5, 25, 100, 22}, false},
      {IDC_FRAME_TITLE, "Static", "", WS_BORDER, {104, 2, 623, 45}, false},
      {IDC_FRAME_AUTHOR, "Static", "", WS_BORDER, {726, 2, 130, 45}, false},
      {IDC_CODE_LABEL, "Static", " Code :", 0, {10, 29, 36, 15}, true},
      {IDC_CODE, "edit", "xxxxxx", ES_READONLY, CODE_RECT, true},
      {IDC_SCORE, "Static", score, SS_CENTER, {10, 5, 90, 18}, false},
      {IDC_LINK, "Static", MAKER_SITE, SS_NOTIFY, {736, 5, 115, 18}, false},
      {IDC_SCORE, "Static", "Par :", 0, {736, 25, 27, 18}, true},
      {IDC_SCORE, "Static", theQuiz->author, SS_NOPREFIX, AUTHOR_RECT, true},
      {IDC_SCORE, "Static", theQuiz->title, SS_NOPREFIX, TITLE_RECT, false},
      {IDC_SCORE, "Static", theQuiz->explanation, SS_NOPREFIX, EXPLANATION_RECT, true},
      {IDC_SAVE, "button", "Sauver", 0, {666, 25, 55, 18}, true},
  };
  for (const HeaderControl& control : header) {
    HWND child = CreateChild(window, control);
    if (control.id == IDC_LINK) SetUpLink(child);
  }
}

LRESULT OnCreate(HWND window) {
  CreateVersionLabel(window);
  CreateHeader(window);
  ComputeBoardContentExtent(*theQuiz);
  SendMessageA(window, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_QUESTION)));
  return 0;
}

void OnSize(HWND window, WPARAM sizeType, LPARAM size) {
  if (sizeType == SIZE_MINIMIZED) return;
  int width = LOWORD(size);
  int height = HIWORD(size);
  SetWindowPos(boardDialog, nullptr, 5, 50, width - 11, height - 68, SWP_NOZORDER);
  SetWindowPos(GetDlgItem(window, IDC_VERSION), HWND_TOP, width - 145, height - 16, 130, 15,
               SWP_NOACTIVATE);
}

void OnClose() {
  SaveAnswers(boardDialog);
  StopAudio();  // a sound still playing holds its file open
  DeleteFileA(AUDIO_FILE_NAME);
  PostQuitMessage(0);
}

WPARAM ScrollRequestForKey(WPARAM key) {
  switch (key) {
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_END: return SB_BOTTOM;
    case VK_HOME: return SB_TOP;
    case VK_UP: return SB_LINEUP;
    case VK_DOWN: return SB_LINEDOWN;
    default: return NO_SCROLL;
  }
}

void OnKeyDown(WPARAM key) {
  if (key == VK_F2) SaveAnswers(boardDialog);
  SendMessageA(boardDialog, WM_VSCROLL, ScrollRequestForKey(key), 0);
}

void OpenMakerSite() {
  auto shellExecute = reinterpret_cast<decltype(&ShellExecuteA)>(
      reinterpret_cast<void*>(LateBoundFunction("shell32.dll", "ShellExecuteA")));
  if (shellExecute) shellExecute(nullptr, "open", MAKER_SITE, nullptr, nullptr, SW_SHOWNORMAL);
}

void OnCommand(WPARAM command) {
  if (command == IDC_SAVE) SaveAnswers(boardDialog);
  if (command == IDC_LINK) OpenMakerSite();
}

void OnMouseWheel(WPARAM wParam) {
  int request = WheelScrollRequest(HIWORD(wParam));
  if (request != NO_SCROLL_REQUEST) PostMessageA(boardDialog, WM_VSCROLL, request, 0);
}

// Labels are drawn on their brush's colour, so the text needs no transparent mode.
HBRUSH UseBackground(HDC dc, COLORREF background, HBRUSH brush) {
  SetBkColor(dc, background);
  return brush;
}

LRESULT OnCtlColorStatic(HDC dc, HWND control) {
  switch (GetDlgCtrlID(control)) {
    case IDC_FRAME_SCORE:
    case IDC_FRAME_CODE:
    case IDC_FRAME_TITLE:
    case IDC_FRAME_AUTHOR:
    case IDC_SCORE:
    case IDC_CODE_LABEL:
    case IDC_CODE:
      return reinterpret_cast<LRESULT>(UseBackground(dc, HEADER_COLOUR, HeaderBrush()));
    case IDC_LINK:
      SetTextColor(dc, LINK_TEXT_COLOUR);
      return reinterpret_cast<LRESULT>(UseBackground(dc, HEADER_COLOUR, HeaderBrush()));
    case IDC_VERSION:
      SetTextColor(dc, RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(UseBackground(dc, VERSION_COLOUR, VersionBrush()));
    default:
      return 0;
  }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_SIZE: OnSize(window, wParam, lParam); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam); return 0;
    case WM_COMMAND: OnCommand(wParam); return 0;
    case WM_ACTIVATE: return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam),
                                                    reinterpret_cast<HWND>(lParam));
    case WM_MOUSEWHEEL: OnMouseWheel(wParam); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}
