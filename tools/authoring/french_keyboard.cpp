// The Windows "Français" layout (kbdfr), written down once; the set of typable characters is
// derived from it, so that a fact of the layout is mended in one place.
#include "tools/authoring/french_keyboard.h"

#include <bitset>

#include "tools/authoring/cp1252.h"

namespace {

// One key and what each of its levels types; "" where the level types nothing, or strikes a
// dead key (those are listed below with what they compose). Caps Lock adds nothing that Shift
// does not type.
struct Key {
  const char* base;
  const char* shift;
  const char* altGr;
};

const Key KEYS[] = {
    // Row E, left to right: ² & é " ' ( - è _ ç à ) =. Shift gives the digits, ° and +, none on ²;
    // AltGr gives ~ (dead) # { [ | ` (dead) \ ^ @ ] }.
    {"²", "", ""},
    {"&", "1", ""},
    {"é", "2", ""},  // AltGr: dead ~
    {"\"", "3", "#"},
    {"'", "4", "{"},
    {"(", "5", "["},
    {"-", "6", "|"},
    {"è", "7", ""},  // AltGr: dead `
    {"_", "8", "\\"},
    {"ç", "9", "^"},
    {"à", "0", "@"},
    {")", "°", "]"},
    {"=", "+", "}"},
    // Row D: A Z E R T Y U I O P, then the dead ^ (Shift: dead ¨), then $ £ ¤; AltGr E gives €.
    {"a", "A", ""},
    {"z", "Z", ""},
    {"e", "E", "€"},
    {"r", "R", ""},
    {"t", "T", ""},
    {"y", "Y", ""},
    {"u", "U", ""},
    {"i", "I", ""},
    {"o", "O", ""},
    {"p", "P", ""},
    {"", "", ""},  // dead ^, Shift: dead ¨
    {"$", "£", "¤"},
    // Row C: Q S D F G H J K L M, ù %, * µ.
    {"q", "Q", ""},
    {"s", "S", ""},
    {"d", "D", ""},
    {"f", "F", ""},
    {"g", "G", ""},
    {"h", "H", ""},
    {"j", "J", ""},
    {"k", "K", ""},
    {"l", "L", ""},
    {"m", "M", ""},
    {"ù", "%", ""},
    {"*", "µ", ""},
    // Row B: < >, W X C V B N, then , ? ; . : / ! §.
    {"<", ">", ""},
    {"w", "W", ""},
    {"x", "X", ""},
    {"c", "C", ""},
    {"v", "V", ""},
    {"b", "B", ""},
    {"n", "N", ""},
    {",", "?", ""},
    {";", ".", ""},
    {":", "/", ""},
    {"!", "§", ""},
    // Row A: the space bar.
    {" ", "", ""},
};

// A dead key: the accent it types before a space, and the letters it composes with a, e, i, o,
// u, y and n (small and capital) as far as it takes them. Any other key after it types both.
struct DeadKey {
  const char* alone;
  const char* composed;
};

const DeadKey DEAD_KEYS[] = {
    {"^", "âêîôûÂÊÎÔÛ"},    // the key right of P: a e i o u, A E I O U
    {"¨", "äëïöüÿÄËÏÖÜ"},  // Shift of that key: a e i o u y, A E I O U (no Ÿ)
    {"~", "ãñõÃÑÕ"},       // AltGr 2: a n o, A N O
    {"`", "àèìòùÀÈÌÒÙ"},   // AltGr 7: a e i o u, A E I O U
};

void Add(std::bitset<256>& typable, const char* utf8) {
  std::string cp1252, why;
  Utf8ToCp1252(utf8, cp1252, why);  // every character above has a code page 1252 form
  for (char c : cp1252) typable.set(static_cast<unsigned char>(c));
}

std::bitset<256> TypableCharacters() {
  std::bitset<256> typable;
  for (const Key& key : KEYS) {
    Add(typable, key.base);
    Add(typable, key.shift);
    Add(typable, key.altGr);
  }
  for (const DeadKey& dead : DEAD_KEYS) {
    Add(typable, dead.alone);
    Add(typable, dead.composed);
  }
  return typable;
}

}  // namespace

bool FrenchKeyboardTypes(unsigned char cp1252) {
  static const std::bitset<256> TYPABLE = TypableCharacters();
  return TYPABLE[cp1252];
}
