// Media playback of the audio and video quizzes.
// PENDING media playback: these bodies do nothing yet; the sound and film players replace them.
#include "board/media_win.h"

bool SetUpVideoPlayer(int, HWND) { return true; }

void PlayAudio(int) {}

void StopAudio() {}

void PlayVideo(int) {}

void StopAllVideos() {}
