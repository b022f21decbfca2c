// Unsaved changes kept against a crash, a kill or a power cut: the recovery file's text, the
// question that offers it back, and when to write it.
#pragma once

#include <cstdint>
#include <string>

#include "tools/brelaedit/editor_model.h"

// A recovery file is OwnedName(process, window, RECOVERY_EXTENSION).
constexpr char RECOVERY_EXTENSION[] = ".recup";

// The recovery file's text: a first line that tells what it is, the quiz file's path and the
// media folder (UTF-8, one per line, empty when there is none), then the quiz as its file holds it.
std::string RecoveryText(const EditorDocument& document);

// The document that a recovery text holds, with unsaved changes; false when the text is not one.
bool ReadRecoveryText(const std::string& text, EditorDocument& document);

// "Récupérer les modifications non enregistrées de « capitales.json » ?", the quiz's title, and
// what "Non" does.
std::string RecoveryQuestion(const EditorDocument& document);

// The file is written once typing pauses after a change, and while changes keep coming, at least
// every period: at most that much typing is lost.
constexpr std::uint64_t RECOVERY_PAUSE_MS = 2000;
constexpr std::uint64_t RECOVERY_PERIOD_MS = 60000;

struct RecoverySchedule {
  bool pending = false;             // a change not yet written
  std::uint64_t firstChangeMs = 0;  // of the changes not yet written
  std::uint64_t lastChangeMs = 0;
};

void NoteChange(RecoverySchedule& schedule, std::uint64_t nowMs);
void NoteWritten(RecoverySchedule& schedule);
// How long after nowMs the file is due (0: now), for a schedule with a change pending.
std::uint64_t RecoveryDelayMs(const RecoverySchedule& schedule, std::uint64_t nowMs);
