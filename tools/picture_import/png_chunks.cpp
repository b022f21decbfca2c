// Walking PNG chunks: a length, a type, the data, a CRC.
#include "tools/picture_import/png_chunks.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr std::size_t SIGNATURE_SIZE = 8;
constexpr std::size_t CHUNK_FRAME_SIZE = 12;  // length, type and CRC around the data

std::size_t Read32(const Bytes& file, std::size_t at) {
  return std::size_t{file[at]} << 24 | std::size_t{file[at + 1]} << 16 |
         std::size_t{file[at + 2]} << 8 | file[at + 3];
}

}  // namespace

bool IsSoundPng(const Bytes& file) {
  std::size_t at = SIGNATURE_SIZE;
  while (file.size() >= at + 8) {
    const std::size_t length = Read32(file, at);
    if (std::memcmp(file.data() + at + 4, "IDAT", 4) == 0) return length > 0;
    if (length > file.size() - at - 8) break;
    at += CHUNK_FRAME_SIZE + length;
  }
  return true;
}

bool IsWholePng(const Bytes& file) {
  std::size_t at = SIGNATURE_SIZE;
  while (file.size() >= at + 8) {
    if (std::memcmp(file.data() + at + 4, "IEND", 4) == 0) return true;
    const std::size_t length = Read32(file, at);
    if (length > file.size() - at - 8) return false;
    at += CHUNK_FRAME_SIZE + length;
  }
  return false;
}
