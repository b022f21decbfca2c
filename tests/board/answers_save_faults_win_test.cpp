// Faults while the answers are saved, on the real main window and board and on real files under
// Wine: a short write, a full disk, a failed flush and a killed process at every line of a save,
// kills at arbitrary moments, a read-only folder, an answers file held open by another process
// and a folder that vanishes. Each time the player carries on without a word, keeps every answer
// it had, leaves the previous answers file whole, and its next possible save succeeds. A volume
// that cannot flush at all is no fault: its saves succeed.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window_ids.h"
#include "board/answers_file_win.h"
#include "board/board_ids.h"
#include "tests/support/message_recorder.h"
#include "tests/support/player_windows.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

// This test's executable is answers_save_faults_win_test.exe; its children are the same file.
const std::string ANSWERS_FILE = "answers_save_faults_win_test.txt";
const std::string TEMPORARY_FILE = ANSWERS_FILE + ".tmp";
constexpr int FIELD_COUNT = 6;

using Texts = std::vector<std::string>;
const Texts PREVIOUS = {"Paris", "France", "", "Allemagne", "Berlin", "Rome"};
const Texts TYPED = {"Madrid", "Espagne", "Lisbonne", "", "Vienne", "Autriche"};
const Texts CHILD_A = {"a1", "a2", "a3", "a4", "a5", "a6"};
const Texts CHILD_B = {"b1", "", "b3", "", "b5", ""};

// The file that a save of these field texts writes.
std::string FileOf(const Texts& texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += (text.empty() ? "*" : text) + "\r\n";
  return bytes;
}

void TypeAll(HWND board, const Texts& texts) {
  for (int k = 1; k <= FIELD_COUNT; ++k) {
    SetDlgItemTextA(board, IDC_ANSWER_BASE + k, texts[k - 1].c_str());
  }
}

Texts FieldTexts(HWND board) {
  Texts texts;
  for (int k = 1; k <= FIELD_COUNT; ++k) texts.push_back(ControlText(board, IDC_ANSWER_BASE + k));
  return texts;
}

void ClickSave(HWND mainWindow) {
  SendMessageA(mainWindow, WM_COMMAND, IDC_SAVE, 0);
  PumpMessages();
}

// The writes of a save, through the seam: the n-th write of the process fails in the chosen way.
enum class WriteFault { SHORT_COUNT, DISK_FULL, HANG };
struct FaultPlan {
  int failingWrite;
  WriteFault fault;
  HANDLE reached;  // set before a HANG
  int writes;
};
FaultPlan plan;

BOOL FaultyWrite(HANDLE file, const void* bytes, DWORD length, DWORD* written) {
  if (++plan.writes != plan.failingWrite) return WriteFile(file, bytes, length, written, nullptr);
  switch (plan.fault) {
    case WriteFault::SHORT_COUNT:  // success, but not every byte went
      return WriteFile(file, bytes, length / 2, written, nullptr);
    case WriteFault::DISK_FULL:
      WriteFile(file, bytes, length / 2, written, nullptr);
      SetLastError(ERROR_DISK_FULL);
      return FALSE;
    case WriteFault::HANG:
      WriteFile(file, bytes, length, written, nullptr);
      SetEvent(plan.reached);
      Sleep(INFINITE);
  }
  return FALSE;
}

void PlanFault(int failingWrite, WriteFault fault, HANDLE reached = nullptr) {
  plan = FaultPlan{failingWrite, fault, reached, 0};
  SetAnswersFileWriter(FaultyWrite);
}

// --- The child processes: this executable started again with a role. ---

constexpr char CHILD_SAVE_AND_HANG[] = "--child-save-and-hang";
constexpr char CHILD_SAVE_LOOP[] = "--child-save-loop";
constexpr char CHILD_HOLD_OPEN[] = "--child-hold-open";

HANDLE OpenNamedEvent(const char* name) { return OpenEventA(EVENT_MODIFY_STATE, FALSE, name); }

// Opens the player's windows on the answers file of the current directory, as the parent does.
PlayerWindows OpenChildPlayer(QuizDefinition& quiz) {
  static MessageRecorder quiet;  // a child must never wait on a message box
  FillTestQuiz(quiz, {KIND_TEXT, FIELD_COUNT / 2, 2, REVEAL_NONE});
  return OpenPlayerWindows(quiz);
}

// Saves with write n hanging once it has been written; the parent ends the process there.
int SaveAndHang(int failingWrite, const char* reachedEvent) {
  QuizDefinition quiz;
  PlayerWindows windows = OpenChildPlayer(quiz);
  TypeAll(windows.board, CHILD_A);
  PlanFault(failingWrite, WriteFault::HANG, OpenNamedEvent(reachedEvent));
  ClickSave(windows.main);
  return 3;  // the save did not reach that write
}

