// The quiz that the editor holds: its edits, the undo of the last deletion, its dirty state, and
// what the window shows of it (title bar, question rows, visible fields, problem places).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tools/authoring/problem.h"
#include "tools/authoring/quiz_file.h"

// The editor's fields are the quiz file's: each is one control of the window.
using EditorField = QuizField;

// A question removed, kept so that the removal can be undone.
struct DeletedQuestion {
  QuestionFile question;
  int index;  // from 0
};

struct EditorDocument {
  QuizFile quiz;
  std::filesystem::path file;         // empty until the quiz is saved or read from a quiz file
  std::filesystem::path mediaFolder;  // the folder that relative media paths start from
  bool dirty = false;
  std::vector<DeletedQuestion> deletions;  // the last one is undone first; cleared by open
};

// A new quiz: a text quiz with one empty question, no file, nothing to save.
EditorDocument NewDocument();

// A quiz read from path (a quiz file), its media paths relative to the file's folder; or
// imported (path empty: it has no quiz file yet), its media paths relative to mediaFolder.
EditorDocument DocumentOf(const QuizFile& quiz, const std::filesystem::path& path,
                          const std::filesystem::path& mediaFolder = {});

// The quiz is about to be saved as path: its media paths are made relative to path's folder,
// so that they still lead to the same files (absolute ones too, when on the folder's drive).
void MoveQuizFile(EditorDocument& document, const std::filesystem::path& path);

// How the quiz names a media file that the author chose (an absolute path): relative to the
// media folder, with '/', when there is one on the same drive; else the absolute path.
std::string MediaPathFor(const EditorDocument& document, const std::filesystem::path& chosen);

// A media path as Windows writes paths, with '\\': the quiz file keeps '/'.
std::string ShownPath(const std::string& path);

// The status bar's count: "2 erreurs, 1 avertissement", or that there is nothing to fix.
std::string ProblemCountText(const std::vector<Problem>& problems);

// Why the quiz is not made while errors remain: "Le quiz a encore 1 erreur : corrigez-la...",
// "... 2 erreurs : corrigez-les...".
std::string ErrorsLeftText(int errors);

// The quiz's own texts (title, author, explanation, captions; codes one per line).
void SetQuizText(EditorDocument& document, EditorField field, const std::string& text);
// A question's texts and media paths (stored with '/', whichever separator is typed); index from
// 0.
void SetQuestionText(EditorDocument& document, int index, EditorField field,
                     const std::string& text);
// The value a field holds now, as its control shows it (codes one per line, media paths as
// ShownPath writes them).
std::string FieldText(const EditorDocument& document, int index, EditorField field);

// Kind, answers, reveal mode and colour. A field that the new settings do not use keeps what it
// holds: the check reports it, and the editor shows it until it is emptied.
void SetKind(EditorDocument& document, QuizKind kind);
void SetAnswersPerQuestion(EditorDocument& document, int answers);
void SetRevealMode(EditorDocument& document, RevealMode mode);
void SetBackgroundColour(EditorDocument& document, std::uint32_t colour);

// Empties the media paths of every question that the quiz's kind does not use (a sound in a
// picture quiz); returns how many it emptied.
int ClearUnusedMedia(EditorDocument& document);

// An empty question at index (0..N); returns its index.
int InsertQuestion(EditorDocument& document, int index);
// Removes question index, kept for UndoDeletion; returns the index to select next (-1: none).
int DeleteQuestion(EditorDocument& document, int index);
// Puts the last removed question back where it was; returns its index, or -1 when none is kept.
int UndoDeletion(EditorDocument& document);
bool CanUndoDeletion(const EditorDocument& document);
// Swaps question index with its neighbour (delta -1 or +1); returns where it now is.
int MoveQuestion(EditorDocument& document, int index, int delta);

// The quiz was written to path.
void MarkSaved(EditorDocument& document, const std::filesystem::path& path);

// The quiz file's name, "Sans titre" before it has one.
std::string DocumentName(const EditorDocument& document);

