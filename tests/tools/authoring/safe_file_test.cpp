// Writing through temporary files: the name chosen beside the target, a failed move that leaves
// nothing behind, and a missing folder told as such.
#include "tools/authoring/safe_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/authoring/io_error.h"

namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> FilesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().u8string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Draws the given numbers in turn.
std::function<std::uint32_t()> Draws(std::vector<std::uint32_t> numbers) {
  auto next = std::make_shared<std::size_t>(0);
  return [numbers, next] { return numbers.at((*next)++); };
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const IoError& error) {
    return error.what();
  }
  return "no IoError";
}

TEST(SafeFileTest, ATemporaryNameIsTheTargetsNameANumberAndTmp) {
  const fs::path folder = FreshDirectory("safe-name");
  EXPECT_EQ(TemporaryPathBeside(folder / "quiz.exe", Draws({42})), folder / "quiz.exe.42.tmp");
  EXPECT_EQ(TemporaryPathBeside(folder / "quiz.exe", Draws({3000123})),
            folder / "quiz.exe.123.tmp")
      << "numbers of six digits at most";
}

TEST(SafeFileTest, ATemporaryNameAvoidsFilesAndFoldersAlreadyThere) {
  const fs::path folder = FreshDirectory("safe-taken");
  WriteText(folder / "quiz.exe.7.tmp", "un autre programme");
  fs::create_directory(folder / "quiz.exe.8.tmp");
  EXPECT_EQ(TemporaryPathBeside(folder / "quiz.exe", Draws({7, 1000007, 8, 9})),
            folder / "quiz.exe.9.tmp");
  EXPECT_EQ(FilesOf(folder), (std::vector<std::string>{"quiz.exe.7.tmp", "quiz.exe.8.tmp"}));
}

TEST(SafeFileTest, AFailedMoveRemovesItsTemporaryFileAndLeavesTheTargetAlone) {
  const fs::path folder = FreshDirectory("safe-move");
  // A folder that holds a file cannot be replaced by a file.
  fs::create_directories(folder / "quiz.exe");
  WriteText(folder / "quiz.exe/notes.txt", "à garder");
  const fs::path temporary = folder / "quiz.exe.5.tmp";
  WriteText(temporary, "le nouveau quiz");
  EXPECT_EQ(MessageOf([&] { MoveIntoPlace(temporary, folder / "quiz.exe"); }),
            "impossible de remplacer « " + (folder / "quiz.exe").u8string() +
                " » : le fichier est peut-être ouvert par un autre programme");
  EXPECT_EQ(FilesOf(folder), (std::vector<std::string>{"quiz.exe"}));
  EXPECT_EQ(FilesOf(folder / "quiz.exe"), (std::vector<std::string>{"notes.txt"}));
}

TEST(SafeFileTest, AMoveReplacesTheTarget) {
  const fs::path folder = FreshDirectory("safe-replace");
  WriteText(folder / "quiz.json", "l'ancien");
  WriteText(folder / "quiz.json.1.tmp", "le nouveau");
  MoveIntoPlace(folder / "quiz.json.1.tmp", folder / "quiz.json");
  EXPECT_EQ(FilesOf(folder), (std::vector<std::string>{"quiz.json"}));
  const Bytes bytes = ReadBytes(folder / "quiz.json");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "le nouveau");
}

TEST(SafeFileTest, AMissingFolderIsToldAndNothingIsWritten) {
  const fs::path folder = FreshDirectory("safe-folder");
  const fs::path missing = folder / "nosuchdir";
  const std::string told = "le dossier « " + missing.u8string() +
                           " » n'existe pas : créez-le, ou choisissez un autre dossier";
  EXPECT_EQ(MessageOf([&] { TemporaryPathBeside(missing / "q.exe"); }), told);
  EXPECT_EQ(MessageOf([&] { WriteFileSafely(missing / "q.json", "{}", 2); }), told);
  WriteText(folder / "notes", "un fichier");
  EXPECT_EQ(MessageOf([&] { WriteFileSafely(folder / "notes/q.json", "{}", 2); }),
            "« " + (folder / "notes").u8string() +
                " » n'est pas un dossier : choisissez un autre dossier");
  EXPECT_EQ(FilesOf(folder), (std::vector<std::string>{"notes"}));
}

}  // namespace
