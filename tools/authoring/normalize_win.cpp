// Normal forms with the platform's NormalizeString, through UTF-16.
#include <windows.h>

#include "tools/authoring/cp1252.h"
#include "tools/authoring/normalize.h"
#include "tools/authoring/wide_text_win.h"

bool PlatformNormalize(const std::string& utf8, NormalForm form, std::string& normalized) {
  // Ill-formed text is left as it is, not given replacement characters.
  if (FirstInvalidUtf8(utf8) != std::string::npos) return false;
  const std::wstring wide = WideText(utf8);
  const NORM_FORM platformForm = form == FORM_NFC ? NormalizationC : NormalizationD;
  const int length = static_cast<int>(wide.size());
  // The first call gives an estimate; a buffer too small says so and gives a better one.
  int size = NormalizeString(platformForm, wide.c_str(), length, nullptr, 0);
  for (int attempt = 0; size > 0 && attempt < 4; ++attempt) {
    std::wstring result(size, L'\0');
    const int written = NormalizeString(platformForm, wide.c_str(), length, &result[0], size);
    if (written > 0) {
      result.resize(written);
      normalized = Utf8Text(result);
      return true;
    }
    if (written == 0 || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    size = -written;
  }
  return false;
}
