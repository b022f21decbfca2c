// CSV files as spreadsheets save them, written byte for byte: French Excel (Windows-1252, ';',
// CR LF), Excel's "CSV UTF-8" (a byte-order mark), LibreOffice (UTF-8, LF), copied cells (tabs).
#include "tools/authoring/csv_reader.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Reading {
  const char* name;
  std::string bytes;
  TextEncoding encoding;
  char separator;
  Rows rows;
};

TEST(CsvReaderTest, ReadsTheDialectsThatSpreadsheetsSave) {
  const Reading readings[] = {
      {"French Excel",
       "Question;R\xE9ponse;Code\r\n"
       "Quelle est la capitale de l'\xC9gypte ?;Le Caire;\xC9tape 1\r\n"
       "\"Ville; pays\";\"Il a dit \"\"oui\"\"\";\x80\r\n",
       ENCODING_CP1252,
       ';',
       {{"Question", "Réponse", "Code"},
        {"Quelle est la capitale de l'Égypte ?", "Le Caire", "Étape 1"},
        {"Ville; pays", "Il a dit \"oui\"", "€"}}},
      {"Excel, CSV UTF-8",
       "\xEF\xBB\xBFquestion;r\xC3\xA9ponse\r\nA;B\r\n",
       ENCODING_UTF8,
       ';',
       {{"question", "réponse"}, {"A", "B"}}},
      {"LibreOffice with commas and a cell on two lines",
       "question,réponse\nx,\"a\nb\"\ny,\"c,d\"\n",
       ENCODING_UTF8,
       ',',
       {{"question", "réponse"}, {"x", "a\nb"}, {"y", "c,d"}}},
      {"copied cells",
       "question\tréponse\r\nq\tr\r\n",
       ENCODING_UTF8,
       '\t',
       {{"question", "réponse"}, {"q", "r"}}},
      {"no line end at the end", "a;b\r\nc;d", ENCODING_UTF8, ';', {{"a", "b"}, {"c", "d"}}},
      {"empty cells at the end",
       "a;b;;\r\n;;;\r\n",
       ENCODING_UTF8,
       ';',
       {{"a", "b", "", ""}, {"", "", "", ""}}},
      {"an empty line between",
       "a;b\r\n\r\nc;d\r\n",
       ENCODING_UTF8,
       ';',
       {{"a", "b"}, {""}, {"c", "d"}}},
      {"a quote inside a cell", "l'a\"b;c\r\n", ENCODING_UTF8, ';', {{"l'a\"b", "c"}}},
      {"text after a closing quote", "\"ab\"cd;e\r\n", ENCODING_UTF8, ';', {{"abcd", "e"}}},
      {"an empty quoted cell", "\"\";x\r\n", ENCODING_UTF8, ';', {{"", "x"}}},
      {"a header tied between ';' and ','",
       "question;réponse, virgule\r\n",
       ENCODING_UTF8,
       ';',
       {{"question", "réponse, virgule"}}},
      {"a comma in a quoted header", "\"a,b\";c\r\n", ENCODING_UTF8, ';', {{"a,b", "c"}}},
      {"one column", "réponse\r\nParis\r\n", ENCODING_UTF8, ';', {{"réponse"}, {"Paris"}}},
      {"empty", "", ENCODING_UTF8, ';', {}},
  };
  for (const Reading& r : readings) {
    CsvTable table;
    std::vector<Problem> problems;
    ASSERT_TRUE(ReadCsv(r.bytes, table, problems)) << r.name;
    EXPECT_TRUE(problems.empty()) << r.name;
    EXPECT_EQ(table.encoding, r.encoding) << r.name;
    EXPECT_EQ(table.separator, r.separator) << r.name;
    Rows rows;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
      EXPECT_EQ(table.rows[i].number, static_cast<int>(i) + 1) << r.name;
      rows.push_back(table.rows[i].cells);
    }
    EXPECT_EQ(rows, r.rows) << r.name;
  }
}

TEST(CsvReaderTest, RefusesWhatItCannotRead) {
  const std::pair<std::string, std::string> refusals[] = {
      {"a;b\r\nc;\"d\r\ne",
       "ligne 2, colonne B : un guillemet ouvre ce texte et aucun ne le ferme ; fermez-le ou "
       "supprimez-le"},
      {std::string("\xFF\xFEq\0;\0", 6),
       "le tableau est enregistré en texte Unicode (UTF-16) : enregistrez-le en « CSV "
       "(séparateur : point-virgule) » ou en « CSV UTF-8 »"},
  };
  for (const auto& refusal : refusals) {
    CsvTable table;
    std::vector<Problem> problems;
    EXPECT_FALSE(ReadCsv(refusal.first, table, problems));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(ProblemLine(problems[0]), refusal.second);
  }
}

TEST(CsvReaderTest, NamesColumnsAsSpreadsheetsDo) {
  const std::pair<int, const char*> names[] = {{0, "A"},   {1, "B"},    {25, "Z"},
                                               {26, "AA"}, {27, "AB"},  {51, "AZ"},
                                               {52, "BA"}, {701, "ZZ"}, {702, "AAA"}};
  for (const auto& name : names) EXPECT_EQ(ColumnName(name.first), name.second) << name.first;
  EXPECT_EQ(CellPlace(7, 2), "ligne 7, colonne C");
}

}  // namespace
