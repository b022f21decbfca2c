// Starting the player, answering its message boxes and finding its windows from another process.
#include "tests/support/player_process.h"

#include <atomic>
#include <thread>

#include "base/resource_ids.h"
#include "tools/pack/pack_data.h"
#include "tools/pack/quiz_bytes.h"

namespace {

// windres tags the player's resources with US English; the quiz goes beside them.
constexpr WORD RESOURCE_LANGUAGE = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

bool AddPacked(HANDLE update, int id, const std::vector<unsigned char>& bytes) {
  std::vector<unsigned char> packed = PackData(bytes.data(), bytes.size());
  return UpdateResourceA(update, QUIZ_RESOURCE_TYPE, MAKEINTRESOURCEA(id), RESOURCE_LANGUAGE,
                         packed.data(), static_cast<DWORD>(packed.size())) != 0;
}

bool AddMedia(HANDLE update, const MediaResource& media) {
  return UpdateResourceA(update, MEDIA_RESOURCE_TYPE, MAKEINTRESOURCEA(media.id), RESOURCE_LANGUAGE,
                         const_cast<char*>(media.bytes.data()),
                         static_cast<DWORD>(media.bytes.size())) != 0;
}

struct Search {
  DWORD processId;
  HWND mainWindow;
  HWND messageBox;
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK NoteWindow(HWND window, LPARAM searchAddress) {
  auto* search = reinterpret_cast<Search*>(searchAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  std::string className = ClassOf(window);
  if (className == "WindowsApp") search->mainWindow = window;
  if (className == "#32770") search->messageBox = window;
  return TRUE;
}

// The box's text is its one static control with a text; the icon's has none.
std::string MessageText(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::string text = TextOf(child);
    if (ClassOf(child) == "Static" && !text.empty()) return text;
  }
  return "";
}

// The player's shown windows; a message box found is noted and answered OK.
Search SearchAnswering(const RunningPlayer& player, std::vector<ShownMessage>& messages) {
  Search search{player.processId, nullptr, nullptr};
  EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&search));
  if (search.messageBox) {
    messages.push_back({MessageText(search.messageBox), TextOf(search.messageBox)});
    SendMessageA(search.messageBox, WM_COMMAND, IDOK, 0);
  }
  return search;
}

std::string EnvironmentWith(const std::string& extra) {
  std::string name = extra.substr(0, extra.find('=') + 1);
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += lstrlenA(entry) + 1) {
    if (_strnicmp(entry, name.c_str(), name.size()) != 0) block.append(entry).push_back('\0');
  }
  FreeEnvironmentStringsA(strings);
  block.append(extra).push_back('\0');
  block.push_back('\0');
  return block;
}

}  // namespace

bool MakePlayerCopy(const std::string& player, const std::string& copy,
                    const QuizDefinition* quiz, const std::vector<MediaResource>& media) {
  if (!CopyFileA(player.c_str(), copy.c_str(), FALSE)) return false;
  if (!quiz) return true;
  HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
  if (!update) return false;
  bool added = AddPacked(update, IDR_QUIZ, QuizBytes(*quiz)) &&
               AddPacked(update, IDR_CODES, CodeBytes(*quiz));
  for (const MediaResource& resource : media) added = added && AddMedia(update, resource);
  return EndUpdateResourceA(update, !added) && added;
}

bool StartPlayer(const std::string& executable, const std::string& directory,
                 RunningPlayer& player, const std::string& extraEnvironment) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string commandLine = "\"" + executable + "\"";
  std::string environment = extraEnvironment.empty() ? "" : EnvironmentWith(extraEnvironment);
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0,
                      environment.empty() ? nullptr : &environment[0], directory.c_str(),
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  player = RunningPlayer{process.hProcess, process.dwProcessId};
  return true;
}

HWND WaitForMainWindow(const RunningPlayer& player, std::vector<ShownMessage>& messages,
                       DWORD timeoutMilliseconds) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMilliseconds) {
    Search search = SearchAnswering(player, messages);
    if (!search.messageBox) {
      if (search.mainWindow && IsWindowVisible(FindBoard(search.mainWindow))) return search.mainWindow;
      if (WaitForSingleObject(player.process, 0) == WAIT_OBJECT_0) return nullptr;
    }
    Sleep(5);
  }
  return nullptr;
}

bool SendAnsweringMessages(const RunningPlayer& player, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, std::vector<ShownMessage>& messages,
                           DWORD timeoutMilliseconds) {
  std::atomic<bool> done{false};
  bool handled = false;
  std::thread sender([&] {
    DWORD_PTR result = 0;
    handled = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                                  timeoutMilliseconds, &result) != 0;
    done = true;
  });
  while (!done) {
    if (!SearchAnswering(player, messages).messageBox) Sleep(5);
  }
  sender.join();
  return handled;
}

HWND FindBoard(HWND mainWindow) { return FindWindowExA(mainWindow, nullptr, "#32770", nullptr); }

DWORD WaitForExit(RunningPlayer& player, DWORD timeoutMilliseconds) {
  DWORD exitCode = STILL_ACTIVE;
  if (WaitForSingleObject(player.process, timeoutMilliseconds) == WAIT_OBJECT_0) {
    GetExitCodeProcess(player.process, &exitCode);
  } else {
    TerminateProcess(player.process, STILL_ACTIVE);
  }
  CloseHandle(player.process);
  player.process = nullptr;
  return exitCode;
}
