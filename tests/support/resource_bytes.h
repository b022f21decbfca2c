// The bytes of a resource of the test executable itself.
#pragma once

#include <string>

// Empty when the executable has no such resource.
std::string ResourceBytes(int id, const char* type = "IMG");
