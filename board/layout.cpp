// Where the board puts its controls: pure integer arithmetic on the quiz's shape.
#include "board/layout.h"

namespace {

constexpr int COLUMN_PITCH = 290;
constexpr int CAPTION_MARGIN = 90;  // room for the captions at the left edge
constexpr int TEXT_LINE_PITCH = 25;
constexpr int SHORT_ROW_PITCH = 80;
constexpr int TALL_ROW_PITCH = 330;
constexpr int TALL_ROW_PITCH_WITH_TEXT = 390;  // a reveal text below every picture or film

int RowOf(int n) { return (n - 1) / 3; }

// x0 and y0 of a question in the multi-column kinds.
int Left(const BoardShape& shape, int n) { return ColumnLeft(n, shape.answersPerQuestion); }
int Base(const BoardShape& shape, int n) { return TallRowBase(n, shape.revealMode); }

// The anchor of a question's answer fields, their width, and the single verdict field.
struct AnswerArea {
  int x;
  int y;
  int width;
  int verdictX;
  int verdictY;
  int verdictWidth;
};

AnswerArea AnswerAreaOf(const BoardShape& shape, int n) {
  switch (shape.kind) {
    case KIND_PICTURE: {
      int x = Left(shape, n) + 30;
      int y = Base(shape, n);
      return {x, y + 10, shape.answersPerQuestion == 2 ? 240 : 260, x, y + 29, 260};
    }
    case KIND_AUDIO: {
      int x = Left(shape, n) + 50;
      int y = ShortRowTop(n);
      return {x, y, 220, x, y + 19, 220};
    }
    case KIND_VIDEO: {
      int x = Left(shape, n) + 35;
      int y = Base(shape, n);
      return {x, y - 40, 230, x, y - 21, 230};
    }
    default: {
      int m = TextLineTop(n);
      return {615, m, 100, 720, m, 90};
    }
  }
}

// The top of the caption pair; the second caption lies 20 pixels lower.
int CaptionTop(const BoardShape& shape, int g) {
  switch (shape.kind) {
    case KIND_PICTURE: return Base(shape, g) + 12;
    case KIND_AUDIO: return ShortRowTop(g) + 5;
    default: return 0;
  }
}

}  // namespace

BoardShape BoardShapeOf(const QuizDefinition& quiz) {
  return {quiz.kind, quiz.answersPerQuestion, quiz.revealMode};
}

int ColumnLeft(int n, int answersPerQuestion) {
  return COLUMN_PITCH * ((n - 1) % 3) + (answersPerQuestion == 2 ? CAPTION_MARGIN : 0);
}

int TextLineTop(int n) { return TEXT_LINE_PITCH * n - 15; }

int ShortRowTop(int n) { return SHORT_ROW_PITCH * RowOf(n) + 20; }

int TallRowBase(int n, int revealMode) {
  int pitch = HasRevealText(revealMode) ? TALL_ROW_PITCH_WITH_TEXT : TALL_ROW_PITCH;
  return RowOf(n) * pitch + 280;
}

int SlotOf(int n, int j, int answersPerQuestion) { return (n - 1) * answersPerQuestion + j; }

int QuestionOfSlot(int k, int answersPerQuestion) { return (k - 1) / answersPerQuestion + 1; }

int AnswerOfSlot(int k, int answersPerQuestion) {
  return k - (QuestionOfSlot(k, answersPerQuestion) - 1) * answersPerQuestion;
}

ControlRect CaptionRect(const BoardShape& shape, int g, int j) {
  return {3, CaptionTop(shape, g) + CAPTION_HEIGHT * (j - 1), CAPTION_WIDTH, CAPTION_HEIGHT};
}

ControlRect QuestionTextRect(int n) {
  return {50, TextLineTop(n), QUESTION_TEXT_WIDTH, QUESTION_TEXT_HEIGHT};
}

ControlRect PictureCell(const BoardShape& shape, int n) {
  return {Left(shape, n) + 30, Base(shape, n) - PICTURE_CELL_SIZE, PICTURE_CELL_SIZE,
          PICTURE_CELL_SIZE};
}

ControlRect PictureFrameRect(const BoardShape& shape, int n, int bitmapWidth, int bitmapHeight) {
  ControlRect cell = PictureCell(shape, n);
  if (bitmapWidth <= 0 || bitmapHeight <= 0) return cell;
  return {cell.x + (PICTURE_CELL_SIZE - bitmapWidth) / 2,
          cell.y + (PICTURE_CELL_SIZE - bitmapHeight) / 2, bitmapWidth, bitmapHeight};
}

ControlRect AnswerPictureRect(const BoardShape& shape, int n, int bitmapWidth, int bitmapHeight) {
  return {Left(shape, n) + 20 + (PICTURE_CELL_SIZE - bitmapWidth) / 2,
          Base(shape, n) - PICTURE_CELL_SIZE + (PICTURE_CELL_SIZE - bitmapHeight) / 2,
          bitmapWidth, bitmapHeight};
}

ControlRect RevealTextRect(const BoardShape& shape, int n) {
  return {Left(shape, n) + 30, Base(shape, n) + 56, REVEAL_TEXT_WIDTH, REVEAL_TEXT_HEIGHT};
}

ControlRect PlayButtonRect(const BoardShape& shape, int n) {
  if (shape.kind == KIND_AUDIO) return {Left(shape, n) + 30, ShortRowTop(n), 20, 21};
  return {Left(shape, n) + 15, Base(shape, n) - 40, 20, 20};
}

ControlRect StopButtonRect(const BoardShape& shape, int n) {
  if (shape.kind == KIND_AUDIO) return {Left(shape, n) + 30, ShortRowTop(n) + 21, 20, 20};
  return {Left(shape, n) + 15, Base(shape, n) - 20, 20, 20};
}

ControlRect VideoFrameRect(const BoardShape& shape, int n) {
  return {Left(shape, n) + 15, Base(shape, n) - 250, 200, 150};
}

ControlRect NumberLabelRect(const BoardShape& shape, int n) {
  switch (shape.kind) {
    case KIND_PICTURE: return {Left(shape, n) + 10, Base(shape, n) + 12, 19, 17};
    case KIND_AUDIO: return {Left(shape, n) + 10, ShortRowTop(n) + 2, 19, 17};
    case KIND_VIDEO: return {Left(shape, n) - 10, Base(shape, n) - 36, 19, 17};
    default: return {30, TextLineTop(n) + 3, 19, 17};
  }
}

ControlRect AnswerFieldRect(const BoardShape& shape, int n, int j) {
  AnswerArea area = AnswerAreaOf(shape, n);
  if (shape.answersPerQuestion != 2) return {area.x, area.y, area.width, 20};
  return {area.x, area.y + 20 * (j - 1), area.width - 50, 21};
}

ControlRect VerdictFieldRect(const BoardShape& shape, int n, int j) {
  AnswerArea area = AnswerAreaOf(shape, n);
  if (shape.answersPerQuestion != 2) return {area.verdictX, area.verdictY, area.verdictWidth, 20};
  return {area.x + area.width - 45, area.y + 20 * (j - 1) + 1, 60, 17};
}
