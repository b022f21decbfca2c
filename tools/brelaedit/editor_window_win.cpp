// The editor's window: its controls show the document; each edit goes to the model, then the
// live check reruns once typing pauses.
#include "tools/brelaedit/editor_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/raii_win.h"
#include "tools/authoring/quiz_resources.h"
#include "tools/authoring/safe_file.h"
#include "tools/brelaedit/accessible_name_win.h"
#include "tools/brelaedit/editor_ids.h"
#include "tools/brelaedit/form_layout_win.h"
#include "tools/brelaedit/list_view_win.h"
#include "tools/brelaedit/picture_preview_win.h"
#include "tools/brelaedit/recovery.h"
#include "tools/brelaedit/recovery_win.h"
#include "tools/brelaedit/window_text_win.h"

namespace {

constexpr UINT_PTR TRIAL_TIMER = 2;
constexpr UINT TRIAL_POLL_MS = 500;
constexpr UINT_PTR RECOVERY_TIMER = 3;
// Posted when a field loses the focus: by then the focus has settled where it went.
constexpr UINT WM_FIELD_LEFT = WM_APP + 1;

enum ControlType { CONTROL_TEXT, CONTROL_CHOICE, CONTROL_BUTTON, CONTROL_LIST };

// A control that shows one field of the document, its label, and its "Choisir…" button with the
// files it offers.
struct FieldControl {
  int id;
  int labelId;
  int chooseId;
  EditorField field;
  ControlType type;
  FileChoice choice;
};

constexpr FileChoice NO_FILE = CHOOSE_QUIZ_TO_OPEN;  // for the controls without "Choisir…"

const FieldControl FIELD_CONTROLS[] = {
    {IDC_TITLE, 0, 0, FIELD_TITLE, CONTROL_TEXT, NO_FILE},
    {IDC_AUTHOR, 0, 0, FIELD_AUTHOR, CONTROL_TEXT, NO_FILE},
    {IDC_EXPLANATION, 0, 0, FIELD_EXPLANATION, CONTROL_TEXT, NO_FILE},
    {IDC_KIND, 0, 0, FIELD_KIND, CONTROL_CHOICE, NO_FILE},
    {IDC_ANSWERS, 0, 0, FIELD_ANSWERS_PER_QUESTION, CONTROL_CHOICE, NO_FILE},
    {IDC_CAPTION1, IDC_CAPTION1_LABEL, 0, FIELD_ANSWER1_CAPTION, CONTROL_TEXT, NO_FILE},
    {IDC_CAPTION2, IDC_CAPTION2_LABEL, 0, FIELD_ANSWER2_CAPTION, CONTROL_TEXT, NO_FILE},
    {IDC_REVEAL_MODE, IDC_REVEAL_MODE_LABEL, 0, FIELD_REVEAL_MODE, CONTROL_CHOICE, NO_FILE},
    {IDC_COLOUR, 0, 0, FIELD_BACKGROUND_COLOUR, CONTROL_BUTTON, NO_FILE},
    {IDC_CODES, 0, 0, FIELD_CODES, CONTROL_TEXT, NO_FILE},
    {IDC_QUESTIONS, 0, 0, FIELD_QUESTIONS, CONTROL_LIST, NO_FILE},
    {IDC_QUESTION_TEXT, IDC_QUESTION_TEXT_LABEL, 0, FIELD_QUESTION_TEXT, CONTROL_TEXT, NO_FILE},
    {IDC_ANSWER1, IDC_ANSWER1_LABEL, 0, FIELD_ANSWER1, CONTROL_TEXT, NO_FILE},
    {IDC_ANSWER2, IDC_ANSWER2_LABEL, 0, FIELD_ANSWER2, CONTROL_TEXT, NO_FILE},
    {IDC_REVEAL_TEXT, IDC_REVEAL_TEXT_LABEL, 0, FIELD_REVEAL_TEXT, CONTROL_TEXT, NO_FILE},
    {IDC_PICTURE, IDC_PICTURE_LABEL, IDC_CHOOSE_PICTURE, FIELD_PICTURE, CONTROL_TEXT,
     CHOOSE_PICTURE},
    {IDC_SOUND, IDC_SOUND_LABEL, IDC_CHOOSE_SOUND, FIELD_SOUND, CONTROL_TEXT, CHOOSE_SOUND},
    {IDC_FILM, IDC_FILM_LABEL, IDC_CHOOSE_FILM, FIELD_FILM, CONTROL_TEXT, CHOOSE_FILM},
    {IDC_ANSWER_PICTURE, IDC_ANSWER_PICTURE_LABEL, IDC_CHOOSE_ANSWER_PICTURE, FIELD_ANSWER_PICTURE,
     CONTROL_TEXT, CHOOSE_PICTURE},
};

// A field of the selected question, not of the quiz.
bool OfQuestion(const FieldControl& control) { return FactsOf(control.field).ofQuestion; }

// The window edges each control follows; the others stay where the form puts them.
const std::vector<ControlAnchor> ANCHORS = {
    {IDC_QUESTIONS, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_BOTTOM},
    {IDC_ADD, ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDC_INSERT, ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDC_DELETE, ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDC_MOVE_UP, ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDC_MOVE_DOWN, ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDC_QUESTION_GROUP, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_QUESTION_TEXT, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_ANSWER1, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_ANSWER2, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_REVEAL_TEXT, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_PICTURE, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_SOUND, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_FILM, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_ANSWER_PICTURE, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_CHOOSE_PICTURE, ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_CHOOSE_SOUND, ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_CHOOSE_FILM, ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_CHOOSE_ANSWER_PICTURE, ANCHOR_TOP | ANCHOR_RIGHT},
    {IDC_TRY, ANCHOR_RIGHT | ANCHOR_BOTTOM},
    {IDC_MAKE, ANCHOR_RIGHT | ANCHOR_BOTTOM},
    {IDC_MAKE_WEB_PAGE, ANCHOR_RIGHT | ANCHOR_BOTTOM},
    {IDC_PROBLEMS_LABEL, ANCHOR_LEFT | ANCHOR_BOTTOM},
    {IDC_PROBLEMS, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_BOTTOM},
    {IDC_PROBLEM_DETAIL, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_BOTTOM},
};

const std::vector<std::wstring> KIND_CHOICES = {L"Questions écrites", L"Images", L"Sons", L"Films"};
const std::vector<std::wstring> ANSWER_CHOICES = {L"1 par question", L"2 par question"};
// The reveal modes by value.
const std::vector<std::wstring> REVEAL_CHOICES = {L"Rien", L"L'image réponse", L"Le texte révélé",
                                                  L"Le texte et l'image réponse",
                                                  L"Tous les textes à la fin"};
// The question list's second column, by kind.
const wchar_t* const WORDING_HEADERS[] = {L"Énoncé", L"Image", L"Son", L"Film"};

struct EditorWindow {
  EditorEnvironment environment;
  bool quitOnClose = false;
  EditorDocument document;
  int selected = -1;     // the selected question, from 0
  bool loading = false;  // the controls are being filled: their changes are no edits
  std::vector<Problem> textProblems, mediaProblems, problems;  // problems: the reported ones
  EmptyFieldReporting reporting;
  bool heldBack = false;  // problems of empty fields are not reported yet
  ProblemTarget entered = {-1, FIELD_NONE};  // the field with the focus, and its question
  std::vector<ProblemTarget> leaving;        // fields that lost the focus, until WM_FIELD_LEFT
  bool mediaStale = true;    // media paths, kind or colour changed since the last media check
  bool previewStale = true;  // the selected question's pictures changed
  MediaCache cache;
  // The picture and the answer picture, as the player scales them.
  OwnedGdiObject<HBITMAP> previews[2];
  OwnedIcon icons[2];  // the window's big and small icons: they must outlive it
  HWND status = nullptr;
  HACCEL keys = nullptr;
  FormLayout form;    // where the template puts each control
  FormLayout layout;  // the same, the question's visible rows closed up
  int dpi = 96;       // the DPI the form and the list columns are laid out for
  SIZE smallest = {};  // the least the form shrinks to; a smaller window scrolls it
  POINT scrolled = {};
  int previewSide = 0;
  SIZE minimumWindow = {};
  std::wstring shownTitle;
  std::vector<TrialRun> trials;
  std::filesystem::path recoveryFile;  // this window's; empty: no recovery
  RecoverySchedule recovery;
};

EditorWindow& Editor(HWND dialog) {
  return *reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// Whether the window is of the system class (L"Edit", L"ComboBox"...).
bool IsOfClass(HWND window, const wchar_t* className) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return lstrcmpiW(name, className) == 0;
}

const FieldControl* ControlOfField(EditorField field) {
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (control.field == field) return &control;
  }
  return nullptr;
}

