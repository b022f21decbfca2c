// Loading a picture resource into a bitmap that fits a box.
#pragma once

#include <windows.h>

constexpr const char* PICTURE_RESOURCE_TYPE = "IMG";
constexpr int IDR_PICTURE_BASE = 400;           // + question: its picture
constexpr int IDR_ANSWER_PICTURE_BASE = 10400;   // + question: the picture that a right answer reveals

// The "type" resource id of the module, decoded and scaled to fit boxWidth x boxHeight with its
// proportions kept; null when it is missing or cannot be decoded. The caller owns the bitmap.
HBITMAP LoadScaledPicture(HINSTANCE instance, int id, const char* type, int boxWidth, int boxHeight);
