// The editor's real window under Wine, in the test's process and driven by messages as an author
// would drive it: open, edit, see the live problems, go to one, fix it, save, make, try; the made
// executable read back and started in the real player. Every modal dialog is answered by the test.
#include "tools/brelaedit/editor_window_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <chrono>
#include <cwctype>
#include <deque>
#include <fstream>
#include <functional>
#include <map>

#include "base/raii_win.h"
#include "tests/support/player_process.h"
#include "tests/tools/authoring/sample_quizzes.h"
#include "tests/tools/brelamake/made_executables_win.h"
#include "tools/authoring/exe_resources_win.h"
#include "tools/authoring/quiz_fields.h"
#include "tools/authoring/quiz_resources.h"
#include "tools/authoring/text_measure_win.h"
#include "tools/brelaedit/editor_ids.h"
#include "tools/brelaedit/window_text_win.h"

namespace {

namespace fs = std::filesystem;

const fs::path PLAYER = BRELA_PLAYER_PATH;
const fs::path EDITOR = BRELAEDIT_PATH;

struct Asked {
  std::wstring text;
  UINT type;
};

// The author's answers to the editor's dialogs, given in advance; what was asked, kept.
struct ScriptedAuthor {
  std::deque<int> answers;      // to message boxes; IDCANCEL when none is left
  std::vector<fs::path> files;  // taken from the front
  fs::path folder;
  std::vector<fs::path> folderStarts;  // where each folder chooser started
  std::vector<Asked> asked;
  std::vector<FileChoice> fileChoices;
  std::vector<fs::path> suggestions;  // the file each file dialog proposed
  std::vector<fs::path> openedFolders;
  bool folderOpens = true;  // what the file manager does when asked to show a folder

  EditorDialogs Dialogs() {
    EditorDialogs dialogs;
    dialogs.message = [this](HWND, const std::wstring& text, UINT type) {
      asked.push_back({text, type});
      if (answers.empty()) return IDCANCEL;
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    };
    dialogs.chooseFile = [this](HWND, FileChoice choice, const fs::path& suggested) {
      fileChoices.push_back(choice);
      suggestions.push_back(suggested);
      if (files.empty()) return fs::path();
      const fs::path file = files.front();
      files.erase(files.begin());
      return file;
    };
    dialogs.chooseFolder = [this](HWND, const std::wstring&, const fs::path& start) {
      folderStarts.push_back(start);
      return folder;
    };
    dialogs.chooseColour = [](HWND, COLORREF& colour) {
      colour = RGB(0x20, 0x40, 0x60);
      return true;
    };
    dialogs.openFolder = [this](const fs::path& opened) {
      openedFolders.push_back(opened);
      return folderOpens;
    };
    return dialogs;
  }
};

void Pump(HWND editor) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (IsWindow(editor) && HandleEditorKeys(editor, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Handles messages until the condition holds; false when it did not within the time.
bool PumpUntil(HWND editor, const std::function<bool()>& condition, int milliseconds = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    Pump(editor);
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ItemText(HWND list, int item, int column) {
  wchar_t text[1024] = {};
  LVITEMW entry = {};
  entry.iSubItem = column;
  entry.pszText = text;
  entry.cchTextMax = 1024;
  SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
  return text;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

void SelectRow(HWND list, int item) {
  LVITEMW state = {};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

int SelectedRow(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

std::wstring StatusText(HWND editor) {
  wchar_t text[256] = {};
  SendMessageW(GetDlgItem(editor, IDC_STATUS), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = FreshDirectory("brelaedit-" + name);
  }

  void TearDown() override {
    if (IsWindow(editor_)) DestroyWindow(editor_);
    Pump(editor_);
    std::error_code error;
    fs::remove_all(folder_, error);
  }

  void Open(const fs::path& file = {}) {
    environment_ = {WindowsExecutableAccess(PLAYER), GdiTextMeasurer(), author_.Dialogs()};
    editor_ = OpenEditorWindow(GetModuleHandleW(nullptr), environment_, file, false);
    ASSERT_NE(editor_, nullptr);
    Pump(editor_);
  }

  HWND Item(int id) const { return GetDlgItem(editor_, id); }

  void Command(int id, int notification = 0) {
    SendMessageW(editor_, WM_COMMAND, MAKEWPARAM(id, notification),
                 reinterpret_cast<LPARAM>(Item(id)));
    Pump(editor_);
  }

  // Replaces a field's whole text as typing over a selection does (a multi-line edit tells no
  // change of WM_SETTEXT).
  void Type(int id, const std::wstring& text) {
    SendMessageW(Item(id), EM_SETSEL, 0, -1);
    SendMessageW(Item(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    Pump(editor_);
  }

  void Choose(int comboId, int choice) {
    SendMessageW(Item(comboId), CB_SETCURSEL, choice, 0);
    Command(comboId, CBN_SELCHANGE);
  }

  // Waits for the live check to show rows problems.
  bool ProblemRowsBecome(int rows) {
    return PumpUntil(editor_, [&] { return RowCount(Item(IDC_PROBLEMS)) == rows; });
  }

  // A key pressed with Ctrl or Alt held, as the thread's keyboard state tells accelerators.
  void PressWith(int modifier, HWND target, UINT message, WPARAM key) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[modifier] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(target, message, key, message == WM_SYSKEYDOWN ? 1 << 29 : 0);
    Pump(editor_);
    keys[modifier] = 0;
    SetKeyboardState(keys);
  }

  bool Shown(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

  fs::path folder_;
  ScriptedAuthor author_;
  EditorEnvironment environment_;
  HWND editor_ = nullptr;
};

TEST_F(EditorWindowTest, ASampleOpensEditedCheckedFixedSavedAndMadeIntoAPlayableQuiz) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 3), folder_);
  Open(quizFile);
  EXPECT_EQ(TextOf(editor_), L"quiz.json - Éditeur de quiz brela");
  EXPECT_EQ(TextOf(Item(IDC_TITLE)), L"Quiz « text » à l'œil");
  EXPECT_EQ(RowCount(Item(IDC_QUESTIONS)), 3);
  EXPECT_EQ(ItemText(Item(IDC_QUESTIONS), 2, 1), L"Qu'est-ce que le n° 3 ?");
  // The sample's codes are too wide for the player's font: three warnings, gone once shortened.
  EXPECT_EQ(RowCount(Item(IDC_PROBLEMS)), 3);
  EXPECT_EQ(ItemText(Item(IDC_PROBLEMS), 0, 1), L"code 1");
  EXPECT_EQ(StatusText(editor_), L"0 erreur, 3 avertissements");
  Type(IDC_CODES, L"A1\r\nB2\r\nC3");
  ASSERT_TRUE(ProblemRowsBecome(0));
  EXPECT_EQ(StatusText(editor_), L"Aucun problème : le quiz est prêt");

  // An answer with a space before it: the pupil could never type it.
  SelectRow(Item(IDC_QUESTIONS), 1);
  Pump(editor_);
  EXPECT_EQ(TextOf(Item(IDC_ANSWER1)), L"Réponse 2");
  Type(IDC_ANSWER1, L" Mâcon");
  EXPECT_EQ(TextOf(editor_), L"quiz.json* - Éditeur de quiz brela");
  EXPECT_EQ(ItemText(Item(IDC_QUESTIONS), 1, 2), L" Mâcon");
  ASSERT_TRUE(ProblemRowsBecome(1));
  EXPECT_EQ(ItemText(Item(IDC_PROBLEMS), 0, 1), L"question 2, réponse 1");
  EXPECT_EQ(StatusText(editor_), L"1 erreur, 0 avertissement");

  // Enter on the problem: its question selected, the focus in its field.
  SelectRow(Item(IDC_QUESTIONS), 0);
  Pump(editor_);
  SetFocus(Item(IDC_PROBLEMS));
  SelectRow(Item(IDC_PROBLEMS), 0);
  Command(IDOK);
  EXPECT_EQ(SelectedRow(Item(IDC_QUESTIONS)), 1);
  EXPECT_EQ(GetFocus(), Item(IDC_ANSWER1));

  Type(IDC_ANSWER1, L"Mâcon");
  ASSERT_TRUE(ProblemRowsBecome(0));
  EXPECT_EQ(StatusText(editor_), L"Aucun problème : le quiz est prêt");

  Command(IDM_SAVE);
  EXPECT_EQ(TextOf(editor_), L"quiz.json - Éditeur de quiz brela");
  std::vector<Problem> problems;
  const Bytes saved = ReadBytes(quizFile);
  const QuizFile reread = ReadQuizJson(std::string(saved.begin(), saved.end()), problems);
  EXPECT_TRUE(problems.empty());
  ASSERT_EQ(reread.questions.size(), 3u);
  EXPECT_EQ(reread.questions[1].answer1,
            "M\xC3\xA2"
            "con");

  // "Créer le quiz…", then no folder opened.
  const fs::path made = folder_ / "fait.exe";
  author_.files.push_back(made);
  author_.answers.push_back(IDNO);
  Command(IDC_MAKE);
  ASSERT_TRUE(fs::exists(made));
  ASSERT_EQ(author_.suggestions.size(), 1u);
  EXPECT_EQ(author_.suggestions[0], folder_ / L"Quiz « text » à l'œil.exe");
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text, L"Le quiz « fait.exe » est créé.\nOuvrir son dossier ?");
  EXPECT_TRUE(author_.openedFolders.empty());
  QuizFile inExecutable;
  std::vector<MediaFile> media;
  std::string problem;
  std::vector<Problem> warnings;
  ASSERT_TRUE(QuizFromResources(ReadQuizExecutable(made), inExecutable, media, problem, warnings))
      << problem;
  EXPECT_EQ(inExecutable.title, "Quiz \xC2\xAB text \xC2\xBB \xC3\xA0 l'\xC5\x93il");
  EXPECT_EQ(inExecutable.questions[1].answer1,
            "M\xC3\xA2"
            "con");

  // The real player starts on it without a word.
  RunningPlayer player;
  ASSERT_TRUE(StartPlayer(made.string(), folder_.string(), player));
  std::vector<ShownMessage> messages;
  const HWND main = WaitForMainWindow(player, messages);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(messages.empty());
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(player), 0u);
}

TEST_F(EditorWindowTest, AQuizExecutableIsReadBackIntoAFolderTheAuthorChooses) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_);
  Open(quizFile);
  const fs::path made = folder_ / "images.exe";
  author_.files = {made};
  author_.answers = {IDYES};  // open its folder
  Command(IDC_MAKE);
  ASSERT_TRUE(fs::exists(made));
  EXPECT_EQ(author_.openedFolders, std::vector<fs::path>{folder_});

  author_.folder = folder_ / "relu";
  author_.files = {made};
  author_.answers = {IDNO};  // not the folder proposed: another one
  Command(IDM_OPEN);
  EXPECT_EQ(author_.folderStarts, std::vector<fs::path>{folder_});
  ASSERT_EQ(author_.asked.size(), 3u);
  EXPECT_EQ(author_.asked[2].text, L"Le quiz « images.exe » est lu dans le dossier « " +
                                       (folder_ / "relu").wstring() +
                                       L" » : « quiz.json » et 4 fichiers d'images, de sons ou "
                                       L"de films.");
  EXPECT_FALSE(fs::exists(folder_ / "images"));
  EXPECT_EQ(TextOf(editor_), L"quiz.json - Éditeur de quiz brela");
  EXPECT_EQ(EditedDocument(editor_).file, folder_ / "relu" / "quiz.json");
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"picture01.jpg");
  EXPECT_EQ(TextOf(Item(IDC_ANSWER_PICTURE)), L"answer01.jpg");
  EXPECT_TRUE(fs::exists(folder_ / "relu" / "answer02.jpg"));
  EXPECT_FALSE(HasErrors(ShownProblems(editor_)));
}

TEST_F(EditorWindowTest, ChosenMediaAndColourReachTheQuiz) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_);
  Open(quizFile);
  author_.files = {folder_ / "media" / "picture2.jpg", folder_ / "media" / L"réponse1.jpg"};
  Command(IDC_CHOOSE_PICTURE);
  Command(IDC_CHOOSE_ANSWER_PICTURE);
  EXPECT_EQ(author_.fileChoices, (std::vector<FileChoice>{CHOOSE_PICTURE, CHOOSE_PICTURE}));
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"media\\picture2.jpg");
  EXPECT_EQ(EditedDocument(editor_).quiz.questions[0].picture, "media/picture2.jpg");
  EXPECT_EQ(EditedDocument(editor_).quiz.questions[0].answerPicture, "media/r\xC3\xA9ponse1.jpg");
  Command(IDC_COLOUR);
  EXPECT_EQ(EditedDocument(editor_).quiz.backgroundColour, 0x00604020u);
  EXPECT_EQ(TextOf(editor_), L"quiz.json* - Éditeur de quiz brela");
  // A sound quiz chooses sounds.
  author_.answers = {IDYES};  // the pictures go
  Choose(IDC_KIND, 2);
  Command(IDC_CHOOSE_SOUND);
  EXPECT_EQ(author_.fileChoices.back(), CHOOSE_SOUND);
}

