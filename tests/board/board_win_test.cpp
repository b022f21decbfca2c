// The board built on real windows: every control's class, style, id, text, font and place for
// every kind, one and two answers and every reveal mode (places from the layout tables written
// down here, not from the board's own layout functions), and the worked positions.
#include "board/board_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/control_rect.h"
#include "base/process_state_win.h"
#include "base/resource_ids.h"
#include "board/board_ids.h"
#include "tests/board/test_board.h"
#include "tests/support/message_recorder.h"
#include "tests/support/painted_text.h"

namespace {

struct ExpectedControl {
  std::string className;
  DWORD style;
  int id;
  std::string text;
  bool guiFont;
  ControlRect rect;
};

constexpr DWORD VISIBLE_CHILD = WS_CHILD | WS_VISIBLE;

// The board's layout tables written down here, apart from the board's code: the places of
// question n, and the anchor of its answer area with the place of a single verdict field.
struct Place {
  int x0;  // column left, kinds 1 to 3
  int y0;  // row top (audio) or row base (picture, video)
  int m;   // line top, text kind
};

Place PlaceOf(const QuizDefinition& quiz, int n) {
  const int column = (n - 1) % 3;
  const int row = (n - 1) / 3;
  const bool tallerRows = quiz.revealMode >= 2 && quiz.revealMode <= 4;
  const int x0 = 290 * column + (quiz.answersPerQuestion == 2 ? 90 : 0);
  const int y0 = quiz.kind == KIND_AUDIO ? 80 * row + 20 : row * (tallerRows ? 390 : 330) + 280;
  return {x0, y0, 25 * n - 15};
}

struct AnswerArea {
  int x, y, width;
  int verdictX, verdictY, verdictWidth;
};

AnswerArea AnswerAreaOf(const QuizDefinition& quiz, const Place& p) {
  switch (quiz.kind) {
    case KIND_PICTURE:
      return {p.x0 + 30, p.y0 + 10, quiz.answersPerQuestion == 2 ? 240 : 260, p.x0 + 30,
              p.y0 + 29, 260};
    case KIND_AUDIO: return {p.x0 + 50, p.y0, 220, p.x0 + 50, p.y0 + 19, 220};
    case KIND_VIDEO: return {p.x0 + 35, p.y0 - 40, 230, p.x0 + 35, p.y0 - 21, 230};
    default: return {615, p.m, 100, 720, p.m, 90};
  }
}

ControlRect NumberRect(const QuizDefinition& quiz, const Place& p) {
  switch (quiz.kind) {
    case KIND_PICTURE: return {p.x0 + 10, p.y0 + 12, 19, 17};
    case KIND_AUDIO: return {p.x0 + 10, p.y0 + 2, 19, 17};
    case KIND_VIDEO: return {p.x0 - 10, p.y0 - 36, 19, 17};
    default: return {30, p.m + 3, 19, 17};
  }
}

int CaptionTop(const QuizDefinition& quiz, int g) {
  Place p = PlaceOf(quiz, g);
  if (quiz.kind == KIND_PICTURE) return p.y0 + 12;
  if (quiz.kind == KIND_AUDIO) return p.y0 + 5;
  return 0;
}

// The controls of a board in the order they are made: captions, then question by question its
// kind's controls, its number and its answer and verdict fields.
std::vector<ExpectedControl> ExpectedBoard(const QuizDefinition& quiz) {
  const bool two = quiz.answersPerQuestion == 2;
  std::vector<ExpectedControl> controls;
  for (int g = 1; two && g <= quiz.questionCount; g += 3) {
    const int top = CaptionTop(quiz, g);
    controls.push_back({"Static", VISIBLE_CHILD | SS_NOPREFIX, 156, "Réponse 1", true,
                        {3, top, 95, 20}});
    controls.push_back({"Static", VISIBLE_CHILD | SS_NOPREFIX, 156, "Réponse 2", true,
                        {3, top + 20, 95, 20}});
  }
  const DWORD button = VISIBLE_CHILD | WS_TABSTOP | BS_ICON | BS_DEFPUSHBUTTON;
  const bool revealText = quiz.revealMode >= REVEAL_TEXT;
  for (int n = 1; n <= quiz.questionCount; ++n) {
    const std::string number = std::to_string(n);
    const Place p = PlaceOf(quiz, n);
    switch (quiz.kind) {
      case KIND_TEXT:
        controls.push_back({"Static", VISIBLE_CHILD | WS_BORDER | SS_CENTER | SS_NOPREFIX, 3000,
                            "Question " + number + " ?", true, {50, p.m, 550, 20}});
        break;
      case KIND_PICTURE:
        // No picture: the frame is the whole empty cell.
        controls.push_back({"Static", VISIBLE_CHILD | WS_BORDER | SS_BITMAP | SS_CENTERIMAGE,
                            9000 + n, "", false, {p.x0 + 30, p.y0 - 260, 260, 260}});
        if (revealText) {
          controls.push_back({"Static", VISIBLE_CHILD | WS_TABSTOP | SS_CENTER | SS_NOPREFIX,
                              8000 + n, "", true, {p.x0 + 30, p.y0 + 56, 260, 65}});
        }
        break;
      case KIND_AUDIO:
        controls.push_back({"Button", button, 6000 + n, "", false, {p.x0 + 30, p.y0, 20, 21}});
        controls.push_back({"Button", button, 7000 + n, "", false, {p.x0 + 30, p.y0 + 21, 20, 20}});
        break;
      case KIND_VIDEO:
        controls.push_back({"Button", button, 6000 + n, "", false, {p.x0 + 15, p.y0 - 40, 20, 20}});
        controls.push_back({"Button", button, 7000 + n, "", false, {p.x0 + 15, p.y0 - 20, 20, 20}});
        controls.push_back({"Static", VISIBLE_CHILD | WS_BORDER, 9900 + n, "", false,
                            {p.x0 + 15, p.y0 - 250, 200, 150}});
        break;
    }
    controls.push_back({"Static", VISIBLE_CHILD | SS_RIGHT, 153, number + ".", false,
                        NumberRect(quiz, p)});
    const AnswerArea area = AnswerAreaOf(quiz, p);
    for (int j = 1; j <= quiz.answersPerQuestion; ++j) {
      const int k = (n - 1) * quiz.answersPerQuestion + j;
      const int y = area.y + 20 * (j - 1);
      const ControlRect field = two ? ControlRect{area.x, y, area.width - 50, 21}
                                    : ControlRect{area.x, area.y, area.width, 20};
      const ControlRect verdict =
          two ? ControlRect{area.x + area.width - 45, y + 1, 60, 17}
              : ControlRect{area.verdictX, area.verdictY, area.verdictWidth, 20};
      // The edit control draws its own border: it takes WS_BORDER off its style when created.
      controls.push_back({"Edit", VISIBLE_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER,
                          4000 + k, "", true, field});
      controls.push_back({"Static", VISIBLE_CHILD | WS_BORDER | WS_TABSTOP | SS_CENTER, 5000 + k,
                          "?", two, verdict});
    }
  }
  return controls;
}

std::string ClassOf(HWND window) {
  char name[64];
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[TEXT_SIZE];
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HGDIOBJ FontOf(HWND window) {
  return reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
}

void ExpectRect(HWND window, const ControlRect& expected, const std::string& what) {
  RECT rect = RectInParent(window);
  EXPECT_EQ(rect.left, expected.x) << what;
  EXPECT_EQ(rect.top, expected.y) << what;
  EXPECT_EQ(rect.right - rect.left, expected.width) << what;
  EXPECT_EQ(rect.bottom - rect.top, expected.height) << what;
}

void ExpectBoardMatches(HWND board, const QuizDefinition& quiz, const std::string& name) {
  std::vector<ExpectedControl> expected = ExpectedBoard(quiz);
  std::vector<HWND> actual = ChildWindows(board);
  ASSERT_EQ(actual.size(), expected.size()) << name;
  ASSERT_NE(FontOf(board), nullptr) << name;
  for (size_t i = 0; i < actual.size(); ++i) {
    const ExpectedControl& want = expected[i];
    HWND control = actual[i];
    std::string what = name + ", control " + std::to_string(i) + " id " + std::to_string(want.id);
    EXPECT_EQ(GetDlgCtrlID(control), want.id) << what;
    EXPECT_STRCASEEQ(ClassOf(control).c_str(), want.className.c_str()) << what;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), want.style) << what;
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0) << what;
    EXPECT_EQ(TextOf(control), want.text) << what;
    // Controls without the GUI font carry the board's own dialog font; a picture frame has no
    // text and keeps no font at all.
    bool picture = (want.style & SS_TYPEMASK) == SS_BITMAP;
    HGDIOBJ font = want.guiFont ? GetStockObject(DEFAULT_GUI_FONT) : FontOf(board);
    EXPECT_EQ(FontOf(control), picture ? nullptr : font) << what;
    ExpectRect(control, want.rect, what);
  }
}

