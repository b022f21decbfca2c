// PackData: packs bytes into the stream that UnpackData reads back, for the "PATCH" resources.
#pragma once

#include <cstddef>
#include <vector>

struct PackStats {
  int resets;  // reset codes written
  int widens;  // widen codes written
  int codes;   // every code written, the control codes and the end code included
};

// Codes go out most significant bit first from 9 bits, a widen code before any code that does not
// fit, a reset code as soon as the dictionary has used code 4095, then the end code; the last byte
// is padded with zero bits. No stream unpacks to nothing, so an empty payload packs to no bytes.
std::vector<unsigned char> PackData(const unsigned char* data, std::size_t length,
                                    PackStats* stats = nullptr);
