// Rules of the player's texts and of answers that pupils type: the player trims the typed text
// but not the expected one, folds the case of a to z only, and its fields take no tab or line
// break.
#include "tools/authoring/text_rules.h"

#include <cstdio>

#include "quiz/quiz_definition.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/french_keyboard.h"
#include "tools/authoring/normalize.h"

namespace {

constexpr std::size_t MAX_TEXT_CHARACTERS = TEXT_SIZE - 1;  // the player's, its zero left out

// Characters that typing software puts in texts and keyboards do not type, with their stand-in.
struct UntypableCharacter {
  unsigned char byte;
  const char* description;
  const char* typed;        // what the pupil types instead
  const char* replacement;  // what to write in the answer
};

const UntypableCharacter UNTYPABLE[] = {
    {0x92, "l'apostrophe typographique « ’ »", "l'apostrophe du clavier", "« ' »"},
    {0x91, "l'apostrophe typographique « ‘ »", "l'apostrophe du clavier", "« ' »"},
    {0x82, "l'apostrophe basse « ‚ »", "l'apostrophe du clavier", "« ' »"},
    {0x93, "le guillemet typographique « “ »", "le guillemet du clavier", "« \" »"},
    {0x94, "le guillemet typographique « ” »", "le guillemet du clavier", "« \" »"},
    {0x84, "le guillemet bas « „ »", "le guillemet du clavier", "« \" »"},
    {0xAB, "le guillemet français « « »", "le guillemet du clavier", "« \" »"},
    {0xBB, "le guillemet français « » »", "le guillemet du clavier", "« \" »"},
    {0x8B, "le guillemet simple « ‹ »", "le guillemet du clavier", "« \" »"},
    {0x9B, "le guillemet simple « › »", "le guillemet du clavier", "« \" »"},
    // inside the answer; around it, to be deleted
    {0xA0, "un espace insécable", "un espace ordinaire", "un espace ordinaire"},
    {0x9C, "la ligature « œ »", "« oe »", "« oe »"},
    {0x8C, "la ligature « Œ »", "« oe »", "« oe »"},
    {0xE6, "la ligature « æ »", "« ae »", "« ae »"},
    {0xC6, "la ligature « Æ »", "« ae »", "« ae »"},
    {0x96, "le tiret « – »", "le tiret du clavier", "« - »"},
    {0x97, "le tiret « — »", "le tiret du clavier", "« - »"},
    {0x85, "les points de suspension « … » en un seul caractère", "trois points", "« ... »"},
};

// Characters that the keyboard does not type and that have no description above, with what to
// write instead: letters without their mark, symbols in plain characters.
struct StandIn {
  const char* character;
  const char* replacement;
};

const StandIn STAND_INS[] = {
    {"á", "a"},   {"å", "a"},    {"í", "i"},   {"ð", "d"},     {"ó", "o"},          {"ø", "o"},
    {"ú", "u"},   {"ý", "y"},    {"š", "s"},   {"ž", "z"},     {"ß", "ss"},         {"þ", "th"},
    {"Þ", "th"},  {"ƒ", "f"},    {"×", "x"},   {"÷", "/"},     {"±", "+/-"},        {"¹", "1"},
    {"³", "3"},   {"¼", "1/4"},  {"½", "1/2"}, {"¾", "3/4"},   {"‰", "pour mille"}, {"º", "°"},
    {"ª", "a"},   {"´", "'"},    {"ˆ", "^"},   {"˜", "~"},     {"¸", ","},          {"¯", "-"},
    {"¬", "-"},   {"•", "-"},    {"·", "."},   {"¡", "!"},     {"¿", "?"},          {"¦", "/"},
    {"†", "+"},   {"‡", "+"},    {"¶", "§"},   {"©", "(c)"},   {"®", "(r)"},        {"™", "TM"},
    {"¢", "c"},   {"¥", "yen"},
};

constexpr unsigned char NO_BREAK_SPACE = 0xA0;
constexpr unsigned char SOFT_HYPHEN = 0xAD;

std::string Utf8Of(unsigned char byte) {
  return Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
}

// The small letter of an accented capital of code page 1252, or 0 for any other byte.
unsigned char SmallOfAccentedCapital(unsigned char byte) {
  if (byte == 0x8A || byte == 0x8E) return byte + 0x10;  // Š Ž
  if (byte == 0x9F) return 0xFF;                         // Ÿ
  const bool latin1Capital = byte >= 0xC0 && byte <= 0xDD && byte != 0xC6 && byte != 0xD7;
  return latin1Capital ? byte + 0x20 : 0;
}

// A character that neither shows nor can be typed: the controls (aside from those that every
// player's text refuses), the five bytes that code page 1252 leaves to the C1 controls, and the
// soft hyphen.
bool IsInvisible(unsigned char byte) {
  const bool refusedAnyway = byte == 0 || byte == '\t' || byte == '\n' || byte == '\r';
  const bool control = byte < 0x20 || byte == 0x7F;
  const bool unassigned = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
                          byte == 0x9D;
  return (control && !refusedAnyway) || unassigned || byte == SOFT_HYPHEN;
}

const char* StandInOf(unsigned char byte) {
  const std::string character = Utf8Of(byte);
  for (const StandIn& standIn : STAND_INS) {
    if (character == standIn.character) return standIn.replacement;
  }
  return nullptr;
}

std::string UntypableMessage(const UntypableCharacter& c) {
  return std::string("contient ") + c.description +
         ", qu'un élève ne tape pas au clavier : qui tape " + c.typed +
         " n'obtiendra pas « BRAVO » ; écrivez " + c.replacement + " à la place";
}

// The advice is the small letter, or when the keyboard does not type it either, the letter
// without its mark.
std::string AccentedCapitalMessage(unsigned char capital, unsigned char small) {
  const std::string advice = Quoted(FrenchKeyboardTypes(small) ? Utf8Of(small) : StandInOf(small));
  return "contient la majuscule accentuée " + Quoted(Utf8Of(capital)) +
         ", difficile à taper sur un clavier français, et le joueur ne la confond ni avec " +
         Quoted(Utf8Of(small)) + " ni avec la lettre sans accent : un élève qui tape " + advice +
         " n'obtiendra pas « BRAVO » ; écrivez " + advice + " à la place";
}

std::string InvisibleMessage(unsigned char byte) {
  char codePoint[8];
  std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(byte));
  const char* what =
      byte == SOFT_HYPHEN ? "le trait d'union conditionnel" : "un caractère de contrôle";
  return std::string("contient un caractère invisible, ") + what + " (" + codePoint +
         "), qu'un élève ne peut pas taper : jamais la réponse ne serait « BRAVO » ; supprimez-le";
}

