// Control ids of the board; ids marked shared name several controls at once.
#pragma once

constexpr int IDC_NUMBER = 153;              // shared
constexpr int IDC_CAPTION = 156;             // shared
constexpr int IDC_QUESTION_TEXT = 3000;      // shared
constexpr int IDC_ANSWER_BASE = 4000;        // + slot
constexpr int IDC_VERDICT_BASE = 5000;       // + slot
constexpr int IDC_PLAY_BASE = 6000;          // + question
constexpr int IDC_STOP_BASE = 7000;          // + question
constexpr int IDC_REVEAL_TEXT_BASE = 8000;   // + question
constexpr int IDC_PICTURE_BASE = 9000;       // + question
constexpr int IDC_VIDEO_FRAME_BASE = 9900;   // + question

// The main window's displays that the board's checker writes after every grading.
constexpr int IDC_SCORE = 150;  // also the id of the header's plain labels, created after it
constexpr int IDC_CODE = 157;
