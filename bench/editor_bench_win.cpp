// Timings under Wine of the editor's real window on the largest picture quiz (90 questions, 180
// pictures of 1024 x 768, answer pictures included): opening it until the window is usable, a
// keystroke's handling, and the live check that follows once typing pauses. Prints medians; not
// a test.
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/tools/picture_import/sample_pictures.h"
#include "tests/support/startup_timing.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/brelaedit/editor_ids.h"
#include "tools/brelaedit/editor_window_win.h"

namespace {

namespace fs = std::filesystem;

void Pump(HWND editor) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (HandleEditorKeys(editor, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The largest quiz: two pictures a question, each a photo-sized JPEG of its own path.
fs::path WriteLargestQuiz(const fs::path& folder) {
  fs::create_directories(folder / "photos");
  const Rgba colours[4] = {
      {200, 30, 30, 255}, {30, 200, 30, 255}, {30, 30, 200, 255}, {220, 220, 40, 255}};
  const Bytes photo = JpegOf(Quadrants(1024, 768, colours), 1024, 768);
  std::ofstream quiz(folder / "quiz.json", std::ios::binary);
  quiz << "{\"kind\":\"picture\",\"title\":\"Les châteaux de la Loire\",\"author\":\"Mme "
          "Lefèvre\",\"answersPerQuestion\":2,\"answer1Caption\":\"Château\",\"answer2Caption\":"
          "\"Siècle\",\"revealMode\":\"textAndPicture\",\"codes\":[";
  for (int n = 1; n <= 90; ++n) quiz << (n > 1 ? "," : "") << "\"Tour " << n << "\"";
  quiz << "],\"questions\":[";
  for (int n = 1; n <= 90; ++n) {
    const std::string number = std::to_string(n);
    for (const std::string name : {"chateau", "plan"}) {
      std::ofstream(folder / "photos" / (name + number + ".jpg"), std::ios::binary)
          .write(reinterpret_cast<const char*>(photo.data()), photo.size());
    }
    quiz << (n > 1 ? "," : "") << "{\"answer1\":\"Château " << number
         << "\",\"answer2\":\"XVIe\",\"revealText\":\"Commencé sous François Ier, le château n° "
         << number << " mêle le gothique et la Renaissance.\",\"picture\":\"photos/chateau"
         << number << ".jpg\",\"answerPicture\":\"photos/plan" << number << ".jpg\"}";
  }
  quiz << "]}";
  return folder / "quiz.json";
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / "brelaedit-bench";
  fs::remove_all(folder);
  const fs::path quizFile = WriteLargestQuiz(folder);
  EditorEnvironment environment{WindowsExecutableAccess(""), GdiTextMeasurer(), {}};
  environment.dialogs.message = [](HWND, const std::wstring&, UINT) { return IDCANCEL; };
  const HINSTANCE instance = GetModuleHandleW(nullptr);

  // Opening: the window made, the quiz read and checked (texts, 180 picture headers), the first
  // question's two pictures converted and previewed, every waiting message handled.
  std::vector<double> opening;
  for (int run = 0; run < 7; ++run) {
    HWND editor = nullptr;
    opening.push_back(Milliseconds([&] {
      editor = OpenEditorWindow(instance, environment, quizFile, false);
      Pump(editor);
    }));
    if (run < 6) DestroyWindow(editor);
    Pump(editor);
  }
  const HWND editor = FindWindowW(nullptr, L"quiz.json - Éditeur de quiz brela");
  const HWND answer = GetDlgItem(editor, IDC_ANSWER1);
  SetFocus(answer);

  // A keystroke: the field's change through the model and the question's row; then the live
  // check, as its timer runs it once typing pauses.
  std::vector<double> keystrokes, checks, wholes;
  for (int run = 0; run < 41; ++run) {
    const wchar_t typed[2] = {static_cast<wchar_t>(L'a' + run % 26), 0};
    keystrokes.push_back(Milliseconds(
        [&] { SendMessageW(answer, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed)); }));
    checks.push_back(Milliseconds([&] { SendMessageW(editor, WM_TIMER, CHECK_TIMER, 0); }));
  }
  // A media path typed: the 180 pictures checked again (from the cache but the changed one) and
  // the question's pictures previewed again.
  std::vector<double> mediaChecks;
  const HWND media = GetDlgItem(editor, IDC_PICTURE);
  for (int run = 0; run < 21; ++run) {
    SendMessageW(media, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(run % 2 ? L"photos/chateau1.jpg" : L"photos/plan1.jpg"));
    mediaChecks.push_back(Milliseconds([&] { SendMessageW(editor, WM_TIMER, CHECK_TIMER, 0); }));
  }
  // The whole way, the pause included: from a keystroke that adds or removes an error (a space
  // before the answer) to the list shown again.
  SendMessageW(answer, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
  SendMessageW(editor, WM_TIMER, CHECK_TIMER, 0);
  for (int run = 0; run < 21; ++run) {
    const std::size_t before = ShownProblems(editor).size();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    wholes.push_back(Milliseconds([&] {
      SendMessageW(answer, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(run % 2 ? L"x" : L" x"));
      while (ShownProblems(editor).size() == before &&
             std::chrono::steady_clock::now() < deadline) {
        Pump(editor);
        Sleep(1);
      }
    }));
  }
  std::printf("90 picture questions, 180 pictures of 1024 x 768 (medians)\n");
  const std::string pause = "keystroke to list, " + std::to_string(CHECK_DELAY_MS) + " ms pause";
  const std::pair<std::string, double> lines[] = {
      {"open until usable", Median(opening)},
      {"one keystroke handled", Median(keystrokes)},
      {"live check and list shown", Median(checks)},
      {"live check after a media path changed", Median(mediaChecks)},
      {pause, Median(wholes)},
  };
  for (const auto& [what, milliseconds] : lines) {
    std::printf("  %-40s %8.2f ms\n", what.c_str(), milliseconds);
  }
  DestroyWindow(editor);
  Pump(editor);
  fs::remove_all(folder);
  return 0;
}
