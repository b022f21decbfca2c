// Reading and writing quiz files: JSON in UTF-8, with the keys that authors' files already have.
#include "tools/authoring/quiz_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "board/grading.h"
#include "tools/authoring/normalize.h"
#include "tools/authoring/spreadsheet_format.h"
#include "tools/authoring/text_encoding.h"

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

const char* const KIND_NAMES[4] = {KINDS[0].name, KINDS[1].name, KINDS[2].name, KINDS[3].name};

const char* const SAVE_AS_UTF8 =
    "enregistrez-le en UTF-8 : dans le Bloc-notes, menu Fichier > Enregistrer sous, "
    "Encodage : UTF-8";

template <std::size_t N>
int IndexOf(const char* const (&names)[N], const std::string& name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (name == names[i]) return static_cast<int>(i);
  }
  return -1;
}

// « a », « b » ou « c »
template <std::size_t N>
std::string Choices(const char* const (&names)[N]) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    text += (i == 0 ? "" : i + 1 == N ? " ou " : ", ") + Quoted(names[i]);
  }
  return text;
}

std::string Lowered(std::string text) {
  for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
  return text;
}

// The known key closest to a misspelt one, among the quiz's or a question's: one letter off in
// four at most.
std::string UnknownKeyMessage(bool ofQuestion, const std::string& key) {
  int best = static_cast<int>(key.size()) / 4 + 1;
  const char* closest = nullptr;
  for (int field = 0; field < FIELD_COUNT; ++field) {
    const FieldFacts& facts = FactsOf(static_cast<QuizField>(field));
    if (facts.ofQuestion != ofQuestion) continue;
    const int distance = EditDistance(Lowered(key).c_str(), Lowered(facts.key).c_str());
    if (distance < best) {
      best = distance;
      closest = facts.key;
    }
  }
  if (closest) return "champ inconnu ; vouliez-vous dire " + Quoted(closest) + " ?";
  return "champ inconnu : corrigez son nom ou supprimez-le";
}

std::string ValueText(const Json& value) {
  return Quoted(value.is_string() ? value.get<std::string>() : value.dump());
}

struct Reader {
  std::vector<Problem>& problems;

  void Error(int question, const std::string& field, const std::string& message, int index = 0) {
    problems.push_back(ErrorAt({question, field, index}, message));
  }
};

void RefuseUnknownKeys(Reader& reader, const Json& object, int question) {
  const bool ofQuestion = question > 0;
  for (const auto& item : object.items()) {
    const QuizField field = FieldOfKey(item.key());
    if (field == FIELD_NONE || FactsOf(field).ofQuestion != ofQuestion) {
      reader.Error(question, item.key(), UnknownKeyMessage(ofQuestion, item.key()));
    }
  }
}

// A text, composed to NFC, or a media path, kept as written; empty when absent.
std::string ReadValue(Reader& reader, const Json& object, QuizField field, int question) {
  const FieldFacts& facts = FactsOf(field);
  if (!object.contains(facts.key)) return {};
  const Json& value = object.at(facts.key);
  if (!value.is_string()) {
    reader.Error(question, facts.key,
                 facts.value == VALUE_PATH ? "doit être le chemin d'un fichier, entre guillemets"
                                          : "doit être un texte entre guillemets");
    return {};
  }
  return facts.value == VALUE_PATH ? value.get<std::string>() : ComposeNfc(value.get<std::string>());
}

// Every text and path field of a quiz or of a question.
template <typename Record>
void ReadValues(Reader& reader, const Json& object, int question, Record& record) {
  for (int field = 0; field < FIELD_COUNT; ++field) {
    if (std::string* value = FieldValueOf(record, static_cast<QuizField>(field))) {
      *value = ReadValue(reader, object, static_cast<QuizField>(field), question);
    }
  }
}

// The kind that the questions' media name, for the checks that follow an unusable kind.
QuizKind KindOfMedia(const Json& json) {
  int counts[4] = {0, 0, 0, 0};
  if (json.contains(KeyOf(FIELD_QUESTIONS)) && json.at(KeyOf(FIELD_QUESTIONS)).is_array()) {
    for (const Json& question : json.at(KeyOf(FIELD_QUESTIONS))) {
      for (QuizKind kind : {KIND_PICTURE, KIND_AUDIO, KIND_VIDEO}) {
        if (question.is_object() && question.contains(MediaKey(kind))) ++counts[kind];
      }
    }
  }
  return static_cast<QuizKind>(std::max_element(counts, counts + 4) - counts);
}

