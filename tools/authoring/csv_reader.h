// Spreadsheets saved as CSV by LibreOffice Calc and Excel: decoded to UTF-8 (with or without a
// byte-order mark, or Windows-1252), the separator found in the header (';', ',' or a tab),
// fields quoted with '"' and doubled quotes inside, lines ended by CR LF or LF.
#pragma once

#include <string>
#include <vector>

#include "tools/authoring/problem.h"
#include "tools/authoring/text_encoding.h"

struct CsvRow {
  int number;                      // the row as the spreadsheet shows it, from 1
  std::vector<std::string> cells;  // UTF-8
};

struct CsvTable {
  TextEncoding encoding;
  char separator;
  std::vector<CsvRow> rows;
};

// A column as a spreadsheet names it, from 0: "A", ..., "Z", "AA"...
std::string ColumnName(int column);

// "ligne 7, colonne C"
std::string CellPlace(int row, int column);

// Reads a CSV file. False, with a problem naming the row and column, when it cannot be read: a
// file saved as UTF-16, or a quoted field that is never closed.
bool ReadCsv(const std::string& bytes, CsvTable& table, std::vector<Problem>& problems);