const FieldControl* FieldOfControl(int id) {
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

const FieldControl* FieldOfChooseButton(int id) {
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (control.chooseId && control.chooseId == id) return &control;
  }
  return nullptr;
}

// --- Lists -----------------------------------------------------------------------------------

enum ProblemColumn { PROBLEM_SEVERITY_COLUMN, PROBLEM_PLACE_COLUMN, PROBLEM_MESSAGE_COLUMN };

void SelectRow(HWND list, int item) {
  LVITEMW state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
  SendMessageW(list, LVM_ENSUREVISIBLE, item, FALSE);
}

int SelectedRow(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

// Column widths in pixels at 96 DPI, scaled to the window's.
void SetUpLists(HWND dialog, int dpi) {
  const HWND questions = Control(dialog, IDC_QUESTIONS);
  const HWND problems = Control(dialog, IDC_PROBLEMS);
  for (HWND list : {questions, problems}) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
  }
  AddColumn(questions, 0, "N°", ScaledPixels(34, dpi));
  AddColumn(questions, 1, "Énoncé", ScaledPixels(210, dpi));
  AddColumn(questions, 2, "Réponses", ScaledPixels(150, dpi));
  AddColumn(problems, PROBLEM_SEVERITY_COLUMN, "Gravité", 0);
  AddColumn(problems, PROBLEM_PLACE_COLUMN, "Où", 0);
  AddColumn(problems, PROBLEM_MESSAGE_COLUMN, "Problème", 0);
}

void ScaleColumns(HWND list, int from, int to) {
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < columns; ++column) {
    const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, MulDiv(width, to, from));
  }
}

void ShowQuestionRow(HWND dialog, int index) {
  const QuestionRow row = QuestionRowOf(Editor(dialog).document.quiz, index);
  const HWND list = Control(dialog, IDC_QUESTIONS);
  SetItemText(list, index, 0, row.number);
  SetItemText(list, index, 1, row.wording);
  SetItemText(list, index, 2, row.answers);
}

void SetWordingHeader(HWND dialog) {
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<wchar_t*>(WORDING_HEADERS[Editor(dialog).document.quiz.kind & 3]);
  SendMessageW(Control(dialog, IDC_QUESTIONS), LVM_SETCOLUMNW, 1,
               reinterpret_cast<LPARAM>(&column));
}

// --- Fields ----------------------------------------------------------------------------------

void SetFieldText(HWND dialog, const FieldControl& control) {
  const EditorWindow& editor = Editor(dialog);
  const int question = OfQuestion(control) ? editor.selected : -1;
  SetDlgItemTextW(dialog, control.id,
                  WideText(FieldText(editor.document, question, control.field)).c_str());
}

void FillCombo(HWND combo, const std::vector<std::wstring>& choices, int chosen) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::wstring& choice : choices) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
  }
  SendMessageW(combo, CB_SETCURSEL, chosen, 0);
}

void ShowSettings(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  const QuizFile& quiz = editor.document.quiz;
  editor.loading = true;
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (!OfQuestion(control) && control.type == CONTROL_TEXT) SetFieldText(dialog, control);
  }
  FillCombo(Control(dialog, IDC_KIND), KIND_CHOICES, quiz.kind);
  FillCombo(Control(dialog, IDC_ANSWERS), ANSWER_CHOICES, quiz.answersPerQuestion - 1);
  FillCombo(Control(dialog, IDC_REVEAL_MODE), REVEAL_CHOICES, quiz.revealMode);
  InvalidateRect(Control(dialog, IDC_COLOUR_SAMPLE), nullptr, TRUE);
  editor.loading = false;
}

void StackQuestionRows(HWND dialog);
void ScrollToFocus(HWND dialog);

// Shows the fields that the quiz's kind, answers and reveal mode use (and those that hold
// something to empty); the quiz's own settings are disabled rather than hidden.
void ShowUsedFields(HWND dialog) {
  const EditorWindow& editor = Editor(dialog);
  const QuizFile& quiz = editor.document.quiz;
  for (const FieldControl& control : FIELD_CONTROLS) {
    const bool shown = FieldShown(quiz, OfQuestion(control) ? editor.selected : -1, control.field);
    for (int id : {control.id, control.labelId, control.chooseId}) {
      if (!id) continue;
      if (OfQuestion(control)) {
        ShowWindow(Control(dialog, id), shown ? SW_SHOW : SW_HIDE);
      } else {
        EnableWindow(Control(dialog, id), shown);
      }
    }
  }
  const bool picture = FieldUsed(FIELD_PICTURE, quiz) && editor.selected >= 0;
  ShowWindow(Control(dialog, IDC_PREVIEW), picture ? SW_SHOW : SW_HIDE);
  ShowWindow(Control(dialog, IDC_ANSWER_PREVIEW),
             picture && ShowsAnswerPictures(quiz) ? SW_SHOW : SW_HIDE);
  const bool any = editor.selected >= 0;
  for (int id : {IDC_DELETE, IDC_MOVE_UP, IDC_MOVE_DOWN}) EnableWindow(Control(dialog, id), any);
  StackQuestionRows(dialog);
}

void ShowQuestionFields(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  editor.loading = true;
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (OfQuestion(control)) SetFieldText(dialog, control);
  }
  editor.loading = false;
  ShowUsedFields(dialog);
}

// --- Pictures ----------------------------------------------------------------------------------

HBITMAP PreviewOf(EditorWindow& editor, MediaRole role, const std::string& path) {
  if (path.empty()) return nullptr;
  const CheckContext context = CheckContextOf(editor.environment, editor.document, editor.cache);
  return PicturePreview(role, ResolvedMediaPath(context.mediaFolder, path), path,
                        editor.document.quiz.backgroundColour, &editor.cache, editor.previewSide);
}

void UpdatePreviews(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  if (!editor.previewStale) return;
  editor.previewStale = false;
  for (OwnedGdiObject<HBITMAP>& preview : editor.previews) preview.Reset();
  const QuizFile& quiz = editor.document.quiz;
  if (FieldUsed(FIELD_PICTURE, quiz) && editor.selected >= 0) {
    const QuestionFile& question = quiz.questions[editor.selected];
    editor.previews[0].Reset(PreviewOf(editor, MEDIA_PICTURE, question.picture));
    if (ShowsAnswerPictures(quiz)) {
      editor.previews[1].Reset(PreviewOf(editor, MEDIA_ANSWER_PICTURE, question.answerPicture));
    }
  }
  InvalidateRect(Control(dialog, IDC_PREVIEW), nullptr, FALSE);
  InvalidateRect(Control(dialog, IDC_ANSWER_PREVIEW), nullptr, FALSE);
}

// --- Problems ----------------------------------------------------------------------------------

