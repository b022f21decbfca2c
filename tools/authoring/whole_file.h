// Reading a file whole, the one way the tools read an input.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Every byte of the file. Throws IoError, naming the file, when it is a folder or cannot be opened
// or read to its end. On Windows the path's wide form opens it: every character of a name is kept.
Bytes ReadWholeFile(const std::filesystem::path& path);

// The same bytes as a text (a quiz file, a spreadsheet).
std::string ReadWholeText(const std::filesystem::path& path);
