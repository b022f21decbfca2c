// The editor's document: every edit goes through here, so that the dirty state and the undo of
// deletions follow every change.
#include "tools/brelaedit/editor_model.h"

#include <algorithm>
#include <cctype>

#include "tools/authoring/spreadsheet_import.h"
#include "tools/picture_import/quoted.h"

namespace {

// The text of one of the quiz's fields, or of a question's; null for a setting or a field of
// the other.
template <typename Quiz>
auto QuizText(Quiz& quiz, EditorField field) -> decltype(FieldValueOf(quiz, field)) {
  if (field == FIELD_NONE || FactsOf(field).ofQuestion) return nullptr;
  return FieldValueOf(quiz, field);
}

template <typename Question>
auto QuestionText(Question& question, EditorField field)
    -> decltype(FieldValueOf(question, field)) {
  if (field == FIELD_NONE || !FactsOf(field).ofQuestion) return nullptr;
  return FieldValueOf(question, field);
}

bool ValidQuestion(const EditorDocument& document, int index) {
  return index >= 0 && index < static_cast<int>(document.quiz.questions.size());
}

template <typename T>
void Assign(EditorDocument& document, T& target, const T& value) {
  if (target == value) return;
  target = value;
  document.dirty = true;
}

// Codes one per line; the lines after the last code do not count.
std::vector<std::string> CodeLines(const std::string& text) {
  std::vector<std::string> codes;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    codes.push_back(line);
    start = end + 1;
  }
  while (!codes.empty() && codes.back().empty()) codes.pop_back();
  return codes;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithSeparator(std::string path, char from, char to) {
  std::replace(path.begin(), path.end(), from, to);
  return path;
}

bool IsMediaField(EditorField field) {
  return field != FIELD_NONE && FactsOf(field).value == VALUE_PATH;
}

// A media file named in full on the quiz folder's drive is named from that folder instead, so
// that the folder can be moved or copied whole.
void MakeMediaPathsRelative(EditorDocument& document) {
  for (QuestionFile& question : document.quiz.questions) {
    for (QuizField field : {FIELD_PICTURE, FIELD_SOUND, FIELD_FILM, FIELD_ANSWER_PICTURE}) {
      std::string* path = FieldValueOf(question, field);
      const std::filesystem::path named = std::filesystem::u8path(*path);
      if (named.is_absolute()) *path = MediaPathFor(document, named);
    }
  }
}

bool IsReservedDeviceName(const std::string& name) {
  std::string upper;
  for (char c : name.substr(0, name.find('.'))) upper += static_cast<char>(std::toupper(c));
  static const char* const DEVICES[] = {"CON", "PRN", "AUX", "NUL"};
  for (const char* device : DEVICES) {
    if (upper == device) return true;
  }
  return upper.size() == 4 &&
         (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) && upper[3] >= '1' &&
         upper[3] <= '9';
}

}  // namespace

EditorDocument NewDocument() {
  EditorDocument document;
  document.quiz.questions.emplace_back();
  return document;
}

EditorDocument DocumentOf(const QuizFile& quiz, const std::filesystem::path& path,
                          const std::filesystem::path& mediaFolder) {
  EditorDocument document;
  document.quiz = quiz;
  document.file = path;
  document.mediaFolder = path.empty() ? mediaFolder : path.parent_path();
  return document;
}

void MoveQuizFile(EditorDocument& document, const std::filesystem::path& path) {
  const std::filesystem::path folder = path.parent_path();
  if (!document.mediaFolder.empty() && document.mediaFolder != folder) {
    RebaseMediaPaths(document.quiz, document.mediaFolder, folder);
  }
  document.file = path;
  document.mediaFolder = folder;
  MakeMediaPathsRelative(document);
}

std::string MediaPathFor(const EditorDocument& document, const std::filesystem::path& chosen) {
  if (document.mediaFolder.empty() || chosen.root_name() != document.mediaFolder.root_name()) {
    return chosen.generic_u8string();
  }
  const std::filesystem::path relative = chosen.lexically_relative(document.mediaFolder);
  return relative.empty() ? chosen.generic_u8string() : relative.generic_u8string();
}

