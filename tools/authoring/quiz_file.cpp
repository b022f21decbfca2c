// Reading and writing quiz files (JSON) with every check of what the quiz resources can hold.
#include "tools/authoring/quiz_file.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "tools/authoring/cp1252.h"

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::size_t MAX_TEXT_BYTES = TEXT_SIZE - 1;

const char* const KIND_NAMES[] = {"text", "picture", "audio", "video"};
const char* const REVEAL_NAMES[] = {"none", "picture", "text", "textAndPicture", "textsAtEnd"};

const char* const QUIZ_KEYS[] = {"kind",
                                 "title",
                                 "author",
                                 "explanation",
                                 "answer1Caption",
                                 "answer2Caption",
                                 "answersPerQuestion",
                                 "revealMode",
                                 "backgroundColour",
                                 "codes",
                                 "questions"};
const char* const QUESTION_KEYS[] = {"answer1", "answer2", "questionText", "revealText",
                                     "picture", "sound",   "film",         "answerPicture"};

bool HasRevealTexts(RevealMode mode) {
  return mode == REVEAL_TEXT || mode == REVEAL_TEXT_AND_PICTURE || mode == REVEAL_TEXTS_AT_END;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Where a problem lies ("title", "question 3, answer2") and the list it goes to.
struct Checker {
  std::vector<std::string>& problems;

  void Report(const std::string& where, const std::string& what) {
    problems.push_back(where + ": " + what);
  }
};

template <std::size_t N>
int IndexOf(const char* const (&names)[N], const std::string& name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (name == names[i]) return static_cast<int>(i);
  }
  return -1;
}

template <std::size_t N>
std::string Choices(const char* const (&names)[N]) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) text += (i ? ", " : "") + Quoted(names[i]);
  return text;
}

template <std::size_t N>
void RefuseUnknownKeys(Checker& checker, const Json& object, const std::string& where,
                       const char* const (&known)[N]) {
  for (const auto& item : object.items()) {
    if (IndexOf(known, item.key()) < 0) {
      checker.Report(where.empty() ? Quoted(item.key()) : where + ", " + Quoted(item.key()),
                     "unknown field");
    }
  }
}

// A text in CP1252 that fits a resource field or code line; reports what does not fit.
std::string CheckedText(Checker& checker, const Json& value, const std::string& where,
                        bool isCodeLine) {
  if (!value.is_string()) {
    checker.Report(where, "must be a text");
    return {};
  }
  std::string text, problem;
  if (!Utf8ToCp1252(value.get<std::string>(), text, problem)) {
    checker.Report(where, problem);
    return {};
  }
  if (text.size() > MAX_TEXT_BYTES) {
    checker.Report(where,
                   std::to_string(text.size()) + " bytes once in code page 1252, at most 259 fit");
  }
  if (text.find('\0') != std::string::npos) {
    checker.Report(where, "a zero character cannot be kept");
  }
  if (!isCodeLine && text.find('|') != std::string::npos) {
    checker.Report(where, "'|' separates the fields of the quiz and cannot be in one");
  }
  if (isCodeLine && text.find_first_of("\r\n") != std::string::npos) {
    checker.Report(where, "a code is one line: no line break");
  }
  return text;
}

std::string Field(Checker& checker, const Json& object, const char* key, const std::string& where,
                  bool required) {
  if (!object.contains(key)) {
    if (required) checker.Report(where, "missing");
    return {};
  }
  return CheckedText(checker, object.at(key), where, false);
}

std::string Prefixed(const std::string& prefix, const char* key) {
  return prefix.empty() ? std::string(key) : prefix + ", " + key;
}

template <std::size_t N>
int ReadChoice(Checker& checker, const Json& quiz, const char* key, const char* const (&names)[N],
               int fallback, bool required) {
  if (!quiz.contains(key)) {
    if (required) checker.Report(key, "missing: one of " + Choices(names));
    return fallback;
  }
  const Json& value = quiz.at(key);
  const int index = value.is_string() ? IndexOf(names, value.get<std::string>()) : -1;
  if (index < 0) checker.Report(key, "must be one of " + Choices(names));
  return index < 0 ? fallback : index;
}

