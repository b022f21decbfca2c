// UnpackData: the dictionary decoder (LZW family) that turns a packed "PATCH" resource back into
// its plain bytes, and the constants of the packed stream, which the packer shares.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int UNPACK_OUTPUT_SIZE = 120000;

constexpr int UNPACK_OK = 0;
constexpr int UNPACK_NO_MEMORY = -4;
constexpr int UNPACK_NO_INPUT = -5;
constexpr int UNPACK_BAD_STREAM = -7;
constexpr int UNPACK_TOO_LONG = -8;
constexpr int UNPACK_OUTPUT_FULL = -9;

constexpr std::uint32_t CODE_END = 256;
constexpr std::uint32_t CODE_WIDEN = 257;
constexpr std::uint32_t CODE_RESET = 258;
constexpr std::uint32_t FIRST_FREE_CODE = 259;
constexpr std::uint32_t DICTIONARY_SIZE = 4096;  // codes 0..4095
constexpr int FIRST_CODE_WIDTH = 9;
constexpr int MAX_CODE_WIDTH = 32;
constexpr int MAX_STRING_LENGTH = 4096;           // the pending and candidate areas
constexpr std::size_t MAX_PACKED_LENGTH = 65535;  // the stream's length and position are 16-bit

// Unpacks inputLength bytes of input into a fresh area of UNPACK_OUTPUT_SIZE bytes.
//
//   UNPACK_OK           the end code was reached.
//   UNPACK_NO_MEMORY    working memory or the output area could not be had (out-parameters
//                       untouched; for the output area the user is told), or a new dictionary
//                       entry could not be stored (out-parameters set).
//   UNPACK_NO_INPUT     the input is empty (or null) or ends inside the first code.
//   UNPACK_BAD_STREAM   the input ends before the end code; a code lies above the next free code;
//                       a 24th widen code came without a reset (width 33); an entry would be
//                       created above slot 4095 (no reset in time).
//   UNPACK_TOO_LONG     inputLength is 65536 or more: refused before anything is allocated, so
//                       that the 16-bit length never wraps; out-parameters untouched.
//   UNPACK_OUTPUT_FULL  a string would pass the end of the output area; the strings before it
//                       are kept, that string is not written at all.
//
// Except where said untouched, *outData receives the output area, which the caller releases with
// free(), and *outLength the number of bytes written plus 2. The bytes are not terminated.
// Calls must not overlap.
int UnpackData(const unsigned char* input, std::size_t inputLength, unsigned char** outData,
               std::uint32_t* outLength);

// Every block the decoder takes comes from here, malloc unless replaced; the blocks must be
// releasable with free(). Tests make single allocations fail through it; null restores malloc.
using UnpackAllocator = void* (*)(std::size_t size);
void SetUnpackAllocator(UnpackAllocator allocate);
