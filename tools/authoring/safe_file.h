// Writing authors' files without destroying them: never over an input, and always through a
// temporary file beside the target moved into place, so that a failed or interrupted write
// leaves the previous file whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// A name for a temporary file in the target's folder that no file has yet, numbered by draws of
// a random generator. Throws IoError when the folder does not exist, which is the author's
// mistake to be told, not the temporary file's.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target,
                                          const std::function<std::uint32_t()>& draw);

// Moves a finished temporary file over the target. Throws IoError, the temporary file removed.
void MoveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& target);

// Writes bytes to a temporary file and moves it into place. Throws IoError.
void WriteFileSafely(const std::filesystem::path& target, const void* data, std::size_t size);

// Throws IoError when target is one of the inputs (the same file, by any path).
void RefuseWritingOverInputs(const std::filesystem::path& target,
                             const std::vector<std::filesystem::path>& inputs);

// « path »
std::string QuotedPath(const std::filesystem::path& path);
