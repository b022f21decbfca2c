// A video quiz's films on the real board with real AVI resources (made by ffmpeg) and the real
// media player control: one player per question hosted in its frame, "brela%d.avi" written and
// deleted while the board is built and written again on play, several films at once, any stop
// button stopping every film, and what the user is told of a missing or unwritable film.
#include <windows.h>

#include <wmp.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/process_state_win.h"
#include "board/media_win.h"
#include "tests/board/test_board.h"
#include "tests/support/message_recorder.h"
#include "tests/support/resource_bytes.h"
#include "tests/support/working_directory.h"

namespace {

constexpr char MISSING_FILM[] = "Impossible de localiser le fichier vidéo.";
constexpr char CANNOT_WRITE_FILM_1[] = "Impossible d'écrire le fichier vidéo brela1.avi.";

// Lets the players run for a while, handling the messages that drive them.
void RunFor(DWORD milliseconds) {
  DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    PumpMessages();
    Sleep(20);
  }
}

// A film plays when its position moves on; a stopped player has no position or keeps it.
bool Plays(int n) {
  double before = 0;
  double after = 0;
  if (!videoControls[n] || FAILED(videoControls[n]->get_currentPosition(&before))) return false;
  RunFor(400);
  return SUCCEEDED(videoControls[n]->get_currentPosition(&after)) && after > before;
}

std::string UrlOf(int n) {
  BSTR url = nullptr;
  if (!videoPlayers[n] || FAILED(videoPlayers[n]->get_URL(&url)) || !url) return "";
  char text[MAX_PATH] = "";
  WideCharToMultiByte(CP_ACP, 0, url, -1, text, sizeof text, nullptr, nullptr);
  SysFreeString(url);
  return text;
}

// attachControl's calls, handed on to the real function.
struct Attachment {
  IUnknown* control;
  HWND host;
  IUnknown** container;
};
std::vector<Attachment> attachments;
AttachControlFunction realAttach = nullptr;
HRESULT WINAPI RecordAttachment(IUnknown* control, HWND host, IUnknown** container) {
  attachments.push_back({control, host, container});
  return realAttach(control, host, container);
}

void ClickButton(HWND board, int id) {
  SendMessageA(board, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(board, id)));
  PumpMessages();
}

class VideoBoard : public ::testing::Test {
 protected:
  void SetUp() override {
    test_.Open();
    messages_.emplace();
  }
  void TearDown() override {
    StopAllVideos();
    RunFor(100);
  }

  void Click(int id) { ClickButton(test_.Board(), id); }
  std::vector<std::string> Texts() const { return messages_->Texts(); }

  ScopedWorkingDirectory directory_;
  TestBoard test_{{KIND_VIDEO, 3, 1, REVEAL_NONE}};  // 402 has no film
  std::optional<MessageRecorder> messages_;  // made after Open, which records on its own
};

TEST(TestFilms, AreAviFilesWithSoundAndPictures) {
  for (int id : {401, 403}) {
    std::string bytes = ResourceBytes(id);
    ASSERT_GT(bytes.size(), 1000u) << id;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF") << id;
    EXPECT_EQ(bytes.substr(8, 4), "AVI ") << id;
    EXPECT_NE(bytes.find("auds"), std::string::npos) << id;
    EXPECT_NE(bytes.find("vids"), std::string::npos) << id;
  }
  EXPECT_NE(ResourceBytes(401), ResourceBytes(403));
}

