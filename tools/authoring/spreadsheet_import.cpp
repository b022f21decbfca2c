// Importing a spreadsheet: columns recognised by their French names whatever the case and
// accents, empty rows and columns left out, values put into the quiz's fields.
#include "tools/authoring/spreadsheet_import.h"

#include <algorithm>
#include <iterator>

#include "tools/authoring/csv_reader.h"
#include "tools/authoring/normalize.h"

namespace {

namespace fs = std::filesystem;

// "question, réponse, ... et code"
std::string KnownColumns() {
  std::string text;
  const std::size_t count = std::size(SPREADSHEET_COLUMNS);
  for (std::size_t i = 0; i < count; ++i) {
    text += (i == 0 ? "" : i + 1 == count ? " et " : ", ") +
            ColumnHeaders(SPREADSHEET_COLUMNS[i]).front();
  }
  return text;
}

// A header cell as the column names are kept: decomposed, its accents and separators dropped.
std::string Folded(const std::string& header) {
  const std::string decomposed = Normalize(header, FORM_NFD);
  std::string folded;
  for (std::size_t i = 0; i < decomposed.size(); ++i) {
    const auto byte = static_cast<unsigned char>(decomposed[i]);
    // Combining diacritical marks, U+0300 to U+036F: CC 80 to CD AF.
    if ((byte == 0xCC || byte == 0xCD) && i + 1 < decomposed.size()) {
      ++i;
      continue;
    }
    if (decomposed.compare(i, 2, "\xC2\xA0") == 0) {  // a non-breaking space
      ++i;
      continue;
    }
    if (byte == ' ' || byte == '-' || byte == '_' || byte == '\t') continue;
    folded += byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 32) : static_cast<char>(byte);
  }
  return folded;
}

const char* FieldOfHeader(const std::string& header) {
  const std::string folded = Folded(header);
  for (QuizField field : SPREADSHEET_COLUMNS) {
    for (const std::string& name : ColumnHeaders(field)) {
      if (folded == Folded(name)) return KeyOf(field);
    }
  }
  return nullptr;
}

// Blank cells are empty to the eye: spaces and tabs only.
const char* const BLANKS = " \t";

bool IsBlank(const std::string& cell) {
  return cell.find_first_not_of(BLANKS) == std::string::npos;
}

bool IsBlankRow(const CsvRow& row) {
  return std::all_of(row.cells.begin(), row.cells.end(), IsBlank);
}

const std::string& CellOf(const CsvRow& row, int column) {
  static const std::string empty;
  return column < static_cast<int>(row.cells.size()) ? row.cells[column] : empty;
}

struct Importer {
  std::vector<Problem>& problems;
  std::vector<CsvRow> rows;  // the header, then the questions' rows
  std::vector<SpreadsheetColumn> columns;

  void Error(const std::string& message) { problems.push_back(ErrorAt({0, "", 0}, message)); }

  bool HasValue(int column) const {
    return std::any_of(rows.begin() + 1, rows.end(),
                       [&](const CsvRow& row) { return !IsBlank(CellOf(row, column)); });
  }

  const SpreadsheetColumn* Column(const std::string& field) const {
    for (const SpreadsheetColumn& column : columns) {
      if (column.field == field) return &column;
    }
    return nullptr;
  }

  // The header row's columns; the ones without a value in any row are left out.
  void NameColumns() {
    const CsvRow& header = rows.front();
    int width = 0;
    for (const CsvRow& row : rows) width = std::max(width, static_cast<int>(row.cells.size()));
    for (int c = 0; c < width; ++c) {
      const std::string& name = CellOf(header, c);
      const char* field = FieldOfHeader(name);
      if (IsBlank(name)) {
        if (HasValue(c)) {
          Error(CellPlace(header.number, c) +
                " : cette colonne a des valeurs mais pas de nom ; nommez-la (" + KnownColumns() +
                ") ou videz-la");
        }
      } else if (!field) {
        Error(CellPlace(header.number, c) + " : " + Quoted(name) +
              " n'est pas une colonne connue ; les colonnes sont " + KnownColumns());
      } else if (const SpreadsheetColumn* twin = Column(field)) {
        Error(CellPlace(header.number, c) + " : " + Quoted(name) + " répète la colonne " +
              ColumnName(twin->column) + " (" + Quoted(twin->header) + ") ; gardez-en une seule");
      } else if (HasValue(c) || FieldOfKey(field) == FIELD_ANSWER1) {
        columns.push_back({field, c, name});
      }
    }
  }

  QuizKind KindOfColumns() {
    QuizKind kind = KIND_TEXT;
    const SpreadsheetColumn* first = nullptr;
    for (QuizKind candidate : {KIND_PICTURE, KIND_AUDIO, KIND_VIDEO}) {
      const SpreadsheetColumn* column = Column(MediaKey(candidate));
      if (!column) continue;
      if (first) {
        Error("colonnes " + ColumnName(first->column) + " et " + ColumnName(column->column) +
              " : " + Quoted(first->header) + " et " + Quoted(column->header) +
              " ne vont pas ensemble ; un quiz montre des images, des sons ou des films");
        continue;
      }
      first = column;
      kind = candidate;
    }
    return kind;
  }

