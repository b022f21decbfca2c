// brelamake's command line over an executable kept in memory: exit codes, messages, nothing
// written on refusal, and dump's files.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/brelamake/brelamake.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Arguments = std::vector<std::string>;

// Executables as maps of resources; a player is any path in `players`.
struct MemoryExecutables {
  std::map<std::string, std::vector<Resource>> files;
  std::vector<std::string> writes;  // "player -> output" of each writeQuiz call

  ExecutableAccess Access() {
    ExecutableAccess access;
    access.writeQuiz = [this](const fs::path& player, const fs::path& output,
                              const std::vector<Resource>& resources) {
      if (!files.count(player.u8string())) throw IoError("no player " + player.u8string());
      writes.push_back(player.u8string() + " -> " + output.u8string());
      files[output.u8string()] = resources;
    };
    access.readQuiz = [this](const fs::path& executable) {
      if (!files.count(executable.u8string())) {
        throw IoError("cannot open " + executable.u8string());
      }
      return files.at(executable.u8string());
    };
    access.defaultPlayer = "tools/brela.exe";
    return access;
  }
};

struct Outcome {
  int exitCode;
  std::string out, err;
};

Outcome RunWith(MemoryExecutables& executables, const Arguments& arguments) {
  std::ostringstream out, err;
  const int exitCode = RunBrelamake(arguments, executables.Access(), out, err);
  return {exitCode, out.str(), err.str()};
}

MemoryExecutables WithPlayers() {
  MemoryExecutables executables;
  executables.files["tools/brela.exe"] = {};
  executables.files["other/brela.exe"] = {};
  return executables;
}

