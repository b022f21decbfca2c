// The quiz file's fields and kinds, with the player's controls that bound their texts.
#include "tools/authoring/quiz_fields.h"

#include <algorithm>

#include "app/header_layout.h"
#include "board/layout.h"
#include "tools/authoring/quiz_file.h"

namespace {

// The room inside a control: an edit field keeps a margin each side of its text (3 pixels for
// the GUI font under Wine), a border takes a pixel each side.
constexpr int EDIT_MARGIN = 3;
constexpr int BORDER = 1;

constexpr TextBox EditBox(PlayerFont font, const ControlRect& rect) {
  return {font, rect.width - 2 * EDIT_MARGIN, rect.height, false};
}

constexpr TextBox StaticBox(PlayerFont font, int width, int height, int border = 0) {
  return {font, width - 2 * border, height - 2 * border, true};
}

constexpr TextBox NO_BOX = {FONT_GUI, 0, 0, false};

constexpr unsigned ANY = ALL_VALUES;
constexpr unsigned TWO_ANSWERS = ValueBit(2);
constexpr unsigned PICTURES = ValueBit(KIND_PICTURE);
constexpr unsigned REVEALED_TEXT =
    ValueBit(REVEAL_TEXT) | ValueBit(REVEAL_TEXT_AND_PICTURE) | ValueBit(REVEAL_TEXTS_AT_END);
constexpr unsigned REVEALED_PICTURE = ValueBit(REVEAL_PICTURE) | ValueBit(REVEAL_TEXT_AND_PICTURE);

const FieldFacts FIELDS[FIELD_COUNT] = {
    {"kind", false, VALUE_SETTING, "type de quiz", ANY, ANY, ANY, nullptr, false, NO_BOX,
     "le type de quiz : \"text\" (questions écrites), \"picture\" (images),\n\"audio\" (sons) ou "
     "\"video\" (films) ; obligatoire", nullptr},
    {"title", false, VALUE_TEXT, "titre", ANY, ANY, ANY, nullptr, true,
     StaticBox(FONT_SYSTEM, TITLE_RECT.width, TITLE_RECT.height),
     "le titre, en haut de la fenêtre ; obligatoire", nullptr},
    {"author", false, VALUE_TEXT, "auteur", ANY, ANY, ANY, nullptr, true,
     StaticBox(FONT_GUI, AUTHOR_RECT.width, AUTHOR_RECT.height),
     "l'auteur, affiché après « Par : »", nullptr},
    {"explanation", false, VALUE_TEXT, "explication", ANY, ANY, ANY, nullptr, true,
     StaticBox(FONT_GUI, EXPLANATION_RECT.width, EXPLANATION_RECT.height),
     "une ligne d'explication sous le titre", nullptr},
    {"answer1Caption", false, VALUE_TEXT, "légende de la réponse 1", ANY, TWO_ANSWERS, ANY,
     nullptr, true, StaticBox(FONT_GUI, CAPTION_WIDTH, CAPTION_HEIGHT),
     "la légende de la première réponse, avec 2 réponses par question", nullptr},
    {"answer2Caption", false, VALUE_TEXT, "légende de la réponse 2", ANY, TWO_ANSWERS, ANY,
     nullptr, true, StaticBox(FONT_GUI, CAPTION_WIDTH, CAPTION_HEIGHT),
     "la légende de la deuxième réponse, avec 2 réponses par question", nullptr},
    {"answersPerQuestion", false, VALUE_SETTING, "réponses par question", ANY, ANY, ANY, nullptr,
     false, NO_BOX, "1 ou 2 réponses par question ; 1 si absent", nullptr},
    {"revealMode", false, VALUE_SETTING, "révélation", PICTURES, ANY, ANY, nullptr, false, NO_BOX,
     "ce qu'un quiz d'images montre quand une question est résolue :\n\"none\" (rien, par "
     "défaut), \"picture\" (l'image réponse),\n\"text\" (le texte révélé), \"textAndPicture\" "
     "(les deux), ou\n\"textsAtEnd\" (tous les textes révélés quand tout est résolu)", nullptr},
    {"backgroundColour", false, VALUE_SETTING, "couleur de fond", ANY, ANY, ANY, nullptr, false,
     NO_BOX, "la couleur du fond, \"#RRGGBB\" ; blanc si absent", nullptr},
    {"codes", false, VALUE_SETTING, "codes", ANY, ANY, ANY, "code", true,
     EditBox(FONT_GUI, CODE_RECT),
     "les codes de progression, un par question : le code k s'affiche\nquand k questions sont "
     "résolues",
     "le code affiché quand le nombre de questions de cette ligne est résolu"},
    {"questions", false, VALUE_SETTING, "questions", ANY, ANY, ANY, nullptr, false, NO_BOX,
     "la liste des questions, de 1 à %Q ; chacune avec :", nullptr},
    {"answer1", true, VALUE_TEXT, "réponse 1", ANY, ANY, ANY, "réponse|réponse1", false, NO_BOX,
     "la réponse attendue ; obligatoire",
     "la réponse attendue (ou « réponse1 »)"},
    {"answer2", true, VALUE_TEXT, "réponse 2", ANY, TWO_ANSWERS, ANY, "réponse2", false, NO_BOX,
     "la deuxième réponse, avec 2 réponses par question",
     "une deuxième réponse par question : le quiz en demande alors deux"},
    {"questionText", true, VALUE_TEXT, "énoncé", ValueBit(KIND_TEXT), ANY, ANY, "question", true,
     StaticBox(FONT_GUI, QUESTION_TEXT_WIDTH, QUESTION_TEXT_HEIGHT, BORDER),
     "l'énoncé, dans un quiz de questions écrites",
     "l'énoncé (quiz de questions écrites)"},
    {"revealText", true, VALUE_TEXT, "texte révélé", PICTURES, ANY, REVEALED_TEXT, "révélation",
     true, StaticBox(FONT_GUI, REVEAL_TEXT_WIDTH, REVEAL_TEXT_HEIGHT),
     "le texte révélé, avec \"revealMode\" \"text\", \"textAndPicture\" ou\n\"textsAtEnd\"",
     "un texte montré sous l'image quand la question est résolue"},
    {"picture", true, VALUE_PATH, "image", PICTURES, ANY, ANY, "image", false, NO_BOX,
     "l'image de la question, dans un quiz d'images",
     "l'image de la question : c'est alors un quiz d'images"},
    {"sound", true, VALUE_PATH, "son", ValueBit(KIND_AUDIO), ANY, ANY, "son", false, NO_BOX,
     "le son (MP3), dans un quiz de sons",
     "le son (MP3) de la question : c'est alors un quiz de sons"},
    {"film", true, VALUE_PATH, "film", ValueBit(KIND_VIDEO), ANY, ANY, "film", false, NO_BOX,
     "le film (AVI), dans un quiz de films",
     "le film (AVI) de la question : c'est alors un quiz de films"},
    {"answerPicture", true, VALUE_PATH, "image réponse", PICTURES, ANY, REVEALED_PICTURE,
     "image réponse", false, NO_BOX,
     "l'image réponse, avec \"revealMode\" \"picture\" ou \"textAndPicture\"",
     "l'image qui remplace l'image de la question quand elle est résolue"},
};

template <typename Record, typename Text>
Text* TextOf(Record& record, QuizField field) {
  switch (field) {
    case FIELD_TITLE: return &record.title;
    case FIELD_AUTHOR: return &record.author;
    case FIELD_EXPLANATION: return &record.explanation;
    case FIELD_ANSWER1_CAPTION: return &record.answer1Caption;
    case FIELD_ANSWER2_CAPTION: return &record.answer2Caption;
    default: return nullptr;
  }
}

template <typename Record, typename Text>
Text* QuestionTextOf(Record& record, QuizField field) {
  switch (field) {
    case FIELD_ANSWER1: return &record.answer1;
    case FIELD_ANSWER2: return &record.answer2;
    case FIELD_QUESTION_TEXT: return &record.questionText;
    case FIELD_REVEAL_TEXT: return &record.revealText;
    case FIELD_PICTURE: return &record.picture;
    case FIELD_SOUND: return &record.sound;
    case FIELD_FILM: return &record.film;
    case FIELD_ANSWER_PICTURE: return &record.answerPicture;
    default: return nullptr;
  }
}

bool Has(unsigned set, int value) { return value >= 0 && value < 32 && (set & ValueBit(value)); }

}  // namespace

