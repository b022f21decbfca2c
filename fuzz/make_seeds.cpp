// Writes the fuzz targets' seed inputs (corpus/<target>/seed-<case>): small valid quizzes and
// pictures and spreadsheets, and every hostile case that the decoder, the parser, the grader, the
// answers-file reader and the spreadsheet import must survive. With --check it only compares them
// with the files already there.
//   fuzz_make_seeds [--check] CORPUS_FOLDER
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "quiz/quiz_definition.h"
#include "quiz/unpack.h"
#include "tests/tools/picture_import/sample_pictures.h"
#include "tests/quiz/code_stream.h"
#include "tests/support/test_quiz.h"
#include "tools/pack/pack_data.h"
#include "tools/pack/quiz_bytes.h"

namespace fs = std::filesystem;

namespace {

struct Seed {
  std::string target;
  std::string name;
  Bytes bytes;
};

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Packed(const Bytes& payload) { return PackData(payload.data(), payload.size()); }

Bytes RandomBytes(std::size_t length, std::uint32_t seed, int alphabet) {
  Bytes bytes(length);
  for (unsigned char& byte : bytes) {
    seed = seed * 1664525 + 1013904223;
    byte = static_cast<unsigned char>(alphabet == 256 ? seed >> 24 : 'a' + (seed >> 8) % alphabet);
  }
  return bytes;
}

// The parse target reads byte 0 as the number of code lines: a quiz seed names its own count.
Bytes QuizSeed(const QuizDefinition& quiz) {
  Bytes bytes = QuizBytes(quiz);
  bytes[0] = static_cast<unsigned char>(quiz.questionCount);
  return bytes;
}

Bytes CodeSeed(int lineCount, const Bytes& lines) {
  Bytes bytes{static_cast<unsigned char>(lineCount)};
  bytes.insert(bytes.end(), lines.begin(), lines.end());
  return bytes;
}

void AddUnpackSeeds(std::vector<Seed>& seeds) {
  QuizDefinition sample;
  FillTestQuiz(sample, {KIND_TEXT, 3, 2, REVEAL_TEXT});
  QuizDefinition large;
  FillTestQuiz(large, {KIND_PICTURE, MAX_QUESTIONS, 2, REVEAL_TEXT_AND_PICTURE});
  Bytes tooLong = Stream({97, 98, 99, CODE_END});
  tooLong.resize(MAX_PACKED_LENGTH + 1, 0);
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"three-literals", {0x30, 0x98, 0x8C, 0x70, 0x00}},
      {"code-naming-its-entry", {0x30, 0xC0, 0xCC, 0x30, 0x00}},
      {"widened", {0x30, 0xC0, 0x46, 0x24, 0x00}},
      {"pending-over-reset", {0x30, 0x98, 0xA0, 0x46, 0x38, 0x1C, 0x00}},
      {"quiz", Packed(QuizBytes(sample))},
      {"codes", Packed(CodeBytes(sample))},
      {"quiz-90-questions", Packed(QuizBytes(large))},
      {"codes-90", Packed(CodeBytes(large))},
      {"code-above-next-free", Stream({97, 300})},
      {"entry-named-after-start", Stream({97, 259, CODE_END})},
      {"entry-named-after-reset", Stream({97, 98, CODE_RESET, 259, CODE_END})},
      {"old-generation-after-reset", Stream({97, 98, 99, CODE_RESET, 260, CODE_END})},
      {"dictionary-full-without-reset", Stream(Join<std::uint32_t>({FullDictionary(), {'b'}}))},
      {"widen-24-times", Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 24), {CODE_END}}))},
      {"code-32-bits-at-odd-offset",
       Stream(Join<std::uint32_t>({{97}, Repeat(CODE_WIDEN, 23), {98, CODE_END}}))},
      {"output-full-inside-a-string", Stream(Join<std::uint32_t>({Chain(490), {CODE_END}}))},
      {"reset-flood", Stream(Join<std::uint32_t>({{97}, Repeat(CODE_RESET, 58252)}))},
      {"cut-inside-a-code", {0x30, 0x98, 0x8C}},
      {"no-end-code", Stream({97, 98, 99})},
      {"empty", {}},
      {"one-byte", {0x30}},
      {"65536-bytes", tooLong},
      {"one-letter-120000", Packed(Bytes(UNPACK_OUTPUT_SIZE, 'e'))},
  };
  for (const auto& c : cases) seeds.push_back({"unpack", c.first, c.second});
}

