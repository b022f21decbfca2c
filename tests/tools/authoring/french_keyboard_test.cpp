// The characters of code page 1252 that a pupil types on the Windows French keyboard.
#include "tools/authoring/french_keyboard.h"

#include <gtest/gtest.h>

#include "tests/tools/authoring/french_keyboard_facts.h"
#include "tools/authoring/cp1252.h"

namespace {

TEST(FrenchKeyboardTest, TypesExactlyTheCharactersOfItsKeysAndDeadKeys) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string character = Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
    EXPECT_EQ(FrenchKeyboardTypes(static_cast<unsigned char>(byte)), OnFrenchKeyboard(character))
        << "byte " << byte << " « " << character << " »";
  }
}

TEST(FrenchKeyboardTest, LacksWhatTeachersFindInTheirTexts) {
  // Neither Shift on ² nor a dead acute: ³ ¹ É á ý are not typed; nor the ligatures and the
  // typographic marks of a word processor.
  const unsigned char lacking[] = {0xB3, 0xB9, 0xC9, 0xE1, 0xFD, 0xDD, 0xD8, 0xF8, 0xDF, 0xD7,
                                   0xBD, 0xA9, 0x95, 0xBF, 0x88, 0x89, 0x99, 0xBA, 0xB4, 0x9C,
                                   0xE6, 0x92, 0xAB, 0xA0, 0xAD, 0x9F, 0xC7, 0x0B, 0x7F, 0x81};
  for (unsigned char byte : lacking) EXPECT_FALSE(FrenchKeyboardTypes(byte)) << int(byte);
  // ñ and Ñ by the dead ~ of AltGr 2; ÿ by the dead ¨; € by AltGr E; ¤ by AltGr $.
  const unsigned char typed[] = {0xF1, 0xD1, 0xFF, 0x80, 0xA4, 0xB2, 0xB0, 0xB5, 0xA7, 0xA8};
  for (unsigned char byte : typed) EXPECT_TRUE(FrenchKeyboardTypes(byte)) << int(byte);
}

}  // namespace
