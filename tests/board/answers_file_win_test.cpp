// Saving the answer fields of a real window and reading them back, on disk under Wine.
#include "board/answers_file_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/process_state_win.h"
#include "board/board_ids.h"
#include "tests/support/working_directory.h"

namespace {

// This test's executable is answers_file_win_test.exe.
const std::string ANSWERS_FILE = "answers_file_win_test.txt";
const std::string TEMPORARY_FILE = ANSWERS_FILE + ".tmp";

// A hidden window holding answer fields 4001 .. 4000 + count, as the board does.
class AnswerFieldsTest : public ::testing::Test {
 protected:
  void Open(int questionCount, int answersPerQuestion, int fieldsToCreate) {
    quiz_.questionCount = questionCount;
    quiz_.answersPerQuestion = answersPerQuestion;
    theQuiz = &quiz_;
    host_ = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    for (int k = 1; k <= fieldsToCreate; ++k) {
      CreateWindowExA(0, "Edit", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 50, 20, host_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ANSWER_BASE + k)),
                      GetModuleHandleA(nullptr), nullptr);
    }
  }
  void TearDown() override {
    if (host_) DestroyWindow(host_);
    theQuiz = nullptr;
  }
  void SetField(int k, const std::string& text) {
    SetDlgItemTextA(host_, IDC_ANSWER_BASE + k, text.c_str());
  }
  void Fill(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) SetField(static_cast<int>(i) + 1, texts[i]);
  }

  ScopedWorkingDirectory directory_;
  QuizDefinition quiz_;
  HWND host_ = nullptr;
};

std::vector<std::string> Restore(int fieldCount) {
  SavedAnswers saved = OpenSavedAnswers();
  std::vector<std::string> texts;
  for (int k = 1; k <= fieldCount; ++k) {
    char text[TEXT_SIZE];
    NextSavedAnswer(saved, text);
    texts.push_back(text);
  }
  CloseSavedAnswers(saved);
  EXPECT_EQ(saved.file, nullptr);
  return texts;
}

TEST_F(AnswerFieldsTest, ThreeQuestionsOfTwoAnswersSaveSixLines) {
  Open(3, 2, 6);
  SetField(1, "Paris");
  SetField(4, "Rome");
  SaveAnswers(host_);
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "Paris\r\n*\r\n*\r\nRome\r\n*\r\n*\r\n");
  EXPECT_FALSE(FileExists(TEMPORARY_FILE));
}

TEST_F(AnswerFieldsTest, AFieldThatDoesNotExistSavesAsEmpty) {
  Open(2, 2, 3);
  Fill({"un", "deux", "trois"});
  SaveAnswers(host_);
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "un\r\ndeux\r\ntrois\r\n*\r\n");
}

TEST_F(AnswerFieldsTest, TextsComeBackInFieldOrder) {
  Open(3, 2, 6);
  std::string longest(259, 'L');
  Fill({"*", longest, "\xE9t\xE9", "", " deux mots ", "fin"});
  SaveAnswers(host_);
  // A lone "*" comes back empty, the 259 characters whole, and the next field keeps its line.
  EXPECT_EQ(Restore(8),
            (std::vector<std::string>{"", longest, "\xE9t\xE9", "", " deux mots ", "fin", "", ""}));
}

TEST_F(AnswerFieldsTest, WithoutAFileEveryFieldStartsEmpty) {
  SavedAnswers saved = OpenSavedAnswers();
  EXPECT_EQ(saved.file, nullptr);
  CloseSavedAnswers(saved);
  EXPECT_EQ(Restore(3), (std::vector<std::string>{"", "", ""}));
}

TEST_F(AnswerFieldsTest, ALineLongerThanAFieldLosesItsEndOnly) {
  WriteWholeFile(ANSWERS_FILE, std::string(300, 'a') + "\r\nb\nc\r\n");
  EXPECT_EQ(Restore(4), (std::vector<std::string>{std::string(259, 'a'), "b", "c", ""}));
}

TEST_F(AnswerFieldsTest, ASaveReplacesTheWholeEarlierFile) {
  Open(2, 1, 2);
  WriteWholeFile(ANSWERS_FILE, "a\r\nb\r\nc\r\nd\r\ne\r\n");
  Fill({"x", ""});
  SaveAnswers(host_);
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "x\r\n*\r\n");
}

TEST_F(AnswerFieldsTest, ATemporaryFileLeftByAnInterruptedSaveIsReplaced) {
  Open(1, 1, 1);
  WriteWholeFile(ANSWERS_FILE, "ancien\r\n");
  WriteWholeFile(TEMPORARY_FILE, "moiti");
  SetField(1, "nouveau");
  SaveAnswers(host_);
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "nouveau\r\n");
  EXPECT_FALSE(FileExists(TEMPORARY_FILE));
}

// Each way a save can fail leaves the answers that were on disk as they were.
TEST_F(AnswerFieldsTest, AFailedSaveKeepsThePreviousAnswers) {
  Open(1, 1, 1);
  SetField(1, "nouveau");
  const std::string previous = "ancien\r\n";

  {
    SCOPED_TRACE("answers file held open by another program");
    WriteWholeFile(ANSWERS_FILE, previous);
    HANDLE held = CreateFileA(ANSWERS_FILE.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SaveAnswers(host_);
    CloseHandle(held);
    EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), previous);
    EXPECT_FALSE(FileExists(TEMPORARY_FILE));
  }
  {
    SCOPED_TRACE("read-only answers file");
    ASSERT_TRUE(SetFileAttributesA(ANSWERS_FILE.c_str(), FILE_ATTRIBUTE_READONLY));
    SaveAnswers(host_);
    EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), previous);
    EXPECT_FALSE(FileExists(TEMPORARY_FILE));
    SetFileAttributesA(ANSWERS_FILE.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  {
    SCOPED_TRACE("temporary file cannot be created");
    ASSERT_TRUE(CreateDirectoryA(TEMPORARY_FILE.c_str(), nullptr));
    SaveAnswers(host_);
    EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), previous);
    RemoveDirectoryA(TEMPORARY_FILE.c_str());
  }
  SaveAnswers(host_);  // and once the obstacles are gone, the save goes through
  EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), "nouveau\r\n");
}

TEST_F(AnswerFieldsTest, AnotherCurrentDirectoryHasNoAnswers) {
  Open(1, 1, 1);
  SetField(1, "ici");
  SaveAnswers(host_);
  ASSERT_TRUE(FileExists(ANSWERS_FILE));
  ScopedWorkingDirectory elsewhere;
  EXPECT_EQ(Restore(1), std::vector<std::string>{""});
}

}  // namespace
