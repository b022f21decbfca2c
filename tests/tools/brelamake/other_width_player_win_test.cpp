// brelamake writing a quiz into a player of the other width: a 64-bit brelamake makes the 32-bit
// players of the release where 32-bit programs cannot run. The player is named by
// BRELA_OTHER_PLAYER; the made executable keeps the player's headers, code and resources, holds
// the same quiz as one made from a player of the tool's own width, and reads back whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/brelamake/made_executables_win.h"
#include "tools/authoring/exe_resources_win.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path TOOL = BRELAMAKE_PATH;
const fs::path OWN_PLAYER = BRELA_PLAYER_PATH;

fs::path OtherPlayer() {
  const char* path = std::getenv("BRELA_OTHER_PLAYER");
  return path ? fs::path(path) : fs::path();
}

// What the system's loader reads of a PE file's headers, and each section's bytes.
struct Section {
  std::string name;
  DWORD virtualAddress, virtualSize;
  Bytes bytes;
};

struct PeImage {
  WORD machine = 0, magic = 0, subsystem = 0, dllCharacteristics = 0, characteristics = 0;
  DWORD entryPoint = 0, sectionAlignment = 0, fileAlignment = 0, sizeOfImage = 0;
  ULONGLONG imageBase = 0;
  std::vector<IMAGE_DATA_DIRECTORY> directories;
  std::vector<Section> sections;
};

template <typename Header>
void ReadOptionalHeader(const Header& header, PeImage& image) {
  image.entryPoint = header.AddressOfEntryPoint;
  image.imageBase = header.ImageBase;
  image.sectionAlignment = header.SectionAlignment;
  image.fileAlignment = header.FileAlignment;
  image.sizeOfImage = header.SizeOfImage;
  image.subsystem = header.Subsystem;
  image.dllCharacteristics = header.DllCharacteristics;
  image.directories.assign(header.DataDirectory,
                           header.DataDirectory + std::min<DWORD>(header.NumberOfRvaAndSizes,
                                                                  IMAGE_NUMBEROF_DIRECTORY_ENTRIES));
}

template <typename T>
bool ReadAt(const Bytes& file, std::size_t offset, T& value) {
  if (offset > file.size() || file.size() - offset < sizeof value) return false;
  std::memcpy(&value, file.data() + offset, sizeof value);
  return true;
}

// The headers as winnt.h lays them out; fails the test on a file that is not a PE image.
PeImage ReadPe(const fs::path& path) {
  const Bytes file = ReadBytes(path);
  PeImage image;
  IMAGE_DOS_HEADER dos{};
  DWORD signature = 0;
  IMAGE_FILE_HEADER header{};
  EXPECT_TRUE(ReadAt(file, 0, dos) && dos.e_magic == IMAGE_DOS_SIGNATURE) << path;
  const std::size_t nt = dos.e_lfanew;
  EXPECT_TRUE(ReadAt(file, nt, signature) && signature == IMAGE_NT_SIGNATURE) << path;
  EXPECT_TRUE(ReadAt(file, nt + 4, header)) << path;
  image.machine = header.Machine;
  image.characteristics = header.Characteristics;
  const std::size_t optional = nt + 4 + sizeof header;
  ReadAt(file, optional, image.magic);
  IMAGE_OPTIONAL_HEADER32 header32{};
  IMAGE_OPTIONAL_HEADER64 header64{};
  if (image.magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC && ReadAt(file, optional, header32)) {
    ReadOptionalHeader(header32, image);
  } else if (image.magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC && ReadAt(file, optional, header64)) {
    ReadOptionalHeader(header64, image);
  } else {
    ADD_FAILURE() << path << ": no optional header of a known kind";
  }
  const std::size_t table = optional + header.SizeOfOptionalHeader;
  for (WORD i = 0; i < header.NumberOfSections; ++i) {
    IMAGE_SECTION_HEADER section{};
    if (!ReadAt(file, table + i * sizeof section, section)) break;
    const std::size_t end = std::size_t(section.PointerToRawData) + section.SizeOfRawData;
    EXPECT_LE(end, file.size()) << path << ": section " << i << " runs past the file";
    Bytes bytes(file.begin() + std::min<std::size_t>(section.PointerToRawData, file.size()),
                file.begin() + std::min(end, file.size()));
    image.sections.push_back({std::string(reinterpret_cast<const char*>(section.Name),
                                          strnlen(reinterpret_cast<const char*>(section.Name), 8)),
                              section.VirtualAddress, section.Misc.VirtualSize, bytes});
  }
  return image;
}