// Saves CHILD_A and CHILD_B in turn until the parent ends the process.
int SaveLoop(const char* firstSavedEvent) {
  QuizDefinition quiz;
  PlayerWindows windows = OpenChildPlayer(quiz);
  HANDLE firstSaved = OpenNamedEvent(firstSavedEvent);
  for (long round = 0;; ++round) {
    TypeAll(windows.board, round % 2 ? CHILD_B : CHILD_A);
    ClickSave(windows.main);
    SetEvent(firstSaved);
  }
}

// Holds the answers file open without sharing until told to let go.
int HoldOpen(const char* heldEvent, const char* releaseEvent) {
  HANDLE file = CreateFileA(ANSWERS_FILE.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 4;
  SetEvent(OpenNamedEvent(heldEvent));
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, releaseEvent);
  WaitForSingleObject(release, 60000);
  CloseHandle(file);
  return 0;
}

int RunChild(int argc, char** argv) {
  const std::string role = argv[1];
  if (role == CHILD_SAVE_AND_HANG && argc == 4) return SaveAndHang(std::atoi(argv[2]), argv[3]);
  if (role == CHILD_SAVE_LOOP && argc == 3) return SaveLoop(argv[2]);
  if (role == CHILD_HOLD_OPEN && argc == 4) return HoldOpen(argv[2], argv[3]);
  return 2;
}

// --- The parent's side. ---

struct NamedEvent {
  std::string name;
  HANDLE handle;
};

NamedEvent NewEvent() {
  static int counter = 0;
  std::string name = "brela-save-faults-" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(++counter);
  return NamedEvent{name, CreateEventA(nullptr, TRUE, FALSE, name.c_str())};
}

// This executable started again in the current directory with a child role.
HANDLE StartChild(const std::string& arguments) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string commandLine = "\"" + std::string(self) + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

// True when the event is set before the process ends or 20 s pass.
bool WaitForChildEvent(HANDLE child, HANDLE event) {
  HANDLE both[] = {event, child};
  return WaitForMultipleObjects(2, both, FALSE, 20000) == WAIT_OBJECT_0;
}

void KillChild(HANDLE child) {
  TerminateProcess(child, 9);
  WaitForSingleObject(child, 20000);
  CloseHandle(child);
}

template <typename Condition>
bool WaitUntil(Condition condition) {
  for (int tries = 0; tries < 300; ++tries) {
    if (condition()) return true;
    Sleep(30);
  }
  return false;
}

// The Unix path of a Windows path, through Wine's kernel32; empty elsewhere.
std::string UnixPath(const std::string& windowsPath) {
  using UnixFileName = char*(CDECL*)(const WCHAR*);
  auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixFileName) return "";
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
  char* path = unixFileName(wide);
  if (!path) return "";
  std::string result = path;
  HeapFree(GetProcessHeap(), 0, path);
  return result;
}

// Runs a Unix shell command to its end; false where that is not possible. A command only started
// races with the checks after it (a probe file made just as the folder turned immutable could not
// be deleted, and failed every later probe). Wine gives no handle to wait on for a Unix process:
// the shell leaves a mark in the temporary folder, which no test makes read-only, once it is done.
bool RunUnixCommand(const std::string& command) {
  static int counter = 0;
  char temporaryFolder[MAX_PATH];
  GetTempPathA(MAX_PATH, temporaryFolder);
  const std::string mark = std::string(temporaryFolder) + "brela-unix-done-" +
                           std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
  const std::string unixMark = UnixPath(mark);
  if (unixMark.empty()) return false;
  std::string line = "/bin/sh -c \"" + command + "; /usr/bin/touch " + unixMark + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  const bool done = WaitUntil([&] { return FileExists(mark); });
  DeleteFileA(mark.c_str());
  return done;
}

