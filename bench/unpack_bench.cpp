// Timing of UnpackData: a quiz-like text that fills the whole output area, and random payloads
// whose packed streams reset the dictionary many times.
#include "quiz/unpack.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tools/pack/pack_data.h"

namespace {

// Questions, answers and reveal texts in French with '|' between fields, like the quiz resource.
std::string QuizLikeText() {
  const char* const words[] = {"Quelle", "est", "la", "capitale", "de", "la", "Bretagne", "?|",
                               "Rennes|", "Qui", "a", "écrit", "Les", "Misérables", "?|",
                               "Victor", "Hugo|", "En", "quelle", "année", "le", "château", "de",
                               "Versailles", "a-t-il", "été", "construit", "?|", "1682|", "forêt"};
  std::mt19937 random(1);
  std::string text;
  while (text.size() < UNPACK_OUTPUT_SIZE) {
    text += words[random() % (sizeof words / sizeof words[0])];
    text += ' ';
  }
  text.resize(UNPACK_OUTPUT_SIZE);
  return text;
}

std::string RandomText(std::size_t length, int alphabet) {
  std::mt19937 random(2);
  std::string text(length, '\0');
  for (char& c : text) {
    c = static_cast<char>(alphabet == 256 ? random() : 'a' + random() % alphabet);
  }
  return text;
}

void TimeUnpack(benchmark::State& state, const std::vector<unsigned char>& packed) {
  for (auto _ : state) {
    unsigned char* output = nullptr;
    std::uint32_t length = 0;
    if (UnpackData(packed.data(), packed.size(), &output, &length) != UNPACK_OK) {
      state.SkipWithError("the packed stream does not unpack");
    }
    benchmark::DoNotOptimize(output);
    std::free(output);
  }
  state.counters["packed"] = static_cast<double>(packed.size());
}

void UnpackPayload(benchmark::State& state, const std::string& payload) {
  PackStats stats{};
  const std::vector<unsigned char> packed =
      PackData(reinterpret_cast<const unsigned char*>(payload.data()), payload.size(), &stats);
  TimeUnpack(state, packed);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.size()));
  state.counters["resets"] = stats.resets;
}

void UnpackQuizLikeFullArea(benchmark::State& state) { UnpackPayload(state, QuizLikeText()); }
BENCHMARK(UnpackQuizLikeFullArea);

// Eight letters at random: the whole area from about 54 KB packed, with a reset every few KB.
void UnpackEightLettersFullArea(benchmark::State& state) {
  UnpackPayload(state, RandomText(UNPACK_OUTPUT_SIZE, 8));
}
BENCHMARK(UnpackEightLettersFullArea);

// Random bytes: about 48000 of them is the most a 65535-byte resource can hold.
void UnpackRandomBytesLargestResource(benchmark::State& state) {
  UnpackPayload(state, RandomText(48000, 256));
}
BENCHMARK(UnpackRandomBytesLargestResource);

// A literal, then reset codes up to the largest resource, then the end code: resets must cost
// constant time each, not a sweep of the dictionary.
std::vector<unsigned char> ResetFlood() {
  std::vector<unsigned char> stream;
  std::uint32_t holder = 0;
  int held = 0;
  auto put = [&](std::uint32_t code) {
    holder = (holder << 9) | code;
    held += 9;
    while (held >= 8) {
      stream.push_back(static_cast<unsigned char>(holder >> (held - 8)));
      held -= 8;
    }
  };
  put('a');
  while ((stream.size() * 8 + held + 18) / 8 < MAX_PACKED_LENGTH) put(CODE_RESET);
  put(CODE_END);
  if (held) stream.push_back(static_cast<unsigned char>(holder << (8 - held)));
  return stream;
}

void UnpackResetFlood(benchmark::State& state) { TimeUnpack(state, ResetFlood()); }
BENCHMARK(UnpackResetFlood);

}  // namespace
