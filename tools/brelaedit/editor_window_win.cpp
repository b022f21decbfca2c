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
#include "tools/brelaedit/accessible_name_win.h"
#include "tools/brelaedit/editor_ids.h"
#include "tools/brelaedit/form_layout_win.h"
#include "tools/brelaedit/picture_preview_win.h"
#include "tools/brelaedit/window_text_win.h"

namespace {

constexpr UINT_PTR TRIAL_TIMER = 2;
constexpr UINT TRIAL_POLL_MS = 500;

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
  std::vector<Problem> textProblems, mediaProblems, problems;
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
  SIZE minimumWindow = {};
  std::wstring shownTitle;
  std::vector<TrialRun> trials;
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

void AddColumn(HWND list, int index, const wchar_t* title, int width) {
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<wchar_t*>(title);
  column.cx = width;
  SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetItemText(HWND list, int item, int column, const std::string& utf8) {
  std::wstring text = WideText(utf8);
  LVITEMW entry = {};
  entry.iSubItem = column;
  entry.pszText = text.data();
  SendMessageW(list, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
}

void InsertRow(HWND list, int item, LPARAM data) {
  LVITEMW entry = {};
  entry.mask = LVIF_PARAM | LVIF_TEXT;
  entry.iItem = item;
  entry.lParam = data;
  entry.pszText = const_cast<wchar_t*>(L"");
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

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

void SetUpLists(HWND dialog) {
  const HWND questions = Control(dialog, IDC_QUESTIONS);
  const HWND problems = Control(dialog, IDC_PROBLEMS);
  for (HWND list : {questions, problems}) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
  }
  AddColumn(questions, 0, L"N°", 34);
  AddColumn(questions, 1, L"Énoncé", 210);
  AddColumn(questions, 2, L"Réponses", 150);
  AddColumn(problems, PROBLEM_SEVERITY_COLUMN, L"Gravité", 0);
  AddColumn(problems, PROBLEM_PLACE_COLUMN, L"Où", 0);
  AddColumn(problems, PROBLEM_MESSAGE_COLUMN, L"Problème", 0);
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
                        editor.document.quiz.backgroundColour, &editor.cache);
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
               reinterpret_cast<LPARAM>(WideText(ProblemCountText(editor.problems)).c_str()));
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
  editor.problems = editor.textProblems;
  editor.problems.insert(editor.problems.end(), editor.mediaProblems.begin(),
                         editor.mediaProblems.end());
  SortProblems(editor.problems);
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
}

void SelectQuestion(HWND dialog, int index) {
  EditorWindow& editor = Editor(dialog);
  const int count = static_cast<int>(editor.document.quiz.questions.size());
  editor.selected = index < count ? index : count - 1;
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

void ShowDocument(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  editor.mediaStale = true;
  ShowSettings(dialog);
  ShowQuestionList(dialog, editor.document.quiz.questions.empty() ? -1 : 0);
  UpdateTitle(dialog);
  CheckNow(dialog);
}

// Unsaved changes: "Enregistrer les modifications ?"; false when the author cancels.
bool MayDiscard(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  if (!editor.document.dirty) return true;
  switch (editor.environment.dialogs.message(dialog, L"Enregistrer les modifications ?",
                                             MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: {
      const bool saved = SaveDocument(dialog, editor.environment, editor.document, false);
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
  ShowDocument(dialog);
}

void FocusControl(HWND dialog, HWND control) {
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

// A new quiz is written from its title on.
void OnNew(HWND dialog) {
  if (!MayDiscard(dialog)) return;
  Editor(dialog).document = NewDocument();
  ShowDocument(dialog);
  FocusControl(dialog, Control(dialog, IDC_TITLE));
}

void OnOpen(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  if (!MayDiscard(dialog)) return;
  const std::filesystem::path path =
      editor.environment.dialogs.chooseFile(dialog, CHOOSE_QUIZ_TO_OPEN, editor.document.file);
  if (!path.empty()) OpenFile(dialog, path);
}

// Checks everything now, the media files too: they may have changed on disk since.
void CheckAllNow(HWND dialog) {
  Editor(dialog).mediaStale = true;
  CheckNow(dialog);
}

void OnSave(HWND dialog, bool askName) {
  EditorWindow& editor = Editor(dialog);
  const std::filesystem::path folderBefore = editor.document.mediaFolder;
  if (SaveDocument(dialog, editor.environment, editor.document, askName) &&
      editor.document.mediaFolder != folderBefore) {
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

void OnQuestionCommand(HWND dialog, int id) {
  EditorWindow& editor = Editor(dialog);
  EditorDocument& document = editor.document;
  const int count = static_cast<int>(document.quiz.questions.size());
  switch (id) {
    case IDC_ADD:
      QuestionListChanged(dialog, InsertQuestion(document, count));
      FocusQuestionFields(dialog);
      break;
    case IDC_INSERT:
      QuestionListChanged(dialog,
                          InsertQuestion(document, editor.selected < 0 ? 0 : editor.selected));
      FocusQuestionFields(dialog);
      break;
    case IDC_DELETE:
      if (editor.selected >= 0)
        QuestionListChanged(dialog, DeleteQuestion(document, editor.selected));
      break;
    case IDC_MOVE_UP:
    case IDC_MOVE_DOWN:
      if (editor.selected >= 0) {
        QuestionListChanged(dialog,
                            MoveQuestion(document, editor.selected, id == IDC_MOVE_UP ? -1 : 1));
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
  if (restored >= 0) QuestionListChanged(dialog, restored);
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

// The previews take the player's picture box, the picture at the left of the question's group
// and the answer picture at its right.
void SizePreviews(HWND dialog) {
  const Box group = BoxInForm(dialog, Control(dialog, IDC_QUESTION_GROUP));
  const Box preview = BoxInForm(dialog, Control(dialog, IDC_PREVIEW));
  MoveWindow(Control(dialog, IDC_PREVIEW), group.left, preview.top, PICTURE_CELL_SIZE,
             PICTURE_CELL_SIZE, FALSE);
  MoveWindow(Control(dialog, IDC_ANSWER_PREVIEW), group.right - PICTURE_CELL_SIZE, preview.top,
             PICTURE_CELL_SIZE, PICTURE_CELL_SIZE, FALSE);
}

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
  RECT client;
  GetClientRect(dialog, &client);
  ApplyLayout(Editor(dialog).layout, client.right, client.bottom);
}

// Records where the form puts each control, once the status bar has room under it; the window
// then fits the screen's work area.
void LayOut(HWND dialog) {
  EditorWindow& editor = Editor(dialog);
  SizePreviews(dialog);
  RECT client, status, window;
  GetClientRect(dialog, &client);
  GetWindowRect(editor.status, &status);
  editor.form = RecordLayout(
      dialog, ANCHORS, {client.right, client.bottom + (status.bottom - status.top)}, editor.status);
  editor.layout = editor.form;
  GetWindowRect(dialog, &window);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = std::min<int>(window.right - window.left, work.right - work.left);
  const int height = std::min<int>(window.bottom - window.top + (status.bottom - status.top),
                                   work.bottom - work.top);
  editor.minimumWindow = {width * 3 / 4, height * 3 / 4};
  SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER);
}

void OnSize(HWND dialog, int width, int height) {
  EditorWindow& editor = Editor(dialog);
  SendMessageW(editor.status, WM_SIZE, 0, 0);
  if (editor.layout.controls.empty()) return;
  ApplyLayout(editor.layout, width, height);
  FitProblemColumns(Control(dialog, IDC_PROBLEMS));
  InvalidateRect(dialog, nullptr, TRUE);
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
  for (WPARAM size : {ICON_BIG, ICON_SMALL}) {
    const int side = GetSystemMetrics(size == ICON_BIG ? SM_CXICON : SM_CXSMICON);
    OwnedIcon& icon = editor.icons[size == ICON_BIG ? 0 : 1];
    icon.Reset(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, side, side, 0)));
    if (icon.Get()) SendMessageW(dialog, WM_SETICON, size, reinterpret_cast<LPARAM>(icon.Get()));
  }
  SetUpLists(dialog);
  NameControlsForScreenReaders(dialog);
  LayOut(dialog);
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
    case WM_SIZE:
      OnSize(dialog, LOWORD(lParam), HIWORD(lParam));
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
  return (!IsComboBoxKey(message) && TranslateAcceleratorW(editor, window->keys, &message)) ||
         IsDialogMessageW(editor, &message);
}

const EditorDocument& EditedDocument(HWND editor) { return Editor(editor).document; }

const std::vector<Problem>& ShownProblems(HWND editor) { return Editor(editor).problems; }
