// Loading a picture resource into a bitmap that fits a box.
// PENDING picture loading: no picture is decoded yet, so every picture cell stays empty.
#include "picture/picture_win.h"

HBITMAP LoadScaledPicture(HINSTANCE, int, const char*, int, int) { return nullptr; }
