#include "tests/tools/brelamake/made_executables_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "base/raii_win.h"
#include "quiz/load_quiz_win.h"
#include "tests/support/message_recorder.h"
#include "tests/tools/authoring/sample_quizzes.h"
#include "tools/authoring/wide_text_win.h"

namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

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

// The console's text mode writes each line end as CR LF.
std::string WithoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// A file the started program writes its output into.
ScopedHandle InheritableOutput(const fs::path& path) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  return ScopedHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                  CREATE_ALWAYS, 0, nullptr));
}

}  // namespace

Json ReadJson(const fs::path& path) {
  const Bytes bytes = ReadBytes(path);
  return Json::parse(bytes.begin(), bytes.end());
}

std::string TextOf(const fs::path& path) {
  const Bytes bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

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

std::pair<std::vector<std::string>, std::vector<std::string>> Entries(const fs::path& executable) {
  HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(module, nullptr);
  std::vector<std::string> all, quiz, others;
  EnumResourceTypesA(module, AddNames, reinterpret_cast<LONG_PTR>(&all));
  FreeLibrary(module);
  for (const std::string& entry : all) {
    (entry.rfind("PATCH ", 0) == 0 || entry.rfind("IMG ", 0) == 0 ? quiz : others).push_back(entry);
  }
  return {quiz, others};
}

Outcome RunTool(const fs::path& tool, const std::string& arguments, const fs::path& folder) {
  const fs::path outPath = folder / "stdout.txt", errPath = folder / "stderr.txt";
  DWORD exitCode = static_cast<DWORD>(-1);
  {
    const ScopedHandle out = InheritableOutput(outPath), err = InheritableOutput(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out.Get();
    startup.hStdError = err.Get();
    PROCESS_INFORMATION process{};
    std::wstring line = L"\"" + tool.wstring() + L"\" " + WideText(arguments);
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                       &startup, &process)) {
      const ScopedHandle program(process.hProcess), thread(process.hThread);
      WaitForSingleObject(program.Get(), 60000);
      GetExitCodeProcess(program.Get(), &exitCode);
    }
  }
  Outcome outcome{static_cast<int>(exitCode), WithoutCarriageReturns(TextOf(outPath)),
                  WithoutCarriageReturns(TextOf(errPath))};
  fs::remove(outPath);
  fs::remove(errPath);
  return outcome;
}

void LoadMadeQuiz(const fs::path& executable, QuizDefinition& quiz) {
  HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << executable;
  {
    MessageRecorder recorder;
    LoadQuiz(quiz, module);
    EXPECT_TRUE(recorder.Messages().empty()) << recorder.Texts()[0];
  }
  FreeLibrary(module);
}
