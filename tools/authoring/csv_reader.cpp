// A CSV reader for the files that spreadsheets save: a quote opens a quoted field only at the
// start of a field, as Excel and Calc read them; elsewhere it is a character like any other.
// Tab-separated text is mostly typed or copied rather than saved: there a quote that does not
// close right before a tab or a line end is the author's own, kept as written.
#include "tools/authoring/csv_reader.h"

#include <algorithm>

#include "tools/authoring/cp1252.h"
#include "tools/authoring/spreadsheet_format.h"

namespace {

// The separator that the header line uses most, outside quotes; ';' when it has none.
char SeparatorOf(const std::string& text) {
  int counts[3] = {0, 0, 0};
  const char separators[3] = {';', '\t', ','};
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '\n' || c == '\r')) break;
    for (int i = 0; i < 3; ++i) counts[i] += !quoted && c == separators[i];
  }
  return separators[std::max_element(counts, counts + 3) - counts];
}

struct CsvParser {
  const std::string& text;
  char separator;
  std::vector<CsvRow> rows;
  std::vector<std::string> cells;
  std::string cell;
  std::size_t position = 0;

  void EndCell() {
    cells.push_back(std::move(cell));
    cell.clear();
  }

  void EndRow() {
    EndCell();
    rows.push_back({static_cast<int>(rows.size()) + 1, std::move(cells)});
    cells.clear();
  }

  bool AtLineEnd() const { return text[position] == '\n' || text[position] == '\r'; }

  bool AtFieldEnd() const {
    return position == text.size() || text[position] == separator || AtLineEnd();
  }

  void SkipLineEnd() { position += text.compare(position, 2, "\r\n") == 0 ? 2 : 1; }

  // A quoted field from its opening quote; false when the file ends inside it.
  bool ReadQuoted() {
    for (++position; position < text.size(); ++position) {
      if (text[position] != '"') {
        cell += text[position];
      } else if (position + 1 < text.size() && text[position + 1] == '"') {
        cell += '"';
        ++position;
      } else {
        ++position;
        return true;
      }
    }
    return false;
  }

  bool Parse(std::vector<Problem>& problems) {
    while (position < text.size()) {
      if (text[position] == '"' && cell.empty()) {
        const int row = static_cast<int>(rows.size()) + 1;
        const int column = static_cast<int>(cells.size());
        const std::size_t quote = position;
        const bool closed = ReadQuoted();
        if (separator == '\t' && !(closed && AtFieldEnd())) {
          cell = "\"";
          position = quote + 1;
        } else if (!closed) {
          problems.push_back(ErrorAt({0, "", 0}, CellPlace(row, column) +
                                                     " : un guillemet ouvre ce texte et aucun ne "
                                                     "le ferme ; fermez-le ou supprimez-le"));
          return false;
        }
      } else if (text[position] == separator) {
        EndCell();
        ++position;
      } else if (AtLineEnd()) {
        EndRow();
        SkipLineEnd();
      } else {
        cell += text[position++];
      }
    }
    if (!cell.empty() || !cells.empty()) EndRow();
    return true;
  }
};

}  // namespace

std::string ColumnName(int column) {
  std::string name;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) {
    name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return name;
}

std::string CellPlace(int row, int column) {
  return "ligne " + std::to_string(row) + ", colonne " + ColumnName(column);
}

namespace {

void Refuse(std::vector<Problem>& problems, const std::string& message) {
  problems.push_back(ErrorAt({0, "", 0}, message));
}

// The line of a byte offset, with the line ends that the parser knows: CR LF, LF and CR alone.
int LineOf(const std::string& bytes, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
    line += bytes[i] == '\n' || (bytes[i] == '\r' && bytes.compare(i, 2, "\r\n") != 0);
  }
  return line;
}