TEST_F(EditorWindowTest, ADoubleClickOnAProblemGoesToItsQuestionAndField) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("picture", "text", 1, 3), folder_);
  fs::remove(folder_ / "media" / "picture3.jpg");
  Open(quizFile);
  // The quiz's own problems first (the sample's codes are too wide), the missing picture last.
  const int last = RowCount(Item(IDC_PROBLEMS)) - 1;
  ASSERT_EQ(ItemText(Item(IDC_PROBLEMS), last, 1), L"question 3, image");
  EXPECT_EQ(SelectedRow(Item(IDC_QUESTIONS)), 0);
  SendMessageW(Item(IDC_PROBLEMS), LVM_ENSUREVISIBLE, last, FALSE);
  RECT row = {LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(Item(IDC_PROBLEMS), LVM_GETITEMRECT, last, reinterpret_cast<LPARAM>(&row));
  const LPARAM point = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
  SendMessageW(Item(IDC_PROBLEMS), WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(Item(IDC_PROBLEMS), WM_LBUTTONUP, 0, point);
  SendMessageW(Item(IDC_PROBLEMS), WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  SendMessageW(Item(IDC_PROBLEMS), WM_LBUTTONUP, 0, point);
  Pump(editor_);
  EXPECT_EQ(SelectedRow(Item(IDC_QUESTIONS)), 2);
  EXPECT_EQ(GetFocus(), Item(IDC_PICTURE));
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"media\\picture3.jpg");
}

TEST_F(EditorWindowTest, TheKindAnswersAndRevealModeShowOnlyTheFieldsTheyUse) {
  Open();
  EXPECT_EQ(TextOf(editor_), L"Sans titre - Éditeur de quiz brela");
  // A new quiz: one text question, one answer.
  EXPECT_TRUE(Shown(IDC_QUESTION_TEXT));
  EXPECT_TRUE(Shown(IDC_ANSWER1));
  for (int id : {IDC_ANSWER2, IDC_REVEAL_TEXT, IDC_PICTURE, IDC_CHOOSE_PICTURE, IDC_SOUND,
                 IDC_FILM, IDC_ANSWER_PICTURE, IDC_CHOOSE_ANSWER_PICTURE, IDC_PREVIEW,
                 IDC_ANSWER_PREVIEW}) {
    EXPECT_FALSE(Shown(id)) << id;
  }
  EXPECT_FALSE(Enabled(IDC_CAPTION1));
  EXPECT_FALSE(Enabled(IDC_CAPTION2));
  EXPECT_FALSE(Enabled(IDC_REVEAL_MODE));

  Choose(IDC_ANSWERS, 1);
  EXPECT_TRUE(Shown(IDC_ANSWER2));
  EXPECT_TRUE(Enabled(IDC_CAPTION1));
  EXPECT_TRUE(Enabled(IDC_CAPTION2));

  Choose(IDC_KIND, 1);  // pictures
  EXPECT_FALSE(Shown(IDC_QUESTION_TEXT));
  EXPECT_TRUE(Shown(IDC_PICTURE));
  EXPECT_TRUE(Shown(IDC_CHOOSE_PICTURE));
  EXPECT_TRUE(Shown(IDC_PREVIEW));
  EXPECT_FALSE(Shown(IDC_SOUND) || Shown(IDC_FILM));
  EXPECT_TRUE(Enabled(IDC_REVEAL_MODE));
  EXPECT_FALSE(Shown(IDC_ANSWER_PICTURE));

  Choose(IDC_REVEAL_MODE, 3);  // text and answer picture
  EXPECT_TRUE(Shown(IDC_REVEAL_TEXT));
  EXPECT_TRUE(Shown(IDC_ANSWER_PICTURE));
  EXPECT_TRUE(Shown(IDC_ANSWER_PREVIEW));

  Choose(IDC_KIND, 2);  // sounds
  EXPECT_TRUE(Shown(IDC_SOUND) && Shown(IDC_CHOOSE_SOUND) && Shown(IDC_SOUND_LABEL));
  EXPECT_FALSE(Shown(IDC_PICTURE) || Shown(IDC_FILM));
  EXPECT_FALSE(Shown(IDC_PREVIEW));
  EXPECT_FALSE(Shown(IDC_REVEAL_TEXT));
  // A reveal mode that only pictures use stays to be set back, and the check says so.
  EXPECT_TRUE(Enabled(IDC_REVEAL_MODE));
  EXPECT_TRUE(PumpUntil(editor_, [&] {
    const std::vector<Problem>& problems = ShownProblems(editor_);
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.field == "revealMode"; });
  }));
}

TEST_F(EditorWindowTest, AKindChangeAsksBeforeEmptyingMediaItCannotShow) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("audio", "none", 1, 2), folder_);
  Open(quizFile);
  EXPECT_EQ(TextOf(Item(IDC_SOUND)), L"media\\sound1.mp3");
  // "Non", the button that Enter presses: the quiz stays a sound quiz, its sounds kept.
  author_.answers = {IDNO};
  Choose(IDC_KIND, 1);
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].type & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2));
  EXPECT_EQ(EditedDocument(editor_).quiz.kind, KIND_AUDIO);
  EXPECT_EQ(SendMessageW(Item(IDC_KIND), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(EditedDocument(editor_).quiz.questions[0].sound, "media/sound1.mp3");
  EXPECT_EQ(TextOf(Item(IDC_SOUND)), L"media\\sound1.mp3");
  EXPECT_EQ(TextOf(editor_), L"quiz.json - Éditeur de quiz brela");
  author_.answers = {IDYES};
  Choose(IDC_KIND, 3);
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(EditedDocument(editor_).quiz.kind, KIND_VIDEO);
  EXPECT_EQ(EditedDocument(editor_).quiz.questions[0].sound, "");
  EXPECT_EQ(EditedDocument(editor_).quiz.questions[1].sound, "");
}

TEST_F(EditorWindowTest, APicturePreviewShowsThePictureAsThePlayerScalesIt) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_);
  Open(quizFile);
  ASSERT_TRUE(Shown(IDC_PREVIEW));
  RECT box;
  GetClientRect(Item(IDC_PREVIEW), &box);
  EXPECT_EQ(box.right, 260);
  EXPECT_EQ(box.bottom, 260);
  UpdateWindow(editor_);
  const HDC dc = GetDC(Item(IDC_PREVIEW));
  // The sample picture is 16 x 12, enlarged to 260 x 195: the background shows above and below.
  const COLORREF background = EditedDocument(editor_).quiz.backgroundColour;
  EXPECT_EQ(GetPixel(dc, 130, 10), background);
  EXPECT_NE(GetPixel(dc, 130, 130), background);
  ReleaseDC(Item(IDC_PREVIEW), dc);
}

// Opened by a relative name and saved in another folder: the media paths are rewritten to lead
// to the same files, in the file and in the fields.
TEST_F(EditorWindowTest, SavedInAnotherFolderTheMediaPathsStillLeadToTheSameFiles) {
  WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_ / "source");
  fs::create_directories(folder_ / "autre");
  const fs::path before = fs::current_path();
  fs::current_path(folder_);
  Open(fs::path("source") / "quiz.json");
  fs::current_path(folder_ / "autre");  // as a file dialog may leave it
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"media\\picture1.jpg");
  author_.files = {folder_ / "autre" / "copie.json"};
  Command(IDM_SAVE_AS);
  fs::current_path(before);
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"..\\source\\media\\picture1.jpg");
  std::vector<Problem> problems;
  const Bytes saved = ReadBytes(folder_ / "autre" / "copie.json");
  const QuizFile reread = ReadQuizJson(std::string(saved.begin(), saved.end()), problems);
  ASSERT_EQ(reread.questions.size(), 2u);
  EXPECT_EQ(reread.questions[1].picture, "../source/media/picture2.jpg");
  // The files are found from the new folder: no problem with any picture.
  for (const Problem& problem : ShownProblems(editor_)) {
    EXPECT_NE(problem.field, "picture") << problem.message;
    EXPECT_NE(problem.field, "answerPicture") << problem.message;
  }
}

TEST_F(EditorWindowTest, ANewQuizSavedBesideItsMediaNamesThemFromItsFolder) {
  fs::create_directories(folder_ / "classe" / "images");
  Open();
  Choose(IDC_KIND, 1);  // pictures
  const fs::path chosen = folder_ / "classe" / "images" / "italie.jpg";
  author_.files = {chosen};
  Command(IDC_CHOOSE_PICTURE);
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), fs::path(chosen).make_preferred().wstring());
  author_.files = {folder_ / "classe" / "q.json"};
  Command(IDM_SAVE);
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"images\\italie.jpg");
  const Bytes saved = ReadBytes(folder_ / "classe" / "q.json");
  const std::string json(saved.begin(), saved.end());
  EXPECT_NE(json.find("\"picture\": \"images/italie.jpg\""), std::string::npos) << json;
  // Typed with Windows' separators, stored with '/'.
  Type(IDC_PICTURE, L"images\\rome.jpg");
  EXPECT_EQ(EditedDocument(editor_).quiz.questions[0].picture, "images/rome.jpg");
}

TEST_F(EditorWindowTest, AMissingMediaFileIsNamedWithWindowsSeparatorsOnly) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_);
  Open(quizFile);
  Type(IDC_PICTURE, L"media\\absent.jpg");
  const HWND list = Item(IDC_PROBLEMS);
  auto missing = [&] {
    for (int row = 0; row < RowCount(list); ++row) {
      if (ItemText(list, row, 2).find(L"absent") != std::wstring::npos) return row;
    }
    return -1;
  };
  ASSERT_TRUE(PumpUntil(editor_, [&] { return missing() >= 0; }));
  const std::wstring message = ItemText(list, missing(), 2);
  EXPECT_EQ(
      message.rfind(L"le fichier « media\\absent.jpg » est introuvable (cherché en « ", 0), 0u)
      << Utf8Text(message);
  EXPECT_EQ(message.find(L'/'), std::wstring::npos) << Utf8Text(message);
}

TEST_F(EditorWindowTest, ASpreadsheetOpensAndIsSavedUnderANameTheAuthorGives) {
  const fs::path csv = folder_ / "villes.csv";
  std::ofstream(csv, std::ios::binary) << "question;réponse\nCapitale de la France ?;Paris\n"
                                          "Capitale de l'Italie ?;Rome\n";
  Open();
  author_.files = {csv};
  Command(IDM_OPEN);
  EXPECT_EQ(RowCount(Item(IDC_QUESTIONS)), 2);
  EXPECT_EQ(TextOf(Item(IDC_TITLE)), L"villes");
  EXPECT_EQ(TextOf(editor_), L"Sans titre* - Éditeur de quiz brela");
  author_.files = {folder_ / "villes.json"};
  Command(IDM_SAVE);
  EXPECT_EQ(author_.fileChoices,
            (std::vector<FileChoice>{CHOOSE_QUIZ_TO_OPEN, CHOOSE_QUIZ_TO_SAVE}));
  EXPECT_TRUE(fs::exists(folder_ / "villes.json"));
  EXPECT_EQ(TextOf(editor_), L"villes.json - Éditeur de quiz brela");
}

TEST_F(EditorWindowTest, ClosingOrOpeningWithUnsavedChangesAsks) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), folder_);
  Open(quizFile);
  // Nothing changed: nothing asked.
  Command(IDM_NEW);
  EXPECT_TRUE(author_.asked.empty());
  Command(IDM_OPEN);  // cancelled
  author_.files = {quizFile};
  Command(IDM_OPEN);
  Type(IDC_TITLE, L"Nouveau titre");

  author_.answers = {IDCANCEL};
  Command(IDM_OPEN);
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text, L"Enregistrer les modifications ?");
  EXPECT_EQ(author_.asked[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
  EXPECT_EQ(author_.fileChoices.size(), 2u);  // no file asked for after Annuler

  author_.answers = {IDCANCEL};
  SendMessageW(editor_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(editor_));
  ASSERT_EQ(author_.asked.size(), 2u);

  // Logging off asks too, and Annuler keeps the session.
  author_.answers = {IDCANCEL};
  EXPECT_EQ(SendMessageW(editor_, WM_QUERYENDSESSION, 0, 0), FALSE);
  ASSERT_EQ(author_.asked.size(), 3u);
  EXPECT_EQ(author_.asked[2].text, L"Enregistrer les modifications ?");

  author_.answers = {IDYES};
  SendMessageW(editor_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(editor_));
  ASSERT_EQ(author_.asked.size(), 4u);
  const Bytes saved = ReadBytes(quizFile);
  EXPECT_NE(std::string(saved.begin(), saved.end()).find("Nouveau titre"), std::string::npos);
}

TEST_F(EditorWindowTest, QuestionsAreAddedDeletedRestoredAndMovedWithButtonsAndKeys) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 3), folder_);
  Open(quizFile);
  const HWND list = Item(IDC_QUESTIONS);
  auto answers = [&] {
    std::vector<std::string> all;
    for (const QuestionFile& q : EditedDocument(editor_).quiz.questions) all.push_back(q.answer1);
    return all;
  };
  using Strings = std::vector<std::string>;
  Command(IDC_ADD);
  EXPECT_EQ(RowCount(list), 4);
  EXPECT_EQ(SelectedRow(list), 3);
  EXPECT_EQ(GetFocus(), Item(IDC_QUESTION_TEXT));

  // Suppr in the list deletes; Ctrl+Z there puts the question back.
  SelectRow(list, 0);
  SetFocus(list);
  PostMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
  Pump(editor_);
  EXPECT_EQ(answers(), (Strings{"Réponse 2", "Réponse 3", ""}));
  PressWith(VK_CONTROL, list, WM_KEYDOWN, 'Z');
  EXPECT_EQ(answers(), (Strings{"Réponse 1", "Réponse 2", "Réponse 3", ""}));
  EXPECT_EQ(SelectedRow(list), 0);

  // Alt+Down moves the selected question down.
  SetFocus(list);
  PressWith(VK_MENU, list, WM_SYSKEYDOWN, VK_DOWN);
  EXPECT_EQ(answers(), (Strings{"Réponse 2", "Réponse 1", "Réponse 3", ""}));
  EXPECT_EQ(SelectedRow(list), 1);
  Command(IDC_MOVE_UP);
  Command(IDC_INSERT);
  EXPECT_EQ(answers(), (Strings{"", "Réponse 1", "Réponse 2", "Réponse 3", ""}));
  Command(IDC_DELETE);
  EXPECT_EQ(answers(), (Strings{"Réponse 1", "Réponse 2", "Réponse 3", ""}));
  EXPECT_EQ(ItemText(list, 0, 0), L"1");
  EXPECT_EQ(ItemText(list, 3, 0), L"4");

  // The menu item brings the question back even from a text field, where Ctrl+Z undoes typing.
  SelectRow(list, 0);
  Command(IDC_DELETE);
  SetFocus(Item(IDC_ANSWER1));
  Command(IDM_UNDO_DELETE);
  EXPECT_EQ(answers(), (Strings{"Réponse 1", "Réponse 2", "Réponse 3", ""}));

  // Alt+Down in a combo box opens its list and moves no question.
  SelectRow(list, 0);
  PressWith(VK_MENU, Item(IDC_KIND), WM_SYSKEYDOWN, VK_DOWN);
  EXPECT_EQ(answers(), (Strings{"Réponse 1", "Réponse 2", "Réponse 3", ""}));
  SendMessageW(Item(IDC_KIND), CB_SHOWDROPDOWN, FALSE, 0);
  Pump(editor_);
}

// Tab from the focused control through the whole order and back to its start.
void ExpectTabOrder(HWND editor, const std::vector<int>& order, const char* what) {
  SendMessageW(editor, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(editor, order[0])), TRUE);
  Pump(editor);
  for (std::size_t i = 1; i <= order.size(); ++i) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Pump(editor);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), order[i % order.size()])
        << what << ", after " << order[i - 1];
  }
}

