// Temporary files beside their targets, moved into place by a rename, which replaces the target
// in one step (MoveFileEx with replacement on Windows).
#include "tools/authoring/safe_file.h"

#include <fstream>
#include <random>
#include <string>

#include "tools/authoring/io_error.h"
#include "tools/authoring/problem.h"

namespace fs = std::filesystem;

std::string QuotedPath(const fs::path& path) { return Quoted(path.u8string()); }

namespace {

void RequireFolder(const fs::path& folder) {
  std::error_code error;
  if (folder.empty() || fs::is_directory(folder, error)) return;
  if (fs::exists(folder, error)) {
    throw IoError(QuotedPath(folder) + " n'est pas un dossier : choisissez un autre dossier");
  }
  throw IoError("le dossier " + QuotedPath(folder) +
                " n'existe pas : créez-le, ou choisissez un autre dossier");
}

}  // namespace

fs::path TemporaryPathBeside(const fs::path& target) {
  static std::mt19937 random{std::random_device{}()};
  return TemporaryPathBeside(target, [] { return static_cast<std::uint32_t>(random()); });
}

fs::path TemporaryPathBeside(const fs::path& target, const std::function<std::uint32_t()>& draw) {
  RequireFolder(target.parent_path());
  std::error_code error;
  for (;;) {
    const fs::path candidate =
        target.parent_path() /
        fs::u8path(target.filename().u8string() + "." + std::to_string(draw() % 1000000) + ".tmp");
    if (!fs::exists(candidate, error)) return candidate;
  }
}

void MoveIntoPlace(const fs::path& temporary, const fs::path& target) {
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    throw IoError("impossible de remplacer " + QuotedPath(target) +
                  " : le fichier est peut-être ouvert par un autre programme");
  }
}

void WriteFileSafely(const fs::path& target, const void* data, std::size_t size) {
  const fs::path temporary = TemporaryPathBeside(target);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    std::error_code error;
    fs::remove(temporary, error);
    throw IoError("impossible d'écrire " + QuotedPath(target));
  }
  MoveIntoPlace(temporary, target);
}

void RefuseWritingOverInputs(const fs::path& target, const std::vector<fs::path>& inputs) {
  for (const fs::path& input : inputs) {
    std::error_code error;
    if (!input.empty() && fs::equivalent(target, input, error)) {
      throw IoError(QuotedPath(target) + " est un fichier d'origine du quiz (" + QuotedPath(input) +
                    ") et ne sera jamais remplacé : choisissez un autre nom");
    }
  }
}
