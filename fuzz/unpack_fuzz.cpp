// Fuzz target: UnpackData on any bytes gives one of its defined results, sets its out-parameters
// as it promises and never reports more bytes than its output area holds.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_check.h"
#include "quiz/unpack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  unsigned char sentinel = 0;
  unsigned char* output = &sentinel;
  std::uint32_t outLength = 0xDEADBEEF;
  const int result = UnpackData(data, size, &output, &outLength);

  if (size > MAX_PACKED_LENGTH) {
    FUZZ_CHECK(result == UNPACK_TOO_LONG);
    FUZZ_CHECK(output == &sentinel && outLength == 0xDEADBEEF);
    return 0;
  }
  FUZZ_CHECK(result == UNPACK_OK || result == UNPACK_NO_INPUT || result == UNPACK_BAD_STREAM ||
             result == UNPACK_OUTPUT_FULL);
  // Fewer than nine bits hold no first code.
  FUZZ_CHECK((result == UNPACK_NO_INPUT) == (size < 2));
  FUZZ_CHECK(output != &sentinel && output != nullptr);
  FUZZ_CHECK(outLength >= 2 && outLength - 2 <= std::uint32_t{UNPACK_OUTPUT_SIZE});
  if (result == UNPACK_NO_INPUT) FUZZ_CHECK(outLength == 2);
  std::free(output);
  return 0;
}
