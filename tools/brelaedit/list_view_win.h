// The editor's report list views: columns, rows and cells, texts in UTF-8.
#pragma once

#include <windows.h>

#include <string>

// A column of that title and width in pixels (0: to be fitted later).
void AddColumn(HWND list, int index, const std::string& title, int width = 0);

// An empty row at item, holding data for whoever draws it.
void InsertRow(HWND list, int item, LPARAM data = 0);

void SetItemText(HWND list, int item, int column, const std::string& utf8);
