// A picture quiz's board on real windows with real JPEG resources: each picture centred in its
// cell, empty cells for missing or broken pictures, answer pictures placed on a solved question
// at any scroll position, and no GDI object kept by judging over and over.
#include <gtest/gtest.h>

#include <string>

#include "board/layout.h"
#include "tests/board/gdi_objects.h"
#include "tests/board/test_board.h"

namespace {

// The scaled size of picture 400 + n (the test pictures' resource script); 0 x 0: none.
struct Scaled {
  int width, height;
};
const Scaled QUESTION_PICTURES[] = {{260, 195}, {195, 260}, {260, 195}, {260, 234}, {0, 0},
                                    {0, 0},     {260, 260}, {260, 130}, {260, 130}};
const Scaled ANSWER_PICTURES[] = {{195, 260}, {260, 195}, {0, 0}, {260, 234}, {195, 260}, {0, 0}};

constexpr int QUESTIONS = 9;

HWND Frame(const TestBoard& test, int n) { return GetDlgItem(test.Board(), 9000 + n); }

HBITMAP ImageOf(HWND frame) {
  return reinterpret_cast<HBITMAP>(SendMessageA(frame, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

Scaled SizeOf(HBITMAP bitmap) {
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// The top left pixel's colour: red for a question picture, green for an answer picture.
COLORREF CornerColour(HBITMAP bitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, bitmap);
  COLORREF colour = GetPixel(dc, 2, 2);
  SelectObject(dc, before);
  DeleteDC(dc);
  return colour;
}
bool IsRedCorner(HBITMAP bitmap) {
  COLORREF c = CornerColour(bitmap);
  return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
}
bool IsGreenCorner(HBITMAP bitmap) {
  COLORREF c = CornerColour(bitmap);
  return GetRValue(c) < 60 && GetGValue(c) > 200 && GetBValue(c) < 60;
}

void ExpectRect(HWND control, const ControlRect& expected, const std::string& what) {
  RECT actual = RectInParent(control);
  EXPECT_EQ(actual.left, expected.x) << what;
  EXPECT_EQ(actual.top, expected.y) << what;
  EXPECT_EQ(actual.right - actual.left, expected.width) << what;
  EXPECT_EQ(actual.bottom - actual.top, expected.height) << what;
}

ControlRect Moved(ControlRect rect, int dx, int dy) { return {rect.x - dx, rect.y - dy, rect.width, rect.height}; }

TEST(PictureBoard, EachPictureIsCentredInItsCellAndAMissingOneLeavesTheWholeCell) {
  struct Shape {
    int answers, mode;
  };
  for (Shape shape : {Shape{1, REVEAL_NONE}, Shape{2, REVEAL_TEXT_AND_PICTURE}}) {
    TestBoard test({KIND_PICTURE, QUESTIONS, shape.answers, shape.mode});
    test.Open();
    EXPECT_TRUE(test.BuildMessages().empty());
    BoardShape layout = BoardShapeOf(test.Quiz());
    for (int n = 1; n <= QUESTIONS; ++n) {
      std::string what = std::to_string(shape.answers) + " answer(s), question " + std::to_string(n);
      Scaled picture = QUESTION_PICTURES[n - 1];
      HWND frame = Frame(test, n);
      ASSERT_NE(frame, nullptr) << what;
      ExpectRect(frame, PictureFrameRect(layout, n, picture.width, picture.height), what);
      HBITMAP image = ImageOf(frame);
      if (picture.width == 0) {
        EXPECT_EQ(image, nullptr) << what;
        ExpectRect(frame, PictureCell(layout, n), what);
        continue;
      }
      ASSERT_NE(image, nullptr) << what;
      EXPECT_EQ(SizeOf(image).width, picture.width) << what;
      EXPECT_EQ(SizeOf(image).height, picture.height) << what;
      EXPECT_TRUE(IsRedCorner(image)) << what;
    }
  }
}

TEST(AnswerPicture, ASolvedQuestionShowsItsAnswerPictureTwentyPixelsFromItsColumn) {
  for (int mode : {REVEAL_PICTURE, REVEAL_TEXT_AND_PICTURE}) {
    TestBoard test({KIND_PICTURE, QUESTIONS, 1, mode});
    test.Open();
    BoardShape layout = BoardShapeOf(test.Quiz());
    for (int n : {1, 2, 4, 5}) {
      std::string what = "mode " + std::to_string(mode) + ", question " + std::to_string(n);
      HBITMAP question = ImageOf(Frame(test, n));
      test.TypeAndCheck(4000 + n, ("rep" + std::to_string(n) + "a").c_str());
      EXPECT_EQ(test.Text(5000 + n), "BRAVO") << what;
      Scaled answer = ANSWER_PICTURES[n - 1];
      ExpectRect(Frame(test, n), AnswerPictureRect(layout, n, answer.width, answer.height), what);
      EXPECT_EQ(AnswerPictureRect(layout, n, answer.width, answer.height).x,
                ColumnLeft(n, 1) + 20 + (260 - answer.width) / 2) << what;
      HBITMAP shown = ImageOf(Frame(test, n));
      ASSERT_NE(shown, nullptr) << what;
      EXPECT_NE(shown, question) << what;
      EXPECT_EQ(SizeOf(shown).width, answer.width) << what;
      EXPECT_EQ(SizeOf(shown).height, answer.height) << what;
      EXPECT_TRUE(IsGreenCorner(shown)) << what;
      if (question) {
        EXPECT_EQ(GetObjectType(question), 0u) << what << ": the old bitmap is released";
      }
      EXPECT_EQ(test.Text(8000 + n), mode == REVEAL_TEXT_AND_PICTURE ? "Révélation " + std::to_string(n) : "")
          << what;
    }
    EXPECT_EQ(test.HeaderText(150), " 4 / 9");
  }
}

TEST(AnswerPicture, AMissingAnswerPictureKeepsTheQuestionsPicture) {
  TestBoard test({KIND_PICTURE, QUESTIONS, 1, REVEAL_TEXT_AND_PICTURE});
  test.Open();
  HWND frame = Frame(test, 3);
  RECT before = RectInParent(frame);
  HBITMAP question = ImageOf(frame);
  ASSERT_NE(question, nullptr);
  test.TypeAndCheck(4003, "rep3a");
  EXPECT_EQ(test.Text(5003), "BRAVO");
  EXPECT_EQ(test.Text(8003), "Révélation 3");
  EXPECT_EQ(test.HeaderText(150), " 1 / 9");
  EXPECT_EQ(ImageOf(frame), question);
  EXPECT_TRUE(IsRedCorner(question));
  RECT after = RectInParent(frame);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
}

TEST(AnswerPicture, ModesWithoutPicturesLeaveTheFrameAlone) {
  for (int mode : {REVEAL_NONE, REVEAL_TEXT, REVEAL_TEXTS_AT_END}) {
    TestBoard test({KIND_PICTURE, 3, 1, mode});
    test.Open();
    HBITMAP question = ImageOf(Frame(test, 1));
    for (int n = 1; n <= 3; ++n) test.TypeAndCheck(4000 + n, ("rep" + std::to_string(n) + "a").c_str());
    EXPECT_EQ(test.HeaderText(150), " 3 / 3") << mode;
    EXPECT_EQ(ImageOf(Frame(test, 1)), question) << mode;
    ExpectRect(Frame(test, 1), PictureFrameRect(BoardShapeOf(test.Quiz()), 1, 260, 195),
               "mode " + std::to_string(mode));
  }
}

// Content coordinates less the scroll positions; scrolling back brings the frame to its content place.
TEST(AnswerPicture, IsPlacedWhereItsRowIsAtTheCurrentScrollPosition) {
  TestBoard test({KIND_PICTURE, QUESTIONS, 2, REVEAL_PICTURE});
  test.Open();
  HWND board = test.Board();
  SendMessageA(board, WM_VSCROLL, SB_PAGEDOWN, 0);
  for (int i = 0; i < 5; ++i) SendMessageA(board, WM_HSCROLL, SB_LINERIGHT, 0);
  int dx = GetScrollPos(board, SB_HORZ);
  int dy = GetScrollPos(board, SB_VERT);
  ASSERT_GT(dx, 0);
  ASSERT_GT(dy, 0);
  test.TypeAndCheck(4007, "rep4a");  // question 4: slots 7 and 8
  test.TypeAndCheck(4008, "rep4b");
  ASSERT_EQ(test.Text(5008), "BRAVO");
  ControlRect place = AnswerPictureRect(BoardShapeOf(test.Quiz()), 4, 260, 234);
  ExpectRect(Frame(test, 4), Moved(place, dx, dy), "scrolled");
  SendMessageA(board, WM_VSCROLL, SB_TOP, 0);
  for (int i = 0; i < 5; ++i) SendMessageA(board, WM_HSCROLL, SB_LINELEFT, 0);
  ASSERT_EQ(GetScrollPos(board, SB_HORZ), 0);
  ExpectRect(Frame(test, 4), place, "scrolled back");
  // A second picture, placed at scroll position 0, stays with its row when the board scrolls.
  test.TypeAndCheck(4001, "rep1a");
  test.TypeAndCheck(4002, "rep1b");
  SendMessageA(board, WM_VSCROLL, SB_PAGEDOWN, 0);
  ExpectRect(Frame(test, 1), Moved(AnswerPictureRect(BoardShapeOf(test.Quiz()), 1, 195, 260), 0,
                                   GetScrollPos(board, SB_VERT)), "question 1 scrolled");
}

TEST(AnswerPicture, EveryLaterCheckOfTheSolvedQuestionPlacesItAgain) {
  TestBoard test({KIND_PICTURE, QUESTIONS, 1, REVEAL_PICTURE});
  test.Open();
  test.TypeAndCheck(4001, "rep1a");
  HWND frame = Frame(test, 1);
  HBITMAP first = ImageOf(frame);
  SetWindowPos(frame, nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
  test.Check(4001);
  ExpectRect(frame, AnswerPictureRect(BoardShapeOf(test.Quiz()), 1, 195, 260), "placed again");
  // The picture shown stays: the same pixels, not decoded a second time.
  EXPECT_EQ(ImageOf(frame), first);
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(IsGreenCorner(first));
  // A wrong answer later keeps the answer picture.
  test.TypeAndCheck(4001, "faux");
  EXPECT_EQ(test.Text(5001), "FAUX");
  EXPECT_EQ(ImageOf(frame), first);
  test.TypeAndCheck(4001, "rep1a");
  EXPECT_EQ(ImageOf(frame), first);
  EXPECT_TRUE(IsGreenCorner(first));
}

TEST(AnswerPicture, JudgingOverAndOverKeepsNoGdiObject) {
  TestBoard test({KIND_PICTURE, QUESTIONS, 1, REVEAL_TEXT_AND_PICTURE});
  test.Open();
  auto round = [&test] {
    for (int n : {1, 2, 3, 4, 5, 6}) {
      std::string right = "rep" + std::to_string(n) + "a";
      test.TypeAndCheck(4000 + n, right.c_str());
      test.Check(4000 + n);
      test.TypeAndCheck(4000 + n, "faux");
      test.TypeAndCheck(4000 + n, right.c_str());
    }
  };
  round();
  PumpMessages();
  int settled = LiveGdiObjects();
  ASSERT_GT(settled, 0);
  for (int i = 0; i < 40; ++i) round();
  PumpMessages();
  EXPECT_EQ(LiveGdiObjects(), settled);
  EXPECT_EQ(test.HeaderText(150), " 6 / 9");
}

}  // namespace
