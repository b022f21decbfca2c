// A picture as the player will show it: as make puts it into the executable, decoded and scaled
// by the player's own code into its picture box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "board/layout.h"
#include "tools/authoring/media_check.h"

// The picture of file (named name in the quiz) for its role, through the cache that make then
// reuses, scaled into a box of side pixels as the player scales it into its picture box; null
// when it cannot be shown. The caller owns the bitmap.
HBITMAP PicturePreview(MediaRole role, const std::filesystem::path& file, const std::string& name,
                       std::uint32_t backgroundColour, MediaCache* cache, int side);

// An owner-drawn box: the picture centred on the quiz's background, or the text empty.
void DrawPicturePreview(const DRAWITEMSTRUCT& item, HBITMAP picture, COLORREF background,
                        const wchar_t* empty);
