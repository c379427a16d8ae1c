// key=value settings files: Settings.ini in the save folder, Engine.ini beside the program.
// A line gives a key's value when, lower-cased, it begins with the key; the value is the rest
// after the key and one more character. The last matching line wins. Nothing is cached.
#pragma once

#include <string>
#include <vector>

// A number clamped into [min, max]; the range minimum when the file or the key is missing.
float LoadVariable(const std::string& path, const std::string& key, float min, float max);
// Text, lower-cased; the empty text when the file or the key is missing.
std::string LoadTextVariable(const std::string& path, const std::string& key);
// The same as LoadTextVariable but keeps the letters' case: for paths on a case-sensitive
// file system, which lower-casing would break.
std::string LoadTextVariableKeepCase(const std::string& path, const std::string& key);

// SaveFolder + "Settings/Settings.ini".
std::string SettingsPath();
// DataRoot + "Settings/Engine.ini".
std::string EnginePath();

// Writes Settings.ini with the default lines; returns 1 when the whole file was written.
int WriteDefaultSettings();
// Writes lines to path through a temporary file and a rename, so that a full or read-only
// folder leaves the previous file whole. Returns 1 on success.
int WriteLinesSafely(const std::string& path, const std::vector<std::string>& lines);
