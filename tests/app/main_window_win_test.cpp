// The main window on its own and with the board, as real windows under Wine.
#include "app/main_window_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/main_window_ids.h"
#include "app/startup_win.h"
#include "base/process_state_win.h"
#include "base/resource_ids.h"
#include "board/board_ids.h"
#include "tests/support/painted_text.h"
#include "tests/support/player_windows.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

// This test's executable is main_window_win_test.exe.
const std::string ANSWERS_FILE = "main_window_win_test.txt";

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

void ExpectRect(const RECT& rect, int x, int y, int width, int height) {
  EXPECT_EQ(rect.left, x);
  EXPECT_EQ(rect.top, y);
  EXPECT_EQ(rect.right - rect.left, width);
  EXPECT_EQ(rect.bottom - rect.top, height);
}

RECT ChildRect(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The main window alone, as its creation leaves it, before start-up adds the board.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillTestQuiz(quiz_, {KIND_TEXT, 12, 1, REVEAL_NONE});
    theQuiz = &quiz_;
    appInstance = GetModuleHandleA(nullptr);
    static bool registered = RegisterMainWindowClass(appInstance);
    ASSERT_TRUE(registered);
    main_ = CreateMainWindow(appInstance, quiz_);
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(main_);
    theQuiz = nullptr;
  }

  QuizDefinition quiz_;
  HWND main_ = nullptr;
};

TEST_F(MainWindowTest, ClassAndWindowAttributes) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  ASSERT_TRUE(GetClassInfoExA(appInstance, "WindowsApp", &windowClass));
  EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(windowClass.lpfnWndProc, MainWindowProc);
  EXPECT_EQ(windowClass.cbClsExtra, 0);
  EXPECT_EQ(windowClass.cbWndExtra, 0);
  EXPECT_EQ(windowClass.hIcon, LoadIconA(nullptr, IDI_APPLICATION));
  EXPECT_EQ(windowClass.hIconSm, LoadIconA(nullptr, IDI_APPLICATION));
  EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(windowClass.hbrBackground, reinterpret_cast<HBRUSH>(1));
  EXPECT_EQ(windowClass.lpszMenuName, nullptr);

  char title[TEXT_SIZE];
  GetWindowTextA(main_, title, sizeof title);
  EXPECT_STREQ(title, "Quiz d'essai");
  LONG style = GetWindowLongA(main_, GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(style & (WS_CHILD | WS_POPUP), 0);
  EXPECT_EQ(GetParent(main_), nullptr);
  EXPECT_EQ(GetMenu(main_), nullptr);
  RECT rect;
  GetWindowRect(main_, &rect);
  EXPECT_EQ(rect.right - rect.left, 870);
  EXPECT_EQ(rect.bottom - rect.top, 650);
  // The large icon is the question mark; the small one stays the class's.
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(main_, WM_GETICON, ICON_BIG, 0)),
            LoadIconA(nullptr, IDI_QUESTION));
}

// Centred = the worked example's (77, 59) on a 1024 x 768 desktop.
POINT CentredPosition(const RECT& desktop) {
  return POINT{desktop.left + (desktop.right - desktop.left - 870) / 2,
               desktop.top + (desktop.bottom - desktop.top - 650) / 2};
}

TEST_F(MainWindowTest, IsCentredOnTheDesktop) {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  if (desktop.right - desktop.left == 1024 && desktop.bottom - desktop.top == 768) {
    EXPECT_EQ(CentredPosition(desktop).x, 77);
    EXPECT_EQ(CentredPosition(desktop).y, 59);
  }
  CentreOnDesktop(main_);
  RECT rect;
  GetWindowRect(main_, &rect);
  POINT centred = CentredPosition(desktop);
  ExpectRect(rect, centred.x, centred.y, 870, 650);
}

struct ExpectedChild {
  int id;
  const char* className;
  std::string text;
  DWORD style;  // the whole style
  int x, y, width, height;
  enum { NO_FONT, GUI_FONT, LINK_FONT } font;
};