TEST(BoardControls, EveryKindAnswerCountAndRevealMode) {
  const char* kinds[] = {"text", "picture", "audio", "video"};
  for (int kind = KIND_TEXT; kind <= KIND_VIDEO; ++kind) {
    for (int answers = 1; answers <= 2; ++answers) {
      for (int mode = REVEAL_NONE; mode <= REVEAL_TEXTS_AT_END; ++mode) {
        TestBoard test({kind, 7, answers, mode});
        test.Open();
        std::string name = std::string(kinds[kind]) + ", " + std::to_string(answers) +
                           " answer(s), mode " + std::to_string(mode);
        ExpectBoardMatches(test.Board(), test.Quiz(), name);
      }
    }
  }
}

TEST(BoardControls, MediaButtonsShowThePlayAndStopIcons) {
  for (int kind : {KIND_AUDIO, KIND_VIDEO}) {
    TestBoard test({kind, 4, 1, REVEAL_NONE});
    test.Open();
    HICON play = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_PLAY));
    HICON stop = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_STOP));
    ASSERT_NE(play, nullptr);
    ASSERT_NE(stop, nullptr);
    ASSERT_NE(play, stop);
    for (int n = 1; n <= 4; ++n) {
      EXPECT_EQ(SendDlgItemMessageA(test.Board(), 6000 + n, BM_GETIMAGE, IMAGE_ICON, 0),
                reinterpret_cast<LRESULT>(play)) << kind << " " << n;
      EXPECT_EQ(SendDlgItemMessageA(test.Board(), 7000 + n, BM_GETIMAGE, IMAGE_ICON, 0),
                reinterpret_cast<LRESULT>(stop)) << kind << " " << n;
    }
  }
}

