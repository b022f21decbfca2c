// Rules of the player's texts and of answers that pupils type: the player trims the typed text
// but not the expected one, folds the case of a to z only, and its fields take no tab or line
// break.
#include "tools/authoring/text_rules.h"

#include "quiz/quiz_definition.h"
#include "tools/authoring/cp1252.h"
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
    {0xA0, "un espace insécable", "un espace ordinaire", "un espace ordinaire"},
    {0x9C, "la ligature « œ »", "« oe »", "« oe »"},
    {0x8C, "la ligature « Œ »", "« oe »", "« oe »"},
    {0xE6, "la ligature « æ »", "« ae »", "« ae »"},
    {0xC6, "la ligature « Æ »", "« ae »", "« ae »"},
    {0x96, "le tiret « – »", "le tiret du clavier", "« - »"},
    {0x97, "le tiret « — »", "le tiret du clavier", "« - »"},
    {0x85, "les points de suspension « … » en un seul caractère", "trois points", "« ... »"},
};

// The small letter of an accented capital of code page 1252, or 0 for any other byte.
unsigned char SmallOfAccentedCapital(unsigned char byte) {
  if (byte == 0x8A || byte == 0x8E) return byte + 0x10;  // Š Ž
  if (byte == 0x9F) return 0xFF;                         // Ÿ
  const bool latin1Capital = byte >= 0xC0 && byte <= 0xDD && byte != 0xC6 && byte != 0xD7;
  return latin1Capital ? byte + 0x20 : 0;
}

std::string Utf8Of(unsigned char byte) {
  return Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
}

std::string UntypableMessage(const UntypableCharacter& c) {
  return std::string("contient ") + c.description +
         ", qu'un élève ne tape pas au clavier : qui tape " + c.typed +
         " n'obtiendra pas « BRAVO » ; écrivez " + c.replacement + " à la place";
}

std::string AccentedCapitalMessage(unsigned char capital, unsigned char small) {
  return "contient la majuscule accentuée " + Quoted(Utf8Of(capital)) +
         ", difficile à taper sur un clavier français, et le joueur ne la confond ni avec " +
         Quoted(Utf8Of(small)) + " ni avec la lettre sans accent : un élève qui tape " +
         Quoted(Utf8Of(small)) + " n'obtiendra pas « BRAVO » ; écrivez " + Quoted(Utf8Of(small)) +
         " à la place";
}

void WarnUntypable(const std::string& cp1252, const FieldRef& place,
                   std::vector<Problem>& problems) {
  bool told[256] = {};
  for (char c : cp1252) {
    const auto byte = static_cast<unsigned char>(c);
    if (told[byte]) continue;
    told[byte] = true;
    for (const UntypableCharacter& untypable : UNTYPABLE) {
      if (untypable.byte == byte) problems.push_back(WarningAt(place, UntypableMessage(untypable)));
    }
    if (const unsigned char small = SmallOfAccentedCapital(byte)) {
      problems.push_back(WarningAt(place, AccentedCapitalMessage(byte, small)));
    }
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
  WarnUntypable(cp1252, place, problems);
}
