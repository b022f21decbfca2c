// Writes the packed "PATCH" 104 and 105 resources of a quiz file, as a quiz executable holds
// them, for the web grading module's test: write_packed_quiz QUIZ.json QUIZ.bin CODES.bin
#include <cstdio>
#include <fstream>
#include <vector>

#include "tools/authoring/quiz_resources.h"
#include "tools/authoring/whole_file.h"

namespace {

bool WriteBytes(const char* path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: write_packed_quiz QUIZ.json QUIZ.bin CODES.bin\n");
    return 2;
  }
  std::vector<Problem> problems;
  QuizFile quiz = ReadQuizJson(ReadWholeText(argv[1]), problems);
  std::vector<Resource> resources = PackedQuizResources(quiz, problems);
  if (!problems.empty()) {
    std::fprintf(stderr, "%s: %zu problems\n", argv[1], problems.size());
    return 1;
  }
  bool written = true;
  for (const Resource& resource : resources) {
    if (resource.id == IDR_QUIZ) written = WriteBytes(argv[2], resource.bytes) && written;
    if (resource.id == IDR_CODES) written = WriteBytes(argv[3], resource.bytes) && written;
  }
  return written ? 0 : 1;
}
