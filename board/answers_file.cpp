// The answers file's name and lines.
#include "board/answers_file.h"

#include <cstring>

bool AnswersFileName(const char* modulePath, char (&name)[ANSWERS_NAME_SIZE]) {
  const char* lastBackslash = std::strrchr(modulePath, '\\');
  const char* fileName = lastBackslash ? lastBackslash + 1 : modulePath;
  std::size_t length = std::strlen(fileName);
  std::size_t kept = length < 3 ? 0 : length - 3;
  if (kept + 4 > ANSWERS_NAME_SIZE) {
    name[0] = '\0';
    return false;
  }
  std::memcpy(name, fileName, kept);
  std::memcpy(name + kept, "txt", 4);
  return true;
}

std::size_t FormatAnswerLine(const char* text, char (&line)[ANSWER_LINE_SIZE]) {
  const char* shown = text[0] ? text : EMPTY_ANSWER_MARK;
  std::size_t length = 0;
  while (length < TEXT_SIZE - 1 && shown[length]) ++length;
  std::memcpy(line, shown, length);
  std::memcpy(line + length, "\r\n", 3);
  return length + 2;
}

namespace {

struct LineBuilder {
  char (&text)[TEXT_SIZE];
  std::size_t length;
};

void Append(LineBuilder& line, char c) {
  if (line.length < TEXT_SIZE - 1) line.text[line.length++] = c;
}

// Reads one line from next(), which gives a byte or EOF.
template <typename NextByte>
bool ReadLine(NextByte next, char (&text)[TEXT_SIZE]) {
  LineBuilder line{text, 0};
  bool readAny = false;
  bool pendingReturn = false;  // a CR is kept only when no LF follows it
  int c;
  while ((c = next()) != EOF && c != '\n') {
    readAny = true;
    if (pendingReturn) Append(line, '\r');
    pendingReturn = c == '\r';
    if (!pendingReturn) Append(line, static_cast<char>(c));
  }
  if (pendingReturn && c == EOF) Append(line, '\r');
  text[line.length] = '\0';
  if (std::strcmp(text, EMPTY_ANSWER_MARK) == 0) text[0] = '\0';
  return readAny || c == '\n';
}

}  // namespace

bool ReadAnswerLine(std::FILE* file, char (&text)[TEXT_SIZE]) {
  return ReadLine([file] { return std::getc(file); }, text);
}

bool ReadAnswerLine(const unsigned char* bytes, std::size_t size, std::size_t& at,
                    char (&text)[TEXT_SIZE]) {
  return ReadLine([bytes, size, &at] { return at < size ? static_cast<int>(bytes[at++]) : EOF; },
                  text);
}
