// Quiz resources from quiz records and back: round trips of every kind and reveal mode, texts
// in code page 1252, the size limits of the packed resources, and executables that hold no
// usable quiz.
#include "tools/authoring/quiz_resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "quiz/quiz_format.h"
#include "quiz/unpack.h"
#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/pack/pack_data.h"

namespace {

using Json = nlohmann::json;

QuizFile Read(const Json& json) {
  std::vector<Problem> problems;
  return ReadQuizJson(json.dump(), problems);
}

std::vector<Resource> WithMedia(const QuizFile& quiz) {
  std::vector<Problem> problems;
  std::vector<Resource> resources = PackedQuizResources(quiz, problems);
  EXPECT_TRUE(problems.empty());
  for (const MediaSlot& slot : MediaSlots(quiz)) {
    resources.push_back({MEDIA_RESOURCE_TYPE, slot.resourceId, SampleMediaBytes(slot.path)});
  }
  return resources;
}

TEST(QuizResourcesTest, EveryKindAndRevealModeComesBackFromTheResources) {
  for (const SampleKind& kind : SAMPLE_KINDS) {
    for (int answers : {1, 2}) {
      SCOPED_TRACE(std::string(kind.kind) + " " + kind.revealMode + " " + std::to_string(answers));
      const QuizFile made = Read(SampleQuizJson(kind.kind, kind.revealMode, answers, 4));
      QuizFile back;
      std::vector<MediaFile> media;
      std::string problem;
      std::vector<Problem> warnings;
      ASSERT_TRUE(QuizFromResources(WithMedia(made), back, media, problem, warnings)) << problem;
      EXPECT_TRUE(warnings.empty());
      // Back in UTF-8, with the media named as dump names them.
      QuizFile expected = made;
      int k = 0;
      for (const MediaSlot& slot : MediaSlots(made)) {
        QuestionFile& question = expected.questions[slot.question - 1];
        const std::string key = slot.field;
        std::string& field = key == "answerPicture" ? question.answerPicture
                             : key == "sound"       ? question.sound
                             : key == "film"        ? question.film
                                                    : question.picture;
        EXPECT_EQ(media[k].bytes, SampleMediaBytes(field));
        field = media[k++].name;
      }
      EXPECT_EQ(WriteQuizJson(back), WriteQuizJson(expected));
    }
  }
}

TEST(QuizResourcesTest, NamesTheMediaAsDumpWritesThem) {
  const QuizFile quiz = Read(SampleQuizJson("picture", "picture", 1, 12));
  QuizFile back;
  std::vector<MediaFile> media;
  std::string problem;
  std::vector<Problem> warnings;
  ASSERT_TRUE(QuizFromResources(WithMedia(quiz), back, media, problem, warnings));
  EXPECT_EQ(back.questions[0].picture, "picture01.jpg");
  EXPECT_EQ(back.questions[0].answerPicture, "answer01.jpg");
  EXPECT_EQ(back.questions[11].picture, "picture12.jpg");
  const QuizFile audio = Read(SampleQuizJson("audio", "none", 1, 1));
  ASSERT_TRUE(QuizFromResources(WithMedia(audio), back, media, problem, warnings));
  EXPECT_EQ(back.questions[0].sound, "sound01.mp3");
  const QuizFile video = Read(SampleQuizJson("video", "none", 1, 1));
  ASSERT_TRUE(QuizFromResources(WithMedia(video), back, media, problem, warnings));
  EXPECT_EQ(back.questions[0].film, "film01.avi");
}

TEST(QuizResourcesTest, TheMediaOfEachQuestionInOrder) {
  const QuizFile quiz = Read(SampleQuizJson("picture", "textAndPicture", 1, 2));
  std::vector<std::string> slots;
  for (const MediaSlot& slot : MediaSlots(quiz)) {
    slots.push_back(std::to_string(slot.question) + " " + slot.field + " " + slot.path + " " +
                    std::to_string(slot.resourceId) + " " + std::to_string(slot.role));
  }
  EXPECT_EQ(slots, (std::vector<std::string>{"1 picture media/picture1.jpg 401 0",
                                             "1 answerPicture media/réponse1.jpg 10401 1",
                                             "2 picture media/picture2.jpg 402 0",
                                             "2 answerPicture media/réponse2.jpg 10402 1"}));
  EXPECT_TRUE(MediaSlots(Read(SampleQuizJson("text", "none", 1, 3))).empty());
  EXPECT_EQ(ResolvedMediaPath("quiz", "images/a.jpg"), std::filesystem::path("quiz/images/a.jpg"));
  EXPECT_EQ(ResolvedMediaPath("quiz", "/abs/a.jpg"), std::filesystem::path("/abs/a.jpg"));
}

// The texts reach the player in code page 1252, as its parser reads them.
TEST(QuizResourcesTest, PacksTheTextsInCodePage1252) {
  QuizFile quiz = Read(SampleQuizJson("text", "none", 1, 1));
  quiz.title = "Été à l'œil €";
  quiz.questions[0].answer1 = "E\u0301cole";  // composed on the way
  std::vector<Problem> problems;
  const std::vector<Resource> resources = PackedQuizResources(quiz, problems);
  ASSERT_TRUE(problems.empty());
  unsigned char* unpacked = nullptr;
  std::uint32_t length = 0;
  ASSERT_EQ(UnpackData(resources[0].bytes.data(), resources[0].bytes.size(), &unpacked, &length),
            UNPACK_OK);
  QuizDefinition definition;
  EXPECT_TRUE(ParseQuiz(unpacked, length - 2, definition));
  std::free(unpacked);
  EXPECT_STREQ(definition.title, "\xC9t\xE9 \xE0 l'\234il \x80");
  EXPECT_STREQ(QuestionAt(definition, 1)->answer1, "\311cole");
}

// Texts that no dictionary coder can shrink: 90 questions of random letters in every field.
TEST(QuizResourcesTest, RefusesAQuizWhosePackedTextsPassTheSixteenBitLength) {
  Json json = SampleQuizJson("picture", "textsAtEnd", 2, 90);
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
  for (Json& question : json["questions"]) {
    for (const char* key : {"answer1", "answer2", "revealText"}) question[key] = noise();
  }
  QuizFile quiz = Read(json);
  for (QuestionFile& question : quiz.questions) question.questionText = noise();
  std::vector<Problem> problems;
  const std::vector<Resource> resources = PackedQuizResources(quiz, problems);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(ProblemLine(problems[0]), "le quiz fait " + std::to_string(resources[0].bytes.size()) +
                                          " octets une fois compressé ; le joueur en lit 65535 "
                                          "au plus : raccourcissez les textes");
  EXPECT_GT(resources[0].bytes.size(), 65535u);
}

TEST(QuizResourcesTest, ResourceSizeLimits) {
  struct Case {
    std::size_t unpacked, packed;
    std::vector<std::string> problems;
  };
  const std::string unpacked =
      "les codes fait 120001 octets ; le joueur en lit 120000 au plus : "
      "raccourcissez les textes";
  const Case cases[] = {
      {120000, 65535, {}},
      {1, 3, {}},
      {120001, 100, {unpacked}},
      {5000,
       65536,
       {"les codes fait 65536 octets une fois compressé ; le joueur en lit 65535 au plus : "
        "raccourcissez les textes"}},
      {120001,
       70000,
       {unpacked,
        "les codes fait 70000 octets une fois compressé ; le joueur en lit 65535 au "
        "plus : raccourcissez les textes"}},
  };
  for (const Case& c : cases) {
    std::vector<Problem> problems;
    CheckResourceSizes("les codes", c.unpacked, c.packed, problems);
    std::vector<std::string> lines;
    for (const Problem& problem : problems) lines.push_back(ProblemLine(problem));
    EXPECT_EQ(lines, c.problems) << c.unpacked << " " << c.packed;
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
  const std::string unnamable =
      "le quiz de l'exécutable a une révélation ou un nombre de questions qu'aucun fichier de "
      "quiz ne peut décrire";
  const Case cases[] = {
      {"nothing",
       {},
       "l'exécutable ne contient pas de quiz : il lui manque la ressource « PATCH » 104"},
      {"no codes", no105,
       "l'exécutable ne contient pas de quiz : il lui manque la ressource « PATCH » 105"},
      {"garbage",
       {{"PATCH", 104, {1, 2, 3}}, {"PATCH", 105, {1, 2, 3}}},
       "la ressource « PATCH » 104 de l'exécutable n'est pas un quiz lisible"},
      {"cut quiz", PackedQuiz(Bytes(goodQuiz.begin(), goodQuiz.end() - 2), goodCodes),
       "la ressource « PATCH » 104 de l'exécutable n'est pas un quiz lisible"},
      {"no code line", PackedQuiz(goodQuiz, {'c'}),
       "la ressource « PATCH » 105 de l'exécutable n'est pas un quiz lisible"},
      // The player's own parser refuses a kind it cannot show.
      {"kind 9", PackedQuiz(kind9, goodCodes),
       "la ressource « PATCH » 104 de l'exécutable n'est pas un quiz lisible"},
      {"reveal mode 7", PackedQuiz(mode7, goodCodes), unnamable},
      {"no question", PackedQuiz(noQuestion, goodCodes), unnamable},
  };
  for (const Case& c : cases) {
    QuizFile quiz;
    std::vector<MediaFile> media;
    std::string problem;
    std::vector<Problem> warnings;
    EXPECT_FALSE(QuizFromResources(c.resources, quiz, media, problem, warnings)) << c.name;
    EXPECT_EQ(problem, c.problem) << c.name;
  }
}

TEST(QuizResourcesTest, MissingMediaAreLeftOutWithAWarning) {
  const QuizFile made = Read(SampleQuizJson("picture", "picture", 1, 2));
  std::vector<Resource> resources = WithMedia(made);
  resources.erase(resources.begin() + 3);  // IMG 10401
  QuizFile back;
  std::vector<MediaFile> media;
  std::string problem;
  std::vector<Problem> warnings;
  ASSERT_TRUE(QuizFromResources(resources, back, media, problem, warnings));
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(ProblemLine(warnings[0]),
            "question 1, image réponse : l'exécutable ne contient pas ce fichier (ressource "
            "« IMG » 10401) : le champ reste vide, et le quiz ne peut pas être créé sans lui ; "
            "choisissez de nouveau le fichier");
  EXPECT_EQ(back.questions[0].answerPicture, "");
  EXPECT_EQ(back.questions[0].picture, "picture01.jpg");
  EXPECT_EQ(back.questions[1].answerPicture, "answer02.jpg");
  EXPECT_EQ(media.size(), 3u);
}

}  // namespace