TEST_F(EditorWindowTest, TabReachesEveryControlInOrder) {
  Open();
  Choose(IDC_ANSWERS, 1);
  ExpectTabOrder(
      editor_,
      {IDC_TITLE,    IDC_AUTHOR,  IDC_EXPLANATION, IDC_KIND,          IDC_ANSWERS, IDC_CAPTION1,
       IDC_CAPTION2, IDC_COLOUR,  IDC_CODES,       IDC_QUESTIONS,     IDC_ADD,     IDC_INSERT,
       IDC_DELETE,   IDC_MOVE_UP, IDC_MOVE_DOWN,   IDC_QUESTION_TEXT, IDC_ANSWER1, IDC_ANSWER2,
       IDC_TRY,      IDC_MAKE,    IDC_MAKE_WEB_PAGE, IDC_PROBLEMS, IDC_PROBLEM_DETAIL},
      "text quiz, two answers");
  Choose(IDC_ANSWERS, 0);
  Choose(IDC_KIND, 1);
  Choose(IDC_REVEAL_MODE, 3);
  ExpectTabOrder(
      editor_,
      {IDC_TITLE,       IDC_AUTHOR,  IDC_EXPLANATION,    IDC_KIND,
       IDC_ANSWERS,     IDC_REVEAL_MODE, IDC_COLOUR,     IDC_CODES,
       IDC_QUESTIONS,   IDC_ADD,     IDC_INSERT,         IDC_DELETE,
       IDC_MOVE_UP,     IDC_MOVE_DOWN, IDC_ANSWER1,      IDC_REVEAL_TEXT,
       IDC_PICTURE,     IDC_CHOOSE_PICTURE, IDC_ANSWER_PICTURE, IDC_CHOOSE_ANSWER_PICTURE,
       IDC_TRY,         IDC_MAKE,    IDC_MAKE_WEB_PAGE,  IDC_PROBLEMS,
       IDC_PROBLEM_DETAIL},
      "picture quiz, text and answer picture");
}

// The letter after '&' in a label or a menu, upper case; 0 for none.
wchar_t Mnemonic(const std::wstring& text) {
  const std::size_t mark = text.find(L'&');
  return mark == std::wstring::npos || mark + 1 == text.size() ? 0 : towupper(text[mark + 1]);
}

TEST_F(EditorWindowTest, EveryMnemonicLeadsToOneControlOrMenuInEveryKind) {
  Open();
  Choose(IDC_ANSWERS, 1);
  for (int kind = 0; kind < 4; ++kind) {
    author_.answers = {IDNO};
    Choose(IDC_KIND, kind);
    if (kind == 1) Choose(IDC_REVEAL_MODE, 3);
    std::map<wchar_t, std::wstring> seen;
    auto note = [&](const std::wstring& text) {
      const wchar_t letter = Mnemonic(text);
      if (!letter) return;
      EXPECT_TRUE(seen.emplace(letter, text).second)
          << "kind " << kind << ": " << Utf8Text(text) << " and " << Utf8Text(seen[letter]);
    };
    for (HWND child = GetWindow(editor_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      note(TextOf(child));  // the hidden too: a question's stray media show rows its kind hides
    }
    const HMENU menu = GetMenu(editor_);
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, item, text, 64, MF_BYPOSITION);
      note(text);
    }
    EXPECT_GE(seen.size(), 15u) << kind;  // the walk saw the labels, buttons and menus
  }
}

// Every field of a question shown at once: a picture quiz's own, and a wording, a sound and a
// film that it does not use.
TEST_F(EditorWindowTest, TheWindowFitsA1024By768ScreenWithEveryControlInside) {
  nlohmann::json quiz = SampleQuizJson("picture", "textAndPicture", 2, 2);
  quiz["questions"][0]["questionText"] = "France";
  quiz["questions"][0]["sound"] = "media/stray.mp3";
  quiz["questions"][0]["film"] = "media/stray.avi";
  const fs::path quizFile = WriteSampleQuiz(quiz, folder_);
  Open(quizFile);
  std::vector<RECT> fields;
  for (int id : {IDC_QUESTION_TEXT, IDC_ANSWER1, IDC_ANSWER2, IDC_REVEAL_TEXT, IDC_PICTURE,
                 IDC_CHOOSE_PICTURE, IDC_SOUND, IDC_CHOOSE_SOUND, IDC_FILM, IDC_CHOOSE_FILM,
                 IDC_ANSWER_PICTURE, IDC_CHOOSE_ANSWER_PICTURE, IDC_PREVIEW, IDC_ANSWER_PREVIEW}) {
    ASSERT_TRUE(Shown(id)) << id;
    RECT rect, overlap;
    GetWindowRect(Item(id), &rect);
    for (const RECT& other : fields) EXPECT_FALSE(IntersectRect(&overlap, &rect, &other)) << id;
    fields.push_back(rect);
  }
  RECT window, client;
  GetWindowRect(editor_, &window);
  EXPECT_LE(window.right - window.left, 1024);
  EXPECT_LE(window.bottom - window.top, 768);
  GetClientRect(editor_, &client);
  RECT status;
  GetWindowRect(Item(IDC_STATUS), &status);
  const int statusHeight = status.bottom - status.top;
  for (HWND child = GetWindow(editor_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || child == Item(IDC_STATUS)) continue;
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, editor_, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_GE(rect.left, 0) << GetDlgCtrlID(child);
    EXPECT_GE(rect.top, 0) << GetDlgCtrlID(child);
    EXPECT_LE(rect.right, client.right) << GetDlgCtrlID(child);
    EXPECT_LE(rect.bottom, client.bottom - statusHeight) << GetDlgCtrlID(child);
  }
  // Larger: the lists take the room; the fields keep their height.
  const RECT before = [&] {
    RECT r;
    GetWindowRect(Item(IDC_QUESTIONS), &r);
    return r;
  }();
  SetWindowPos(editor_, nullptr, 0, 0, window.right - window.left + 100,
               window.bottom - window.top + 30, SWP_NOMOVE | SWP_NOZORDER);
  Pump(editor_);
  RECT after;
  GetWindowRect(Item(IDC_QUESTIONS), &after);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 30);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}

// A question's rows from top to bottom: label, field and "Choisir…" button (0: none).
struct QuestionRowIds {
  int label, field, button;
};

const QuestionRowIds QUESTION_ROWS[] = {
    {IDC_QUESTION_TEXT_LABEL, IDC_QUESTION_TEXT, 0},
    {IDC_ANSWER1_LABEL, IDC_ANSWER1, 0},
    {IDC_ANSWER2_LABEL, IDC_ANSWER2, 0},
    {IDC_REVEAL_TEXT_LABEL, IDC_REVEAL_TEXT, 0},
    {IDC_PICTURE_LABEL, IDC_PICTURE, IDC_CHOOSE_PICTURE},
    {IDC_SOUND_LABEL, IDC_SOUND, IDC_CHOOSE_SOUND},
    {IDC_FILM_LABEL, IDC_FILM, IDC_CHOOSE_FILM},
    {IDC_ANSWER_PICTURE_LABEL, IDC_ANSWER_PICTURE, IDC_CHOOSE_ANSWER_PICTURE},
};

RECT RectInWindow(HWND window, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The height of dialog units in the editor's pixels; the form's rows are 13 of them apart.
int DialogUnitsHigh(HWND editor, int units) {
  RECT rect = {0, 0, 0, units};
  MapDialogRect(editor, &rect);
  return rect.bottom;
}

// The question's visible rows stand one under the other, at most a row's pitch apart (a pixel
// more where dialog units round), none over another, label and button beside their field; the
// previews come below the last row.
void ExpectQuestionRowsStacked(HWND editor, const std::string& where) {
  const int pitch = DialogUnitsHigh(editor, 13);
  std::vector<RECT> fields, all;
  for (const QuestionRowIds& row : QUESTION_ROWS) {
    const HWND field = GetDlgItem(editor, row.field);
    if (!IsWindowVisible(field)) continue;
    const RECT box = RectInWindow(editor, field);
    const int middle = (box.top + box.bottom) / 2;
    for (int id : {row.label, row.field, row.button}) {
      if (!id) continue;
      EXPECT_TRUE(IsWindowVisible(GetDlgItem(editor, id))) << where << " " << id;
      const RECT part = RectInWindow(editor, GetDlgItem(editor, id));
      EXPECT_TRUE(part.top <= middle && middle <= part.bottom) << where << " " << id;
      RECT overlap;
      for (const RECT& other : all) {
        EXPECT_FALSE(IntersectRect(&overlap, &part, &other)) << where << " " << id;
      }
      all.push_back(part);
    }
    fields.push_back(box);
  }
  ASSERT_FALSE(fields.empty()) << where;
  const RECT group = RectInWindow(editor, GetDlgItem(editor, IDC_QUESTION_GROUP));
  EXPECT_LE(fields.front().top - group.top, pitch) << where;
  for (std::size_t i = 1; i < fields.size(); ++i) {
    EXPECT_GT(fields[i].top, fields[i - 1].top) << where << " row " << i;
    EXPECT_LE(fields[i].top - fields[i - 1].top, pitch + 1) << where << " row " << i;
  }
  EXPECT_GE(group.bottom, fields.back().bottom) << where;
  EXPECT_LE(group.bottom - fields.back().top, 2 * pitch) << where;
  for (int id : {IDC_PREVIEW, IDC_ANSWER_PREVIEW}) {
    if (!IsWindowVisible(GetDlgItem(editor, id))) continue;
    const RECT preview = RectInWindow(editor, GetDlgItem(editor, id));
    EXPECT_GE(preview.top, group.bottom) << where << " " << id;
    EXPECT_LE(preview.top - fields.back().top, 2 * pitch) << where << " " << id;
  }
}

TEST_F(EditorWindowTest, TheQuestionsVisibleRowsCloseUpInEveryKindAnswerCountAndRevealMode) {
  Open();
  for (int kind = 0; kind < 4; ++kind) {
    Choose(IDC_KIND, kind);
    for (int answers = 0; answers < 2; ++answers) {
      Choose(IDC_ANSWERS, answers);
      for (int reveal = 0; reveal < 5; ++reveal) {
        Choose(IDC_REVEAL_MODE, reveal);
        ExpectQuestionRowsStacked(editor_, "kind " + std::to_string(kind) + " answers " +
                                               std::to_string(answers + 1) + " reveal " +
                                               std::to_string(reveal));
      }
    }
  }
}

// A picture quiz's rows: the picture right under the answers, the answer picture right under it,
// though the sound and film rows between them in the form are hidden.
TEST_F(EditorWindowTest, APictureQuizShowsNoHoleWhereTheSoundAndFilmRowsAre) {
  const fs::path quizFile =
      WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_);
  Open(quizFile);
  ASSERT_FALSE(Shown(IDC_SOUND) || Shown(IDC_FILM));
  ASSERT_TRUE(Shown(IDC_ANSWER_PICTURE));
  const int pitch = DialogUnitsHigh(editor_, 13);
  const int picture = RectInWindow(editor_, Item(IDC_PICTURE)).top;
  const int answerPicture = RectInWindow(editor_, Item(IDC_ANSWER_PICTURE)).top;
  EXPECT_GE(answerPicture - picture, pitch - 1);
  EXPECT_LE(answerPicture - picture, pitch + 1);
  EXPECT_LE(RectInWindow(editor_, Item(IDC_CHOOSE_ANSWER_PICTURE)).top -
                RectInWindow(editor_, Item(IDC_CHOOSE_PICTURE)).top,
            pitch + 1);
  ExpectQuestionRowsStacked(editor_, "pictures");
}

// A stray sound in a picture quiz shows its row until emptied; the next question shown closes
// the rows up again.
TEST_F(EditorWindowTest, AStrayMediaRowEmptiedLeavesNoHoleOnceTheQuestionIsShownAgain) {
  nlohmann::json quiz = SampleQuizJson("picture", "none", 1, 2);
  quiz["questions"][0]["sound"] = "media/stray.mp3";
  const fs::path quizFile = WriteSampleQuiz(quiz, folder_);
  Open(quizFile);
  ASSERT_TRUE(Shown(IDC_SOUND));
  ExpectQuestionRowsStacked(editor_, "stray sound");
  Type(IDC_SOUND, L"");
  SelectRow(Item(IDC_QUESTIONS), 1);
  Pump(editor_);
  SelectRow(Item(IDC_QUESTIONS), 0);
  Pump(editor_);
  EXPECT_FALSE(Shown(IDC_SOUND));
  ExpectQuestionRowsStacked(editor_, "emptied");
}

// The part of a row that the list shows.
RECT ShownRow(HWND list, int item) {
  RECT row = {LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&row));
  RECT client, shown;
  GetClientRect(list, &client);
  IntersectRect(&shown, &row, &client);
  return shown;
}

// The pixels of a row's middle line that have the colour.
int PixelsOfColour(HWND list, int item, COLORREF colour) {
  const RECT row = ShownRow(list, item);
  const HDC dc = GetDC(list);
  int count = 0;
  for (int x = row.left; x < row.right; ++x) {
    if (GetPixel(dc, x, (row.top + row.bottom) / 2) == colour) ++count;
  }
  ReleaseDC(list, dc);
  return count;
}

TEST_F(EditorWindowTest, TheSelectedQuestionStaysClearlySelectedWhenTheFocusLeavesTheList) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 3), folder_);
  Open(quizFile);
  const HWND list = Item(IDC_QUESTIONS);
  EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_SHOWSELALWAYS);
  SetForegroundWindow(editor_);
  SetFocus(list);
  SelectRow(list, 1);
  Pump(editor_);
  SetFocus(Item(IDC_ANSWER1));
  Pump(editor_);
  ASSERT_NE(GetFocus(), list);
  EXPECT_EQ(SelectedRow(list), 1);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  // Most of the selected row's middle line in the selection's colour, none of the others'.
  const RECT selected = ShownRow(list, 1);
  EXPECT_GT(PixelsOfColour(list, 1, highlight), (selected.right - selected.left) / 2);
  EXPECT_EQ(PixelsOfColour(list, 0, highlight), 0);
  EXPECT_EQ(PixelsOfColour(list, 2, highlight), 0);
}

// Closes the player that a trial started, once its window is up, and waits until the editor has
// tidied up after it.
void CloseTrialPlayer(HWND editor, const std::function<bool()>& tidied) {
  HWND player = nullptr;
  ASSERT_TRUE(PumpUntil(
      editor,
      [&] {
        player = FindWindowW(L"WindowsApp", nullptr);
        return player != nullptr;
      },
      20000));
  PostMessageW(player, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil(editor, tidied, 10000));
}

