// Normal forms with the platform's NormalizeString, through UTF-16.
#include <windows.h>

#include "tools/authoring/normalize.h"

namespace {

bool ToWide(const std::string& utf8, std::wstring& wide) {
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                       static_cast<int>(utf8.size()), nullptr, 0);
  if (size <= 0) return false;
  wide.assign(size, L'\0');
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                             static_cast<int>(utf8.size()), &wide[0], size) == size;
}

std::string ToUtf8(const std::wstring& wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], size,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace

bool PlatformNormalize(const std::string& utf8, NormalForm form, std::string& normalized) {
  std::wstring wide;
  if (!ToWide(utf8, wide)) return false;
  const NORM_FORM platformForm = form == FORM_NFC ? NormalizationC : NormalizationD;
  const int length = static_cast<int>(wide.size());
  // The first call gives an estimate; a buffer too small says so and gives a better one.
  int size = NormalizeString(platformForm, wide.c_str(), length, nullptr, 0);
  for (int attempt = 0; size > 0 && attempt < 4; ++attempt) {
    std::wstring result(size, L'\0');
    const int written = NormalizeString(platformForm, wide.c_str(), length, &result[0], size);
    if (written > 0) {
      result.resize(written);
      normalized = ToUtf8(result);
      return true;
    }
    if (written == 0 || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    size = -written;
  }
  return false;
}