int ReadAnswersPerQuestion(Checker& checker, const Json& quiz) {
  if (!quiz.contains("answersPerQuestion")) return 1;
  const Json& value = quiz.at("answersPerQuestion");
  if (value == 1 || value == 2) return value.get<int>();
  checker.Report("answersPerQuestion", "must be 1 or 2");
  return 1;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::uint32_t ReadColour(Checker& checker, const Json& quiz) {
  const std::uint32_t white = 0x00FFFFFF;
  if (!quiz.contains("backgroundColour")) return white;
  const Json& value = quiz.at("backgroundColour");
  const std::string text = value.is_string() ? value.get<std::string>() : "";
  int channels[3] = {-1, -1, -1};
  for (int i = 0; text.size() == 7 && text[0] == '#' && i < 3; ++i) {
    const int high = HexDigit(text[1 + 2 * i]), low = HexDigit(text[2 + 2 * i]);
    channels[i] = high < 0 || low < 0 ? -1 : high * 16 + low;
  }
  if (channels[0] < 0 || channels[1] < 0 || channels[2] < 0) {
    checker.Report("backgroundColour", "must be \"#RRGGBB\" in hexadecimal");
    return white;
  }
  return channels[0] + 256u * channels[1] + 65536u * channels[2];
}

// A media path: required or refused by the quiz's kind and reveal mode.
std::string ReadMediaPath(Checker& checker, const Json& object, const char* key, bool expected,
                          const std::string& where, const std::string& whyNot) {
  const std::string place = Prefixed(where, key);
  if (!object.contains(key)) {
    if (expected) checker.Report(place, "missing");
    return {};
  }
  if (!expected) {
    checker.Report(place, whyNot);
    return {};
  }
  const Json& value = object.at(key);
  if (!value.is_string() || value.get<std::string>().empty()) {
    checker.Report(place, "must be the path of a file");
    return {};
  }
  return value.get<std::string>();
}

void ReadQuestionMedia(Checker& checker, const Json& object, const QuizFile& quiz,
                       const std::string& where, QuestionFile& question) {
  const std::string kindName = KIND_NAMES[quiz.kind];
  for (QuizKind kind : {KIND_PICTURE, KIND_AUDIO, KIND_VIDEO}) {
    std::string path = ReadMediaPath(checker, object, MediaKey(kind), kind == quiz.kind, where,
                                     "not used by a quiz of kind " + Quoted(kindName));
    if (kind == quiz.kind) question.media = path;
  }
  question.answerPicture =
      ReadMediaPath(checker, object, "answerPicture", ShowsAnswerPictures(quiz), where,
                    "shown only by a picture quiz with reveal mode \"picture\" or "
                    "\"textAndPicture\"");
}

void RequireNonEmpty(Checker& checker, const Json& object, const char* key,
                     const std::string& where) {
  if (object.contains(key) && object.at(key) == "") {
    checker.Report(Prefixed(where, key), "empty: nothing typed could match it");
  }
}

QuestionFile ReadQuestion(Checker& checker, const Json& object, const QuizFile& quiz, int n) {
  const std::string where = "question " + std::to_string(n);
  QuestionFile question;
  if (!object.is_object()) {
    checker.Report(where, "must be an object of fields");
    return question;
  }
  RefuseUnknownKeys(checker, object, where, QUESTION_KEYS);
  const bool twoAnswers = quiz.answersPerQuestion == 2;
  question.answer1 = Field(checker, object, "answer1", Prefixed(where, "answer1"), true);
  RequireNonEmpty(checker, object, "answer1", where);
  question.answer2 = Field(checker, object, "answer2", Prefixed(where, "answer2"), twoAnswers);
  if (twoAnswers) {
    RequireNonEmpty(checker, object, "answer2", where);
  } else if (!question.answer2.empty()) {
    checker.Report(Prefixed(where, "answer2"), "the quiz has one answer per question");
  }
  question.questionText = Field(checker, object, "questionText", Prefixed(where, "questionText"),
                                quiz.kind == KIND_TEXT);
  question.revealText = Field(checker, object, "revealText", Prefixed(where, "revealText"), false);
  if (!question.revealText.empty() && !HasRevealTexts(quiz.revealMode)) {
    checker.Report(Prefixed(where, "revealText"), std::string("reveal mode ") +
                                                      Quoted(REVEAL_NAMES[quiz.revealMode]) +
                                                      " keeps no reveal text");
  }
  ReadQuestionMedia(checker, object, quiz, where, question);
  return question;
}

void ReadQuestions(Checker& checker, const Json& json, QuizFile& quiz) {
  if (!json.contains("questions") || !json.at("questions").is_array()) {
    checker.Report("questions", "missing: a list of questions is needed");
    return;
  }
  const Json& questions = json.at("questions");
  if (questions.empty()) checker.Report("questions", "a quiz needs at least one question");
  if (questions.size() > static_cast<std::size_t>(MAX_QUESTIONS)) {
    checker.Report("questions", std::to_string(questions.size()) + " questions, at most " +
                                    std::to_string(MAX_QUESTIONS) + " fit");
  }
  int n = 0;
  for (const Json& question : questions)
    quiz.questions.push_back(ReadQuestion(checker, question, quiz, ++n));
}

void ReadCodes(Checker& checker, const Json& json, QuizFile& quiz) {
  if (!json.contains("codes") || !json.at("codes").is_array()) {
    checker.Report("codes", "missing: a list of progress codes, one per question, is needed");
    return;
  }
  int k = 0;
  for (const Json& code : json.at("codes")) {
    quiz.codes.push_back(CheckedText(checker, code, "code " + std::to_string(++k), true));
  }
  const std::size_t count = quiz.codes.size(), questions = quiz.questions.size();
  if (count != questions) {
    checker.Report("codes", std::to_string(count) + " codes for " + std::to_string(questions) +
                                " questions: there must be exactly one per question");
  }
}

void ReadQuiz(Checker& checker, const Json& json, QuizFile& quiz) {
  RefuseUnknownKeys(checker, json, "", QUIZ_KEYS);
  const std::size_t before = checker.problems.size();
  quiz.kind = static_cast<QuizKind>(ReadChoice(checker, json, "kind", KIND_NAMES, KIND_TEXT, true));
  quiz.answersPerQuestion = ReadAnswersPerQuestion(checker, json);
  quiz.revealMode = static_cast<RevealMode>(
      ReadChoice(checker, json, "revealMode", REVEAL_NAMES, REVEAL_NONE, false));
  // What each question must hold follows from these three: a wrong one would mislead its checks.
  const bool questionsCheckable = checker.problems.size() == before;
  quiz.title = Field(checker, json, "title", "title", true);
  quiz.author = Field(checker, json, "author", "author", false);
  quiz.explanation = Field(checker, json, "explanation", "explanation", false);
  quiz.answer1Caption = Field(checker, json, "answer1Caption", "answer1Caption", false);
  quiz.answer2Caption = Field(checker, json, "answer2Caption", "answer2Caption", false);
  quiz.backgroundColour = ReadColour(checker, json);
  if (!questionsCheckable) return;
  ReadQuestions(checker, json, quiz);
  ReadCodes(checker, json, quiz);
}

std::string ColourText(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(colour & 0xFF),
                static_cast<unsigned>((colour >> 8) & 0xFF),
                static_cast<unsigned>((colour >> 16) & 0xFF));
  return text;
}

