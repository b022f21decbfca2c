// The editor's window at the screen's DPI, under Wine: run by editor_dpi_test.sh in a prefix of
// 144 and then 192 DPI on a 1366 x 768 screen (BRELA_DPI names the DPI it set), or plainly at the
// prefix's own DPI. On a blank quiz, a picture quiz and a quiz with a long problem, the real window
// stays on the screen, and every control can be seen whole (scrolled to, when the screen is too
// small), overlaps no other, and shows its text uncut.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/brelaedit/editor_ids.h"
#include "tools/brelaedit/editor_window_win.h"

namespace {

namespace fs = std::filesystem;

// The player's picture box, in pixels at 96 DPI.
constexpr int PLAYER_PICTURE_BOX = 260;

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool IsGroupBox(HWND window) {
  return ClassOf(window) == L"Button" &&
         (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

RECT RectInClient(HWND editor, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, editor, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// How far a scroll bar of the window reaches: its range when shown, else the client's side.
int Extent(HWND editor, int bar, int side) {
  const LONG_PTR style = GetWindowLongPtrW(editor, GWL_STYLE);
  if (!(style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))) return side;
  int low = 0, high = 0;
  GetScrollRange(editor, bar, &low, &high);
  return high + 1;
}

// The visible controls of the form, the status bar left out.
std::vector<HWND> VisibleControls(HWND editor) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && GetDlgCtrlID(child) != IDC_STATUS) controls.push_back(child);
  }
  return controls;
}

// The text a control shows, the mnemonics' "&" left out.
std::wstring ShownText(HWND control) {
  std::wstring text;
  for (wchar_t c : TextOf(control)) {
    if (c != L'&') text += c;
  }
  return text;
}

// The box that a text takes in a control's font, wrapped at width when the control wraps.
SIZE TextBox(HWND control, const std::wstring& text, int width, bool wraps) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT box = {0, 0, width, 0};
  DrawTextW(dc, text.c_str(), -1, &box, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {box.right, box.bottom};
}

class EditorDpiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = FreshDirectory("brelaedit-dpi-" + name);
  }

  void TearDown() override {
    if (IsWindow(editor_)) DestroyWindow(editor_);
    Pump();
    std::error_code error;
    fs::remove_all(folder_, error);
  }

  void Open(const fs::path& file = {}) {
    EditorDialogs dialogs;
    dialogs.message = [](HWND, const std::wstring&, UINT) { return IDCANCEL; };
    environment_ = {WindowsExecutableAccess(""), GdiTextMeasurer(), dialogs};
    editor_ = OpenEditorWindow(GetModuleHandleW(nullptr), environment_, file, false);
    ASSERT_NE(editor_, nullptr);
    Pump();
    SendMessageW(editor_, WM_TIMER, CHECK_TIMER, 0);  // the live check, without its pause
    Pump();
  }

  HWND Item(int id) const { return GetDlgItem(editor_, id); }

  // The window on its monitor's work area; each visible control where it can be seen whole, at
  // some scroll position, above the status bar; no two of them overlapping but a group box and
  // what it holds.
  void ExpectFitsTheScreen(const std::string& what) {
    RECT window, status, client;
    GetWindowRect(editor_, &window);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(editor_, MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_TRUE(Inside(window, monitor.rcWork)) << what;
    GetClientRect(editor_, &client);
    GetWindowRect(Item(IDC_STATUS), &status);
    const int statusHeight = status.bottom - status.top;
    const POINT scrolled = {GetScrollPos(editor_, SB_HORZ), GetScrollPos(editor_, SB_VERT)};
    const RECT form = {0, 0, Extent(editor_, SB_HORZ, client.right),
                       Extent(editor_, SB_VERT, client.bottom) - statusHeight};
    const std::vector<HWND> controls = VisibleControls(editor_);
    ASSERT_GT(controls.size(), 20u) << what;
    for (HWND control : controls) {
      RECT box = RectInClient(editor_, control);
      OffsetRect(&box, scrolled.x, scrolled.y);
      EXPECT_TRUE(Inside(box, form)) << what << ": control " << GetDlgCtrlID(control);
      EXPECT_GT(box.right - box.left, 0) << what << ": control " << GetDlgCtrlID(control);
      EXPECT_GT(box.bottom - box.top, 0) << what << ": control " << GetDlgCtrlID(control);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const RECT a = RectInClient(editor_, controls[i]);
        const RECT b = RectInClient(editor_, controls[j]);
        if ((IsGroupBox(controls[i]) && Inside(b, a)) || (IsGroupBox(controls[j]) && Inside(a, b)))
          continue;
        RECT overlap;
        EXPECT_FALSE(IntersectRect(&overlap, &a, &b))
            << what << ": controls " << GetDlgCtrlID(controls[i]) << " and "
            << GetDlgCtrlID(controls[j]);
      }
    }
  }

  // Every label's and button's text whole in its control, in the control's font.
  void ExpectTextsUncut(const std::string& what) {
    for (HWND control : VisibleControls(editor_)) {
      const std::wstring className = ClassOf(control);
      const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
      const bool label = className == L"Static" && (style & SS_TYPEMASK) == SS_LEFT;
      const bool button = className == L"Button" && !IsGroupBox(control);
      const std::wstring text = ShownText(control);
      if ((!label && !button) || text.empty()) continue;
      RECT box;
      GetClientRect(control, &box);
      // A button's text keeps clear of its raised edge, on each side.
      const int edges = button ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
      const SIZE needed = TextBox(control, text, box.right - edges, label);
      EXPECT_LE(needed.cx, box.right - edges) << what << ": " << GetDlgCtrlID(control);
      EXPECT_LE(needed.cy, box.bottom) << what << ": " << GetDlgCtrlID(control);
    }
  }

  // The question list's columns side by side within the list.
  void ExpectColumnsWithinTheList(const std::string& what) {
    const HWND list = Item(IDC_QUESTIONS);
    RECT client;
    GetClientRect(list, &client);
    int widths = 0;
    for (int column = 0; column < 3; ++column) {
      widths += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    }
    EXPECT_LE(widths, client.right) << what;
  }

  // The screens that show the whole form at once: 1024 x 768 at 100 %, a laptop's 1366 x 768 at
  // 150 % (its work area 1366 x 728 with the taskbar).
  void ExpectWholeFormOnSmallScreens(const std::string& what) {
    const int dpi = ScreenDpi();
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (!((dpi <= 96 && width >= 1024 && height >= 768) ||
          (dpi <= 144 && width >= 1366 && height >= 728))) {
      return;
    }
    const LONG_PTR style = GetWindowLongPtrW(editor_, GWL_STYLE);
    EXPECT_FALSE(style & WS_VSCROLL) << what;
    EXPECT_FALSE(style & WS_HSCROLL) << what;
  }

  void ExpectUsable(const std::string& what) {
    ExpectWholeFormOnSmallScreens(what);
    ExpectFitsTheScreen(what);
    ExpectTextsUncut(what);
    ExpectColumnsWithinTheList(what);
  }

  fs::path folder_;
  EditorEnvironment environment_;
  HWND editor_ = nullptr;
};

