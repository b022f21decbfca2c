// Which media operation a command on the board asks for.
#pragma once

#include <cstdint>

enum MediaAction { MEDIA_NONE, MEDIA_PLAY_AUDIO, MEDIA_STOP_AUDIO, MEDIA_PLAY_VIDEO, MEDIA_STOP_VIDEOS };

struct MediaCommand {
  MediaAction action;
  int question;  // the question to play, for the play actions
};

// The whole command value is compared, so only a click (notification code 0) on a play button
// 6001..6090 or a stop button 7001..7090 of an audio or video quiz asks for anything.
MediaCommand MediaCommandFor(int kind, std::uint64_t command);