TEST_F(EditorWindowTest, TryingMakesATemporaryQuizStartsItAndRemovesItOnceClosed) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), folder_);
  Open(quizFile);
  wchar_t temporary[MAX_PATH];
  GetTempPathW(MAX_PATH, temporary);
  auto trialFolders = [&] {
    std::vector<fs::path> found;
    const std::wstring prefix = L"brelaedit-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (const auto& entry : fs::directory_iterator(temporary)) {
      if (entry.path().filename().wstring().rfind(prefix, 0) == 0) found.push_back(entry.path());
    }
    return found;
  };
  Command(IDC_TRY);
  EXPECT_TRUE(author_.asked.empty());
  const std::vector<fs::path> running = trialFolders();
  ASSERT_EQ(running.size(), 1u);
  CloseTrialPlayer(editor_, [&] { return trialFolders().empty(); });
}

// A teacher's folder named with characters that no ANSI code page of a French Windows holds: the
// quiz is made there, and tried from a temporary folder named likewise.
TEST_F(EditorWindowTest, AQuizInAFolderNamedOutsideCodePage1252IsMadeAndTried) {
  const fs::path folder = folder_ / fs::u8path("Élèves – 東京 Ω");
  Open(WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder));
  const fs::path made = folder / fs::u8path("quiz Ω.exe");
  author_.files = {made};
  author_.answers = {IDYES};  // open its folder, which the file manager cannot
  author_.folderOpens = false;
  Command(IDC_MAKE);
  ASSERT_EQ(author_.asked.size(), 2u) << Utf8Text(author_.asked[0].text);
  EXPECT_EQ(author_.asked[0].text, L"Le quiz « quiz Ω.exe » est créé.\nOuvrir son dossier ?");
  EXPECT_EQ(author_.asked[1].text,
            L"Le dossier « " + folder.wstring() + L" » n'a pas pu être ouvert.");
  QuizDefinition loaded;
  ASSERT_NO_FATAL_FAILURE(LoadMadeQuiz(made, loaded));
  EXPECT_EQ(loaded.questionCount, 2);

  const fs::path temporary = folder / L"temp Ω";
  fs::create_directories(temporary);
  wchar_t before[MAX_PATH] = {};
  GetEnvironmentVariableW(L"TMP", before, MAX_PATH);
  SetEnvironmentVariableW(L"TMP", temporary.c_str());
  Command(IDC_TRY);
  SetEnvironmentVariableW(L"TMP", before);
  EXPECT_EQ(author_.asked.size(), 2u) << Utf8Text(author_.asked.back().text);
  const std::vector<fs::path> trials{fs::directory_iterator(temporary), {}};
  ASSERT_EQ(trials.size(), 1u) << "the trial's folder, in the temporary folder";
  const fs::path trial = trials[0];
  const std::string prefix = "brelaedit-" + std::to_string(GetCurrentProcessId()) + "-";
  EXPECT_EQ(trial.filename().u8string().rfind(prefix, 0), 0u);
  CloseTrialPlayer(editor_, [&] { return !fs::exists(trial); });
}

// A file that is no quiz, or a folder that holds files, is replaced or written into only once the
// author says so.
TEST_F(EditorWindowTest, MakingOverAFileOrReadingBackIntoAFullFolderAsksFirst) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), folder_);
  Open(quizFile);
  const fs::path homework = folder_ / "devoir.exe";
  std::ofstream(homework, std::ios::binary) << "le devoir de Zoé";
  const std::wstring question = L"« " + homework.wstring() +
                                L" » existe déjà et n'est pas un quiz : il n'est pas remplacé.\n"
                                L"Le remplacer quand même par le quiz ?";
  author_.files = {homework};
  author_.answers = {IDNO};
  Command(IDC_MAKE);
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text, question);
  EXPECT_EQ(ReadBytes(homework), Bytes({'l', 'e', ' ', 'd', 'e', 'v', 'o', 'i', 'r', ' ', 'd', 'e',
                                        ' ', 'Z', 'o', 0xC3, 0xA9}));
  author_.files = {homework};
  author_.answers = {IDYES, IDNO};
  Command(IDC_MAKE);
  ASSERT_EQ(author_.asked.size(), 3u);
  EXPECT_EQ(author_.asked[1].text, question);
  EXPECT_EQ(author_.asked[2].text, L"Le quiz « devoir.exe » est créé.\nOuvrir son dossier ?");
  QuizDefinition loaded;
  ASSERT_NO_FATAL_FAILURE(LoadMadeQuiz(homework, loaded));
  EXPECT_EQ(loaded.questionCount, 2);

  author_.folder = folder_;  // holds the quiz file and the executable
  author_.files = {homework};
  author_.answers = {IDNO, IDNO};  // another folder than the one proposed; not written there
  Command(IDM_OPEN);
  ASSERT_EQ(author_.asked.size(), 5u);
  EXPECT_EQ(author_.asked[4].text, L"le dossier « " + folder_.wstring() +
                                       L" » contient déjà des fichiers : rien n'y est écrit.\n"
                                       L"Y écrire quand même, en remplaçant ce qui porte le même "
                                       L"nom ?");
  EXPECT_EQ(EditedDocument(editor_).file, quizFile) << "nothing else opened";
}

// Windows' temporary folder names a place where no folder can be made (under a file): the author
// is told, and nothing starts.
TEST_F(EditorWindowTest, TryingWhereNoTemporaryFolderCanBeMadeSaysSo) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), folder_);
  Open(quizFile);
  wchar_t before[MAX_PATH] = {};
  GetEnvironmentVariableW(L"TMP", before, MAX_PATH);
  SetEnvironmentVariableW(L"TMP", (quizFile / "temp").c_str());
  Command(IDC_TRY);
  SetEnvironmentVariableW(L"TMP", before);
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text,
            L"Le quiz ne peut pas être essayé : aucun dossier temporaire n'a pu être créé pour "
            L"lui.");
  EXPECT_EQ(FindWindowW(L"WindowsApp", nullptr), nullptr);
}

// The id of a process that has ended: from then on it names no process.
DWORD EndedProcessId() {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION ended = {};
  wchar_t command[] = L"cmd.exe /c exit 0";
  if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &ended)) {
    return 0;
  }
  const ScopedHandle process(ended.hProcess), thread(ended.hThread);
  WaitForSingleObject(process.Get(), 10000);
  return ended.dwProcessId;
}

// An editor closed while its trial still ran leaves the trial's folder: the next editor removes
// it, and leaves the folders of editors still running and other folders alone.
TEST(EditorTrialFoldersTest, TheFoldersOfEditorsNoLongerRunningAreRemoved) {
  const DWORD ended = EndedProcessId();
  ASSERT_NE(ended, 0u);
  wchar_t temporary[MAX_PATH];
  GetTempPathW(MAX_PATH, temporary);
  const fs::path left = fs::path(temporary) / ("brelaedit-" + std::to_string(ended) + "-1");
  const fs::path ours =
      fs::path(temporary) / ("brelaedit-" + std::to_string(GetCurrentProcessId()) + "-99");
  const fs::path other = fs::path(temporary) / ("brelaedit-" + std::to_string(ended));
  for (const fs::path& folder : {left, ours, other}) {
    fs::create_directories(folder / "answers");
    std::ofstream(folder / "answers" / "quiz.txt") << "Paris\r\n";
  }
  RemoveTrialFoldersLeftBehind();
  EXPECT_FALSE(fs::exists(left));
  EXPECT_TRUE(fs::exists(ours / "answers" / "quiz.txt"));
  EXPECT_TRUE(fs::exists(other / "answers" / "quiz.txt"));
  fs::remove_all(ours);
  fs::remove_all(other);
}

TEST_F(EditorWindowTest, TryingAQuizWithErrorsSaysSoAndStartsNothing) {
  Open();  // a new quiz: no title, no answer
  Command(IDC_TRY);
  ASSERT_EQ(author_.asked.size(), 1u);
  // No title, no wording, no answer.
  EXPECT_EQ(author_.asked[0].text.rfind(L"Le quiz a encore 3 erreurs : corrigez-les", 0), 0u)
      << Utf8Text(author_.asked[0].text);
  EXPECT_EQ(FindWindowW(L"WindowsApp", nullptr), nullptr);
}

TEST_F(EditorWindowTest, MakingAQuizWithErrorsRefusesBeforeAskingForAName) {
  Open();  // a new quiz: no title, no wording, no answer
  Command(IDC_MAKE);
  EXPECT_TRUE(author_.fileChoices.empty());
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text,
            L"Le quiz a encore 3 erreurs : corrigez-les d'après la liste des problèmes (un "
            L"double-clic mène à chacune).");
  // One error left: the sentence agrees with it.
  Type(IDC_TITLE, L"Capitales");
  Type(IDC_ANSWER1, L"Rome");
  ASSERT_TRUE(PumpUntil(editor_, [&] { return StatusText(editor_).rfind(L"1 erreur,", 0) == 0; }))
      << Utf8Text(StatusText(editor_));
  Command(IDC_MAKE);
  EXPECT_TRUE(author_.fileChoices.empty());
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[1].text,
            L"Le quiz a encore 1 erreur : corrigez-la d'après la liste des problèmes (un "
            L"double-clic y mène).");
}

TEST_F(EditorWindowTest, NewPutsTheCaretInTheTitle) {
  Open();
  Type(IDC_TITLE, L"Ancien");
  author_.answers = {IDNO};  // not saved
  SetFocus(Item(IDC_KIND));
  PressWith(VK_CONTROL, Item(IDC_KIND), WM_KEYDOWN, 'N');
  EXPECT_EQ(GetFocus(), Item(IDC_TITLE));
  for (wchar_t c : std::wstring(L"Essai")) PostMessageW(GetFocus(), WM_CHAR, c, 0);
  Pump(editor_);
  EXPECT_EQ(TextOf(Item(IDC_TITLE)), L"Essai");
  EXPECT_EQ(SendMessageW(Item(IDC_KIND), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(EditedDocument(editor_).quiz.title, "Essai");
}

// The real program as a second process: a top-level window of it whose title passes.
struct WindowSearch {
  DWORD processId;
  std::function<bool(HWND)> wanted;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  WindowSearch& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search.processId || !IsWindowVisible(window) || !search.wanted(window)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& wanted) {
  WindowSearch search{processId, wanted, nullptr};
  for (int tries = 0; tries < 1000 && !search.found; ++tries) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(20);
  }
  return search.found;
}

// The reveal modes as the editor offers them, and the check's messages naming them alike.
TEST_F(EditorWindowTest, TheRevealModesReadAsTheMessagesNameThem) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("audio", "text", 1, 2), folder_);
  Open(quizFile);
  const std::wstring labels[] = {L"Rien", L"L'image réponse", L"Le texte révélé",
                                 L"Le texte et l'image réponse", L"Tous les textes à la fin"};
  const HWND combo = Item(IDC_REVEAL_MODE);
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 5);
  for (int mode = 0; mode < 5; ++mode) {
    wchar_t text[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, mode, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(text, labels[mode]) << mode;
  }
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
  const std::vector<Problem>& problems = ShownProblems(editor_);
  const auto reveal = std::find_if(problems.begin(), problems.end(),
                                   [](const Problem& p) { return p.field == "revealMode"; });
  ASSERT_NE(reveal, problems.end());
  EXPECT_NE(reveal->message.find("« none » (rien)"), std::string::npos) << reveal->message;
}

// The control that shows each field of the quiz file, as the form lays it out.
const std::map<std::string, int> CONTROL_OF_KEY = {
    {"title", IDC_TITLE},
    {"author", IDC_AUTHOR},
    {"explanation", IDC_EXPLANATION},
    {"kind", IDC_KIND},
    {"answersPerQuestion", IDC_ANSWERS},
    {"answer1Caption", IDC_CAPTION1},
    {"answer2Caption", IDC_CAPTION2},
    {"revealMode", IDC_REVEAL_MODE},
    {"backgroundColour", IDC_COLOUR},
    {"codes", IDC_CODES},
    {"questions", IDC_QUESTIONS},
    {"answer1", IDC_ANSWER1},
    {"answer2", IDC_ANSWER2},
    {"questionText", IDC_QUESTION_TEXT},
    {"revealText", IDC_REVEAL_TEXT},
    {"picture", IDC_PICTURE},
    {"sound", IDC_SOUND},
    {"film", IDC_FILM},
    {"answerPicture", IDC_ANSWER_PICTURE},
};

// A quiz of these settings whose first question holds every field of the table, none of their
// files on the disk, and whose second holds its first answer alone; three codes, one with a tab.
nlohmann::json QuizHoldingEveryField(int kind, int answers, int mode) {
  nlohmann::json question;
  nlohmann::json quiz = {{"kind", KINDS[kind].name},
                         {"answersPerQuestion", answers},
                         {"revealMode", REVEAL_MODE_NAMES[mode]},
                         {"codes", {"un", "deux\tdeux", "trois"}}};
  for (int field = 0; field < FIELD_COUNT; ++field) {
    const FieldFacts& facts = FactsOf(static_cast<QuizField>(field));
    if (facts.value == VALUE_SETTING) continue;
    const std::string value =
        facts.value == VALUE_PATH ? std::string("absent/") + facts.key + ".bin" : "Texte";
    (facts.ofQuestion ? question : quiz)[facts.key] = value;
  }
  quiz["questions"] = {question, {{"answer1", "Lyon"}}};
  return quiz;
}

// Enter on each problem, in every kind, answer count and reveal mode: the focus lands in the
// control of the problem's field, visible and editable, its question selected. A field that the
// settings do not use (a sound in a text quiz, a film in a picture quiz) is shown, to be emptied.
TEST_F(EditorWindowTest, EveryProblemLeadsToAVisibleEditableControlOfItsField) {
  for (int kind = KIND_TEXT; kind <= KIND_VIDEO; ++kind) {
    for (int answers = 1; answers <= 2; ++answers) {
      for (int mode = REVEAL_NONE; mode <= REVEAL_TEXTS_AT_END; ++mode) {
        const std::string settings = std::string(KINDS[kind].name) + "/" +
                                     std::to_string(answers) + "/" + REVEAL_MODE_NAMES[mode];
        const fs::path file = folder_ / "quiz.json";
        std::ofstream(file, std::ios::binary) << QuizHoldingEveryField(kind, answers, mode).dump();
        Open(file);
        const std::vector<Problem> problems = ShownProblems(editor_);
        int strayMedia = 0;
        for (int row = 0; row < static_cast<int>(problems.size()); ++row) {
          const Problem& problem = problems[row];
          const std::string what = settings + ", " + problem.field + " of question " +
                                   std::to_string(problem.question) + ": " + problem.message;
          const bool media = problem.field == "picture" || problem.field == "sound" ||
                             problem.field == "film";
          if (media && problem.field != (KINDS[kind].media == FIELD_NONE
                                             ? ""
                                             : FactsOf(KINDS[kind].media).key)) {
            ++strayMedia;
          }
          SetFocus(Item(IDC_PROBLEMS));
          SelectRow(Item(IDC_PROBLEMS), row);
          Command(IDOK);
          const auto control = CONTROL_OF_KEY.find(problem.field);
          ASSERT_NE(control, CONTROL_OF_KEY.end()) << what;
          const HWND focus = GetFocus();
          EXPECT_EQ(focus, Item(control->second)) << what;
          EXPECT_TRUE(IsWindowVisible(focus) && IsWindowEnabled(focus)) << what;
          EXPECT_FALSE(GetWindowLongW(focus, GWL_STYLE) & ES_READONLY) << what;
          if (problem.question > 0) {
            EXPECT_EQ(SelectedRow(Item(IDC_QUESTIONS)), problem.question - 1) << what;
          }
        }
        // The quiz's codes, the missing fields of question 2 and the stray fields of question 1.
        EXPECT_GE(problems.size(), 6u) << settings;
        EXPECT_EQ(strayMedia, kind == KIND_TEXT ? 3 : 2) << settings;
        DestroyWindow(editor_);
        Pump(editor_);
      }
    }
  }
}

