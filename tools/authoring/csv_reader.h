// Spreadsheets saved as CSV by LibreOffice Calc and Excel: decoded to UTF-8 (with or without a
// byte-order mark, or in the code page that reads most like French: Windows-1252, or 850 and
// Mac OS Roman, which Excel's "CSV (MS-DOS)" and "CSV (Macintosh)" use), the separator found in
// the header (';', ',' or a tab), fields quoted with '"' and doubled quotes inside, lines ended
// by CR LF, LF or CR.
#pragma once

#include <string>
#include <vector>

#include "tools/authoring/code_pages.h"
#include "tools/authoring/problem.h"
#include "tools/authoring/text_encoding.h"

struct CsvRow {
  int number;                      // the row as the spreadsheet shows it, from 1
  std::vector<std::string> cells;  // UTF-8
};

struct CsvTable {
  TextEncoding encoding;
  CodePage codePage;  // the one read, for ENCODING_CP1252
  char separator;
  std::vector<CsvRow> rows;
};

// A column as a spreadsheet names it, from 0: "A", ..., "Z", "AA"...
std::string ColumnName(int column);

// "ligne 7, colonne C"
std::string CellPlace(int row, int column);

// Reads a CSV file. False, with a problem naming the row or line, when it cannot be read: a
// workbook, a file saved as UTF-16, one that mixes UTF-8 with another encoding, or a quoted field
// that is never closed. A file read in code page 850 or Mac OS Roman gives a warning.
bool ReadCsv(const std::string& bytes, CsvTable& table, std::vector<Problem>& problems);
