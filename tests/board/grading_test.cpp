// Answer grading: verdicts, normalising, the edit distance and the inclusion scan.
#include "board/grading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct Example {
  const char* expected;
  const char* typed;
  const char* verdict;
};

void ExpectVerdicts(const std::vector<Example>& examples) {
  for (const Example& example : examples) {
    EXPECT_STREQ(GradeAnswer(example.expected, example.typed), example.verdict)
        << example.expected << " / " << example.typed;
  }
}

TEST(GradeAnswer, WorkedExamples) {
  ExpectVerdicts({
      {"Paris", "  paris ", "BRAVO"},
      {"chien", "niche", "Anagramme"},
      {"chocolat", "cholocat", "Anagramme"},
      {"bateau", "bateaux", "Quasiment"},
      {"crocodile", "crocodi", "Presque"},
      {"chocolat", "chocolatine", "Trop long"},
      {"chien", "le chien de garde", "Trop long"},
      {"hippopotame", "hippopot", "Trop court"},
      {"hippopotame", "hippopo", "pas loin"},
      {"abricotier", "abricot", "pas loin"},
      {"abricotier", "abric", "FAUX"},
      {"hippopotame", "hippo", "FAUX"},
      {"chocolat", "choco", "FAUX"},
      {"les grandes vacances", "le grande vacance", "yade lidée"},
      {"les grandes vacances", "la grande vacance", "FAUX"},
      {"cacao", "cacacaos", "FAUX"},
      {"eleve", "élève", "Presque"},
      {"Paris", "   ", "?"},
  });
}

TEST(GradeAnswer, EdgeCases) {
  ExpectVerdicts({
      // An empty expected answer is never met.
      {"", "", "?"},
      {"", "a", "Quasiment"},
      {"", "ab", "Presque"},
      {"", "abc", "FAUX"},
      {"", "abcdefghijklmnopqrst", "FAUX"},
      // Only the typed text is trimmed, and only of spaces; only a to z are folded.
      {" paris", "paris", "Quasiment"},
      {"paris", "\tparis", "Quasiment"},
      {"la paix", "la  paix", "Quasiment"},
      {"ÉTÉ", "été", "Presque"},
      {"\xFF\x80\xE9xyz", "ZYX\xE9\x80\xFF", "Anagramme"},
      // Coverage counts only for expected answers of ten characters or more.
      {"crocodile", "crocod", "FAUX"},
      {"crocodiles", "crocod", "pas loin"},
      {"les crocodiles", "crocodiles", "Trop court"},
      // Similarity is measured on the longer text: 3 edits pass at 16 characters, not at 15.
      {"abcdefghijklmno", "abcdefXhijkYmnoZ", "yade lidée"},
      {"abcdefXhijkYmnoZ", "abcdefghijklmno", "yade lidée"},
      {"abcdefghijklmno", "abcdefXhijkYmnZ", "FAUX"},
  });
}

// R = 100 |T| / |E| and P = 100 (M - d) / M are ratios, not integer quotients: each case lies
// just above a threshold that integer division would bring down onto it.
TEST(GradeAnswer, RatiosAreNotTruncatedToIntegers) {
  ExpectVerdicts({
      // Inside, R = 1200 / 17 = 70.6 > 70 (integer: 70, "pas loin").
      {"abcdefghijklmnopq", "abcdefghijkl", "Trop court"},
      // Inside, R = 2600 / 51 = 50.98 > 50 (integer: 50, "FAUX").
      {"les grandes vacances commencent le premier juillet.", "grandes vacances commencen",
       "pas loin"},
      // d = 4 substitutions, M = 21, P = 1700 / 21 = 80.95 > 80 (integer: 80, "FAUX").
      {"abcdefghijklmnopqrstu", "abcdXfghiXklmnXpqrsXu", "yade lidée"},
      // d = 5 substitutions, M = 26, P = 2100 / 26 = 80.77 > 80 (integer: 80, "FAUX").
      {"abcdefghijklmnopqrstuvwxyz", "a1cdef2hijkl3nopqr4tuvw5yz", "yade lidée"},
  });
}

