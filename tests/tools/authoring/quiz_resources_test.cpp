// Quiz resources from quiz files and back: round trips of every kind and reveal mode, media
// refusals, the size limits of the packed resources, and executables that hold no usable quiz.
#include "tools/authoring/quiz_resources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/pack/pack_data.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Problems = std::vector<std::string>;

QuizFile ReadValid(const fs::path& path) {
  Problems problems;
  const Bytes bytes = ReadBytes(path);
  QuizFile quiz = ReadQuizJson(std::string(bytes.begin(), bytes.end()), problems);
  EXPECT_EQ(problems, Problems());
  return quiz;
}

const Resource* Find(const std::vector<Resource>& resources, const std::string& type, int id) {
  for (const Resource& resource : resources) {
    if (resource.type == type && resource.id == id) return &resource;
  }
  return nullptr;
}

void ExpectSameQuiz(const QuizFile& back, const QuizFile& made, const std::vector<MediaFile>& media,
                    const fs::path& madeFrom) {
  EXPECT_EQ(back.kind, made.kind);
  EXPECT_EQ(back.title, made.title);
  EXPECT_EQ(back.author, made.author);
  EXPECT_EQ(back.explanation, made.explanation);
  EXPECT_EQ(back.answer1Caption, made.answer1Caption);
  EXPECT_EQ(back.answer2Caption, made.answer2Caption);
  EXPECT_EQ(back.answersPerQuestion, made.answersPerQuestion);
  EXPECT_EQ(back.revealMode, made.revealMode);
  EXPECT_EQ(back.backgroundColour, made.backgroundColour);
  EXPECT_EQ(back.codes, made.codes);
  ASSERT_EQ(back.questions.size(), made.questions.size());
  for (std::size_t i = 0; i < made.questions.size(); ++i) {
    const QuestionFile& b = back.questions[i];
    const QuestionFile& m = made.questions[i];
    EXPECT_EQ(b.answer1, m.answer1);
    EXPECT_EQ(b.answer2, m.answer2);
    EXPECT_EQ(b.questionText, m.questionText);
    EXPECT_EQ(b.revealText, m.revealText);
    for (auto paths :
         {std::make_pair(b.media, m.media), std::make_pair(b.answerPicture, m.answerPicture)}) {
      if (paths.second.empty()) {
        EXPECT_EQ(paths.first, "");
        continue;
      }
      const MediaFile* file = nullptr;
      for (const MediaFile& candidate : media)
        file = candidate.name == paths.first ? &candidate : file;
      ASSERT_NE(file, nullptr) << paths.first;
      EXPECT_EQ(file->bytes, ReadBytes(madeFrom / fs::u8path(paths.second))) << paths.first;
    }
  }
}

TEST(QuizResourcesTest, EveryKindAndRevealModeComesBackFromTheResources) {
  const fs::path directory = FreshDirectory("resources-round-trip");
  for (const char* kind : {"text", "picture", "audio", "video"}) {
    for (const char* mode : {"none", "picture", "text", "textAndPicture", "textsAtEnd"}) {
      for (int answers : {1, 2}) {
        SCOPED_TRACE(std::string(kind) + " " + mode + " " + std::to_string(answers));
        const fs::path path = WriteSampleQuiz(SampleQuizJson(kind, mode, answers, 4), directory);
        const QuizFile made = ReadValid(path);
        Problems problems;
        const std::vector<Resource> resources = MakeQuizResources(made, directory, problems);
        ASSERT_EQ(problems, Problems());
        QuizFile back;
        std::vector<MediaFile> media;
        std::string problem;
        Problems warnings;
        ASSERT_TRUE(QuizFromResources(resources, back, media, problem, warnings)) << problem;
        EXPECT_EQ(warnings, Problems());
        ExpectSameQuiz(back, made, media, directory);
      }
    }
  }
}

TEST(QuizResourcesTest, WritesPackedQuizAndOneMediaResourcePerQuestionAndPicture) {
  const fs::path directory = FreshDirectory("resource-ids");
  const QuizFile quiz =
      ReadValid(WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), directory));
  Problems problems;
  const std::vector<Resource> resources = MakeQuizResources(quiz, directory, problems);
  std::vector<std::pair<std::string, int>> ids;
  for (const Resource& resource : resources) ids.emplace_back(resource.type, resource.id);
  EXPECT_EQ(ids, (std::vector<std::pair<std::string, int>>{{"PATCH", 104},
                                                           {"PATCH", 105},
                                                           {"IMG", 401},
                                                           {"IMG", 10401},
                                                           {"IMG", 402},
                                                           {"IMG", 10402}}));
  EXPECT_EQ(Find(resources, "IMG", 10402)->bytes, SampleMediaBytes("media/réponse2.jpg"));
}

