// The recovery file: the quiz file's own format under a few lines that make the document itself
// again.
#include "tools/brelaedit/recovery.h"

#include <algorithm>

#include "tools/picture_import/quoted.h"

namespace {

constexpr char FIRST_LINE[] = "brelaedit récupération 1";
constexpr char FILE_KEY[] = "fichier=";
constexpr char MEDIA_FOLDER_KEY[] = "médias=";

// The value of the line at position that starts with key, position moved past it; false when
// the line is not there.
bool TakeLine(const std::string& text, std::size_t& position, const std::string& key,
              std::string& value) {
  const std::size_t end = text.find('\n', position);
  if (end == std::string::npos || text.compare(position, key.size(), key) != 0) return false;
  value = text.substr(position + key.size(), end - position - key.size());
  position = end + 1;
  return true;
}

}  // namespace

std::string RecoveryText(const EditorDocument& document) {
  return std::string(FIRST_LINE) + "\n" + FILE_KEY + document.file.u8string() + "\n" +
         MEDIA_FOLDER_KEY + document.mediaFolder.u8string() + "\n" + WriteQuizJson(document.quiz);
}

bool ReadRecoveryText(const std::string& text, EditorDocument& document) {
  std::size_t position = 0;
  std::string first, file, mediaFolder;
  if (!TakeLine(text, position, "", first) || first != FIRST_LINE ||
      !TakeLine(text, position, FILE_KEY, file) ||
      !TakeLine(text, position, MEDIA_FOLDER_KEY, mediaFolder)) {
    return false;
  }
  std::vector<Problem> problems;
  bool readable = false;
  const QuizFile quiz = ReadQuizJson(text.substr(position), problems, &readable);
  // Written by the editor from its own record: anything it cannot read back is damage.
  if (!readable || !problems.empty()) return false;
  document = EditorDocument();
  document.quiz = quiz;
  document.file = std::filesystem::u8path(file);
  document.mediaFolder = std::filesystem::u8path(mediaFolder);
  document.dirty = true;
  return true;
}

std::string RecoveryQuestion(const EditorDocument& document) {
  std::string question =
      "Récupérer les modifications non enregistrées de " + Quoted(DocumentName(document)) + " ?";
  if (!document.quiz.title.empty()) question += "\nTitre du quiz : " + Quoted(document.quiz.title);
  return question + "\n\nNon : ces modifications sont effacées.";
}

void NoteChange(RecoverySchedule& schedule, std::uint64_t nowMs) {
  if (!schedule.pending) schedule.firstChangeMs = nowMs;
  schedule.pending = true;
  schedule.lastChangeMs = nowMs;
}

void NoteWritten(RecoverySchedule& schedule) { schedule.pending = false; }

std::uint64_t RecoveryDelayMs(const RecoverySchedule& schedule, std::uint64_t nowMs) {
  const std::uint64_t due = std::min(schedule.lastChangeMs + RECOVERY_PAUSE_MS,
                                     schedule.firstChangeMs + RECOVERY_PERIOD_MS);
  return due > nowMs ? due - nowMs : 0;
}
