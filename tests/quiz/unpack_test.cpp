// The packed-resource decoder: worked streams, failure results with their out-parameters, and
// hostile streams crafted bit by bit.
#include "quiz/unpack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "base/message.h"
#include "tests/quiz/code_stream.h"
#include "tools/pack/pack_data.h"

namespace {

struct Unpacked {
  int result;
  bool outSet;  // outData and outLength were written
  std::string bytes;
};

// Runs the decoder with sentinels in the out-parameters and takes the output area back.
Unpacked Unpack(const unsigned char* input, std::size_t length) {
  unsigned char sentinel = 0;
  unsigned char* outData = &sentinel;
  std::uint32_t outLength = 0xDEADBEEF;
  Unpacked unpacked{UnpackData(input, length, &outData, &outLength), false, {}};
  if (outData == &sentinel) {
    EXPECT_EQ(outLength, 0xDEADBEEF) << "outLength set without outData";
    return unpacked;
  }
  unpacked.outSet = true;
  EXPECT_GE(outLength, 2u);
  EXPECT_LE(outLength, std::uint32_t{UNPACK_OUTPUT_SIZE} + 2);
  if (outLength >= 2) unpacked.bytes.assign(reinterpret_cast<char*>(outData), outLength - 2);
  std::free(outData);
  return unpacked;
}

Unpacked Unpack(const Bytes& input) { return Unpack(input.data(), input.size()); }

struct StreamCase {
  const char* name;
  Bytes input;
  int result;
  std::string output;  // out-parameters are set in all these cases
};

void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

class UnpackStream : public testing::TestWithParam<StreamCase> {};

TEST_P(UnpackStream, GivesItsResultAndOutput) {
  const StreamCase& c = GetParam();
  Unpacked unpacked = Unpack(c.input);
  EXPECT_EQ(unpacked.result, c.result);
  EXPECT_TRUE(unpacked.outSet);
  EXPECT_EQ(unpacked.bytes, c.output);
}

std::string CaseName(const testing::TestParamInfo<StreamCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    WorkedBytes, UnpackStream,
    testing::Values(
        StreamCase{"ThreeLiterals", {0x30, 0x98, 0x8C, 0x70, 0x00}, UNPACK_OK, "abc"},
        StreamCase{"CodeNamingTheEntryItDefines",
                   {0x30, 0xC0, 0xCC, 0x30, 0x00}, UNPACK_OK, "aaaa"},
        StreamCase{"WidenedTo10Bits", {0x30, 0xC0, 0x46, 0x24, 0x00}, UNPACK_OK, "ab"},
        StreamCase{"PendingSurvivesReset",
                   {0x30, 0x98, 0xA0, 0x46, 0x38, 0x1C, 0x00}, UNPACK_OK, "abcbc"},
        StreamCase{"FirstCodeReadsAsEndButIsALiteral", {0x80, 0x40, 0x00}, UNPACK_OK,
                   std::string(1, '\0')},
        StreamCase{"Empty", {}, UNPACK_NO_INPUT, ""},
        StreamCase{"OneByte", {0x30}, UNPACK_NO_INPUT, ""},
        StreamCase{"CodeAboveNextFree", {0x30, 0xCB, 0x00}, UNPACK_BAD_STREAM, ""}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    CraftedCodes, UnpackStream,
    testing::Values(
        StreamCase{"EndRightAfterTheFirstCode", Stream({97, CODE_END}), UNPACK_OK, "a"},
        StreamCase{"FirstCodeReadsAsWiden", Stream({CODE_WIDEN, CODE_END}), UNPACK_OK, "\x01"},
        StreamCase{"BytesAfterTheEndAreIgnored",
                   Join<unsigned char>({Stream({97, 98, CODE_END}), {0xFF, 0xFF, 0x12}}),
                   UNPACK_OK, "ab"},
        StreamCase{"NoEndCode", Stream({97, 98, 99}), UNPACK_BAD_STREAM, "ab"},
        StreamCase{"NextFreeAfterStartDefinesItself", Stream({97, 259, CODE_END}), UNPACK_OK,
                   "aaa"},
        StreamCase{"AboveNextFreeAfterStart", Stream({97, 260, CODE_END}), UNPACK_BAD_STREAM, ""},
        StreamCase{"NextFreeAfterResetDefinesItself",
                   Stream({97, 98, CODE_RESET, 259, CODE_END}), UNPACK_OK, "abbb"},
        StreamCase{"NextFreeAfterResetExtendsALongPending",
                   Stream({97, 259, CODE_RESET, 259, CODE_END}), UNPACK_OK, "aaaaaa"},
        StreamCase{"OldGenerationCodeAfterReset",
                   Stream({97, 98, 99, CODE_RESET, 260, CODE_END}), UNPACK_BAD_STREAM, "ab"},
        StreamCase{"ResetRestoresNineBits",
                   Stream({97, CODE_WIDEN, CODE_WIDEN, CODE_RESET, 98, CODE_END}),
                   UNPACK_OK, "ab"},
        StreamCase{"WidenThenResetThenWidenAgain",
                   Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 23), {CODE_RESET},
                                               Repeat(CODE_WIDEN, 23), {98, CODE_END}})),
                   UNPACK_OK, "ab"}),
    CaseName);

