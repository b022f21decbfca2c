// Recognising the media files a quiz can carry by their first bytes.
#pragma once

#include <vector>

using Bytes = std::vector<unsigned char>;

// A JPEG in the JFIF form: FF D8 FF E0, then the APP0 segment named "JFIF".
bool IsJfifJpeg(const Bytes& file);

// An MP3 file: an ID3v2 tag, or an MPEG audio layer III frame header at once.
bool IsMp3(const Bytes& file);

// An AVI file: a RIFF container of form "AVI ".
bool IsAvi(const Bytes& file);