// The columns always fit the list's width, so that it never scrolls sideways: the message takes
// what the severity and the place leave, and the line under the list shows it whole.
void FitProblemColumns(HWND list) {
  constexpr int CELL_MARGIN = 16;
  auto widthOf = [&](const wchar_t* longest) {
    return static_cast<int>(
               SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(longest))) +
           CELL_MARGIN;
  };
  const int severity = widthOf(L"Avertissement");
  const int place = widthOf(L"question 100, image réponse");
  SendMessageW(list, LVM_SETCOLUMNWIDTH, PROBLEM_SEVERITY_COLUMN, severity);
  SendMessageW(list, LVM_SETCOLUMNWIDTH, PROBLEM_PLACE_COLUMN, place);
  RECT client;
  GetClientRect(list, &client);
  SendMessageW(list, LVM_SETCOLUMNWIDTH, PROBLEM_MESSAGE_COLUMN,
               std::max<int>(client.right - severity - place, CELL_MARGIN));
}

// The selected problem in full under the list; with none, the count.
void ShowProblemDetail(HWND dialog) {
  const EditorWindow& editor = Editor(dialog);
  const int row = SelectedRow(Control(dialog, IDC_PROBLEMS));
  const std::string text =
      row >= 0 && row < static_cast<int>(editor.problems.size())
          ? ProblemDetailText(editor.document.quiz, editor.problems[row])
          : ProblemCountText(editor.problems);
  SetDlgItemTextW(dialog, IDC_PROBLEM_DETAIL, WideText(text).c_str());
}

// The row selected before keeps its place when the check reruns; the first row otherwise, so that
// the line under the list shows a problem and the arrows start from it.
void ShowProblems(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  const HWND list = Control(dialog, IDC_PROBLEMS);
  const int selected = SelectedRow(list);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t i = 0; i < editor.problems.size(); ++i) {
    const Problem& problem = editor.problems[i];
    const int row = static_cast<int>(i);
    InsertRow(list, row, problem.severity);
    SetItemText(list, row, PROBLEM_SEVERITY_COLUMN, SeverityText(problem.severity));
    SetItemText(list, row, PROBLEM_PLACE_COLUMN, ShownProblemPlace(problem));
    SetItemText(list, row, PROBLEM_MESSAGE_COLUMN,
                ShownProblemMessage(editor.document.quiz, problem));
  }
  const int count = static_cast<int>(editor.problems.size());
  if (count > 0) SelectRow(list, std::min(std::max(selected, 0), count - 1));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  FitProblemColumns(list);  // once the list knows whether its rows need a vertical scroll bar
  InvalidateRect(list, nullptr, TRUE);
  ShowProblemDetail(dialog);
  SendMessageW(editor.status, SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(
                   WideText(ReportedCountText(editor.problems, editor.heldBack)).c_str()));
}

// The live check: the texts on every pause in typing, the media files when they may have changed.
void CheckNow(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  KillTimer(dialog, CHECK_TIMER);
  const QuizFile& quiz = editor.document.quiz;
  editor.textProblems = CheckQuizTexts(quiz, editor.environment.measure);
  for (Problem& problem : CheckQuizSize(quiz)) editor.textProblems.push_back(std::move(problem));
  if (editor.mediaStale) {
    const CheckContext context = CheckContextOf(editor.environment, editor.document, editor.cache);
    editor.mediaProblems = CheckQuizMedia(quiz, context.mediaFolder, &editor.cache);
    editor.mediaStale = false;
  }
  std::vector<Problem> problems = editor.textProblems;
  problems.insert(problems.end(), editor.mediaProblems.begin(), editor.mediaProblems.end());
  SortProblems(problems);
  editor.problems = ReportedProblems(editor.document, editor.reporting, problems);
  editor.heldBack = editor.problems.size() < problems.size();
  ShowProblems(dialog);
  UpdatePreviews(dialog);
}

LRESULT DrawProblem(const NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  NMLVCUSTOMDRAW& colours = const_cast<NMLVCUSTOMDRAW&>(draw);
  colours.clrText = draw.nmcd.lItemlParam == PROBLEM_ERROR ? RGB(192, 0, 0) : RGB(176, 112, 0);
  return CDRF_NEWFONT;
}

// Without the focus, the selected question keeps the selection's colours rather than the faint
// grey the list gives it: the author sees which question the fields show.
LRESULT DrawQuestion(HWND list, const NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || GetFocus() == list) return CDRF_DODEFAULT;
  if (!SendMessageW(list, LVM_GETITEMSTATE, draw.nmcd.dwItemSpec, LVIS_SELECTED)) {
    return CDRF_DODEFAULT;
  }
  NMLVCUSTOMDRAW& colours = const_cast<NMLVCUSTOMDRAW&>(draw);
  colours.nmcd.uItemState &= ~CDIS_SELECTED;
  colours.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  colours.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
  return CDRF_NEWFONT;
}

// --- Recovery ------------------------------------------------------------------------------

// Unsaved changes reach the recovery file once the author pauses, and at least every minute.
void ScheduleRecovery(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  if (editor.recoveryFile.empty() || !editor.document.dirty) return;
  const ULONGLONG now = GetTickCount64();
  NoteChange(editor.recovery, now);
  SetTimer(dialog, RECOVERY_TIMER, static_cast<UINT>(RecoveryDelayMs(editor.recovery, now)),
           nullptr);
}

// False when the file could not be written: the next change tries again.
bool WriteRecovery(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  KillTimer(dialog, RECOVERY_TIMER);
  if (editor.recoveryFile.empty() || !editor.document.dirty) return false;
  try {
    WriteRecoveryFile(editor.recoveryFile, editor.document);
  } catch (const IoError&) {
    return false;
  }
  NoteWritten(editor.recovery);
  return true;
}

// Nothing to recover any more: the document is saved, replaced or closed.
void ForgetRecovery(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  KillTimer(dialog, RECOVERY_TIMER);
  editor.recovery = RecoverySchedule();
  if (!editor.recoveryFile.empty()) RemoveRecoveryFile(editor.recoveryFile);
}

// --- Document ------------------------------------------------------------------------------

void UpdateTitle(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  const std::wstring title = WideText(TitleBarText(editor.document));
  if (title == editor.shownTitle) return;
  editor.shownTitle = title;
  SetWindowTextW(dialog, title.c_str());
}

// Arms the live check: it runs once the author pauses.
void Edited(HWND dialog) {
  UpdateTitle(dialog);
  SetTimer(dialog, CHECK_TIMER, CHECK_DELAY_MS, nullptr);
  ScheduleRecovery(dialog);
}

// The focus stays in a field that now shows another question: that field of the question shown
// before is left, and the new question's is not entered yet.
void LeaveFieldOfQuestionShownBefore(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  const ProblemTarget entered = editor.entered;
  if (entered.field == FIELD_NONE || !FactsOf(entered.field).ofQuestion ||
      entered.question == editor.selected) {
    return;
  }
  NoteFieldLeft(editor.reporting, entered.question, entered.field);
  editor.entered = {-1, FIELD_NONE};
  SetTimer(dialog, CHECK_TIMER, CHECK_DELAY_MS, nullptr);
}

void SelectQuestion(HWND dialog, int index) {
  EditorWindow& editor = Editor(dialog);
  const int count = static_cast<int>(editor.document.quiz.questions.size());
  editor.selected = index < count ? index : count - 1;
  LeaveFieldOfQuestionShownBefore(dialog);
  if (editor.selected >= 0) SelectRow(Control(dialog, IDC_QUESTIONS), editor.selected);
  editor.previewStale = true;
  ShowQuestionFields(dialog);
  UpdatePreviews(dialog);
}

void ShowQuestionList(HWND dialog, int selection) {
  EditorWindow& editor = Editor(dialog);
  const HWND list = Control(dialog, IDC_QUESTIONS);
  editor.loading = true;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < static_cast<int>(editor.document.quiz.questions.size()); ++i) {
    InsertRow(list, i, 0);
    ShowQuestionRow(dialog, i);
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  editor.loading = false;
  SetWordingHeader(dialog);
  SelectQuestion(dialog, selection);
}

