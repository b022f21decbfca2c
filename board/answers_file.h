// The answers file's name and lines, free of the window system: one line per answer field.
#pragma once

#include <cstddef>
#include <cstdio>

#include "quiz/quiz_definition.h"

constexpr std::size_t ANSWERS_NAME_SIZE = 260;
constexpr std::size_t ANSWER_LINE_SIZE = TEXT_SIZE + 2;  // 259 characters, CR LF and a zero
constexpr const char* EMPTY_ANSWER_MARK = "*";

// The module's file name (after its last backslash) with its last three characters replaced by
// "txt". False when the result does not fit.
bool AnswersFileName(const char* modulePath, char (&name)[ANSWERS_NAME_SIZE]);

// The bytes of one field's line: its text (at most 259 characters) or "*" when empty, then CR LF.
// Returns the number of bytes written into line.
std::size_t FormatAnswerLine(const char* text, char (&line)[ANSWER_LINE_SIZE]);

// Reads the next line of a file opened in binary mode, as text mode would see it (CR LF ends a
// line like LF). Keeps the first 259 characters of a longer line and drops the rest of it; a line
// of exactly "*" gives an empty text. False, with an empty text, when no line is left.
bool ReadAnswerLine(std::FILE* file, char (&text)[TEXT_SIZE]);

// The same reading over a file's bytes in memory, from offset at, which moves past the line read.
bool ReadAnswerLine(const unsigned char* bytes, std::size_t size, std::size_t& at,
                    char (&text)[TEXT_SIZE]);