void AddParseSeeds(std::vector<Seed>& seeds) {
  QuizDefinition sample;
  FillTestQuiz(sample, {KIND_TEXT, 3, 2, REVEAL_TEXT});
  seeds.push_back({"parse", "quiz", QuizSeed(sample)});
  for (int mode = 0; mode <= 5; ++mode) {
    QuizDefinition quiz;
    FillTestQuiz(quiz, {mode % 4, 4, 1 + mode % 2, mode});
    seeds.push_back({"parse", "quiz-mode-" + std::to_string(mode), QuizSeed(quiz)});
  }
  QuizDefinition large;
  FillTestQuiz(large, {KIND_VIDEO, MAX_QUESTIONS, 2, REVEAL_TEXT_AND_PICTURE});
  seeds.push_back({"parse", "quiz-90-questions", QuizSeed(large)});
  seeds.push_back({"parse", "codes", CodeSeed(3, CodeBytes(sample))});
  seeds.push_back({"parse", "codes-90", CodeSeed(MAX_QUESTIONS, CodeBytes(large))});

  const std::string header("\x01\x01\x01\x01", 4);  // one code line, text quiz, 1 question, 1 answer
  const std::string texts = "T|A|E|c|c|";
  const std::string field259(259, 'x');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"field-without-separator", header + texts + "a|q"},
      {"field-of-259-at-the-end", header + texts + "a|" + field259},
      {"field-of-260", header + field259 + "x|A|E|c|c|a|q|" + std::string(1, '\0') + "rgb"},
      {"zero-byte-in-a-field",
       header + std::string("T\0it\0le|", 8) + "A|E|c|c|a|q|" + std::string(1, '\0') + "rgb"},
      {"zero-bytes-at-the-end", header + texts + "a|q" + std::string(3, '\0')},
      {"count-91", std::string("\x01\x01\x5B\x01", 4) + texts + "a|q|" + std::string(1, '\0') + "rgb"},
      {"count-255", std::string("\x01\x01\xFF\x02", 4) + texts + "a|b|q|"},
      {"answers-per-question-3", std::string("\x01\x01\x01\x03", 4) + texts + "a|b|c|q|\x02rgb"},
      {"no-reveal-mode", header + texts + "a|q|"},
      {"reveal-text-at-the-end", header + texts + "a|q|\x02" + "rev"},
      {"second-reveal-field-missing", header + texts + "a|q|\x03" + "rev|"},
      {"no-colour", header + texts + "a|q|" + std::string(1, '\0')},
      {"colour-cut-after-green", header + texts + "a|q|" + std::string(1, '\0') + "rg"},
      {"header-only", header},
      {"codes-fewer-lines-than-questions", "\x03" "A\r\nB\r\n"},
      {"codes-line-without-cr", "\x03" "A\r\nB\r\nC"},
      {"codes-cr-as-last-byte", "\x02" "A\r\nB\r"},
      {"codes-line-of-260", "\x01" + std::string(260, 'x') + "\r\n"},
      {"codes-zero-bytes", std::string("\x02" "A\0B\r\n\0\r\n", 9)},
  };
  for (const auto& c : cases) seeds.push_back({"parse", c.first, Text(c.second)});
}