// The document replaced: the recovery file of the one before goes; an import, unsaved, is kept.
void ShowDocument(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  ForgetRecovery(dialog);
  editor.mediaStale = true;
  ShowSettings(dialog);
  ShowQuestionList(dialog, editor.document.quiz.questions.empty() ? -1 : 0);
  UpdateTitle(dialog);
  CheckNow(dialog);
  ScheduleRecovery(dialog);
}

// Unsaved changes: "Enregistrer les modifications ?"; false when the author cancels.
bool MayDiscard(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  if (!editor.document.dirty) return true;
  switch (editor.environment.dialogs.message(dialog, L"Enregistrer les modifications ?",
                                             MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: {
      const bool saved = SaveDocument(dialog, editor.environment, editor.document, false);
      if (saved) ForgetRecovery(dialog);
      UpdateTitle(dialog);
      return saved;
    }
    case IDNO:
      return true;
    default:
      return false;
  }
}

void OpenFile(HWND dialog, const std::filesystem::path& path) {
  EditorWindow& editor = Editor(dialog);
  EditorDocument opened;
  // Media paths resolve against the quiz's folder: named in full, whatever the current folder
  // becomes later.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (!ReadDocumentFile(dialog, editor.environment, error ? path : absolute, opened)) return;
  editor.document = std::move(opened);
  // A file's empty fields are no blank quiz being typed: they show at once.
  editor.reporting = {true, {}};
  editor.leaving.clear();
  ShowDocument(dialog);
}

// The document of a recovery file, from now on kept in this window's own recovery file.
void Restore(HWND dialog, EditorDocument document, const std::filesystem::path& file) {
  Editor(dialog).document = std::move(document);
  ShowDocument(dialog);
  if (WriteRecovery(dialog)) RemoveRecoveryFile(file);
}

void TellUnreadable(HWND dialog, const std::filesystem::path& file) {
  const std::filesystem::path aside = SetRecoveryFileAside(file);
  const std::string text =
      "Le fichier de récupération " + QuotedPath(file) + " n'a pas pu être lu : " +
      (aside.empty() ? "il est effacé." : "il est mis de côté sous le nom " +
                                              QuotedPath(aside.filename()) + ".");
  Editor(dialog).environment.dialogs.message(dialog, WideText(text), MB_OK | MB_ICONWARNING);
}

void FocusControl(HWND dialog, HWND control) {
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

// A new quiz is written from its title on. The field that the focus leaves for the title is the
// closed quiz's: the new quiz's report starts after.
void OnNew(HWND dialog) {
  if (!MayDiscard(dialog)) return;
  FocusControl(dialog, Control(dialog, IDC_TITLE));
  EditorWindow& editor = Editor(dialog);
  editor.document = NewDocument();
  editor.reporting = {};
  editor.leaving.clear();
  ShowDocument(dialog);
}

void OnOpen(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  if (!MayDiscard(dialog)) return;
  const std::filesystem::path path =
      editor.environment.dialogs.chooseFile(dialog, CHOOSE_QUIZ_TO_OPEN, editor.document.file);
  if (!path.empty()) OpenFile(dialog, path);
}

// Checks everything now, the media files too: they may have changed on disk since. Saving,
// making or trying reports every empty field.
void CheckAllNow(HWND dialog) {
  Editor(dialog).mediaStale = true;
  Editor(dialog).reporting.everyField = true;
  CheckNow(dialog);
}

void OnSave(HWND dialog, bool askName) {
  EditorWindow& editor = Editor(dialog);
  editor.reporting.everyField = true;
  CheckNow(dialog);
  const std::filesystem::path folderBefore = editor.document.mediaFolder;
  const bool saved = SaveDocument(dialog, editor.environment, editor.document, askName);
  if (saved) ForgetRecovery(dialog);
  if (saved && editor.document.mediaFolder != folderBefore) {
    // Saved in another folder, the media paths now start from there: shown as written.
    ShowQuestionList(dialog, editor.selected);
    CheckAllNow(dialog);
  }
  UpdateTitle(dialog);
}

void OnTry(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  CheckAllNow(dialog);
  TrialRun trial;
  if (StartTrial(dialog, editor.environment, editor.document, editor.cache, trial)) {
    editor.trials.push_back(std::move(trial));
    SetTimer(dialog, TRIAL_TIMER, TRIAL_POLL_MS, nullptr);
  }
}

void OnMake(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  CheckAllNow(dialog);
  MakeExecutable(dialog, editor.environment, editor.document, editor.problems, editor.cache);
}

void OnMakeWebPage(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  CheckAllNow(dialog);
  MakeWebPage(dialog, editor.environment, editor.document, editor.problems, editor.cache);
}

// --- Questions -----------------------------------------------------------------------------

// The first field of the selected question that its kind shows.
void FocusQuestionFields(HWND dialog) {
  const int first =
      IsWindowVisible(Control(dialog, IDC_QUESTION_TEXT)) ? IDC_QUESTION_TEXT : IDC_ANSWER1;
  FocusControl(dialog, Control(dialog, first));
}

void QuestionListChanged(HWND dialog, int selection) {
  Editor(dialog).mediaStale = true;
  ShowQuestionList(dialog, selection);
  Edited(dialog);
}

// The fields left, and the one being typed in, follow their question; returns index.
int FollowQuestions(HWND dialog, QuestionListChange change, int index) {
  EditorWindow& editor = Editor(dialog);
  FollowQuestionList(editor.reporting, change, index);
  if (editor.entered.field != FIELD_NONE && FactsOf(editor.entered.field).ofQuestion) {
    editor.entered.question = QuestionAfter(editor.entered.question, change, index);
    if (editor.entered.question < 0) editor.entered = {-1, FIELD_NONE};
  }
  return index;
}

void OnQuestionCommand(HWND dialog, int id) {
  EditorWindow& editor = Editor(dialog);
  EditorDocument& document = editor.document;
  const int count = static_cast<int>(document.quiz.questions.size());
  const int selected = editor.selected;
  switch (id) {
    case IDC_ADD:
      QuestionListChanged(dialog, FollowQuestions(dialog, QUESTION_INSERTED,
                                                  InsertQuestion(document, count)));
      FocusQuestionFields(dialog);
      break;
    case IDC_INSERT:
      QuestionListChanged(dialog, FollowQuestions(dialog, QUESTION_INSERTED,
                                                  InsertQuestion(document, std::max(selected, 0))));
      FocusQuestionFields(dialog);
      break;
    case IDC_DELETE:
      if (selected >= 0) {
        const int next = DeleteQuestion(document, selected);
        FollowQuestions(dialog, QUESTION_REMOVED, selected);
        QuestionListChanged(dialog, next);
      }
      break;
    case IDC_MOVE_UP:
    case IDC_MOVE_DOWN:
      if (selected >= 0) {
        const int moved = MoveQuestion(document, selected, id == IDC_MOVE_UP ? -1 : 1);
        if (moved != selected) {
          FollowQuestions(dialog, QUESTION_SWAPPED_WITH_NEXT, std::min(selected, moved));
        }
        QuestionListChanged(dialog, moved);
      }
      break;
  }
}

// Ctrl+Z: the edit's own undo in a text field, else the deleted question back; the menu item
// always brings the question back.
void OnUndo(HWND dialog, bool fromKey) {
  const HWND focus = GetFocus();
  if (fromKey && IsOfClass(focus, L"Edit")) {
    SendMessageW(focus, WM_UNDO, 0, 0);
    return;
  }
  const int restored = UndoDeletion(Editor(dialog).document);
  if (restored >= 0) {
    QuestionListChanged(dialog, FollowQuestions(dialog, QUESTION_INSERTED, restored));
  }
}

// --- Edits -------------------------------------------------------------------------------------

void OnFieldEdited(HWND dialog, const FieldControl& control) {
  EditorWindow& editor = Editor(dialog);
  if (editor.loading) return;
  const std::string text = Utf8Text(WindowTextOf(Control(dialog, control.id)));
  if (OfQuestion(control)) {
    SetQuestionText(editor.document, editor.selected, control.field, text);
    ShowQuestionRow(dialog, editor.selected);
  } else {
    SetQuizText(editor.document, control.field, text);
  }
  if (FactsOf(control.field).value == VALUE_PATH) {
    editor.mediaStale = editor.previewStale = true;
  }
  Edited(dialog);
}

// A field left for another control of the window (not for another window, nor a message box):
// its empty field is reported once the live check runs.
void OnFieldLeft(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  const HWND focus = GetFocus();
  const bool stillHere = focus && IsChild(dialog, focus);
  for (const ProblemTarget& left : editor.leaving) {
    const FieldControl* control = ControlOfField(left.field);
    if (!stillHere || !control || focus == Control(dialog, control->id)) continue;
    NoteFieldLeft(editor.reporting, left.question, left.field);
    SetTimer(dialog, CHECK_TIMER, CHECK_DELAY_MS, nullptr);
  }
  editor.leaving.clear();
}

void OnFieldFocus(HWND dialog, const FieldControl& control, bool gained) {
  EditorWindow& editor = Editor(dialog);
  if (gained) {
    editor.entered = {OfQuestion(control) ? editor.selected : -1, control.field};
    return;
  }
  if (editor.entered.field != control.field) return;
  editor.leaving.push_back(editor.entered);
  editor.entered = {-1, FIELD_NONE};
  PostMessageW(dialog, WM_FIELD_LEFT, 0, 0);
}

// A kind that leaves media unused (a sound's path in a picture quiz) empties them only when the
// author agrees; otherwise the quiz keeps its kind.
void ChangeKind(HWND dialog, QuizKind kind) {
  EditorWindow& editor = Editor(dialog);
  EditorDocument changed = editor.document;
  SetKind(changed, kind);
  if (ClearUnusedMedia(changed) > 0 &&
      editor.environment.dialogs.message(
          dialog,
          L"Des questions ont des fichiers (images, sons ou films) que ce type de quiz n'utilise "
          L"pas.\nChanger de type et les retirer du quiz ?",
          MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
    ShowSettings(dialog);  // the kind as it was
    return;
  }
  editor.document = std::move(changed);
}

void OnSettingChosen(HWND dialog, int id) {
  EditorWindow& editor = Editor(dialog);
  if (editor.loading) return;
  const int chosen = static_cast<int>(SendMessageW(Control(dialog, id), CB_GETCURSEL, 0, 0));
  if (chosen < 0) return;
  if (id == IDC_KIND) {
    ChangeKind(dialog, static_cast<QuizKind>(chosen));
  } else if (id == IDC_ANSWERS) {
    SetAnswersPerQuestion(editor.document, chosen + 1);
  } else {
    SetRevealMode(editor.document, static_cast<RevealMode>(chosen));
  }
  QuestionListChanged(dialog, editor.selected);
}

void OnChooseColour(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  COLORREF colour = editor.document.quiz.backgroundColour;
  if (!editor.environment.dialogs.chooseColour(dialog, colour)) return;
  SetBackgroundColour(editor.document, colour);
  editor.mediaStale = editor.previewStale = true;  // transparent pictures lie on the colour
  InvalidateRect(Control(dialog, IDC_COLOUR_SAMPLE), nullptr, TRUE);
  Edited(dialog);
}

void OnChooseMedia(HWND dialog, const FieldControl& control) {
  EditorWindow& editor = Editor(dialog);
  const std::filesystem::path chosen = editor.environment.dialogs.chooseFile(
      dialog, control.choice, editor.document.mediaFolder / "");
  if (chosen.empty()) return;
  SetDlgItemTextW(dialog, control.id,
                  WideText(ShownPath(MediaPathFor(editor.document, chosen))).c_str());
}

// Double-click or Enter on a problem: its question selected, the focus in its field.
void GoToProblem(HWND dialog, int row) {
  EditorWindow& editor = Editor(dialog);
  if (row < 0 || row >= static_cast<int>(editor.problems.size())) return;
  const Problem& problem = editor.problems[row];
  const ProblemTarget target = TargetOfProblem(problem);
  if (target.question >= 0) SelectQuestion(dialog, target.question);
  const FieldControl* control = ControlOfField(target.field);
  if (!control) return;
  const HWND window = Control(dialog, control->id);
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return;
  FocusControl(dialog, window);
  ScrollToFocus(dialog);
  if (target.field == FIELD_CODES && problem.index > 0) {
    const LRESULT start = SendMessageW(window, EM_LINEINDEX, problem.index - 1, 0);
    if (start >= 0) {
      SendMessageW(window, EM_SETSEL, start, start + SendMessageW(window, EM_LINELENGTH, start, 0));
    }
  }
}

// Enter: on a problem, go to it; in the question list, go to the question's fields.
void OnEnter(HWND dialog) {
  const HWND focus = GetFocus();
  if (focus == Control(dialog, IDC_PROBLEMS)) GoToProblem(dialog, SelectedRow(focus));
  if (focus == Control(dialog, IDC_QUESTIONS)) FocusQuestionFields(dialog);
}

// --- Screen readers ------------------------------------------------------------------------

struct ControlName {
  int id;
  const wchar_t* name;
};

// The controls that no label names: the buttons by what they choose (their texts alone say only
// "Choisir…"), the line under the problem list by what it shows.
const ControlName OWN_NAMES[] = {
    {IDC_COLOUR, L"Couleur du fond…"},
    {IDC_CHOOSE_PICTURE, L"Choisir l'image…"},
    {IDC_CHOOSE_SOUND, L"Choisir le son…"},
    {IDC_CHOOSE_FILM, L"Choisir le film…"},
    {IDC_CHOOSE_ANSWER_PICTURE, L"Choisir l'image réponse…"},
    {IDC_PROBLEM_DETAIL, L"Problème sélectionné"},
};

// The label that a control follows in the form: the nearest text before it.
std::wstring LabelBefore(HWND control) {
  for (HWND before = GetWindow(control, GW_HWNDPREV); before;
       before = GetWindow(before, GW_HWNDPREV)) {
    if (!IsOfClass(before, L"Static")) continue;
    const std::wstring text = WindowTextOf(before);
    if (!text.empty()) return text;
  }
  return L"";
}

// Every field and list is named by its label whatever its class: the system names some by their
// value (a combo box) or not at all (a list view).
void NameControlsForScreenReaders(HWND dialog) {
  std::vector<int> labelled = {IDC_PROBLEMS};
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (control.type != CONTROL_BUTTON) labelled.push_back(control.id);
  }
  for (int id : labelled) {
    SetAccessibleName(Control(dialog, id), NameOfLabel(LabelBefore(Control(dialog, id))));
  }
  for (const ControlName& own : OWN_NAMES) SetAccessibleName(Control(dialog, own.id), own.name);
}

// --- Layout --------------------------------------------------------------------------------

// Dialog units kept at least by what shortens or narrows when the window is smaller than the
// form: the question list, then the problem list, in height; the question's fields in width.
constexpr int QUESTIONS_LEAST_HEIGHT = 20;
constexpr int PROBLEMS_LEAST_HEIGHT = 20;
constexpr int FIELDS_LEAST_WIDTH = 90;
// Dialog units between the previews and the buttons under them.
constexpr int PREVIEW_MARGIN = 4;
// Dialog units that a click on a scroll bar's arrow scrolls.
constexpr int SCROLL_LINE = 10;

PlacedControl* PlacedOf(FormLayout& layout, HWND control) {
  for (PlacedControl& placed : layout.controls) {
    if (placed.control == control) return &placed;
  }
  return nullptr;
}

// Dialog units between the tops of the question's rows in the form.
constexpr int QUESTION_ROW_PITCH = 13;

int PixelsDown(HWND dialog, int units) {
  RECT rect = {0, 0, 0, units};
  MapDialogRect(dialog, &rect);
  return rect.bottom;
}

int PixelsAcross(HWND dialog, int units) {
  RECT rect = {0, 0, units, 0};
  MapDialogRect(dialog, &rect);
  return rect.right;
}

int HeightInForm(HWND dialog, int id) {
  const PlacedControl* placed = PlacedOf(Editor(dialog).form, Control(dialog, id));
  return placed ? placed->box.bottom - placed->box.top : 0;
}

// What the question list gives up of its height before the problem list gives up any.
int QuestionsSlack(HWND dialog) {
  return std::max(0, HeightInForm(dialog, IDC_QUESTIONS) -
                         PixelsDown(dialog, QUESTIONS_LEAST_HEIGHT));
}

// The least the form shrinks to: the lists at their least height, the media fields (the
// narrowest that narrow) at their least width.
SIZE SmallestForm(HWND dialog) {
  const EditorWindow& editor = Editor(dialog);
  const int problemsSlack = std::max(
      0, HeightInForm(dialog, IDC_PROBLEMS) - PixelsDown(dialog, PROBLEMS_LEAST_HEIGHT));
  const Box field = BoxInForm(dialog, Control(dialog, IDC_PICTURE));
  const int fieldSlack =
      std::max(0, field.right - field.left - PixelsAcross(dialog, FIELDS_LEAST_WIDTH));
  return {editor.form.client.cx - fieldSlack,
          editor.form.client.cy - QuestionsSlack(dialog) - problemsSlack};
}

// The previews show the picture box of the player as it looks on this screen (Windows enlarges
// the player, which is not DPI aware, by the DPI's scale), smaller when the window leaves less
// room beside each other in the question's group and above the buttons.
void FitPreviews(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  const Box group = BoxInForm(dialog, Control(dialog, IDC_QUESTION_GROUP));
  const Box preview = BoxInForm(dialog, Control(dialog, IDC_PREVIEW));
  const Box buttons = BoxInForm(dialog, Control(dialog, IDC_TRY));
  const int side = std::max(
      0, std::min({ScaledPixels(PICTURE_CELL_SIZE, editor.dpi), (group.right - group.left) / 2,
                   buttons.top - PixelsDown(dialog, PREVIEW_MARGIN) - preview.top}));
  MoveWindow(Control(dialog, IDC_PREVIEW), group.left, preview.top, side, side, TRUE);
  MoveWindow(Control(dialog, IDC_ANSWER_PREVIEW), group.right - side, preview.top, side, side,
             TRUE);
  if (side == editor.previewSide) return;
  editor.previewSide = side;
  editor.previewStale = true;
  UpdatePreviews(dialog);
}

// The form laid out in the client area, scrolled, and never smaller than its least size: as the
// window shortens, the question list shortens first, then the problem list.
void PlaceForm(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  const int width = std::max<int>(client.right, editor.smallest.cx);
  const int height = std::max<int>(client.bottom, editor.smallest.cy);
  const int shortening = editor.layout.client.cy - height;
  const int byQuestions = std::min(shortening, QuestionsSlack(dialog));
  const POINT origin = {-editor.scrolled.x, -editor.scrolled.y};
  ApplyLayout(editor.layout, width, editor.layout.client.cy - byQuestions, origin);
  if (shortening > byQuestions) {
    const int byProblems = shortening - byQuestions;
    const HWND problems = Control(dialog, IDC_PROBLEMS);
    const Box box = BoxInForm(dialog, problems);
    MoveWindow(problems, box.left, box.top, box.right - box.left,
               box.bottom - box.top - byProblems, TRUE);
    // The selected problem's line stays right under the list.
    const HWND detail = Control(dialog, IDC_PROBLEM_DETAIL);
    const Box line = BoxInForm(dialog, detail);
    MoveWindow(detail, line.left, line.top - byProblems, line.right - line.left,
               line.bottom - line.top, TRUE);
  }
  FitPreviews(dialog);
}

// One scroll bar: shown when the client area is shorter (or narrower) than the smallest form.
// Returns the position it keeps.
int SetScrollBar(HWND dialog, int bar, int page, int form) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE | SIF_RANGE;
  info.nMax = form - 1;
  info.nPage = static_cast<UINT>(page);
  SetScrollInfo(dialog, bar, &info, TRUE);
  return page < form ? GetScrollPos(dialog, bar) : 0;
}

void UpdateScrollBars(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  editor.scrolled.x = SetScrollBar(dialog, SB_HORZ, client.right, editor.smallest.cx);
  GetClientRect(dialog, &client);  // a horizontal bar takes some height
  editor.scrolled.y = SetScrollBar(dialog, SB_VERT, client.bottom, editor.smallest.cy);
}

void ScrollTo(HWND dialog, POINT position) {
  EditorWindow& editor = Editor(dialog);
  SetScrollPos(dialog, SB_HORZ, position.x, TRUE);
  SetScrollPos(dialog, SB_VERT, position.y, TRUE);
  editor.scrolled = {GetScrollPos(dialog, SB_HORZ), GetScrollPos(dialog, SB_VERT)};
  PlaceForm(dialog);
  InvalidateRect(dialog, nullptr, TRUE);
}

// How far to scroll for the span low..high to show in 0..side: as little as will do, its start
// first when it is longer than the side.
int ShiftToShow(int low, int high, int side) {
  if (low < 0) return low;
  if (high > side) return std::min(high - side, low);
  return 0;
}

// The form scrolled, when it is, so that the control with the focus shows whole.
void ScrollToFocus(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  HWND focus = GetFocus();
  while (focus && GetParent(focus) != dialog) focus = GetParent(focus);
  if (!focus || focus == editor.status) return;
  RECT client, status;
  GetClientRect(dialog, &client);
  GetWindowRect(editor.status, &status);
  const Box box = BoxInForm(dialog, focus);
  const POINT shift = {ShiftToShow(box.left, box.right, client.right),
                       ShiftToShow(box.top, box.bottom,
                                   client.bottom - (status.bottom - status.top))};
  if (shift.x || shift.y) {
    ScrollTo(dialog, {editor.scrolled.x + shift.x, editor.scrolled.y + shift.y});
  }
}

void OnScroll(HWND dialog, int bar, int request) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(dialog, bar, &info);
  const int line = bar == SB_VERT ? PixelsDown(dialog, SCROLL_LINE)
                                  : PixelsAcross(dialog, SCROLL_LINE);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP:
      position -= line;
      break;
    case SB_LINEDOWN:
      position += line;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      return;
  }
  const POINT scrolled = Editor(dialog).scrolled;
  ScrollTo(dialog, bar == SB_VERT ? POINT{scrolled.x, position} : POINT{position, scrolled.y});
}