TEST_F(MainWindowTest, HeaderAndVersionLabelInCreationOrder) {
  SIZE client = ClientSize(main_);
  const DWORD child = WS_CHILD | WS_VISIBLE;
  const ExpectedChild expected[] = {
      // No size message has moved the version label yet.
      {8000, "Static", "R\xE9" "alis\xE9 avec la version 2.1", child, 725, client.cy - 16, 130,
       15, ExpectedChild::GUI_FONT},
      {1, "Static", "", child | WS_BORDER, 5, 2, 100, 24, ExpectedChild::NO_FONT},
      {2, "Static", "", child | WS_BORDER, 5, 25, 100, 22, ExpectedChild::NO_FONT},
      {3, "Static", "", child | WS_BORDER, 104, 2, 623, 45, ExpectedChild::NO_FONT},
      {4, "Static", "", child | WS_BORDER, 726, 2, 130, 45, ExpectedChild::NO_FONT},
      {151, "Static", " Code :", child, 10, 29, 36, 15, ExpectedChild::GUI_FONT},
      {157, "Edit", "xxxxxx", child | ES_READONLY, 47, 29, 55, 16, ExpectedChild::GUI_FONT},
      {150, "Static", " 0 / 12", child | SS_CENTER, 10, 5, 90, 18, ExpectedChild::NO_FONT},
      {154, "Static", MAKER_SITE, child | SS_NOTIFY, 736, 5, 115, 18, ExpectedChild::LINK_FONT},
      {150, "Static", "Par :", child, 736, 25, 27, 18, ExpectedChild::GUI_FONT},
      {150, "Static", "\xC9mile", child | SS_NOPREFIX, 763, 25, 85, 18, ExpectedChild::GUI_FONT},
      {150, "Static", "Quiz d'essai", child | SS_NOPREFIX, 110, 3, 220, 18,
       ExpectedChild::NO_FONT},
      {150, "Static", "Une question, une r\xE9ponse.", child | SS_NOPREFIX, 110, 19, 550, 27,
       ExpectedChild::GUI_FONT},
      {140, "Button", "Sauver", child | BS_PUSHBUTTON, 666, 25, 55, 18, ExpectedChild::GUI_FONT},
  };
  HWND control = GetWindow(main_, GW_CHILD);
  for (const ExpectedChild& e : expected) {
    SCOPED_TRACE(e.text);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetDlgCtrlID(control), e.id);
    char className[32];
    GetClassNameA(control, className, sizeof className);
    EXPECT_STREQ(className, e.className);
    char text[TEXT_SIZE];
    GetWindowTextA(control, text, sizeof text);
    EXPECT_EQ(text, e.text);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), e.style);
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
    ExpectRect(ChildRect(main_, control), e.x, e.y, e.width, e.height);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (e.font == ExpectedChild::NO_FONT) {
      EXPECT_EQ(font, nullptr);
    } else if (e.font == ExpectedChild::GUI_FONT) {
      EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
    } else {
      LOGFONTA description = {};
      ASSERT_EQ(GetObjectA(font, sizeof description, &description), int{sizeof description});
      EXPECT_EQ(description.lfHeight, -13);
      EXPECT_EQ(description.lfWeight, 400);
      EXPECT_EQ(description.lfUnderline, 1);
      EXPECT_EQ(description.lfItalic, 0);
      EXPECT_STREQ(description.lfFaceName, "");
    }
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(control, nullptr);
  // The first label with id 150 is the score, so that the checker finds it.
  EXPECT_EQ(ControlText(main_, IDC_SCORE), " 0 / 12");
}

// The header's labels of the quiz's title, author and explanation (the third to fifth of the
// labels with id 150) paint an "&" as written, not as a mnemonic.
TEST_F(MainWindowTest, TheQuizTextsOfTheHeaderPaintTheirAmpersands) {
  const char ampersands[] = "Q&R & Cie";
  DestroyWindow(main_);
  CopyText(quiz_.title, ampersands);
  CopyText(quiz_.author, ampersands);
  CopyText(quiz_.explanation, ampersands);
  main_ = CreateMainWindow(appInstance, quiz_);
  ASSERT_NE(main_, nullptr);
  std::vector<HWND> labels;
  for (HWND child = GetWindow(main_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == IDC_SCORE) labels.push_back(child);
  }
  ASSERT_EQ(labels.size(), 5u);
  for (size_t i = 2; i < labels.size(); ++i) ExpectPaintedAsStored(labels[i], ampersands);
}

