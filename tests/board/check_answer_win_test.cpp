// Answer checking on the real board: verdicts, the header's score and code, the reveals of every
// mode, and the restored answers judged while the board is built.
#include "board/check_answer_win.h"

#include <gtest/gtest.h>

#include <string>

#include "board/board_ids.h"
#include "tests/board/test_board.h"

namespace {

const std::string NO_CODE = "      ";

TEST(Score, StartsAtZeroWithNoCode) {
  TestBoard test({KIND_TEXT, 12, 1, REVEAL_NONE});
  test.Open();
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 0 / 12");
  EXPECT_EQ(test.HeaderText(IDC_CODE), NO_CODE);
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(test.Text(5000 + k), "?") << k;
}

TEST(Score, CountsSolvedQuestionsAndShowsTheirCode) {
  TestBoard test({KIND_TEXT, 5, 1, REVEAL_NONE});
  CopyText(test.Quiz().codes[1], "deux resolues");
  test.Open();
  test.TypeAndCheck(4003, "REP3A");
  EXPECT_EQ(test.Text(5003), "BRAVO");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 5");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE1");
  test.TypeAndCheck(4005, "  rep5a ");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 2 / 5");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "deux resolues");
  // The same field judged again: the same verdict and score.
  test.Check(4005);
  EXPECT_EQ(test.Text(5005), "BRAVO");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 2 / 5");
  test.TypeAndCheck(4003, "");
  EXPECT_EQ(test.Text(5003), "?");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 5");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE1");
  test.TypeAndCheck(4005, "rep5");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 0 / 5");
  EXPECT_EQ(test.HeaderText(IDC_CODE), NO_CODE);
}

TEST(Verdicts, WrittenBesideTheFieldWhichKeepsItsText) {
  TestBoard test({KIND_AUDIO, 1, 1, REVEAL_NONE});
  CopyText(QuestionAt(test.Quiz(), 1)->answer1, "hippopotame");
  test.Open();
  struct Case {
    const char* typed;
    const char* verdict;
  };
  const Case cases[] = {
      {"hippopotame", "BRAVO"},     {"HIPPOPOTAME", "BRAVO"},    {"hippopotamus", "Presque"},
      {"hippopotamr", "Quasiment"}, {"ematopoppih", "Anagramme"},
      {"hippopot", "Trop court"},   {"hippopo", "pas loin"},     {"hippo", "FAUX"},
      {"un hippopotame", "Trop long"}, {"   ", "?"},              {"Hippopotame ", "BRAVO"},
  };
  for (const Case& c : cases) {
    test.TypeAndCheck(4001, c.typed);
    EXPECT_EQ(test.Text(5001), c.verdict) << c.typed;
    EXPECT_EQ(test.Text(4001), c.typed);
  }
}

// The score reads the verdict fields that are on the board now, whatever the board made.
TEST(Score, ReadsAVerdictFieldMadeAfresh) {
  TestBoard test({KIND_TEXT, 3, 1, REVEAL_NONE});
  test.Open();
  DestroyWindow(GetDlgItem(test.Board(), 5002));
  CreateWindowExA(0, "Static", "BRAVO", WS_CHILD, 0, 0, 10, 10, test.Board(),
                  reinterpret_cast<HMENU>(INT_PTR{5002}), nullptr, nullptr);
  UpdateScore(test.Quiz(), test.Board());
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 3");
  test.TypeAndCheck(4002, "faux");
  EXPECT_EQ(test.Text(5002), "FAUX");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 0 / 3");
}

TEST(Verdicts, OnlyTheFirst259CharactersAreJudged) {
  TestBoard test({KIND_TEXT, 1, 1, REVEAL_NONE});
  std::string expected(259, 'a');
  CopyText(QuestionAt(test.Quiz(), 1)->answer1, expected.c_str());
  test.Open();
  test.TypeAndCheck(4001, (expected + "zzzz").c_str());
  EXPECT_EQ(test.Text(5001), "BRAVO");
}

TEST(Verdicts, TwoAnswersNumberedQuestionByQuestion) {
  TestBoard test({KIND_TEXT, 3, 2, REVEAL_NONE});
  test.Open();
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 0 / 3");
  test.TypeAndCheck(4003, "rep2a");  // question 2's first answer
  test.TypeAndCheck(4004, "rep2b");  // and its second
  test.TypeAndCheck(4005, "rep3b");  // question 3's first field holds its second answer
  EXPECT_EQ(test.Text(5003), "BRAVO");
  EXPECT_EQ(test.Text(5004), "BRAVO");
  EXPECT_EQ(test.Text(5005), "Quasiment");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 3");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE1");
}

// Reveal texts exist on picture boards with modes 2, 3 and 4.
TEST(RevealText, ModeTwoNeedsTheUntrimmedAnswer) {
  TestBoard test({KIND_PICTURE, 3, 1, REVEAL_TEXT});
  CopyText(QuestionAt(test.Quiz(), 1)->answer1, "Paris");
  test.Open();
  EXPECT_EQ(test.Text(8001), "");
  test.TypeAndCheck(4001, "paris ");
  EXPECT_EQ(test.Text(5001), "BRAVO");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 3");
  EXPECT_EQ(test.Text(8001), "");
  test.TypeAndCheck(4001, "paris");
  EXPECT_EQ(test.Text(8001), "Révélation 1");
  EXPECT_EQ(test.Text(8002), "");
  test.TypeAndCheck(4001, "pari");
  EXPECT_EQ(test.Text(5001), "Quasiment");
  EXPECT_EQ(test.Text(8001), "");
}

