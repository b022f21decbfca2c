// Class results as a spreadsheet for French spreadsheet programs.
#pragma once

#include <string>

#include "tools/authoring/class_results.h"

// The first bytes of every class results CSV: the byte-order mark and the header's first cells.
inline constexpr char RESULTS_CSV_START[] = "\xEF\xBB\xBF" "Élève;Score;Code";

// CSV in UTF-8 with a byte-order mark, cells separated by ";", rows ended by CR LF. A header row
// ("Élève;Score;Code;1 réponse;1 verdict..." or "1 réponse 1;1 verdict 1;1 réponse 2..."), then
// one row per pupil in the results' order.
std::string ResultsCsv(const ClassResults& results);
