// Reading quiz files: every refusal names its question and field; JSON goes out and back intact.
#include "tools/authoring/quiz_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/tools/authoring/sample_quizzes.h"

namespace {

using Json = nlohmann::json;
using Problems = std::vector<std::string>;

Problems ProblemsOf(const Json& quiz) {
  Problems problems;
  ReadQuizJson(quiz.dump(), problems);
  return problems;
}

std::string Repeated(const std::string& text, int times) {
  std::string result;
  while (times-- > 0) result += text;
  return result;
}

struct Refusal {
  const char* name;
  std::function<void(Json&)> change;
  std::string problem;  // the one problem expected, exactly
};

// Each change to a valid two-answer picture quiz of three questions with reveal mode
// "textAndPicture", and the problem it must give.
TEST(QuizFileTest, RefusesWhatTheResourcesCannotHold) {
  const Refusal refusals[] = {
      {"91 questions", [](Json& q) { q = SampleQuizJson("text", "none", 1, 91); },
       "questions: 91 questions, at most 90 fit"},
      {"no question",
       [](Json& q) {
         q["questions"] = Json::array();
         q["codes"] = Json::array();
       },
       "questions: a quiz needs at least one question"},
      {"title of 260 bytes", [](Json& q) { q["title"] = std::string(260, 'x'); },
       "title: 260 bytes once in code page 1252, at most 259 fit"},
      {"answer of 260 accented letters",
       [](Json& q) { q["questions"][1]["answer2"] = Repeated("é", 260); },
       "question 2, answer2: 260 bytes once in code page 1252, at most 259 fit"},
      {"reveal text of 300 bytes",
       [](Json& q) { q["questions"][2]["revealText"] = std::string(300, 'r'); },
       "question 3, revealText: 300 bytes once in code page 1252, at most 259 fit"},
      {"code of 260 bytes", [](Json& q) { q["codes"][0] = std::string(260, 'c'); },
       "code 1: 260 bytes once in code page 1252, at most 259 fit"},
      {"character without CP1252 form in the author", [](Json& q) { q["author"] = "Lǐ Bái"; },
       "author: the character 'ǐ' (U+01D0) has no form in code page 1252"},
      {"character without CP1252 form in a question",
       [](Json& q) { q["questions"][0]["questionText"] = "Où est 東京 ?"; },
       "question 1, questionText: the character '東' (U+6771) has no form in code page 1252"},
      {"character without CP1252 form in a code", [](Json& q) { q["codes"][2] = "α"; },
       "code 3: the character 'α' (U+03B1) has no form in code page 1252"},
      {"'|' in the explanation", [](Json& q) { q["explanation"] = "oui | non"; },
       "explanation: '|' separates the fields of the quiz and cannot be in one"},
      {"'|' in an answer", [](Json& q) { q["questions"][1]["answer1"] = "a|b"; },
       "question 2, answer1: '|' separates the fields of the quiz and cannot be in one"},
      {"'|' in a caption", [](Json& q) { q["answer2Caption"] = "|"; },
       "answer2Caption: '|' separates the fields of the quiz and cannot be in one"},
      {"line feed in a code", [](Json& q) { q["codes"][1] = "un\ndeux"; },
       "code 2: a code is one line: no line break"},
      {"carriage return in a code", [](Json& q) { q["codes"][2] = "un\r"; },
       "code 3: a code is one line: no line break"},
      {"zero character in the title", [](Json& q) { q["title"] = std::string("a\0b", 3); },
       "title: a zero character cannot be kept"},
      {"fewer codes than questions", [](Json& q) { q["codes"].erase(2); },
       "codes: 2 codes for 3 questions: there must be exactly one per question"},
      {"more codes than questions", [](Json& q) { q["codes"].push_back("en trop"); },
       "codes: 4 codes for 3 questions: there must be exactly one per question"},
      {"no codes", [](Json& q) { q.erase("codes"); },
       "codes: missing: a list of progress codes, one per question, is needed"},
      {"no kind", [](Json& q) { q.erase("kind"); },
       "kind: missing: one of \"text\", \"picture\", \"audio\", \"video\""},
      {"unknown kind", [](Json& q) { q["kind"] = "photo"; },
       "kind: must be one of \"text\", \"picture\", \"audio\", \"video\""},
      {"unknown reveal mode", [](Json& q) { q["revealMode"] = 3; },
       "revealMode: must be one of \"none\", \"picture\", \"text\", \"textAndPicture\", "
       "\"textsAtEnd\""},
      {"three answers per question", [](Json& q) { q["answersPerQuestion"] = 3; },
       "answersPerQuestion: must be 1 or 2"},
      {"colour by name", [](Json& q) { q["backgroundColour"] = "red"; },
       "backgroundColour: must be \"#RRGGBB\" in hexadecimal"},
      {"colour with a bad digit", [](Json& q) { q["backgroundColour"] = "#12345G"; },
       "backgroundColour: must be \"#RRGGBB\" in hexadecimal"},
      {"no title", [](Json& q) { q.erase("title"); }, "title: missing"},
      {"title not a text", [](Json& q) { q["title"] = 12; }, "title: must be a text"},
      {"misspelt quiz field", [](Json& q) { q["autor"] = "x"; }, "\"autor\": unknown field"},
      {"misspelt question field", [](Json& q) { q["questions"][0]["reveal"] = "x"; },
       "question 1, \"reveal\": unknown field"},
      {"question not an object", [](Json& q) { q["questions"][1] = "Rome"; },
       "question 2: must be an object of fields"},
      {"no first answer", [](Json& q) { q["questions"][2].erase("answer1"); },
       "question 3, answer1: missing"},
      {"empty first answer", [](Json& q) { q["questions"][0]["answer1"] = ""; },
       "question 1, answer1: empty: nothing typed could match it"},
      {"no second answer with two answers", [](Json& q) { q["questions"][1].erase("answer2"); },
       "question 2, answer2: missing"},
      {"second answer with one answer",
       [](Json& q) {
         q["answersPerQuestion"] = 1;
         for (Json& question : q["questions"]) {
           if (&question != &q["questions"][1]) question.erase("answer2");
         }
       },
       "question 2, answer2: the quiz has one answer per question"},
      {"no picture in a picture quiz", [](Json& q) { q["questions"][0].erase("picture"); },
       "question 1, picture: missing"},
      {"empty picture path", [](Json& q) { q["questions"][0]["picture"] = ""; },
       "question 1, picture: must be the path of a file"},
      {"sound in a picture quiz", [](Json& q) { q["questions"][1]["sound"] = "a.mp3"; },
       "question 2, sound: not used by a quiz of kind \"picture\""},
      {"no answer picture with reveal mode textAndPicture",
       [](Json& q) { q["questions"][2].erase("answerPicture"); },
       "question 3, answerPicture: missing"},
      {"answer picture with reveal mode text",
       [](Json& q) {
         q["revealMode"] = "text";
         for (Json& question : q["questions"]) {
           if (&question != &q["questions"][0]) question.erase("answerPicture");
         }
       },
       "question 1, answerPicture: shown only by a picture quiz with reveal mode \"picture\" or "
       "\"textAndPicture\""},
      {"reveal text with reveal mode picture",
       [](Json& q) {
         q["revealMode"] = "picture";
         for (Json& question : q["questions"]) {
           if (&question != &q["questions"][1]) question.erase("revealText");
         }
       },
       "question 2, revealText: reveal mode \"picture\" keeps no reveal text"},
      {"text quiz without wording",
       [](Json& q) {
         q = SampleQuizJson("text", "none", 1, 2);
         q["questions"][1].erase("questionText");
       },
       "question 2, questionText: missing"},
      {"film in an audio quiz",
       [](Json& q) {
         q = SampleQuizJson("audio", "none", 1, 1);
         q["questions"][0]["film"] = "a.avi";
       },
       "question 1, film: not used by a quiz of kind \"audio\""},
  };
  for (const Refusal& refusal : refusals) {
    Json quiz = SampleQuizJson("picture", "textAndPicture", 2, 3);
    ASSERT_EQ(ProblemsOf(quiz), Problems()) << "the base quiz is valid";
    refusal.change(quiz);
    EXPECT_EQ(ProblemsOf(quiz), Problems{refusal.problem}) << refusal.name;
  }
}

TEST(QuizFileTest, RefusesWhatIsNotAQuizObject) {
  for (const char* text : {"", "{", "[1, 2]", "\"quiz\"", "{\"title\": \"caf\xC3\"}"}) {
    Problems problems;
    ReadQuizJson(text, problems);
    ASSERT_EQ(problems.size(), 1u) << text;
    EXPECT_EQ(problems[0].rfind("JSON: ", 0), 0u) << problems[0];
  }
}

TEST(QuizFileTest, ReportsEveryProblemAtOnce) {
  Json quiz = SampleQuizJson("audio", "text", 1, 4);
  quiz["title"] = "a|b";
  quiz["questions"][3]["answer1"] = "€uro ✓";
  quiz["codes"].erase(0);
  EXPECT_EQ(
      ProblemsOf(quiz),
      (Problems{"title: '|' separates the fields of the quiz and cannot be in one",
                "question 4, answer1: the character '✓' (U+2713) has no form in code page 1252",
                "codes: 3 codes for 4 questions: there must be exactly one per question"}));
}

TEST(QuizFileTest, AcceptsTheLimits) {
  Json quiz = SampleQuizJson("text", "textsAtEnd", 1, 90);
  quiz["title"] = Repeated("é", 259);  // 518 bytes of UTF-8, 259 once in code page 1252
  quiz["codes"][89] = std::string(259, 'z');
  quiz["questions"][0]["answer1"] = "œ€…’";
  Problems problems;
  const QuizFile file = ReadQuizJson(quiz.dump(), problems);
  EXPECT_EQ(problems, Problems());
  EXPECT_EQ(file.questions.size(), 90u);
  EXPECT_EQ(file.title, std::string(259, '\xE9'));
  EXPECT_EQ(file.questions[0].answer1, "\x9C\x80\x85\x92");
  EXPECT_EQ(file.codes[0], "CODE|1 \xBD");
}

TEST(QuizFileTest, TakesDefaultsForOptionalFields) {
  Problems problems;
  const QuizFile file = ReadQuizJson(
      R"({"kind": "text", "title": "T", "codes": ["c"],
          "questions": [{"answer1": "a", "questionText": "q"}]})",
      problems);
  EXPECT_EQ(problems, Problems());
  EXPECT_EQ(file.author, "");
  EXPECT_EQ(file.answersPerQuestion, 1);
  EXPECT_EQ(file.revealMode, REVEAL_NONE);
  EXPECT_EQ(file.backgroundColour, 0x00FFFFFFu);
}