std::vector<HWND> ChildrenWithId(HWND board, int id) {
  std::vector<HWND> found;
  for (HWND child : ChildWindows(board)) {
    if (GetDlgCtrlID(child) == id) found.push_back(child);
  }
  return found;
}

void ExpectAt(HWND board, int id, const ControlRect& expected) {
  ExpectRect(GetDlgItem(board, id), expected, "id " + std::to_string(id));
}

TEST(WorkedPositions, TextQuizQuestionOne) {
  TestBoard test({KIND_TEXT, 3, 1, REVEAL_NONE});
  test.Open();
  ExpectRect(ChildrenWithId(test.Board(), 3000).at(0), {50, 10, 550, 20}, "question text 1");
  HWND number = ChildrenWithId(test.Board(), 153).at(0);
  EXPECT_EQ(TextOf(number), "1.");
  ExpectRect(number, {30, 13, 19, 17}, "number 1");
  ExpectAt(test.Board(), 4001, {615, 10, 100, 20});
  ExpectAt(test.Board(), 5001, {720, 10, 90, 20});
}

TEST(WorkedPositions, TextQuizQuestionSevenWithTwoAnswers) {
  TestBoard test({KIND_TEXT, 8, 2, REVEAL_NONE});
  test.Open();
  ExpectAt(test.Board(), 4013, {615, 160, 50, 21});
  ExpectAt(test.Board(), 4014, {615, 180, 50, 21});
  ExpectAt(test.Board(), 5013, {670, 161, 60, 17});
  ExpectAt(test.Board(), 5014, {670, 181, 60, 17});
}

TEST(WorkedPositions, PictureQuizQuestionFourWithoutItsPicture) {
  TestBoard test({KIND_PICTURE, 6, 1, REVEAL_NONE});
  test.Open();
  ExpectAt(test.Board(), 9004, {30, 350, 260, 260});  // the whole empty cell
  ExpectAt(test.Board(), 4004, {30, 620, 260, 20});
  ExpectAt(test.Board(), 5004, {30, 639, 260, 20});
  ExpectRect(ChildrenWithId(test.Board(), 153).at(3), {10, 622, 19, 17}, "number 4");
}