// --- Recovery after a crash, a kill or a power cut ----------------------------------------------

std::vector<fs::path> RecoveryFilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->path().extension() == ".recup") files.push_back(entry->path());
  }
  return files;
}

std::string FileText(const fs::path& file) {
  const Bytes bytes = ReadBytes(file);
  return std::string(bytes.begin(), bytes.end());
}

// Whether the only recovery file in folder holds text (UTF-8), once the editor has written it.
bool RecoveryFileComesHolding(const fs::path& folder, const std::string& text) {
  return PumpUntil(nullptr, [&] {
    const std::vector<fs::path> files = RecoveryFilesIn(folder);
    return files.size() == 1 && FileText(files[0]).find(text) != std::string::npos;
  }, 8000);
}

void WriteText(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

std::string RecoveryFileName(DWORD processId, int number) {
  return "brelaedit-" + std::to_string(processId) + "-" + std::to_string(number) + ".recup";
}

nlohmann::json CapitalesQuiz() {
  return {{"kind", "text"},
          {"title", "Capitales"},
          {"questions", {{{"questionText", "France"}, {"answer1", "Paris"}}}}};
}

class EditorRecoveryTest : public EditorWindowTest {
 protected:
  void OpenKeepingRecovery(const fs::path& file = {}) {
    environment_ = {WindowsExecutableAccess(PLAYER), GdiTextMeasurer(), author_.Dialogs(),
                    RecoveryFolder()};
    editor_ = OpenEditorWindow(GetModuleHandleW(nullptr), environment_, file, false);
    ASSERT_NE(editor_, nullptr);
    Pump(editor_);
  }

  fs::path RecoveryFolder() const { return folder_ / L"récupération"; }
  std::vector<fs::path> RecoveryFiles() const { return RecoveryFilesIn(RecoveryFolder()); }
};

TEST_F(EditorRecoveryTest, NewOrClosingWithoutSavingRemovesTheRecoveryFile) {
  OpenKeepingRecovery();
  Type(IDC_TITLE, L"Brouillon");
  ASSERT_TRUE(RecoveryFileComesHolding(RecoveryFolder(), "Brouillon"));
  author_.answers = {IDNO};  // "Enregistrer les modifications ?"
  Command(IDM_NEW);
  EXPECT_TRUE(RecoveryFiles().empty());
  EXPECT_EQ(TextOf(editor_), L"Sans titre - Éditeur de quiz brela");

  Type(IDC_TITLE, L"Deuxième brouillon");
  ASSERT_TRUE(RecoveryFileComesHolding(RecoveryFolder(), "Deuxième brouillon"));
  author_.answers = {IDNO};
  SendMessageW(editor_, WM_CLOSE, 0, 0);
  Pump(editor_);
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[1].text, L"Enregistrer les modifications ?");
  EXPECT_FALSE(IsWindow(editor_));
  EXPECT_TRUE(RecoveryFiles().empty());
}

// What editors no longer running left is offered back; an unreadable file is set aside and said
// so; the files of editors still running and other files are left alone.
TEST_F(EditorRecoveryTest, TheChangesOfEditorsGoneAreOfferedBackAndAnUnreadableFileSetAside) {
  const DWORD ended = EndedProcessId();
  ASSERT_NE(ended, 0u);
  fs::create_directories(RecoveryFolder());
  const fs::path damaged = RecoveryFolder() / RecoveryFileName(ended, 1);
  const fs::path left = RecoveryFolder() / RecoveryFileName(ended, 2);
  const fs::path running = RecoveryFolder() / RecoveryFileName(GetCurrentProcessId(), 999);
  const fs::path other = RecoveryFolder() / "notes.recup";
  WriteText(damaged, "brelaedit récupération 1\nfichier=");
  const fs::path quizFile = folder_ / "capitales.json";
  const std::string quiz =
      "{\"kind\": \"text\", \"title\": \"Capitales d'Europe\", \"questions\": "
      "[{\"questionText\": \"Italie\", \"answer1\": \"Rome\"}]}";
  WriteText(left, "brelaedit récupération 1\nfichier=" + quizFile.u8string() +
                      "\nmédias=" + folder_.u8string() + "\n" + quiz);
  for (const fs::path& kept : {running, other}) WriteText(kept, "à garder");
  OpenKeepingRecovery();
  author_.answers = {IDOK, IDYES};
  OfferRecoveries(editor_);
  Pump(editor_);

  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[0].text,
            L"Le fichier de récupération « " + damaged.wstring() +
                L" » n'a pas pu être lu : il est mis de côté sous le nom « " +
                WideText(RecoveryFileName(ended, 1)) + L".illisible ».");
  EXPECT_EQ(author_.asked[1].text,
            L"Récupérer les modifications non enregistrées de « capitales.json » ?\n"
            L"Titre du quiz : « Capitales d'Europe »\n\n"
            L"Non : ces modifications sont effacées.");
  EXPECT_EQ(author_.asked[1].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  // Back as it was, unsaved, to be saved where it was meant to be.
  EXPECT_EQ(TextOf(editor_), L"capitales.json* - Éditeur de quiz brela");
  EXPECT_EQ(TextOf(Item(IDC_TITLE)), L"Capitales d'Europe");
  EXPECT_EQ(TextOf(Item(IDC_QUESTION_TEXT)), L"Italie");
  EXPECT_EQ(TextOf(Item(IDC_ANSWER1)), L"Rome");
  EXPECT_EQ(EditedDocument(editor_).file, quizFile);

  EXPECT_FALSE(fs::exists(damaged));
  EXPECT_EQ(FileText(damaged.wstring() + L".illisible"), "brelaedit récupération 1\nfichier=");
  EXPECT_FALSE(fs::exists(left));
  EXPECT_EQ(FileText(running), "à garder");
  EXPECT_EQ(FileText(other), "à garder");
  // Kept at once in this editor's own recovery file, the one other file of this process.
  std::vector<fs::path> ours;
  for (const fs::path& file : RecoveryFiles()) {
    if (file != running && file != other) ours.push_back(file);
  }
  ASSERT_EQ(ours.size(), 1u);
  EXPECT_NE(FileText(ours[0]).find("\"Rome\""), std::string::npos);
}

// An environment variable set for the processes started meanwhile.
class ScopedVariable {
 public:
  ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
    wchar_t before[MAX_PATH + 1] = {};
    had_ = GetEnvironmentVariableW(name, before, MAX_PATH + 1) > 0;
    before_ = before;
    SetEnvironmentVariableW(name, value.c_str());
  }
  ~ScopedVariable() { SetEnvironmentVariableW(name_, had_ ? before_.c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const wchar_t* name_;
  bool had_;
  std::wstring before_;
};

// The real editor as its own process, its local application data in a test folder; ended at
// once if a test stops before it has.
class EditorProcess {
 public:
  EditorProcess(const fs::path& localData, const std::wstring& arguments) {
    const ScopedVariable variable(L"LOCALAPPDATA", localData.wstring());
    std::wstring commandLine = L"\"" + EDITOR.wstring() + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(EDITOR.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       localData.c_str(), &startup, &process)) {
      process_ = ScopedHandle(process.hProcess);
      CloseHandle(process.hThread);
      id_ = process.dwProcessId;
    }
  }
  ~EditorProcess() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) Kill();
  }

  bool Started() const { return id_ != 0; }
  DWORD Id() const { return id_; }
  HWND WindowTitled(const std::wstring& title) const {
    return WaitForWindow(id_, [&](HWND window) { return TextOf(window) == title; });
  }
  HWND BoxOf(HWND editor) const {
    return WaitForWindow(id_, [&](HWND window) { return GetWindow(window, GW_OWNER) == editor; });
  }
  // Ended at once, as by a crash or the task manager: nothing of it runs any more.
  void Kill() {
    TerminateProcess(process_.Get(), 9);
    WaitForSingleObject(process_.Get(), 20000);
  }
  bool EndsOnItsOwn() const { return WaitForSingleObject(process_.Get(), 20000) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
  }

 private:
  ScopedHandle process_;
  DWORD id_ = 0;
};

// Typed as keys reach the focused field: the field's text replaced.
void TypeInto(HWND control, const std::wstring& text) {
  SendMessageW(control, EM_SETSEL, 0, -1);
  for (wchar_t c : text) PostMessageW(control, WM_CHAR, c, 0);
}

std::wstring ControlText(HWND editor, int id) {
  wchar_t text[256] = {};
  SendMessageW(GetDlgItem(editor, id), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring BoxText(HWND box) { return TextOf(GetDlgItem(box, 0xFFFF)); }

// The real editor, started on a spreadsheet whose name is outside code page 1252: it opens it, and
// closing it asks in the system's own message box.
TEST(EditorProcessTest, TheEditorOpensTheFileOnItsCommandLineAndAsksBeforeClosingUnsaved) {
  const fs::path folder = FreshDirectory("brelaedit-process");
  const fs::path local = folder / "Local";
  fs::create_directories(local);
  const fs::path csv = folder / L"Ελλάδα été.csv";
  std::ofstream(csv, std::ios::binary)
      << "question;réponse;code\nCapitale de la Grèce ?;Athènes;A1\n";
  {
    EditorProcess process(local, L"\"" + csv.wstring() + L"\"");
    ASSERT_TRUE(process.Started());
    const HWND editor = process.WindowTitled(L"Sans titre* - Éditeur de quiz brela");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(ControlText(editor, IDC_TITLE), L"Ελλάδα été");
    EXPECT_EQ(RowCount(GetDlgItem(editor, IDC_QUESTIONS)), 1);
    // The title has characters the player cannot show: the check says so.
    EXPECT_EQ(ControlText(editor, IDC_STATUS), L"1 erreur, 0 avertissement");

    PostMessageW(editor, WM_CLOSE, 0, 0);
    const HWND box = process.BoxOf(editor);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Éditeur de quiz brela");
    EXPECT_EQ(BoxText(box), L"Enregistrer les modifications ?");
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(process.EndsOnItsOwn());
    EXPECT_EQ(process.ExitCode(), 0u);
  }
  std::error_code error;
  fs::remove_all(folder, error);
}

// The editor ended abruptly after typing: the next one offers the changes back, as they were
// typed, unsaved, under the quiz file's name; saving writes them there and removes the file.
TEST(EditorProcessTest, AnEditorKilledAfterTypingOffersItsChangesBackOnTheNextStart) {
  const fs::path folder = FreshDirectory("brelaedit-recovery-kill");
  const fs::path local = folder / "Local";
  const fs::path recovery = local / "brela" / L"récupération";
  fs::create_directories(local);
  const fs::path quizFile = WriteSampleQuiz(CapitalesQuiz(), folder);
  {
    EditorProcess first(local, L"\"" + quizFile.wstring() + L"\"");
    ASSERT_TRUE(first.Started());
    const HWND editor = first.WindowTitled(L"quiz.json - Éditeur de quiz brela");
    ASSERT_NE(editor, nullptr);
    TypeInto(GetDlgItem(editor, IDC_TITLE), L"Capitales d'Europe");
    TypeInto(GetDlgItem(editor, IDC_QUESTION_TEXT), L"Italie");
    TypeInto(GetDlgItem(editor, IDC_ANSWER1), L"Rome");
    ASSERT_TRUE(RecoveryFileComesHolding(recovery, "\"Rome\""));
    first.Kill();
  }
  ASSERT_EQ(RecoveryFilesIn(recovery).size(), 1u);
  EXPECT_EQ(FileText(quizFile).find("Rome"), std::string::npos);

  EditorProcess second(local, L"");
  ASSERT_TRUE(second.Started());
  const HWND editor = second.WindowTitled(L"Sans titre - Éditeur de quiz brela");
  ASSERT_NE(editor, nullptr);
  const HWND box = second.BoxOf(editor);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), L"Éditeur de quiz brela");
  EXPECT_EQ(BoxText(box),
            L"Récupérer les modifications non enregistrées de « quiz.json » ?\n"
            L"Titre du quiz : « Capitales d'Europe »\n\n"
            L"Non : ces modifications sont effacées.");
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  ASSERT_NE(second.WindowTitled(L"quiz.json* - Éditeur de quiz brela"), nullptr);
  EXPECT_EQ(ControlText(editor, IDC_TITLE), L"Capitales d'Europe");
  EXPECT_EQ(ControlText(editor, IDC_QUESTION_TEXT), L"Italie");
  EXPECT_EQ(ControlText(editor, IDC_ANSWER1), L"Rome");

  // Enregistrer: into the quiz file, without asking where; the recovery file goes.
  PostMessageW(editor, WM_COMMAND, IDM_SAVE, 0);
  ASSERT_NE(second.WindowTitled(L"quiz.json - Éditeur de quiz brela"), nullptr);
  const nlohmann::json saved = nlohmann::json::parse(FileText(quizFile));
  EXPECT_EQ(saved["title"], "Capitales d'Europe");
  EXPECT_EQ(saved["questions"][0]["questionText"], "Italie");
  EXPECT_EQ(saved["questions"][0]["answer1"], "Rome");
  EXPECT_TRUE(RecoveryFilesIn(recovery).empty());
  PostMessageW(editor, WM_CLOSE, 0, 0);  // nothing unsaved: it closes without asking
  EXPECT_TRUE(second.EndsOnItsOwn());
  std::error_code error;
  fs::remove_all(folder, error);
}