OrderedJson QuestionJson(const QuizFile& quiz, const QuestionFile& question) {
  OrderedJson json;
  json["answer1"] = Cp1252ToUtf8(question.answer1);
  if (quiz.answersPerQuestion == 2) json["answer2"] = Cp1252ToUtf8(question.answer2);
  if (quiz.kind == KIND_TEXT || !question.questionText.empty()) {
    json["questionText"] = Cp1252ToUtf8(question.questionText);
  }
  if (HasRevealTexts(quiz.revealMode)) json["revealText"] = Cp1252ToUtf8(question.revealText);
  if (MediaKey(quiz.kind)) json[MediaKey(quiz.kind)] = question.media;
  if (ShowsAnswerPictures(quiz)) json["answerPicture"] = question.answerPicture;
  return json;
}

}  // namespace

const char* MediaKey(QuizKind kind) {
  switch (kind) {
    case KIND_PICTURE:
      return "picture";
    case KIND_AUDIO:
      return "sound";
    case KIND_VIDEO:
      return "film";
    default:
      return nullptr;
  }
}

bool ShowsAnswerPictures(const QuizFile& quiz) {
  return quiz.kind == KIND_PICTURE &&
         (quiz.revealMode == REVEAL_PICTURE || quiz.revealMode == REVEAL_TEXT_AND_PICTURE);
}

QuizFile ReadQuizJson(const std::string& text, std::vector<std::string>& problems) {
  QuizFile quiz;
  Checker checker{problems};
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& error) {
    checker.Report("JSON", error.what());
    return quiz;
  }
  if (!json.is_object()) {
    checker.Report("JSON", "the quiz must be an object of fields");
    return quiz;
  }
  ReadQuiz(checker, json, quiz);
  return quiz;
}

std::string WriteQuizJson(const QuizFile& quiz) {
  OrderedJson json;
  json["kind"] = KIND_NAMES[quiz.kind];
  json["title"] = Cp1252ToUtf8(quiz.title);
  json["author"] = Cp1252ToUtf8(quiz.author);
  json["explanation"] = Cp1252ToUtf8(quiz.explanation);
  json["answer1Caption"] = Cp1252ToUtf8(quiz.answer1Caption);
  json["answer2Caption"] = Cp1252ToUtf8(quiz.answer2Caption);
  json["answersPerQuestion"] = quiz.answersPerQuestion;
  json["revealMode"] = REVEAL_NAMES[quiz.revealMode];
  json["backgroundColour"] = ColourText(quiz.backgroundColour);
  json["codes"] = OrderedJson::array();
  for (const std::string& code : quiz.codes) json["codes"].push_back(Cp1252ToUtf8(code));
  json["questions"] = OrderedJson::array();
  for (const QuestionFile& question : quiz.questions) {
    json["questions"].push_back(QuestionJson(quiz, question));
  }
  return json.dump(2) + "\n";
}