TEST_F(MainWindowTest, TheHandCursorBelongsToTheStaticClass) {
  HCURSOR hand = LoadCursorA(appInstance, MAKEINTRESOURCEA(IDC_HAND_CURSOR));
  ASSERT_NE(hand, nullptr);
  for (int id : {IDC_LINK, IDC_SCORE, IDC_VERSION}) {
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(GetDlgItem(main_, id), GCLP_HCURSOR)),
              hand);
  }
}

struct ExpectedColours {
  int id;
  COLORREF text;  // SENTINEL: left as it was
  COLORREF background;
};

constexpr COLORREF SENTINEL = RGB(1, 2, 3);

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH description = {};
  EXPECT_EQ(GetObjectA(brush, sizeof description, &description), int{sizeof description});
  EXPECT_EQ(description.lbStyle, static_cast<UINT>(BS_SOLID));
  return description.lbColor;
}

TEST_F(MainWindowTest, LabelColours) {
  const COLORREF blue = RGB(128, 128, 255);
  const ExpectedColours expected[] = {
      {IDC_FRAME_SCORE, SENTINEL, blue}, {IDC_FRAME_CODE, SENTINEL, blue},
      {IDC_FRAME_TITLE, SENTINEL, blue}, {IDC_FRAME_AUTHOR, SENTINEL, blue},
      {IDC_SCORE, SENTINEL, blue},       {IDC_CODE_LABEL, SENTINEL, blue},
      {IDC_CODE, SENTINEL, blue},        {IDC_LINK, RGB(50, 50, 255), blue},
      {IDC_VERSION, RGB(0, 0, 0), RGB(212, 208, 200)},
  };
  HDC dc = GetDC(main_);
  for (const ExpectedColours& e : expected) {
    SCOPED_TRACE(e.id);
    SetTextColor(dc, SENTINEL);
    SetBkColor(dc, SENTINEL);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(GetDlgItem(main_, e.id))));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(BrushColour(brush), e.background);
    EXPECT_EQ(GetTextColor(dc), e.text);
    EXPECT_EQ(GetBkColor(dc), e.background);  // no box of another colour behind the text
    auto again = reinterpret_cast<HBRUSH>(SendMessageA(
        main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
        reinterpret_cast<LPARAM>(GetDlgItem(main_, e.id))));
    EXPECT_EQ(again, brush);  // made once, not per request
  }
  // Any other static control: default handling, colours untouched.
  HWND other = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 5, 5, main_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(99)), appInstance,
                               nullptr);
  SetTextColor(dc, SENTINEL);
  EXPECT_EQ(SendMessageA(main_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(other)),
            0);
  EXPECT_EQ(GetTextColor(dc), SENTINEL);
  ReleaseDC(main_, dc);
}

// The main window with its board, as the player opens them.
class PlayerWindowsTest : public ::testing::Test {
 protected:
  void Open(int questionCount) {
    FillTestQuiz(quiz_, {KIND_TEXT, questionCount, 1, REVEAL_NONE});
    windows_ = OpenPlayerWindows(quiz_);
    ASSERT_NE(windows_.main, nullptr);
    ASSERT_NE(windows_.board, nullptr);
  }
  void TearDown() override {
    if (windows_.main) ClosePlayerWindows(windows_);
  }

  ScopedWorkingDirectory directory_;
  QuizDefinition quiz_;
  PlayerWindows windows_{};
};

void ExpectLaidOut(const PlayerWindows& windows) {
  SIZE client = ClientSize(windows.main);
  ExpectRect(ChildRect(windows.main, windows.board), 5, 50, client.cx - 11, client.cy - 68);
  HWND version = GetDlgItem(windows.main, IDC_VERSION);
  ExpectRect(ChildRect(windows.main, version), client.cx - 145, client.cy - 16, 130, 15);
  EXPECT_EQ(GetWindow(windows.main, GW_CHILD), version);  // on top of its siblings
}

