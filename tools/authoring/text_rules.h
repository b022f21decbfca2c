// What every text of a quiz must be to reach the player intact, and what an expected answer
// must be for a pupil to type it.
#pragma once

#include <string>
#include <vector>

#include "tools/authoring/problem.h"

// The player's form of a text: composed to NFC, then code page 1252. False, with the reason in
// problems, when a character has no CP1252 form or the text is not UTF-8. Then the problems the
// form itself has: over 259 characters, a zero, a tab or line break, and a '|' outside codes.
bool CheckPlayerText(const std::string& utf8, const FieldRef& place, bool isCode,
                     std::string& cp1252, std::vector<Problem>& problems);

// The player's form of a text, or empty when it has none.
std::string PlayerText(const std::string& utf8);

// An expected answer (CP1252) as a pupil will type it: empty, spaces around it, only spaces or
// an invisible character are errors; the other characters that the Windows French keyboard does
// not type, and accented capitals, are warnings with what to write instead, each told once.
void CheckExpectedAnswer(const std::string& cp1252, const FieldRef& place,
                         std::vector<Problem>& problems);