QuizKind ReadKind(Reader& reader, const Json& json) {
  if (!json.contains(KeyOf(FIELD_KIND))) {
    reader.Error(
        0, KeyOf(FIELD_KIND),
        "il manque le type de quiz : ajoutez " + Quoted(KeyOf(FIELD_KIND)) + " avec la valeur " +
            Choices(KIND_NAMES));
    return KindOfMedia(json);
  }
  const Json& value = json.at(KeyOf(FIELD_KIND));
  const int index = value.is_string() ? IndexOf(KIND_NAMES, value.get<std::string>()) : -1;
  if (index < 0) {
    reader.Error(
        0, KeyOf(FIELD_KIND),
        ValueText(value) + " n'est pas un type de quiz : choisissez " + Choices(KIND_NAMES));
    return KindOfMedia(json);
  }
  return static_cast<QuizKind>(index);
}

RevealMode ReadRevealMode(Reader& reader, const Json& json) {
  if (!json.contains(KeyOf(FIELD_REVEAL_MODE))) return REVEAL_NONE;
  const Json& value = json.at(KeyOf(FIELD_REVEAL_MODE));
  const int index = value.is_string() ? IndexOf(REVEAL_MODE_NAMES, value.get<std::string>()) : -1;
  if (index >= 0) return static_cast<RevealMode>(index);
  reader.Error(
      0, KeyOf(FIELD_REVEAL_MODE),
      ValueText(value) + " n'est pas une révélation : choisissez " + Choices(REVEAL_MODE_NAMES));
  return REVEAL_NONE;
}

bool AnyQuestionHas(const Json& json, const char* key) {
  if (!json.contains(KeyOf(FIELD_QUESTIONS)) || !json.at(KeyOf(FIELD_QUESTIONS)).is_array()) {
    return false;
  }
  const Json& questions = json.at(KeyOf(FIELD_QUESTIONS));
  return std::any_of(questions.begin(), questions.end(), [&](const Json& question) {
    return question.is_object() && question.contains(key);
  });
}