TEST_F(EditorDpiTest, RunsAtTheDpiTheEnvironmentSetAndLaysItselfOut) {
  const char* dpi = std::getenv("BRELA_DPI");
  if (dpi) {
    EXPECT_EQ(ScreenDpi(), std::atoi(dpi));
  }
  // The manifest declares the editor DPI aware: Windows does not enlarge it as a bitmap.
  EXPECT_TRUE(IsProcessDPIAware());
}

TEST_F(EditorDpiTest, ABlankQuizFitsTheScreen) {
  Open();
  ExpectUsable("blank quiz");
}

TEST_F(EditorDpiTest, APictureQuizFitsTheScreenWithItsPreviews) {
  Open(WriteSampleQuiz(SampleQuizJson("picture", "textAndPicture", 2, 3), folder_));
  ASSERT_TRUE(IsWindowVisible(Item(IDC_PREVIEW)));
  ASSERT_TRUE(IsWindowVisible(Item(IDC_ANSWER_PREVIEW)));
  ExpectUsable("picture quiz");
  // The player's picture box as Windows enlarges the player on this screen, or less where the
  // window has less room; square, and never too small to make the picture out.
  for (int id : {IDC_PREVIEW, IDC_ANSWER_PREVIEW}) {
    RECT box;
    GetClientRect(Item(id), &box);
    EXPECT_EQ(box.right, box.bottom) << id;
    EXPECT_LE(box.right, MulDiv(PLAYER_PICTURE_BOX, ScreenDpi(), 96)) << id;
    EXPECT_GE(box.right, PLAYER_PICTURE_BOX * 2 / 3) << id;
  }
}

// The player is not DPI aware: Windows lays it out as at 96 DPI and enlarges it. The width check
// measures its texts so at every DPI, in the GUI font of 8 points: 11 pixels high at 96 DPI.
TEST_F(EditorDpiTest, TheWidthCheckMeasuresThePlayersTextsAsAt96Dpi) {
  LOGFONTW face = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfHeight = -MulDiv(8, 96, 72);
  face.lfWidth = 0;
  const HFONT font = CreateFontIndirectW(&face);
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(screen, font);
  const std::string text = "Quelle est la capitale de l'Italie ? Rome, évidemment.";
  int width = 0;
  for (const char character : text) {
    SIZE size{};
    GetTextExtentPoint32A(screen, &character, 1, &size);
    width += size.cx;
  }
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  EXPECT_EQ(GdiTextMeasurer()(FONT_GUI, text).width, width);

  // A sample that fits the player raises no width problem, whatever the screen's DPI.
  Open(WriteSampleQuiz(SampleQuizJson("picture", "textAndPicture", 2, 3), folder_));
  for (const Problem& problem : ShownProblems(editor_)) {
    EXPECT_EQ(problem.message.find("trop long"), std::string::npos) << problem.message;
  }
}

