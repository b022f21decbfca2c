// The fields of a quiz file and the kinds of quiz, each fact written once: the reader, the writer,
// the checks, the spreadsheet import, the places of problems, the editor and the help follow
// these tables.
#pragma once

#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
#include "tools/authoring/media_check.h"
#include "tools/authoring/text_fit.h"

struct QuizFile;
struct QuestionFile;

// In the order in which the writer puts them: the quiz's own fields, then a question's.
enum QuizField {
  FIELD_NONE = -1,
  FIELD_KIND,
  FIELD_TITLE,
  FIELD_AUTHOR,
  FIELD_EXPLANATION,
  FIELD_ANSWER1_CAPTION,
  FIELD_ANSWER2_CAPTION,
  FIELD_ANSWERS_PER_QUESTION,
  FIELD_REVEAL_MODE,
  FIELD_BACKGROUND_COLOUR,
  FIELD_CODES,
  FIELD_QUESTIONS,
  FIELD_ANSWER1,
  FIELD_ANSWER2,
  FIELD_QUESTION_TEXT,
  FIELD_REVEAL_TEXT,
  FIELD_PICTURE,
  FIELD_SOUND,
  FIELD_FILM,
  FIELD_ANSWER_PICTURE,
  FIELD_COUNT
};

enum FieldValue {
  VALUE_TEXT,     // a text, composed to NFC
  VALUE_PATH,     // a media file's path, kept as written: it must match the name on the disk
  VALUE_SETTING,  // a kind, a number, a colour, a list: read by its own rule
};

// Sets of kinds, answer counts and reveal modes, one bit per value.
constexpr unsigned ValueBit(int value) { return 1u << value; }
constexpr unsigned ALL_VALUES = ~0u;

// One field. The editor's control for each field is the editor's own (its field controls).
struct FieldFacts {
  const char* key;
  bool ofQuestion;
  FieldValue value;
  const char* name;  // French, in the places of problems
  // A field is used when the quiz's kind, answer count and reveal mode are all in these sets.
  unsigned kinds;
  unsigned answerCounts;
  unsigned revealModes;
  const char* columns;     // its spreadsheet headers, '|' between them, the usual first; or null
  bool shownInPlayer;      // in a control of the player, whose room box gives
  TextBox box;             // the player's font and room for its text
  const char* help;        // the help's line(s) after the key; %Q: the most questions of a quiz
  const char* columnHelp;  // the help's line after its spreadsheet header; or null
};

const FieldFacts& FactsOf(QuizField field);
const char* KeyOf(QuizField field);
QuizField FieldOfKey(const std::string& key);  // FIELD_NONE for a key no quiz file has

// A field's spreadsheet headers, the usual one first; none for a field without a column.
std::vector<std::string> ColumnHeaders(QuizField field);

// The box of the control that shows a field ("title", "codes", "revealText"...); false for a
// field that the player shows nowhere.
bool BoxOfField(const std::string& key, TextBox& box);

// Whether some quiz of the kind uses the field, whatever its answers and reveal mode.
bool KindUses(QuizField field, int kind);

// Whether a quiz of these settings uses a field: shows it, or needs it.
bool FieldUsed(QuizField field, int kind, int answersPerQuestion, int revealMode);
bool FieldUsed(QuizField field, const QuizFile& quiz);

// The text of a text or path field; null for a setting.
std::string* FieldValueOf(QuizFile& quiz, QuizField field);
std::string* FieldValueOf(QuestionFile& question, QuizField field);
const std::string* FieldValueOf(const QuizFile& quiz, QuizField field);
const std::string* FieldValueOf(const QuestionFile& question, QuizField field);

// One kind. The editor's file chooser for its media is the media field's control's.
struct KindFacts {
  const char* name;       // in quiz files
  QuizField media;        // the field of each question's media; FIELD_NONE for text
  const char* phrase;     // "un quiz d'images"
  const char* definite;   // "l'image"
  const char* partitive;  // "d'image"
  MediaRole role;         // how its media are checked and packed
  const char* fileStem;   // the media's names when a quiz is written back: "picture01.jpg"
  const char* fileExtension;
};

extern const KindFacts KINDS[4];
// A kind's facts; the text kind's for a value that is no kind.
const KindFacts& KindOf(int kind);

// The spreadsheet's columns, in the order that the help and the messages list them.
extern const QuizField SPREADSHEET_COLUMNS[9];
// The media fields, a kind's own among them.
extern const QuizField MEDIA_FIELDS[3];

// The reveal modes by value: their names in quiz files, and what the messages call them.
extern const char* const REVEAL_MODE_NAMES[5];
extern const char* const REVEAL_MODE_PHRASES[5];