int ReadAnswersPerQuestion(Reader& reader, const Json& json) {
  if (!json.contains(KeyOf(FIELD_ANSWERS_PER_QUESTION))) return 1;
  const Json& value = json.at(KeyOf(FIELD_ANSWERS_PER_QUESTION));
  if (value.is_number_integer() && (value == 1 || value == 2)) return value.get<int>();
  reader.Error(0, KeyOf(FIELD_ANSWERS_PER_QUESTION), "doit valoir 1 ou 2, sans guillemets");
  return AnyQuestionHas(json, KeyOf(FIELD_ANSWER2)) ? 2 : 1;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::uint32_t ReadColour(Reader& reader, const Json& json) {
  const std::uint32_t white = 0x00FFFFFF;
  if (!json.contains(KeyOf(FIELD_BACKGROUND_COLOUR))) return white;
  const Json& value = json.at(KeyOf(FIELD_BACKGROUND_COLOUR));
  const std::string text = value.is_string() ? value.get<std::string>() : "";
  std::uint32_t colour = 0;
  bool valid = text.size() == 7 && text[0] == '#';
  for (int i = 0; valid && i < 3; ++i) {
    const int high = HexDigit(text[1 + 2 * i]), low = HexDigit(text[2 + 2 * i]);
    valid = high >= 0 && low >= 0;
    colour |= static_cast<std::uint32_t>(high * 16 + low) << (8 * i);
  }
  if (valid) return colour;
  reader.Error(0, KeyOf(FIELD_BACKGROUND_COLOUR),
               "doit être une couleur « #RRGGBB » en hexadécimal, par exemple « #FFFFFF » pour "
               "du blanc");
  return white;
}

void ReadCodes(Reader& reader, const Json& json, QuizFile& quiz) {
  if (!json.contains(KeyOf(FIELD_CODES))) return;
  const Json& codes = json.at(KeyOf(FIELD_CODES));
  if (!codes.is_array()) {
    reader.Error(0, KeyOf(FIELD_CODES),
                 "doit être une liste de textes entre crochets : [\"...\", \"...\"]");
    return;
  }
  int k = 0;
  for (const Json& code : codes) {
    ++k;
    if (!code.is_string()) {
      reader.Error(0, KeyOf(FIELD_CODES), "doit être un texte entre guillemets", k);
    }
    quiz.codes.push_back(code.is_string() ? ComposeNfc(code.get<std::string>()) : "");
  }
}

QuestionFile ReadQuestion(Reader& reader, const Json& object, int n) {
  QuestionFile question;
  if (!object.is_object()) {
    reader.Error(n, "",
                 "doit être un objet entre accolades { } qui donne les champs de la question");
    return question;
  }
  RefuseUnknownKeys(reader, object, n);
  ReadValues(reader, object, n, question);
  return question;
}

void ReadQuestions(Reader& reader, const Json& json, QuizFile& quiz) {
  if (!json.contains(KeyOf(FIELD_QUESTIONS))) {
    reader.Error(0, KeyOf(FIELD_QUESTIONS),
                 "il manque la liste des questions : ajoutez " + Quoted(KeyOf(FIELD_QUESTIONS)));
    return;
  }
  const Json& questions = json.at(KeyOf(FIELD_QUESTIONS));
  if (!questions.is_array()) {
    reader.Error(0, KeyOf(FIELD_QUESTIONS),
                 "doit être une liste de questions entre crochets : [{...}, {...}]");
    return;
  }
  int n = 0;
  for (const Json& question : questions)
    quiz.questions.push_back(ReadQuestion(reader, question, ++n));
}

void ReadQuiz(Reader& reader, const Json& json, QuizFile& quiz) {
  RefuseUnknownKeys(reader, json, 0);
  quiz.kind = ReadKind(reader, json);
  ReadValues(reader, json, 0, quiz);
  quiz.answersPerQuestion = ReadAnswersPerQuestion(reader, json);
  quiz.revealMode = ReadRevealMode(reader, json);
  quiz.backgroundColour = ReadColour(reader, json);
  ReadCodes(reader, json, quiz);
  ReadQuestions(reader, json, quiz);
}

// A spreadsheet opened as a quiz file: what it is, and that it is imported, not opened.
bool RefuseSpreadsheet(Reader& reader, const std::string& bytes) {
  const SpreadsheetFormat format = SpreadsheetFormatOf(bytes);
  if (format == SHEET_NONE) return false;
  reader.Error(0, "",
               format == SHEET_CSV ? "ce fichier est un tableau CSV, pas un fichier de quiz : "
                                     "importez-le pour en faire un quiz"
                                   : WorkbookMessage(format));
  return true;
}

// The file as UTF-8, or false when it cannot be read as text at all.
bool DecodeQuizText(Reader& reader, const std::string& bytes, std::string& utf8) {
  const DecodedText decoded = DecodeText(bytes);
  if (decoded.encoding == ENCODING_UTF16) {
    reader.Error(0, "",
                 std::string("le fichier est enregistré en UTF-16 (« Unicode »), que brela ne lit "
                             "pas : ") +
                     SAVE_AS_UTF8);
    return false;
  }
  if (decoded.encoding == ENCODING_CP1252) {
    reader.Error(0, "",
                 "le fichier n'est pas enregistré en UTF-8 mais sans doute en ANSI "
                 "(Windows-1252) : le caractère " +
                     PositionText(PositionOf(bytes, decoded.firstNonUtf8)) +
                     " n'est pas de l'UTF-8 ; " + SAVE_AS_UTF8);
  }
  utf8 = decoded.utf8;
  return true;
}

bool IsNumberCharacter(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == 'E' ||
         c == '+' || c == '-';
}

// nlohmann reports the last byte of the token it could not take: the place to show is its first.
std::size_t TokenStart(const std::string& text, std::size_t last) {
  std::size_t start = last;
  if (text[last] == '"') {
    while (start > 0 && !(text[start - 1] == '"' && (start < 2 || text[start - 2] != '\\'))) {
      --start;
    }
    return start > 0 ? start - 1 : 0;
  }
  if (std::isdigit(static_cast<unsigned char>(text[last]))) {
    while (start > 0 && IsNumberCharacter(text[start - 1])) --start;
  }
  return start;
}

char PreviousVisible(const std::string& text, std::size_t offset) {
  while (offset > 0) {
    const char c = text[--offset];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return c;
  }
  return '\0';
}

// What most likely went wrong at a token, in an author's terms.
std::string SyntaxHint(const std::string& text, std::size_t start) {
  const char c = text[start];
  const char before = PreviousVisible(text, start);
  if ((c == '}' || c == ']') && before == ',') {
    return "une virgule en trop avant " + Quoted(std::string(1, c)) + " : supprimez-la";
  }
  if (c == '"' && (before == '"' || before == '}' || before == ']' ||
                   std::isalnum(static_cast<unsigned char>(before)))) {
    return "il manque une virgule avant ce texte";
  }
  if (c == '\'') return "les textes s'écrivent entre guillemets droits \", pas entre apostrophes";
  if (text.compare(start, 3, "\xE2\x80\x9C") == 0 || text.compare(start, 3, "\xE2\x80\x9D") == 0) {
    return "les textes s'écrivent entre guillemets droits \", pas entre guillemets typographiques";
  }
  if (static_cast<unsigned char>(c) < 0x20) {
    return "un texte entre guillemets ne peut pas contenir de retour à la ligne ni de tabulation";
  }
  return "vérifiez les guillemets, virgules, accolades et crochets à cet endroit";
}

std::string SyntaxMessage(const std::string& text, std::size_t byte) {
  if (PreviousVisible(text, text.size()) == '\0') {
    return "le fichier est vide : il doit contenir un quiz entre accolades { }";
  }
  if (byte == 0 || byte > text.size()) {
    return "le fichier s'arrête avant la fin du quiz (" +
           PositionText(PositionOf(text, text.size())) +
           ") : il manque sans doute un guillemet, une accolade } ou un crochet ] fermant";
  }
  const std::size_t last = byte - 1;
  // Inside a text, nlohmann stops on the offending byte itself.
  const std::size_t start =
      static_cast<unsigned char>(text[last]) < 0x20 ? last : TokenStart(text, last);
  return "erreur de syntaxe JSON " + PositionText(PositionOf(text, start)) + " : " +
         SyntaxHint(text, start);
}

// The text and path fields between first and last that the quiz uses or that hold something.
template <typename Record>
void PutValues(OrderedJson& json, const QuizFile& quiz, const Record& record, QuizField first,
               QuizField last) {
  for (int field = first; field <= last; ++field) {
    const std::string* value = FieldValueOf(record, static_cast<QuizField>(field));
    if (value && (FieldUsed(static_cast<QuizField>(field), quiz) || !value->empty())) {
      json[KeyOf(static_cast<QuizField>(field))] = *value;
    }
  }
}

OrderedJson QuestionJson(const QuizFile& quiz, const QuestionFile& question) {
  OrderedJson json;
  PutValues(json, quiz, question, FIELD_ANSWER1, FIELD_ANSWER_PICTURE);
  return json;
}

std::string ColourText(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(colour & 0xFF),
                static_cast<unsigned>((colour >> 8) & 0xFF),
                static_cast<unsigned>((colour >> 16) & 0xFF));
  return text;
}