TEST_F(PlayerWindowsTest, BoardAndVersionLabelFollowTheClientArea) {
  Open(12);
  {
    SCOPED_TRACE("default size");
    ExpectLaidOut(windows_);
    SIZE client = ClientSize(windows_.main);
    if (client.cx == 862) {  // frames of the usual width: the board ends under frame 4's edge
      RECT board = ChildRect(windows_.main, windows_.board);
      EXPECT_EQ(board.right, 856);
    }
  }
  for (SIZE size : {SIZE{700, 500}, SIZE{1000, 740}, SIZE{300, 200}}) {
    SCOPED_TRACE(std::to_string(size.cx) + " x " + std::to_string(size.cy));
    SetWindowPos(windows_.main, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    ExpectLaidOut(windows_);
  }
}

TEST_F(PlayerWindowsTest, MinimisingLeavesTheBoardAloneAndRestoringLaysItOutAgain) {
  Open(12);
  RECT before = ChildRect(windows_.main, windows_.board);
  ShowWindow(windows_.main, SW_MINIMIZE);
  PumpMessages();
  ASSERT_TRUE(IsIconic(windows_.main));
  RECT minimised = ChildRect(windows_.main, windows_.board);
  EXPECT_EQ(minimised.right - minimised.left, before.right - before.left);
  EXPECT_EQ(minimised.bottom - minimised.top, before.bottom - before.top);
  SetWindowPos(windows_.board, nullptr, 0, 0, 10, 10, SWP_NOZORDER);
  ShowWindow(windows_.main, SW_RESTORE);
  PumpMessages();
  ExpectLaidOut(windows_);
}

// Records the vertical scroll requests that reach the board, then lets the board act on them.
std::vector<WPARAM> boardRequests;
WNDPROC boardProcedure = nullptr;

LRESULT CALLBACK RecordingBoardProc(HWND board, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL) boardRequests.push_back(wParam);
  return CallWindowProcA(boardProcedure, board, message, wParam, lParam);
}

class ForwardingTest : public PlayerWindowsTest {
 protected:
  void SetUp() override {
    Open(40);  // far taller than the board
    boardRequests.clear();
    boardProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        windows_.board, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingBoardProc)));
  }
  int BoardTop() {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(windows_.board, SB_VERT, &info);
    return info.nPos;
  }
};

TEST_F(ForwardingTest, KeysBecomeScrollRequestsToTheBoard) {
  struct Case {
    WPARAM key;
    WPARAM request;
  };
  const Case cases[] = {
      {VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN}, {VK_END, SB_BOTTOM}, {VK_HOME, SB_TOP},
      {VK_UP, SB_LINEUP},    {VK_DOWN, SB_LINEDOWN}, {'A', 65535},        {VK_LEFT, 65535},
      {VK_F1, 65535},
  };
  for (const Case& c : cases) {
    boardRequests.clear();
    EXPECT_EQ(SendMessageA(windows_.main, WM_KEYDOWN, c.key, 0), 0);
    EXPECT_EQ(boardRequests, std::vector<WPARAM>{c.request}) << "key " << c.key;
  }
  EXPECT_FALSE(FileExists(ANSWERS_FILE));
}