std::string ShownPath(const std::string& path) { return WithSeparator(path, '/', '\\'); }

std::string ProblemCountText(const std::vector<Problem>& problems) {
  const int errors = CountProblems(problems, PROBLEM_ERROR);
  const int warnings = CountProblems(problems, PROBLEM_WARNING);
  if (errors == 0 && warnings == 0) return "Aucun problème : le quiz est prêt";
  return CountText(errors, "erreur", "erreurs") + ", " +
         CountText(warnings, "avertissement", "avertissements");
}

std::string ErrorsLeftText(int errors) {
  return "Le quiz a encore " + CountText(errors, "erreur", "erreurs") +
         (errors == 1 ? " : corrigez-la d'après la liste des problèmes (un double-clic y mène)."
                      : " : corrigez-les d'après la liste des problèmes (un double-clic mène à "
                        "chacune).");
}

void SetQuizText(EditorDocument& document, EditorField field, const std::string& text) {
  if (field == FIELD_CODES) {
    Assign(document, document.quiz.codes, CodeLines(text));
  } else if (std::string* target = QuizText(document.quiz, field)) {
    Assign(document, *target, text);
  }
}

void SetQuestionText(EditorDocument& document, int index, EditorField field,
                     const std::string& text) {
  if (!ValidQuestion(document, index)) return;
  std::string* target = QuestionText(document.quiz.questions[index], field);
  if (!target) return;
  Assign(document, *target, IsMediaField(field) ? WithSeparator(text, '\\', '/') : text);
}

std::string FieldText(const EditorDocument& document, int index, EditorField field) {
  const QuizFile& quiz = document.quiz;
  if (field == FIELD_CODES) {
    std::string text;
    for (std::size_t i = 0; i < quiz.codes.size(); ++i) text += (i ? "\r\n" : "") + quiz.codes[i];
    return text;
  }
  if (const std::string* text = QuizText(quiz, field)) return *text;
  if (!ValidQuestion(document, index)) return "";
  const std::string* text = QuestionText(quiz.questions[index], field);
  if (!text) return "";
  return IsMediaField(field) ? ShownPath(*text) : *text;
}

void SetKind(EditorDocument& document, QuizKind kind) {
  Assign(document, document.quiz.kind, kind);
}

void SetAnswersPerQuestion(EditorDocument& document, int answers) {
  Assign(document, document.quiz.answersPerQuestion, answers);
}

void SetRevealMode(EditorDocument& document, RevealMode mode) {
  Assign(document, document.quiz.revealMode, mode);
}

void SetBackgroundColour(EditorDocument& document, std::uint32_t colour) {
  Assign(document, document.quiz.backgroundColour, colour);
}

int InsertQuestion(EditorDocument& document, int index) {
  std::vector<QuestionFile>& questions = document.quiz.questions;
  index = std::clamp(index, 0, static_cast<int>(questions.size()));
  questions.insert(questions.begin() + index, QuestionFile{});
  document.dirty = true;
  return index;
}

int DeleteQuestion(EditorDocument& document, int index) {
  if (!ValidQuestion(document, index)) return -1;
  std::vector<QuestionFile>& questions = document.quiz.questions;
  document.deletions.push_back({questions[index], index});
  questions.erase(questions.begin() + index);
  document.dirty = true;
  return std::min(index, static_cast<int>(questions.size()) - 1);
}

int UndoDeletion(EditorDocument& document) {
  if (document.deletions.empty()) return -1;
  const DeletedQuestion deleted = document.deletions.back();
  document.deletions.pop_back();
  std::vector<QuestionFile>& questions = document.quiz.questions;
  const int index = std::min(deleted.index, static_cast<int>(questions.size()));
  questions.insert(questions.begin() + index, deleted.question);
  document.dirty = true;
  return index;
}

int ClearUnusedMedia(EditorDocument& document) {
  int cleared = 0;
  for (QuestionFile& question : document.quiz.questions) {
    for (QuizField field : MEDIA_FIELDS) {
      std::string* path = FieldValueOf(question, field);
      if (FieldUsed(field, document.quiz) || path->empty()) continue;
      path->clear();
      ++cleared;
    }
  }
  if (cleared) document.dirty = true;
  return cleared;
}

