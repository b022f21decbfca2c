// The packer: its bytes for the worked streams, and round trips through the decoder with widening
// and resets exercised.
#include "tools/pack/pack_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "quiz/unpack.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Pack(const std::string& payload, PackStats* stats = nullptr) {
  return PackData(reinterpret_cast<const unsigned char*>(payload.data()), payload.size(), stats);
}

struct Unpacked {
  int result;
  std::string bytes;
};

Unpacked Unpack(const Bytes& packed) {
  unsigned char* outData = nullptr;
  std::uint32_t outLength = 0;
  Unpacked unpacked{UnpackData(packed.data(), packed.size(), &outData, &outLength), {}};
  if (outData) unpacked.bytes.assign(reinterpret_cast<char*>(outData), outLength - 2);
  std::free(outData);
  return unpacked;
}

int StringCodes(const PackStats& stats) { return stats.codes - stats.widens - stats.resets - 1; }

// The first generation's string codes fill entries 259 .. 4095; later ones start at 260, 259 being
// the entry the decoder makes over the reset. The last string code adds no entry.
int ResetsFor(const PackStats& stats) {
  const int firstGeneration = DICTIONARY_SIZE - FIRST_FREE_CODE;
  const int adding = StringCodes(stats) - 1;
  return adding < firstGeneration ? 0 : 1 + (adding - firstGeneration) / (firstGeneration - 1);
}

std::string RandomText(std::size_t length, int alphabet, std::uint32_t seed) {
  std::string text(length, '\0');
  for (char& c : text) {
    seed = seed * 1664525 + 1013904223;
    c = static_cast<char>('a' + (seed >> 8) % alphabet);
  }
  return text;
}

std::string RandomBytes(std::size_t length, std::uint32_t seed) {
  std::string bytes(length, '\0');
  for (char& c : bytes) {
    seed = seed * 1664525 + 1013904223;
    c = static_cast<char>(seed >> 24);
  }
  return bytes;
}

// Questions, answers and reveal texts in French, '|' between fields, as the quiz resource holds.
std::string QuizLikeText(std::size_t length) {
  const char* const words[] = {"Quelle", "est", "la", "capitale", "de", "la", "Bretagne", "|",
                               "Rennes", "|", "Qui", "a", "écrit", "Les", "Misérables", "|",
                               "Victor", "Hugo", "|", "année", "été", "château", "forêt", "|"};
  std::string text;
  std::uint32_t seed = 1;
  while (text.size() < length) {
    seed = seed * 1664525 + 1013904223;
    text += words[(seed >> 8) % (sizeof words / sizeof words[0])];
    text += ' ';
  }
  text.resize(length);
  return text;
}

TEST(PackData, WritesTheWorkedStreams) {
  PackStats stats{};
  EXPECT_EQ(Pack("abc", &stats), (Bytes{0x30, 0x98, 0x8C, 0x70, 0x00}));
  EXPECT_EQ(stats.codes, 4);
  EXPECT_EQ(stats.widens, 0);
  EXPECT_EQ(stats.resets, 0);
  EXPECT_EQ(Pack("aaaa"), (Bytes{0x30, 0xC0, 0xCC, 0x30, 0x00}));
}

TEST(PackData, EmptyPayloadPacksToNothing) {
  PackStats stats{-1, -1, -1};
  const Bytes packed = Pack("", &stats);
  EXPECT_TRUE(packed.empty());
  EXPECT_EQ(stats.codes, 0);
  EXPECT_EQ(Unpack(packed).result, UNPACK_NO_INPUT);
}

TEST(PackData, EveryByteAloneRoundTrips) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string payload(1, static_cast<char>(byte));
    const Unpacked unpacked = Unpack(Pack(payload));
    EXPECT_EQ(unpacked.result, UNPACK_OK) << byte;
    EXPECT_EQ(unpacked.bytes, payload) << byte;
  }
}

