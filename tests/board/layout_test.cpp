// The board's layout: the four layout functions, slot numbering and every control's rectangle,
// checked against worked positions.
#include "board/layout.h"

#include <gtest/gtest.h>

#include <ostream>

bool operator==(const ControlRect& a, const ControlRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const ControlRect& r) {
  return out << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}

namespace {

constexpr BoardShape TEXT_ONE{KIND_TEXT, 1, REVEAL_NONE};
constexpr BoardShape TEXT_TWO{KIND_TEXT, 2, REVEAL_TEXT};
constexpr BoardShape PICTURE_ONE{KIND_PICTURE, 1, REVEAL_NONE};
constexpr BoardShape PICTURE_TWO_MODE3{KIND_PICTURE, 2, REVEAL_TEXT_AND_PICTURE};
constexpr BoardShape AUDIO_ONE{KIND_AUDIO, 1, REVEAL_NONE};
constexpr BoardShape AUDIO_TWO{KIND_AUDIO, 2, REVEAL_NONE};
constexpr BoardShape VIDEO_ONE{KIND_VIDEO, 1, REVEAL_NONE};
constexpr BoardShape VIDEO_TWO_MODE2{KIND_VIDEO, 2, REVEAL_TEXT};

TEST(LayoutFunctions, ColumnsRowsAndLines) {
  EXPECT_EQ(ColumnLeft(1, 1), 0);
  EXPECT_EQ(ColumnLeft(2, 1), 290);
  EXPECT_EQ(ColumnLeft(3, 1), 580);
  EXPECT_EQ(ColumnLeft(4, 1), 0);
  EXPECT_EQ(ColumnLeft(5, 2), 380);
  EXPECT_EQ(ColumnLeft(90, 2), 670);
  EXPECT_EQ(TextLineTop(1), 10);
  EXPECT_EQ(TextLineTop(7), 160);
  EXPECT_EQ(TextLineTop(90), 2235);
  EXPECT_EQ(ShortRowTop(1), 20);
  EXPECT_EQ(ShortRowTop(3), 20);
  EXPECT_EQ(ShortRowTop(4), 100);
  EXPECT_EQ(ShortRowTop(90), 80 * 29 + 20);
}

TEST(LayoutFunctions, TallRowsAreFurtherApartWithRevealTexts) {
  const int pitches[] = {330, 330, 390, 390, 390};  // by reveal mode 0 to 4
  for (int mode = REVEAL_NONE; mode <= REVEAL_TEXTS_AT_END; ++mode) {
    EXPECT_EQ(HasRevealText(mode), pitches[mode] == 390) << mode;
    EXPECT_EQ(TallRowBase(1, mode), 280) << mode;
    EXPECT_EQ(TallRowBase(3, mode), 280) << mode;
    EXPECT_EQ(TallRowBase(4, mode), 280 + pitches[mode]) << mode;
    EXPECT_EQ(TallRowBase(90, mode), 280 + 29 * pitches[mode]) << mode;
  }
}

TEST(Slots, NumberQuestionByQuestion) {
  for (int answers = 1; answers <= 2; ++answers) {
    int k = 0;
    for (int n = 1; n <= 90; ++n) {
      for (int j = 1; j <= answers; ++j) {
        ++k;
        EXPECT_EQ(SlotOf(n, j, answers), k);
        EXPECT_EQ(QuestionOfSlot(k, answers), n);
        EXPECT_EQ(AnswerOfSlot(k, answers), j);
      }
    }
  }
  // With two answers an odd field id is a first answer: 4003 is question 2's first.
  EXPECT_EQ(QuestionOfSlot(3, 2), 2);
  EXPECT_EQ(AnswerOfSlot(3, 2), 1);
}

TEST(TextQuiz, QuestionOneWithOneAnswer) {
  EXPECT_EQ(QuestionTextRect(1), (ControlRect{50, 10, 550, 20}));
  EXPECT_EQ(NumberLabelRect(TEXT_ONE, 1), (ControlRect{30, 13, 19, 17}));
  EXPECT_EQ(AnswerFieldRect(TEXT_ONE, 1, 1), (ControlRect{615, 10, 100, 20}));
  EXPECT_EQ(VerdictFieldRect(TEXT_ONE, 1, 1), (ControlRect{720, 10, 90, 20}));
}

TEST(TextQuiz, QuestionSevenWithTwoAnswersReachesIntoTheNextLine) {
  EXPECT_EQ(AnswerFieldRect(TEXT_TWO, 7, 1), (ControlRect{615, 160, 50, 21}));
  EXPECT_EQ(AnswerFieldRect(TEXT_TWO, 7, 2), (ControlRect{615, 180, 50, 21}));
  EXPECT_EQ(VerdictFieldRect(TEXT_TWO, 7, 1), (ControlRect{670, 161, 60, 17}));
  EXPECT_EQ(VerdictFieldRect(TEXT_TWO, 7, 2), (ControlRect{670, 181, 60, 17}));
  EXPECT_GT(AnswerFieldRect(TEXT_TWO, 7, 2).y + 21, TextLineTop(8));
}

TEST(PictureQuiz, QuestionFourModeZeroWithALandscapeBitmap) {
  EXPECT_EQ(PictureCell(PICTURE_ONE, 4), (ControlRect{30, 350, 260, 260}));
  EXPECT_EQ(PictureFrameRect(PICTURE_ONE, 4, 260, 195), (ControlRect{30, 382, 260, 195}));
  EXPECT_EQ(AnswerFieldRect(PICTURE_ONE, 4, 1), (ControlRect{30, 620, 260, 20}));
  EXPECT_EQ(VerdictFieldRect(PICTURE_ONE, 4, 1), (ControlRect{30, 639, 260, 20}));
  EXPECT_EQ(NumberLabelRect(PICTURE_ONE, 4), (ControlRect{10, 622, 19, 17}));
}

TEST(PictureQuiz, FrameCentresTheBitmapOrFillsTheCellWithout) {
  EXPECT_EQ(PictureFrameRect(PICTURE_ONE, 4, 0, 0), (ControlRect{30, 350, 260, 260}));
  EXPECT_EQ(PictureFrameRect(PICTURE_ONE, 4, 195, 260), (ControlRect{62, 350, 195, 260}));
  EXPECT_EQ(PictureFrameRect(PICTURE_ONE, 4, 259, 1), (ControlRect{30, 479, 259, 1}));
}

TEST(PictureQuiz, QuestionFiveWithTwoAnswersModeThree) {
  EXPECT_EQ(ColumnLeft(5, 2), 380);
  EXPECT_EQ(TallRowBase(5, REVEAL_TEXT_AND_PICTURE), 670);
  EXPECT_EQ(PictureCell(PICTURE_TWO_MODE3, 5), (ControlRect{410, 410, 260, 260}));
  EXPECT_EQ(RevealTextRect(PICTURE_TWO_MODE3, 5), (ControlRect{410, 726, 260, 65}));
  EXPECT_EQ(AnswerFieldRect(PICTURE_TWO_MODE3, 5, 1), (ControlRect{410, 680, 190, 21}));
  EXPECT_EQ(AnswerFieldRect(PICTURE_TWO_MODE3, 5, 2), (ControlRect{410, 700, 190, 21}));
  EXPECT_EQ(VerdictFieldRect(PICTURE_TWO_MODE3, 5, 1), (ControlRect{605, 681, 60, 17}));
  EXPECT_EQ(VerdictFieldRect(PICTURE_TWO_MODE3, 5, 2), (ControlRect{605, 701, 60, 17}));
  EXPECT_EQ(NumberLabelRect(PICTURE_TWO_MODE3, 5), (ControlRect{390, 682, 19, 17}));
  EXPECT_EQ(CaptionRect(PICTURE_TWO_MODE3, 4, 1), (ControlRect{3, 682, 95, 20}));
  EXPECT_EQ(CaptionRect(PICTURE_TWO_MODE3, 4, 2), (ControlRect{3, 702, 95, 20}));
}

TEST(PictureQuiz, AnswerPictureSitsTenPixelsLeftOfTheCellsCentre) {
  EXPECT_EQ(AnswerPictureRect(PICTURE_ONE, 4, 260, 195), (ControlRect{20, 382, 260, 195}));
  EXPECT_EQ(AnswerPictureRect(PICTURE_TWO_MODE3, 5, 195, 260), (ControlRect{432, 410, 195, 260}));
  for (int n = 1; n <= 90; ++n) {
    ControlRect cell = PictureFrameRect(PICTURE_TWO_MODE3, n, 100, 80);
    ControlRect answer = AnswerPictureRect(PICTURE_TWO_MODE3, n, 100, 80);
    EXPECT_EQ(answer.x, cell.x - 10) << n;
    EXPECT_EQ(answer.y, cell.y) << n;
  }
}

TEST(AudioQuiz, QuestionOneWithOneAnswer) {
  EXPECT_EQ(PlayButtonRect(AUDIO_ONE, 1), (ControlRect{30, 20, 20, 21}));
  EXPECT_EQ(StopButtonRect(AUDIO_ONE, 1), (ControlRect{30, 41, 20, 20}));
  EXPECT_EQ(NumberLabelRect(AUDIO_ONE, 1), (ControlRect{10, 22, 19, 17}));
  EXPECT_EQ(AnswerFieldRect(AUDIO_ONE, 1, 1), (ControlRect{50, 20, 220, 20}));
  EXPECT_EQ(VerdictFieldRect(AUDIO_ONE, 1, 1), (ControlRect{50, 39, 220, 20}));
}

TEST(AudioQuiz, TwoAnswersShiftTheColumnForTheCaptions) {
  EXPECT_EQ(PlayButtonRect(AUDIO_TWO, 6), (ControlRect{700, 100, 20, 21}));
  EXPECT_EQ(StopButtonRect(AUDIO_TWO, 6), (ControlRect{700, 121, 20, 20}));
  EXPECT_EQ(AnswerFieldRect(AUDIO_TWO, 6, 1), (ControlRect{720, 100, 170, 21}));
  EXPECT_EQ(AnswerFieldRect(AUDIO_TWO, 6, 2), (ControlRect{720, 120, 170, 21}));
  EXPECT_EQ(VerdictFieldRect(AUDIO_TWO, 6, 2), (ControlRect{895, 121, 60, 17}));
  EXPECT_EQ(CaptionRect(AUDIO_TWO, 4, 1), (ControlRect{3, 105, 95, 20}));
  EXPECT_EQ(CaptionRect(AUDIO_TWO, 4, 2), (ControlRect{3, 125, 95, 20}));
}

TEST(VideoQuiz, QuestionTwoModeZero) {
  EXPECT_EQ(VideoFrameRect(VIDEO_ONE, 2), (ControlRect{305, 30, 200, 150}));
  EXPECT_EQ(PlayButtonRect(VIDEO_ONE, 2), (ControlRect{305, 240, 20, 20}));
  EXPECT_EQ(StopButtonRect(VIDEO_ONE, 2), (ControlRect{305, 260, 20, 20}));
  EXPECT_EQ(NumberLabelRect(VIDEO_ONE, 2), (ControlRect{280, 244, 19, 17}));
  EXPECT_EQ(AnswerFieldRect(VIDEO_ONE, 2, 1), (ControlRect{325, 240, 230, 20}));
  EXPECT_EQ(VerdictFieldRect(VIDEO_ONE, 2, 1), (ControlRect{325, 259, 230, 20}));
}

TEST(VideoQuiz, NumberOfTheFirstColumnStartsLeftOfTheBoard) {
  for (int n = 1; n <= 90; n += 3) EXPECT_EQ(NumberLabelRect(VIDEO_ONE, n).x, -10) << n;
  EXPECT_EQ(NumberLabelRect(VIDEO_TWO_MODE2, 4), (ControlRect{80, 634, 19, 17}));
  EXPECT_EQ(VideoFrameRect(VIDEO_TWO_MODE2, 4), (ControlRect{105, 420, 200, 150}));
}

TEST(Captions, TextAndVideoQuizzesStackEveryPairAtTheTopLeft) {
  for (int g = 1; g <= 90; g += 3) {
    EXPECT_EQ(CaptionRect(TEXT_TWO, g, 1), (ControlRect{3, 0, 95, 20})) << g;
    EXPECT_EQ(CaptionRect(TEXT_TWO, g, 2), (ControlRect{3, 20, 95, 20})) << g;
    EXPECT_EQ(CaptionRect(VIDEO_TWO_MODE2, g, 1), (ControlRect{3, 0, 95, 20})) << g;
  }
}

// Within one question of a multi-column kind no two controls overlap, and every control lies
// inside its column of 290 pixels (plus the caption margin).
TEST(MultiColumnKinds, ControlsOfAQuestionStayInItsColumn) {
  const BoardShape shapes[] = {PICTURE_ONE, PICTURE_TWO_MODE3, AUDIO_ONE, AUDIO_TWO, VIDEO_ONE,
                               VIDEO_TWO_MODE2};
  for (const BoardShape& shape : shapes) {
    for (int n = 2; n <= 90; n += 3) {  // the middle column: no edge effects
      int left = ColumnLeft(n, shape.answersPerQuestion);
      for (int j = 1; j <= shape.answersPerQuestion; ++j) {
        ControlRect field = AnswerFieldRect(shape, n, j);
        ControlRect verdict = VerdictFieldRect(shape, n, j);
        EXPECT_GE(field.x, left) << shape.kind << " " << n;
        EXPECT_LE(verdict.x + verdict.width, left + 290) << shape.kind << " " << n;
      }
    }
  }
}

}  // namespace