const KindFacts KINDS[4] = {
    {"text", FIELD_NONE, "un quiz de questions écrites", "l'image", "d'image", MEDIA_PICTURE,
     "picture", ".jpg"},
    {"picture", FIELD_PICTURE, "un quiz d'images", "l'image", "d'image", MEDIA_PICTURE, "picture",
     ".jpg"},
    {"audio", FIELD_SOUND, "un quiz de sons", "le son", "de son", MEDIA_SOUND, "sound", ".mp3"},
    {"video", FIELD_FILM, "un quiz de films", "le film", "de film", MEDIA_FILM, "film", ".avi"},
};

const QuizField SPREADSHEET_COLUMNS[9] = {
    FIELD_QUESTION_TEXT, FIELD_ANSWER1,        FIELD_ANSWER2, FIELD_REVEAL_TEXT, FIELD_PICTURE,
    FIELD_ANSWER_PICTURE, FIELD_SOUND, FIELD_FILM, FIELD_CODES};

const QuizField MEDIA_FIELDS[3] = {FIELD_PICTURE, FIELD_SOUND, FIELD_FILM};

const char* const REVEAL_MODE_NAMES[5] = {"none", "picture", "text", "textAndPicture",
                                          "textsAtEnd"};
const char* const REVEAL_MODE_PHRASES[5] = {"rien", "l'image réponse", "le texte révélé",
                                            "le texte et l'image réponse",
                                            "tous les textes à la fin"};