void AddGradeSeeds(std::vector<Seed>& seeds) {
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"Paris", "  paris "},       {"chien", "niche"},
      {"chocolat", "cholocat"},    {"bateau", "bateaux"},
      {"crocodile", "crocodi"},    {"chocolat", "chocolatine"},
      {"chien", "le chien de garde"}, {"hippopotame", "hippopot"},
      {"hippopotame", "hippopo"},  {"abricotier", "abricot"},
      {"abricotier", "abric"},     {"hippopotame", "hippo"},
      {"chocolat", "choco"},       {"les grandes vacances", "le grande vacance"},
      {"les grandes vacances", "la grande vacance"}, {"cacao", "cacacaos"},
      {"eleve", "\xE9l\xE8ve"},    {"Paris", "   "},
      {"", "a"},                   {"", "abc"},
      {std::string(259, 'x'), std::string(259, 'y')},
      {std::string(259, 'a'), std::string(200, 'a') + std::string(59, 'b')},
      {std::string(300, 'z'), std::string(300, 'z') + "!"},
  };
  int index = 0;
  for (const auto& pair : pairs) {
    Bytes bytes = Text(pair.first);
    bytes.push_back(0);
    const Bytes typed = Text(pair.second);
    bytes.insert(bytes.end(), typed.begin(), typed.end());
    seeds.push_back({"grade", "pair-" + std::to_string(++index), bytes});
  }
  seeds.push_back({"grade", "expected-only", Text("Paris")});
}

void AddAnswersFileSeeds(std::vector<Seed>& seeds) {
  std::string manyLines;
  for (int n = 1; n <= 200; ++n) manyLines += "ligne " + std::to_string(n) + "\r\n";
  std::string otherQuiz;
  for (int n = 1; n <= 40; ++n) otherQuiz += (n % 3 ? "r\xE9ponse " + std::to_string(n) : "*") + "\r\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"saved", "Paris\r\n*\r\n*\r\nRome\r\n*\r\n*\r\n"},
      {"empty", ""},
      {"single-line-without-end", "Paris"},
      {"line-259", std::string(259, 'a') + "\r\nsuivant\r\n"},
      {"line-260", std::string(260, 'b') + "\r\nsuivant\r\n"},
      {"line-10000", std::string(10000, 'c') + "\r\nsuivant\r\n"},
      {"zero-bytes", std::string("Pa\0ris\r\n\0\r\n*\0x\r\n", 15)},
      {"lf-only", "Paris\nRome\n*\n"},
      {"cr-only", "Paris\rRome\r*\r"},
      {"cr-at-line-ends-and-inside", "a\rb\r\nc\r\r\n\r"},
      {"more-lines-than-fields", manyLines},
      {"another-quiz", otherQuiz},
  };
  for (const auto& c : cases) seeds.push_back({"answers_file", c.first, Text(c.second)});
  seeds.push_back({"answers_file", "binary", RandomBytes(4096, 11, 256)});
}

void AddRoundTripSeeds(std::vector<Seed>& seeds) {
  QuizDefinition sample;
  FillTestQuiz(sample, {KIND_TEXT, 3, 2, REVEAL_TEXT});
  seeds.push_back({"round_trip", "quiz", QuizBytes(sample)});
  seeds.push_back({"round_trip", "codes", CodeBytes(sample)});
  seeds.push_back({"round_trip", "one-byte", {'a'}});
  seeds.push_back({"round_trip", "one-letter-120000", Bytes(UNPACK_OUTPUT_SIZE, 'e')});
  seeds.push_back({"round_trip", "eight-letters-120000", RandomBytes(UNPACK_OUTPUT_SIZE, 2, 8)});
  seeds.push_back({"round_trip", "random-40000", RandomBytes(40000, 3, 256)});
  // Packs to more than 65535 bytes: refused as too long.
  seeds.push_back({"round_trip", "random-60000", RandomBytes(60000, 4, 256)});
}

