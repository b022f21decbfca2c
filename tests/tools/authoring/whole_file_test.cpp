// Reading a file whole: every byte as it is on disk, by any name, and a French reason when not.
#include "tools/authoring/whole_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/authoring/io_error.h"

namespace {

namespace fs = std::filesystem;

std::string ErrorOf(const fs::path& path) {
  try {
    ReadWholeFile(path);
  } catch (const IoError& error) {
    return error.what();
  }
  return "";
}

TEST(WholeFileTest, EveryByteIsReadAsItIsOnDisk) {
  const fs::path folder = FreshDirectory("whole-file");
  const fs::path file = folder / "octets.bin";
  const char bytes[] = {'a', '\r', '\n', '\0', '\x1A', 'b', '\xFF', '\r'};
  std::ofstream(file, std::ios::binary).write(bytes, sizeof bytes);
  EXPECT_EQ(ReadWholeFile(file), Bytes({'a', '\r', '\n', 0, 0x1A, 'b', 0xFF, '\r'}));
  EXPECT_EQ(ReadWholeText(file), std::string(bytes, sizeof bytes));
  std::ofstream(folder / "vide.json", std::ios::binary);
  EXPECT_TRUE(ReadWholeFile(folder / "vide.json").empty());
}

// On Windows a name that the ANSI code page cannot spell must still open.
TEST(WholeFileTest, AFileNamedOutsideCodePage1252IsRead) {
  const fs::path folder = FreshDirectory("whole-file-name") / fs::u8path("Élèves – 東京 Ω");
  fs::create_directories(folder);
  const fs::path file = folder / fs::u8path("quiz Ω.json");
  std::ofstream(file, std::ios::binary) << "{\"title\": \"Ω\"}";
  EXPECT_EQ(ReadWholeText(file), "{\"title\": \"Ω\"}");
}

TEST(WholeFileTest, AMissingFileOrAFolderIsRefusedByName) {
  const fs::path folder = FreshDirectory("whole-file-refused");
  EXPECT_EQ(ErrorOf(folder / "absent.json"),
            "impossible de lire « " + (folder / "absent.json").u8string() + " »");
  EXPECT_EQ(ErrorOf(folder), "« " + folder.u8string() + " » est un dossier : indiquez un fichier");
}

}  // namespace
