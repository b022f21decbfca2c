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

}  // namespace
