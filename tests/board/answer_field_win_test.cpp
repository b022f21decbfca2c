// The answer fields' keys on real edit controls: judging, Tab order, F1, F2, selection on focus
// and the board following the keyboard.
#include "board/answer_field_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/process_state_win.h"
#include "board/board_ids.h"
#include "board/scrolling_win.h"
#include "tests/board/board_like_dialog.h"
#include "tests/board/test_board.h"

namespace {

std::string TextOf(HWND window) {
  char text[TEXT_SIZE];
  GetWindowTextA(window, text, TEXT_SIZE);
  return text;
}

// A text quiz whose answer fields stand one under the other, 25 pixels apart, as on the board.
class AnswerFields : public ::testing::Test {
 protected:
  void TearDown() override {
    HoldShift(false);
    DestroyBoardLikeDialog(dialog);
    theQuiz = nullptr;
    boardDialog = nullptr;
  }

  void OpenBoard(const std::vector<const char*>& answers, int answersPerQuestion) {
    quiz.kind = KIND_TEXT;
    quiz.answersPerQuestion = answersPerQuestion;
    quiz.questionCount = static_cast<int>(answers.size()) / answersPerQuestion;
    for (size_t i = 0; i < answers.size(); i += answersPerQuestion) {
      AppendQuestion(quiz, answers[i], answersPerQuestion == 2 ? answers[i + 1] : "", "question");
    }
    theQuiz = &quiz;
    ComputeBoardContentExtent(quiz);
    dialog = CreateBoardLikeDialog();
    boardDialog = dialog.board;
    SetBoardClientSize(dialog.board, 859, 600);
    for (int k = 1; k <= static_cast<int>(answers.size()); ++k) {
      HWND field = CreateBoardChild(dialog.board, "Edit", IDC_ANSWER_BASE + k, 615, 25 * k - 15, 100, 20);
      SubclassAnswerField(field);
      HWND verdict = CreateBoardChild(dialog.board, "Static", IDC_VERDICT_BASE + k, 720, 25 * k - 15, 90, 20);
      SetWindowTextA(verdict, "?");
    }
  }

  HWND Field(int slot) { return GetDlgItem(dialog.board, IDC_ANSWER_BASE + slot); }
  std::string Verdict(int slot) { return TextOf(GetDlgItem(dialog.board, IDC_VERDICT_BASE + slot)); }
  int FocusedSlot() {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == dialog.board ? GetDlgCtrlID(focus) - IDC_ANSWER_BASE : 0;
  }
  LRESULT Release(int slot, WPARAM key) { return SendMessageA(Field(slot), WM_KEYUP, key, 0xC0000001); }

