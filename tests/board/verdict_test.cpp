// The verdict fields' colours, and which commands reach the media players.
#include "board/verdict.h"

#include <gtest/gtest.h>

#include "board/grading.h"
#include "board/media_command.h"
#include "quiz/quiz_definition.h"

namespace {

TEST(VerdictColour, ByVerdictText) {
  struct Case {
    const char* text;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {VERDICT_EMPTY, NO_VERDICT_COLOUR},
      {VERDICT_BRAVO, BoardColour(0, 255, 0)},
      {VERDICT_ANAGRAMME, BoardColour(255, 100, 0)},
      {VERDICT_QUASIMENT, BoardColour(255, 203, 38)},
      {VERDICT_PRESQUE, BoardColour(255, 203, 38)},
      {VERDICT_TROP_LONG, BoardColour(255, 203, 38)},
      {VERDICT_TROP_COURT, BoardColour(255, 203, 38)},
      {VERDICT_PAS_LOIN, BoardColour(255, 203, 38)},
      {VERDICT_YADE_LIDEE, BoardColour(255, 203, 38)},
      {VERDICT_FAUX, BoardColour(255, 0, 0)},
      // Texts compare exactly: anything else is a near miss.
      {"bravo", BoardColour(255, 203, 38)},
      {"BRAVO ", BoardColour(255, 203, 38)},
      {"", BoardColour(255, 203, 38)},
      {"??", BoardColour(255, 203, 38)},
  };
  for (const Case& c : cases) EXPECT_EQ(VerdictColour(c.text), c.colour) << c.text;
}

TEST(VerdictColour, IsACOLORREF) {
  EXPECT_EQ(BoardColour(255, 100, 0), 0x000064FFu);
  EXPECT_EQ(BoardColour(255, 255, 192), 0x00C0FFFFu);
}

TEST(IsBravo, OnlyTheExactText) {
  EXPECT_TRUE(IsBravo("BRAVO"));
  EXPECT_FALSE(IsBravo("BRAVOS"));
  EXPECT_FALSE(IsBravo("BRAV"));
  EXPECT_FALSE(IsBravo("Bravo"));
  EXPECT_FALSE(IsBravo(""));
}

TEST(MediaCommand, ClicksOnTheButtonsOfAudioAndVideoQuizzes) {
  struct Case {
    int kind;
    std::uint64_t command;
    MediaAction action;
    int question;
  };
  const std::uint64_t DOUBLE_CLICK = std::uint64_t{5} << 16;  // BN_DOUBLECLICKED
  const Case cases[] = {
      {KIND_AUDIO, 6001, MEDIA_PLAY_AUDIO, 1},
      {KIND_AUDIO, 6090, MEDIA_PLAY_AUDIO, 90},
      {KIND_AUDIO, 7001, MEDIA_STOP_AUDIO, 0},
      {KIND_AUDIO, 7090, MEDIA_STOP_AUDIO, 0},
      {KIND_VIDEO, 6042, MEDIA_PLAY_VIDEO, 42},
      {KIND_VIDEO, 7007, MEDIA_STOP_VIDEOS, 0},
      {KIND_AUDIO, 6000, MEDIA_NONE, 0},
      {KIND_AUDIO, 6091, MEDIA_NONE, 0},
      {KIND_VIDEO, 7000, MEDIA_NONE, 0},
      {KIND_VIDEO, 7091, MEDIA_NONE, 0},
      {KIND_AUDIO, 4001, MEDIA_NONE, 0},
      {KIND_AUDIO, DOUBLE_CLICK | 6001, MEDIA_NONE, 0},
      {KIND_VIDEO, DOUBLE_CLICK | 7001, MEDIA_NONE, 0},
      {KIND_VIDEO, (std::uint64_t{1} << 32) | 6001, MEDIA_NONE, 0},
      {KIND_TEXT, 6001, MEDIA_NONE, 0},
      {KIND_TEXT, 7001, MEDIA_NONE, 0},
      {KIND_PICTURE, 6001, MEDIA_NONE, 0},
      {KIND_PICTURE, 7090, MEDIA_NONE, 0},
  };
  for (const Case& c : cases) {
    MediaCommand command = MediaCommandFor(c.kind, c.command);
    EXPECT_EQ(command.action, c.action) << c.kind << " " << c.command;
    EXPECT_EQ(command.question, c.question) << c.kind << " " << c.command;
  }
}

}  // namespace