TEST(GradeAnswer, VerdictTextIsCodePage1252) {
  ASSERT_EQ(std::strlen(VERDICT_YADE_LIDEE), 10u);
  EXPECT_EQ(static_cast<unsigned char>(VERDICT_YADE_LIDEE[8]), 0xE9);
}

TEST(GradeAnswer, BytesBeyondThe259thAreIgnored) {
  const std::string a300(300, 'a');
  EXPECT_STREQ(GradeAnswer(a300.c_str(), (std::string(259, 'A') + "zz").c_str()), VERDICT_BRAVO);
}

TEST(GradeAnswer, SameVerdictWhenRegradedAfterOtherPairs) {
  const std::string longText(259, 'Q');
  for (int round = 0; round < 2; ++round) {
    EXPECT_STREQ(GradeAnswer("hippopotame", "hippopot"), VERDICT_TROP_COURT);
    EXPECT_STREQ(GradeAnswer(longText.c_str(), "x"), VERDICT_FAUX);
    EXPECT_STREQ(GradeAnswer("bateau", "bateaux"), VERDICT_QUASIMENT);
  }
}

// The documented anagram test: sort both texts and find the sorted copies at distance 0.
TEST(GradeAnswer, AnagramVerdictMatchesSortedCopiesAtDistanceZero) {
  std::mt19937 random(7);
  const std::string alphabet = "ABC \xE9\x80\xFF";
  for (int round = 0; round < 500; ++round) {
    std::string expected;
    for (int n = random() % 8 + 1; n > 0; --n) expected += alphabet[random() % alphabet.size()];
    std::string typed = expected;
    std::shuffle(typed.begin(), typed.end(), random);
    if (random() % 3 == 0) typed[random() % typed.size()] = alphabet[random() % alphabet.size()];
    typed = "X" + typed + "X";  // no leading or trailing space for the trimming to take
    expected = "X" + expected + "X";
    std::string sortedExpected = expected, sortedTyped = typed;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    std::sort(sortedTyped.begin(), sortedTyped.end());
    const bool anagram = expected != typed &&
                         EditDistance(sortedExpected.c_str(), sortedTyped.c_str()) == 0;
    EXPECT_EQ(std::strcmp(GradeAnswer(expected.c_str(), typed.c_str()), VERDICT_ANAGRAMME) == 0,
              anagram)
        << expected << " / " << typed;
  }
}

TEST(NormaliseAnswer, FoldsOnlyAToZ) {
  char text[TEXT_SIZE];
  for (int byte = 1; byte < 256; ++byte) text[byte - 1] = static_cast<char>(byte);
  text[255] = 0;
  NormaliseAnswer(text, false);
  for (int byte = 1; byte < 256; ++byte) {
    const int folded = byte >= 'a' && byte <= 'z' ? byte - 32 : byte;
    EXPECT_EQ(static_cast<unsigned char>(text[byte - 1]), folded) << byte;
  }
}

TEST(NormaliseAnswer, TrimsSpacesOnlyWhenAskedAndIsIdempotent) {
  char text[TEXT_SIZE] = "  la  paix\t ";
  NormaliseAnswer(text, false);
  EXPECT_STREQ(text, "  LA  PAIX\t ");
  NormaliseAnswer(text, true);
  EXPECT_STREQ(text, "LA  PAIX\t");
  NormaliseAnswer(text, true);
  EXPECT_STREQ(text, "LA  PAIX\t");
  char spaces[TEXT_SIZE] = "    ";
  NormaliseAnswer(spaces, true);
  EXPECT_STREQ(spaces, "");
}

TEST(NormaliseAnswer, CutsAnUnterminatedBufferTo259Bytes) {
  char text[TEXT_SIZE];
  std::memset(text, 'b', sizeof text);
  NormaliseAnswer(text, false);
  EXPECT_EQ(std::string(text), std::string(259, 'B'));
}

