// The answers file on disk: written whole on every save, read once while the board is built.
#include "board/answers_file_win.h"

#include <cstring>

#include "base/process_state_win.h"
#include "board/answers_file.h"
#include "board/board_ids.h"

namespace {

AnswersFileWriter currentWriter = nullptr;
AnswersFileFlusher currentFlusher = nullptr;

BOOL WriteBytes(HANDLE file, const void* bytes, DWORD length, DWORD* written) {
  if (currentWriter) return currentWriter(file, bytes, length, written);
  return WriteFile(file, bytes, length, written, nullptr);
}

BOOL FlushBytes(HANDLE file) {
  if (currentFlusher) return currentFlusher(file);
  return FlushFileBuffers(file);
}

// A volume that cannot flush at all (some network and FUSE mounts) answers with one of these, and
// would otherwise fail every save. Wine reports a Unix fsync's ENOSYS, EOPNOTSUPP and EINVAL (a
// file system that does not sync) as these three.
bool FlushIsUnsupported(DWORD error) {
  return error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED ||
         error == ERROR_INVALID_PARAMETER;
}

// The answers are on disk, or on a volume that cannot promise it; any other failure of the flush
// (a full disk, a device error) abandons the save.
bool Flush(HANDLE file) { return FlushBytes(file) || FlushIsUnsupported(GetLastError()); }

bool OwnAnswersFileName(char (&name)[ANSWERS_NAME_SIZE]) {
  char modulePath[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  if (length == 0 || length >= sizeof modulePath) return false;
  return AnswersFileName(modulePath, name);
}

bool WriteAnswerLines(HANDLE file, HWND window) {
  int fieldCount = theQuiz->questionCount * theQuiz->answersPerQuestion;
  for (int k = 1; k <= fieldCount; ++k) {
    char text[TEXT_SIZE];
    if (!GetDlgItemTextA(window, IDC_ANSWER_BASE + k, text, TEXT_SIZE)) text[0] = '\0';
    char line[ANSWER_LINE_SIZE];
    DWORD length = static_cast<DWORD>(FormatAnswerLine(text, line));
    DWORD written = 0;
    if (!WriteBytes(file, line, length, &written) || written != length) return false;
  }
  return Flush(file);
}

// Writing the file in place would fail on a read-only file; the replacement must not get round
// that.
bool IsReadOnly(const char* name) {
  DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

void SetAnswersFileWriter(AnswersFileWriter writer) { currentWriter = writer; }

void SetAnswersFileFlusher(AnswersFileFlusher flusher) { currentFlusher = flusher; }

// The new answers go to a file beside the old one, which they replace only once they are all on
// disk: a save cut short leaves the previous answers whole. A temporary file left by a save that
// never finished is overwritten by the next one.
void SaveAnswers(HWND window) {
  char name[ANSWERS_NAME_SIZE];
  if (!OwnAnswersFileName(name) || IsReadOnly(name)) return;
  char temporaryName[ANSWERS_NAME_SIZE + 4];
  std::strcpy(temporaryName, name);
  std::strcat(temporaryName, ".tmp");
  HANDLE file = CreateFileA(temporaryName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  bool written = WriteAnswerLines(file, window);
  CloseHandle(file);
  if (!written ||
      !MoveFileExA(temporaryName, name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporaryName);
  }
}

SavedAnswers OpenSavedAnswers() {
  char name[ANSWERS_NAME_SIZE];
  if (!OwnAnswersFileName(name)) return SavedAnswers{nullptr};
  return SavedAnswers{std::fopen(name, "rb")};
}

void NextSavedAnswer(SavedAnswers& saved, char (&text)[TEXT_SIZE]) {
  text[0] = '\0';
  if (saved.file) ReadAnswerLine(static_cast<std::FILE*>(saved.file), text);
}

void CloseSavedAnswers(SavedAnswers& saved) {
  if (saved.file) std::fclose(static_cast<std::FILE*>(saved.file));
  saved.file = nullptr;
}
