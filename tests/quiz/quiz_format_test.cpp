// Parsing the unpacked quiz and codes, and the writer that produces them.
#include "quiz/quiz_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/test_quiz.h"
#include "tools/pack/pack_data.h"
#include "tools/pack/quiz_bytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

bool Parse(const Bytes& bytes, QuizDefinition& quiz) {
  // An exact-size heap copy, so that a read past the end is a real out-of-bounds read.
  std::vector<unsigned char> exact(bytes);
  return ParseQuiz(exact.data(), exact.size(), quiz);
}

void ExpectSameQuiz(const QuizDefinition& expected, const QuizDefinition& actual) {
  EXPECT_EQ(actual.kind, expected.kind);
  EXPECT_STREQ(actual.title, expected.title);
  EXPECT_STREQ(actual.author, expected.author);
  EXPECT_STREQ(actual.explanation, expected.explanation);
  EXPECT_STREQ(actual.answer1Caption, expected.answer1Caption);
  EXPECT_STREQ(actual.answer2Caption, expected.answer2Caption);
  EXPECT_EQ(actual.questionCount, expected.questionCount);
  EXPECT_EQ(actual.answersPerQuestion, expected.answersPerQuestion);
  EXPECT_EQ(actual.revealMode, expected.revealMode);
  EXPECT_EQ(actual.backgroundColour, expected.backgroundColour);
  const QuestionEntry* a = actual.firstQuestion;
  const QuestionEntry* e = expected.firstQuestion;
  for (; a && e; a = a->next, e = e->next) {
    EXPECT_STREQ(a->answer1, e->answer1);
    EXPECT_STREQ(a->answer2, e->answer2);
    EXPECT_STREQ(a->questionText, e->questionText);
    EXPECT_STREQ(a->revealText, e->revealText);
  }
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(e, nullptr);
}

void ExpectConstructedState(const QuizDefinition& quiz) {
  QuizDefinition fresh;
  ExpectSameQuiz(fresh, quiz);
  for (const auto& code : quiz.codes) EXPECT_STREQ(code, "");
}

}  // namespace

TEST(ParseQuiz, ReadsBackWhatTheWriterWroteForEveryKindAndMode) {
  for (int kind = KIND_TEXT; kind <= KIND_VIDEO; ++kind) {
    for (int answers = 1; answers <= 2; ++answers) {
      for (int mode = 0; mode <= 5; ++mode) {
        QuizDefinition written;
        FillTestQuiz(written, {kind, 7, answers, mode});
        QuizDefinition read;
        ASSERT_TRUE(Parse(QuizBytes(written), read)) << kind << answers << mode;
        ExpectSameQuiz(written, read);
      }
    }
  }
}

TEST(ParseQuiz, PictureQuizOfTwoQuestionsInRevealTextModeByteForByte) {
  Bytes bytes = {0x55, 2, 2, 1};
  for (auto& field : {"Titre|", "Auteur|", "Expl|", "C1|", "C2|", "a1|", "q1|", "a2|", "q2|"}) {
    Bytes f = ToBytes(field);
    bytes.insert(bytes.end(), f.begin(), f.end());
  }
  bytes.push_back(2);
  for (auto& field : {"r1|", "r2|"}) {
    Bytes f = ToBytes(field);
    bytes.insert(bytes.end(), f.begin(), f.end());
  }
  bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF});

  QuizDefinition quiz;
  ASSERT_TRUE(Parse(bytes, quiz));
  EXPECT_EQ(quiz.kind, KIND_PICTURE);
  EXPECT_EQ(quiz.questionCount, 2);
  EXPECT_STREQ(quiz.answer2Caption, "C2");
  EXPECT_STREQ(QuestionAt(quiz, 2)->answer1, "a2");
  EXPECT_STREQ(QuestionAt(quiz, 2)->answer2, "");
  EXPECT_STREQ(QuestionAt(quiz, 2)->questionText, "q2");
  EXPECT_STREQ(QuestionAt(quiz, 1)->revealText, "r1");
  EXPECT_EQ(quiz.backgroundColour, 0x00FFFFFFu);
}

TEST(ParseQuiz, FormatCorners) {
  // An empty field is an empty text; a zero byte adds nothing; mode 3 skips its second field;
  // the colour is red + 256 green + 65536 blue.
  std::string text = std::string("\x01\x04\x01\x01", 4) + "T|A|E|c1|c2|an" + std::string("\0", 1) +
                     "s||" + "\x03" + "rev|skipped|" + "\x10\x20\x30" + "trailing";
  QuizDefinition quiz;
  ASSERT_TRUE(Parse(ToBytes(text), quiz));
  EXPECT_EQ(quiz.kind, KIND_VIDEO);
  EXPECT_STREQ(quiz.firstQuestion->answer1, "ans");
  EXPECT_STREQ(quiz.firstQuestion->questionText, "");
  EXPECT_STREQ(quiz.firstQuestion->revealText, "rev");
  EXPECT_EQ(quiz.backgroundColour, 0x00302010u);
}

