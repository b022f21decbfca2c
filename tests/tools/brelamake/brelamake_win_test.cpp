// brelamake on real executables: make then dump for every kind and reveal mode, resources
// replaced rather than added, the made quiz read by the player's loader and shown by the player.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "quiz/load_quiz.h"
#include "tests/support/message_recorder.h"
#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/brelamake/brelamake.h"
#include "tools/authoring/cp1252.h"
#include "tools/authoring/exe_resources_win.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path PLAYER = BRELA_PLAYER_PATH;
const fs::path TOOL = BRELAMAKE_PATH;

struct Outcome {
  int exitCode;
  std::string out, err;
};

Outcome Brelamake(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const ExecutableAccess access{WriteQuizExecutable, ReadQuizExecutable, PLAYER};
  const int exitCode = RunBrelamake(arguments, access, out, err);
  return {exitCode, out.str(), err.str()};
}

Outcome Make(const fs::path& quiz, const fs::path& output, const fs::path& player = PLAYER) {
  return Brelamake(
      {"make", quiz.u8string(), "-o", output.u8string(), "--player", player.u8string()});
}

Json ReadJson(const fs::path& path) {
  const Bytes bytes = ReadBytes(path);
  return Json::parse(bytes.begin(), bytes.end());
}

std::string Cp1252(const Json& text) {
  std::string converted, problem;
  EXPECT_TRUE(Utf8ToCp1252(text.get<std::string>(), converted, problem)) << problem;
  return converted;
}

// The dumped quiz file equals the original once its media paths are taken back to the
// original's, and every dumped media file holds the original's bytes.
void ExpectDumpedAsMade(const fs::path& dumped, const Json& original, const fs::path& source) {
  Json quiz = ReadJson(dumped / "quiz.json");
  for (std::size_t i = 0; i < original["questions"].size(); ++i) {
    Json& question = quiz["questions"][i];
    for (const char* key : {"picture", "sound", "film", "answerPicture"}) {
      if (!question.contains(key)) continue;
      const std::string path = original["questions"][i].value(key, "");
      EXPECT_EQ(ReadBytes(dumped / question[key].get<std::string>()),
                ReadBytes(source / fs::u8path(path)))
          << key << " of question " << i + 1;
      question[key] = path;
    }
  }
  EXPECT_EQ(quiz, original);
}

TEST(BrelamakeWinTest, MakeThenDumpGivesBackEveryKindAndRevealMode) {
  const fs::path directory = FreshDirectory("win-round-trip");
  int answers = 1;
  for (const char* kind : {"text", "picture", "audio", "video"}) {
    for (const char* mode : {"none", "picture", "text", "textAndPicture", "textsAtEnd"}) {
      SCOPED_TRACE(std::string(kind) + " " + mode);
      answers = 3 - answers;
      const Json original = SampleQuizJson(kind, mode, answers, 3);
      const fs::path quiz = WriteSampleQuiz(original, directory / "source");
      const fs::path made = directory / (std::string(kind) + "-" + mode + ".exe");
      const Outcome make = Make(quiz, made);
      ASSERT_EQ(make.exitCode, 0) << make.err;
      const Outcome dump =
          Brelamake({"dump", made.u8string(), "-o", (directory / "dump").u8string()});
      ASSERT_EQ(dump.exitCode, 0) << dump.err;
      EXPECT_EQ(dump.err, "");
      ExpectDumpedAsMade(directory / "dump", original, directory / "source");
      fs::remove_all(directory / "dump");
      fs::remove_all(directory / "source");
    }
  }
}

std::string NameText(LPCSTR name) {
  return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR list) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X", language);
  reinterpret_cast<std::vector<std::string>*>(list)->push_back(NameText(type) + " " +
                                                               NameText(name) + " " + text);
  return TRUE;
}

BOOL CALLBACK AddLanguages(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR list) {
  EnumResourceLanguagesA(module, type, name, AddLanguage, list);
  return TRUE;
}

BOOL CALLBACK AddNames(HMODULE module, LPSTR type, LONG_PTR list) {
  EnumResourceNamesA(module, type, AddLanguages, list);
  return TRUE;
}