// Where the dialog manager would put an edge of the form that far down by rows of the question:
// the edge's dialog units found back, moved, mapped again, so that rounding puts the rows where
// the template would.
int EdgeMovedByRows(HWND dialog, int edge, int rows) {
  const int units = MulDiv(edge, 8, PixelsDown(dialog, 8));
  return PixelsDown(dialog, units + rows * QUESTION_ROW_PITCH);
}

// Moves a control by rows of the question from where the template puts it; a frame around the
// rows only by its bottom.
void MoveByRows(HWND dialog, HWND control, int rows, bool bottomOnly) {
  EditorWindow& editor = Editor(dialog);
  const PlacedControl* from = PlacedOf(editor.form, control);
  PlacedControl* to = PlacedOf(editor.layout, control);
  if (!from || !to) return;
  to->box = from->box;
  if (bottomOnly) {
    to->box.bottom = EdgeMovedByRows(dialog, from->box.bottom, rows);
    return;
  }
  to->box.top = EdgeMovedByRows(dialog, from->box.top, rows);
  to->box.bottom += to->box.top - from->box.top;
}

// The question's visible rows close up: the n-th takes the place of the template's n-th row,
// label, field and button together; the group's frame and the previews follow the last one.
void StackQuestionRows(HWND dialog) {
  if (Editor(dialog).form.controls.empty()) return;
  int row = 0, shown = 0;
  for (const FieldControl& control : FIELD_CONTROLS) {
    if (!OfQuestion(control)) continue;
    const int rows = shown - row++;
    if (GetWindowLongPtrW(Control(dialog, control.id), GWL_STYLE) & WS_VISIBLE) ++shown;
    for (int id : {control.id, control.labelId, control.chooseId}) {
      if (id) MoveByRows(dialog, Control(dialog, id), rows, false);
    }
  }
  const int rows = shown ? shown - row : 0;
  MoveByRows(dialog, Control(dialog, IDC_QUESTION_GROUP), rows, true);
  for (int id : {IDC_PREVIEW, IDC_ANSWER_PREVIEW}) {
    MoveByRows(dialog, Control(dialog, id), rows, false);
  }
  PlaceForm(dialog);
}