// Distance of the suffixes a[i..] and b[j..], top down.
int ReferenceDistance(const std::string& a, const std::string& b, size_t i, size_t j,
                      std::vector<int>& memo) {
  if (i == a.size()) return static_cast<int>(b.size() - j);
  if (j == b.size()) return static_cast<int>(a.size() - i);
  int& known = memo[i * b.size() + j];
  if (known < 0) {
    known = a[i] == b[j] ? ReferenceDistance(a, b, i + 1, j + 1, memo)
                         : 1 + std::min({ReferenceDistance(a, b, i + 1, j, memo),
                                         ReferenceDistance(a, b, i, j + 1, memo),
                                         ReferenceDistance(a, b, i + 1, j + 1, memo)});
  }
  return known;
}

std::string RandomText(std::mt19937& random, size_t length, bool fewBytes) {
  static const char few[] = "ab\xE9\x80\xFF";
  std::string text;
  while (text.size() < length)
    text += fewBytes ? few[random() % 5] : static_cast<char>(random() % 255 + 1);
  return text;
}

TEST(EditDistance, MatchesRecursiveReferenceOnRandomPairs) {
  std::mt19937 random(2024);
  for (int round = 0; round < 300; ++round) {
    const bool full = round % 10 == 0;
    const bool fewBytes = round % 2 == 0;
    std::string a = RandomText(random, full ? 259 : random() % 260, fewBytes);
    std::string b = round % 3 == 0 ? a : RandomText(random, full ? 259 : random() % 260, fewBytes);
    if (round % 3 == 0) {
      for (int edits = random() % 6; edits > 0 && !b.empty(); --edits)
        b[random() % b.size()] = static_cast<char>(random() % 255 + 1);
    }
    std::vector<int> memo(a.size() * b.size(), -1);
    ASSERT_EQ(EditDistance(a.c_str(), b.c_str()), ReferenceDistance(a, b, 0, 0, memo))
        << "round " << round << ", lengths " << a.size() << " and " << b.size();
  }
}

TEST(EditDistance, EmptyTextsAndInputsBeyond259Bytes) {
  EXPECT_EQ(EditDistance("", ""), 0);
  EXPECT_EQ(EditDistance("", "abc"), 3);
  EXPECT_EQ(EditDistance("abcd", ""), 4);
  EXPECT_EQ(EditDistance(std::string(400, 'x').c_str(), ""), 259);
  EXPECT_EQ(EditDistance(std::string(300, 'x').c_str(), std::string(259, 'x').c_str()), 0);
}

TEST(InclusionTest, ScanNeverStepsBack) {
  EXPECT_EQ(InclusionTest("CACAO", "CACACAOS"), 0);
  EXPECT_EQ(InclusionTest("AAB", "AAAB"), 0);
  // Resumes at the byte that did not match, which may begin the occurrence.
  EXPECT_EQ(InclusionTest("AB", "AAB"), 2);
  EXPECT_EQ(InclusionTest("CACAO", "CACCACAO"), 2);
  EXPECT_EQ(InclusionTest("CACAO", "XCACAOX"), 2);
  EXPECT_EQ(InclusionTest("CACAOS", "ACAO"), -2);
  EXPECT_EQ(InclusionTest("ABCD", "XXABC"), 0);  // the longer text ends inside a partial match
  EXPECT_EQ(InclusionTest("\xE9T\xE9", "L'\xE9T\xE9"), 2);
  EXPECT_EQ(InclusionTest("CHIEN", "CHIEN"), 2);
  EXPECT_EQ(InclusionTest("CHIEN", "NICHE"), 0);
  const std::string longText = std::string(200, 'A') + "B";
  EXPECT_EQ(InclusionTest(longText.c_str(), ("C" + longText + "C").c_str()), 2);
}

TEST(InclusionTest, EmptyShorterTextGivesTheSign) {
  EXPECT_EQ(InclusionTest("", "ABC"), 1);
  EXPECT_EQ(InclusionTest("ABC", ""), -1);
  EXPECT_EQ(InclusionTest("", ""), 1);
}

}  // namespace