// One more payload byte adds at most one string code, so the shortest prefix whose stream holds a
// reset is the one whose 3838th string code made entry 4095.
TEST(PackData, ResetFollowsTheCodeThatUsesEntry4095) {
  const std::string bytes = RandomBytes(6000, 11);
  auto statsOf = [&bytes](std::size_t length) {
    PackStats stats{};
    Pack(bytes.substr(0, length), &stats);
    return stats;
  };
  std::size_t withoutReset = 1;
  std::size_t withReset = bytes.size();
  ASSERT_EQ(statsOf(withoutReset).resets, 0);
  ASSERT_GT(statsOf(withReset).resets, 0);
  while (withReset - withoutReset > 1) {
    const std::size_t middle = (withoutReset + withReset) / 2;
    (statsOf(middle).resets > 0 ? withReset : withoutReset) = middle;
  }
  EXPECT_EQ(StringCodes(statsOf(withoutReset)), 3837);
  EXPECT_EQ(StringCodes(statsOf(withReset)), 3838);
  EXPECT_EQ(statsOf(withReset).resets, 1);
}

struct RoundTripCase {
  const char* name;
  std::function<std::string()> payload;
  int fewestResets;
  int fewestWidens;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class PackRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(PackRoundTrip, UnpacksToThePayload) {
  const RoundTripCase& c = GetParam();
  const std::string payload = c.payload();
  PackStats stats{};
  const Bytes packed = Pack(payload, &stats);
  const Unpacked unpacked = Unpack(packed);
  EXPECT_EQ(unpacked.result, UNPACK_OK);
  EXPECT_TRUE(unpacked.bytes == payload) << "payload of " << payload.size() << " bytes differs";
  EXPECT_GE(stats.resets, c.fewestResets);
  EXPECT_EQ(stats.resets, ResetsFor(stats));
  EXPECT_GE(stats.widens, c.fewestWidens);
  EXPECT_LE(stats.widens, 3 * (stats.resets + 1)) << "codes never need more than 12 bits";
  EXPECT_LE(packed.size(), MAX_PACKED_LENGTH);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, PackRoundTrip,
    testing::Values(
        RoundTripCase{"OneByte", [] { return std::string("x"); }, 0, 0},
        RoundTripCase{"TinyText", [] { return std::string("Réponse|"); }, 0, 0},
        RoundTripCase{"TinyRepeat", [] { return std::string("abababababab"); }, 0, 0},
        RoundTripCase{"OneLetterFull", [] { return std::string(UNPACK_OUTPUT_SIZE, 'z'); }, 0, 1},
        RoundTripCase{"ShortPatternFull",
                      [] {
                        std::string text;
                        while (text.size() < UNPACK_OUTPUT_SIZE) text += "BRAVO|FAUX|";
                        text.resize(UNPACK_OUTPUT_SIZE);
                        return text;
                      },
                      0, 1},
        RoundTripCase{"QuizLikeFull", [] { return QuizLikeText(UNPACK_OUTPUT_SIZE); }, 1, 3},
        RoundTripCase{"TwoLettersFull", [] { return RandomText(UNPACK_OUTPUT_SIZE, 2, 3); }, 1, 3},
        RoundTripCase{"EightLettersFull", [] { return RandomText(UNPACK_OUTPUT_SIZE, 8, 4); },
                      5, 3},
        // Random bytes grow by a third when packed: 48000 is about the most a resource holds.
        RoundTripCase{"RandomBytesLargestThatFit", [] { return RandomBytes(48000, 5); }, 10, 3},
        RoundTripCase{"RandomBytesAcrossOneReset", [] { return RandomBytes(6000, 9); }, 1, 3}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

// Many small payloads: resets land after strings of every kind, one-byte ones included.
TEST(PackData, SmallRandomPayloadsRoundTrip) {
  int resets = 0;
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    for (int alphabet : {1, 2, 3, 16, 200}) {
      const std::string payload = RandomText(seed * 150 + alphabet, alphabet, seed);
      PackStats stats{};
      const Unpacked unpacked = Unpack(Pack(payload, &stats));
      ASSERT_EQ(unpacked.result, UNPACK_OK) << seed << " " << alphabet;
      ASSERT_TRUE(unpacked.bytes == payload) << seed << " " << alphabet;
      resets += stats.resets;
    }
  }
  EXPECT_GT(resets, 20);
}

}  // namespace