DWORD RoundUp(DWORD value, DWORD alignment) {
  return alignment ? (value + alignment - 1) / alignment * alignment : value;
}

// The section that holds the address, or the section count.
std::size_t SectionHolding(const PeImage& image, DWORD address) {
  std::size_t i = 0;
  while (i < image.sections.size() &&
         !(address >= image.sections[i].virtualAddress &&
           address < image.sections[i].virtualAddress + image.sections[i].virtualSize)) {
    ++i;
  }
  return i;
}

// A quiz with every kind of resource the player reads: pictures, answer pictures and codes.
Json SampleQuiz() { return SampleQuizJson("picture", "textAndPicture", 2, 3); }

class OtherWidthPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(OtherPlayer().empty()) << "BRELA_OTHER_PLAYER names no player";
    // brelamake measures texts with GDI: were Wine's desktop not open yet, its first window would
    // start the desktop's process with brelamake's output files, held open past its end.
    ASSERT_NE(GetDesktopWindow(), nullptr);
    directory = FreshDirectory("other-width");
    WriteSampleQuiz(SampleQuiz(), directory);
  }

  // The real brelamake.exe makes the quiz of `directory` into `output` from `player`.
  void MakeFrom(const fs::path& player, const std::string& output) {
    const Outcome made = RunTool(
        TOOL, "make quiz.json -o " + output + " --player \"" + player.u8string() + "\"", directory);
    ASSERT_EQ(made.exitCode, 0) << made.err;
  }

  fs::path directory;
};

TEST_F(OtherWidthPlayerTest, TheMadeExecutableKeepsThePlayersHeadersAndCode) {
  const PeImage player = ReadPe(OtherPlayer());
  const PeImage own = ReadPe(OWN_PLAYER);
  ASSERT_NE(player.machine, own.machine) << "the players must be of two widths";
  ASSERT_NE(player.magic, own.magic);
  ASSERT_NO_FATAL_FAILURE(MakeFrom(OtherPlayer(), "made.exe"));
  const PeImage made = ReadPe(directory / "made.exe");

  EXPECT_EQ(made.machine, player.machine);
  EXPECT_EQ(made.magic, player.magic);
  EXPECT_EQ(made.characteristics, player.characteristics);
  EXPECT_EQ(made.entryPoint, player.entryPoint);
  EXPECT_EQ(made.imageBase, player.imageBase);
  EXPECT_EQ(made.subsystem, player.subsystem);
  EXPECT_EQ(made.dllCharacteristics, player.dllCharacteristics);
  EXPECT_EQ(made.sectionAlignment, player.sectionAlignment);
  EXPECT_EQ(made.fileAlignment, player.fileAlignment);

  // Every section keeps its bytes but the resources', which grow; a section after them may move
  // further on, and what the directories point at in it moves with it.
  ASSERT_EQ(made.sections.size(), player.sections.size());
  bool afterResources = false;
  for (std::size_t i = 0; i < made.sections.size(); ++i) {
    const Section& was = player.sections[i];
    const Section& is = made.sections[i];
    SCOPED_TRACE(was.name);
    EXPECT_EQ(is.name, was.name);
    if (i > 0) {
      const Section& before = made.sections[i - 1];
      EXPECT_GE(is.virtualAddress,
                RoundUp(before.virtualAddress + before.virtualSize, made.sectionAlignment));
    }
    if (was.name == ".rsrc") {
      afterResources = true;
      EXPECT_EQ(is.virtualAddress, was.virtualAddress);
      EXPECT_GE(is.virtualSize, was.virtualSize);
      continue;
    }
    if (afterResources) {
      EXPECT_GE(is.virtualAddress, was.virtualAddress);
    } else {
      EXPECT_EQ(is.virtualAddress, was.virtualAddress);
    }
    EXPECT_EQ(is.virtualSize, was.virtualSize);
    EXPECT_TRUE(is.bytes == was.bytes) << "bytes changed";
  }
  ASSERT_EQ(made.directories.size(), player.directories.size());
  for (std::size_t d = 0; d < player.directories.size(); ++d) {
    SCOPED_TRACE("directory " + std::to_string(d));
    const IMAGE_DATA_DIRECTORY& was = player.directories[d];
    const IMAGE_DATA_DIRECTORY& is = made.directories[d];
    const std::size_t section = SectionHolding(player, was.VirtualAddress);
    if (was.VirtualAddress == 0 || section == player.sections.size()) {
      EXPECT_EQ(is.VirtualAddress, was.VirtualAddress);
      continue;
    }
    EXPECT_EQ(is.VirtualAddress - made.sections[section].virtualAddress,
              was.VirtualAddress - player.sections[section].virtualAddress);
    if (d == IMAGE_DIRECTORY_ENTRY_RESOURCE) {
      EXPECT_GT(is.Size, was.Size);
      EXPECT_LE(is.Size, made.sections[section].virtualSize);
    } else {
      EXPECT_EQ(is.Size, was.Size);
    }
  }
  // The image's size covers its last section, as the system's loader requires.
  const Section& last = made.sections.back();
  EXPECT_EQ(made.sizeOfImage,
            RoundUp(last.virtualAddress + last.virtualSize, made.sectionAlignment));
}

