// The board dialog: builds one group of controls per question, hands scrolling on, dispatches
// the media buttons and colours its static controls.
#include "board/board_win.h"

#include <iterator>

#include "base/control_win.h"
#include "base/process_state_win.h"
#include "base/raii_win.h"
#include "base/resource_ids.h"
#include "board/answer_field_win.h"
#include "board/answers_file_win.h"
#include "board/board_controls_win.h"
#include "board/board_ids.h"
#include "board/check_answer_win.h"
#include "board/layout.h"
#include "board/media_command.h"
#include "board/media_win.h"
#include "board/scrolling_win.h"
#include "board/verdict.h"
#include "picture/picture_win.h"

namespace {

// The quiz's own texts are drawn as their author wrote them: without SS_NOPREFIX a static would
// take "&" for a mnemonic, showing "Q&R" as "QR" with the R underlined.
constexpr DWORD CAPTION_STYLE = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
constexpr DWORD QUESTION_TEXT_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER | SS_NOPREFIX;
constexpr DWORD PICTURE_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_BITMAP | SS_CENTERIMAGE;
constexpr DWORD REVEAL_TEXT_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_CENTER | SS_NOPREFIX;
constexpr DWORD MEDIA_BUTTON_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_ICON | BS_DEFPUSHBUTTON;
constexpr DWORD VIDEO_FRAME_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD NUMBER_STYLE = WS_CHILD | WS_VISIBLE | SS_RIGHT;
constexpr DWORD ANSWER_STYLE =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;
constexpr DWORD VERDICT_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | SS_CENTER;

enum ControlFont { DIALOG_FONT, GUI_FONT };

HICON playIcon = nullptr;
HICON stopIcon = nullptr;

// A control made at run time does not take its dialog's font by itself: without it, it would draw
// in the larger system font, and "10." would no longer fit its number label.
HWND CreateBoardControl(HWND board, const char* className, const char* text, DWORD style,
                        const ControlRect& rect, int id, ControlFont font) {
  HFONT chosen = font == GUI_FONT ? GuiFont()
                                  : reinterpret_cast<HFONT>(SendMessageA(board, WM_GETFONT, 0, 0));
  return CreateControl(board, className, text, style, rect, id, chosen);
}

void LoadMediaIcons() {
  playIcon = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_PLAY));
  stopIcon = LoadIconA(appInstance, MAKEINTRESOURCEA(IDI_STOP));
}

// One pair per row of three questions, at the left edge.
void CreateCaptions(HWND board, const QuizDefinition& quiz) {
  BoardShape shape = BoardShapeOf(quiz);
  for (int g = 1; g <= quiz.questionCount; g += 3) {
    CreateBoardControl(board, "Static", quiz.answer1Caption, CAPTION_STYLE,
                       CaptionRect(shape, g, 1), IDC_CAPTION, GUI_FONT);
    CreateBoardControl(board, "Static", quiz.answer2Caption, CAPTION_STYLE,
                       CaptionRect(shape, g, 2), IDC_CAPTION, GUI_FONT);
  }
}

void CreateQuestionText(HWND board, const QuizDefinition& quiz, int n) {
  const QuestionEntry* entry = QuestionAt(quiz, n);
  CreateBoardControl(board, "Static", entry ? entry->questionText : "", QUESTION_TEXT_STYLE,
                     QuestionTextRect(n), IDC_QUESTION_TEXT, GUI_FONT);
}

// The frame starts empty, at the whole cell: its picture comes once the question's answer
// fields have had their first check, so that a question that the saved answers solve decodes only
// the answer picture that replaces its own.
void CreatePictureFrame(HWND board, const QuizDefinition& quiz, int n) {
  CreateBoardControl(board, "STATIC", "", PICTURE_STYLE,
                     PictureFrameRect(BoardShapeOf(quiz), n, 0, 0), IDC_PICTURE_BASE + n,
                     DIALOG_FONT);
}

