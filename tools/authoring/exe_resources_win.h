// The Win32 side of brelamake: an executable's quiz resources, written into a copy of the
// player and read back.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/authoring/executable_access.h"

// Copies player to output and replaces every "PATCH" and "IMG" resource of the copy (of any
// language) with resources, in language 0x0409. Throws IoError; the copy is removed on failure.
void WriteQuizExecutable(const std::filesystem::path& player, const std::filesystem::path& output,
                         const std::vector<Resource>& resources);

// Every "PATCH" and "IMG" resource of an executable, loaded as a data file. Throws IoError.
std::vector<Resource> ReadQuizExecutable(const std::filesystem::path& executable);

// Whether a file is the player with a quiz in it: a board dialog and a "PATCH" 104 resource.
bool IsQuizExecutable(const std::filesystem::path& file);

// brela.exe in the folder of the running program: the player a release puts beside the tools.
// Empty when the system cannot name the running program.
std::filesystem::path PlayerBesideThisProgram();

// The platform's side of the authoring core, with the player beside the calling program.
ExecutableAccess WindowsExecutableAccess(const std::filesystem::path& defaultPlayer);
