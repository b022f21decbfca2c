// The platform's floor for the player's start: the least a program must do to show what the
// player shows, and nothing of a quiz. It opens a main window like the player's (class
// "WindowsApp", 870 x 650, centred, its 14 header controls) and in it, from the board's own dialog
// template, a child dialog with as many controls as the player's board, statics and edits each
// given the GUI font:
//   startup_floor text           the 600 of a text quiz of 90 questions with two answers;
//   startup_floor pictures FILE  the 360 of a picture quiz of 90 questions with one answer, each
//                                picture frame showing the JPEG FILE decoded (OleLoadPicture,
//                                CopyImage) and stretched (HALFTONE) into the 260-pixel box.
// It runs until its main window is closed. The start-up benchmark times it beside the player.
#include <windows.h>

#include <ole2.h>
#include <olectl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/resource_ids.h"

namespace {

constexpr int QUESTIONS = 90;
constexpr int BOX = 260;

std::string picture;  // the JPEG's bytes, for the picture board

std::string ReadFileBytes(const char* name) {
  std::string bytes;
  if (std::FILE* file = std::fopen(name, "rb")) {
    char chunk[65536];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, count);
    std::fclose(file);
  }
  return bytes;
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND Control(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
             int width, int height) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), TRUE);
  return control;
}

// The JPEG decoded as the player decodes it, and stretched to fit the box.
HBITMAP DecodeAndScale() {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, picture.size());
  std::memcpy(block, picture.data(), picture.size());
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(block, TRUE, &stream);
  IPicture* decoded = nullptr;
  OleLoadPicture(stream, static_cast<LONG>(picture.size()), FALSE, IID_IPicture,
                 reinterpret_cast<void**>(&decoded));
  OLE_HANDLE handle = 0;
  decoded->get_Handle(&handle);
  auto full = static_cast<HBITMAP>(CopyImage(
      reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle))), IMAGE_BITMAP, 0,
      0, 0));
  decoded->Release();
  stream->Release();
  BITMAP size = {};
  GetObjectA(full, sizeof size, &size);
  int width = BOX;
  int height = size.bmHeight * BOX / size.bmWidth;
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen);
  HDC to = CreateCompatibleDC(screen);
  HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ oldFrom = SelectObject(from, full);
  HGDIOBJ oldTo = SelectObject(to, scaled);
  SetStretchBltMode(to, HALFTONE);
  StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  SelectObject(from, oldFrom);
  SelectObject(to, oldTo);
  DeleteDC(from);
  DeleteDC(to);
  ReleaseDC(nullptr, screen);
  DeleteObject(full);
  return scaled;
}

// Captions, then per question its wording, number, and two answer and verdict fields.
void FillTextBoard(HWND board) {
  for (int row = 0; row < QUESTIONS / 3; ++row) {
    Control(board, "Static", "R\xE9ponse 1", 0, 3, 0, 95, 20);
    Control(board, "Static", "R\xE9ponse 2", 0, 3, 20, 95, 20);
  }
  for (int n = 1; n <= QUESTIONS; ++n) {
    int top = 25 * n - 15;
    Control(board, "Static", ("Question " + std::to_string(n) + " ?").c_str(),
            WS_BORDER | SS_CENTER, 50, top, 550, 20);
    Control(board, "Static", (std::to_string(n) + ".").c_str(), SS_RIGHT, 30, top + 3, 19, 17);
    for (int j = 0; j < 2; ++j) {
      Control(board, "Edit", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER, 615,
              top + 20 * j, 50, 21);
      Control(board, "Static", "?", WS_BORDER | SS_CENTER, 670, top + 20 * j + 1, 60, 17);
    }
  }
}

// Per question its picture, number, answer and verdict fields, three to a row.
void FillPictureBoard(HWND board) {
  for (int n = 1; n <= QUESTIONS; ++n) {
    int left = 290 * ((n - 1) % 3);
    int base = 330 * ((n - 1) / 3) + 280;
    HBITMAP bitmap = DecodeAndScale();
    HWND frame = Control(board, "Static", "", WS_BORDER | SS_BITMAP | SS_CENTERIMAGE, left + 30,
                         base - 260, BOX, BOX);
    SendMessageA(frame, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    Control(board, "Static", (std::to_string(n) + ".").c_str(), SS_RIGHT, left + 10, base + 12, 19,
            17);
    Control(board, "Edit", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER, left + 30,
            base + 10, BOX, 20);
    Control(board, "Static", "?", WS_BORDER | SS_CENTER, left + 30, base + 29, BOX, 20);
  }
}

INT_PTR CALLBACK BoardProc(HWND board, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return 0;
  if (picture.empty()) {
    FillTextBoard(board);
  } else {
    CoInitialize(nullptr);
    FillPictureBoard(board);
    CoUninitialize();
  }
  return TRUE;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The header: four frames, the code label and field, score, link, three labels and a button.
void CreateHeader(HWND window) {
  Control(window, "Static", "", WS_BORDER, 5, 2, 100, 24);
  Control(window, "Static", "", WS_BORDER, 5, 25, 100, 22);
  Control(window, "Static", "", WS_BORDER, 104, 2, 623, 45);
  Control(window, "Static", "", WS_BORDER, 726, 2, 130, 45);
  Control(window, "Static", " Code :", 0, 10, 29, 36, 15);
  Control(window, "edit", "xxxxxx", ES_READONLY, 47, 29, 55, 16);
  Control(window, "Static", " 0 / 90", SS_CENTER, 10, 5, 90, 18);
  Control(window, "Static", "www.example.org", SS_NOTIFY, 736, 5, 115, 18);
  Control(window, "Static", "Par :", 0, 736, 25, 27, 18);
  Control(window, "Static", "\xC9mile", 0, 763, 25, 85, 18);
  Control(window, "Static", "Quiz d'essai", 0, 110, 3, 220, 18);
  Control(window, "Static", "Une question, une r\xE9ponse.", 0, 110, 19, 550, 27);
  Control(window, "button", "Sauver", 0, 666, 25, 55, 18);
  Control(window, "Static", "R\xE9" "alis\xE9 avec la version 2.1", 0, 725, 600, 130, 15);
}

HWND OpenMainWindow(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BACKGROUND);
  windowClass.lpszClassName = "WindowsApp";
  RegisterClassExA(&windowClass);
  HWND main = CreateWindowExA(0, "WindowsApp", "Quiz d'essai", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 870, 650, nullptr, nullptr, instance, nullptr);
  CreateHeader(main);
  RECT desktop;
  RECT own;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(main, &own);
  SetWindowPos(main, nullptr, (desktop.right - (own.right - own.left)) / 2,
               (desktop.bottom - (own.bottom - own.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return main;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2 || (std::strcmp(__argv[1], "pictures") == 0 && __argc < 3)) return 2;
  if (std::strcmp(__argv[1], "pictures") == 0) picture = ReadFileBytes(__argv[2]);
  HWND main = OpenMainWindow(instance);
  HWND board = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_BOARD), main, BoardProc, 0);
  SetWindowPos(board, nullptr, 5, 50, 851, 548, SWP_NOZORDER);
  ShowWindow(main, SW_SHOWNORMAL);
  ShowWindow(board, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
