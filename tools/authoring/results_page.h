// Class results as one printable page: HTML for A4 paper, in French, with nothing outside it.
#pragma once

#include <string>

#include "tools/authoring/class_results.h"

// The first bytes of every class results page.
inline constexpr char RESULTS_PAGE_START[] = "<!DOCTYPE html>\n<html lang=\"fr\">\n";

// The class table (each answer on its verdict's colour, in blocks of ten fields so that it fits
// the page's width), the success of each question hardest first, and the spread of the scores,
// both drawn in inline SVG. No script, no link to another file.
std::string ResultsPage(const ClassResults& results);