TEST(WorkedPositions, PictureQuizQuestionFiveWithTwoAnswersModeThree) {
  TestBoard test({KIND_PICTURE, 6, 2, REVEAL_TEXT_AND_PICTURE});
  test.Open();
  ExpectAt(test.Board(), 9005, {410, 410, 260, 260});
  ExpectAt(test.Board(), 8005, {410, 726, 260, 65});
  ExpectAt(test.Board(), 4009, {410, 680, 190, 21});
  ExpectAt(test.Board(), 4010, {410, 700, 190, 21});
  ExpectAt(test.Board(), 5009, {605, 681, 60, 17});
  ExpectAt(test.Board(), 5010, {605, 701, 60, 17});
  std::vector<HWND> captions = ChildrenWithId(test.Board(), 156);
  ASSERT_EQ(captions.size(), 4u);
  ExpectRect(captions[2], {3, 682, 95, 20}, "caption 1 of row 2");
  ExpectRect(captions[3], {3, 702, 95, 20}, "caption 2 of row 2");
}

TEST(WorkedPositions, AudioQuizQuestionOne) {
  TestBoard test({KIND_AUDIO, 2, 1, REVEAL_NONE});
  test.Open();
  ExpectAt(test.Board(), 6001, {30, 20, 20, 21});
  ExpectAt(test.Board(), 7001, {30, 41, 20, 20});
  ExpectRect(ChildrenWithId(test.Board(), 153).at(0), {10, 22, 19, 17}, "number 1");
  ExpectAt(test.Board(), 4001, {50, 20, 220, 20});
  ExpectAt(test.Board(), 5001, {50, 39, 220, 20});
}

TEST(WorkedPositions, VideoQuizQuestionTwo) {
  TestBoard test({KIND_VIDEO, 4, 1, REVEAL_NONE});
  test.Open();
  ExpectAt(test.Board(), 9902, {305, 30, 200, 150});
  ExpectAt(test.Board(), 6002, {305, 240, 20, 20});
  ExpectAt(test.Board(), 7002, {305, 260, 20, 20});
  std::vector<HWND> numbers = ChildrenWithId(test.Board(), 153);
  ExpectRect(numbers.at(1), {280, 244, 19, 17}, "number 2");
  ExpectAt(test.Board(), 4002, {325, 240, 230, 20});
  ExpectAt(test.Board(), 5002, {325, 259, 230, 20});
  // Column 0: the number starts left of the board.
  ExpectRect(numbers.at(0), {-10, 244, 19, 17}, "number 1");
  ExpectRect(numbers.at(3), {-10, 574, 19, 17}, "number 4");
}

TEST(WorkedPositions, TextQuizWithTwoAnswersStacksItsCaptionPairs) {
  TestBoard test({KIND_TEXT, 4, 2, REVEAL_NONE});
  test.Open();
  std::vector<HWND> captions = ChildrenWithId(test.Board(), 156);
  ASSERT_EQ(captions.size(), 4u);
  for (int pair = 0; pair < 2; ++pair) {
    ExpectRect(captions[2 * pair], {3, 0, 95, 20}, "first caption");
    ExpectRect(captions[2 * pair + 1], {3, 20, 95, 20}, "second caption");
  }
}

TEST(QuestionText, IsShownExactlyAsStored) {
  TestBoard test({KIND_TEXT, 3, 1, REVEAL_NONE});
  CopyText(QuestionAt(test.Quiz(), 2)->questionText, "100 % de %d et %s, d'où «é»");
  test.Open();
  EXPECT_EQ(TextOf(ChildrenWithId(test.Board(), 3000).at(1)), "100 % de %d et %s, d'où «é»");
}

TEST(QuestionText, AShortListRepeatsItsLastEntry) {
  TestBoard test({KIND_TEXT, 2, 1, REVEAL_NONE});
  test.Quiz().questionCount = 4;
  test.Open();
  std::vector<HWND> texts = ChildrenWithId(test.Board(), 3000);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(TextOf(texts[2]), "Question 2 ?");
  EXPECT_EQ(TextOf(texts[3]), "Question 2 ?");
}

// A text with "&" in it, as a quiz author may write one: a static that took "&" for a mnemonic
// would paint "QR  Cie", two ampersands narrower, with the R underlined.
constexpr char AMPERSANDS[] = "Q&R & Cie";

