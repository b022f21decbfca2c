// Which media operation a command on the board asks for.
#include "board/media_command.h"

#include "board/board_ids.h"
#include "quiz/quiz_definition.h"

namespace {

bool InButtonRange(std::uint64_t command, int base) {
  return command > static_cast<std::uint64_t>(base) &&
         command <= static_cast<std::uint64_t>(base + MAX_QUESTIONS);
}

}  // namespace

MediaCommand MediaCommandFor(int kind, std::uint64_t command) {
  if (kind != KIND_AUDIO && kind != KIND_VIDEO) return {MEDIA_NONE, 0};
  bool audio = kind == KIND_AUDIO;
  if (InButtonRange(command, IDC_PLAY_BASE)) {
    return {audio ? MEDIA_PLAY_AUDIO : MEDIA_PLAY_VIDEO, static_cast<int>(command - IDC_PLAY_BASE)};
  }
  if (InButtonRange(command, IDC_STOP_BASE)) return {audio ? MEDIA_STOP_AUDIO : MEDIA_STOP_VIDEOS, 0};
  return {MEDIA_NONE, 0};
}
