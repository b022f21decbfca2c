// Code page 1252 as Windows maps it: Latin-1, except 0x80..0x9F, which hold typographic
// characters; the five bytes that code page leaves unassigned map to the C1 controls of the
// same value, as in Windows' own table, so that every byte has a form in both directions.
#include "tools/authoring/cp1252.h"

#include <cstdint>
#include <cstdio>

#include "tools/picture_import/quoted.h"

namespace {

constexpr std::uint32_t HIGH_CONTROLS[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// The byte for a code point, or -1 when code page 1252 has none.
int ByteOf(std::uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  for (int i = 0; i < 32; ++i) {
    if (HIGH_CONTROLS[i] == codePoint) return 0x80 + i;
  }
  return -1;
}

// How many continuation bytes follow a lead byte, or -1 for a byte that cannot lead.
int ContinuationBytes(unsigned char lead) {
  if (lead < 0x80) return 0;
  if (lead >= 0xC2 && lead < 0xE0) return 1;
  if (lead >= 0xE0 && lead < 0xF0) return 2;
  if (lead >= 0xF0 && lead < 0xF5) return 3;
  return -1;
}

// Decodes the code point at position and moves past it; false for a malformed sequence
// (overlong forms, surrogates and values past U+10FFFF included).
bool NextCodePoint(const std::string& text, std::size_t& position, std::uint32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[position]);
  const int extra = ContinuationBytes(lead);
  if (extra < 0 || position + extra >= text.size()) return false;
  codePoint = extra ? lead & (0x3F >> extra) : lead;
  for (int i = 1; i <= extra; ++i) {
    const auto next = static_cast<unsigned char>(text[position + i]);
    if ((next & 0xC0) != 0x80) return false;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  static constexpr std::uint32_t SMALLEST[4] = {0, 0x80, 0x800, 0x10000};
  if (codePoint < SMALLEST[extra] || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return false;
  }
  position += extra + 1;
  return true;
}

std::string Describe(const std::string& utf8, std::size_t from, std::size_t to,
                     std::uint32_t codePoint) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
  return "le caractère " + Quoted(utf8.substr(from, to - from)) + " (" + name +
         ") n'existe pas dans le jeu de caractères du joueur (Windows-1252) : remplacez-le";
}

}  // namespace

bool Utf8ToCp1252(const std::string& utf8, std::string& cp1252, std::string& problem) {
  std::string converted;
  for (std::size_t position = 0; position < utf8.size();) {
    const std::size_t start = position;
    std::uint32_t codePoint = 0;
    if (!NextCodePoint(utf8, position, codePoint)) {
      problem = "le texte n'est pas en UTF-8 valide";
      return false;
    }
    const int byte = ByteOf(codePoint);
    if (byte < 0) {
      problem = Describe(utf8, start, position, codePoint);
      return false;
    }
    converted += static_cast<char>(byte);
  }
  cp1252 = converted;
  return true;
}

std::size_t FirstInvalidUtf8(const std::string& text) {
  std::uint32_t codePoint = 0;
  for (std::size_t position = 0; position < text.size();) {
    if (!NextCodePoint(text, position, codePoint)) return position;
  }
  return std::string::npos;
}

std::size_t FirstMultibyteUtf8(const std::string& text, bool (*counts)(std::uint32_t)) {
  std::uint32_t codePoint = 0;
  for (std::size_t start = 0; start < text.size(); ++start) {
    std::size_t position = start;
    const bool lead = static_cast<unsigned char>(text[start]) >= 0x80;
    if (lead && NextCodePoint(text, position, codePoint) && counts(codePoint)) return start;
  }
  return std::string::npos;
}

std::uint32_t Cp1252CodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? HIGH_CONTROLS[byte - 0x80] : byte;
}

void AppendUtf8(std::string& text, std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

std::string Cp1252ToUtf8(const std::string& cp1252) {
  std::string utf8;
  for (char byte : cp1252) AppendUtf8(utf8, Cp1252CodePoint(static_cast<unsigned char>(byte)));
  return utf8;
}