// The client area that the template's size gives in this window's font: the window made from it
// may have been cut to the screen already.
SIZE TemplateClient(HWND dialog) {
  RECT client = {};
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_EDITOR), RT_DIALOG);
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  if (const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr) {
    const bool extended = words[1] == 0xFFFF;  // DLGTEMPLATEEX: cx and cy at bytes 22 and 24
    client.right = static_cast<short>(words[extended ? 11 : 7]);
    client.bottom = static_cast<short>(words[extended ? 12 : 8]);
  }
  MapDialogRect(dialog, &client);
  return {client.right, client.bottom};
}

// Records where the form puts each control, once the status bar has room under it; the window
// then fits its monitor's work area.
void LayOut(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  RECT status;
  GetWindowRect(editor.status, &status);
  const SIZE client = TemplateClient(dialog);
  editor.form = RecordLayout(dialog, ANCHORS, {client.cx, client.cy + (status.bottom - status.top)},
                             editor.status);
  editor.layout = editor.form;
  editor.smallest = SmallestForm(dialog);
  RECT window, now;
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &now);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  const int width =
      std::min<int>(window.right - window.left - now.right + editor.form.client.cx,
                    work.right - work.left);
  const int height =
      std::min<int>(window.bottom - window.top - now.bottom + editor.form.client.cy,
                    work.bottom - work.top);
  editor.minimumWindow = {width * 3 / 4, height * 3 / 4};
  SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER);
}

