// Where the board puts its controls: the four layout functions, the slot numbering and the
// rectangle of every control, in content coordinates (the board at scroll position 0).
#pragma once

#include "base/control_rect.h"
#include "quiz/quiz_definition.h"

// What decides a quiz's layout.
struct BoardShape {
  int kind;                // a QuizKind
  int answersPerQuestion;  // 1 or 2
  int revealMode;          // a RevealMode
};

BoardShape BoardShapeOf(const QuizDefinition& quiz);

constexpr int PICTURE_CELL_SIZE = 260;
// The sizes of the controls that show the quiz's texts on the board.
constexpr int CAPTION_WIDTH = 95;
constexpr int CAPTION_HEIGHT = 20;
constexpr int QUESTION_TEXT_WIDTH = 550;  // with a border
constexpr int QUESTION_TEXT_HEIGHT = 20;
constexpr int REVEAL_TEXT_WIDTH = 260;
constexpr int REVEAL_TEXT_HEIGHT = 65;

int ColumnLeft(int n, int answersPerQuestion);
int TextLineTop(int n);
int ShortRowTop(int n);
int TallRowBase(int n, int revealMode);

// Slot k = (n - 1) * A + j: question n's answer j.
int SlotOf(int n, int j, int answersPerQuestion);
int QuestionOfSlot(int k, int answersPerQuestion);
int AnswerOfSlot(int k, int answersPerQuestion);

// Caption j of the row that starts with question g (g = 1, 4, 7, ...).
ControlRect CaptionRect(const BoardShape& shape, int g, int j);

ControlRect QuestionTextRect(int n);
ControlRect PictureCell(const BoardShape& shape, int n);
// The frame of a w x h bitmap centred in the cell; no bitmap (0 x 0) fills the whole cell.
ControlRect PictureFrameRect(const BoardShape& shape, int n, int bitmapWidth, int bitmapHeight);
// A revealed answer picture: 10 pixels left of where the cell would centre it.
ControlRect AnswerPictureRect(const BoardShape& shape, int n, int bitmapWidth, int bitmapHeight);
ControlRect RevealTextRect(const BoardShape& shape, int n);
ControlRect PlayButtonRect(const BoardShape& shape, int n);
ControlRect StopButtonRect(const BoardShape& shape, int n);
ControlRect VideoFrameRect(const BoardShape& shape, int n);
ControlRect NumberLabelRect(const BoardShape& shape, int n);
ControlRect AnswerFieldRect(const BoardShape& shape, int n, int j);
ControlRect VerdictFieldRect(const BoardShape& shape, int n, int j);
