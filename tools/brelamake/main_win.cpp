// brelamake's entry point on Windows: the command line in UTF-8, the player beside the tool,
// texts measured in the player's fonts.
#include <windows.h>

#include <filesystem>
#include <iostream>

#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/brelamake/brelamake.h"

namespace {

// The arguments after the program name; the wide command line keeps every character.
std::vector<std::string> Utf8Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i)
    arguments.push_back(std::filesystem::path(wide[i]).u8string());
  LocalFree(wide);
  return arguments;
}

std::filesystem::path PlayerBesideTool() {
  wchar_t name[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, name, MAX_PATH);
  return std::filesystem::path(std::wstring(name, length)).parent_path() / "brela.exe";
}

}  // namespace

int main() {
  // The messages are UTF-8; the console gets its own code page back after.
  const UINT consoleCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  const int exitCode = RunBrelamake(Utf8Arguments(), WindowsExecutableAccess(PlayerBesideTool()),
                                    GdiTextMeasurer(), std::cout, std::cerr);
  std::cout.flush();
  std::cerr.flush();
  SetConsoleOutputCP(consoleCodePage);
  return exitCode;
}