void OnSize(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  SendMessageW(editor.status, WM_SIZE, 0, 0);
  if (editor.layout.controls.empty()) return;
  UpdateScrollBars(dialog);
  PlaceForm(dialog);
  FitProblemColumns(Control(dialog, IDC_PROBLEMS));
  InvalidateRect(dialog, nullptr, TRUE);
}

// The window's icons, at the size of the window's DPI.
void SetIcons(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  for (WPARAM size : {ICON_BIG, ICON_SMALL}) {
    const int side = ScaledPixels(size == ICON_BIG ? 32 : 16, editor.dpi);
    OwnedIcon& icon = editor.icons[size == ICON_BIG ? 0 : 1];
    icon.Reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                             IMAGE_ICON, side, side, 0)));
    if (icon.Get()) SendMessageW(dialog, WM_SETICON, size, reinterpret_cast<LPARAM>(icon.Get()));
  }
}

// Moved to a monitor of another DPI: Windows has scaled the dialog's font and controls (per
// monitor v2); what is kept in pixels follows, and the window takes the rectangle suggested.
void OnDpiChanged(HWND dialog, int dpi, const RECT& suggested) {
  EditorWindow& editor = Editor(dialog);
  const int from = editor.dpi;
  if (dpi == from) return;
  for (FormLayout* layout : {&editor.form, &editor.layout}) ScaleLayout(*layout, from, dpi);
  editor.smallest = {MulDiv(editor.smallest.cx, dpi, from), MulDiv(editor.smallest.cy, dpi, from)};
  editor.minimumWindow = {MulDiv(editor.minimumWindow.cx, dpi, from),
                          MulDiv(editor.minimumWindow.cy, dpi, from)};
  for (int id : {IDC_QUESTIONS, IDC_PROBLEMS}) ScaleColumns(Control(dialog, id), from, dpi);
  editor.dpi = dpi;
  SetIcons(dialog);
  SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Messages ------------------------------------------------------------------------------

BOOL OnInitDialog(HWND dialog, LPARAM parameter) {
  SetWindowLongPtrW(dialog, DWLP_USER, parameter);
  EditorWindow& editor = Editor(dialog);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  editor.keys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_EDITOR_KEYS));
  editor.status = CreateWindowExW(
      0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)), instance, nullptr);
  editor.dpi = WindowDpi(dialog);
  SetIcons(dialog);
  SetUpLists(dialog, editor.dpi);
  NameControlsForScreenReaders(dialog);
  LayOut(dialog);
  if (!editor.environment.recoveryFolder.empty()) {
    editor.recoveryFile = NewRecoveryFile(editor.environment.recoveryFolder);
  }
  editor.document = NewDocument();
  ShowDocument(dialog);
  return TRUE;
}

void OnCommand(HWND dialog, int id, int notification) {
  if (const FieldControl* chosen = FieldOfChooseButton(id)) {
    OnChooseMedia(dialog, *chosen);
    return;
  }
  const FieldControl* field = FieldOfControl(id);
  if (field && field->type == CONTROL_TEXT) {
    if (notification == EN_CHANGE) OnFieldEdited(dialog, *field);
    if (notification == EN_SETFOCUS || notification == EN_KILLFOCUS) {
      OnFieldFocus(dialog, *field, notification == EN_SETFOCUS);
    }
    return;
  }
  if (field && field->type == CONTROL_CHOICE) {
    if (notification == CBN_SELCHANGE) OnSettingChosen(dialog, id);
    return;
  }
  switch (id) {
    case IDM_NEW:
      OnNew(dialog);
      break;
    case IDM_OPEN:
      OnOpen(dialog);
      break;
    case IDM_SAVE:
      OnSave(dialog, false);
      break;
    case IDM_SAVE_AS:
      OnSave(dialog, true);
      break;
    case IDM_QUIT:
      SendMessageW(dialog, WM_CLOSE, 0, 0);
      break;
    case IDM_UNDO_DELETE:
      OnUndo(dialog, notification == 1);  // 1: from the accelerator
      break;
    case IDC_TRY:
      OnTry(dialog);
      break;
    case IDC_MAKE:
      OnMake(dialog);
      break;
    case IDC_MAKE_WEB_PAGE:
      OnMakeWebPage(dialog);
      break;
    case IDM_CLASS_RESULTS:
      ShowClassResults(dialog, Editor(dialog).environment, Editor(dialog).document);
      break;
    case IDC_COLOUR:
      OnChooseColour(dialog);
      break;
    case IDOK:
      OnEnter(dialog);
      break;
    default:
      OnQuestionCommand(dialog, id);
      break;
  }
}

// A list that gets the focus with no row selected selects one, so that the arrows start from it:
// the question that the fields show, or the first problem.
void SelectRowOnFocus(HWND dialog, HWND list) {
  if (SelectedRow(list) >= 0 || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0) return;
  const int row = list == Control(dialog, IDC_QUESTIONS) ? Editor(dialog).selected : 0;
  if (row >= 0) SelectRow(list, row);
}