TEST(QuizFileTest, ReadsEveryFieldIntoTheRecord) {
  Problems problems;
  const QuizFile file =
      ReadQuizJson(SampleQuizJson("picture", "textAndPicture", 2, 2).dump(), problems);
  ASSERT_EQ(problems, Problems());
  EXPECT_EQ(file.kind, KIND_PICTURE);
  EXPECT_EQ(file.title,
            "Quiz \xAB picture \xBB \xE0 l'\x9C"
            "il");
  EXPECT_EQ(file.author, "Zo\xE9 M\xFCller");
  EXPECT_EQ(file.explanation, "Trouvez les r\xE9ponses \x97 vite !");
  EXPECT_EQ(file.answer1Caption, "Pr\xE9nom");
  EXPECT_EQ(file.answer2Caption,
            "Ann\xE9"
            "e");
  EXPECT_EQ(file.answersPerQuestion, 2);
  EXPECT_EQ(file.revealMode, REVEAL_TEXT_AND_PICTURE);
  EXPECT_EQ(file.backgroundColour, 0x00F0A412u);  // "#12A4F0": red 0x12, green 0xA4, blue 0xF0
  ASSERT_EQ(file.questions.size(), 2u);
  const QuestionFile& second = file.questions[1];
  EXPECT_EQ(second.answer1, "R\xE9ponse 2");
  EXPECT_EQ(second.answer2, "Deuxi\xE8me 2");
  EXPECT_EQ(second.questionText, "Qu'est-ce que le n\xB0 2 ?");
  EXPECT_EQ(second.revealText, "C'\xE9tait \xAB 2 \xBB \x80");
  EXPECT_EQ(second.media, "media/picture2.jpg");
  EXPECT_EQ(second.answerPicture, "media/réponse2.jpg");
  EXPECT_EQ(file.codes[1], "CODE|2 \xBD");
}

TEST(QuizFileTest, WrittenJsonReadsBackToTheSameQuiz) {
  for (const char* kind : {"text", "picture", "audio", "video"}) {
    for (const char* mode : {"none", "picture", "text", "textAndPicture", "textsAtEnd"}) {
      for (int answers : {1, 2}) {
        const Json original = SampleQuizJson(kind, mode, answers, 3);
        Problems problems;
        const QuizFile file = ReadQuizJson(original.dump(), problems);
        ASSERT_EQ(problems, Problems()) << kind << " " << mode;
        const std::string written = WriteQuizJson(file);
        EXPECT_EQ(Json::parse(written), original) << kind << " " << mode << " " << answers;
        const QuizFile again = ReadQuizJson(written, problems);
        ASSERT_EQ(problems, Problems());
        EXPECT_EQ(WriteQuizJson(again), written);
      }
    }
  }
}

}  // namespace
