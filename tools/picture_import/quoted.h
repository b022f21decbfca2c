// How every message of the tools quotes a name or a value. It lives with the lowest library of
// the tools that quotes one, so that the picture import and the authoring core quote alike.
#pragma once

#include <string>

// A text in French quotation marks: « text ».
inline std::string Quoted(const std::string& text) { return "« " + text + " »"; }
