// Normal forms with utf8proc.
#include <utf8proc.h>

#include <cstdlib>

#include "tools/authoring/normalize.h"

bool PlatformNormalize(const std::string& utf8, NormalForm form, std::string& normalized) {
  const int options = UTF8PROC_STABLE | (form == FORM_NFC ? UTF8PROC_COMPOSE : UTF8PROC_DECOMPOSE);
  utf8proc_uint8_t* result = nullptr;
  const utf8proc_ssize_t length = utf8proc_map(
      reinterpret_cast<const utf8proc_uint8_t*>(utf8.data()),
      static_cast<utf8proc_ssize_t>(utf8.size()), &result, static_cast<utf8proc_option_t>(options));
  if (length < 0) return false;
  normalized.assign(reinterpret_cast<const char*>(result), static_cast<std::size_t>(length));
  std::free(result);
  return true;
}
