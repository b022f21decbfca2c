// Timing of answer grading: long unrelated texts (the worst case) and answers of everyday size.
#include "board/grading.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

std::string RandomLetters(unsigned seed) {
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < TEXT_SIZE - 1) text += static_cast<char>('a' + random() % 26);
  return text;
}

void GradeUnrelated259ByteTexts(benchmark::State& state) {
  const std::string expected = RandomLetters(1);
  const std::string typed = RandomLetters(2);
  for (auto _ : state) benchmark::DoNotOptimize(GradeAnswer(expected.c_str(), typed.c_str()));
}
BENCHMARK(GradeUnrelated259ByteTexts);

void EditDistanceOf259ByteTexts(benchmark::State& state) {
  const std::string a = RandomLetters(1);
  const std::string b = RandomLetters(2);
  for (auto _ : state) benchmark::DoNotOptimize(EditDistance(a.c_str(), b.c_str()));
}
BENCHMARK(EditDistanceOf259ByteTexts);

// One grading per iteration, going round answers of 5 to 20 bytes with assorted verdicts.
void GradeTypicalAnswers(benchmark::State& state) {
  static const char* const pairs[][2] = {
      {"Paris", "  paris "},         {"chocolat", "cholocat"},
      {"crocodile", "crocodi"},      {"chien", "le chien de garde"},
      {"hippopotame", "hippopo"},    {"les grandes vacances", "le grande vacance"},
      {"cacao", "cacacaos"},         {"la tour Eiffel", "l'arc de triomphe"},
  };
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GradeAnswer(pairs[next][0], pairs[next][1]));
    next = (next + 1) % (sizeof pairs / sizeof pairs[0]);
  }
}
BENCHMARK(GradeTypicalAnswers);

}  // namespace
