// UTF-8, the tools' text, and UTF-16, the text of Windows' W functions: the one conversion between
// them, and the command line and this program's path, which come as UTF-16.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Ill-formed sequences become U+FFFD (how many bytes each takes differs between systems: the
// tools convert only text whose UTF-8 they have checked).
std::wstring WideText(const std::string& utf8);
std::string Utf8Text(const std::wstring& wide);

// The arguments after the program's name, in UTF-8: every character kept.
std::vector<std::string> Utf8Arguments();

// This program's executable, however long its path; empty if the system cannot say.
std::filesystem::path ThisProgramPath();
