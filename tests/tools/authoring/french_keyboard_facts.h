// What the Windows "Français" layout types, written from its keys apart from the product's table.
#pragma once

#include <string>

// Every printable ASCII character has a key or an AltGr level; then the other characters on
// keys (² ° £ ¤ µ § € é è ç à ù), the dead keys alone before a space (^ ¨ ~ `) and the letters
// they compose.
inline const std::string FRENCH_KEYBOARD_TYPES =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
    "{|}~"
    "²°£¤µ§€éèçàù¨"
    "âêîôûÂÊÎÔÛ"
    "äëïöüÿÄËÏÖÜ"
    "ãñõÃÑÕ"
    "àèìòùÀÈÌÒÙ";

// Whether one UTF-8 character is among them.
inline bool OnFrenchKeyboard(const std::string& character) {
  return !character.empty() && FRENCH_KEYBOARD_TYPES.find(character) != std::string::npos;
}
