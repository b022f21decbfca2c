// Making and dumping quiz executables on real files, with executables of the tests' own format:
// the check first, the temporary file moved into place, and no author's file ever destroyed.
#include "tools/authoring/make_quiz.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/authoring/test_executables.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct Workshop {
  fs::path folder;
  fs::path quizFile;
  fs::path player;
  QuizFile quiz;
  TestExecutables executables;

  explicit Workshop(const std::string& name,
                    const Json& json = SampleQuizJson("picture", "picture", 1, 3))
      : folder(FreshDirectory(name)),
        quizFile(WriteSampleQuiz(json, folder)),
        player(folder / "brela.exe") {
    WriteTestPlayer(player);
    std::vector<Problem> problems;
    quiz = ReadQuizJson(json.dump(), problems);
  }

  MakeOutcome Make(const fs::path& output, bool force = false) {
    return MakeQuizExecutable(quiz, {folder, nullptr, nullptr}, player, output, {force, quizFile},
                              executables.Access());
  }

  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string TextOf(const fs::path& path) {
  const Bytes bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(MakeQuizTest, WritesATemporaryFileBesideTheOutputAndMovesItIntoPlace) {
  Workshop shop("make-writes");
  const MakeOutcome outcome = shop.Make(shop.folder / "made.exe");
  ASSERT_TRUE(outcome.written);
  EXPECT_TRUE(outcome.problems.empty());
  EXPECT_EQ(outcome.mediaCount, 6);
  ASSERT_EQ(shop.executables.writes.size(), 1u);
  const std::string& write = shop.executables.writes[0];
  EXPECT_EQ(write.rfind("brela.exe -> made.exe.", 0), 0u) << write;
  EXPECT_EQ(write.substr(write.size() - 4), ".tmp") << write;
  EXPECT_EQ(shop.FolderFiles(),
            (std::vector<std::string>{"brela.exe", "made.exe", "media", "quiz.json"}));
  const std::vector<Resource> resources = ReadTestExecutable(shop.folder / "made.exe");
  ASSERT_EQ(resources.size(), 8u);
  EXPECT_EQ(resources[2].id, 401);
  EXPECT_EQ(resources[2].bytes, SampleMediaBytes("media/picture1.jpg"));
  EXPECT_EQ(resources[7].id, 10403);
}

TEST(MakeQuizTest, WritesNothingWhenTheQuizHasAnErrorAndReturnsTheWarningsOtherwise) {
  Json json = SampleQuizJson("text", "none", 1, 3);
  json["questions"][1]["answer1"] = "Paris ";
  Workshop bad("make-errors", json);
  const MakeOutcome refused = bad.Make(bad.folder / "made.exe");
  EXPECT_FALSE(refused.written);
  ASSERT_EQ(refused.problems.size(), 1u);
  EXPECT_EQ(refused.problems[0].severity, PROBLEM_ERROR);
  EXPECT_TRUE(bad.executables.writes.empty());
  EXPECT_FALSE(fs::exists(bad.folder / "made.exe"));

  json = SampleQuizJson("text", "none", 1, 3);
  json["codes"].erase(2);
  Workshop warned("make-warnings", json);
  const MakeOutcome made = warned.Make(warned.folder / "made.exe");
  EXPECT_TRUE(made.written);
  ASSERT_EQ(made.problems.size(), 1u);
  EXPECT_EQ(made.problems[0].severity, PROBLEM_WARNING);
  EXPECT_EQ(made.problems[0].field, "codes");
}

TEST(MakeQuizTest, NeverWritesOverAnInputEvenWithForce) {
  Workshop shop("make-inputs");
  const fs::path inputs[] = {shop.quizFile, shop.folder / "media/picture2.jpg",
                             shop.folder / "media/réponse1.jpg", shop.player,
                             shop.folder / "media/../quiz.json"};
  for (const fs::path& input : inputs) {
    const std::string before = TextOf(input);
    for (bool force : {false, true}) {
      try {
        shop.Make(input, force);
        ADD_FAILURE() << input << " was written over";
      } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find("est un fichier d'origine du quiz"),
                  std::string::npos)
            << error.what();
      }
      EXPECT_EQ(TextOf(input), before) << input;
    }
  }
  EXPECT_TRUE(shop.executables.writes.empty());
}

TEST(MakeQuizTest, ReplacesAnExistingOutputOnlyWhenItIsAQuizOrWithForce) {
  Workshop shop("make-replace");
  const fs::path output = shop.folder / "mon travail.exe";
  WriteText(output, "le devoir de Zoé");
  const MakeOutcome refused = shop.Make(output);
  EXPECT_FALSE(refused.written) << "a file that is no quiz was replaced";
  EXPECT_EQ(refused.refused, "« " + output.u8string() +
                                 " » existe déjà et n'est pas un quiz : il n'est pas remplacé");
  EXPECT_EQ(TextOf(output), "le devoir de Zoé");
  WriteTestPlayer(output);  // the player without a quiz is no quiz either
  EXPECT_FALSE(shop.Make(output).refused.empty());
  EXPECT_TRUE(shop.executables.writes.empty());

  EXPECT_TRUE(shop.Make(output, true).written);
  EXPECT_EQ(ReadTestExecutable(output).size(), 8u);
  shop.quiz.questions.pop_back();
  shop.quiz.codes.pop_back();
  EXPECT_TRUE(shop.Make(output).written) << "a quiz executable is replaced without force";
  EXPECT_EQ(ReadTestExecutable(output).size(), 6u);

  fs::create_directory(shop.folder / "dossier.exe");
  EXPECT_THROW(shop.Make(shop.folder / "dossier.exe", true), IoError);
}

