// Writing the quiz resources into a copy of the player with the resource-update functions, and
// reading them back from an executable loaded as a data file.
#include "tools/authoring/exe_resources_win.h"

#include <windows.h>

#include <string>

#include "tools/authoring/safe_file.h"

namespace {

namespace fs = std::filesystem;

// windres tags every resource with US English: the quiz goes in the same language, so that a
// quiz made from a made quiz finds nothing of the old one in another language.
constexpr WORD QUIZ_LANGUAGE = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// A resource type or name: a number, or a string when text is not empty.
struct ResourceName {
  std::string text;
  WORD id;
  LPCSTR Pointer() const { return text.empty() ? MAKEINTRESOURCEA(id) : text.c_str(); }
};

ResourceName NameOf(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return {"", static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name))};
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

// The A functions take paths in the ANSI code page; a path it cannot spell is refused.
std::string AnsiPath(const fs::path& path) {
  const std::wstring wide = path.wstring();
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0,
                                       nullptr, &lost);
  std::string ansi(size > 0 ? size : 1, '\0');
  if (size <= 0 || lost ||
      !WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, &ansi[0], size, nullptr,
                           nullptr)) {
    throw IoError("le chemin " + QuotedPath(path) +
                  " contient un caractère hors du jeu de caractères ANSI de Windows : renommez "
                  "le fichier ou son dossier");
  }
  ansi.resize(size - 1);
  return ansi;
}

struct DataModule {
  HMODULE handle;
  explicit DataModule(const fs::path& path)
      : handle(LoadLibraryExA(AnsiPath(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
    if (!handle) throw IoError("impossible d'ouvrir " + QuotedPath(path) + " comme un programme");
  }
  ~DataModule() { FreeLibrary(handle); }
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;
};

bool HasBoardDialog(HMODULE module) {
  return FindResourceA(module, MAKEINTRESOURCEA(IDD_BOARD), MAKEINTRESOURCEA(5)) != nullptr;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<Entry>*>(list)->push_back({NameOf(type), NameOf(name), language});
  return TRUE;
}

BOOL CALLBACK AddLanguages(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR list) {
  EnumResourceLanguagesA(module, type, name, AddLanguage, list);
  return TRUE;
}

BOOL CALLBACK AddNames(HMODULE module, LPSTR type, LONG_PTR list) {
  EnumResourceNamesA(module, type, AddLanguages, list);
  return TRUE;
}

// Every resource of the module, in each of its languages.
std::vector<Entry> ListEntries(HMODULE module) {
  std::vector<Entry> entries;
  EnumResourceTypesA(module, AddNames, reinterpret_cast<LONG_PTR>(&entries));
  return entries;
}

// A "PATCH" or "IMG" resource with a number, as the player looks them up.
bool IsQuizEntry(const Entry& entry) {
  return entry.name.text.empty() && (lstrcmpiA(entry.type.text.c_str(), QUIZ_RESOURCE_TYPE) == 0 ||
                                     lstrcmpiA(entry.type.text.c_str(), MEDIA_RESOURCE_TYPE) == 0);
}

Bytes ResourceBytes(HMODULE module, HRSRC info) {
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
  return data ? Bytes(data, data + SizeofResource(module, info)) : Bytes();
}

// Every resource of the player but its quiz: what the copy keeps.
std::vector<KeptResource> PlayerResources(const fs::path& player) {
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
        FindResourceExA(module.handle, entry.type.Pointer(), entry.name.Pointer(), entry.language);
    kept.push_back({entry, ResourceBytes(module.handle, info)});
  }
  return kept;
}

bool Update(HANDLE update, const Entry& entry, const Bytes& bytes) {
  return UpdateResourceA(update, entry.type.Pointer(), entry.name.Pointer(), entry.language,
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
    const Entry entry{{resource.type, 0}, {"", static_cast<WORD>(resource.id)}, QUIZ_LANGUAGE};
    if (!Update(update, entry, resource.bytes)) return false;
  }
  return true;
}

bool Holds(const std::vector<Resource>& resources, const Entry& entry) {
  for (const Resource& resource : resources) {
    if (lstrcmpiA(resource.type.c_str(), entry.type.text.c_str()) == 0 &&
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
  const std::string target = AnsiPath(output);
  if (!CopyFileA(AnsiPath(player).c_str(), target.c_str(), FALSE)) {
    throw IoError("impossible de copier " + QuotedPath(player) + " en " + QuotedPath(output));
  }
  HANDLE update = BeginUpdateResourceA(target.c_str(), TRUE);
  const bool written = update && WriteAll(update, kept, resources);
  if (update && !written) EndUpdateResourceA(update, TRUE);
  if (!written || !EndUpdateResourceA(update, FALSE)) {
    DeleteFileA(target.c_str());
    throw IoError("impossible d'écrire le quiz dans " + QuotedPath(output));
  }
}

std::vector<Resource> ReadQuizExecutable(const fs::path& executable) {
  DataModule module(executable);
  std::vector<Resource> resources;
  for (const Entry& entry : ListEntries(module.handle)) {
    // Of several languages, the one that the player finds.
    if (!IsQuizEntry(entry) || Holds(resources, entry)) continue;
    HRSRC info = FindResourceA(module.handle, entry.name.Pointer(), entry.type.Pointer());
    resources.push_back({entry.type.text, entry.name.id, ResourceBytes(module.handle, info)});
  }
  return resources;
}

bool IsQuizExecutable(const fs::path& file) {
  try {
    DataModule module(file);
    return HasBoardDialog(module.handle) &&
           FindResourceA(module.handle, MAKEINTRESOURCEA(IDR_QUIZ), QUIZ_RESOURCE_TYPE);
  } catch (const IoError&) {
    return false;
  }
}

ExecutableAccess WindowsExecutableAccess(const fs::path& defaultPlayer) {
  return {WriteQuizExecutable, ReadQuizExecutable, IsQuizExecutable, defaultPlayer};
}
