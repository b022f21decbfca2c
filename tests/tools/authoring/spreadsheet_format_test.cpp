// Spreadsheet files told by their first bytes, as Excel and LibreOffice write them, from quiz
// files that start as JSON does.
#include "tools/authoring/spreadsheet_format.h"

#include <gtest/gtest.h>

namespace {

struct Format {
  const char* name;
  std::string bytes;
  SpreadsheetFormat format;
};

TEST(SpreadsheetFormatTest, TellsSpreadsheetsByTheirFirstBytes) {
  const Format formats[] = {
      {"xlsx", std::string("PK\x03\x04\x14\0\x06\0\x08\0\0\0!\0", 14), SHEET_ZIP_WORKBOOK},
      {"ods", std::string("PK\x03\x04\x14\0\0\x08\0\0", 10) + "mimetypeapplication/vnd.oasis",
       SHEET_ZIP_WORKBOOK},
      {"xls", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0", 12), SHEET_OLE2_WORKBOOK},
      {"CSV with ';'", "question;r\xE9ponse\r\nq;r\r\n", SHEET_CSV},
      {"CSV with tabs", "image\tr\xC3\xA9ponse\nchat.jpg\tchat\n", SHEET_CSV},
      {"CSV UTF-8 with ','", "\xEF\xBB\xBFquestion,r\xC3\xA9ponse\r\n", SHEET_CSV},
      {"CSV whose first cell is empty", "\t;r\xC3\xA9ponse\r\n", SHEET_CSV},
      {"a quiz file", "{\n  \"kind\": \"text\",\n  \"title\": \"a; b\"\n}\n", SHEET_NONE},
      {"a quiz file after its mark and blank lines", "\xEF\xBB\xBF\r\n  {\"kind\": \"text\"}",
       SHEET_NONE},
      {"a list", "[1, 2]", SHEET_NONE},
      {"a quiz file without its first brace", "\"kind\": \"text\", \"title\": \"t\"}", SHEET_NONE},
      {"one column", "r\xC3\xA9ponse\r\nParis\r\n", SHEET_NONE},
      {"a ZIP signature cut short", "PK\x03", SHEET_NONE},
      {"empty", "", SHEET_NONE},
  };
  for (const Format& f : formats) EXPECT_EQ(SpreadsheetFormatOf(f.bytes), f.format) << f.name;
}

TEST(SpreadsheetFormatTest, TellsHowToSaveAWorkbookAsCsv) {
  const std::string saving =
      "CSV UTF-8 (dans Excel : « Fichier > Enregistrer sous > CSV UTF-8 » ; dans LibreOffice : "
      "« Fichier > Enregistrer sous… > Texte CSV, jeu de caractères Unicode (UTF-8) »)";
  EXPECT_EQ(WorkbookMessage(SHEET_ZIP_WORKBOOK),
            "ce fichier est un classeur Excel (.xlsx) ou LibreOffice (.ods), pas un tableau CSV : "
            "ouvrez-le et enregistrez la feuille en " + saving + ", puis importez le fichier .csv");
  EXPECT_EQ(WorkbookMessage(SHEET_OLE2_WORKBOOK),
            "ce fichier est un classeur Excel 97-2003 (.xls), pas un tableau CSV : ouvrez-le et "
            "enregistrez la feuille en " + saving + ", puis importez le fichier .csv");
  EXPECT_EQ(WorkbookMessage(SHEET_CSV), "");
}

}  // namespace
