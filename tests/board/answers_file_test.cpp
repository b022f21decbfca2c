// The answers file's name, line format and reader.
#include "board/answers_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

TEST(AnswersFileName, ReplacesTheLastThreeCharactersOfTheModulesFileName) {
  struct Case {
    const char* modulePath;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\Jeux\\quiz.exe", "quiz.txt"},
      {"C:\\Jeux\\quiz.abc", "quiz.txt"},
      {"Z:\\tmp\\brela.EXE", "brela.txt"},
      {"quiz.exe", "quiz.txt"},                   // no backslash: the whole path
      {"C:\\a.b\\mon quiz.exe", "mon quiz.txt"},  // only the part after the last backslash
      {"C:\\Jeux\\quizexe", "quiztxt"},           // no dot needed
      {"C:\\Jeux\\ab", "txt"},                    // shorter than three characters
      {"C:\\Jeux\\", "txt"},
  };
  for (const Case& c : cases) {
    char name[ANSWERS_NAME_SIZE];
    ASSERT_TRUE(AnswersFileName(c.modulePath, name)) << c.modulePath;
    EXPECT_STREQ(name, c.expected) << c.modulePath;
  }
}

TEST(AnswersFileName, RefusesANameThatDoesNotFit) {
  std::string longName(ANSWERS_NAME_SIZE + 10, 'q');
  char name[ANSWERS_NAME_SIZE];
  EXPECT_FALSE(AnswersFileName(longName.c_str(), name));
  std::string fitting = "C:\\" + std::string(ANSWERS_NAME_SIZE - 1, 'q');
  ASSERT_TRUE(AnswersFileName(fitting.c_str(), name));
  EXPECT_EQ(std::string(name), std::string(ANSWERS_NAME_SIZE - 4, 'q') + "txt");
}

std::string Line(const char* text) {
  char line[ANSWER_LINE_SIZE];
  std::size_t length = FormatAnswerLine(text, line);
  return std::string(line, length);
}

TEST(FormatAnswerLine, TextThenCrLfAndAStarForAnEmptyField) {
  EXPECT_EQ(Line("Paris"), "Paris\r\n");
  EXPECT_EQ(Line(""), "*\r\n");
  EXPECT_EQ(Line("*"), "*\r\n");
  EXPECT_EQ(Line(" deux mots "), " deux mots \r\n");
  EXPECT_EQ(Line("\xE9t\xE9"), "\xE9t\xE9\r\n");  // code page 1252 bytes pass unchanged
}

TEST(FormatAnswerLine, KeepsAtMost259Characters) {
  std::string full(259, 'a');
  EXPECT_EQ(Line(full.c_str()), full + "\r\n");
  std::string longer(300, 'b');
  EXPECT_EQ(Line(longer.c_str()), std::string(259, 'b') + "\r\n");
}

// Every text that the reader gives for a file of these bytes, until it reports the end.
std::vector<std::string> ReadAllFromFile(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  std::vector<std::string> texts;
  char text[TEXT_SIZE];
  while (ReadAnswerLine(file, text)) texts.push_back(text);
  EXPECT_STREQ(text, "");
  EXPECT_FALSE(ReadAnswerLine(file, text));  // and stays at the end
  std::fclose(file);
  return texts;
}

// The same from the bytes in memory.
std::vector<std::string> ReadAllFromMemory(const std::string& bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t at = 0;
  std::vector<std::string> texts;
  char text[TEXT_SIZE];
  while (ReadAnswerLine(data, bytes.size(), at, text)) texts.push_back(text);
  EXPECT_STREQ(text, "");
  EXPECT_EQ(at, bytes.size());
  EXPECT_FALSE(ReadAnswerLine(data, bytes.size(), at, text));
  return texts;
}

// Both readers must give the same texts.
std::vector<std::string> ReadAll(const std::string& bytes) {
  std::vector<std::string> texts = ReadAllFromFile(bytes);
  EXPECT_EQ(ReadAllFromMemory(bytes), texts);
  return texts;
}

using Texts = std::vector<std::string>;

TEST(ReadAnswerLine, ReadsLinesEndedByCrLfOrLf) {
  EXPECT_EQ(ReadAll(""), Texts{});
  EXPECT_EQ(ReadAll("Paris\r\nRome\r\n"), (Texts{"Paris", "Rome"}));
  EXPECT_EQ(ReadAll("Paris\nRome\n"), (Texts{"Paris", "Rome"}));
  EXPECT_EQ(ReadAll("Paris\r\nRome"), (Texts{"Paris", "Rome"}));  // last line without its end
  EXPECT_EQ(ReadAll("\r\n\n"), (Texts{"", ""}));
}

TEST(ReadAnswerLine, AStarAloneIsAnEmptyField) {
  EXPECT_EQ(ReadAll("*\r\nun\r\n*\r\n"), (Texts{"", "un", ""}));
  EXPECT_EQ(ReadAll("**\r\n*a\r\n *\r\n"), (Texts{"**", "*a", " *"}));
}

TEST(ReadAnswerLine, KeepsACarriageReturnThatIsNoLineEnd) {
  EXPECT_EQ(ReadAll("a\rb\r\nc\r"), (Texts{"a\rb", "c\r"}));
  EXPECT_EQ(ReadAll("a\r\r\n"), (Texts{"a\r"}));
}

TEST(ReadAnswerLine, KeepsEveryByteOfCodePage1252) {
  EXPECT_EQ(ReadAll("\xE9l\xE8ve\r\n\xFF\x80\r\n"), (Texts{"\xE9l\xE8ve", "\xFF\x80"}));
}

TEST(ReadAnswerLine, ALongLineGivesIts259FirstCharactersAndTheNextLineStaysApart) {
  std::string exact(259, 'x');
  EXPECT_EQ(ReadAll(exact + "\r\nsuivant\r\n"), (Texts{exact, "suivant"}));
  std::string longer = std::string(259, 'y') + std::string(200, 'z');
  EXPECT_EQ(ReadAll(longer + "\r\nsuivant\r\n"), (Texts{std::string(259, 'y'), "suivant"}));
  // The CR of the line end is not one of the 259 characters, even at the limit.
  EXPECT_EQ(ReadAll(std::string(259, 'w') + "\r\n*\r\n"), (Texts{std::string(259, 'w'), ""}));
}

TEST(AnswerLines, EveryTextComesBackFromItsOwnLine) {
  const char* fields[] = {"Paris", "", "*", "\xE9t\xE9", " espace "};
  std::string file;
  for (const char* field : fields) file += Line(field);
  EXPECT_EQ(ReadAll(file), (Texts{"Paris", "", "", "\xE9t\xE9", " espace "}));
}

}  // namespace
