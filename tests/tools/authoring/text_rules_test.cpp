// What an expected answer must be for a pupil to type it on a French keyboard.
#include "tools/authoring/text_rules.h"

#include <gtest/gtest.h>

#include "tests/tools/authoring/french_keyboard_facts.h"
#include "tools/authoring/cp1252.h"

namespace {

const FieldRef PLACE = {2, "answer1", 0};

// The problems of an answer written in UTF-8, checked as the quiz check does.
std::vector<Problem> AnswerProblems(const std::string& utf8) {
  std::vector<Problem> problems;
  std::string cp1252;
  if (CheckPlayerText(utf8, PLACE, false, cp1252, problems)) {
    CheckExpectedAnswer(cp1252, PLACE, problems);
  }
  return problems;
}

std::vector<std::string> Messages(const std::vector<Problem>& problems,
                                  ProblemSeverity severity) {
  std::vector<std::string> messages;
  for (const Problem& problem : problems) {
    if (problem.severity == severity) messages.push_back(problem.message);
  }
  return messages;
}

using Lines = std::vector<std::string>;

std::string Lacking(const std::string& character, const std::string& advice) {
  return "contient le caractère « " + character +
         " », qu'un élève ne tape pas au clavier : qui tape « " + advice +
         " » n'obtiendra pas « BRAVO » ; écrivez « " + advice + " » à la place";
}

TEST(TextRulesTest, NamesEachCharacterTheKeyboardLacksAndWhatToTypeInstead) {
  const std::pair<const char*, const char*> cases[] = {
      {"³", "3"},  {"¹", "1"},   {"ß", "ss"}, {"×", "x"},          {"½", "1/2"},
      {"á", "a"},  {"ø", "o"},   {"©", "(c)"}, {"•", "-"},         {"¿", "?"},
      {"ˆ", "^"},  {"‰", "pour mille"},        {"™", "TM"},        {"º", "°"},
      {"´", "'"},  {"ý", "y"},   {"þ", "th"},
  };
  for (const auto& [character, advice] : cases) {
    const std::vector<Problem> problems = AnswerProblems(std::string("x") + character + "x");
    EXPECT_EQ(Messages(problems, PROBLEM_WARNING), Lines{Lacking(character, advice)}) << character;
    EXPECT_EQ(Messages(problems, PROBLEM_ERROR), Lines{}) << character;
  }
}

std::string Capital(const std::string& capital, const std::string& small,
                    const std::string& typed) {
  return "contient la majuscule accentuée « " + capital +
         " », difficile à taper sur un clavier français, et le joueur ne la confond ni avec « " +
         small + " » ni avec la lettre sans accent : un élève qui tape « " + typed +
         " » n'obtiendra pas « BRAVO » ; écrivez « " + typed + " » à la place";
}

// Without a dead acute, ý, ø and á are not typed either: the advice is the bare letter.
TEST(TextRulesTest, AdvisesTheBareLetterForACapitalWhoseSmallLetterIsNotTyped) {
  EXPECT_EQ(Messages(AnswerProblems("Ýves"), PROBLEM_WARNING), Lines{Capital("Ý", "ý", "y")});
  EXPECT_EQ(Messages(AnswerProblems("ØRE"), PROBLEM_WARNING), Lines{Capital("Ø", "ø", "o")});
  EXPECT_EQ(Messages(AnswerProblems("Ángel"), PROBLEM_WARNING), Lines{Capital("Á", "á", "a")});
  EXPECT_EQ(Messages(AnswerProblems("Ÿ"), PROBLEM_WARNING), Lines{Capital("Ÿ", "ÿ", "ÿ")});
  EXPECT_EQ(Messages(AnswerProblems("Ça"), PROBLEM_WARNING), Lines{Capital("Ç", "ç", "ç")});
  EXPECT_EQ(Messages(AnswerProblems("Ñandú"), PROBLEM_WARNING),
            (Lines{Capital("Ñ", "ñ", "ñ"), Lacking("ú", "u")}));
}

std::string Invisible(const std::string& what) {
  return "contient un caractère invisible, " + what +
         ", qu'un élève ne peut pas taper : jamais la réponse ne serait « BRAVO » ; supprimez-le";
}

TEST(TextRulesTest, RefusesInvisibleCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"cou\u00ADleur", "le trait d'union conditionnel (U+00AD)"},
      {"a\u000Bb", "un caractère de contrôle (U+000B)"},
      {"a\u001Fb", "un caractère de contrôle (U+001F)"},
      {"a\u007Fb", "un caractère de contrôle (U+007F)"},
      {"a\u0081b", "un caractère de contrôle (U+0081)"},
      {"a\u009Db", "un caractère de contrôle (U+009D)"},
  };
  for (const auto& [answer, what] : cases) {
    const std::vector<Problem> problems = AnswerProblems(answer);
    EXPECT_EQ(Messages(problems, PROBLEM_ERROR), Lines{Invisible(what)}) << what;
    EXPECT_EQ(Messages(problems, PROBLEM_WARNING), Lines{}) << what;
  }
}

