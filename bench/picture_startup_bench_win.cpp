// Times the start-up of a picture quiz of 90 questions whose pictures are 1024 x 768 JPEGs,
// against the platform's floor measured in the same run: a trivial window's start plus 90 decodes
// of the same JPEG through OleLoadPicture. Prints medians; a program to run, not a test.
#include <windows.h>

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/resource_ids.h"
#include "picture/picture_win.h"
#include "tests/support/player_process.h"
#include "tests/support/test_quiz.h"
#include "tests/support/working_directory.h"

namespace {

constexpr int RUNS = 7;
constexpr int QUESTIONS = 90;
constexpr char TRIVIAL_SWITCH[] = "BRELA_TRIVIAL_WINDOW";

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median of RUNS timings of the action (milliseconds); negative when one failed.
double Median(const std::function<double()>& action) {
  std::vector<double> times;
  for (int run = 0; run < RUNS; ++run) {
    double time = action();
    if (time < 0) return -1;
    times.push_back(time);
  }
  std::sort(times.begin(), times.end());
  return times[RUNS / 2];
}

// A window procedure is CALLBACK (stdcall on 32-bit Windows), which no lambda converts to.
LRESULT CALLBACK TrivialWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// As the player shows itself: a "WindowsApp" main window with a child dialog, until closed.
int RunTrivialWindow(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = TrivialWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "WindowsApp";
  RegisterClassExA(&windowClass);
  HWND main = CreateWindowExA(0, "WindowsApp", "trivial", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 870, 650, nullptr, nullptr, instance, nullptr);
  HWND child = CreateWindowExA(0, "#32770", "", WS_CHILD, 5, 50, 850, 580, main, nullptr, instance,
                               nullptr);
  ShowWindow(main, SW_SHOWNORMAL);
  ShowWindow(child, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

double TimeOneStart(const std::string& executable, const std::string& directory,
                    const std::string& environment = "") {
  RunningPlayer player{};
  std::vector<ShownMessage> messages;
  double start = Now();
  if (!StartPlayer(executable, directory, player, environment)) return -1;
  HWND mainWindow = WaitForMainWindow(player, messages, 60000);
  double shown = Now();
  if (mainWindow) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  DWORD exitCode = WaitForExit(player);
  return mainWindow && messages.empty() && exitCode == 0 ? shown - start : -1;
}

bool AddPictures(const std::string& executable, const std::string& jpeg) {
  HANDLE update = BeginUpdateResourceA(executable.c_str(), FALSE);
  if (!update) return false;
  bool added = true;
  for (int n = 1; n <= QUESTIONS && added; ++n) {
    added = UpdateResourceA(update, MEDIA_RESOURCE_TYPE, MAKEINTRESOURCEA(IDR_MEDIA_BASE + n),
                            MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                            const_cast<char*>(jpeg.data()), static_cast<DWORD>(jpeg.size()));
  }
  return EndUpdateResourceA(update, !added) && added;
}

bool MakePictureQuiz(const std::string& copy, const std::string& jpeg) {
  QuizDefinition quiz;
  FillTestQuiz(quiz, {KIND_PICTURE, QUESTIONS, 1, REVEAL_NONE});
  return MakePlayerCopy(BRELA_PLAYER_PATH, copy, &quiz) && AddPictures(copy, jpeg);
}

// The platform alone: the JPEG through OleLoadPicture 90 times, COM set up once.
double TimeDecodes(const std::string& jpeg) {
  double start = Now();
  for (int n = 0; n < QUESTIONS; ++n) {
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, jpeg.size());
    std::memcpy(block, jpeg.data(), jpeg.size());
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(block, TRUE, &stream);
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(jpeg.size()), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture)))) {
      return -1;
    }
    picture->Release();
    stream->Release();
  }
  return Now() - start;
}

// The player's own loading, in this process, to show where its time goes.
double TimeLoads(HMODULE pictures, bool scale) {
  double start = Now();
  for (int n = 1; n <= QUESTIONS; ++n) {
    HBITMAP bitmap = nullptr;
    if (scale) {
      bitmap = LoadScaledPicture(pictures, IDR_MEDIA_BASE + n, MEDIA_RESOURCE_TYPE, 260, 260);
    } else {
      HRSRC found = FindResourceA(pictures, MAKEINTRESOURCEA(IDR_MEDIA_BASE + n), MEDIA_RESOURCE_TYPE);
      bitmap = DecodePicture(LockResource(LoadResource(pictures, found)),
                             SizeofResource(pictures, found));
    }
    if (!bitmap) return -1;
    DeleteObject(bitmap);
  }
  return Now() - start;
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (std::getenv(TRIVIAL_SWITCH)) return RunTrivialWindow(instance);

  std::string jpeg = ReadWholeFile(BRELA_PHOTO_PATH);
  if (jpeg.size() < 4 || jpeg.compare(0, 4, "\xFF\xD8\xFF\xE0") != 0) {
    std::printf("no JFIF JPEG at %s\n", BRELA_PHOTO_PATH);
    return 1;
  }
  ScopedWorkingDirectory directory;
  std::string copy = directory.Path() + "\\images.exe";
  if (!MakePictureQuiz(copy, jpeg)) {
    std::printf("cannot make %s\n", copy.c_str());
    return 1;
  }
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string trivialSwitch = std::string(TRIVIAL_SWITCH) + "=1";
  // A window of this process keeps the desktop open between starts, as on a user's machine.
  HWND keeper = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                                nullptr);
  TimeOneStart(copy, directory.Path());  // warms the file cache and the window system
  TimeOneStart(self, directory.Path(), trivialSwitch);

  double player = Median([&] { return TimeOneStart(copy, directory.Path()); });
  double trivial = Median([&] { return TimeOneStart(self, directory.Path(), trivialSwitch); });
  CoInitialize(nullptr);
  double decodes = Median([&] { return TimeDecodes(jpeg); });
  CoUninitialize();
  HMODULE pictures = LoadLibraryExA(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  double decodeCopies = Median([&] { return TimeLoads(pictures, false); });
  double loads = Median([&] { return TimeLoads(pictures, true); });
  FreeLibrary(pictures);
  DestroyWindow(keeper);

  double floor = trivial + decodes;
  std::printf("JPEG: %zu bytes, 1024 x 768; medians of %d runs\n", jpeg.size(), RUNS);
  std::printf("picture quiz of %d questions, start to shown board: %.0f ms\n", QUESTIONS, player);
  std::printf("floor: trivial window start %.0f ms + %d OleLoadPicture decodes %.0f ms = %.0f ms\n",
              trivial, QUESTIONS, decodes, floor);
  std::printf("ratio player / floor: %.2f\n", floor > 0 ? player / floor : 0.0);
  std::printf("in process, %d x DecodePicture (decode and copy, COM per call): %.0f ms\n",
              QUESTIONS, decodeCopies);
  std::printf("in process, %d x LoadScaledPicture (decode, copy, halftone scale): %.0f ms\n",
              QUESTIONS, loads);
  return player < 0 || trivial < 0 || decodes < 0 ? 1 : 0;
}
