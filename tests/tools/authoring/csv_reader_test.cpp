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
      {"a last row ending in an empty cell, with no line end",
       "a;b\r\nc;",
       ENCODING_UTF8,
       ';',
       {{"a", "b"}, {"c", ""}}},
      {"separators inside a quoted header do not count",
       "\"Capitale; pays; ville\",réponse\nParis,\"France; Europe\"\n",
       ENCODING_UTF8,
       ',',
       {{"Capitale; pays; ville", "réponse"}, {"Paris", "France; Europe"}}},
      {"tabs: a cell that starts with a quoted title",
       "question\tréponse\r\n\"Le Petit Prince\" de Saint-Exupéry\tlivre\r\n",
       ENCODING_UTF8,
       '\t',
       {{"question", "réponse"}, {"\"Le Petit Prince\" de Saint-Exupéry", "livre"}}},
      {"tabs: a quote never closed",
       "question\tréponse\r\n\"oui\tnon\r\n",
       ENCODING_UTF8,
       '\t',
       {{"question", "réponse"}, {"\"oui", "non"}}},
      {"tabs: a quoted cell on two lines, as Excel copies it",
       "question\tréponse\r\nq\t\"a\nb \"\"c\"\"\"\r\n",
       ENCODING_UTF8,
       '\t',
       {{"question", "réponse"}, {"q", "a\nb \"c\""}}},
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

struct CodePageReading {
  const char* name;
  std::string bytes;
  CodePage codePage;
  Rows rows;
  std::string warning;
};

const std::string SAVING_AS_CSV_UTF8 =
    "CSV UTF-8 (dans Excel : « Fichier > Enregistrer sous > CSV UTF-8 » ; dans LibreOffice : "
    "« Fichier > Enregistrer sous… > Texte CSV, jeu de caractères Unicode (UTF-8) »)";

TEST(CsvReaderTest, ReadsExcelsOtherCodePagesAndSaysSo) {
  const CodePageReading readings[] = {
      {"CSV (MS-DOS)",
       "question;r\x82ponse\r\nM\x82tier ?;boulang\x8Are\r\n",
       CODE_PAGE_850,
       {{"question", "réponse"}, {"Métier ?", "boulangère"}},
       "le tableau est enregistré en « CSV (MS-DOS) » (page de codes 850) et ses accents sont "
       "lus ainsi ; vérifiez-les, ou enregistrez-le plutôt en " +
           SAVING_AS_CSV_UTF8},
      {"CSV (Macintosh), lines ended by CR",
       "question;r\x8Eponse\rM\x8Etier ?;boulang\x8Fre\r",
       CODE_PAGE_MAC_ROMAN,
       {{"question", "réponse"}, {"Métier ?", "boulangère"}},
       "le tableau est enregistré en « CSV (Macintosh) » (Mac OS Roman) et ses accents sont lus "
       "ainsi ; vérifiez-les, ou enregistrez-le plutôt en " +
           SAVING_AS_CSV_UTF8},
      {"French Excel", "r\xE9ponse\r\nboulang\xE8re\r\n", CODE_PAGE_1252,
       {{"réponse"}, {"boulangère"}}, ""},
      {"French Excel, with bytes that happen to make UTF-8", "r\xE9ponse\r\nCAF\xC9\x85\r\n",
       CODE_PAGE_1252, {{"réponse"}, {"CAFÉ…"}}, ""},
  };
  for (const CodePageReading& r : readings) {
    CsvTable table;
    std::vector<Problem> problems;
    ASSERT_TRUE(ReadCsv(r.bytes, table, problems)) << r.name;
    EXPECT_EQ(table.encoding, ENCODING_CP1252) << r.name;
    EXPECT_EQ(table.codePage, r.codePage) << r.name;
    Rows rows;
    for (const CsvRow& row : table.rows) rows.push_back(row.cells);
    EXPECT_EQ(rows, r.rows) << r.name;
    if (r.warning.empty()) {
      EXPECT_TRUE(problems.empty()) << r.name;
      continue;
    }
    ASSERT_EQ(problems.size(), 1u) << r.name;
    EXPECT_EQ(problems[0].severity, PROBLEM_WARNING) << r.name;
    EXPECT_EQ(ProblemLine(problems[0]), r.warning) << r.name;
  }
}

TEST(CsvReaderTest, RefusesWorkbooksAndMixedEncodingsSayingHowToSaveAsCsvUtf8) {
  const std::pair<std::string, std::string> refusals[] = {
      {std::string("PK\x03\x04\x14\0\x06\0", 8),
       "ce fichier est un classeur Excel (.xlsx) ou LibreOffice (.ods), pas un tableau CSV : "
       "ouvrez-le et enregistrez la feuille en " +
           SAVING_AS_CSV_UTF8 + ", puis importez le fichier .csv"},
      {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10),
       "ce fichier est un classeur Excel 97-2003 (.xls), pas un tableau CSV : ouvrez-le et "
       "enregistrez la feuille en " +
           SAVING_AS_CSV_UTF8 + ", puis importez le fichier .csv"},
      {"question;r\xC3\xA9ponse\r\nDessert ?;cr\xC3\xA8me\r\nBoisson ?;caf\xE9\r\n",
       "ligne 3 : ce texte n'est pas en UTF-8 comme la ligne 1 (sans doute un texte collé d'un "
       "autre fichier) : retapez ses accents dans le tableur, puis enregistrez le tableau en " +
           SAVING_AS_CSV_UTF8},
      {"question;r\xE9ponse\r\nq;\x81\r\n",
       "ligne 2 : ce texte n'est ni en UTF-8 ni en Windows-1252 : enregistrez le tableau en " +
           SAVING_AS_CSV_UTF8},
  };
  for (const auto& refusal : refusals) {
    CsvTable table;
    std::vector<Problem> problems;
    EXPECT_FALSE(ReadCsv(refusal.first, table, problems));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(ProblemLine(problems[0]), refusal.second);
    EXPECT_TRUE(table.rows.empty());
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