// "TYPE NAME LANGUAGE" of every resource, numbers as "#n": the quiz's first, then the others.
std::pair<std::vector<std::string>, std::vector<std::string>> Entries(const fs::path& executable) {
  HMODULE module = LoadLibraryExA(executable.string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(module, nullptr);
  std::vector<std::string> all, quiz, others;
  EnumResourceTypesA(module, AddNames, reinterpret_cast<LONG_PTR>(&all));
  FreeLibrary(module);
  for (const std::string& entry : all) {
    (entry.rfind("PATCH ", 0) == 0 || entry.rfind("IMG ", 0) == 0 ? quiz : others).push_back(entry);
  }
  return {quiz, others};
}

TEST(BrelamakeWinTest, ReplacesTheQuizOfAMadeExecutableWithoutLeavingAnyOfIt) {
  const fs::path directory = FreshDirectory("win-replace");
  const fs::path first = directory / "first.exe", second = directory / "second.exe";
  ASSERT_EQ(
      Make(WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 3), directory / "a"), first)
          .exitCode,
      0);
  const Json audio = SampleQuizJson("audio", "none", 2, 2);
  const Outcome remake = Make(WriteSampleQuiz(audio, directory / "b"), second, first);
  ASSERT_EQ(remake.exitCode, 0) << remake.err;
  const auto entries = Entries(second);
  EXPECT_EQ(entries.first, (std::vector<std::string>{"IMG #401 0409", "IMG #402 0409",
                                                     "PATCH #104 0409", "PATCH #105 0409"}));
  EXPECT_EQ(entries.second, Entries(PLAYER).second) << "the player's own resources are kept";
  EXPECT_FALSE(entries.second.empty());
  ASSERT_EQ(Brelamake({"dump", second.u8string(), "-o", (directory / "dump").u8string()}).exitCode,
            0);
  ExpectDumpedAsMade(directory / "dump", audio, directory / "b");
}

TEST(BrelamakeWinTest, WritesNothingForARefusedQuizOrAForeignPlayer) {
  const fs::path directory = FreshDirectory("win-refused");
  Json bad = SampleQuizJson("text", "none", 1, 2);
  bad["codes"].erase(1);
  const fs::path output = directory / "out.exe";
  EXPECT_EQ(Make(WriteSampleQuiz(bad, directory / "bad"), output).exitCode, 1);
  EXPECT_FALSE(fs::exists(output));
  const Outcome foreign =
      Make(WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), directory / "good"), output, TOOL);
  EXPECT_EQ(foreign.exitCode, 2);
  EXPECT_EQ(foreign.err, "brelamake: \"" + TOOL.u8string() +
                             "\" is not the brela player: it has no board dialog\n");
  EXPECT_FALSE(fs::exists(output));
}

TEST(BrelamakeWinTest, ThePlayersLoaderReadsTheMadeQuizWithoutAMessage) {
  const fs::path directory = FreshDirectory("win-load");
  const Json original = SampleQuizJson("picture", "textAndPicture", 2, 4);
  const fs::path made = directory / "quiz.exe";
  ASSERT_EQ(Make(WriteSampleQuiz(original, directory), made).exitCode, 0);
  HMODULE module = LoadLibraryExA(made.string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  QuizDefinition quiz;
  {
    MessageRecorder recorder;
    LoadQuiz(quiz, module);
    EXPECT_TRUE(recorder.Messages().empty()) << recorder.Texts()[0];
  }
  FreeLibrary(module);
  EXPECT_EQ(quiz.kind, KIND_PICTURE);
  EXPECT_EQ(quiz.title, Cp1252(original["title"]));
  EXPECT_EQ(quiz.author, Cp1252(original["author"]));
  EXPECT_EQ(quiz.explanation, Cp1252(original["explanation"]));
  EXPECT_EQ(quiz.answer2Caption, Cp1252(original["answer2Caption"]));
  EXPECT_EQ(quiz.questionCount, 4);
  EXPECT_EQ(quiz.answersPerQuestion, 2);
  EXPECT_EQ(quiz.revealMode, REVEAL_TEXT_AND_PICTURE);
  EXPECT_EQ(quiz.backgroundColour, 0x00F0A412u);
  for (int n = 1; n <= 4; ++n) {
    const Json& question = original["questions"][n - 1];
    EXPECT_EQ(QuestionAt(quiz, n)->answer1, Cp1252(question["answer1"]));
    EXPECT_EQ(QuestionAt(quiz, n)->answer2, Cp1252(question["answer2"]));
    EXPECT_EQ(QuestionAt(quiz, n)->questionText, Cp1252(question["questionText"]));
    EXPECT_EQ(QuestionAt(quiz, n)->revealText, Cp1252(question["revealText"]));
    EXPECT_EQ(quiz.codes[n - 1], Cp1252(original["codes"][n - 1]));
  }
}

// Runs a program with a command line and the given current folder, its output discarded;
// its exit code, or -1.
DWORD RunProcess(const std::string& commandLine, const fs::path& folder) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &inheritable, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  const BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                      folder.string().c_str(), &startup, &process);
  CloseHandle(nul);
  if (!started) return static_cast<DWORD>(-1);
  WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = static_cast<DWORD>(-1);
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(BrelamakeWinTest, TheToolsExitCodesReachTheCaller) {
  const fs::path directory = FreshDirectory("win-process");
  WriteSampleQuiz(SampleQuizJson("video", "none", 1, 2), directory);
  const std::string tool = "\"" + TOOL.string() + "\" ";
  const std::string player = " --player \"" + PLAYER.string() + "\"";
  EXPECT_EQ(RunProcess(tool + "make quiz.json -o made.exe" + player, directory), 0u);
  EXPECT_TRUE(fs::exists(directory / "made.exe"));
  EXPECT_EQ(RunProcess(tool + "dump made.exe -o dumped", directory), 0u);
  EXPECT_TRUE(fs::exists(directory / "dumped/film01.avi"));
  fs::remove(directory / "media/film2.avi");
  EXPECT_EQ(RunProcess(tool + "make quiz.json -o other.exe" + player, directory), 1u);
  EXPECT_EQ(RunProcess(tool + "make absent.json -o other.exe" + player, directory), 2u);
  EXPECT_EQ(RunProcess(tool + "make quiz.json", directory), 3u);
  EXPECT_EQ(RunProcess(tool + "--help", directory), 0u);
  EXPECT_FALSE(fs::exists(directory / "other.exe"));
}