struct MediaRefusal {
  const char* name;
  const char* kind;
  std::function<void(const fs::path& directory)> spoil;
  std::string problem;
};

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(QuizResourcesTest, RefusesMediaThatIsMissingUnreadableOrOfTheWrongKind) {
  const fs::path directory = FreshDirectory("media-refusals");
  const MediaRefusal refusals[] = {
      {"missing picture", "picture",
       [](const fs::path& d) { fs::remove(d / "media/picture2.jpg"); },
       "question 2, picture: no file \"" + (directory / "media/picture2.jpg").u8string() + "\""},
      {"a folder instead of a picture", "picture",
       [](const fs::path& d) {
         fs::remove(d / "media/picture1.jpg");
         fs::create_directory(d / "media/picture1.jpg");
       },
       "question 1, picture: no file \"" + (directory / "media/picture1.jpg").u8string() + "\""},
      {"PNG as picture", "picture",
       [](const fs::path& d) { WriteText(d / "media/picture3.jpg", "\x89PNG\r\n\x1A\n...."); },
       "question 3, picture: \"media/picture3.jpg\" is not a JFIF JPEG (FF D8 FF E0, then "
       "\"JFIF\")"},
      {"Exif JPEG as answer picture", "picture",
       [](const fs::path& d) {
         WriteText(d / "media/réponse1.jpg", std::string("\xFF\xD8\xFF\xE1\x00\x10"
                                                         "Exif\x00\x00",
                                                         12));
       },
       "question 1, answerPicture: \"media/réponse1.jpg\" is not a JFIF JPEG (FF D8 FF E0, then "
       "\"JFIF\")"},
      {"empty answer picture", "picture",
       [](const fs::path& d) { WriteText(d / "media/réponse3.jpg", ""); },
       "question 3, answerPicture: \"media/réponse3.jpg\" is not a JFIF JPEG (FF D8 FF E0, then "
       "\"JFIF\")"},
      {"WAVE as sound", "audio",
       [](const fs::path& d) {
         WriteText(d / "media/sound2.mp3", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
       },
       "question 2, sound: \"media/sound2.mp3\" is not an MP3 file"},
      {"missing sound", "audio", [](const fs::path& d) { fs::remove(d / "media/sound1.mp3"); },
       "question 1, sound: no file \"" + (directory / "media/sound1.mp3").u8string() + "\""},
      {"MP4 as film", "video",
       [](const fs::path& d) {
         WriteText(d / "media/film3.avi", std::string("\0\0\0\x18"
                                                      "ftypmp42",
                                                      12));
       },
       "question 3, film: \"media/film3.avi\" is not an AVI file"},
      {"JPEG as film", "video",
       [](const fs::path& d) {
         fs::copy_file(d / "quiz.json", d / "media/film1.avi",
                       fs::copy_options::overwrite_existing);
       },
       "question 1, film: \"media/film1.avi\" is not an AVI file"},
  };
  for (const MediaRefusal& refusal : refusals) {
    fs::remove_all(directory / "media");
    const fs::path path =
        WriteSampleQuiz(SampleQuizJson(refusal.kind, "textAndPicture", 1, 3), directory);
    const QuizFile quiz = ReadValid(path);
    refusal.spoil(directory);
    Problems problems;
    MakeQuizResources(quiz, directory, problems);
    EXPECT_EQ(problems, Problems{refusal.problem}) << refusal.name;
  }
}

// Texts that no dictionary coder can shrink: 90 questions of random letters in every field.
TEST(QuizResourcesTest, RefusesAQuizWhosePackedTextsPassTheSixteenBitLength) {
  Json quiz = SampleQuizJson("text", "textsAtEnd", 2, 90);
  std::mt19937 random(6);
  std::uniform_int_distribution<int> letter(0, 94);
  auto noise = [&] {
    std::string text;
    while (text.size() < 259) {
      const char c = static_cast<char>(' ' + letter(random));
      if (c != '|') text += c;
    }
    return text;
  };
  for (Json& question : quiz["questions"]) {
    for (const char* key : {"answer1", "answer2", "questionText", "revealText"})
      question[key] = noise();
  }
  Problems problems;
  const QuizFile file = ReadQuizJson(quiz.dump(), problems);
  ASSERT_EQ(problems, Problems());
  const std::vector<Resource> resources = MakeQuizResources(file, ".", problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "the quiz (\"PATCH\" 104): " + std::to_string(resources[0].bytes.size()) +
                             " bytes packed, at most 65535 fit: shorten the texts");
  EXPECT_GT(resources[0].bytes.size(), 65535u);
}

TEST(QuizResourcesTest, ResourceSizeLimits) {
  struct Case {
    std::size_t unpacked, packed;
    Problems problems;
  };
  const Case cases[] = {
      {120000, 65535, {}},
      {1, 3, {}},
      {120001, 100, {"codes: 120001 bytes unpacked, at most 120000 fit"}},
      {5000, 65536, {"codes: 65536 bytes packed, at most 65535 fit: shorten the texts"}},
      {200000,
       70000,
       {"codes: 200000 bytes unpacked, at most 120000 fit",
        "codes: 70000 bytes packed, at most 65535 fit: shorten the texts"}},
  };
  for (const Case& c : cases) {
    Problems problems;
    CheckResourceSizes("codes", c.unpacked, c.packed, problems);
    EXPECT_EQ(problems, c.problems) << c.unpacked << " " << c.packed;
  }
}

std::vector<Resource> PackedQuiz(const Bytes& quiz, const Bytes& codes) {
  return {{"PATCH", 104, PackData(quiz.data(), quiz.size())},
          {"PATCH", 105, PackData(codes.data(), codes.size())}};
}

TEST(QuizResourcesTest, RefusesExecutablesWithoutAUsableQuiz) {
  const Bytes goodQuiz = {0,   1,   1,   1,   'T', '|', '|', '|', '|',
                          '|', 'a', '|', 'q', '|', 0,   255, 255, 255};
  const Bytes goodCodes = {'c', '\r', '\n'};
  struct Case {
    const char* name;
    std::vector<Resource> resources;
    std::string problem;
  };
  std::vector<Resource> no105 = PackedQuiz(goodQuiz, goodCodes);
  no105.pop_back();
  Bytes kind9 = goodQuiz, mode7 = goodQuiz,
        noQuestion = {0, 1, 0, 1, '|', '|', '|', '|', '|', 0, 1, 2, 3};
  kind9[1] = 10;
  mode7[14] = 7;
  const Case cases[] = {
      {"nothing", {}, "the executable holds no quiz: \"PATCH\" 104 is missing"},
      {"no codes", no105, "the executable holds no quiz: \"PATCH\" 105 is missing"},
      {"garbage",
       {{"PATCH", 104, {1, 2, 3}}, {"PATCH", 105, {1, 2, 3}}},
       "\"PATCH\" 104 does not unpack to a quiz"},
      {"cut quiz", PackedQuiz(Bytes(goodQuiz.begin(), goodQuiz.end() - 2), goodCodes),
       "\"PATCH\" 104 does not unpack to a quiz"},
      {"no code line", PackedQuiz(goodQuiz, {'c'}), "\"PATCH\" 105 does not unpack to a quiz"},
      {"kind 9", PackedQuiz(kind9, goodCodes),
       "the quiz has a kind, reveal mode or question count that no quiz file can name"},
      {"reveal mode 7", PackedQuiz(mode7, goodCodes),
       "the quiz has a kind, reveal mode or question count that no quiz file can name"},
      {"no question", PackedQuiz(noQuestion, goodCodes),
       "the quiz has a kind, reveal mode or question count that no quiz file can name"},
  };
  for (const Case& c : cases) {
    QuizFile quiz;
    std::vector<MediaFile> media;
    std::string problem;
    Problems warnings;
    EXPECT_FALSE(QuizFromResources(c.resources, quiz, media, problem, warnings)) << c.name;
    EXPECT_EQ(problem, c.problem) << c.name;
  }
  QuizFile quiz;
  std::vector<MediaFile> media;
  std::string problem;
  Problems warnings;
  EXPECT_TRUE(QuizFromResources(PackedQuiz(goodQuiz, goodCodes), quiz, media, problem, warnings));
  EXPECT_EQ(quiz.questions[0].questionText, "q");
}

TEST(QuizResourcesTest, MissingMediaAreLeftOutWithAWarning) {
  const fs::path directory = FreshDirectory("missing-media");
  const QuizFile made =
      ReadValid(WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), directory));
  Problems problems;
  std::vector<Resource> resources = MakeQuizResources(made, directory, problems);
  resources.erase(resources.begin() + 3);  // IMG 10401
  QuizFile back;
  std::vector<MediaFile> media;
  std::string problem;
  Problems warnings;
  ASSERT_TRUE(QuizFromResources(resources, back, media, problem, warnings));
  EXPECT_EQ(warnings, Problems{"question 1, answerPicture: the executable holds no \"IMG\" 10401"});
  EXPECT_EQ(back.questions[0].answerPicture, "");
  EXPECT_EQ(back.questions[0].media, "picture01.jpg");
  EXPECT_EQ(back.questions[1].answerPicture, "answer02.jpg");
  EXPECT_EQ(media.size(), 3u);
}

}  // namespace
