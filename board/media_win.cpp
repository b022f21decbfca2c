// Media playback of the audio and video quizzes: the question's resource written to a file in the
// current directory, played by an MCI window (sound) or a media player control (film).
#include "board/media_win.h"

#include <vfw.h>
#include <wmp.h>

#include <cstring>

#include "base/late_bound_win.h"
#include "base/message.h"
#include "base/process_state_win.h"
#include "base/raii_win.h"
#include "base/resource_ids.h"

HWND audioWindow = nullptr;
HWND videoFrames[MAX_QUESTIONS + 1] = {};
IWMPPlayer* videoPlayers[MAX_QUESTIONS + 1] = {};
IWMPControls* videoControls[MAX_QUESTIONS + 1] = {};

namespace {

// The media player control and its player interface; libuuid does not carry them.
constexpr CLSID MEDIA_PLAYER_CLSID = {
    0x6BF52A52, 0x394A, 0x11D3, {0xB1, 0x53, 0x00, 0xC0, 0x4F, 0x79, 0xFA, 0xA6}};
constexpr IID MEDIA_PLAYER_IID = {
    0x6BF52A4F, 0x394A, 0x11D3, {0xB1, 0x53, 0x00, 0xC0, 0x4F, 0x79, 0xFA, 0xA6}};
constexpr DWORD PLAYER_CONTEXT = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

constexpr UINT MCI_PLAY_MESSAGE = 0x0806;
constexpr UINT MCI_STOP_MESSAGE = 0x0808;
constexpr int NAME_SIZE = 261;

constexpr char MESSAGE_TITLE[] = "Information";

struct MediaTexts {
  const char* notFound;
  const char* cannotLoad;
  const char* cannotWrite;  // formatted with the file name
};

constexpr MediaTexts AUDIO_TEXTS = {"Impossible de localiser le fichier audio.",
                                    "Impossible de charger le fichier audio.",
                                    "Impossible d'écrire le fichier audio %s."};
constexpr MediaTexts VIDEO_TEXTS = {"Impossible de localiser le fichier vidéo.",
                                    "Impossible de charger le fichier vidéo.",
                                    "Impossible d'écrire le fichier vidéo %s."};

bool IsQuestion(int n) { return n >= 1 && n <= MAX_QUESTIONS; }

void VideoFileName(int n, char* name) { wsprintfA(name, VIDEO_FILE_FORMAT, n); }

void MediaFileName(int id, int mediaType, char* name) {
  if (mediaType == MEDIA_AUDIO) {
    lstrcpyA(name, AUDIO_FILE_NAME);
  } else {
    VideoFileName(id - IDR_MEDIA_BASE, name);
  }
}

bool FileInUse(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Whether the file holds exactly these bytes; read beside whoever holds it open.
bool FileHolds(const char* name, const void* bytes, DWORD size) {
  constexpr DWORD ANY_SHARING = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE file = CreateFileA(name, GENERIC_READ, ANY_SHARING, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER length = {};
  bool same = GetFileSizeEx(file, &length) && length.QuadPart == size;
  const auto* expected = static_cast<const unsigned char*>(bytes);
  for (DWORD offset = 0; same && offset < size;) {
    unsigned char chunk[16384];
    DWORD wanted = size - offset < sizeof chunk ? size - offset : DWORD{sizeof chunk};
    DWORD read = 0;
    same = ReadFile(file, chunk, wanted, &read, nullptr) && read == wanted &&
           std::memcmp(chunk, expected + offset, read) == 0;
    offset += read;
  }
  CloseHandle(file);
  return same;
}

// A file cut short is removed rather than left for a player to choke on. The media player
// control may keep its film open without write sharing while it is loaded or playing: a file in
// use that already holds the question's bytes is whole as it is, and plays again.
bool WriteMediaFile(const char* name, const void* bytes, DWORD size) {
  HANDLE file =
      CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return FileInUse(GetLastError()) && FileHolds(name, bytes, size);
  }
  DWORD written = 0;
  bool whole = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  whole = CloseHandle(file) && whole;
  if (!whole) DeleteFileA(name);
  return whole;
}

void ShowCannotWrite(const MediaTexts& texts, const char* name) {
  char text[128];
  wsprintfA(text, texts.cannotWrite, name);
  ShowMessage(text, MESSAGE_TITLE);
}

// A BSTR of the text in the ANSI code page; null when it cannot be made.
BSTR AnsiToBstr(const char* text) {
  wchar_t wide[NAME_SIZE];
  if (!MultiByteToWideChar(CP_ACP, 0, text, -1, wide, NAME_SIZE)) return nullptr;
  return SysAllocString(wide);
}

void SetUiModeNone(IWMPPlayer* player) {
  ScopedBstr mode(AnsiToBstr("none"));
  if (mode.Get()) player->put_uiMode(mode.Get());
}

// The player reads its file when given the URL; the file goes at once and comes back on play.
void LoadVideoFile(int n) {
  if (!ExtractMedia(IDR_MEDIA_BASE + n, MEDIA_VIDEO)) return;
  char name[NAME_SIZE];
  VideoFileName(n, name);
  ScopedBstr url(AnsiToBstr(name));
  if (url.Get()) videoPlayers[n]->put_URL(url.Get());
  if (videoControls[n]) videoControls[n]->stop();
  DeleteFileA(name);
}

}  // namespace

int ExtractMedia(int id, int mediaType) {
  const MediaTexts& texts = mediaType == MEDIA_AUDIO ? AUDIO_TEXTS : VIDEO_TEXTS;
  HRSRC found = FindResourceA(appInstance, MAKEINTRESOURCEA(id), MEDIA_RESOURCE_TYPE);
  if (!found) {
    ShowMessage(texts.notFound, MESSAGE_TITLE);
    return 0;
  }
  DWORD size = SizeofResource(appInstance, found);
  HGLOBAL loaded = LoadResource(appInstance, found);
  if (!loaded) {
    ShowMessage(texts.cannotLoad, MESSAGE_TITLE);
    return 0;
  }
  const void* bytes = LockResource(loaded);
  if (!bytes) return 0;
  char name[NAME_SIZE];
  MediaFileName(id, mediaType, name);
  if (!WriteMediaFile(name, bytes, size)) {
    ShowCannotWrite(texts, name);
    return 0;
  }
  return 1;
}

void StopAudio() {
  if (!audioWindow) return;
  SendMessageA(audioWindow, MCI_STOP_MESSAGE, 0, 0);
  SendMessageA(audioWindow, WM_CLOSE, 0, 0);
  audioWindow = nullptr;
  DeleteFileA(AUDIO_FILE_NAME);
}

void PlayAudio(int n) {
  StopAudio();
  if (!ExtractMedia(IDR_MEDIA_BASE + n, MEDIA_AUDIO)) return;
  auto createWindow = reinterpret_cast<decltype(&MCIWndCreateA)>(
      reinterpret_cast<void*>(LateBoundFunction("msvfw32.dll", "MCIWndCreateA")));
  if (!createWindow) return;
  audioWindow = createWindow(boardDialog, appInstance, WS_CHILD | MCIWNDF_NOMENU, AUDIO_FILE_NAME);
  if (!audioWindow) return;
  // Given a parent, the MCI window makes itself visible: a control bar over the board's corner.
  ShowWindow(audioWindow, SW_HIDE);
  SendMessageA(audioWindow, MCI_PLAY_MESSAGE, 0, 0);
}

bool SetUpVideoPlayer(int n, HWND frame) {
  if (!IsQuestion(n)) return false;
  videoFrames[n] = frame;
  if (CoCreateInstance(MEDIA_PLAYER_CLSID, nullptr, PLAYER_CONTEXT, MEDIA_PLAYER_IID,
                       reinterpret_cast<void**>(&videoPlayers[n])) != S_OK) {
    videoPlayers[n] = nullptr;
    return false;
  }
  // Without the control host the player lives on, shown nowhere.
  if (attachControl) attachControl(videoPlayers[n], frame, nullptr);
  videoControls[n] = nullptr;
  videoPlayers[n]->get_controls(&videoControls[n]);
  SetUiModeNone(videoPlayers[n]);
  LoadVideoFile(n);
  return true;
}

void PlayVideo(int n) {
  if (!IsQuestion(n)) return;
  if (ExtractMedia(IDR_MEDIA_BASE + n, MEDIA_VIDEO) && videoControls[n]) videoControls[n]->play();
}

void StopAllVideos() {
  for (int n = 1; n <= MAX_QUESTIONS; ++n) {
    if (videoControls[n]) videoControls[n]->stop();
  }
}
