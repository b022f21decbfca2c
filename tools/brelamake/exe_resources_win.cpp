// Writing the quiz resources into a copy of the player with the resource-update functions, and
// reading them back from an executable loaded as a data file.
#include "tools/brelamake/exe_resources_win.h"

#include <windows.h>

#include <string>

#include "tools/brelamake/brelamake.h"

namespace {

namespace fs = std::filesystem;

// windres tags every resource with US English: an update in another language would add a
// second entry beside the old one instead of replacing it.
constexpr WORD QUIZ_LANGUAGE = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr int BOARD_DIALOG_ID = 1001;
const char* const QUIZ_TYPES[] = {RESOURCE_TYPE_PATCH, RESOURCE_TYPE_IMG};

struct Entry {
  std::string type;
  WORD id;
  WORD language;
};

std::string Quoted(const fs::path& path) { return "\"" + path.u8string() + "\""; }

// The A functions take paths in the ANSI code page; a path it cannot spell is refused.
std::string AnsiPath(const fs::path& path) {
  const std::wstring wide = path.wstring();
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0,
                                       nullptr, &lost);
  std::string ansi(size > 0 ? size : 1, '\0');
  if (size <= 0 || lost ||
      !WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, &ansi[0], size,
                           nullptr, nullptr)) {
    throw IoError("the path " + Quoted(path) + " cannot be written in the ANSI code page");
  }
  ansi.resize(size - 1);
  return ansi;
}

struct DataModule {
  HMODULE handle;
  explicit DataModule(const fs::path& path)
      : handle(LoadLibraryExA(AnsiPath(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
    if (!handle) throw IoError("cannot open " + Quoted(path) + " as a Windows executable");
  }
  ~DataModule() { FreeLibrary(handle); }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<Entry>*>(list)->push_back(
      {type, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), language});
  return TRUE;
}

BOOL CALLBACK AddLanguages(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR list) {
  // Names that are strings are not the player's: it looks its resources up by number.
  if (IS_INTRESOURCE(name)) EnumResourceLanguagesA(module, type, name, AddLanguage, list);
  return TRUE;
}

// Every numbered "PATCH" and "IMG" resource of the module, in each of its languages.
std::vector<Entry> ListQuizEntries(HMODULE module) {
  std::vector<Entry> entries;
  for (const char* type : QUIZ_TYPES) {
    EnumResourceNamesA(module, type, AddLanguages, reinterpret_cast<LONG_PTR>(&entries));
  }
  return entries;
}

bool Holds(const std::vector<Resource>& resources, const Entry& entry) {
  for (const Resource& resource : resources) {
    if (resource.type == entry.type && resource.id == entry.id) return true;
  }
  return false;
}

// The player's quiz resources that the new quiz does not overwrite, to be deleted.
std::vector<Entry> StaleEntries(const fs::path& player, const std::vector<Resource>& resources) {
  DataModule module(player);
  if (!FindResourceA(module.handle, MAKEINTRESOURCEA(BOARD_DIALOG_ID), MAKEINTRESOURCEA(5))) {
    throw IoError(Quoted(player) + " is not the brela player: it has no board dialog");
  }
  std::vector<Entry> stale;
  for (const Entry& entry : ListQuizEntries(module.handle)) {
    if (entry.language != QUIZ_LANGUAGE || !Holds(resources, entry)) stale.push_back(entry);
  }
  return stale;
}

bool UpdateAll(HANDLE update, const std::vector<Entry>& stale,
               const std::vector<Resource>& resources) {
  for (const Entry& entry : stale) {
    if (!UpdateResourceA(update, entry.type.c_str(), MAKEINTRESOURCEA(entry.id), entry.language,
                         nullptr, 0)) {
      return false;
    }
  }
  for (const Resource& resource : resources) {
    if (!UpdateResourceA(update, resource.type.c_str(), MAKEINTRESOURCEA(resource.id),
                         QUIZ_LANGUAGE, const_cast<unsigned char*>(resource.bytes.data()),
                         static_cast<DWORD>(resource.bytes.size()))) {
      return false;
    }
  }
  return true;
}

Bytes ResourceBytes(HMODULE module, const char* type, WORD id) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  return data ? Bytes(data, data + SizeofResource(module, info)) : Bytes();
}

}  // namespace

void WriteQuizExecutable(const fs::path& player, const fs::path& output,
                         const std::vector<Resource>& resources) {
  const std::vector<Entry> stale = StaleEntries(player, resources);
  const std::string target = AnsiPath(output);
  if (!CopyFileA(AnsiPath(player).c_str(), target.c_str(), FALSE)) {
    throw IoError("cannot copy " + Quoted(player) + " to " + Quoted(output));
  }
  HANDLE update = BeginUpdateResourceA(target.c_str(), FALSE);
  const bool updated = update && UpdateAll(update, stale, resources);
  if (update && !updated) EndUpdateResourceA(update, TRUE);
  if (!updated || !EndUpdateResourceA(update, FALSE)) {
    DeleteFileA(target.c_str());
    throw IoError("cannot write the quiz into " + Quoted(output));
  }
}

std::vector<Resource> ReadQuizExecutable(const fs::path& executable) {
  DataModule module(executable);
  std::vector<Resource> resources;
  for (const Entry& entry : ListQuizEntries(module.handle)) {
    // Of several languages, the one that the player finds.
    if (!Holds(resources, entry)) {
      resources.push_back({entry.type, entry.id, ResourceBytes(module.handle, entry.type.c_str(), entry.id)});
    }
  }
  return resources;
}
