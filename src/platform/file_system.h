// The few file-system operations the game needs. Paths take "/" or "\" as separators.
#pragma once

#include <string>

// The path with every "\" turned into "/".
std::string NormalisePath(const std::string& path);
// 0 nothing there (or an embedded location), 1 a file, 2 a folder.
int FileType(const std::string& path);
// Creates a folder, with its parents when recurse is set; an existing folder is no error.
// Returns 1 when the folder exists afterwards.
int CreateDir(const std::string& path, bool recurse = false);
// Copies source (an embedded location is allowed) to destination in 4096-byte blocks.
// Returns 1 on success; on failure returns 0 and leaves no partial destination behind.
int CopyFile(const std::string& source, const std::string& destination);
// Removes a file; returns 1 when no file is there afterwards.
int DeleteFile(const std::string& path);
// Renames a file over another (atomic on one file system); returns 1 on success.
int RenameFile(const std::string& from, const std::string& to);
