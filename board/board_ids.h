// Control ids of the main window and of the board, and the resource ids of the player.
#pragma once

// Main window.
constexpr int IDC_FRAME_SCORE = 1;
constexpr int IDC_FRAME_CODE = 2;
constexpr int IDC_FRAME_TITLE = 3;
constexpr int IDC_FRAME_AUTHOR = 4;
constexpr int IDC_SAVE = 140;
constexpr int IDC_SCORE = 150;  // also the id of the header's plain labels, created after it
constexpr int IDC_CODE_LABEL = 151;
constexpr int IDC_LINK = 154;
constexpr int IDC_CODE = 157;
constexpr int IDC_VERSION = 8000;

// Board; ids marked shared name several controls at once.
constexpr int IDC_NUMBER = 153;         // shared
constexpr int IDC_CAPTION = 156;        // shared
constexpr int IDC_QUESTION_TEXT = 3000; // shared
constexpr int IDC_ANSWER_BASE = 4000;   // + slot
constexpr int IDC_VERDICT_BASE = 5000;  // + slot
constexpr int IDC_PLAY_BASE = 6000;     // + question
constexpr int IDC_STOP_BASE = 7000;     // + question
constexpr int IDC_REVEAL_TEXT_BASE = 8000;   // + question
constexpr int IDC_PICTURE_BASE = 9000;       // + question
constexpr int IDC_VIDEO_FRAME_BASE = 9900;   // + question

// Resources.
constexpr int IDD_BOARD = 1001;
constexpr int IDC_HAND_CURSOR = 1003;  // not IDC_HAND: <windows.h> defines that name
constexpr int IDI_PLAY = 1004;
constexpr int IDI_STOP = 1005;