bool CanCreateFileHere() {
  HANDLE probe = CreateFileA("probe", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return false;
  CloseHandle(probe);
  DeleteFileA("probe");
  return true;
}

// The player open on a folder that holds the previous answers, with other answers typed since.
class SaveFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteWholeFile(ANSWERS_FILE, FileOf(PREVIOUS));
    FillTestQuiz(quiz_, {KIND_TEXT, FIELD_COUNT / 2, 2, REVEAL_NONE});
    windows_ = OpenPlayerWindows(quiz_);
    ASSERT_EQ(FieldTexts(windows_.board), PREVIOUS);  // restored at start
    TypeAll(windows_.board, TYPED);
  }
  void TearDown() override {
    SetAnswersFileWriter(nullptr);
    SetAnswersFileFlusher(nullptr);
    ClosePlayerWindows(windows_);
  }

  void Save() { ClickSave(windows_.main); }

  void ExpectCarriesOnWithEverythingTyped() {
    EXPECT_TRUE(IsWindowVisible(windows_.main));
    EXPECT_TRUE(IsWindowVisible(windows_.board));
    EXPECT_EQ(FieldTexts(windows_.board), TYPED);
    EXPECT_TRUE(recorder_.Messages().empty());
  }
  void ExpectPreviousFileWhole() { EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), FileOf(PREVIOUS)); }
  void ExpectNextSaveSucceeds() {
    SetAnswersFileWriter(nullptr);
    Save();
    EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), FileOf(TYPED));
    EXPECT_FALSE(FileExists(TEMPORARY_FILE));
    EXPECT_TRUE(recorder_.Messages().empty());
  }

  ScopedWorkingDirectory directory_;
  MessageRecorder recorder_;
  QuizDefinition quiz_;
  PlayerWindows windows_{nullptr, nullptr};
};

TEST_F(SaveFaultTest, AShortWriteAtAnyLineKeepsThePreviousFile) {
  for (int line = 1; line <= FIELD_COUNT; ++line) {
    SCOPED_TRACE(line);
    PlanFault(line, WriteFault::SHORT_COUNT);
    Save();
    ExpectPreviousFileWhole();
    EXPECT_FALSE(FileExists(TEMPORARY_FILE));
    ExpectCarriesOnWithEverythingTyped();
  }
  ExpectNextSaveSucceeds();
}

TEST_F(SaveFaultTest, AFullDiskAtAnyLineKeepsThePreviousFile) {
  for (int line = 1; line <= FIELD_COUNT; ++line) {
    SCOPED_TRACE(line);
    PlanFault(line, WriteFault::DISK_FULL);
    Save();
    ExpectPreviousFileWhole();
    EXPECT_FALSE(FileExists(TEMPORARY_FILE));
    ExpectCarriesOnWithEverythingTyped();
  }
  ExpectNextSaveSucceeds();
}

// The flush before the new file replaces the old one fails with the error of the case.
DWORD flushError = 0;
BOOL FailingFlush(HANDLE) {
  SetLastError(flushError);
  return FALSE;
}

