// The class results window, a modeless dialog over the graded class.
#include "tools/brelaedit/class_results_window_win.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "board/verdict.h"
#include "tools/authoring/io_error.h"
#include "tools/authoring/results_page.h"
#include "tools/authoring/results_spreadsheet.h"
#include "tools/authoring/safe_file.h"
#include "tools/brelaedit/accessible_name_win.h"
#include "tools/brelaedit/class_results_table.h"
#include "tools/brelaedit/editor_ids.h"
#include "tools/brelaedit/form_layout_win.h"
#include "tools/brelaedit/list_view_win.h"
#include "tools/brelaedit/window_text_win.h"

namespace {

namespace fs = std::filesystem;

constexpr int FIRST_QUESTION_COLUMN = 3;  // after the name, the score and the code
constexpr int HEADER_MARGIN = 16;         // pixels at 96 DPI around a header's text

struct ClassResultsWindow {
  EditorDialogs dialogs;
  ClassResults results;
  std::vector<fs::path> inputs;
  fs::path suggested;
};

// What an output is: its file choice, extension, writer, and how a failure's message starts.
struct ResultsOutput {
  FileChoice choice;
  const wchar_t* extension;
  std::string (*write)(const ClassResults& results);
  const char* notSaved;
};

const ResultsOutput SPREADSHEET = {CHOOSE_RESULTS_SPREADSHEET, L".csv", ResultsCsv,
                                   "Le tableur n'est pas enregistré : "};
const ResultsOutput PAGE = {CHOOSE_RESULTS_PAGE, L".html", ResultsPage,
                            "La page imprimable n'est pas enregistrée : "};

ClassResultsWindow& Window(HWND dialog) {
  return *reinterpret_cast<ClassResultsWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void AddPupilRow(HWND list, const ClassResults& results, int row) {
  const PupilResult& pupil = results.pupils[row];
  InsertRow(list, row);
  SetItemText(list, row, 0, pupil.name);
  SetItemText(list, row, 1, std::to_string(pupil.score));
  SetItemText(list, row, 2, pupil.code);
  for (int n = 1; n <= results.questionCount; ++n) {
    SetItemText(list, row, FIRST_QUESTION_COLUMN + n - 1, QuestionCellOf(results, pupil, n).text);
  }
}

// As wide as its widest cell and its whole header: Wine's own fitting cuts the header short.
void FitColumn(HWND list, int column, const std::string& header) {
  SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
  const std::wstring text = WideText(header);
  const int headerWidth =
      static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                    reinterpret_cast<LPARAM>(text.c_str()))) +
      ScaledPixels(HEADER_MARGIN, WindowDpi(list));
  if (SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0) < headerWidth) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, headerWidth);
  }
}

void FillList(HWND list, const ClassResults& results) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
  const std::vector<std::string> headers = ResultsHeaders(results);
  for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
    AddColumn(list, column, headers[column]);
  }
  for (int row = 0; row < static_cast<int>(results.pupils.size()); ++row) {
    AddPupilRow(list, results, row);
  }
  for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
    FitColumn(list, column, headers[column]);
  }
}

// The question cells on their verdicts' fills; the name, score and code in the list's colours.
LRESULT DrawCell(const ClassResults& results, NMLVCUSTOMDRAW& draw) {
  const DWORD stage = draw.nmcd.dwDrawStage;
  if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (stage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
  if (stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  const int n = draw.iSubItem - FIRST_QUESTION_COLUMN + 1;
  std::uint32_t fill = NO_VERDICT_COLOUR;
  if (n >= 1 && row < static_cast<int>(results.pupils.size())) {
    fill = QuestionCellOf(results, results.pupils[row], n).colour;
  }
  // Each cell sets both colours: the list keeps the last ones for the next cell.
  const bool verdict = fill != NO_VERDICT_COLOUR;
  draw.clrTextBk = verdict ? fill : GetSysColor(COLOR_WINDOW);
  draw.clrText = verdict ? RGB(0, 0, 0) : GetSysColor(COLOR_WINDOWTEXT);
  return CDRF_NEWFONT;
}

void Save(HWND dialog, const ResultsOutput& output) {
  ClassResultsWindow& window = Window(dialog);
  fs::path proposed = window.suggested;
  proposed += output.extension;
  const fs::path chosen = window.dialogs.chooseFile(dialog, output.choice, proposed);
  if (chosen.empty()) return;
  try {
    RefuseWritingOverInputs(chosen, window.inputs);
    const std::string text = output.write(window.results);
    WriteFileSafely(chosen, text.data(), text.size());
  } catch (const IoError& error) {
    window.dialogs.message(dialog, WideText(output.notSaved + std::string(error.what())),
                           MB_OK | MB_ICONWARNING);
  }
}

BOOL OnInitDialog(HWND dialog, LPARAM parameter) {
  SetWindowLongPtrW(dialog, DWLP_USER, parameter);
  const ClassResultsWindow& window = Window(dialog);
  const HWND list = GetDlgItem(dialog, IDC_RESULTS);
  FillList(list, window.results);
  SetAccessibleName(list, L"Élèves");
  const HWND leftOut = GetDlgItem(dialog, IDC_RESULTS_LEFT_OUT);
  SetWindowTextW(leftOut, WideText(LeftOutLines(window.results)).c_str());
  SetAccessibleName(leftOut, L"Laissés de côté");
  const std::wstring title = L"Résultats de la classe : " + WideText(window.results.quizTitle);
  SetWindowTextW(dialog, title.c_str());
  return TRUE;
}

INT_PTR CALLBACK ClassResultsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog(dialog, lParam);
  if (!GetWindowLongPtrW(dialog, DWLP_USER)) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_SAVE_SPREADSHEET) Save(dialog, SPREADSHEET);
      if (LOWORD(wParam) == IDC_SAVE_PAGE) Save(dialog, PAGE);
      if (LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
      return TRUE;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.idFrom != IDC_RESULTS || header.code != NM_CUSTOMDRAW) return FALSE;
      auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, DrawCell(Window(dialog).results, draw));
      return TRUE;
    }
    case WM_NCDESTROY:
      delete &Window(dialog);
      SetWindowLongPtrW(dialog, DWLP_USER, 0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

HWND OpenClassResultsWindow(HWND owner, const EditorDialogs& dialogs, const ClassResults& results,
                            const std::vector<fs::path>& inputs, const fs::path& suggested) {
  auto window = std::make_unique<ClassResultsWindow>(
      ClassResultsWindow{dialogs, results, inputs, suggested});
  const HWND dialog =
      CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CLASS_RESULTS), owner,
                         ClassResultsProc, reinterpret_cast<LPARAM>(window.get()));
  if (!dialog) return nullptr;
  window.release();  // the window owns it now
  ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}