TEST(TextRulesTest, ANoBreakSpaceAroundTheAnswerIsToBeDeletedNotReplaced) {
  const std::string never =
      " espace insécable, qu'un élève ne tape pas au clavier : jamais la réponse ne serait "
      "« BRAVO » ; supprimez-le";
  const std::string within =
      "contient un espace insécable, qu'un élève ne tape pas au clavier : qui tape un espace "
      "ordinaire n'obtiendra pas « BRAVO » ; écrivez un espace ordinaire à la place";
  EXPECT_EQ(Messages(AnswerProblems("100 km\u00A0"), PROBLEM_WARNING),
            Lines{"la réponse finit par un" + never});
  EXPECT_EQ(Messages(AnswerProblems("\u00A0\u00A0km"), PROBLEM_WARNING),
            Lines{"la réponse commence par un" + never});
  EXPECT_EQ(Messages(AnswerProblems("10\u00A0000\u00A0"), PROBLEM_WARNING),
            (Lines{"la réponse finit par un" + never, within}));
  EXPECT_EQ(Messages(AnswerProblems("10\u00A0000"), PROBLEM_WARNING), Lines{within});
}

TEST(TextRulesTest, PassesWhatAPupilTypes) {
  const char* typable[] = {
      "x²",   "45°",        "10 €",      "5 µm", "§ 3", "niño", "L'Haÿ-les-Roses",
      "fore\u0302t",        "deux  espaces",     "âêîôû äëïöü àèìòù ãõ",
      "~#{[`\\^@]}¤ £ $ %",  // and |, which no text holds
      "&\"'(-_)=+*!:;,?./<>",
  };
  for (const char* answer : typable) EXPECT_EQ(AnswerProblems(answer).size(), 0u) << answer;
}

// The characters of each UTF-8 text.
std::vector<std::string> Characters(const std::string& utf8) {
  std::vector<std::string> characters;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {
      characters.back() += c;
    } else {
      characters.emplace_back(1, c);
    }
  }
  return characters;
}

bool IsInvisibleByte(int byte) {
  return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
         byte == 0x90 || byte == 0x9D || byte == 0xAD;
}

// Each character outside the keyboard draws one problem: an error to delete an invisible one,
// else a warning whose advice the keyboard types; a typed character draws none but for an
// accented capital, which the player does not fold to the small letter a pupil types.
TEST(TextRulesTest, TellsOfEveryCharacterOutsideTheKeyboardWithAdviceItTypes) {
  const std::string accentedCapitals = "ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝŠŽŸ";
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == '\t' || byte == '\n' || byte == '\r') continue;  // refused as any text's
    const std::string character = Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
    std::vector<Problem> problems;
    CheckExpectedAnswer("a" + std::string(1, static_cast<char>(byte)) + "a", PLACE, problems);
    const bool capital = accentedCapitals.find(character) != std::string::npos;
    if (OnFrenchKeyboard(character) && !capital) {
      EXPECT_EQ(problems.size(), 0u) << character;
      continue;
    }
    ASSERT_EQ(problems.size(), 1u) << "byte " << byte;
    const std::string& message = problems[0].message;
    EXPECT_EQ(problems[0].severity == PROBLEM_ERROR, IsInvisibleByte(byte)) << byte;
    if (IsInvisibleByte(byte)) {
      EXPECT_NE(message.find("supprimez-le"), std::string::npos) << byte;
      continue;
    }
    const std::size_t from = message.find("écrivez « "), to = message.rfind(" » à la place");
    if (byte == 0xA0) continue;  // "écrivez un espace ordinaire", the keyboard's space
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << message;
    const std::string advice = message.substr(from + 11, to - from - 11);
    EXPECT_NE(advice, character);
    for (const std::string& typed : Characters(advice)) {
      EXPECT_TRUE(OnFrenchKeyboard(typed)) << "« " << typed << " » advised for « " << character
                                           << " »";
    }
    EXPECT_EQ(AnswerProblems("a" + advice + "a").size(), 0u) << "the advice for " << character;
  }
}

}  // namespace