// A volume that cannot flush at all must not fail every save (the user would lose every answer at
// the next start); a flush that fails for any other reason abandons the save.
TEST_F(SaveFaultTest, AFlushThatFailsAbandonsTheSaveUnlessTheVolumeCannotFlush) {
  struct Case {
    DWORD error;
    bool saved;
  };
  const Case cases[] = {
      {ERROR_INVALID_FUNCTION, true}, {ERROR_NOT_SUPPORTED, true},  {ERROR_INVALID_PARAMETER, true},
      {ERROR_DISK_FULL, false},       {ERROR_WRITE_FAULT, false},   {ERROR_IO_DEVICE, false},
      {ERROR_ACCESS_DENIED, false},   {ERROR_NETNAME_DELETED, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    WriteWholeFile(ANSWERS_FILE, FileOf(PREVIOUS));
    flushError = c.error;
    SetAnswersFileFlusher(FailingFlush);
    Save();
    SetAnswersFileFlusher(nullptr);
    EXPECT_EQ(ReadWholeFile(ANSWERS_FILE), FileOf(c.saved ? TYPED : PREVIOUS));
    EXPECT_FALSE(FileExists(TEMPORARY_FILE));
    ExpectCarriesOnWithEverythingTyped();
  }
  ExpectNextSaveSucceeds();
}

// A link to a device has no attributes under Wine, but it is listed.
bool Listed(const std::string& name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(name.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// The temporary file is a link to /dev/full: every write fails with a full disk, for real.
TEST_F(SaveFaultTest, ARealFullDeviceKeepsThePreviousFile) {
  const std::string temporary = UnixPath(directory_.Path() + "\\" + TEMPORARY_FILE);
  if (temporary.empty() || !RunUnixCommand("/bin/ln -s /dev/full " + temporary) ||
      !Listed(TEMPORARY_FILE)) {
    GTEST_SKIP() << "no Unix /dev/full to write to";
  }
  Save();
  Save();
  ExpectPreviousFileWhole();
  ExpectCarriesOnWithEverythingTyped();
  // Wine cannot delete a link to a device: it goes the way it came.
  ASSERT_TRUE(RunUnixCommand("/bin/rm " + temporary));
  ASSERT_FALSE(Listed(TEMPORARY_FILE));
  ExpectNextSaveSucceeds();
}

// A player killed while its save has written line n: the temporary file is left behind, the
// answers file is untouched, and the next save of any player replaces both.
TEST_F(SaveFaultTest, AProcessKilledAtAnyLineOfItsSaveLeavesThePreviousFile) {
  for (int line = 1; line <= FIELD_COUNT; ++line) {
    SCOPED_TRACE(line);
    NamedEvent reached = NewEvent();
    HANDLE child = StartChild(std::string(CHILD_SAVE_AND_HANG) + " " + std::to_string(line) +
                              " " + reached.name);
    ASSERT_NE(child, nullptr);
    const bool hanging = WaitForChildEvent(child, reached.handle);
    KillChild(child);
    CloseHandle(reached.handle);
    ASSERT_TRUE(hanging);
    ExpectPreviousFileWhole();
    EXPECT_EQ(ReadWholeFile(TEMPORARY_FILE), FileOf(Texts(CHILD_A.begin(), CHILD_A.begin() + line)));
  }
  ExpectCarriesOnWithEverythingTyped();
  ExpectNextSaveSucceeds();
}

// Kills at moments spread over many saves: the answers file is always one whole save.
TEST_F(SaveFaultTest, AProcessKilledAtArbitraryMomentsLeavesOneWholeSave) {
  for (int round = 0; round < 12; ++round) {
    SCOPED_TRACE(round);
    NamedEvent firstSaved = NewEvent();
    HANDLE child = StartChild(std::string(CHILD_SAVE_LOOP) + " " + firstSaved.name);
    ASSERT_NE(child, nullptr);
    const bool saving = WaitForChildEvent(child, firstSaved.handle);
    Sleep(static_cast<DWORD>(round * 7 % 40));
    KillChild(child);
    CloseHandle(firstSaved.handle);
    ASSERT_TRUE(saving);
    const std::string bytes = ReadWholeFile(ANSWERS_FILE);
    EXPECT_TRUE(bytes == FileOf(CHILD_A) || bytes == FileOf(CHILD_B)) << bytes;
  }
  ExpectCarriesOnWithEverythingTyped();
  ExpectNextSaveSucceeds();
}

TEST_F(SaveFaultTest, AnAnswersFileHeldOpenByAnotherProcess) {
  NamedEvent held = NewEvent();
  NamedEvent release = NewEvent();
  HANDLE child = StartChild(std::string(CHILD_HOLD_OPEN) + " " + held.name + " " + release.name);
  ASSERT_NE(child, nullptr);
  ASSERT_TRUE(WaitForChildEvent(child, held.handle));
  Save();
  Save();
  SetEvent(release.handle);
  WaitForSingleObject(child, 20000);
  CloseHandle(child);
  CloseHandle(held.handle);
  CloseHandle(release.handle);
  ExpectPreviousFileWhole();
  EXPECT_FALSE(FileExists(TEMPORARY_FILE));
  ExpectCarriesOnWithEverythingTyped();
  ExpectNextSaveSucceeds();
}

// The folder's write permission taken away and, for a user that ignores it (root), the folder
// made immutable. Each change is complete before the next step, so the checks see a settled
// folder.
TEST_F(SaveFaultTest, AReadOnlyFolder) {
  const std::string folder = UnixPath(directory_.Path());
  const std::string quietly = " 2>/dev/null";
  if (folder.empty() ||
      !RunUnixCommand("/bin/chmod a-w " + folder + "; /usr/bin/chattr +i " + folder + quietly)) {
    GTEST_SKIP() << "no Unix commands to take the folder's write permission";
  }
  const bool readOnly = !CanCreateFileHere();
  if (readOnly) {
    Save();
    Save();
  }
  ASSERT_TRUE(RunUnixCommand("/usr/bin/chattr -i " + folder + quietly + "; /bin/chmod u+w " + folder));
  ASSERT_TRUE(CanCreateFileHere());
  if (!readOnly) GTEST_SKIP() << "this user can write into a read-only folder here";
  ExpectPreviousFileWhole();
  EXPECT_FALSE(FileExists(TEMPORARY_FILE));
  ExpectCarriesOnWithEverythingTyped();
  ExpectNextSaveSucceeds();
}

// The current folder removed under the running player, then made again at the same place.
TEST_F(SaveFaultTest, AFolderThatVanishes) {
  const std::string folder = UnixPath(directory_.Path());
  const std::string path = directory_.Path();
  if (folder.empty() || !RunUnixCommand("/bin/rm -rf " + folder) || FileExists(path)) {
    GTEST_SKIP() << "no Unix command to remove the current folder";
  }
  Save();
  Save();
  EXPECT_FALSE(FileExists(path));
  ExpectCarriesOnWithEverythingTyped();
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
  ExpectNextSaveSucceeds();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]).rfind("--child-", 0) == 0) return RunChild(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