// "Non" on the next start removes the changes; a quiz closed without saving leaves none either.
TEST(EditorProcessTest, ChangesRefusedOnTheNextStartOrClosedWithoutSavingAreRemoved) {
  const fs::path folder = FreshDirectory("brelaedit-recovery-refused");
  const fs::path local = folder / "Local";
  const fs::path recovery = local / "brela" / L"récupération";
  fs::create_directories(local);
  {
    EditorProcess first(local, L"");
    ASSERT_TRUE(first.Started());
    const HWND editor = first.WindowTitled(L"Sans titre - Éditeur de quiz brela");
    ASSERT_NE(editor, nullptr);
    TypeInto(GetDlgItem(editor, IDC_TITLE), L"Brouillon");
    ASSERT_TRUE(RecoveryFileComesHolding(recovery, "Brouillon"));
    first.Kill();
  }
  EditorProcess second(local, L"");
  ASSERT_TRUE(second.Started());
  const HWND editor = second.WindowTitled(L"Sans titre - Éditeur de quiz brela");
  ASSERT_NE(editor, nullptr);
  const HWND question = second.BoxOf(editor);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(BoxText(question),
            L"Récupérer les modifications non enregistrées de « Sans titre » ?\n"
            L"Titre du quiz : « Brouillon »\n\n"
            L"Non : ces modifications sont effacées.");
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(PumpUntil(nullptr, [&] { return RecoveryFilesIn(recovery).empty(); }));
  EXPECT_EQ(ControlText(editor, IDC_TITLE), L"");

  TypeInto(GetDlgItem(editor, IDC_TITLE), L"Autre brouillon");
  ASSERT_TRUE(RecoveryFileComesHolding(recovery, "Autre brouillon"));
  PostMessageW(editor, WM_CLOSE, 0, 0);
  const HWND save = second.BoxOf(editor);
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(BoxText(save), L"Enregistrer les modifications ?");
  PostMessageW(save, WM_COMMAND, IDNO, 0);
  EXPECT_TRUE(second.EndsOnItsOwn());
  EXPECT_TRUE(RecoveryFilesIn(recovery).empty());
  std::error_code error;
  fs::remove_all(folder, error);
}

// A top-level window of any process, by its title; null when none comes.
HWND WaitForTitle(const std::wstring& title) {
  for (int tries = 0; tries < 1000; ++tries) {
    if (const HWND window = FindWindowW(nullptr, title.c_str())) return window;
    Sleep(20);
  }
  return nullptr;
}

std::string RecoveryText(const fs::path& quizFile, const std::string& title) {
  return "brelaedit récupération 1\nfichier=" + quizFile.u8string() + "\nmédias=" +
         quizFile.parent_path().u8string() + "\n{\"kind\": \"text\", \"title\": \"" + title +
         "\", \"questions\": [{\"questionText\": \"France\", \"answer1\": \"Paris\"}]}";
}

// Two quizzes left by editors gone, both taken back: the first in this editor, the second in a
// new one, each then kept in its own editor's recovery file.
TEST(EditorProcessTest, TwoQuizzesTakenBackComeOneHereAndTheOtherInAnEditorOfItsOwn) {
  const fs::path folder = FreshDirectory("brelaedit-recovery-two");
  const fs::path local = folder / "Local";
  const fs::path recovery = local / "brela" / L"récupération";
  fs::create_directories(recovery);
  const DWORD ended = EndedProcessId();
  ASSERT_NE(ended, 0u);
  WriteText(recovery / RecoveryFileName(ended, 1), RecoveryText(folder / "a.json", "Premier"));
  WriteText(recovery / RecoveryFileName(ended, 2), RecoveryText(folder / "b.json", "Second"));

  EditorProcess first(local, L"");
  ASSERT_TRUE(first.Started());
  const HWND editor = first.WindowTitled(L"Sans titre - Éditeur de quiz brela");
  ASSERT_NE(editor, nullptr);
  for (const wchar_t* name : {L"« a.json »", L"« b.json »"}) {
    const HWND box = WaitForWindow(first.Id(), [&](HWND window) {
      return GetWindow(window, GW_OWNER) == editor &&
             BoxText(window).find(name) != std::wstring::npos;
    });
    ASSERT_NE(box, nullptr) << Utf8Text(name);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
  }
  ASSERT_NE(first.WindowTitled(L"a.json* - Éditeur de quiz brela"), nullptr);
  EXPECT_EQ(ControlText(editor, IDC_TITLE), L"Premier");
  const HWND other = WaitForTitle(L"b.json* - Éditeur de quiz brela");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(ControlText(other, IDC_TITLE), L"Second");
  DWORD otherId = 0;
  GetWindowThreadProcessId(other, &otherId);
  EXPECT_NE(otherId, first.Id());
  const ScopedHandle otherProcess(OpenProcess(SYNCHRONIZE, FALSE, otherId));
  ASSERT_TRUE(otherProcess);
  // Each editor keeps its quiz in a file of its own name.
  std::vector<std::string> names;
  for (const fs::path& file : RecoveryFilesIn(recovery)) {
    names.push_back(file.filename().u8string().substr(0, file.filename().u8string().rfind('-')));
  }
  std::sort(names.begin(), names.end());
  std::vector<std::string> owners = {"brelaedit-" + std::to_string(first.Id()),
                                     "brelaedit-" + std::to_string(otherId)};
  std::sort(owners.begin(), owners.end());
  EXPECT_EQ(names, owners);

  for (const HWND window : {editor, other}) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HWND save = WaitForWindow(
        processId, [&](HWND box) { return GetWindow(box, GW_OWNER) == window; });
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(BoxText(save), L"Enregistrer les modifications ?");
    PostMessageW(save, WM_COMMAND, IDNO, 0);
  }
  EXPECT_TRUE(first.EndsOnItsOwn());
  EXPECT_EQ(WaitForSingleObject(otherProcess.Get(), 20000), WAIT_OBJECT_0);
  EXPECT_TRUE(RecoveryFilesIn(recovery).empty());
  std::error_code error;
  fs::remove_all(folder, error);
}

}  // namespace

// --- Reading a quiz executable back, and the empty fields of a blank quiz ----------------------

class EditorReadBackTest : public EditorWindowTest {
 protected:
  // A picture quiz of 2 questions (2 pictures, 2 answer pictures) made into folder_/images.exe.
  fs::path MakeImages() {
    const fs::path quizFile =
        WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_);
    Open(quizFile);
    const fs::path made = folder_ / "images.exe";
    author_.files = {made};
    author_.answers = {IDNO};  // its folder stays closed
    Command(IDC_MAKE);
    author_.asked.clear();
    return made;
  }

  std::wstring Proposal(const std::wstring& folder) const {
    return L"Le quiz « images.exe » sera lu dans un nouveau dossier : " +
           (folder_ / folder).wstring() +
           L"\n\nOui : le lire dans ce dossier.\nNon : choisir un autre dossier.\nAnnuler : ne "
           L"pas le lire.";
  }
};

TEST_F(EditorReadBackTest, AQuizExecutableIsReadByDefaultIntoANewFolderBesideIt) {
  const fs::path made = MakeImages();
  ASSERT_TRUE(fs::exists(made));
  author_.files = {made};
  author_.answers = {IDYES, IDOK};
  Command(IDM_OPEN);
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[0].text, Proposal(L"images"));
  EXPECT_EQ(author_.asked[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(author_.asked[1].text, L"Le quiz « images.exe » est lu dans le dossier « " +
                                       (folder_ / "images").wstring() +
                                       L" » : « quiz.json » et 4 fichiers d'images, de sons ou "
                                       L"de films.");
  EXPECT_TRUE(author_.folderStarts.empty()) << "no folder chooser";
  EXPECT_EQ(EditedDocument(editor_).file, folder_ / "images" / "quiz.json");
  EXPECT_EQ(TextOf(editor_), L"quiz.json - Éditeur de quiz brela");
  for (const char* name : {"picture01.jpg", "picture02.jpg", "answer01.jpg", "answer02.jpg"}) {
    EXPECT_TRUE(fs::exists(folder_ / "images" / name)) << name;
  }
  EXPECT_EQ(TextOf(Item(IDC_PICTURE)), L"picture01.jpg");
  EXPECT_FALSE(HasErrors(ShownProblems(editor_)));
}

TEST_F(EditorReadBackTest, ANameTakenByAFolderOrAFileGivesTheNewFolderANumber) {
  const fs::path made = MakeImages();
  fs::create_directory(folder_ / "images");
  std::ofstream(folder_ / "images (2)") << "un fichier sans extension";
  author_.files = {made};
  author_.answers = {IDYES, IDOK};
  Command(IDM_OPEN);
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[0].text, Proposal(L"images (3)"));
  EXPECT_EQ(EditedDocument(editor_).file, folder_ / "images (3)" / "quiz.json");
  EXPECT_TRUE(fs::is_empty(folder_ / "images"));
  EXPECT_TRUE(fs::is_regular_file(folder_ / "images (2)"));
  EXPECT_TRUE(fs::exists(folder_ / "images (3)" / "answer02.jpg"));
}

TEST_F(EditorReadBackTest, CancellingTheProposedFolderReadsNothing) {
  const fs::path made = MakeImages();
  const fs::path before = EditedDocument(editor_).file;
  author_.files = {made};
  author_.answers = {IDCANCEL};
  Command(IDM_OPEN);
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text, Proposal(L"images"));
  EXPECT_FALSE(fs::exists(folder_ / "images"));
  EXPECT_TRUE(author_.folderStarts.empty());
  EXPECT_EQ(EditedDocument(editor_).file, before);
}

// The places of the problems that the list shows.
std::vector<std::wstring> ListedPlaces(HWND list) {
  std::vector<std::wstring> places;
  for (int row = 0; row < RowCount(list); ++row) places.push_back(ItemText(list, row, 1));
  return places;
}

using Places = std::vector<std::wstring>;

TEST_F(EditorWindowTest, ABlankQuizReportsAnEmptyFieldOnceTheAuthorLeavesIt) {
  Open();
  EXPECT_EQ(RowCount(Item(IDC_PROBLEMS)), 0);
  EXPECT_EQ(StatusText(editor_), L"Des champs obligatoires restent à remplir");
  // The focus gone from the window (another program, a message box): the title is not left.
  SetFocus(Item(IDC_TITLE));
  Pump(editor_);
  SetFocus(nullptr);
  PumpUntil(editor_, [] { return false; }, 3 * CHECK_DELAY_MS);
  EXPECT_EQ(RowCount(Item(IDC_PROBLEMS)), 0);
  SetFocus(Item(IDC_TITLE));
  Pump(editor_);
  SetFocus(Item(IDC_AUTHOR));
  ASSERT_TRUE(ProblemRowsBecome(1));
  EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)), Places{L"titre"});
  EXPECT_EQ(ItemText(Item(IDC_PROBLEMS), 0, 2), L"le titre est vide : donnez un titre au quiz");
  EXPECT_EQ(StatusText(editor_), L"1 erreur, 0 avertissement");
  // The wording left for the answer: that field of that question only.
  SetFocus(Item(IDC_QUESTION_TEXT));
  Pump(editor_);
  SetFocus(Item(IDC_ANSWER1));
  ASSERT_TRUE(ProblemRowsBecome(2));
  EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)), (Places{L"titre", L"question 1, énoncé"}));
  Command(IDC_ADD);  // the caret goes to question 2's wording, from question 1's answer
  ASSERT_EQ(GetFocus(), Item(IDC_QUESTION_TEXT));
  ASSERT_TRUE(ProblemRowsBecome(3));
  EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)),
            (Places{L"titre", L"question 1, réponse 1", L"question 1, énoncé"}));
  // A field filled then emptied is an empty field left too.
  SetFocus(Item(IDC_ANSWER1));
  Type(IDC_ANSWER1, L"Rome");
  Type(IDC_ANSWER1, L"");
  SetFocus(Item(IDC_CODES));
  ASSERT_TRUE(ProblemRowsBecome(5));
  EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)),
            (Places{L"titre", L"question 1, réponse 1", L"question 1, énoncé",
                    L"question 2, réponse 1", L"question 2, énoncé"}));
}

TEST_F(EditorWindowTest, TryingMakingOrSavingABlankQuizReportsEveryEmptyField) {
  const Places every = {L"titre", L"codes", L"question 1, réponse 1", L"question 1, énoncé"};
  for (int action : {IDC_TRY, IDC_MAKE, IDM_SAVE}) {
    Open();
    ASSERT_EQ(RowCount(Item(IDC_PROBLEMS)), 0);
    Command(action);  // refused for its errors, or saving cancelled
    EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)), every) << action;
    DestroyWindow(editor_);
  }
}

TEST_F(EditorWindowTest, AQuizFileWithEmptyFieldsShowsThemAtOnceAndNewHidesThemAgain) {
  Open();
  const fs::path saved = folder_ / "vide.json";
  author_.files = {saved};
  Command(IDM_SAVE);
  ASSERT_TRUE(fs::exists(saved));
  Command(IDM_NEW);  // saved: nothing asked
  EXPECT_EQ(RowCount(Item(IDC_PROBLEMS)), 0);
  EXPECT_EQ(GetFocus(), Item(IDC_TITLE));
  author_.files = {saved};
  Command(IDM_OPEN);
  EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)),
            (Places{L"titre", L"codes", L"question 1, réponse 1", L"question 1, énoncé"}));
  // Ctrl+N with the focus in a field of the file's quiz: that field is the file's, not the new
  // quiz's.
  SetFocus(Item(IDC_ANSWER1));
  Pump(editor_);
  Command(IDM_NEW);
  PumpUntil(editor_, [] { return false; }, 3 * CHECK_DELAY_MS);  // the live check has run
  EXPECT_EQ(RowCount(Item(IDC_PROBLEMS)), 0);
  EXPECT_EQ(GetFocus(), Item(IDC_TITLE));
}

// A question inserted before one whose fields were left is a blank question: its own empty
// fields wait; the other's stay reported under its new number, and go with it when deleted.
TEST_F(EditorWindowTest, TheFieldsLeftFollowTheirQuestionWhenTheListChanges) {
  Open();
  Type(IDC_TITLE, L"Capitales");
  SetFocus(Item(IDC_ANSWER1));
  Pump(editor_);
  SetFocus(Item(IDC_QUESTION_TEXT));
  ASSERT_TRUE(ProblemRowsBecome(1));
  Command(IDC_INSERT);  // before question 1, the caret in its wording
  ASSERT_EQ(GetFocus(), Item(IDC_QUESTION_TEXT));
  ASSERT_TRUE(ProblemRowsBecome(2));
  EXPECT_EQ(ListedPlaces(Item(IDC_PROBLEMS)),
            (Places{L"question 2, réponse 1", L"question 2, énoncé"}));
  SelectRow(Item(IDC_QUESTIONS), 1);
  Command(IDC_DELETE);
  ASSERT_TRUE(ProblemRowsBecome(0));
  EXPECT_EQ(StatusText(editor_), L"Des champs obligatoires restent à remplir");
}