// Returns the notification's result, stored for the dialog manager.
LRESULT OnNotify(HWND dialog, const NMHDR& header) {
  EditorWindow& editor = Editor(dialog);
  if (header.code == NM_SETFOCUS &&
      (header.idFrom == IDC_PROBLEMS || header.idFrom == IDC_QUESTIONS)) {
    SelectRowOnFocus(dialog, header.hwndFrom);
  }
  if (header.idFrom == IDC_PROBLEMS) {
    if (header.code == NM_CUSTOMDRAW)
      return DrawProblem(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
    if (header.code == NM_DBLCLK) {
      GoToProblem(dialog, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
    }
    if (header.code == LVN_ITEMCHANGED) ShowProblemDetail(dialog);
    return 0;
  }
  if (header.idFrom == IDC_QUESTIONS && header.code == NM_CUSTOMDRAW) {
    return DrawQuestion(header.hwndFrom, reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
  }
  if (header.idFrom != IDC_QUESTIONS || editor.loading) return 0;
  if (header.code == LVN_ITEMCHANGED) {
    const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
        change.iItem != editor.selected) {
      SelectQuestion(dialog, change.iItem);
    }
  } else if (header.code == LVN_KEYDOWN &&
             reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) {
    OnQuestionCommand(dialog, IDC_DELETE);
  }
  return 0;
}

void OnTimer(HWND dialog, UINT_PTR timer) {
  EditorWindow& editor = Editor(dialog);
  if (timer == CHECK_TIMER) {
    CheckNow(dialog);
    return;
  }
  if (timer == RECOVERY_TIMER) {
    WriteRecovery(dialog);
    return;
  }
  auto& trials = editor.trials;
  trials.erase(std::remove_if(trials.begin(), trials.end(), FinishTrialIfEnded), trials.end());
  if (trials.empty()) KillTimer(dialog, TRIAL_TIMER);
}

// The colour sample and the previews, on the quiz's background.
void OnDrawItem(HWND dialog, const DRAWITEMSTRUCT& item) {
  const EditorWindow& editor = Editor(dialog);
  const COLORREF background = editor.document.quiz.backgroundColour;
  switch (item.CtlID) {
    case IDC_COLOUR_SAMPLE:
      DrawPicturePreview(item, nullptr, background, L"");
      break;
    case IDC_PREVIEW:
      DrawPicturePreview(item, editor.previews[0].Get(), background, L"Pas d'image à montrer");
      break;
    case IDC_ANSWER_PREVIEW:
      DrawPicturePreview(item, editor.previews[1].Get(), background,
                         L"Pas d'image réponse à montrer");
      break;
  }
}

// The window's data goes with its last message: the controls, destroyed after the window's
// WM_DESTROY, may still notify it. Trials still running are left to run.
void OnNcDestroy(HWND dialog) {
  ForgetRecovery(dialog);  // closed normally: what was not saved, the author chose to lose
  EditorWindow* editor = &Editor(dialog);
  SetWindowLongPtrW(dialog, DWLP_USER, 0);
  if (editor->quitOnClose) PostQuitMessage(0);
  delete editor;
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog(dialog, lParam);
  if (!GetWindowLongPtrW(dialog, DWLP_USER)) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT,
                        OnNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam)));
      return TRUE;
    case WM_TIMER:
      OnTimer(dialog, wParam);
      return TRUE;
    case WM_FIELD_LEFT:
      OnFieldLeft(dialog);
      return TRUE;
    case WM_SIZE:
      OnSize(dialog);
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam) return FALSE;  // a control's own scroll bar
      OnScroll(dialog, message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
      return TRUE;
    case WM_MOUSEWHEEL:  // a turn that no control took: the form scrolls, when it does
      if (!(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_VSCROLL)) return FALSE;
      OnScroll(dialog, SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(dialog, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {Editor(dialog).minimumWindow.cx,
                                                               Editor(dialog).minimumWindow.cy};
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      if (MayDiscard(dialog)) DestroyWindow(dialog);
      return TRUE;
    case WM_QUERYENDSESSION:  // logging off or shutting down: unsaved changes are asked for too
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, MayDiscard(dialog));
      return TRUE;
    case WM_ENDSESSION:  // the author answered, and the process ends without closing the window
      if (wParam) ForgetRecovery(dialog);
      return TRUE;
    case WM_NCDESTROY:
      OnNcDestroy(dialog);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

HWND OpenEditorWindow(HINSTANCE instance, const EditorEnvironment& environment,
                      const std::filesystem::path& file, bool quitOnClose) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  auto editor = std::make_unique<EditorWindow>();
  editor->environment = environment;
  editor->quitOnClose = quitOnClose;
  const HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_EDITOR), nullptr,
                                         EditorProc, reinterpret_cast<LPARAM>(editor.get()));
  if (!dialog) return nullptr;
  editor.release();  // the window owns it now
  if (!file.empty()) OpenFile(dialog, file);
  ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}

namespace {

// Alt+Up and Alt+Down in a combo box (or its edit part) open and close its list, as everywhere
// in Windows, rather than move the question.
bool IsComboBoxKey(const MSG& message) {
  if (message.message != WM_SYSKEYDOWN || (message.wParam != VK_UP && message.wParam != VK_DOWN)) {
    return false;
  }
  return IsOfClass(message.hwnd, L"ComboBox") || IsOfClass(GetParent(message.hwnd), L"ComboBox");
}

}  // namespace

bool HandleEditorKeys(HWND editor, MSG& message) {
  const EditorWindow* window =
      reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(editor, DWLP_USER));
  if (!window) return false;
  // A window of the editor's own (the class results) has its dialog keys, not the editor's.
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && root != editor && GetWindow(root, GW_OWNER) == editor) {
    return IsDialogMessageW(root, &message);
  }
  const bool handled =
      (!IsComboBoxKey(message) && TranslateAcceleratorW(editor, window->keys, &message)) ||
      IsDialogMessageW(editor, &message);
  // The focus moved by the keyboard shows, in a form scrolled on a small screen.
  if (handled && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
      IsWindow(editor)) {
    ScrollToFocus(editor);
  }
  return handled;
}

void OfferRecoveries(HWND editor) {
  EditorWindow& window = Editor(editor);
  if (window.recoveryFile.empty()) return;
  for (const std::filesystem::path& file :
       RecoveryFilesLeftBehind(window.environment.recoveryFolder)) {
    EditorDocument document;
    if (!ReadRecoveryFile(file, document)) {
      TellUnreadable(editor, file);
      continue;
    }
    if (window.environment.dialogs.message(editor, WideText(RecoveryQuestion(document)),
                                           MB_YESNO | MB_ICONQUESTION) != IDYES) {
      RemoveRecoveryFile(file);
      continue;
    }
    const bool windowFree = !window.document.dirty && window.document.file.empty();
    if (windowFree) {
      Restore(editor, std::move(document), file);
    } else if (!StartEditorRestoring(file)) {
      window.environment.dialogs.message(
          editor,
          WideText("Aucun autre éditeur n'a pu s'ouvrir pour " + Quoted(DocumentName(document)) +
                   " : ses modifications seront proposées au prochain démarrage."),
          MB_OK | MB_ICONWARNING);
    }
  }
}

void RestoreRecovery(HWND editor, const std::filesystem::path& file) {
  EditorDocument document;
  if (ReadRecoveryFile(file, document)) {
    Restore(editor, std::move(document), file);
  } else {
    TellUnreadable(editor, file);
  }
}

const EditorDocument& EditedDocument(HWND editor) { return Editor(editor).document; }

const std::vector<Problem>& ShownProblems(HWND editor) { return Editor(editor).problems; }
