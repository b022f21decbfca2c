// Magic numbers of JFIF JPEG, MP3 and AVI files.
#include "tools/authoring/media_check.h"

#include <cstring>

namespace {

bool HasAt(const Bytes& file, std::size_t offset, const char* text) {
  const std::size_t length = std::strlen(text);
  return file.size() >= offset + length && std::memcmp(file.data() + offset, text, length) == 0;
}

}  // namespace

bool IsJfifJpeg(const Bytes& file) {
  return file.size() >= 11 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF &&
         file[3] == 0xE0 && HasAt(file, 6, "JFIF") && file[10] == 0;
}

bool IsMp3(const Bytes& file) {
  if (HasAt(file, 0, "ID3")) return file.size() >= 10 && file[3] != 0xFF && file[4] != 0xFF;
  // Frame sync (eleven set bits), a version other than the reserved one, layer III (01).
  return file.size() >= 4 && file[0] == 0xFF && (file[1] & 0xE0) == 0xE0 &&
         (file[1] & 0x18) != 0x08 && (file[1] & 0x06) == 0x02;
}

bool IsAvi(const Bytes& file) { return HasAt(file, 0, "RIFF") && HasAt(file, 8, "AVI "); }