TEST_F(OtherWidthPlayerTest, TheMadeQuizReadsBackAsFromAPlayerOfTheToolsWidth) {
  ASSERT_NO_FATAL_FAILURE(MakeFrom(OtherPlayer(), "made.exe"));
  ASSERT_NO_FATAL_FAILURE(MakeFrom(OWN_PLAYER, "own.exe"));
  const fs::path made = directory / "made.exe";

  const auto entries = Entries(made);
  // Three questions, each with its picture (401...) and its answer picture (10401...), the quiz
  // (104) and its codes (105), all in the language of the player's own resources.
  EXPECT_EQ(entries.first,
            (std::vector<std::string>{"IMG #401 0409", "IMG #402 0409", "IMG #403 0409",
                                      "IMG #10401 0409", "IMG #10402 0409", "IMG #10403 0409",
                                      "PATCH #104 0409", "PATCH #105 0409"}));
  EXPECT_EQ(entries.second, Entries(OtherPlayer()).second) << "the player's own resources";
  EXPECT_FALSE(entries.second.empty());

  const std::vector<Resource> quiz = ReadQuizExecutable(made);
  const std::vector<Resource> own = ReadQuizExecutable(directory / "own.exe");
  ASSERT_EQ(quiz.size(), own.size());
  for (std::size_t i = 0; i < quiz.size(); ++i) {
    EXPECT_EQ(quiz[i].type, own[i].type);
    EXPECT_EQ(quiz[i].id, own[i].id);
    EXPECT_TRUE(quiz[i].bytes == own[i].bytes) << quiz[i].type << " " << quiz[i].id;
  }

  QuizDefinition loaded;
  ASSERT_NO_FATAL_FAILURE(LoadMadeQuiz(made, loaded));
  EXPECT_EQ(loaded.kind, KIND_PICTURE);
  EXPECT_EQ(loaded.questionCount, 3);
  EXPECT_EQ(loaded.answersPerQuestion, 2);
  EXPECT_EQ(loaded.revealMode, REVEAL_TEXT_AND_PICTURE);

  const Outcome dump = RunTool(TOOL, "dump made.exe -o relu", directory);
  ASSERT_EQ(dump.exitCode, 0) << dump.err;
  ExpectDumpedAsMade(directory / "relu", SampleQuiz(), directory);
}

}  // namespace
