// Fuzz target: any payload packs into a stream that unpacks to the same bytes, unless the stream
// passes the 65535 bytes a resource can hold (refused) or the payload passes the output area.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "quiz/unpack.h"
#include "tools/pack/pack_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> packed = PackData(data, size);
  if (size == 0) {
    FUZZ_CHECK(packed.empty());
    return 0;
  }
  unsigned char* output = nullptr;
  std::uint32_t outLength = 0;
  const int result = UnpackData(packed.data(), packed.size(), &output, &outLength);
  if (packed.size() > MAX_PACKED_LENGTH) {
    FUZZ_CHECK(result == UNPACK_TOO_LONG && output == nullptr);
    return 0;
  }
  FUZZ_CHECK(output != nullptr);
  if (size > std::size_t{UNPACK_OUTPUT_SIZE}) {
    FUZZ_CHECK(result == UNPACK_OUTPUT_FULL);
  } else {
    FUZZ_CHECK(result == UNPACK_OK);
    FUZZ_CHECK(outLength == size + 2);
    FUZZ_CHECK(std::memcmp(output, data, size) == 0);
  }
  std::free(output);
  return 0;
}