// 23 widens take the width to 32 bits; the first 32-bit code then starts at bit 469, an odd
// offset, so it spans five bytes.
INSTANTIATE_TEST_SUITE_P(
    CodeWidths, UnpackStream,
    testing::Values(
        StreamCase{"TwentyThreeWidensReach32Bits",
                   Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 23), {98, CODE_END}})),
                   UNPACK_OK, "ab"},
        StreamCase{"ThirtyTwoBitCodeWithEveryBitSet",
                   Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 23), {0xFFFFFFFF}})),
                   UNPACK_BAD_STREAM, ""},
        StreamCase{"TwentyFourthWidenFailsBeforeReadingAt33Bits",
                   Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 24), {CODE_END}})),
                   UNPACK_BAD_STREAM, ""}),
    CaseName);

// FullDictionary() defines entries 259 .. 4095 and writes 3837 bytes.
const std::string FULL_DICTIONARY_OUTPUT = "a" + std::string(3836, 'b');

INSTANTIATE_TEST_SUITE_P(
    DictionarySlots, UnpackStream,
    testing::Values(
        StreamCase{"EntryAboveSlot4095", Stream(Join<std::uint32_t>({FullDictionary(), {'b'}})),
                   UNPACK_BAD_STREAM, FULL_DICTIONARY_OUTPUT},
        StreamCase{"CodeNamingSlot4096",
                   Stream(Join<std::uint32_t>({FullDictionary(), Repeat(CODE_WIDEN, 4), {4096}})),
                   UNPACK_BAD_STREAM, FULL_DICTIONARY_OUTPUT},
        StreamCase{"ResetInTime",
                   Stream(Join<std::uint32_t>({FullDictionary(), {CODE_RESET, 'b', CODE_END}})),
                   UNPACK_OK, FULL_DICTIONARY_OUTPUT + "bb"}),
    CaseName);

// Chain(488) writes 1 + 2 + ... + 488 = 119316 bytes and leaves 489 pending; entry 452 holds 195
// and entry 453 holds 196 letters. Chain(490) would write its 490th string on 119805 bytes.
INSTANTIATE_TEST_SUITE_P(
    OutputArea, UnpackStream,
    testing::Values(
        StreamCase{"ExactlyFull", Stream(Join<std::uint32_t>({Chain(488), {452, CODE_END}})),
                   UNPACK_OK, std::string(120000, 'a')},
        StreamCase{"FullAtTheEndCode", Stream(Join<std::uint32_t>({Chain(488), {453, CODE_END}})),
                   UNPACK_OUTPUT_FULL, std::string(119805, 'a')},
        StreamCase{"FullInTheMiddleOfAString",
                   Stream(Join<std::uint32_t>({Chain(490), {CODE_END}})), UNPACK_OUTPUT_FULL,
                   std::string(119805, 'a')}),
    CaseName);

TEST(UnpackStreamWriter, WritesTheWorkedBytes) {
  EXPECT_EQ(Stream({97, 98, 99, CODE_END}), (Bytes{0x30, 0x98, 0x8C, 0x70, 0x00}));
  EXPECT_EQ(Stream({97, CODE_WIDEN, 98, CODE_END}), (Bytes{0x30, 0xC0, 0x46, 0x24, 0x00}));
  EXPECT_EQ(Stream({97, 98, CODE_RESET, 99, 259, CODE_END}),
            (Bytes{0x30, 0x98, 0xA0, 0x46, 0x38, 0x1C, 0x00}));
  EXPECT_EQ(Stream({97, 300}), (Bytes{0x30, 0xCB, 0x00}));
}

