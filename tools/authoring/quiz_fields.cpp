// The quiz file's fields and kinds, with the player's controls that bound their texts.
#include "tools/authoring/quiz_fields.h"

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

constexpr unsigned TWO_ANSWERS = Bit(2);
constexpr unsigned PICTURES = Bit(KIND_PICTURE);
constexpr unsigned REVEALED_TEXT =
    Bit(REVEAL_TEXT) | Bit(REVEAL_TEXT_AND_PICTURE) | Bit(REVEAL_TEXTS_AT_END);
constexpr unsigned REVEALED_PICTURE = Bit(REVEAL_PICTURE) | Bit(REVEAL_TEXT_AND_PICTURE);

const FieldSpec FIELDS[FIELD_COUNT] = {
    {"kind", false, VALUE_SETTING, "type de quiz", ALL, ALL, ALL, nullptr, false, NO_BOX,
     "le type de quiz : \"text\" (questions écrites), \"picture\" (images),\n\"audio\" (sons) ou "
     "\"video\" (films) ; obligatoire"},
    {"title", false, VALUE_TEXT, "titre", ALL, ALL, ALL, nullptr, true,
     StaticBox(FONT_SYSTEM, TITLE_RECT.width, TITLE_RECT.height),
     "le titre, en haut de la fenêtre ; obligatoire"},
    {"author", false, VALUE_TEXT, "auteur", ALL, ALL, ALL, nullptr, true,
     StaticBox(FONT_GUI, AUTHOR_RECT.width, AUTHOR_RECT.height),
     "l'auteur, affiché après « Par : »"},
    {"explanation", false, VALUE_TEXT, "explication", ALL, ALL, ALL, nullptr, true,
     StaticBox(FONT_GUI, EXPLANATION_RECT.width, EXPLANATION_RECT.height),
     "une ligne d'explication sous le titre"},
    {"answer1Caption", false, VALUE_TEXT, "légende de la réponse 1", ALL, TWO_ANSWERS, ALL,
     nullptr, true, StaticBox(FONT_GUI, CAPTION_WIDTH, CAPTION_HEIGHT),
     "la légende de la première réponse, avec 2 réponses par question"},
    {"answer2Caption", false, VALUE_TEXT, "légende de la réponse 2", ALL, TWO_ANSWERS, ALL,
     nullptr, true, StaticBox(FONT_GUI, CAPTION_WIDTH, CAPTION_HEIGHT),
     "la légende de la deuxième réponse, avec 2 réponses par question"},
    {"answersPerQuestion", false, VALUE_SETTING, "réponses par question", ALL, ALL, ALL, nullptr,
     false, NO_BOX, "1 ou 2 réponses par question ; 1 si absent"},
    {"revealMode", false, VALUE_SETTING, "révélation", PICTURES, ALL, ALL, nullptr, false, NO_BOX,
     "ce qu'un quiz d'images montre quand une question est résolue :\n\"none\" (rien, par "
     "défaut), \"picture\" (l'image réponse),\n\"text\" (le texte révélé), \"textAndPicture\" "
     "(les deux), ou\n\"textsAtEnd\" (tous les textes révélés quand tout est résolu)"},
    {"backgroundColour", false, VALUE_SETTING, "couleur de fond", ALL, ALL, ALL, nullptr, false,
     NO_BOX, "la couleur du fond, \"#RRGGBB\" ; blanc si absent"},
    {"codes", false, VALUE_SETTING, "codes", ALL, ALL, ALL, "code", true,
     EditBox(FONT_GUI, CODE_RECT),
     "les codes de progression, un par question : le code k s'affiche\nquand k questions sont "
     "résolues"},
    {"questions", false, VALUE_SETTING, "questions", ALL, ALL, ALL, nullptr, false, NO_BOX,
     "la liste des questions, de 1 à %Q ; chacune avec :"},
    {"answer1", true, VALUE_TEXT, "réponse 1", ALL, ALL, ALL, "réponse|réponse1", false, NO_BOX,
     "la réponse attendue ; obligatoire"},
    {"answer2", true, VALUE_TEXT, "réponse 2", ALL, TWO_ANSWERS, ALL, "réponse2", false, NO_BOX,
     "la deuxième réponse, avec 2 réponses par question"},
    {"questionText", true, VALUE_TEXT, "énoncé", Bit(KIND_TEXT), ALL, ALL, "question", true,
     StaticBox(FONT_GUI, QUESTION_TEXT_WIDTH, QUESTION_TEXT_HEIGHT, BORDER),
     "l'énoncé, dans un quiz de questions écrites"},
    {"revealText", true, VALUE_TEXT, "texte révélé", PICTURES, ALL, REVEALED_TEXT, "révélation",
     true, StaticBox(FONT_GUI, REVEAL_TEXT_WIDTH, REVEAL_TEXT_HEIGHT),
     "le texte révélé, avec \"revealMode\" \"text\", \"textAndPicture\" ou\n\"textsAtEnd\""},
    {"picture", true, VALUE_PATH, "image", PICTURES, ALL, ALL, "image", false, NO_BOX,
     "l'image de la question, dans un quiz d'images"},
    {"sound", true, VALUE_PATH, "son", Bit(KIND_AUDIO), ALL, ALL, "son", false, NO_BOX,
     "le son (MP3), dans un quiz de sons"},
    {"film", true, VALUE_PATH, "film", Bit(KIND_VIDEO), ALL, ALL, "film", false, NO_BOX,
     "le film (AVI), dans un quiz de films"},
    {"answerPicture", true, VALUE_PATH, "image réponse", PICTURES, ALL, REVEALED_PICTURE,
     "image réponse", false, NO_BOX,
     "l'image réponse, avec \"revealMode\" \"picture\" ou \"textAndPicture\""},
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

bool Has(unsigned set, int value) { return value >= 0 && value < 32 && (set & Bit(value)); }

}  // namespace

