// The packer: LZW coding whose dictionary follows the decoder's, entry for entry, across resets.
#include "tools/pack/pack_data.h"

#include <cstdint>

#include "quiz/unpack.h"

namespace {

constexpr std::uint16_t NO_ENTRY = 0;  // never an entry's code: entries start at 259

struct BitWriter {
  std::vector<unsigned char> bytes;
  std::uint64_t bits;  // the waiting bits, in the low bitCount bits
  int bitCount;        // 0..7 between codes
};

void PutBits(BitWriter& writer, std::uint32_t value, int width) {
  writer.bits = (writer.bits << width) | value;
  writer.bitCount += width;
  for (; writer.bitCount >= 8; writer.bitCount -= 8) {
    writer.bytes.push_back(static_cast<unsigned char>(writer.bits >> (writer.bitCount - 8)));
  }
  writer.bits &= (std::uint64_t{1} << writer.bitCount) - 1;
}

void PadLastByte(BitWriter& writer) {
  if (writer.bitCount > 0) PutBits(writer, 0, 8 - writer.bitCount);
}

struct Packer {
  BitWriter writer;
  std::vector<std::uint16_t> entryAfter;  // [prefix code * 256 + byte]: the entry's code
  std::uint32_t nextCode;
  int width;
  PackStats stats;
};

void WriteCode(Packer& packer, std::uint32_t code) {
  PutBits(packer.writer, code, packer.width);
  ++packer.stats.codes;
}

void WriteStringCode(Packer& packer, std::uint32_t code) {
  while (code >> packer.width) {
    WriteCode(packer, CODE_WIDEN);
    ++packer.width;
    ++packer.stats.widens;
  }
  WriteCode(packer, code);
}

std::uint16_t& EntryAfter(Packer& packer, std::uint32_t prefix, unsigned char byte) {
  return packer.entryAfter[prefix * 256 + byte];
}

// The decoder's first code after the reset makes entry 259 from the string written just before
// the reset plus that code's first byte, so 259 is taken here too. Only a one-byte prefix can be
// matched through it: a longer one no longer has a code in the new dictionary.
void Restart(Packer& packer, std::uint32_t prefix, unsigned char byte) {
  WriteCode(packer, CODE_RESET);
  ++packer.stats.resets;
  packer.entryAfter.assign(packer.entryAfter.size(), NO_ENTRY);
  packer.width = FIRST_CODE_WIDTH;
  if (prefix < 256) EntryAfter(packer, prefix, byte) = FIRST_FREE_CODE;
  packer.nextCode = FIRST_FREE_CODE + 1;
}

void AddEntry(Packer& packer, std::uint32_t prefix, unsigned char byte) {
  EntryAfter(packer, prefix, byte) = static_cast<std::uint16_t>(packer.nextCode++);
  if (packer.nextCode == DICTIONARY_SIZE) Restart(packer, prefix, byte);
}

}  // namespace

std::vector<unsigned char> PackData(const unsigned char* data, std::size_t length,
                                    PackStats* stats) {
  Packer packer{BitWriter{{}, 0, 0}, std::vector<std::uint16_t>(DICTIONARY_SIZE * 256, NO_ENTRY),
                FIRST_FREE_CODE, FIRST_CODE_WIDTH, PackStats{0, 0, 0}};
  if (length > 0) {
    std::uint32_t current = data[0];
    for (std::size_t i = 1; i < length; ++i) {
      std::uint16_t longer = EntryAfter(packer, current, data[i]);
      if (longer != NO_ENTRY) {
        current = longer;
        continue;
      }
      WriteStringCode(packer, current);
      AddEntry(packer, current, data[i]);
      current = data[i];
    }
    WriteStringCode(packer, current);
    WriteCode(packer, CODE_END);
    PadLastByte(packer.writer);
  }
  if (stats) *stats = packer.stats;
  return packer.writer.bytes;
}
