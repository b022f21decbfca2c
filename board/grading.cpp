// Answer grading: normalising, the edit distance, the anagram and inclusion tests, the verdict.
#include "board/grading.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr int MAX_LENGTH = TEXT_SIZE - 1;

// Fixed storage: grading runs on every focus change of an answer field and allocates nothing.
int distanceTable[TEXT_SIZE][TEXT_SIZE];
char expectedForm[TEXT_SIZE];
char typedForm[TEXT_SIZE];

int TextLength(const char* text) {
  int length = 0;
  while (length < MAX_LENGTH && text[length]) ++length;
  return length;
}

void TrimSpaces(char (&text)[TEXT_SIZE]) {
  int end = TextLength(text);
  while (end > 0 && text[end - 1] == ' ') --end;
  int start = 0;
  while (start < end && text[start] == ' ') ++start;
  std::memmove(text, text + start, end - start);
  text[end - start] = 0;
}

// Accented letters keep their case: é is neither É nor E.
void UpperCaseAsciiLetters(char* text) {
  for (; *text; ++text) {
    if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
  }
}

// Sorted copies at distance 0 are exactly texts with equal byte counts; counting spares the
// sort and a second distance.
bool AreAnagrams(const char* a, const char* b) {
  int balance[256] = {};
  for (; *a; ++a) ++balance[static_cast<unsigned char>(*a)];
  for (; *b; ++b) --balance[static_cast<unsigned char>(*b)];
  return std::all_of(std::begin(balance), std::end(balance), [](int count) { return count == 0; });
}

// A typed text found inside a longer expected answer.
const char* CoverageVerdict(int expectedLength, int typedLength) {
  if (expectedLength <= 9) return VERDICT_FAUX;
  const float coverage = 100.0f * typedLength / expectedLength;
  if (coverage > 70) return VERDICT_TROP_COURT;
  if (coverage > 50) return VERDICT_PAS_LOIN;
  return VERDICT_FAUX;
}

const char* SimilarityVerdict(int expectedLength, int typedLength, int distance) {
  const int longer = std::max(expectedLength, typedLength);
  const double similarity = 100.0 * (longer - distance) / longer;
  return similarity > 80 ? VERDICT_YADE_LIDEE : VERDICT_FAUX;
}

// The first rule that applies gives the verdict; both texts are normalised.
const char* Verdict(const char* expected, const char* typed) {
  if (!*typed) return VERDICT_EMPTY;
  const int distance = EditDistance(expected, typed);
  if (distance == 0) return VERDICT_BRAVO;
  if (AreAnagrams(expected, typed)) return VERDICT_ANAGRAMME;
  if (distance == 1) return VERDICT_QUASIMENT;
  if (distance == 2) return VERDICT_PRESQUE;
  const int expectedLength = TextLength(expected);
  const int typedLength = TextLength(typed);
  const int inclusion = InclusionTest(expected, typed);
  if (inclusion == -2) return CoverageVerdict(expectedLength, typedLength);
  if (inclusion == 2) return VERDICT_TROP_LONG;
  return SimilarityVerdict(expectedLength, typedLength, distance);
}

}  // namespace

void NormaliseAnswer(char (&text)[TEXT_SIZE], bool trim) {
  text[TextLength(text)] = 0;
  if (trim) TrimSpaces(text);
  UpperCaseAsciiLetters(text);
}

int EditDistance(const char* a, const char* b) {
  const int aLength = TextLength(a);
  const int bLength = TextLength(b);
  for (int i = 0; i <= aLength; ++i) distanceTable[i][0] = i;
  for (int j = 0; j <= bLength; ++j) distanceTable[0][j] = j;
  for (int i = 1; i <= aLength; ++i) {
    for (int j = 1; j <= bLength; ++j) {
      const int substitution = distanceTable[i - 1][j - 1] + (a[i - 1] != b[j - 1]);
      const int deletion = distanceTable[i - 1][j] + 1;
      const int insertion = distanceTable[i][j - 1] + 1;
      distanceTable[i][j] = std::min({substitution, deletion, insertion});
    }
  }
  return distanceTable[aLength][bLength];
}

// The scan never steps back into a failed partial match: after a mismatch it resumes at the
// byte that did not match, so CACAO is not found in CACACAOS.
int InclusionTest(const char* expected, const char* typed) {
  const int expectedLength = TextLength(expected);
  const int typedLength = TextLength(typed);
  const bool typedShorter = typedLength < expectedLength;
  const char* shorter = typedShorter ? typed : expected;
  const char* longer = typedShorter ? expected : typed;
  const int shorterLength = typedShorter ? typedLength : expectedLength;
  const int longerLength = typedShorter ? expectedLength : typedLength;
  const int sign = typedShorter ? -1 : 1;
  if (shorterLength == 0) return sign;

  int p = 0;
  for (;;) {
    while (p < longerLength && longer[p] != shorter[0]) ++p;
    if (p == longerLength) return 0;
    int i = 0;
    while (i < shorterLength && p < longerLength && shorter[i] == longer[p]) {
      ++i;
      ++p;
    }
    if (i == shorterLength) return 2 * sign;
  }
}

const char* GradeAnswer(const char* expected, const char* typed) {
  CopyText(expectedForm, expected);
  CopyText(typedForm, typed);
  NormaliseAnswer(expectedForm, false);
  NormaliseAnswer(typedForm, true);
  return Verdict(expectedForm, typedForm);
}
