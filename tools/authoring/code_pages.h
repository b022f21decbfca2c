// The code pages in which Excel saves CSV besides Windows-1252 and UTF-8: "CSV (MS-DOS)" in
// code page 850, "CSV (Macintosh)" in Mac OS Roman. A file's code page is guessed from how French
// its accented characters read in each.
#pragma once

#include <cstdint>
#include <string>

enum CodePage { CODE_PAGE_1252, CODE_PAGE_850, CODE_PAGE_MAC_ROMAN };

// The character of a byte in a code page.
std::uint32_t CodePointIn(CodePage page, unsigned char byte);

// The UTF-8 form of a text in a code page; every byte has one.
std::string CodePageToUtf8(const std::string& bytes, CodePage page);

// The code page in which the bytes read most like French: accented lower-case letters and French
// punctuation count for, symbols, controls and capitals inside words against; Windows-1252 when
// none does better.
CodePage LikeliestCodePage(const std::string& bytes);
