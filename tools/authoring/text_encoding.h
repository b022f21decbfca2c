// The encodings in which authors' files arrive (UTF-8 with or without a byte-order mark, ANSI
// from Windows, UTF-16 from "Unicode" saves), told apart and read as UTF-8.
#pragma once

#include <cstddef>
#include <string>

enum TextEncoding { ENCODING_UTF8, ENCODING_CP1252, ENCODING_UTF16 };

struct DecodedText {
  TextEncoding encoding;
  std::string utf8;          // the text without its byte-order mark; empty for UTF-16
  std::size_t firstNonUtf8;  // for CP1252: offset in the file of the first byte that is not
                             // UTF-8; npos otherwise
};

// UTF-16 by its byte-order mark or its zero bytes; UTF-8 when every byte sequence is well formed;
// otherwise code page 1252, the ANSI code page of French Windows.
DecodedText DecodeText(const std::string& bytes);

struct TextPosition {
  int line;    // from 1
  int column;  // from 1, in characters
};

// The line and column of a byte offset in a text whose bytes up to that offset are UTF-8.
TextPosition PositionOf(const std::string& text, std::size_t offset);

// "ligne 4, colonne 17"
std::string PositionText(const TextPosition& position);
