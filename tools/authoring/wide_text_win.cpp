// UTF-8 and UTF-16 through the system's conversions.
#include "tools/authoring/wide_text_win.h"

#include <windows.h>

#include <shellapi.h>

#include "base/raii_win.h"

std::wstring WideText(const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string Utf8Text(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

std::vector<std::string> Utf8Arguments() {
  int count = 0;
  const LocalMemory<LPWSTR*> wide(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> arguments;
  for (int i = 1; wide.Get() && i < count; ++i) arguments.push_back(Utf8Text(wide.Get()[i]));
  return arguments;
}

std::filesystem::path ThisProgramPath() {
  // A full buffer may hold a truncated path: try again in a larger one, up to the longest path.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::wstring name(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), size);
    if (length == 0) return {};
    if (length < size) return std::filesystem::path(name.substr(0, length));
  }
  return {};
}
