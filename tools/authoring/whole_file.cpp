// A file read through a stream opened by path: libstdc++ opens it by its wide name on Windows.
#include "tools/authoring/whole_file.h"

#include <fstream>
#include <iterator>

#include "tools/authoring/io_error.h"
#include "tools/authoring/safe_file.h"

Bytes ReadWholeFile(const std::filesystem::path& path) {
  // A folder opens as a file on some systems, and reads as empty.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    throw IoError(QuotedPath(path) + " est un dossier : indiquez un fichier");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw IoError("impossible de lire " + QuotedPath(path));
  Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw IoError("impossible de lire " + QuotedPath(path) + " jusqu'au bout");
  return bytes;
}

std::string ReadWholeText(const std::filesystem::path& path) {
  const Bytes bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}