  QuizDefinition quiz;
  BoardLikeDialog dialog{};
};

const std::vector<const char*> CAPITALS = {"Paris", "Rome", "Paris", "Berlin", "Rome", "Paris"};

TEST_F(AnswerFields, TabGoesToTheNextFieldAndFromTheLastToTheFirst) {
  OpenBoard(CAPITALS, 1);
  SetFocus(Field(1));
  for (int expected : {2, 3, 4, 5, 6, 1, 2}) {
    Release(FocusedSlot(), VK_TAB);
    EXPECT_EQ(FocusedSlot(), expected);
  }
}

TEST_F(AnswerFields, ShiftTabGoesBackAndFromTheFirstToTheLast) {
  OpenBoard(CAPITALS, 1);
  SetFocus(Field(3));
  HoldShift(true);
  ASSERT_LT(GetKeyState(VK_SHIFT), 0);
  for (int expected : {2, 1, 6, 5}) {
    Release(FocusedSlot(), VK_TAB);
    EXPECT_EQ(FocusedSlot(), expected);
  }
}

TEST_F(AnswerFields, TabRunsThroughBothAnswersOfAQuestion) {
  OpenBoard({"Paris", "France", "Rome", "Italie"}, 2);
  SetFocus(Field(1));
  for (int expected : {2, 3, 4, 1}) {
    Release(FocusedSlot(), VK_TAB);
    EXPECT_EQ(FocusedSlot(), expected);
  }
}

TEST_F(AnswerFields, ASingleFieldKeepsTheFocusOnTabAndShiftTab) {
  OpenBoard({"Paris"}, 1);
  SetFocus(Field(1));
  Release(1, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 1);
  HoldShift(true);
  Release(1, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 1);
}

TEST_F(AnswerFields, TabJudgesTheFieldItLeaves) {
  OpenBoard(CAPITALS, 1);
  SetFocus(Field(2));
  SetWindowTextA(Field(2), "rome");
  Release(2, VK_TAB);
  EXPECT_EQ(Verdict(2), "BRAVO");
  SetWindowTextA(Field(3), "Lyon");
  HoldShift(true);
  Release(3, VK_TAB);
  EXPECT_EQ(Verdict(3), "FAUX");
}

TEST_F(AnswerFields, EnterJudgesAndTheFocusStays) {
  OpenBoard(CAPITALS, 1);
  SetFocus(Field(2));
  SetWindowTextA(Field(2), "Rome");
  EXPECT_EQ(Release(2, VK_RETURN), 1);
  EXPECT_EQ(Verdict(2), "BRAVO");
  EXPECT_EQ(FocusedSlot(), 2);
  SetWindowTextA(Field(2), "Lyon");
  EXPECT_EQ(SendMessageA(Field(2), WM_SYSKEYDOWN, VK_RETURN, 0x20000001), 1);  // Alt+Enter
  EXPECT_EQ(Verdict(2), "FAUX");
  EXPECT_EQ(FocusedSlot(), 2);
  EXPECT_EQ(Verdict(1), "?");
}

TEST_F(AnswerFields, EnterAndTabCharactersAreSwallowed) {
  OpenBoard(CAPITALS, 1);
  SetFocus(Field(1));
  SetWindowTextA(Field(1), "Par");
  SendMessageA(Field(1), EM_SETSEL, 3, 3);
  EXPECT_EQ(SendMessageA(Field(1), WM_CHAR, '\r', 0x1C0001), 0);
  EXPECT_EQ(SendMessageA(Field(1), WM_CHAR, '\t', 0x0F0001), 0);
  EXPECT_EQ(TextOf(Field(1)), "Par");
  SendMessageA(Field(1), WM_CHAR, 'i', 0x170001);
  EXPECT_EQ(TextOf(Field(1)), "Pari");
  EXPECT_EQ(Verdict(1), "?");
}

TEST_F(AnswerFields, TheFocusSelectsTheFirst25Characters) {
  OpenBoard(CAPITALS, 1);
  SetWindowTextA(Field(2), "abcdefghijklmnopqrstuvwxyz0123456789");
  SetWindowTextA(Field(3), "abc");
  SetFocus(Field(1));
  Release(1, VK_TAB);
  DWORD start = 99;
  DWORD end = 99;
  SendMessageA(Field(2), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 25u);
  Release(2, VK_TAB);
  SendMessageA(Field(3), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
}

TEST_F(AnswerFields, LosingTheFocusJudges) {
  OpenBoard(CAPITALS, 1);
  SetFocus(Field(4));
  SetWindowTextA(Field(4), "berlin");
  SetFocus(Field(1));
  EXPECT_EQ(Verdict(4), "BRAVO");
}

TEST_F(AnswerFields, F1TriesTheTextInEveryUnsolvedField) {
  OpenBoard(CAPITALS, 1);
  SetWindowTextA(Field(1), "paris ");
  SendMessageA(Field(1), WM_KEYUP, VK_RETURN, 0);
  ASSERT_EQ(Verdict(1), "BRAVO");
  SetFocus(Field(2));
  SetWindowTextA(Field(2), "Paris");
  Release(2, VK_F1);
  EXPECT_EQ(FocusedSlot(), 2);
  const char* expected[] = {"BRAVO", "FAUX", "BRAVO", "FAUX", "FAUX", "BRAVO"};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(TextOf(Field(k)), k == 1 ? "paris " : "Paris") << "field " << k;
    EXPECT_EQ(Verdict(k), expected[k - 1]) << "field " << k;
  }
}

TEST_F(AnswerFields, F1InAnEmptyFieldEmptiesTheUnsolvedFields) {
  OpenBoard(CAPITALS, 1);
  SetWindowTextA(Field(2), "Rome");
  SendMessageA(Field(2), WM_KEYUP, VK_RETURN, 0);
  SetWindowTextA(Field(3), "Lyon");
  SendMessageA(Field(3), WM_KEYUP, VK_RETURN, 0);
  ASSERT_EQ(Verdict(3), "FAUX");
  SetFocus(Field(5));
  Release(5, VK_F1);
  EXPECT_EQ(FocusedSlot(), 5);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(TextOf(Field(k)), k == 2 ? "Rome" : "") << "field " << k;
    EXPECT_EQ(Verdict(k), k == 2 ? "BRAVO" : "?") << "field " << k;
  }
}

