// Writes the packed quiz resources that the loader's tests link into their fixture modules.
#include <cstdio>
#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
#include "tests/support/test_quiz.h"
#include "tools/pack/pack_data.h"
#include "tools/pack/quiz_bytes.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::vector<unsigned char> Packed(const std::vector<unsigned char>& plain) {
  return PackData(plain.data(), plain.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_quiz_fixtures OUTPUT_DIRECTORY\n");
    return 2;
  }
  const std::string dir = argv[1];
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_TEXT, 3, 2, REVEAL_TEXT});
  // A stream cut before its end code: it unpacks to an error, not to a short quiz.
  std::vector<unsigned char> cut = Packed(QuizBytes(quiz));
  cut.resize(cut.size() / 2);
  bool ok = WriteFile(dir + "/quiz104.bin", Packed(QuizBytes(quiz))) &&
            WriteFile(dir + "/codes105.bin", Packed(CodeBytes(quiz))) &&
            WriteFile(dir + "/cut.bin", cut) && WriteFile(dir + "/empty.bin", {}) &&
            WriteFile(dir + "/short105.bin", Packed({'A', '\r', '\n'})) &&
            WriteFile(dir + "/broken104.bin", Packed({0, 1, 1, 1, 'n', 'o', ' ', 'f', 'i', 'e', 'l', 'd'}));
  return ok ? 0 : 1;
}
