#include "tools/brelaedit/list_view_win.h"

#include <commctrl.h>

#include "tools/brelaedit/window_text_win.h"

void AddColumn(HWND list, int index, const std::string& title, int width) {
  std::wstring text = WideText(title);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = text.data();
  column.cx = width;
  SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void InsertRow(HWND list, int item, LPARAM data) {
  LVITEMW entry = {};
  entry.mask = LVIF_PARAM | LVIF_TEXT;
  entry.iItem = item;
  entry.lParam = data;
  entry.pszText = const_cast<wchar_t*>(L"");
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

void SetItemText(HWND list, int item, int column, const std::string& utf8) {
  std::wstring text = WideText(utf8);
  LVITEMW entry = {};
  entry.iSubItem = column;
  entry.pszText = text.data();
  SendMessageW(list, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
}
