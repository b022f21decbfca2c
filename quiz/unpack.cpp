// The packed-resource decoder: variable-width codes read most significant bit first, a dictionary
// whose every entry keeps its whole string in its own heap block, and three in-band control codes.
#include "quiz/unpack.h"

#include <cstdlib>
#include <cstring>

#include "base/message.h"

// A new entry is the pending string plus one byte, and that pending string is written in the same
// step, so a string of n bytes exists only after strings of 1 .. n - 1 bytes were written: the
// output area fills long before a string could outgrow the pending and candidate areas.
static_assert(std::uint64_t{MAX_STRING_LENGTH} * (MAX_STRING_LENGTH - 1) / 2 > UNPACK_OUTPUT_SIZE,
              "strings could outgrow the pending and candidate areas");

namespace {

UnpackAllocator currentAllocator = nullptr;

void* Allocate(std::size_t size) {
  return currentAllocator ? currentAllocator(size) : std::malloc(size);
}

struct DictionaryEntry {
  unsigned char* bytes;  // owned; null while the slot is empty
  std::uint16_t capacity;
  std::uint16_t length;
};

struct BitReader {
  const unsigned char* input;
  std::uint16_t inputLength;
  std::uint16_t position;
  std::uint8_t holder;    // the unread low bits of the last byte, shifted to the top
  std::uint8_t heldBits;  // 0..7
};

struct UnpackState {
  DictionaryEntry dictionary[DICTIONARY_SIZE];
  std::uint16_t nextFreeCode;
  std::uint8_t codeWidth;
  unsigned char* pending;  // the string of the last code read, written when the next code comes
  std::uint16_t pendingLength;
  unsigned char* candidate;  // the pending string plus one byte: the next entry
  std::uint16_t candidateLength;
  BitReader reader;
  unsigned char* output;
  std::uint32_t outputLength;
};

void ReleaseState(UnpackState* state) {
  for (DictionaryEntry& entry : state->dictionary) std::free(entry.bytes);
  std::free(state->pending);
  std::free(state->candidate);
  std::free(state);
}

bool FillLiterals(UnpackState& state) {
  for (std::uint32_t code = 0; code < 256; ++code) {
    DictionaryEntry& entry = state.dictionary[code];
    entry.bytes = static_cast<unsigned char*>(Allocate(1));
    if (!entry.bytes) return false;
    entry.bytes[0] = static_cast<unsigned char>(code);
    entry.capacity = 1;
    entry.length = 1;
  }
  return true;
}

// The working state with its dictionary of 256 literals, or null without memory.
UnpackState* CreateState() {
  auto* state = static_cast<UnpackState*>(Allocate(sizeof(UnpackState)));
  if (!state) return nullptr;
  std::memset(state, 0, sizeof(UnpackState));
  state->nextFreeCode = FIRST_FREE_CODE;
  state->codeWidth = FIRST_CODE_WIDTH;
  state->pending = static_cast<unsigned char*>(Allocate(MAX_STRING_LENGTH));
  state->candidate = static_cast<unsigned char*>(Allocate(MAX_STRING_LENGTH));
  if (!state->pending || !state->candidate || !FillLiterals(*state)) {
    ReleaseState(state);
    return nullptr;
  }
  return state;
}

bool TakeByte(BitReader& reader, std::uint32_t& byte) {
  if (reader.position == reader.inputLength) return false;
  byte = reader.input[reader.position++];
  return true;
}

// Reads one code of the given width (at most 32 bits); false when the input runs out first.
bool ReadCode(BitReader& reader, int width, std::uint32_t& code) {
  code = reader.holder >> (8 - reader.heldBits);
  int needed = width - reader.heldBits;
  reader.holder = 0;
  reader.heldBits = 0;
  std::uint32_t byte = 0;
  for (; needed > 7; needed -= 8) {
    if (!TakeByte(reader, byte)) return false;
    code = (code << 8) | byte;
  }
  if (needed == 0) return true;
  if (!TakeByte(reader, byte)) return false;
  code = (code << needed) | (byte >> (8 - needed));
  reader.holder = static_cast<std::uint8_t>(byte << needed);
  reader.heldBits = static_cast<std::uint8_t>(8 - needed);
  return true;
}

int AppendPending(UnpackState& state) {
  if (state.pendingLength > UNPACK_OUTPUT_SIZE - state.outputLength) return UNPACK_OUTPUT_FULL;
  std::memcpy(state.output + state.outputLength, state.pending, state.pendingLength);
  state.outputLength += state.pendingLength;
  return UNPACK_OK;
}

// Stores the pending string plus the extension byte in the slot of the next free code.
int StoreCandidate(UnpackState& state, unsigned char extension) {
  std::memcpy(state.candidate, state.pending, state.pendingLength);
  state.candidate[state.pendingLength] = extension;
  state.candidateLength = static_cast<std::uint16_t>(state.pendingLength + 1);

  DictionaryEntry& entry = state.dictionary[state.nextFreeCode];
  std::free(entry.bytes);
  entry = DictionaryEntry{static_cast<unsigned char*>(Allocate(state.candidateLength)), 0, 0};
  if (!entry.bytes) return UNPACK_NO_MEMORY;
  std::memcpy(entry.bytes, state.candidate, state.candidateLength);
  entry.capacity = state.candidateLength;
  entry.length = state.candidateLength;
  ++state.nextFreeCode;
  return UNPACK_OK;
}

// A literal or dictionary code: define the next entry, write the pending string, then take the
// code's string as the new pending one (after the store, so that the entry just defined is found).
int TakeStringCode(UnpackState& state, std::uint32_t code) {
  if (code > state.nextFreeCode) return UNPACK_BAD_STREAM;
  if (state.nextFreeCode >= DICTIONARY_SIZE) return UNPACK_BAD_STREAM;

  const DictionaryEntry& named = state.dictionary[code];
  unsigned char extension = code == state.nextFreeCode ? state.pending[0] : named.bytes[0];
  int result = StoreCandidate(state, extension);
  if (result == UNPACK_OK) result = AppendPending(state);
  if (result != UNPACK_OK) return result;
  std::memcpy(state.pending, named.bytes, named.length);
  state.pendingLength = named.length;
  return UNPACK_OK;
}

// Reads codes after the first until the end code or a failure. Every pass consumes at least nine
// bits of an input of at most 65535 bytes, so the loop ends.
int DecodeCodes(UnpackState& state) {
  for (;;) {
    if (state.codeWidth > MAX_CODE_WIDTH) return UNPACK_BAD_STREAM;
    std::uint32_t code = 0;
    if (!ReadCode(state.reader, state.codeWidth, code)) return UNPACK_BAD_STREAM;
    if (code == CODE_END) return AppendPending(state);
    if (code == CODE_RESET) {
      // Slots above 258 keep their strings until reused: a reset costs no sweep.
      state.nextFreeCode = FIRST_FREE_CODE;
      state.codeWidth = FIRST_CODE_WIDTH;
      continue;
    }
    if (code == CODE_WIDEN) {
      ++state.codeWidth;
      continue;
    }
    int result = TakeStringCode(state, code);
    if (result != UNPACK_OK) return result;
  }
}

int Decode(UnpackState& state) {
  std::uint32_t first = 0;
  // The first code is always a literal: its ninth bit is ignored, whatever control code it spells.
  if (!ReadCode(state.reader, FIRST_CODE_WIDTH, first)) return UNPACK_NO_INPUT;
  state.pending[0] = static_cast<unsigned char>(first & 0xFF);
  state.pendingLength = 1;
  return DecodeCodes(state);
}

}  // namespace

void SetUnpackAllocator(UnpackAllocator allocate) { currentAllocator = allocate; }

int UnpackData(const unsigned char* input, std::size_t inputLength, unsigned char** outData,
               std::uint32_t* outLength) {
  if (inputLength > MAX_PACKED_LENGTH) return UNPACK_TOO_LONG;
  UnpackState* state = CreateState();
  if (!state) return UNPACK_NO_MEMORY;
  state->output = static_cast<unsigned char*>(Allocate(UNPACK_OUTPUT_SIZE));
  if (!state->output) {
    ShowMessage("Impossible d'allouer la memoire", "information");
    ReleaseState(state);
    return UNPACK_NO_MEMORY;
  }
  state->reader.input = input;
  state->reader.inputLength = input ? static_cast<std::uint16_t>(inputLength) : 0;

  int result = Decode(*state);
  *outData = state->output;
  *outLength = state->outputLength + 2;
  ReleaseState(state);
  return result;
}
