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

// The restore of the saved answers while the board is built: one text per field, in field order.
struct SavedAnswers {
  void* file;  // the open answers file, or null when there is none
};
SavedAnswers OpenSavedAnswers();
void NextSavedAnswer(SavedAnswers& saved, char (&text)[TEXT_SIZE]);  // empty when none is left
void CloseSavedAnswers(SavedAnswers& saved);