TEST(MakeQuizTest, AFailedWriteLeavesThePreviousExecutableWhole) {
  Workshop shop("make-fails");
  const fs::path output = shop.folder / "made.exe";
  ASSERT_TRUE(shop.Make(output).written);
  const std::string before = TextOf(output);
  shop.executables.failWrites = true;
  shop.quiz.title = "Autre titre";
  EXPECT_THROW(shop.Make(output), IoError);
  EXPECT_EQ(TextOf(output), before);
  EXPECT_EQ(shop.FolderFiles(),
            (std::vector<std::string>{"brela.exe", "made.exe", "media", "quiz.json"}))
      << "no temporary file is left behind";
  shop.executables.failWrites = false;
  EXPECT_THROW(
      MakeQuizExecutable(shop.quiz, {shop.folder, nullptr, nullptr}, shop.folder / "absent.exe",
                         output, {}, shop.executables.Access()),
      IoError)
      << "a missing player";
  EXPECT_EQ(TextOf(output), before);
}

TEST(MakeQuizTest, DumpWritesTheQuizFileAndMediaThatMakeTakesBack) {
  Workshop shop("dump", SampleQuizJson("picture", "textAndPicture", 2, 3));
  const fs::path made = shop.folder / "made.exe";
  ASSERT_TRUE(shop.Make(made).written);
  const fs::path folder = shop.folder / "relu";
  const DumpOutcome dump = DumpQuizExecutable(made, folder, false, shop.executables.Access());
  ASSERT_TRUE(dump.ok) << dump.problem;
  EXPECT_EQ(dump.quizFile, folder / "quiz.json");
  EXPECT_EQ(dump.mediaCount, 6);
  EXPECT_TRUE(dump.warnings.empty());
  EXPECT_EQ(ReadBytes(folder / "answer02.jpg"), SampleMediaBytes("media/réponse2.jpg"));

  std::vector<Problem> problems;
  const QuizFile again = ReadQuizJson(TextOf(dump.quizFile), problems);
  ASSERT_TRUE(problems.empty());
  const fs::path remade = shop.folder / "again.exe";
  ASSERT_TRUE(MakeQuizExecutable(again, {folder, nullptr, nullptr}, shop.player, remade, {},
                                 shop.executables.Access())
                  .written);
  const std::vector<Resource> first = ReadTestExecutable(made), second = ReadTestExecutable(remade);
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].bytes, second[i].bytes) << i;
}

TEST(MakeQuizTest, DumpLeavesAFolderThatHoldsFilesAloneUnlessForced) {
  Workshop shop("dump-folder");
  const fs::path made = shop.folder / "made.exe";
  ASSERT_TRUE(shop.Make(made).written);
  const fs::path folder = shop.folder / "travail";
  fs::create_directories(folder);
  WriteText(folder / "notes.txt", "à garder");
  const DumpOutcome refused = DumpQuizExecutable(made, folder, false, shop.executables.Access());
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.refused, "le dossier « " + folder.u8string() +
                                 " » contient déjà des fichiers : rien n'y est écrit");
  EXPECT_FALSE(fs::exists(folder / "quiz.json"));
  EXPECT_TRUE(DumpQuizExecutable(made, folder, true, shop.executables.Access()).ok);
  EXPECT_EQ(TextOf(folder / "notes.txt"), "à garder");
  EXPECT_TRUE(fs::exists(folder / "picture03.jpg"));

  // The executable itself, under a name that dump would write, is never written over.
  const fs::path named = folder / "picture01.jpg";
  fs::copy_file(made, named, fs::copy_options::overwrite_existing);
  const std::string before = TextOf(named);
  EXPECT_THROW(DumpQuizExecutable(named, folder, true, shop.executables.Access()), IoError);
  EXPECT_EQ(TextOf(named), before);

  EXPECT_THROW(DumpQuizExecutable(made, shop.quizFile, true, shop.executables.Access()), IoError)
      << "a file where the folder goes";
}

TEST(MakeQuizTest, DumpOfAnExecutableWithoutAQuizSaysWhy) {
  Workshop shop("dump-no-quiz");
  const DumpOutcome dump =
      DumpQuizExecutable(shop.player, shop.folder / "out", false, shop.executables.Access());
  EXPECT_FALSE(dump.ok);
  EXPECT_EQ(dump.problem,
            "l'exécutable ne contient pas de quiz : il lui manque la ressource « PATCH » 104");
  EXPECT_FALSE(fs::exists(shop.folder / "out"));
}

}  // namespace
