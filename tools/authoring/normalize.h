// Unicode normal forms of UTF-8 texts: text written with combining accents (e + U+0301, as
// macOS writes it) composed to the precomposed form that code page 1252 holds.
#pragma once

#include <string>

enum NormalForm { FORM_NFC, FORM_NFD };

// The text in the normal form; a text that is not UTF-8 comes back unchanged.
std::string Normalize(const std::string& utf8, NormalForm form);

inline std::string ComposeNfc(const std::string& utf8) { return Normalize(utf8, FORM_NFC); }

// The platform's normalisation (utf8proc, or NormalizeString on Windows); false when the text
// is not UTF-8 or the platform refuses it.
bool PlatformNormalize(const std::string& utf8, NormalForm form, std::string& normalized);