TEST(RevealText, TwoAnswersRightAndWrongEmptyTheQuestionsText) {
  TestBoard test({KIND_PICTURE, 2, 2, REVEAL_TEXT});
  test.Open();
  test.TypeAndCheck(4001, "rep1a");
  EXPECT_EQ(test.Text(8001), "");  // the second field is still empty
  test.TypeAndCheck(4002, "rep1b");
  EXPECT_EQ(test.Text(8001), "Révélation 1");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 2");
  test.TypeAndCheck(4002, "loupé");
  EXPECT_EQ(test.Text(5001), "BRAVO");
  EXPECT_EQ(test.Text(5002), "FAUX");
  EXPECT_EQ(test.Text(8001), "");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 0 / 2");
  EXPECT_EQ(test.HeaderText(IDC_CODE), NO_CODE);
}

TEST(RevealText, ModeThreeShowsTheTextAndKeepsTheCellWithoutAnAnswerPicture) {
  TestBoard test({KIND_PICTURE, 4, 1, REVEAL_TEXT_AND_PICTURE});
  test.Open();
  RECT before = RectInParent(GetDlgItem(test.Board(), 9004));
  test.TypeAndCheck(4004, "rep4a");
  EXPECT_EQ(test.Text(5004), "BRAVO");
  EXPECT_EQ(test.Text(8004), "Révélation 4");
  RECT after = RectInParent(GetDlgItem(test.Board(), 9004));
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
}

TEST(RevealText, ModeFourRevealsEveryTextAtFullScoreAndEmptiesOnlyALostOne) {
  TestBoard test({KIND_PICTURE, 3, 1, REVEAL_TEXTS_AT_END});
  test.Open();
  test.TypeAndCheck(4001, "rep1a");
  test.TypeAndCheck(4002, "rep2a");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(test.Text(8000 + n), "") << n;
  test.TypeAndCheck(4003, "rep3a ");  // trimmed to BRAVO: the full score still counts it
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 3 / 3");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE3");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(test.Text(8000 + n), "Révélation " + std::to_string(n));
  test.TypeAndCheck(4002, "rep");
  EXPECT_EQ(test.Text(8001), "Révélation 1");
  EXPECT_EQ(test.Text(8002), "");
  EXPECT_EQ(test.Text(8003), "Révélation 3");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 2 / 3");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE2");  // entry N - 2
}

TEST(RevealText, ModesWithoutRevealTextsJustJudge) {
  for (int mode : {REVEAL_NONE, REVEAL_PICTURE}) {
    TestBoard test({KIND_PICTURE, 2, 1, mode});
    test.Open();
    test.TypeAndCheck(4002, "rep2a");
    EXPECT_EQ(test.Text(5002), "BRAVO") << mode;
    EXPECT_EQ(GetDlgItem(test.Board(), 8002), nullptr) << mode;
    EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 2") << mode;
  }
}

TEST(RestoredAnswers, AreJudgedWhileTheBoardIsBuilt) {
  TestBoard test({KIND_PICTURE, 4, 1, REVEAL_TEXT});
  WriteAnswersFile({"rep1a", "*", "REP3A ", "rep4"});
  test.Open();
  EXPECT_EQ(test.Text(4001), "rep1a");
  EXPECT_EQ(test.Text(4002), "");
  EXPECT_EQ(test.Text(4003), "REP3A ");
  EXPECT_EQ(test.Text(5001), "BRAVO");
  EXPECT_EQ(test.Text(5002), "?");
  EXPECT_EQ(test.Text(5003), "BRAVO");
  EXPECT_EQ(test.Text(5004), "Quasiment");
  EXPECT_EQ(test.Text(8001), "Révélation 1");
  EXPECT_EQ(test.Text(8003), "");  // right only once trimmed
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 2 / 4");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE2");
}

TEST(RestoredAnswers, TwoAnswersPerQuestion) {
  TestBoard test({KIND_TEXT, 3, 2, REVEAL_NONE});
  WriteAnswersFile({"rep1a", "rep1b", "rep2a", "*", "rep3a", "rep3b"});
  test.Open();
  const char* verdicts[] = {"BRAVO", "BRAVO", "BRAVO", "?", "BRAVO", "BRAVO"};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(test.Text(5000 + k), verdicts[k - 1]) << k;
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 2 / 3");
  EXPECT_EQ(test.HeaderText(IDC_CODE), "CODE2");
}

TEST(RestoredAnswers, ShortFileLeavesTheLaterFieldsEmpty) {
  TestBoard test({KIND_VIDEO, 3, 1, REVEAL_NONE});
  WriteAnswersFile({"rep1a"});
  test.Open();
  EXPECT_EQ(test.Text(5001), "BRAVO");
  EXPECT_EQ(test.Text(4002), "");
  EXPECT_EQ(test.Text(4003), "");
  EXPECT_EQ(test.HeaderText(IDC_SCORE), " 1 / 3");
}

}  // namespace