bool CanUndoDeletion(const EditorDocument& document) { return !document.deletions.empty(); }

int MoveQuestion(EditorDocument& document, int index, int delta) {
  const int target = index + delta;
  if (!ValidQuestion(document, index) || !ValidQuestion(document, target)) return index;
  std::swap(document.quiz.questions[index], document.quiz.questions[target]);
  document.dirty = true;
  return target;
}

void MarkSaved(EditorDocument& document, const std::filesystem::path& path) {
  document.file = path;
  document.dirty = false;
}

std::string DocumentName(const EditorDocument& document) {
  return document.file.empty() ? "Sans titre" : document.file.filename().u8string();
}

std::string TitleBarText(const EditorDocument& document) {
  return DocumentName(document) + (document.dirty ? "*" : "") + " - Éditeur de quiz brela";
}

QuestionRow QuestionRowOf(const QuizFile& quiz, int index) {
  const QuestionFile& question = quiz.questions.at(index);
  QuestionRow row;
  row.number = std::to_string(index + 1);
  row.wording =
      FieldUsed(FIELD_QUESTION_TEXT, quiz) ? question.questionText
                                           : FileNameOf(MediaPath(question, quiz.kind));
  row.answers = question.answer1;
  if (quiz.answersPerQuestion == 2) row.answers += " / " + question.answer2;
  return row;
}

bool FieldShown(const QuizFile& quiz, int index, EditorField field) {
  if (field == FIELD_NONE) return false;
  if (!FactsOf(field).ofQuestion) {
    const std::string* text = QuizText(quiz, field);
    const bool holds = text ? !text->empty()
                            : field == FIELD_REVEAL_MODE && quiz.revealMode != REVEAL_NONE;
    return FieldUsed(field, quiz) || holds;
  }
  if (index < 0 || index >= static_cast<int>(quiz.questions.size())) return false;
  return FieldUsed(field, quiz) || !QuestionText(quiz.questions[index], field)->empty();
}

ProblemTarget TargetOfProblem(const Problem& problem) {
  const EditorField field = FieldOfKey(problem.field);
  const bool ofQuestion = field != FIELD_NONE && FactsOf(field).ofQuestion;
  if (problem.question <= 0) return {-1, ofQuestion ? FIELD_NONE : field};
  return {problem.question - 1, ofQuestion ? field : FIELD_QUESTIONS};
}

std::string ShownProblemMessage(const QuizFile& quiz, const Problem& problem) {
  const ProblemTarget target = TargetOfProblem(problem);
  if (!IsMediaField(target.field) || target.question < 0 ||
      target.question >= static_cast<int>(quiz.questions.size())) {
    return problem.message;
  }
  const std::string& stored = *FieldValueOf(quiz.questions[target.question], target.field);
  const std::string named = Quoted(stored);
  const std::string shown = Quoted(ShownPath(stored));
  std::string message = problem.message;
  for (std::size_t at = message.find(named); !stored.empty() && at != std::string::npos;
       at = message.find(named, at + shown.size())) {
    message.replace(at, named.size(), shown);
  }
  return message;
}

std::string SeverityText(ProblemSeverity severity) {
  return severity == PROBLEM_ERROR ? "Erreur" : "Avertissement";
}

std::string ShownProblemPlace(const Problem& problem) {
  const std::string place = ProblemPlace(problem);
  return place.empty() ? "fichier" : place;
}

std::string ProblemDetailText(const QuizFile& quiz, const Problem& problem) {
  return SeverityText(problem.severity) + " — " + ShownProblemPlace(problem) + " : " +
         ShownProblemMessage(quiz, problem);
}

std::string DefaultExecutableName(const std::string& title) {
  std::string name;
  for (unsigned char c : title) {
    const bool refused = c < 0x20 || std::string("<>:\"/\\|?*").find(c) != std::string::npos;
    name += refused ? '_' : static_cast<char>(c);
  }
  const std::size_t first = name.find_first_not_of(" .");
  const std::size_t last = name.find_last_not_of(" .");
  name = first == std::string::npos ? "" : name.substr(first, last - first + 1);
  if (name.empty()) name = "quiz";
  if (IsReservedDeviceName(name)) name += "_";
  return name + ".exe";
}

