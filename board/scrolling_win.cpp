// Scrolling of the board window: its two bars, the scroll requests, the wheel, keyboard following.
#include "board/scrolling_win.h"

#include "board/scrolling.h"

int ContentWidth = 0;
int ContentHeight = 0;
int VisibleWidth = 0;
int VisibleHeight = 0;

namespace {

ScrollBarState ReadScrollBar(HWND board, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(board, bar, &info);
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
}

int ScrollPosition(HWND board, int bar) { return ReadScrollBar(board, bar).position; }

void ScrollContent(HWND board, int bar, int positionDifference) {
  int amount = positionDifference * ScrollUnit;
  if (bar == SB_HORZ) {
    ScrollWindow(board, amount, 0, nullptr, nullptr);
  } else {
    ScrollWindow(board, 0, amount, nullptr, nullptr);
  }
}

// Asks the bar for a position and moves the content by what the bar actually kept.
void ScrollBoardTo(HWND board, int bar, int requested) {
  int before = ScrollPosition(board, bar);
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = requested;
  SetScrollInfo(board, bar, &info, TRUE);
  ScrollContent(board, bar, before - ScrollPosition(board, bar));
}

// Sets one bar's range and page from the client size; returns the visible size in units.
int SetUpScrollBar(HWND board, int bar, int clientSize, int contentSize) {
  ScrollBarSettings settings = BoardScrollBarSettings(clientSize / ScrollUnit, contentSize);
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  if (settings.resetPosition) {
    info.fMask = SIF_POS;
    info.nPos = 0;
    SetScrollInfo(board, bar, &info, FALSE);
  }
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = settings.maximum;
  info.nPage = settings.page;
  SetScrollInfo(board, bar, &info, TRUE);
  return settings.visible;
}

// Brings the span start .. end of the board's client coordinates into view along one axis.
void FollowOnAxis(HWND board, int bar, int clientSize, int start, int end) {
  int position = ScrollPosition(board, bar);
  int offset = position * ScrollUnit;  // client coordinates plus the offset are content coordinates
  int wanted = FollowScrollPosition(position, clientSize / ScrollUnit, (start + offset) / ScrollUnit,
                                    (end + offset) / ScrollUnit);
  if (wanted != position) ScrollBoardTo(board, bar, wanted);
}

void OnBoardSize(HWND board) {
  int oldVertical = ScrollPosition(board, SB_VERT);
  int oldHorizontal = ScrollPosition(board, SB_HORZ);
  SetUpBoardScrolling(board);
  int newVertical = ScrollPosition(board, SB_VERT);
  int newHorizontal = ScrollPosition(board, SB_HORZ);
  ScrollWindow(board, (oldHorizontal - newHorizontal) * ScrollUnit,
               (oldVertical - newVertical) * ScrollUnit, nullptr, nullptr);
}

void OnBoardScroll(HWND board, int bar, WPARAM wParam) {
  ScrollAxis axis = bar == SB_HORZ ? AXIS_HORIZONTAL : AXIS_VERTICAL;
  int requested = RequestedScrollPosition(ReadScrollBar(board, bar), LOWORD(wParam), axis);
  ScrollBoardTo(board, bar, requested);
}

void OnBoardMouseWheel(HWND board, WPARAM wParam) {
  int request = WheelScrollRequest(HIWORD(wParam));
  if (request != NO_SCROLL_REQUEST) PostMessageA(board, WM_VSCROLL, request, 0);
}

}  // namespace

void ComputeBoardContentExtent(const QuizDefinition& quiz) {
  ContentExtent extent = BoardContentExtent(quiz);
  ContentWidth = extent.width;
  ContentHeight = extent.height;
}

void SetUpBoardScrolling(HWND board) {
  RECT client;
  GetClientRect(board, &client);
  VisibleWidth = SetUpScrollBar(board, SB_HORZ, client.right - client.left, ContentWidth);
  VisibleHeight = SetUpScrollBar(board, SB_VERT, client.bottom - client.top, ContentHeight);
}

void ScrollControlIntoView(HWND board, HWND control) {
  RECT client;
  RECT shown;
  GetClientRect(board, &client);
  GetWindowRect(control, &shown);
  MapWindowPoints(nullptr, board, reinterpret_cast<POINT*>(&shown), 2);
  FollowOnAxis(board, SB_HORZ, client.right, shown.left, shown.right);
  FollowOnAxis(board, SB_VERT, client.bottom, shown.top, shown.bottom);
}

bool OnBoardScrollMessage(HWND board, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SIZE:
      OnBoardSize(board);
      return true;
    case WM_HSCROLL:
      OnBoardScroll(board, SB_HORZ, wParam);
      return true;
    case WM_VSCROLL:
      OnBoardScroll(board, SB_VERT, wParam);
      return true;
    case WM_MOUSEWHEEL:
      OnBoardMouseWheel(board, wParam);
      return true;
    default:
      return false;
  }
}
