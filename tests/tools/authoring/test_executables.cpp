// Executables of the tests' format: a first line, then per resource its type, id and size on a
// line of their own and its bytes.
#include "tests/tools/authoring/test_executables.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/tools/authoring/sample_quizzes.h"

namespace fs = std::filesystem;

namespace {

const char* const FIRST_LINE = "brela test executable\n";

void WriteExecutable(const fs::path& path, const std::vector<Resource>& resources,
                     std::size_t cutAt = std::string::npos) {
  std::string text = FIRST_LINE;
  for (const Resource& resource : resources) {
    text += resource.type + " " + std::to_string(resource.id) + " " +
            std::to_string(resource.bytes.size()) + "\n";
    text.append(resource.bytes.begin(), resource.bytes.end());
  }
  std::ofstream(path, std::ios::binary) << text.substr(0, cutAt);
}

}  // namespace

void WriteTestPlayer(const fs::path& path) { WriteExecutable(path, {}); }

std::vector<Resource> ReadTestExecutable(const fs::path& path) {
  const Bytes bytes = ReadBytes(path);
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::string line;
  if (!std::getline(in, line) || line + "\n" != FIRST_LINE) {
    throw IoError("impossible d'ouvrir « " + path.u8string() + " » comme un programme");
  }
  std::vector<Resource> resources;
  Resource resource;
  std::size_t size = 0;
  while (in >> resource.type >> resource.id >> size && in.get() == '\n') {
    resource.bytes.resize(size);
    in.read(reinterpret_cast<char*>(resource.bytes.data()), static_cast<std::streamsize>(size));
    resources.push_back(resource);
  }
  return resources;
}

ExecutableAccess TestExecutables::Access(const fs::path& defaultPlayer) {
  ExecutableAccess access;
  access.writeQuiz = [this](const fs::path& player, const fs::path& output,
                            const std::vector<Resource>& resources) {
    ReadTestExecutable(player);
    writes.push_back(player.filename().u8string() + " -> " + output.filename().u8string());
    if (failWrites) {
      WriteExecutable(output, resources, 40);
      throw IoError("impossible d'écrire le quiz dans « " + output.u8string() + " »");
    }
    WriteExecutable(output, resources);
  };
  access.readQuiz = ReadTestExecutable;
  access.isQuizExecutable = [](const fs::path& file) {
    try {
      for (const Resource& resource : ReadTestExecutable(file)) {
        if (resource.type == QUIZ_RESOURCE_TYPE && resource.id == IDR_QUIZ) return true;
      }
    } catch (const IoError&) {
    }
    return false;
  };
  access.defaultPlayer = defaultPlayer;
  return access;
}