namespace {

constexpr char OWNED_NAME_PREFIX[] = "brelaedit-";

// The number at the start of text, its digits removed from text; false when it has none or too
// many to be a process id or a name's number.
bool TakeNumber(std::string& text, unsigned long& number) {
  std::size_t digits = 0;
  while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
  if (digits == 0 || digits > 9) return false;
  number = std::stoul(text.substr(0, digits));
  text.erase(0, digits);
  return true;
}

}  // namespace

std::string OwnedName(unsigned long processId, int number, const std::string& extension) {
  return OWNED_NAME_PREFIX + std::to_string(processId) + "-" + std::to_string(number) + extension;
}

unsigned long NameOwner(const std::string& name, const std::string& extension) {
  const std::string prefix = OWNED_NAME_PREFIX;
  if (name.size() < prefix.size() + extension.size() ||
      name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
    return 0;
  }
  std::string rest = name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
  unsigned long owner = 0, number = 0;
  if (!TakeNumber(rest, owner) || rest.empty() || rest[0] != '-') return 0;
  rest.erase(0, 1);
  if (!TakeNumber(rest, number) || !rest.empty()) return 0;
  return owner;
}

std::string FreeFolderName(const std::string& executableName,
                           const std::function<bool(const std::string& name)>& taken) {
  const std::string stem = std::filesystem::u8path(executableName).stem().u8string();
  std::string name = stem;
  for (int n = 2; taken(name); ++n) name = stem + " (" + std::to_string(n) + ")";
  return name;
}

void NoteFieldLeft(EmptyFieldReporting& reporting, int question, EditorField field) {
  const bool known = std::any_of(
      reporting.left.begin(), reporting.left.end(),
      [&](const ProblemTarget& left) { return left.question == question && left.field == field; });
  if (!known) reporting.left.push_back({question, field});
}

int QuestionAfter(int question, QuestionListChange change, int index) {
  switch (change) {
    case QUESTION_INSERTED:
      return question >= index ? question + 1 : question;
    case QUESTION_REMOVED:
      return question == index ? -1 : question > index ? question - 1 : question;
    case QUESTION_SWAPPED_WITH_NEXT:
      return question == index ? index + 1 : question == index + 1 ? index : question;
  }
  return question;
}

void FollowQuestionList(EmptyFieldReporting& reporting, QuestionListChange change, int index) {
  std::vector<ProblemTarget> followed;
  for (ProblemTarget left : reporting.left) {
    if (FactsOf(left.field).ofQuestion) left.question = QuestionAfter(left.question, change, index);
    if (left.question >= 0 || !FactsOf(left.field).ofQuestion) followed.push_back(left);
  }
  reporting.left = std::move(followed);
}

bool IsEmptyFieldProblem(const EditorDocument& document, const Problem& problem) {
  const ProblemTarget target = TargetOfProblem(problem);
  if (target.field == FIELD_CODES) return problem.index == 0 && document.quiz.codes.empty();
  if (target.field == FIELD_NONE || FactsOf(target.field).value == VALUE_SETTING) return false;
  if (FactsOf(target.field).ofQuestion && !ValidQuestion(document, target.question)) return false;
  return FieldText(document, target.question, target.field).empty();
}

std::vector<Problem> ReportedProblems(const EditorDocument& document,
                                      const EmptyFieldReporting& reporting,
                                      const std::vector<Problem>& problems) {
  if (reporting.everyField) return problems;
  std::vector<Problem> reported;
  for (const Problem& problem : problems) {
    const ProblemTarget target = TargetOfProblem(problem);
    const bool left = std::any_of(
        reporting.left.begin(), reporting.left.end(), [&](const ProblemTarget& field) {
          return field.question == target.question && field.field == target.field;
        });
    if (left || !IsEmptyFieldProblem(document, problem)) reported.push_back(problem);
  }
  return reported;
}

std::string ReportedCountText(const std::vector<Problem>& reported, bool heldBack) {
  if (reported.empty() && heldBack) return "Des champs obligatoires restent à remplir";
  return ProblemCountText(reported);
}
