// The editor's file actions over the authoring core.
#include "tools/brelaedit/editor_files_win.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "tools/authoring/class_results.h"
#include "tools/authoring/make_quiz.h"
#include "tools/authoring/safe_file.h"
#include "tools/authoring/spreadsheet_import.h"
#include "tools/authoring/web_page.h"
#include "tools/authoring/whole_file.h"
#include "tools/brelaedit/class_results_window_win.h"
#include "tools/brelaedit/window_text_win.h"

namespace {

namespace fs = std::filesystem;

int Ask(HWND owner, const EditorEnvironment& environment, const std::string& text, UINT type) {
  return environment.dialogs.message(owner, WideText(text), type);
}

void Tell(HWND owner, const EditorEnvironment& environment, const std::string& text) {
  Ask(owner, environment, text, MB_OK | MB_ICONWARNING);
}

// The problems as lines under a heading, the first few only: the list of problems shows them all.
std::string ProblemLines(const std::string& heading, const std::vector<Problem>& problems) {
  constexpr std::size_t SHOWN = 8;
  std::string text = heading;
  for (std::size_t i = 0; i < problems.size() && i < SHOWN; ++i) {
    text += "\n  " + ProblemLine(problems[i]);
  }
  if (problems.size() > SHOWN) text += "\n  …";
  return text;
}

std::string Extension(const fs::path& path) {
  std::string extension = path.extension().u8string();
  for (char& c : extension) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return extension;
}

bool ReadQuizFile(HWND owner, const EditorEnvironment& environment, const fs::path& path,
                  EditorDocument& document) {
  std::vector<Problem> problems;
  bool readable = false;
  const QuizFile quiz = ReadQuizJson(ReadWholeText(path), problems, &readable);
  if (!readable) {
    Tell(owner, environment,
         ProblemLines(QuotedPath(path) + " n'est pas un fichier de quiz lisible :", problems));
    return false;
  }
  // What the record cannot hold (an unknown key...) is lost on saving: say so now.
  if (!problems.empty()) {
    Tell(owner, environment,
         ProblemLines(QuotedPath(path) + " est ouvert, mais ceci n'a pas pu être lu :", problems));
  }
  document = DocumentOf(quiz, path);
  return true;
}

bool ImportCsv(HWND owner, const EditorEnvironment& environment, const fs::path& path,
               EditorDocument& document) {
  std::vector<Problem> problems;
  SpreadsheetLayout layout;
  const QuizFile quiz = ImportSpreadsheet(ReadWholeText(path), path, problems, &layout);
  if (HasErrors(problems)) {
    std::string text = QuotedPath(path) + " ne peut pas être importé :";
    for (const Problem& problem : problems)
      text += "\n  " + SpreadsheetPlace(problem, layout) + " : " + problem.message;
    Tell(owner, environment, text);
    return false;
  }
  document = DocumentOf(quiz, "", path.parent_path());
  document.dirty = true;  // nothing is saved yet
  return true;
}

// The folder to read a quiz executable into: by default a new one beside it, named after it;
// empty when the author cancels.
fs::path FolderForExecutable(HWND owner, const EditorEnvironment& environment,
                             const fs::path& path) {
  const fs::path beside = path.parent_path();
  const fs::path proposed =
      beside / fs::u8path(FreeFolderName(path.filename().u8string(), [&](const std::string& name) {
        std::error_code error;  // a name that cannot be looked at fails on writing, and says so
        return fs::exists(beside / fs::u8path(name), error);
      }));
  switch (Ask(owner, environment,
              "Le quiz " + QuotedPath(path.filename()) + " sera lu dans un nouveau dossier : " +
                  proposed.u8string() +
                  "\n\nOui : le lire dans ce dossier.\nNon : choisir un autre dossier.\n"
                  "Annuler : ne pas le lire.",
              MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return proposed;
    case IDNO:
      return environment.dialogs.chooseFolder(
          owner, L"Dossier où écrire le fichier de quiz et ses images, sons ou films :", beside);
    default:
      return {};
  }
}

bool DumpExecutable(HWND owner, const EditorEnvironment& environment, const fs::path& path,
                    EditorDocument& document) {
  const fs::path folder = FolderForExecutable(owner, environment, path);
  if (folder.empty()) return false;
  DumpOutcome outcome = DumpQuizExecutable(path, folder, false, environment.access);
  if (!outcome.refused.empty()) {
    if (Ask(owner, environment,
            outcome.refused + ".\nY écrire quand même, en remplaçant ce qui porte le même nom ?",
            MB_YESNO | MB_ICONQUESTION) != IDYES) {
      return false;
    }
    outcome = DumpQuizExecutable(path, folder, true, environment.access);
  }
  if (!outcome.ok) {
    Tell(owner, environment, QuotedPath(path) + " : " + outcome.problem);
    return false;
  }
  if (!outcome.warnings.empty()) {
    Tell(owner, environment, ProblemLines(QuotedPath(path) + " est lu, mais :", outcome.warnings));
  }
  if (!ReadQuizFile(owner, environment, outcome.quizFile, document)) return false;
  std::string written = QuotedPath(outcome.quizFile.filename());
  if (outcome.mediaCount > 0) {
    written += " et " + CountText(outcome.mediaCount, "fichier d'image, de son ou de film",
                                  "fichiers d'images, de sons ou de films");
  }
  Ask(owner, environment,
      "Le quiz " + QuotedPath(path.filename()) + " est lu dans le dossier " + QuotedPath(folder) +
          " : " + written + ".",
      MB_OK | MB_ICONINFORMATION);
  return true;
}

// A name for the file to save, from the quiz's own file or its title.
fs::path SuggestedPath(const EditorDocument& document, const char* extension) {
  if (!document.file.empty() && std::string(extension) == ".json") return document.file;
  fs::path name = fs::u8path(DefaultExecutableName(document.quiz.title));
  name.replace_extension(extension);
  const fs::path folder =
      document.file.empty() ? document.mediaFolder : document.file.parent_path();
  return folder / name;
}

// Makes the quiz into output; on a refusal to replace a file that is not a quiz, asks first.
bool Make(HWND owner, const EditorEnvironment& environment, const EditorDocument& document,
          MediaCache& cache, const fs::path& output, bool askBeforeReplacing) {
  const CheckContext context = CheckContextOf(environment, document, cache);
  const MakeOptions options{false, document.file};
  MakeOutcome outcome;
  try {
    outcome = MakeQuizExecutable(document.quiz, context, environment.access.defaultPlayer, output,
                                 options, environment.access);
    if (!outcome.refused.empty()) {
      if (!askBeforeReplacing ||
          Ask(owner, environment, outcome.refused + ".\nLe remplacer quand même par le quiz ?",
              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return false;
      }
      outcome = MakeQuizExecutable(document.quiz, context, environment.access.defaultPlayer, output,
                                   {true, document.file}, environment.access);
    }
  } catch (const IoError& error) {
    Tell(owner, environment, std::string("Le quiz n'a pas pu être créé : ") + error.what());
    return false;
  }
  if (!outcome.written) {
    Tell(owner, environment, ErrorsLeftText(CountProblems(outcome.problems, PROBLEM_ERROR)));
  }
  return outcome.written;
}

// While problems hold errors, nothing is made: the author is told how many are left.
bool RefusedForErrors(HWND owner, const EditorEnvironment& environment,
                      const std::vector<Problem>& problems) {
  if (!HasErrors(problems)) return false;
  Tell(owner, environment, ErrorsLeftText(CountProblems(problems, PROBLEM_ERROR)));
  return true;
}

// A reason as a sentence of its own: capital first, full stop last.
std::string Sentence(std::string reason) {
  if (!reason.empty()) {
    reason[0] = static_cast<char>(toupper(static_cast<unsigned char>(reason[0])));
  }
  return reason + ".";
}

// The page of the document, made before any name is asked; empty, once the author has been told
// why, when there is none.
std::string WebPageOf(HWND owner, const EditorEnvironment& environment,
                      const EditorDocument& document, MediaCache& cache) {
  const fs::path module = WebModuleBeside(environment.access.defaultPlayer);
  std::error_code error;
  if (!fs::is_regular_file(module, error)) {
    Tell(owner, environment,
         "La page web n'a pas pu être créée : la correction des pages web, " +
             QuotedPath(module) + ", est introuvable ; elle s'installe à côté du joueur.");
    return "";
  }
  std::vector<Problem> problems;
  const std::vector<Resource> resources =
      WebResourcesOf(document.quiz, CheckContextOf(environment, document, cache), problems);
  if (RefusedForErrors(owner, environment, problems)) return "";
  const WebPageOutcome page = QuizWebPage(resources, ReadWholeText(module));
  if (!page.ok) Tell(owner, environment, Sentence(page.problem));
  return page.ok ? page.html : "";
}

// Writes the page to output, never over the quiz, its media or the module; a file there that is
// not a page is replaced only if the author agrees.
bool WriteWebPage(HWND owner, const EditorEnvironment& environment,
                  const EditorDocument& document, const std::string& html,
                  const fs::path& output) {
  try {
    std::vector<fs::path> inputs = MediaPaths(document.quiz, document.mediaFolder);
    inputs.push_back(document.file);
    inputs.push_back(WebModuleBeside(environment.access.defaultPlayer));
    RefuseWritingOverInputs(output, inputs);
    std::error_code error;
    if (fs::exists(output, error) &&
        ReadWholeText(output).compare(0, std::strlen(WEB_PAGE_START), WEB_PAGE_START) != 0 &&
        Ask(owner, environment,
            QuotedPath(output) + " existe déjà et n'est pas une page web : il n'est pas "
                                 "remplacé.\nLe remplacer quand même par la page web ?",
            MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
      return false;
    }
    WriteFileSafely(output, html.data(), html.size());
    return true;
  } catch (const IoError& error) {
    Tell(owner, environment, std::string("La page web n'a pas pu être créée : ") + error.what());
    return false;
  }
}

// What is made, and the words before and after its name once it is.
struct Made {
  FileChoice choice;
  const char* extension;
  const char* beforeName;
  const char* afterName;
};

// Asks where to put what the quiz is made into, makes it there, offers to open its folder.
void MakeIntoChosenFile(HWND owner, const EditorEnvironment& environment,
                        const EditorDocument& document, const Made& made,
                        const std::function<bool(const fs::path&)>& make) {
  const fs::path output =
      environment.dialogs.chooseFile(owner, made.choice, SuggestedPath(document, made.extension));
  if (output.empty() || !make(output)) return;
  if (Ask(owner, environment,
          made.beforeName + QuotedPath(output.filename()) + made.afterName +
              ".\nOuvrir son dossier ?",
          MB_YESNO | MB_ICONINFORMATION) == IDYES &&
      !environment.dialogs.openFolder(output.parent_path())) {
    Tell(owner, environment,
         "Le dossier " + QuotedPath(output.parent_path()) + " n'a pas pu être ouvert.");
  }
}

// Windows' folder for temporary files; empty when the system names none.
fs::path TemporaryFolder() {
  wchar_t temporary[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
  return length == 0 || length > MAX_PATH ? fs::path() : fs::path(temporary);
}

// A new folder for a trial; empty when it cannot be made.
fs::path NewTrialFolder() {
  static int trials = 0;
  const fs::path temporary = TemporaryFolder();
  if (temporary.empty()) return {};
  const fs::path folder = temporary / fs::u8path(OwnedName(GetCurrentProcessId(), ++trials));
  std::error_code error;
  fs::create_directories(folder, error);
  return error ? fs::path() : folder;
}

// A process that cannot be watched counts as running: its folder is left alone.
bool IsRunning(DWORD processId) {
  const ScopedHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // running, but not ours to open
  return WaitForSingleObject(process.Get(), 0) != WAIT_OBJECT_0;
}

}  // namespace

CheckContext CheckContextOf(const EditorEnvironment& environment, const EditorDocument& document,
                            MediaCache& cache) {
  return {document.mediaFolder.empty() ? fs::current_path() : document.mediaFolder,
          environment.measure, &cache};
}

bool ReadDocumentFile(HWND owner, const EditorEnvironment& environment, const fs::path& path,
                      EditorDocument& document) {
  try {
    const std::string extension = Extension(path);
    if (extension == ".csv") return ImportCsv(owner, environment, path, document);
    if (extension == ".exe") return DumpExecutable(owner, environment, path, document);
    return ReadQuizFile(owner, environment, path, document);
  } catch (const IoError& error) {
    Tell(owner, environment, error.what());
    return false;
  }
}

bool SaveDocument(HWND owner, const EditorEnvironment& environment, EditorDocument& document,
                  bool askName) {
  fs::path path = document.file;
  if (askName || path.empty()) {
    path = environment.dialogs.chooseFile(owner, CHOOSE_QUIZ_TO_SAVE,
                                          SuggestedPath(document, ".json"));
    if (path.empty()) return false;
  }
  try {
    EditorDocument saved = document;
    MoveQuizFile(saved, path);
    const std::string json = WriteQuizJson(saved.quiz);
    WriteFileSafely(path, json.data(), json.size());
    MarkSaved(saved, path);
    document = std::move(saved);
    return true;
  } catch (const IoError& error) {
    Tell(owner, environment, std::string("Le quiz n'est pas enregistré : ") + error.what());
    return false;
  }
}

void MakeExecutable(HWND owner, const EditorEnvironment& environment,
                    const EditorDocument& document, const std::vector<Problem>& problems,
                    MediaCache& cache) {
  if (RefusedForErrors(owner, environment, problems)) return;
  MakeIntoChosenFile(owner, environment, document,
                     {CHOOSE_EXECUTABLE, ".exe", "Le quiz ", " est créé"},
                     [&](const fs::path& output) {
                       return Make(owner, environment, document, cache, output, true);
                     });
}

void MakeWebPage(HWND owner, const EditorEnvironment& environment, const EditorDocument& document,
                 const std::vector<Problem>& problems, MediaCache& cache) {
  if (RefusedForErrors(owner, environment, problems)) return;
  const std::string html = WebPageOf(owner, environment, document, cache);
  if (html.empty()) return;
  MakeIntoChosenFile(owner, environment, document,
                     {CHOOSE_WEB_PAGE, ".html", "La page web ", " est créée"},
                     [&](const fs::path& output) {
                       return WriteWebPage(owner, environment, document, html, output);
                     });
}

// The class's files, or none once the author has been told why.
bool ReadClassFolder(HWND owner, const EditorEnvironment& environment, const fs::path& folder,
                     ClassFiles& files) {
  try {
    files = ClassFilesOf({folder});
  } catch (const fs::filesystem_error&) {
    Tell(owner, environment, "Le dossier " + QuotedPath(folder) + " ne peut pas être lu.");
    return false;
  }
  if (!files.pupils.empty() || !files.leftOut.empty()) return true;
  Tell(owner, environment,
       "Le dossier " + QuotedPath(folder) +
           " ne contient aucun fichier de réponses (.txt) : choisissez le dossier de la classe.");
  return false;
}

void ShowClassResults(HWND owner, const EditorEnvironment& environment,
                      const EditorDocument& document) {
  QuizDefinition quiz;
  std::string problem;
  if (!PlayerQuizOfFile(document.quiz, quiz, problem)) {
    Tell(owner, environment, "Les résultats ne peuvent pas être calculés : " + problem + ".");
    return;
  }
  const fs::path folder = environment.dialogs.chooseFolder(
      owner, L"Choisissez le dossier des fichiers de réponses de la classe :",
      document.mediaFolder);
  ClassFiles files;
  if (folder.empty() || !ReadClassFolder(owner, environment, folder, files)) return;
  std::vector<fs::path> inputs;
  for (const PupilFile& pupil : files.pupils) inputs.push_back(pupil.file);
  OpenClassResultsWindow(owner, environment.dialogs, GradeClass(quiz, files), inputs, folder);
}

bool StartTrial(HWND owner, const EditorEnvironment& environment, const EditorDocument& document,
                MediaCache& cache, TrialRun& trial) {
  const fs::path folder = NewTrialFolder();
  if (folder.empty()) {
    Tell(owner, environment,
         "Le quiz ne peut pas être essayé : aucun dossier temporaire n'a pu être créé pour lui.");
    return false;
  }
  const fs::path executable = folder / fs::u8path(DefaultExecutableName(document.quiz.title));
  std::error_code error;
  if (!Make(owner, environment, document, cache, executable, false)) {
    fs::remove_all(folder, error);
    return false;
  }
  // The player keeps its answers file in its current folder: the trial folder, removed after.
  std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    fs::remove_all(folder, error);
    Tell(owner, environment, "Le quiz n'a pas pu être lancé.");
    return false;
  }
  const ScopedHandle thread(process.hThread);
  trial = {ScopedHandle(process.hProcess), folder};
  return true;
}

bool FinishTrialIfEnded(TrialRun& trial) {
  const DWORD state = WaitForSingleObject(trial.process.Get(), 0);
  if (state == WAIT_TIMEOUT) return false;
  // A wait that fails cannot tell: the folder is left for a later editor to remove.
  if (state == WAIT_OBJECT_0) {
    std::error_code error;
    fs::remove_all(trial.folder, error);
  }
  return true;
}

std::vector<fs::path> LeftByEditorsGone(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> left;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const DWORD owner = NameOwner(entry->path().filename().u8string(), extension);
    if (owner == 0 || owner == GetCurrentProcessId() || IsRunning(owner)) continue;
    left.push_back(entry->path());
  }
  std::sort(left.begin(), left.end());
  return left;
}

void RemoveTrialFoldersLeftBehind() {
  const fs::path temporary = TemporaryFolder();
  if (temporary.empty()) return;
  for (const fs::path& folder : LeftByEditorsGone(temporary, "")) {
    std::error_code ignored;  // a player still running there keeps its files: next time, then
    fs::remove_all(folder, ignored);
  }
}