// "capitales.json* - Éditeur de quiz brela": the document's name, a star while there are unsaved
// changes.
std::string TitleBarText(const EditorDocument& document);

// What the question list shows of question index: its number, its wording (the media file's
// name in a quiz of media), its answers ("Paris / Lyon" with two).
struct QuestionRow {
  std::string number;
  std::string wording;
  std::string answers;
};
QuestionRow QuestionRowOf(const QuizFile& quiz, int index);

// Whether the editor shows a field: the quiz's kind, answers and reveal mode use it, or it holds
// something that must be seen to be emptied (index: the question, or -1 for the quiz's fields).
bool FieldShown(const QuizFile& quiz, int index, EditorField field);

// The place of a problem: the question (from 0, -1 for the quiz's fields) and the field.
struct ProblemTarget {
  int question;
  EditorField field;
};
ProblemTarget TargetOfProblem(const Problem& problem);

// A problem's message as the editor shows it: the media path it names written as ShownPath
// writes it, like the paths beside it.
std::string ShownProblemMessage(const QuizFile& quiz, const Problem& problem);

// A problem's severity in words ("Erreur", "Avertissement"): its colour is not the only sign.
std::string SeverityText(ProblemSeverity severity);

// Where a problem lies as the list shows it: "fichier" for the file as a whole.
std::string ShownProblemPlace(const Problem& problem);

// A problem in full, for the line under the list: "Erreur — question 2, réponse 1 : ...".
std::string ProblemDetailText(const QuizFile& quiz, const Problem& problem);

// The executable's default name: the title, with the characters Windows refuses in file names
// replaced, and ".exe"; "quiz.exe" for a title with nothing usable.
std::string DefaultExecutableName(const std::string& title);

// The name of what an editor leaves while it runs (a trial's temporary folder, a recovery file),
// "brelaedit-PID-N" and the extension: named after the editor's process, so that an editor can
// tell what editors no longer running left behind.
std::string OwnedName(unsigned long processId, int number, const std::string& extension = "");
// The process id in such a name with that extension; 0 for any other name.
unsigned long NameOwner(const std::string& name, const std::string& extension = "");

// A quiz executable is read into a new folder beside it, named after it: "drapeaux" for
// "drapeaux.exe", then "drapeaux (2)", "drapeaux (3)"... while taken says a name is in use.
std::string FreeFolderName(const std::string& executableName,
                           const std::function<bool(const std::string& name)>& taken);

// Which problems of empty mandatory fields the author sees: a blank quiz does not greet the
// author with them. Each shows once its field has been left, every one once the author tries to
// save, make or try the quiz, or as soon as the quiz comes from a file.
struct EmptyFieldReporting {
  bool everyField = false;
  std::vector<ProblemTarget> left;  // fields entered then left: question (-1: the quiz's) and field
};

void NoteFieldLeft(EmptyFieldReporting& reporting, int question, EditorField field);

// How the question list changed: a question inserted at an index, removed from it, or swapped
// with the next one.
enum QuestionListChange { QUESTION_INSERTED, QUESTION_REMOVED, QUESTION_SWAPPED_WITH_NEXT };
// Where question (from 0) is after the change at index; -1 for the one removed.
int QuestionAfter(int question, QuestionListChange change, int index);
// The fields left follow their question; those of the question removed are forgotten.
void FollowQuestionList(EmptyFieldReporting& reporting, QuestionListChange change, int index);

// A problem at a field that holds nothing: one that only filling the field mends.
bool IsEmptyFieldProblem(const EditorDocument& document, const Problem& problem);

// The problems less those of empty fields that reporting holds back.
std::vector<Problem> ReportedProblems(const EditorDocument& document,
                                      const EmptyFieldReporting& reporting,
                                      const std::vector<Problem>& problems);

// The status bar's count of the problems reported; when none is but empty fields are held back,
// that the quiz is not ready yet.
std::string ReportedCountText(const std::vector<Problem>& reported, bool heldBack);