TEST_F(ForwardingTest, KeysMoveTheBoard) {
  ASSERT_EQ(BoardTop(), 0);
  SendMessageA(windows_.main, WM_KEYDOWN, VK_DOWN, 0);
  int oneLine = BoardTop();
  EXPECT_GT(oneLine, 0);
  SendMessageA(windows_.main, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_GT(BoardTop(), oneLine);
  SendMessageA(windows_.main, WM_KEYDOWN, VK_END, 0);
  int bottom = BoardTop();
  SendMessageA(windows_.main, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(BoardTop(), bottom);
  SendMessageA(windows_.main, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(BoardTop(), bottom);
  SendMessageA(windows_.main, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(BoardTop(), 0);
}

TEST_F(ForwardingTest, F2SavesAndDoesNotScroll) {
  SetDlgItemTextA(windows_.board, IDC_ANSWER_BASE + 2, "Rome");
  SendMessageA(windows_.main, WM_KEYDOWN, VK_DOWN, 0);
  int top = BoardTop();
  boardRequests.clear();
  SendMessageA(windows_.main, WM_KEYDOWN, VK_F2, 0);
  EXPECT_EQ(boardRequests, std::vector<WPARAM>{65535});
  EXPECT_EQ(BoardTop(), top);
  std::string expected = "*\r\nRome\r\n";
  for (int k = 3; k <= 40; ++k) expected += "*\r\n";
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), expected);
}

TEST_F(ForwardingTest, OneWheelNotchIsOneLine) {
  struct Case {
    WORD delta;
    WORD keys;
    std::vector<WPARAM> requests;
  };
  const Case cases[] = {
      {120, 0, {SB_LINEUP}},          {65416, 0, {SB_LINEDOWN}},
      {120, MK_SHIFT, {SB_LINEUP}},   {65416, MK_CONTROL, {SB_LINEDOWN}},
      {240, 0, {}},                   {65296, 0, {}},  // two notches at once: nothing
      {60, 0, {}},                    {0, 0, {}},
  };
  for (const Case& c : cases) {
    boardRequests.clear();
    EXPECT_EQ(SendMessageA(windows_.main, WM_MOUSEWHEEL, MAKEWPARAM(c.keys, c.delta),
                           MAKELPARAM(400, 300)),
              0);
    EXPECT_TRUE(boardRequests.empty()) << "posted, not sent";
    PumpMessages();
    EXPECT_EQ(boardRequests, c.requests) << "delta " << c.delta;
  }
}

TEST_F(PlayerWindowsTest, TheSaveButtonSaves) {
  Open(3);
  SetDlgItemTextA(windows_.board, IDC_ANSWER_BASE + 1, "Paris");
  SendMessageA(windows_.main, WM_COMMAND, MAKEWPARAM(IDC_SAVE, 5), 0);  // not a click
  SendMessageA(windows_.main, WM_COMMAND, MAKEWPARAM(IDC_LINK, STN_DBLCLK), 0);
  EXPECT_FALSE(FileExists(ANSWERS_FILE));
  SendMessageA(GetDlgItem(windows_.main, IDC_SAVE), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "Paris\r\n*\r\n*\r\n");
}

TEST_F(PlayerWindowsTest, ClosingSavesDeletesTheSoundFileAndEndsTheLoop) {
  Open(2);
  WriteWholeFile("brela.mp3", "ID3");
  SetDlgItemTextA(windows_.board, IDC_ANSWER_BASE + 2, "Berlin");
  MSG quit;
  ASSERT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_EQ(SendMessageA(windows_.main, WM_CLOSE, 0, 0), 0);
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "*\r\nBerlin\r\n");
  EXPECT_FALSE(FileExists("brela.mp3"));
  EXPECT_TRUE(IsWindow(windows_.main));  // closing does not destroy it
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
  // Without a sound file the close goes the same way.
  SendMessageA(windows_.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(PlayerWindowsTest, SavedAnswersComeBackInTheNextBoard) {
  Open(3);
  SetDlgItemTextA(windows_.board, IDC_ANSWER_BASE + 1, "*");
  SetDlgItemTextA(windows_.board, IDC_ANSWER_BASE + 3, "rep3a");
  SendMessageA(windows_.main, WM_CLOSE, 0, 0);
  ClosePlayerWindows(windows_);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

  QuizDefinition again;
  FillTestQuiz(again, {KIND_TEXT, 3, 1, REVEAL_NONE});
  windows_ = OpenPlayerWindows(again);
  EXPECT_EQ(ControlText(windows_.board, IDC_ANSWER_BASE + 1), "");
  EXPECT_EQ(ControlText(windows_.board, IDC_ANSWER_BASE + 2), "");
  EXPECT_EQ(ControlText(windows_.board, IDC_ANSWER_BASE + 3), "rep3a");
  EXPECT_EQ(ControlText(windows_.main, IDC_SCORE), " 1 / 3");
  ClosePlayerWindows(windows_);
}

}  // namespace