// One small picture of each format and way that stb_image_write and our own bytes can make; the
// import's other paths start from seeds that ImageMagick made (fuzz/picture_seeds.sh).
void AddPictureImportSeeds(std::vector<Seed>& seeds) {
  const Rgba red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255}, clear{0, 0, 0, 0};
  const std::vector<Rgba> small = Quadrants(16, 12, {red, green, blue, clear});
  const Bytes jpeg = JpegOf(small, 16, 12);
  const Rgba palette[4] = {clear, red, green, blue};
  Bytes stripes(16 * 12);
  for (std::size_t i = 0; i < stripes.size(); ++i) stripes[i] = static_cast<unsigned char>(i % 4);
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"jpeg-jfif", jpeg},
      {"jpeg-exif-6-big-endian", WithExif(jpeg, 6, true)},
      {"jpeg-jfif-exif-3-little-endian", WithExif(jpeg, 3, false, true)},
      {"jpeg-300x200", JpegOf(Quadrants(300, 200, {red, green, blue, clear}), 300, 200)},
      {"png-rgba", PngOf(small, 16, 12)},
      {"png-400x30", PngOf(Quadrants(400, 30, {red, green, blue, clear}), 400, 30)},
      {"bmp-rgba", BmpOf(small, 16, 12)},
      {"gif-two-frames", GifOf(16, 12, palette, {stripes, Bytes(stripes.size(), 2)})},
      {"gif-1x1", GifOf(1, 1, palette, {{1}})},
  };
  for (const auto& c : cases) seeds.push_back({"picture_import", c.first, c.second});
}

// Spreadsheets as LibreOffice and Excel save them, and the hostile ones. This file's texts are
// code page 1252 once compiled, as French Excel's CSV is; UTF-8 is spelt in bytes.
void AddCsvSeeds(std::vector<Seed>& seeds) {
  std::string ninety = "question;r\xC3\xA9ponse;code\r\n";
  for (int n = 1; n <= 90; ++n) {
    ninety += "Question " + std::to_string(n) + " ?;r\xC3\xA9ponse " + std::to_string(n) + ";" +
              std::to_string(n) + " sur 90\r\n";
  }
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"french-excel",
       "Question;Réponse;Code\r\nQuelle est la capitale de l'Égypte ?;Le Caire;Départ\r\n"
       "\"Ville; pays\";\"Il a dit \"\"oui\"\"\";€\r\n;;\r\n"},
      {"excel-utf8", "\xEF\xBB\xBFquestion;r\xC3\xA9ponse\r\nA;B\r\n"},
      {"libreoffice", "image,réponse,révélation,image réponse\nphotos/chat.jpg,chat,\"Il dit\n"
                      "miaou\",r.jpg\n"},
      {"copied-cells", "son\tr\xC3\xA9ponse\r\nsons\\chat.mp3\tchat\r\n"},
      {"film", "film;réponse;réponse2\r\na.avi;rouge;vert\r\n"},
      {"blank-rows-and-columns", ";;;\r\nquestion;réponse;;\r\n;;;\r\nq;r;;\r\n  ;;;\r\n"},
      {"unknown-and-twice", "question;Remarque;réponse;reponse\r\nq;x;r;s\r\n"},
      {"unnamed-column", "question;réponse\r\nq;r;oubli\r\n"},
      {"two-kinds", "image;son;réponse\r\na.jpg;a.mp3;r\r\n"},
      {"no-answer-column", "question;code\r\nq;c\r\n"},
      {"unclosed-quote", "question;réponse\r\nq;\"r\r\n"},
      {"header-only", "question;réponse"},
      {"empty", ""},
      {"utf16", std::string("\xFF\xFEq\0;\0r\0\r\0\n\0", 12)},
      {"accents-to-compose", "question;re\xCC\x81ponse\r\nq;e\xCC\x81te\xCC\x81\r\n"},
      {"ninety-rows", ninety},
      {"excel-ms-dos", "question;r\x82ponse\r\nM\x82tier ?;boulang\x8Are\r\n"},
      {"excel-macintosh", "question;r\x8Eponse\rM\x8Etier ?;boulang\x8Fre\r"},
      {"utf8-with-one-ansi-line", "question;r\xC3\xA9ponse\r\nq;caf\xE9\r\n"},
      {"xlsx", std::string("PK\x03\x04\x14\0\x06\0", 8)},
      {"xls", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10)},
      {"tabs-and-quotes",
       "question\tr\xC3\xA9ponse\n\"Le Petit Prince\" de X\tlivre\n\"oui\tnon\n"},
      {"media-path-blanks", "image;r\xC3\xA9ponse\r\nimages/lion.jpg ;lion\r\n"},
  };
  for (const auto& c : cases) seeds.push_back({"csv", c.first, Text(c.second)});
}

