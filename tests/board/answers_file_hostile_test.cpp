// The answers-file reader on files that the player did not write as it should: cut, edited,
// binary, or left by another quiz. Each gives a defined text per field, as the board reads them.
#include "board/answers_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;

// What the board gets for fieldCount fields from a file of these bytes: one read per field, an
// empty text once the lines have run out. Then the reader must stay at the end.
Texts ReadFields(const std::string& bytes, int fieldCount) {
  std::FILE* file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  if (!file) return {};
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  Texts texts;
  char text[TEXT_SIZE];
  for (int k = 0; k < fieldCount; ++k) {
    std::memset(text, 'z', sizeof text);
    ReadAnswerLine(file, text);
    EXPECT_NE(std::memchr(text, 0, TEXT_SIZE), nullptr) << "field " << k + 1 << " unterminated";
    texts.emplace_back(text);
  }
  std::fclose(file);
  return texts;
}

std::string Lines(int count, const std::string& stem) {
  std::string lines;
  for (int n = 1; n <= count; ++n) lines += stem + std::to_string(n) + "\r\n";
  return lines;
}

struct HostileFile {
  const char* name;
  std::string bytes;
  int fieldCount;
  Texts texts;
};

void PrintTo(const HostileFile& c, std::ostream* os) { *os << c.name; }

class AnswersFileHostile : public testing::TestWithParam<HostileFile> {};

TEST_P(AnswersFileHostile, GivesEachFieldItsDefinedText) {
  const HostileFile& c = GetParam();
  EXPECT_EQ(ReadFields(c.bytes, c.fieldCount), c.texts);
}

std::string CaseName(const testing::TestParamInfo<HostileFile>& info) {
  std::string name = info.param.name;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

const std::string A259(259, 'a');
const std::string B260(260, 'b');
const std::string C10000(10000, 'c');

INSTANTIATE_TEST_SUITE_P(
    Files, AnswersFileHostile,
    testing::Values(
        HostileFile{"empty", "", 3, {"", "", ""}},
        HostileFile{"single line without a line end", "Paris", 3, {"Paris", "", ""}},
        HostileFile{"single star without a line end", "*", 2, {"", ""}},
        HostileFile{"line of 259", A259 + "\r\nsuivant\r\n", 3, {A259, "suivant", ""}},
        HostileFile{"line of 260 loses its last character only", B260 + "\r\nsuivant\r\n", 3,
                    {std::string(259, 'b'), "suivant", ""}},
        HostileFile{"line of 10000 keeps 259", C10000 + "\r\nsuivant\r\n", 3,
                    {std::string(259, 'c'), "suivant", ""}},
        HostileFile{"line of 10000 as the whole file", C10000, 2, {std::string(259, 'c'), ""}},
        // A field's text ends at a zero byte; a star before it still reads as an empty field.
        HostileFile{"zero bytes",
                    "Pa\0ris\r\n\0\r\n*\0x\r\nfin\r\n"s, 5,
                    {"Pa", "", "", "fin", ""}},
        HostileFile{"LF-only line ends", "Paris\nRome\n*\nVienne", 5,
                    {"Paris", "Rome", "", "Vienne", ""}},
        // Text mode ends lines at LF only: a CR-only file is one line, its CRs kept as typed
        // characters and cut at 259 like any long line; the fields after it start empty.
        HostileFile{"CR-only line ends", "Paris\rRome\r*\r", 3, {"Paris\rRome\r*\r", "", ""}},
        HostileFile{"CR CR LF keeps one CR", "a\r\r\nb\r\n", 2, {"a\r", "b"}},
        // Ctrl-Z is no end of file here: the bytes after it are read like the others.
        HostileFile{"control characters", "a\x1A" "b\r\n\t*\r\n\x7F\r\n", 3,
                    {"a\x1A" "b", "\t*", "\x7F"}},
        HostileFile{"more lines than fields", Lines(200, "ligne "), 4,
                    {"ligne 1", "ligne 2", "ligne 3", "ligne 4"}},
        // Nothing ties the file to a quiz: another quiz's answers fill the fields in order.
        HostileFile{"file left by another quiz of fewer fields", "Tokyo\r\n*\r\nKyoto\r\n", 6,
                    {"Tokyo", "", "Kyoto", "", "", ""}},
        HostileFile{"file left by another quiz of more fields", Lines(40, "autre "), 3,
                    {"autre 1", "autre 2", "autre 3"}}),
    CaseName);

std::string CrOnly(int count) {
  std::string bytes;
  for (int n = 1; n <= count; ++n) bytes += "reponse " + std::to_string(n) + "\r";
  return bytes;
}

TEST(AnswersFileHostileLong, ACrOnlyFileOfManyAnswersFillsTheFirstFieldWith259Characters) {
  const std::string bytes = CrOnly(100);
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(ReadFields(bytes, 3), (Texts{bytes.substr(0, 259), "", ""}));
}

// Random bytes: every field gets a terminated text of at most 259 characters without LF, and the
// fields after the last line are empty.
TEST(AnswersFileHostileLong, BinaryFile) {
  std::string bytes(8192, '\0');
  std::uint32_t seed = 5;
  for (char& c : bytes) {
    seed = seed * 1664525 + 1013904223;
    c = static_cast<char>(seed >> 24);
  }
  const int lineEnds = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
  ASSERT_GT(lineEnds, 10);
  const Texts texts = ReadFields(bytes, lineEnds + 5);
  for (const std::string& text : texts) {
    EXPECT_LE(text.size(), 259u);
    EXPECT_EQ(text.find('\n'), std::string::npos);
  }
  const bool endsWithLf = bytes.back() == '\n';
  for (std::size_t k = lineEnds + (endsWithLf ? 0 : 1); k < texts.size(); ++k) {
    EXPECT_EQ(texts[k], "") << "field " << k + 1;
  }
}

}  // namespace