// The problem of one character of an answer, when a pupil cannot type it or tell it apart.
void TellUntypableCharacter(unsigned char byte, const FieldRef& place,
                            std::vector<Problem>& problems) {
  if (const unsigned char small = SmallOfAccentedCapital(byte)) {
    problems.push_back(WarningAt(place, AccentedCapitalMessage(byte, small)));
    return;
  }
  if (FrenchKeyboardTypes(byte)) return;
  if (IsInvisible(byte)) {
    problems.push_back(ErrorAt(place, InvisibleMessage(byte)));
    return;
  }
  for (const UntypableCharacter& untypable : UNTYPABLE) {
    if (untypable.byte != byte) continue;
    problems.push_back(WarningAt(place, UntypableMessage(untypable)));
    return;
  }
  if (const char* standIn = StandInOf(byte)) {
    const std::string quoted = Quoted(standIn);
    const std::string description = "le caractère " + Quoted(Utf8Of(byte));
    problems.push_back(WarningAt(
        place, UntypableMessage({byte, description.c_str(), quoted.c_str(), quoted.c_str()})));
  }
}

// A no-break space around the answer is never typed: the pupil's spaces there are trimmed.
void TellNoBreakSpaceAround(const std::string& cp1252, const FieldRef& place,
                            std::vector<Problem>& problems) {
  const char* never =
      " espace insécable, qu'un élève ne tape pas au clavier : jamais la réponse ne serait "
      "« BRAVO » ; supprimez-le";
  if (static_cast<unsigned char>(cp1252.front()) == NO_BREAK_SPACE) {
    problems.push_back(WarningAt(place, std::string("la réponse commence par un") + never));
  }
  if (static_cast<unsigned char>(cp1252.back()) == NO_BREAK_SPACE) {
    problems.push_back(WarningAt(place, std::string("la réponse finit par un") + never));
  }
}

