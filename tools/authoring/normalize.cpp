// ASCII is its own normal form: the common case skips the platform's call.
#include "tools/authoring/normalize.h"

#include <algorithm>

std::string Normalize(const std::string& utf8, NormalForm form) {
  const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::string normalized;
  if (ascii || !PlatformNormalize(utf8, form, normalized)) return utf8;
  return normalized;
}
