// Control ids of the main window; the score and the code, which the board writes, are the board's.
#pragma once

#include "board/board_ids.h"

constexpr int IDC_FRAME_SCORE = 1;
constexpr int IDC_FRAME_CODE = 2;
constexpr int IDC_FRAME_TITLE = 3;
constexpr int IDC_FRAME_AUTHOR = 4;
constexpr int IDC_SAVE = 140;
constexpr int IDC_CODE_LABEL = 151;
constexpr int IDC_LINK = 154;
constexpr int IDC_VERSION = 8000;