TEST_F(AnswerFields, F1WithEverythingSolvedChangesNothing) {
  OpenBoard({"Paris", "Rome"}, 1);
  SetWindowTextA(Field(1), "Paris");
  SetWindowTextA(Field(2), "Rome");
  SendMessageA(Field(1), WM_KEYUP, VK_RETURN, 0);
  SendMessageA(Field(2), WM_KEYUP, VK_RETURN, 0);
  SetFocus(Field(2));
  SetWindowTextA(Field(2), "Rome");
  Release(2, VK_F1);
  EXPECT_EQ(FocusedSlot(), 2);
  EXPECT_EQ(TextOf(Field(1)), "Paris");
  EXPECT_EQ(Verdict(1), "BRAVO");
  EXPECT_EQ(Verdict(2), "BRAVO");
}

TEST_F(AnswerFields, F2WritesTheAnswersFile) {
  OpenBoard(CAPITALS, 1);
  std::string name = AnswersFilePath();
  std::remove(name.c_str());
  SetWindowTextA(Field(1), "Paris");
  SetWindowTextA(Field(4), "Berlin");
  SetFocus(Field(4));
  Release(4, VK_F2);
  EXPECT_EQ(FocusedSlot(), 4);
  EXPECT_EQ(TextOf(Field(4)), "Berlin");
  std::ifstream file(name, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(content.str(), "Paris\r\n*\r\n*\r\nBerlin\r\n*\r\n*\r\n");
  file.close();
  std::remove(name.c_str());
}

// A board 60 pixels high over content 175 pixels high: about two fields at a time are in view.
class FollowingTheKeyboard : public AnswerFields {
 protected:
  void SetUp() override {
    OpenBoard(CAPITALS, 1);
    SetBoardClientSize(dialog.board, 859, 60);
  }
  bool InView(int slot) {
    RECT top = ControlRectInParent(dialog.board, IDC_ANSWER_BASE + slot);
    return top.top >= 0 && top.top + 20 <= 60;
  }
};

TEST_F(FollowingTheKeyboard, TabScrollsTheNextFieldIntoView) {
  SetFocus(Field(1));
  for (int expected : {2, 3, 4, 5, 6, 1}) {
    Release(FocusedSlot(), VK_TAB);
    ASSERT_EQ(FocusedSlot(), expected);
    EXPECT_TRUE(InView(expected)) << "field " << expected;
  }
  EXPECT_EQ(ScrollPos(dialog.board, SB_VERT), 10);
  HoldShift(true);
  Release(1, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 6);
  EXPECT_TRUE(InView(6));
  EXPECT_EQ(ScrollPos(dialog.board, SB_VERT), 155 - 60);  // its bottom on the board's bottom
}

TEST_F(FollowingTheKeyboard, TabToAFieldInViewDoesNotScroll) {
  SetFocus(Field(1));
  Release(1, VK_TAB);
  EXPECT_EQ(FocusedSlot(), 2);
  EXPECT_EQ(ScrollPos(dialog.board, SB_VERT), 0);
}

TEST_F(FollowingTheKeyboard, PageKeysScrollTheBoardByAPage) {
  SetFocus(Field(1));
  SetWindowTextA(Field(1), "Paris");
  struct KeyCase {
    WPARAM key;
    int position;
  };
  // Page 59, last position 115.
  const KeyCase cases[] = {{VK_NEXT, 59}, {VK_DOWN, 115}, {VK_PRIOR, 56}, {VK_UP, 0}};
  for (const KeyCase& c : cases) {
    RECT before = ControlRectInParent(dialog.board, IDC_ANSWER_BASE + 1);
    int from = ScrollPos(dialog.board, SB_VERT);
    Release(1, c.key);
    EXPECT_EQ(ScrollPos(dialog.board, SB_VERT), c.position) << "key " << c.key;
    EXPECT_EQ(ControlRectInParent(dialog.board, IDC_ANSWER_BASE + 1).top, before.top + from - c.position);
  }
  SendMessageA(Field(1), WM_SYSKEYDOWN, VK_NEXT, 0x20000001);
  EXPECT_EQ(ScrollPos(dialog.board, SB_VERT), 59);
  EXPECT_EQ(FocusedSlot(), 1);
  EXPECT_EQ(TextOf(Field(1)), "Paris");
}

}  // namespace