void ShowQuestionPicture(HWND board, const QuizDefinition& quiz, int n) {
  HWND frame = GetDlgItem(board, IDC_PICTURE_BASE + n);
  if (!frame || ShowsAnswerPicture(frame, n)) return;
  OwnedGdiObject<HBITMAP> bitmap(LoadScaledPicture(appInstance, IDR_MEDIA_BASE + n,
                                                   MEDIA_RESOURCE_TYPE, PICTURE_CELL_SIZE,
                                                   PICTURE_CELL_SIZE));
  if (!bitmap.Get()) return;
  BITMAP size{};
  GetObjectA(bitmap.Get(), sizeof size, &size);
  ControlRect rect = PictureFrameRect(BoardShapeOf(quiz), n, size.bmWidth, size.bmHeight);
  SetWindowPos(frame, nullptr, rect.x, rect.y, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.Release()));
}

void CreateMediaButton(HWND board, const ControlRect& rect, int id, HICON icon) {
  HWND button = CreateBoardControl(board, "Button", "", MEDIA_BUTTON_STYLE, rect, id, DIALOG_FONT);
  if (button) SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CreateMediaButtons(HWND board, const QuizDefinition& quiz, int n) {
  BoardShape shape = BoardShapeOf(quiz);
  CreateMediaButton(board, PlayButtonRect(shape, n), IDC_PLAY_BASE + n, playIcon);
  CreateMediaButton(board, StopButtonRect(shape, n), IDC_STOP_BASE + n, stopIcon);
}

// The controls that differ by kind; false when a video player cannot be made.
bool CreateKindControls(HWND board, const QuizDefinition& quiz, int n) {
  switch (quiz.kind) {
    case KIND_PICTURE:
      CreatePictureFrame(board, quiz, n);
      if (HasRevealText(quiz.revealMode)) {
        HWND revealText = CreateBoardControl(board, "Static", "", REVEAL_TEXT_STYLE,
                                             RevealTextRect(BoardShapeOf(quiz), n),
                                             IDC_REVEAL_TEXT_BASE + n, GUI_FONT);
        NoteBoardControl(board, IDC_REVEAL_TEXT_BASE + n, revealText);
      }
      return true;
    case KIND_AUDIO:
      CreateMediaButtons(board, quiz, n);
      return true;
    case KIND_VIDEO: {
      CreateMediaButtons(board, quiz, n);
      HWND frame = CreateBoardControl(board, "STATIC", "", VIDEO_FRAME_STYLE,
                                      VideoFrameRect(BoardShapeOf(quiz), n),
                                      IDC_VIDEO_FRAME_BASE + n, DIALOG_FONT);
      return SetUpVideoPlayer(n, frame);
    }
    default:
      CreateQuestionText(board, quiz, n);
      return true;
  }
}

void CreateNumberLabel(HWND board, const QuizDefinition& quiz, int n) {
  char text[16];
  wsprintfA(text, "%d.", n);
  CreateBoardControl(board, "Static", text, NUMBER_STYLE, NumberLabelRect(BoardShapeOf(quiz), n),
                     IDC_NUMBER, DIALOG_FONT);
}

// Answer field j of question n with its restored text, its verdict field, and its first check.
void CreateAnswerPair(HWND board, const QuizDefinition& quiz, int n, int j, SavedAnswers& saved) {
  BoardShape shape = BoardShapeOf(quiz);
  bool twoAnswers = quiz.answersPerQuestion == 2;
  int slot = SlotOf(n, j, quiz.answersPerQuestion);
  int fieldId = IDC_ANSWER_BASE + slot;
  char text[TEXT_SIZE];
  NextSavedAnswer(saved, text);
  HWND field = CreateBoardControl(board, "Edit", text, ANSWER_STYLE, AnswerFieldRect(shape, n, j),
                                  fieldId, GUI_FONT);
  NoteBoardControl(board, fieldId, field);
  if (!twoAnswers) SetFocus(field);
  SubclassAnswerField(field);
  HWND verdict = CreateBoardControl(board, "Static", "?", VERDICT_STYLE, VerdictFieldRect(shape, n, j),
                                    IDC_VERDICT_BASE + slot, twoAnswers ? GUI_FONT : DIALOG_FONT);
  NoteBoardControl(board, IDC_VERDICT_BASE + slot, verdict);
  CheckAnswer(quiz, board, fieldId);
}

// False when the question's video player cannot be made: the board ends there.
bool BuildQuestion(HWND board, const QuizDefinition& quiz, int n, SavedAnswers& saved) {
  if (!CreateKindControls(board, quiz, n)) return false;
  CreateNumberLabel(board, quiz, n);
  for (int j = 1; j <= quiz.answersPerQuestion; ++j) CreateAnswerPair(board, quiz, n, j, saved);
  if (quiz.kind == KIND_PICTURE) ShowQuestionPicture(board, quiz, n);
  return true;
}

void BuildBoard(HWND board, const QuizDefinition& quiz) {
  SetUpBoardScrolling(board);
  SavedAnswers saved = OpenSavedAnswers();
  if (quiz.kind == KIND_AUDIO || quiz.kind == KIND_VIDEO) LoadMediaIcons();
  if (quiz.answersPerQuestion == 2) CreateCaptions(board, quiz);
  for (int n = 1; n <= quiz.questionCount; ++n) {
    if (!BuildQuestion(board, quiz, n, saved)) break;
  }
  CloseSavedAnswers(saved);
}

void OnBoardCommand(const QuizDefinition& quiz, WPARAM command) {
  MediaCommand media = MediaCommandFor(quiz.kind, command);
  switch (media.action) {
    case MEDIA_PLAY_AUDIO: PlayAudio(media.question); break;
    case MEDIA_STOP_AUDIO: StopAudio(); break;
    case MEDIA_PLAY_VIDEO: PlayVideo(media.question); break;
    case MEDIA_STOP_VIDEOS: StopAllVideos(); break;
    case MEDIA_NONE: break;
  }
}

// One brush per fixed colour, made at first use and kept as long as the board.
HBRUSH FixedBrush(COLORREF colour) {
  static const COLORREF colours[] = {COLOUR_QUESTION_TEXT, COLOUR_BRAVO, COLOUR_ANAGRAMME,
                                     COLOUR_NEAR_MISS, COLOUR_FAUX};
  static HBRUSH brushes[std::size(colours)] = {};
  for (std::size_t i = 0; i < std::size(colours); ++i) {
    if (colours[i] != colour) continue;
    if (!brushes[i]) brushes[i] = CreateSolidBrush(colour);
    return brushes[i];
  }
  return nullptr;
}

HBRUSH VerdictBrush(HWND verdictField) {
  char text[16];
  GetWindowTextA(verdictField, text, sizeof text);
  COLORREF colour = VerdictColour(text);
  return colour == NO_VERDICT_COLOUR ? nullptr : FixedBrush(colour);
}

// The brush of a static control by its id; null leaves it the system's colours.
HBRUSH StaticBrush(const QuizDefinition& quiz, HWND control) {
  int id = GetDlgCtrlID(control);
  int slots = quiz.answersPerQuestion * quiz.questionCount;
  auto background = static_cast<HBRUSH>(quiz.backgroundBrush);
  if (id > IDC_VERDICT_BASE && id <= IDC_VERDICT_BASE + slots) return VerdictBrush(control);
  if (id == IDC_QUESTION_TEXT) return FixedBrush(COLOUR_QUESTION_TEXT);
  if (id == IDC_CAPTION || id == IDC_NUMBER) return background;
  if (id > IDC_REVEAL_TEXT_BASE && id <= IDC_REVEAL_TEXT_BASE + slots) return background;
  return nullptr;
}

// The text goes straight onto the brush's colour rather than on a box of the default one.
INT_PTR OnCtlColorStatic(const QuizDefinition& quiz, HDC dc, HWND control) {
  HBRUSH brush = StaticBrush(quiz, control);
  if (brush) SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(brush);
}

}  // namespace

void FocusFirstAnswerField(HWND board) {
  HWND first = GetDlgItem(board, IDC_ANSWER_BASE + 1);
  if (first) SetFocus(first);
}

INT_PTR CALLBACK BoardDialogProc(HWND board, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      BuildBoard(board, *theQuiz);
      return TRUE;
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      OnBoardScrollMessage(board, message, wParam);
      return 0;
    case WM_COMMAND:
      OnBoardCommand(*theQuiz, wParam);
      return 0;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(theQuiz->backgroundBrush);
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(*theQuiz, reinterpret_cast<HDC>(wParam),
                              reinterpret_cast<HWND>(lParam));
    default:
      return 0;
  }
}
