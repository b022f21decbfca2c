// Conversion between the UTF-8 of quiz files and the code page 1252 of the quiz resources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The CP1252 form of a UTF-8 text. Returns false, and says why in French in problem, for a byte
// sequence that is not UTF-8 or a character that code page 1252 cannot hold.
bool Utf8ToCp1252(const std::string& utf8, std::string& cp1252, std::string& problem);

// The offset of the first byte that does not belong to a well-formed UTF-8 sequence, or npos.
std::size_t FirstInvalidUtf8(const std::string& text);

// The offset of the first well-formed UTF-8 sequence of more than one byte whose character is
// one that counts, or npos: in a file that is not all UTF-8, the sign that some of it is.
std::size_t FirstMultibyteUtf8(const std::string& text, bool (*counts)(std::uint32_t));

// The UTF-8 form of a CP1252 text; every byte has one.
std::string Cp1252ToUtf8(const std::string& cp1252);

// The character of a CP1252 byte.
std::uint32_t Cp1252CodePoint(unsigned char byte);

// Appends a code point of the Basic Multilingual Plane in UTF-8.
void AppendUtf8(std::string& text, std::uint32_t codePoint);
