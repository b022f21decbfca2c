// The answers file: every answer field's text, one line each, kept from one run to the next.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

// Writes the text of answer fields 4001 .. of the window; silent on failure, and the
// previous file stays whole unless the new one was completely written.
void SaveAnswers(HWND window);

// Every write of a save goes through here, WriteFile unless replaced: tests cut a write short or
// fail it as a full disk would. Null restores WriteFile.
using AnswersFileWriter = BOOL (*)(HANDLE file, const void* bytes, DWORD length, DWORD* written);
void SetAnswersFileWriter(AnswersFileWriter writer);

// The flush before the new file replaces the old one goes through here, FlushFileBuffers unless
// replaced: tests fail it with any error. A volume that cannot flush (ERROR_INVALID_FUNCTION,
// ERROR_NOT_SUPPORTED, ERROR_INVALID_PARAMETER) does not stop the save; any other failure does.
// Null restores FlushFileBuffers.
using AnswersFileFlusher = BOOL (*)(HANDLE file);
void SetAnswersFileFlusher(AnswersFileFlusher flusher);

// The restore of the saved answers while the board is built: one text per field, in field order.
struct SavedAnswers {
  void* file;  // the open answers file, or null when there is none
};
SavedAnswers OpenSavedAnswers();
void NextSavedAnswer(SavedAnswers& saved, char (&text)[TEXT_SIZE]);  // empty when none is left
void CloseSavedAnswers(SavedAnswers& saved);