struct ProcessWindows {
  DWORD processId;
  HWND main;        // visible top-level window of class "WindowsApp"
  bool messageBox;  // a top-level dialog (#32770): a message box
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM found) {
  auto* windows = reinterpret_cast<ProcessWindows*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != windows->processId) return TRUE;
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) == "WindowsApp" && IsWindowVisible(window)) windows->main = window;
  if (std::string(className) == "#32770") windows->messageBox = true;
  return TRUE;
}

ProcessWindows FindWindows(DWORD processId) {
  ProcessWindows windows{processId, nullptr, false};
  EnumWindows(NoteWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Starts a quiz executable in folder, waits for its main window, reads its title and whether a
// message box came up, then closes it; "" when no main window came.
std::string StartAndClose(const fs::path& executable, const fs::path& folder, bool& messageBox) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "\"" + executable.string() + "\"";
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.string().c_str(), &startup, &process)) {
    return "";
  }
  ProcessWindows windows{};
  for (int tries = 0; tries < 300 && !windows.main && !windows.messageBox; ++tries) {
    Sleep(50);
    windows = FindWindows(process.dwProcessId);
  }
  Sleep(500);  // a message box raised while the board is built comes after the main window
  windows = FindWindows(process.dwProcessId);
  messageBox = windows.messageBox;
  char title[300] = "";
  GetWindowTextA(windows.main, title, sizeof title);
  if (windows.main) PostMessageA(windows.main, WM_CLOSE, 0, 0);
  const bool closed = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
  EXPECT_TRUE(closed) << executable;
  if (!closed) TerminateProcess(process.hProcess, 1);  // held by a message box
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return title;
}

TEST(BrelamakeWinTest, TheMadeExecutableOpensItsQuizWithoutAMessage) {
  const fs::path directory = FreshDirectory("win-start");
  const Json original = SampleQuizJson("text", "textsAtEnd", 2, 5);
  const fs::path made = directory / "started.exe";
  ASSERT_EQ(Make(WriteSampleQuiz(original, directory), made).exitCode, 0);
  bool messageBox = true;
  EXPECT_EQ(StartAndClose(made, directory, messageBox), Cp1252(original["title"]));
  EXPECT_FALSE(messageBox);
}

// The sample quizzes of the build, when BRELA_SAMPLES names their folder: each opens on its
// title with its real media, without a message.
TEST(SampleQuizzesTest, EachSampleOpensWithoutAMessage) {
  const char* samples = std::getenv("BRELA_SAMPLES");
  if (!samples) GTEST_SKIP() << "BRELA_SAMPLES names no folder of sample quizzes";
  const fs::path folder = samples;
  for (const char* name : {"capitales", "drapeaux", "animaux", "couleurs"}) {
    const fs::path runFolder = FreshDirectory(std::string("sample-") + name);
    bool messageBox = true;
    const std::string title =
        StartAndClose(folder / (std::string(name) + ".exe"), runFolder, messageBox);
    EXPECT_EQ(title, Cp1252(ReadJson(folder / name / "quiz.json")["title"])) << name;
    EXPECT_FALSE(messageBox) << name;
  }
}

}  // namespace
