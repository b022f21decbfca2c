// Media playback of the audio and video quizzes: what the board's buttons and set-up call.
#pragma once

#include <windows.h>

// Creates question n's media player in its video frame; false when the player cannot be made,
// which ends the board's construction at that question.
bool SetUpVideoPlayer(int n, HWND frame);

void PlayAudio(int n);
void StopAudio();
void PlayVideo(int n);
void StopAllVideos();