// The bytes that Windows-1252 leaves unassigned: no French text saved in it holds them.
std::size_t FirstUnassignedCp1252(const std::string& bytes) {
  return bytes.find_first_of("\x81\x8D\x8F\x90\x9D");
}

std::string SavedAsMessage(CodePage page) {
  const char* format = page == CODE_PAGE_850 ? "« CSV (MS-DOS) » (page de codes 850)"
                                             : "« CSV (Macintosh) » (Mac OS Roman)";
  return std::string("le tableau est enregistré en ") + format +
         " et ses accents sont lus ainsi ; vérifiez-les, ou enregistrez-le plutôt en " +
         CSV_UTF8_SAVING;
}

// The characters of UTF-8 in a French spreadsheet: accented letters, typographic punctuation,
// the byte-order mark. Windows-1252 text seldom forms a sequence of them by chance ("É…" makes
// U+0245).
bool IsFrenchUtf8(std::uint32_t c) {
  return (c >= 0xA0 && c <= 0x17F) || (c >= 0x2010 && c <= 0x20AC) || c == 0xFEFF;
}

// The text of a file that is not all UTF-8, in the code page it reads best in; false when some
// of it is UTF-8 or none of the code pages holds it.
bool DecodeCodePage(const std::string& bytes, CsvTable& table, std::string& text,
                    std::vector<Problem>& problems) {
  const std::size_t utf8 = FirstMultibyteUtf8(bytes, IsFrenchUtf8);
  if (utf8 != std::string::npos) {
    const std::size_t other = FirstInvalidUtf8(bytes);
    Refuse(problems, "ligne " + std::to_string(LineOf(bytes, other)) +
                         " : ce texte n'est pas en UTF-8 comme la ligne " +
                         std::to_string(LineOf(bytes, utf8)) +
                         " (sans doute un texte collé d'un autre fichier) : retapez ses accents "
                         "dans le tableur, puis enregistrez le tableau en " + CSV_UTF8_SAVING);
    return false;
  }
  table.codePage = LikeliestCodePage(bytes);
  const std::size_t unassigned = FirstUnassignedCp1252(bytes);
  if (table.codePage == CODE_PAGE_1252 && unassigned != std::string::npos) {
    Refuse(problems, "ligne " + std::to_string(LineOf(bytes, unassigned)) +
                         " : ce texte n'est ni en UTF-8 ni en Windows-1252 : enregistrez le "
                         "tableau en " + CSV_UTF8_SAVING);
    return false;
  }
  if (table.codePage != CODE_PAGE_1252) {
    problems.push_back(WarningAt({0, "", 0}, SavedAsMessage(table.codePage)));
  }
  text = CodePageToUtf8(bytes, table.codePage);
  return true;
}

}  // namespace

bool ReadCsv(const std::string& bytes, CsvTable& table, std::vector<Problem>& problems) {
  table = CsvTable{ENCODING_UTF8, CODE_PAGE_1252, ';', {}};
  const SpreadsheetFormat format = SpreadsheetFormatOf(bytes);
  if (format == SHEET_ZIP_WORKBOOK || format == SHEET_OLE2_WORKBOOK) {
    Refuse(problems, WorkbookMessage(format));
    return false;
  }
  const DecodedText decoded = DecodeText(bytes);
  table.encoding = decoded.encoding;
  if (decoded.encoding == ENCODING_UTF16) {
    Refuse(problems,
           "le tableau est enregistré en texte Unicode (UTF-16) : enregistrez-le en « CSV "
           "(séparateur : point-virgule) » ou en « CSV UTF-8 »");
    return false;
  }
  std::string text = decoded.utf8;
  if (decoded.encoding == ENCODING_CP1252 && !DecodeCodePage(bytes, table, text, problems)) {
    return false;
  }
  table.separator = SeparatorOf(text);
  CsvParser parser{text, table.separator, {}, {}, {}};
  const bool read = parser.Parse(problems);
  table.rows = std::move(parser.rows);
  return read;
}