TEST(QuizTexts, CaptionsQuestionTextsAndRevealTextsPaintTheirAmpersands) {
  TestBoard text({KIND_TEXT, 3, 2, REVEAL_NONE});
  CopyText(text.Quiz().answer1Caption, AMPERSANDS);
  CopyText(text.Quiz().answer2Caption, AMPERSANDS);
  CopyText(QuestionAt(text.Quiz(), 2)->questionText, AMPERSANDS);
  text.Open();
  std::vector<HWND> captions = ChildrenWithId(text.Board(), 156);
  ASSERT_EQ(captions.size(), 2u);
  for (HWND caption : captions) ExpectPaintedAsStored(caption, AMPERSANDS);
  ExpectPaintedAsStored(ChildrenWithId(text.Board(), 3000).at(1), AMPERSANDS);

  for (int mode : {REVEAL_TEXT, REVEAL_TEXT_AND_PICTURE, REVEAL_TEXTS_AT_END}) {
    SCOPED_TRACE(mode);
    TestBoard picture({KIND_PICTURE, 1, 1, mode});
    CopyText(QuestionAt(picture.Quiz(), 1)->revealText, AMPERSANDS);
    picture.Open();
    picture.TypeAndCheck(4001, "rep1a");
    ExpectPaintedAsStored(GetDlgItem(picture.Board(), 8001), AMPERSANDS);
  }
}

// However many fields set-up went through, and whichever control has the first tab stop (a
// reveal text, a play button), typing starts in the first field, at the top.
TEST(BoardFocus, RestsOnTheFirstFieldOnceOpenedInEveryKindAndMode) {
  for (int kind = KIND_TEXT; kind <= KIND_VIDEO; ++kind) {
    for (int answers = 1; answers <= 2; ++answers) {
      for (int mode = REVEAL_NONE; mode <= REVEAL_TEXTS_AT_END; ++mode) {
        SCOPED_TRACE(std::to_string(kind) + " " + std::to_string(answers) + " " +
                     std::to_string(mode));
        TestBoard test({kind, kind == KIND_TEXT ? 60 : 4, answers, mode});
        test.Open();
        HWND focus = GetFocus();
        EXPECT_EQ(focus, GetDlgItem(test.Board(), IDC_ANSWER_BASE + 1)) << GetDlgCtrlID(focus);
        EXPECT_EQ(GetScrollPos(test.Board(), SB_VERT), 0);
      }
    }
  }
}

// Anything but a click on a play or stop button of an audio or video quiz does nothing: no
// message, no window, no change on the board.
TEST(BoardCommands, OtherCommandsDoNothing) {
  struct Case {
    int kind;
    WPARAM command;
  };
  const Case cases[] = {
      {KIND_TEXT, 6001},
      {KIND_TEXT, 7001},
      {KIND_PICTURE, 6001},
      {KIND_PICTURE, 7002},
      {KIND_AUDIO, MAKEWPARAM(6001, BN_DOUBLECLICKED)},
      {KIND_AUDIO, MAKEWPARAM(7001, BN_SETFOCUS)},
      {KIND_VIDEO, MAKEWPARAM(6001, BN_DOUBLECLICKED)},
      {KIND_VIDEO, MAKEWPARAM(7002, BN_KILLFOCUS)},
  };
  for (const Case& c : cases) {
    TestBoard test({c.kind, 3, 1, REVEAL_NONE});
    test.Open();
    MessageRecorder messages;
    size_t childCount = ChildWindows(test.Board()).size();
    EXPECT_EQ(SendMessageA(test.Board(), WM_COMMAND, c.command, 0), 0);
    PumpMessages();
    EXPECT_TRUE(messages.Messages().empty()) << c.kind << " " << c.command;
    EXPECT_EQ(ChildWindows(test.Board()).size(), childCount) << c.kind << " " << c.command;
  }
}

// The colour answers of the board, as a static control asks for them while it paints.
HBRUSH StaticBrushOf(HWND board, HWND control) {
  HDC dc = GetDC(control);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(board, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(control)));
  ReleaseDC(control, dc);
  return brush;
}