TEST(UnpackHostile, PackedOneLetterFillsTheWholeArea) {
  const std::string letters(UNPACK_OUTPUT_SIZE, 'e');
  Bytes packed = PackData(reinterpret_cast<const unsigned char*>(letters.data()), letters.size());
  EXPECT_EQ(packed.size(), 584u);
  Unpacked unpacked = Unpack(packed);
  EXPECT_EQ(unpacked.result, UNPACK_OK);
  EXPECT_TRUE(unpacked.bytes == letters);
}

TEST(UnpackHostile, ZerosFillTheDictionaryWithoutReset) {
  const Bytes zeros(MAX_PACKED_LENGTH, 0);
  Unpacked unpacked = Unpack(zeros);
  EXPECT_EQ(unpacked.result, UNPACK_BAD_STREAM);
  EXPECT_EQ(unpacked.bytes, std::string(3837, '\0'));
}

// 58253 nine-bit codes fill 65535 bytes of resets: they decode to nothing but the first literal.
TEST(UnpackHostile, ResetFlood) {
  const Codes flood = Join<std::uint32_t>({{97}, Repeat(CODE_RESET, 58251)});
  const Bytes unended = Stream(Join<std::uint32_t>({flood, {CODE_RESET}}));
  const Bytes ended = Stream(Join<std::uint32_t>({flood, {CODE_END}}));
  ASSERT_EQ(unended.size(), MAX_PACKED_LENGTH);
  ASSERT_EQ(ended.size(), MAX_PACKED_LENGTH);

  Unpacked cut = Unpack(unended);
  Unpacked whole = Unpack(ended);
  EXPECT_EQ(cut.result, UNPACK_BAD_STREAM);
  EXPECT_EQ(cut.bytes, "");
  EXPECT_EQ(whole.result, UNPACK_OK);
  EXPECT_EQ(whole.bytes, "a");
}

// Strings each cut after every byte short of the whole: a code is always left incomplete.
TEST(UnpackHostile, InputCutInsideAnyCode) {
  Bytes noise(4200);
  std::uint32_t seed = 7;
  for (auto& byte : noise) {
    seed = seed * 1103515245 + 12345;
    byte = static_cast<unsigned char>(seed >> 16);
  }
  PackStats stats{};
  const std::vector<Bytes> streams{
      {0x30, 0x98, 0xA0, 0x46, 0x38, 0x1C, 0x00},
      Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 23), {98, 99, CODE_END}})),
      Stream(Join<std::uint32_t>({Chain(300), {CODE_END}})),
      PackData(noise.data(), noise.size(), &stats),
  };
  ASSERT_EQ(stats.resets, 1);
  for (const Bytes& stream : streams) {
    const Unpacked whole = Unpack(stream);
    ASSERT_EQ(whole.result, UNPACK_OK);
    for (std::size_t length = 0; length < stream.size(); ++length) {
      SCOPED_TRACE(length);
      const Unpacked cut = Unpack(stream.data(), length);
      EXPECT_EQ(cut.result, length < 2 ? UNPACK_NO_INPUT : UNPACK_BAD_STREAM);
      EXPECT_TRUE(cut.outSet);
      EXPECT_LT(cut.bytes.size(), whole.bytes.size());
      EXPECT_TRUE(whole.bytes.compare(0, cut.bytes.size(), cut.bytes) == 0);
    }
  }
}

TEST(UnpackLength, NullInputCountsAsEmpty) {
  Unpacked unpacked = Unpack(nullptr, 9);
  EXPECT_EQ(unpacked.result, UNPACK_NO_INPUT);
  EXPECT_TRUE(unpacked.outSet);
  EXPECT_EQ(unpacked.bytes, "");
}

TEST(UnpackLength, LongestInputIsReadInFull) {
  Bytes input = Stream(Join<std::uint32_t>({Repeat('x', 5), {CODE_END}}));
  input.resize(MAX_PACKED_LENGTH, 0xAA);
  Unpacked unpacked = Unpack(input);
  EXPECT_EQ(unpacked.result, UNPACK_OK);
  EXPECT_EQ(unpacked.bytes, "xxxxx");
}

