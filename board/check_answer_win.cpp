// Judging one answer field into its verdict field, the reveals of a solved question, and the
// score and code in the main window's header.
#include "board/check_answer_win.h"

#include "base/process_state_win.h"
#include "base/raii_win.h"
#include "base/resource_ids.h"
#include "board/board_controls_win.h"
#include "board/board_ids.h"
#include "board/layout.h"
#include "board/score.h"
#include "board/scrolling_win.h"
#include "board/verdict.h"
#include "picture/picture_win.h"

namespace {

constexpr char NO_CODE[] = "      ";
constexpr int MAX_SLOTS = 2 * MAX_QUESTIONS;

// The text of a board control, at most 259 characters; empty when there is no such control.
void ReadControlText(HWND board, int id, char (&text)[TEXT_SIZE]) {
  text[0] = 0;
  if (HWND control = BoardControl(board, id)) GetWindowTextA(control, text, TEXT_SIZE);
}

// The texts of question n's answer fields, ready for the portable reveal decision.
struct QuestionFieldTexts {
  char texts[2][TEXT_SIZE];
  const char* byAnswer[2];
};

void ReadQuestionFields(const QuizDefinition& quiz, HWND board, int n, QuestionFieldTexts& fields) {
  for (int j = 1; j <= quiz.answersPerQuestion; ++j) {
    ReadControlText(board, IDC_ANSWER_BASE + SlotOf(n, j, quiz.answersPerQuestion),
                    fields.texts[j - 1]);
    fields.byAnswer[j - 1] = fields.texts[j - 1];
  }
}

void SetRevealText(HWND board, int n, const char* text) {
  SetControlText(BoardControl(board, IDC_REVEAL_TEXT_BASE + n), text);
}

// The frame moves with its row: content coordinates less the board's scroll positions. An
// answer picture already shown is placed again as it is: decoding it anew, which is most of a
// check's time, would give the same pixels.
void PlaceAnswerPicture(const QuizDefinition& quiz, HWND board, int n) {
  HWND frame = GetDlgItem(board, IDC_PICTURE_BASE + n);
  if (!frame) return;
  const bool shown = ShowsAnswerPicture(frame, n);
  OwnedGdiObject<HBITMAP> loaded(shown ? nullptr
                                       : LoadScaledPicture(appInstance, IDR_ANSWER_PICTURE_BASE + n,
                                                           MEDIA_RESOURCE_TYPE, PICTURE_CELL_SIZE,
                                                           PICTURE_CELL_SIZE));
  HBITMAP bitmap = shown ? reinterpret_cast<HBITMAP>(
                               SendMessageA(frame, STM_GETIMAGE, IMAGE_BITMAP, 0))
                         : loaded.Get();
  if (!bitmap) return;
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);
  ControlRect rect = AnswerPictureRect(BoardShapeOf(quiz), n, size.bmWidth, size.bmHeight);
  SetWindowPos(frame, HWND_TOP, rect.x - GetScrollPos(board, SB_HORZ) * ScrollUnit,
               rect.y - GetScrollPos(board, SB_VERT) * ScrollUnit, rect.width, rect.height,
               SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  UpdateWindow(frame);
  if (shown) return;
  auto previous = reinterpret_cast<HBITMAP>(
      SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded.Release())));
  if (previous && previous != bitmap) DeleteObject(previous);
  // The frame's user data names the answer picture it shows.
  SetWindowLongPtrA(frame, GWLP_USERDATA, IDR_ANSWER_PICTURE_BASE + n);
}

void RevealQuestion(const QuizDefinition& quiz, HWND board, int n, const QuestionEntry* entry) {
  if (RevealsTextOnSolving(quiz.revealMode)) {
    SetRevealText(board, n, entry ? entry->revealText : "");
  }
  if (RevealsAnswerPicture(quiz.revealMode)) PlaceAnswerPicture(quiz, board, n);
}

// The texts of the verdict fields, by slot; a missing field reads as empty.
struct VerdictTexts {
  char texts[MAX_SLOTS][10];
  const char* bySlot[MAX_SLOTS];
};

void ReadVerdicts(const QuizDefinition& quiz, HWND board, VerdictTexts& verdicts) {
  const int slots = quiz.questionCount * quiz.answersPerQuestion;
  for (int slot = 1; slot <= slots && slot <= MAX_SLOTS; ++slot) {
    char* text = verdicts.texts[slot - 1];
    text[0] = 0;
    if (HWND field = BoardControl(board, IDC_VERDICT_BASE + slot)) {
      GetWindowTextA(field, text, sizeof verdicts.texts[0]);
    }
    verdicts.bySlot[slot - 1] = text;
  }
}

void RevealAllTexts(const QuizDefinition& quiz, HWND board) {
  for (int n = 1; n <= quiz.questionCount; ++n) {
    const QuestionEntry* entry = QuestionAt(quiz, n);
    SetRevealText(board, n, entry ? entry->revealText : "");
  }
}

}  // namespace

bool ShowsAnswerPicture(HWND frame, int n) {
  return GetWindowLongPtrA(frame, GWLP_USERDATA) == IDR_ANSWER_PICTURE_BASE + n;
}

void CheckAnswer(const QuizDefinition& quiz, HWND board, int fieldId) {
  int slot = fieldId - IDC_ANSWER_BASE;
  int n = QuestionOfSlot(slot, quiz.answersPerQuestion);
  const QuestionEntry* entry = QuestionAt(quiz, n);
  char typed[TEXT_SIZE];
  ReadControlText(board, fieldId, typed);
  const char* verdict = FieldVerdict(quiz, slot, typed);
  QuestionFieldTexts fields;
  ReadQuestionFields(quiz, board, n, fields);
  switch (RevealOnJudging(quiz, n, verdict, fields.byAnswer)) {
    case REVEAL_SHOW:
      RevealQuestion(quiz, board, n, entry);
      break;
    case REVEAL_HIDE_TEXT:
      SetRevealText(board, n, "");
      break;
    case REVEAL_KEEP:
      break;
  }
  SetControlText(BoardControl(board, IDC_VERDICT_BASE + slot), verdict);
  UpdateScore(quiz, board);
}

void UpdateScore(const QuizDefinition& quiz, HWND board) {
  VerdictTexts verdicts;
  ReadVerdicts(quiz, board, verdicts);
  int solved = SolvedQuestionCount(quiz, verdicts.bySlot);
  char score[32];
  wsprintfA(score, " %d / %d", solved, quiz.questionCount);
  SetControlText(HeaderDisplay(board, IDC_SCORE), score);
  const char* code = ProgressCode(quiz, solved);
  SetControlText(HeaderDisplay(board, IDC_CODE), code ? code : NO_CODE);
  if (RevealsAllTexts(quiz, solved)) RevealAllTexts(quiz, board);
}
