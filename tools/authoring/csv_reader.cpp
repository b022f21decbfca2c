// A CSV reader for the files that spreadsheets save: a quote opens a quoted field only at the
// start of a field, as Excel and Calc read them; elsewhere it is a character like any other.
#include "tools/authoring/csv_reader.h"

#include <algorithm>

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
        if (!ReadQuoted()) {
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

bool ReadCsv(const std::string& bytes, CsvTable& table, std::vector<Problem>& problems) {
  const DecodedText decoded = DecodeText(bytes);
  table = CsvTable{decoded.encoding, ';', {}};
  if (decoded.encoding == ENCODING_UTF16) {
    problems.push_back(ErrorAt({0, "", 0},
                               "le tableau est enregistré en texte Unicode (UTF-16) : "
                               "enregistrez-le en « CSV (séparateur : point-virgule) » ou en "
                               "« CSV UTF-8 »"));
    return false;
  }
  table.separator = SeparatorOf(decoded.utf8);
  CsvParser parser{decoded.utf8, table.separator, {}, {}, {}};
  const bool read = parser.Parse(problems);
  table.rows = std::move(parser.rows);
  return read;
}