// Memory failures, observed through the allocator and message seams.
struct AllocationLog {
  std::vector<std::size_t> sizes;
  long failAt = -1;
};
AllocationLog allocationLog;
std::vector<std::pair<std::string, std::string>> shownMessages;

void* LoggedAllocate(std::size_t size) {
  const long index = static_cast<long>(allocationLog.sizes.size());
  allocationLog.sizes.push_back(size);
  return index == allocationLog.failAt ? nullptr : std::malloc(size);
}

void RecordMessage(const char* text, const char* title) { shownMessages.emplace_back(text, title); }

class UnpackMemory : public testing::Test {
 protected:
  void SetUp() override {
    allocationLog = {};
    shownMessages.clear();
    SetUnpackAllocator(LoggedAllocate);
    SetMessageSink(RecordMessage);
  }
  void TearDown() override {
    SetUnpackAllocator(nullptr);
    SetMessageSink(nullptr);
  }
  static long CountOf(std::size_t size) {
    return std::count(allocationLog.sizes.begin(), allocationLog.sizes.end(), size);
  }
};

TEST_F(UnpackMemory, LengthPast16BitsIsRefusedBeforeAnyAllocation) {
  Bytes input = Stream({97, CODE_END});
  input.resize(MAX_PACKED_LENGTH + 4, 0);
  for (std::size_t length : {MAX_PACKED_LENGTH + 1, MAX_PACKED_LENGTH + 4, SIZE_MAX}) {
    SCOPED_TRACE(length);
    Unpacked unpacked = Unpack(input.data(), length);
    EXPECT_EQ(unpacked.result, UNPACK_TOO_LONG);
    EXPECT_FALSE(unpacked.outSet);
  }
  EXPECT_TRUE(allocationLog.sizes.empty());
}

TEST_F(UnpackMemory, EveryStringHasABlockOfItsOwnLength) {
  ASSERT_EQ(Unpack({0x30, 0xC0, 0xCC, 0x30, 0x00}).result, UNPACK_OK);  // a, aa, aaa
  EXPECT_EQ(CountOf(1), 256);
  EXPECT_EQ(CountOf(MAX_STRING_LENGTH), 2);
  EXPECT_EQ(CountOf(UNPACK_OUTPUT_SIZE), 1);
  ASSERT_GE(allocationLog.sizes.size(), 2u);
  const std::vector<std::size_t> entries(allocationLog.sizes.end() - 2, allocationLog.sizes.end());
  EXPECT_EQ(entries, (std::vector<std::size_t>{2, 3}));
}

TEST_F(UnpackMemory, EachFailedAllocationGivesNoMemoryWithItsOutParameters) {
  const Bytes input{0x30, 0x98, 0x8C, 0x70, 0x00};
  ASSERT_EQ(Unpack(input).result, UNPACK_OK);
  const std::vector<std::size_t> sizes = allocationLog.sizes;
  const long outputAt = std::find(sizes.begin(), sizes.end(), UNPACK_OUTPUT_SIZE) - sizes.begin();
  ASSERT_EQ(static_cast<long>(sizes.size()), outputAt + 3);  // then entries 259 and 260

  for (long failAt = 0; failAt < static_cast<long>(sizes.size()); ++failAt) {
    SCOPED_TRACE(failAt);
    allocationLog = AllocationLog{{}, failAt};
    shownMessages.clear();
    const Unpacked unpacked = Unpack(input);
    EXPECT_EQ(unpacked.result, UNPACK_NO_MEMORY);
    if (failAt < outputAt) {
      EXPECT_FALSE(unpacked.outSet);
      EXPECT_TRUE(shownMessages.empty());
    } else if (failAt == outputAt) {
      EXPECT_FALSE(unpacked.outSet);
      EXPECT_EQ(shownMessages, (std::vector<std::pair<std::string, std::string>>{
                                   {"Impossible d'allouer la memoire", "information"}}));
    } else {
      EXPECT_TRUE(unpacked.outSet);
      EXPECT_TRUE(shownMessages.empty());
      EXPECT_EQ(unpacked.bytes, std::string("abc").substr(0, failAt - outputAt - 1));
    }
  }
}

}  // namespace