TEST(BrelamakeCommandTest, HelpTellsTheCommandsRefusalsAndExitCodes) {
  MemoryExecutables executables;
  for (const char* flag : {"--help", "-h"}) {
    const Outcome run = RunWith(executables, {flag});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    for (const char* part :
         {"brelamake make QUIZ.json -o NAME.exe [--player PATH]", "brelamake dump NAME.exe -o DIR",
          "more than 90", "over 259 bytes once in code page 1252", "a '|'",
          "a line break in a code", "fewer or more codes than questions", "over 65535 bytes",
          "over 120000", "missing or unreadable", "not a JFIF", "not an MP3", "not an AVI",
          "0  success", "1  bad quiz file", "2  input/output failure", "3  wrong command line"}) {
      EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
  }
}

TEST(BrelamakeCommandTest, WrongCommandLinesExitWithThree) {
  const Arguments wrong[] = {
      {},
      {"make"},
      {"make", "quiz.json"},
      {"make", "quiz.json", "-o"},
      {"make", "-o", "out.exe"},
      {"make", "a.json", "b.json", "-o", "out.exe"},
      {"make", "a.json", "-o", "x.exe", "-o", "y.exe"},
      {"make", "a.json", "-o", "x.exe", "--verbose"},
      {"build", "a.json", "-o", "x.exe"},
      {"dump", "x.exe", "-o", "dir", "--player", "p.exe"},
      {"--help", "make"},
  };
  for (const Arguments& arguments : wrong) {
    MemoryExecutables executables = WithPlayers();
    const Outcome run = RunWith(executables, arguments);
    EXPECT_EQ(run.exitCode, 3) << testing::PrintToString(arguments);
    EXPECT_EQ(run.err, "brelamake: wrong command line; brelamake --help tells how to use it\n");
    EXPECT_TRUE(executables.writes.empty());
  }
}

TEST(BrelamakeCommandTest, MakeWritesIntoACopyOfTheChosenPlayer) {
  const fs::path directory = FreshDirectory("command-make");
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 3), directory);
  MemoryExecutables executables = WithPlayers();
  Outcome run = RunWith(executables, {"make", quiz.u8string(), "-o", "quiz.exe"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "brelamake: wrote quiz.exe: 3 questions, 6 media files\n");
  run = RunWith(executables,
                {"make", "-o", "second.exe", "--player", "other/brela.exe", quiz.u8string()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(executables.writes, (std::vector<std::string>{"tools/brela.exe -> quiz.exe",
                                                          "other/brela.exe -> second.exe"}));
  EXPECT_EQ(executables.files["quiz.exe"].size(), 8u);
}

TEST(BrelamakeCommandTest, ABadQuizExitsWithOneAndWritesNothing) {
  const fs::path directory = FreshDirectory("command-bad");
  Json json = SampleQuizJson("audio", "none", 1, 2);
  json["questions"][1]["answer1"] = "x|y";
  const fs::path badText = WriteSampleQuiz(json, directory / "text");
  const fs::path badMedia =
      WriteSampleQuiz(SampleQuizJson("audio", "none", 1, 2), directory / "media");
  fs::remove(directory / "media/media/sound2.mp3");
  const fs::path notJson = directory / "not.json";
  std::ofstream(notJson) << "{\"kind\": ";
  struct Case {
    fs::path quiz;
    std::string err;
  };
  const Case cases[] = {
      {badText,
       "brelamake: " + badText.u8string() +
           ": question 2, answer1: '|' separates the fields of the quiz and cannot be in one\n"
           "brelamake: nothing written (1 problem)\n"},
      {badMedia, "brelamake: " + badMedia.u8string() + ": question 2, sound: no file \"" +
                     (directory / "media/media/sound2.mp3").u8string() +
                     "\"\n"
                     "brelamake: nothing written (1 problem)\n"},
  };
  for (const Case& c : cases) {
    MemoryExecutables executables = WithPlayers();
    const Outcome run = RunWith(executables, {"make", c.quiz.u8string(), "-o", "out.exe"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(executables.writes.empty());
  }
  MemoryExecutables executables = WithPlayers();
  const Outcome run = RunWith(executables, {"make", notJson.u8string(), "-o", "out.exe"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(": JSON: "), std::string::npos) << run.err;
}

TEST(BrelamakeCommandTest, InputOutputFailuresExitWithTwo) {
  const fs::path directory = FreshDirectory("command-io");
  const fs::path quiz = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), directory);
  const fs::path blocked = directory / "blocked";
  std::ofstream(blocked) << "a file where dump wants a folder";
  struct Case {
    Arguments arguments;
    std::string err;
  };
  std::vector<Case> cases = {
      {{"make", (directory / "absent.json").u8string(), "-o", "x.exe"},
       "brelamake: cannot read \"" + (directory / "absent.json").u8string() + "\"\n"},
      {{"make", quiz.u8string(), "-o", "x.exe", "--player", "nowhere.exe"},
       "brelamake: no player nowhere.exe\n"},
      {{"dump", "absent.exe", "-o", directory.u8string()}, "brelamake: cannot open absent.exe\n"},
      {{"dump", "made.exe", "-o", (blocked / "out").u8string()},
       "brelamake: cannot create \"" + (blocked / "out").u8string() + "\"\n"},
  };
  const fs::path player = directory / "player.exe";
  std::ofstream(player) << "a player on disk";
  cases.push_back(
      {{"make", quiz.u8string(), "-o", player.u8string(), "--player", player.u8string()},
       "brelamake: the output " + player.u8string() + " is the player itself\n"});
  for (const Case& c : cases) {
    MemoryExecutables executables = WithPlayers();
    executables.files[player.u8string()] = {};
    ASSERT_EQ(RunWith(executables, {"make", quiz.u8string(), "-o", "made.exe"}).exitCode, 0);
    const Outcome run = RunWith(executables, c.arguments);
    EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(c.arguments);
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(BrelamakeCommandTest, DumpWritesTheQuizFileAndMediaThatMakeTakesBack) {
  const fs::path directory = FreshDirectory("command-dump");
  const Json original = SampleQuizJson("picture", "textAndPicture", 2, 3);
  const fs::path quiz = WriteSampleQuiz(original, directory / "source");
  MemoryExecutables executables = WithPlayers();
  ASSERT_EQ(RunWith(executables, {"make", quiz.u8string(), "-o", "made.exe"}).exitCode, 0);
  const fs::path out = directory / "dumped";
  const Outcome run = RunWith(executables, {"dump", "made.exe", "-o", out.u8string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "brelamake: wrote " + (out / "quiz.json").u8string() + " and 6 media files\n");

  const Bytes text = ReadBytes(out / "quiz.json");
  Json dumped = Json::parse(text.begin(), text.end());
  for (int n = 1; n <= 3; ++n) {
    Json& question = dumped["questions"][n - 1];
    const Json& source = original["questions"][n - 1];
    EXPECT_EQ(ReadBytes(out / question["picture"].get<std::string>()),
              ReadBytes(directory / "source" / fs::u8path(source["picture"].get<std::string>())));
    EXPECT_EQ(
        ReadBytes(out / question["answerPicture"].get<std::string>()),
        ReadBytes(directory / "source" / fs::u8path(source["answerPicture"].get<std::string>())));
    question["picture"] = source["picture"];
    question["answerPicture"] = source["answerPicture"];
  }
  EXPECT_EQ(dumped, original);

  ASSERT_EQ(
      RunWith(executables, {"make", (out / "quiz.json").u8string(), "-o", "again.exe"}).exitCode,
      0);
  EXPECT_EQ(executables.files["again.exe"].size(), executables.files["made.exe"].size());
  for (std::size_t i = 0; i < executables.files["made.exe"].size(); ++i) {
    EXPECT_EQ(executables.files["again.exe"][i].bytes, executables.files["made.exe"][i].bytes);
  }
}

TEST(BrelamakeCommandTest, DumpOfAnExecutableWithoutQuizExitsWithOne) {
  MemoryExecutables executables = WithPlayers();
  const Outcome run =
      RunWith(executables, {"dump", "tools/brela.exe", "-o", FreshDirectory("no-quiz").u8string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "brelamake: tools/brela.exe: the executable holds no quiz: \"PATCH\" 104 is missing\n");
}

}  // namespace
