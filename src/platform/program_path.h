// Where the running program lives.
#pragma once

#include <string>

// The absolute path of the running executable, or the empty text when it cannot be told.
std::string ProgramPath();
// The path with its file extension replaced by ext (or ext appended when there is none).
std::string ReplaceExtension(const std::string& path, const std::string& ext);
