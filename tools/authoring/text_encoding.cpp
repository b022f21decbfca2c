// Telling the encodings of authors' files apart.
#include "tools/authoring/text_encoding.h"

#include "tools/authoring/cp1252.h"

namespace {

bool StartsWith(const std::string& bytes, const char* prefix, std::size_t length) {
  return bytes.compare(0, length, prefix, length) == 0;
}

// Text of either UTF-16 byte order without a mark: a zero byte in every other place, for the
// Latin letters and punctuation that make most of a quiz.
bool LooksLikeUtf16(const std::string& bytes) {
  std::size_t zeros[2] = {0, 0};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\0') ++zeros[i % 2];
  }
  const std::size_t half = bytes.size() / 2;
  return half > 0 && (zeros[0] * 2 > half || zeros[1] * 2 > half);
}

}  // namespace

DecodedText DecodeText(const std::string& bytes) {
  if (StartsWith(bytes, "\xFF\xFE", 2) || StartsWith(bytes, "\xFE\xFF", 2)) {
    return {ENCODING_UTF16, {}, std::string::npos};
  }
  if (LooksLikeUtf16(bytes)) return {ENCODING_UTF16, {}, std::string::npos};
  const std::size_t invalid = FirstInvalidUtf8(bytes);
  if (invalid == std::string::npos) {
    const bool mark = StartsWith(bytes, "\xEF\xBB\xBF", 3);
    return {ENCODING_UTF8, bytes.substr(mark ? 3 : 0), std::string::npos};
  }
  return {ENCODING_CP1252, Cp1252ToUtf8(bytes), invalid};
}

TextPosition PositionOf(const std::string& text, std::size_t offset) {
  TextPosition position{1, 1};
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\n') {
      ++position.line;
      position.column = 1;
    } else if ((byte & 0xC0) != 0x80) {
      ++position.column;  // continuation bytes belong to the character before them
    }
  }
  return position;
}

std::string PositionText(const TextPosition& position) {
  return "ligne " + std::to_string(position.line) + ", colonne " + std::to_string(position.column);
}