  RevealMode RevealModeOfColumns(QuizKind kind) const {
    if (!KindUses(FIELD_REVEAL_MODE, kind)) return REVEAL_NONE;
    const bool texts = Column(KeyOf(FIELD_REVEAL_TEXT)) != nullptr;
    const bool pictures = Column(KeyOf(FIELD_ANSWER_PICTURE)) != nullptr;
    return texts && pictures ? REVEAL_TEXT_AND_PICTURE
           : texts           ? REVEAL_TEXT
           : pictures        ? REVEAL_PICTURE
                             : REVEAL_NONE;
  }

  std::string Value(const CsvRow& row, const char* field) const {
    const SpreadsheetColumn* column = Column(field);
    if (!column) return {};
    const std::string& cell = CellOf(row, column->column);
    return ComposeNfc(cell);
  }

  // A media path as Windows users write it, with '\', made portable; blanks around it, which no
  // file name on the disk has, are taken off with a warning.
  std::string PathValue(const CsvRow& row, const char* field, int question) const {
    std::string path = Value(row, field);
    const std::size_t first = path.find_first_not_of(BLANKS);
    const std::size_t last = path.find_last_not_of(BLANKS);
    if (first == std::string::npos) return {};
    if (first > 0 || last + 1 < path.size()) {
      problems.push_back(WarningAt({question, field, 0},
                                   Quoted(path) + " : les espaces autour du nom du fichier sont "
                                                  "enlevés, car avec eux le fichier ne serait "
                                                  "pas trouvé ; supprimez-les aussi dans le "
                                                  "tableau"));
      path = path.substr(first, last + 1 - first);
    }
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  }

  QuestionFile QuestionOf(const CsvRow& row, int n) const {
    QuestionFile question;
    for (int field = FIELD_ANSWER1; field <= FIELD_ANSWER_PICTURE; ++field) {
      const FieldFacts& facts = FactsOf(static_cast<QuizField>(field));
      *FieldValueOf(question, static_cast<QuizField>(field)) =
          facts.value == VALUE_PATH ? PathValue(row, facts.key, n) : Value(row, facts.key);
    }
    return question;
  }
};

}  // namespace

QuizFile ImportSpreadsheet(const std::string& bytes, const fs::path& spreadsheet,
                           std::vector<Problem>& problems, SpreadsheetLayout* layout) {
  QuizFile quiz;
  quiz.title = ComposeNfc(spreadsheet.stem().u8string());
  CsvTable table;
  if (!ReadCsv(bytes, table, problems)) return quiz;
  Importer importer{problems, {}, {}};
  for (CsvRow& row : table.rows) {
    if (!IsBlankRow(row)) importer.rows.push_back(std::move(row));
  }
  if (importer.rows.empty()) {
    importer.Error("le tableau est vide : sa première ligne doit nommer les colonnes (" +
                   KnownColumns() + "), puis une ligne par question");
    return quiz;
  }
  importer.NameColumns();
  if (!importer.Column(KeyOf(FIELD_ANSWER1))) {
    importer.Error("ligne " + std::to_string(importer.rows.front().number) +
                   " : il manque la colonne « réponse », qui donne la réponse attendue de chaque "
                   "question");
  }
  quiz.kind = importer.KindOfColumns();
  quiz.answersPerQuestion = importer.Column(KeyOf(FIELD_ANSWER2)) ? 2 : 1;
  quiz.revealMode = importer.RevealModeOfColumns(quiz.kind);
  for (auto row = importer.rows.begin() + 1; row != importer.rows.end(); ++row) {
    quiz.questions.push_back(
        importer.QuestionOf(*row, static_cast<int>(quiz.questions.size()) + 1));
    quiz.codes.push_back(importer.Value(*row, KeyOf(FIELD_CODES)));
    if (layout) layout->questionRows.push_back(row->number);
  }
  while (!quiz.codes.empty() && quiz.codes.back().empty()) quiz.codes.pop_back();
  if (layout) layout->columns = importer.columns;
  return quiz;
}

std::string SpreadsheetPlace(const Problem& problem, const SpreadsheetLayout& layout) {
  // Code k is the code of row k's question: the spreadsheet keeps one per row.
  const int question =
      FieldOfKey(problem.field) == FIELD_CODES ? problem.index : problem.question;
  for (const SpreadsheetColumn& column : layout.columns) {
    if (column.field == problem.field && question >= 1 &&
        question <= static_cast<int>(layout.questionRows.size())) {
      return CellPlace(layout.questionRows[question - 1], column.column) + " (" + column.header +
             ")";
    }
  }
  return ProblemPlace(problem);
}

void RebaseMediaPaths(QuizFile& quiz, const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::equivalent(from, to, error)) return;
  for (QuestionFile& question : quiz.questions) {
    for (QuizField field : {FIELD_PICTURE, FIELD_SOUND, FIELD_FILM, FIELD_ANSWER_PICTURE}) {
      std::string* path = FieldValueOf(question, field);
      if (path->empty() || fs::u8path(*path).is_absolute()) continue;
      const fs::path absolute = fs::absolute(from / fs::u8path(*path), error);
      const fs::path relative = fs::relative(absolute, fs::absolute(to, error), error);
      *path = (relative.empty() ? absolute : relative).generic_u8string();
    }
  }
}
