// Start-up of the player: the quiz, the main window and its board, the message loop, the clean-up.
#include "app/startup_win.h"

#include <new>

#include "app/main_window_win.h"
#include "base/message.h"
#include "base/message_win.h"
#include "base/process_state_win.h"
#include "base/resource_ids.h"
#include "board/board_win.h"
#include "board/media_win.h"
#include "quiz/load_quiz_win.h"

namespace {

// The control host that video quizzes need; without it the player cannot run such a quiz.
HMODULE LoadVideoHost() {
  HMODULE atl = LoadLibraryA("atl.dll");
  if (!atl) return nullptr;
  attachControl = reinterpret_cast<AttachControlFunction>(
      reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxAttachControl")));
  CoInitialize(nullptr);
  return atl;
}

// Every name a film can have, whatever the quiz's question count.
void DeleteVideoFiles() {
  for (int n = 1; n <= MAX_QUESTIONS; ++n) {
    char name[32];
    wsprintfA(name, VIDEO_FILE_FORMAT, n);
    DeleteFileA(name);
  }
}

int RunMessageLoop() {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void ReleaseVideoHost(HMODULE videoHost, HWND mainWindow) {
  DeleteVideoFiles();
  DestroyWindow(mainWindow);
  CoUninitialize();
  FreeLibrary(videoHost);
}

int RunQuiz(HINSTANCE instance, int showCommand) {
  if (!RegisterMainWindowClass(instance)) return 0;
  HMODULE videoHost = nullptr;
  if (theQuiz->kind == KIND_VIDEO) {
    videoHost = LoadVideoHost();
    if (!videoHost) return 1;
  }
  HWND mainWindow = CreateMainWindow(instance, *theQuiz);
  int exitCode = 0;
  // Without a main window no one could ever post the quit message.
  if (mainWindow) {
    OpenWindows(instance, mainWindow, showCommand);
    exitCode = RunMessageLoop();
  }
  if (videoHost) ReleaseVideoHost(videoHost, mainWindow);
  return exitCode;
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND);
  windowClass.lpszClassName = MAIN_WINDOW_CLASS;
  return RegisterClassExA(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, const QuizDefinition& quiz) {
  return CreateWindowExA(0, MAIN_WINDOW_CLASS, quiz.title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, nullptr, nullptr,
                         instance, nullptr);
}

void CentreOnDesktop(HWND window) {
  RECT desktop;
  RECT own;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window, &own);
  int x = desktop.left + ((desktop.right - desktop.left) - (own.right - own.left)) / 2;
  int y = desktop.top + ((desktop.bottom - desktop.top) - (own.bottom - own.top)) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

HWND CreateBoard(HINSTANCE instance, HWND mainWindow) {
  boardDialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_BOARD), mainWindow,
                                   BoardDialogProc, 0);
  return boardDialog;
}

HWND OpenWindows(HINSTANCE instance, HWND mainWindow, int showCommand) {
  CentreOnDesktop(mainWindow);
  HWND board = CreateBoard(instance, mainWindow);
  ShowWindow(mainWindow, showCommand);
  ShowWindow(board, showCommand);
  FocusFirstAnswerField(board);
  return board;
}

int RunPlayer(HINSTANCE instance, int showCommand) {
  SetMessageSink(ShowMessageBox);
  appInstance = instance;
  QuizDefinition* quiz = new (std::nothrow) QuizDefinition;
  if (!quiz) return 0;
  theQuiz = quiz;
  LoadQuiz(*quiz, instance);
  int exitCode = RunQuiz(instance, showCommand);
  theQuiz = nullptr;
  delete quiz;
  return exitCode;
}
