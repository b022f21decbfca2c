// What a teacher's spreadsheet file is, told by its first bytes: a CSV text that the import
// reads, or a workbook that must first be saved as CSV.
#pragma once

#include <string>

enum SpreadsheetFormat {
  SHEET_NONE,           // not a spreadsheet: a quiz file, or anything else
  SHEET_CSV,            // text whose first line is a header split by ';', ',' or tabs
  SHEET_ZIP_WORKBOOK,   // .xlsx or .ods: a ZIP archive
  SHEET_OLE2_WORKBOOK,  // .xls: a compound document
};

// A workbook by its signature; CSV when the text does not start as JSON ('{', '[' or '"' after
// blanks and a byte-order mark) and its first line holds a separator.
SpreadsheetFormat SpreadsheetFormatOf(const std::string& bytes);

// How to save a sheet as CSV UTF-8 in Excel and in LibreOffice, to follow "enregistrez-le en".
extern const char* const CSV_UTF8_SAVING;

// Why a workbook cannot be imported and how to save it as CSV; empty for the other formats.
std::string WorkbookMessage(SpreadsheetFormat format);