// Quiz files as authors and the tools write them, and the broken ones that the reader must name.
void AddQuizFileSeeds(std::vector<Seed>& seeds) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"text",
       "{\"kind\": \"text\", \"title\": \"Capitales\", \"author\": \"M. Petit\",\n"
       " \"explanation\": \"Tapez la r\xC3\xA9ponse.\", \"codes\": [\"D\xC3\xA9part\", \"Fin\"],\n"
       " \"questions\": [{\"questionText\": \"Capitale de l'\xC3\x89gypte ?\", "
       "\"answer1\": \"Le Caire\"}]}\n"},
      {"picture-two-answers",
       "{\"kind\": \"picture\", \"title\": \"Animaux\", \"answersPerQuestion\": 2,\n"
       " \"answer1Caption\": \"Nom\", \"answer2Caption\": \"Pays\",\n"
       " \"revealMode\": \"textAndPicture\", \"backgroundColour\": \"#FFE0C0\",\n"
       " \"questions\": [{\"picture\": \"images/lion.jpg\", \"answer1\": \"lion\", "
       "\"answer2\": \"Kenya\",\n  \"revealText\": \"Il rugit.\", \"answerPicture\": "
       "\"r.png\"}]}\n"},
      {"audio-and-video",
       "{\"kind\": \"audio\", \"questions\": [{\"sound\": \"a.mp3\", \"answer1\": \"x\"}, "
       "{\"film\": \"b.avi\", \"answer1\": \"y\"}]}"},
      {"syntax-error", "{\"kind\": \"text\",\n  \"title\": \"a\" \"b\"}"},
      {"wrong-types",
       "{\"kind\": 3, \"title\": [], \"answersPerQuestion\": \"2\", \"revealMode\": \"x\",\n"
       " \"backgroundColour\": \"blanc\", \"codes\": {}, \"questions\": [1, {\"answer1\": 2}]}"},
      {"unknown-keys",
       "{\"kind\": \"text\", \"titel\": \"a\", \"questions\": [{\"anwser1\": \"b\"}]}"},
      {"not-an-object", "[{\"kind\": \"text\"}]"},
      {"number-overflow", "{\"kind\": \"text\", \"answersPerQuestion\": 1e999}"},
      {"windows-1252", "{\"kind\": \"text\", \"title\": \"\xC9t\xE9\", \"questions\": []}"},
      {"utf16", std::string("\xFF\xFE{\0}\0", 6)},
      {"spreadsheet", "question;r\xC3\xA9ponse\r\nq;r\r\n"},
      {"workbook", std::string("PK\x03\x04\x14\0\0\0", 8)},
  };
  for (const auto& c : cases) seeds.push_back({"quiz_file", c.first, Text(c.second)});
}

std::vector<Seed> AllSeeds() {
  std::vector<Seed> seeds;
  AddUnpackSeeds(seeds);
  AddParseSeeds(seeds);
  AddGradeSeeds(seeds);
  AddAnswersFileSeeds(seeds);
  AddRoundTripSeeds(seeds);
  AddPictureImportSeeds(seeds);
  AddCsvSeeds(seeds);
  AddQuizFileSeeds(seeds);
  return seeds;
}

bool SameAsFile(const fs::path& path, const Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  return in && Bytes{std::istreambuf_iterator<char>(in), {}} == bytes;
}

bool WriteFile(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  if (argc != 2 && !check) {
    std::fprintf(stderr, "usage: %s [--check] CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path corpus = argv[argc - 1];
  int failures = 0;
  for (const Seed& seed : AllSeeds()) {
    const fs::path path = corpus / seed.target / ("seed-" + seed.name);
    const bool ok = check ? SameAsFile(path, seed.bytes) : WriteFile(path, seed.bytes);
    if (!ok) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), check ? "missing or different" : "not written");
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