// What a static control gets when the board leaves it to the system's default handling.
HBRUSH DefaultBrushOf(HWND board, HWND control) {
  HDC dc = GetDC(control);
  auto brush = reinterpret_cast<HBRUSH>(DefWindowProcA(
      board, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  ReleaseDC(control, dc);
  return brush;
}

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH description = {};
  EXPECT_EQ(GetObjectA(brush, sizeof description, &description),
            static_cast<int>(sizeof description));
  EXPECT_EQ(description.lbStyle, static_cast<UINT>(BS_SOLID));
  return description.lbColor;
}

TEST(BoardColours, VerdictFieldsByTheirText) {
  TestBoard test({KIND_TEXT, 3, 2, REVEAL_NONE});
  test.Open();
  struct Case {
    const char* verdict;
    COLORREF colour;
  };
  const Case cases[] = {
      {"BRAVO", RGB(0, 255, 0)},         {"Anagramme", RGB(255, 100, 0)},
      {"Quasiment", RGB(255, 203, 38)},  {"Presque", RGB(255, 203, 38)},
      {"Trop long", RGB(255, 203, 38)},  {"Trop court", RGB(255, 203, 38)},
      {"pas loin", RGB(255, 203, 38)},   {"yade lidée", RGB(255, 203, 38)},
      {"FAUX", RGB(255, 0, 0)},
  };
  for (int k = 1; k <= 6; ++k) {
    HWND verdict = GetDlgItem(test.Board(), 5000 + k);
    EXPECT_EQ(StaticBrushOf(test.Board(), verdict), DefaultBrushOf(test.Board(), verdict))
        << "? in " << k;
    for (const Case& c : cases) {
      SetWindowTextA(verdict, c.verdict);
      HBRUSH brush = StaticBrushOf(test.Board(), verdict);
      ASSERT_NE(brush, nullptr) << c.verdict << " in " << k;
      EXPECT_EQ(BrushColour(brush), c.colour) << c.verdict << " in " << k;
    }
  }
}

TEST(BoardColours, OneBrushPerColourKept) {
  TestBoard test({KIND_TEXT, 2, 1, REVEAL_NONE});
  test.Open();
  HWND first = GetDlgItem(test.Board(), 5001);
  HWND second = GetDlgItem(test.Board(), 5002);
  SetWindowTextA(first, "Presque");
  SetWindowTextA(second, "pas loin");
  HBRUSH brush = StaticBrushOf(test.Board(), first);
  EXPECT_EQ(StaticBrushOf(test.Board(), second), brush);
  EXPECT_EQ(StaticBrushOf(test.Board(), first), brush);
  std::vector<HWND> texts = ChildrenWithId(test.Board(), 3000);
  EXPECT_EQ(StaticBrushOf(test.Board(), texts.at(0)), StaticBrushOf(test.Board(), texts.at(1)));
}

TEST(BoardColours, QuestionTextsCaptionsNumbersAndRevealTexts) {
  TestBoard text({KIND_TEXT, 3, 2, REVEAL_NONE});
  text.Open();
  HBRUSH background = static_cast<HBRUSH>(text.Quiz().backgroundBrush);
  for (HWND question : ChildrenWithId(text.Board(), 3000)) {
    EXPECT_EQ(BrushColour(StaticBrushOf(text.Board(), question)), RGB(255, 255, 192));
  }
  for (int id : {153, 156}) {
    for (HWND label : ChildrenWithId(text.Board(), id)) {
      EXPECT_EQ(StaticBrushOf(text.Board(), label), background) << id;
    }
  }
  EXPECT_EQ(SendMessageA(text.Board(), WM_CTLCOLORDLG, 0, 0), reinterpret_cast<LRESULT>(background));

  TestBoard picture({KIND_PICTURE, 3, 1, REVEAL_TEXTS_AT_END});
  picture.Open();
  background = static_cast<HBRUSH>(picture.Quiz().backgroundBrush);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(StaticBrushOf(picture.Board(), GetDlgItem(picture.Board(), 8000 + n)), background);
    HWND frame = GetDlgItem(picture.Board(), 9000 + n);
    EXPECT_EQ(StaticBrushOf(picture.Board(), frame), DefaultBrushOf(picture.Board(), frame));
  }
}

TEST(BoardColours, VideoFramesAndIdsOutsideTheRangesKeepTheDefault) {
  TestBoard test({KIND_VIDEO, 2, 2, REVEAL_NONE});
  test.Open();
  HWND frame = GetDlgItem(test.Board(), 9901);
  EXPECT_EQ(StaticBrushOf(test.Board(), frame), DefaultBrushOf(test.Board(), frame));
  // The ranges end at answersPerQuestion x questionCount = 4.
  struct Case {
    int id;
    bool coloured;
  };
  const Case cases[] = {{5000, false}, {5005, false}, {8000, false}, {8004, true},
                        {8005, false}, {157, false},  {9000, false}};
  for (const Case& c : cases) {
    HWND label = CreateWindowExA(0, "Static", "BRAVO", WS_CHILD, 0, 0, 10, 10, test.Board(),
                                 reinterpret_cast<HMENU>(INT_PTR{c.id}), nullptr, nullptr);
    HBRUSH brush = StaticBrushOf(test.Board(), label);
    EXPECT_EQ(brush != DefaultBrushOf(test.Board(), label), c.coloured) << c.id;
    DestroyWindow(label);
  }
}

}  // namespace