TEST(ParseQuiz, NoQuestionsReadsTextsModeAndColourOnly) {
  QuizDefinition quiz;
  Bytes bytes = ToBytes(std::string("\0\x01\x00\x01T|A|E|c1|c2|\x04\x01\x02\x03", 20));
  ASSERT_TRUE(Parse(bytes, quiz));
  EXPECT_EQ(quiz.questionCount, 0);
  EXPECT_EQ(quiz.firstQuestion, nullptr);
  EXPECT_EQ(quiz.revealMode, REVEAL_TEXTS_AT_END);
  EXPECT_EQ(quiz.backgroundColour, 0x00030201u);
}

TEST(ParseQuiz, EveryCutOfAValidQuizIsRefusedAndLeavesTheConstructedState) {
  QuizDefinition written;
  FillTestQuiz(written, {KIND_PICTURE, 3, 2, REVEAL_TEXT_AND_PICTURE});
  Bytes whole = QuizBytes(written);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    QuizDefinition quiz;
    EXPECT_FALSE(Parse(Bytes(whole.begin(), whole.begin() + length), quiz)) << length;
    ExpectConstructedState(quiz);
  }
}

TEST(ParseQuiz, HostileInputs) {
  const std::string header("\0\x01\x01\x01", 4);
  const std::string modeNone("\0", 1);
  const std::string fullField(259, 'x');
  const std::string oneQuestion = "T|A|E|c|c|a|q|" + modeNone + "rgb";
  struct Case {
    const char* name;
    std::string bytes;
    bool accepted;
  } cases[] = {
      {"a field of 259 bytes fits", header + fullField + "|A|E|c|c|a|q|" + modeNone + "rgb", true},
      {"a field of 260 bytes", header + fullField + "x|A|E|c|c|a|q|" + modeNone + "rgb", false},
      {"259 bytes with zero bytes among them fit",
       header + std::string(10, '\0') + fullField + "|A|E|c|c|a|q|" + modeNone + "rgb", true},
      {"kind byte 1, a text quiz", std::string("\0\x01\x01\x01", 4) + oneQuestion, true},
      {"kind byte 4, a video quiz", std::string("\0\x04\x01\x01", 4) + oneQuestion, true},
      {"kind byte 0, kind -1", std::string("\0\x00\x01\x01", 4) + oneQuestion, false},
      {"kind byte 5, kind 4", std::string("\0\x05\x01\x01", 4) + oneQuestion, false},
      {"kind byte 255", std::string("\0\xFF\x01\x01", 4) + oneQuestion, false},
      {"91 questions", std::string("\0\x01\x5B\x01", 4) + "T|A|E|c|c|a|q|" + modeNone + "rgb", false},
      {"zero answers per question",
       std::string("\0\x01\x01\x00", 4) + "T|A|E|c|c|a|q|" + modeNone + "rgb", false},
      {"three answers per question",
       std::string("\0\x01\x01\x03", 4) + "T|A|E|c|c|a|b|c|q|" + modeNone + "rgb", false},
      {"no separator after the last field", header + "T|A|E|c|c|a|q", false},
      {"no reveal-mode byte", header + "T|A|E|c|c|a|q|", false},
      {"reveal text without separator", header + "T|A|E|c|c|a|q|\x02" + "rev", false},
      {"colour cut after green", header + "T|A|E|c|c|a|q|" + modeNone + "rg", false},
      {"only the header", header, false},
  };
  for (const Case& c : cases) {
    QuizDefinition quiz;
    EXPECT_EQ(Parse(ToBytes(c.bytes), quiz), c.accepted) << c.name;
    if (!c.accepted) ExpectConstructedState(quiz);
  }
}

TEST(ParseCodes, LinesGoToCodesInOrder) {
  QuizDefinition quiz;
  quiz.questionCount = 3;
  Bytes bytes = ToBytes(std::string("ABC\r\nD\0EF\rXG\r\nnot read", 22));
  ASSERT_TRUE(ParseCodes(bytes.data(), bytes.size(), quiz));
  EXPECT_STREQ(quiz.codes[0], "ABC");
  EXPECT_STREQ(quiz.codes[1], "DEF");  // the zero byte adds nothing, any byte after CR is skipped
  EXPECT_STREQ(quiz.codes[2], "G");
  EXPECT_STREQ(quiz.codes[3], "");
}

