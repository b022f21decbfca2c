// Fuzz target: ReadAnswerLine over an answers file of any bytes gives, line after line, what text
// mode reading would: LF or CR LF ends a line, a lone CR stays, the first 259 characters of each
// line are kept (up to a zero byte), a lone "*" is an empty field; then it reports the end. The
// reader of bytes in memory gives the same.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "board/answers_file.h"
#include "fuzz/fuzz_check.h"

namespace {

// The texts that the reader must give, from a plain split of the bytes at each LF.
std::vector<std::string> ReferenceLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool ended = end != std::string::npos;
    if (!ended) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (ended && !line.empty() && line.back() == '\r') line.pop_back();
    line = line.substr(0, TEXT_SIZE - 1).c_str();
    lines.push_back(line == EMPTY_ANSWER_MARK ? "" : line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A read-only stream over the bytes themselves: no file system on the fuzzing path.
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  FUZZ_CHECK(file != nullptr);
  const std::vector<std::string> expected =
      ReferenceLines(std::string(reinterpret_cast<const char*>(data), size));

  char text[TEXT_SIZE];
  for (const std::string& line : expected) {
    FUZZ_CHECK(ReadAnswerLine(file, text));
    FUZZ_CHECK(text == line);
  }
  for (int afterTheEnd = 0; afterTheEnd < 2; ++afterTheEnd) {
    FUZZ_CHECK(!ReadAnswerLine(file, text));
    FUZZ_CHECK(text[0] == 0);
  }
  std::fclose(file);

  // The reader of bytes in memory gives the same texts and stops at the end.
  std::size_t at = 0;
  for (const std::string& line : expected) {
    FUZZ_CHECK(ReadAnswerLine(data, size, at, text));
    FUZZ_CHECK(text == line);
  }
  FUZZ_CHECK(!ReadAnswerLine(data, size, at, text));
  FUZZ_CHECK(text[0] == 0 && at == size);
  return 0;
}
