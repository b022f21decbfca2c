// The chunks of a PNG file, walked by their lengths for what stb's decoder must not be given.
#pragma once

#include <vector>

using Bytes = std::vector<unsigned char>;

// What stb's decoder needs checked before it is given a PNG: its first image data chunk (IDAT) is
// not empty (stb would copy it into a buffer it has not allocated yet).
bool IsSoundPng(const Bytes& file);

// Every chunk whole up to the end chunk (IEND), whose CRC may be missing: stb's decoder refuses a
// file cut short before it.
bool IsWholePng(const Bytes& file);