TEST_F(EditorDpiTest, AQuizWithALongProblemFitsTheScreen) {
  nlohmann::json quiz = SampleQuizJson("picture", "picture", 2, 2);
  WriteSampleQuiz(quiz, folder_);
  quiz["questions"][0]["picture"] =
      "images/classe de CM2 2025-2026/sortie au musée des Beaux-Arts/salle des "
      "impressionnistes/photo que personne n'a encore copiée.jpg";
  std::ofstream(folder_ / "quiz.json", std::ios::binary) << quiz.dump();
  Open(folder_ / "quiz.json");
  ASSERT_GE(SendMessageW(Item(IDC_PROBLEMS), LVM_GETITEMCOUNT, 0, 0), 1);
  ExpectUsable("long problem");
}

TEST_F(EditorDpiTest, TheSmallestWindowStillShowsEverythingByScrolling) {
  Open(WriteSampleQuiz(SampleQuizJson("picture", "textAndPicture", 2, 3), folder_));
  RECT window;
  GetWindowRect(editor_, &window);
  SetWindowPos(editor_, nullptr, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOMOVE);
  Pump();
  ExpectFitsTheScreen("smallest window");
  SendMessageW(editor_, WM_VSCROLL, SB_BOTTOM, 0);
  SendMessageW(editor_, WM_HSCROLL, SB_BOTTOM, 0);
  Pump();
  // Scrolled to the end, the problem list shows whole above the status bar.
  RECT client, status;
  GetClientRect(editor_, &client);
  GetWindowRect(Item(IDC_STATUS), &status);
  const RECT problems = RectInClient(editor_, Item(IDC_PROBLEMS));
  EXPECT_GE(problems.top, 0);
  EXPECT_LE(problems.bottom, client.bottom - (status.bottom - status.top));
  EXPECT_LE(problems.right, client.right);
}

// Tab to a control out of sight in a scrolled form: the form scrolls to show it.
TEST_F(EditorDpiTest, TheFocusMovedByTheKeyboardScrollsIntoSight) {
  Open();
  SetWindowPos(editor_, nullptr, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOMOVE);
  SendMessageW(editor_, WM_VSCROLL, SB_TOP, 0);
  SendMessageW(editor_, WM_HSCROLL, SB_TOP, 0);
  Pump();
  RECT client, status;
  GetClientRect(editor_, &client);
  GetWindowRect(Item(IDC_STATUS), &status);
  client.bottom -= status.bottom - status.top;
  RECT problems = RectInClient(editor_, Item(IDC_PROBLEMS));
  ASSERT_FALSE(Inside(problems, client)) << "the smallest window shows the whole form";
  SetFocus(Item(IDC_MAKE_WEB_PAGE));
  MSG tab = {GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  ASSERT_TRUE(HandleEditorKeys(editor_, tab));
  Pump();
  ASSERT_EQ(GetFocus(), Item(IDC_PROBLEMS));
  problems = RectInClient(editor_, Item(IDC_PROBLEMS));
  EXPECT_GE(problems.top, 0);
  EXPECT_LE(problems.bottom, client.bottom);
}

TEST_F(EditorDpiTest, TheMouseWheelScrollsAScrolledForm) {
  Open();
  SetWindowPos(editor_, nullptr, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOMOVE);
  SendMessageW(editor_, WM_VSCROLL, SB_TOP, 0);
  Pump();
  if (!(GetWindowLongPtrW(editor_, GWL_STYLE) & WS_VSCROLL)) {
    GTEST_SKIP() << "the smallest window shows the form's whole height at this DPI";
  }
  const RECT before = RectInClient(editor_, Item(IDC_PROBLEMS));
  SendMessageW(editor_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  Pump();
  const RECT after = RectInClient(editor_, Item(IDC_PROBLEMS));
  EXPECT_LT(after.top, before.top);
  EXPECT_GT(GetScrollPos(editor_, SB_VERT), 0);
}

// Moved to a monitor of half the DPI: the window takes the rectangle Windows suggests (half its
// size), and what is laid out in pixels halves.
TEST_F(EditorDpiTest, MovedToAMonitorOfAnotherDpiItTakesTheSuggestedRectangle) {
  Open();
  const HWND list = Item(IDC_QUESTIONS);
  const int before = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0));
  RECT window;
  GetWindowRect(editor_, &window);
  const int dpi = ScreenDpi() / 2;
  RECT suggested = {10, 20, 10 + (window.right - window.left) / 2,
                    20 + (window.bottom - window.top) / 2};
  SendMessageW(editor_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Pump();
  GetWindowRect(editor_, &window);
  EXPECT_EQ(window.left, suggested.left);
  EXPECT_EQ(window.top, suggested.top);
  EXPECT_EQ(window.right, suggested.right);
  EXPECT_EQ(window.bottom, suggested.bottom);
  EXPECT_NEAR(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), before / 2.0, 1.0);
}

}  // namespace
