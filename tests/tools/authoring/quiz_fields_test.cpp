// The quiz file's fields: which settings use each, their keys read and written, their French
// names, all written out here from the rules of the player.
#include "tools/authoring/quiz_fields.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "tools/authoring/problem.h"
#include "tools/authoring/quiz_file.h"

namespace {

// The keys that a quiz or a question may hold, with their French names in problems.
const std::map<std::string, std::string> QUIZ_NAMES = {
    {"kind", "type de quiz"},
    {"title", "titre"},
    {"author", "auteur"},
    {"explanation", "explication"},
    {"answer1Caption", "légende de la réponse 1"},
    {"answer2Caption", "légende de la réponse 2"},
    {"answersPerQuestion", "réponses par question"},
    {"revealMode", "révélation"},
    {"backgroundColour", "couleur de fond"},
    {"codes", "codes"},
    {"questions", "questions"},
};
const std::map<std::string, std::string> QUESTION_NAMES = {
    {"answer1", "réponse 1"},         {"answer2", "réponse 2"}, {"questionText", "énoncé"},
    {"revealText", "texte révélé"},   {"picture", "image"},     {"sound", "son"},
    {"film", "film"},                 {"answerPicture", "image réponse"},
};

// What the player shows: a text quiz its wording; pictures, sounds, films by kind; a second
// answer and the captions with two answers; in a picture quiz, reveal texts with modes 2 to 4 and
// answer pictures with modes 1 and 3; every quiz its title, author, explanation, first answer and
// codes.
std::set<std::string> UsedKeys(int kind, int answers, int mode) {
  std::set<std::string> used = {"kind",  "title",     "author",           "explanation",
                                "codes", "questions", "answersPerQuestion", "backgroundColour",
                                "answer1"};
  if (kind == 0) used.insert("questionText");
  if (kind == 1) used.insert({"picture", "revealMode"});
  if (kind == 2) used.insert("sound");
  if (kind == 3) used.insert("film");
  if (answers == 2) used.insert({"answer2", "answer1Caption", "answer2Caption"});
  if (kind == 1 && (mode == 2 || mode == 3 || mode == 4)) used.insert("revealText");
  if (kind == 1 && (mode == 1 || mode == 3)) used.insert("answerPicture");
  return used;
}

TEST(QuizFieldsTest, EveryKeyHasOneFieldOfTheQuizOrOfAQuestion) {
  std::set<int> fields;
  for (const auto* names : {&QUIZ_NAMES, &QUESTION_NAMES}) {
    for (const auto& [key, name] : *names) {
      const QuizField field = FieldOfKey(key);
      ASSERT_NE(field, FIELD_NONE) << key;
      EXPECT_EQ(FactsOf(field).key, key);
      EXPECT_EQ(FactsOf(field).ofQuestion, names == &QUESTION_NAMES) << key;
      EXPECT_EQ(FieldName(key), name) << key;
      fields.insert(field);
    }
  }
  EXPECT_EQ(fields.size(), 19u);
  EXPECT_EQ(FieldOfKey("Title"), FIELD_NONE);
  EXPECT_EQ(FieldOfKey("image"), FIELD_NONE);
  EXPECT_EQ(FieldName("couleur"), "« couleur »");
}

TEST(QuizFieldsTest, EachFieldIsUsedByTheKindsAnswerCountsAndRevealModesThatShowIt) {
  for (int kind = 0; kind < 4; ++kind) {
    for (int answers = 1; answers <= 2; ++answers) {
      for (int mode = 0; mode < 5; ++mode) {
        const std::set<std::string> used = UsedKeys(kind, answers, mode);
        for (const auto* names : {&QUIZ_NAMES, &QUESTION_NAMES}) {
          for (const auto& entry : *names) {
            EXPECT_EQ(FieldUsed(FieldOfKey(entry.first), kind, answers, mode),
                      used.count(entry.first) == 1)
                << entry.first << " in " << kind << "/" << answers << "/" << mode;
          }
        }
      }
    }
  }
}

TEST(QuizFieldsTest, EveryKindNamesItsMedia) {
  const std::pair<const char*, const char*> kinds[] = {
      {"text", nullptr}, {"picture", "picture"}, {"audio", "sound"}, {"video", "film"}};
  for (int kind = 0; kind < 4; ++kind) {
    EXPECT_STREQ(KINDS[kind].name, kinds[kind].first);
    if (kinds[kind].second) {
      EXPECT_EQ(KINDS[kind].media, FieldOfKey(kinds[kind].second)) << kind;
      EXPECT_STREQ(MediaKey(static_cast<QuizKind>(kind)), kinds[kind].second);
    } else {
      EXPECT_EQ(KINDS[kind].media, FIELD_NONE);
      EXPECT_EQ(MediaKey(static_cast<QuizKind>(kind)), nullptr);
    }
  }
  EXPECT_STREQ(KindOf(7).name, "text");
}

// Every text and path is read from its key into its own member, and written back under it.
TEST(QuizFieldsTest, EveryTextAndPathIsReadAndWrittenUnderItsKey) {
  const nlohmann::json question = {
      {"answer1", "Paris"},          {"answer2", "Seine"},       {"questionText", "France"},
      {"revealText", "Tour Eiffel"}, {"picture", "p/paris.jpg"}, {"sound", "s/paris.mp3"},
      {"film", "f/paris.avi"},       {"answerPicture", "r/tour.jpg"}};
  const nlohmann::json json = {{"kind", "picture"},
                               {"title", "Villes"},
                               {"author", "Mme Roux"},
                               {"explanation", "La capitale"},
                               {"answer1Caption", "Ville"},
                               {"answer2Caption", "Fleuve"},
                               {"answersPerQuestion", 2},
                               {"revealMode", "textAndPicture"},
                               {"questions", {question}}};
  std::vector<Problem> problems;
  const QuizFile quiz = ReadQuizJson(json.dump(), problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(quiz.title, "Villes");
  EXPECT_EQ(quiz.author, "Mme Roux");
  EXPECT_EQ(quiz.explanation, "La capitale");
  EXPECT_EQ(quiz.answer1Caption, "Ville");
  EXPECT_EQ(quiz.answer2Caption, "Fleuve");
  ASSERT_EQ(quiz.questions.size(), 1u);
  const QuestionFile& read = quiz.questions[0];
  EXPECT_EQ(read.answer1, "Paris");
  EXPECT_EQ(read.answer2, "Seine");
  EXPECT_EQ(read.questionText, "France");
  EXPECT_EQ(read.revealText, "Tour Eiffel");
  EXPECT_EQ(read.picture, "p/paris.jpg");
  EXPECT_EQ(read.sound, "s/paris.mp3");
  EXPECT_EQ(read.film, "f/paris.avi");
  EXPECT_EQ(read.answerPicture, "r/tour.jpg");
  const nlohmann::json written = nlohmann::json::parse(WriteQuizJson(quiz));
  for (const char* key : {"title", "author", "explanation", "answer1Caption", "answer2Caption"}) {
    EXPECT_EQ(written.at(key), json.at(key)) << key;
  }
  EXPECT_EQ(written.at("questions").at(0), question);
}

// A path keeps what the author wrote; a text is composed (e + U+0301 becomes é).
TEST(QuizFieldsTest, PathsAreKeptAsWrittenAndTextsComposed) {
  const std::string decomposed = "e\xCC\x81";
  const nlohmann::json json = {
      {"kind", "picture"},
      {"title", "Caf" + decomposed},
      {"questions", {{{"answer1", "caf" + decomposed}, {"picture", "caf" + decomposed + ".jpg"}}}}};
  std::vector<Problem> problems;
  const QuizFile quiz = ReadQuizJson(json.dump(), problems);
  EXPECT_EQ(quiz.title, "Caf\xC3\xA9");
  EXPECT_EQ(quiz.questions.at(0).answer1, "caf\xC3\xA9");
  EXPECT_EQ(quiz.questions.at(0).picture, "caf" + decomposed + ".jpg");
}

}  // namespace
