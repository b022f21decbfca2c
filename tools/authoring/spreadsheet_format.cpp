// Spreadsheet files by their first bytes: workbooks by the signatures of their containers, CSV
// by a first line that no JSON file can have.
#include "tools/authoring/spreadsheet_format.h"

const char* const CSV_UTF8_SAVING =
    "CSV UTF-8 (dans Excel : « Fichier > Enregistrer sous > CSV UTF-8 » ; dans LibreOffice : "
    "« Fichier > Enregistrer sous… > Texte CSV, jeu de caractères Unicode (UTF-8) »)";

namespace {

const char ZIP_SIGNATURE[] = "PK\x03\x04";
const char OLE2_SIGNATURE[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

bool StartsWith(const std::string& bytes, const char* signature, std::size_t length) {
  return bytes.compare(0, length, signature, length) == 0;
}

// Blanks before JSON's first character; a tab is not one here, as it ends a CSV's first cell.
bool IsLeadingBlank(char c) { return c == ' ' || c == '\r' || c == '\n'; }

bool LooksLikeCsv(const std::string& bytes) {
  std::size_t start = StartsWith(bytes, "\xEF\xBB\xBF", 3) ? 3 : 0;
  while (start < bytes.size() && IsLeadingBlank(bytes[start])) ++start;
  if (start == bytes.size() || bytes[start] == '{' || bytes[start] == '[' ||
      bytes[start] == '"') {
    return false;
  }
  const std::string firstLine = bytes.substr(start, bytes.find_first_of("\r\n", start) - start);
  return firstLine.find_first_of(";,\t") != std::string::npos;
}

}  // namespace

SpreadsheetFormat SpreadsheetFormatOf(const std::string& bytes) {
  if (StartsWith(bytes, ZIP_SIGNATURE, sizeof ZIP_SIGNATURE - 1)) return SHEET_ZIP_WORKBOOK;
  if (StartsWith(bytes, OLE2_SIGNATURE, sizeof OLE2_SIGNATURE - 1)) return SHEET_OLE2_WORKBOOK;
  return LooksLikeCsv(bytes) ? SHEET_CSV : SHEET_NONE;
}

std::string WorkbookMessage(SpreadsheetFormat format) {
  if (format != SHEET_ZIP_WORKBOOK && format != SHEET_OLE2_WORKBOOK) return {};
  const std::string what = format == SHEET_ZIP_WORKBOOK
                               ? "un classeur Excel (.xlsx) ou LibreOffice (.ods)"
                               : "un classeur Excel 97-2003 (.xls)";
  return "ce fichier est " + what +
         ", pas un tableau CSV : ouvrez-le et enregistrez la feuille en " + CSV_UTF8_SAVING +
         ", puis importez le fichier .csv";
}