TEST(ParseCodes, WriterAndParserAgree) {
  QuizDefinition written;
  FillTestQuiz(written, {KIND_TEXT, MAX_QUESTIONS, 1, REVEAL_NONE});
  Bytes bytes = CodeBytes(written);
  QuizDefinition read;
  read.questionCount = MAX_QUESTIONS;
  ASSERT_TRUE(ParseCodes(bytes.data(), bytes.size(), read));
  for (int k = 0; k < MAX_QUESTIONS; ++k) EXPECT_STREQ(read.codes[k], written.codes[k]);
}

TEST(ParseCodes, BrokenLinesLeaveEveryCodeEmpty) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"fewer lines than questions", "A\r\nB\r\n"},
      {"last line without CR", "A\r\nB\r\nC"},
      {"a line of 260 bytes", "A\r\n" + std::string(260, 'x') + "\r\nC\r\n"},
      {"nothing at all", ""},
  };
  for (const Case& c : cases) {
    QuizDefinition quiz;
    quiz.questionCount = 3;
    Bytes bytes = ToBytes(c.bytes);
    EXPECT_FALSE(ParseCodes(bytes.data(), bytes.size(), quiz)) << c.name;
    for (const auto& code : quiz.codes) EXPECT_STREQ(code, "") << c.name;
  }
}

TEST(BuiltInQuiz, DeclaresTwentyQuestionsWithTwoEntries) {
  QuizDefinition quiz;
  FillBuiltInQuiz(quiz);
  EXPECT_EQ(quiz.kind, KIND_TEXT);
  EXPECT_STREQ(quiz.title, "Nom du brela");
  EXPECT_STREQ(quiz.author, "Createur brela");
  EXPECT_STREQ(quiz.explanation, "Explications du brela");
  EXPECT_STREQ(quiz.answer1Caption, "Pr\xE9nom - Nom");
  EXPECT_STREQ(quiz.answer2Caption, "Manga / Anime");
  EXPECT_EQ(quiz.questionCount, 20);
  EXPECT_EQ(quiz.answersPerQuestion, 1);
  EXPECT_EQ(quiz.revealMode, REVEAL_NONE);
  struct Entry {
    const char* answer1;
    const char* answer2;
    const char* questionText;
  };
  const Entry entries[] = {{"ulvo", "titi", "titi"}, {"trapol", "plouf", "titi"}};
  const QuestionEntry* entry = quiz.firstQuestion;
  for (const Entry& expected : entries) {
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->answer1, expected.answer1);
    EXPECT_STREQ(entry->answer2, expected.answer2);
    EXPECT_STREQ(entry->questionText, expected.questionText);
    EXPECT_STREQ(entry->revealText, "");
    entry = entry->next;
  }
  EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(quiz.firstQuestion->next, quiz.lastQuestion);
  EXPECT_EQ(QuestionAt(quiz, 1), quiz.firstQuestion);
  for (int n = 2; n <= 20; ++n) EXPECT_EQ(QuestionAt(quiz, n), quiz.lastQuestion) << n;
  for (const auto& code : quiz.codes) EXPECT_STREQ(code, "");
}

TEST(UnpackAndParse, ReadsAPackedQuizAndItsCodes) {
  QuizDefinition written;
  FillTestQuiz(written, {KIND_TEXT, 3, 2, REVEAL_TEXT});
  Bytes quizBytes = QuizBytes(written);
  Bytes codeBytes = CodeBytes(written);
  Bytes packedQuiz = PackData(quizBytes.data(), quizBytes.size());
  Bytes packedCodes = PackData(codeBytes.data(), codeBytes.size());
  QuizDefinition read;
  ASSERT_TRUE(UnpackAndParse(packedQuiz.data(), packedQuiz.size(), read, ParseQuiz));
  ASSERT_TRUE(UnpackAndParse(packedCodes.data(), packedCodes.size(), read, ParseCodes));
  ExpectSameQuiz(written, read);
  EXPECT_STREQ(read.codes[2], "CODE3");
}

TEST(UnpackAndParse, FailsOnAStreamCutShortOrUnpackedBytesThatDoNotParse) {
  QuizDefinition written;
  FillTestQuiz(written, {KIND_TEXT, 3, 1, REVEAL_NONE});
  Bytes quizBytes = QuizBytes(written);
  Bytes packed = PackData(quizBytes.data(), quizBytes.size());
  QuizDefinition read;
  EXPECT_FALSE(UnpackAndParse(packed.data(), packed.size() / 2, read, ParseQuiz));
  EXPECT_FALSE(UnpackAndParse(packed.data(), 0, read, ParseQuiz));
  const std::string notAQuiz = "pas un quiz";
  Bytes packedText = PackData(reinterpret_cast<const unsigned char*>(notAQuiz.data()),
                              notAQuiz.size());
  EXPECT_FALSE(UnpackAndParse(packedText.data(), packedText.size(), read, ParseQuiz));
  ExpectConstructedState(read);
}
