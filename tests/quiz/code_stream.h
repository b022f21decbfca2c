// Packed streams written code by code at the widths the decoder reads them: well-formed and
// hostile inputs of UnpackData for its tests and the fuzz corpora.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "quiz/unpack.h"

using Bytes = std::vector<unsigned char>;
using Codes = std::vector<std::uint32_t>;

// Writes values of any width up to 33 bits, most significant bit first, padding with zero bits.
class BitWriter {
 public:
  void Put(std::uint64_t value, int width) {
    for (int bit = width - 1; bit >= 0; --bit) {
      if (bitCount_ % 8 == 0) bytes_.push_back(0);
      if ((value >> bit) & 1) bytes_.back() |= static_cast<unsigned char>(0x80 >> (bitCount_ % 8));
      ++bitCount_;
    }
  }
  // Follows the decoder's width: the code just written widens or resets the following ones.
  void PutCode(std::uint32_t code) {
    Put(code, width_);
    if (code == CODE_WIDEN) ++width_;
    if (code == CODE_RESET) width_ = FIRST_CODE_WIDTH;
  }
  const Bytes& Result() const { return bytes_; }

 private:
  Bytes bytes_;
  long bitCount_ = 0;
  int width_ = FIRST_CODE_WIDTH;
};

// The codes written in order at the width the decoder will be reading them at. The first code is
// a literal whatever its value, so it never changes the width.
inline Bytes Stream(const Codes& codes) {
  BitWriter writer;
  if (!codes.empty()) writer.Put(codes[0], FIRST_CODE_WIDTH);
  for (std::size_t i = 1; i < codes.size(); ++i) writer.PutCode(codes[i]);
  return writer.Result();
}

// Puts the widen codes a code needs before it, as a well-formed stream must.
inline void Widened(Codes& codes, int& width, std::uint32_t code) {
  for (; (std::uint64_t{code} >> width) != 0; ++width) codes.push_back(CODE_WIDEN);
  codes.push_back(code);
}

// 97, then `count` codes each naming the entry it defines: a, aa, aaa, ... written in turn.
inline Codes Chain(int count) {
  Codes codes{'a'};
  int width = FIRST_CODE_WIDTH;
  for (int i = 0; i < count; ++i) Widened(codes, width, FIRST_FREE_CODE + i);
  return codes;
}

template <typename T>
std::vector<T> Join(std::initializer_list<std::vector<T>> parts) {
  std::vector<T> joined;
  for (const auto& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

inline Codes Repeat(std::uint32_t code, int count) { return Codes(count, code); }

// After 'a', 3837 literals define entries 259 .. 4095 and write 3837 bytes.
inline Codes FullDictionary() { return Join<std::uint32_t>({{97}, Repeat('b', 3837)}); }
