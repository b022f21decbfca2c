// The quiz resource format: fields ended by '|', single bytes for numbers, lines ended by CR LF.
#include "quiz/quiz_format.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "quiz/unpack.h"

namespace {

// A read position over the unpacked bytes that can never pass their end.
struct ByteReader {
  const unsigned char* bytes;
  std::size_t length;
  std::size_t position;
};

bool ReadByte(ByteReader& reader, unsigned char& value) {
  if (reader.position >= reader.length) return false;
  value = reader.bytes[reader.position++];
  return true;
}

// Collects bytes up to the terminator into text (zero bytes add nothing) and moves past it.
bool ReadUntil(ByteReader& reader, unsigned char terminator, char (&text)[TEXT_SIZE]) {
  std::size_t used = 0;
  while (reader.position < reader.length) {
    unsigned char byte = reader.bytes[reader.position++];
    if (byte == terminator) {
      text[used] = 0;
      return true;
    }
    if (byte == 0) continue;
    if (used == TEXT_SIZE - 1) return false;
    text[used++] = static_cast<char>(byte);
  }
  return false;
}

bool ReadField(ByteReader& reader, char (&text)[TEXT_SIZE]) {
  return ReadUntil(reader, FIELD_SEPARATOR, text);
}

bool ReadQuizTexts(ByteReader& reader, QuizDefinition& quiz) {
  return ReadField(reader, quiz.title) && ReadField(reader, quiz.author) &&
         ReadField(reader, quiz.explanation) && ReadField(reader, quiz.answer1Caption) &&
         ReadField(reader, quiz.answer2Caption);
}

bool ReadQuestions(ByteReader& reader, QuizDefinition& quiz) {
  for (int n = 1; n <= quiz.questionCount; ++n) {
    char answer1[TEXT_SIZE];
    char answer2[TEXT_SIZE] = "";
    char questionText[TEXT_SIZE];
    if (!ReadField(reader, answer1)) return false;
    if (quiz.answersPerQuestion == 2 && !ReadField(reader, answer2)) return false;
    if (!ReadField(reader, questionText)) return false;
    AppendQuestion(quiz, answer1, answer2, questionText);
  }
  return true;
}

bool ReadRevealTexts(ByteReader& reader, QuizDefinition& quiz) {
  const int fields = RevealTextFields(quiz.revealMode);
  for (int n = 1; fields > 0 && n <= quiz.questionCount; ++n) {
    QuestionEntry* entry = QuestionAt(quiz, n);
    char skipped[TEXT_SIZE];
    if (!entry || !ReadField(reader, entry->revealText)) return false;
    if (fields == 2 && !ReadField(reader, skipped)) return false;
  }
  return true;
}

bool ReadColour(ByteReader& reader, QuizDefinition& quiz) {
  unsigned char red, green, blue;
  if (!ReadByte(reader, red) || !ReadByte(reader, green) || !ReadByte(reader, blue)) return false;
  quiz.backgroundColour = red + 256u * green + 65536u * blue;
  return true;
}

bool ReadQuiz(ByteReader& reader, QuizDefinition& quiz) {
  unsigned char ignored, kindByte, count, answers, mode;
  if (!ReadByte(reader, ignored) || !ReadByte(reader, kindByte) || !ReadByte(reader, count) ||
      !ReadByte(reader, answers)) {
    return false;
  }
  const int kind = kindByte - 1;
  if (kind < KIND_TEXT || kind > KIND_VIDEO) return false;
  if (count > MAX_QUESTIONS || (answers != 1 && answers != 2)) return false;
  quiz.kind = kind;
  quiz.questionCount = count;
  quiz.answersPerQuestion = answers;
  if (!ReadQuizTexts(reader, quiz) || !ReadQuestions(reader, quiz)) return false;
  if (!ReadByte(reader, mode)) return false;
  quiz.revealMode = mode;
  return ReadRevealTexts(reader, quiz) && ReadColour(reader, quiz);
}

void ResetQuiz(QuizDefinition& quiz) {
  quiz.~QuizDefinition();
  new (&quiz) QuizDefinition();
}

}  // namespace

bool ParseQuiz(const unsigned char* bytes, std::size_t length, QuizDefinition& quiz) {
  ByteReader reader{bytes, bytes ? length : 0, 0};
  if (ReadQuiz(reader, quiz)) return true;
  ResetQuiz(quiz);
  return false;
}

bool ParseCodes(const unsigned char* bytes, std::size_t length, QuizDefinition& quiz) {
  ByteReader reader{bytes, bytes ? length : 0, 0};
  for (int k = 0; k < quiz.questionCount && k < MAX_QUESTIONS; ++k) {
    if (!ReadUntil(reader, '\r', quiz.codes[k])) {
      std::memset(quiz.codes, 0, sizeof quiz.codes);
      return false;
    }
    ++reader.position;  // the byte after CR, whatever it is
  }
  return true;
}

void FillBuiltInQuiz(QuizDefinition& quiz) {
  quiz.kind = KIND_TEXT;
  CopyText(quiz.title, "Nom du brela");
  CopyText(quiz.author, "Createur brela");
  CopyText(quiz.explanation, "Explications du brela");
  CopyText(quiz.answer1Caption, "Prénom - Nom");
  CopyText(quiz.answer2Caption, "Manga / Anime");
  quiz.questionCount = 20;
  quiz.answersPerQuestion = 1;
  quiz.revealMode = REVEAL_NONE;
  AppendQuestion(quiz, "ulvo", "titi", "titi");
  AppendQuestion(quiz, "trapol", "plouf", "titi");
}

bool UnpackAndParse(const unsigned char* packed, std::size_t length, QuizDefinition& quiz,
                    ResourceParser parse) {
  unsigned char* unpacked = nullptr;
  std::uint32_t reported = 0;
  int result = UnpackData(packed, length, &unpacked, &reported);
  // The reported length counts two bytes more than were written.
  bool parsed = result == UNPACK_OK && parse(unpacked, reported - 2, quiz);
  std::free(unpacked);
  return parsed;
}
