// brelamake's entry point on Windows: the command line in UTF-8, the player beside the tool,
// texts measured in the player's fonts.
#include <windows.h>

#include <iostream>

#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/authoring/wide_text_win.h"
#include "tools/brelamake/brelamake.h"

int main() {
  // The messages are UTF-8; the console gets its own code page back after.
  const UINT consoleCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  const int exitCode =
      RunBrelamake(Utf8Arguments(), WindowsExecutableAccess(PlayerBesideThisProgram()),
                   GdiTextMeasurer(), std::cout, std::cerr);
  std::cout.flush();
  std::cerr.flush();
  SetConsoleOutputCP(consoleCodePage);
  return exitCode;
}