const KindFacts& KindOf(int kind) {
  return kind >= KIND_TEXT && kind <= KIND_VIDEO ? KINDS[kind] : KINDS[KIND_TEXT];
}

const FieldFacts& FactsOf(QuizField field) { return FIELDS[field]; }

const char* KeyOf(QuizField field) { return FIELDS[field].key; }

QuizField FieldOfKey(const std::string& key) {
  for (int field = 0; field < FIELD_COUNT; ++field) {
    if (key == FIELDS[field].key) return static_cast<QuizField>(field);
  }
  return FIELD_NONE;
}

bool BoxOfField(const std::string& key, TextBox& box) {
  const QuizField field = FieldOfKey(key);
  if (field == FIELD_NONE || !FactsOf(field).shownInPlayer) return false;
  box = FactsOf(field).box;
  return true;
}

std::vector<std::string> ColumnHeaders(QuizField field) {
  std::vector<std::string> headers;
  if (!FactsOf(field).columns) return headers;
  const std::string columns = FactsOf(field).columns;
  for (std::size_t start = 0; start <= columns.size();) {
    const std::size_t end = std::min(columns.find('|', start), columns.size());
    headers.push_back(columns.substr(start, end - start));
    start = end + 1;
  }
  return headers;
}

bool KindUses(QuizField field, int kind) { return Has(FactsOf(field).kinds, kind); }

bool FieldUsed(QuizField field, int kind, int answersPerQuestion, int revealMode) {
  const FieldFacts& facts = FactsOf(field);
  return Has(facts.kinds, kind) && Has(facts.answerCounts, answersPerQuestion) &&
         Has(facts.revealModes, revealMode);
}

bool FieldUsed(QuizField field, const QuizFile& quiz) {
  return FieldUsed(field, quiz.kind, quiz.answersPerQuestion, quiz.revealMode);
}

std::string* FieldValueOf(QuizFile& quiz, QuizField field) {
  return TextOf<QuizFile, std::string>(quiz, field);
}

std::string* FieldValueOf(QuestionFile& question, QuizField field) {
  return QuestionTextOf<QuestionFile, std::string>(question, field);
}

const std::string* FieldValueOf(const QuizFile& quiz, QuizField field) {
  return TextOf<const QuizFile, const std::string>(quiz, field);
}

const std::string* FieldValueOf(const QuestionFile& question, QuizField field) {
  return QuestionTextOf<const QuestionFile, const std::string>(question, field);
}