// The codes' label on its own lines above the box, whole in the Quiz group, its text wrapped
// within its rectangle in the window's own font.
TEST_F(EditorWindowTest, TheCodesLabelSaysWhatACodeIsAndFitsAboveItsBox) {
  Open();
  const HWND label = Item(IDC_CODES_LABEL);
  EXPECT_EQ(TextOf(label),
            L"Co&des de progression (facultatif) : le joueur montre le code de la ligne n quand n "
            L"questions sont réussies");
  RECT labelRect, box, title;
  GetWindowRect(label, &labelRect);
  GetWindowRect(Item(IDC_CODES), &box);
  GetWindowRect(Item(IDC_TITLE), &title);
  EXPECT_LE(labelRect.bottom, box.top);
  EXPECT_LE(labelRect.left, box.left);
  RECT text = {0, 0, labelRect.right - labelRect.left, 0};
  const HDC dc = GetDC(label);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT,
                                                                              0, 0)));
  const std::wstring shown = TextOf(label);
  DrawTextW(dc, shown.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  EXPECT_LE(text.bottom, labelRect.bottom - labelRect.top) << "every line shows";
  EXPECT_LE(text.right, labelRect.right - labelRect.left);
  EXPECT_GE(labelRect.right, title.right - 2) << "as wide as the quiz's fields";
}

// --- The problem list read whole; the window with the keyboard and a screen reader -------------

namespace {

int ColumnWidth(HWND list, int column) {
  return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
}

// The list never scrolls sideways: no horizontal bar, and its three columns within its width.
void ExpectProblemColumnsFit(HWND list, const char* when) {
  EXPECT_FALSE(GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL) << when;
  RECT client;
  GetClientRect(list, &client);
  EXPECT_LE(ColumnWidth(list, 0) + ColumnWidth(list, 1) + ColumnWidth(list, 2), client.right)
      << when;
  EXPECT_GE(ColumnWidth(list, 2), client.right / 2) << when;  // the message keeps the most room
}

// The lines that an edit wraps its text into fit in its formatting rectangle.
void ExpectWholeTextShown(HWND edit) {
  RECT format;
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const std::wstring text = TextOf(edit);
  const HDC dc = GetDC(edit);
  const HGDIOBJ font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  RECT needed = {0, 0, format.right - format.left, 0};
  DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
  SelectObject(dc, font);
  ReleaseDC(edit, dc);
  EXPECT_LE(needed.bottom, format.bottom - format.top) << Utf8Text(text);
}

int RowWhoseMessageHas(HWND list, const std::wstring& part) {
  for (int row = 0; row < RowCount(list); ++row) {
    if (ItemText(list, row, 2).find(part) != std::wstring::npos) return row;
  }
  return -1;
}

TEST_F(EditorWindowTest, ALongProblemIsReadWholeUnderAListThatNeverScrollsSideways) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 3), folder_);
  Open(quizFile);
  const HWND list = Item(IDC_PROBLEMS);
  const HWND detail = Item(IDC_PROBLEM_DETAIL);
  // The sample's three codes are too wide: the first is shown in full from the start.
  ASSERT_EQ(RowCount(list), 3);
  EXPECT_EQ(SelectedRow(list), 0);
  EXPECT_EQ(TextOf(detail).rfind(L"Avertissement — code 1 : ", 0), 0u) << Utf8Text(TextOf(detail));
  for (int row = 0; row < 3; ++row) EXPECT_EQ(ItemText(list, row, 0), L"Avertissement");
  ExpectProblemColumnsFit(list, "opened");

  // A space before an answer is an error; a capital with an accent, a long warning.
  SelectRow(Item(IDC_QUESTIONS), 1);
  Pump(editor_);
  Type(IDC_ANSWER1, L" Mâcon");
  SelectRow(Item(IDC_QUESTIONS), 0);
  Pump(editor_);
  Type(IDC_ANSWER1, L"Écosse");
  ASSERT_TRUE(PumpUntil(editor_, [&] { return RowWhoseMessageHas(list, L"majuscule") >= 0; }));
  ASSERT_EQ(RowCount(list), 5);
  const int error = RowWhoseMessageHas(list, L"espace");
  ASSERT_GE(error, 0);
  EXPECT_EQ(ItemText(list, error, 0), L"Erreur");
  const int row = RowWhoseMessageHas(list, L"majuscule");
  EXPECT_EQ(ItemText(list, row, 0), L"Avertissement");
  ExpectProblemColumnsFit(list, "with more rows than the list shows");
  SelectRow(list, row);
  Pump(editor_);
  EXPECT_EQ(TextOf(detail),
            L"Avertissement — question 1, réponse 1 : contient la majuscule accentuée « É », "
            L"difficile à taper sur un clavier français, et le joueur ne la confond ni avec « é » ni "
            L"avec la lettre sans accent : un élève qui tape « é » n'obtiendra pas « BRAVO » ; "
            L"écrivez « é » à la place");
  EXPECT_GE(SendMessageW(detail, EM_GETLINECOUNT, 0, 0), 2);  // too long for one line
  ExpectWholeTextShown(detail);

  // Narrower and wider, the columns follow the list's width.
  RECT window;
  GetWindowRect(editor_, &window);
  for (int change : {-200, 0}) {
    SetWindowPos(editor_, nullptr, 0, 0, window.right - window.left + change,
                 window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
    Pump(editor_);
    ExpectProblemColumnsFit(list, change < 0 ? "narrower" : "back to its width");
    ExpectWholeTextShown(detail);
  }
}

// The name a screen reader reads for a control, through the same call as the readers.
std::wstring AccessibleName(HWND control) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return L"(no accessible object)";
  }
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT result = accessible->get_accName(self, &name);
  const std::wstring text = result == S_OK && name ? name : L"(no name)";
  SysFreeString(name);
  accessible->Release();
  return text;
}

// A message longer than the line under the list (a missing picture named by a long path, twice)
// scrolls up and down in it, never sideways, down to its last word.
TEST_F(EditorWindowTest, AProblemLongerThanItsLineScrollsDownToItsEnd) {
  nlohmann::json quiz = SampleQuizJson("picture", "picture", 1, 2);
  WriteSampleQuiz(quiz, folder_);
  const std::string missing =
      "images/classe de CM2 2025-2026/sortie au musée des Beaux-Arts/salle des "
      "impressionnistes/photo que personne n'a encore copiée.jpg";
  quiz["questions"][0]["picture"] = missing;
  std::ofstream(folder_ / "quiz.json", std::ios::binary) << quiz.dump();
  Open(folder_ / "quiz.json");
  const HWND list = Item(IDC_PROBLEMS);
  const int row = RowWhoseMessageHas(list, L"introuvable");
  ASSERT_GE(row, 0);
  SelectRow(list, row);
  Pump(editor_);
  // The narrowest window the editor allows.
  SetWindowPos(editor_, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER);
  Pump(editor_);
  const HWND detail = Item(IDC_PROBLEM_DETAIL);
  const std::wstring text = TextOf(detail);
  // Where it was looked for, in full, ends the message.
  const std::wstring searched =
      (folder_ / fs::u8path(missing)).make_preferred().wstring() + L" »)";
  ASSERT_GE(text.size(), searched.size());
  EXPECT_EQ(text.substr(text.size() - searched.size()), searched) << Utf8Text(text);
  const LONG_PTR style = GetWindowLongPtrW(detail, GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & (WS_HSCROLL | ES_AUTOHSCROLL));
  RECT format;
  SendMessageW(detail, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const int lines = static_cast<int>(SendMessageW(detail, EM_GETLINECOUNT, 0, 0));
  SendMessageW(detail, WM_VSCROLL, SB_BOTTOM, 0);
  Pump(editor_);
  const int first = static_cast<int>(SendMessageW(detail, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_GT(lines, 2) << "longer than the line shows at once";
  EXPECT_GT(first, 0) << "scrolled down";
  // The last character's place lies within the line's visible rectangle once scrolled down.
  const LRESULT place = SendMessageW(detail, EM_POSFROMCHAR, text.size() - 1, 0);
  const POINT last = {static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
  EXPECT_TRUE(PtInRect(&format, last)) << last.x << "," << last.y;
}

TEST_F(EditorWindowTest, EveryFieldListAndButtonHasTheAccessibleNameOfWhatItIsFor) {
  Open();
  const std::pair<int, const wchar_t*> names[] = {
      {IDC_TITLE, L"Titre"},
      {IDC_AUTHOR, L"Auteur"},
      {IDC_EXPLANATION, L"Explication"},
      {IDC_KIND, L"Type"},
      {IDC_ANSWERS, L"Réponses"},
      {IDC_CAPTION1, L"Légende 1"},
      {IDC_CAPTION2, L"Légende 2"},
      {IDC_REVEAL_MODE, L"Révélation"},
      {IDC_COLOUR, L"Couleur du fond…"},
      {IDC_CODES,
       L"Codes de progression (facultatif) : le joueur montre le code de la ligne n quand n "
       L"questions sont réussies"},
      {IDC_QUESTIONS, L"Questions"},
      {IDC_QUESTION_TEXT, L"Énoncé"},
      {IDC_ANSWER1, L"Réponse 1"},
      {IDC_ANSWER2, L"Réponse 2"},
      {IDC_REVEAL_TEXT, L"Texte révélé"},
      {IDC_PICTURE, L"Image"},
      {IDC_CHOOSE_PICTURE, L"Choisir l'image…"},
      {IDC_SOUND, L"Son"},
      {IDC_CHOOSE_SOUND, L"Choisir le son…"},
      {IDC_FILM, L"Film"},
      {IDC_CHOOSE_FILM, L"Choisir le film…"},
      {IDC_ANSWER_PICTURE, L"Image réponse"},
      {IDC_CHOOSE_ANSWER_PICTURE, L"Choisir l'image réponse…"},
      {IDC_MAKE_WEB_PAGE, L"Créer la page web…"},
      {IDC_PROBLEMS, L"Problèmes"},
      {IDC_PROBLEM_DETAIL, L"Problème sélectionné"},
  };
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  for (const auto& [id, name] : names) EXPECT_EQ(AccessibleName(Item(id)), name) << id;
  // Only the name is the editor's: the rest is still the system's, its place on the screen too.
  IAccessible* accessible = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(Item(IDC_KIND), OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&accessible)),
            S_OK);
  VARIANT self = {};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  LONG left = 0, top = 0, width = 0, height = 0;
  EXPECT_EQ(accessible->accLocation(&left, &top, &width, &height, self), S_OK);
  accessible->Release();
  RECT screen;
  GetClientRect(Item(IDC_KIND), &screen);
  MapWindowPoints(Item(IDC_KIND), HWND_DESKTOP, reinterpret_cast<POINT*>(&screen), 2);
  EXPECT_EQ(left, screen.left);
  EXPECT_EQ(top, screen.top);
  EXPECT_EQ(width, screen.right - screen.left);
  CoUninitialize();
}

// A key pressed and released in the focused control, through the editor's keyboard handling.
void PressKey(HWND editor, WPARAM key) {
  const HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, 1 | 0xC0000000);
  Pump(editor);
}

TEST_F(EditorWindowTest, TheProblemAndQuestionListsWorkWithTheKeyboardAlone) {
  const fs::path quizFile = WriteSampleQuiz(SampleQuizJson("text", "none", 1, 3), folder_);
  Open(quizFile);
  const HWND problems = Item(IDC_PROBLEMS);
  const HWND detail = Item(IDC_PROBLEM_DETAIL);
  auto detailStart = [&] { return TextOf(detail).substr(0, TextOf(detail).find(L" : ")); };
  // Tab reaches the problems, the first already selected: the arrows start from it.
  SendMessageW(editor_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_MAKE_WEB_PAGE)), TRUE);
  PressKey(editor_, VK_TAB);
  ASSERT_EQ(GetFocus(), problems);
  EXPECT_EQ(SelectedRow(problems), 0);
  PressKey(editor_, VK_DOWN);
  EXPECT_EQ(SelectedRow(problems), 1);
  EXPECT_EQ(detailStart(), L"Avertissement — code 2");
  PressKey(editor_, VK_END);
  EXPECT_EQ(SelectedRow(problems), 2);
  EXPECT_EQ(detailStart(), L"Avertissement — code 3");
  PressKey(editor_, VK_HOME);
  EXPECT_EQ(SelectedRow(problems), 0);
  PressKey(editor_, VK_DOWN);
  PressKey(editor_, VK_RETURN);
  EXPECT_EQ(GetFocus(), Item(IDC_CODES));
  DWORD start = 0, end = 0;
  SendMessageW(Item(IDC_CODES), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, TextOf(Item(IDC_CODES)).find(L"\r\n") + 2);  // the second code selected
  EXPECT_GT(end, start);

  // Tab from the codes reaches the questions; the arrows choose the question the fields show.
  PressKey(editor_, VK_TAB);
  const HWND questions = Item(IDC_QUESTIONS);
  ASSERT_EQ(GetFocus(), questions);
  EXPECT_EQ(SelectedRow(questions), 0);
  PressKey(editor_, VK_DOWN);
  EXPECT_EQ(SelectedRow(questions), 1);
  EXPECT_EQ(TextOf(Item(IDC_QUESTION_TEXT)), L"Qu'est-ce que le n° 2 ?");
  PressKey(editor_, VK_END);
  EXPECT_EQ(TextOf(Item(IDC_QUESTION_TEXT)), L"Qu'est-ce que le n° 3 ?");
  PressKey(editor_, VK_HOME);
  EXPECT_EQ(TextOf(Item(IDC_QUESTION_TEXT)), L"Qu'est-ce que le n° 1 ?");
  PressKey(editor_, VK_DELETE);
  EXPECT_EQ(RowCount(questions), 2);
  EXPECT_EQ(TextOf(Item(IDC_QUESTION_TEXT)), L"Qu'est-ce que le n° 2 ?");
  PressKey(editor_, VK_RETURN);
  EXPECT_EQ(GetFocus(), Item(IDC_QUESTION_TEXT));

  // Back in a list whose selection a click on its blank part took away: a row is selected again.
  LVITEMW none = {};
  none.stateMask = LVIS_SELECTED;
  for (HWND list : {problems, questions}) {
    SendMessageW(list, LVM_SETITEMSTATE, -1, reinterpret_cast<LPARAM>(&none));
  }
  SendMessageW(editor_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_MAKE_WEB_PAGE)), TRUE);
  PressKey(editor_, VK_TAB);
  EXPECT_EQ(SelectedRow(problems), 0);
  SendMessageW(editor_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_CODES)), TRUE);
  PressKey(editor_, VK_TAB);
  ASSERT_EQ(GetFocus(), questions);
  EXPECT_EQ(SelectedRow(questions), 0);  // the question that the fields show
  EXPECT_EQ(TextOf(Item(IDC_QUESTION_TEXT)), L"Qu'est-ce que le n° 2 ?");
}