template <std::size_t N>
const char* NameOf(const char* const (&names)[N], int value) {
  return value >= 0 && value < static_cast<int>(N) ? names[value] : names[0];
}

}  // namespace

const char* MediaKey(QuizKind kind) {
  const QuizField media = KindOf(kind).media;
  return media == FIELD_NONE ? nullptr : FactsOf(media).key;
}

std::string& MediaPath(QuestionFile& question, QuizKind kind) {
  const QuizField media = KindOf(kind).media;
  return *FieldValueOf(question, media == FIELD_NONE ? FIELD_PICTURE : media);
}

const std::string& MediaPath(const QuestionFile& question, QuizKind kind) {
  return MediaPath(const_cast<QuestionFile&>(question), kind);
}

bool ShowsAnswerPictures(const QuizFile& quiz) { return FieldUsed(FIELD_ANSWER_PICTURE, quiz); }

bool ShowsRevealTexts(const QuizFile& quiz) { return FieldUsed(FIELD_REVEAL_TEXT, quiz); }

QuizFile ReadQuizJson(const std::string& text, std::vector<Problem>& problems, bool* readable) {
  QuizFile quiz;
  Reader reader{problems};
  std::string utf8;
  Json json;
  bool read = !RefuseSpreadsheet(reader, text) && DecodeQuizText(reader, text, utf8);
  if (read) {
    try {
      json = Json::parse(utf8);
    } catch (const Json::parse_error& error) {
      reader.Error(0, "", SyntaxMessage(utf8, error.byte));
      read = false;
    } catch (const Json::out_of_range&) {  // a number past the range of a double
      reader.Error(0, "",
                   "un nombre du fichier est trop grand pour être lu : corrigez-le (les nombres "
                   "d'un quiz sont petits : answersPerQuestion vaut 1 ou 2)");
      read = false;
    }
  }
  if (read && !json.is_object()) {
    reader.Error(0, "", "le fichier doit contenir un quiz entre accolades : { \"kind\": ... }");
    read = false;
  }
  if (read) ReadQuiz(reader, json, quiz);
  if (readable) *readable = read;
  return quiz;
}

std::string WriteQuizJson(const QuizFile& quiz) {
  OrderedJson json;
  json[KeyOf(FIELD_KIND)] = NameOf(KIND_NAMES, quiz.kind);
  PutValues(json, quiz, quiz, FIELD_TITLE, FIELD_ANSWER2_CAPTION);
  json[KeyOf(FIELD_ANSWERS_PER_QUESTION)] = quiz.answersPerQuestion;
  json[KeyOf(FIELD_REVEAL_MODE)] = NameOf(REVEAL_MODE_NAMES, quiz.revealMode);
  json[KeyOf(FIELD_BACKGROUND_COLOUR)] = ColourText(quiz.backgroundColour);
  json[KeyOf(FIELD_CODES)] = quiz.codes;
  OrderedJson& questions = json[KeyOf(FIELD_QUESTIONS)] = OrderedJson::array();
  for (const QuestionFile& question : quiz.questions) {
    questions.push_back(QuestionJson(quiz, question));
  }
  return json.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}
