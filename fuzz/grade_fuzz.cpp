// Fuzz target: GradeAnswer on an expected answer and a typed text of any bytes, split at the
// input's first zero byte (the typed text ends at the next one). Its edit distance is checked
// against a plain reference, and the first rules of the verdict against their definitions.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "board/grading.h"
#include "fuzz/fuzz_check.h"

namespace {

const char* const VERDICTS[] = {VERDICT_EMPTY,      VERDICT_BRAVO,    VERDICT_ANAGRAMME,
                                VERDICT_QUASIMENT,  VERDICT_PRESQUE,  VERDICT_TROP_LONG,
                                VERDICT_TROP_COURT, VERDICT_PAS_LOIN, VERDICT_YADE_LIDEE,
                                VERDICT_FAUX};

int ReferenceDistance(const std::string& a, const std::string& b) {
  std::vector<int> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The texts as GradeAnswer sees them: cut to 259 bytes, upper-cased, the typed one trimmed.
std::string Normalised(const std::string& text, bool trim) {
  char form[TEXT_SIZE];
  std::strncpy(form, text.c_str(), TEXT_SIZE - 1);
  form[TEXT_SIZE - 1] = 0;
  NormaliseAnswer(form, trim);
  return form;
}

std::string Sorted(std::string text) {
  std::sort(text.begin(), text.end());
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = std::min(input.find('\0'), size);
  const std::string expected = input.substr(0, split);
  const std::string typed = split < size ? std::string(input.c_str() + split + 1) : "";

  const char* verdict = GradeAnswer(expected.c_str(), typed.c_str());
  FUZZ_CHECK(std::find(std::begin(VERDICTS), std::end(VERDICTS), verdict) != std::end(VERDICTS));
  FUZZ_CHECK(GradeAnswer(expected.c_str(), typed.c_str()) == verdict);

  const std::string e = Normalised(expected, false);
  const std::string t = Normalised(typed, true);
  const int distance = EditDistance(e.c_str(), t.c_str());
  FUZZ_CHECK(distance == ReferenceDistance(e, t));
  FUZZ_CHECK(distance == EditDistance(t.c_str(), e.c_str()));
  const int inclusion = InclusionTest(e.c_str(), t.c_str());
  FUZZ_CHECK(inclusion >= -2 && inclusion <= 2);

  FUZZ_CHECK((verdict == VERDICT_EMPTY) == t.empty());
  if (t.empty()) return 0;
  FUZZ_CHECK((verdict == VERDICT_BRAVO) == (distance == 0));
  if (distance == 0) return 0;
  const bool anagrams = Sorted(e) == Sorted(t);
  FUZZ_CHECK((verdict == VERDICT_ANAGRAMME) == anagrams);
  if (anagrams) return 0;
  FUZZ_CHECK((verdict == VERDICT_QUASIMENT) == (distance == 1));
  FUZZ_CHECK((verdict == VERDICT_PRESQUE) == (distance == 2));
  if (verdict == VERDICT_TROP_LONG) FUZZ_CHECK(inclusion == 2 && t.size() >= e.size() + 3);
  if (verdict == VERDICT_TROP_COURT || verdict == VERDICT_PAS_LOIN) {
    FUZZ_CHECK(inclusion == -2 && e.size() >= 10 && t.size() + 3 <= e.size());
  }
  if (verdict == VERDICT_YADE_LIDEE) FUZZ_CHECK(std::max(e.size(), t.size()) >= 16);
  return 0;
}