const KindSpec KINDS[4] = {
    {"text", FIELD_NONE, "un quiz de questions écrites", "l'image", "d'image"},
    {"picture", FIELD_PICTURE, "un quiz d'images", "l'image", "d'image"},
    {"audio", FIELD_SOUND, "un quiz de sons", "le son", "de son"},
    {"video", FIELD_FILM, "un quiz de films", "le film", "de film"},
};

const QuizField MEDIA_FIELDS[3] = {FIELD_PICTURE, FIELD_SOUND, FIELD_FILM};

const char* const REVEAL_MODE_NAMES[5] = {"none", "picture", "text", "textAndPicture",
                                          "textsAtEnd"};
const char* const REVEAL_MODE_PHRASES[5] = {"rien", "l'image réponse", "le texte révélé",
                                            "le texte et l'image réponse",
                                            "tous les textes à la fin"};

const KindSpec& KindOf(int kind) {
  return kind >= KIND_TEXT && kind <= KIND_VIDEO ? KINDS[kind] : KINDS[KIND_TEXT];
}

const FieldSpec& SpecOf(QuizField field) { return FIELDS[field]; }

QuizField FieldOfKey(const std::string& key) {
  for (int field = 0; field < FIELD_COUNT; ++field) {
    if (key == FIELDS[field].key) return static_cast<QuizField>(field);
  }
  return FIELD_NONE;
}

bool BoxOfField(const std::string& key, TextBox& box) {
  const QuizField field = FieldOfKey(key);
  if (field == FIELD_NONE || !SpecOf(field).shownInPlayer) return false;
  box = SpecOf(field).box;
  return true;
}

bool FieldUsed(QuizField field, int kind, int answersPerQuestion, int revealMode) {
  const FieldSpec& spec = SpecOf(field);
  return Has(spec.kinds, kind) && Has(spec.answerCounts, answersPerQuestion) &&
         Has(spec.revealModes, revealMode);
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