TEST_F(VideoBoard, BuildingMakesAPlayerPerQuestionAndTellsOfTheMissingFilmOnce) {
  ASSERT_EQ(test_.BuildMessages().size(), 1u);
  EXPECT_EQ(test_.BuildMessages()[0].text, MISSING_FILM);
  EXPECT_EQ(test_.BuildMessages()[0].title, "Information");
  for (int n = 1; n <= 3; ++n) {
    HWND frame = GetDlgItem(test_.Board(), 9900 + n);
    EXPECT_EQ(videoFrames[n], frame) << n;
    EXPECT_NE(videoPlayers[n], nullptr) << n;
    EXPECT_NE(videoControls[n], nullptr) << n;
    EXPECT_NE(GetDlgItem(test_.Board(), 4000 + n), nullptr) << n << ": the board goes on";
    EXPECT_FALSE(Plays(n)) << n;
  }
  EXPECT_EQ(UrlOf(1), "brela1.avi");
  EXPECT_EQ(UrlOf(2), "") << "no film, no file given";
  EXPECT_EQ(UrlOf(3), "brela3.avi");
  for (const char* name : {"brela1.avi", "brela2.avi", "brela3.avi"}) {
    EXPECT_FALSE(FileExists(name)) << name << ": deleted once given to the player";
  }
}

TEST(VideoPlayers, AreHostedInTheirFramesThroughTheControlHost) {
  PrepareVideoHost();
  ASSERT_NE(attachControl, nullptr);
  ScopedWorkingDirectory directory;
  realAttach = attachControl;
  attachControl = RecordAttachment;
  attachments.clear();
  TestBoard test({KIND_VIDEO, 3, 1, REVEAL_NONE});
  test.Open();
  attachControl = realAttach;
  ASSERT_EQ(attachments.size(), 3u);
  for (int n = 1; n <= 3; ++n) {
    const Attachment& attached = attachments[n - 1];
    EXPECT_EQ(attached.control, static_cast<IUnknown*>(videoPlayers[n])) << n;
    EXPECT_EQ(attached.host, GetDlgItem(test.Board(), 9900 + n)) << n;
    EXPECT_EQ(attached.container, nullptr) << n;
  }
}

TEST_F(VideoBoard, PlayWritesTheFilmAgainAndPlaysIt) {
  Click(6001);
  EXPECT_EQ(ReadWholeFile("brela1.avi"), ResourceBytes(401));
  EXPECT_FALSE(FileExists("brela3.avi"));
  EXPECT_TRUE(Plays(1));
  EXPECT_FALSE(Plays(3));
  EXPECT_TRUE(Texts().empty());
}

TEST_F(VideoBoard, SeveralFilmsPlayAtOnceAndAnyStopButtonStopsThemAll) {
  for (int stop : {7002, 7001, 7090}) {
    Click(6001);
    Click(6003);
    EXPECT_EQ(ReadWholeFile("brela3.avi"), ResourceBytes(403));
    EXPECT_TRUE(Plays(1)) << stop;
    EXPECT_TRUE(Plays(3)) << stop;
    Click(stop);
    EXPECT_FALSE(Plays(1)) << stop;
    EXPECT_FALSE(Plays(3)) << stop;
  }
  EXPECT_TRUE(Texts().empty());
}

TEST_F(VideoBoard, PlayOfAQuestionWithoutFilmTellsItAgain) {
  Click(6002);
  Click(6002);
  EXPECT_EQ(Texts(), std::vector<std::string>({MISSING_FILM, MISSING_FILM}));
  EXPECT_FALSE(FileExists("brela2.avi"));
  EXPECT_FALSE(Plays(2));
}

TEST_F(VideoBoard, AFilmThatCannotBeWrittenIsToldAndDoesNotPlay) {
  ASSERT_TRUE(CreateDirectoryA("brela1.avi", nullptr));
  Click(6001);
  EXPECT_EQ(Texts(), std::vector<std::string>({CANNOT_WRITE_FILM_1}));
  EXPECT_FALSE(Plays(1));
  RemoveDirectoryA("brela1.avi");
}

// The stop buttons reach every slot: in a full quiz the film of question 90 stops with the others.
TEST(NinetyFilms, AnyStopButtonStopsTheFilmOfTheLastQuestionToo) {
  ScopedWorkingDirectory directory;
  TestBoard test({KIND_VIDEO, MAX_QUESTIONS, 1, REVEAL_NONE});
  test.Open();  // every question but 1, 3 and 90 tells of its missing film
  EXPECT_EQ(test.BuildMessages().size(), size_t{MAX_QUESTIONS - 3});
  ClickButton(test.Board(), 6001);
  ClickButton(test.Board(), 6090);
  EXPECT_EQ(ReadWholeFile("brela90.avi"), ResourceBytes(490));
  EXPECT_TRUE(Plays(1));
  EXPECT_TRUE(Plays(90));
  ClickButton(test.Board(), 7045);
  EXPECT_FALSE(Plays(1));
  EXPECT_FALSE(Plays(90));
}