// --- Class results ---------------------------------------------------------------------------

struct OwnedWindowSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchOwnedWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<OwnedWindowSearch*>(data);
  if (GetWindow(window, GW_OWNER) != search.owner || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// The window the editor opened for the class results, owned by it; none: nullptr.
HWND ResultsWindowOf(HWND editor) {
  OwnedWindowSearch search = {editor, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchOwnedWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::wstring> RowTexts(HWND list, int row) {
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<std::wstring> texts;
  for (int column = 0; column < columns; ++column) texts.push_back(ItemText(list, row, column));
  return texts;
}

std::wstring HeaderText(HWND list, int column) {
  wchar_t text[64] = {};
  LVCOLUMNW entry = {};
  entry.mask = LVCF_TEXT;
  entry.pszText = text;
  entry.cchTextMax = 64;
  SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
  return text;
}

LRESULT TextWidthIn(HWND list, const std::wstring& text) {
  return SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The colour drawn inside a cell, away from its text and grid lines.
COLORREF CellFill(HWND list, int row, int column) {
  RECT cell = {};
  cell.top = column;
  cell.left = LVIR_LABEL;  // the first column's bounds would be the whole row's
  SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const HDC dc = GetDC(list);
  const COLORREF colour = GetPixel(dc, cell.right - 3, cell.bottom - 3);
  ReleaseDC(list, dc);
  return colour;
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string FileStart(const fs::path& file, std::size_t size) {
  std::string bytes(size, '\0');
  std::ifstream(file, std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(size));
  return bytes;
}

TEST_F(EditorWindowTest, TheClassResultsShowEveryPupilsVerdictsAndSaveTheSpreadsheetAndPage) {
  nlohmann::json quiz = SampleQuizJson("text", "none", 2, 3);
  const char* answers[][2] = {{"Paris", "France"}, {"crocodile", "Nil"}, {"élève", "Émile"}};
  for (int n = 0; n < 3; ++n) {
    quiz["questions"][n]["answer1"] = answers[n][0];
    quiz["questions"][n]["answer2"] = answers[n][1];
  }
  quiz["title"] = "Géographie";
  quiz["codes"] = {"UN", "DEUX", "TROIS"};
  Open(WriteSampleQuiz(quiz, folder_));
  // The pupils' files as the player writes them: code page 1252, one line a field.
  const fs::path classFolder = folder_ / "5e B";
  fs::create_directories(classFolder);
  WriteBytes(classFolder / fs::u8path("Zoé.txt"),
             "paris\r\nfrance\r\ncrocodi\r\nNil\r\n\xE9l\xE8ve\r\n\xC9mile\r\n");
  WriteBytes(classFolder / "Adam.txt", "Paris\nFrance\ncrocodile\nNil\n\xE9l\xE8ve\n\xC9mile\n");
  WriteBytes(classFolder / "Basile.txt", "*\r\nfrance\r\n");
  WriteBytes(classFolder / "notes.txt", "un\r\ndeux\r\ntrois\r\nquatre\r\ncinq\r\nsix\r\nsept\r\n");
  author_.folder = classFolder;

  Command(IDM_CLASS_RESULTS);
  const HWND results = ResultsWindowOf(editor_);
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(author_.folderStarts, std::vector<fs::path>{folder_});
  const HWND list = GetDlgItem(results, IDC_RESULTS);
  EXPECT_EQ(GetFocus(), list);
  PressKey(editor_, VK_TAB);  // the window's own Tab, not the editor's
  EXPECT_EQ(GetFocus(), GetDlgItem(results, IDC_RESULTS_LEFT_OUT));
  EXPECT_EQ(AccessibleName(list), L"Élèves");
  const std::vector<std::wstring> headers = {L"Élève", L"Score", L"Code", L"1", L"2", L"3"};
  for (int column = 0; column < 6; ++column) EXPECT_EQ(HeaderText(list, column), headers[column]);
  ASSERT_EQ(RowCount(list), 3);
  using Row = std::vector<std::wstring>;
  EXPECT_EQ(RowTexts(list, 0), (Row{L"Adam", L"3", L"TROIS", L"BRAVO / BRAVO", L"BRAVO / BRAVO",
                                    L"BRAVO / BRAVO"}));
  EXPECT_EQ(RowTexts(list, 1), (Row{L"Basile", L"0", L"", L"? / BRAVO", L"? / ?", L"? / ?"}));
  EXPECT_EQ(RowTexts(list, 2), (Row{L"Zoé", L"2", L"DEUX", L"BRAVO / BRAVO", L"Presque / BRAVO",
                                    L"BRAVO / BRAVO"}));
  // Every header and cell whole in its column.
  for (int column = 0; column < 6; ++column) {
    const auto width = SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0);
    EXPECT_GT(width, TextWidthIn(list, headers[column])) << column;
    for (int row = 0; row < 3; ++row) {
      EXPECT_GT(width, TextWidthIn(list, ItemText(list, row, column))) << column;
    }
  }
  // The player's verdict colours: green for BRAVO, amber for a near miss; the name on white.
  EXPECT_EQ(CellFill(list, 2, 3), RGB(0, 255, 0));
  EXPECT_EQ(CellFill(list, 2, 4), RGB(255, 203, 38));
  EXPECT_EQ(CellFill(list, 2, 0), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(TextOf(GetDlgItem(results, IDC_RESULTS_LEFT_OUT)),
            L"« notes.txt » laissé de côté : 7 lignes pour 6 champs de réponse : ce n'est pas un "
            L"fichier de réponses de ce quiz");

  const fs::path csv = folder_ / "classe.csv";
  const fs::path page = folder_ / "classe.html";
  author_.files = {csv, page};
  SendMessageW(GetDlgItem(results, IDC_SAVE_SPREADSHEET), BM_CLICK, 0, 0);
  Pump(editor_);
  SendMessageW(GetDlgItem(results, IDC_SAVE_PAGE), BM_CLICK, 0, 0);
  Pump(editor_);
  EXPECT_EQ(author_.fileChoices,
            (std::vector<FileChoice>{CHOOSE_RESULTS_SPREADSHEET, CHOOSE_RESULTS_PAGE}));
  EXPECT_EQ(author_.suggestions,
            (std::vector<fs::path>{folder_ / "5e B.csv", folder_ / "5e B.html"}));
  const std::string header = "\xEF\xBB\xBF\xC3\x89l\xC3\xA8ve;Score;Code;";
  EXPECT_EQ(FileStart(csv, header.size()), header);
  const std::string zoe = "Zo\xC3\xA9;2;DEUX;paris;BRAVO;france;BRAVO;crocodi;Presque;Nil;BRAVO;"
                          "\xC3\xA9l\xC3\xA8ve;BRAVO;\xC3\x89mile;BRAVO\r\n";
  EXPECT_NE(FileStart(csv, 4096).find(zoe), std::string::npos);
  EXPECT_EQ(FileStart(page, 15), "<!DOCTYPE html>");
  EXPECT_TRUE(author_.asked.empty());

  // Esc closes the window; the editor stays.
  PressKey(editor_, VK_ESCAPE);
  EXPECT_FALSE(IsWindow(results));
  EXPECT_TRUE(IsWindow(editor_));
}

TEST_F(EditorWindowTest, TheClassResultsAreNeverWrittenOverAPupilsFileNorIntoNoFolder) {
  Open(WriteSampleQuiz(SampleQuizJson("text", "none", 1, 2), folder_));
  const fs::path pupil = folder_ / "classe" / "Eva.txt";
  fs::create_directories(pupil.parent_path());
  WriteBytes(pupil, "R\xE9ponse 1\r\n");
  author_.folder = pupil.parent_path();
  Command(IDM_CLASS_RESULTS);
  const HWND results = ResultsWindowOf(editor_);
  ASSERT_NE(results, nullptr);
  ASSERT_EQ(RowTexts(GetDlgItem(results, IDC_RESULTS), 0),
            (std::vector<std::wstring>{L"Eva", L"1", L"CODE|1 ½", L"BRAVO", L"?"}));

  author_.files = {pupil, folder_ / "absent" / "classe.html"};
  SendMessageW(GetDlgItem(results, IDC_SAVE_SPREADSHEET), BM_CLICK, 0, 0);
  Pump(editor_);
  SendMessageW(GetDlgItem(results, IDC_SAVE_PAGE), BM_CLICK, 0, 0);
  Pump(editor_);
  EXPECT_EQ(fs::file_size(pupil), 11u);
  EXPECT_EQ(FileStart(pupil, 11), "R\xE9ponse 1\r\n");
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[0].text.rfind(L"Le tableur n'est pas enregistré : ", 0), 0u)
      << Utf8Text(author_.asked[0].text);
  EXPECT_NE(author_.asked[0].text.find(L"ne sera jamais remplacé"), std::wstring::npos);
  EXPECT_EQ(author_.asked[1].text.rfind(L"La page imprimable n'est pas enregistrée : ", 0), 0u)
      << Utf8Text(author_.asked[1].text);
  EXPECT_NE(author_.asked[1].text.find(L"n'existe pas"), std::wstring::npos);
  EXPECT_TRUE(IsWindow(results));
}

TEST_F(EditorWindowTest, AQuizTypedAndNeverSavedIsGradedToo) {
  Open();
  Type(IDC_TITLE, L"Animaux");
  Type(IDC_QUESTION_TEXT, L"Un reptile ?");
  Type(IDC_ANSWER1, L"crocodile");
  Command(IDC_ADD);
  Type(IDC_QUESTION_TEXT, L"Un navire ?");
  Type(IDC_ANSWER1, L"bateau");
  ASSERT_TRUE(EditedDocument(editor_).file.empty());
  const fs::path classFolder = folder_ / "classe";
  fs::create_directories(classFolder);
  WriteBytes(classFolder / fs::u8path("Léo.txt"), "crocodi\r\nbateaux\r\n");
  author_.folder = classFolder;

  Command(IDM_CLASS_RESULTS);
  const HWND results = ResultsWindowOf(editor_);
  ASSERT_NE(results, nullptr);
  const HWND list = GetDlgItem(results, IDC_RESULTS);
  ASSERT_EQ(RowCount(list), 1);
  EXPECT_EQ(RowTexts(list, 0),
            (std::vector<std::wstring>{L"Léo", L"0", L"", L"Presque", L"Quasiment"}));
  EXPECT_EQ(TextOf(GetDlgItem(results, IDC_RESULTS_LEFT_OUT)), L"Aucun fichier laissé de côté.");
}

TEST_F(EditorWindowTest, AQuizWithNothingToGradeIsToldAndNoFolderIsAskedFor) {
  Open();
  Command(IDC_DELETE);
  ASSERT_TRUE(EditedDocument(editor_).quiz.questions.empty());
  author_.folder = folder_;
  Command(IDM_CLASS_RESULTS);
  EXPECT_EQ(ResultsWindowOf(editor_), nullptr);
  EXPECT_TRUE(author_.folderStarts.empty());
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text,
            L"Les résultats ne peuvent pas être calculés : le quiz n'a aucune question.");
}

// --- "Créer la page web…" ------------------------------------------------------------------

std::string TextOfFile(const fs::path& file) {
  const Bytes bytes = ReadBytes(file);
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(EditorWindowTest, APictureQuizIsMadeIntoOneWebPageWithItsPicturesInside) {
  Open(WriteSampleQuiz(SampleQuizJson("picture", "picture", 1, 2), folder_));
  const fs::path page = folder_ / "images.html";
  author_.files = {page};
  author_.answers = {IDYES};  // open its folder
  Command(IDC_MAKE_WEB_PAGE);
  ASSERT_EQ(author_.fileChoices, std::vector<FileChoice>{CHOOSE_WEB_PAGE});
  EXPECT_EQ(author_.suggestions[0], folder_ / L"Quiz « picture » à l'œil.html");
  ASSERT_EQ(author_.asked.size(), 1u) << Utf8Text(author_.asked[0].text);
  EXPECT_EQ(author_.asked[0].text,
            L"La page web « images.html » est créée.\nOuvrir son dossier ?");
  EXPECT_EQ(author_.openedFolders, std::vector<fs::path>{folder_});
  const std::string html = TextOfFile(page);
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(html.find("id=\"reponse-1-1\""), std::string::npos);
  EXPECT_NE(html.find("data:image/"), std::string::npos);

  // A page made before is replaced without a word; another file only once the author agrees.
  author_.files = {page};
  author_.answers = {IDNO};
  Command(IDC_MAKE_WEB_PAGE);
  ASSERT_EQ(author_.asked.size(), 2u);
  EXPECT_EQ(author_.asked[1].text,
            L"La page web « images.html » est créée.\nOuvrir son dossier ?");
  const fs::path homework = folder_ / "devoir.html";
  WriteBytes(homework, "<p>le devoir</p>");
  author_.files = {homework};
  author_.answers = {IDNO};
  Command(IDC_MAKE_WEB_PAGE);
  ASSERT_EQ(author_.asked.size(), 3u);
  EXPECT_EQ(author_.asked[2].text,
            L"« " + homework.wstring() +
                L" » existe déjà et n'est pas une page web : il n'est pas remplacé.\n"
                L"Le remplacer quand même par la page web ?");
  EXPECT_EQ(TextOfFile(homework), "<p>le devoir</p>");
}

TEST_F(EditorWindowTest, AFilmQuizHasNoWebPageAndNoNameIsAskedFor) {
  Open(WriteSampleQuiz(SampleQuizJson("video", "none", 1, 2), folder_));
  author_.files = {folder_ / "films.html"};
  Command(IDC_MAKE_WEB_PAGE);
  EXPECT_TRUE(author_.fileChoices.empty());
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text,
            L"Un quiz de films n'a pas de page web : les navigateurs ne lisent pas les films AVI.");
  EXPECT_FALSE(fs::exists(folder_ / "films.html"));
}

TEST_F(EditorWindowTest, AWebPageOfAQuizWithErrorsIsRefusedBeforeAskingForAName) {
  Open();  // a new quiz: no title, no wording, no answer
  Command(IDC_MAKE_WEB_PAGE);
  EXPECT_TRUE(author_.fileChoices.empty());
  ASSERT_EQ(author_.asked.size(), 1u);
  EXPECT_EQ(author_.asked[0].text,
            L"Le quiz a encore 3 erreurs : corrigez-les d'après la liste des problèmes (un "
            L"double-clic mène à chacune).");
}

}  // namespace