// Each character of the answer that a pupil cannot type, told once.
void TellUntypable(const std::string& cp1252, const FieldRef& place,
                   std::vector<Problem>& problems) {
  TellNoBreakSpaceAround(cp1252, place, problems);
  const char noBreakSpace[] = {static_cast<char>(NO_BREAK_SPACE), '\0'};
  const std::size_t first = cp1252.find_first_not_of(noBreakSpace);
  if (first == std::string::npos) return;
  const std::size_t last = cp1252.find_last_not_of(noBreakSpace);
  bool told[256] = {};
  for (std::size_t i = first; i <= last; ++i) {
    const auto byte = static_cast<unsigned char>(cp1252[i]);
    if (!told[byte]) TellUntypableCharacter(byte, place, problems);
    told[byte] = true;
  }
}

}  // namespace

bool CheckPlayerText(const std::string& utf8, const FieldRef& place, bool isCode,
                     std::string& cp1252, std::vector<Problem>& problems) {
  std::string why;
  if (!Utf8ToCp1252(ComposeNfc(utf8), cp1252, why)) {
    problems.push_back(ErrorAt(place, why));
    return false;
  }
  auto refuse = [&](const std::string& message) { problems.push_back(ErrorAt(place, message)); };
  if (cp1252.size() > MAX_TEXT_CHARACTERS) {
    refuse("fait " + std::to_string(cp1252.size()) +
           " caractères ; le joueur en garde " + std::to_string(MAX_TEXT_CHARACTERS) +
           " au plus : raccourcissez-le");
  }
  if (cp1252.find('\0') != std::string::npos) refuse("contient un caractère nul : supprimez-le");
  if (cp1252.find('\t') != std::string::npos) {
    refuse(
        "contient une tabulation, que les champs du joueur ne montrent ni ne reçoivent : "
        "remplacez-la par un espace");
  }
  if (cp1252.find_first_of("\r\n") != std::string::npos) {
    refuse(
        "contient un retour à la ligne, que les champs du joueur ne montrent ni ne reçoivent : "
        "écrivez ce texte sur une seule ligne");
  }
  if (!isCode && cp1252.find('|') != std::string::npos) {
    refuse(
        "contient « | », qui sépare les champs du quiz enregistré : remplacez-le, par « / » "
        "par exemple");
  }
  return true;
}

std::string PlayerText(const std::string& utf8) {
  std::string cp1252, why;
  return Utf8ToCp1252(ComposeNfc(utf8), cp1252, why) ? cp1252 : std::string();
}

void CheckExpectedAnswer(const std::string& cp1252, const FieldRef& place,
                         std::vector<Problem>& problems) {
  if (cp1252.empty()) {
    problems.push_back(ErrorAt(place, "la réponse attendue est vide : écrivez-la"));
    return;
  }
  if (cp1252.find_first_not_of(' ') == std::string::npos) {
    problems.push_back(ErrorAt(place,
                               "la réponse attendue n'est faite que d'espaces, que le joueur "
                               "retire de ce que tape l'élève : aucune réponse ne serait juste ; "
                               "écrivez la réponse attendue"));
    return;
  }
  const char* trimmed =
      " : le joueur retire les espaces autour de ce que tape l'élève, jamais la réponse ne serait "
      "« BRAVO » ; supprimez cet espace";
  if (cp1252.front() == ' ') {
    problems.push_back(ErrorAt(place, std::string("la réponse commence par un espace") + trimmed));
  }
  if (cp1252.back() == ' ') {
    problems.push_back(ErrorAt(place, std::string("la réponse finit par un espace") + trimmed));
  }
  TellUntypable(cp1252, place, problems);
}
