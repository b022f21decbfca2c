// Writing the quiz resources into a copy of the player with the resource-update functions, and
// reading them back from an executable loaded as a data file.
#include "tools/authoring/exe_resources_win.h"

#include <windows.h>

#include <string>

#include "tools/authoring/safe_file.h"
#include "tools/authoring/wide_text_win.h"

namespace {

namespace fs = std::filesystem;

// windres tags every resource with US English: the quiz goes in the same language, so that a
// quiz made from a made quiz finds nothing of the old one in another language.
constexpr WORD QUIZ_LANGUAGE = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// A resource type or name: a number, or a string when text is not empty.
struct ResourceName {
  std::wstring text;
  WORD id;
  LPCWSTR Pointer() const { return text.empty() ? MAKEINTRESOURCEW(id) : text.c_str(); }
};

ResourceName NameOf(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return {L"", static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name))};
  return {name, 0};
}

struct Entry {
  ResourceName type;
  ResourceName name;
  WORD language;
};

struct KeptResource {
  Entry entry;
  Bytes bytes;
};

struct DataModule {
  HMODULE handle;
  explicit DataModule(const fs::path& path)
      : handle(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
    if (!handle) throw IoError("impossible d'ouvrir " + QuotedPath(path) + " comme un programme");
  }
  ~DataModule() { FreeLibrary(handle); }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
};

// An update of a file's resources, discarded at scope exit unless committed.
struct ResourceUpdate {
  HANDLE handle;
  explicit ResourceUpdate(const fs::path& file)
      : handle(BeginUpdateResourceW(file.c_str(), TRUE)) {}
  ~ResourceUpdate() {
    if (handle) EndUpdateResourceW(handle, TRUE);
  }
  ResourceUpdate(const ResourceUpdate&) = delete;
  ResourceUpdate& operator=(const ResourceUpdate&) = delete;
  // Writes the updates into the file; the update is over either way.
  bool Commit() {
    const bool written = EndUpdateResourceW(handle, FALSE);
    handle = nullptr;
    return written;
  }
};

bool HasBoardDialog(HMODULE module) {
  return FindResourceW(module, MAKEINTRESOURCEW(IDD_BOARD), MAKEINTRESOURCEW(5)) != nullptr;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<Entry>*>(list)->push_back({NameOf(type), NameOf(name), language});
  return TRUE;
}

BOOL CALLBACK AddLanguages(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR list) {
  EnumResourceLanguagesW(module, type, name, AddLanguage, list);
  return TRUE;
}

BOOL CALLBACK AddNames(HMODULE module, LPWSTR type, LONG_PTR list) {
  EnumResourceNamesW(module, type, AddLanguages, list);
  return TRUE;
}

// Every resource of the module, in each of its languages.
std::vector<Entry> ListEntries(HMODULE module) {
  std::vector<Entry> entries;
  EnumResourceTypesW(module, AddNames, reinterpret_cast<LONG_PTR>(&entries));
  return entries;
}

// Resource types match without regard to case, as FindResource matches them.
bool SameType(const std::wstring& type, const char* name) {
  return lstrcmpiW(type.c_str(), WideText(name).c_str()) == 0;
}

// A "PATCH" or "IMG" resource with a number, as the player looks them up.
bool IsQuizEntry(const Entry& entry) {
  return entry.name.text.empty() && (SameType(entry.type.text, QUIZ_RESOURCE_TYPE) ||
                                     SameType(entry.type.text, MEDIA_RESOURCE_TYPE));
}

Bytes ResourceBytes(HMODULE module, HRSRC info) {
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  return data ? Bytes(data, data + SizeofResource(module, info)) : Bytes();
}

// Every resource of the player but its quiz: what the copy keeps.
std::vector<KeptResource> PlayerResources(const fs::path& player) {
  // Empty when the system could not name the program that the player stands beside.
  if (player.empty()) throw IoError("le joueur brela.exe est introuvable");
  DataModule module(player);
  if (!HasBoardDialog(module.handle)) {
    throw IoError(QuotedPath(player) +
                  " n'est pas le joueur brela : il n'a pas la grille des "
                  "questions");
  }
  std::vector<KeptResource> kept;
  for (const Entry& entry : ListEntries(module.handle)) {
    if (IsQuizEntry(entry)) continue;
    HRSRC info =
        FindResourceExW(module.handle, entry.type.Pointer(), entry.name.Pointer(), entry.language);
    kept.push_back({entry, ResourceBytes(module.handle, info)});
  }
  return kept;
}

bool Update(HANDLE update, const Entry& entry, const Bytes& bytes) {
  return UpdateResourceW(update, entry.type.Pointer(), entry.name.Pointer(), entry.language,
                         const_cast<unsigned char*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()));
}

// The copy is rewritten whole: Wine forgets a deletion when it merges the file's own resources
// back in at the end of the update, so the old quiz is dropped by not writing it.
bool WriteAll(HANDLE update, const std::vector<KeptResource>& kept,
              const std::vector<Resource>& resources) {
  for (const KeptResource& resource : kept) {
    if (!Update(update, resource.entry, resource.bytes)) return false;
  }
  for (const Resource& resource : resources) {
    const Entry entry{
        {WideText(resource.type), 0}, {L"", static_cast<WORD>(resource.id)}, QUIZ_LANGUAGE};
    if (!Update(update, entry, resource.bytes)) return false;
  }
  return true;
}

bool Holds(const std::vector<Resource>& resources, const Entry& entry) {
  for (const Resource& resource : resources) {
    if (SameType(entry.type.text, resource.type.c_str()) &&
        resource.id == entry.name.id) {
      return true;
    }
  }
  return false;
}

}  // namespace

void WriteQuizExecutable(const fs::path& player, const fs::path& output,
                         const std::vector<Resource>& resources) {
  const std::vector<KeptResource> kept = PlayerResources(player);
  if (!CopyFileW(player.c_str(), output.c_str(), FALSE)) {
    throw IoError("impossible de copier " + QuotedPath(player) + " en " + QuotedPath(output));
  }
  ResourceUpdate update(output);
  if (!update.handle || !WriteAll(update.handle, kept, resources) || !update.Commit()) {
    DeleteFileW(output.c_str());
    throw IoError("impossible d'écrire le quiz dans " + QuotedPath(output));
  }
}

std::vector<Resource> ReadQuizExecutable(const fs::path& executable) {
  DataModule module(executable);
  std::vector<Resource> resources;
  for (const Entry& entry : ListEntries(module.handle)) {
    // Of several languages, the one that the player finds.
    if (!IsQuizEntry(entry) || Holds(resources, entry)) continue;
    HRSRC info = FindResourceW(module.handle, entry.name.Pointer(), entry.type.Pointer());
    resources.push_back(
        {Utf8Text(entry.type.text), entry.name.id, ResourceBytes(module.handle, info)});
  }
  return resources;
}

bool IsQuizExecutable(const fs::path& file) {
  try {
    DataModule module(file);
    return HasBoardDialog(module.handle) &&
           FindResourceW(module.handle, MAKEINTRESOURCEW(IDR_QUIZ),
                         WideText(QUIZ_RESOURCE_TYPE).c_str());
  } catch (const IoError&) {
    return false;
  }
}

fs::path PlayerBesideThisProgram() {
  const fs::path program = ThisProgramPath();
  return program.empty() ? fs::path() : program.parent_path() / "brela.exe";
}

ExecutableAccess WindowsExecutableAccess(const fs::path& defaultPlayer) {
  return {WriteQuizExecutable, ReadQuizExecutable, IsQuizExecutable, defaultPlayer};
}
