// An audio quiz's sounds on the real board with real MP3 resources (spoken by espeak-ng): the file
// "brela.mp3" written and deleted at the right moments, one MCI window at a time, any stop button
// stopping it, and what the user is told when a sound is missing or cannot be written.
#include <windows.h>

#include <vfw.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/process_state_win.h"
#include "board/media_win.h"
#include "tests/board/test_board.h"
#include "tests/support/message_recorder.h"
#include "tests/support/resource_bytes.h"
#include "tests/support/working_directory.h"

namespace {

constexpr char SOUND_FILE[] = "brela.mp3";

class AudioBoard : public ::testing::Test {
 protected:
  void SetUp() override {
    test_.Open();
    ASSERT_TRUE(test_.BuildMessages().empty());
    messages_.emplace();
  }
  void TearDown() override { StopAudio(); }

  void Click(int id) {
    HWND board = test_.Board();
    SendMessageA(board, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(board, id)));
  }
  static LONG Mode() { return static_cast<LONG>(SendMessageA(audioWindow, MCIWNDM_GETMODEA, 0, 0)); }

  ScopedWorkingDirectory directory_;
  TestBoard test_{{KIND_AUDIO, 9, 1, REVEAL_NONE}};
  std::optional<MessageRecorder> messages_;  // made after Open, which records on its own
};

TEST(TestSounds, AreMp3Files) {
  for (int id : {401, 402, 403}) {
    std::string bytes = ResourceBytes(id);
    ASSERT_GT(bytes.size(), 10000u) << id;
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << id << ": an MPEG frame comes first";
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]) & 0xE0, 0xE0) << id;
  }
  EXPECT_NE(ResourceBytes(401), ResourceBytes(403));
}

TEST_F(AudioBoard, PlayWritesTheSoundAndPlaysItInAHiddenWindowOfTheBoard) {
  EXPECT_FALSE(FileExists(SOUND_FILE));
  Click(6001);
  ASSERT_NE(audioWindow, nullptr);
  EXPECT_TRUE(IsWindow(audioWindow));
  EXPECT_EQ(GetParent(audioWindow), test_.Board());
  EXPECT_FALSE(IsWindowVisible(audioWindow));
  EXPECT_TRUE(GetWindowLongA(audioWindow, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(Mode(), MCI_MODE_PLAY);
  EXPECT_EQ(ReadWholeFile(SOUND_FILE), ResourceBytes(401));
  EXPECT_TRUE(messages_->Messages().empty());
}

TEST_F(AudioBoard, PlayingQuestionThreeWhileQuestionOnePlaysReplacesIt) {
  Click(6001);
  HWND first = audioWindow;
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(Mode(), MCI_MODE_PLAY);
  Click(6003);
  EXPECT_FALSE(IsWindow(first)) << "the first window is closed";
  ASSERT_NE(audioWindow, nullptr);
  EXPECT_NE(audioWindow, first);
  EXPECT_EQ(Mode(), MCI_MODE_PLAY);
  EXPECT_EQ(ReadWholeFile(SOUND_FILE), ResourceBytes(403));
  EXPECT_TRUE(messages_->Messages().empty());
}

TEST_F(AudioBoard, AnyStopButtonStopsTheSoundAndDeletesItsFile) {
  for (int stop : {7002, 7007, 7001, 7090}) {
    Click(6002);
    HWND playing = audioWindow;
    ASSERT_NE(playing, nullptr) << stop;
    ASSERT_EQ(Mode(), MCI_MODE_PLAY) << stop;
    Click(stop);
    EXPECT_EQ(audioWindow, nullptr) << stop;
    EXPECT_FALSE(IsWindow(playing)) << stop;
    EXPECT_FALSE(FileExists(SOUND_FILE)) << stop;
  }
  EXPECT_TRUE(messages_->Messages().empty());
}

TEST_F(AudioBoard, StopWithNothingPlayingTouchesNoFile) {
  WriteWholeFile(SOUND_FILE, "pas un son");
  Click(7003);
  EXPECT_EQ(ReadWholeFile(SOUND_FILE), "pas un son");
  Click(6001);
  Click(7001);
  Click(7001);  // the second stop finds nothing playing
  EXPECT_FALSE(FileExists(SOUND_FILE));
  WriteWholeFile(SOUND_FILE, "encore");
  Click(7005);
  EXPECT_EQ(ReadWholeFile(SOUND_FILE), "encore");
  EXPECT_TRUE(messages_->Messages().empty());
}

TEST_F(AudioBoard, AMissingSoundIsToldAndNothingPlays) {
  Click(6001);
  HWND first = audioWindow;
  Click(6004);
  ASSERT_EQ(messages_->Messages().size(), 1u);
  EXPECT_EQ(messages_->Messages()[0].text, "Impossible de localiser le fichier audio.");
  EXPECT_EQ(messages_->Messages()[0].title, "Information");
  EXPECT_FALSE(IsWindow(first)) << "the sound that played is stopped first";
  EXPECT_EQ(audioWindow, nullptr);
  EXPECT_FALSE(FileExists(SOUND_FILE));
}

TEST_F(AudioBoard, ASoundFileThatCannotBeWrittenIsToldAndNothingPlays) {
  ASSERT_TRUE(CreateDirectoryA(SOUND_FILE, nullptr));
  Click(6001);
  ASSERT_EQ(messages_->Messages().size(), 1u);
  EXPECT_EQ(messages_->Messages()[0].text, "Impossible d'écrire le fichier audio brela.mp3.");
  EXPECT_EQ(messages_->Messages()[0].title, "Information");
  EXPECT_EQ(audioWindow, nullptr);
  RemoveDirectoryA(SOUND_FILE);
  Click(6001);  // the folder gone, the sound plays
  EXPECT_EQ(Mode(), MCI_MODE_PLAY);
  EXPECT_EQ(messages_->Messages().size(), 1u);
}

TEST_F(AudioBoard, ClosingTheMainWindowDeletesTheSoundFile) {
  Click(6003);
  ASSERT_TRUE(FileExists(SOUND_FILE));
  SendMessageA(test_.Main(), WM_CLOSE, 0, 0);
  PumpMessages();
  EXPECT_FALSE(FileExists(SOUND_FILE));
}

TEST(ExtractMedia, WritesTheResourceUnderTheFileNameOfItsType) {
  ScopedWorkingDirectory directory;
  MessageRecorder messages;
  appInstance = GetModuleHandleA(nullptr);
  EXPECT_EQ(ExtractMedia(401, MEDIA_AUDIO), 1);
  EXPECT_EQ(ReadWholeFile("brela.mp3"), ResourceBytes(401));
  EXPECT_EQ(ExtractMedia(403, MEDIA_AUDIO), 1);
  EXPECT_EQ(ReadWholeFile("brela.mp3"), ResourceBytes(403)) << "replaced whole";
  EXPECT_EQ(ExtractMedia(402, MEDIA_VIDEO), 1);
  EXPECT_EQ(ReadWholeFile("brela2.avi"), ResourceBytes(402)) << "named by id - 400";
  EXPECT_EQ(ExtractMedia(404, MEDIA_VIDEO), 0);
  EXPECT_FALSE(FileExists("brela4.avi"));
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, "Impossible de localiser le fichier vidéo.");
  EXPECT_EQ(messages.Messages()[0].title, "Information");
}

}  // namespace
