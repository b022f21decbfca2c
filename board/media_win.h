// Media playback of the audio and video quizzes: what the board's buttons and set-up call.
#pragma once

#include <windows.h>

#include "quiz/quiz_definition.h"

struct IWMPPlayer;
struct IWMPControls;

enum MediaType { MEDIA_AUDIO = 1, MEDIA_VIDEO = 2 };

constexpr const char* AUDIO_FILE_NAME = "brela.mp3";
constexpr const char* VIDEO_FILE_FORMAT = "brela%d.avi";  // with the question number

// The one window playing a sound, or null.
extern HWND audioWindow;
// Question n's video frame, player and its transport controls in slot n (slot 0 unused); a slot
// stays null for a question whose player was never made. Kept until the process ends.
extern HWND videoFrames[MAX_QUESTIONS + 1];
extern IWMPPlayer* videoPlayers[MAX_QUESTIONS + 1];
extern IWMPControls* videoControls[MAX_QUESTIONS + 1];

// Writes the "IMG" resource id of the program's module into the current directory under the
// media type's file name, replacing any file of that name: 1 when the whole file was written, or
// when a file in use under that name already holds exactly those bytes; 0 otherwise, after telling
// the user why (nothing is said when the resource cannot be locked).
int ExtractMedia(int id, int mediaType);

// Creates question n's media player in its video frame; false when the player cannot be made,
// which ends the board's construction at that question.
bool SetUpVideoPlayer(int n, HWND frame);

void PlayAudio(int n);
void StopAudio();
void PlayVideo(int n);
void StopAllVideos();
