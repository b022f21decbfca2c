// Texts written into the HTML pages the tools make.
#pragma once

#include <string>

// Text made safe inside HTML or SVG, in an element or a quoted attribute.
std::string EscapedHtml(const std::string& text);
