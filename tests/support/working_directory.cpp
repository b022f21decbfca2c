// Scratch directories and whole files for the tests.
#include "tests/support/working_directory.h"

#include <windows.h>

#include <cstdio>

namespace {

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = path + "\\" + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

ScopedWorkingDirectory::ScopedWorkingDirectory() {
  char buffer[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, buffer);
  previous_ = buffer;
  GetTempPathA(MAX_PATH, buffer);
  static unsigned counter = 0;
  do {
    path_ = std::string(buffer) + "brela-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
  } while (!CreateDirectoryA(path_.c_str(), nullptr));
  SetCurrentDirectoryA(path_.c_str());
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
  SetCurrentDirectoryA(previous_.c_str());
  RemoveTree(path_);
}

bool FileExists(const std::string& name) {
  return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& name) {
  std::string bytes;
  if (std::FILE* file = std::fopen(name.c_str(), "rb")) {
    char chunk[4096];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, count);
    std::fclose(file);
  }
  return bytes;
}

void WriteWholeFile(const std::string& name, const std::string& bytes) {
  if (std::FILE* file = std::fopen(name.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}