// Holds a file open for reading without write sharing, as the media player control may hold the
// film it has loaded or is playing.
class HeldOpen {
 public:
  explicit HeldOpen(const char* name)
      : file_(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldOpen() {
    if (IsOpen()) CloseHandle(file_);
  }
  HeldOpen(const HeldOpen&) = delete;
  HeldOpen& operator=(const HeldOpen&) = delete;
  bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE file_;
};

// The file cannot be written while it is held, but it already holds the film: play and play again
// after a stop, as if it had been written.
TEST_F(VideoBoard, AFilmHeldOpenWithItsOwnBytesPlaysAgainWithoutAWord) {
  WriteWholeFile("brela1.avi", ResourceBytes(401));
  HeldOpen held("brela1.avi");
  ASSERT_TRUE(held.IsOpen());
  for (int round = 1; round <= 2; ++round) {
    Click(6001);
    EXPECT_TRUE(Plays(1)) << round;
    Click(7003);
    EXPECT_FALSE(Plays(1)) << round;
  }
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(ReadWholeFile("brela1.avi"), ResourceBytes(401));
}

// A held file that cannot be made whole is told, and nothing plays.
TEST_F(VideoBoard, AFilmHeldOpenWithOtherBytesIsToldAndDoesNotPlay) {
  const std::string film = ResourceBytes(401);
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"another film", ResourceBytes(403)},
      {"the film cut short", film.substr(0, film.size() - 1)},
      {"the film and one byte more", film + "x"},
      {"the film with its last byte changed", film.substr(0, film.size() - 1) + "x"},
      {"an empty file", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteWholeFile("brela1.avi", c.bytes);
    HeldOpen held("brela1.avi");
    ASSERT_TRUE(held.IsOpen());
    messages_.emplace();
    Click(6001);
    EXPECT_EQ(Texts(), std::vector<std::string>({CANNOT_WRITE_FILM_1}));
    EXPECT_FALSE(Plays(1));
    EXPECT_EQ(ReadWholeFile("brela1.avi"), c.bytes);
  }
}

// Start-up leaves attachControl empty when atl.dll lacks it: the player is made, hosted nowhere.
TEST_F(VideoBoard, WithoutTheControlHostThePlayerIsMadeButNotHosted) {
  AttachControlFunction saved = attachControl;
  attachControl = nullptr;
  HWND frame = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 200, 150,
                               test_.Board(), nullptr, appInstance, nullptr);
  EXPECT_TRUE(SetUpVideoPlayer(4, frame));
  attachControl = saved;
  EXPECT_NE(videoControls[4], nullptr);
  EXPECT_EQ(Texts(), std::vector<std::string>({MISSING_FILM}));  // "IMG" 404 is missing too
}

struct PlayerSetUpCall {
  HWND frame;
  bool made;
};

// A thread's entry point is WINAPI (stdcall on 32-bit Windows), which no lambda converts to.
DWORD WINAPI SetUpPlayerFiveOnThread(void* parameter) {
  auto call = static_cast<PlayerSetUpCall*>(parameter);
  call->made = SetUpVideoPlayer(5, call->frame);
  return 0;
}

// A thread without COM cannot make the player: the set-up says so, and says nothing else.
TEST_F(VideoBoard, APlayerThatCannotBeMadeEndsTheSetUpSilently) {
  PlayerSetUpCall call{GetDlgItem(test_.Board(), 9903), true};
  HANDLE thread = CreateThread(nullptr, 0, SetUpPlayerFiveOnThread, &call, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  EXPECT_FALSE(call.made);
  EXPECT_EQ(videoPlayers[5], nullptr);
  EXPECT_EQ(videoControls[5], nullptr);
  EXPECT_TRUE(Texts().empty());
}

}  // namespace
