// Loading a picture resource into a bitmap that fits a box.
#pragma once

#include <windows.h>

// The "type" resource id of the module, decoded and scaled to fit boxWidth x boxHeight with its
// proportions kept; null when it is missing or cannot be decoded. The caller owns the bitmap.
HBITMAP LoadScaledPicture(HINSTANCE instance, int id, const char* type, int boxWidth, int boxHeight);

// A whole picture file (JPEG, BMP, GIF...) decoded by the system into a bitmap of its own size;
// null when the system cannot read it. The caller owns the bitmap.
HBITMAP DecodePicture(const void* bytes, DWORD length);

// A new screen-compatible bitmap holding the source stretched (HALFTONE) to fit the box with its
// proportions kept; null when it cannot be made. The source is neither changed nor released.
HBITMAP ScaleBitmapToFit(HBITMAP source, int boxWidth, int boxHeight);
